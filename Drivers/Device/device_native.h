// Native variant of the device access layer: the firmware runs as host code and every register
// or device-memory access is forwarded to the board model by its device address. The functions
// declared here are provided by the native binding (board/native), which owns the model.
// Included only through device_access.h.
#ifndef OVRIMO_DEVICE_NATIVE_H
#define OVRIMO_DEVICE_NATIVE_H

#include <stdint.h>

// Provided by the native binding.
uint32_t ovrimo_native_read(uint32_t address, unsigned size);
void ovrimo_native_write(uint32_t address, uint32_t value, unsigned size);
// Host address of the (inaccessible) window that stands for device address `address`; register
// objects are never dereferenced, their own address names the register.
void* ovrimo_native_window(uint32_t address);
uint32_t ovrimo_native_device_address(const void* host_address);
// Core state and instructions that have no register.
void ovrimo_native_set_primask(uint32_t value);
uint32_t ovrimo_native_get_primask(void);
void ovrimo_native_set_msp(uint32_t value);
uint32_t ovrimo_native_get_msp(void);
void ovrimo_native_nop(void);
void ovrimo_native_barrier(void);
uint32_t ovrimo_native_ldrex(uint32_t address);
uint32_t ovrimo_native_strex(uint32_t value, uint32_t address);
void ovrimo_native_clrex(void);
[[noreturn]] void ovrimo_native_start_image(uint32_t main_stack, uint32_t entry);

namespace ovrimo::native {

// A register of width T whose loads and stores go to the model. It occupies exactly the bytes of
// the register, so the block structures keep the chip's layout (checked by static_assert).
template <typename T>
class Register {
 public:
  Register() = delete;
  Register(const Register&) = delete;

  operator T() const { return static_cast<T>(ovrimo_native_read(address(), sizeof(T))); }
  Register& operator=(T value) {
    ovrimo_native_write(address(), value, sizeof(T));
    return *this;
  }
  // Register-to-register copy is a load of one and a store to the other, as on the chip.
  Register& operator=(const Register& other) { return *this = static_cast<T>(other); }
  Register& operator|=(T bits) { return *this = static_cast<T>(static_cast<T>(*this) | bits); }
  Register& operator&=(T bits) { return *this = static_cast<T>(static_cast<T>(*this) & bits); }
  Register& operator^=(T bits) { return *this = static_cast<T>(static_cast<T>(*this) ^ bits); }

  uint32_t address() const { return ovrimo_native_device_address(this); }

 private:
  T storage_;  // never touched: it only gives the object the register's size
};

}  // namespace ovrimo::native

using reg32_t = ovrimo::native::Register<uint32_t>;
using reg8_t = ovrimo::native::Register<uint8_t>;

#define DEVICE_BLOCK(TYPE, ADDRESS) (static_cast<TYPE*>(ovrimo_native_window(ADDRESS)))

static inline uint32_t device_read32(uint32_t address) { return ovrimo_native_read(address, 4U); }
static inline uint8_t device_read8(uint32_t address) {
  return static_cast<uint8_t>(ovrimo_native_read(address, 1U));
}
static inline void device_write32(uint32_t address, uint32_t value) {
  ovrimo_native_write(address, value, 4U);
}

// Device address of a register block or register (see the target variant).
static inline uint32_t device_address(const volatile void* object) {
  return ovrimo_native_device_address(const_cast<const void*>(object));
}

static inline void __enable_irq(void) { ovrimo_native_set_primask(0U); }
static inline void __disable_irq(void) { ovrimo_native_set_primask(1U); }
static inline uint32_t __get_PRIMASK(void) { return ovrimo_native_get_primask(); }
static inline void __set_PRIMASK(uint32_t priMask) { ovrimo_native_set_primask(priMask & 1U); }
static inline uint32_t __get_MSP(void) { return ovrimo_native_get_msp(); }
static inline void __set_MSP(uint32_t topOfMainStack) { ovrimo_native_set_msp(topOfMainStack); }
static inline void __NOP(void) { ovrimo_native_nop(); }
static inline void __DSB(void) { ovrimo_native_barrier(); }
static inline void __ISB(void) { ovrimo_native_barrier(); }
static inline uint32_t __LDREXW(reg32_t* addr) { return ovrimo_native_ldrex(addr->address()); }
static inline uint32_t __STREXW(uint32_t value, reg32_t* addr) {
  return ovrimo_native_strex(value, addr->address());
}
static inline void __CLREX(void) { ovrimo_native_clrex(); }
[[noreturn]] static inline void device_start_image(uint32_t main_stack, uint32_t entry) {
  ovrimo_native_start_image(main_stack, entry);
}
static inline uint32_t __RBIT(uint32_t value) {
  uint32_t result = 0U;
  for (int i = 0; i < 32; ++i) {
    result = (result << 1) | ((value >> i) & 1U);
  }
  return result;
}
static inline uint8_t __CLZ(uint32_t value) {
  return value == 0U ? 32U : static_cast<uint8_t>(__builtin_clz(value));
}

#endif

// Target variant of the device access layer: plain volatile memory and Cortex-M33 instructions.
// Included only through device_access.h.
#ifndef OVRIMO_DEVICE_TARGET_H
#define OVRIMO_DEVICE_TARGET_H

#include <stdint.h>

using reg32_t = volatile uint32_t;
using reg8_t = volatile uint8_t;

#define DEVICE_BLOCK(TYPE, ADDRESS) (reinterpret_cast<TYPE*>(ADDRESS))

__attribute__((always_inline)) static inline uint32_t device_read32(uint32_t address) {
  return *reinterpret_cast<const volatile uint32_t*>(address);
}
__attribute__((always_inline)) static inline uint8_t device_read8(uint32_t address) {
  return *reinterpret_cast<const volatile uint8_t*>(address);
}
__attribute__((always_inline)) static inline void device_write32(uint32_t address, uint32_t value) {
  *reinterpret_cast<volatile uint32_t*>(address) = value;
}

// Device address of a register block or register, for the few computations that need it (the
// index of a GPIO port from its address). Drivers never turn a block pointer into an integer
// themselves: natively the pointer is a host address.
__attribute__((always_inline)) static inline uint32_t device_address(const volatile void* object) {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(object));
}

__attribute__((always_inline)) static inline void __enable_irq(void) {
  __asm volatile("cpsie i" : : : "memory");
}
__attribute__((always_inline)) static inline void __disable_irq(void) {
  __asm volatile("cpsid i" : : : "memory");
}
__attribute__((always_inline)) static inline uint32_t __get_PRIMASK(void) {
  uint32_t result;
  __asm volatile("mrs %0, primask" : "=r"(result)::"memory");
  return result;
}
__attribute__((always_inline)) static inline void __set_PRIMASK(uint32_t priMask) {
  __asm volatile("msr primask, %0" : : "r"(priMask) : "memory");
}
__attribute__((always_inline)) static inline uint32_t __get_MSP(void) {
  uint32_t result;
  __asm volatile("mrs %0, msp" : "=r"(result));
  return result;
}
__attribute__((always_inline)) static inline void __set_MSP(uint32_t topOfMainStack) {
  __asm volatile("msr msp, %0" : : "r"(topOfMainStack) :);
}
__attribute__((always_inline)) static inline void __NOP(void) { __asm volatile("nop"); }
__attribute__((always_inline)) static inline void __DSB(void) {
  __asm volatile("dsb 0xF" ::: "memory");
}
__attribute__((always_inline)) static inline void __ISB(void) {
  __asm volatile("isb 0xF" ::: "memory");
}
__attribute__((always_inline)) static inline uint32_t __LDREXW(volatile uint32_t* addr) {
  uint32_t result;
  __asm volatile("ldrex %0, %1" : "=r"(result) : "Q"(*addr));
  return result;
}
__attribute__((always_inline)) static inline uint32_t __STREXW(uint32_t value, volatile uint32_t* addr) {
  uint32_t result;
  __asm volatile("strex %0, %2, %1" : "=&r"(result), "=Q"(*addr) : "r"(value));
  return result;
}
__attribute__((always_inline)) static inline void __CLREX(void) { __asm volatile("clrex" ::: "memory"); }
// The last steps of the hand-off (see device_access.h), in start_image.S.
extern "C" [[noreturn]] void device_start_image(uint32_t main_stack, uint32_t entry);

__attribute__((always_inline)) static inline uint32_t __RBIT(uint32_t value) {
  uint32_t result;
  __asm volatile("rbit %0, %1" : "=r"(result) : "r"(value));
  return result;
}
__attribute__((always_inline)) static inline uint8_t __CLZ(uint32_t value) {
  // The instruction yields 32 for zero; the builtin leaves that case undefined.
  return value == 0U ? 32U : static_cast<uint8_t>(__builtin_clz(value));
}

#endif

// The one seam between firmware and hardware.
//
// Register blocks are declared with the field types reg32_t / reg8_t and reached through
// DEVICE_BLOCK(Type, address). On the target these are volatile objects at their fixed addresses
// and every access is a single load or store. In the native build (OVRIMO_NATIVE) the same
// declarations compile against small classes whose loads and stores go to the board model by
// address, so the firmware source is identical in both builds and no firmware file knows which
// one it is in.
//
// Flash and other memory that is not a register (the application image, the metadata block) is
// read and written with device_read8/32 and device_write32, never through a raw pointer: on the
// host there is no memory at those addresses.
#ifndef OVRIMO_DEVICE_ACCESS_H
#define OVRIMO_DEVICE_ACCESS_H

#include <stdint.h>

// Both variants also provide
//   [[noreturn]] void device_start_image(uint32_t main_stack, uint32_t entry);
// the last steps of the hand-off to an application: load the main stack pointer, stop SysTick
// (CTRL, LOAD, VAL = 0), disable and clear the first 8 NVIC words, and branch to `entry`. It is
// one routine, below the compiler, because nothing may touch the old stack once MSP has moved.

#if defined(OVRIMO_NATIVE)
#include "device_native.h"
#else
#include "device_target.h"
#endif

// Field helpers shared by every driver. READ_REG yields a plain uint32_t in both builds.
#define SET_BIT(REG, BIT) ((REG) |= (BIT))
#define CLEAR_BIT(REG, BIT) ((REG) &= ~(BIT))
#define READ_BIT(REG, BIT) (static_cast<uint32_t>(REG) & (BIT))
#define CLEAR_REG(REG) ((REG) = 0x0U)
#define WRITE_REG(REG, VAL) ((REG) = (VAL))
#define READ_REG(REG) (static_cast<uint32_t>(REG))
#define MODIFY_REG(REG, CLEARMASK, SETMASK) \
  WRITE_REG((REG), ((READ_REG(REG) & (~(CLEARMASK))) | (SETMASK)))
#define POSITION_VAL(VAL) (__CLZ(__RBIT(VAL)))

// Clear bits of a register that an interrupt handler may also modify: retry the exclusive
// load/store pair until the store succeeds, so no concurrent update is lost.
#define ATOMIC_CLEAR_BIT(REG, BIT)                                   \
  do {                                                               \
    uint32_t atomic_val_;                                            \
    do {                                                             \
      atomic_val_ = __LDREXW(&(REG)) & ~(BIT);                       \
    } while (__STREXW(atomic_val_, &(REG)) != 0U);                   \
  } while (0)

#define ATOMIC_SET_BIT(REG, BIT)                                     \
  do {                                                               \
    uint32_t atomic_val_;                                            \
    do {                                                             \
      atomic_val_ = __LDREXW(&(REG)) | (BIT);                        \
    } while (__STREXW(atomic_val_, &(REG)) != 0U);                   \
  } while (0)

#define ATOMIC_MODIFY_REG(REG, CLEARMSK, SETMASK)                    \
  do {                                                               \
    uint32_t atomic_val_;                                            \
    do {                                                             \
      atomic_val_ = (__LDREXW(&(REG)) & ~(CLEARMSK)) | (SETMASK);    \
    } while (__STREXW(atomic_val_, &(REG)) != 0U);                   \
  } while (0)

#endif

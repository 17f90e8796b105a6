// System exception handlers.
#include "irq_handlers.h"

#include "flash.h"
#include "hal.h"

namespace {

// A fault leaves nothing to recover: stay here until the next reset, so a debugger finds the
// core in the handler that names the fault. The loop spins on an instruction because an endless
// loop without side effects is undefined behaviour in C++. (In the native build the same spin
// only spends virtual time, so a run that ends here stops at its time limit.)
[[noreturn]] void spin_for_ever() {
  for (;;) {
    __NOP();
  }
}

}  // namespace

extern "C" {

// A double ECC error while the bootloader reads the application region (a quad-word a power cut
// left half-programmed) is not a fault: the reader treats the image as unusable and the board
// stays updatable. Every other NMI stops the board.
void NMI_Handler(void) {
  if (flash_ecc_error_taken()) {
    return;
  }
  spin_for_ever();
}

void HardFault_Handler(void) { spin_for_ever(); }

void MemManage_Handler(void) { spin_for_ever(); }

void BusFault_Handler(void) { spin_for_ever(); }

void UsageFault_Handler(void) { spin_for_ever(); }

void SVC_Handler(void) {}

void DebugMon_Handler(void) {}

void PendSV_Handler(void) {}

// The millisecond tick.
void SysTick_Handler(void) { HAL_IncTick(); }

}  // extern "C"

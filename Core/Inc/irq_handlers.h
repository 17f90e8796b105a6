// Handlers of the core's system exceptions. SysTick is the only exception the system expects, and
// the NMI of a flash ECC error in the application region; the faults stop the board where it
// stands, the rest have nothing to do.
#ifndef OVRIMO_IRQ_HANDLERS_H
#define OVRIMO_IRQ_HANDLERS_H

extern "C" {

void NMI_Handler(void);
[[noreturn]] void HardFault_Handler(void);
[[noreturn]] void MemManage_Handler(void);
[[noreturn]] void BusFault_Handler(void);
[[noreturn]] void UsageFault_Handler(void);
void SVC_Handler(void);
void DebugMon_Handler(void);
void PendSV_Handler(void);
void SysTick_Handler(void);

}  // extern "C"

#endif

// Last steps of the hand-off to an application, below the compiler.
//
//   void device_start_image(uint32_t main_stack, uint32_t entry)   (r0, r1)
//
// Once MSP holds the application's stack pointer nothing may push, pop or spill: a compiler is
// free to do so in any function, at any optimisation level, so these steps are written here.
// Only register writes follow the MSR, then the branch; r0 and r1 never touch memory.

  .syntax unified
  .cpu cortex-m33
  .thumb

  .section .text.device_start_image,"ax",%progbits
  .global device_start_image
  .type device_start_image, %function
  .thumb_func
device_start_image:
  msr msp, r0

  // SysTick: CTRL, LOAD, VAL = 0, in this order; counter and its interrupt stop.
  movw r2, #0xE010
  movt r2, #0xE000
  movs r3, #0
  str r3, [r2, #0]
  str r3, [r2, #4]
  str r3, [r2, #8]

  // NVIC words 0..7 (interrupts 0..255), ascending: disable (ICER), then clear pending (ICPR,
  // 0x100 above ICER).
  movw r2, #0xE180
  movt r2, #0xE000
  mov r0, #0xFFFFFFFF
  movs r3, #8
1:
  str r0, [r2, #0]
  str r0, [r2, #0x100]
  adds r2, r2, #4
  subs r3, r3, #1
  bne 1b

  // The writes take effect before the first instruction of the application.
  dsb
  isb
  bx r1

  .size device_start_image, .-device_start_image

/* A minimal bootloader: hands off to the image at 0x08010000 the way the real one ends, with
 * VTOR set, interrupts masked, SysTick stopped and the image's stack pointer loaded. */
  .syntax unified
  .cpu cortex-m33
  .thumb

#include "vectors.inc"

  .text
  .thumb_func
  .global Reset_Handler
  .type Reset_Handler, %function
Reset_Handler:
  ldr r0, =0x08010000
  ldr r1, =0xE000ED08    /* VTOR */
  str r0, [r1]
  cpsid i
  ldr r1, =0xE000E010    /* SysTick CTRL, LOAD, VAL */
  movs r2, #0
  str r2, [r1, #0]
  str r2, [r1, #4]
  str r2, [r1, #8]
  ldr r2, [r0, #0]
  ldr r3, [r0, #4]
  msr msp, r2
  .global jump
jump:
  bx r3
  .size Reset_Handler, . - Reset_Handler

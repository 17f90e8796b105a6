/* Ways for a program to go wrong. The test starts the CPU at one of the entry points. */
  .syntax unified
  .cpu cortex-m33
  .thumb

#include "vectors.inc"

  .text
  .thumb_func
  .global Reset_Handler
  .type Reset_Handler, %function
Reset_Handler:
  b Reset_Handler
  .size Reset_Handler, . - Reset_Handler

  .macro entry name
  .thumb_func
  .global \name
  .type \name, %function
\name:
  .endm

  entry read_unmapped
  ldr r0, =0x30000000
  nop
  .global read_unmapped_load
read_unmapped_load:
  ldr r1, [r0]
  b .
  .size read_unmapped, . - read_unmapped

  entry read_unmodelled_peripheral
  ldr r0, =0x40013800
  ldr r1, [r0]
  b .
  .size read_unmodelled_peripheral, . - read_unmodelled_peripheral

  entry undefined_instruction
  nop
  udf #0
  .size undefined_instruction, . - undefined_instruction

  entry jump_nowhere
  ldr r0, =0x60000001
  bx r0
  .size jump_nowhere, . - jump_nowhere

  entry masked_spin
  cpsid i
  b .
  .size masked_spin, . - masked_spin

  /* Thread-mode idle loop; the test pends an interrupt whose vector leads to Default_Handler or
   * to no handler at all. */
  entry idle
  b .
  .size idle, . - idle

  /* Sleeping: WFI waits for an interrupt; WFE is a hint that returns at once here. */
  entry sleep_loop
  wfi
  b sleep_loop
  .size sleep_loop, . - sleep_loop

  entry event_hint
  movs r0, #0
  wfe
  yield
  movs r0, #7
  b .
  .size event_hint, . - event_hint

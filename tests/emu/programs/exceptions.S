/* Exception entry and return. The test places the CPU inside an IT block with known integer and
 * floating-point registers, pends SysTick, and checks that everything comes back. The SysTick
 * handler records what the core gave it, clobbers every register the frame must restore, pends
 * IRQ 0 (of higher priority) so that a nested exception interrupts it, and returns. */
  .syntax unified
  .cpu cortex-m33
  .fpu fpv5-sp-d16
  .thumb

#define SYSTICK_HANDLER SysTick_Handler
#define IRQ0_HANDLER IRQ0_Handler
#include "vectors.inc"

  .bss
  .balign 4
  .global observed
observed:
  .space 64          /* see the offsets below */

  .text
  .thumb_func
  .global Reset_Handler
  .type Reset_Handler, %function
Reset_Handler:
  b Reset_Handler
  .size Reset_Handler, . - Reset_Handler

  /* The test sets Z and starts at it_first with the IT state of it_insn. */
  .thumb_func
  .global it_insn
it_insn:
  itete eq
  .global it_first
it_first:
  addeq r4, r4, #1
  addne r5, r5, #1
  addeq r6, r6, #1
  addne r7, r7, #1
  .global it_done
it_done:
  b it_done

  .thumb_func
  .global SysTick_Handler
  .type SysTick_Handler, %function
SysTick_Handler:
  ldr r0, =observed
  mrs r1, ipsr
  str r1, [r0, #0]       /* 0: IPSR in the handler */
  str lr, [r0, #4]       /* 4: EXC_RETURN */
  mov r1, sp
  str r1, [r0, #8]       /* 8: frame address */
  ldr r2, [r1, #28]
  str r2, [r0, #12]      /* 12: stacked xPSR */
  ldr r2, [r1, #24]
  str r2, [r0, #16]      /* 16: stacked return address */
  /* Clobber what the frame restores. */
  ldr r0, =0xDEAD0000
  vmov s0, r0
  vmov s1, r0
  vmov s2, r0
  vmov s3, r0
  vmov s4, r0
  vmov s5, r0
  vmov s6, r0
  vmov s7, r0
  vmov s8, r0
  vmov s9, r0
  vmov s10, r0
  vmov s11, r0
  vmov s12, r0
  vmov s13, r0
  vmov s14, r0
  vmov s15, r0
  movs r1, #0
  vmsr fpscr, r1
  /* Nested: pend IRQ 0, then spend long enough for a slice to end inside this handler. */
  ldr r0, =0xE000E200
  movs r1, #1
  str r1, [r0]
  movs r1, #200
1:
  subs r1, r1, #1
  bne 1b
  ldr r0, =observed
  ldr r1, [r0, #28]
  str r1, [r0, #32]      /* 32: IRQ 0 entries seen before SysTick returns */
  mov r1, sp
  str r1, [r0, #36]      /* 36: SP after the nested return */
  ldr r1, =0xDEAD0001
  mov r2, r1
  mov r3, r1
  mov r12, r1
  movs r0, #1
  cmp r0, #0             /* flags: Z clear */
  bx lr
  .size SysTick_Handler, . - SysTick_Handler

  .thumb_func
  .global IRQ0_Handler
  .type IRQ0_Handler, %function
IRQ0_Handler:
  ldr r0, =observed
  str lr, [r0, #20]      /* 20: EXC_RETURN of the nested entry */
  mrs r1, ipsr
  str r1, [r0, #24]      /* 24: IPSR in the nested handler */
  ldr r1, [r0, #28]
  adds r1, r1, #1
  str r1, [r0, #28]      /* 28: IRQ 0 entries */
  ldr r1, =0xBEEF0000
  vmov s0, r1
  vmov s15, r1
  bx lr
  .size IRQ0_Handler, . - IRQ0_Handler

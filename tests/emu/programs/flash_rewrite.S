/* Flash program and erase under the running program: calls a function in flash page 2, erases
 * the page and programs a different function in its place through the FLASH controller, and calls
 * it again. Results in `results`: the two return values and the final status register. */
  .syntax unified
  .cpu cortex-m33
  .thumb

#include "vectors.inc"

  .equ FLASH_BASE, 0x40022000
  .equ NSKEYR, 0x08
  .equ NSSR, 0x20
  .equ NSCR, 0x28

  .bss
  .balign 4
  .global results
results:
  .space 16

  .text
  .thumb_func
  .global Reset_Handler
  .type Reset_Handler, %function
Reset_Handler:
  ldr r4, =results
  bl patched
  str r0, [r4, #0]
  ldr r1, =FLASH_BASE
  ldr r2, =0x45670123
  str r2, [r1, #NSKEYR]
  ldr r2, =0xCDEF89AB
  str r2, [r1, #NSKEYR]
  /* Page erase of page 2, bank 1: PER, PNB = 2, then STRT. */
  ldr r2, =(1 << 1) | (2 << 3)
  str r2, [r1, #NSCR]
  orr r2, r2, #(1 << 16)
  str r2, [r1, #NSCR]
  bl wait_idle
  /* Program one quad-word: PG, then four word stores. */
  movs r2, #1
  str r2, [r1, #NSCR]
  ldr r3, =patched_block
  ldr r5, =replacement
  ldr r6, [r5, #0]
  str r6, [r3, #0]
  ldr r6, [r5, #4]
  str r6, [r3, #4]
  ldr r6, [r5, #8]
  str r6, [r3, #8]
  ldr r6, [r5, #12]
  str r6, [r3, #12]
  bl wait_idle
  movs r2, #0
  str r2, [r1, #NSCR]
  bl patched
  str r0, [r4, #4]
  ldr r0, [r1, #NSSR]
  str r0, [r4, #8]
  .global rewrite_done
rewrite_done:
  b rewrite_done
  .size Reset_Handler, . - Reset_Handler

  .thumb_func
  .type wait_idle, %function
wait_idle:
  ldr r0, [r1, #NSSR]
  tst r0, #(1 << 16)
  bne wait_idle
  bx lr
  .size wait_idle, . - wait_idle

  /* Machine code of the function programmed in place of `patched`: returns 2. */
  .balign 16
replacement:
  movs r0, #2
  bx lr
  .rept 6
  nop
  .endr

  .section .page2, "ax", %progbits
  .global patched_block
patched_block:
  .thumb_func
  .global patched
  .type patched, %function
patched:
  movs r0, #1
  bx lr
  .size patched, . - patched

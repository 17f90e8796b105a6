/* IT blocks in a counted loop: each pass runs an IT block of four (two 32-bit and two 16-bit
 * instructions) whose conditions pass in different slots, so that the instruction count shows
 * whether the instructions inside a block are charged once, however many of them execute. */
  .syntax unified
  .cpu cortex-m33
  .thumb

#include "vectors.inc"

  .text
  .thumb_func
  .global Reset_Handler
  .type Reset_Handler, %function
Reset_Handler:
  movs r0, #0
  movs r1, #0
  movs r2, #0
  movs r3, #0
it_loop:
  cmp r0, #2
  itete lo
  addlo.w r2, r2, #1
  addhs r3, r3, #1
  addlo.w r2, r2, #1
  addhs r3, r3, #1
  adds r0, #1
  cmp r0, #5
  bne it_loop
  .global it_end
it_end:
  b it_end
  .size Reset_Handler, . - Reset_Handler

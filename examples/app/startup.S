/* Sample application start-up: vector table and reset handler.
 *
 * The table is the core's 16 entries followed by the MCU's 126 device interrupts, every one of
 * which this program leaves to Default_Handler. The bootloader points VTOR here before the jump;
 * a SysTick that became pending during the hand-off may be taken as soon as this program unmasks
 * interrupts, so SysTick_Handler simply returns. */
  .syntax unified
  .cpu cortex-m33
  .thumb

  .section .isr_vector, "a", %progbits
  .type g_app_vectors, %object
g_app_vectors:
  .word _estack
  .word Reset_Handler
  .word Default_Handler        /* NMI */
  .word Default_Handler        /* HardFault */
  .word Default_Handler        /* MemManage */
  .word Default_Handler        /* BusFault */
  .word Default_Handler        /* UsageFault */
  .word Default_Handler        /* SecureFault */
  .word 0, 0, 0
  .word Return_Handler         /* SVCall */
  .word Return_Handler         /* DebugMonitor */
  .word 0
  .word Return_Handler         /* PendSV */
  .word Return_Handler         /* SysTick */
  .rept 126
  .word Default_Handler
  .endr
  .size g_app_vectors, . - g_app_vectors

  .text
  .thumb_func
  .global Reset_Handler
  .type Reset_Handler, %function
Reset_Handler:
  ldr r0, =_estack
  mov sp, r0
  /* Full access to the FPU (CP10, CP11): the code is built for the hardware floating-point ABI. */
  ldr r0, =0xE000ED88
  ldr r1, [r0]
  orr r1, r1, #(0xF << 20)
  str r1, [r0]
  dsb
  isb
  /* Initialised data from flash, then zeroed data. Both loops test before the first word. */
  ldr r0, =_sdata
  ldr r1, =_edata
  ldr r2, =_sidata
1:
  cmp r0, r1
  bhs 2f
  ldr r3, [r2], #4
  str r3, [r0], #4
  b 1b
2:
  ldr r0, =_sbss
  ldr r1, =_ebss
  movs r2, #0
3:
  cmp r0, r1
  bhs 4f
  str r2, [r0], #4
  b 3b
4:
  bl main
5:
  b 5b
  .size Reset_Handler, . - Reset_Handler

  .thumb_func
  .type Default_Handler, %function
Default_Handler:
  b Default_Handler
  .size Default_Handler, . - Default_Handler

  .thumb_func
  .type Return_Handler, %function
Return_Handler:
  bx lr
  .size Return_Handler, . - Return_Handler

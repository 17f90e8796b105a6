// The boot manager and the board set-up it runs at start-up.
#ifndef OVRIMO_MAIN_H
#define OVRIMO_MAIN_H

#include "hal_def.h"
#include "hal_conf.h"
#include "hal_uart.h"

// The status output: high while the bootloader runs, low just before the hand-off.
#define BOOT_STATUS_Pin GPIO_PIN_0
#define BOOT_STATUS_GPIO_Port GPIOF

extern "C" {

// Common stop for set-up failures: masks interrupts and stays here until reset.
[[noreturn]] void Error_Handler(void);

// Board set-up, called by main in this order after HAL_Init.
void SystemClock_Config(void);
void MX_GPIO_Init(void);
void MX_ICACHE_Init(void);
void MX_USART2_UART_Init(void);

// The serial port handle (USART2), set up by MX_USART2_UART_Init.
extern UART_HandleTypeDef huart2;

}  // extern "C"

#endif

// The boot manager and the board set-up it runs at start-up.
#ifndef OVRIMO_MAIN_H
#define OVRIMO_MAIN_H

#include "app_image.h"
#include "hal_conf.h"
#include "hal_def.h"
#include "hal_gpio.h"
#include "hal_uart.h"

// The status output: high while the bootloader runs, low just before the hand-off.
#define BOOT_STATUS_Pin GPIO_PIN_0
#define BOOT_STATUS_GPIO_Port GPIOF

// Version of this bootloader, shown as 00.04.01 and left in bl_rev for the application.
inline constexpr uint8_t MAJOR = 0x00U;
inline constexpr uint8_t MINOR = 0x04U;
inline constexpr uint8_t REV = 0x01U;


extern "C" {

typedef struct {
  uint8_t major;
  uint8_t minor;
  uint8_t patch;
} rev_t;

// The bootloader's version for the application, in RAM that start-up neither loads nor clears.
extern rev_t bl_rev;
// Revision bytes of the installed application, as read from its metadata block.
extern uint8_t AppRevision[3];
// The serial port of the operator dialogue and of XMODEM.
extern UART_HandleTypeDef huart2;

// Common stop for set-up failures: masks interrupts and stays here until reset.
[[noreturn]] void Error_Handler(void);

// True exactly when the metadata block carries APP_MAGIC.
bool app_is_valid(void);
// Copies the three revision bytes of the metadata block, whatever the magic holds.
void read_app_rev(uint8_t* rev_out);

// Board set-up, called by main in this order after HAL_Init.
void SystemClock_Config(void);
void MX_GPIO_Init(void);
void MX_ICACHE_Init(void);
void MX_USART2_UART_Init(void);

// Everything main does before its menu: HAL_Init, the board set-up above in that order, then
// BOOT_STATUS high.
void boot_bring_up(void);

}  // extern "C"

#endif

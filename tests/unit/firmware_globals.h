// The firmware's globals outlive a run of it on a board model: tests and the fuzz target put
// back the values the chip starts with before each one.
#pragma once

#include "hal.h"
#include "hal_flash.h"
#include "hal_uart.h"
#include "main.h"

namespace ovrimo::test {

inline void reset_firmware_globals() {
  uwTick = 0;
  uwTickPrio = 1U << __NVIC_PRIO_BITS;
  uwTickFreq = HAL_TICK_FREQ_DEFAULT;
  SystemCoreClock = MSI_VALUE;
  pFlash = FLASH_ProcessTypeDef{HAL_UNLOCKED, HAL_FLASH_ERROR_NONE, 0U, 0U, FLASH_BANK_1, 0U, 0U};
  huart2 = UART_HandleTypeDef{};
}

}  // namespace ovrimo::test

// Board hooks the HAL calls around a peripheral's set-up and tear-down: clocks and pins.
#include "hal.h"
#include "main.h"

extern "C" {

// Runs at the end of HAL_Init: the power controller's clock, so that the voltage scaling and the
// clock set-up can reach its registers. Nothing else: no priorities, no other clocks.
void HAL_MspInit(void) { __HAL_RCC_PWR_CLK_ENABLE(); }

// USART2: kernel clock PCLK1, bus clock, PD5 (TX) and PD6 (RX) on alternate function 7.
void HAL_UART_MspInit(UART_HandleTypeDef* huart) {
  GPIO_InitTypeDef GPIO_InitStruct = {};
  RCC_PeriphCLKInitTypeDef PeriphClkInit = {};
  if (huart->Instance != USART2) {
    return;
  }

  PeriphClkInit.PeriphClockSelection = RCC_PERIPHCLK_USART2;
  PeriphClkInit.Usart2ClockSelection = RCC_USART2CLKSOURCE_PCLK1;
  if (HAL_RCCEx_PeriphCLKConfig(&PeriphClkInit) != HAL_OK) {
    Error_Handler();
  }

  __HAL_RCC_USART2_CLK_ENABLE();
  __HAL_RCC_GPIOD_CLK_ENABLE();

  GPIO_InitStruct.Pin = GPIO_PIN_5 | GPIO_PIN_6;
  GPIO_InitStruct.Mode = GPIO_MODE_AF_PP;
  GPIO_InitStruct.Pull = GPIO_NOPULL;
  GPIO_InitStruct.Speed = GPIO_SPEED_FREQ_LOW;
  GPIO_InitStruct.Alternate = GPIO_AF7_USART2;
  HAL_GPIO_Init(GPIOD, &GPIO_InitStruct);
}

// The GPIOD bus clock and the kernel clock selection stay as they are.
void HAL_UART_MspDeInit(UART_HandleTypeDef* huart) {
  if (huart->Instance != USART2) {
    return;
  }
  __HAL_RCC_USART2_CLK_DISABLE();
  HAL_GPIO_DeInit(GPIOD, GPIO_PIN_5 | GPIO_PIN_6);
}

}  // extern "C"

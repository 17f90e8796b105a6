// Board outputs and the instruction cache, brought up by main after the system clock.
#include "hal_gpio.h"
#include "hal_icache.h"
#include "hal_rcc.h"
#include "main.h"

namespace {

struct OutputRow {
  GPIO_TypeDef* port;
  uint32_t pins;
  uint32_t mode;
};

}  // namespace

extern "C" void MX_GPIO_Init(void) {
  GPIO_InitTypeDef GPIO_InitStruct = {};

  __HAL_RCC_GPIOF_CLK_ENABLE();
  __HAL_RCC_GPIOH_CLK_ENABLE();
  __HAL_RCC_GPIOE_CLK_ENABLE();
  __HAL_RCC_GPIOB_CLK_ENABLE();
  __HAL_RCC_GPIOD_CLK_ENABLE();
  __HAL_RCC_GPIOA_CLK_ENABLE();
  __HAL_RCC_GPIOC_CLK_ENABLE();

  // Levels first: a pin must never drive high for an instant while it becomes an output.
  HAL_GPIO_WritePin(GPIOF, BOOT_STATUS_Pin | GPIO_PIN_9 | GPIO_PIN_10 | GPIO_PIN_11 | GPIO_PIN_12, GPIO_PIN_RESET);
  HAL_GPIO_WritePin(GPIOE, GPIO_PIN_8 | GPIO_PIN_9 | GPIO_PIN_10 | GPIO_PIN_11, GPIO_PIN_RESET);
  HAL_GPIO_WritePin(GPIOB, GPIO_PIN_15, GPIO_PIN_RESET);
  HAL_GPIO_WritePin(GPIOD, GPIO_PIN_15, GPIO_PIN_RESET);
  HAL_GPIO_WritePin(GPIOA, GPIO_PIN_8, GPIO_PIN_RESET);
  HAL_GPIO_WritePin(GPIOC, GPIO_PIN_11, GPIO_PIN_RESET);

  // One row per configuration call, in this order; none of the outputs has a pull, all are slow.
  const OutputRow rows[] = {
      {BOOT_STATUS_GPIO_Port, BOOT_STATUS_Pin, GPIO_MODE_OUTPUT_PP},
      {GPIOF, GPIO_PIN_9 | GPIO_PIN_10 | GPIO_PIN_11 | GPIO_PIN_12, GPIO_MODE_OUTPUT_OD},
      {GPIOE, GPIO_PIN_8 | GPIO_PIN_9 | GPIO_PIN_10 | GPIO_PIN_11, GPIO_MODE_OUTPUT_PP},
      {GPIOB, GPIO_PIN_15, GPIO_MODE_OUTPUT_PP},
      {GPIOD, GPIO_PIN_15, GPIO_MODE_OUTPUT_PP},
      {GPIOA, GPIO_PIN_8, GPIO_MODE_OUTPUT_PP},
      {GPIOC, GPIO_PIN_11, GPIO_MODE_OUTPUT_PP},
  };
  for (const OutputRow& row : rows) {
    GPIO_InitStruct.Pin = row.pins;
    GPIO_InitStruct.Mode = row.mode;
    GPIO_InitStruct.Pull = GPIO_NOPULL;
    GPIO_InitStruct.Speed = GPIO_SPEED_FREQ_LOW;
    HAL_GPIO_Init(row.port, &GPIO_InitStruct);
  }
}

extern "C" void MX_ICACHE_Init(void) {
  // Direct-mapped; the associativity can only be chosen while the cache is off.
  if (HAL_ICACHE_ConfigAssociativityMode(ICACHE_1WAY) != HAL_OK) {
    Error_Handler();
  }
  if (HAL_ICACHE_Enable() != HAL_OK) {
    Error_Handler();
  }
}

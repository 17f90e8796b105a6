// The XMODEM receiver's byte link on huart2.
#include "uart.h"

#include "hal.h"
#include "hal_uart.h"
#include "main.h"

extern "C" uart_status uart_receive(uint8_t* data, uint16_t length) {
  // The timeout bounds the whole call: a block that stops half-way fails after UART_TIMEOUT.
  if (HAL_UART_Receive(&huart2, data, length, UART_TIMEOUT) == HAL_OK) {
    return UART_OK;
  }
  return UART_ERROR;
}

extern "C" uart_status uart_transmit_str(const uint8_t* data) {
  uint16_t length = 0U;
  while (data[length] != 0U) {
    length++;
  }
  const HAL_StatusTypeDef status = HAL_UART_Transmit(&huart2, data, length, UART_TIMEOUT);
  // Give the terminal time to digest a whole line, whether or not it left.
  HAL_Delay(5U);
  return status == HAL_OK ? UART_OK : UART_ERROR;
}

extern "C" uart_status uart_transmit_ch(uint8_t data) {
  if (HAL_UART_GetState(&huart2) == HAL_UART_STATE_TIMEOUT) {
    (void)HAL_UART_Abort(&huart2);
  }
  // No pause: a protocol reply must leave as soon as the block has been handled.
  if (HAL_UART_Transmit(&huart2, &data, 1U, UART_TIMEOUT) == HAL_OK) {
    return UART_OK;
  }
  return UART_ERROR;
}

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

extern "C" uint32_t uart_receive_start(void) { return HAL_GetTick(); }

extern "C" uart_status uart_receive_next(uint8_t* data, uint32_t start) {
  // The driver's wait fails once more than its timeout has passed since the call began, so what
  // is left of the read's time ends each byte's wait at the very tick a whole read would end.
  const uint32_t elapsed = HAL_GetTick() - start;
  if (elapsed < UART_TIMEOUT) {
    return HAL_UART_Receive(&huart2, data, 1U, UART_TIMEOUT - elapsed) == HAL_OK ? UART_OK : UART_ERROR;
  }
  // No time left: to the driver a zero timeout means one look only, while a whole read still
  // waits out the tick its deadline falls in, and takes a byte that is already waiting after it.
  HAL_StatusTypeDef status = HAL_TIMEOUT;
  do {
    status = HAL_UART_Receive(&huart2, data, 1U, 0U);
  } while ((status == HAL_TIMEOUT) && ((HAL_GetTick() - start) <= UART_TIMEOUT));
  return status == HAL_OK ? UART_OK : UART_ERROR;
}

extern "C" uart_status uart_receive_within(uint8_t* data, uint16_t timeout_ms) {
  return HAL_UART_Receive(&huart2, data, 1U, timeout_ms) == HAL_OK ? UART_OK : UART_ERROR;
}

extern "C" void uart_drain(uint16_t quiet_ms, uint16_t limit_ms, uint8_t last[2]) {
  last[0] = 0U;
  last[1] = 0U;
  const uint32_t start = HAL_GetTick();
  while ((HAL_GetTick() - start) <= limit_ms) {
    uint8_t byte = 0U;
    const HAL_StatusTypeDef status = HAL_UART_Receive(&huart2, &byte, 1U, quiet_ms);
    if (status == HAL_OK) {
      last[0] = last[1];
      last[1] = byte;
    } else if (status == HAL_TIMEOUT) {
      return;  // quiet for long enough
    }
    // An overrun means bytes are still coming: go on reading.
  }
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

#include "hal_uart.h"

extern "C" {

// The thresholds and the FIFO mode may only change while the USART is disabled; each operation
// disables it briefly and puts CR1 back as it was (so UE returns to its earlier value).

HAL_StatusTypeDef HAL_UARTEx_SetTxFifoThreshold(UART_HandleTypeDef* huart, uint32_t Threshold) {
  __HAL_LOCK(huart);
  huart->gState = HAL_UART_STATE_BUSY;

  const uint32_t tmpcr1 = READ_REG(huart->Instance->CR1);
  __HAL_UART_DISABLE(huart);
  MODIFY_REG(huart->Instance->CR3, USART_CR3_TXFTCFG, Threshold);
  UARTEx_SetNbDataToProcess(huart);
  WRITE_REG(huart->Instance->CR1, tmpcr1);

  huart->gState = HAL_UART_STATE_READY;
  __HAL_UNLOCK(huart);
  return HAL_OK;
}

HAL_StatusTypeDef HAL_UARTEx_SetRxFifoThreshold(UART_HandleTypeDef* huart, uint32_t Threshold) {
  __HAL_LOCK(huart);
  huart->gState = HAL_UART_STATE_BUSY;

  const uint32_t tmpcr1 = READ_REG(huart->Instance->CR1);
  __HAL_UART_DISABLE(huart);
  MODIFY_REG(huart->Instance->CR3, USART_CR3_RXFTCFG, Threshold);
  UARTEx_SetNbDataToProcess(huart);
  WRITE_REG(huart->Instance->CR1, tmpcr1);

  huart->gState = HAL_UART_STATE_READY;
  __HAL_UNLOCK(huart);
  return HAL_OK;
}

HAL_StatusTypeDef HAL_UARTEx_DisableFifoMode(UART_HandleTypeDef* huart) {
  __HAL_LOCK(huart);
  huart->gState = HAL_UART_STATE_BUSY;

  uint32_t tmpcr1 = READ_REG(huart->Instance->CR1);
  __HAL_UART_DISABLE(huart);
  CLEAR_BIT(tmpcr1, USART_CR1_FIFOEN);
  huart->FifoMode = UART_FIFOMODE_DISABLE;
  WRITE_REG(huart->Instance->CR1, tmpcr1);

  huart->gState = HAL_UART_STATE_READY;
  __HAL_UNLOCK(huart);
  return HAL_OK;
}

void UARTEx_SetNbDataToProcess(UART_HandleTypeDef* huart) {
  // Eighths of the 8-entry FIFO per threshold code; codes 6 and 7 are no threshold.
  static const uint8_t numerator[] = {1U, 1U, 1U, 3U, 7U, 1U, 0U, 0U};
  static const uint8_t denominator[] = {8U, 4U, 2U, 4U, 8U, 1U, 1U, 1U};

  if (huart->FifoMode == UART_FIFOMODE_DISABLE) {
    huart->NbTxDataToProcess = 1U;
    huart->NbRxDataToProcess = 1U;
    return;
  }
  const uint32_t cr3 = READ_REG(huart->Instance->CR3);
  const uint8_t rx_fifo_threshold = static_cast<uint8_t>((cr3 & USART_CR3_RXFTCFG) >> USART_CR3_RXFTCFG_Pos);
  const uint8_t tx_fifo_threshold = static_cast<uint8_t>((cr3 & USART_CR3_TXFTCFG) >> USART_CR3_TXFTCFG_Pos);
  huart->NbTxDataToProcess =
      static_cast<uint16_t>((TX_FIFO_DEPTH * numerator[tx_fifo_threshold]) / denominator[tx_fifo_threshold]);
  huart->NbRxDataToProcess =
      static_cast<uint16_t>((RX_FIFO_DEPTH * numerator[rx_fifo_threshold]) / denominator[rx_fifo_threshold]);
}

}  // extern "C"

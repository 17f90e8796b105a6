// UART driver extension: FIFO thresholds and FIFO mode. Included by hal_uart.h.
#ifndef OVRIMO_HAL_UART_EX_H
#define OVRIMO_HAL_UART_EX_H

#include "hal_def.h"

extern "C" {

typedef struct __UART_HandleTypeDef UART_HandleTypeDef;

HAL_StatusTypeDef HAL_UARTEx_SetTxFifoThreshold(UART_HandleTypeDef* huart, uint32_t Threshold);
HAL_StatusTypeDef HAL_UARTEx_SetRxFifoThreshold(UART_HandleTypeDef* huart, uint32_t Threshold);
HAL_StatusTypeDef HAL_UARTEx_DisableFifoMode(UART_HandleTypeDef* huart);

// Items moved per interrupt batch, from the FIFO mode and thresholds.
void UARTEx_SetNbDataToProcess(UART_HandleTypeDef* huart);

}  // extern "C"

#endif

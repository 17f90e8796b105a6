#include "hal_dma.h"

#include "hal.h"

extern "C" {

// Stops a running channel: suspend it, wait until it says it is suspended, then reset it and
// clear its flags. The suspend first lets the channel finish the single transfer it is in, so
// no half-written data is left at the destination.
HAL_StatusTypeDef HAL_DMA_Abort(DMA_HandleTypeDef* hdma) {
  const uint32_t tickstart = HAL_GetTick();

  if (hdma == nullptr) {
    return HAL_ERROR;
  }

  if (hdma->State != HAL_DMA_STATE_BUSY) {
    hdma->ErrorCode = HAL_DMA_ERROR_NO_XFER;
    __HAL_UNLOCK(hdma);
    return HAL_ERROR;
  }

  SET_BIT(hdma->Instance->CCR, DMA_CCR_SUSP);
  hdma->State = HAL_DMA_STATE_SUSPEND;

  while ((READ_REG(hdma->Instance->CSR) & DMA_CSR_SUSPF) == 0U) {
    if ((HAL_GetTick() - tickstart) > HAL_TIMEOUT_DMA_ABORT) {
      hdma->ErrorCode = hdma->ErrorCode | HAL_DMA_ERROR_TIMEOUT;
      hdma->State = HAL_DMA_STATE_ERROR;
      if ((hdma->Mode & DMA_LINKEDLIST) == DMA_LINKEDLIST && hdma->LinkedListQueue != nullptr) {
        hdma->LinkedListQueue->State = HAL_DMA_QUEUE_STATE_READY;
      }
      __HAL_UNLOCK(hdma);
      return HAL_ERROR;
    }
  }

  SET_BIT(hdma->Instance->CCR, DMA_CCR_RESET);
  hdma->State = HAL_DMA_STATE_ABORT;

  WRITE_REG(hdma->Instance->CFCR, DMA_FLAG_TC | DMA_FLAG_HT | DMA_FLAG_DTE | DMA_FLAG_ULE | DMA_FLAG_USE |
                                      DMA_FLAG_SUSP | DMA_FLAG_TO);

  hdma->State = HAL_DMA_STATE_READY;
  if ((hdma->Mode & DMA_LINKEDLIST) == DMA_LINKEDLIST) {
    if (hdma->LinkedListQueue != nullptr) {
      hdma->LinkedListQueue->State = HAL_DMA_QUEUE_STATE_READY;
    }
    CLEAR_REG(hdma->Instance->CLLR);
  }

  __HAL_UNLOCK(hdma);
  return HAL_OK;
}

uint32_t HAL_DMA_GetError(const DMA_HandleTypeDef* hdma) { return hdma->ErrorCode; }

}  // extern "C"

#include "hal_uart.h"

#include "hal.h"
#include "hal_rcc.h"

namespace {

bool is_instance(const USART_TypeDef* instance, const USART_TypeDef* ns, const USART_TypeDef* s) {
  return instance == ns || instance == s;
}

bool is_lpuart(const USART_TypeDef* instance) { return is_instance(instance, LPUART1_NS, LPUART1_S); }

// The kernel clock identifier of an instance, reached through either of its aliases.
uint64_t kernel_clock_of(const USART_TypeDef* instance) {
  if (is_instance(instance, USART1_NS, USART1_S)) return RCC_PERIPHCLK_USART1;
  if (is_instance(instance, USART2_NS, USART2_S)) return RCC_PERIPHCLK_USART2;
  if (is_instance(instance, USART3_NS, USART3_S)) return RCC_PERIPHCLK_USART3;
  if (is_instance(instance, UART4_NS, UART4_S)) return RCC_PERIPHCLK_UART4;
  if (is_instance(instance, UART5_NS, UART5_S)) return RCC_PERIPHCLK_UART5;
  if (is_lpuart(instance)) return RCC_PERIPHCLK_LPUART1;
  return 0U;
}

// Data items are 16-bit (9 significant bits) only for 9-bit frames without parity.
bool nine_bit_items(const UART_HandleTypeDef* huart) {
  return huart->Init.WordLength == UART_WORDLENGTH_9B && huart->Init.Parity == UART_PARITY_NONE;
}

// The bits of RDR that carry data, by frame format; a parity bit is not data.
uint16_t receive_mask(const UART_HandleTypeDef* huart) {
  const bool parity = huart->Init.Parity != UART_PARITY_NONE;
  switch (huart->Init.WordLength) {
    case UART_WORDLENGTH_9B: return parity ? 0x00FFU : 0x01FFU;
    case UART_WORDLENGTH_8B: return parity ? 0x007FU : 0x00FFU;
    case UART_WORDLENGTH_7B: return parity ? 0x003FU : 0x007FU;
    default: return 0x0000U;
  }
}

}  // namespace

extern "C" {

const uint16_t UARTPrescTable[12] = {1U, 2U, 4U, 6U, 8U, 10U, 12U, 16U, 32U, 64U, 128U, 256U};

// ---------------------------------------------------------------------------------------------
// Set-up

HAL_StatusTypeDef HAL_UART_Init(UART_HandleTypeDef* huart) {
  if (huart == nullptr) {
    return HAL_ERROR;
  }

  if (huart->gState == HAL_UART_STATE_RESET) {
    huart->Lock = HAL_UNLOCKED;
    HAL_UART_MspInit(huart);
  }

  huart->gState = HAL_UART_STATE_BUSY;

  // Frame format and divisor may only be written while the USART is disabled.
  __HAL_UART_DISABLE(huart);

  if (huart->AdvancedInit.AdvFeatureInit != UART_ADVFEATURE_NO_INIT) {
    UART_AdvFeatureConfig(huart);
  }

  if (UART_SetConfig(huart) == HAL_ERROR) {
    return HAL_ERROR;
  }

  // Asynchronous mode: no LIN, no clock output, no smartcard, half-duplex or IrDA.
  CLEAR_BIT(huart->Instance->CR2, (USART_CR2_LINEN | USART_CR2_CLKEN));
  CLEAR_BIT(huart->Instance->CR3, (USART_CR3_SCEN | USART_CR3_HDSEL | USART_CR3_IREN));

  __HAL_UART_ENABLE(huart);

  return UART_CheckIdleState(huart);
}

HAL_StatusTypeDef HAL_UART_DeInit(UART_HandleTypeDef* huart) {
  if (huart == nullptr) {
    return HAL_ERROR;
  }

  huart->gState = HAL_UART_STATE_BUSY;

  __HAL_UART_DISABLE(huart);
  WRITE_REG(huart->Instance->CR1, 0x0U);
  WRITE_REG(huart->Instance->CR2, 0x0U);
  WRITE_REG(huart->Instance->CR3, 0x0U);

  HAL_UART_MspDeInit(huart);

  huart->ErrorCode = HAL_UART_ERROR_NONE;
  huart->gState = HAL_UART_STATE_RESET;
  huart->RxState = HAL_UART_STATE_RESET;
  huart->ReceptionType = HAL_UART_RECEPTION_STANDARD;
  huart->RxEventType = HAL_UART_RXEVENT_TC;
  __HAL_UNLOCK(huart);
  return HAL_OK;
}

HAL_StatusTypeDef UART_SetConfig(UART_HandleTypeDef* huart) {
  HAL_StatusTypeDef ret = HAL_OK;
  USART_TypeDef* const instance = huart->Instance;
  const bool lpuart = is_lpuart(instance);

  uint32_t tmpreg = huart->Init.WordLength | huart->Init.Parity | huart->Init.Mode | huart->Init.OverSampling;
  MODIFY_REG(instance->CR1, USART_CR1_FIELDS, tmpreg);

  MODIFY_REG(instance->CR2, USART_CR2_STOP, huart->Init.StopBits);

  // LPUART1 has no one-bit sampling mode.
  tmpreg = huart->Init.HwFlowCtl;
  if (!lpuart) {
    tmpreg |= huart->Init.OneBitSampling;
  }
  MODIFY_REG(instance->CR3, USART_CR3_FIELDS, tmpreg);

  MODIFY_REG(instance->PRESC, USART_PRESC_PRESCALER, huart->Init.ClockPrescaler);

  const uint32_t pclk = HAL_RCCEx_GetPeriphCLKFreq(kernel_clock_of(instance));
  if (pclk != 0U) {
    const uint32_t baud = huart->Init.BaudRate;
    if (huart->Init.ClockPrescaler >= (sizeof(UARTPrescTable) / sizeof(UARTPrescTable[0])) || baud == 0U) {
      // No divisor exists for these: refuse them rather than read past the table or divide by
      // zero.
      ret = HAL_ERROR;
    } else if (lpuart) {
      const uint64_t lpuart_ker_ck_pres = pclk / UARTPrescTable[huart->Init.ClockPrescaler];
      if (lpuart_ker_ck_pres < 3ULL * baud || lpuart_ker_ck_pres > 4096ULL * baud) {
        ret = HAL_ERROR;
      } else {
        const uint64_t usartdiv = (lpuart_ker_ck_pres * 256ULL + baud / 2U) / baud;
        if (usartdiv >= LPUART_BRR_MIN && usartdiv <= LPUART_BRR_MAX) {
          WRITE_REG(instance->BRR, static_cast<uint32_t>(usartdiv));
        } else {
          ret = HAL_ERROR;
        }
      }
    } else if (huart->Init.OverSampling == UART_OVERSAMPLING_8) {
      const uint32_t usartdiv = (2U * (pclk / UARTPrescTable[huart->Init.ClockPrescaler]) + baud / 2U) / baud;
      if (usartdiv >= UART_BRR_MIN && usartdiv <= UART_BRR_MAX) {
        // With 8x oversampling BRR[2:0] holds USARTDIV[3:1] and BRR[3] stays 0.
        WRITE_REG(instance->BRR, (usartdiv & 0xFFF0U) | ((usartdiv & 0x000FU) >> 1U));
      } else {
        ret = HAL_ERROR;
      }
    } else {
      const uint32_t usartdiv = (pclk / UARTPrescTable[huart->Init.ClockPrescaler] + baud / 2U) / baud;
      if (usartdiv >= UART_BRR_MIN && usartdiv <= UART_BRR_MAX) {
        WRITE_REG(instance->BRR, usartdiv);
      } else {
        ret = HAL_ERROR;
      }
    }
  }

  huart->NbTxDataToProcess = 1U;
  huart->NbRxDataToProcess = 1U;
  huart->RxISR = nullptr;
  huart->TxISR = nullptr;
  return ret;
}

void UART_AdvFeatureConfig(UART_HandleTypeDef* huart) {
  const uint32_t features = huart->AdvancedInit.AdvFeatureInit;
  USART_TypeDef* const instance = huart->Instance;
  const UART_AdvFeatureInitTypeDef& adv = huart->AdvancedInit;

  // Swap first: the inversions below then apply to the pins as swapped.
  if ((features & UART_ADVFEATURE_SWAP_INIT) != 0U) {
    MODIFY_REG(instance->CR2, USART_CR2_SWAP, adv.Swap);
  }
  if ((features & UART_ADVFEATURE_TXINVERT_INIT) != 0U) {
    MODIFY_REG(instance->CR2, USART_CR2_TXINV, adv.TxPinLevelInvert);
  }
  if ((features & UART_ADVFEATURE_RXINVERT_INIT) != 0U) {
    MODIFY_REG(instance->CR2, USART_CR2_RXINV, adv.RxPinLevelInvert);
  }
  if ((features & UART_ADVFEATURE_DATAINVERT_INIT) != 0U) {
    MODIFY_REG(instance->CR2, USART_CR2_DATAINV, adv.DataInvert);
  }
  if ((features & UART_ADVFEATURE_RXOVERRUNDISABLE_INIT) != 0U) {
    MODIFY_REG(instance->CR3, USART_CR3_OVRDIS, adv.OverrunDisable);
  }
  if ((features & UART_ADVFEATURE_DMADISABLEONERROR_INIT) != 0U) {
    MODIFY_REG(instance->CR3, USART_CR3_DDRE, adv.DMADisableonRxError);
  }
  if ((features & UART_ADVFEATURE_AUTOBAUDRATE_INIT) != 0U) {
    MODIFY_REG(instance->CR2, USART_CR2_ABREN, adv.AutoBaudRateEnable);
    if (adv.AutoBaudRateEnable == UART_ADVFEATURE_AUTOBAUDRATE_ENABLE) {
      MODIFY_REG(instance->CR2, USART_CR2_ABRMOD, adv.AutoBaudRateMode);
    }
  }
  if ((features & UART_ADVFEATURE_MSBFIRST_INIT) != 0U) {
    MODIFY_REG(instance->CR2, USART_CR2_MSBFIRST, adv.MSBFirst);
  }
}

HAL_StatusTypeDef UART_CheckIdleState(UART_HandleTypeDef* huart) {
  huart->ErrorCode = HAL_UART_ERROR_NONE;
  const uint32_t tickstart = HAL_GetTick();

  if ((READ_REG(huart->Instance->CR1) & USART_CR1_TE) == USART_CR1_TE) {
    if (UART_WaitOnFlagUntilTimeout(huart, UART_FLAG_TEACK, RESET, tickstart, HAL_UART_TIMEOUT_VALUE) != HAL_OK) {
      ATOMIC_CLEAR_BIT(huart->Instance->CR1, USART_CR1_TXEIE_TXFNFIE);
      huart->gState = HAL_UART_STATE_READY;
      __HAL_UNLOCK(huart);
      return HAL_TIMEOUT;
    }
  }

  if ((READ_REG(huart->Instance->CR1) & USART_CR1_RE) == USART_CR1_RE) {
    if (UART_WaitOnFlagUntilTimeout(huart, UART_FLAG_REACK, RESET, tickstart, HAL_UART_TIMEOUT_VALUE) != HAL_OK) {
      ATOMIC_CLEAR_BIT(huart->Instance->CR1, (USART_CR1_RXNEIE_RXFNEIE | USART_CR1_PEIE));
      ATOMIC_CLEAR_BIT(huart->Instance->CR3, USART_CR3_EIE);
      huart->RxState = HAL_UART_STATE_READY;
      __HAL_UNLOCK(huart);
      return HAL_TIMEOUT;
    }
  }

  huart->gState = HAL_UART_STATE_READY;
  huart->RxState = HAL_UART_STATE_READY;
  huart->ReceptionType = HAL_UART_RECEPTION_STANDARD;
  huart->RxEventType = HAL_UART_RXEVENT_TC;
  __HAL_UNLOCK(huart);
  return HAL_OK;
}

// Waits while the flag is in state `Status`. The flag is tested before the deadline, so a flag
// already in the awaited state succeeds even late; receive-side waits also watch for an overrun
// and a receiver timeout, which end the reception.
HAL_StatusTypeDef UART_WaitOnFlagUntilTimeout(UART_HandleTypeDef* huart, uint32_t Flag, FlagStatus Status,
                                              uint32_t Tickstart, uint32_t Timeout) {
  for (;;) {
    const FlagStatus state = __HAL_UART_GET_FLAG(huart, Flag) ? SET : RESET;
    if (state != Status) {
      return HAL_OK;
    }
    if (Timeout == HAL_MAX_DELAY) {
      continue;
    }
    if (((HAL_GetTick() - Tickstart) > Timeout) || (Timeout == 0U)) {
      return HAL_TIMEOUT;
    }
    if ((READ_REG(huart->Instance->CR1) & USART_CR1_RE) != 0U && Flag != UART_FLAG_TXE && Flag != UART_FLAG_TC) {
      if (__HAL_UART_GET_FLAG(huart, UART_FLAG_ORE)) {
        __HAL_UART_CLEAR_FLAG(huart, UART_CLEAR_OREF);
        UART_EndRxTransfer(huart);
        huart->ErrorCode = HAL_UART_ERROR_ORE;
        __HAL_UNLOCK(huart);
        return HAL_ERROR;
      }
      if (__HAL_UART_GET_FLAG(huart, UART_FLAG_RTOF)) {
        __HAL_UART_CLEAR_FLAG(huart, UART_CLEAR_RTOF);
        UART_EndRxTransfer(huart);
        huart->ErrorCode = HAL_UART_ERROR_RTO;
        __HAL_UNLOCK(huart);
        return HAL_TIMEOUT;
      }
    }
  }
}

void UART_EndRxTransfer(UART_HandleTypeDef* huart) {
  ATOMIC_CLEAR_BIT(huart->Instance->CR1, (USART_CR1_RXNEIE_RXFNEIE | USART_CR1_PEIE));
  ATOMIC_CLEAR_BIT(huart->Instance->CR3, (USART_CR3_EIE | USART_CR3_RXFTIE));
  if (huart->ReceptionType == HAL_UART_RECEPTION_TOIDLE) {
    ATOMIC_CLEAR_BIT(huart->Instance->CR1, USART_CR1_IDLEIE);
  }
  huart->RxState = HAL_UART_STATE_READY;
  huart->ReceptionType = HAL_UART_RECEPTION_STANDARD;
  huart->RxISR = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Polled transfers

HAL_StatusTypeDef HAL_UART_Transmit(UART_HandleTypeDef* huart, const uint8_t* pData, uint16_t Size, uint32_t Timeout) {
  if (huart->gState != HAL_UART_STATE_READY) {
    return HAL_BUSY;
  }
  if (pData == nullptr || Size == 0U) {
    return HAL_ERROR;
  }

  if ((READ_REG(huart->Instance->CR3) & USART_CR3_DMAT) != 0U) {
    CLEAR_BIT(huart->Instance->CR3, USART_CR3_DMAT);
  }

  huart->ErrorCode = HAL_UART_ERROR_NONE;
  huart->gState = HAL_UART_STATE_BUSY_TX;

  // One deadline for the whole transfer.
  const uint32_t tickstart = HAL_GetTick();

  huart->TxXferSize = Size;
  huart->TxXferCount = Size;

  const bool wide = nine_bit_items(huart);
  const uint8_t* p = pData;
  while (huart->TxXferCount > 0U) {
    if (UART_WaitOnFlagUntilTimeout(huart, UART_FLAG_TXE, RESET, tickstart, Timeout) != HAL_OK) {
      huart->gState = HAL_UART_STATE_READY;
      return HAL_TIMEOUT;
    }
    if (wide) {
      // Two bytes per item, low byte first.
      const uint32_t item = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8U);
      WRITE_REG(huart->Instance->TDR, item & 0x01FFU);
      p += 2;
    } else {
      WRITE_REG(huart->Instance->TDR, static_cast<uint32_t>(*p));
      p += 1;
    }
    huart->TxXferCount = static_cast<uint16_t>(huart->TxXferCount - 1U);
  }

  // Only when TC is set has the last stop bit left the pin.
  if (UART_WaitOnFlagUntilTimeout(huart, UART_FLAG_TC, RESET, tickstart, Timeout) != HAL_OK) {
    huart->gState = HAL_UART_STATE_READY;
    return HAL_TIMEOUT;
  }

  huart->gState = HAL_UART_STATE_READY;
  return HAL_OK;
}

HAL_StatusTypeDef HAL_UART_Receive(UART_HandleTypeDef* huart, uint8_t* pData, uint16_t Size, uint32_t Timeout) {
  if (huart->RxState != HAL_UART_STATE_READY) {
    return HAL_BUSY;
  }
  if (pData == nullptr || Size == 0U) {
    return HAL_ERROR;
  }

  if ((READ_REG(huart->Instance->CR3) & USART_CR3_DMAR) != 0U) {
    CLEAR_BIT(huart->Instance->CR3, USART_CR3_DMAR);
  }

  huart->ErrorCode = HAL_UART_ERROR_NONE;
  huart->RxState = HAL_UART_STATE_BUSY_RX;
  huart->ReceptionType = HAL_UART_RECEPTION_STANDARD;

  // One deadline for the whole transfer.
  const uint32_t tickstart = HAL_GetTick();

  huart->RxXferSize = Size;
  huart->RxXferCount = Size;

  huart->Mask = receive_mask(huart);
  const uint16_t uhMask = huart->Mask;

  const bool wide = nine_bit_items(huart);
  uint8_t* p = pData;
  while (huart->RxXferCount > 0U) {
    // A failed wait (deadline, overrun, receiver timeout) ends the receive; the items already
    // stored stay in the buffer and RxXferCount tells how many are missing.
    if (UART_WaitOnFlagUntilTimeout(huart, UART_FLAG_RXNE, RESET, tickstart, Timeout) != HAL_OK) {
      huart->RxState = HAL_UART_STATE_READY;
      return HAL_TIMEOUT;
    }
    const uint16_t item = static_cast<uint16_t>(READ_REG(huart->Instance->RDR) & uhMask);
    if (wide) {
      p[0] = static_cast<uint8_t>(item & 0xFFU);
      p[1] = static_cast<uint8_t>(item >> 8U);
      p += 2;
    } else {
      *p = static_cast<uint8_t>(item & 0xFFU);
      p += 1;
    }
    huart->RxXferCount = static_cast<uint16_t>(huart->RxXferCount - 1U);
  }

  huart->RxState = HAL_UART_STATE_READY;
  return HAL_OK;
}

HAL_UART_StateTypeDef HAL_UART_GetState(const UART_HandleTypeDef* huart) {
  const uint32_t temp1 = huart->gState;
  const uint32_t temp2 = huart->RxState;
  return temp1 | temp2;
}

// ---------------------------------------------------------------------------------------------
// Abort

HAL_StatusTypeDef HAL_UART_Abort(UART_HandleTypeDef* huart) {
  ATOMIC_CLEAR_BIT(huart->Instance->CR1,
                   (USART_CR1_RXNEIE_RXFNEIE | USART_CR1_PEIE | USART_CR1_TXEIE_TXFNFIE | USART_CR1_TCIE));
  ATOMIC_CLEAR_BIT(huart->Instance->CR3, (USART_CR3_EIE | USART_CR3_TXFTIE | USART_CR3_RXFTIE));
  if (huart->ReceptionType == HAL_UART_RECEPTION_TOIDLE) {
    ATOMIC_CLEAR_BIT(huart->Instance->CR1, USART_CR1_IDLEIE);
  }

  // A linked DMA channel must stop before the port is declared idle. Only a channel that does
  // not stop in time fails the abort; a channel with nothing to stop is no reason to.
  if ((READ_REG(huart->Instance->CR3) & USART_CR3_DMAT) != 0U && huart->hdmatx != nullptr) {
    huart->hdmatx->XferAbortCallback = nullptr;
    if (HAL_DMA_Abort(huart->hdmatx) != HAL_OK &&
        (HAL_DMA_GetError(huart->hdmatx) & HAL_DMA_ERROR_TIMEOUT) != 0U) {
      huart->ErrorCode = HAL_UART_ERROR_DMA;
      return HAL_TIMEOUT;
    }
  }
  if ((READ_REG(huart->Instance->CR3) & USART_CR3_DMAR) != 0U && huart->hdmarx != nullptr) {
    huart->hdmarx->XferAbortCallback = nullptr;
    if (HAL_DMA_Abort(huart->hdmarx) != HAL_OK &&
        (HAL_DMA_GetError(huart->hdmarx) & HAL_DMA_ERROR_TIMEOUT) != 0U) {
      huart->ErrorCode = HAL_UART_ERROR_DMA;
      return HAL_TIMEOUT;
    }
  }

  huart->TxXferCount = 0U;
  huart->RxXferCount = 0U;

  __HAL_UART_CLEAR_FLAG(huart, UART_CLEAR_OREF | UART_CLEAR_NEF | UART_CLEAR_PEF | UART_CLEAR_FEF);

  if (huart->FifoMode == UART_FIFOMODE_ENABLE) {
    __HAL_UART_SEND_REQ(huart, UART_TXDATA_FLUSH_REQUEST);
  }
  // Whatever was received and not yet read is discarded.
  __HAL_UART_SEND_REQ(huart, UART_RXDATA_FLUSH_REQUEST);

  huart->gState = HAL_UART_STATE_READY;
  huart->RxState = HAL_UART_STATE_READY;
  huart->ReceptionType = HAL_UART_RECEPTION_STANDARD;
  huart->ErrorCode = HAL_UART_ERROR_NONE;
  return HAL_OK;
}

}  // extern "C"

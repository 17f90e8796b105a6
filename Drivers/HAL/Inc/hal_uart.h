// UART driver: the port handle, line configuration and baud-rate divisor, the bounded flag wait,
// polled transmit and receive with timeouts, and the blocking abort.
#ifndef OVRIMO_HAL_UART_H
#define OVRIMO_HAL_UART_H

#include "hal_conf.h"
#include "hal_def.h"
#include "hal_dma.h"

// ---------------------------------------------------------------------------------------------
// Line configuration values

#define UART_WORDLENGTH_7B USART_CR1_M1
#define UART_WORDLENGTH_8B 0x00000000U
#define UART_WORDLENGTH_9B USART_CR1_M0

#define UART_STOPBITS_0_5 USART_CR2_STOP_0
#define UART_STOPBITS_1 0x00000000U
#define UART_STOPBITS_1_5 (USART_CR2_STOP_0 | USART_CR2_STOP_1)
#define UART_STOPBITS_2 USART_CR2_STOP_1

#define UART_PARITY_NONE 0x00000000U
#define UART_PARITY_EVEN USART_CR1_PCE
#define UART_PARITY_ODD (USART_CR1_PCE | USART_CR1_PS)

#define UART_HWCONTROL_NONE 0x00000000U
#define UART_HWCONTROL_RTS USART_CR3_RTSE
#define UART_HWCONTROL_CTS USART_CR3_CTSE
#define UART_HWCONTROL_RTS_CTS (USART_CR3_RTSE | USART_CR3_CTSE)

#define UART_MODE_RX USART_CR1_RE
#define UART_MODE_TX USART_CR1_TE
#define UART_MODE_TX_RX (USART_CR1_TE | USART_CR1_RE)

#define UART_OVERSAMPLING_16 0x00000000U
#define UART_OVERSAMPLING_8 USART_CR1_OVER8

#define UART_ONE_BIT_SAMPLE_DISABLE 0x00000000U
#define UART_ONE_BIT_SAMPLE_ENABLE USART_CR3_ONEBIT

#define UART_PRESCALER_DIV1 0x00000000U
#define UART_PRESCALER_DIV2 0x00000001U
#define UART_PRESCALER_DIV4 0x00000002U
#define UART_PRESCALER_DIV6 0x00000003U
#define UART_PRESCALER_DIV8 0x00000004U
#define UART_PRESCALER_DIV10 0x00000005U
#define UART_PRESCALER_DIV12 0x00000006U
#define UART_PRESCALER_DIV16 0x00000007U
#define UART_PRESCALER_DIV32 0x00000008U
#define UART_PRESCALER_DIV64 0x00000009U
#define UART_PRESCALER_DIV128 0x0000000AU
#define UART_PRESCALER_DIV256 0x0000000BU

// Advanced features: which ones UART_AdvFeatureConfig applies, and their values.
#define UART_ADVFEATURE_NO_INIT 0x00000000U
#define UART_ADVFEATURE_TXINVERT_INIT 0x00000001U
#define UART_ADVFEATURE_RXINVERT_INIT 0x00000002U
#define UART_ADVFEATURE_DATAINVERT_INIT 0x00000004U
#define UART_ADVFEATURE_SWAP_INIT 0x00000008U
#define UART_ADVFEATURE_RXOVERRUNDISABLE_INIT 0x00000010U
#define UART_ADVFEATURE_DMADISABLEONERROR_INIT 0x00000020U
#define UART_ADVFEATURE_AUTOBAUDRATE_INIT 0x00000040U
#define UART_ADVFEATURE_MSBFIRST_INIT 0x00000080U

#define UART_ADVFEATURE_TXINV_DISABLE 0x00000000U
#define UART_ADVFEATURE_TXINV_ENABLE USART_CR2_TXINV
#define UART_ADVFEATURE_RXINV_DISABLE 0x00000000U
#define UART_ADVFEATURE_RXINV_ENABLE USART_CR2_RXINV
#define UART_ADVFEATURE_DATAINV_DISABLE 0x00000000U
#define UART_ADVFEATURE_DATAINV_ENABLE USART_CR2_DATAINV
#define UART_ADVFEATURE_SWAP_DISABLE 0x00000000U
#define UART_ADVFEATURE_SWAP_ENABLE USART_CR2_SWAP
#define UART_ADVFEATURE_OVERRUN_ENABLE 0x00000000U
#define UART_ADVFEATURE_OVERRUN_DISABLE USART_CR3_OVRDIS
#define UART_ADVFEATURE_DMA_ENABLEONRXERROR 0x00000000U
#define UART_ADVFEATURE_DMA_DISABLEONRXERROR USART_CR3_DDRE
#define UART_ADVFEATURE_AUTOBAUDRATE_DISABLE 0x00000000U
#define UART_ADVFEATURE_AUTOBAUDRATE_ENABLE USART_CR2_ABREN
#define UART_ADVFEATURE_AUTOBAUDRATE_ONSTARTBIT 0x00000000U
#define UART_ADVFEATURE_AUTOBAUDRATE_ONFALLINGEDGE USART_CR2_ABRMOD_0
#define UART_ADVFEATURE_AUTOBAUDRATE_ON0X7FFRAME USART_CR2_ABRMOD_1
#define UART_ADVFEATURE_AUTOBAUDRATE_ON0X55FRAME USART_CR2_ABRMOD
#define UART_ADVFEATURE_MSBFIRST_DISABLE 0x00000000U
#define UART_ADVFEATURE_MSBFIRST_ENABLE USART_CR2_MSBFIRST

// FIFO: thresholds (CR3 field values) and mode.
#define UART_TXFIFO_THRESHOLD_1_8 0x00000000U
#define UART_TXFIFO_THRESHOLD_1_4 USART_CR3_TXFTCFG_0
#define UART_TXFIFO_THRESHOLD_1_2 USART_CR3_TXFTCFG_1
#define UART_TXFIFO_THRESHOLD_3_4 (USART_CR3_TXFTCFG_0 | USART_CR3_TXFTCFG_1)
#define UART_TXFIFO_THRESHOLD_7_8 USART_CR3_TXFTCFG_2
#define UART_TXFIFO_THRESHOLD_8_8 (USART_CR3_TXFTCFG_2 | USART_CR3_TXFTCFG_0)
#define UART_RXFIFO_THRESHOLD_1_8 0x00000000U
#define UART_RXFIFO_THRESHOLD_1_4 USART_CR3_RXFTCFG_0
#define UART_RXFIFO_THRESHOLD_1_2 USART_CR3_RXFTCFG_1
#define UART_RXFIFO_THRESHOLD_3_4 (USART_CR3_RXFTCFG_0 | USART_CR3_RXFTCFG_1)
#define UART_RXFIFO_THRESHOLD_7_8 USART_CR3_RXFTCFG_2
#define UART_RXFIFO_THRESHOLD_8_8 (USART_CR3_RXFTCFG_2 | USART_CR3_RXFTCFG_0)
#define UART_FIFOMODE_DISABLE 0x00000000U
#define UART_FIFOMODE_ENABLE USART_CR1_FIFOEN
#define TX_FIFO_DEPTH 8U
#define RX_FIFO_DEPTH 8U

// The CR1 and CR3 bits UART_SetConfig owns.
#define USART_CR1_FIELDS \
  (USART_CR1_M | USART_CR1_PCE | USART_CR1_PS | USART_CR1_TE | USART_CR1_RE | USART_CR1_OVER8 | USART_CR1_FIFOEN)
#define USART_CR3_FIELDS \
  (USART_CR3_RTSE | USART_CR3_CTSE | USART_CR3_ONEBIT | USART_CR3_TXFTCFG | USART_CR3_RXFTCFG)
#define USART_CR1_M (USART_CR1_M0 | USART_CR1_M1)

// Divisor limits.
#define UART_BRR_MIN 0x10U
#define UART_BRR_MAX 0x0000FFFFU
#define LPUART_BRR_MIN 0x00000300U
#define LPUART_BRR_MAX 0x000FFFFFU

// Set-up acknowledge wait (ms): about 9.3 hours, in effect "until the hardware answers".
#define HAL_UART_TIMEOUT_VALUE 0x1FFFFFFU

// ---------------------------------------------------------------------------------------------
// Status flags (ISR bits), clear codes (ICR bits) and requests (RQR bits)

#define UART_FLAG_PE USART_ISR_PE
#define UART_FLAG_FE USART_ISR_FE
#define UART_FLAG_NE USART_ISR_NE
#define UART_FLAG_ORE USART_ISR_ORE
#define UART_FLAG_IDLE USART_ISR_IDLE
#define UART_FLAG_RXNE USART_ISR_RXNE_RXFNE
#define UART_FLAG_RXFNE USART_ISR_RXNE_RXFNE
#define UART_FLAG_TC USART_ISR_TC
#define UART_FLAG_TXE USART_ISR_TXE_TXFNF
#define UART_FLAG_TXFNF USART_ISR_TXE_TXFNF
#define UART_FLAG_RTOF USART_ISR_RTOF
#define UART_FLAG_BUSY USART_ISR_BUSY
#define UART_FLAG_TEACK USART_ISR_TEACK
#define UART_FLAG_REACK USART_ISR_REACK
#define UART_FLAG_TXFE USART_ISR_TXFE
#define UART_FLAG_RXFF USART_ISR_RXFF

#define UART_CLEAR_PEF USART_ICR_PECF
#define UART_CLEAR_FEF USART_ICR_FECF
#define UART_CLEAR_NEF USART_ICR_NECF
#define UART_CLEAR_OREF USART_ICR_ORECF
#define UART_CLEAR_IDLEF USART_ICR_IDLECF
#define UART_CLEAR_TCF USART_ICR_TCCF
#define UART_CLEAR_RTOF USART_ICR_RTOCF

#define UART_RXDATA_FLUSH_REQUEST USART_RQR_RXFRQ
#define UART_TXDATA_FLUSH_REQUEST USART_RQR_TXFRQ

// ---------------------------------------------------------------------------------------------
// Handle states (OR-able: gState | RxState is the combined state) and error bits

#define HAL_UART_STATE_RESET 0x00000000U
#define HAL_UART_STATE_READY 0x00000020U
#define HAL_UART_STATE_BUSY 0x00000024U
#define HAL_UART_STATE_BUSY_TX 0x00000021U
#define HAL_UART_STATE_BUSY_RX 0x00000022U
#define HAL_UART_STATE_BUSY_TX_RX 0x00000023U
#define HAL_UART_STATE_TIMEOUT 0x000000A0U
#define HAL_UART_STATE_ERROR 0x000000E0U

#define HAL_UART_ERROR_NONE 0x00000000U
#define HAL_UART_ERROR_PE 0x00000001U
#define HAL_UART_ERROR_NE 0x00000002U
#define HAL_UART_ERROR_FE 0x00000004U
#define HAL_UART_ERROR_ORE 0x00000008U
#define HAL_UART_ERROR_DMA 0x00000010U
#define HAL_UART_ERROR_RTO 0x00000020U

#define HAL_UART_RECEPTION_STANDARD 0x00000000U
#define HAL_UART_RECEPTION_TOIDLE 0x00000001U
#define HAL_UART_RECEPTION_TORTO 0x00000002U
#define HAL_UART_RECEPTION_TOCHARMATCH 0x00000003U

#define HAL_UART_RXEVENT_TC 0x00000000U
#define HAL_UART_RXEVENT_HT 0x00000001U
#define HAL_UART_RXEVENT_IDLE 0x00000002U

// ---------------------------------------------------------------------------------------------
// Register helpers

#define __HAL_UART_ENABLE(__HANDLE__) SET_BIT((__HANDLE__)->Instance->CR1, USART_CR1_UE)
#define __HAL_UART_DISABLE(__HANDLE__) CLEAR_BIT((__HANDLE__)->Instance->CR1, USART_CR1_UE)
#define __HAL_UART_GET_FLAG(__HANDLE__, __FLAG__) \
  ((READ_REG((__HANDLE__)->Instance->ISR) & (__FLAG__)) == (__FLAG__))
#define __HAL_UART_CLEAR_FLAG(__HANDLE__, __FLAG__) WRITE_REG((__HANDLE__)->Instance->ICR, (__FLAG__))
#define __HAL_UART_SEND_REQ(__HANDLE__, __REQ__) SET_BIT((__HANDLE__)->Instance->RQR, (__REQ__))

extern "C" {

typedef uint32_t HAL_UART_StateTypeDef;
typedef uint32_t HAL_UART_RxTypeTypeDef;
typedef uint32_t HAL_UART_RxEventTypeTypeDef;

typedef struct {
  uint32_t BaudRate;
  uint32_t WordLength;      // UART_WORDLENGTH_*
  uint32_t StopBits;        // UART_STOPBITS_*
  uint32_t Parity;          // UART_PARITY_*
  uint32_t Mode;            // UART_MODE_*
  uint32_t HwFlowCtl;       // UART_HWCONTROL_*
  uint32_t OverSampling;    // UART_OVERSAMPLING_*
  uint32_t OneBitSampling;  // UART_ONE_BIT_SAMPLE_*
  uint32_t ClockPrescaler;  // UART_PRESCALER_DIV*
} UART_InitTypeDef;

typedef struct {
  uint32_t AdvFeatureInit;  // UART_ADVFEATURE_*_INIT bits: the features to apply
  uint32_t TxPinLevelInvert;
  uint32_t RxPinLevelInvert;
  uint32_t DataInvert;
  uint32_t Swap;
  uint32_t OverrunDisable;
  uint32_t DMADisableonRxError;
  uint32_t AutoBaudRateEnable;
  uint32_t AutoBaudRateMode;
  uint32_t MSBFirst;
} UART_AdvFeatureInitTypeDef;

typedef struct __UART_HandleTypeDef {
  USART_TypeDef* Instance;
  UART_InitTypeDef Init;
  UART_AdvFeatureInitTypeDef AdvancedInit;
  const uint8_t* pTxBuffPtr;
  uint16_t TxXferSize;
  volatile uint16_t TxXferCount;
  uint8_t* pRxBuffPtr;
  uint16_t RxXferSize;
  volatile uint16_t RxXferCount;
  uint16_t Mask;  // applied to every value read from RDR
  uint32_t FifoMode;
  uint16_t NbRxDataToProcess;
  uint16_t NbTxDataToProcess;
  volatile HAL_UART_RxTypeTypeDef ReceptionType;
  volatile HAL_UART_RxEventTypeTypeDef RxEventType;
  void (*RxISR)(struct __UART_HandleTypeDef* huart);
  void (*TxISR)(struct __UART_HandleTypeDef* huart);
  DMA_HandleTypeDef* hdmatx;
  DMA_HandleTypeDef* hdmarx;
  HAL_LockTypeDef Lock;
  volatile HAL_UART_StateTypeDef gState;  // global state, and the transmit state
  volatile HAL_UART_StateTypeDef RxState;
  volatile uint32_t ErrorCode;
} UART_HandleTypeDef;

// Kernel clock divisors selected by ClockPrescaler.
extern const uint16_t UARTPrescTable[12];

HAL_StatusTypeDef HAL_UART_Init(UART_HandleTypeDef* huart);
HAL_StatusTypeDef HAL_UART_DeInit(UART_HandleTypeDef* huart);
// Board hooks: clocks and pins of the port. The board set-up provides them; there are no weak
// defaults, because a default in this module would win over the board's when the firmware is
// linked from a library that nothing else pulls the board's hooks out of.
void HAL_UART_MspInit(UART_HandleTypeDef* huart);
void HAL_UART_MspDeInit(UART_HandleTypeDef* huart);

HAL_StatusTypeDef HAL_UART_Transmit(UART_HandleTypeDef* huart, const uint8_t* pData, uint16_t Size, uint32_t Timeout);
HAL_StatusTypeDef HAL_UART_Receive(UART_HandleTypeDef* huart, uint8_t* pData, uint16_t Size, uint32_t Timeout);
HAL_StatusTypeDef HAL_UART_Abort(UART_HandleTypeDef* huart);
HAL_UART_StateTypeDef HAL_UART_GetState(const UART_HandleTypeDef* huart);

// Steps shared by the set-up and the transfers.
HAL_StatusTypeDef UART_SetConfig(UART_HandleTypeDef* huart);
void UART_AdvFeatureConfig(UART_HandleTypeDef* huart);
HAL_StatusTypeDef UART_CheckIdleState(UART_HandleTypeDef* huart);
HAL_StatusTypeDef UART_WaitOnFlagUntilTimeout(UART_HandleTypeDef* huart, uint32_t Flag, FlagStatus Status,
                                              uint32_t Tickstart, uint32_t Timeout);
void UART_EndRxTransfer(UART_HandleTypeDef* huart);

}  // extern "C"

#include "hal_uart_ex.h"

#endif

// DMA driver (GPDMA1 channels): the handle and the blocking abort that the UART abort uses to
// stop a channel linked to a port. No transfer is started through this module in the bootloader.
#ifndef OVRIMO_HAL_DMA_H
#define OVRIMO_HAL_DMA_H

#include "hal_conf.h"
#include "hal_def.h"

// How long a channel may take to acknowledge a suspend request (ms).
#define HAL_TIMEOUT_DMA_ABORT 5U

// Handle states.
#define HAL_DMA_STATE_RESET 0x00U
#define HAL_DMA_STATE_READY 0x01U
#define HAL_DMA_STATE_BUSY 0x02U
#define HAL_DMA_STATE_ERROR 0x03U
#define HAL_DMA_STATE_ABORT 0x04U
#define HAL_DMA_STATE_SUSPEND 0x05U

// Linked-list queue states.
#define HAL_DMA_QUEUE_STATE_RESET 0x00U
#define HAL_DMA_QUEUE_STATE_READY 0x01U
#define HAL_DMA_QUEUE_STATE_BUSY 0x02U

// Error bits.
#define HAL_DMA_ERROR_NONE 0x0000U
#define HAL_DMA_ERROR_DTE 0x0001U
#define HAL_DMA_ERROR_ULE 0x0002U
#define HAL_DMA_ERROR_USE 0x0004U
#define HAL_DMA_ERROR_TO 0x0008U
#define HAL_DMA_ERROR_TIMEOUT 0x0010U
#define HAL_DMA_ERROR_NO_XFER 0x0020U
#define HAL_DMA_ERROR_BUSY 0x0040U
#define HAL_DMA_ERROR_INVALID_CALLBACK 0x0080U
#define HAL_DMA_ERROR_NOT_SUPPORTED 0x0100U

// Transfer modes (the handle's Mode).
#define DMA_NORMAL 0x0000U
#define DMA_LINKEDLIST 0x0080U

// Channel flags, as CSR and CFCR hold them.
#define DMA_FLAG_IDLE DMA_CSR_IDLEF
#define DMA_FLAG_TC DMA_CSR_TCF
#define DMA_FLAG_HT DMA_CSR_HTF
#define DMA_FLAG_DTE DMA_CSR_DTEF
#define DMA_FLAG_ULE DMA_CSR_ULEF
#define DMA_FLAG_USE DMA_CSR_USEF
#define DMA_FLAG_SUSP DMA_CSR_SUSPF
#define DMA_FLAG_TO DMA_CSR_TOF

extern "C" {

typedef uint8_t HAL_DMA_StateTypeDef;
typedef uint8_t HAL_DMA_QListStateTypeDef;

// A linked-list queue: the channel's chain of transfer descriptors.
typedef struct {
  void* Head;                 // first node
  void* FirstCircularNode;    // node the list loops back to, if circular
  uint32_t NodeNumber;
  volatile HAL_DMA_QListStateTypeDef State;
  volatile uint32_t ErrorCode;
  uint32_t Type;
} DMA_QListTypeDef;

typedef struct __DMA_HandleTypeDef {
  DMA_Channel_TypeDef* Instance;  // the channel's registers
  uint32_t Mode;                  // DMA_NORMAL or DMA_LINKEDLIST
  HAL_LockTypeDef Lock;
  volatile HAL_DMA_StateTypeDef State;
  void* Parent;                   // the peripheral handle the channel serves
  void (*XferCpltCallback)(struct __DMA_HandleTypeDef* hdma);
  void (*XferHalfCpltCallback)(struct __DMA_HandleTypeDef* hdma);
  void (*XferErrorCallback)(struct __DMA_HandleTypeDef* hdma);
  void (*XferAbortCallback)(struct __DMA_HandleTypeDef* hdma);
  void (*XferSuspendCallback)(struct __DMA_HandleTypeDef* hdma);
  volatile uint32_t ErrorCode;
  DMA_QListTypeDef* LinkedListQueue;
} DMA_HandleTypeDef;

HAL_StatusTypeDef HAL_DMA_Abort(DMA_HandleTypeDef* hdma);
uint32_t HAL_DMA_GetError(const DMA_HandleTypeDef* hdma);

}  // extern "C"

#endif

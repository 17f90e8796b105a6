// Types and helpers shared by every module of the hardware abstraction layer.
#ifndef OVRIMO_HAL_DEF_H
#define OVRIMO_HAL_DEF_H

#include <stddef.h>
#include <stdint.h>

#include "device.h"

extern "C" {

typedef enum {
  HAL_OK = 0x00U,
  HAL_ERROR = 0x01U,
  HAL_BUSY = 0x02U,
  HAL_TIMEOUT = 0x03U,
} HAL_StatusTypeDef;

// One byte, as the handle and process-state layouts expect.
typedef enum : uint8_t {
  HAL_UNLOCKED = 0x00U,
  HAL_LOCKED = 0x01U,
} HAL_LockTypeDef;

typedef enum { RESET = 0U, SET = !RESET } FlagStatus, ITStatus;
typedef enum { DISABLE = 0U, ENABLE = !DISABLE } FunctionalState;
typedef enum { SUCCESS = 0U, ERROR = !SUCCESS } ErrorStatus;

}  // extern "C"

#define HAL_MAX_DELAY 0xFFFFFFFFU

#define UNUSED(X) (void)(X)

// Taking a held lock makes the operation give up at once with HAL_BUSY.
#define __HAL_LOCK(__HANDLE__)               \
  do {                                       \
    if ((__HANDLE__)->Lock == HAL_LOCKED) {  \
      return HAL_BUSY;                       \
    } else {                                 \
      (__HANDLE__)->Lock = HAL_LOCKED;       \
    }                                        \
  } while (0U)

#define __HAL_UNLOCK(__HANDLE__)       \
  do {                                 \
    (__HANDLE__)->Lock = HAL_UNLOCKED; \
  } while (0U)

#define __weak __attribute__((weak))

#endif

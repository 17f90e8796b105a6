// Internal flash driver: unlocking the control register, programming one quad-word (or one
// 8-quad-word burst) and waiting for the controller. Erase is in hal_flash_ex.h, included at the
// end. Everything is polled; the flash interrupt is not used.
#ifndef OVRIMO_HAL_FLASH_H
#define OVRIMO_HAL_FLASH_H

#include "hal_def.h"

extern "C" {

// State of the driver, one instance (pFlash). Only Lock, ErrorCode and ProcedureOnGoing are used
// by the polled operations; the rest is kept for interrupt-driven ones, which this firmware does
// not have.
typedef struct {
  HAL_LockTypeDef Lock;       // held for the length of each program or erase call
  uint32_t ErrorCode;         // NSSR error bits seen since the start of the last call
  uint32_t ProcedureOnGoing;  // TypeProgram / TypeErase of the last operation started
  uint32_t Address;
  uint32_t Bank;
  uint32_t Page;
  uint32_t NbPagesToErase;
} FLASH_ProcessTypeDef;

extern FLASH_ProcessTypeDef pFlash;

}  // extern "C"

// Program types: the control register bits that select them.
#define FLASH_TYPEPROGRAM_QUADWORD FLASH_NSCR_PG
#define FLASH_TYPEPROGRAM_BURST (FLASH_NSCR_PG | FLASH_NSCR_BWR)
static_assert(FLASH_TYPEPROGRAM_QUADWORD == 0x1U && FLASH_TYPEPROGRAM_BURST == 0x4001U);

// Marker that may be ORed into a program or erase type; it changes nothing here (the firmware
// always uses the non-secure registers).
#define FLASH_NON_SECURE_MASK 0x80000000U

#define FLASH_BANK_1 0x00000001U
#define FLASH_BANK_2 0x00000002U
#define FLASH_BANK_BOTH (FLASH_BANK_1 | FLASH_BANK_2)

#define FLASH_NB_WORDS_IN_BURST 32U
#define FLASH_NB_WORDS_IN_QUADWORD 4U

// Allowed for each wait on the controller, in ms.
#define FLASH_TIMEOUT_VALUE 1000U

// Status flags.
#define FLASH_FLAG_EOP FLASH_NSSR_EOP
#define FLASH_FLAG_OPERR FLASH_NSSR_OPERR
#define FLASH_FLAG_PROGERR FLASH_NSSR_PROGERR
#define FLASH_FLAG_WRPERR FLASH_NSSR_WRPERR
#define FLASH_FLAG_PGAERR FLASH_NSSR_PGAERR
#define FLASH_FLAG_SIZERR FLASH_NSSR_SIZERR
#define FLASH_FLAG_PGSERR FLASH_NSSR_PGSERR
#define FLASH_FLAG_OPTWERR FLASH_NSSR_OPTWERR
#define FLASH_FLAG_BSY FLASH_NSSR_BSY
#define FLASH_FLAG_WDW FLASH_NSSR_WDW
#define FLASH_FLAG_SR_ERRORS                                                                     \
  (FLASH_FLAG_OPERR | FLASH_FLAG_PROGERR | FLASH_FLAG_WRPERR | FLASH_FLAG_PGAERR | FLASH_FLAG_SIZERR | \
   FLASH_FLAG_PGSERR | FLASH_FLAG_OPTWERR)
static_assert(FLASH_FLAG_SR_ERRORS == 0x20FAU);

// Error codes kept in pFlash.ErrorCode: the status flags themselves.
#define HAL_FLASH_ERROR_NONE 0x00000000U
#define HAL_FLASH_ERROR_OP FLASH_FLAG_OPERR
#define HAL_FLASH_ERROR_PROG FLASH_FLAG_PROGERR
#define HAL_FLASH_ERROR_WRP FLASH_FLAG_WRPERR
#define HAL_FLASH_ERROR_PGA FLASH_FLAG_PGAERR
#define HAL_FLASH_ERROR_SIZ FLASH_FLAG_SIZERR
#define HAL_FLASH_ERROR_PGS FLASH_FLAG_PGSERR
#define HAL_FLASH_ERROR_OPTW FLASH_FLAG_OPTWERR

// Flash wait states (the value of FLASH_ACR_LATENCY).
#define FLASH_LATENCY_0 0U
#define FLASH_LATENCY_1 1U
#define FLASH_LATENCY_2 2U
#define FLASH_LATENCY_3 3U
#define FLASH_LATENCY_4 4U
#define FLASH_LATENCY_5 5U
#define FLASH_LATENCY_6 6U
#define FLASH_LATENCY_7 7U
#define FLASH_LATENCY_8 8U
#define FLASH_LATENCY_9 9U
#define FLASH_LATENCY_10 10U
#define FLASH_LATENCY_11 11U
#define FLASH_LATENCY_12 12U
#define FLASH_LATENCY_13 13U
#define FLASH_LATENCY_14 14U
#define FLASH_LATENCY_15 15U

#define __HAL_FLASH_SET_LATENCY(__LATENCY__) MODIFY_REG(FLASH->ACR, FLASH_ACR_LATENCY, (__LATENCY__))
#define __HAL_FLASH_GET_LATENCY() READ_BIT(FLASH->ACR, FLASH_ACR_LATENCY)
#define __HAL_FLASH_PREFETCH_BUFFER_ENABLE() SET_BIT(FLASH->ACR, FLASH_ACR_PRFTEN)
#define __HAL_FLASH_PREFETCH_BUFFER_DISABLE() CLEAR_BIT(FLASH->ACR, FLASH_ACR_PRFTEN)
// True when every bit of __FLAG__ is set in NSSR.
#define __HAL_FLASH_GET_FLAG(__FLAG__) (READ_BIT(FLASH->NSSR, (__FLAG__)) == (__FLAG__))
// Status flags are cleared by writing 1; the others are left alone.
#define __HAL_FLASH_CLEAR_FLAG(__FLAG__) WRITE_REG(FLASH->NSSR, (__FLAG__))

extern "C" {

HAL_StatusTypeDef HAL_FLASH_Unlock(void);
HAL_StatusTypeDef HAL_FLASH_Lock(void);
// Programs one quad-word (FLASH_TYPEPROGRAM_QUADWORD) or one burst (any other type) at the
// 16-byte (burst: 128-byte) aligned flash address `Address` from the words at `DataAddress`, a
// pointer value (uintptr_t: on the host a RAM address needs more than 32 bits).
HAL_StatusTypeDef HAL_FLASH_Program(uint32_t TypeProgram, uint32_t Address, uintptr_t DataAddress);

// Internal steps, shared with hal_flash_ex.
HAL_StatusTypeDef FLASH_WaitForLastOperation(uint32_t Timeout);
void FLASH_Program_QuadWord(uint32_t Address, uintptr_t DataAddress);
void FLASH_Program_Burst(uint32_t Address, uintptr_t DataAddress);

}  // extern "C"

#include "hal_flash_ex.h"

#endif

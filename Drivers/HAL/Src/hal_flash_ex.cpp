// Internal flash driver, erase half.
#include "hal_flash.h"

extern "C" {

HAL_StatusTypeDef HAL_FLASHEx_Erase(FLASH_EraseInitTypeDef* pEraseInit, uint32_t* PageError) {
  if (pEraseInit == nullptr) {
    return HAL_ERROR;
  }
  __HAL_LOCK(&pFlash);
  pFlash.ErrorCode = HAL_FLASH_ERROR_NONE;

  HAL_StatusTypeDef status = FLASH_WaitForLastOperation(FLASH_TIMEOUT_VALUE);
  if (status == HAL_OK) {
    pFlash.ProcedureOnGoing = pEraseInit->TypeErase;
    // The bits cleared afterwards are those of the erase that actually ran (any type other than
    // a mass erase runs a page erase), so an odd type cannot leave PER set.
    uint32_t mode_bits;
    if ((pEraseInit->TypeErase & ~FLASH_NON_SECURE_MASK) == FLASH_TYPEERASE_MASSERASE) {
      FLASH_MassErase(pEraseInit->Banks);
      status = FLASH_WaitForLastOperation(FLASH_TIMEOUT_VALUE);
      mode_bits = FLASH_TYPEERASE_MASSERASE;
    } else {
      mode_bits = FLASH_TYPEERASE_PAGES;
      if (PageError != nullptr) {
        *PageError = 0xFFFFFFFFU;
      }
      // Counted by pages rather than up to Page + NbPages, so that a sum that wraps cannot turn
      // the request into "nothing to do".
      for (uint32_t n = 0U; n < pEraseInit->NbPages; ++n) {
        const uint32_t index = pEraseInit->Page + n;
        // A page number beyond the bank would spill out of PNB into BKER and the bits above it,
        // and erase some other page: refuse it instead.
        if (index >= FLASH_PAGE_NB) {
          status = HAL_ERROR;
        } else {
          FLASH_PageErase(index, pEraseInit->Banks);
          status = FLASH_WaitForLastOperation(FLASH_TIMEOUT_VALUE);
        }
        if (status != HAL_OK) {
          if (PageError != nullptr) {
            *PageError = index;
          }
          break;
        }
      }
    }
    CLEAR_BIT(FLASH->NSCR, mode_bits);
  }

  __HAL_UNLOCK(&pFlash);
  return status;
}

void FLASH_PageErase(uint32_t Page, uint32_t Banks) {
  if ((Banks & FLASH_BANK_1) != 0U) {
    CLEAR_BIT(FLASH->NSCR, FLASH_NSCR_BKER);
  } else {
    SET_BIT(FLASH->NSCR, FLASH_NSCR_BKER);
  }
  MODIFY_REG(FLASH->NSCR, FLASH_NSCR_PNB | FLASH_NSCR_PER | FLASH_NSCR_STRT,
             (Page << FLASH_NSCR_PNB_Pos) | FLASH_NSCR_PER | FLASH_NSCR_STRT);
}

void FLASH_MassErase(uint32_t Banks) {
  if ((Banks & FLASH_BANK_1) != 0U) {
    SET_BIT(FLASH->NSCR, FLASH_NSCR_MER1 | FLASH_NSCR_STRT);
  }
  if ((Banks & FLASH_BANK_2) != 0U) {
    SET_BIT(FLASH->NSCR, FLASH_NSCR_MER2 | FLASH_NSCR_STRT);
  }
}

}  // extern "C"

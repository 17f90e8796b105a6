// Internal flash driver: unlock/lock, programming and the wait on the controller.
#include "hal_flash.h"

#include "hal.h"

extern "C" {

FLASH_ProcessTypeDef pFlash = {HAL_UNLOCKED, HAL_FLASH_ERROR_NONE, 0U, 0U, FLASH_BANK_1, 0U, 0U};

HAL_StatusTypeDef HAL_FLASH_Unlock(void) {
  if (READ_BIT(FLASH->NSCR, FLASH_NSCR_LOCK) == 0U) {
    return HAL_OK;  // a key written now would lock the register until reset
  }
  WRITE_REG(FLASH->NSKEYR, FLASH_KEY1);
  WRITE_REG(FLASH->NSKEYR, FLASH_KEY2);
  return READ_BIT(FLASH->NSCR, FLASH_NSCR_LOCK) != 0U ? HAL_ERROR : HAL_OK;
}

HAL_StatusTypeDef HAL_FLASH_Lock(void) {
  SET_BIT(FLASH->NSCR, FLASH_NSCR_LOCK);
  return READ_BIT(FLASH->NSCR, FLASH_NSCR_LOCK) != 0U ? HAL_OK : HAL_ERROR;
}

HAL_StatusTypeDef FLASH_WaitForLastOperation(uint32_t Timeout) {
  // Elapsed ticks rather than an end time: a wait that straddles the wrap of the 32-bit tick lasts
  // as long as any other. It ends at the same tick as an end time of start + Timeout would.
  const uint32_t tickstart = HAL_GetTick();
  while ((READ_REG(FLASH->NSSR) & (FLASH_FLAG_BSY | FLASH_FLAG_WDW)) != 0U) {
    if (Timeout != HAL_MAX_DELAY && (HAL_GetTick() - tickstart) >= Timeout) {
      return HAL_TIMEOUT;  // flags are left for the caller to see
    }
  }

  const uint32_t errors = READ_BIT(FLASH->NSSR, FLASH_FLAG_SR_ERRORS);
  if (errors != 0U) {
    pFlash.ErrorCode |= errors;
    __HAL_FLASH_CLEAR_FLAG(errors);
    return HAL_ERROR;
  }
  if (__HAL_FLASH_GET_FLAG(FLASH_FLAG_EOP)) {
    __HAL_FLASH_CLEAR_FLAG(FLASH_FLAG_EOP);
  }
  return HAL_OK;
}

namespace {

// Stores `count` words from RAM to flash with interrupts masked, so that nothing delays the
// stores of one programming unit; the previous mask state is restored afterwards.
void store_words(uint32_t Address, uintptr_t DataAddress, uint32_t count) {
  const uint32_t* source = reinterpret_cast<const uint32_t*>(DataAddress);
  const uint32_t primask = __get_PRIMASK();
  __disable_irq();
  for (uint32_t i = 0U; i < count; ++i) {
    device_write32(Address + 4U * i, source[i]);
  }
  __set_PRIMASK(primask);
}

}  // namespace

void FLASH_Program_QuadWord(uint32_t Address, uintptr_t DataAddress) {
  SET_BIT(FLASH->NSCR, FLASH_NSCR_PG);
  store_words(Address, DataAddress, FLASH_NB_WORDS_IN_QUADWORD);
}

void FLASH_Program_Burst(uint32_t Address, uintptr_t DataAddress) {
  SET_BIT(FLASH->NSCR, FLASH_NSCR_BWR | FLASH_NSCR_PG);
  store_words(Address, DataAddress, FLASH_NB_WORDS_IN_BURST);
}

HAL_StatusTypeDef HAL_FLASH_Program(uint32_t TypeProgram, uint32_t Address, uintptr_t DataAddress) {
  __HAL_LOCK(&pFlash);
  pFlash.ErrorCode = HAL_FLASH_ERROR_NONE;

  HAL_StatusTypeDef status = FLASH_WaitForLastOperation(FLASH_TIMEOUT_VALUE);
  if (status == HAL_OK) {
    pFlash.ProcedureOnGoing = TypeProgram;
    // Any type other than a quad-word runs a burst; the bits cleared afterwards are those of the
    // write that actually ran, so an odd type cannot leave PG or BWR set.
    uint32_t mode_bits;
    if ((TypeProgram & ~FLASH_NON_SECURE_MASK) == FLASH_TYPEPROGRAM_QUADWORD) {
      FLASH_Program_QuadWord(Address, DataAddress);
      mode_bits = FLASH_TYPEPROGRAM_QUADWORD;
    } else {
      FLASH_Program_Burst(Address, DataAddress);
      mode_bits = FLASH_TYPEPROGRAM_BURST;
    }
    status = FLASH_WaitForLastOperation(FLASH_TIMEOUT_VALUE);
    CLEAR_BIT(FLASH->NSCR, mode_bits);
  }

  __HAL_UNLOCK(&pFlash);
  return status;
}

}  // extern "C"

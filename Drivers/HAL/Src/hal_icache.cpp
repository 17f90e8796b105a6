// Instruction cache driver.
#include "hal_icache.h"

#include "hal.h"

extern "C" {

HAL_StatusTypeDef HAL_ICACHE_ConfigAssociativityMode(uint32_t AssociativityMode) {
  if (READ_BIT(ICACHE->CR, ICACHE_CR_EN) != 0U) {
    return HAL_ERROR;
  }
  // Only the WAYSEL bit is taken from the argument: any other bit would reach EN or CACHEINV.
  MODIFY_REG(ICACHE->CR, ICACHE_CR_WAYSEL, AssociativityMode & ICACHE_CR_WAYSEL);
  return HAL_OK;
}

HAL_StatusTypeDef HAL_ICACHE_Enable(void) {
  SET_BIT(ICACHE->CR, ICACHE_CR_EN);
  return HAL_OK;
}

HAL_StatusTypeDef HAL_ICACHE_Disable(void) {
  // Clear the busy-end flag first, so that the one raised by this disable can be told apart.
  WRITE_REG(ICACHE->FCR, ICACHE_FCR_CBSYENDF);
  CLEAR_BIT(ICACHE->CR, ICACHE_CR_EN);

  const uint32_t tickstart = HAL_GetTick();
  while (READ_BIT(ICACHE->CR, ICACHE_CR_EN) != 0U) {
    if ((HAL_GetTick() - tickstart) > ICACHE_DISABLE_TIMEOUT_VALUE) {
      // Look once more: the disable may have completed while the tick was being read.
      if (READ_BIT(ICACHE->CR, ICACHE_CR_EN) != 0U) {
        return HAL_TIMEOUT;
      }
    }
  }
  return HAL_OK;
}

HAL_StatusTypeDef HAL_ICACHE_Invalidate(void) {
  // Clear the busy-end flag first, so that only the end of this invalidate (or of one already
  // running, which drops the lines just the same) can raise it.
  WRITE_REG(ICACHE->FCR, ICACHE_FCR_CBSYENDF);
  SET_BIT(ICACHE->CR, ICACHE_CR_CACHEINV);

  const uint32_t tickstart = HAL_GetTick();
  while (READ_BIT(ICACHE->SR, ICACHE_SR_BSYENDF) == 0U) {
    if ((HAL_GetTick() - tickstart) > ICACHE_INVALIDATE_TIMEOUT_VALUE) {
      if (READ_BIT(ICACHE->SR, ICACHE_SR_BSYENDF) == 0U) {
        return HAL_TIMEOUT;
      }
    }
  }
  WRITE_REG(ICACHE->FCR, ICACHE_FCR_CBSYENDF);
  return HAL_OK;
}

}  // extern "C"

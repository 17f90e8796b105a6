// Power controller, voltage scaling.
#include "hal_pwr_ex.h"

#include "hal_rcc.h"

namespace {

// Polling passes allowed for one ready flag: as many as the core clock has cycles in
// PWR_FLAG_SETTING_DELAY microseconds (201 at 4 MHz), plus one so that a very slow clock still
// gets a single look. A pass takes several cycles, so the real wait is longer than the delay.
uint32_t ready_poll_budget() { return ((PWR_FLAG_SETTING_DELAY * (SystemCoreClock / 1000U)) / 1000U) + 1U; }

// Polls `flag` in `reg` until it is set or the budget is spent; returns what is left of it.
uint32_t poll_ready(reg32_t& reg, uint32_t flag) {
  uint32_t count = ready_poll_budget();
  while ((READ_BIT(reg, flag) == 0U) && (count != 0U)) {
    count--;
  }
  return count;
}

}  // namespace

extern "C" {

HAL_StatusTypeDef HAL_PWREx_ControlVoltageScaling(uint32_t VoltageScaling) {
  if (READ_BIT(PWR->SVMSR, PWR_SVMSR_ACTVOS) == VoltageScaling) {
    // Already there: nothing to wait for, but ranges 1 and 2 must have the booster on.
    if (VoltageScaling > PWR_REGULATOR_VOLTAGE_SCALE3) {
      SET_BIT(PWR->VOSR, PWR_VOSR_BOOSTEN);
    }
    return HAL_OK;
  }

  // Only the range field is taken from the argument, so no other VOSR bit can be hit.
  const uint32_t range = VoltageScaling & PWR_VOSR_VOS;
  if (range > PWR_REGULATOR_VOLTAGE_SCALE3) {
    MODIFY_REG(PWR->VOSR, PWR_VOSR_VOS | PWR_VOSR_BOOSTEN, range | PWR_VOSR_BOOSTEN);
  } else {
    MODIFY_REG(PWR->VOSR, PWR_VOSR_VOS | PWR_VOSR_BOOSTEN, range);
  }

  uint32_t count = poll_ready(PWR->VOSR, PWR_VOSR_VOSRDY);
  if (count != 0U) {
    count = poll_ready(PWR->SVMSR, PWR_SVMSR_ACTVOSRDY);
  }
  return (count == 0U) ? HAL_TIMEOUT : HAL_OK;
}

uint32_t HAL_PWREx_GetVoltageRange(void) { return READ_BIT(PWR->SVMSR, PWR_SVMSR_ACTVOS); }

}  // extern "C"

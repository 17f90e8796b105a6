// Clock driver: oscillators, PLL1, the system clock switch with its bus dividers and flash wait
// states, the return to the reset clock tree, and the frequency queries with the globals they own.
#include "hal_rcc.h"

#include "hal.h"
#include "hal_flash.h"
#include "hal_pwr_ex.h"
#include "hal_rcc_internal.h"

extern "C" {

// Initialised data, not computed at start-up: code that runs before the clock driver (the tick
// set-up of HAL_Init) already needs the reset clock.
uint32_t SystemCoreClock = MSI_VALUE;

const uint8_t AHBPrescTable[16] = {0U, 0U, 0U, 0U, 0U, 0U, 0U, 0U, 1U, 2U, 3U, 4U, 6U, 7U, 8U, 9U};
const uint8_t APBPrescTable[8] = {0U, 0U, 0U, 0U, 1U, 2U, 3U, 4U};
const uint32_t MSIRangeTable[16] = {48000000U, 24000000U, 16000000U, 12000000U, 4000000U, 2000000U,
                                    1330000U,  1000000U,  3072000U,  1536000U,  1024000U, 768000U,
                                    400000U,   200000U,   133000U,   100000U};

}  // extern "C"

namespace {

// Index into MSIRangeTable of the running MSIS range.
uint32_t msis_range_index() {
  if (READ_BIT(RCC->ICSCR1, RCC_ICSCR1_MSIRGSEL) != 0U) {
    return READ_BIT(RCC->ICSCR1, RCC_ICSCR1_MSISRANGE) >> RCC_ICSCR1_MSISRANGE_Pos;
  }
  return READ_BIT(RCC->CSR, RCC_CSR_MSISSRANGE) >> RCC_CSR_MSISSRANGE_Pos;
}

// Flash wait states with read-back: the controller may refuse a value (it keeps the old one), and
// running faster than the wait states allow corrupts instruction fetches.
HAL_StatusTypeDef flash_set_latency(uint32_t latency) {
  __HAL_FLASH_SET_LATENCY(latency & FLASH_ACR_LATENCY);
  return (__HAL_FLASH_GET_LATENCY() == latency) ? HAL_OK : HAL_ERROR;
}

uint32_t flash_latency() { return __HAL_FLASH_GET_LATENCY(); }

// Backup-domain registers (BDCR) are write-protected until DBP is set.
HAL_StatusTypeDef enable_backup_domain_access() {
  if (READ_BIT(PWR->DBPR, PWR_DBPR_DBP) == 0U) {
    SET_BIT(PWR->DBPR, PWR_DBPR_DBP);
    return wait_flag(PWR->DBPR, PWR_DBPR_DBP, true, RCC_DBP_TIMEOUT_VALUE);
  }
  return HAL_OK;
}

// Writes a 5-bit MSI trim into the field of the group of four ranges that `msirange` belongs to.
// The value is cut to the field so that a wide value cannot spill into the neighbouring groups.
void msi_trim_adjust(uint32_t value, uint32_t msirange) {
  uint32_t pos;
  uint32_t msk;
  if (msirange < RCC_MSIRANGE_4) {
    pos = RCC_ICSCR2_MSITRIM0_Pos;
    msk = RCC_ICSCR2_MSITRIM0;
  } else if (msirange < RCC_MSIRANGE_8) {
    pos = RCC_ICSCR2_MSITRIM1_Pos;
    msk = RCC_ICSCR2_MSITRIM1;
  } else if (msirange < RCC_MSIRANGE_12) {
    pos = RCC_ICSCR2_MSITRIM2_Pos;
    msk = RCC_ICSCR2_MSITRIM2;
  } else {
    pos = RCC_ICSCR2_MSITRIM3_Pos;
    msk = RCC_ICSCR2_MSITRIM3;
  }
  MODIFY_REG(RCC->ICSCR2, msk, (value << pos) & msk);
}

// Selects the MSIS range from ICSCR1 (no longer from the standby range in CSR) and trims it.
void msis_range_config(uint32_t msirange, uint32_t calibration) {
  SET_BIT(RCC->ICSCR1, RCC_ICSCR1_MSIRGSEL);
  MODIFY_REG(RCC->ICSCR1, RCC_ICSCR1_MSISRANGE, msirange & RCC_ICSCR1_MSISRANGE);
  msi_trim_adjust(calibration, msirange);
}

}  // namespace

extern "C" {

// Wait states for an MSIS range at the active core voltage range. File-internal.
static HAL_StatusTypeDef RCC_SetFlashLatencyFromMSIRange(uint32_t msirange) {
  uint32_t vos;
  {
    PwrClockScope pwr_clock;
    vos = HAL_PWREx_GetVoltageRange();
  }

  uint32_t latency = FLASH_LATENCY_0;
  if ((vos == PWR_REGULATOR_VOLTAGE_SCALE1) || (vos == PWR_REGULATOR_VOLTAGE_SCALE2)) {
    latency = (msirange == RCC_MSIRANGE_0) ? FLASH_LATENCY_1 : FLASH_LATENCY_0;
  } else if (vos == PWR_REGULATOR_VOLTAGE_SCALE3) {
    if (msirange == RCC_MSIRANGE_0) {
      latency = FLASH_LATENCY_3;
    } else if (msirange <= RCC_MSIRANGE_2) {
      latency = FLASH_LATENCY_1;
    }
  } else {
    // Range 4: 48 MHz cannot run at this voltage whatever the wait states.
    if (msirange == RCC_MSIRANGE_0) {
      return HAL_ERROR;
    }
    if (msirange == RCC_MSIRANGE_1) {
      latency = FLASH_LATENCY_2;
    } else if (msirange <= RCC_MSIRANGE_3) {
      latency = FLASH_LATENCY_1;
    }
  }
  return flash_set_latency(latency);
}

}  // extern "C"

namespace {

bool pll1_drives_sysclk_from(uint32_t sysclk_source, uint32_t pll_config, uint32_t pll_source) {
  return (sysclk_source == RCC_SYSCLKSOURCE_STATUS_PLLCLK) && (pll_config == pll_source);
}

HAL_StatusTypeDef msi_config(const RCC_OscInitTypeDef& osc, uint32_t sysclk_source, uint32_t pll_config) {
  const bool in_use = (sysclk_source == RCC_SYSCLKSOURCE_STATUS_MSI) ||
                      pll1_drives_sysclk_from(sysclk_source, pll_config, RCC_PLLSOURCE_MSI);
  if (!in_use) {
    if (osc.MSIState != RCC_MSI_OFF) {
      SET_BIT(RCC->CR, RCC_CR_MSISON);
      const HAL_StatusTypeDef status = wait_flag(RCC->CR, RCC_CR_MSISRDY, true, MSI_TIMEOUT_VALUE);
      if (status != HAL_OK) {
        return status;
      }
      msis_range_config(osc.MSIClockRange, osc.MSICalibrationValue);
      return HAL_OK;
    }
    CLEAR_BIT(RCC->CR, RCC_CR_MSISON);
    return wait_flag(RCC->CR, RCC_CR_MSISRDY, false, MSI_TIMEOUT_VALUE);
  }

  // The running clock may not be stopped.
  if (osc.MSIState == RCC_MSI_OFF) {
    return HAL_ERROR;
  }
  // The wait states must cover the faster of the old and the new frequency at every moment: a
  // faster range (smaller value) gets its wait states before the range changes, a slower or the
  // same range gets them after. Only MSIS feeding SYSCLK directly sets the flash speed.
  const bool drives_sysclk = (sysclk_source == RCC_SYSCLKSOURCE_STATUS_MSI);
  if (osc.MSIClockRange < __HAL_RCC_GET_MSI_RANGE()) {
    if (drives_sysclk && (RCC_SetFlashLatencyFromMSIRange(osc.MSIClockRange) != HAL_OK)) {
      return HAL_ERROR;
    }
    msis_range_config(osc.MSIClockRange, osc.MSICalibrationValue);
  } else {
    msis_range_config(osc.MSIClockRange, osc.MSICalibrationValue);
    if (drives_sysclk && (RCC_SetFlashLatencyFromMSIRange(osc.MSIClockRange) != HAL_OK)) {
      return HAL_ERROR;
    }
  }
  (void)HAL_RCC_GetHCLKFreq();  // refreshes SystemCoreClock
  return HAL_InitTick(uwTickPrio);
}

HAL_StatusTypeDef hse_config(const RCC_OscInitTypeDef& osc, uint32_t sysclk_source, uint32_t pll_config) {
  const uint32_t state = osc.HSEState;
  if ((state != RCC_HSE_OFF) && (state != RCC_HSE_ON) && (state != RCC_HSE_BYPASS) &&
      (state != RCC_HSE_BYPASS_DIGITAL)) {
    return HAL_ERROR;  // no such request: the wait below could never be satisfied
  }
  if ((sysclk_source == RCC_SYSCLKSOURCE_STATUS_HSE) ||
      pll1_drives_sysclk_from(sysclk_source, pll_config, RCC_PLLSOURCE_HSE)) {
    return (state == RCC_HSE_OFF) ? HAL_ERROR : HAL_OK;
  }
  if (state == RCC_HSE_ON) {
    SET_BIT(RCC->CR, RCC_CR_HSEON);
  } else if (state == RCC_HSE_BYPASS) {
    SET_BIT(RCC->CR, RCC_CR_HSEBYP);
    CLEAR_BIT(RCC->CR, RCC_CR_HSEEXT);
    SET_BIT(RCC->CR, RCC_CR_HSEON);
  } else if (state == RCC_HSE_BYPASS_DIGITAL) {
    SET_BIT(RCC->CR, RCC_CR_HSEBYP);
    SET_BIT(RCC->CR, RCC_CR_HSEEXT);
    SET_BIT(RCC->CR, RCC_CR_HSEON);
  } else {
    CLEAR_BIT(RCC->CR, RCC_CR_HSEON);
    CLEAR_BIT(RCC->CR, RCC_CR_HSEBYP);
    CLEAR_BIT(RCC->CR, RCC_CR_HSEEXT);
  }
  return wait_flag(RCC->CR, RCC_CR_HSERDY, state != RCC_HSE_OFF, HSE_TIMEOUT_VALUE);
}

void hsi_trim(uint32_t value) {
  MODIFY_REG(RCC->ICSCR3, RCC_ICSCR3_HSITRIM, (value << RCC_ICSCR3_HSITRIM_Pos) & RCC_ICSCR3_HSITRIM);
}

HAL_StatusTypeDef hsi_config(const RCC_OscInitTypeDef& osc, uint32_t sysclk_source, uint32_t pll_config) {
  if ((sysclk_source == RCC_SYSCLKSOURCE_STATUS_HSI) ||
      pll1_drives_sysclk_from(sysclk_source, pll_config, RCC_PLLSOURCE_HSI)) {
    if (osc.HSIState == RCC_HSI_OFF) {
      return HAL_ERROR;
    }
    hsi_trim(osc.HSICalibrationValue);
    return HAL_OK;
  }
  if (osc.HSIState != RCC_HSI_OFF) {
    SET_BIT(RCC->CR, RCC_CR_HSION);
    const HAL_StatusTypeDef status = wait_flag(RCC->CR, RCC_CR_HSIRDY, true, HSI_TIMEOUT_VALUE);
    if (status != HAL_OK) {
      return status;
    }
    hsi_trim(osc.HSICalibrationValue);
    return HAL_OK;
  }
  CLEAR_BIT(RCC->CR, RCC_CR_HSION);
  return wait_flag(RCC->CR, RCC_CR_HSIRDY, false, HSI_TIMEOUT_VALUE);
}

HAL_StatusTypeDef lsi_config(const RCC_OscInitTypeDef& osc) {
  PwrClockScope pwr_clock;
  HAL_StatusTypeDef status = enable_backup_domain_access();
  if (status != HAL_OK) {
    return status;
  }
  if (osc.LSIState != RCC_LSI_OFF) {
    const uint32_t bdcr = READ_REG(RCC->BDCR);
    if (osc.LSIDiv != (bdcr & RCC_BDCR_LSIPREDIV)) {
      // The divider can change only while the LSI is stopped; one that runs for another owner
      // (ready although LSION is clear) is not ours to stop.
      if (((bdcr & RCC_BDCR_LSIRDY) != 0U) && ((bdcr & RCC_BDCR_LSION) == 0U)) {
        return HAL_ERROR;
      }
      if ((bdcr & RCC_BDCR_LSION) != 0U) {
        CLEAR_BIT(RCC->BDCR, RCC_BDCR_LSION | RCC_BDCR_LSIPREDIV);
        status = wait_flag(RCC->BDCR, RCC_BDCR_LSIRDY, false, LSI_TIMEOUT_VALUE);
        if (status != HAL_OK) {
          return status;
        }
      }
      MODIFY_REG(RCC->BDCR, RCC_BDCR_LSIPREDIV, osc.LSIDiv & RCC_BDCR_LSIPREDIV);
    }
    SET_BIT(RCC->BDCR, RCC_BDCR_LSION);
    return wait_flag(RCC->BDCR, RCC_BDCR_LSIRDY, true, LSI_TIMEOUT_VALUE);
  }
  CLEAR_BIT(RCC->BDCR, RCC_BDCR_LSION | RCC_BDCR_LSIPREDIV);
  return wait_flag(RCC->BDCR, RCC_BDCR_LSIRDY, false, LSI_TIMEOUT_VALUE);
}

HAL_StatusTypeDef lse_config(const RCC_OscInitTypeDef& osc) {
  PwrClockScope pwr_clock;
  HAL_StatusTypeDef status = enable_backup_domain_access();
  if (status != HAL_OK) {
    return status;
  }
  const uint32_t state = osc.LSEState;
  if ((state & RCC_BDCR_LSEON) != 0U) {
    if ((state & RCC_BDCR_LSEBYP) != 0U) {
      SET_BIT(RCC->BDCR, RCC_BDCR_LSEBYP);  // bypass is chosen before the oscillator starts
    }
    SET_BIT(RCC->BDCR, RCC_BDCR_LSEON);
  } else {
    CLEAR_BIT(RCC->BDCR, RCC_BDCR_LSEON | RCC_BDCR_LSEBYP);
  }

  if (state != RCC_LSE_OFF) {
    status = wait_flag(RCC->BDCR, RCC_BDCR_LSERDY, true, RCC_LSE_TIMEOUT_VALUE);
    if (status != HAL_OK) {
      return status;
    }
    if ((state & RCC_BDCR_LSESYSEN) != 0U) {
      SET_BIT(RCC->BDCR, RCC_BDCR_LSESYSEN);
      return wait_flag(RCC->BDCR, RCC_BDCR_LSESYSRDY, true, RCC_LSE_TIMEOUT_VALUE);
    }
    CLEAR_BIT(RCC->BDCR, RCC_BDCR_LSESYSEN);
    return wait_flag(RCC->BDCR, RCC_BDCR_LSESYSRDY, false, RCC_LSE_TIMEOUT_VALUE);
  }

  status = wait_flag(RCC->BDCR, RCC_BDCR_LSERDY, false, RCC_LSE_TIMEOUT_VALUE);
  if (status != HAL_OK) {
    return status;
  }
  if (READ_BIT(RCC->BDCR, RCC_BDCR_LSESYSEN) != 0U) {
    CLEAR_BIT(RCC->BDCR, RCC_BDCR_LSESYSEN);
    return wait_flag(RCC->BDCR, RCC_BDCR_LSESYSRDY, false, RCC_LSE_TIMEOUT_VALUE);
  }
  return HAL_OK;
}

// HSI48 and SHSI: a plain enable bit and its ready flag.
HAL_StatusTypeDef simple_oscillator(uint32_t state, uint32_t on_bit, uint32_t ready_bit, uint32_t timeout) {
  if (state != 0U) {
    SET_BIT(RCC->CR, on_bit);
    return wait_flag(RCC->CR, ready_bit, true, timeout);
  }
  CLEAR_BIT(RCC->CR, on_bit);
  return wait_flag(RCC->CR, ready_bit, false, timeout);
}

HAL_StatusTypeDef msik_config(const RCC_OscInitTypeDef& osc) {
  if (osc.MSIKState != RCC_MSIK_OFF) {
    SET_BIT(RCC->ICSCR1, RCC_ICSCR1_MSIRGSEL);
    MODIFY_REG(RCC->ICSCR1, RCC_ICSCR1_MSIKRANGE, osc.MSIKClockRange & RCC_ICSCR1_MSIKRANGE);
    // MSIS and MSIK share the trim registers; the group follows the request's MSIS range.
    msi_trim_adjust(osc.MSICalibrationValue, osc.MSIClockRange);
    SET_BIT(RCC->CR, RCC_CR_MSIKON);
    return wait_flag(RCC->CR, RCC_CR_MSIKRDY, true, MSIK_TIMEOUT_VALUE);
  }
  CLEAR_BIT(RCC->CR, RCC_CR_MSIKON);
  return wait_flag(RCC->CR, RCC_CR_MSIKRDY, false, MSIK_TIMEOUT_VALUE);
}

uint32_t pll_divr_value(uint32_t reserved_bits, uint32_t n, uint32_t p, uint32_t q, uint32_t r) {
  return reserved_bits | ((n - 1U) & RCC_PLL1DIVR_PLL1N) |
         (((p - 1U) << RCC_PLL1DIVR_PLL1P_Pos) & RCC_PLL1DIVR_PLL1P) |
         (((q - 1U) << RCC_PLL1DIVR_PLL1Q_Pos) & RCC_PLL1DIVR_PLL1Q) |
         (((r - 1U) << RCC_PLL1DIVR_PLL1R_Pos) & RCC_PLL1DIVR_PLL1R);
}

constexpr uint32_t kPllDivrReserved = 0x80800000U;

HAL_StatusTypeDef pll1_config(const RCC_PLLInitTypeDef& pll) {
  if (__HAL_RCC_GET_SYSCLK_SOURCE() == RCC_SYSCLKSOURCE_STATUS_PLLCLK) {
    // PLL1 runs the system: only its fractional part may move.
    if (pll.PLLState == RCC_PLL_OFF) {
      return HAL_ERROR;
    }
    const uint32_t cfgr = READ_REG(RCC->PLL1CFGR);
    const uint32_t divr = READ_REG(RCC->PLL1DIVR);
    if (((cfgr & RCC_PLL1CFGR_PLL1SRC) != pll.PLLSource) ||
        (((cfgr & RCC_PLL1CFGR_PLL1M) >> RCC_PLL1CFGR_PLL1M_Pos) != (pll.PLLM - 1U)) ||
        ((cfgr & RCC_PLL1CFGR_PLL1MBOOST) != pll.PLLMBOOST) ||
        ((divr & RCC_PLL1DIVR_PLL1N) != (pll.PLLN - 1U)) ||
        (((divr & RCC_PLL1DIVR_PLL1P) >> RCC_PLL1DIVR_PLL1P_Pos) != (pll.PLLP - 1U)) ||
        (((divr & RCC_PLL1DIVR_PLL1Q) >> RCC_PLL1DIVR_PLL1Q_Pos) != (pll.PLLQ - 1U)) ||
        (((divr & RCC_PLL1DIVR_PLL1R) >> RCC_PLL1DIVR_PLL1R_Pos) != (pll.PLLR - 1U))) {
      return HAL_ERROR;
    }
    if ((READ_BIT(RCC->PLL1FRACR, RCC_PLL1FRACR_PLL1FRACN) >> RCC_PLL1FRACR_PLL1FRACN_Pos) != pll.PLLFRACN) {
      CLEAR_BIT(RCC->PLL1CFGR, RCC_PLL1CFGR_PLL1FRACEN);
      // The new fraction is taken only after the enable has been low for a while; one tick is
      // ample.
      const uint32_t tickstart = HAL_GetTick();
      while (HAL_GetTick() == tickstart) {
      }
      MODIFY_REG(RCC->PLL1FRACR, RCC_PLL1FRACR_PLL1FRACN,
                 (pll.PLLFRACN << RCC_PLL1FRACR_PLL1FRACN_Pos) & RCC_PLL1FRACR_PLL1FRACN);
      SET_BIT(RCC->PLL1CFGR, RCC_PLL1CFGR_PLL1FRACEN);
    }
    return HAL_OK;
  }

  if (pll.PLLState == RCC_PLL_ON) {
    CLEAR_BIT(RCC->CR, RCC_CR_PLL1ON);
    HAL_StatusTypeDef status = wait_flag(RCC->CR, RCC_CR_PLL1RDY, false, PLL_TIMEOUT_VALUE);
    if (status != HAL_OK) {
      return status;
    }
    {
      // The EPOD booster must be off while the PLL input changes; put it back as it was.
      PwrClockScope pwr_clock;
      const bool pwrboosten = READ_BIT(PWR->VOSR, PWR_VOSR_BOOSTEN) != 0U;
      CLEAR_BIT(PWR->VOSR, PWR_VOSR_BOOSTEN);
      MODIFY_REG(RCC->PLL1CFGR, RCC_PLL1CFGR_PLL1SRC | RCC_PLL1CFGR_PLL1M | RCC_PLL1CFGR_PLL1MBOOST,
                 (pll.PLLSource & RCC_PLL1CFGR_PLL1SRC) |
                     (((pll.PLLM - 1U) << RCC_PLL1CFGR_PLL1M_Pos) & RCC_PLL1CFGR_PLL1M) |
                     (pll.PLLMBOOST & RCC_PLL1CFGR_PLL1MBOOST));
      WRITE_REG(RCC->PLL1DIVR, pll_divr_value(READ_REG(RCC->PLL1DIVR) & kPllDivrReserved, pll.PLLN, pll.PLLP,
                                              pll.PLLQ, pll.PLLR));
      CLEAR_BIT(RCC->PLL1CFGR, RCC_PLL1CFGR_PLL1FRACEN);
      MODIFY_REG(RCC->PLL1FRACR, RCC_PLL1FRACR_PLL1FRACN,
                 (pll.PLLFRACN << RCC_PLL1FRACR_PLL1FRACN_Pos) & RCC_PLL1FRACR_PLL1FRACN);
      SET_BIT(RCC->PLL1CFGR, RCC_PLL1CFGR_PLL1FRACEN);
      MODIFY_REG(RCC->PLL1CFGR, RCC_PLL1CFGR_PLL1RGE, pll.PLLRGE & RCC_PLL1CFGR_PLL1RGE);
      if (pwrboosten) {
        SET_BIT(PWR->VOSR, PWR_VOSR_BOOSTEN);
      }
    }
    SET_BIT(RCC->CR, RCC_CR_PLL1ON);
    status = wait_flag(RCC->CR, RCC_CR_PLL1RDY, true, PLL_TIMEOUT_VALUE);
    if (status != HAL_OK) {
      return status;
    }
    SET_BIT(RCC->PLL1CFGR, RCC_PLL1CFGR_PLL1REN);
    return HAL_OK;
  }

  if (pll.PLLState == RCC_PLL_OFF) {
    CLEAR_BIT(RCC->CR, RCC_CR_PLL1ON);
    const HAL_StatusTypeDef status = wait_flag(RCC->CR, RCC_CR_PLL1RDY, false, PLL_TIMEOUT_VALUE);
    if (status != HAL_OK) {
      return status;
    }
    CLEAR_BIT(RCC->PLL1CFGR,
              RCC_PLL1CFGR_PLL1PEN | RCC_PLL1CFGR_PLL1QEN | RCC_PLL1CFGR_PLL1REN | RCC_PLL1CFGR_PLL1SRC);
    return HAL_OK;
  }
  return HAL_ERROR;  // no such request
}

// Writes a bus divider field only when the request makes it larger (`larger`) or smaller.
void apb_divider_if(bool requested, uint32_t divider, bool larger, reg32_t& reg, uint32_t field_msk,
                    uint32_t shift) {
  if (!requested) {
    return;
  }
  const uint32_t current = READ_BIT(reg, field_msk) >> shift;
  if (larger ? (divider > current) : (divider < current)) {
    MODIFY_REG(reg, field_msk, (divider << shift) & field_msk);
  }
}

}  // namespace

extern "C" {

HAL_StatusTypeDef HAL_RCC_OscConfig(const RCC_OscInitTypeDef* pRCC_OscInitStruct) {
  if (pRCC_OscInitStruct == nullptr) {
    return HAL_ERROR;
  }
  const RCC_OscInitTypeDef& osc = *pRCC_OscInitStruct;
  // One snapshot for every "in use" decision below.
  const uint32_t sysclk_source = __HAL_RCC_GET_SYSCLK_SOURCE();
  const uint32_t pll_config = __HAL_RCC_GET_PLL_OSCSOURCE();
  const uint32_t type = osc.OscillatorType;
  HAL_StatusTypeDef status = HAL_OK;

  if ((type & RCC_OSCILLATORTYPE_MSI) != 0U) {
    status = msi_config(osc, sysclk_source, pll_config);
    if (status != HAL_OK) {
      return status;
    }
  }
  if ((type & RCC_OSCILLATORTYPE_HSE) != 0U) {
    status = hse_config(osc, sysclk_source, pll_config);
    if (status != HAL_OK) {
      return status;
    }
  }
  if ((type & RCC_OSCILLATORTYPE_HSI) != 0U) {
    status = hsi_config(osc, sysclk_source, pll_config);
    if (status != HAL_OK) {
      return status;
    }
  }
  if ((type & RCC_OSCILLATORTYPE_LSI) != 0U) {
    status = lsi_config(osc);
    if (status != HAL_OK) {
      return status;
    }
  }
  if ((type & RCC_OSCILLATORTYPE_LSE) != 0U) {
    status = lse_config(osc);
    if (status != HAL_OK) {
      return status;
    }
  }
  if ((type & RCC_OSCILLATORTYPE_HSI48) != 0U) {
    status = simple_oscillator(osc.HSI48State, RCC_CR_HSI48ON, RCC_CR_HSI48RDY, HSI48_TIMEOUT_VALUE);
    if (status != HAL_OK) {
      return status;
    }
  }
  if ((type & RCC_OSCILLATORTYPE_SHSI) != 0U) {
    status = simple_oscillator(osc.SHSIState, RCC_CR_SHSION, RCC_CR_SHSIRDY, SHSI_TIMEOUT_VALUE);
    if (status != HAL_OK) {
      return status;
    }
  }
  if ((type & RCC_OSCILLATORTYPE_MSIK) != 0U) {
    status = msik_config(osc);
    if (status != HAL_OK) {
      return status;
    }
  }
  if (osc.PLL.PLLState != RCC_PLL_NONE) {
    return pll1_config(osc.PLL);
  }
  return HAL_OK;
}

HAL_StatusTypeDef HAL_RCC_ClockConfig(const RCC_ClkInitTypeDef* pRCC_ClkInitStruct, uint32_t FLatency) {
  if (pRCC_ClkInitStruct == nullptr) {
    return HAL_ERROR;
  }
  const RCC_ClkInitTypeDef& clk = *pRCC_ClkInitStruct;
  const uint32_t type = clk.ClockType;

  // Everything that slows the flash access or the buses down happens before the switch,
  // everything that speeds them up after it, so no moment runs faster than the settings allow.
  if ((FLatency > flash_latency()) && (flash_set_latency(FLatency) != HAL_OK)) {
    return HAL_ERROR;
  }
  apb_divider_if((type & RCC_CLOCKTYPE_PCLK3) != 0U, clk.APB3CLKDivider, true, RCC->CFGR3, RCC_CFGR3_PPRE3, 0U);
  apb_divider_if((type & RCC_CLOCKTYPE_PCLK2) != 0U, clk.APB2CLKDivider, true, RCC->CFGR2, RCC_CFGR2_PPRE2, 4U);
  apb_divider_if((type & RCC_CLOCKTYPE_PCLK1) != 0U, clk.APB1CLKDivider, true, RCC->CFGR2, RCC_CFGR2_PPRE1, 0U);
  apb_divider_if((type & RCC_CLOCKTYPE_HCLK) != 0U, clk.AHBCLKDivider, true, RCC->CFGR2, RCC_CFGR2_HPRE, 0U);

  if ((type & RCC_CLOCKTYPE_SYSCLK) != 0U) {
    const uint32_t source = clk.SYSCLKSource;
    if (source == RCC_SYSCLKSOURCE_PLLCLK) {
      {
        PwrClockScope pwr_clock;
        // Above the booster's threshold the PLL output may be used only once EPOD is ready.
        if (READ_BIT(PWR->VOSR, PWR_VOSR_BOOSTEN) != 0U) {
          const HAL_StatusTypeDef status = wait_flag(PWR->VOSR, PWR_VOSR_BOOSTRDY, true, EPOD_TIMEOUT_VALUE);
          if (status != HAL_OK) {
            return status;
          }
        }
      }
      if (READ_BIT(RCC->CR, RCC_CR_PLL1RDY) == 0U) {
        return HAL_ERROR;
      }
    } else if (source == RCC_SYSCLKSOURCE_HSE) {
      if (READ_BIT(RCC->CR, RCC_CR_HSERDY) == 0U) {
        return HAL_ERROR;
      }
    } else if (source == RCC_SYSCLKSOURCE_MSI) {
      if (READ_BIT(RCC->CR, RCC_CR_MSISRDY) == 0U) {
        return HAL_ERROR;
      }
    } else if (source == RCC_SYSCLKSOURCE_HSI) {
      if (READ_BIT(RCC->CR, RCC_CR_HSIRDY) == 0U) {
        return HAL_ERROR;
      }
    } else {
      return HAL_ERROR;  // no such source: SW has two bits
    }

    __HAL_RCC_SYSCLK_CONFIG(source);
    const uint32_t tickstart = HAL_GetTick();
    while (__HAL_RCC_GET_SYSCLK_SOURCE() != (source << RCC_CFGR1_SWS_Pos)) {
      if ((HAL_GetTick() - tickstart) > CLOCKSWITCH_TIMEOUT_VALUE) {
        return HAL_TIMEOUT;
      }
    }
  }

  apb_divider_if((type & RCC_CLOCKTYPE_HCLK) != 0U, clk.AHBCLKDivider, false, RCC->CFGR2, RCC_CFGR2_HPRE, 0U);
  if ((FLatency < flash_latency()) && (flash_set_latency(FLatency) != HAL_OK)) {
    return HAL_ERROR;
  }
  apb_divider_if((type & RCC_CLOCKTYPE_PCLK1) != 0U, clk.APB1CLKDivider, false, RCC->CFGR2, RCC_CFGR2_PPRE1, 0U);
  apb_divider_if((type & RCC_CLOCKTYPE_PCLK2) != 0U, clk.APB2CLKDivider, false, RCC->CFGR2, RCC_CFGR2_PPRE2, 4U);
  apb_divider_if((type & RCC_CLOCKTYPE_PCLK3) != 0U, clk.APB3CLKDivider, false, RCC->CFGR3, RCC_CFGR3_PPRE3, 0U);

  const uint32_t sysclk = HAL_RCC_GetSysClockFreq();
  SystemCoreClock = sysclk >> AHBPrescTable[READ_BIT(RCC->CFGR2, RCC_CFGR2_HPRE) >> RCC_CFGR2_HPRE_Pos];
  return HAL_InitTick(uwTickPrio);
}

HAL_StatusTypeDef HAL_RCC_DeInit(void) {
  // MSIS first: it is the clock everything falls back to.
  SET_BIT(RCC->CR, RCC_CR_MSISON);
  HAL_StatusTypeDef status = wait_flag(RCC->CR, RCC_CR_MSISRDY, true, MSI_TIMEOUT_VALUE);
  if (status != HAL_OK) {
    return status;
  }
  MODIFY_REG(RCC->ICSCR1, RCC_ICSCR1_MSISRANGE, RCC_MSIRANGE_4);
  WRITE_REG(RCC->ICSCR2, 0x00084210U);  // every MSI trim field at 0x10
  MODIFY_REG(RCC->ICSCR1, RCC_ICSCR1_MSIKRANGE, RCC_MSIKRANGE_4);
  CLEAR_BIT(RCC->ICSCR1, RCC_ICSCR1_MSIRGSEL);

  const uint32_t tickstart = HAL_GetTick();
  WRITE_REG(RCC->CFGR1, 0U);
  WRITE_REG(RCC->CFGR2, 0U);
  while (__HAL_RCC_GET_SYSCLK_SOURCE() != RCC_SYSCLKSOURCE_STATUS_MSI) {
    if ((HAL_GetTick() - tickstart) > CLOCKSWITCH_TIMEOUT_VALUE) {
      return HAL_TIMEOUT;
    }
  }

  // Every oscillator but MSIS, in one write; MSISON and MSIPLLEN stay as they are.
  constexpr uint32_t kStopped = RCC_CR_MSIKERON | RCC_CR_MSIKON | RCC_CR_MSIPLLSEL | RCC_CR_MSIPLLFAST |
                                RCC_CR_HSION | RCC_CR_HSIKERON | RCC_CR_HSI48ON | RCC_CR_SHSION | RCC_CR_HSEON |
                                RCC_CR_CSSON | RCC_CR_PLL1ON | RCC_CR_PLL2ON | RCC_CR_PLL3ON;
  static_assert(~kStopped == 0xEAF6AC2DU);
  CLEAR_BIT(RCC->CR, kStopped);
  CLEAR_BIT(RCC->CR, RCC_CR_HSEBYP | RCC_CR_HSEEXT);  // only once HSE is off

  CLEAR_BIT(RCC->CR, RCC_CR_PLL1ON);
  status = wait_flag(RCC->CR, RCC_CR_PLL1RDY, false, PLL_TIMEOUT_VALUE);
  if (status != HAL_OK) {
    return status;
  }
  CLEAR_BIT(RCC->CR, RCC_CR_PLL2ON);
  status = wait_flag(RCC->CR, RCC_CR_PLL2RDY, false, PLL_TIMEOUT_VALUE);
  if (status != HAL_OK) {
    return status;
  }
  CLEAR_BIT(RCC->CR, RCC_CR_PLL3ON);
  status = wait_flag(RCC->CR, RCC_CR_PLL3RDY, false, PLL_TIMEOUT_VALUE);
  if (status != HAL_OK) {
    return status;
  }

  constexpr uint32_t kPllDivrReset = 0x01010280U;  // N x129, P, Q, R each /2
  WRITE_REG(RCC->PLL1CFGR, 0U);
  WRITE_REG(RCC->PLL1DIVR, kPllDivrReset);
  WRITE_REG(RCC->PLL1FRACR, 0U);
  WRITE_REG(RCC->PLL2CFGR, 0U);
  WRITE_REG(RCC->PLL2DIVR, kPllDivrReset);
  WRITE_REG(RCC->PLL2FRACR, 0U);
  WRITE_REG(RCC->PLL3CFGR, 0U);
  WRITE_REG(RCC->PLL3DIVR, kPllDivrReset);
  WRITE_REG(RCC->PLL3FRACR, 0U);

  WRITE_REG(RCC->CIER, 0U);
  WRITE_REG(RCC->CICR, 0xFFFFFFFFU);
  SET_BIT(RCC->CSR, RCC_CSR_RMVF);

  SystemCoreClock = MSI_VALUE;

  if (flash_set_latency(FLASH_LATENCY_0) != HAL_OK) {
    return HAL_ERROR;
  }
  return HAL_InitTick(TICK_INT_PRIORITY);
}

uint32_t HAL_RCC_GetSysClockFreq(void) {
  uint32_t msirange = 0U;
  uint32_t sysclockfreq = 0U;
  const uint32_t sysclk_source = __HAL_RCC_GET_SYSCLK_SOURCE();
  const uint32_t pll_oscsource = __HAL_RCC_GET_PLL_OSCSOURCE();

  if ((sysclk_source == RCC_SYSCLKSOURCE_STATUS_MSI) ||
      ((sysclk_source == RCC_SYSCLKSOURCE_STATUS_PLLCLK) && (pll_oscsource == RCC_PLLSOURCE_MSI))) {
    msirange = MSIRangeTable[msis_range_index()];
    if (sysclk_source == RCC_SYSCLKSOURCE_STATUS_MSI) {
      sysclockfreq = msirange;
    }
  } else if (sysclk_source == RCC_SYSCLKSOURCE_STATUS_HSI) {
    sysclockfreq = HSI_VALUE;
  } else if (sysclk_source == RCC_SYSCLKSOURCE_STATUS_HSE) {
    sysclockfreq = HSE_VALUE;
  }

  if (sysclk_source == RCC_SYSCLKSOURCE_STATUS_PLLCLK) {
    const uint32_t cfgr = READ_REG(RCC->PLL1CFGR);
    const uint32_t fracr = READ_REG(RCC->PLL1FRACR);
    const uint32_t divr = READ_REG(RCC->PLL1DIVR);
    float input;
    switch (pll_oscsource) {
      case RCC_PLLSOURCE_HSI:
        input = static_cast<float>(HSI_VALUE);
        break;
      case RCC_PLLSOURCE_HSE:
        input = static_cast<float>(HSE_VALUE);
        break;
      default:  // MSI, and no source at all, where msirange stayed 0
        input = static_cast<float>(msirange);
        break;
    }
    sysclockfreq = pll_output(pll_vco(input, cfgr, divr, fracr), divr, RCC_PLL1DIVR_PLL1R, RCC_PLL1DIVR_PLL1R_Pos);
  }
  return sysclockfreq;
}

uint32_t HAL_RCC_GetHCLKFreq(void) {
  const uint32_t sysclk = HAL_RCC_GetSysClockFreq();
  SystemCoreClock = sysclk >> AHBPrescTable[READ_BIT(RCC->CFGR2, RCC_CFGR2_HPRE) >> RCC_CFGR2_HPRE_Pos];
  return SystemCoreClock;
}

uint32_t HAL_RCC_GetPCLK1Freq(void) {
  const uint32_t hclk = HAL_RCC_GetHCLKFreq();
  return hclk >> APBPrescTable[READ_BIT(RCC->CFGR2, RCC_CFGR2_PPRE1) >> RCC_CFGR2_PPRE1_Pos];
}

uint32_t HAL_RCC_GetPCLK2Freq(void) {
  const uint32_t hclk = HAL_RCC_GetHCLKFreq();
  return hclk >> APBPrescTable[READ_BIT(RCC->CFGR2, RCC_CFGR2_PPRE2) >> RCC_CFGR2_PPRE2_Pos];
}

uint32_t HAL_RCC_GetPCLK3Freq(void) {
  const uint32_t hclk = HAL_RCC_GetHCLKFreq();
  return hclk >> APBPrescTable[READ_BIT(RCC->CFGR3, RCC_CFGR3_PPRE3) >> RCC_CFGR3_PPRE3_Pos];
}

}  // extern "C"

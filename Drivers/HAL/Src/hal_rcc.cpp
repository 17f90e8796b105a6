// Clock driver: frequency queries and the globals they own.
#include "hal_rcc.h"

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

}  // namespace

extern "C" {

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
    // Single-precision arithmetic, truncated at the end: the FPU of the core does this cheaply
    // and the fractional multiplier needs it.
    const uint32_t pllm = (READ_BIT(RCC->PLL1CFGR, RCC_PLL1CFGR_PLL1M) >> RCC_PLL1CFGR_PLL1M_Pos) + 1U;
    const uint32_t pllfracen = READ_BIT(RCC->PLL1CFGR, RCC_PLL1CFGR_PLL1FRACEN) >> RCC_PLL1CFGR_PLL1FRACEN_Pos;
    const float fracn1 = static_cast<float>(
        pllfracen * (READ_BIT(RCC->PLL1FRACR, RCC_PLL1FRACR_PLL1FRACN) >> RCC_PLL1FRACR_PLL1FRACN_Pos));
    const uint32_t plln = READ_BIT(RCC->PLL1DIVR, RCC_PLL1DIVR_PLL1N);
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
    const float pllvco =
        (input / static_cast<float>(pllm)) * (static_cast<float>(plln) + (fracn1 / 8192.0f) + 1.0f);
    const uint32_t pllr = (READ_BIT(RCC->PLL1DIVR, RCC_PLL1DIVR_PLL1R) >> RCC_PLL1DIVR_PLL1R_Pos) + 1U;
    sysclockfreq = static_cast<uint32_t>(pllvco / static_cast<float>(pllr));
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

// Early system set-up, run by the reset handler before .data and .bss exist: registers only.
#include "device.h"

namespace {

// Coprocessors CP10 and CP11 (the FPU) at full access.
constexpr uint32_t kCpacrFpuFullAccess = (3U << (10U * 2U)) | (3U << (11U * 2U));
constexpr uint32_t kVectTabOffset = 0x00000000U;

}  // namespace

extern "C" void SystemInit(void) {
  // The compiler uses the FPU anywhere (hard-float ABI): it must be reachable before any C++ code.
  SCB->CPACR |= kCpacrFpuFullAccess;

  // Back to the reset clock tree whatever ran before: MSIS alone, no divider, no PLL, no HSE.
  RCC->CR = RCC_CR_MSISON;
  RCC->CFGR1 = 0U;
  RCC->CFGR2 = 0U;
  RCC->CFGR3 = 0U;
  RCC->CR &= ~(RCC_CR_HSEON | RCC_CR_CSSON | RCC_CR_PLL1ON | RCC_CR_PLL2ON | RCC_CR_PLL3ON);
  RCC->PLL1CFGR = 0U;
  RCC->CR &= ~RCC_CR_HSEBYP;
  RCC->CIER = 0U;

  SCB->VTOR = FLASH_BASE | kVectTabOffset;
}

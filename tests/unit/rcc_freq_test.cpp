// Frequency answers of the clock driver, checked against hand-computed values and against the
// board model's own (integer) clock tree wherever the two must agree.
#include <gtest/gtest.h>

#include <cstddef>

#include "firmware_fixture.h"
#include "rcc_registers.h"

namespace ovrimo::test {
namespace {

constexpr uint32_t kPwrDbpr = PWR_BASE_NS + static_cast<uint32_t>(offsetof(PWR_TypeDef, DBPR));

constexpr uint32_t divr(uint32_t n, uint32_t p, uint32_t q, uint32_t r) {
  return (n - 1U) | ((p - 1U) << 9) | ((q - 1U) << 16) | ((r - 1U) << 24);
}

// Registers are set straight on the model (no firmware time passes); only the queries run as
// firmware.
class ClockQueries : public FirmwareTest {
 protected:
  ClockQueries() { SystemCoreClock = 1U; }

  void settle() { board.time().advance(5 * kMillisecond); }
  uint32_t kernel(uint64_t periph) { return HAL_RCCEx_GetPeriphCLKFreq(periph); }
};

TEST_F(ClockQueries, MsisRangeComesFromTheStandbyRangeUntilMsirgselIsSet) {
  EXPECT_EQ(HAL_RCC_GetSysClockFreq(), 4'000'000U);  // reset: CSR range 4, ICSCR1 range 4
  write32(kCsr, (8U << RCC_CSR_MSISSRANGE_Pos) | (4U << RCC_CSR_MSIKSRANGE_Pos));
  write32(kIcscr1, RCC_MSIRANGE_2 | RCC_MSIKRANGE_4);
  EXPECT_EQ(HAL_RCC_GetSysClockFreq(), 3'072'000U);
  EXPECT_EQ(board.rcc().sysclk_hz(), 3'072'000U);

  set_bits(kIcscr1, RCC_ICSCR1_MSIRGSEL);
  settle();
  EXPECT_EQ(HAL_RCC_GetSysClockFreq(), 16'000'000U);
  EXPECT_EQ(board.rcc().sysclk_hz(), 16'000'000U);
  EXPECT_EQ(HAL_RCC_GetHCLKFreq(), 16'000'000U);
  EXPECT_EQ(SystemCoreClock, 16'000'000U);
}

TEST_F(ClockQueries, HsiHseAndPll1SystemClocks) {
  set_bits(kCr, RCC_CR_HSION | RCC_CR_HSEON);
  settle();
  write32(kCfgr1, RCC_SYSCLKSOURCE_HSI);
  settle();
  EXPECT_EQ(HAL_RCC_GetSysClockFreq(), HSI_VALUE);
  write32(kCfgr1, RCC_SYSCLKSOURCE_HSE);
  settle();
  EXPECT_EQ(HAL_RCC_GetSysClockFreq(), HSE_VALUE);

  // 16 MHz / 2 x (20 + 4096/8192) / 2 = 82 MHz.
  write32(kPll1Cfgr, RCC_PLLSOURCE_HSE | (1U << RCC_PLL1CFGR_PLL1M_Pos) | RCC_PLL1CFGR_PLL1FRACEN | RCC_PLL1CFGR_PLL1REN);
  write32(kPll1Divr, divr(20, 2, 2, 2));
  write32(kPll1Fracr, 4096U << RCC_PLL1FRACR_PLL1FRACN_Pos);
  set_bits(kCr, RCC_CR_PLL1ON);
  settle();
  write32(kCfgr1, RCC_SYSCLKSOURCE_PLLCLK);
  settle();
  ASSERT_EQ(board.bus().read(kCfgr1, 4) & RCC_CFGR1_SWS, RCC_SYSCLKSOURCE_STATUS_PLLCLK);
  EXPECT_EQ(HAL_RCC_GetSysClockFreq(), 82'000'000U);
  EXPECT_EQ(board.rcc().sysclk_hz(), 82'000'000U);

  // The smallest fraction: 8 MHz x 20.0001220703125 / 2 = 80 000 488.28, truncated.
  write32(kPll1Fracr, 1U << RCC_PLL1FRACR_PLL1FRACN_Pos);
  EXPECT_EQ(HAL_RCC_GetSysClockFreq(), 80'000'488U);
  // Without the fractional enable the fraction does not count.
  write32(kPll1Cfgr, board.bus().read(kPll1Cfgr, 4) & ~RCC_PLL1CFGR_PLL1FRACEN);
  EXPECT_EQ(HAL_RCC_GetSysClockFreq(), 80'000'000U);
  EXPECT_EQ(board.rcc().sysclk_hz(), 80'000'000U);
}

TEST_F(ClockQueries, PllOutputsInSinglePrecisionAndZeroWhenDisabled) {
  // PLL1 with no source is computed from MSIS (4 MHz): VCO 48 MHz.
  write32(kPll1Cfgr, RCC_PLL1CFGR_PLL1PEN | RCC_PLL1CFGR_PLL1QEN);
  write32(kPll1Divr, divr(12, 2, 4, 2));
  PLL1_ClocksTypeDef pll1{1, 1, 1};
  HAL_RCCEx_GetPLL1ClockFreq(&pll1);
  EXPECT_EQ(pll1.PLL1_P_Frequency, 24'000'000U);
  EXPECT_EQ(pll1.PLL1_Q_Frequency, 12'000'000U);
  EXPECT_EQ(pll1.PLL1_R_Frequency, 0U);

  // 16 MHz / 4 x (30 + 2048/8192) = 121 MHz. Q = 121 MHz / 3 = 40 333 333.3 exactly, but
  // 40 333 332 in single precision: the driver's arithmetic is the FPU's.
  write32(kPll2Cfgr, RCC_PLLSOURCE_HSI | (3U << RCC_PLL2CFGR_PLL2M_Pos) | RCC_PLL2CFGR_PLL2FRACEN |
                       RCC_PLL2CFGR_PLL2PEN | RCC_PLL2CFGR_PLL2QEN | RCC_PLL2CFGR_PLL2REN);
  write32(kPll2Divr, divr(30, 2, 3, 5));
  write32(kPll2Fracr, 2048U << RCC_PLL2FRACR_PLL2FRACN_Pos);
  PLL2_ClocksTypeDef pll2{};
  HAL_RCCEx_GetPLL2ClockFreq(&pll2);
  EXPECT_EQ(pll2.PLL2_P_Frequency, 60'500'000U);
  EXPECT_EQ(pll2.PLL2_Q_Frequency, 40'333'332U);
  EXPECT_EQ(pll2.PLL2_R_Frequency, 24'200'000U);

  // A fraction without its enable is ignored.
  write32(kPll3Cfgr, RCC_PLLSOURCE_HSE | RCC_PLL3CFGR_PLL3REN);
  write32(kPll3Divr, divr(10, 2, 2, 4));
  write32(kPll3Fracr, 4096U << RCC_PLL3FRACR_PLL3FRACN_Pos);
  PLL3_ClocksTypeDef pll3{};
  HAL_RCCEx_GetPLL3ClockFreq(&pll3);
  EXPECT_EQ(pll3.PLL3_R_Frequency, 40'000'000U);
  EXPECT_EQ(pll3.PLL3_P_Frequency, 0U);
}

TEST_F(ClockQueries, BusPrescalersAndTheSystemCoreClockTheyRefresh) {
  const uint32_t cfgr2 = board.bus().read(kCfgr2, 4);
  write32(kCfgr2, cfgr2 | RCC_SYSCLK_DIV16);
  EXPECT_EQ(HAL_RCC_GetHCLKFreq(), 250'000U);
  write32(kCfgr2, cfgr2 | RCC_SYSCLK_DIV64);  // the code after /16 divides by 64: there is no /32
  EXPECT_EQ(HAL_RCC_GetHCLKFreq(), 62'500U);
  EXPECT_EQ(board.rcc().hclk_hz(), 62'500U);

  write32(kCfgr2, cfgr2 | RCC_SYSCLK_DIV2 | RCC_HCLK_DIV4 | (RCC_HCLK_DIV16 << 4));
  write32(kCfgr3, RCC_HCLK_DIV2);
  SystemCoreClock = 1U;
  EXPECT_EQ(HAL_RCC_GetPCLK1Freq(), 500'000U);
  EXPECT_EQ(SystemCoreClock, 2'000'000U);  // any bus query refreshes it
  EXPECT_EQ(HAL_RCC_GetPCLK2Freq(), 125'000U);
  EXPECT_EQ(HAL_RCC_GetPCLK3Freq(), 1'000'000U);
  EXPECT_EQ(board.rcc().pclk1_hz(), 500'000U);
  EXPECT_EQ(board.rcc().pclk2_hz(), 125'000U);
  EXPECT_EQ(board.rcc().pclk3_hz(), 1'000'000U);
}

TEST_F(ClockQueries, KernelClocksFollowTheirSelectorAndTheSourcesReadiness) {
  // The UART's question, as the board runs.
  EXPECT_EQ(kernel(RCC_PERIPHCLK_USART2), 4'000'000U);
  EXPECT_EQ(SystemCoreClock, 4'000'000U);
  EXPECT_EQ(kernel(RCC_PERIPHCLK_USART2), board.rcc().usart_kernel_hz(0x40004400U));

  // Not exactly one peripheral: no answer.
  EXPECT_EQ(kernel(RCC_PERIPHCLK_USART1 | RCC_PERIPHCLK_USART2), 0U);
  EXPECT_EQ(kernel(0U), 0U);
  EXPECT_EQ(kernel(0x20000000ULL), 0U);
  EXPECT_EQ(kernel(1ULL << 40), 0U);

  // Oscillator sources count only while ready.
  write32(kCcipr1, RCC_USART2CLKSOURCE_HSI | RCC_LPTIM2CLKSOURCE_LSE | RCC_ICLK_CLKSOURCE_HSI48);
  EXPECT_EQ(kernel(RCC_PERIPHCLK_USART2), 0U);
  EXPECT_EQ(kernel(RCC_PERIPHCLK_LPTIM2), 0U);
  EXPECT_EQ(kernel(RCC_PERIPHCLK_ICLK), 0U);
  EXPECT_EQ(kernel(RCC_PERIPHCLK_SDMMC), 0U);  // CLK48 is the ICLK selection
  set_bits(kCr, RCC_CR_HSION | RCC_CR_HSI48ON);
  settle();
  EXPECT_EQ(kernel(RCC_PERIPHCLK_USART2), 16'000'000U);
  EXPECT_EQ(kernel(RCC_PERIPHCLK_ICLK), 48'000'000U);
  EXPECT_EQ(kernel(RCC_PERIPHCLK_SDMMC), 48'000'000U);

  // MSIK from the standby range, then from ICSCR1; a selector value naming nothing gives 0.
  write32(kCcipr3, RCC_LPUART1CLKSOURCE_MSIK);
  EXPECT_EQ(kernel(RCC_PERIPHCLK_LPUART1), 4'000'000U);
  write32(kIcscr1, RCC_ICSCR1_MSIRGSEL | RCC_MSIRANGE_4 | RCC_MSIKRANGE_1);
  settle();
  EXPECT_EQ(kernel(RCC_PERIPHCLK_LPUART1), 24'000'000U);
  EXPECT_EQ(kernel(RCC_PERIPHCLK_LPUART1), board.rcc().usart_kernel_hz(0x46002400U));
  write32(kCcipr3, 5U);
  EXPECT_EQ(kernel(RCC_PERIPHCLK_LPUART1), 0U);

  // Divided oscillators, the audio pin, a disabled PLL output.
  write32(kCcipr2, RCC_RNGCLKSOURCE_HSI48_DIV2 | RCC_SAI1CLKSOURCE_PIN | RCC_SAI2CLKSOURCE_PLL1);
  EXPECT_EQ(kernel(RCC_PERIPHCLK_RNG), 24'000'000U);
  EXPECT_EQ(kernel(RCC_PERIPHCLK_SAI1), EXTERNAL_SAI1_CLOCK_VALUE);
  EXPECT_EQ(kernel(RCC_PERIPHCLK_SAI2), 0U);

  // The SAES kernel clock is the secure HSI: its own ready flag decides, not the HSI's.
  write32(kCcipr2, RCC_SAESCLKSOURCE_SHSI);
  EXPECT_EQ(kernel(RCC_PERIPHCLK_SAES), 0U);  // HSI runs, SHSI does not
  set_bits(kCr, RCC_CR_SHSION);
  write32(kCr, board.bus().read(kCr, 4) & ~RCC_CR_HSION);
  settle();
  EXPECT_EQ(kernel(RCC_PERIPHCLK_SAES), 16'000'000U);
  write32(kCcipr2, RCC_SAESCLKSOURCE_SHSI_DIV2);
  EXPECT_EQ(kernel(RCC_PERIPHCLK_SAES), 8'000'000U);

  // Backup-domain clocks: HSE / 32 for the RTC, LSI with and without its /128.
  write32(kAhb3Enr, board.bus().read(kAhb3Enr, 4) | RCC_AHB3ENR_PWREN);
  write32(kPwrDbpr, PWR_DBPR_DBP);
  write32(kBdcr, RCC_RTCCLKSOURCE_HSE_DIV32 | RCC_BDCR_LSION);
  write32(kCcipr3, RCC_DAC1CLKSOURCE_LSI);
  EXPECT_EQ(kernel(RCC_PERIPHCLK_RTC), 0U);  // HSE off
  EXPECT_EQ(kernel(RCC_PERIPHCLK_DAC1), 0U);  // LSI not ready yet
  set_bits(kCr, RCC_CR_HSEON);
  settle();
  EXPECT_EQ(kernel(RCC_PERIPHCLK_RTC), 500'000U);
  EXPECT_EQ(kernel(RCC_PERIPHCLK_DAC1), 32'000U);
  set_bits(kBdcr, RCC_BDCR_LSIPREDIV);
  EXPECT_EQ(kernel(RCC_PERIPHCLK_DAC1), 250U);
}

}  // namespace
}  // namespace ovrimo::test

// Kernel-clock selection: which selector fields a request writes and in what order, what a failing
// PLL start does to the rest of the request, the auxiliary PLLs it starts, and the backup-domain
// reset that changing the RTC clock costs.
#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "firmware_fixture.h"
#include "rcc_registers.h"

namespace ovrimo::test {
namespace {

struct Field {
  const char* name;
  uint32_t address;
  uint32_t mask;
};

// Every field a kernel-clock request may change, to name the changes a store makes.
const std::vector<Field> kFields = {
    {"USART1", kCcipr1, RCC_CCIPR1_USART1SEL},   {"USART2", kCcipr1, RCC_CCIPR1_USART2SEL},
    {"USART3", kCcipr1, RCC_CCIPR1_USART3SEL},   {"UART4", kCcipr1, RCC_CCIPR1_UART4SEL},
    {"UART5", kCcipr1, RCC_CCIPR1_UART5SEL},     {"I2C1", kCcipr1, RCC_CCIPR1_I2C1SEL},
    {"I2C2", kCcipr1, RCC_CCIPR1_I2C2SEL},       {"I2C4", kCcipr1, RCC_CCIPR1_I2C4SEL},
    {"SPI2", kCcipr1, RCC_CCIPR1_SPI2SEL},       {"LPTIM2", kCcipr1, RCC_CCIPR1_LPTIM2SEL},
    {"SPI1", kCcipr1, RCC_CCIPR1_SPI1SEL},       {"FDCAN1", kCcipr1, RCC_CCIPR1_FDCANSEL},
    {"ICLK", kCcipr1, RCC_CCIPR1_ICLKSEL},       {"MDF1", kCcipr2, RCC_CCIPR2_MDF1SEL},
    {"SAI1", kCcipr2, RCC_CCIPR2_SAI1SEL},       {"SAI2", kCcipr2, RCC_CCIPR2_SAI2SEL},
    {"SAES", kCcipr2, RCC_CCIPR2_SAESSEL},       {"RNG", kCcipr2, RCC_CCIPR2_RNGSEL},
    {"SDMMC", kCcipr2, RCC_CCIPR2_SDMMCSEL},     {"OSPI", kCcipr2, RCC_CCIPR2_OCTOSPISEL},
    {"LPUART1", kCcipr3, RCC_CCIPR3_LPUART1SEL}, {"SPI3", kCcipr3, RCC_CCIPR3_SPI3SEL},
    {"I2C3", kCcipr3, RCC_CCIPR3_I2C3SEL},       {"LPTIM34", kCcipr3, RCC_CCIPR3_LPTIM34SEL},
    {"LPTIM1", kCcipr3, RCC_CCIPR3_LPTIM1SEL},   {"ADCDAC", kCcipr3, RCC_CCIPR3_ADCDACSEL},
    {"DAC1", kCcipr3, RCC_CCIPR3_DAC1SEL},       {"ADF1", kCcipr3, RCC_CCIPR3_ADF1SEL},
    {"RTC", kBdcr, RCC_BDCR_RTCSEL},             {"PLL1P", kPll1Cfgr, RCC_PLL1CFGR_PLL1PEN},
    {"PLL1Q", kPll1Cfgr, RCC_PLL1CFGR_PLL1QEN},
};

class KernelClocks : public FirmwareTest {
 protected:
  KernelClocks() {
    binding.set_time_limit(board.now() + 60 * ovrimo::model::kSecond);
    EXPECT_EQ(HAL_Init(), HAL_OK);
    SystemClock_Config();
  }

  uint32_t rcc(const char* name) { return board.rcc().reg(name); }

  // Names of the fields in the order the firmware's stores changed them.
  void record() {
    changes_.clear();
    stores_.clear();
    for (uint32_t address : {kPll1Cfgr, kCcipr1, kCcipr2, kCcipr3, kBdcr})
      last_[address] = board.bus().read(address, 4);
    board.bus().set_observer([this](const BusAccess& a) {
      if (!a.is_write) return;
      stores_.push_back(a);
      auto last = last_.find(a.address);
      if (last == last_.end()) return;
      const uint32_t changed = last->second ^ a.value;
      last->second = a.value;
      for (const Field& f : kFields)
        if (f.address == a.address && (changed & f.mask) != 0U) changes_.push_back(f.name);
    });
  }
  int stores_with(uint32_t address, uint32_t bits) const {
    int n = 0;
    for (const BusAccess& a : stores_) n += (a.address == address && (a.value & bits) == bits) ? 1 : 0;
    return n;
  }

  static RCC_PLL2InitTypeDef pll2_from_msi(uint32_t outputs) {
    RCC_PLL2InitTypeDef pll{};
    pll.PLL2Source = RCC_PLLSOURCE_MSI;
    pll.PLL2M = 1;
    pll.PLL2N = 12;  // 48 MHz VCO from 4 MHz
    pll.PLL2P = 2;
    pll.PLL2Q = 3;
    pll.PLL2R = 4;
    pll.PLL2RGE = RCC_PLLVCIRANGE_0;
    pll.PLL2ClockOut = outputs;
    return pll;
  }

  std::map<uint32_t, uint32_t> last_;
  std::vector<std::string> changes_;
  std::vector<BusAccess> stores_;
};

TEST_F(KernelClocks, TheBoardsUsart2RequestTouchesOnlyItsOwnSelector) {
  const uint32_t others = RCC_USART1CLKSOURCE_LSE | RCC_SPI1CLKSOURCE_HSI | RCC_ICLK_CLKSOURCE_MSIK;
  board.bus().write(kCcipr1, others, 4);
  RCC_PeriphCLKInitTypeDef request{};
  request.PeriphClockSelection = RCC_PERIPHCLK_USART2;
  request.Usart2ClockSelection = RCC_USART2CLKSOURCE_SYSCLK;
  request.Usart1ClockSelection = RCC_USART1CLKSOURCE_HSI;  // not requested: ignored
  request.Sai1ClockSelection = 0x7FU;
  record();
  EXPECT_EQ(HAL_RCCEx_PeriphCLKConfig(&request), HAL_OK);
  ASSERT_EQ(stores_.size(), 1U);
  EXPECT_EQ(stores_[0].address, kCcipr1);
  EXPECT_EQ(rcc("CCIPR1"), others | RCC_USART2CLKSOURCE_SYSCLK);

  request.Usart2ClockSelection = RCC_USART2CLKSOURCE_PCLK1;  // what the UART set-up asks for
  EXPECT_EQ(HAL_RCCEx_PeriphCLKConfig(&request), HAL_OK);
  EXPECT_EQ(rcc("CCIPR1"), others);
  EXPECT_EQ(rcc("CCIPR2"), 0U);
  EXPECT_EQ(rcc("CCIPR3"), 0U);
  EXPECT_EQ(HAL_RCCEx_GetPeriphCLKFreq(RCC_PERIPHCLK_USART2), 4'000'000U);

  EXPECT_EQ(HAL_RCCEx_PeriphCLKConfig(nullptr), HAL_ERROR);
}

TEST_F(KernelClocks, SelectorsAreVisitedInTheirFixedOrderWithTheirSourceActionsFirst) {
  RCC_PeriphCLKInitTypeDef r{};
  r.PeriphClockSelection = RCC_PERIPHCLK_DAC1 | RCC_PERIPHCLK_FDCAN1 | RCC_PERIPHCLK_OSPI | RCC_PERIPHCLK_SPI3 |
                           RCC_PERIPHCLK_SDMMC | RCC_PERIPHCLK_SAES | RCC_PERIPHCLK_RNG | RCC_PERIPHCLK_ICLK |
                           RCC_PERIPHCLK_RTC | RCC_PERIPHCLK_ADCDAC | RCC_PERIPHCLK_SAI1 | RCC_PERIPHCLK_LPTIM1 |
                           RCC_PERIPHCLK_I2C4 | RCC_PERIPHCLK_LPUART1 | RCC_PERIPHCLK_USART1;
  r.Usart1ClockSelection = RCC_USART1CLKSOURCE_SYSCLK;
  r.Lpuart1ClockSelection = RCC_LPUART1CLKSOURCE_HSI;
  r.I2c4ClockSelection = RCC_I2C4CLKSOURCE_HSI;
  r.Lptim1ClockSelection = RCC_LPTIM1CLKSOURCE_LSI;
  r.Sai1ClockSelection = RCC_SAI1CLKSOURCE_PLL1;
  r.AdcDacClockSelection = RCC_ADCDACCLKSOURCE_HSI;
  r.RTCClockSelection = RCC_RTCCLKSOURCE_LSI;
  r.IclkClockSelection = RCC_ICLK_CLKSOURCE_PLL1;
  r.RngClockSelection = RCC_RNGCLKSOURCE_HSI;
  r.SaesClockSelection = RCC_SAESCLKSOURCE_SHSI_DIV2;
  r.SdmmcClockSelection = RCC_SDMMCCLKSOURCE_PLL1;
  r.Spi3ClockSelection = RCC_SPI3CLKSOURCE_MSIK;
  r.OspiClockSelection = RCC_OSPICLKSOURCE_MSIK;
  r.Fdcan1ClockSelection = RCC_FDCAN1CLKSOURCE_PLL1;
  r.Dac1ClockSelection = RCC_DAC1CLKSOURCE_LSI;
  record();
  ASSERT_EQ(HAL_RCCEx_PeriphCLKConfig(&r), HAL_OK);
  // SDMMC and FDCAN1 need PLL1 outputs that SAI1 and ICLK already enabled.
  const std::vector<std::string> expected = {"USART1", "LPUART1", "I2C4",  "LPTIM1", "PLL1P", "SAI1",
                                             "ADCDAC", "RTC",     "PLL1Q", "ICLK",   "RNG",   "SAES",
                                             "SDMMC",  "SPI3",    "OSPI",  "FDCAN1", "DAC1"};
  EXPECT_EQ(changes_, expected);
  EXPECT_EQ(rcc("CCIPR2") & RCC_CCIPR2_SAI1SEL, RCC_SAI1CLKSOURCE_PLL1);
  EXPECT_EQ(rcc("BDCR") & RCC_BDCR_RTCSEL, RCC_RTCCLKSOURCE_LSI);
  EXPECT_EQ(rcc("CCIPR1") & RCC_CCIPR1_FDCANSEL, RCC_FDCAN1CLKSOURCE_PLL1);
}

TEST_F(KernelClocks, AFailedPllStartSkipsEveryLaterCheckedSelectorButNotThePlainOnes) {
  RCC_PeriphCLKInitTypeDef r{};
  r.PeriphClockSelection = RCC_PERIPHCLK_SAI1;
  r.Sai1ClockSelection = RCC_SAI1CLKSOURCE_HSI;
  ASSERT_EQ(HAL_RCCEx_PeriphCLKConfig(&r), HAL_OK);

  // PLL2 with no input never locks.
  r.PeriphClockSelection = RCC_PERIPHCLK_SAI1 | RCC_PERIPHCLK_SAI2 | RCC_PERIPHCLK_RNG | RCC_PERIPHCLK_SPI1;
  r.PLL2 = pll2_from_msi(RCC_PLL2_DIVP);
  r.PLL2.PLL2Source = RCC_PLLSOURCE_NONE;
  r.Sai1ClockSelection = RCC_SAI1CLKSOURCE_PLL2;
  r.Sai2ClockSelection = RCC_SAI2CLKSOURCE_PIN;      // needs no PLL, still skipped
  r.RngClockSelection = 0x3000U;                     // names no source: refused as well
  r.Spi1ClockSelection = RCC_SPI1CLKSOURCE_SYSCLK;   // plain selector: written
  const uint32_t ticks = uwTick;
  EXPECT_EQ(HAL_RCCEx_PeriphCLKConfig(&r), HAL_TIMEOUT);  // the first failure, not the last
  EXPECT_GE(uwTick - ticks, PLL2_TIMEOUT_VALUE + 1U);
  EXPECT_EQ(rcc("CCIPR2") & RCC_CCIPR2_SAI1SEL, RCC_SAI1CLKSOURCE_HSI);
  EXPECT_EQ(rcc("CCIPR2") & RCC_CCIPR2_SAI2SEL, 0U);
  EXPECT_EQ(rcc("CCIPR2") & RCC_CCIPR2_RNGSEL, 0U);
  EXPECT_EQ(rcc("CCIPR1") & RCC_CCIPR1_SPI1SEL, RCC_SPI1CLKSOURCE_SYSCLK);

  // A value outside its field is refused, not spilled into the neighbours.
  RCC_PeriphCLKInitTypeDef bad{};
  bad.PeriphClockSelection = RCC_PERIPHCLK_ICLK;
  bad.IclkClockSelection = 0x1U;
  record();
  EXPECT_EQ(HAL_RCCEx_PeriphCLKConfig(&bad), HAL_ERROR);
  EXPECT_TRUE(changes_.empty());
}

TEST_F(KernelClocks, AuxiliaryPllsKeepEveryOutputOnceEnabled) {
  RCC_PeriphCLKInitTypeDef r{};
  r.PeriphClockSelection = RCC_PERIPHCLK_ADCDAC;
  r.AdcDacClockSelection = RCC_ADCDACCLKSOURCE_PLL2;
  r.PLL2 = pll2_from_msi(RCC_PLL2_DIVR);
  ASSERT_EQ(HAL_RCCEx_PeriphCLKConfig(&r), HAL_OK);
  EXPECT_EQ(rcc("PLL2DIVR"), 0x0302020BU);  // N-1 = 11, P-1 = 1, Q-1 = 2, R-1 = 3
  EXPECT_NE(rcc("CR") & RCC_CR_PLL2RDY, 0U);
  EXPECT_EQ(HAL_RCCEx_GetPeriphCLKFreq(RCC_PERIPHCLK_ADCDAC), 12'000'000U);  // 48 MHz / 4

  r.PeriphClockSelection = RCC_PERIPHCLK_SAI1;
  r.Sai1ClockSelection = RCC_SAI1CLKSOURCE_PLL2;
  r.PLL2 = pll2_from_msi(RCC_PLL2_DIVP);
  ASSERT_EQ(HAL_RCCEx_PeriphCLKConfig(&r), HAL_OK);
  EXPECT_EQ(rcc("PLL2CFGR") & (RCC_PLL2CFGR_PLL2PEN | RCC_PLL2CFGR_PLL2QEN | RCC_PLL2CFGR_PLL2REN),
            RCC_PLL2CFGR_PLL2PEN | RCC_PLL2CFGR_PLL2REN);
  EXPECT_EQ(HAL_RCCEx_GetPeriphCLKFreq(RCC_PERIPHCLK_SAI1), 24'000'000U);
  EXPECT_EQ(HAL_RCCEx_GetPeriphCLKFreq(RCC_PERIPHCLK_ADCDAC), 12'000'000U);  // still running

  // PLL3 for the digital filter, from its Q output: 4 MHz x 10 / 5 = 8 MHz.
  r.PeriphClockSelection = RCC_PERIPHCLK_MDF1;
  r.Mdf1ClockSelection = RCC_MDF1CLKSOURCE_PLL3;
  r.PLL3 = RCC_PLL3InitTypeDef{RCC_PLLSOURCE_MSI, 1, 10, 2, 5, 2, RCC_PLLVCIRANGE_0, 0, RCC_PLL3_DIVQ};
  ASSERT_EQ(HAL_RCCEx_PeriphCLKConfig(&r), HAL_OK);
  EXPECT_EQ(rcc("CCIPR2") & RCC_CCIPR2_MDF1SEL, RCC_MDF1CLKSOURCE_PLL3);
  EXPECT_EQ(HAL_RCCEx_GetPeriphCLKFreq(RCC_PERIPHCLK_MDF1), 8'000'000U);
  EXPECT_EQ(board.rcc().pll_hz(3, ovrimo::model::Rcc::PllOutput::Q), 8'000'000U);
}

TEST_F(KernelClocks, OnlyAChangeOfAnAlreadySelectedRtcClockResetsTheBackupDomain) {
  // First choice, with the PWR clock off: no reset, and the PWR clock is off again afterwards.
  board.bus().write(kAhb3Enr, board.bus().read(kAhb3Enr, 4) & ~RCC_AHB3ENR_PWREN, 4);
  RCC_PeriphCLKInitTypeDef r{};
  r.PeriphClockSelection = RCC_PERIPHCLK_RTC;
  r.RTCClockSelection = RCC_RTCCLKSOURCE_LSE;
  record();
  ASSERT_EQ(HAL_RCCEx_PeriphCLKConfig(&r), HAL_OK);
  EXPECT_EQ(stores_with(kBdcr, RCC_BDCR_BDRST), 0);
  EXPECT_EQ(rcc("BDCR") & RCC_BDCR_RTCSEL, RCC_RTCCLKSOURCE_LSE);
  EXPECT_EQ(rcc("AHB3ENR") & RCC_AHB3ENR_PWREN, 0U);
  EXPECT_NE(board.pwr().reg("DBPR") & PWR_DBPR_DBP, 0U);

  // The same choice again: still no reset.
  record();
  ASSERT_EQ(HAL_RCCEx_PeriphCLKConfig(&r), HAL_OK);
  EXPECT_EQ(stores_with(kBdcr, RCC_BDCR_BDRST), 0);

  // With the LSE and LSI running, a change to the LSI resets the domain once and puts the
  // oscillator settings back; the LSE has to start again before the new choice is written.
  __HAL_RCC_PWR_CLK_ENABLE();
  RCC_OscInitTypeDef osc{};
  osc.OscillatorType = RCC_OSCILLATORTYPE_LSE | RCC_OSCILLATORTYPE_LSI;
  osc.LSEState = RCC_LSE_ON;
  osc.LSIState = RCC_LSI_ON;
  osc.LSIDiv = RCC_LSI_DIV128;
  ASSERT_EQ(HAL_RCC_OscConfig(&osc), HAL_OK);
  const uint32_t settings = RCC_BDCR_LSEON | RCC_BDCR_LSESYSEN | RCC_BDCR_LSION | RCC_BDCR_LSIPREDIV;
  ASSERT_EQ(rcc("BDCR") & settings, settings);

  r.RTCClockSelection = RCC_RTCCLKSOURCE_LSI;
  record();
  const Time start = board.now();
  ASSERT_EQ(HAL_RCCEx_PeriphCLKConfig(&r), HAL_OK);
  EXPECT_EQ(stores_with(kBdcr, RCC_BDCR_BDRST), 1);
  EXPECT_GE(board.now() - start, board.rcc().timing().lse_startup);
  EXPECT_EQ(rcc("BDCR") & RCC_BDCR_RTCSEL, RCC_RTCCLKSOURCE_LSI);
  EXPECT_EQ(rcc("BDCR") & (settings | RCC_BDCR_LSERDY), settings | RCC_BDCR_LSERDY);
  EXPECT_EQ(rcc("BDCR") & RCC_BDCR_BDRST, 0U);
  HAL_Delay(1);
  EXPECT_EQ(HAL_RCCEx_GetPeriphCLKFreq(RCC_PERIPHCLK_RTC), 250U);  // LSI / 128
}

}  // namespace
}  // namespace ovrimo::test

// The clock driver as an engineer bringing the board's clock up sees it: the register state the
// board set-up leaves, refusals that keep the clock running, wait limits measured in ticks, the
// order in which frequency-raising and -lowering writes reach the chip, and the return to the
// reset clock tree before the hand-off.
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "firmware_fixture.h"
#include "rcc_registers.h"

namespace ovrimo::test {
namespace {

using model::BoardConfig;

// One store the firmware made, with the tick count at that moment.
struct Store {
  uint32_t address;
  uint32_t value;
  uint32_t tick;
};

class ClockDriver : public FirmwareTest {
 protected:
  explicit ClockDriver(BoardConfig config = {}) : FirmwareTest(config) {
    SystemCoreClock = 1U;  // stale on purpose: the driver must compute it
    binding.set_time_limit(board.now() + 60 * ovrimo::model::kSecond);
    EXPECT_EQ(HAL_Init(), HAL_OK);  // the tick every wait is measured on
    __HAL_RCC_PWR_CLK_ENABLE();     // as the board hook does
  }

  uint32_t rcc(const char* name) { return board.rcc().reg(name); }

  void record() {
    stores_.clear();
    board.bus().set_observer([this](const BusAccess& a) {
      if (a.is_write) stores_.push_back({a.address, a.value, uwTick});
    });
  }
  // Index of the first recorded store to `address` for which `match` holds, or -1.
  template <typename Match>
  int first_store(uint32_t address, Match match) const {
    for (size_t i = 0; i < stores_.size(); ++i)
      if (stores_[i].address == address && match(stores_[i].value)) return static_cast<int>(i);
    return -1;
  }
  int stores_to(uint32_t address) const {
    int n = 0;
    for (const Store& s : stores_) n += (s.address == address) ? 1 : 0;
    return n;
  }

  // Returns just after a tick has been counted, so that a wait started now has a known phase.
  void align_to_tick() {
    const uint32_t t = HAL_GetTick();
    while (HAL_GetTick() == t) {
    }
  }

  static RCC_OscInitTypeDef msi_request(uint32_t range) {
    RCC_OscInitTypeDef osc{};
    osc.OscillatorType = RCC_OSCILLATORTYPE_MSI;
    osc.MSIState = RCC_MSI_ON;
    osc.MSICalibrationValue = RCC_MSICALIBRATION_DEFAULT;
    osc.MSIClockRange = range;
    return osc;
  }
  // PLL1 on from `source`: M 1, N 12, every output divided by 2.
  static RCC_OscInitTypeDef pll_request(uint32_t source) {
    RCC_OscInitTypeDef osc{};
    osc.PLL.PLLState = RCC_PLL_ON;
    osc.PLL.PLLSource = source;
    osc.PLL.PLLM = 1;
    osc.PLL.PLLN = 12;
    osc.PLL.PLLP = osc.PLL.PLLQ = osc.PLL.PLLR = 2;
    return osc;
  }
  static RCC_ClkInitTypeDef bus_request(uint32_t source, uint32_t ahb = RCC_SYSCLK_DIV1, uint32_t apb1 = RCC_HCLK_DIV1,
                                        uint32_t apb3 = RCC_HCLK_DIV1) {
    RCC_ClkInitTypeDef clk{};
    clk.ClockType = RCC_CLOCKTYPE_SYSCLK | RCC_CLOCKTYPE_HCLK | RCC_CLOCKTYPE_PCLK1 | RCC_CLOCKTYPE_PCLK2 |
                    RCC_CLOCKTYPE_PCLK3;
    clk.SYSCLKSource = source;
    clk.AHBCLKDivider = ahb;
    clk.APB1CLKDivider = apb1;
    clk.APB2CLKDivider = RCC_HCLK_DIV1;
    clk.APB3CLKDivider = apb3;
    return clk;
  }

  std::vector<Store> stores_;
};

TEST_F(ClockDriver, BoardSetUpFromResetLeavesMsis4MHzOnRange4WithZeroWaitStates) {
  record();
  const auto run = binding.run([] { SystemClock_Config(); });
  ASSERT_EQ(run.reason, StopReason::Returned) << run.detail;  // no Error_Handler

  EXPECT_EQ(rcc("ICSCR1"), 0x44800000U);  // MSISRANGE 4, MSIKRANGE 4, MSIRGSEL
  EXPECT_EQ(rcc("ICSCR2") & RCC_ICSCR2_MSITRIM1, 0x10U << RCC_ICSCR2_MSITRIM1_Pos);
  EXPECT_EQ(rcc("ICSCR2"), 0x00084210U);  // the other trims untouched
  EXPECT_EQ(rcc("CR"), 0x00000035U);
  EXPECT_EQ(rcc("CFGR1"), 0U);
  EXPECT_EQ(rcc("CFGR2"), 0x00006000U);
  EXPECT_EQ(rcc("CFGR3"), 0U);
  EXPECT_EQ(read32(kFlashAcr) & FLASH_ACR_LATENCY, 0U);
  EXPECT_EQ(board.pwr().reg("VOSR"), 0x00008000U);  // already range 4: nothing written
  EXPECT_EQ(board.rcc().sysclk_hz(), 4'000'000U);
  EXPECT_EQ(SystemCoreClock, 4'000'000U);
  EXPECT_EQ(read32(kSysTickLoad), 3999U);
  EXPECT_EQ(board.bus().read(kSysTickPriorityByte, 1), 0xF0U);

  // The range request equals the running range: range written first, wait states after.
  const int range = first_store(kIcscr1, [](uint32_t v) { return (v & RCC_ICSCR1_MSIRGSEL) != 0U; });
  const int latency = first_store(kFlashAcr, [](uint32_t) { return true; });
  ASSERT_GE(range, 0);
  ASSERT_GE(latency, 0);
  EXPECT_LT(range, latency);
  EXPECT_EQ(stores_to(kCfgr2), 0);  // every divider already as requested
  EXPECT_EQ(stores_to(kCfgr3), 0);
}

TEST_F(ClockDriver, WaitStatesCoverTheFasterOfOldAndNewMsisRangeAtEveryWrite) {
  SystemClock_Config();
  ASSERT_EQ(HAL_PWREx_ControlVoltageScaling(PWR_REGULATOR_VOLTAGE_SCALE3), HAL_OK);
  // At voltage range 3, 24 MHz needs one wait state, 12 MHz none.
  auto latency_written = [](uint32_t) { return true; };
  auto range_written = [](uint32_t range) {
    return [range](uint32_t v) { return (v & RCC_ICSCR1_MSISRANGE) == range; };
  };

  // Faster: wait states first.
  record();
  RCC_OscInitTypeDef osc = msi_request(RCC_MSIRANGE_1);
  ASSERT_EQ(HAL_RCC_OscConfig(&osc), HAL_OK);
  int acr = first_store(kFlashAcr, latency_written);
  int icscr = first_store(kIcscr1, range_written(RCC_MSIRANGE_1));
  ASSERT_GE(acr, 0);
  ASSERT_GE(icscr, 0);
  EXPECT_LT(acr, icscr);
  EXPECT_EQ(read32(kFlashAcr) & FLASH_ACR_LATENCY, 1U);
  EXPECT_EQ(board.rcc().sysclk_hz(), 24'000'000U);
  EXPECT_EQ(SystemCoreClock, 24'000'000U);
  EXPECT_EQ(read32(kSysTickLoad), 23999U);

  // Slower: range first, wait states lowered after.
  record();
  osc = msi_request(RCC_MSIRANGE_3);
  ASSERT_EQ(HAL_RCC_OscConfig(&osc), HAL_OK);
  acr = first_store(kFlashAcr, latency_written);
  icscr = first_store(kIcscr1, range_written(RCC_MSIRANGE_3));
  ASSERT_GE(acr, 0);
  ASSERT_GE(icscr, 0);
  EXPECT_LT(icscr, acr);
  EXPECT_EQ(read32(kFlashAcr) & FLASH_ACR_LATENCY, 0U);
  EXPECT_EQ(SystemCoreClock, 12'000'000U);

  // The trim lands in the group of the requested range (ranges 0..3: MSITRIM0).
  osc = msi_request(RCC_MSIRANGE_2);
  osc.MSICalibrationValue = 0x07;
  ASSERT_EQ(HAL_RCC_OscConfig(&osc), HAL_OK);
  EXPECT_EQ(rcc("ICSCR2"), (0x07U << RCC_ICSCR2_MSITRIM0_Pos) | 0x00004210U);
  EXPECT_EQ(read32(kFlashAcr) & FLASH_ACR_LATENCY, 1U);
}

TEST_F(ClockDriver, RefusedRequestsLeaveTheRunningClockAlone) {
  SystemClock_Config();
  const uint32_t icscr1 = rcc("ICSCR1");
  const uint32_t acr = read32(kFlashAcr);

  EXPECT_EQ(HAL_RCC_OscConfig(nullptr), HAL_ERROR);
  EXPECT_EQ(HAL_RCC_ClockConfig(nullptr, FLASH_LATENCY_0), HAL_ERROR);

  // Stopping the oscillator that runs the core: refused before anything is written.
  record();
  RCC_OscInitTypeDef osc = msi_request(RCC_MSIRANGE_4);
  osc.MSIState = RCC_MSI_OFF;
  EXPECT_EQ(HAL_RCC_OscConfig(&osc), HAL_ERROR);
  EXPECT_TRUE(stores_.empty());
  EXPECT_EQ(rcc("CR") & RCC_CR_MSISON, RCC_CR_MSISON);

  // 48 MHz cannot run at voltage range 4: neither the wait states nor the range change, so the
  // core never runs at 48 MHz on zero wait states.
  record();
  osc = msi_request(RCC_MSIRANGE_0);
  EXPECT_EQ(HAL_RCC_OscConfig(&osc), HAL_ERROR);
  EXPECT_EQ(stores_to(kIcscr1), 0);
  EXPECT_EQ(stores_to(kFlashAcr), 0);
  EXPECT_EQ(rcc("ICSCR1"), icscr1);
  EXPECT_EQ(read32(kFlashAcr), acr);
  EXPECT_EQ(board.rcc().sysclk_hz(), 4'000'000U);

  // A source that is not ready: the raised wait states and the enlarged divider written before
  // the check stay, the switch does not happen.
  RCC_ClkInitTypeDef clk = bus_request(RCC_SYSCLKSOURCE_HSE, RCC_SYSCLK_DIV1, RCC_HCLK_DIV2);
  EXPECT_EQ(HAL_RCC_ClockConfig(&clk, FLASH_LATENCY_2), HAL_ERROR);
  EXPECT_EQ(read32(kFlashAcr) & FLASH_ACR_LATENCY, 2U);
  EXPECT_EQ(rcc("CFGR2") & RCC_CFGR2_PPRE1, RCC_HCLK_DIV2);
  EXPECT_EQ(rcc("CFGR1"), 0U);
  EXPECT_EQ(board.rcc().sysclk_hz(), 4'000'000U);

  // A request with no such source is refused too, not written into the two-bit SW field.
  clk = bus_request(7U);
  EXPECT_EQ(HAL_RCC_ClockConfig(&clk, FLASH_LATENCY_2), HAL_ERROR);
  EXPECT_EQ(rcc("CFGR1"), 0U);
}

TEST_F(ClockDriver, DividersGrowBeforeAndShrinkAfterTheSwitchAndInUseOscillatorsStayOn) {
  SystemClock_Config();
  RCC_OscInitTypeDef hse{};
  hse.OscillatorType = RCC_OSCILLATORTYPE_HSE;
  hse.HSEState = RCC_HSE_ON;
  ASSERT_EQ(HAL_RCC_OscConfig(&hse), HAL_OK);
  EXPECT_NE(rcc("CR") & RCC_CR_HSERDY, 0U);

  // To the faster HSE: wait states and AHB divider before SW.
  record();
  RCC_ClkInitTypeDef clk = bus_request(RCC_SYSCLKSOURCE_HSE, RCC_SYSCLK_DIV2);
  ASSERT_EQ(HAL_RCC_ClockConfig(&clk, FLASH_LATENCY_1), HAL_OK);
  const int acr = first_store(kFlashAcr, [](uint32_t v) { return (v & FLASH_ACR_LATENCY) == 1U; });
  const int hpre = first_store(kCfgr2, [](uint32_t v) { return (v & RCC_CFGR2_HPRE) == RCC_SYSCLK_DIV2; });
  const int sw = first_store(kCfgr1, [](uint32_t v) { return (v & RCC_CFGR1_SW) == RCC_SYSCLKSOURCE_HSE; });
  ASSERT_TRUE(acr >= 0 && hpre >= 0 && sw >= 0);
  EXPECT_LT(acr, sw);
  EXPECT_LT(hpre, sw);
  EXPECT_EQ(rcc("CFGR1") & RCC_CFGR1_SWS, RCC_SYSCLKSOURCE_STATUS_HSE);
  EXPECT_EQ(SystemCoreClock, 8'000'000U);
  EXPECT_EQ(read32(kSysTickLoad), 7999U);

  // HSE now runs the core: it may not be stopped, while MSIS is free to go.
  hse.HSEState = RCC_HSE_OFF;
  EXPECT_EQ(HAL_RCC_OscConfig(&hse), HAL_ERROR);
  EXPECT_NE(rcc("CR") & RCC_CR_HSEON, 0U);
  RCC_OscInitTypeDef msi = msi_request(RCC_MSIRANGE_4);
  msi.MSIState = RCC_MSI_OFF;
  ASSERT_EQ(HAL_RCC_OscConfig(&msi), HAL_OK);
  EXPECT_EQ(rcc("CR") & (RCC_CR_MSISON | RCC_CR_MSISRDY), 0U);
  EXPECT_EQ(SystemCoreClock, 8'000'000U);  // MSIS was not in use: no recomputation

  // Back to MSIS: it must be started again first; then SW before the divider and wait states shrink.
  clk = bus_request(RCC_SYSCLKSOURCE_MSI);
  EXPECT_EQ(HAL_RCC_ClockConfig(&clk, FLASH_LATENCY_0), HAL_ERROR);  // MSIS not ready
  msi.MSIState = RCC_MSI_ON;
  ASSERT_EQ(HAL_RCC_OscConfig(&msi), HAL_OK);
  record();
  ASSERT_EQ(HAL_RCC_ClockConfig(&clk, FLASH_LATENCY_0), HAL_OK);
  const int sw_back = first_store(kCfgr1, [](uint32_t v) { return (v & RCC_CFGR1_SW) == RCC_SYSCLKSOURCE_MSI; });
  const int hpre_back = first_store(kCfgr2, [](uint32_t v) { return (v & RCC_CFGR2_HPRE) == 0U; });
  const int acr_back = first_store(kFlashAcr, [](uint32_t v) { return (v & FLASH_ACR_LATENCY) == 0U; });
  ASSERT_TRUE(sw_back >= 0 && hpre_back >= 0 && acr_back >= 0);
  EXPECT_LT(sw_back, hpre_back);
  EXPECT_LT(sw_back, acr_back);
  EXPECT_EQ(SystemCoreClock, 4'000'000U);
  EXPECT_EQ(read32(kSysTickLoad), 3999U);
}

TEST_F(ClockDriver, ReselectingTheRunningSourceRewritesNoDividerButRebasesTheTick) {
  SystemClock_Config();
  SystemCoreClock = 1U;
  write32(kSysTickLoad, 5U);
  record();
  RCC_ClkInitTypeDef clk = bus_request(RCC_SYSCLKSOURCE_MSI);
  ASSERT_EQ(HAL_RCC_ClockConfig(&clk, FLASH_LATENCY_0), HAL_OK);
  EXPECT_EQ(stores_to(kCfgr2), 0);
  EXPECT_EQ(stores_to(kCfgr3), 0);
  EXPECT_EQ(stores_to(kFlashAcr), 0);
  EXPECT_EQ(stores_to(kCfgr1), 1);
  EXPECT_EQ(SystemCoreClock, 4'000'000U);
  EXPECT_EQ(read32(kSysTickLoad), 3999U);
}

// A PLL with no input never locks: the wait gives up after limit+1 ticks, not one earlier.
TEST_F(ClockDriver, WaitsGiveUpAfterTheirLimitPlusOneTick) {
  SystemClock_Config();
  RCC_OscInitTypeDef osc = pll_request(RCC_PLLSOURCE_NONE);
  align_to_tick();
  record();
  const uint32_t ticks_at_call = uwTick;
  ASSERT_EQ(HAL_RCC_OscConfig(&osc), HAL_TIMEOUT);
  const int on = first_store(kCr, [](uint32_t v) { return (v & RCC_CR_PLL1ON) != 0U; });
  ASSERT_GE(on, 0);
  EXPECT_EQ(stores_[static_cast<size_t>(on)].tick, ticks_at_call);  // the wait started in this tick
  EXPECT_EQ(uwTick - ticks_at_call, PLL_TIMEOUT_VALUE + 1U);
  EXPECT_EQ(rcc("PLL1CFGR") & RCC_PLL1CFGR_PLL1REN, 0U);  // never reached
}

class SlowHse : public ClockDriver {
 protected:
  static BoardConfig with_hse_startup(Time startup) {
    BoardConfig config;
    config.rcc.hse_startup = startup;
    return config;
  }
  explicit SlowHse(Time startup) : ClockDriver(with_hse_startup(startup)) {}

  HAL_StatusTypeDef start_hse(Time* took) {
    RCC_OscInitTypeDef osc{};
    osc.OscillatorType = RCC_OSCILLATORTYPE_HSE;
    osc.HSEState = RCC_HSE_ON;
    align_to_tick();
    const Time start = board.now();
    const HAL_StatusTypeDef status = HAL_RCC_OscConfig(&osc);
    *took = board.now() - start;
    return status;
  }
};

class HseJustInTime : public SlowHse {
 protected:
  HseJustInTime() : SlowHse(HSE_TIMEOUT_VALUE * kMillisecond + 900 * kMicrosecond) {}
};
class HseTooLate : public SlowHse {
 protected:
  HseTooLate() : SlowHse(HSE_TIMEOUT_VALUE * kMillisecond + 1100 * kMicrosecond) {}
};

TEST_F(HseJustInTime, ReadyWithinTheLastTickOfTheLimitIsAccepted) {
  Time took = 0;
  EXPECT_EQ(start_hse(&took), HAL_OK);
  EXPECT_GE(took, 100 * kMillisecond + 900 * kMicrosecond);
}

TEST_F(HseTooLate, ReadyAfterLimitPlusOneTicksIsATimeout) {
  Time took = 0;
  const uint32_t ticks = uwTick;
  EXPECT_EQ(start_hse(&took), HAL_TIMEOUT);
  EXPECT_EQ(uwTick - ticks, HSE_TIMEOUT_VALUE + 2U);  // one tick of alignment, then limit+1
  EXPECT_LT(took, 101 * kMillisecond + 50 * kMicrosecond);
  EXPECT_GT(took, 100 * kMillisecond);
}

TEST_F(ClockDriver, ClockResetFromAPllDrivenTreeReturnsToMsis4MHz) {
  SystemClock_Config();
  // PLL1 from MSIS: 4 MHz / 1 x 12 / 2 = 24 MHz, with HSI and the two other PLLs running.
  RCC_OscInitTypeDef osc = pll_request(RCC_PLLSOURCE_MSI);
  osc.OscillatorType = RCC_OSCILLATORTYPE_HSI;
  osc.HSIState = RCC_HSI_ON;
  osc.HSICalibrationValue = RCC_HSICALIBRATION_DEFAULT;
  osc.PLL.PLLRGE = RCC_PLLVCIRANGE_0;
  ASSERT_EQ(HAL_RCC_OscConfig(&osc), HAL_OK);
  RCC_ClkInitTypeDef clk = bus_request(RCC_SYSCLKSOURCE_PLLCLK, RCC_SYSCLK_DIV1, RCC_HCLK_DIV1, RCC_HCLK_DIV2);
  ASSERT_EQ(HAL_RCC_ClockConfig(&clk, FLASH_LATENCY_1), HAL_OK);
  ASSERT_EQ(rcc("CFGR1") & RCC_CFGR1_SWS, RCC_SYSCLKSOURCE_STATUS_PLLCLK);
  ASSERT_EQ(SystemCoreClock, 24'000'000U);
  write32(kPll2Cfgr, RCC_PLLSOURCE_MSI | RCC_PLL2CFGR_PLL2PEN);
  write32(kPll3Cfgr, RCC_PLLSOURCE_HSI | RCC_PLL3CFGR_PLL3QEN);
  write32(kCr, read32(kCr) | RCC_CR_PLL2ON | RCC_CR_PLL3ON);
  write32(kCcipr1, RCC_USART2CLKSOURCE_HSI | RCC_SPI1CLKSOURCE_MSIK);
  write32(kCcipr3, RCC_LPUART1CLKSOURCE_MSIK);
  write32(kCier, 0x1FFU);
  HAL_Delay(1);
  ASSERT_NE(read32(kCr) & (RCC_CR_PLL2RDY | RCC_CR_PLL3RDY | RCC_CR_HSIRDY), 0U);

  ASSERT_EQ(HAL_RCC_DeInit(), HAL_OK);
  HAL_Delay(1);  // let the stopped oscillators' flags drop

  EXPECT_EQ(rcc("CR"), RCC_CR_MSISON | RCC_CR_MSISRDY);
  EXPECT_EQ(rcc("ICSCR1"), 0x44000000U);  // ranges 4, taken from CSR again
  EXPECT_EQ(rcc("ICSCR2"), 0x00084210U);
  EXPECT_EQ(rcc("CFGR1"), 0U);
  EXPECT_EQ(rcc("CFGR2"), 0U);
  EXPECT_EQ(rcc("CFGR3"), RCC_HCLK_DIV2);  // the APB3 divider is not part of the reset
  for (const char* name : {"PLL1CFGR", "PLL2CFGR", "PLL3CFGR", "PLL1FRACR", "PLL2FRACR", "PLL3FRACR", "CIER"})
    EXPECT_EQ(rcc(name), 0U) << name;
  for (const char* name : {"PLL1DIVR", "PLL2DIVR", "PLL3DIVR"}) EXPECT_EQ(rcc(name), 0x01010280U) << name;
  EXPECT_EQ(rcc("CSR"), 0x00004400U);  // reset-cause flags cleared, standby ranges kept
  EXPECT_EQ(rcc("CCIPR1"), RCC_USART2CLKSOURCE_HSI | RCC_SPI1CLKSOURCE_MSIK);
  EXPECT_EQ(rcc("CCIPR3"), RCC_LPUART1CLKSOURCE_MSIK);
  EXPECT_EQ(read32(kFlashAcr) & FLASH_ACR_LATENCY, 0U);
  EXPECT_EQ(board.rcc().sysclk_hz(), 4'000'000U);
  EXPECT_EQ(SystemCoreClock, 4'000'000U);
  EXPECT_EQ(HAL_RCC_GetSysClockFreq(), 4'000'000U);  // now from the CSR standby range
  EXPECT_EQ(read32(kSysTickLoad), 3999U);
  EXPECT_EQ(uwTickPrio, TICK_INT_PRIORITY);
}

TEST_F(ClockDriver, PllDrivingTheCoreAcceptsOnlyAFractionChange) {
  SystemClock_Config();
  const RCC_OscInitTypeDef osc = pll_request(RCC_PLLSOURCE_MSI);
  ASSERT_EQ(HAL_RCC_OscConfig(&osc), HAL_OK);
  RCC_ClkInitTypeDef clk = bus_request(RCC_SYSCLKSOURCE_PLLCLK);
  ASSERT_EQ(HAL_RCC_ClockConfig(&clk, FLASH_LATENCY_1), HAL_OK);

  RCC_OscInitTypeDef off = osc;
  off.PLL.PLLState = RCC_PLL_OFF;
  EXPECT_EQ(HAL_RCC_OscConfig(&off), HAL_ERROR);
  RCC_OscInitTypeDef other_n = osc;
  other_n.PLL.PLLN = 13;
  EXPECT_EQ(HAL_RCC_OscConfig(&other_n), HAL_ERROR);
  EXPECT_EQ(rcc("PLL1DIVR") & RCC_PLL1DIVR_PLL1N, 11U);
  EXPECT_NE(rcc("CR") & RCC_CR_PLL1RDY, 0U);

  // 4 MHz x (12 + 4096/8192) / 2 = 25 MHz.
  RCC_OscInitTypeDef frac = osc;
  frac.PLL.PLLFRACN = 4096;
  ASSERT_EQ(HAL_RCC_OscConfig(&frac), HAL_OK);
  EXPECT_EQ(rcc("PLL1FRACR"), 4096U << RCC_PLL1FRACR_PLL1FRACN_Pos);
  EXPECT_NE(rcc("PLL1CFGR") & RCC_PLL1CFGR_PLL1FRACEN, 0U);
  EXPECT_EQ(board.rcc().sysclk_hz(), 25'000'000U);
  EXPECT_EQ(HAL_RCC_GetSysClockFreq(), 25'000'000U);
}

}  // namespace
}  // namespace ovrimo::test

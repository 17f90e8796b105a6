// The clock controller model as the clock drivers rely on it: reset state, ready flags that
// follow their enables in time, PLL lock, the SYSCLK switch and the clock tree it feeds.
#include <gtest/gtest.h>

#include "model/board.h"

namespace ovrimo::model {
namespace {

constexpr std::uint32_t kRcc = Rcc::kBase;
constexpr std::uint32_t kCr = kRcc + 0x000, kIcscr1 = kRcc + 0x008, kCfgr1 = kRcc + 0x01C, kCfgr2 = kRcc + 0x020;
constexpr std::uint32_t kCfgr3 = kRcc + 0x024, kPll1Cfgr = kRcc + 0x028, kPll2Cfgr = kRcc + 0x02C;
constexpr std::uint32_t kPll1Divr = kRcc + 0x034, kPll1Fracr = kRcc + 0x038, kPll2Divr = kRcc + 0x03C;
constexpr std::uint32_t kCier = kRcc + 0x050, kCifr = kRcc + 0x054, kCicr = kRcc + 0x058;
constexpr std::uint32_t kApb1Rstr1 = kRcc + 0x074, kAhb3Enr = kRcc + 0x094;
constexpr std::uint32_t kCcipr1 = kRcc + 0x0E0, kCcipr3 = kRcc + 0x0E8, kBdcr = kRcc + 0x0F0, kCsr = kRcc + 0x0F4;
constexpr std::uint32_t kPwrDbpr = Pwr::kBase + 0x28;

constexpr std::uint32_t kMsisRdy = 1u << 2, kMsikOn = 1u << 4, kMsikRdy = 1u << 5, kHsiOn = 1u << 8;
constexpr std::uint32_t kHsiRdy = 1u << 10, kHseOn = 1u << 16, kHseRdy = 1u << 17;
constexpr std::uint32_t kPll1On = 1u << 24, kPll1Rdy = 1u << 25, kPll2On = 1u << 26, kPll2Rdy = 1u << 27;
constexpr std::uint32_t kLseOn = 1u << 0, kLseRdy = 1u << 1, kLseSysEn = 1u << 7, kLseSysRdy = 1u << 11;
constexpr std::uint32_t kBdRst = 1u << 16, kLsiOn = 1u << 26, kLsiRdy = 1u << 27;

struct RccFixture : ::testing::Test {
  Board board;
  Bus& bus = board.bus();
  Rcc& rcc = board.rcc();
  const RccTiming& t = rcc.timing();

  std::uint32_t rd(std::uint32_t address) { return bus.read(address, 4); }
  void wr(std::uint32_t address, std::uint32_t value) { bus.write(address, value, 4); }
  void set(std::uint32_t address, std::uint32_t bits) { wr(address, rd(address) | bits); }
  void clear(std::uint32_t address, std::uint32_t bits) { wr(address, rd(address) & ~bits); }
  void advance(Time d) { board.time().advance(d); }
  void unlock_backup_domain() {
    set(kAhb3Enr, 1u << 2);  // PWREN
    wr(kPwrDbpr, 1);
  }
  // PLL1 from MSIS 4 MHz: M = 1, N = 80 -> 320 MHz VCO, R = 2 -> 160 MHz.
  void configure_pll1_msis_160mhz() {
    wr(kPll1Cfgr, 0x1);  // source MSIS, M field 0
    wr(kPll1Divr, (1u << 24) | (1u << 16) | (1u << 9) | 79u);
    set(kPll1Cfgr, 1u << 18);  // PLL1REN
  }
};

TEST_F(RccFixture, ResetValuesAndBitsSoftwareCannotChange) {
  EXPECT_EQ(rd(kCr), 0x00000035u);
  EXPECT_EQ(rd(kIcscr1), 0x44000000u);
  EXPECT_EQ(rd(kRcc + 0x00C), 0x00084210u);
  EXPECT_EQ(rd(kRcc + 0x010), 0x00100000u);
  EXPECT_EQ(rd(kCfgr2), 0x00006000u);
  EXPECT_EQ(rd(kPll1Divr), 0x01010280u);
  EXPECT_EQ(rd(kRcc + 0x044), 0x01010280u);
  EXPECT_EQ(rd(kRcc + 0x088), 0xD0200100u);
  EXPECT_EQ(rd(kAhb3Enr), 0x80000000u);
  EXPECT_EQ(rd(kRcc + 0x0B0), 0xFFFFFFFFu);
  EXPECT_EQ(rd(kCsr), 0x0C004400u);
  EXPECT_EQ(rcc.sysclk_hz(), 4'000'000u);
  EXPECT_EQ(rcc.pclk3_hz(), 4'000'000u);

  // Ready flags, SWS and the factory calibration are the hardware's.
  wr(kCr, 0x00000001u | kHsiRdy | kHseRdy | kPll1Rdy);
  EXPECT_EQ(rd(kCr) & (kHsiRdy | kHseRdy | kPll1Rdy), 0u);
  EXPECT_NE(rd(kCr) & kMsisRdy, 0u);
  wr(kCfgr1, 0x0000000Cu);
  EXPECT_EQ(rd(kCfgr1), 0u);
  wr(kIcscr1, 0x448FFFFFu);
  EXPECT_EQ(rd(kIcscr1), 0x44800000u);
  // CSR: flags survive a plain write, RMVF clears them and reads 0.
  wr(kCsr, 0x00004400u);
  EXPECT_EQ(rd(kCsr), 0x0C004400u);
  wr(kCsr, 0x00804400u);
  EXPECT_EQ(rd(kCsr), 0x00004400u);
  // Enable registers read back what was written.
  wr(kRcc + 0x09C, 1u << 17);
  EXPECT_EQ(rd(kRcc + 0x09C), 1u << 17);
  EXPECT_TRUE(rcc.clock_enabled(0x09C, 1u << 17));
}

TEST_F(RccFixture, OscillatorReadyFlagsRiseAfterTheirStartUpAndDropAfterDisable) {
  struct Case {
    const char* name;
    std::uint32_t address, on, ready;
    Time startup;
  };
  unlock_backup_domain();
  const Case cases[] = {
      {"HSI", kCr, kHsiOn, kHsiRdy, t.hsi_startup},
      {"HSI48", kCr, 1u << 12, 1u << 13, t.hsi48_startup},
      {"SHSI", kCr, 1u << 14, 1u << 15, t.shsi_startup},
      {"HSE", kCr, kHseOn, kHseRdy, t.hse_startup},
      {"LSI", kBdcr, kLsiOn, kLsiRdy, t.lsi_startup},
      {"LSE", kBdcr, kLseOn, kLseRdy, t.lse_startup},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    set(c.address, c.on);
    advance(c.startup - 1);
    EXPECT_EQ(rd(c.address) & c.ready, 0u);
    advance(1);
    EXPECT_NE(rd(c.address) & c.ready, 0u);
    clear(c.address, c.on);
    EXPECT_NE(rd(c.address) & c.ready, 0u);  // stops a little later, not at once
    advance(t.oscillator_stop);
    EXPECT_EQ(rd(c.address) & c.ready, 0u);
    // Switched off before it was ready: never reports ready.
    set(c.address, c.on);
    advance(c.startup / 2);
    clear(c.address, c.on);
    advance(c.startup * 2);
    EXPECT_EQ(rd(c.address) & c.ready, 0u);
  }
  EXPECT_GE(t.lse_startup, 100 * kMillisecond);

  // MSIK stops when asked; MSIS, the system clock, refuses to.
  clear(kCr, kMsikOn | 1u);
  advance(t.oscillator_stop);
  EXPECT_EQ(rd(kCr) & (kMsikOn | kMsikRdy), 0u);
  EXPECT_EQ(rd(kCr) & (1u | kMsisRdy), 1u | kMsisRdy);

  // LSESYSRDY needs LSESYSEN and a running LSE.
  set(kBdcr, kLseSysEn);
  advance(t.lse_startup);
  EXPECT_EQ(rd(kBdcr) & kLseSysRdy, 0u);
  set(kBdcr, kLseOn);
  advance(t.lse_startup + t.lsesys_startup);
  EXPECT_EQ(rd(kBdcr) & (kLseRdy | kLseSysRdy), kLseRdy | kLseSysRdy);
}

TEST_F(RccFixture, BackupDomainIsWriteProtectedAndResetByBdrst) {
  wr(kBdcr, kLseOn | (1u << 8));
  EXPECT_EQ(rd(kBdcr), 0u);  // DBP clear (PWR not even clocked)
  set(kAhb3Enr, 1u << 2);
  wr(kBdcr, kLseOn);
  EXPECT_EQ(rd(kBdcr), 0u);  // PWR clocked, DBP still clear
  wr(kPwrDbpr, 1);
  wr(kBdcr, kLseOn | kLsiOn | (1u << 8));  // LSE, LSI, RTC on LSE
  advance(t.lse_startup);
  EXPECT_EQ(rd(kBdcr), kLseOn | kLseRdy | kLsiOn | kLsiRdy | (1u << 8));
  // RTCSEL is chosen once: a different selection is ignored until the domain is reset.
  set(kBdcr, 3u << 8);
  EXPECT_EQ(rd(kBdcr) & (3u << 8), 1u << 8);

  set(kBdcr, kBdRst);
  EXPECT_EQ(rd(kBdcr), kBdRst);  // everything else, ready flags included, at reset value
  wr(kBdcr, kBdRst | kLseOn);
  EXPECT_EQ(rd(kBdcr), kBdRst);  // held in reset
  advance(t.lse_startup);
  EXPECT_EQ(rd(kBdcr), kBdRst);
  wr(kBdcr, 0);
  wr(kBdcr, 2u << 8);
  EXPECT_EQ(rd(kBdcr), 2u << 8);
  EXPECT_EQ(rcc.lse_hz(), 0u);

  // Protection back on: writes are ignored again.
  wr(kPwrDbpr, 0);
  wr(kBdcr, kLseOn);
  EXPECT_EQ(rd(kBdcr), 2u << 8);
}

TEST_F(RccFixture, MsiRangeComesFromCsrOrIcscr1ByMsirgsel) {
  EXPECT_EQ(rcc.msis_hz(), 4'000'000u);
  // Standby ranges accept 4..8 only; CSR code 6 is 1.5 MHz.
  wr(kCsr, 0x00009400u);
  EXPECT_EQ(rd(kCsr) & 0xFF00u, 0x4400u);
  wr(kCsr, 0x00006800u);
  EXPECT_EQ(rcc.sysclk_hz(), 1'500'000u);
  EXPECT_EQ(rcc.msik_hz(), 3'072'000u);
  // ICSCR1 ranges once MSIRGSEL is set: code 6 is 1.33 MHz here, code 0 48 MHz.
  wr(kIcscr1, 0x60800000u);
  EXPECT_EQ(rcc.sysclk_hz(), 1'330'000u);
  wr(kIcscr1, 0x0F800000u);
  EXPECT_EQ(rcc.sysclk_hz(), 48'000'000u);
  EXPECT_EQ(rcc.msik_hz(), 100'000u);
  wr(kIcscr1, 0x0F000000u);  // MSIRGSEL cleared: CSR again
  EXPECT_EQ(rcc.sysclk_hz(), 1'500'000u);
}

TEST_F(RccFixture, PllLocksOnlyOnARunningSourceAndGivesItsConfiguredFrequency) {
  // No source: PLL1ON stays unanswered.
  set(kCr, kPll1On);
  advance(kMillisecond);
  EXPECT_EQ(rd(kCr) & kPll1Rdy, 0u);
  clear(kCr, kPll1On);
  configure_pll1_msis_160mhz();
  set(kPll1Cfgr, 1u << 12);  // MBOOST /2: divides the booster's clock, not the PLL input
  EXPECT_EQ(rcc.epod_boost_input_hz(), 2'000'000u);
  set(kCr, kPll1On);
  advance(t.pll_lock - 1);
  EXPECT_EQ(rd(kCr) & kPll1Rdy, 0u);
  advance(1);
  EXPECT_NE(rd(kCr) & kPll1Rdy, 0u);
  EXPECT_EQ(rcc.pll_vco_hz(1), 320'000'000u);
  EXPECT_EQ(rcc.pll_hz(1, Rcc::PllOutput::R), 160'000'000u);
  EXPECT_EQ(rcc.pll_hz(1, Rcc::PllOutput::P), 0u);  // output not enabled
  // Integer settings are frozen while it runs; the fraction is not.
  wr(kPll1Divr, 0x01010200u);
  EXPECT_EQ(rd(kPll1Divr) & 0x1FFu, 79u);
  set(kPll1Cfgr, 2u);
  EXPECT_EQ(rd(kPll1Cfgr) & 3u, 1u);
  wr(kPll1Fracr, 4096u << 3);
  set(kPll1Cfgr, 1u << 4);  // FRACEN: N = 80.5
  EXPECT_EQ(rcc.pll_hz(1, Rcc::PllOutput::R), 161'000'000u);

  // PLL2 on HSI16 that is off: no lock until HSI runs; M = 4, N = 25 + 0.25 -> 101 MHz VCO.
  wr(kPll2Cfgr, 0x2u | (3u << 8) | (1u << 4) | (1u << 16));
  wr(kPll2Divr, (0u << 24) | (2u << 9) | 24u);
  wr(kRcc + 0x040, 2048u << 3);
  set(kCr, kPll2On);
  advance(kMillisecond);
  EXPECT_EQ(rd(kCr) & kPll2Rdy, 0u);
  set(kCr, kHsiOn);
  advance(t.hsi_startup + t.pll_lock);
  EXPECT_NE(rd(kCr) & kPll2Rdy, 0u);
  EXPECT_EQ(rcc.pll_vco_hz(2), 101'000'000u);
  EXPECT_EQ(rcc.pll_hz(2, Rcc::PllOutput::P), 33'666'666u);  // P = 3, truncated
  // Losing its input loses the lock; clearing PLLxON drops the flag.
  clear(kCr, kHsiOn);
  advance(2 * t.oscillator_stop);
  EXPECT_EQ(rd(kCr) & kPll2Rdy, 0u);
  clear(kCr, kPll1On);
  advance(t.oscillator_stop);
  EXPECT_EQ(rd(kCr) & kPll1Rdy, 0u);
}

TEST_F(RccFixture, SwsFollowsSwOnlyOnceTheSourceIsReady) {
  wr(kCfgr1, 1);  // HSI16, not running
  advance(kMillisecond);
  EXPECT_EQ(rd(kCfgr1), 1u);  // SWS still MSIS
  EXPECT_EQ(rcc.sysclk_hz(), 4'000'000u);
  set(kCr, kHsiOn);
  advance(t.hsi_startup + t.switch_delay - 1);
  EXPECT_EQ(rd(kCfgr1) & 0xCu, 0u);
  advance(1);
  EXPECT_EQ(rd(kCfgr1), 0x5u);
  EXPECT_EQ(rcc.sysclk_hz(), 16'000'000u);
  // The running source cannot be stopped; MSIS, no longer used, can.
  clear(kCr, kHsiOn | 1u);
  advance(t.oscillator_stop);
  EXPECT_EQ(rd(kCr) & (kHsiOn | kHsiRdy | 1u | kMsisRdy), kHsiOn | kHsiRdy);

  // To PLL1 (R output needed), then PLL1 and its MSIS input are held on.
  set(kCr, 1u);
  advance(t.msi_startup);
  configure_pll1_msis_160mhz();
  wr(kCfgr1, 3);
  set(kCr, kPll1On);
  advance(t.pll_lock);
  EXPECT_EQ(rd(kCfgr1) & 0xCu, 0x4u);
  advance(t.switch_delay);
  EXPECT_EQ(rd(kCfgr1), 0xFu);
  EXPECT_EQ(rcc.sysclk_hz(), 160'000'000u);
  clear(kCr, kPll1On | 1u);
  clear(kPll1Cfgr, 1u << 18);
  advance(kMillisecond);
  EXPECT_EQ(rd(kCr) & (kPll1On | kPll1Rdy | 1u), kPll1On | kPll1Rdy | 1u);
  EXPECT_EQ(rcc.sysclk_hz(), 160'000'000u);
}

TEST_F(RccFixture, PrescalersShapeTheTree) {
  wr(kIcscr1, 0x00800000u);  // MSIS 48 MHz
  wr(kCfgr2, 0x0000000Bu);   // HPRE /16
  EXPECT_EQ(rcc.hclk_hz(), 3'000'000u);
  wr(kCfgr2, 0x0000000Cu);  // /64: there is no /32
  EXPECT_EQ(rcc.hclk_hz(), 750'000u);
  wr(kCfgr2, 0x00000708u);  // HPRE /2, PPRE1 /1, PPRE2 /16
  wr(kCfgr3, 0x00000050u);  // PPRE3 /4
  EXPECT_EQ(rcc.hclk_hz(), 24'000'000u);
  EXPECT_EQ(rcc.pclk1_hz(), 24'000'000u);
  EXPECT_EQ(rcc.pclk2_hz(), 1'500'000u);
  EXPECT_EQ(rcc.pclk3_hz(), 6'000'000u);
  EXPECT_EQ(rcc.systick_external_hz(), 3'000'000u);
  wr(kCfgr2, 0x00000048u);  // PPRE1 /2
  EXPECT_EQ(rcc.pclk1_hz(), 12'000'000u);
}

TEST_F(RccFixture, UsartKernelClockFollowsItsSelector) {
  wr(kCfgr2, 0x00000040u);  // PCLK1 = 2 MHz
  EXPECT_EQ(rcc.usart_kernel_hz(0x40004400), 2'000'000u);
  EXPECT_EQ(rcc.usart_kernel_hz(0x50004400), 2'000'000u);  // secure alias
  EXPECT_EQ(rcc.usart_kernel_hz(0x40013800), 4'000'000u);  // USART1 on PCLK2
  wr(kCcipr1, 1u << 2);
  EXPECT_EQ(rcc.usart_kernel_hz(0x40004400), 4'000'000u);  // SYSCLK
  wr(kCcipr1, 2u << 2);
  EXPECT_EQ(rcc.usart_kernel_hz(0x40004400), 0u);  // HSI16 not running
  set(kCr, kHsiOn);
  advance(t.hsi_startup);
  EXPECT_EQ(rcc.usart_kernel_hz(0x40004400), 16'000'000u);
  wr(kCcipr1, 3u << 2);
  EXPECT_EQ(rcc.usart_kernel_hz(0x40004400), 0u);  // LSE not running
  unlock_backup_domain();
  set(kBdcr, kLseOn);
  advance(t.lse_startup);
  EXPECT_EQ(rcc.usart_kernel_hz(0x40004400), 32'768u);
  EXPECT_EQ(rcc.usart_kernel_hz(0x40004000), 0u);  // not a USART
  // LPUART1 on CCIPR3, MSIK at code 4.
  wr(kCcipr3, 4);
  EXPECT_EQ(rcc.usart_kernel_hz(0x46002400), 4'000'000u);
  wr(kCcipr3, 5);
  EXPECT_EQ(rcc.usart_kernel_hz(0x46002400), 0u);
}

TEST_F(RccFixture, SysTickIsRetimedWhenItsClockChanges) {
  int changes = 0;
  rcc.on_clock_change([&] { ++changes; });
  constexpr std::uint32_t kCtrl = 0xE000E010, kLoad = 0xE000E014, kVal = 0xE000E018;
  Core& core = board.core();
  // Time from now to the next SysTick exception, to 10 ns.
  auto next_wrap = [&](Time step = 10 * kNanosecond) {
    core.set_pending(kExcSysTick, false);
    const Time start = board.now();
    while (!core.is_pending(kExcSysTick) && board.now() - start < 100 * kMillisecond) advance(step);
    return board.now() - start;
  };
  wr(kLoad, 3999);
  wr(kVal, 0);
  wr(kCtrl, 0x7);  // processor clock: 1 ms at 4 MHz
  EXPECT_EQ(next_wrap(), kMillisecond);

  wr(kRcc + 0x0E4, 0x7);  // a kernel selector that feeds no modelled clock
  EXPECT_EQ(changes, 0);
  wr(kIcscr1, 0x30800000u);  // MSIS 12 MHz: the period becomes 4000 / 12 MHz = 333.33 us
  EXPECT_EQ(changes, 1);
  next_wrap();
  const Time period = next_wrap();
  EXPECT_GE(period, 333'330 * kNanosecond);
  EXPECT_LE(period, 333'340 * kNanosecond);

  // External SysTick clock: HCLK / 8 = 1.5 MHz, then the LSE.
  wr(kLoad, 1499);
  wr(kVal, 0);
  wr(kCtrl, 0x3);
  EXPECT_EQ(next_wrap(), kMillisecond);
  unlock_backup_domain();
  set(kBdcr, kLseOn);
  wr(kCcipr1, 2u << 22);  // SYSTICKSEL = LSE, not yet running: the counter stops
  core.set_pending(kExcSysTick, false);
  advance(t.lse_startup);
  EXPECT_FALSE(core.is_pending(kExcSysTick));
  wr(kVal, 0);
  const Time lse_period = next_wrap(kMicrosecond);  // 1500 counts at 32768 Hz = 45.776 ms
  EXPECT_GE(lse_period, 45'776 * kMicrosecond);
  EXPECT_LE(lse_period, 45'778 * kMicrosecond);
}

TEST_F(RccFixture, ResetLinesInterruptFlagsAndPowerOnReset) {
  std::vector<std::pair<std::uint32_t, std::uint32_t>> pulses;
  rcc.on_peripheral_reset([&](std::uint32_t offset, std::uint32_t bits) { pulses.emplace_back(offset, bits); });
  set(kApb1Rstr1, 1u << 17);
  set(kApb1Rstr1, 1u << 17);  // still held: no new pulse
  clear(kApb1Rstr1, 1u << 17);
  ASSERT_EQ(pulses.size(), 1u);
  EXPECT_EQ(pulses[0], std::make_pair(0x074u, 1u << 17));

  // Ready interrupt flag raised only when enabled, cleared through CICR.
  set(kCr, kHsiOn);
  advance(t.hsi_startup);
  EXPECT_EQ(rd(kCifr), 0u);
  wr(kCier, 1u << 4);  // HSERDYIE
  set(kCr, kHseOn);
  advance(t.hse_startup);
  EXPECT_EQ(rd(kCifr), 1u << 4);
  wr(kCicr, 0xFFFFFFFFu);
  EXPECT_EQ(rd(kCifr), 0u);
  EXPECT_EQ(rd(kCicr), 0u);

  // A pending start-up does not survive a power-on reset.
  set(kCr, 1u << 12);  // HSI48 starting
  board.power_on_reset();
  advance(kSecond);
  EXPECT_EQ(rd(kCr), 0x00000035u);
  EXPECT_EQ(rcc.sysclk_hz(), 4'000'000u);
}

}  // namespace
}  // namespace ovrimo::model

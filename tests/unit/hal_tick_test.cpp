// Start-up of the HAL, the millisecond tick and HAL_Delay, and the peripheral reset of HAL_DeInit,
// as the board shows them: registers, virtual time, return values.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "firmware_fixture.h"

namespace ovrimo::test {
namespace {

constexpr std::uint32_t kRccCfgr2 = kRcc + 0x020;

class HalTick : public FirmwareTest {
 protected:
  // Virtual time one call of HAL_Delay takes.
  Time timed_delay(std::uint32_t ms) {
    const Time start = board.now();
    HAL_Delay(ms);
    return board.now() - start;
  }
};

TEST_F(HalTick, InitStartsAOneMillisecondTickAtTheLowestPriorityOnTheResetClock) {
  SystemCoreClock = 0;  // must be recomputed from the clock tree, not trusted
  ASSERT_EQ(HAL_Init(), HAL_OK);

  EXPECT_EQ(SystemCoreClock, 4'000'000u);
  EXPECT_EQ(read32(kSysTickLoad), 3999u);
  EXPECT_EQ(read32(kSysTickCtrl) & 0x7u, 0x7u);  // CLKSOURCE, TICKINT, ENABLE
  EXPECT_EQ(read8(kSysTickPriorityByte), 0xF0u);
  EXPECT_EQ((read32(kAircr) >> 8) & 0x7u, 3u);
  EXPECT_NE(read32(kFlashAcr) & FLASH_ACR_PRFTEN, 0u);
  EXPECT_EQ(uwTickPrio, 15u);

  // One tick per millisecond of virtual time.
  const std::uint32_t before = HAL_GetTick();
  const Time start = board.now();
  while (board.now() - start < 20 * kMillisecond) (void)HAL_GetTick();
  const std::uint32_t ticks = HAL_GetTick() - before;
  EXPECT_GE(ticks, 19u);
  EXPECT_LE(ticks, 21u);
}

TEST_F(HalTick, InitTakesTheAhbPrescalerIntoAccount) {
  // HPRE 0xB divides by 16 (there is no divide-by-32 step in the table).
  board.bus().write(kRccCfgr2, (read32(kRccCfgr2) & ~0xFu) | 0xBu, 4);
  ASSERT_EQ(HAL_Init(), HAL_OK);
  EXPECT_EQ(SystemCoreClock, 250'000u);
  EXPECT_EQ(read32(kSysTickLoad), 249u);
}

TEST_F(HalTick, InitReportsATickThatCannotBeSetUpAndStopsThere) {
  uwTickFreq = static_cast<HAL_TickFreqTypeDef>(0);
  auto& writes = record_writes();
  EXPECT_EQ(HAL_Init(), HAL_ERROR);
  EXPECT_EQ(uwTickPrio, 16u);
  EXPECT_EQ(read32(kSysTickCtrl), SysTick_CTRL_CLKSOURCE_Msk);  // clock chosen, never started
  EXPECT_EQ(read32(kSysTickLoad), 0u);
  // Nothing is stored after the SysTick clock-source selection: the board hook is not called.
  ASSERT_FALSE(writes.empty());
  EXPECT_EQ(writes.back(), std::make_pair(kSysTickCtrl, SysTick_CTRL_CLKSOURCE_Msk));
}

TEST_F(HalTick, InitTickFailuresLeaveSysTickAndTickPriorityAlone) {
  ASSERT_EQ(HAL_Init(), HAL_OK);
  const std::uint32_t ctrl = read32(kSysTickCtrl), load = read32(kSysTickLoad);

  struct Case {
    const char* what;
    HAL_TickFreqTypeDef freq;
    std::uint32_t core_clock;
  };
  const Case cases[] = {
      {"tick frequency 0", static_cast<HAL_TickFreqTypeDef>(0), 4'000'000},
      {"count 0 (no clock)", HAL_TICK_FREQ_1KHZ, 0},
      {"count 0 (clock below 1 kHz)", HAL_TICK_FREQ_1KHZ, 999},
      {"count 20 000 000 (10 Hz tick at 200 MHz)", HAL_TICK_FREQ_10HZ, 200'000'000},
      {"count 0x1000001", HAL_TICK_FREQ_10HZ, 0x1000001u * 10u},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    uwTickFreq = c.freq;
    SystemCoreClock = c.core_clock;
    auto& writes = record_writes();
    EXPECT_EQ(HAL_InitTick(3), HAL_ERROR);
    EXPECT_TRUE(writes.empty());
    board.bus().set_observer({});
    EXPECT_EQ(read32(kSysTickCtrl) & 0x7u, ctrl & 0x7u);
    EXPECT_EQ(read32(kSysTickLoad), load);
    EXPECT_EQ(read8(kSysTickPriorityByte), 0xF0u);
    EXPECT_EQ(uwTickPrio, 15u);
  }

  // The largest count the 24-bit reload holds, exactly 0x1000000, is accepted.
  uwTickFreq = HAL_TICK_FREQ_10HZ;
  SystemCoreClock = 0x1000000u * 10u;
  EXPECT_EQ(HAL_InitTick(3), HAL_OK);
  EXPECT_EQ(read32(kSysTickLoad), 0xFFFFFFu);
  EXPECT_EQ(read8(kSysTickPriorityByte), 0x30u);
  EXPECT_EQ(uwTickPrio, 3u);
}

TEST_F(HalTick, InitTickCountsTheClockSysTickIsSetToCount) {
  ASSERT_EQ(HAL_Init(), HAL_OK);
  struct Case {
    std::uint32_t source;
    HAL_TickFreqTypeDef freq;
    std::uint32_t reload;
  };
  const Case cases[] = {
      {SYSTICK_CLKSOURCE_HCLK, HAL_TICK_FREQ_1KHZ, 3999},       // 4 MHz / 1000
      {SYSTICK_CLKSOURCE_HCLK_DIV8, HAL_TICK_FREQ_1KHZ, 499},   // 4 MHz / 8000
      {SYSTICK_CLKSOURCE_HCLK_DIV8, HAL_TICK_FREQ_100HZ, 4999}, // 4 MHz / (8000 / 10)
      {SYSTICK_CLKSOURCE_LSI, HAL_TICK_FREQ_10HZ, 3199},        // 32 000 / 10
      {SYSTICK_CLKSOURCE_LSE, HAL_TICK_FREQ_10HZ, 3275},        // 32 768 / 10
      {SYSTICK_CLKSOURCE_LSE, HAL_TICK_FREQ_1KHZ, 31},          // 32 768 / 1000
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "source " << c.source << ", tick " << int{c.freq} << " ms");
    HAL_SYSTICK_CLKSourceConfig(c.source);
    uwTickFreq = c.freq;
    ASSERT_EQ(HAL_InitTick(TICK_INT_PRIORITY), HAL_OK);
    EXPECT_EQ(read32(kSysTickLoad), c.reload);
  }
}

TEST_F(HalTick, DelayWaitsNToNPlusOneMillisecondsWhereverItStartsInTheTick) {
  ASSERT_EQ(HAL_Init(), HAL_OK);
  // The overhead of the call and of the polling itself is a few microseconds.
  const Time slack = 20 * kMicrosecond;
  for (std::uint32_t n : {0u, 1u, 2u, 7u}) {
    for (Time phase : {Time{0}, 1 * kMicrosecond, 250 * kMicrosecond, 500 * kMicrosecond, 990 * kMicrosecond}) {
      SCOPED_TRACE(testing::Message() << "delay " << n << " ms, " << phase / kMicrosecond << " us into the tick");
      timed_delay(0);  // returns right after a tick
      const Time tick_edge = board.now();
      while (board.now() - tick_edge < phase) (void)HAL_GetTick();
      const Time took = timed_delay(n);
      EXPECT_GE(took, n * kMillisecond);
      EXPECT_LE(took, (n + 1) * kMillisecond + slack);
    }
  }
}

TEST_F(HalTick, DelayAcrossTheWrapOfTheTickCounterLastsAsLongAsAnyOther) {
  ASSERT_EQ(HAL_Init(), HAL_OK);
  for (std::uint32_t start : {0xFFFFFFFFu, 0xFFFFFFFDu, 0xFFFFFFF9u}) {
    SCOPED_TRACE(testing::Message() << "uwTick starts at " << start);
    timed_delay(0);
    uwTick = start;
    const Time took = timed_delay(5);
    EXPECT_GE(took, 5 * kMillisecond);
    EXPECT_LE(took, 6 * kMillisecond + 20 * kMicrosecond);
    EXPECT_EQ(HAL_GetTick() - start, 6u);
  }
}

TEST_F(HalTick, DelayCloseToTheMaximumDoesNotWrapIntoAShortOne) {
  // With a 100 ms tick period, adding the extra period to 0xFFFFFFFA would wrap round to a
  // 94 ms wait; the delay must rather wait (for practical purposes) for ever.
  uwTickFreq = HAL_TICK_FREQ_10HZ;
  ASSERT_EQ(HAL_Init(), HAL_OK);
  ASSERT_EQ(read32(kSysTickLoad), 399999u);
  binding.set_time_limit(board.now() + 350 * kMillisecond);
  const native::RunResult result = binding.run([] { HAL_Delay(0xFFFFFFFAu); });
  EXPECT_EQ(result.reason, native::StopReason::TimeLimit);

  // An ordinary delay on the slow tick still waits its length, and at most one period more.
  binding.set_time_limit(board.now() + model::kSecond);
  timed_delay(0);
  const Time took = timed_delay(300);
  EXPECT_GE(took, 300 * kMillisecond);
  EXPECT_LE(took, 400 * kMillisecond + 20 * kMicrosecond);
}

TEST_F(HalTick, DeInitPulsesEachBusResetInOrderAndTouchesNothingElse) {
  ASSERT_EQ(HAL_Init(), HAL_OK);
  // Some state the pulses must not disturb: clock enables, SysTick, the APB3 bus.
  board.bus().write(kRcc + 0x08C, read32(kRcc + 0x08C) | 0x3Fu, 4);  // AHB2ENR1: GPIOA..F
  board.bus().write(kRcc + 0x09C, 1u << 17, 4);                       // APB1ENR1: USART2
  board.bus().write(kRcc + 0x0A8, 1u << 6, 4);                        // APB3ENR: LPUART1
  std::vector<std::uint32_t> enables;
  for (std::uint32_t offset = 0x088; offset <= 0x0A8; offset += 4) enables.push_back(read32(kRcc + offset));
  const std::uint32_t ctrl = read32(kSysTickCtrl), load = read32(kSysTickLoad);

  auto& writes = record_writes();
  EXPECT_EQ(HAL_DeInit(), HAL_OK);
  board.bus().set_observer({});

  const std::vector<std::pair<std::uint32_t, std::uint32_t>> expected = {
      {kRcc + 0x074, 0x027E403F}, {kRcc + 0x078, 0x00800222}, {kRcc + 0x074, 0}, {kRcc + 0x078, 0},  // APB1
      {kRcc + 0x07C, 0x00677800}, {kRcc + 0x07C, 0},                                                  // APB2
      {kRcc + 0x060, 0x0007100F}, {kRcc + 0x060, 0},                                                  // AHB1
      {kRcc + 0x064, 0x19BF55FF}, {kRcc + 0x068, 0x00000111}, {kRcc + 0x064, 0}, {kRcc + 0x068, 0},  // AHB2
      {kRcc + 0x06C, 0x00000661}, {kRcc + 0x06C, 0},                                                  // AHB3
  };
  EXPECT_EQ(writes, expected);

  std::vector<std::uint32_t> enables_after;
  for (std::uint32_t offset = 0x088; offset <= 0x0A8; offset += 4) enables_after.push_back(read32(kRcc + offset));
  EXPECT_EQ(enables_after, enables);
  EXPECT_EQ(read32(kSysTickCtrl) & 0x7u, ctrl & 0x7u);
  EXPECT_EQ(read32(kSysTickLoad), load);
  // The tick keeps running.
  const Time took = timed_delay(3);
  EXPECT_GE(took, 3 * kMillisecond);
  EXPECT_LE(took, 4 * kMillisecond + 20 * kMicrosecond);
}

TEST_F(HalTick, DeInitReturnsTheGpioPortsToTheirResetState) {
  ASSERT_EQ(HAL_Init(), HAL_OK);
  constexpr std::uint32_t kGpioF = 0x42021400;
  board.bus().write(kRcc + 0x08C, read32(kRcc + 0x08C) | (1u << 5), 4);  // GPIOF clock
  const std::uint32_t moder_reset = read32(kGpioF + 0x00);
  board.bus().write(kGpioF + 0x00, (moder_reset & ~0x3u) | 0x1u, 4);  // PF0 output
  board.bus().write(kGpioF + 0x14, 0x1u, 4);                          // driven high
  ASSERT_EQ(board.gpio('F').reg("ODR"), 0x1u);

  EXPECT_EQ(HAL_DeInit(), HAL_OK);
  EXPECT_EQ(board.gpio('F').reg("MODER"), moder_reset);
  EXPECT_EQ(board.gpio('F').reg("ODR"), 0u);
}

}  // namespace
}  // namespace ovrimo::test

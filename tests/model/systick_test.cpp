// SysTick and the core's exception logic as the firmware and the runners rely on them.
#include <gtest/gtest.h>

#include "model/board.h"

namespace ovrimo::model {
namespace {

constexpr std::uint32_t kCtrl = 0xE000E010, kLoad = 0xE000E014, kVal = 0xE000E018;
constexpr std::uint32_t kShpr3 = 0xE000ED20, kAircr = 0xE000ED0C;

TEST(SysTick, CountsDownAtTheProcessorClockAndRaisesItsExceptionEveryPeriod) {
  Board board;
  Bus& bus = board.bus();
  bus.write(kLoad, 3999, 4);
  bus.write(kVal, 0, 4);
  bus.write(kCtrl, 0x7, 4);  // processor clock, interrupt, enable
  // 4 MHz: one count per 250 ns. The first clock reloads, then 3999 counts down to zero.
  board.time().advance(250 * kNanosecond);
  EXPECT_EQ(bus.read(kVal, 4), 3999u);
  board.time().advance(250 * kNanosecond * 3998);
  EXPECT_EQ(bus.read(kVal, 4), 1u);
  EXPECT_FALSE(board.core().is_pending(kExcSysTick));
  board.time().advance(250 * kNanosecond);
  EXPECT_EQ(bus.read(kVal, 4), 0u);
  EXPECT_TRUE(board.core().is_pending(kExcSysTick));
  EXPECT_EQ(board.now(), kMillisecond);
  // COUNTFLAG reads once.
  EXPECT_NE(bus.read(kCtrl, 4) & (1u << 16), 0u);
  EXPECT_EQ(bus.read(kCtrl, 4) & (1u << 16), 0u);
  // Exactly one wrap per millisecond from then on.
  board.core().set_pending(kExcSysTick, false);
  board.time().advance(kMillisecond - 1);
  EXPECT_FALSE(board.core().is_pending(kExcSysTick));
  board.time().advance(1);
  EXPECT_TRUE(board.core().is_pending(kExcSysTick));
}

TEST(SysTick, StoppedCounterHoldsItsValueAndZeroReloadNeverWraps) {
  Board board;
  Bus& bus = board.bus();
  bus.write(kLoad, 100, 4);
  bus.write(kCtrl, 0x7, 4);
  board.time().advance(250 * kNanosecond * 11);  // reload, then 10 counts
  EXPECT_EQ(bus.read(kVal, 4), 90u);
  bus.write(kCtrl, 0x6, 4);  // disable
  board.time().advance(kMillisecond);
  EXPECT_EQ(bus.read(kVal, 4), 90u);
  bus.write(kLoad, 0, 4);
  bus.write(kVal, 0, 4);
  bus.write(kCtrl, 0x7, 4);
  board.core().set_pending(kExcSysTick, false);
  board.time().advance(10 * kMillisecond);
  EXPECT_FALSE(board.core().is_pending(kExcSysTick));
  EXPECT_EQ(bus.read(kVal, 4), 0u);
}

TEST(CoreExceptions, PrimaskAndPriorityDecideWhatIsTaken) {
  Board board;
  Core& core = board.core();
  Bus& bus = board.bus();
  core.set_pending(kExcSysTick, true);
  EXPECT_EQ(core.next_exception(), kExcSysTick);
  core.primask = 1;
  EXPECT_EQ(core.next_exception(), std::nullopt);
  core.primask = 0;
  // An enabled, pending interrupt of higher urgency wins over SysTick at priority 15.
  bus.write(kAircr, 0x05FA0300, 4);
  bus.write(kShpr3 + 3, 0xF0, 1);
  bus.write(0xE000E400 + 62, 0x50, 1);     // USART2 priority 5
  bus.write(0xE000E200 + 4, 1u << 30, 4);  // pend IRQ 62
  EXPECT_EQ(core.next_exception(), kExcSysTick);  // not enabled yet
  bus.write(0xE000E100 + 4, 1u << 30, 4);
  EXPECT_EQ(core.next_exception(), kExcFirstIrq + 62);
  core.exception_entry(kExcFirstIrq + 62);
  EXPECT_EQ(core.next_exception(), std::nullopt);  // SysTick cannot pre-empt priority 5
  core.exception_return(kExcFirstIrq + 62);
  EXPECT_EQ(core.next_exception(), kExcSysTick);
}

TEST(CoreRegisters, KeyProtectedAircrAndFourBitPriorities) {
  Board board;
  Bus& bus = board.bus();
  bus.write(kAircr, 0x00000300, 4);  // no key: ignored
  EXPECT_EQ(bus.read(kAircr, 4), 0xFA050000u);
  bus.write(kAircr, 0x05FA0300, 4);
  EXPECT_EQ(bus.read(kAircr, 4), 0xFA050300u);
  bus.write(0xE000E400 + 7, 0xFF, 1);
  EXPECT_EQ(bus.read(0xE000E404, 4), 0xF0000000u);
  bus.write(0xE000E400 + 126, 0xFF, 1);  // beyond the 126 interrupts: not implemented
  EXPECT_EQ(bus.read(0xE000E400 + 124, 4), 0u);
  bus.write(0xE000E100 + 3 * 4, 0xFFFFFFFF, 4);
  EXPECT_EQ(bus.read(0xE000E100 + 3 * 4, 4), 0x3FFFFFFFu);
}

}  // namespace
}  // namespace ovrimo::model

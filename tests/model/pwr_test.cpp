// The power controller model: voltage-range transitions, the EPOD booster, backup-domain
// protection and the low-power flags, as the power and clock drivers wait on them.
#include <gtest/gtest.h>

#include "model/board.h"

namespace ovrimo::model {
namespace {

constexpr std::uint32_t kPwr = Pwr::kBase;
constexpr std::uint32_t kCr3 = kPwr + 0x08, kVosr = kPwr + 0x0C, kDbpr = kPwr + 0x28, kSr = kPwr + 0x38;
constexpr std::uint32_t kSvmsr = kPwr + 0x3C;
constexpr std::uint32_t kAhb3Enr = Rcc::kBase + 0x094;

constexpr std::uint32_t kBoostRdy = 1u << 14, kVosRdy = 1u << 15, kBoostEn = 1u << 18, kActVosRdy = 1u << 15;
constexpr std::uint32_t vos(std::uint32_t range_code) { return range_code << 16; }

struct PwrFixture : ::testing::Test {
  explicit PwrFixture(BoardConfig config = {}) : board(config) { bus.write(kAhb3Enr, 0x80000004u, 4); }
  Board board;
  Bus& bus = board.bus();
  const PwrTiming& t = board.pwr().timing();
  std::uint32_t rd(std::uint32_t address) { return bus.read(address, 4); }
  void wr(std::uint32_t address, std::uint32_t value) { bus.write(address, value, 4); }
  void advance(Time d) { board.time().advance(d); }
};

TEST_F(PwrFixture, ResetValuesAndBusClockGate) {
  EXPECT_EQ(rd(kVosr), 0x00008000u);
  EXPECT_EQ(rd(kSvmsr), 0x00008000u);
  for (std::uint32_t offset = 0; offset < 0xB0; offset += 4) {
    if (offset == 0x0C || offset == 0x3C) continue;
    EXPECT_EQ(rd(kPwr + offset), 0u) << "offset " << offset;
  }
  // Status registers are the hardware's.
  wr(kSvmsr, 0xFFFFFFFFu);
  EXPECT_EQ(rd(kSvmsr), 0x00008000u);
  wr(kVosr, kBoostRdy | kVosRdy);
  EXPECT_EQ(rd(kVosr), 0x00008000u);
  // Without PWREN the block reads zero and ignores writes.
  wr(kAhb3Enr, 0x80000000u);
  EXPECT_EQ(rd(kVosr), 0u);
  wr(kDbpr, 1);
  EXPECT_FALSE(board.pwr().backup_domain_writable());
}

TEST_F(PwrFixture, RangeChangeDropsTheReadyFlagsUntilTheNewLevelIsReached) {
  wr(kVosr, vos(3) | kBoostEn);  // range 1 with the booster
  EXPECT_EQ(rd(kVosr) & kVosRdy, 0u);
  EXPECT_EQ(rd(kSvmsr), 0u);  // ACTVOS still range 4, ACTVOSRDY down
  advance(t.vos_transition - 1);
  EXPECT_EQ(rd(kVosr) & kVosRdy, 0u);
  EXPECT_EQ(rd(kSvmsr) & kActVosRdy, 0u);
  advance(1);
  EXPECT_EQ(rd(kVosr) & (vos(3) | kVosRdy), vos(3) | kVosRdy);
  EXPECT_EQ(rd(kSvmsr), vos(3) | kActVosRdy);
  EXPECT_EQ(board.pwr().active_range(), 3u);

  // Rewriting the requested range is no transition.
  wr(kVosr, rd(kVosr));
  EXPECT_TRUE(board.pwr().range_ready());

  // A new request during a transition restarts it towards the latest range.
  wr(kVosr, vos(1) | kBoostEn);
  advance(t.vos_transition / 2);
  wr(kVosr, vos(2) | kBoostEn);
  advance(t.vos_transition / 2 + 1);
  EXPECT_FALSE(board.pwr().range_ready());
  EXPECT_EQ(board.pwr().active_range(), 3u);
  advance(t.vos_transition);
  EXPECT_EQ(rd(kSvmsr), vos(2) | kActVosRdy);
}

TEST_F(PwrFixture, BoosterReadyFollowsItsEnable) {
  wr(kVosr, kBoostEn);
  advance(t.boost_startup - 1);
  EXPECT_EQ(rd(kVosr) & kBoostRdy, 0u);
  advance(1);
  EXPECT_EQ(rd(kVosr), kBoostEn | kBoostRdy | kVosRdy);
  wr(kVosr, 0);
  EXPECT_EQ(rd(kVosr), kVosRdy);  // stops at once
  // Disabled before it was ready: it never reports ready.
  wr(kVosr, kBoostEn);
  advance(t.boost_startup / 2);
  wr(kVosr, 0);
  advance(t.boost_startup);
  EXPECT_EQ(rd(kVosr) & kBoostRdy, 0u);
}

TEST_F(PwrFixture, BackupProtectionStopFlagsAndRegulatorSelection) {
  wr(kDbpr, 0xFFFFFFFFu);
  EXPECT_EQ(rd(kDbpr), 1u);
  EXPECT_TRUE(board.pwr().backup_domain_writable());

  // CSSF clears the stop and standby flags and reads 0; the flags cannot be written.
  board.pwr().regs().named("SR").set_bits(0x6);
  wr(kSr, 0x6);
  EXPECT_EQ(rd(kSr), 0x6u);
  wr(kSr, 0x1);
  EXPECT_EQ(rd(kSr), 0u);

  wr(kCr3, 0x2);  // SMPS
  EXPECT_EQ(rd(kSvmsr) & 0x2u, 0u);
  advance(t.regulator_switch);
  EXPECT_EQ(rd(kSvmsr) & 0x2u, 0x2u);
}

struct SlowPwr : PwrFixture {
  static BoardConfig config() {
    BoardConfig c;
    c.pwr.vos_transition = 5 * kMillisecond;
    return c;
  }
  SlowPwr() : PwrFixture(config()) {}
};

TEST_F(SlowPwr, TransitionTimeComesFromTheBoardConfiguration) {
  wr(kVosr, vos(1));
  advance(4 * kMillisecond);
  EXPECT_FALSE(board.pwr().range_ready());
  advance(kMillisecond);
  EXPECT_TRUE(board.pwr().range_ready());
  // A power-on reset cancels a transition in flight.
  wr(kVosr, vos(2));
  board.power_on_reset();
  advance(10 * kMillisecond);
  EXPECT_EQ(board.pwr().reg("SVMSR"), 0x00008000u);
  EXPECT_EQ(board.pwr().reg("VOSR"), 0x00008000u);
}

}  // namespace
}  // namespace ovrimo::model

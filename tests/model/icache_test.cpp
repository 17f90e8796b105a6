// Instruction cache controller: what the enable, disable and invalidate look like from the bus.
#include <gtest/gtest.h>

#include "model/board.h"

namespace ovrimo::model {
namespace {

constexpr std::uint32_t kCr = ICache::kBase + 0x00, kSr = ICache::kBase + 0x04, kIer = ICache::kBase + 0x08,
                        kFcr = ICache::kBase + 0x0C, kCrr0 = ICache::kBase + 0x20, kCrr3 = ICache::kBase + 0x2C;
constexpr std::uint32_t kEn = 1u << 0, kCacheInv = 1u << 1, kWaySel = 1u << 2;
constexpr std::uint32_t kBusyF = 1u << 0, kBsyEndF = 1u << 1;

TEST(ICache, ResetStateRunsAnInvalidateThatEndsWithBusyEnd) {
  Board board;
  Bus& bus = board.bus();
  const ICacheTiming t = board.icache().timing();
  EXPECT_EQ(bus.read(kCr, 4), kWaySel);  // off, 2-way
  EXPECT_EQ(bus.read(kSr, 4), kBusyF);
  EXPECT_EQ(bus.read(kCrr0, 4), 0x200u);
  EXPECT_EQ(bus.read(kCrr3, 4), 0x200u);
  board.time().advance(t.invalidate - 1);
  EXPECT_EQ(bus.read(kSr, 4), kBusyF);
  board.time().advance(1);
  EXPECT_EQ(bus.read(kSr, 4), kBsyEndF);
  bus.write(kFcr, 0xFFFFFFFF, 4);  // write 1 clears; FCR itself reads 0
  EXPECT_EQ(bus.read(kSr, 4), 0u);
  EXPECT_EQ(bus.read(kFcr, 4), 0u);
  bus.write(kIer, 0xFFFFFFFF, 4);
  EXPECT_EQ(bus.read(kIer, 4), 0x6u);
  bus.write(kCrr0, 0xFFFFFFFF, 4);
  EXPECT_EQ(bus.read(kCrr0, 4), 0x97FF8EFFu);
}

TEST(ICache, EnableIsImmediateDisableCompletesLateAndWaySelNeedsTheCacheOff) {
  Board board;
  Bus& bus = board.bus();
  const ICacheTiming t = board.icache().timing();
  board.time().advance(t.invalidate);  // let the reset invalidate finish

  bus.write(kCr, 0, 4);  // 1-way while off
  EXPECT_EQ(bus.read(kCr, 4), 0u);
  bus.write(kCr, kEn, 4);
  EXPECT_EQ(bus.read(kCr, 4), kEn);
  bus.write(kCr, kEn | kWaySel, 4);  // refused while enabled
  EXPECT_EQ(bus.read(kCr, 4), kEn);

  bus.write(kFcr, 2, 4);
  bus.write(kCr, 0, 4);
  const Time requested = board.now();
  EXPECT_EQ(bus.read(kCr, 4), kEn);  // still on until the disable completes
  EXPECT_TRUE(board.icache().disabling());
  bus.write(kCr, kWaySel, 4);  // still refused: EN reads 1
  EXPECT_EQ(bus.read(kCr, 4) & kWaySel, 0u);
  board.time().advance_to(requested + t.disable - 1);
  EXPECT_EQ(bus.read(kCr, 4), kEn);
  board.time().advance(1);
  EXPECT_EQ(bus.read(kCr, 4), 0u);
  // Switching off invalidates: BUSYF, then BSYENDF.
  EXPECT_EQ(bus.read(kSr, 4), kBusyF);
  board.time().advance(t.invalidate);
  EXPECT_EQ(bus.read(kSr, 4), kBsyEndF);
  bus.write(kCr, kWaySel, 4);
  EXPECT_EQ(bus.read(kCr, 4), kWaySel);

  // Enabling again while a disable is pending withdraws it.
  bus.write(kCr, kEn, 4);
  bus.write(kCr, 0, 4);
  bus.write(kCr, kEn, 4);
  board.time().advance(10 * t.disable);
  EXPECT_EQ(bus.read(kCr, 4) & kEn, kEn);
  EXPECT_FALSE(board.icache().disabling());
}

TEST(ICache, SoftwareInvalidateAndInjectedHangs) {
  Board board;
  Bus& bus = board.bus();
  ICache& icache = board.icache();
  board.time().advance(icache.timing().invalidate);
  bus.write(kFcr, 2, 4);

  bus.write(kCr, kCacheInv, 4);
  EXPECT_EQ(bus.read(kCr, 4), 0u);  // CACHEINV drops as BUSYF rises
  EXPECT_EQ(bus.read(kSr, 4), kBusyF);
  board.time().advance(icache.timing().invalidate);
  EXPECT_EQ(bus.read(kSr, 4), kBsyEndF);

  icache.set_timing({.disable = 3 * kMicrosecond, .invalidate = 20 * kMicrosecond});
  icache.faults.disable_hangs = true;
  bus.write(kCr, kEn, 4);
  bus.write(kCr, 0, 4);
  board.time().advance(kSecond);
  EXPECT_EQ(bus.read(kCr, 4), kEn);
  // A reset brings the controller back to its reset state, hang or not.
  board.power_on_reset();
  EXPECT_EQ(bus.read(kCr, 4), kWaySel);
  EXPECT_FALSE(icache.disabling());
  board.time().advance(icache.timing().invalidate);

  icache.faults = {.disable_hangs = false, .invalidate_hangs = true};
  bus.write(kCr, kEn, 4);
  bus.write(kCr, 0, 4);
  board.time().advance(3 * kMicrosecond);
  EXPECT_EQ(bus.read(kCr, 4), 0u);
  board.time().advance(kSecond);
  EXPECT_EQ(bus.read(kSr, 4), kBusyF | kBsyEndF);  // the end flag of the reset invalidate stays
}

}  // namespace
}  // namespace ovrimo::model

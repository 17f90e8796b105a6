// Instruction cache controller: what the enable, disable and invalidate look like from the bus.
#include <gtest/gtest.h>

#include <cstring>

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
  EXPECT_EQ(bus.read(kSr, 4), 0u);  // no invalidate: the lines survive a disable by default
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
  bus.write(kCr, kEn | kCacheInv, 4);
  board.time().advance(kSecond);
  EXPECT_EQ(bus.read(kSr, 4), kBusyF | kBsyEndF);  // the end flag of the reset invalidate stays
}

// The cache serves data reads of flash and never sees erase or programming: what the firmware
// must survive after every flash operation.
TEST(ICache, LinesKeepOldFlashContentsUntilAnInvalidateOrAConflictingRead) {
  Board board;
  Bus& bus = board.bus();
  ICache& icache = board.icache();
  std::vector<std::uint8_t>& flash = board.flash_array().bytes();
  board.time().advance(icache.timing().invalidate);
  constexpr std::uint32_t a = 0x0808FF00, off = a - FlashArray::kBase;
  auto put = [&](std::uint32_t offset, std::uint32_t value) { std::memcpy(&flash[offset], &value, 4); };

  put(off, 0x11111111);
  EXPECT_EQ(bus.read(a, 4), 0x11111111u);  // cache off: no line is filled
  put(off, 0x22222222);
  EXPECT_EQ(bus.read(a, 4), 0x22222222u);

  bus.write(kCr, kEn | kWaySel, 4);
  EXPECT_EQ(bus.read(a + 2, 2), 0x2222u);  // fills the whole 16-byte line
  put(off, 0x33333333);
  put(off + 16, 0x44444444);
  EXPECT_EQ(bus.read(a, 4), 0x22222222u);       // stale
  EXPECT_EQ(bus.read(a + 16, 4), 0x44444444u);  // the next line was not cached

  // A disable passes reads to flash but keeps the lines; enabling again serves them.
  bus.write(kCr, kWaySel, 4);
  board.time().advance(icache.timing().disable);
  EXPECT_EQ(bus.read(a, 4), 0x33333333u);
  bus.write(kCr, kEn | kWaySel, 4);
  EXPECT_EQ(bus.read(a, 4), 0x22222222u);

  // CACHEINV drops them; during the invalidate reads go to flash and fill nothing.
  bus.write(kCr, kEn | kWaySel | kCacheInv, 4);
  put(off, 0x55555555);
  EXPECT_EQ(bus.read(a, 4), 0x55555555u);
  put(off, 0x66666666);
  board.time().advance(icache.timing().invalidate);
  EXPECT_EQ(bus.read(a, 4), 0x66666666u);
  EXPECT_EQ(icache.valid_lines(), 1u);

  // 2-way, 256 sets: addresses 4 KB apart share a set; the least recently used way goes.
  put(off + 4096, 0x77777777);
  EXPECT_EQ(bus.read(a + 4096, 4), 0x77777777u);
  EXPECT_EQ(bus.read(a, 4), 0x66666666u);  // a is now the more recent way
  put(off, 0x88888888);
  put(off + 4096, 0x99999999);
  EXPECT_EQ(bus.read(a + 8192, 4), 0xFFFFFFFFu);  // evicts a + 4096
  EXPECT_EQ(bus.read(a, 4), 0x66666666u);
  EXPECT_EQ(bus.read(a + 4096, 4), 0x99999999u);

  // Direct-mapped: one line per set, 512 sets, so a read 8 KB away evicts; a change of WAYSEL
  // drops everything.
  bus.write(kCr, 0, 4);
  board.time().advance(icache.timing().disable);
  bus.write(kCr, 0, 4);  // WAYSEL 0
  EXPECT_EQ(icache.valid_lines(), 0u);
  bus.write(kCr, kEn, 4);
  EXPECT_EQ(bus.read(a, 4), 0x88888888u);
  put(off, 0xAAAAAAAA);
  EXPECT_EQ(bus.read(a + 4096, 4), 0x99999999u);  // another set: a stays
  EXPECT_EQ(bus.read(a, 4), 0x88888888u);
  EXPECT_EQ(bus.read(a + 8192, 4), 0xFFFFFFFFu);
  EXPECT_EQ(bus.read(a, 4), 0xAAAAAAAAu);

  // A reset drops the lines; a disable drops them only where asked to.
  put(off, 0xBBBBBBBB);
  board.power_on_reset();
  board.time().advance(icache.timing().invalidate);
  bus.write(kCr, kEn | kWaySel, 4);
  EXPECT_EQ(bus.read(a, 4), 0xBBBBBBBBu);
  put(off, 0xCCCCCCCC);
  icache.behaviour.disable_drops_lines = true;
  bus.write(kCr, kWaySel, 4);
  board.time().advance(icache.timing().disable);
  EXPECT_EQ(bus.read(kSr, 4) & kBusyF, kBusyF);
  board.time().advance(icache.timing().invalidate);
  bus.write(kCr, kEn | kWaySel, 4);
  EXPECT_EQ(bus.read(a, 4), 0xCCCCCCCCu);
}

}  // namespace
}  // namespace ovrimo::model

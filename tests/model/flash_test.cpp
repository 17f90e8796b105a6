// The flash controller and array as a driver meets them through the bus.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "model/board.h"

namespace ovrimo::model {
namespace {

constexpr std::uint32_t kAcr = 0x40022000, kNskeyr = 0x40022008, kNssr = 0x40022020, kNscr = 0x40022028;
constexpr std::uint32_t kApp = 0x08010000;  // page 8 of bank 1
using FC = FlashController;

class FlashModel : public ::testing::Test {
 protected:
  void unlock() {
    bus.write(kNskeyr, FC::kKey1, 4);
    bus.write(kNskeyr, FC::kKey2, 4);
  }
  std::uint32_t nssr() { return bus.read(kNssr, 4); }
  std::uint32_t nscr() { return bus.read(kNscr, 4); }
  void store4(std::uint32_t address, std::uint32_t w0, std::uint32_t w1, std::uint32_t w2, std::uint32_t w3) {
    for (std::uint32_t w : {w0, w1, w2, w3}) {
      bus.write(address, w, 4);
      address += 4;
    }
  }
  void program(std::uint32_t address, std::uint32_t word) {
    bus.write(kNscr, FC::kPg, 4);
    store4(address, word, word + 1, word + 2, word + 3);
  }
  void erase_page(unsigned page, bool bank2 = false) {
    bus.write(kNscr, FC::kPer | (page << 3) | (bank2 ? FC::kBker : 0u) | FC::kStrt, 4);
  }
  void settle() { board.time().advance(board.flash().timing().bank_erase * 3); }
  bool erased(std::uint32_t address, std::uint32_t size) {
    for (std::uint32_t i = 0; i < size; ++i)
      if (board.flash_array().bytes()[address - FlashArray::kBase + i] != 0xFF) return false;
    return true;
  }

  Board board;
  Bus& bus = board.bus();
  FlashController& flash = board.flash();
};

TEST_F(FlashModel, ResetValuesAndLatencyReadBack) {
  EXPECT_EQ(nscr(), 0xC0000000u);
  EXPECT_EQ(nssr(), 0u);
  EXPECT_EQ(bus.read(0x4002202C, 4), 0x80000000u);  // SECCR
  EXPECT_EQ(bus.read(0x40022040, 4) & 0xFFu, 0xAAu);  // OPTR: read-out level 0
  bus.write(kAcr, 0x0000010F | 0x3000, 4);  // power-down requests without their keys do not take
  EXPECT_EQ(bus.read(kAcr, 4), 0x0000010Fu);
  bus.write(kAcr, 0x00000003, 4);
  EXPECT_EQ(bus.read(kAcr, 4), 0x00000003u);
  EXPECT_EQ(bus.read(kNskeyr, 4), 0u);  // write-only
}

TEST_F(FlashModel, KeySequenceUnlocksAndSoftwareLocksAgain) {
  bus.write(kNscr, FC::kPg, 4);  // locked: ignored
  EXPECT_EQ(nscr(), 0xC0000000u);
  unlock();
  EXPECT_EQ(nscr(), 0x40000000u);
  bus.write(kNscr, FC::kPg | FC::kEopie, 4);
  EXPECT_EQ(nscr(), 0x40000000u | FC::kPg | FC::kEopie);
  bus.write(kNscr + 2, 0, 1);  // a byte store changes only its own lane
  EXPECT_EQ(nscr(), 0x40000000u | FC::kPg | FC::kEopie);
  bus.write(kNscr, FC::kLock, 4);  // LOCK set by software; writing 0 to OPTLOCK does not clear it
  EXPECT_EQ(nscr(), 0xC0000000u);
  EXPECT_FALSE(flash.locked_until_reset());
  unlock();  // the pair works again after a software lock
  EXPECT_EQ(nscr() & FC::kLock, 0u);
}

TEST_F(FlashModel, AnyWrongKeyLocksUntilReset) {
  struct Case {
    const char* what;
    std::vector<std::uint32_t> keys;
  };
  const Case cases[] = {
      {"wrong first key", {0x12345678, FC::kKey1, FC::kKey2}},
      {"wrong second key", {FC::kKey1, FC::kKey1, FC::kKey1, FC::kKey2}},
      {"keys swapped", {FC::kKey2, FC::kKey1, FC::kKey1, FC::kKey2}},
      {"key while unlocked", {FC::kKey1, FC::kKey2, FC::kKey1, FC::kKey1, FC::kKey2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    board.power_on_reset();
    for (std::uint32_t key : c.keys) bus.write(kNskeyr, key, 4);
    EXPECT_TRUE(flash.locked_until_reset());
    EXPECT_EQ(nscr() & FC::kLock, FC::kLock);
    bus.write(kNscr, FC::kPer, 4);
    EXPECT_EQ(nscr() & FC::kPer, 0u);
    unlock();
    EXPECT_EQ(nscr() & FC::kLock, FC::kLock);
    board.power_on_reset();
    unlock();
    EXPECT_EQ(nscr() & FC::kLock, 0u);
  }
}

TEST_F(FlashModel, QuadWordProgramsOnItsFourthWordAndTakesTheProgramTime) {
  std::vector<std::pair<std::uint32_t, std::uint32_t>> changes;
  flash.on_flash_changed([&](std::uint32_t a, std::uint32_t s) { changes.emplace_back(a, s); });
  unlock();
  bus.write(kNscr, FC::kPg, 4);
  for (std::uint32_t i = 0; i < 3; ++i) {
    bus.write(kApp + 4 * i, 0x11111111u * (i + 1), 4);
    EXPECT_EQ(nssr(), FC::kWdw);
  }
  EXPECT_TRUE(erased(kApp, 16));
  const Time start = board.now();
  bus.write(kApp + 12, 0x44444444, 4);
  EXPECT_EQ(nssr(), FC::kBsy);
  board.time().advance_to(start + 118 * kMicrosecond - 1);
  EXPECT_EQ(nssr(), FC::kBsy);
  EXPECT_TRUE(erased(kApp, 16));  // old contents until the end
  EXPECT_TRUE(changes.empty());
  board.time().advance(1);
  EXPECT_EQ(nssr(), 0u);  // no EOP without EOPIE
  EXPECT_EQ(board.flash_array().word(kApp + 0), 0x11111111u);
  EXPECT_EQ(board.flash_array().word(kApp + 12), 0x44444444u);
  EXPECT_EQ(bus.read(kApp + 8, 4), 0x33333333u);
  EXPECT_EQ(changes, (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{kApp, 16}}));
  EXPECT_TRUE(erased(kApp + 16, 16));

  // With EOPIE the end is reported in EOP, cleared by writing 1.
  bus.write(kNscr, FC::kPg | FC::kEopie, 4);
  store4(kApp + 16, 1, 2, 3, 4);
  board.time().advance(118 * kMicrosecond);
  EXPECT_EQ(nssr(), FC::kEop);
  bus.write(kNssr, FC::kEop, 4);
  EXPECT_EQ(nssr(), 0u);
}

TEST_F(FlashModel, ProgrammedTargetIsRefusedUnlessWrittenWithZeros) {
  unlock();
  program(kApp, 0x10);
  settle();
  program(kApp, 0x20);  // not erased: PROGERR at once, nothing changes
  EXPECT_EQ(nssr(), FC::kProgerr);
  EXPECT_EQ(board.flash_array().word(kApp), 0x10u);
  // A store while the flag is still set is dropped (no WDW left behind).
  bus.write(kApp + 16, 0, 4);
  EXPECT_EQ(nssr(), FC::kProgerr);
  bus.write(kNssr, FC::kProgerr, 4);
  store4(kApp, 0, 0, 0, 0);  // zeros over programmed data are allowed
  EXPECT_EQ(nssr(), FC::kBsy);
  settle();
  EXPECT_EQ(nssr(), 0u);
  EXPECT_EQ(board.flash_array().word(kApp + 4), 0u);
}

TEST_F(FlashModel, SequenceErrorsAndTheirFlags) {
  struct Case {
    const char* what;
    std::uint32_t nscr;
    std::function<void(Bus&)> stores;
    std::uint32_t flag;
  };
  const Case cases[] = {
      {"store with PG clear", 0, [](Bus& b) { b.write(kApp, 1, 4); }, FC::kPgserr},
      {"PG with PER", FC::kPg | FC::kPer, [](Bus& b) { b.write(kApp, 1, 4); }, FC::kPgserr},
      {"byte store", FC::kPg, [](Bus& b) { b.write(kApp, 1, 1); }, FC::kSizerr},
      {"half-word store", FC::kPg, [](Bus& b) { b.write(kApp, 1, 2); }, FC::kSizerr},
      {"misaligned word", FC::kPg, [](Bus& b) { b.write(kApp + 2, 1, 4); }, FC::kPgaerr},
      {"word outside the quad-word",
       FC::kPg,
       [](Bus& b) {
         b.write(kApp + 4, 1, 4);
         b.write(kApp + 8, 1, 4);
         b.write(kApp + 12, 1, 4);
         b.write(kApp + 16, 1, 4);
       },
       FC::kPgaerr},
      {"PG cleared with words pending", FC::kPg,
       [](Bus& b) {
         b.write(kApp, 1, 4);
         b.write(kNscr, 0, 4);
       },
       FC::kPgserr},
      {"STRT with no operation", FC::kStrt, [](Bus&) {}, FC::kPgserr},
      {"STRT with page and mass erase", FC::kPer | FC::kMer1 | FC::kStrt, [](Bus&) {}, FC::kPgserr},
      {"STRT with PG and PER", FC::kPg | FC::kPer | FC::kStrt, [](Bus&) {}, FC::kPgserr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    board.power_on_reset();
    unlock();
    bus.write(kNscr, c.nscr, 4);
    c.stores(bus);
    EXPECT_EQ(nssr(), c.flag);  // no WDW left, no BSY
    EXPECT_EQ(nscr() & FC::kStrt, 0u);
    settle();
    EXPECT_TRUE(erased(kApp, 32));
    bus.write(kNssr, 0xFFFFFFFF, 4);
    EXPECT_EQ(nssr(), 0u);
  }
}

TEST_F(FlashModel, BurstProgramsEightQuadWordsInOneBlock) {
  unlock();
  bus.write(kNscr, FC::kPg | FC::kBwr, 4);
  for (std::uint32_t i = 0; i < 31; ++i) bus.write(kApp + 4 * i, i, 4);
  EXPECT_EQ(nssr(), FC::kWdw);
  const Time start = board.now();
  bus.write(kApp + 124, 31, 4);
  EXPECT_EQ(nssr(), FC::kBsy);
  board.time().advance_to(start + kMillisecond - 1);
  EXPECT_EQ(nssr(), FC::kBsy);
  board.time().advance(1);
  EXPECT_EQ(nssr(), 0u);
  for (std::uint32_t i = 0; i < 32; ++i) EXPECT_EQ(board.flash_array().word(kApp + 4 * i), i);
  // A burst must stay within one aligned 128-byte block.
  bus.write(kApp + 0x80 + 0x70, 0, 4);
  bus.write(kApp + 0x100, 0, 4);
  EXPECT_EQ(nssr(), FC::kPgaerr);
}

TEST_F(FlashModel, PageAndMassErase) {
  auto& bytes = board.flash_array().bytes();
  std::fill(bytes.begin(), bytes.end(), 0x00);
  unlock();
  Time start = board.now();
  erase_page(8);
  EXPECT_EQ(nssr(), FC::kBsy);
  EXPECT_EQ(nscr() & FC::kStrt, FC::kStrt);
  board.time().advance_to(start + 1500 * kMicrosecond - 1);
  EXPECT_FALSE(erased(kApp, 1));
  board.time().advance(1);
  EXPECT_EQ(nssr(), 0u);
  EXPECT_EQ(nscr() & FC::kStrt, 0u);  // cleared by the hardware at the end
  EXPECT_TRUE(erased(kApp, FlashArray::kPageSize));
  EXPECT_EQ(bytes[kApp - FlashArray::kBase - 1], 0x00);
  EXPECT_EQ(bytes[kApp - FlashArray::kBase + FlashArray::kPageSize], 0x00);

  erase_page(127, true);  // last page of bank 2
  settle();
  EXPECT_TRUE(erased(0x081FE000, FlashArray::kPageSize));
  EXPECT_EQ(bytes[0x001FE000 - 1], 0x00);

  // MER1+STRT then MER2+STRT while the first runs: both banks, one bank-erase time each.
  std::fill(bytes.begin(), bytes.end(), 0x00);
  start = board.now();
  bus.write(kNscr, FC::kMer1 | FC::kStrt, 4);
  bus.write(kNscr, FC::kMer1 | FC::kMer2 | FC::kStrt, 4);
  board.time().advance_to(start + 400 * kMillisecond - 1);
  EXPECT_EQ(nssr(), FC::kBsy);
  board.time().advance(1);
  EXPECT_EQ(nssr(), 0u);
  EXPECT_TRUE(erased(FlashArray::kBase, FlashArray::kSize));

  // A different request while an erase runs is refused; the running one completes.
  std::fill(bytes.begin(), bytes.end(), 0x00);
  erase_page(3);
  erase_page(4);
  EXPECT_EQ(nssr(), FC::kBsy | FC::kPgserr);
  settle();
  EXPECT_TRUE(erased(0x08006000, FlashArray::kPageSize));
  EXPECT_FALSE(erased(0x08008000, 1));
}

TEST_F(FlashModel, StoreDuringAnOperationWaitsForItsEnd) {
  unlock();
  erase_page(8);
  const Time start = board.now();
  bus.write(kNscr, FC::kPg, 4);  // PER cleared, PG set while the erase runs
  bus.write(kApp, 0xABCD, 4);
  EXPECT_EQ(board.now(), start + 1500 * kMicrosecond);
  EXPECT_EQ(nssr(), FC::kWdw);
}

TEST_F(FlashModel, WriteProtectedPagesRefuseProgramAndErase) {
  flash.protect_pages(1, 8, 9);
  unlock();
  program(kApp + FlashArray::kPageSize, 1);
  EXPECT_EQ(nssr(), FC::kWrperr);
  bus.write(kNssr, FC::kWrperr, 4);
  erase_page(8);
  EXPECT_EQ(nssr(), FC::kWrperr);
  bus.write(kNssr, FC::kWrperr, 4);
  bus.write(kNscr, FC::kMer1 | FC::kStrt, 4);
  EXPECT_EQ(nssr(), FC::kWrperr);
  bus.write(kNssr, FC::kWrperr, 4);
  bus.write(kNscr, FC::kMer2 | FC::kStrt, 4);  // bank 2 is not protected
  EXPECT_EQ(nssr(), FC::kBsy);
}

TEST_F(FlashModel, InjectedFaults) {
  auto& bytes = board.flash_array().bytes();
  unlock();
  // A page that does not erase: contents kept, OPERR (or nothing, when silent).
  bytes[kApp - FlashArray::kBase] = 0x5A;
  bytes[kApp - FlashArray::kBase + FlashArray::kPageSize] = 0x5A;
  flash.fail_erase(kApp + 100);
  flash.fail_erase(kApp + FlashArray::kPageSize, FaultReport::Silent);
  erase_page(8);
  settle();
  EXPECT_EQ(nssr(), FC::kOperr);
  EXPECT_EQ(bytes[kApp - FlashArray::kBase], 0x5A);
  bus.write(kNssr, FC::kOperr, 4);
  erase_page(9);
  settle();
  EXPECT_EQ(nssr(), 0u);
  EXPECT_EQ(bytes[kApp - FlashArray::kBase + FlashArray::kPageSize], 0x5A);

  // A quad-word that does not program, and one that programs with a bit flipped.
  const std::uint32_t target = 0x08020000;
  flash.fail_program(target + 8);
  flash.corrupt_program(target + 16 + 5, 0x04);
  program(target, 0x100);
  settle();
  EXPECT_EQ(nssr(), FC::kProgerr);
  EXPECT_TRUE(erased(target, 16));
  bus.write(kNssr, FC::kProgerr, 4);
  program(target + 16, 0x200);
  settle();
  EXPECT_EQ(nssr(), 0u);
  EXPECT_EQ(board.flash_array().word(target + 16), 0x200u);
  EXPECT_EQ(board.flash_array().word(target + 20), 0x201u ^ 0x0400u);

  // BSY that never clears: a store can never complete; the fault outlives a reset.
  flash.hold_busy(true);
  EXPECT_EQ(nssr(), FC::kBsy);
  bus.write(kNscr, FC::kPg, 4);
  EXPECT_THROW(bus.write(target + 32, 1, 4), BusError);
  board.power_on_reset();
  EXPECT_EQ(nssr(), FC::kBsy);
  flash.clear_faults();
  EXPECT_EQ(nssr(), 0u);
}

// A power cut in the middle of a program leaves its quad-word half-programmed with an ECC that
// matches nothing: a read that reaches it reports a double error and raises the NMI; a read the
// cache serves does not reach it; erasing the page mends it. Without the breaking behaviour only
// the mixed bits remain.
TEST_F(FlashModel, ACutProgramBreaksTheEccOfItsQuadWordUntilThePageIsErased) {
  constexpr std::uint32_t kEccr = 0x40022030, kEccd = 1u << 31, kBkEcc = 1u << 21;
  constexpr std::uint32_t kIcacheCr = 0x40030400;
  unlock();
  std::vector<FlashOperation> started;
  flash.on_operation_started([&started](const FlashOperation& op) { started.push_back(op); });
  program(kApp + 0x40, 0x01020304);
  const auto running = flash.running_operation();
  ASSERT_TRUE(running.has_value());
  EXPECT_EQ(running->kind, FlashOperation::Kind::Program);
  EXPECT_EQ(running->address, kApp + 0x40);
  EXPECT_EQ(running->ends - running->started, flash.timing().quad_word_program);
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0].started, running->started);
  board.power_on_reset();  // BSY still set: the program is cut
  EXPECT_FALSE(flash.running_operation().has_value());
  EXPECT_NE(board.flash_array().word(kApp + 0x40), 0x01020304u);
  EXPECT_NE(board.flash_array().word(kApp + 0x40), 0xFFFFFFFFu);
  EXPECT_FALSE(board.core().is_pending(kExcNmi));

  // Another board restored from what the cut left reads the same bytes with the same broken ECC.
  {
    Board next;
    next.flash_array().restore(board.flash_array().contents());
    EXPECT_EQ(next.flash_array().contents(), board.flash_array().contents());
    EXPECT_EQ(next.bus().read(kApp + 0x30, 4), 0xFFFFFFFFu);
    EXPECT_FALSE(next.core().is_pending(kExcNmi));
    (void)next.bus().read(kApp + 0x44, 4);
    EXPECT_TRUE(next.core().is_pending(kExcNmi));
    EXPECT_THROW(next.flash_array().restore(FlashContents{std::vector<std::uint8_t>(16, 0xFF), {}}), std::invalid_argument);
  }

  EXPECT_EQ(bus.read(kApp + 0x30, 4), 0xFFFFFFFFu);  // the quad-word before is intact
  EXPECT_FALSE(board.core().is_pending(kExcNmi));
  (void)bus.read(kApp + 0x48, 1);
  EXPECT_TRUE(board.core().is_pending(kExcNmi));
  EXPECT_EQ(bus.read(kEccr, 4), kEccd | 0x10040u);
  bus.write(kEccr, kEccd, 4);
  EXPECT_EQ(bus.read(kEccr, 4) & kEccd, 0u);
  board.core().set_pending(kExcNmi, false);

  // With the cache on, the failed read fills no line: the next read reports again.
  board.time().advance(board.icache().timing().invalidate);
  bus.write(kIcacheCr, 1, 4);
  (void)bus.read(kApp + 0x40, 4);
  EXPECT_EQ(board.icache().valid_lines(), 0u);
  board.core().set_pending(kExcNmi, false);
  (void)bus.read(kApp + 0x40, 4);
  EXPECT_TRUE(board.core().is_pending(kExcNmi));
  board.core().set_pending(kExcNmi, false);

  // A bank-2 quad-word names its bank.
  board.flash_array().break_ecc(FlashArray::kBankSize + 0x2000);
  bus.write(kEccr, kEccd, 4);
  (void)bus.read(FlashArray::kBase + FlashArray::kBankSize + 0x2004, 4);
  EXPECT_EQ(bus.read(kEccr, 4), kEccd | kBkEcc | 0x2000u);

  unlock();
  erase_page(8);
  settle();
  EXPECT_TRUE(board.flash_array().ecc_intact(kApp - FlashArray::kBase, FlashArray::kPageSize));
  EXPECT_FALSE(board.flash_array().ecc_intact(FlashArray::kBankSize + 0x2000, 16));

  flash.set_cut_breaks_ecc(false);
  unlock();
  program(kApp + 0x80, 0x01020304);
  board.power_on_reset();
  EXPECT_NE(board.flash_array().word(kApp + 0x80), 0x01020304u);
  EXPECT_TRUE(board.flash_array().ecc_intact(kApp + 0x80 - FlashArray::kBase, 16));
}

TEST_F(FlashModel, HeldBusyKeepsAnOperationRunningUntilReleased) {
  unlock();
  erase_page(20);
  flash.hold_busy(true);
  board.time().advance(10 * kSecond);
  EXPECT_EQ(nssr(), FC::kBsy);
  flash.hold_busy(false);
  EXPECT_EQ(nssr(), 0u);
  // A reset during an operation abandons it.
  std::fill_n(board.flash_array().bytes().begin() + 21 * FlashArray::kPageSize, 16, 0x00);
  erase_page(21);
  board.power_on_reset();
  settle();
  EXPECT_EQ(nssr(), 0u);
  EXPECT_FALSE(erased(FlashArray::kBase + 21 * FlashArray::kPageSize, 1));
}

}  // namespace
}  // namespace ovrimo::model

// The application-region flash writer: what it erases, what it programs, where it stops, and
// that the controller is locked again whatever happened.
#include <gtest/gtest.h>

#include "firmware_fixture.h"
#include "flash.h"

namespace ovrimo::test {
namespace {

using model::FlashController;

class FlashWriter : public FirmwareTest {
 protected:
  void SetUp() override { run_to_return([] { (void)HAL_Init(); }); }

  flash_status write(std::uint32_t address, const std::vector<std::uint32_t>& words, std::uint32_t count) {
    flash_status status = FLASH_OK;
    run_to_return([&] { status = flash_write(address, words.data(), count); });
    return status;
  }

  void fill_bank1(std::uint8_t value) { fill_flash(model::FlashArray::kBase, model::FlashArray::kBankSize, value); }

  static std::vector<std::uint32_t> words(std::size_t count, std::uint32_t seed = 0x11223344) {
    std::vector<std::uint32_t> w(count);
    for (std::size_t i = 0; i < count; ++i) w[i] = seed + static_cast<std::uint32_t>(i) * 0x01010101u;
    return w;
  }
};

TEST_F(FlashWriter, EraseClearsPages8To126AndKeepsTheBootloaderAndTheLastPage) {
  fill_bank1(0x5A);
  flash_status status = FLASH_ERROR;
  const model::Time start = board.now();
  run_to_return([&] { status = flash_erase(FLASH_APP_START_ADDRESS); });
  EXPECT_EQ(status, FLASH_OK);

  for (std::uint32_t page = 0; page < 128; ++page) {
    const std::uint32_t address = model::FlashArray::kBase + page * kPage;
    const auto bytes = flash_bytes(address, kPage);
    const bool erased = std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0xFF; });
    const bool kept = std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0x5A; });
    if (page >= 8 && page <= 126) {
      EXPECT_TRUE(erased) << "page " << page;
    } else {
      EXPECT_TRUE(kept) << "page " << page;
    }
  }
  // One page after the other: 119 erase times.
  EXPECT_GE(board.now() - start, 119 * board.flash().timing().page_erase);
  EXPECT_LT(board.now() - start, 120 * board.flash().timing().page_erase);
  EXPECT_TRUE(flash_locked());
}

TEST_F(FlashWriter, EraseRefusesAddressesOutsideTheApplicationRegion) {
  fill_bank1(0x5A);
  std::fill_n(board.flash_array().bytes().begin() + model::FlashArray::kBankSize, kPage, 0x3C);
  for (std::uint32_t address : {0x08000000u, 0x0800FFFFu, 0x08100000u, 0x081FE000u, 0xFFFFFFFFu}) {
    flash_status status = FLASH_OK;
    run_to_return([&] { status = flash_erase(address); });
    EXPECT_EQ(status, FLASH_ERROR) << std::hex << address;
    EXPECT_TRUE(flash_locked()) << std::hex << address;
  }
  EXPECT_EQ(board.flash_array().bytes()[0], 0x5A);
  EXPECT_EQ(board.flash_array().bytes()[0x10000], 0x5A);
  EXPECT_EQ(board.flash_array().bytes()[model::FlashArray::kBankSize], 0x3C);
  EXPECT_EQ(board.flash().reg("NSSR") & FlashController::kErrors, 0u);
}

TEST_F(FlashWriter, EraseFailureStopsAtTheFailingPageAndReportsError) {
  fill_bank1(0x5A);
  const std::uint32_t bad_page = FLASH_APP_START_ADDRESS + 12 * kPage;  // page 20
  board.flash().fail_erase(bad_page);
  flash_status status = FLASH_OK;
  run_to_return([&] { status = flash_erase(FLASH_APP_START_ADDRESS); });
  EXPECT_EQ(status, FLASH_ERROR);
  EXPECT_TRUE(flash_erased(FLASH_APP_START_ADDRESS, 12 * kPage));
  EXPECT_EQ(flash_bytes(bad_page, 1)[0], 0x5A);
  EXPECT_EQ(flash_bytes(bad_page + kPage, 1)[0], 0x5A);
  EXPECT_TRUE(flash_locked());
}

TEST_F(FlashWriter, WriteProgramsWholeQuadWordsOnly) {
  const auto data = words(256);
  struct Case {
    std::uint32_t count;
    std::uint32_t programmed_bytes;
  };
  std::uint32_t address = FLASH_APP_START_ADDRESS;
  for (const Case& c : {Case{32, 128}, Case{256, 1024}, Case{0, 0}, Case{6, 16}, Case{3, 0}}) {
    EXPECT_EQ(write(address, data, c.count), FLASH_OK) << c.count;
    for (std::uint32_t i = 0; i < c.programmed_bytes / 4; ++i) {
      ASSERT_EQ(flash_word(address + 4 * i), data[i]) << c.count << " words, word " << i;
    }
    // The remainder of one to three words is neither written nor reported.
    EXPECT_TRUE(flash_erased(address + c.programmed_bytes, 64)) << c.count;
    EXPECT_TRUE(flash_locked());
    address += 2048;
  }
}

TEST_F(FlashWriter, WriteStopsBelowTheEndOfBank1) {
  const auto data = words(256);
  // A block that runs past the bound is written up to the last quad-word below it, the one at
  // 0x080FFFE0; the one at 0x080FFFF0 is refused.
  EXPECT_EQ(write(0x080FFC00, data, 256), FLASH_ERROR_SIZE);
  EXPECT_EQ(flash_word(0x080FFC00), data[0]);
  EXPECT_EQ(flash_word(0x080FFFE0), data[0x3E0 / 4]);
  EXPECT_EQ(flash_word(0x080FFFEC), data[0x3EC / 4]);
  EXPECT_TRUE(flash_erased(0x080FFFF0, 16));
  EXPECT_TRUE(flash_locked());

  EXPECT_EQ(write(0x080FFFF0, data, 4), FLASH_ERROR_SIZE);
  EXPECT_TRUE(flash_erased(0x080FFFF0, 16));
  EXPECT_TRUE(flash_locked());
}

TEST_F(FlashWriter, ProgramFailureStopsAfterTheFailingQuadWord) {
  const auto data = words(32);
  const std::uint32_t address = FLASH_APP_START_ADDRESS + 0x100;
  // Old contents in the second quad-word: programming over them is refused.
  store_word(address + 16 + 8, 0x12345678);
  EXPECT_EQ(write(address, data, 32), FLASH_ERROR_WRITE);
  EXPECT_EQ(flash_word(address), data[0]);
  EXPECT_EQ(flash_word(address + 16 + 8), 0x12345678u);
  EXPECT_TRUE(flash_erased(address + 32, 96));
  EXPECT_TRUE(flash_locked());
  EXPECT_EQ(board.flash().reg("NSSR") & FlashController::kErrors, 0u);  // flags cleared by the driver
}

TEST_F(FlashWriter, ReadBackMismatchIsReportedAndStopsTheBlock) {
  const auto data = words(32);
  const std::uint32_t address = FLASH_APP_START_ADDRESS + 0x400;
  board.flash().corrupt_program(address + 16 * 2 + 5, 0x40);  // third quad-word reads back wrong
  EXPECT_EQ(write(address, data, 32), FLASH_ERROR_READBACK);
  EXPECT_EQ(flash_word(address + 16), data[4]);
  EXPECT_NE(flash_word(address + 32 + 4), data[9]);
  EXPECT_TRUE(flash_erased(address + 48, 80));
  EXPECT_TRUE(flash_locked());
}

// With the cache on, a line filled before an erase or a program still holds the old words:
// the writer must drop it before anything reads the region again, and fail if it cannot.
TEST_F(FlashWriter, EraseAndWriteLeaveNoStaleCacheLineAndFailWhenTheCacheCannotBeInvalidated) {
  fill_bank1(0x5A);
  board.time().advance(board.icache().timing().invalidate);
  write32(ICACHE_BASE, ICACHE_CR_EN | ICACHE_CR_WAYSEL);
  constexpr std::uint32_t meta = FLASH_APP_START_ADDRESS + 0x7FF00;
  ASSERT_EQ(read32(meta), 0x5A5A5A5Au);  // the menu read it: now in a line
  flash_status status = FLASH_ERROR;
  run_to_return([&] { status = flash_erase(FLASH_APP_START_ADDRESS); });
  EXPECT_EQ(status, FLASH_OK);
  EXPECT_EQ(read32(meta), 0xFFFFFFFFu);

  const auto data = words(8);
  ASSERT_EQ(read32(meta), 0xFFFFFFFFu);  // cached erased words; the read-back must not see them
  EXPECT_EQ(write(meta, data, 8), FLASH_OK);
  EXPECT_EQ(read32(meta + 16), data[4]);

  board.icache().faults.invalidate_hangs = true;
  EXPECT_EQ(write(meta + 32, data, 4), FLASH_ERROR_READBACK);
  run_to_return([&] { status = flash_erase(FLASH_APP_START_ADDRESS); });
  EXPECT_EQ(status, FLASH_ERROR);
  EXPECT_TRUE(flash_locked());
}

// A quad-word whose ECC no longer matches (an erase or program cut by a power loss) raises the NMI
// when read. Inside the application region the bootloader survives it: the read counts as failed,
// ECCD is cleared, and the board goes on. Any other NMI still stops it.
TEST_F(FlashWriter, ADoubleEccErrorFailsTheReadOfItsQuadWordAndAnyOtherNmiStopsTheBoard) {
  constexpr std::uint32_t kEccd = 1u << 31;
  const auto data = words(8);
  const std::uint32_t address = FLASH_APP_START_ADDRESS + 0x800;
  board.flash_array().break_ecc(address + 16 - model::FlashArray::kBase);  // reads erased, ECC broken
  EXPECT_EQ(write(address, data, 8), FLASH_ERROR_READBACK);
  EXPECT_EQ(flash_word(address), data[0]);
  EXPECT_EQ(board.flash().reg("ECCR") & kEccd, 0u);
  EXPECT_TRUE(flash_locked());

  store_word(FLASH_APP_START_ADDRESS, 0x20001000);
  store_word(FLASH_APP_START_ADDRESS + 4, FLASH_APP_START_ADDRESS + 0x201);
  bool usable = false;
  run_to_return([&] { usable = flash_app_vectors_usable(); });
  ASSERT_TRUE(usable);
  board.flash_array().break_ecc(0x10000);
  run_to_return([&] { usable = flash_app_vectors_usable(); });
  EXPECT_FALSE(usable);

  board.core().set_pending(model::kExcNmi, true);
  const native::RunResult stopped = run([] { HAL_Delay(1); });
  EXPECT_EQ(stopped.reason, native::StopReason::Fault) << stopped.detail;
}

TEST_F(FlashWriter, ControllerLockedAfterEveryCallEvenIfUnlockedBefore) {
  // Someone left the controller unlocked: each call still ends with it locked.
  board.bus().write(FlashController::kBase + 0x08, FlashController::kKey1, 4);
  board.bus().write(FlashController::kBase + 0x08, FlashController::kKey2, 4);
  ASSERT_FALSE(flash_locked());
  EXPECT_EQ(write(FLASH_APP_START_ADDRESS, words(4), 4), FLASH_OK);
  EXPECT_TRUE(flash_locked());

  board.bus().write(FlashController::kBase + 0x08, FlashController::kKey1, 4);
  board.bus().write(FlashController::kBase + 0x08, FlashController::kKey2, 4);
  ASSERT_FALSE(flash_locked());
  flash_status status = FLASH_OK;
  run_to_return([&] { status = flash_erase(0x07FFFFFF); });
  EXPECT_EQ(status, FLASH_ERROR);
  EXPECT_TRUE(flash_locked());
}

}  // namespace
}  // namespace ovrimo::test

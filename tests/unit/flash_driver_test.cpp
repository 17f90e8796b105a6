// The flash driver against the board model: what reaches the controller, what ends up in flash,
// what the caller is told, and how long it takes in virtual time.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <vector>

#include "firmware_fixture.h"

namespace ovrimo::test {
namespace {

using model::FlashArray;

constexpr std::uint32_t kNskeyr = 0x40022008, kNssr = 0x40022020, kNscr = 0x40022028;
constexpr std::uint32_t kApp = 0x08010000;  // page 8 of bank 1

// One store seen on the bus, with the core state at that moment.
struct Store {
  std::uint32_t address;
  std::uint32_t value;
  std::uint32_t primask;
};

class FlashDriver : public FirmwareTest {
 protected:
  void SetUp() override { ASSERT_EQ(HAL_Init(), HAL_OK); }  // the waits need the 1 ms tick

  std::uint32_t nscr() { return board.flash().reg("NSCR"); }
  std::uint32_t nssr() { return board.flash().reg("NSSR"); }
  // The operation bits of NSCR (PNB and BKER keep what the last erase left).
  std::uint32_t operation_bits() {
    return nscr() & (FLASH_NSCR_PG | FLASH_NSCR_BWR | FLASH_NSCR_PER | FLASH_NSCR_MER1 | FLASH_NSCR_MER2 |
                     FLASH_NSCR_STRT);
  }

  // Stores to the flash interface and the flash array from now on, in order.
  std::vector<Store>& record_stores() {
    stores_.clear();
    board.bus().set_observer([this](const model::BusAccess& a) {
      if (a.is_write && (a.address >> 24 == 0x08 || a.address - 0x40022000u < 0x400u))
        stores_.push_back({a.address, a.value, board.core().primask});
    });
    return stores_;
  }
  // Number of accesses of any kind to the flash interface or array from now on.
  int& count_accesses() {
    accesses_ = 0;
    board.bus().set_observer([this](const model::BusAccess& a) {
      if (a.address >> 24 == 0x08 || a.address - 0x40022000u < 0x400u) ++accesses_;
    });
    return accesses_;
  }

  HAL_StatusTypeDef program(std::uint32_t address, const std::array<std::uint32_t, 4>& data,
                            std::uint32_t type = FLASH_TYPEPROGRAM_QUADWORD) {
    return HAL_FLASH_Program(type, address, reinterpret_cast<uintptr_t>(data.data()));
  }
  HAL_StatusTypeDef erase(std::uint32_t type, std::uint32_t banks, std::uint32_t page, std::uint32_t count,
                          std::uint32_t* page_error) {
    FLASH_EraseInitTypeDef init{};
    init.TypeErase = type;
    init.Banks = banks;
    init.Page = page;
    init.NbPages = count;
    return HAL_FLASHEx_Erase(&init, page_error);
  }

 private:
  std::vector<Store> stores_;
  int accesses_ = 0;
};

TEST_F(FlashDriver, UnlockAndLockAreIdempotentAndUnlockWritesNoKeyWhenUnlocked) {
  auto& stores = record_stores();
  EXPECT_EQ(HAL_FLASH_Unlock(), HAL_OK);
  ASSERT_EQ(stores.size(), 2u);
  EXPECT_EQ(stores[0].address, kNskeyr);
  EXPECT_EQ(stores[0].value, FLASH_KEY1);
  EXPECT_EQ(stores[1].value, FLASH_KEY2);
  EXPECT_EQ(nscr() & FLASH_NSCR_LOCK, 0u);

  stores.clear();
  EXPECT_EQ(HAL_FLASH_Unlock(), HAL_OK);  // a key now would lock the controller until reset
  EXPECT_TRUE(stores.empty());
  EXPECT_FALSE(board.flash().locked_until_reset());

  EXPECT_EQ(HAL_FLASH_Lock(), HAL_OK);
  EXPECT_EQ(HAL_FLASH_Lock(), HAL_OK);
  EXPECT_EQ(nscr(), 0xC0000000u);
  EXPECT_EQ(HAL_FLASH_Unlock(), HAL_OK);
  EXPECT_EQ(nscr() & FLASH_NSCR_LOCK, 0u);

  // A controller that refuses the keys (a wrong key earlier) makes the unlock fail.
  EXPECT_EQ(HAL_FLASH_Lock(), HAL_OK);
  board.bus().write(kNskeyr, 0xBAD, 4);
  EXPECT_EQ(HAL_FLASH_Unlock(), HAL_ERROR);
  EXPECT_NE(nscr() & FLASH_NSCR_LOCK, 0u);
}

TEST_F(FlashDriver, QuadWordProgramWritesFourWordsWithInterruptsMaskedAndWaitsForTheController) {
  ASSERT_EQ(HAL_FLASH_Unlock(), HAL_OK);
  const std::array<std::uint32_t, 4> data{0x03020100, 0x07060504, 0x0B0A0908, 0x0F0E0D0C};
  auto& stores = record_stores();
  const Time start = board.now();
  ASSERT_EQ(program(kApp, data), HAL_OK);
  const Time took = board.now() - start;

  const std::vector<std::pair<std::uint32_t, std::uint32_t>> expected = {
      {kNscr, 0x40000001},  // PG set, interrupts still enabled
      {kApp + 0, data[0]}, {kApp + 4, data[1]}, {kApp + 8, data[2]}, {kApp + 12, data[3]},
      {kNscr, 0x40000000},  // PG cleared after the wait
  };
  ASSERT_EQ(stores.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(stores[i].address, expected[i].first);
    EXPECT_EQ(stores[i].value, expected[i].second);
    EXPECT_EQ(stores[i].primask, (i >= 1 && i <= 4) ? 1u : 0u);
  }
  for (std::uint32_t i = 0; i < 4; ++i) EXPECT_EQ(flash_word(kApp + 4 * i), data[i]);
  EXPECT_TRUE(flash_erased(kApp + 16, 16));
  EXPECT_EQ(nssr(), 0u);
  EXPECT_EQ(board.core().primask, 0u);
  EXPECT_EQ(pFlash.ErrorCode, HAL_FLASH_ERROR_NONE);
  EXPECT_EQ(pFlash.ProcedureOnGoing, FLASH_TYPEPROGRAM_QUADWORD);
  EXPECT_EQ(pFlash.Lock, HAL_UNLOCKED);
  // The 118 us program time plus the driver's own accesses, one poll and perhaps one tick.
  EXPECT_GE(took, 118 * kMicrosecond);
  EXPECT_LE(took, 143 * kMicrosecond);
  std::printf("quad-word program call: %.1f us\n", static_cast<double>(took) / kMicrosecond);

  // Called with interrupts masked, it leaves them masked.
  __disable_irq();
  ASSERT_EQ(program(kApp + 16, data), HAL_OK);
  EXPECT_EQ(board.core().primask, 1u);
  __enable_irq();
}

TEST_F(FlashDriver, TheTickStandsStillOnlyDuringTheStores) {
  ASSERT_EQ(HAL_FLASH_Unlock(), HAL_OK);
  model::FlashTiming slow = board.flash().timing();
  slow.quad_word_program = 5 * kMillisecond;
  board.flash().set_timing(slow);

  // A tick falls due at the first store: it is taken only once the mask is restored, and the
  // tick keeps counting during the wait for the controller.
  std::vector<std::uint32_t> ticks_at_stores;
  std::uint32_t tick_at_pg_clear = 0;
  board.bus().set_observer([&](const model::BusAccess& a) {
    if (!a.is_write) return;
    if (a.address >> 24 == 0x08) {
      if (ticks_at_stores.empty()) board.core().set_pending(model::kExcSysTick, true);
      ticks_at_stores.push_back(static_cast<std::uint32_t>(uwTick));
    } else if (a.address == kNscr && (a.value & FLASH_NSCR_PG) == 0) {
      tick_at_pg_clear = uwTick;
    }
  });
  const std::array<std::uint32_t, 4> data{1, 2, 3, 4};
  const std::uint32_t before = uwTick;
  ASSERT_EQ(program(kApp, data), HAL_OK);
  EXPECT_EQ(ticks_at_stores, std::vector<std::uint32_t>(4, before));
  EXPECT_GE(tick_at_pg_clear, before + 5);  // the forced tick plus about five during the wait
  EXPECT_LE(tick_at_pg_clear, before + 7);
}

TEST_F(FlashDriver, BurstProgramWritesThirtyTwoWordsUnderOneMask) {
  ASSERT_EQ(HAL_FLASH_Unlock(), HAL_OK);
  std::array<std::uint32_t, 32> data{};
  for (std::uint32_t i = 0; i < 32; ++i) data[i] = 0xA5000000u + i;
  auto& stores = record_stores();
  const Time start = board.now();
  ASSERT_EQ(HAL_FLASH_Program(FLASH_TYPEPROGRAM_BURST, 0x08020000, reinterpret_cast<uintptr_t>(data.data())), HAL_OK);
  const Time took = board.now() - start;
  ASSERT_EQ(stores.size(), 34u);
  EXPECT_EQ(stores.front().value, 0x40004001u);  // PG and BWR in one write
  EXPECT_EQ(stores.back().value, 0x40000000u);   // both cleared
  for (std::uint32_t i = 0; i < 32; ++i) {
    EXPECT_EQ(stores[1 + i].primask, 1u);
    EXPECT_EQ(flash_word(0x08020000 + 4 * i), data[i]);
  }
  EXPECT_GE(took, kMillisecond);
  EXPECT_LE(took, kMillisecond + 50 * kMicrosecond);
  std::printf("burst program call: %.1f us\n", static_cast<double>(took) / kMicrosecond);
}

TEST_F(FlashDriver, HardwareErrorsAreReportedClearedAndKeptUntilTheNextCall) {
  ASSERT_EQ(HAL_FLASH_Unlock(), HAL_OK);
  const std::array<std::uint32_t, 4> data{1, 2, 3, 4};

  // A quad-word the controller fails to program.
  board.flash().fail_program(kApp);
  EXPECT_EQ(program(kApp, data), HAL_ERROR);
  EXPECT_EQ(pFlash.ErrorCode, HAL_FLASH_ERROR_PROG);
  EXPECT_EQ(nssr(), 0u);
  EXPECT_EQ(nscr() & FLASH_NSCR_PG, 0u);
  EXPECT_TRUE(flash_erased(kApp, 16));
  board.flash().clear_faults();

  // Programming over programmed data, and a destination not on a quad-word boundary.
  ASSERT_EQ(program(kApp, data), HAL_OK);
  EXPECT_EQ(pFlash.ErrorCode, HAL_FLASH_ERROR_NONE);
  EXPECT_EQ(program(kApp, data), HAL_ERROR);
  EXPECT_EQ(pFlash.ErrorCode, HAL_FLASH_ERROR_PROG);
  EXPECT_EQ(program(kApp + 0x104, data), HAL_ERROR);
  EXPECT_EQ(pFlash.ErrorCode, HAL_FLASH_ERROR_PGA);
  EXPECT_TRUE(flash_erased(kApp + 0x100, 32));
  EXPECT_EQ(nssr(), 0u);
  EXPECT_EQ(nscr(), 0x40000000u);

  // Errors left over from before the call: reported by the first wait, nothing is written.
  board.bus().write(kApp + 0x200, 0, 4);  // a store with PG clear: PGSERR
  auto& stores = record_stores();
  EXPECT_EQ(program(kApp + 0x300, data), HAL_ERROR);
  EXPECT_EQ(pFlash.ErrorCode, HAL_FLASH_ERROR_PGS);
  ASSERT_EQ(stores.size(), 1u);  // only the flag clear
  EXPECT_EQ(stores[0].address, kNssr);
  EXPECT_EQ(stores[0].value, FLASH_NSSR_PGSERR);
  EXPECT_EQ(nscr(), 0x40000000u);
  EXPECT_EQ(pFlash.Lock, HAL_UNLOCKED);

  // EOP, when the controller reports it, is cleared by the wait.
  SET_BIT(FLASH->NSCR, FLASH_NSCR_EOPIE);
  ASSERT_EQ(program(kApp + 0x300, data), HAL_OK);
  EXPECT_EQ(nssr(), 0u);
}

TEST_F(FlashDriver, ACallWhileTheDriverIsHeldReturnsBusyAndTouchesNothing) {
  ASSERT_EQ(HAL_FLASH_Unlock(), HAL_OK);
  const std::array<std::uint32_t, 4> data{1, 2, 3, 4};
  pFlash.ErrorCode = HAL_FLASH_ERROR_WRP;
  pFlash.Lock = HAL_LOCKED;
  int& accesses = count_accesses();
  std::uint32_t page_error = 77;
  EXPECT_EQ(program(kApp, data), HAL_BUSY);
  EXPECT_EQ(erase(FLASH_TYPEERASE_PAGES, FLASH_BANK_1, 8, 1, &page_error), HAL_BUSY);
  EXPECT_EQ(accesses, 0);
  EXPECT_EQ(page_error, 77u);
  EXPECT_EQ(pFlash.ErrorCode, HAL_FLASH_ERROR_WRP);
  EXPECT_EQ(pFlash.Lock, HAL_LOCKED);
  pFlash.Lock = HAL_UNLOCKED;
  EXPECT_EQ(program(kApp, data), HAL_OK);
}

TEST_F(FlashDriver, PageEraseErasesEachPageInTurnAndClearsPerAfterwards) {
  fill_flash(FlashArray::kBase, 2 * FLASH_BANK_SIZE, 0x00);
  ASSERT_EQ(HAL_FLASH_Unlock(), HAL_OK);
  auto& stores = record_stores();
  std::uint32_t page_error = 0;
  const Time start = board.now();
  ASSERT_EQ(erase(FLASH_TYPEERASE_PAGES, FLASH_BANK_1, 8, 3, &page_error), HAL_OK);
  const Time took = board.now() - start;
  EXPECT_EQ(page_error, 0xFFFFFFFFu);
  EXPECT_TRUE(flash_erased(kApp, 3 * kPage));
  EXPECT_FALSE(flash_erased(kApp - 1, 1));
  EXPECT_FALSE(flash_erased(kApp + 3 * kPage, 1));

  std::vector<std::uint32_t> nscr_writes;
  for (const Store& s : stores) {
    EXPECT_EQ(s.address, kNscr);
    nscr_writes.push_back(s.value);
  }
  const std::uint32_t base = 0x40000000u, start_bits = FLASH_NSCR_PER | FLASH_NSCR_STRT;
  // Per page: the BKER clear (a read-modify-write that keeps what the last page left), then
  // PNB, PER and STRT in one write. PER is cleared at the end.
  EXPECT_EQ(nscr_writes, (std::vector<std::uint32_t>{
                             base, base | (8u << 3) | start_bits,
                             base | (8u << 3) | FLASH_NSCR_PER, base | (9u << 3) | start_bits,
                             base | (9u << 3) | FLASH_NSCR_PER, base | (10u << 3) | start_bits,
                             base | (10u << 3),
                         }));
  EXPECT_GE(took, 3 * 1500 * kMicrosecond);
  EXPECT_LE(took, 3 * 1500 * kMicrosecond + 60 * kMicrosecond);
  std::printf("3-page erase call: %.1f us\n", static_cast<double>(took) / kMicrosecond);

  // Bank 2 is selected with BKER.
  ASSERT_EQ(erase(FLASH_TYPEERASE_PAGES, FLASH_BANK_2, 127, 1, &page_error), HAL_OK);
  EXPECT_TRUE(flash_erased(0x081FE000, kPage));
  EXPECT_FALSE(flash_erased(0x080FE000, 1));
  EXPECT_EQ(nscr() & (FLASH_NSCR_PER | FLASH_NSCR_STRT), 0u);
}

TEST_F(FlashDriver, EraseEdgeCases) {
  fill_flash(FlashArray::kBase, 2 * FLASH_BANK_SIZE, 0x00);
  ASSERT_EQ(HAL_FLASH_Unlock(), HAL_OK);
  std::uint32_t page_error = 0;

  // No pages: nothing erased, PER still cleared.
  SET_BIT(FLASH->NSCR, FLASH_NSCR_PER);
  EXPECT_EQ(erase(FLASH_TYPEERASE_PAGES, FLASH_BANK_1, 8, 0, &page_error), HAL_OK);
  EXPECT_EQ(page_error, 0xFFFFFFFFu);
  EXPECT_EQ(operation_bits(), 0u);
  EXPECT_FALSE(flash_erased(kApp, 1));

  // A page that fails stops the loop: the page before it is erased, the one after is not.
  board.flash().fail_erase(kApp + kPage);
  EXPECT_EQ(erase(FLASH_TYPEERASE_PAGES, FLASH_BANK_1, 8, 3, &page_error), HAL_ERROR);
  EXPECT_EQ(page_error, 9u);
  EXPECT_EQ(pFlash.ErrorCode, HAL_FLASH_ERROR_OP);
  EXPECT_TRUE(flash_erased(kApp, kPage));
  EXPECT_FALSE(flash_erased(kApp + kPage, 1));
  EXPECT_FALSE(flash_erased(kApp + 2 * kPage, 1));
  EXPECT_EQ(operation_bits(), 0u);
  EXPECT_EQ(nssr(), 0u);
  board.flash().clear_faults();

  // Page numbers past the end of the bank are refused rather than spilling into BKER: the
  // bootloader's own page 0 survives.
  EXPECT_EQ(erase(FLASH_TYPEERASE_PAGES, FLASH_BANK_1, 127, 2, &page_error), HAL_ERROR);
  EXPECT_EQ(page_error, 128u);
  EXPECT_TRUE(flash_erased(0x080FE000, kPage));
  EXPECT_FALSE(flash_erased(FlashArray::kBase, 1));
  EXPECT_FALSE(flash_erased(0x08100000, 1));
  EXPECT_EQ(erase(FLASH_TYPEERASE_PAGES, FLASH_BANK_1, 200, 0xFFFFFFFF, &page_error), HAL_ERROR);
  EXPECT_EQ(page_error, 200u);
  EXPECT_EQ(operation_bits(), 0u);

  // An unknown type runs a page erase, and PER is still cleared afterwards.
  EXPECT_EQ(erase(0, FLASH_BANK_1, 20, 1, &page_error), HAL_OK);
  EXPECT_TRUE(flash_erased(FlashArray::kBase + 20 * kPage, kPage));
  EXPECT_EQ(operation_bits(), 0u);
  EXPECT_EQ(HAL_FLASHEx_Erase(nullptr, &page_error), HAL_ERROR);
}

TEST_F(FlashDriver, MassEraseOfBothBanks) {
  fill_flash(FlashArray::kBase, 2 * FLASH_BANK_SIZE, 0x00);
  ASSERT_EQ(HAL_FLASH_Unlock(), HAL_OK);
  const Time start = board.now();
  ASSERT_EQ(erase(FLASH_TYPEERASE_MASSERASE, FLASH_BANK_BOTH, 0, 0, nullptr), HAL_OK);
  const Time took = board.now() - start;
  EXPECT_TRUE(flash_erased(FlashArray::kBase, 2 * FLASH_BANK_SIZE));
  EXPECT_EQ(nscr(), 0x40000000u);
  EXPECT_GE(took, 400 * kMillisecond);
  EXPECT_LE(took, 400 * kMillisecond + 50 * kMicrosecond);
  std::printf("two-bank mass erase call: %.1f ms\n", static_cast<double>(took) / kMillisecond);
}

TEST_F(FlashDriver, TheNonSecureMarkerChangesNothing) {
  ASSERT_EQ(HAL_FLASH_Unlock(), HAL_OK);
  const std::array<std::uint32_t, 4> data{9, 8, 7, 6};
  auto& plain_stores = record_stores();
  ASSERT_EQ(program(kApp, data), HAL_OK);
  ASSERT_EQ(erase(FLASH_TYPEERASE_PAGES, FLASH_BANK_1, 8, 1, nullptr), HAL_OK);
  const std::vector<Store> plain = plain_stores;

  board.bus().write(kNscr, 0x40000000, 4);  // back to the state the first sequence started from
  auto& marked = record_stores();
  ASSERT_EQ(program(kApp, data, FLASH_TYPEPROGRAM_QUADWORD | FLASH_NON_SECURE_MASK), HAL_OK);
  EXPECT_EQ(pFlash.ProcedureOnGoing, FLASH_TYPEPROGRAM_QUADWORD | FLASH_NON_SECURE_MASK);
  EXPECT_EQ(flash_word(kApp), 9u);
  std::uint32_t page_error = 0;
  ASSERT_EQ(erase(FLASH_TYPEERASE_PAGES | FLASH_NON_SECURE_MASK, FLASH_BANK_1, 8, 1, &page_error), HAL_OK);
  EXPECT_EQ(page_error, 0xFFFFFFFFu);
  ASSERT_EQ(marked.size(), plain.size());
  for (std::size_t i = 0; i < plain.size(); ++i) {
    EXPECT_EQ(marked[i].address, plain[i].address);
    EXPECT_EQ(marked[i].value, plain[i].value);
  }
  EXPECT_TRUE(flash_erased(kApp, kPage));
}

TEST_F(FlashDriver, ABusyControllerTimesOutAfterOneSecondEvenAcrossTheTickWrap) {
  ASSERT_EQ(HAL_FLASH_Unlock(), HAL_OK);
  const std::array<std::uint32_t, 4> data{1, 2, 3, 4};
  board.flash().hold_busy(true);

  for (std::uint32_t tick : {0u, 0xFFFFFFFFu - 400u, 0xFFFFFFFFu}) {
    SCOPED_TRACE(tick);
    uwTick = tick;
    int& accesses = count_accesses();
    const Time start = board.now();
    EXPECT_EQ(program(kApp, data), HAL_TIMEOUT);
    const Time took = board.now() - start;
    EXPECT_GE(took, 999 * kMillisecond);
    EXPECT_LE(took, 1001 * kMillisecond);
    EXPECT_EQ(uwTick - tick, 1000u);
    EXPECT_GT(accesses, 0);
    board.bus().set_observer({});
  }
  // Nothing was written, NSCR untouched.
  EXPECT_EQ(nscr(), 0x40000000u);
  EXPECT_TRUE(flash_erased(kApp, 16));
  EXPECT_EQ(pFlash.Lock, HAL_UNLOCKED);

  std::uint32_t page_error = 55;
  EXPECT_EQ(erase(FLASH_TYPEERASE_PAGES, FLASH_BANK_1, 8, 1, &page_error), HAL_TIMEOUT);
  EXPECT_EQ(page_error, 55u);  // the first wait failed: nothing was started

  // A controller that goes busy for good once the erase started: the wait of that page times
  // out, the page is reported and PER is cleared.
  board.flash().hold_busy(false);
  std::uint32_t stalls = 0;
  board.bus().set_observer([&](const model::BusAccess& a) {
    if (a.is_write && a.address == kNscr && (a.value & FLASH_NSCR_STRT) && stalls++ == 0)
      board.flash().hold_busy(true);
  });
  EXPECT_EQ(erase(FLASH_TYPEERASE_PAGES, FLASH_BANK_1, 8, 2, &page_error), HAL_TIMEOUT);
  EXPECT_EQ(page_error, 8u);
  EXPECT_EQ(nscr() & FLASH_NSCR_PER, 0u);
}

}  // namespace
}  // namespace ovrimo::test

// Stores into flash go to the FLASH controller model, and code that is erased and programmed
// under the running program is the code that runs next.
#include <gtest/gtest.h>

#include <memory>

#include "emu/emulator.h"
#include "emu_support.h"

namespace ovrimo::emu {
namespace {

using testing::firmware_file;

TEST(FlashUnderTheCpu, ErasedAndReprogrammedCodeRunsAsWritten) {
  const auto path = firmware_file("emu-programs/flash_rewrite.elf");
  ASSERT_ARTEFACT(path);
  model::Board board;
  Emulator emu(board);
  emu.load_elf(path);
  emu.reset();
  emu.set_time_limit(board.now() + 100 * model::kMillisecond);
  const RunResult r = emu.run();
  ASSERT_NE(r.reason, StopReason::Fault) << r.detail;

  const std::uint32_t results = *emu.symbols().address_of("results");
  const std::uint32_t block = *emu.symbols().address_of("patched_block");
  EXPECT_EQ(emu.read_word(results + 0), 1u);  // the original function
  EXPECT_EQ(emu.read_word(results + 4), 2u);  // the one programmed over it, not a stale translation
  EXPECT_EQ(emu.read_word(results + 8) & model::FlashController::kErrors, 0u);
  // The array holds what the program stored, and the rest of the erased page reads 0xFF.
  EXPECT_EQ(emu.read_word(block), 0x47702002u);  // movs r0, #2; bx lr
  EXPECT_EQ(emu.read_word(block + 16), 0xFFFFFFFFu);
  EXPECT_EQ(board.flash_array().word(block), 0x47702002u);
  // The program waited for the erase and the programming in virtual time.
  const auto& timing = board.flash().timing();
  EXPECT_GE(board.now(), timing.page_erase + timing.quad_word_program);
}

TEST(FlashUnderTheCpu, StoresThatTheControllerRefusesLeaveFlashUnchanged) {
  const auto path = firmware_file("emu-programs/flash_rewrite.elf");
  ASSERT_ARTEFACT(path);
  model::Board board;
  Emulator emu(board);
  emu.load_elf(path);
  emu.reset();
  // Page 2 write-protected: the erase and the programming are refused, the old code stays.
  board.flash().protect_pages(1, 2, 2);
  emu.set_time_limit(board.now() + 100 * model::kMillisecond);
  const RunResult r = emu.run();
  ASSERT_NE(r.reason, StopReason::Fault) << r.detail;
  const std::uint32_t results = *emu.symbols().address_of("results");
  EXPECT_EQ(emu.read_word(results + 4), 1u);
  EXPECT_NE(emu.read_word(results + 8) & model::FlashController::kWrperr, 0u);
  EXPECT_EQ(emu.read_word(*emu.symbols().address_of("patched_block")), 0x47702001u);  // movs r0, #1; bx lr
}

}  // namespace
}  // namespace ovrimo::emu

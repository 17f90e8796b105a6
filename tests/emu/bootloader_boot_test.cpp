// The real bootloader image on the emulated board, cold boot without an answer: after the prompt
// times out it hands off, and the core state at the jump is what the application may rely on.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app_image.h"
#include "emu/emulator.h"
#include "emu_support.h"

namespace ovrimo::emu {
namespace {

using testing::firmware_file;

TEST(BootloaderImage, ColdBootHandsOffWithTheDocumentedCoreStateAndTheApplicationSeesBlRev) {
  const auto bootloader = firmware_file("bootloader.elf");
  const auto app = firmware_file("app-01.02.04.bin");
  ASSERT_ARTEFACT(bootloader);
  ASSERT_ARTEFACT(app);
  model::Board board;
  Emulator emu(board);
  emu.load_elf(bootloader);
  std::ifstream in(app, std::ios::binary);
  emu.load_flash_image(app_image::kBase, std::vector<std::uint8_t>{std::istreambuf_iterator<char>(in), {}});
  emu.reset();

  emu.set_stop_at_handoff(true);
  emu.set_time_limit(board.now() + 30 * model::kSecond);
  const RunResult r = emu.run();
  ASSERT_EQ(r.reason, StopReason::HandOff) << r.detail;
  ASSERT_TRUE(board.core().handoff.has_value());
  const model::HandoffRecord& h = *board.core().handoff;
  EXPECT_EQ(h.vtor, app_image::kBase);
  EXPECT_EQ(h.msp, emu.read_word(app_image::kBase));
  EXPECT_EQ(h.entry, emu.read_word(0x08010004));
  EXPECT_EQ(h.primask, 1u);
  EXPECT_EQ(h.systick_ctrl, 0u);
  EXPECT_EQ(h.systick_load, 0u);
  EXPECT_EQ(h.systick_val, 0u);
  for (unsigned w = 0; w < 8; ++w) {
    EXPECT_EQ(h.nvic_enabled[w], 0u) << w;
    EXPECT_EQ(h.nvic_pending[w], 0u) << w;
  }
  // The prompt waited its 15 s (from well after power-on) before the boot path ran.
  EXPECT_GT(model::to_seconds(h.when), 15.0);
  EXPECT_LT(model::to_seconds(h.when), 17.0);
  EXPECT_TRUE(emu.symbols().address_of("flash_jump_to_app").has_value());

  emu.set_stop_at_handoff(false);
  emu.set_line_watch([](const PrintedLine& line) { return line.text.rfind("Ovrimo sample application", 0) == 0; });
  emu.set_time_limit(board.now() + model::kSecond);
  const RunResult line = emu.run();
  ASSERT_EQ(line.reason, StopReason::OutputMatched) << line.detail;
  EXPECT_EQ(emu.printed_lines().back().text, "Ovrimo sample application 01.02.04, bootloader 00.04.01");
}

}  // namespace
}  // namespace ovrimo::emu

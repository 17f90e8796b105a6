// The hand-off to the application: the state the application finds, the guard that keeps the
// bootloader from jumping into an image that cannot run, and the metadata block.
#include <gtest/gtest.h>

#include "firmware_fixture.h"
#include "flash.h"

namespace ovrimo::test {
namespace {

constexpr std::uint32_t kNvicIser = 0xE000E100, kNvicIspr = 0xE000E200;

class HandOff : public BroughtUpBoard {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(BroughtUpBoard::SetUp());
    bl_rev = rev_t{0xAA, 0xBB, 0xCC};
  }

  native::RunResult jump() { return run([] { flash_jump_to_app(); }); }
};

using AppMetadata = FirmwareTest;

TEST_F(HandOff, ApplicationFindsTheBoardNearItsResetState) {
  const auto image = app_image(0x1000, 1);
  store(kAppStart, image);
  // Interrupts enabled and pending that the application must not inherit.
  board.bus().write(kNvicIser + 4, 1u << 30, 4);
  board.bus().write(kNvicIspr + 0, 1u << 5, 4);
  model::Board fresh;  // reset values to compare with

  const native::RunResult result = jump();
  ASSERT_EQ(result.reason, native::StopReason::HandOff) << result.detail;
  ASSERT_TRUE(board.core().handoff.has_value());
  const model::HandoffRecord& h = *board.core().handoff;
  EXPECT_EQ(h.entry, kAppEntry);
  EXPECT_EQ(h.msp, kAppStack);
  EXPECT_EQ(h.vtor, kAppStart);
  EXPECT_EQ(h.primask, 1u);
  EXPECT_EQ(h.systick_ctrl, 0u);
  EXPECT_EQ(h.systick_load, 0u);
  EXPECT_EQ(h.systick_val, 0u);
  for (std::size_t w = 0; w < h.nvic_enabled.size(); ++w) {
    EXPECT_EQ(h.nvic_enabled[w], 0u) << w;
    EXPECT_EQ(h.nvic_pending[w], 0u) << w;
  }

  // BOOT_STATUS went low before the port was released, and its port is back at reset.
  const auto trace = board.gpio('F').trace(0);
  ASSERT_GE(trace.size(), 3u);
  EXPECT_EQ(trace[trace.size() - 2].drive, model::PinDrive::Low);
  EXPECT_EQ(trace.back().drive, model::PinDrive::Released);
  EXPECT_LE(trace.back().time, h.when);
  EXPECT_EQ(board.gpio('F').reg("MODER"), fresh.gpio('F').reg("MODER"));
  EXPECT_EQ(board.gpio('F').reg("ODR"), 0u);

  EXPECT_EQ(board.icache().reg("CR") & 1u, 0u);
  for (const char* name : {"CR1", "CR2", "CR3", "BRR"}) {
    EXPECT_EQ(board.usart2().reg(name), fresh.usart2().reg(name)) << name;
  }
  for (const char* name : {"CFGR1", "PLL1CFGR", "CIER"}) {
    EXPECT_EQ(board.rcc().reg(name), fresh.rcc().reg(name)) << name;
  }
  EXPECT_EQ(board.rcc().reg("CFGR2"), 0u);  // every bus divider at 1
  EXPECT_EQ(board.rcc().hclk_hz(), 4000000u);

  EXPECT_EQ(bl_rev.major, 0x00);
  EXPECT_EQ(bl_rev.minor, 0x04);
  EXPECT_EQ(bl_rev.patch, 0x01);
}

TEST_F(HandOff, AcceptsTheEdgesOfTheStackAndEntryRanges) {
  store_word(kAppStart, 0x20000004);
  store_word(kAppStart + 4, 0x080FFFFF);
  const native::RunResult result = jump();
  ASSERT_EQ(result.reason, native::StopReason::HandOff) << result.detail;
  EXPECT_EQ(board.core().handoff->msp, 0x20000004u);
  EXPECT_EQ(board.core().handoff->entry, 0x080FFFFFu);
}

TEST_F(HandOff, GuardRefusesAnImageThatCannotRunAndTouchesNothing) {
  struct Case {
    const char* what;
    std::uint32_t stack;
    std::uint32_t entry;
  };
  const Case cases[] = {
      {"erased region", 0xFFFFFFFF, 0xFFFFFFFF},
      {"entry erased", kAppStack, 0xFFFFFFFF},
      {"stack erased", 0xFFFFFFFF, kAppEntry},
      {"entry not Thumb", kAppStack, 0x08010400},
      {"entry in the bootloader", kAppStack, 0x08000401},
      {"entry beyond bank 1", kAppStack, 0x08100001},
      {"stack at the bottom of SRAM", 0x20000000, kAppEntry},
      {"stack above SRAM", 0x200C0004, kAppEntry},
      {"stack not word-aligned", 0x200BFFFE, kAppEntry},
      {"stack in flash", 0x08020000, kAppEntry},
      {"zeroed words", 0, 0},
  };
  // A half-written image: the erase happened, later blocks exist, the vector words do not.
  store(kAppStart + 0x400, app_image(0x400, 2));
  const std::uint32_t cr1 = board.usart2().reg("CR1");
  const std::uint32_t vtor = board.core().scb().vtor();

  for (const Case& c : cases) {
    store_word(kAppStart, c.stack);
    store_word(kAppStart + 4, c.entry);
    const native::RunResult result = jump();
    EXPECT_EQ(result.reason, native::StopReason::Returned) << c.what << ": " << result.detail;
    EXPECT_FALSE(board.core().handoff.has_value()) << c.what;
    EXPECT_EQ(board.core().primask, 0u) << c.what;
    EXPECT_EQ(board.gpio('F').output_level(0), true) << c.what;
    EXPECT_EQ(board.icache().reg("CR") & 1u, 1u) << c.what;
    EXPECT_EQ(board.usart2().reg("CR1"), cr1) << c.what;
    EXPECT_EQ(board.core().scb().vtor(), vtor) << c.what;
    EXPECT_EQ(bl_rev.major, 0xAA) << c.what;
  }
}

TEST_F(AppMetadata, MagicDecidesValidityButTheRevisionIsAlwaysRead) {
  const std::uint32_t meta = APP_META_BASE;
  bool valid = true;
  std::uint8_t rev[3] = {};
  auto check = [&] {
    run_to_return([&] {
      valid = app_is_valid();
      read_app_rev(rev);
    });
  };

  check();  // erased block
  EXPECT_FALSE(valid);
  EXPECT_EQ(rev[0], 0xFF);
  EXPECT_EQ(rev[1], 0xFF);
  EXPECT_EQ(rev[2], 0xFF);

  store_word(meta, 0x5EB0A7C3);
  const std::uint8_t v123[] = {1, 2, 3};
  store(meta + 4, v123);
  check();
  EXPECT_TRUE(valid);
  EXPECT_EQ(rev[0], 1);
  EXPECT_EQ(rev[1], 2);
  EXPECT_EQ(rev[2], 3);

  store_word(meta, 0x5EB0A7C2);
  const std::uint8_t v456[] = {4, 5, 6};
  store(meta + 4, v456);
  check();
  EXPECT_FALSE(valid);
  EXPECT_EQ(rev[0], 4);
  EXPECT_EQ(rev[1], 5);
  EXPECT_EQ(rev[2], 6);
}

}  // namespace
}  // namespace ovrimo::test

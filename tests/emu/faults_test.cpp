// Faults end a run with a report that names the PC, the address and the code that ran, instead
// of hanging; idle loops cost no host time.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "emu/emulator.h"
#include "emu_support.h"

namespace ovrimo::emu {
namespace {

using testing::firmware_file;

class Faults : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto path = firmware_file("emu-programs/faults.elf");
    ASSERT_ARTEFACT(path);
    emu = std::make_unique<Emulator>(board);
    emu->load_elf(path);
    emu->reset();
    emu->set_time_limit(board.now() + model::kSecond);
  }

  std::uint32_t sym(const char* name) const {
    const auto a = emu->symbols().address_of(name);
    EXPECT_TRUE(a.has_value()) << name;
    return a.value_or(0);
  }

  RunResult run_from(const char* entry) {
    emu->set_core_register(CoreRegister::PC, sym(entry));
    return emu->run();
  }

  static bool mentions(const RunResult& r, const std::string& text) { return r.detail.find(text) != std::string::npos; }

  model::Board board;
  std::unique_ptr<Emulator> emu;
};

TEST_F(Faults, AccessesNobodyAnswersAreReportedWithAddressAndCode) {
  RunResult r = run_from("read_unmapped");
  EXPECT_EQ(r.reason, StopReason::Fault);
  EXPECT_EQ(r.address, 0x30000000u);
  EXPECT_EQ(r.pc, sym("read_unmapped_load"));
  EXPECT_TRUE(mentions(r, "read of unmapped address 0x30000000")) << r.detail;
  char where[64];
  std::snprintf(where, sizeof where, "(read_unmapped+0x%X)", sym("read_unmapped_load") - sym("read_unmapped"));
  EXPECT_TRUE(mentions(r, where)) << r.detail;

  // Inside the peripheral window, but no model answers there: the bus reports it.
  r = run_from("read_unmodelled_peripheral");
  EXPECT_EQ(r.reason, StopReason::Fault);
  EXPECT_EQ(r.address, 0x40013800u);
  EXPECT_TRUE(mentions(r, "0x40013800")) << r.detail;
  EXPECT_TRUE(mentions(r, "read_unmodelled_peripheral")) << r.detail;

  r = run_from("jump_nowhere");
  EXPECT_EQ(r.reason, StopReason::Fault);
  EXPECT_EQ(r.address, 0x60000000u);
  EXPECT_TRUE(mentions(r, "jump to 0x60000000")) << r.detail;
  EXPECT_TRUE(mentions(r, "jump_nowhere")) << r.detail;
}

TEST_F(Faults, UndefinedInstructionAndMaskedLoop) {
  RunResult r = run_from("undefined_instruction");
  EXPECT_EQ(r.reason, StopReason::Fault);
  EXPECT_EQ(r.pc, sym("undefined_instruction") + 2);
  EXPECT_TRUE(mentions(r, "undefined instruction")) << r.detail;

  r = run_from("masked_spin");
  EXPECT_EQ(r.reason, StopReason::MaskedSpin);
  EXPECT_EQ(r.pc, sym("masked_spin") + 2);
  EXPECT_TRUE(mentions(r, "masked_spin+0x2")) << r.detail;
  EXPECT_EQ(board.core().primask, 1u);
}

TEST_F(Faults, AnInterruptWithoutARealHandlerEndsInAReportedSpin) {
  // IRQ 5 leads to Default_Handler, which branches to itself.
  board.bus().write(0xE000E100, 1u << 5, 4);
  board.bus().write(0xE000E200, 1u << 5, 4);
  RunResult r = run_from("idle");
  EXPECT_EQ(r.reason, StopReason::Fault);
  EXPECT_EQ(r.pc, sym("Default_Handler"));
  EXPECT_TRUE(mentions(r, "endless loop in the IRQ 5 handler")) << r.detail;
  EXPECT_TRUE(mentions(r, "(Default_Handler)")) << r.detail;
  EXPECT_EQ(board.core().active_exception(), 16 + 5);
}

TEST_F(Faults, AVectorWithoutTheThumbBitIsReported) {
  board.bus().write(0xE000E100, 1u << 1, 4);
  board.bus().write(0xE000E200, 1u << 1, 4);
  const RunResult r = run_from("idle");
  EXPECT_EQ(r.reason, StopReason::Fault);
  EXPECT_EQ(r.address, sym("vectors") + 4 * 17);
  EXPECT_TRUE(mentions(r, "vector of IRQ 1")) << r.detail;
  EXPECT_TRUE(mentions(r, "not a Thumb address")) << r.detail;
}

TEST_F(Faults, AnIdleLoopSkipsToTheTimeLimitWithoutExecutingIt) {
  emu->set_time_limit(board.now() + 20 * model::kSecond);
  const std::uint64_t before = emu->instructions();
  const RunResult r = run_from("idle");
  EXPECT_EQ(r.reason, StopReason::TimeLimit) << r.detail;
  EXPECT_EQ(r.at, 20 * model::kSecond);
  EXPECT_LT(emu->instructions() - before, 100u);
}

TEST_F(Faults, WaitForInterruptSleepsUntilAnEventAndHintsCarryOn) {
  // SysTick counting without its interrupt: each wrap is an event that ends a sleep (waking
  // without an interrupt is allowed), and the loop goes back to sleep.
  board.bus().write(0xE000E014, 3999, 4);
  board.bus().write(0xE000E010, 0x5, 4);
  emu->set_time_limit(board.now() + 10 * model::kMillisecond);
  std::uint64_t before = emu->instructions();
  RunResult r = run_from("sleep_loop");
  EXPECT_EQ(r.reason, StopReason::TimeLimit) << r.detail;
  EXPECT_LT(emu->instructions() - before, 100u);

  // A pending interrupt wakes WFI even while PRIMASK masks it: then the loop runs.
  board.core().primask = 1;
  board.core().set_pending(model::kExcSysTick, true);
  emu->set_time_limit(board.now() + model::kMillisecond);
  before = emu->instructions();
  r = run_from("sleep_loop");
  EXPECT_EQ(r.reason, StopReason::TimeLimit) << r.detail;
  EXPECT_GT(emu->instructions() - before, 3000u);

  // Nothing that could ever wake it.
  board.bus().write(0xE000E010, 0, 4);
  board.core().set_pending(model::kExcSysTick, false);
  emu->set_time_limit(std::nullopt);
  r = run_from("sleep_loop");
  EXPECT_EQ(r.reason, StopReason::Stalled) << r.detail;
  EXPECT_TRUE(mentions(r, "WFI")) << r.detail;

  board.core().primask = 0;
  emu->set_time_limit(board.now() + model::kMillisecond);
  before = emu->instructions();
  r = run_from("event_hint");
  EXPECT_EQ(r.reason, StopReason::TimeLimit) << r.detail;
  EXPECT_EQ(emu->core_register(CoreRegister::R0), 7u);
  // MOVS, WFE, YIELD, MOVS and one turn of the branch to itself: a hint is one instruction.
  EXPECT_EQ(emu->instructions() - before, 5u);
}

TEST_F(Faults, AnIdleLoopWithNothingLeftToWakeItEndsTheRun) {
  emu->set_time_limit(std::nullopt);
  const RunResult r = run_from("idle");
  EXPECT_EQ(r.reason, StopReason::Stalled) << r.detail;
  EXPECT_TRUE(mentions(r, "(idle)")) << r.detail;
}

}  // namespace
}  // namespace ovrimo::emu

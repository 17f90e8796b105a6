// Exception entry and return done by the emulator around Unicorn: the stack frame with the IT
// state and the FP context, EXC_RETURN, nesting, PRIMASK, and the core model's bookkeeping.
#include <gtest/gtest.h>

#include <bit>
#include <memory>

#include "emu/emulator.h"
#include "emu_support.h"

namespace ovrimo::emu {
namespace {

using testing::firmware_file;

constexpr std::uint32_t kThumb = 1u << 24, kZ = 1u << 30, kRealigned = 1u << 9;
constexpr std::uint32_t kItMask = 0x0600FC00u;
constexpr std::uint32_t kFpca = 1u << 2;
constexpr std::uint32_t kStartSp = 0x20010004;  // not 8-byte aligned: entry must realign
constexpr std::uint32_t kNvicIser0 = 0xE000E100, kShpr3 = 0xE000ED20;

std::uint32_t it_bits(std::uint8_t itstate) {
  return (static_cast<std::uint32_t>(itstate & 3u) << 25) | (static_cast<std::uint32_t>(itstate >> 2) << 10);
}

class Exceptions : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto path = firmware_file("emu-programs/exceptions.elf");
    ASSERT_ARTEFACT(path);
    emu = std::make_unique<Emulator>(board);
    emu->load_elf(path);
    emu->reset();
  }

  std::uint32_t sym(const char* name) const {
    const auto a = emu->symbols().address_of(name);
    EXPECT_TRUE(a.has_value()) << name;
    return a.value_or(0);
  }
  std::uint32_t observed(std::uint32_t offset) const { return emu->read_word(sym("observed") + offset); }

  // The CPU inside an IT block (Z set, first conditional instruction next) with known registers,
  // SysTick pending, IRQ 0 enabled with a higher priority than SysTick.
  std::uint8_t place_in_it_block(bool fp_active) {
    const auto it = emu->read_memory(sym("it_insn"), 2);
    const std::uint8_t itstate = it[0];  // the IT instruction's low byte is the state it sets up
    for (unsigned r = 0; r <= 12; ++r)
      emu->set_core_register(static_cast<CoreRegister>(r), r <= 3 || r == 12 ? 0x11110000u * (r + 1) : 0u);
    emu->set_core_register(CoreRegister::LR, 0x08001235);
    emu->set_core_register(CoreRegister::SP, kStartSp);
    emu->set_core_register(CoreRegister::XPSR, kThumb | kZ | it_bits(itstate));
    emu->set_core_register(CoreRegister::CONTROL, fp_active ? kFpca : 0u);
    for (unsigned s = 0; s < 16; ++s) emu->set_fp_register(s, 1.25f * static_cast<float>(s + 1));
    emu->set_core_register(CoreRegister::FPSCR, 0x80C00000u);  // N flag, round towards zero
    emu->set_core_register(CoreRegister::PC, sym("it_first"));
    board.bus().write(kNvicIser0, 1, 4);
    board.bus().write(kShpr3, 0xF0000000u, 4);  // SysTick lowest, IRQ 0 keeps priority 0
    board.core().set_pending(model::kExcSysTick, true);
    emu->set_time_limit(board.now() + model::kMillisecond);
    return itstate;
  }

  model::Board board;
  std::unique_ptr<Emulator> emu;
};

TEST_F(Exceptions, FrameRestoresIntegerFloatingPointAndItStateThroughANestedException) {
  const std::uint8_t itstate = place_in_it_block(true);
  const RunResult r = emu->run();
  ASSERT_NE(r.reason, StopReason::Fault) << r.detail;
  EXPECT_EQ(r.pc, sym("it_done"));

  // What the SysTick handler saw: its number, the FP-frame EXC_RETURN, a realigned extended frame
  // holding the IT state and the flags of the interrupted instruction.
  EXPECT_EQ(observed(0), 15u);
  EXPECT_EQ(observed(4), 0xFFFFFFE9u);
  const std::uint32_t frame = (kStartSp - 26 * 4) & ~7u;
  EXPECT_EQ(observed(8), frame);
  const std::uint32_t stacked_xpsr = observed(12);
  EXPECT_EQ(stacked_xpsr & kItMask, it_bits(itstate));
  EXPECT_NE(stacked_xpsr & kRealigned, 0u);
  EXPECT_NE(stacked_xpsr & kZ, 0u);
  EXPECT_EQ(observed(16), sym("it_first"));
  // IRQ 0 pre-empted the SysTick handler: handler-mode FP EXC_RETURN, its own number, and the
  // SysTick handler's stack pointer intact afterwards.
  EXPECT_EQ(observed(20), 0xFFFFFFE1u);
  EXPECT_EQ(observed(24), 16u);
  EXPECT_EQ(observed(28), 1u);
  EXPECT_EQ(observed(32), 1u);
  EXPECT_EQ(observed(36), frame);

  // Back in thread mode: the IT block went on where it was interrupted (only the EQ slots ran)
  // with the flags of before, and every stacked register is back.
  EXPECT_EQ(emu->core_register(CoreRegister::R4), 1u);
  EXPECT_EQ(emu->core_register(CoreRegister::R5), 0u);
  EXPECT_EQ(emu->core_register(CoreRegister::R6), 1u);
  EXPECT_EQ(emu->core_register(CoreRegister::R7), 0u);
  EXPECT_EQ(emu->core_register(CoreRegister::R0), 0x11110000u);
  EXPECT_EQ(emu->core_register(CoreRegister::R3), 0x44440000u);
  EXPECT_EQ(emu->core_register(CoreRegister::R12), 0xDDDD0000u);
  EXPECT_EQ(emu->core_register(CoreRegister::LR), 0x08001235u);
  EXPECT_EQ(emu->core_register(CoreRegister::SP), kStartSp);
  const std::uint32_t xpsr = emu->core_register(CoreRegister::XPSR);
  EXPECT_EQ(xpsr & (kItMask | 0x1FFu | kRealigned), 0u);
  EXPECT_NE(xpsr & kZ, 0u);
  for (unsigned s = 0; s < 16; ++s) EXPECT_EQ(emu->fp_register(s), 1.25f * static_cast<float>(s + 1)) << "S" << s;
  EXPECT_EQ(emu->core_register(CoreRegister::FPSCR) & 0xF0C00000u, 0x80C00000u);
  EXPECT_NE(emu->core_register(CoreRegister::CONTROL) & kFpca, 0u);

  EXPECT_EQ(board.core().active_exception(), 0);
  EXPECT_FALSE(board.core().is_pending(model::kExcSysTick));
  EXPECT_FALSE(board.core().nvic().pending(0));
}

TEST_F(Exceptions, WithoutFpContextTheBasicFrameLeavesFloatingPointRegistersToTheHandlers) {
  const std::uint8_t itstate = place_in_it_block(false);
  const RunResult r = emu->run();
  ASSERT_NE(r.reason, StopReason::Fault) << r.detail;
  EXPECT_EQ(observed(4), 0xFFFFFFF9u);
  EXPECT_EQ(observed(8), (kStartSp - 8 * 4) & ~7u);
  EXPECT_EQ(observed(12) & kItMask, it_bits(itstate));
  // The SysTick handler's own FP use made IRQ 0 stack an extended frame, which restored the
  // handler's S0 over IRQ 0's; thread mode then keeps the handler's values.
  EXPECT_EQ(observed(20), 0xFFFFFFE1u);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(emu->fp_register(0)), 0xDEAD0000u);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(emu->fp_register(15)), 0xDEAD0000u);
  EXPECT_EQ(emu->core_register(CoreRegister::CONTROL) & kFpca, 0u);
  EXPECT_EQ(emu->core_register(CoreRegister::R5), 0u);
  EXPECT_EQ(emu->core_register(CoreRegister::R6), 1u);
  EXPECT_EQ(emu->core_register(CoreRegister::SP), kStartSp);
}

TEST_F(Exceptions, PrimaskHoldsThePendingExceptionBack) {
  place_in_it_block(true);
  board.core().primask = 1;  // handed to the CPU when the run starts
  const RunResult r = emu->run();
  EXPECT_EQ(r.reason, StopReason::MaskedSpin) << r.detail;
  EXPECT_EQ(r.pc, sym("it_done"));
  EXPECT_NE(r.detail.find("it_done"), std::string::npos) << r.detail;
  EXPECT_TRUE(board.core().is_pending(model::kExcSysTick));
  EXPECT_EQ(observed(0), 0u);
  EXPECT_EQ(emu->core_register(CoreRegister::R5), 0u);  // the IT block still ran as one
  EXPECT_EQ(emu->core_register(CoreRegister::R6), 1u);

  // Unmasked from outside, the exception is taken at once.
  board.core().primask = 0;
  emu->set_time_limit(board.now() + model::kMillisecond);
  const RunResult again = emu->run();
  ASSERT_NE(again.reason, StopReason::Fault) << again.detail;
  EXPECT_EQ(observed(0), 15u);
  EXPECT_EQ(observed(16), sym("it_done"));
}

}  // namespace
}  // namespace ovrimo::emu

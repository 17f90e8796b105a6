// The instruction count, and so board time, is the program's own: an IT block costs one cycle
// per instruction in it whether its condition passes or not, and where a slice ends changes
// nothing.
#include <gtest/gtest.h>

#include "emu/emulator.h"
#include "emu_support.h"

namespace ovrimo::emu {
namespace {

TEST(InstructionCount, AnItBlockIsChargedOnceWhateverItsConditionsAndWhereverASliceEnds) {
  const auto path = testing::firmware_file("emu-programs/it_blocks.elf");
  ASSERT_ARTEFACT(path);
  // Four set-up moves, five passes of cmp + IT + its four + adds + cmp + bne, then the branch to
  // itself once before the emulator sees the loop.
  constexpr std::uint64_t kExpected = 4 + 5 * 9 + 1;
  for (const unsigned slice : {1u, 2u, 3u, 5u, 64u}) {
    model::Board board;
    EmulatorOptions options;
    options.slice_instructions = slice;
    Emulator emu(board, options);
    emu.load_elf(path);
    emu.reset();
    emu.set_time_limit(board.now() + model::kMillisecond);
    const RunResult r = emu.run();
    ASSERT_EQ(r.reason, StopReason::TimeLimit) << r.detail;
    EXPECT_EQ(r.pc, emu.symbols().address_of("it_end").value_or(0)) << "slice " << slice;
    EXPECT_EQ(emu.instructions(), kExpected) << "slice " << slice;
    EXPECT_EQ(emu.core_register(CoreRegister::R2), 4u) << "slice " << slice;  // LO slots of passes 1 and 2
    EXPECT_EQ(emu.core_register(CoreRegister::R3), 6u) << "slice " << slice;  // HS slots of passes 3 to 5
  }
}

}  // namespace
}  // namespace ovrimo::emu

// Jumping over polling waits, and the CPU core that runs the firmware, change nothing the board or
// its peer can tell: the cold-boot dialogue, and an update with a refused block and a stalled
// frame, run on the interpreter with every instruction executed, with the waits jumped over, and
// on Unicorn with the waits jumped over, leave the same line log to the picosecond (RDR ready and
// read times included), the same instruction count, end time, PC and flash.
#include <gtest/gtest.h>

#include "e2e_support.h"
#include "peers/xmodem_sender.h"

namespace ovrimo::emu {
namespace {

using namespace e2e;
using peers::XmodemSender;
using testing::firmware_file;

struct Outcome {
  RunResult result;
  std::vector<model::LineByte> line;
  std::uint64_t instructions = 0;
  std::uint64_t skipped = 0;
  Time end = 0;
  std::vector<std::uint8_t> flash;
};

// Power-on with 01.02.03 installed. With `update`, the operator answers 'Y' and 8 KB arrive, the
// second block with a byte flipped and the fourth stalling for 1.5 s after 500 bytes; without,
// nobody answers and the bootloader starts the application after its 15 s.
Outcome run(bool skip_waits, bool update, EmulatorOptions::Cpu cpu = EmulatorOptions::Cpu::Interpreter) {
  EmulatorOptions options;
  options.skip_waits = skip_waits;
  options.cpu = cpu;
  Rig rig(firmware_file("app-01.02.03.bin"), options);
  XmodemSender sender;
  if (update) {
    const auto image = read_file(firmware_file("app-01.02.04.bin"));
    sender.add_image({image.begin(), image.begin() + 8 * 1024}, {1024});
    sender.add_eot();
    sender.inject(1, 0, XmodemSender::Fault::corrupt_byte(3 + 100));
    sender.inject(3, 0, XmodemSender::Fault::pause_inside(500, 1500 * kMillisecond));
    rig.board().usart2().attach(sender);
    EXPECT_EQ(rig.run_to_question().reason, StopReason::OutputMatched);
    rig.type("Y");
  }
  Outcome out;
  out.result = rig.run_until_handoff(30 * kSecond);
  out.line = rig.board().usart2().line_log();
  out.instructions = rig.emu().instructions();
  out.skipped = rig.emu().skipped_instructions();
  out.end = rig.board().now();
  out.flash = rig.board().flash_array().bytes();
  return out;
}

void expect_same(const Outcome& run_all, const Outcome& skipped) {
  EXPECT_EQ(skipped.result.reason, run_all.result.reason);
  EXPECT_EQ(skipped.result.pc, run_all.result.pc);
  EXPECT_EQ(skipped.end, run_all.end);
  EXPECT_EQ(skipped.instructions, run_all.instructions);
  ASSERT_EQ(skipped.line.size(), run_all.line.size());
  for (std::size_t i = 0; i < run_all.line.size(); ++i) {
    const model::LineByte& a = run_all.line[i];
    const model::LineByte& b = skipped.line[i];
    EXPECT_TRUE(a == b)
        << "line byte " << i << " differs";
  }
  EXPECT_EQ(first_difference(skipped.flash, run_all.flash), std::nullopt);
  // Nothing jumped over without the skip; with it, most of the waiting.
  EXPECT_EQ(run_all.skipped, 0u);
  EXPECT_GT(skipped.skipped, run_all.instructions / 5) << skipped.skipped << " of " << run_all.instructions;
}

TEST(WaitSkipSlow, TheColdBootDialogueIsTheSameToThePicosecond) {
  ASSERT_ARTEFACT(firmware_file("bootloader.elf"));
  ASSERT_ARTEFACT(firmware_file("app-01.02.03.bin"));
  const Outcome all = run(false, false);
  ASSERT_EQ(all.result.reason, StopReason::HandOff) << all.result.detail;
  expect_same(all, run(true, false));
  expect_same(all, run(true, false, EmulatorOptions::Cpu::Unicorn));
}

TEST(WaitSkipSlow, AnUpdateWithARefusedBlockAndAStalledFrameIsTheSameToThePicosecond) {
  ASSERT_ARTEFACT(firmware_file("app-01.02.04.bin"));
  const Outcome all = run(false, true);
  ASSERT_EQ(all.result.reason, StopReason::HandOff) << all.result.detail;
  expect_same(all, run(true, true));
  expect_same(all, run(true, true, EmulatorOptions::Cpu::Unicorn));
}

}  // namespace
}  // namespace ovrimo::emu

// The real image's cold boot as the operator and the board see it: the first menu pass byte for
// byte and character by character, the 15 s answer window, the status pin, and the application
// that takes over with the bootloader's version in hand.
#include <gtest/gtest.h>

#include "e2e_support.h"

namespace ovrimo::emu {
namespace {

using namespace e2e;
using testing::firmware_file;

TEST(BootDialogue, ColdBootWithoutAnAnswerPrintsTheMenuWaits15sAndHandsOff) {
  ASSERT_ARTEFACT(firmware_file("bootloader.elf"));
  ASSERT_ARTEFACT(firmware_file("app-01.02.03.bin"));
  Rig rig(firmware_file("app-01.02.03.bin"));

  // BOOT_STATUS (PF0) goes high only once USART2 is up: stop within 10 us of the edge and look.
  while (rig.board().gpio('F').trace(0).size() < 2) {
    ASSERT_EQ(rig.run_for(10 * kMicrosecond).reason, StopReason::TimeLimit);
    ASSERT_LT(rig.board().now(), 100 * kMillisecond) << "BOOT_STATUS never went high";
  }
  EXPECT_EQ(rig.board().gpio('F').trace(0)[1].drive, model::PinDrive::High);
  const model::Usart& usart = rig.board().usart2();
  EXPECT_EQ(usart.reg("BRR"), 35u);
  EXPECT_EQ(usart.reg("CR1") & 0xDu, 0xDu);  // UE, RE, TE
  EXPECT_EQ(usart.reg("ISR") & (model::Usart::kIsrTeack | model::Usart::kIsrReack),
            model::Usart::kIsrTeack | model::Usart::kIsrReack);
  EXPECT_TRUE(rig.device_text().empty());

  const RunResult r = rig.run_until_handoff(20 * kSecond);
  ASSERT_EQ(r.reason, StopReason::HandOff) << r.detail;

  // The whole byte stream up to the jump.
  const std::string expected = wire::kClear + wire::menu("01.02.03") + wire::kHandOff;
  const auto bytes = rig.device_bytes();
  EXPECT_EQ(rig.device_text(), expected);
  ASSERT_EQ(bytes.size(), expected.size());

  // Every character is followed by a pause of 5 ms (HAL_Delay(5): 5 to 6 ms), so consecutive
  // characters of a line are 5 to 6 ms apart on the wire. Before the first character of a line
  // its formatting comes on top (we allow 1 ms; it takes 0.3 to 0.7 ms at 4 MHz).
  const Time frame = bytes[0].end - bytes[0].start;
  EXPECT_EQ(frame, model::cycles_to_time(10 * 35, 4000000));  // 10 bits at 4 MHz / 35
  const std::size_t question_end = wire::kClear.size() + wire::menu("01.02.03").size() - 1;
  Time longest = 0;
  for (std::size_t i = 1; i <= question_end; ++i) {
    const Time gap = bytes[i].start - bytes[i - 1].end;
    EXPECT_GE(gap, 5 * kMillisecond) << "before byte " << i;
    const bool line_start = bytes[i - 1].value == '\n';
    EXPECT_LE(gap, (line_start ? 7 : 6) * kMillisecond) << "before byte " << i;
    if (!line_start) longest = std::max(longest, gap);
  }
  // The pause ends on a tick and the next character goes out at once, so the pace is the tick's.
  EXPECT_GT(longest, 6 * kMillisecond - frame - 20 * kMicrosecond);
  // So the pass (177 characters) takes close to a second before the wait begins.
  const Time pass = bytes[question_end].end - bytes[0].start;
  EXPECT_GT(pass, 176 * (5 * kMillisecond + frame));
  EXPECT_LT(pass, 1100 * kMillisecond) << ms(pass) << " ms";

  // The wait: after the question's line feed, its 5-6 ms pause, then the receive call, which
  // gives up once more than 15000 ticks have passed since it began (15000 to 15001 ms); then the
  // hand-off line is formatted and goes out. The pass before it does not count.
  const Time waited = bytes[question_end + 1].start - bytes[question_end].end;
  EXPECT_GE(waited, 15005 * kMillisecond) << ms(waited) << " ms";
  EXPECT_LE(waited, 15008 * kMillisecond) << ms(waited) << " ms";
  // The hand-off line is out completely before the jump.
  const model::HandoffRecord& h = *rig.board().core().handoff;
  EXPECT_LT(bytes.back().end, h.when);

  // BOOT_STATUS: driven low by the pin set-up, high (above) before the first character, low at
  // the hand-off once the hand-off line is out, then released before the jump.
  const auto status = rig.board().gpio('F').trace(0);
  ASSERT_EQ(status.size(), 4u);
  EXPECT_EQ(status[0].drive, model::PinDrive::Low);
  EXPECT_LT(status[1].time, bytes.front().start);
  EXPECT_EQ(status[2].drive, model::PinDrive::Low);
  EXPECT_GT(status[2].time, bytes.back().end);
  EXPECT_EQ(status[3].drive, model::PinDrive::Released);
  EXPECT_LT(status[3].time, h.when);

  // The application's entry state and its own line, with the bootloader's version it found.
  EXPECT_EQ(h.vtor, kAppBase);
  EXPECT_EQ(h.primask, 1u);
  EXPECT_EQ(h.entry, rig.emu().read_word(kAppBase + 4));
  EXPECT_EQ(h.msp, rig.emu().read_word(kAppBase));
  const RunResult app = rig.run_until_line("Ovrimo sample application", 100 * kMillisecond);
  ASSERT_EQ(app.reason, StopReason::OutputMatched) << app.detail;
  EXPECT_EQ(rig.emu().printed_lines().back().text, app_line("01.02.03"));
  const auto bl_rev = rig.emu().read_memory(kBlRev, 3);
  EXPECT_EQ(bl_rev, (std::vector<std::uint8_t>{0x00, 0x04, 0x01}));
}

}  // namespace
}  // namespace ovrimo::emu

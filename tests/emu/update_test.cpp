// A whole update on the real image: the operator answers 'Y', a terminal program sends the 512 KB
// image of application 01.02.04 over the installed 01.02.03 with XMODEM, and the new application
// is the one that starts.
#include <gtest/gtest.h>

#include "e2e_support.h"
#include "peers/xmodem_sender.h"

namespace ovrimo::emu {
namespace {

using namespace e2e;
using peers::XmodemSender;
using testing::firmware_file;

struct Update {
  std::string dialogue;         // what the device sent up to the transfer's first byte
  std::string sender_saw;       // every byte the sender received after the transfer line
  std::vector<std::uint8_t> image;
};

// Boots, answers 'Y', lets `sender` send its plan (out.image) and runs to the jump.
void update(Rig& rig, XmodemSender& sender, Update& out) {
  ASSERT_EQ(out.image.size(), kImageSize);
  rig.board().usart2().attach(sender);

  ASSERT_EQ(rig.run_to_question().reason, StopReason::OutputMatched);
  rig.type("Y");
  const RunResult r = rig.run_until_handoff(120 * kSecond);
  ASSERT_EQ(r.reason, StopReason::HandOff) << r.detail << " (sender " << to_string(sender.state()) << " at step "
                                            << sender.current_step() << ")";
  EXPECT_EQ(sender.state(), XmodemSender::State::Done);
  const std::string& seen = sender.received();
  const auto at = seen.find(wire::kTransfer);
  ASSERT_NE(at, std::string::npos);
  out.sender_saw = seen.substr(at + wire::kTransfer.size());
  out.dialogue = seen.substr(0, at + wire::kTransfer.size());
}

// What the board must look like after the update: the new image in place, the rest of the
// erased range erased, page 127 and the bootloader as they were, and the new application running
// with the bootloader's version.
void expect_updated(Rig& rig, const Update& u, std::size_t written) {
  EXPECT_EQ(u.dialogue, wire::kClear + wire::menu("01.02.03") + wire::kTransfer);
  const auto region = rig.flash(kAppBase, kImageSize);
  const auto diff = first_difference(region, u.image);
  EXPECT_FALSE(diff.has_value()) << "first difference at 0x" << std::hex << kAppBase + *diff;
  const std::uint32_t erased_from = kAppBase + static_cast<std::uint32_t>(written);
  EXPECT_TRUE(all_bytes(rig.flash(erased_from, kPage127 - erased_from), 0xFF));
  EXPECT_EQ(rig.flash(kPage127, model::FlashArray::kPageSize), rig.flash_at_start(kPage127, model::FlashArray::kPageSize));
  EXPECT_EQ(rig.flash(kFlashBase, kAppBase - kFlashBase), rig.flash_at_start(kFlashBase, kAppBase - kFlashBase));
  EXPECT_EQ(rig.flash(kBank1End, model::FlashArray::kBankSize), rig.flash_at_start(kBank1End, model::FlashArray::kBankSize));

  const model::HandoffRecord& h = *rig.board().core().handoff;
  EXPECT_EQ(h.vtor, kAppBase);
  EXPECT_EQ(h.primask, 1u);
  const RunResult app = rig.run_until_line("Ovrimo sample application", 100 * kMillisecond);
  ASSERT_EQ(app.reason, StopReason::OutputMatched) << app.detail;
  EXPECT_EQ(rig.emu().printed_lines().back().text, app_line("01.02.04"));
}

TEST(UpdateSlow, WholeImageIn1024ByteBlocksReplacesTheApplicationAndStartsIt) {
  ASSERT_ARTEFACT(firmware_file("bootloader.elf"));
  ASSERT_ARTEFACT(firmware_file("app-01.02.03.bin"));
  ASSERT_ARTEFACT(firmware_file("app-01.02.04.bin"));
  Rig rig(firmware_file("app-01.02.03.bin"));
  XmodemSender sender;
  Update u;
  u.image = read_file(firmware_file("app-01.02.04.bin"));
  sender.add_image(u.image, {1024});
  sender.add_eot();
  ASSERT_NO_FATAL_FAILURE(update(rig, sender, u));

  // The receiver asked once for the start, acknowledged 512 blocks and the EOT, and reported.
  const std::string expected = "C" + std::string(513, '\x06') + wire::kUpdated + wire::kJumping;
  EXPECT_EQ(u.sender_saw, expected) << describe_control(u.sender_saw.substr(0, 8));
  expect_updated(rig, u, kImageSize);
}

TEST(UpdateSlow, BlocksOf128And1024BytesMixedEndWithTheFillerWrittenToo) {
  ASSERT_ARTEFACT(firmware_file("bootloader.elf"));
  ASSERT_ARTEFACT(firmware_file("app-01.02.03.bin"));
  ASSERT_ARTEFACT(firmware_file("app-01.02.04.bin"));
  Rig rig(firmware_file("app-01.02.03.bin"));
  XmodemSender sender;
  Update u;
  u.image = read_file(firmware_file("app-01.02.04.bin"));
  // 1408 bytes per round of four blocks: 372 rounds leave 512 bytes for a last 1024-byte block,
  // whose second half is the sender's filler.
  sender.add_image(u.image, {1024, 128, 128, 128});
  sender.add_eot();
  const std::size_t blocks = sender.plan().size() - 1;
  ASSERT_EQ(blocks, 372u * 4 + 1);
  ASSERT_EQ(sender.plan().back().kind, XmodemSender::Step::Kind::Eot);
  ASSERT_NO_FATAL_FAILURE(update(rig, sender, u));

  // Block numbers wrapped from 255 to 0 five times on the way; every block was taken at once.
  const std::string expected = "C" + std::string(blocks + 1, '\x06') + wire::kUpdated + wire::kJumping;
  EXPECT_EQ(u.sender_saw, expected) << describe_control(u.sender_saw.substr(0, 8));
  EXPECT_TRUE(all_bytes(rig.flash(kAppBase + kImageSize, 512), XmodemSender::kFill));
  expect_updated(rig, u, kImageSize + 512);
}

}  // namespace
}  // namespace ovrimo::emu

// The boot manager's control flow, natively: the answer to the prompt decides between the
// update and the hand-off. Natively the dialogue goes to the host's standard output rather than
// to USART2, so its text is checked here and its bytes on the wire in the emulator.
#include <gtest/gtest.h>

#include <string>

#include "firmware_fixture.h"
#include "peers/xmodem_sender.h"
#include "peers/scripted_peer.h"

int firmware_main();

namespace ovrimo::test {
namespace {

const std::string kMenu =
    "\x1b[1;33mOvrimo - Bootloader\r\n"
    "\x1b[1;37mBL Version:  (00.04.01)\r\n"
    "Firmware Version: (01.0a.ff)\r\n"
    "Send 'Y' to update Ovrimo Application Firmware or 'N' to boot Now (15s):\r\n";
const std::string kClear = "\x1b[1;40m\x1b[2J\x1b[H";
const std::string kLoading = "\x1b[1;32mLoading Ovrimo Application Firmware ...\r\n";

class BootManager : public FirmwareTest {
 protected:
  void SetUp() override { bl_rev = rev_t{0xEE, 0xEE, 0xEE}; }

  // Runs main until it stops (hand-off, or the time limit while it waits at the prompt) and
  // returns what it printed.
  std::string run_main(model::Time limit) {
    binding.set_time_limit(board.now() + limit);
    testing::internal::CaptureStdout();
    result = binding.run([] { (void)firmware_main(); });
    return testing::internal::GetCapturedStdout();
  }

  void install_application() {
    store(kAppStart, app_image(0x1000, 1));
    store_word(APP_META_BASE, APP_MAGIC);
    const std::uint8_t rev[] = {0x01, 0x0A, 0xFF};
    store(APP_META_BASE + 4, rev);
  }

  native::RunResult result;
};

TEST_F(BootManager, AnyOtherAnswerStartsTheApplicationAtOnce) {
  install_application();
  peers::ScriptedPeer operator_terminal;
  board.usart2().attach(operator_terminal);
  operator_terminal.send_at(2 * kSecond, "n");

  const std::string printed = run_main(30 * kSecond);
  ASSERT_EQ(result.reason, native::StopReason::HandOff) << result.detail;
  EXPECT_EQ(printed, kClear + kMenu + kLoading);
  EXPECT_LT(result.at, 2 * kSecond + 10 * kMillisecond);  // no waiting out the 15 s
  EXPECT_EQ(bl_rev.major, 0x00);
  EXPECT_EQ(bl_rev.minor, 0x04);
  EXPECT_EQ(bl_rev.patch, 0x01);
  // BOOT_STATUS: an output driven low by the board set-up, high once main is past it, low
  // again at the hand-off, then released.
  std::vector<model::PinDrive> drives;
  for (const model::PinEvent& e : board.gpio('F').trace(0)) drives.push_back(e.drive);
  EXPECT_EQ(drives, (std::vector<model::PinDrive>{model::PinDrive::Low, model::PinDrive::High, model::PinDrive::Low,
                                                  model::PinDrive::Released}));
}

TEST_F(BootManager, SilenceStartsTheApplicationAfterFifteenSeconds) {
  install_application();
  const std::string printed = run_main(30 * kSecond);
  ASSERT_EQ(result.reason, native::StopReason::HandOff) << result.detail;
  EXPECT_EQ(printed, kClear + kMenu + kLoading);
  EXPECT_GE(result.at, 15 * kSecond);
  EXPECT_LT(result.at, 15 * kSecond + 500 * kMillisecond);
}

TEST_F(BootManager, NoUsableImageKeepsTheMenuInsteadOfJumping) {
  peers::ScriptedPeer operator_terminal;
  board.usart2().attach(operator_terminal);
  operator_terminal.send_at(kSecond, "N");

  const std::string printed = run_main(10 * kSecond);
  ASSERT_EQ(result.reason, native::StopReason::TimeLimit) << result.detail;
  const std::string erased_menu = std::string(kMenu).replace(kMenu.find("01.0a.ff"), 8, "ff.ff.ff");
  EXPECT_EQ(printed, kClear + erased_menu + kLoading + "\x1b[1;31mNo valid application - please update.\r\n" +
                         "\x1b[1;37m" + erased_menu.substr(0));
  EXPECT_FALSE(board.core().handoff.has_value());
  EXPECT_EQ(board.gpio('F').output_level(0), true);
}

TEST_F(BootManager, YStartsTheTransferAndAFailedOneShowsTheMenuAgain) {
  install_application();
  peers::XmodemSender::Options options;
  options.wait_for_start = false;
  options.start_at = kSecond;
  peers::XmodemSender terminal(options);
  terminal.add_raw({'Y'});  // the answer; then the first 'C' starts the blocks
  terminal.add_image(app_image(1024, 2), {1024});
  terminal.add_cancel(1);
  board.usart2().attach(terminal);

  const std::string printed = run_main(10 * kSecond);  // stops during the next 15 s wait
  ASSERT_EQ(result.reason, native::StopReason::TimeLimit) << result.detail;
  const std::string erased_menu = std::string(kMenu).replace(kMenu.find("01.0a.ff"), 8, "ff.ff.ff");
  EXPECT_EQ(printed, kClear + kMenu +
                         "\x1b[1;34mTransfer Ovrimo Application Firmware Binary (.bin) via XMODEM now ...\r\n" +
                         "\x1b[1;31mFailed... Please try again.\r\n\x1b[1;37m" + erased_menu);
  EXPECT_EQ(terminal.received(), "C\x06");
}

TEST_F(BootManager, LowerCaseYUpdatesAndStartsTheNewImage) {
  const auto image = app_image(3000, 3);
  peers::XmodemSender::Options options;
  options.wait_for_start = false;
  options.start_at = kSecond;
  peers::XmodemSender terminal(options);
  terminal.add_raw({'y'});
  terminal.add_image(image, {1024, 128});
  terminal.add_eot();
  board.usart2().attach(terminal);

  const std::string printed = run_main(30 * kSecond);
  ASSERT_EQ(result.reason, native::StopReason::HandOff) << result.detail;
  EXPECT_EQ(terminal.state(), peers::XmodemSender::State::Done);
  EXPECT_EQ(flash_bytes(kAppStart, image.size()), image);
  EXPECT_EQ(bl_rev.minor, 0x04);  // written on this path too
  EXPECT_EQ(board.core().handoff->entry, kAppEntry);
}

}  // namespace
}  // namespace ovrimo::test

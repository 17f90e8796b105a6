// The XMODEM receiver against a scripted sender on USART2: every transition of a transfer, with
// the exact bytes the sender sees and what ends up in flash.
// First: the host's <unistd.h> (pulled in by the test framework) defines an X_OK macro of its own.
#include "xmodem.h"

#include <gtest/gtest.h>

#include <string>

#include "firmware_fixture.h"
#include "flash.h"
#include "peers/xmodem_sender.h"
#include "peers/scripted_peer.h"

namespace ovrimo::test {
namespace {

using peers::XmodemSender;
using Fault = XmodemSender::Fault;

const std::string kAck = "\x06";
const std::string kNak = "\x15";
const std::string kCanCan = "\x18\x18";
const std::string kCompletion = "\n\rFirmware updated!\n\rJumping to user application...\n\r";

std::string acks(std::size_t n) { return std::string(n, '\x06'); }

class XmodemReceiver : public BroughtUpBoard {
 protected:

  native::RunResult receive(model::LinePeer& peer, model::Time limit = 200 * kSecond) {
    board.usart2().attach(peer);
    call_start = board.now();
    binding.set_time_limit(board.now() + limit);
    return binding.run([] { xmodem_receive(); });
  }

  // The image as the receiver must have written it: whole blocks, the last one padded. A transfer
  // that never completed leaves the first quad-word (the vectors) erased.
  void expect_flash_holds(const std::vector<std::uint8_t>& image, std::size_t padded_size, bool completed = true) {
    const auto written = flash_bytes(kAppStart, padded_size);
    for (std::size_t i = 0; i < padded_size; ++i) {
      std::uint8_t expected = i < image.size() ? image[i] : XmodemSender::kFill;
      if (!completed && i < 16) expected = 0xFF;
      ASSERT_EQ(written[i], expected) << "offset " << i;
    }
  }

  model::Time call_start = 0;
};

TEST(XmodemCrc, IsTheXmodemVariantOfCrc16) {
  const std::uint8_t digits[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
  EXPECT_EQ(xmodem_calc_crc(digits, 9), 0x31C3);
  EXPECT_EQ(xmodem_calc_crc(digits, 0), 0);
  std::vector<std::uint8_t> block(1024);
  for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(i * 13 + 5);
  EXPECT_EQ(xmodem_calc_crc(block.data(), 1024), XmodemSender::crc16(block));
}

TEST_F(XmodemReceiver, StartPollingSendsCOncePerSecondAndGivesUpAfterTheNinetieth) {
  peers::ScriptedPeer silent;
  testing::internal::CaptureStdout();
  const native::RunResult result = receive(silent);
  const std::string printed = testing::internal::GetCapturedStdout();

  ASSERT_EQ(result.reason, native::StopReason::Returned) << result.detail;
  EXPECT_EQ(silent.received(), std::string(90, 'C'));  // no CAN at the end
  const auto& times = silent.received_times();
  ASSERT_EQ(times.size(), 90u);
  EXPECT_GE(times[0] - call_start, 1000 * kMillisecond);
  EXPECT_LE(times[0] - call_start, 1003 * kMillisecond);
  for (std::size_t i = 1; i < times.size(); ++i) {
    EXPECT_GE(times[i] - times[i - 1], 1000 * kMillisecond) << i;
    EXPECT_LE(times[i] - times[i - 1], 1003 * kMillisecond) << i;
  }
  EXPECT_EQ(printed, "Timeout waiting for XMODEM Start - Please Retry\r\n");
  EXPECT_LT(result.at - times.back(), 10 * kMillisecond);
}

TEST_F(XmodemReceiver, MixedBlockSizesAreWrittenBackToBackAndTheImageStarted) {
  fill_flash(kAppStart, 0x40000, 0x77);                    // the old application
  fill_flash(0x080FE000, kPage, 0xA5);                     // last page of bank 1
  const auto image = app_image(128 + 1024 + 128 + 128 + 1024 + 1024 + 300, 3);
  XmodemSender sender;
  sender.add_image(image, {128, 1024, 128, 128, 1024, 1024, 1024});
  sender.add_eot();

  const native::RunResult result = receive(sender);
  ASSERT_EQ(result.reason, native::StopReason::HandOff) << result.detail;
  EXPECT_EQ(sender.state(), XmodemSender::State::Done);
  EXPECT_EQ(sender.received(), "C" + acks(7) + kAck + kCompletion);

  const std::size_t padded = 128 + 1024 + 128 + 128 + 1024 + 1024 + 1024;
  expect_flash_holds(image, padded);
  EXPECT_TRUE(flash_erased(kAppStart + padded, 0x080FE000 - kAppStart - padded));
  EXPECT_EQ(flash_bytes(0x080FE000, kPage), std::vector<std::uint8_t>(kPage, 0xA5));

  ASSERT_TRUE(board.core().handoff.has_value());
  EXPECT_EQ(board.core().handoff->entry, kAppEntry);
  EXPECT_EQ(board.core().handoff->msp, kAppStack);
}

TEST_F(XmodemReceiver, ALateSenderStartsOnALaterRequest) {
  const auto image = app_image(2048, 4);
  XmodemSender::Options options;
  options.ignore_start_requests = 4;
  XmodemSender sender(options);
  sender.add_image(image, {1024});
  sender.add_eot();

  const native::RunResult result = receive(sender);
  ASSERT_EQ(result.reason, native::StopReason::HandOff) << result.detail;
  EXPECT_EQ(sender.received(), "CCCCC" + acks(2) + kAck + kCompletion);
  expect_flash_holds(image, 2048);
}

TEST_F(XmodemReceiver, Block256CarriesNumberZero) {
  const auto image = app_image(258 * 128, 5);
  XmodemSender sender;
  sender.add_image(image, {128});
  sender.add_eot();
  ASSERT_EQ(sender.plan()[255].number, 0);  // block 256
  ASSERT_EQ(sender.plan()[256].number, 1);

  const native::RunResult result = receive(sender);
  ASSERT_EQ(result.reason, native::StopReason::HandOff) << result.detail;
  EXPECT_EQ(sender.received(), "C" + acks(258) + kAck + kCompletion);
  expect_flash_holds(image, image.size());
}

TEST_F(XmodemReceiver, ErrorBudgetCoversTheWholeTransfer) {
  const auto image = app_image(10 * 128, 6);
  XmodemSender sender;
  sender.add_image(image, {128});
  sender.add_eot();
  sender.inject(1, 0, Fault::corrupt_byte(3 + 40));          // CRC error in block 2
  sender.inject(4, 0, Fault::drop_byte(3 + 10));             // block 5 arrives one byte short
  sender.inject(7, 0, Fault::corrupt_byte(2, 0x01));         // block 8: complement wrong

  const native::RunResult result = receive(sender);
  ASSERT_EQ(result.reason, native::StopReason::Returned) << result.detail;
  // Two refused blocks, good ones in between, and the third refusal ends the transfer.
  EXPECT_EQ(sender.received(), "C" + kAck + kNak + acks(3) + kNak + acks(3) + kCanCan);
  EXPECT_EQ(sender.state(), XmodemSender::State::Cancelled);
  expect_flash_holds(std::vector<std::uint8_t>(image.begin(), image.begin() + 7 * 128), 7 * 128, false);
  EXPECT_TRUE(flash_erased(kAppStart + 7 * 128, 3 * 128));
}

TEST_F(XmodemReceiver, FirstCompleteBlockErasesTheRegionEvenWhenRefused) {
  fill_flash(kAppStart, 0x40000, 0x77);
  XmodemSender::Options options;
  options.max_attempts = 1;  // gives up (CAN CAN) after the first refusal
  XmodemSender sender(options);
  sender.add_image(app_image(128, 7), {128});
  sender.add_eot();
  sender.inject(0, 0, Fault::corrupt_byte(3 + 127 + 2));  // CRC low byte

  const native::RunResult result = receive(sender);
  ASSERT_EQ(result.reason, native::StopReason::Returned) << result.detail;
  EXPECT_EQ(sender.received(), "C" + kNak);
  EXPECT_TRUE(flash_erased(kAppStart, 0x080FE000 - kAppStart));
  // The refusal came only after the whole region had been erased.
  const model::Time block_end = sender.transmissions()[0].start + 133 * board.usart2().frame_time();
  EXPECT_GE(sender.received_times()[1] - block_end, 119 * board.flash().timing().page_erase);
}

TEST_F(XmodemReceiver, FirstBlockWithAMissingByteErasesNothing) {
  fill_flash(kAppStart, 0x40000, 0x77);
  XmodemSender::Options options;
  options.max_attempts = 1;
  XmodemSender sender(options);
  sender.add_image(app_image(1024, 8), {1024});
  sender.add_eot();
  sender.inject(0, 0, Fault::drop_byte(500));

  const native::RunResult result = receive(sender);
  ASSERT_EQ(result.reason, native::StopReason::Returned) << result.detail;
  EXPECT_EQ(sender.received(), "C" + kNak);
  EXPECT_EQ(flash_bytes(kAppStart, 0x40000), std::vector<std::uint8_t>(0x40000, 0x77));
}

TEST_F(XmodemReceiver, RepetitionOfARefusedFirstBlockIsWritten) {
  const auto image = app_image(3 * 128, 9);
  XmodemSender sender;
  sender.add_image(image, {128});
  sender.add_eot();
  sender.inject(0, 0, Fault::corrupt_byte(1, 0x02));  // number 3 instead of 1

  const native::RunResult result = receive(sender);
  ASSERT_EQ(result.reason, native::StopReason::HandOff) << result.detail;
  EXPECT_EQ(sender.received(), "C" + kNak + acks(3) + kAck + kCompletion);
  expect_flash_holds(image, image.size());
}

TEST_F(XmodemReceiver, EraseFailureCancelsAtOnce) {
  board.flash().fail_erase(kAppStart + 30 * kPage);
  XmodemSender sender;
  sender.add_image(app_image(1024, 10), {1024});
  sender.add_eot();

  const native::RunResult result = receive(sender);
  ASSERT_EQ(result.reason, native::StopReason::Returned) << result.detail;
  EXPECT_EQ(sender.received(), "C" + kCanCan);
  EXPECT_EQ(sender.state(), XmodemSender::State::Cancelled);
}

TEST_F(XmodemReceiver, WriteFailureCancelsAtOnceWhateverTheErrorCount) {
  board.flash().fail_program(kAppStart + 2 * 1024 + 512);
  XmodemSender sender;
  sender.add_image(app_image(5 * 1024, 11), {1024});
  sender.add_eot();

  const native::RunResult result = receive(sender);
  ASSERT_EQ(result.reason, native::StopReason::Returned) << result.detail;
  EXPECT_EQ(sender.received(), "C" + acks(2) + kCanCan);
  // The quad-words of block 3 before the failing one stay programmed.
  EXPECT_FALSE(flash_erased(kAppStart + 2 * 1024, 512));
  EXPECT_TRUE(flash_erased(kAppStart + 2 * 1024 + 512, 512));
}

TEST_F(XmodemReceiver, ImageRunningPastTheRegionIsCancelledAtTheWriteBound) {
  // 960 blocks of 1 KB fill the region up to the end of bank 1; the last quad-word of the region
  // (0x080FFFF0) is refused, so block 960 cancels the transfer.
  const std::size_t blocks = 961;
  const auto image = app_image(blocks * 1024, 12);
  XmodemSender sender;
  sender.add_image(image, {1024});
  sender.add_eot();

  const native::RunResult result = receive(sender, 150 * kSecond);
  ASSERT_EQ(result.reason, native::StopReason::Returned) << result.detail;
  EXPECT_EQ(sender.received(), "C" + acks(959) + kCanCan);
  EXPECT_EQ(flash_bytes(0x080FFFE0, 16),
            std::vector<std::uint8_t>(image.begin() + (0x080FFFE0 - kAppStart), image.begin() + (0x080FFFF0 - kAppStart)));
  EXPECT_TRUE(flash_erased(0x080FFFF0, 16));
}

TEST_F(XmodemReceiver, EotBeforeAnyBlockStartsTheImageAlreadyInFlash) {
  const auto old_app = app_image(0x1000, 13);
  store(kAppStart, old_app);
  XmodemSender sender;
  sender.add_eot();

  const native::RunResult result = receive(sender);
  ASSERT_EQ(result.reason, native::StopReason::HandOff) << result.detail;
  EXPECT_EQ(sender.received(), "C" + kAck + kCompletion);
  EXPECT_EQ(flash_bytes(kAppStart, old_app.size()), old_app);  // nothing erased
}

TEST_F(XmodemReceiver, EotWithNoUsableImageEndsTheTransferAsFailed) {
  XmodemSender sender;
  sender.add_eot();

  const native::RunResult result = receive(sender);
  ASSERT_EQ(result.reason, native::StopReason::Returned) << result.detail;
  EXPECT_EQ(sender.received(), "C" + kAck + kCompletion);
  EXPECT_FALSE(board.core().handoff.has_value());
  EXPECT_EQ(board.core().primask, 0u);
  EXPECT_EQ(board.gpio('F').output_level(0), true);  // BOOT_STATUS still high: nothing shut down
}

TEST_F(XmodemReceiver, EotAfterTheRegionWasErasedWithNoBlockTakenCancelsInsteadOfStartingOldVectors) {
  // An earlier transfer, back at the menu, took block 1 (usable vectors) and was then cancelled.
  XmodemSender first;
  first.add_image(app_image(128, 20), {128});
  first.add_cancel(1);
  ASSERT_EQ(receive(first).reason, native::StopReason::Returned);
  board.usart2().detach();
  // The retry: block 1 arrives whole with a bad CRC (the region is erased), then the sender ends.
  auto frame = XmodemSender::frame(XmodemSender::kSoh, 1, app_image(128, 21));
  frame.back() ^= 0x01;
  XmodemSender sender;
  sender.add_raw(frame);
  sender.add_eot();

  const native::RunResult result = receive(sender);
  ASSERT_EQ(result.reason, native::StopReason::Returned) << result.detail;
  // The EOT right after a refused block is refused too (twice), then the budget is spent.
  EXPECT_EQ(sender.received(), "C" + kNak + kNak + kCanCan);
  EXPECT_FALSE(board.core().handoff.has_value());
  EXPECT_TRUE(flash_erased(kAppStart, 0x080FE000 - kAppStart));
}

TEST_F(XmodemReceiver, VectorWordsThatFailToProgramAtEotCancelInsteadOfAcknowledging) {
  // Every block is taken; only the held-back first quad-word, written at EOT, refuses.
  board.flash().fail_program(kAppStart);
  const auto image = app_image(2 * 1024, 16);
  XmodemSender sender;
  sender.add_image(image, {1024});
  sender.add_eot();

  const native::RunResult result = receive(sender);
  ASSERT_EQ(result.reason, native::StopReason::Returned) << result.detail;
  EXPECT_EQ(sender.received(), "C" + acks(2) + kCanCan);
  EXPECT_FALSE(board.core().handoff.has_value());
  expect_flash_holds(image, image.size(), false);
}

TEST_F(XmodemReceiver, OneCanFromTheSenderEndsTheTransferWithoutReply) {
  XmodemSender sender;
  sender.add_image(app_image(1024, 14), {1024});
  sender.add_cancel(1);

  const native::RunResult result = receive(sender);
  ASSERT_EQ(result.reason, native::StopReason::Returned) << result.detail;
  EXPECT_EQ(sender.received(), "C" + kAck);
}

TEST_F(XmodemReceiver, StrayByteBeforeTheFirstBlockIsCountedAndStartUpContinues) {
  fill_flash(kAppStart, 0x1000, 0x77);
  const auto image = app_image(1024, 15);
  XmodemSender sender;
  sender.add_raw({0x55});
  sender.add_image(image, {1024});
  sender.add_eot();
  sender.inject(1, 0, Fault::corrupt_byte(600));
  sender.inject(1, 1, Fault::corrupt_byte(601));

  const native::RunResult result = receive(sender);
  ASSERT_EQ(result.reason, native::StopReason::Returned) << result.detail;
  // The stray byte was the first error: two refusals of block 1 spend the budget.
  EXPECT_EQ(sender.received(), "C" + kNak + kNak + kCanCan);
}

TEST_F(XmodemReceiver, LostAckEndsTheTransferOnTheThirdError) {
  XmodemSender sender;
  sender.add_image(app_image(5 * 128, 16), {128});
  sender.add_eot();
  sender.inject(1, 0, Fault::lose_ack());

  const native::RunResult result = receive(sender);
  ASSERT_EQ(result.reason, native::StopReason::Returned) << result.detail;
  // ACK lost -> the receiver's wait for block 3 times out (NAK) -> the sender repeats block 2,
  // whose number is now the previous one (NAK) -> again -> CAN CAN.
  EXPECT_EQ(sender.received(), "C" + acks(2) + kNak + kNak + kCanCan);
  const auto& times = sender.received_times();
  EXPECT_GE(times[3] - times[2], 1000 * kMillisecond);
}

TEST_F(XmodemReceiver, PauseLongerThanASecondBetweenBlocksCostsOneError) {
  const auto image = app_image(4 * 1024, 17);
  XmodemSender sender;
  sender.add_image(image, {1024});
  sender.add_eot();
  sender.inject(2, 0, Fault::pause_before(1500 * kMillisecond));

  const native::RunResult result = receive(sender);
  ASSERT_EQ(result.reason, native::StopReason::HandOff) << result.detail;
  EXPECT_EQ(sender.received(), "C" + acks(2) + kNak + acks(2) + kAck + kCompletion);
  expect_flash_holds(image, image.size());
}

TEST_F(XmodemReceiver, PauseInsideABlockIsDrainedBeforeTheNakAndTheBlockSentAgain) {
  XmodemSender sender;
  const std::vector<std::uint8_t> data(128, 0x55);
  sender.add_block(XmodemSender::kSoh, data);
  sender.add_block(XmodemSender::kSoh, data);
  sender.add_eot();
  sender.inject(1, 0, Fault::pause_inside(60, 1500 * kMillisecond));

  const native::RunResult result = receive(sender);
  ASSERT_EQ(result.reason, native::StopReason::Returned) << result.detail;
  // The block times out; its tail arrives during the CRC read and the drain, not as headers. The
  // NAK waits for the line to go quiet, and the repetition is taken.
  EXPECT_EQ(sender.received().substr(0, 5), "C" + kAck + kNak + kAck + kAck);
  EXPECT_EQ(sender.state(), XmodemSender::State::Done);
  const auto& times = sender.received_times();
  const model::Time tail_end = sender.transmissions()[1].start + 60 * board.usart2().frame_time() +
                               1500 * kMillisecond + (133 - 60) * board.usart2().frame_time();
  EXPECT_GE(times[2] - tail_end, X_PURGE_QUIET_MS * kMillisecond);
  EXPECT_LE(times[2] - tail_end, (X_PURGE_QUIET_MS + 2) * kMillisecond);
}

TEST_F(XmodemReceiver, ASenderThatCancelsWhileTheLineIsDrainedEndsTheTransfer) {
  // A stray byte, then the sender's CAN CAN at once: both are read by the drain before the NAK,
  // which must not swallow the cancel and wait for a sender that has gone.
  XmodemSender sender;
  sender.add_raw({0x55, 0x18, 0x18}, false);
  const model::Time start = board.now();
  const native::RunResult result = receive(sender);
  ASSERT_EQ(result.reason, native::StopReason::Returned) << result.detail;
  EXPECT_EQ(sender.received(), "C");
  EXPECT_LT(board.now() - start, 2 * kSecond);
}

TEST_F(XmodemReceiver, DataBytesOfABlockShareOneDeadlineFromTheStartOfTheirRead) {
  // The data are taken byte by byte, but the 1000 ms bound the whole data read, not each byte.
  XmodemSender sender;
  sender.add_image(app_image(2 * 1024, 19), {1024});
  sender.add_eot();
  // Block 1: 880 ms of silence half-way, the data complete some 970 ms after they began.
  sender.inject(0, 0, Fault::pause_inside(3 + 512, 880 * kMillisecond));
  // Block 2: the sender stalls half-way for longer than the data read and the CRC read together.
  sender.inject(1, 0, Fault::pause_inside(3 + 512, 2500 * kMillisecond));

  const native::RunResult result = receive(sender);
  ASSERT_NE(result.reason, native::StopReason::TimeLimit) << result.detail;
  ASSERT_GE(sender.received().size(), 3u);
  EXPECT_EQ(sender.received().substr(0, 3), "C" + kAck + kNak);
  // Refused when the data read's deadline, then the CRC read's own second, have run out (about
  // 2 s after the data began, not 1 s after the last byte that came), and the line has been
  // quiet for the drain.
  const model::Time frame = board.usart2().frame_time();
  const model::Time data_start = sender.transmissions()[1].start + 4 * frame;
  const model::Time nak_end = sender.received_times()[2];
  EXPECT_GE(nak_end - data_start, (2000 + X_PURGE_QUIET_MS) * kMillisecond);
  EXPECT_LE(nak_end - data_start, (2004 + X_PURGE_QUIET_MS) * kMillisecond);
}

TEST_F(XmodemReceiver, YmodemBlockZeroIsRefusedUntilTheBudgetIsSpent) {
  fill_flash(kAppStart, 0x1000, 0x77);
  const auto image = app_image(2048, 18);
  XmodemSender sender;
  sender.add_ymodem_block0("app.bin", image.size());
  sender.add_image(image, {1024});
  sender.add_eot();

  const native::RunResult result = receive(sender);
  ASSERT_EQ(result.reason, native::StopReason::Returned) << result.detail;
  EXPECT_EQ(sender.received(), "C" + kNak + kNak + kCanCan);
  EXPECT_TRUE(flash_erased(kAppStart, 0x1000));  // block 0 arrived whole: region erased
}

}  // namespace
}  // namespace ovrimo::test

// Updates that go wrong, on the real image: what the sender sees byte for byte, what the operator
// sees afterwards, and what is left in flash, including a board that loses power halfway through.
#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <utility>

#include "e2e_support.h"
#include "peers/xmodem_sender.h"

namespace ovrimo::emu {
namespace {

using namespace e2e;
using peers::XmodemSender;
using testing::firmware_file;

const std::string kAck(1, '\x06'), kNak(1, '\x15'), kCan(1, '\x18');

std::string acks(std::size_t n) { return std::string(n, '\x06'); }

// A board with 01.02.03 installed whose operator answers 'Y'; `sender` is on the line.
class UpdateFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_ARTEFACT(firmware_file("bootloader.elf"));
    ASSERT_ARTEFACT(firmware_file("app-01.02.03.bin"));
    ASSERT_ARTEFACT(firmware_file("app-01.02.04.bin"));
    image = read_file(firmware_file("app-01.02.04.bin"));
    rig = std::make_unique<Rig>(firmware_file("app-01.02.03.bin"));
  }

  void start(model::LinePeer* peer) {
    if (peer != nullptr) rig->board().usart2().attach(*peer);
    ASSERT_EQ(rig->run_to_question().reason, StopReason::OutputMatched);
    rig->type("Y");
  }
  // Runs until the menu asks again after a failed transfer.
  void run_to_second_question(Time limit) {
    const RunResult r = rig->run_to_question(limit);
    ASSERT_EQ(r.reason, StopReason::OutputMatched) << r.detail;
  }
  // What the device sent after the transfer line.
  std::string after_transfer_line() {
    const std::string all = rig->device_text();
    const auto at = all.find(wire::kTransfer);
    EXPECT_NE(at, std::string::npos);
    return at == std::string::npos ? std::string() : all.substr(at + wire::kTransfer.size());
  }
  std::vector<std::uint8_t> prefix(std::size_t bytes) const { return {image.begin(), image.begin() + bytes}; }
  // Sends `data` in 1024-byte blocks, the first try of block 2 stalling for 1.5 s after `offset`
  // bytes of its frame, and runs to the hand-off.
  void update_with_block_2_stalled(XmodemSender& sender, const std::vector<std::uint8_t>& data, std::size_t offset) {
    sender.add_image(data, {1024});
    sender.add_eot();
    sender.inject(1, 0, XmodemSender::Fault::pause_inside(offset, 1500 * kMillisecond));
    ASSERT_NO_FATAL_FAILURE(start(&sender));
    const RunResult r = rig->run_until_handoff(30 * kSecond);
    ASSERT_EQ(r.reason, StopReason::HandOff) << r.detail;
  }

  std::vector<std::uint8_t> image;
  std::unique_ptr<Rig> rig;
};

// The failure line, then the next pass: the white the failure line left unsent goes out in front
// of the banner, and the screen is not cleared.
std::string failed_then_menu(std::string_view version) { return wire::kFailed + wire::kWhite + wire::menu(version); }

TEST_F(UpdateFaults, RefusedBlocksAreSentAgainAndTheTransferCompletesWithinTheErrorBudget) {
  // 16 KB in 1024-byte blocks: block 4 arrives with a data byte flipped (CRC error), block 10
  // without one of its bytes (the body read times out after 1 s). Each is refused with NAK and
  // its repetition taken; two errors are within the budget of three.
  XmodemSender sender;
  const auto data = prefix(16 * 1024);
  sender.add_image(data, {1024});
  sender.add_eot();
  sender.inject(3, 0, XmodemSender::Fault::corrupt_byte(3 + 100));
  sender.inject(9, 0, XmodemSender::Fault::drop_byte(3 + 500));
  ASSERT_NO_FATAL_FAILURE(start(&sender));
  const RunResult r = rig->run_until_handoff(30 * kSecond);
  ASSERT_EQ(r.reason, StopReason::HandOff) << r.detail;

  const std::string expected = "C" + acks(3) + kNak + acks(6) + kNak + acks(7) + kAck + wire::kUpdated + wire::kJumping;
  EXPECT_EQ(after_transfer_line(), expected) << describe_control(after_transfer_line().substr(0, 20));
  EXPECT_EQ(sender.state(), XmodemSender::State::Done);
  // Each refused block was written once, from its repetition, at its own place.
  EXPECT_EQ(rig->flash(kAppBase, 16 * 1024), data);
  EXPECT_TRUE(all_bytes(rig->flash(kAppBase + 16 * 1024, kPage127 - kAppBase - 16 * 1024), 0xFF));
  EXPECT_EQ(rig->flash(kPage127, model::FlashArray::kPageSize), rig->flash_at_start(kPage127, model::FlashArray::kPageSize));
  EXPECT_EQ(rig->board().core().handoff->vtor, kAppBase);
}

TEST_F(UpdateFaults, ALostAckMakesTheSenderRepeatABlockTheReceiverHasAndEndsInCanCan) {
  // The sender does not hear the ACK of block 5 and sends block 5 again after 300 ms; the
  // receiver wants block 6, refuses it twice with NAK and cancels at the third error.
  XmodemSender::Options options;
  options.reply_timeout = 300 * kMillisecond;
  XmodemSender sender(options);
  sender.add_image(prefix(16 * 1024), {1024});
  sender.add_eot();
  sender.inject(4, 0, XmodemSender::Fault::lose_ack());
  ASSERT_NO_FATAL_FAILURE(start(&sender));
  ASSERT_NO_FATAL_FAILURE(run_to_second_question(30 * kSecond));

  // The region was erased by the first block, so the metadata block is gone: ff.ff.ff.
  const std::string expected = "C" + acks(5) + kNak + kNak + kCan + kCan + failed_then_menu("ff.ff.ff");
  EXPECT_EQ(after_transfer_line(), expected) << describe_control(after_transfer_line().substr(0, 12));
  EXPECT_EQ(sender.state(), XmodemSender::State::Cancelled);
  // The three attempts after the lost ACK all carried block number 5.
  std::vector<std::uint8_t> numbers;
  for (const auto& t : sender.transmissions())
    if (t.step == 4) numbers.push_back(t.bytes.at(1));
  EXPECT_EQ(numbers, (std::vector<std::uint8_t>{5, 5, 5, 5}));
  EXPECT_FALSE(rig->board().core().handoff.has_value());
}

TEST_F(UpdateFaults, TerminalBytesAtThePromptAreTakenAsTheAnswerAndBootTheInstalledApplication) {
  // What terminal programs send by themselves when they open a port: a line end, a modem's
  // "AT", a break (the line held low for many frame times: the receiver sees one 0x00 with a
  // framing error, which the answer's read takes like any byte). Any byte but 'Y' is "boot now".
  const model::LineFormat slow{.baud = 115200 / 16};
  const std::vector<std::pair<std::string, std::optional<model::LineFormat>>> cases{
      {"\r", std::nullopt}, {"\n", std::nullopt}, {"AT\r\n", std::nullopt}, {std::string(1, '\0'), slow}};
  for (const auto& [bytes, format] : cases) {
    SCOPED_TRACE(describe_control(bytes));
    rig = std::make_unique<Rig>(firmware_file("app-01.02.03.bin"));
    ASSERT_EQ(rig->run_to_question().reason, StopReason::OutputMatched);
    rig->board().usart2().send_to_device(bytes, rig->board().now() + 20 * kMillisecond, format.value_or(model::LineFormat{}));
    const RunResult app = rig->run_until_line("Ovrimo sample application", 2 * kSecond);
    ASSERT_EQ(app.reason, StopReason::OutputMatched) << app.detail;
    EXPECT_EQ(rig->emu().printed_lines().back().text, app_line("01.02.03"));
    const std::string all = rig->device_text();
    EXPECT_EQ(all.substr(0, all.find("Ovrimo sample")), wire::kClear + wire::menu("01.02.03") + wire::kHandOff);
    EXPECT_EQ(rig->flash(kAppBase, kImageSize), rig->flash_at_start(kAppBase, kImageSize));
    if (format) {
      const auto& log = rig->board().usart2().line_log();
      const auto brk = std::find_if(log.begin(), log.end(),
                                    [](const auto& b) { return b.direction == model::LineByte::Direction::ToDevice; });
      ASSERT_NE(brk, log.end());
      EXPECT_EQ(brk->outcome, model::LineByte::Outcome::Corrupted);
      EXPECT_EQ(brk->received, 0u);
    }
  }
}

TEST_F(UpdateFaults, TerminalBytesDuringTheTransferCostOneErrorEach) {
  // A line end in front of block 1 and a modem's "AT" in front of block 4: each first byte
  // stands where a header belongs, the rest of the string and the block behind it are drained,
  // NAK, and the block comes again. Two errors are within the budget.
  XmodemSender sender;
  const auto data = prefix(8 * 1024);
  sender.add_image(data, {1024});
  sender.add_eot();
  sender.inject(0, 0, XmodemSender::Fault::stray_bytes({'\r', '\n'}));
  sender.inject(3, 0, XmodemSender::Fault::stray_bytes({'A', 'T', '\r', '\n'}));
  ASSERT_NO_FATAL_FAILURE(start(&sender));
  const RunResult r = rig->run_until_handoff(30 * kSecond);
  ASSERT_EQ(r.reason, StopReason::HandOff) << r.detail;
  EXPECT_EQ(after_transfer_line(), "C" + kNak + acks(3) + kNak + acks(5) + kAck + wire::kUpdated + wire::kJumping)
      << describe_control(after_transfer_line().substr(0, 12));
  EXPECT_EQ(rig->flash(kAppBase, 8 * 1024), data);
}

TEST_F(UpdateFaults, ACancelFromTheSenderEndsTheTransferWithoutReply) {
  XmodemSender sender;
  const auto data = prefix(3 * 1024);
  sender.add_image(data, {1024});
  sender.add_cancel(1);
  ASSERT_NO_FATAL_FAILURE(start(&sender));
  ASSERT_NO_FATAL_FAILURE(run_to_second_question(30 * kSecond));

  // Three blocks taken, then the single CAN: no reply, straight to the failure line.
  EXPECT_EQ(after_transfer_line(), "C" + acks(3) + failed_then_menu("ff.ff.ff"))
      << describe_control(after_transfer_line().substr(0, 6));
  EXPECT_EQ(rig->flash(kAppBase, 3 * 1024), vectors_erased(data));
  EXPECT_FALSE(rig->board().core().handoff.has_value());
}

TEST_F(UpdateFaults, AnUpdateCancelledAfterFourBlocksShowsNoVersionAndNeverJumps) {
  // The menu read the metadata of 01.02.03, so the instruction cache holds its line; the erase
  // and the four blocks do not touch it. Only an invalidate after the erase keeps the menu and
  // the boot path from seeing the old magic and version over erased flash.
  XmodemSender sender;
  sender.add_image(prefix(4 * 1024), {1024});
  sender.add_cancel(2);
  ASSERT_NO_FATAL_FAILURE(start(&sender));
  ASSERT_NO_FATAL_FAILURE(run_to_second_question(30 * kSecond));
  EXPECT_EQ(after_transfer_line(), "C" + acks(4) + failed_then_menu("ff.ff.ff"))
      << describe_control(after_transfer_line().substr(0, 6));

  // No answer: the boot path refuses the four-block image and asks again.
  const RunResult r = rig->run_to_question(20 * kSecond);
  EXPECT_EQ(r.reason, StopReason::OutputMatched) << r.detail;
  EXPECT_FALSE(rig->board().core().handoff.has_value());
  EXPECT_NE(after_transfer_line().find(wire::kHandOff + wire::kNoApplication + wire::kWhite + wire::menu("ff.ff.ff")),
            std::string::npos);
  EXPECT_EQ(rig->flash(kAppBase, 4 * 1024), vectors_erased(prefix(4 * 1024)));
}

TEST_F(UpdateFaults, AFrameThatStallsIsDrainedSoThatA0x04InItsRestIsNoEndOfTransmission) {
  // Block 2 stalls for 1.5 s after 503 of its 1029 bytes (an adapter or host hiccup). The
  // receiver gives up on it; the rest of the frame arrives afterwards, and its third byte is 0x04.
  // Read as a header that was an EOT: ACK, "Firmware updated!" and a jump into one block.
  auto data = prefix(3 * 1024);
  data[1024 + 503 + 2 - 3] = 0x04;
  XmodemSender sender;
  ASSERT_NO_FATAL_FAILURE(update_with_block_2_stalled(sender, data, 503));

  EXPECT_EQ(after_transfer_line(), "C" + kAck + kNak + acks(2) + kAck + wire::kUpdated + wire::kJumping)
      << describe_control(after_transfer_line().substr(0, 8));
  EXPECT_EQ(sender.state(), XmodemSender::State::Done);
  EXPECT_EQ(rig->flash(kAppBase, 3 * 1024), data);
}

TEST_F(UpdateFaults, ALastByteLeftAloneByAStallIsNoEndOfTransmissionEvenWhenItIs0x04) {
  // Block 2 stalls for 1.5 s in front of its last byte, the low byte of its CRC, which is 0x04.
  // The receiver gives up on the block and answers NAK while the sender is still in its frame;
  // then the lone byte comes, followed by silence (the sender waits for the answer to its whole
  // frame). A sender never ends a transfer right after a refused block, so this is no EOT: taken
  // for one, it was ACKed and the board jumped into a one-block image, reported as updated.
  auto data = prefix(3 * 1024);
  for (int v = 0; v < 256; ++v) {
    data[1024 + 1000] = static_cast<std::uint8_t>(v);
    if ((XmodemSender::crc16(std::span(data).subspan(1024, 1024)) & 0xFF) == 0x04) break;
  }
  ASSERT_EQ(XmodemSender::crc16(std::span(data).subspan(1024, 1024)) & 0xFF, 0x04);
  XmodemSender sender;
  ASSERT_NO_FATAL_FAILURE(update_with_block_2_stalled(sender, data, 1028));

  // The NAK the sender never heard, the lone byte refused with the second, then blocks 2 and 3.
  EXPECT_EQ(after_transfer_line(), "C" + kAck + kNak + kNak + acks(2) + kAck + wire::kUpdated + wire::kJumping)
      << describe_control(after_transfer_line().substr(0, 8));
  EXPECT_EQ(sender.state(), XmodemSender::State::Done);
  EXPECT_EQ(rig->flash(kAppBase, 3 * 1024), data);
}

TEST_F(UpdateFaults, AFlashErrorCancelsAtOnce) {
  // The quad-word at 0x08010C40 (inside block 4) refuses to program.
  rig->board().flash().fail_program(kAppBase + 3 * 1024 + 0x40);
  XmodemSender sender;
  sender.add_image(prefix(16 * 1024), {1024});
  sender.add_eot();
  ASSERT_NO_FATAL_FAILURE(start(&sender));
  ASSERT_NO_FATAL_FAILURE(run_to_second_question(30 * kSecond));

  // No NAK first: the error budget is spent at once.
  EXPECT_EQ(after_transfer_line(), "C" + acks(3) + kCan + kCan + failed_then_menu("ff.ff.ff"))
      << describe_control(after_transfer_line().substr(0, 7));
  EXPECT_EQ(sender.state(), XmodemSender::State::Cancelled);
  // Block 4 is written up to the quad-word that failed, and no further.
  EXPECT_EQ(rig->flash(kAppBase, 3 * 1024 + 0x40), vectors_erased(prefix(3 * 1024 + 0x40)));
  EXPECT_TRUE(all_bytes(rig->flash(kAppBase + 3 * 1024 + 0x40, 1024 - 0x40), 0xFF));
}

TEST_F(UpdateFaults, AnEraseErrorCancelsTheFirstBlock) {
  // Page 20 does not erase: the first block is cancelled before anything is written.
  rig->board().flash().fail_erase(kFlashBase + 20 * model::FlashArray::kPageSize);
  XmodemSender sender;
  sender.add_image(prefix(4 * 1024), {1024});
  sender.add_eot();
  ASSERT_NO_FATAL_FAILURE(start(&sender));
  ASSERT_NO_FATAL_FAILURE(run_to_second_question(30 * kSecond));

  // Pages 8 to 19 were erased before the failing one; page 20 keeps the old application.
  EXPECT_EQ(after_transfer_line(), "C" + kCan + kCan + failed_then_menu("01.02.03"))
      << describe_control(after_transfer_line().substr(0, 3));
  const std::uint32_t page20 = kFlashBase + 20 * model::FlashArray::kPageSize;
  EXPECT_TRUE(all_bytes(rig->flash(kAppBase, page20 - kAppBase), 0xFF));
  EXPECT_EQ(rig->flash(page20, model::FlashArray::kPageSize), rig->flash_at_start(page20, model::FlashArray::kPageSize));
}

TEST_F(UpdateFaults, AByteInsertedIntoAFrameLeavesItsLast0x04OverWhichIsDrainedNotTakenForEndOfTransmission) {
  // Block 2 gains a byte inside it, so its CRC's low byte is left over after the 1029 the
  // receiver reads; the block's data is chosen to make that byte 0x04.
  auto data = prefix(3 * 1024);
  const auto block2_crc = [&] {
    return XmodemSender::crc16(std::span<const std::uint8_t>(data).subspan(1024, 1024));
  };
  for (std::uint8_t tweak = 0; (block2_crc() & 0xFF) != 0x04; ++tweak) data[1024 + 900] = tweak;
  XmodemSender sender;
  sender.add_image(data, {1024});
  sender.add_eot();
  sender.inject(1, 0, XmodemSender::Fault::insert_byte(3 + 500, 0x55));
  ASSERT_NO_FATAL_FAILURE(start(&sender));
  const RunResult r = rig->run_until_handoff(30 * kSecond);
  ASSERT_EQ(r.reason, StopReason::HandOff) << r.detail;
  EXPECT_EQ(after_transfer_line(), "C" + kAck + kNak + acks(2) + kAck + wire::kUpdated + wire::kJumping)
      << describe_control(after_transfer_line().substr(0, 8));
  EXPECT_EQ(rig->flash(kAppBase, 3 * 1024), data);
}

// A quad-word that a power cut left half-programmed reads as a double ECC error, which raises the
// NMI. Wherever it sits in what the boot path reads, the board still shows its menu, refuses to
// start, and takes an update, whose erase mends the page.
class UpdateFaultsEcc : public UpdateFaults {
 protected:
  void expect_survived(std::uint32_t broken, std::string_view version_shown) {
    rig->board().flash_array().break_ecc(broken - kFlashBase);
    ASSERT_EQ(rig->run_to_question().reason, StopReason::OutputMatched) << describe_control(rig->device_text());
    rig->type("N");
    ASSERT_NO_FATAL_FAILURE(run_to_second_question(5 * kSecond));
    EXPECT_EQ(rig->device_text(), wire::kClear + wire::menu(version_shown) + wire::kHandOff + wire::kNoApplication +
                                      wire::kWhite + wire::menu(version_shown));
    EXPECT_FALSE(rig->board().core().handoff.has_value());

    XmodemSender sender;
    sender.add_image(prefix(16 * 1024), {1024});
    sender.add_eot();
    rig->board().usart2().attach(sender);
    rig->type("Y");
    const RunResult r = rig->run_until_handoff(30 * kSecond);
    ASSERT_EQ(r.reason, StopReason::HandOff) << r.detail;
    EXPECT_EQ(sender.state(), XmodemSender::State::Done);
    EXPECT_EQ(rig->flash(kAppBase, 16 * 1024), prefix(16 * 1024));
    EXPECT_TRUE(rig->board().flash_array().broken_quad_words().empty());
  }
};

TEST_F(UpdateFaultsEcc, ABrokenMetadataQuadWordShowsNoVersionAndTheBoardStaysUpdatable) {
  expect_survived(kAppBase + 0x7FF00, "ff.ff.ff");
}

TEST_F(UpdateFaultsEcc, ABrokenVectorQuadWordIsRefusedByTheHandOffAndTheBoardStaysUpdatable) {
  expect_survived(kAppBase, "01.02.03");
}

// The same board, for the runs that take many seconds of board time.
class UpdateFaultsSlow : public UpdateFaults {};

TEST_F(UpdateFaultsSlow, ASenderThatNeverStartsGetsNinetyStartRequestsAndTheMenuComesBack) {
  ASSERT_NO_FATAL_FAILURE(start(nullptr));  // and nothing more: nobody is on the line
  const RunResult r = rig->run_to_question(100 * kSecond);
  ASSERT_EQ(r.reason, StopReason::OutputMatched) << r.detail;

  const std::string all = rig->device_text();
  const auto at = all.find(wire::kTransfer);
  ASSERT_NE(at, std::string::npos);
  const std::size_t first_c = at + wire::kTransfer.size();
  EXPECT_EQ(all.substr(first_c), std::string(90, 'C') + wire::kStartTimeout + failed_then_menu("01.02.03"));

  // The first request 1 s after the call (after the transfer line's 5-6 ms pause), then one
  // every receive timeout: more than 1000 ticks, plus the request's own frame.
  const auto bytes = rig->device_bytes();
  ASSERT_GE(bytes.size(), first_c + 90);
  const Time first = bytes[first_c].start - bytes[first_c - 1].end;
  EXPECT_GE(first, 1005 * kMillisecond) << ms(first);
  EXPECT_LE(first, 1007 * kMillisecond + 100 * kMicrosecond) << ms(first);
  for (std::size_t i = first_c + 1; i < first_c + 90; ++i) {
    const Time period = bytes[i].start - bytes[i - 1].start;
    EXPECT_GE(period, 1000 * kMillisecond) << i - first_c;
    EXPECT_LE(period, 1001 * kMillisecond + 100 * kMicrosecond) << i - first_c;
  }
  // Nothing was erased: the installed application is still there, and still shown.
  EXPECT_EQ(rig->flash(kFlashBase, model::FlashArray::kSize), rig->flash_at_start());
}

// `image` grown to `size` bytes: its metadata block stays at 0x7FF00, the rest of it
// is a pattern.
std::vector<std::uint8_t> grown_image(std::vector<std::uint8_t> image, std::size_t size) {
  const std::size_t from = image.size();
  image.resize(size);
  for (std::size_t i = from; i < size; ++i) image[i] = static_cast<std::uint8_t>(i * 29 + 11);
  return image;
}

// After a power-on the board shows `version` and, left alone, refuses to start what it holds.
void expect_power_on_stays_in_the_menu(const std::vector<std::uint8_t>& flash, std::string_view version) {
  Rig rig(Rig::FromFlash{}, flash);
  const RunResult r = rig.run_to_question();
  ASSERT_EQ(r.reason, StopReason::OutputMatched) << r.detail;
  const RunResult second = rig.run_to_question(20 * kSecond);
  EXPECT_EQ(second.reason, StopReason::OutputMatched) << second.detail;
  EXPECT_FALSE(rig.board().core().handoff.has_value());
  EXPECT_EQ(rig.device_text(),
            wire::kClear + wire::menu(version) + wire::kHandOff + wire::kNoApplication + wire::kWhite + wire::menu(version));
  // The board did not give up on itself: BOOT_STATUS is still high.
  EXPECT_EQ(rig.board().gpio('F').drive(0), model::PinDrive::High);
}

TEST_F(UpdateFaultsSlow, PowerLostAfterTheMetadataBlockOfA600KbImageLeavesABoardThatStaysInTheMenu) {
  const auto grown = grown_image(image, 600 * 1024);
  std::vector<std::uint8_t> flash_at_power_loss;
  {
    XmodemSender sender;
    sender.add_image(grown, {1024});
    sender.add_eot();
    ASSERT_NO_FATAL_FAILURE(start(&sender));
    // Power goes when 530 of the 600 blocks are in: the metadata block (the 512th) is written.
    while (sender.current_step() < 530 && sender.state() != XmodemSender::State::Done) {
      const RunResult r = rig->run_for(100 * kMillisecond);
      ASSERT_EQ(r.reason, StopReason::TimeLimit) << r.detail;
      ASSERT_LT(rig->board().now(), 80 * kSecond);
    }
    ASSERT_FALSE(rig->board().core().handoff.has_value());
    flash_at_power_loss = rig->board().flash_array().bytes();
    EXPECT_EQ(std::vector<std::uint8_t>(flash_at_power_loss.begin() + (kAppBase - kFlashBase),
                                        flash_at_power_loss.begin() + (kAppBase - kFlashBase) + 520 * 1024),
              vectors_erased(std::vector<std::uint8_t>(grown.begin(), grown.begin() + 520 * 1024)));
  }
  // The metadata names the new version, but the vectors were never written.
  expect_power_on_stays_in_the_menu(flash_at_power_loss, "01.02.04");
}

TEST_F(UpdateFaultsSlow, AnImageLargerThanTheRegionIsCancelledWhereTheRegionEndsAndNeverStarts) {
  // 1 MB: the writer refuses the quad-word at 0x080FFFF0, in the 960th block.
  const auto grown = grown_image(image, 1024 * 1024);
  // A board whose last page is erased, so that the image runs into the end of bank 1.
  std::fill_n(rig->board().flash_array().bytes().begin() + (kPage127 - kFlashBase), model::FlashArray::kPageSize, 0xFF);
  XmodemSender sender;
  sender.add_image(grown, {1024});
  sender.add_eot();
  ASSERT_NO_FATAL_FAILURE(start(&sender));
  const RunResult r = rig->run_to_question(150 * kSecond);
  ASSERT_EQ(r.reason, StopReason::OutputMatched) << r.detail;
  EXPECT_EQ(sender.state(), XmodemSender::State::Cancelled);
  EXPECT_EQ(sender.current_step(), 959u);
  EXPECT_FALSE(rig->board().core().handoff.has_value());
  expect_power_on_stays_in_the_menu(rig->board().flash_array().bytes(), "01.02.04");
}

}  // namespace
}  // namespace ovrimo::emu

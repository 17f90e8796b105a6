// The scripted XMODEM sender on a recording line: what it puts on the wire for each plan step
// and fault, and how it answers ACK, NAK, CAN and silence.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/line.h"
#include "peers/xmodem_sender.h"
#include "peers/recording_line.h"

namespace ovrimo::peers {
namespace {

using model::LineByte;
using model::Scheduler;
using Fault = XmodemSender::Fault;

std::vector<std::uint8_t> pattern(std::size_t n, std::uint8_t seed) {
  std::vector<std::uint8_t> v(n);
  for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<std::uint8_t>(seed + i * 3);
  return v;
}

std::string frame_text(std::uint8_t header, std::uint8_t number, const std::vector<std::uint8_t>& data) {
  const auto f = XmodemSender::frame(header, number, data);
  return std::string(f.begin(), f.end());
}

TEST(XmodemSender, FramesBlocksOfBothSizesAndPadsTheLastOne) {
  const std::uint8_t digits[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
  EXPECT_EQ(XmodemSender::crc16(digits), 0x31C3);
  const auto f = XmodemSender::frame(XmodemSender::kSoh, 7, pattern(128, 1));
  ASSERT_EQ(f.size(), 133u);
  EXPECT_EQ(f[0], 0x01);
  EXPECT_EQ(f[1], 7);
  EXPECT_EQ(f[2], 248);
  const std::uint16_t crc = XmodemSender::crc16(pattern(128, 1));
  EXPECT_EQ(f[131], crc >> 8);
  EXPECT_EQ(f[132], crc & 0xFF);

  XmodemSender sender;
  sender.add_image(pattern(128 + 1024 + 10, 2), {128, 1024});
  ASSERT_EQ(sender.plan().size(), 3u);
  EXPECT_EQ(sender.plan()[0].header, XmodemSender::kSoh);
  EXPECT_EQ(sender.plan()[1].header, XmodemSender::kStx);
  EXPECT_EQ(sender.plan()[2].header, XmodemSender::kSoh);
  EXPECT_EQ(sender.plan()[2].number, 3);
  EXPECT_EQ(sender.plan()[2].bytes[9], pattern(1162, 2)[1161]);
  EXPECT_EQ(sender.plan()[2].bytes[10], XmodemSender::kFill);
  EXPECT_EQ(sender.plan()[2].bytes[127], XmodemSender::kFill);

  const std::size_t block0 = sender.add_ymodem_block0("app.bin", 1234);
  EXPECT_EQ(sender.plan()[block0].number, 0);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(sender.plan()[block0].bytes.data())), "app.bin");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(sender.plan()[block0].bytes.data() + 8)), "1234");
}

TEST(XmodemSender, StartsOnCAdvancesOnAckResendsOnNakAndEndsOnEotAck) {
  RecordingLine line;
  XmodemSender::Options options;
  options.ignore_start_requests = 1;
  XmodemSender sender(options);
  const auto a = pattern(128, 3), b = pattern(1024, 4);
  sender.add_block(XmodemSender::kSoh, a);
  sender.add_block(XmodemSender::kStx, b);
  sender.add_eot();
  sender.on_attach(line);
  EXPECT_EQ(sender.state(), XmodemSender::State::WaitingStart);

  line.reply(sender, 'C');  // let pass
  EXPECT_TRUE(line.bursts.empty());
  line.reply(sender, 'C');
  line.reply(sender, '\x15');  // NAK: same block again
  line.reply(sender, '\x06');
  line.reply(sender, 'x');     // noise is ignored
  line.reply(sender, '\x06');
  EXPECT_EQ(sender.state(), XmodemSender::State::WaitingReply);
  line.reply(sender, '\x06');
  EXPECT_EQ(sender.state(), XmodemSender::State::Done);
  EXPECT_EQ(line.all(), frame_text(1, 1, a) + frame_text(1, 1, a) + frame_text(2, 2, b) + "\x04");
  ASSERT_EQ(sender.transmissions().size(), 4u);
  EXPECT_EQ(sender.transmissions()[1].attempt, 1u);
}

TEST(XmodemSender, FaultsChangeOnlyTheAttemptTheyAreAttachedTo) {
  RecordingLine line;
  XmodemSender sender;
  const auto a = pattern(128, 5);
  sender.add_block(XmodemSender::kSoh, a);
  sender.add_eot();
  sender.inject(0, 0, Fault::drop_byte(10));
  sender.inject(0, 1, Fault::corrupt_byte(3, 0x80));
  sender.inject(0, 2, Fault::stray_bytes({'z', 'z'}));
  sender.inject(0, 3, Fault::pause_inside(50, 2 * kSecond));
  sender.inject(0, 4, Fault::pause_before(3 * kSecond));
  sender.on_attach(line);
  line.reply(sender, 'C');
  for (int i = 0; i < 5; ++i) line.reply(sender, '\x15');

  const std::string good = frame_text(1, 1, a);
  std::string dropped = good;
  dropped.erase(10, 1);
  std::string corrupted = good;
  corrupted[3] = static_cast<char>(corrupted[3] ^ 0x80);
  ASSERT_EQ(line.bursts.size(), 7u);
  EXPECT_EQ(line.bursts[0].bytes, dropped);
  EXPECT_EQ(line.bursts[1].bytes, corrupted);
  EXPECT_EQ(line.bursts[2].bytes, "zz" + good);
  EXPECT_EQ(line.bursts[3].bytes + line.bursts[4].bytes, good);
  EXPECT_EQ(line.bursts[3].bytes.size(), 50u);
  EXPECT_EQ(line.bursts[4].start - (line.bursts[3].start + 50 * LineFormat{}.frame_time()), 2 * kSecond);
  EXPECT_EQ(line.bursts[5].bytes, good);
  EXPECT_GE(line.bursts[5].start - (line.bursts[4].start + 83 * LineFormat{}.frame_time()), 3 * kSecond);
  EXPECT_EQ(line.bursts[6].bytes, good);
}

TEST(XmodemSender, LostAckWaitsForTheReceiverThenRepeatsTheBlock) {
  RecordingLine line;
  XmodemSender sender;
  const auto a = pattern(128, 6), b = pattern(128, 7);
  sender.add_block(XmodemSender::kSoh, a);
  sender.add_block(XmodemSender::kSoh, b);
  sender.add_eot();
  sender.inject(0, 0, Fault::lose_ack());
  sender.on_attach(line);
  line.reply(sender, 'C');
  line.reply(sender, '\x06');  // lost
  EXPECT_EQ(line.bursts.size(), 1u);
  line.reply(sender, '\x15', kSecond);  // the receiver timed out waiting for block 2
  EXPECT_EQ(line.all(), frame_text(1, 1, a) + frame_text(1, 1, a));
}

TEST(XmodemSender, SilenceResendsAndTooManyAttemptsCancel) {
  RecordingLine line;
  XmodemSender::Options options;
  options.reply_timeout = 2 * kSecond;
  options.max_attempts = 3;
  XmodemSender sender(options);
  sender.add_block(XmodemSender::kSoh, pattern(128, 8));
  sender.add_eot();
  sender.on_attach(line);
  line.reply(sender, 'C');
  line.scheduler().advance(10 * kSecond);
  EXPECT_EQ(sender.state(), XmodemSender::State::GaveUp);
  ASSERT_EQ(line.bursts.size(), 4u);
  EXPECT_EQ(line.bursts[3].bytes, "\x18\x18");
  EXPECT_GE(line.bursts[1].start - line.bursts[0].start, 2 * kSecond);
}

TEST(XmodemSender, CanFromTheReceiverStopsItAndAPlannedCancelEndsThePlan) {
  RecordingLine line;
  XmodemSender sender;
  sender.add_block(XmodemSender::kSoh, pattern(128, 9));
  sender.add_block(XmodemSender::kSoh, pattern(128, 10));
  sender.on_attach(line);
  line.reply(sender, 'C');
  line.reply(sender, '\x18');
  EXPECT_EQ(sender.state(), XmodemSender::State::Cancelled);
  line.reply(sender, '\x06');
  EXPECT_EQ(line.bursts.size(), 1u);

  RecordingLine line2;
  XmodemSender canceller;
  canceller.add_raw({'?'});
  canceller.add_cancel(1);
  canceller.on_attach(line2);
  line2.reply(canceller, 'C');
  line2.reply(canceller, '\x15');
  line2.scheduler().advance(kSecond);
  EXPECT_EQ(line2.all(), "?\x18");
  EXPECT_EQ(canceller.state(), XmodemSender::State::PlanExhausted);
}

}  // namespace
}  // namespace ovrimo::peers

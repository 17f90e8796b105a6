// The receiver's record of how long each byte waited in RDR: the moment it became readable and
// the moment software read it. The demo's bench reads its worst case from here.
#include <gtest/gtest.h>

#include "peers/scripted_peer.h"
#include "model/board.h"
#include "model/line.h"

namespace ovrimo::model {
namespace {

constexpr std::uint32_t kRccApb1Enr1 = 0x46020C00 + 0x09C;
constexpr std::uint32_t kU = Usart::kUsart2Base;
constexpr std::uint32_t kCr1 = kU + 0x00, kCr3 = kU + 0x08, kBrr = kU + 0x0C, kRqr = kU + 0x18, kRdr = kU + 0x24;
constexpr std::uint32_t kUe = 1, kRe = 4, kTe = 8, kFifoen = 1u << 29, kOvrdis = 1u << 12;
constexpr Time kBit = 8750 * kNanosecond;
constexpr Time kFrame = 10 * kBit;

class RdrLatency : public ::testing::Test {
 protected:
  RdrLatency() {
    bus.write(kRccApb1Enr1, 1u << 17, 4);
    bus.write(kBrr, 35, 4);
    usart.attach(peer);
  }
  void enable(std::uint32_t cr1) {
    bus.write(kCr1, cr1, 4);
    board.time().advance(kMicrosecond + kFrame);
  }
  std::vector<LineByte> to_device() {
    std::vector<LineByte> out;
    for (const LineByte& b : usart.line_log())
      if (b.direction == LineByte::Direction::ToDevice) out.push_back(b);
    return out;
  }

  Board board;
  Bus& bus = board.bus();
  Usart& usart = board.usart2();
  peers::ScriptedPeer peer{LineFormat{4'000'000 / 35}};
};

TEST_F(RdrLatency, EachByteRecordsWhenItBecameReadableAndWhenItWasRead) {
  enable(kUe | kRe | kTe);
  const Time t0 = board.now();
  peer.send("ab");
  // 'a' is readable in the middle of its stop bit; read 40 us later, before 'b' completes.
  board.time().advance(kFrame);
  const Time a_ready = t0 + 19 * kBit / 2;
  board.time().advance(40 * kMicrosecond);
  const Time a_read = board.now();
  EXPECT_EQ(bus.read(kRdr, 4), std::uint32_t{'a'});
  // A second read of the empty RDR takes nothing and changes no record.
  board.time().advance(kFrame);
  const Time b_read = board.now();
  EXPECT_EQ(bus.read(kRdr, 4), std::uint32_t{'b'});
  board.time().advance(kMicrosecond);
  bus.read(kRdr, 4);

  const auto frames = to_device();
  ASSERT_EQ(frames.size(), 2u);
  ASSERT_TRUE(frames[0].rdr_ready_at && frames[0].rdr_read_at);
  EXPECT_EQ(*frames[0].rdr_ready_at, a_ready);
  EXPECT_EQ(*frames[0].rdr_read_at, a_read);
  ASSERT_TRUE(frames[1].rdr_ready_at && frames[1].rdr_read_at);
  // The peer sends at its own (integer) baud rate, frames back to back.
  EXPECT_EQ(*frames[1].rdr_ready_at, a_ready + peer.format().frame_time());
  EXPECT_EQ(*frames[1].rdr_read_at, b_read);
}

TEST_F(RdrLatency, LostAndFlushedBytesAreNeverReadAndAFifoByteIsReadableOnceAtTheFront) {
  // Without a FIFO: the second byte overruns and is never readable; the first one is.
  enable(kUe | kRe | kTe);
  peer.send("xy");
  board.time().advance(3 * kFrame);
  EXPECT_EQ(bus.read(kRdr, 4), std::uint32_t{'x'});
  auto frames = to_device();
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[1].outcome, LineByte::Outcome::Overrun);
  EXPECT_FALSE(frames[1].rdr_ready_at);
  EXPECT_FALSE(frames[1].rdr_read_at);

  // A byte flushed by RQR was readable but never read.
  bus.write(kCr1, 0, 4);
  bus.write(kCr3, kOvrdis, 4);
  enable(kUe | kRe | kTe);
  peer.send("z");
  board.time().advance(2 * kFrame);
  bus.write(kRqr, 1u << 3, 4);
  frames = to_device();
  ASSERT_EQ(frames.size(), 3u);
  EXPECT_TRUE(frames[2].rdr_ready_at);
  EXPECT_FALSE(frames[2].rdr_read_at);

  // With the FIFO: the second byte waits behind the first and becomes readable when the first
  // is taken, not when it arrived.
  bus.write(kCr1, 0, 4);
  enable(kUe | kRe | kTe | kFifoen);
  peer.send("12");
  board.time().advance(3 * kFrame);
  const Time first_read = board.now();
  EXPECT_EQ(bus.read(kRdr, 4), std::uint32_t{'1'});
  board.time().advance(5 * kMicrosecond);
  EXPECT_EQ(bus.read(kRdr, 4), std::uint32_t{'2'});
  frames = to_device();
  ASSERT_EQ(frames.size(), 5u);
  ASSERT_TRUE(frames[4].rdr_ready_at && frames[4].rdr_read_at);
  EXPECT_LT(*frames[3].rdr_ready_at, first_read);
  EXPECT_EQ(*frames[4].rdr_ready_at, first_read);
  EXPECT_EQ(*frames[4].rdr_read_at, first_read + 5 * kMicrosecond);
}

}  // namespace
}  // namespace ovrimo::model

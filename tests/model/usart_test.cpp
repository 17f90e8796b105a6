// The USART model, its line peers and the GPDMA channel registers, as the drivers rely on them.
#include <gtest/gtest.h>

#include "peers/scripted_peer.h"
#include "model/board.h"
#include "model/line.h"

namespace ovrimo::model {
namespace {

constexpr std::uint32_t kRccApb1Enr1 = 0x46020C00 + 0x09C, kRccApb3Enr = 0x46020C00 + 0x0A8;
constexpr std::uint32_t kU = Usart::kUsart2Base;
constexpr std::uint32_t kCr1 = kU + 0x00, kCr2 = kU + 0x04, kCr3 = kU + 0x08, kBrr = kU + 0x0C, kRqr = kU + 0x18,
                        kIsr = kU + 0x1C, kIcr = kU + 0x20, kRdr = kU + 0x24, kTdr = kU + 0x28, kPresc = kU + 0x2C;
constexpr std::uint32_t kUe = 1, kRe = 4, kTe = 8;
constexpr std::uint32_t kFe = 1u << 1, kOre = 1u << 3, kRxne = 1u << 5, kTc = 1u << 6, kTxe = 1u << 7,
                        kTeack = 1u << 21, kReack = 1u << 22;

// 35 kernel cycles of 250 ns per bit, 10 bits per 8N1 frame.
constexpr Time kBit = 8750 * kNanosecond;
constexpr Time kFrame = 10 * kBit;

using Outcome = LineByte::Outcome;

class UsartLine : public ::testing::Test {
 protected:
  UsartLine() {
    bus.write(kRccApb1Enr1, 1u << 17, 4);
    bus.write(kBrr, 35, 4);
  }
  std::uint32_t isr() { return bus.read(kIsr, 4); }
  // Enables the port and lets the acknowledges and the transmitter's idle frame pass.
  void enable(std::uint32_t cr1 = kUe | kRe | kTe) {
    bus.write(kCr1, cr1, 4);
    board.time().advance(kMicrosecond + kFrame);
  }
  std::vector<LineByte> frames(LineByte::Direction d) {
    std::vector<LineByte> out;
    for (const LineByte& b : usart.line_log())
      if (b.direction == d) out.push_back(b);
    return out;
  }

  Board board;
  Bus& bus = board.bus();
  Usart& usart = board.usart2();
  peers::ScriptedPeer peer{LineFormat{4'000'000 / 35}};
};

TEST_F(UsartLine, BitTimeFollowsDivisorOversamplingPrescalerAndFrameShape) {
  EXPECT_EQ(usart.bit_clock().bit_time(), kBit);
  EXPECT_EQ(usart.frame_time(), kFrame);
  // 8x oversampling: BRR[2:0] holds USARTDIV[3:1], so 0x42 stands for 68 half-rate cycles.
  bus.write(kCr1, 1u << 15, 4);
  bus.write(kBrr, 0x42, 4);
  EXPECT_EQ(usart.bit_clock().bit_time(), 8500 * kNanosecond);
  bus.write(kCr1, 0, 4);
  bus.write(kBrr, 35, 4);
  bus.write(kPresc, 2, 4);  // kernel clock / 4
  EXPECT_EQ(usart.bit_clock().bit_time(), 4 * kBit);
  bus.write(kPresc, 0, 4);
  // 9 data bits and 2 stop bits: 12 bits; 7 data bits and half a stop bit: 8.5 bits.
  bus.write(kCr1, 1u << 12, 4);
  bus.write(kCr2, 2u << 12, 4);
  EXPECT_EQ(usart.frame_time(), 12 * kBit);
  bus.write(kCr1, 1u << 28, 4);
  bus.write(kCr2, 1u << 12, 4);
  EXPECT_EQ(usart.frame_time(), 17 * kBit / 2);
  // Below the minimum divisor the USART cannot run.
  bus.write(kBrr, 15, 4);
  EXPECT_FALSE(usart.bit_clock().valid());

  // LPUART1: 256 * ker / BRR, a 20-bit divisor, no 8x oversampling, its own ISR reset value.
  Usart& lp = board.lpuart1();
  bus.write(kRccApb3Enr, 1u << 6, 4);
  bus.write(Usart::kLpuart1Base + 0x0C, 0xFFFFFFFF, 4);
  EXPECT_EQ(lp.reg("BRR"), 0xFFFFFu);
  bus.write(Usart::kLpuart1Base + 0x0C, 106667, 4);  // 9600 baud from 4 MHz
  EXPECT_EQ(lp.bit_clock().bit_time(), cycles_to_time(106667, 256ull * 4'000'000));
  bus.write(Usart::kLpuart1Base, 1u << 15, 4);
  EXPECT_EQ(lp.reg("CR1"), 0u);
  EXPECT_EQ(bus.read(Usart::kLpuart1Base + 0x1C, 4), 0x008000C0u);
  EXPECT_EQ(isr(), 0x028000C0u);
}

TEST_F(UsartLine, AcknowledgesFollowEnablesAfterADelay) {
  bus.write(kCr1, kUe | kTe | kRe, 4);
  EXPECT_EQ(isr() & (kTeack | kReack), 0u);
  board.time().advance(usart.timing().enable_ack_delay);
  EXPECT_EQ(isr() & (kTeack | kReack), kTeack | kReack);
  bus.write(kCr1, kUe | kRe, 4);
  EXPECT_NE(isr() & kTeack, 0u);
  board.time().advance(usart.timing().enable_ack_delay);
  EXPECT_EQ(isr() & (kTeack | kReack), kReack);
  // Without UE nothing is acknowledged.
  bus.write(kCr1, kTe | kRe, 4);
  board.time().advance(kMillisecond);
  EXPECT_EQ(isr() & (kTeack | kReack), 0u);
}

TEST_F(UsartLine, TransmitterHoldsOneFrameAndPutsFramesOnTheLineBackToBack) {
  usart.attach(peer);
  bus.write(kCr1, kUe | kTe, 4);
  board.time().advance(kMicrosecond);
  // A frame written during the idle preamble waits for it.
  const Time preamble_end = usart.timing().enable_ack_delay + kFrame;
  bus.write(kTdr, 'H', 4);
  EXPECT_EQ(isr() & (kTxe | kTc), 0u);
  board.time().advance_to(preamble_end);
  EXPECT_EQ(isr() & (kTxe | kTc), kTxe);  // 'H' moved to the shift register
  bus.write(kTdr, 'i', 4);
  EXPECT_EQ(isr() & kTxe, 0u);
  board.time().advance_to(preamble_end + kFrame - 1);
  EXPECT_EQ(peer.received(), "");
  board.time().advance(1);
  EXPECT_EQ(peer.received(), "H");
  EXPECT_EQ(isr() & (kTxe | kTc), kTxe);
  board.time().advance(kFrame);
  EXPECT_EQ(peer.received(), "Hi");
  EXPECT_EQ(isr() & (kTxe | kTc), kTxe | kTc);
  const auto sent = frames(LineByte::Direction::FromDevice);
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].start, preamble_end);
  EXPECT_EQ(sent[1].start, sent[0].end);
  EXPECT_EQ(sent[1].end, preamble_end + 2 * kFrame);
  EXPECT_EQ(peer.received_times()[1], sent[1].end);

  // Clearing UE cuts the frame on the wire and returns ISR to its reset value.
  bus.write(kTdr, '!', 4);
  board.time().advance(kBit);
  bus.write(kCr1, 0, 4);
  EXPECT_EQ(isr(), 0x028000C0u);
  board.time().advance(kFrame);
  EXPECT_EQ(peer.received(), "Hi");
  EXPECT_EQ(usart.line_log().back().outcome, Outcome::Aborted);
}

TEST_F(UsartLine, ReceiverOverrunLosesTheNewFrameAndBlocksUntilCleared) {
  usart.attach(peer);
  enable();
  const Time t0 = board.now();
  peer.send_at(t0, "AB");
  // RXNE rises when the stop bit is sampled, half a bit before the frame ends.
  board.time().advance_to(t0 + kFrame - kBit / 2 - 1);
  EXPECT_EQ(isr() & kRxne, 0u);
  board.time().advance(1);
  EXPECT_NE(isr() & kRxne, 0u);
  board.time().advance_to(t0 + 2 * kFrame);
  EXPECT_EQ(isr() & (kRxne | kOre), kRxne | kOre);
  EXPECT_EQ(bus.read(kRdr, 4), 'A');
  EXPECT_EQ(isr() & (kRxne | kOre), kOre);
  // While ORE is pending nothing more reaches RDR.
  peer.send("C");
  board.time().advance(kFrame);
  EXPECT_EQ(isr() & kRxne, 0u);
  bus.write(kIcr, kOre, 4);
  peer.send("D");
  board.time().advance(kFrame);
  EXPECT_EQ(isr() & (kRxne | kOre), kRxne);
  EXPECT_EQ(bus.read(kRdr, 4), 'D');
  const auto in = frames(LineByte::Direction::ToDevice);
  ASSERT_EQ(in.size(), 4u);
  EXPECT_EQ(in[0].outcome, Outcome::Delivered);
  EXPECT_EQ(in[1].outcome, Outcome::Overrun);
  EXPECT_EQ(in[2].outcome, Outcome::Overrun);
  EXPECT_EQ(in[3].outcome, Outcome::Delivered);
  EXPECT_EQ(in[1].start, in[0].end);  // back to back at the peer's rate

  // A flush request discards what RDR holds.
  peer.send("E");
  board.time().advance(kFrame);
  bus.write(kRqr, 1u << 3, 4);
  EXPECT_EQ(isr() & kRxne, 0u);
  // With overrun detection off the newest frame replaces the unread one.
  bus.write(kCr1, 0, 4);
  bus.write(kCr3, 1u << 12, 4);
  enable();
  peer.send("FG");
  board.time().advance(2 * kFrame);
  EXPECT_EQ(isr() & (kRxne | kOre), kRxne);
  EXPECT_EQ(bus.read(kRdr, 4), 'G');
}

TEST_F(UsartLine, ReceiverThatIsOffOrNotYetAcknowledgedDropsFrames) {
  usart.attach(peer);
  bus.write(kCr1, kUe | kTe, 4);
  peer.send("a");  // RE clear
  board.time().advance(kFrame);
  bus.write(kCr1, kUe | kTe | kRe, 4);
  peer.send("b");  // starts before REACK
  board.time().advance(kFrame);
  peer.send("c");
  board.time().advance(kBit * 3);
  bus.write(kCr1, kUe | kTe, 4);  // receiver off in the middle of 'c'
  board.time().advance(kFrame);
  EXPECT_EQ(isr() & kRxne, 0u);
  const auto in = frames(LineByte::Direction::ToDevice);
  ASSERT_EQ(in.size(), 3u);
  for (const LineByte& b : in) EXPECT_EQ(b.outcome, Outcome::Dropped) << char(b.value);
}

TEST_F(UsartLine, RateMismatchBeyondToleranceGivesFramingErrors) {
  usart.attach(peer);
  enable();
  // The USART runs at 114 286 baud. 115 200 (0.8 % off) and 117 000 (2.4 %) are received clean.
  for (std::uint32_t baud : {115200u, 117000u}) {
    peer.set_format(LineFormat{baud});
    peer.send("U");
    board.time().advance(kFrame + kBit);
    EXPECT_EQ(bus.read(kRdr, 4), 'U') << baud;
    EXPECT_EQ(isr() & kFe, 0u) << baud;
  }
  // 5 % off: flagged; a 9600-baud frame is garbage as well.
  peer.set_format(LineFormat{120000});
  peer.send("U");
  board.time().advance(kFrame + kBit);
  EXPECT_NE(isr() & kFe, 0u);
  bus.read(kRdr, 4);
  bus.write(kIcr, kFe, 4);
  peer.set_format(LineFormat{9600});
  peer.send("\x55");
  board.time().advance(2 * kMillisecond);
  EXPECT_NE(isr() & kFe, 0u);
  EXPECT_NE(bus.read(kRdr, 4), 0x55u);
  EXPECT_EQ(usart.line_log().back().outcome, Outcome::Corrupted);
}

TEST_F(UsartLine, ScriptedPeerRepliesPausesAndCloses) {
  peer.reply_to("C", "ack", 10 * kMicrosecond, 2);
  peer.send_at(kMillisecond, "xy");
  peer.pause_at(kMillisecond + kFrame / 2, 5 * kMillisecond);  // 'x' finishes, 'y' waits
  usart.attach(peer);
  enable();
  board.time().advance_to(kMillisecond + kFrame + kMicrosecond);
  EXPECT_EQ(bus.read(kRdr, 4), 'x');
  const Time resumed = kMillisecond + kFrame / 2 + 5 * kMillisecond;
  board.time().advance_to(resumed - kMicrosecond);
  EXPECT_EQ(isr() & kRxne, 0u);
  board.time().advance_to(resumed + kFrame);
  EXPECT_EQ(bus.read(kRdr, 4), 'y');
  EXPECT_EQ(frames(LineByte::Direction::ToDevice)[1].start, resumed);

  // Two 'C's are answered (once each), the third is not.
  std::string got;
  for (int i = 0; i < 3; ++i) {
    bus.write(kTdr, 'C', 4);
    const Time sent_end = board.now() + kFrame;
    for (int n = 0; n < 80; ++n) {
      board.time().advance(kBit);
      if (isr() & kRxne) got += static_cast<char>(bus.read(kRdr, 4));
    }
    if (i == 0) {
      EXPECT_EQ(frames(LineByte::Direction::ToDevice)[2].start, sent_end + 10 * kMicrosecond);
    }
  }
  EXPECT_EQ(got, "ackack");

  peer.send_at(board.now() + kMillisecond, "zz");
  peer.close_at(board.now() + kMillisecond / 2);
  board.time().advance(5 * kMillisecond);
  EXPECT_EQ(usart.peer(), nullptr);
  EXPECT_EQ(frames(LineByte::Direction::ToDevice).size(), 8u);
}

TEST_F(UsartLine, FifoModeHoldsEightFramesAndThresholdsReadBack) {
  usart.attach(peer);
  bus.write(kCr3, 0xA0000000u | 0x0A000000u, 4);  // TXFTCFG and RXFTCFG 8/8
  EXPECT_EQ(bus.read(kCr3, 4), 0xAA000000u);
  enable(kUe | kRe | kTe | (1u << 29));
  peer.send("123456789");
  board.time().advance(9 * kFrame + kBit);
  EXPECT_NE(isr() & kOre, 0u);
  EXPECT_NE(isr() & (1u << 24), 0u);  // RXFF
  std::string got;
  while (isr() & kRxne) got += static_cast<char>(bus.read(kRdr, 4));
  EXPECT_EQ(got, "12345678");
}

TEST(GpdmaChannel, SuspendIsAcknowledgedResetIdlesAndFlagsClear) {
  Board board;
  Bus& bus = board.bus();
  Gpdma& dma = board.gpdma1();
  bus.write(0x46020C00 + 0x088, 0xD0200101u, 4);  // GPDMA1 clock on
  const std::uint32_t ch = Gpdma::kBase + Gpdma::channel_base(3);
  EXPECT_EQ(bus.read(ch + Gpdma::kCsr, 4), 1u);
  bus.write(ch + Gpdma::kCllr, 0x12345678, 4);
  EXPECT_EQ(bus.read(ch + Gpdma::kCllr, 4), 0x12345678u & 0xFFFFFFFCu);
  EXPECT_EQ(bus.read(ch + Gpdma::kCtr3, 4), 0u);  // 2-D registers only on channels 12..15
  bus.write(ch + Gpdma::kCcr, Gpdma::kCcrEn, 4);
  EXPECT_EQ(bus.read(ch + Gpdma::kCsr, 4), 0u);
  bus.write(ch + Gpdma::kCcr, Gpdma::kCcrEn | Gpdma::kCcrSusp, 4);
  EXPECT_EQ(bus.read(ch + Gpdma::kCsr, 4), 0u);
  board.time().advance(GpdmaTiming{}.suspend_delay);
  EXPECT_EQ(bus.read(ch + Gpdma::kCsr, 4), Gpdma::kCsrSuspf | Gpdma::kCsrIdlef);
  bus.write(ch + Gpdma::kCcr, Gpdma::kCcrReset, 4);
  EXPECT_EQ(bus.read(ch + Gpdma::kCcr, 4), 0u);
  bus.write(ch + Gpdma::kCfcr, 0x7F00, 4);
  EXPECT_EQ(bus.read(ch + Gpdma::kCsr, 4), Gpdma::kCsrIdlef);
  // A stuck channel never acknowledges.
  dma.set_suspend_stuck(3, true);
  bus.write(ch + Gpdma::kCcr, Gpdma::kCcrEn, 4);
  bus.write(ch + Gpdma::kCcr, Gpdma::kCcrEn | Gpdma::kCcrSusp, 4);
  board.time().advance(kMillisecond);
  EXPECT_EQ(dma.channel_reg(3, Gpdma::kCsr) & Gpdma::kCsrSuspf, 0u);
}

}  // namespace
}  // namespace ovrimo::model

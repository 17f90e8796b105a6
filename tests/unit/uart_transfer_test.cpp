// Polled transfers and the abort as a user of the driver sees them: bytes on the line with their
// timing, what a failed receive leaves behind, the overrun sequence, the state rules, and the
// DMA channel stop the abort relies on.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "firmware_fixture.h"
#include "peers/scripted_peer.h"

namespace ovrimo::test {
namespace {

using model::LineByte;

constexpr std::uint32_t kCr3 = kUsart2 + 0x08, kIsr = kUsart2 + 0x1C;
constexpr Time kFrame = 87'500 * kNanosecond;  // 10 bits of 35 cycles of 250 ns

class UartTransfer : public FirmwareTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(HAL_Init(), HAL_OK);
    MX_USART2_UART_Init();
    ASSERT_EQ(HAL_UART_GetState(&huart2), HAL_UART_STATE_READY);
    board.usart2().attach(peer);
    board.time().advance(200 * kMicrosecond);  // the transmitter's idle frame after set-up
  }

  std::uint32_t isr() { return board.bus().read(kIsr, 4); }
  std::vector<LineByte> frames(LineByte::Direction d) {
    std::vector<LineByte> out;
    for (const LineByte& b : board.usart2().line_log())
      if (b.direction == d) out.push_back(b);
    return out;
  }
  // Receives into a fresh buffer; returns the status and what was stored.
  std::pair<HAL_StatusTypeDef, std::string> receive(uint16_t size, uint32_t timeout) {
    std::string buffer(size, '\0');
    const HAL_StatusTypeDef status =
        HAL_UART_Receive(&huart2, reinterpret_cast<uint8_t*>(buffer.data()), size, timeout);
    buffer.resize(size - huart2.RxXferCount);
    return {status, buffer};
  }

  peers::ScriptedPeer peer;
};

TEST_F(UartTransfer, TransmitPutsFramesBackToBackAndReturnsOnlyAfterTheLastStopBit) {
  const std::string text = "Hello";
  ASSERT_EQ(HAL_UART_Transmit(&huart2, reinterpret_cast<const uint8_t*>(text.data()), 5, 1000), HAL_OK);
  const Time returned = board.now();
  EXPECT_EQ(peer.received(), text);
  const auto sent = frames(LineByte::Direction::FromDevice);
  ASSERT_EQ(sent.size(), 5u);
  for (std::size_t i = 0; i < sent.size(); ++i) {
    EXPECT_EQ(sent[i].end - sent[i].start, kFrame);
    if (i > 0) {
      EXPECT_EQ(sent[i].start, sent[i - 1].end) << i;
    }
  }
  EXPECT_GE(returned, sent.back().end);
  EXPECT_LE(returned, sent.back().end + 5 * kMicrosecond);
  EXPECT_EQ(huart2.gState, HAL_UART_STATE_READY);
  EXPECT_EQ(huart2.TxXferCount, 0u);

  // The port may be shut right after: nothing is cut off.
  ASSERT_EQ(HAL_UART_DeInit(&huart2), HAL_OK);
  board.time().advance(kMillisecond);
  EXPECT_EQ(peer.received(), text);
  EXPECT_EQ(board.usart2().line_log().back().outcome, LineByte::Outcome::Delivered);
}

TEST_F(UartTransfer, TransmitTimeoutStopsFeedingButLetsWrittenFramesFinish) {
  // With no time at all the first two bytes fit (shift register and TDR), the third does not.
  board.bus().write(kCr3, USART_CR3_DMAT, 4);
  const std::string text = "Hello";
  EXPECT_EQ(HAL_UART_Transmit(&huart2, reinterpret_cast<const uint8_t*>(text.data()), 5, 0), HAL_TIMEOUT);
  EXPECT_EQ(huart2.TxXferCount, 3u);
  EXPECT_EQ(huart2.gState, HAL_UART_STATE_READY);
  EXPECT_EQ(huart2.ErrorCode, HAL_UART_ERROR_NONE);
  EXPECT_EQ(board.bus().read(kCr3, 4) & USART_CR3_DMAT, 0u);
  board.time().advance(kMillisecond);
  EXPECT_EQ(peer.received(), "He");
}

TEST_F(UartTransfer, RefusedTransfersChangeNothing) {
  const uint8_t byte = 'x';
  uint8_t buffer[4] = {};
  EXPECT_EQ(HAL_UART_Transmit(&huart2, nullptr, 1, 10), HAL_ERROR);
  EXPECT_EQ(HAL_UART_Transmit(&huart2, &byte, 0, 10), HAL_ERROR);
  EXPECT_EQ(HAL_UART_Receive(&huart2, nullptr, 1, 10), HAL_ERROR);
  EXPECT_EQ(HAL_UART_Receive(&huart2, buffer, 0, 10), HAL_ERROR);
  EXPECT_EQ(HAL_UART_GetState(&huart2), HAL_UART_STATE_READY);
  // Busy comes before the argument checks, and each direction has its own state.
  huart2.gState = HAL_UART_STATE_BUSY_TX;
  EXPECT_EQ(HAL_UART_Transmit(&huart2, nullptr, 0, 10), HAL_BUSY);
  EXPECT_EQ(huart2.gState, HAL_UART_STATE_BUSY_TX);
  peer.send("r");
  EXPECT_EQ(HAL_UART_Receive(&huart2, buffer, 1, 10), HAL_OK);
  EXPECT_EQ(buffer[0], 'r');
  huart2.gState = HAL_UART_STATE_READY;
  huart2.RxState = HAL_UART_STATE_BUSY_RX;
  EXPECT_EQ(HAL_UART_Receive(&huart2, nullptr, 0, 10), HAL_BUSY);
  EXPECT_EQ(HAL_UART_Transmit(&huart2, &byte, 1, 10), HAL_OK);
  EXPECT_EQ(HAL_UART_GetState(&huart2), HAL_UART_STATE_BUSY_RX);
  huart2.RxState = HAL_UART_STATE_READY;
  EXPECT_TRUE(frames(LineByte::Direction::FromDevice).size() == 1);
}

TEST_F(UartTransfer, StateReflectsTheTransferInProgress) {
  std::set<HAL_UART_StateTypeDef> seen;
  board.bus().set_observer([&](const model::BusAccess& a) {
    if (a.address == kIsr) seen.insert(HAL_UART_GetState(&huart2));
  });
  const uint8_t byte = 'x';
  ASSERT_EQ(HAL_UART_Transmit(&huart2, &byte, 1, 10), HAL_OK);
  EXPECT_EQ(seen, std::set<HAL_UART_StateTypeDef>{HAL_UART_STATE_BUSY_TX});
  seen.clear();
  peer.send_at(board.now() + kMillisecond, "y");
  uint8_t in = 0;
  ASSERT_EQ(HAL_UART_Receive(&huart2, &in, 1, 10), HAL_OK);
  EXPECT_EQ(seen, std::set<HAL_UART_StateTypeDef>{HAL_UART_STATE_BUSY_RX});
  board.bus().set_observer({});
  EXPECT_EQ(HAL_UART_GetState(&huart2), HAL_UART_STATE_READY);
}

TEST_F(UartTransfer, ReceiveTimeoutKeepsWhatArrivedAndLosesNothingThatComesLater) {
  peer.send_at(board.now() + kMillisecond, "abc");
  const std::uint32_t tick0 = HAL_GetTick();
  const Time t0 = board.now();
  const auto [status, got] = receive(5, 100);
  EXPECT_EQ(status, HAL_TIMEOUT);
  EXPECT_EQ(got, "abc");
  EXPECT_EQ(huart2.RxXferCount, 2u);
  EXPECT_EQ(huart2.RxState, HAL_UART_STATE_READY);
  EXPECT_EQ(huart2.ErrorCode, HAL_UART_ERROR_NONE);
  // The deadline is for the whole call: it ends once more than 100 ticks have passed.
  EXPECT_EQ(HAL_GetTick() - tick0, 101u);
  EXPECT_GT(board.now() - t0, 100 * kMillisecond);
  EXPECT_LT(board.now() - t0, 102 * kMillisecond);

  // A byte arriving after the deadline waits in RDR for the next receive.
  peer.send("d");
  board.time().advance(kMillisecond);
  const auto [status2, got2] = receive(1, 0);
  EXPECT_EQ(status2, HAL_OK);
  EXPECT_EQ(got2, "d");
  // A whole block within the deadline.
  peer.send_at(board.now() + 3 * kMillisecond, std::string(64, 'z'));
  const auto [status3, got3] = receive(64, 1000);
  EXPECT_EQ(status3, HAL_OK);
  EXPECT_EQ(got3, std::string(64, 'z'));
}

TEST_F(UartTransfer, OverrunIsReportedAfterThePendingByteAndTheNextReceiveWorks) {
  peer.send("AB");  // nobody reads: 'B' is lost
  board.time().advance(kMillisecond);
  auto [s1, g1] = receive(1, 1000);
  EXPECT_EQ(s1, HAL_OK);
  EXPECT_EQ(g1, "A");
  const Time t = board.now();
  auto [s2, g2] = receive(1, 1000);
  EXPECT_EQ(s2, HAL_TIMEOUT);
  EXPECT_EQ(huart2.ErrorCode, HAL_UART_ERROR_ORE);
  EXPECT_LT(board.now() - t, 100 * kMicrosecond);  // at once, not after the deadline
  EXPECT_EQ(isr() & USART_ISR_ORE, 0u);
  EXPECT_EQ(huart2.RxState, HAL_UART_STATE_READY);
  peer.send_at(board.now() + 2 * kMillisecond, "C");
  auto [s3, g3] = receive(1, 1000);
  EXPECT_EQ(s3, HAL_OK);
  EXPECT_EQ(g3, "C");
  EXPECT_EQ(huart2.ErrorCode, HAL_UART_ERROR_NONE);

  // A longer receive stores the pending byte, then fails the same way.
  peer.send("XY");
  board.time().advance(kMillisecond);
  auto [s4, g4] = receive(3, 1000);
  EXPECT_EQ(s4, HAL_TIMEOUT);
  EXPECT_EQ(g4, "X");
  EXPECT_EQ(huart2.RxXferCount, 2u);
  EXPECT_EQ(huart2.ErrorCode, HAL_UART_ERROR_ORE);

  // A frame with a framing error is stored like any other, without an error.
  peer.set_format(model::LineFormat{9600});
  peer.send("\x55");
  auto [s5, g5] = receive(1, 10);
  EXPECT_EQ(s5, HAL_OK);
  EXPECT_EQ(g5.size(), 1u);
  EXPECT_NE(isr() & USART_ISR_FE, 0u);
  EXPECT_EQ(huart2.ErrorCode, HAL_UART_ERROR_NONE);
}

TEST_F(UartTransfer, ItemsFollowTheFrameFormat) {
  // 9 data bits, no parity: 16-bit items, low byte first, 9 significant bits.
  UART_HandleTypeDef nine = huart2;
  nine.Init.WordLength = UART_WORDLENGTH_9B;
  ASSERT_EQ(HAL_UART_Init(&nine), HAL_OK);
  board.time().advance(200 * kMicrosecond);
  const uint8_t items[] = {0xFF, 0x01, 0x34, 0xFE};
  ASSERT_EQ(HAL_UART_Transmit(&nine, items, 2, 10), HAL_OK);
  const auto sent = frames(LineByte::Direction::FromDevice);
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].value, 0x1FFu);
  EXPECT_EQ(sent[1].value, 0x034u);
  EXPECT_EQ(sent[0].end - sent[0].start, 11 * kFrame / 10);
  const std::uint16_t in[] = {0x1A5, 0x0FF};
  board.usart2().send_to_device(std::span<const std::uint16_t>(in), board.now(), model::LineFormat{115200, 9});
  uint8_t buffer[4] = {};
  ASSERT_EQ(HAL_UART_Receive(&nine, buffer, 2, 10), HAL_OK);
  EXPECT_EQ(nine.Mask, 0x1FFu);
  EXPECT_EQ(buffer[0], 0xA5);
  EXPECT_EQ(buffer[1], 0x01);
  EXPECT_EQ(buffer[2], 0xFF);
  EXPECT_EQ(buffer[3], 0x00);

  // 8 bits with parity: 7 data bits reach the buffer.
  UART_HandleTypeDef parity = huart2;
  parity.Init.Parity = UART_PARITY_EVEN;
  ASSERT_EQ(HAL_UART_Init(&parity), HAL_OK);
  board.time().advance(200 * kMicrosecond);
  peer.send("\xC1");
  uint8_t byte = 0;
  ASSERT_EQ(HAL_UART_Receive(&parity, &byte, 1, 10), HAL_OK);
  EXPECT_EQ(parity.Mask, 0x7Fu);
  EXPECT_EQ(byte, 0x41);
}

TEST_F(UartTransfer, AbortDiscardsWhatWasReceivedAndClearsTheErrorFlags) {
  peer.set_format(model::LineFormat{9600});
  peer.send("\x55");  // framing error
  board.time().advance(2 * kMillisecond);
  peer.set_format(model::LineFormat{115200});
  peer.send("B");  // overrun
  board.time().advance(kMillisecond);
  ASSERT_EQ(isr() & (USART_ISR_RXNE_RXFNE | USART_ISR_ORE | USART_ISR_FE),
            USART_ISR_RXNE_RXFNE | USART_ISR_ORE | USART_ISR_FE);
  huart2.RxXferCount = 7;
  huart2.ErrorCode = HAL_UART_ERROR_ORE;
  ASSERT_EQ(HAL_UART_Abort(&huart2), HAL_OK);
  EXPECT_EQ(isr() & (USART_ISR_RXNE_RXFNE | USART_ISR_ORE | USART_ISR_FE | USART_ISR_PE | USART_ISR_NE), 0u);
  EXPECT_EQ(huart2.gState, HAL_UART_STATE_READY);
  EXPECT_EQ(huart2.RxState, HAL_UART_STATE_READY);
  EXPECT_EQ(huart2.RxXferCount, 0u);
  EXPECT_EQ(huart2.ErrorCode, HAL_UART_ERROR_NONE);
  auto [status, got] = receive(1, 5);
  EXPECT_EQ(status, HAL_TIMEOUT);
  EXPECT_EQ(got, "");
  // The port still works.
  peer.send("ok");
  auto [status2, got2] = receive(2, 10);
  EXPECT_EQ(status2, HAL_OK);
  EXPECT_EQ(got2, "ok");
}

class UartDmaAbort : public UartTransfer {
 protected:
  void SetUp() override {
    UartTransfer::SetUp();
    set_bits(kRcc + 0x088, 1u);  // GPDMA1 clock
    hdma.Instance = GPDMA1_Channel0;
    hdma.State = HAL_DMA_STATE_BUSY;
    hdma.Lock = HAL_LOCKED;
    board.bus().write(kChannel + model::Gpdma::kCcr, model::Gpdma::kCcrEn, 4);  // a running channel
  }
  std::uint32_t channel(std::uint32_t offset) { return board.gpdma1().channel_reg(0, offset); }

  static constexpr std::uint32_t kChannel = model::Gpdma::kBase + model::Gpdma::channel_base(0);
  DMA_HandleTypeDef hdma{};
};

TEST_F(UartDmaAbort, ChannelIsSuspendedResetAndCleared) {
  EXPECT_EQ(HAL_DMA_Abort(nullptr), HAL_ERROR);
  DMA_QListTypeDef queue{};
  queue.State = HAL_DMA_QUEUE_STATE_BUSY;
  hdma.Mode = DMA_LINKEDLIST;
  hdma.LinkedListQueue = &queue;
  board.bus().write(kChannel + model::Gpdma::kCllr, 0x1000, 4);
  const Time t0 = board.now();
  ASSERT_EQ(HAL_DMA_Abort(&hdma), HAL_OK);
  EXPECT_LT(board.now() - t0, 20 * kMicrosecond);
  EXPECT_EQ(hdma.State, HAL_DMA_STATE_READY);
  EXPECT_EQ(hdma.Lock, HAL_UNLOCKED);
  EXPECT_EQ(queue.State, HAL_DMA_QUEUE_STATE_READY);
  EXPECT_EQ(channel(model::Gpdma::kCcr), 0u);
  EXPECT_EQ(channel(model::Gpdma::kCsr), model::Gpdma::kCsrIdlef);
  EXPECT_EQ(channel(model::Gpdma::kCllr), 0u);
  // Nothing to stop any more.
  EXPECT_EQ(HAL_DMA_Abort(&hdma), HAL_ERROR);
  EXPECT_EQ(HAL_DMA_GetError(&hdma), HAL_DMA_ERROR_NO_XFER);
}

TEST_F(UartDmaAbort, UartAbortStopsItsLinkedChannelsAndFailsOnlyWhenOneWillNotStop) {
  board.bus().write(kCr3, USART_CR3_DMAT | USART_CR3_DMAR, 4);
  huart2.hdmatx = &hdma;
  hdma.XferAbortCallback = [](DMA_HandleTypeDef*) {};
  DMA_HandleTypeDef idle_rx{};
  idle_rx.Instance = GPDMA1_Channel1;  // not busy: its refusal does not fail the abort
  huart2.hdmarx = &idle_rx;
  ASSERT_EQ(HAL_UART_Abort(&huart2), HAL_OK);
  EXPECT_EQ(hdma.XferAbortCallback, nullptr);
  EXPECT_EQ(hdma.State, HAL_DMA_STATE_READY);
  EXPECT_EQ(HAL_DMA_GetError(&idle_rx), HAL_DMA_ERROR_NO_XFER);
  EXPECT_EQ(board.bus().read(kCr3, 4) & (USART_CR3_DMAT | USART_CR3_DMAR), USART_CR3_DMAT | USART_CR3_DMAR);

  // A channel that never acknowledges: the abort gives up after 5 ms and leaves the states.
  board.gpdma1().set_suspend_stuck(0, true);
  hdma.State = HAL_DMA_STATE_BUSY;
  hdma.ErrorCode = HAL_DMA_ERROR_NO_XFER;  // left from the refusal above
  board.bus().write(kChannel + model::Gpdma::kCcr, model::Gpdma::kCcrEn, 4);
  huart2.gState = HAL_UART_STATE_BUSY_TX;
  const Time t0 = board.now();
  EXPECT_EQ(HAL_UART_Abort(&huart2), HAL_TIMEOUT);
  EXPECT_GT(board.now() - t0, 5 * kMillisecond);
  EXPECT_LT(board.now() - t0, 7 * kMillisecond);
  EXPECT_EQ(huart2.ErrorCode, HAL_UART_ERROR_DMA);
  EXPECT_EQ(huart2.gState, HAL_UART_STATE_BUSY_TX);
  EXPECT_EQ(hdma.State, HAL_DMA_STATE_ERROR);
  EXPECT_NE(HAL_DMA_GetError(&hdma) & HAL_DMA_ERROR_TIMEOUT, 0u);
  huart2.gState = HAL_UART_STATE_READY;
  huart2.hdmatx = nullptr;
  huart2.hdmarx = nullptr;
}

}  // namespace
}  // namespace ovrimo::test

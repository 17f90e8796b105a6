// The receiver's byte link: its three calls on huart2, their timeouts and pauses, as seen on the
// line.
#include <gtest/gtest.h>

#include <string>

#include "firmware_fixture.h"
#include "uart.h"
#include "peers/scripted_peer.h"

namespace ovrimo::test {
namespace {

class SerialLink : public BroughtUpBoard {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(BroughtUpBoard::SetUp());
    board.usart2().attach(peer);
  }

  // Runs `firmware` and returns how long it took in virtual time.
  model::Time timed(const std::function<void()>& firmware) {
    const model::Time start = board.now();
    const native::RunResult result = binding.run(firmware);
    EXPECT_EQ(result.reason, native::StopReason::Returned) << result.detail;
    return board.now() - start;
  }

  peers::ScriptedPeer peer;
};

TEST_F(SerialLink, ReceiveDeliversExactlyTheBytesAskedFor) {
  peer.send_at(board.now() + kMillisecond, "hello, world");
  std::uint8_t buffer[5] = {};
  uart_status status = UART_ERROR;
  timed([&] { status = uart_receive(buffer, 5); });
  EXPECT_EQ(status, UART_OK);
  EXPECT_EQ(std::string(buffer, buffer + 5), "hello");
  // The rest stays on the line for the next call.
  std::uint8_t more[7] = {};
  timed([&] { status = uart_receive(more, 7); });
  EXPECT_EQ(status, UART_OK);
  EXPECT_EQ(std::string(more, more + 7), ", world");
}

TEST_F(SerialLink, ReceiveTimeoutBoundsTheWholeCall) {
  std::uint8_t buffer[1024] = {};
  uart_status status = UART_OK;
  model::Time took = timed([&] { status = uart_receive(buffer, 1); });
  EXPECT_EQ(status, UART_ERROR);
  EXPECT_GE(took, 1000 * kMillisecond);
  EXPECT_LE(took, 1002 * kMillisecond);

  // A sender that stops after 500 of 1024 bytes: the call still ends about 1 s after it began,
  // not 1 s after the last byte.
  peer.send_at(board.now(), std::string(500, 'x'));
  took = timed([&] { status = uart_receive(buffer, 1024); });
  EXPECT_EQ(status, UART_ERROR);
  EXPECT_GE(took, 1000 * kMillisecond);
  EXPECT_LE(took, 1002 * kMillisecond);
}

TEST_F(SerialLink, ByteAtATimeReadEndsWhenAWholeReadWould) {
  std::uint8_t byte = 0;
  std::uint32_t start = 0;
  uart_status status = UART_ERROR;

  // Time left, nothing coming: the byte's wait ends 1 s after the read began, not after the call.
  model::Time took = timed([&] {
    start = uart_receive_start();
    HAL_Delay(400U);
    status = uart_receive_next(&byte, start);
  });
  EXPECT_EQ(status, UART_ERROR);
  EXPECT_GE(took, 1000 * kMillisecond);
  EXPECT_LE(took, 1002 * kMillisecond);

  // Time up, but a byte is already waiting: it is taken, as a whole read's last look takes it.
  peer.send_at(board.now() + kMillisecond, "a");
  timed([&] {
    start = uart_receive_start();
    HAL_Delay(1005U);
    status = uart_receive_next(&byte, start);
  });
  EXPECT_EQ(status, UART_OK);
  EXPECT_EQ(byte, 'a');
  // Time up and nothing waiting: refused at once.
  took = timed([&] { status = uart_receive_next(&byte, start); });
  EXPECT_EQ(status, UART_ERROR);
  EXPECT_LT(took, kMillisecond);

  // The deadline's own tick is still waited out: a byte arriving in it is taken.
  timed([&] {
    start = uart_receive_start();
    while (HAL_GetTick() - start < UART_TIMEOUT) {
    }
    peer.send_at(board.now() + 3 * board.usart2().frame_time() / 2, "b");
    status = uart_receive_next(&byte, start);
  });
  EXPECT_EQ(status, UART_OK);
  EXPECT_EQ(byte, 'b');
}

TEST_F(SerialLink, StringLeavesWholeThenPausesFiveMilliseconds) {
  const model::Time start = board.now();
  uart_status status = UART_ERROR;
  const model::Time took = timed([&] { status = uart_transmit_str(reinterpret_cast<const uint8_t*>("Hi!\r\n")); });
  EXPECT_EQ(status, UART_OK);
  EXPECT_EQ(peer.received(), "Hi!\r\n");
  const model::Time last_byte = peer.received_times().back();
  EXPECT_GE(board.now() - last_byte, 5 * kMillisecond);
  EXPECT_LE(board.now() - last_byte, 7 * kMillisecond);
  EXPECT_LT(took, 10 * kMillisecond);
  EXPECT_GT(last_byte, start);

  // Nothing to send: the driver refuses the empty transfer, the pause still follows.
  const model::Time empty = timed([&] { status = uart_transmit_str(reinterpret_cast<const uint8_t*>("")); });
  EXPECT_EQ(status, UART_ERROR);
  EXPECT_EQ(peer.received(), "Hi!\r\n");
  EXPECT_GE(empty, 5 * kMillisecond);
  EXPECT_LE(empty, 7 * kMillisecond);
}

TEST_F(SerialLink, ControlByteLeavesAtOnceEvenAfterAReceiveTimeout) {
  std::uint8_t byte = 0;
  timed([&] { (void)uart_receive(&byte, 1); });
  uart_status status = UART_ERROR;
  const model::Time took = timed([&] { status = uart_transmit_ch(0x06); });
  EXPECT_EQ(status, UART_OK);
  EXPECT_EQ(peer.received(), "\x06");
  // Its own frame time (plus the transmitter's idle frame after enabling), and no pause.
  EXPECT_LT(took, 3 * board.usart2().frame_time() + 50 * model::kMicrosecond);
  EXPECT_LE(board.now() - peer.received_times().back(), 50 * model::kMicrosecond);
}

TEST_F(SerialLink, ControlByteClearsAHandleLeftInTheTimeoutState) {
  // The driver never stores this state; should anything leave it there, the byte still goes out.
  huart2.gState = HAL_UART_STATE_TIMEOUT;
  uart_status status = UART_ERROR;
  timed([&] { status = uart_transmit_ch(0x15); });
  EXPECT_EQ(status, UART_OK);
  EXPECT_EQ(peer.received(), "\x15");
  EXPECT_EQ(huart2.gState, HAL_UART_STATE_READY);
}

}  // namespace
}  // namespace ovrimo::test

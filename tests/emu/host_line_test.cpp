// USART2 connected to the host: a pipe or a pseudo-terminal carries the board's output out and
// input in at the line rate, and virtual time keeps to real time while nothing is in flight.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>

#include "app_image.h"
#include "emu/emulator.h"
#include "peers/host_line.h"
#include "tool_support.h"

namespace ovrimo::emu {
namespace {

using peers::HostLinePeer;
using peers::PseudoTerminal;
using testing::firmware_file;

using testing::drain;

// The sample application started as after a hand-off: it prints a line, then idles with its
// receiver enabled.
class HostLine : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto bin = firmware_file("app-01.02.03.bin");
    ASSERT_ARTEFACT(bin);
    std::ifstream in(bin, std::ios::binary);
    const std::vector<std::uint8_t> image{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    emu = std::make_unique<Emulator>(board);
    emu->load_flash_image(app_image::kBase, image);
    board.core().primask = 1;
    emu->boot_image(app_image::kBase);
    ASSERT_EQ(::pipe(to_board), 0);
    ASSERT_EQ(::pipe(from_board), 0);
  }
  void TearDown() override {
    board.usart2().detach();
    for (int fd : {to_board[0], to_board[1], from_board[0], from_board[1]}) ::close(fd);
  }

  model::Board board;
  std::unique_ptr<Emulator> emu;
  int to_board[2] = {-1, -1};
  int from_board[2] = {-1, -1};
};

TEST_F(HostLine, OutputLeavesAndInputArrivesAtTheLineRateWhileTimeKeepsToRealTime) {
  HostLinePeer peer(to_board[0], from_board[1]);
  board.usart2().attach(peer);
  emu->set_real_time_source(&peer);

  // 50 ms of board time with nothing to send take at least 50 ms of real time.
  const auto start = std::chrono::steady_clock::now();
  emu->set_time_limit(board.now() + 50 * model::kMillisecond);
  EXPECT_EQ(emu->run().reason, StopReason::TimeLimit);
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_GE(wall, 0.049);
  // Only a sanity bound: on a loaded machine the emulator may well fall behind real time.
  EXPECT_LT(wall, 20.0);
  EXPECT_EQ(drain(from_board[0]), "Ovrimo sample application 01.02.03, bootloader 00.00.00\r\n");

  // Input goes out to the board back to back at the peer's 115200 baud.
  ASSERT_EQ(::write(to_board[1], "abc", 3), 3);
  emu->set_time_limit(board.now() + 5 * model::kMillisecond);
  EXPECT_EQ(emu->run().reason, StopReason::TimeLimit);
  std::vector<model::LineByte> in;
  for (const auto& b : board.usart2().line_log())
    if (b.direction == model::LineByte::Direction::ToDevice) in.push_back(b);
  ASSERT_EQ(in.size(), 3u);
  EXPECT_EQ(in[0].value, 'a');
  EXPECT_EQ(in[0].outcome, model::LineByte::Outcome::Delivered);
  EXPECT_EQ(in[0].received, 'a');
  const model::Time frame = model::LineFormat{}.frame_time();
  EXPECT_EQ(in[1].start - in[0].start, frame);
  EXPECT_EQ(in[2].start - in[1].start, frame);
  EXPECT_EQ(peer.bytes_to_device(), 3u);
  EXPECT_FALSE(peer.input_in_flight());
}

TEST_F(HostLine, APseudoTerminalCarriesBothDirectionsAndKeepsItsLastBytesForALateReader) {
  auto pty = std::make_unique<PseudoTerminal>();
  ASSERT_FALSE(pty->path().empty());
  const int client = ::open(pty->path().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(client, 0) << pty->path();
  HostLinePeer peer(pty->fd(), pty->fd());
  board.usart2().attach(peer);
  emu->set_real_time_source(&peer);

  ASSERT_EQ(::write(client, "Y", 1), 1);
  emu->set_time_limit(board.now() + 20 * model::kMillisecond);
  EXPECT_EQ(emu->run().reason, StopReason::TimeLimit);
  board.usart2().detach();
  // The board goes away before the client has read its line: the line must still reach it.
  std::thread close_line([&] { pty.reset(); });
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  std::string got;
  for (int turn = 0; turn < 100 && got.size() < 58; ++turn) {
    got += drain(client);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  close_line.join();
  EXPECT_EQ(got, "Ovrimo sample application 01.02.03, bootloader 00.00.00\r\n");
  ASSERT_EQ(peer.bytes_to_device(), 1u);
  const auto& log = board.usart2().line_log();
  const auto it = std::find_if(log.begin(), log.end(), [](const model::LineByte& b) {
    return b.direction == model::LineByte::Direction::ToDevice;
  });
  ASSERT_NE(it, log.end());
  EXPECT_EQ(it->value, 'Y');
  ::close(client);
}

}  // namespace
}  // namespace ovrimo::emu

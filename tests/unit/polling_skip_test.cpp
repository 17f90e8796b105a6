// The native binding's polling skip is exact: the same receives, on fresh boards, with the skip on
// and off, leave the same line log (every byte in both directions with its times, down to when the
// firmware read it from RDR), the same tick, the same flash and end the same way at the same time.
// First: the host's <unistd.h> (pulled in by the test framework) defines an X_OK macro of its own.
#include "xmodem.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "firmware_fixture.h"
#include "peers/scripted_peer.h"
#include "peers/xmodem_sender.h"

namespace ovrimo::test {
namespace {

using peers::XmodemSender;
using Fault = XmodemSender::Fault;

struct Observed {
  native::RunResult result;
  std::vector<model::LineByte> line;
  std::uint32_t tick = 0;
  std::vector<std::uint8_t> flash;
  native::Binding::Skipped skipped;
};

// Brings a fresh board up as main does, attaches `peer` and runs `firmware` until it ends or
// `limit` has passed.
Observed run_on_fresh_board(bool skip, model::LinePeer& peer, const std::function<void()>& firmware, Time limit) {
  model::Board board;
  native::Binding binding(board);
  binding.set_skip_polling(skip);
  reset_firmware_globals();
  Observed seen;
  EXPECT_EQ(binding.run(boot_bring_up).reason, StopReason::Returned);
  board.usart2().attach(peer);
  binding.set_time_limit(board.now() + limit);
  seen.result = binding.run(firmware);
  seen.line = board.usart2().line_log();
  board.usart2().detach();
  seen.tick = uwTick;
  seen.flash = board.flash_array().bytes();
  seen.skipped = binding.skipped();
  return seen;
}

void expect_same(const Observed& plain, const Observed& skipped) {
  EXPECT_EQ(plain.skipped.waits, 0u);
  // Not a vacuous comparison: most of the run was skipped.
  EXPECT_GT(skipped.skipped.time, plain.result.at / 2);
  EXPECT_EQ(skipped.result.reason, plain.result.reason);
  EXPECT_EQ(skipped.result.detail, plain.result.detail);
  EXPECT_EQ(skipped.result.at, plain.result.at);
  EXPECT_EQ(skipped.tick, plain.tick);
  EXPECT_TRUE(skipped.flash == plain.flash);
  ASSERT_EQ(skipped.line.size(), plain.line.size());
  for (std::size_t i = 0; i < plain.line.size(); ++i) {
    const model::LineByte& a = plain.line[i];
    const model::LineByte& b = skipped.line[i];
    EXPECT_TRUE(a == b)
        << "line byte " << i << " value " << a.value;
  }
}

// The same sender, built afresh for each run.
void expect_receive_unchanged(const std::function<void(XmodemSender&)>& plan, Time limit = 60 * kSecond) {
  Observed seen[2];
  for (bool skip : {false, true}) {
    XmodemSender sender;
    plan(sender);
    seen[skip] = run_on_fresh_board(skip, sender, xmodem_receive, limit);
  }
  expect_same(seen[0], seen[1]);
}

TEST(PollingSkip, ReceivesAndTimeLimitsEndAtTheSameVirtualTimeWithTheSameEffects) {
  // A clean mixed-size transfer to the hand-off.
  expect_receive_unchanged([](XmodemSender& sender) {
    sender.add_image(app_image(3 * 1024 + 300, 21), {1024, 128});
    sender.add_eot();
  });
  // Refusals, timeouts and drains: a bad CRC, a silence longer than a read, a stall inside a
  // block, a lost ACK, stray bytes, until the error budget cancels.
  expect_receive_unchanged([](XmodemSender& sender) {
    sender.add_image(app_image(6 * 128, 22), {128});
    sender.add_eot();
    sender.inject(1, 0, Fault::corrupt_byte(3 + 40));
    sender.inject(2, 0, Fault::pause_before(1500 * kMillisecond));
    sender.inject(3, 0, Fault::pause_inside(70, 1200 * kMillisecond));
    sender.inject(4, 0, Fault::stray_bytes({0x55, 0x04}));
    sender.inject(5, 0, Fault::lose_ack());
  });
  // A wait that never ends stops at the time limit, not a repetition later.
  peers::ScriptedPeer silent;
  Observed seen[2];
  for (bool skip : {false, true})
    seen[skip] = run_on_fresh_board(skip, silent, [] { HAL_Delay(HAL_MAX_DELAY); }, 20 * kMillisecond + 3);
  EXPECT_EQ(seen[0].result.reason, StopReason::TimeLimit);
  expect_same(seen[0], seen[1]);
}

TEST(PollingSkipSlow, StartTimeoutIsTheSame) {
  peers::ScriptedPeer silent[2];
  Observed seen[2];
  for (bool skip : {false, true}) seen[skip] = run_on_fresh_board(skip, silent[skip], xmodem_receive, 120 * kSecond);
  EXPECT_EQ(seen[0].result.reason, StopReason::Returned);
  EXPECT_EQ(silent[0].received(), std::string(90, 'C'));
  expect_same(seen[0], seen[1]);
}

}  // namespace
}  // namespace ovrimo::test

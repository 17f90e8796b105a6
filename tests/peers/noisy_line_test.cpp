// The noisy line between a peer and a recording device end: faults at the rates set, the same
// noise for the same seed, and the timing of lost frames and stalls.
#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <vector>

#include "peers/noisy_line.h"
#include "peers/recording_line.h"
#include "peers/scripted_peer.h"

namespace ovrimo::peers {
namespace {

using Kind = NoisyLine::Fault::Kind;
using Direction = NoisyLine::Direction;
using model::kMillisecond;

struct Rig {
  Rig(LineNoise to_device, LineNoise from_device, std::uint64_t seed) : noisy(peer, to_device, from_device, seed) {
    noisy.on_attach(line);
  }
  RecordingLine line;
  ScriptedPeer peer;
  NoisyLine noisy;
};

std::string pattern(std::size_t n) {
  std::string s(n, '\0');
  for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>(i * 7 + i / 256);
  return s;
}

// Both directions: `bytes` from the peer, then `replies` from the device one frame apart.
void exchange(Rig& rig, const std::string& bytes, const std::string& replies) {
  rig.peer.send_at(0, bytes);
  for (char c : replies) rig.line.reply(rig.noisy, c);
  rig.line.scheduler().advance_to(rig.line.scheduler().now() + 10 * model::kSecond);
}

TEST(NoisyLine, AQuietLinePassesEverythingAndTheSameSeedGivesTheSameNoise) {
  const std::string bytes = pattern(2000), replies = pattern(2000);
  Rig quiet({}, {}, 1);
  exchange(quiet, bytes, replies);
  EXPECT_EQ(quiet.line.all(), bytes);
  ASSERT_EQ(quiet.line.bursts.size(), 1u);
  EXPECT_EQ(quiet.line.bursts[0].start, 0);
  EXPECT_EQ(quiet.peer.received(), replies);
  EXPECT_TRUE(quiet.noisy.faults().empty());

  LineNoise noise{.bit_error_rate = 1e-2, .drop_rate = 1e-2, .insert_rate = 1e-2, .pause_rate = 1e-2,
                  .pause_min = kMillisecond, .pause_max = 5 * kMillisecond};
  Rig a(noise, noise, 7), b(noise, noise, 7), c(noise, noise, 8);
  for (Rig* rig : {&a, &b, &c}) exchange(*rig, bytes, replies);
  EXPECT_NE(a.line.all(), bytes);
  EXPECT_NE(a.peer.received(), replies);
  EXPECT_EQ(a.line.all(), b.line.all());
  EXPECT_EQ(a.peer.received(), b.peer.received());
  EXPECT_EQ(a.peer.received_times(), b.peer.received_times());
  ASSERT_EQ(a.line.bursts.size(), b.line.bursts.size());
  for (std::size_t i = 0; i < a.line.bursts.size(); ++i) EXPECT_EQ(a.line.bursts[i].start, b.line.bursts[i].start);
  EXPECT_NE(a.line.all(), c.line.all());
  for (Kind kind : {Kind::Flip, Kind::Drop, Kind::Insert, Kind::Pause})
    for (Direction d : {Direction::ToDevice, Direction::FromDevice}) EXPECT_GT(a.noisy.count(kind, d), 0u);
}

TEST(NoisyLine, FaultsComeAtTheRatesSetAndLostFramesLeaveTheirTimeOnTheWire) {
  constexpr std::size_t kFrames = 200000;
  Rig rig({.bit_error_rate = 1e-3, .drop_rate = 2e-3, .insert_rate = 3e-3}, {}, 3);
  rig.peer.send_at(0, pattern(kFrames));
  std::size_t bits = 0;
  for (const auto& f : rig.noisy.faults())
    if (f.kind == Kind::Flip) bits += static_cast<std::size_t>(std::popcount(static_cast<unsigned>(f.original ^ f.arrived)));
  // Expected 1600, 400 and 600; the bounds are five standard deviations.
  EXPECT_NEAR(static_cast<double>(bits), 1600, 200);
  const std::size_t drops = rig.noisy.count(Kind::Drop, Direction::ToDevice);
  const std::size_t inserts = rig.noisy.count(Kind::Insert, Direction::ToDevice);
  EXPECT_NEAR(static_cast<double>(drops), 400, 100);
  EXPECT_NEAR(static_cast<double>(inserts), 600, 125);
  EXPECT_EQ(rig.line.all().size(), kFrames - drops + inserts);
  // A lost frame is silence on the wire, not a shortcut: the line is busy as long as it takes
  // to send every frame given, plus the ones the noise added.
  const model::Time frame = model::LineFormat{}.frame_time();
  EXPECT_EQ(rig.line.to_device_idle_at(), (kFrames + inserts) * frame);
}

TEST(NoisyLine, StallsDelayWhatFollowsAndNeverReorderIt) {
  const model::Time stall = 3 * kMillisecond;
  const LineNoise always{.pause_rate = 1, .pause_min = stall, .pause_max = stall};
  Rig rig(always, always, 5);
  rig.peer.send_at(0, "abc");
  const model::Time frame = model::LineFormat{}.frame_time();
  ASSERT_EQ(rig.line.all(), "abc");
  ASSERT_EQ(rig.line.bursts.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(rig.line.bursts[i].start, static_cast<model::Time>(i + 1) * stall + i * frame);

  // From the device: each byte held for its own stall behind the ones before it.
  rig.line.scheduler().advance_to(model::kSecond);
  rig.line.reply(rig.noisy, 'x');
  rig.line.reply(rig.noisy, 'y', frame);
  EXPECT_EQ(rig.peer.received(), "");
  rig.line.scheduler().advance_to(2 * model::kSecond);
  EXPECT_EQ(rig.peer.received(), "xy");
  ASSERT_EQ(rig.peer.received_times().size(), 2u);
  EXPECT_EQ(rig.peer.received_times()[0], model::kSecond + stall);
  EXPECT_EQ(rig.peer.received_times()[1], model::kSecond + 2 * stall);
}

}  // namespace
}  // namespace ovrimo::peers

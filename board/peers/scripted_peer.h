// A line peer that a test scripts byte by byte.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/line.h"
#include "model/time.h"

namespace ovrimo::peers {

using model::DeviceLine;
using model::LineFormat;
using model::LinePeer;
using model::Time;

// A peer for tests: sends scripted bytes at chosen times, answers what the device sends, pauses
// and closes the line on cue, and keeps what it received.
class ScriptedPeer : public LinePeer {
 public:
  explicit ScriptedPeer(LineFormat format = {}) : format_(format) {}

  const LineFormat& format() const { return format_; }
  void set_format(LineFormat format) { format_ = format; }

  // Sends `bytes` starting at absolute time `at` (or after what is already queued).
  void send_at(Time at, std::string_view bytes);
  void send_at(Time at, std::span<const std::uint8_t> bytes);
  // Sends `bytes` as soon as the line is free.
  void send(std::string_view bytes);

  // When the device has sent `trigger` (a byte string, matched across frame boundaries), send
  // `reply` after `delay`. A rule fires `times` times (0: every time); matching restarts after
  // each firing, so "C" fires once per 'C' and "OK\r" once per complete "OK\r".
  void reply_to(std::string trigger, std::string reply, Time delay = 0, unsigned times = 1);

  // Stops the queue towards the device at `at` for `duration` (the frame on the wire finishes).
  void pause_at(Time at, Time duration);
  // Detaches from the device at `at`: frames not yet started are discarded, later scripts ignored.
  void close_at(Time at);

  // Everything the device sent, in order, with the end time of each frame.
  const std::string& received() const { return received_; }
  const std::vector<Time>& received_times() const { return received_times_; }

  void on_byte_from_device(std::uint16_t value, Time time) override;
  void on_attach(DeviceLine& line) override;
  void on_detach() override;

 private:
  struct Rule {
    std::string trigger;
    std::string reply;
    Time delay;
    unsigned remaining;  // 0: unlimited
    std::size_t search_from = 0;
    bool done = false;
  };

  void enqueue(Time at, std::vector<std::uint16_t> frames);
  void at_time(Time at, std::function<void()> action);

  LineFormat format_;
  std::string received_;
  std::vector<Time> received_times_;
  std::vector<Rule> rules_;
  // Script steps given before the peer was attached; run as soon as it is.
  struct Deferred {
    Time at;
    bool queue_now;
    std::function<void()> action;
  };
  std::vector<Deferred> deferred_;
  bool closed_ = false;
};

}  // namespace ovrimo::peers

// A device end for line peer tests that only records what the peer sends.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "model/line.h"

namespace ovrimo::peers {

// A device end that only records: each send_to_device call is one burst, laid out back to back
// at the peer's rate.
class RecordingLine : public model::DeviceLine {
 public:
  struct Burst {
    model::Time start;
    std::string bytes;
  };

  model::Scheduler& scheduler() override { return scheduler_; }
  void send_to_device(std::span<const std::uint16_t> frames, model::Time earliest, model::LineFormat format) override {
    const model::Time start = std::max(earliest, idle_at_);
    std::string bytes;
    for (std::uint16_t f : frames) bytes.push_back(static_cast<char>(f));
    bursts.push_back(Burst{start, bytes});
    idle_at_ = start + frames.size() * format.frame_time();
  }
  void pause_to_device() override {}
  void resume_to_device() override {}
  void discard_to_device() override {}
  std::size_t queued_to_device() const override { return 0; }
  model::Time to_device_idle_at() const override { return std::max(idle_at_, scheduler_.now()); }
  const std::vector<model::LineByte>& line_log() const override { return log_; }
  void detach() override {}

  // The device sends `byte` once the line is quiet (and at least at `now`).
  void reply(model::LinePeer& peer, char byte, model::Time after = 0) {
    scheduler_.advance_to(std::max(scheduler_.now(), to_device_idle_at()) + after);
    peer.on_byte_from_device(static_cast<std::uint8_t>(byte), scheduler_.now());
  }

  std::string all() const {
    std::string s;
    for (const Burst& b : bursts) s += b.bytes;
    return s;
  }

  std::vector<Burst> bursts;

 private:
  model::Scheduler scheduler_;
  model::Time idle_at_ = 0;
  std::vector<model::LineByte> log_;
};

}  // namespace ovrimo::peers

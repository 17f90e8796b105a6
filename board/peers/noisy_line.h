// A noisy stretch of cable between a line peer and the device: flips bits, loses frames, adds
// frames that nobody sent and stalls, in both directions, at rates set per direction.
//
// It sits between the two ends as a filter: to the device (a USART) it is the peer, to the peer
// it is the device line. The peer still decides what to send and when; the noise decides what
// arrives. Every decision comes from a generator seeded by the caller, so a run with the same
// seed and the same traffic sees the same noise, and every fault is kept in a log, so that a
// test or a soak can tell which fault caused what.
#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <span>
#include <vector>

#include "model/line.h"
#include "model/time.h"

namespace ovrimo::peers {

using model::Time;

// The faults of one direction. Bit errors are per data bit; the others per frame.
struct LineNoise {
  double bit_error_rate = 0;  // each data bit of a frame flips with this probability
  double drop_rate = 0;       // the frame is lost; the line stays idle for its time
  double insert_rate = 0;     // a frame of random value appears right in front of it
  double pause_rate = 0;      // the line stalls in front of it (towards the device) or holds it back
  Time pause_min = 0;         // stall lengths are uniform in [pause_min, pause_max]
  Time pause_max = 0;

  bool any() const { return bit_error_rate > 0 || drop_rate > 0 || insert_rate > 0 || pause_rate > 0; }
};

class NoisyLine : public model::DeviceLine, public model::LinePeer {
 public:
  enum class Direction { ToDevice, FromDevice };
  struct Fault {
    enum class Kind { Flip, Drop, Insert, Pause };
    Kind kind;
    Direction direction;
    Time at;                  // when the frame was handed to the line (or delivered, from the device)
    std::uint16_t original;   // the frame as sent (Insert: the frame it was put in front of; 0 at a burst's end)
    std::uint16_t arrived;    // what the far end got (Flip: the damaged value; Insert: the extra frame)
    Time pause = 0;           // Pause: its length
  };

  // `far_end` is attached to this line when this line is attached to the device.
  NoisyLine(model::LinePeer& far_end, LineNoise to_device, LineNoise from_device, std::uint64_t seed);
  ~NoisyLine() override;
  NoisyLine(const NoisyLine&) = delete;
  NoisyLine& operator=(const NoisyLine&) = delete;

  const std::vector<Fault>& faults() const { return faults_; }
  std::size_t count(Fault::Kind kind, Direction direction) const;

  // As the device's peer.
  void on_attach(model::DeviceLine& line) override;
  void on_detach() override;
  void on_byte_from_device(std::uint16_t value, Time time) override;

  // As the far end's device line.
  model::Scheduler& scheduler() override { return line_->scheduler(); }
  using model::DeviceLine::send_to_device;
  void send_to_device(std::span<const std::uint16_t> frames, Time earliest, model::LineFormat format) override;
  void pause_to_device() override { line_->pause_to_device(); }
  void resume_to_device() override { line_->resume_to_device(); }
  void discard_to_device() override { line_->discard_to_device(); }
  std::size_t queued_to_device() const override { return line_->queued_to_device(); }
  Time to_device_idle_at() const override { return line_->to_device_idle_at(); }
  const std::vector<model::LineByte>& line_log() const override { return line_->line_log(); }
  void detach() override { line_->detach(); }

 private:
  // One direction's generator and the countdown to its next bit error.
  class Dice {
   public:
    Dice(const LineNoise& noise, std::uint64_t seed);
    bool roll(double probability);
    // XOR mask of the data bits that flip in the next frame of `bits` data bits.
    std::uint16_t flips(unsigned bits);
    std::uint16_t value(unsigned bits) { return static_cast<std::uint16_t>(engine_() & ((1u << bits) - 1u)); }
    Time pause();

   private:
    double uniform() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }
    void draw_gap();

    LineNoise noise_;
    std::mt19937_64 engine_;
    std::uint64_t bits_to_next_flip_ = 0;
  };

  void deliver(std::uint16_t value, Time at);

  model::LinePeer& far_end_;
  LineNoise to_device_, from_device_;
  Dice to_dice_, from_dice_;
  std::vector<Fault> faults_;
  Time from_device_held_until_ = 0;  // frames towards the peer keep their order behind a stall
  std::shared_ptr<NoisyLine*> self_;  // scheduled deliveries do nothing once the line is gone
};

}  // namespace ovrimo::peers

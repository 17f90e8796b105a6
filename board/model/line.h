// The far end of a serial line: what a USART talks to.
//
// A line peer receives every frame the device sends (at the end of its stop bit, in virtual time)
// and sends frames to the device through the DeviceLine it is attached to. Frames to the device
// are queued on the line and go out back to back at the peer's own line rate, unless the peer
// pauses the line; so a file sender, a terminal bridge or a test script only decides *what* to
// send and *when it becomes available*, never how long each frame takes.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/time.h"

namespace ovrimo::model {

// How a peer drives the wire: its bit rate and frame shape. The device's receiver samples the
// frame with its own bit clock, so a rate that differs from the device's corrupts frames.
struct LineFormat {
  std::uint32_t baud = 115200;
  std::uint8_t data_bits = 8;  // 7, 8 or 9 (parity, if any, counts as a data bit here)
  std::uint8_t stop_bits = 1;  // 1 or 2

  unsigned frame_bits() const { return 1u + data_bits + stop_bits; }
  Time bit_time() const { return cycles_to_time(1, baud); }
  Time frame_time() const { return cycles_to_time(frame_bits(), baud); }
};

// The frames of a byte string (one 8-bit frame per byte).
std::vector<std::uint16_t> frames_of(std::string_view bytes);

// One frame on the line, in either direction, as the line log records it.
struct LineByte {
  enum class Direction { ToDevice, FromDevice };
  // What became of a frame. Frames from the device are Delivered, or Aborted when the
  // transmitter was disabled while the frame was on the wire.
  enum class Outcome {
    InFlight,   // still on the wire (or being sampled)
    Delivered,  // reached RDR (to device) or the peer (from device)
    Corrupted,  // reached RDR with a framing error: the receiver's bit clock did not match
    Overrun,    // completed while RDR was full or ORE pending: lost
    Dropped,    // the receiver was off (UE or RE clear, or not yet acknowledged): lost
    Aborted,    // cut short on the wire
  };

  Direction direction;
  std::uint16_t value;     // as sent on the wire
  Time start;              // leading edge of the start bit
  Time end;                // end of the last stop bit
  Outcome outcome = Outcome::InFlight;
  std::uint16_t received = 0;  // to device: what the receiver stored (Delivered or Corrupted)
  // To device: when the frame became readable in RDR (RXNE rose for it, or it moved up to the
  // front of the receive FIFO) and when software read it from there. The difference is how long
  // the firmware left a byte waiting; a frame flushed or overwritten is never read.
  std::optional<Time> rdr_ready_at{};
  std::optional<Time> rdr_read_at{};

  bool operator==(const LineByte&) const = default;
};

const char* to_string(LineByte::Outcome outcome);

// The device end of a line as a peer sees it (implemented by the USART model).
class DeviceLine {
 public:
  virtual ~DeviceLine() = default;

  virtual Scheduler& scheduler() = 0;

  // Queues frames for the device. The first starts at `earliest` or as soon as the frames queued
  // before it are out, whichever is later; the rest follow back to back.
  virtual void send_to_device(std::span<const std::uint16_t> frames, Time earliest, LineFormat format) = 0;
  void send_to_device(std::string_view bytes, Time earliest, LineFormat format);

  // While paused, the frame on the wire finishes and queued frames wait.
  virtual void pause_to_device() = 0;
  virtual void resume_to_device() = 0;
  // Forgets every queued frame that has not started yet.
  virtual void discard_to_device() = 0;
  // Frames queued and not yet started.
  virtual std::size_t queued_to_device() const = 0;
  // When the wire towards the device is (or will be) free, counting the queue.
  virtual Time to_device_idle_at() const = 0;

  // The line log: every frame in both directions, in order of start.
  virtual const std::vector<LineByte>& line_log() const = 0;

  // Disconnects the attached peer (it gets on_detach); queued frames are discarded.
  virtual void detach() = 0;
};

class LinePeer {
 public:
  virtual ~LinePeer() = default;

  // The device finished sending `value`; `time` is the end of its stop bit (now, in the scheduler).
  virtual void on_byte_from_device(std::uint16_t value, Time time) = 0;
  virtual void on_attach(DeviceLine& line) { line_ = &line; }
  virtual void on_detach() { line_ = nullptr; }

  bool attached() const { return line_ != nullptr; }

 protected:
  DeviceLine* line_ = nullptr;
};

}  // namespace ovrimo::model

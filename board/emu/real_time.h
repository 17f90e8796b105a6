// What the emulator needs from a peer that lives in real time (a terminal, a pseudo-terminal).
#pragma once

#include <chrono>

namespace ovrimo::emu {

// Input from outside virtual time (a terminal, a pseudo-terminal). The emulator polls it between
// slices and holds virtual time back to real time while nothing from it is in flight, so timeouts
// in the firmware last what they last on the board.
class RealTimeSource {
 public:
  virtual ~RealTimeSource() = default;
  // Takes the input that has arrived and queues it on the line; never blocks.
  virtual void poll() = 0;
  // True while input already taken is queued for, or on the wire to, the device.
  virtual bool input_in_flight() const = 0;
  // Blocks until input may be available or `timeout` has passed.
  virtual void wait(std::chrono::microseconds timeout) = 0;
};

}  // namespace ovrimo::emu

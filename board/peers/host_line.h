// The far end of USART2 outside virtual time: a pseudo-terminal (for picocom, sx or our own
// tools) or this process's standard input and output.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "emu/real_time.h"
#include "model/line.h"

namespace ovrimo::peers {

// Bytes read from `in_fd` go to the device at the line rate of `format`; bytes the device sends
// are written to `out_fd`. Without an input (in_fd < 0) it only listens, and then there is
// nothing to pace virtual time against.
class HostLinePeer : public model::LinePeer, public emu::RealTimeSource {
 public:
  HostLinePeer(int in_fd, int out_fd, model::LineFormat format = {});

  void on_byte_from_device(std::uint16_t value, model::Time time) override;

  void poll() override;
  bool input_in_flight() const override;
  void wait(std::chrono::microseconds timeout) override;

  bool has_input() const { return in_fd_ >= 0; }
  bool input_closed() const { return closed_; }
  std::uint64_t bytes_to_device() const { return bytes_in_; }
  std::uint64_t bytes_from_device() const { return bytes_out_; }

 private:
  int in_fd_;
  int out_fd_;
  model::LineFormat format_;
  bool closed_ = false;
  std::uint64_t bytes_in_ = 0;
  std::uint64_t bytes_out_ = 0;
};

// A pseudo-terminal pair in raw mode. The emulator keeps the master; a client opens path().
// The emulator also holds the slave open, so that the line survives clients coming and going.
class PseudoTerminal {
 public:
  PseudoTerminal();  // throws std::system_error
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  const std::string& path() const { return path_; }
  int fd() const { return master_; }

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string path_;
};

// Puts a terminal into raw mode for as long as it lives: keys reach the board one by one and
// without echo; Ctrl-C still interrupts. Does nothing when `fd` is not a terminal.
class RawTerminal {
 public:
  explicit RawTerminal(int fd);
  ~RawTerminal();
  RawTerminal(const RawTerminal&) = delete;
  RawTerminal& operator=(const RawTerminal&) = delete;

 private:
  int fd_;
  bool active_ = false;
  unsigned char saved_[256];  // struct termios, kept opaque here
};

}  // namespace ovrimo::peers

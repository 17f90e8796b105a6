// A serial device opened the way the bootloader's line needs it: raw bytes, 8N1, no flow control,
// locked against a second program, its settings put back when it is closed.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>

namespace ovrimo::tools {

// Opening or setting up the port failed; the message is one line a person can act on.
class PortError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class SerialPort {
 public:
  // Throws PortError: no such device, permission (naming the group that owns it), in use by
  // another program, not a serial device, a baud rate the host cannot set.
  SerialPort(const std::string& path, std::uint32_t baud);
  ~SerialPort();
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  const std::string& path() const { return path_; }

  // One byte, or std::nullopt after `timeout` without one. Throws PortError when the device
  // goes away (a USB adapter unplugged, the emulated board's terminal closed).
  std::optional<std::uint8_t> read_byte(std::chrono::milliseconds timeout);
  // Everything, or throws PortError.
  void write(std::span<const std::uint8_t> bytes);
  void write_byte(std::uint8_t byte) { write(std::span<const std::uint8_t>(&byte, 1)); }
  // Drops whatever the board sent that we have not read yet.
  void discard_input();

 private:
  std::string path_;
  int fd_ = -1;
  bool restore_ = false;
  unsigned char saved_[256];  // struct termios as found, kept opaque here
  std::uint8_t buffer_[512];
  std::size_t buffered_ = 0, next_ = 0;
};

}  // namespace ovrimo::tools

// One board's update over its serial port: find the bootloader in whatever state it is (printing
// its menu, polling for a transfer, silent until reset), send the image with XMODEM (CRC-16,
// 1024- or 128-byte blocks, padded with the erased value 0xFF), and watch how the board ends.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "serial_port.h"

namespace ovrimo::tools {

struct UploadSettings {
  std::size_t block_size = 1024;                    // 1024 (STX) or 128 (SOH)
  std::chrono::milliseconds wait{60000};            // for the board to show itself
  std::chrono::milliseconds monitor{0};             // showing the application's output afterwards
  std::chrono::milliseconds first_reply{10000};     // block 1: the whole region is erased first
  std::chrono::milliseconds reply{3000};            // every other block
  unsigned max_attempts = 10;                       // per block, then we give up
};

// How one board's update ended; the numbers are the tool's exit statuses.
enum class UploadOutcome {
  Updated = 0,
  PortProblem = 3,
  BoardNotFound = 4,
  TransferFailed = 5,
  Interrupted = 6,
};

// What a session tells the person at the keyboard. Called from the session's own thread.
struct UploadEvents {
  std::function<void(const std::string&)> note;        // a line of our own
  std::function<void(const std::string&)> board_line;  // a line the board printed, escapes removed
  // After every acknowledged block: image bytes acknowledged, of how many, resends so far, and
  // seconds since the first block went out.
  std::function<void(std::size_t, std::size_t, unsigned, double)> progress;
  // The blocks are over (acknowledged to the end, cancelled or given up): progress stops here.
  std::function<void()> transfer_over;
};

struct UploadSummary {
  UploadOutcome outcome = UploadOutcome::PortProblem;
  std::string detail;  // one line: what happened, or why it failed
  std::size_t bytes = 0;
  double seconds = 0;  // from the first block to the EOT's acknowledgement
  unsigned resends = 0;
};

class Uploader {
 public:
  // `stop` is read between bytes: once set, the session cancels at the next block boundary.
  Uploader(SerialPort& port, UploadSettings settings, UploadEvents events, const std::atomic<bool>& stop);

  UploadSummary run(std::span<const std::uint8_t> image);

 private:
  class Console;
  enum class Found { Polling, NotFound, Interrupted };
  Found find_board(Console& console);
  UploadSummary send(std::span<const std::uint8_t> image, Console& console);
  // Sends CAN CAN; true when the board then shows its menu.
  bool cancel(Console& console);
  // Shows the board's lines for `duration`, or until `until` is printed (if given) and the line
  // has gone quiet.
  bool show_board(Console& console, std::chrono::milliseconds duration, const char* until);

  SerialPort& port_;
  UploadSettings settings_;
  UploadEvents events_;
  const std::atomic<bool>& stop_;
};

}  // namespace ovrimo::tools

// An application update on the emulated board, start to finish, with no one at the keyboard:
// the real bootloader image boots with an application installed, the operator's 'Y' answers
// the prompt, a scripted XMODEM sender sends the new image, the bootloader hands off and the
// new application prints its line. `ovrimo demo` shows it; `ovrimo bench` measures it.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "console_view.h"
#include "image_file.h"
#include "input_file.h"
#include "emu/emulator.h"
#include "model/board.h"
#include "peers/noisy_line.h"
#include "peers/xmodem_sender.h"

namespace ovrimo::tools {

struct UpdateDemoOptions {
  // Images: ELF, Intel HEX or raw (the bootloader at 0x08000000, the applications at 0x08010000).
  std::filesystem::path bootloader;
  std::filesystem::path from;  // installed before power-on
  // Instead of `from` on an otherwise erased board: the whole flash as a power cut left it,
  // broken ECC included (the bootloader's own region too).
  std::optional<model::FlashContents> flash;
  std::filesystem::path to;    // sent over XMODEM
  // Block sizes in order, repeated (128 or 1024 each).
  std::vector<std::size_t> block_sizes = {1024};
  // The sender's line rate. The board's receiver runs at 4 MHz / 35 = 114 286 baud; a PC's
  // nominal 115 200 is within its tolerance.
  std::uint32_t baud = 114286;
  // How long after the prompt the operator's 'Y' arrives.
  model::Time answer_after = 500 * model::kMillisecond;
  // Board time after which the run gives up.
  model::Time limit = 120 * model::kSecond;
  // A noisy line between the sender and the board, from the operator's answer on (the menu and
  // the answer stay clean, so every run reaches the transfer); the same seed, the same noise.
  struct Noise {
    peers::LineNoise to_board, from_board;
    std::uint64_t seed = 0;
  };
  std::optional<Noise> noise;
  // Polling waits jumped over (EmulatorOptions::skip_waits).
  bool skip_waits = true;
  // The Unicorn engine as the CPU instead of the interpreter (EmulatorOptions::cpu).
  bool unicorn = false;
};

// A moment of the run, on both clocks, for speed figures.
struct Mark {
  std::chrono::steady_clock::time_point wall{};
  double cpu_seconds = 0;  // this process's CPU time: what the run cost on a busy host
  std::uint64_t instructions = 0;
  model::Time board = 0;
};

struct BlockAck {
  std::size_t step;    // plan step of the block
  model::Time at;      // end of the ACK frame
};

class UpdateDemo {
 public:
  static constexpr std::uint32_t kAppAddress = app_image::kBase;

  // Reads the files; throws InputFileError.
  explicit UpdateDemo(UpdateDemoOptions options);
  ~UpdateDemo();
  UpdateDemo(const UpdateDemo&) = delete;
  UpdateDemo& operator=(const UpdateDemo&) = delete;

  // Powers the board on and runs until the application's first line after the hand-off, a
  // fault, or the board-time limit. `view` (may be null) shows the console as it happens.
  void run(ConsoleView* view);
  // May be called from a signal handler.
  void request_stop() { emulator_->request_stop(); }

  // Empty when the update and the hand-off both happened and the new application reported
  // its version; otherwise what went wrong, for a person.
  const std::string& failure() const { return failure_; }

  // What happened, for measurements.
  model::Board& board() { return *board_; }
  emu::Emulator& emulator() { return *emulator_; }
  const peers::XmodemSender& sender() const { return *sender_; }
  // The noise between the sender and the board; null without UpdateDemoOptions::noise.
  const peers::NoisyLine* noisy_line() const { return noisy_.get(); }
  const emu::RunResult& result() const { return result_; }
  const UpdateDemoOptions& options() const { return options_; }
  std::size_t image_bytes() const { return to_image_.size(); }
  const std::vector<std::uint8_t>& new_image() const { return to_image_; }
  std::size_t block_count() const { return blocks_; }
  std::optional<AppVersion> old_version() const { return image_version(from_image_); }
  std::optional<AppVersion> new_version() const { return to_version_; }
  const std::optional<std::string>& app_line() const { return app_line_; }
  const std::vector<BlockAck>& acks() const { return acks_; }
  // Every program or erase the flash completed: when, and how many bytes (8 KB for a page).
  struct FlashChange {
    model::Time at;
    std::uint32_t size;
  };
  const std::vector<FlashChange>& flash_changes() const { return flash_changes_; }
  // Core clock when the transfer started (the bootloader's own clock set-up).
  std::uint64_t transfer_hclk_hz() const { return transfer_hclk_hz_; }
  // The board's character time (one frame at its own bit clock) when the transfer started.
  model::Time transfer_char_time() const { return transfer_char_time_; }
  // Run start, the sender's start (the receiver's 'C' taken), the end of the transfer (EOT
  // acknowledged or the sender stopped), run end.
  const Mark& run_start() const { return run_start_; }
  const std::optional<Mark>& transfer_start() const { return transfer_start_; }
  const std::optional<Mark>& transfer_end() const { return transfer_end_; }
  const Mark& run_end() const { return run_end_; }

 private:
  class Operator;
  friend class Operator;

  Mark mark() const;
  void check_outcome();
  // What the operator hands the line to and passes the board's bytes on to: the sender, or the
  // noise in front of it.
  model::LinePeer& sender_end();

  UpdateDemoOptions options_;
  std::vector<std::uint8_t> from_image_;
  std::vector<std::uint8_t> to_image_;
  std::optional<AppVersion> to_version_;
  std::size_t blocks_ = 0;

  std::unique_ptr<model::Board> board_;
  std::unique_ptr<emu::Emulator> emulator_;
  std::unique_ptr<peers::XmodemSender> sender_;
  std::unique_ptr<peers::NoisyLine> noisy_;
  std::unique_ptr<Operator> operator_;

  emu::RunResult result_;
  std::string failure_;
  std::optional<std::string> app_line_;
  std::vector<BlockAck> acks_;
  std::vector<FlashChange> flash_changes_;
  std::uint64_t transfer_hclk_hz_ = 0;
  model::Time transfer_char_time_ = 0;
  Mark run_start_, run_end_;
  std::optional<Mark> transfer_start_, transfer_end_;
};

}  // namespace ovrimo::tools

// Shared by the end-to-end tests: the real bootloader image on an emulated board, the dialogue's
// literals as they appear on the wire, and the views of the line log and the flash array that
// the tests compare.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app_image.h"
#include "emu/emulator.h"
#include "emu_support.h"

namespace ovrimo::emu::e2e {

using model::kMillisecond;
using model::kMicrosecond;
using model::kSecond;
using model::Time;

inline constexpr std::uint32_t kFlashBase = 0x08000000;
inline constexpr std::uint32_t kAppBase = app_image::kBase;
inline constexpr std::uint32_t kPage127 = app_image::kErasedEnd;
inline constexpr std::uint32_t kBank1End = 0x08100000;  // one past the last byte of bank 1
inline constexpr std::uint32_t kBlRev = 0x20000C98;
inline constexpr std::uint32_t kImageSize = 512 * 1024;

// What a transfer that never reached its end leaves of `bytes` written from the application base:
// everything but the first quad-word, the stack pointer and entry, which stay erased.
inline std::vector<std::uint8_t> vectors_erased(std::vector<std::uint8_t> bytes) {
  std::fill_n(bytes.begin(), std::min<std::size_t>(16, bytes.size()), 0xFF);
  return bytes;
}

// The dialogue, byte for byte as it leaves USART2 (standard output is line-buffered, so the
// escape sequences written without a line feed leave in front of the next line).
namespace wire {
inline const std::string kClear = "\x1b[1;40m\x1b[2J\x1b[H";
inline const std::string kBanner = "\x1b[1;33mOvrimo - Bootloader\r\n";
inline const std::string kWhite = "\x1b[1;37m";
inline const std::string kBlVersion = "BL Version:  (00.04.01)\r\n";
inline const std::string kQuestion = "Send 'Y' to update Ovrimo Application Firmware or 'N' to boot Now (15s):\r\n";
inline const std::string kTransfer =
    "\x1b[1;34mTransfer Ovrimo Application Firmware Binary (.bin) via XMODEM now ...\r\n";
inline const std::string kFailed = "\x1b[1;31mFailed... Please try again.\r\n";  // its white follows later
inline const std::string kHandOff = "\x1b[1;32mLoading Ovrimo Application Firmware ...\r\n";
inline const std::string kNoApplication = "\x1b[1;31mNo valid application - please update.\r\n";
inline const std::string kStartTimeout = "Timeout waiting for XMODEM Start - Please Retry\r\n";
inline const std::string kUpdated = "\n\rFirmware updated!\n\r";
inline const std::string kJumping = "Jumping to user application...\n\r";

inline std::string firmware_version(std::string_view version) {
  return "Firmware Version: (" + std::string(version) + ")\r\n";
}
// One menu pass, from the banner to the question, for an installed version "01.02.03". A pass
// after a failed transfer starts with the white that the failure line left unsent.
inline std::string menu(std::string_view version) {
  return kBanner + kWhite + kBlVersion + firmware_version(version) + kQuestion;
}
}  // namespace wire

inline std::vector<std::uint8_t> read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string app_line(std::string_view app_version) {
  return "Ovrimo sample application " + std::string(app_version) + ", bootloader 00.04.01";
}

// Milliseconds, for messages and comparisons with a tolerance.
inline double ms(Time t) { return static_cast<double>(t) / static_cast<double>(kMillisecond); }

// A board running the real bootloader image. Flash is set up as a programmer would leave it:
// the bootloader, optionally an application image, and a marker pattern in page 127 of bank 1,
// which no update may touch.
class Rig {
 public:
  struct FromFlash {};

  explicit Rig(const std::optional<std::filesystem::path>& app = std::nullopt, EmulatorOptions options = {}) {
    emu_ = std::make_unique<Emulator>(board_, options);
    emu_->load_elf(testing::firmware_file("bootloader.elf"));
    if (app) emu_->load_flash_image(kAppBase, read_file(*app));
    auto& flash = board_.flash_array().bytes();
    for (std::uint32_t i = 0; i < model::FlashArray::kPageSize; ++i)
      flash[kPage127 - kFlashBase + i] = static_cast<std::uint8_t>(0xA5 ^ (i * 7));
    flash_at_start_ = flash;
    emu_->reset();
  }
  // Power-on of a board whose flash holds `flash` (a whole 2 MB array): nothing is loaded.
  Rig(FromFlash, const std::vector<std::uint8_t>& flash) {
    auto& bytes = board_.flash_array().bytes();
    std::copy(flash.begin(), flash.end(), bytes.begin());
    flash_at_start_ = bytes;
    emu_ = std::make_unique<Emulator>(board_);
    emu_->reset();
  }
  Rig(const Rig&) = delete;
  Rig& operator=(const Rig&) = delete;

  model::Board& board() { return board_; }
  Emulator& emu() { return *emu_; }
  const std::vector<std::uint8_t>& flash_at_start() const { return flash_at_start_; }

  // Runs until a printed line starts with `prefix`; ends a little after its line ending (or at a
  // hand-off, when asked to).
  RunResult run_until_line(std::string_view prefix, Time limit, bool stop_at_handoff = false) {
    const std::string p(prefix);
    emu_->set_stop_at_handoff(stop_at_handoff);
    emu_->set_line_watch([p](const PrintedLine& line) { return line.text.rfind(p, 0) == 0; });
    emu_->set_time_limit(board_.now() + limit);
    const RunResult r = emu_->run();
    emu_->set_line_watch({});
    emu_->set_stop_at_handoff(false);
    return r;
  }
  RunResult run_until_handoff(Time limit) {
    emu_->set_stop_at_handoff(true);
    emu_->set_line_watch({});
    emu_->set_time_limit(board_.now() + limit);
    const RunResult r = emu_->run();
    emu_->set_stop_at_handoff(false);
    return r;
  }
  RunResult run_for(Time duration) {
    emu_->set_stop_at_handoff(false);
    emu_->set_line_watch({});
    emu_->set_time_limit(board_.now() + duration);
    return emu_->run();
  }
  // Until the update question has been printed, its line feed included (the next pass's, after a
  // failed transfer or a refused hand-off). A hand-off on the way ends the run.
  RunResult run_to_question(Time limit = 5 * kSecond) {
    const RunResult r = run_until_line("Send 'Y' to update", limit, true);
    if (r.reason != StopReason::OutputMatched) return r;
    const RunResult rest = run_for(10 * kMillisecond);
    return rest.reason == StopReason::TimeLimit ? r : rest;
  }
  // The operator's key, typed `after` from now (the question's line feed and its pause still
  // have to leave first when it comes right after run_to_question()).
  void type(std::string_view keys, Time after = 20 * kMillisecond) {
    board_.usart2().send_to_device(keys, board_.now() + after, model::LineFormat{});
  }

  // What the device sent, delivered frames only, in order.
  std::vector<model::LineByte> device_bytes() {
    std::vector<model::LineByte> out;
    for (const auto& b : board_.usart2().line_log())
      if (b.direction == model::LineByte::Direction::FromDevice && b.outcome == model::LineByte::Outcome::Delivered)
        out.push_back(b);
    return out;
  }
  std::string device_text() {
    std::string out;
    for (const auto& b : device_bytes()) out.push_back(static_cast<char>(b.value));
    return out;
  }

  // Flash as the array holds it, by device address.
  std::vector<std::uint8_t> flash(std::uint32_t address, std::uint32_t size) {
    const auto& bytes = board_.flash_array().bytes();
    const auto from = bytes.begin() + (address - kFlashBase);
    return {from, from + size};
  }
  std::vector<std::uint8_t> flash_at_start(std::uint32_t address, std::uint32_t size) const {
    const auto from = flash_at_start_.begin() + (address - kFlashBase);
    return {from, from + size};
  }

 private:
  model::Board board_;
  std::unique_ptr<Emulator> emu_;
  std::vector<std::uint8_t> flash_at_start_;
};

// Index of the first byte that differs, for messages (nullopt: equal).
inline std::optional<std::size_t> first_difference(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i)
    if (a[i] != b[i]) return i;
  if (a.size() != b.size()) return n;
  return std::nullopt;
}

inline bool all_bytes(const std::vector<std::uint8_t>& bytes, std::uint8_t value) {
  return std::all_of(bytes.begin(), bytes.end(), [value](std::uint8_t b) { return b == value; });
}

// Control bytes in readable form for failure messages: "C ACK ACK NAK CAN CAN".
inline std::string describe_control(std::string_view bytes) {
  std::string out;
  for (const char c : bytes) {
    if (!out.empty()) out += ' ';
    switch (static_cast<std::uint8_t>(c)) {
      case 0x06: out += "ACK"; break;
      case 0x15: out += "NAK"; break;
      case 0x18: out += "CAN"; break;
      case 0x43: out += "C"; break;
      default: {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(static_cast<std::uint8_t>(c)));
        out += hex;
      }
    }
  }
  return out;
}

}  // namespace ovrimo::emu::e2e

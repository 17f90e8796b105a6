// `ovrimo upload PORT... IMAGE`: update boards over their serial ports, side by side.
#include <CLI/CLI.hpp>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <mutex>
#include <set>
#include <cmath>
#include <thread>

#include "commands.h"
#include "image_file.h"
#include "uploader.h"

namespace ovrimo::tools {

namespace {

constexpr int kBadCommandLine = 1;
constexpr int kBadImage = 2;

constexpr const char* kUploadStatusHelp =
    "Exit status (with several boards, the largest of theirs):\n"
    "  0  every board acknowledged the whole image\n"
    "  1  bad command line\n"
    "  2  the image cannot be read or fails a check (nothing was sent)\n"
    "  3  port problem: no such device, permission, in use by another program, lost during the update\n"
    "  4  board not found: no menu and no transfer request within --wait\n"
    "  5  the transfer failed: the board cancelled it, or a block or the end was never acknowledged\n"
    "  6  interrupted (Ctrl-C or SIGTERM); the transfer was cancelled so the board shows its menu again\n";

struct UploadOptions {
  std::vector<std::string> arguments;  // PORT... IMAGE
  std::vector<std::string> ports;
  std::uint32_t baud = 115200;
  std::size_t block = 1024;
  double wait = 60;
  double monitor = 0;
  bool force = false;
};

std::atomic<bool> g_stop{false};

extern "C" void stop_upload(int) {
  g_stop.store(true);
  // A second Ctrl-C ends the tool at once.
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
}

std::string duration_text(double seconds) {
  const long s = std::lround(std::clamp(seconds, 0.0, 359999.0));
  char text[32];
  std::snprintf(text, sizeof text, "%ld:%02ld", s / 60, s % 60);
  return text;
}

// The console of the whole run: our notes and the boards' lines scroll; on a terminal, below
// them, one live progress line per board in transfer. In a pipe or a log, progress is a plain
// line at every tenth of the image.
class Display {
 public:
  Display(std::FILE* out, std::vector<std::string> labels)
      : out_(out), tty_(::isatty(::fileno(out)) != 0), labels_(std::move(labels)), rows_(labels_.size()),
        tenths_(labels_.size(), 0) {}

  // `error` lines go to standard error, so that a script sees why without parsing the progress.
  void line(std::size_t board, const std::string& text, bool error = false) {
    std::lock_guard lock(mutex_);
    erase_rows();
    std::fflush(out_);
    std::fprintf(error ? stderr : out_, "%s%s\n", prefix(board).c_str(), text.c_str());
    draw_rows();
  }

  void progress(std::size_t board, std::size_t done, std::size_t total, unsigned resends, double elapsed) {
    std::lock_guard lock(mutex_);
    const double fraction = total == 0 ? 1.0 : static_cast<double>(done) / static_cast<double>(total);
    const double rate = elapsed > 0 ? static_cast<double>(done) / elapsed : 0;
    const double left = rate > 0 ? static_cast<double>(total - done) / rate : 0;
    char numbers[160];
    std::snprintf(numbers, sizeof numbers, "%3.0f%%  %zu/%zu bytes  %.1f KB/s  %s left%s", fraction * 100, done, total,
                  rate / 1024, duration_text(left).c_str(),
                  resends != 0 ? ("  " + std::to_string(resends) + " resent").c_str() : "");
    if (tty_) {
      constexpr int kWidth = 24;
      const int filled = static_cast<int>(fraction * kWidth);
      rows_[board] = prefix(board) + "[" + std::string(static_cast<std::size_t>(filled), '#') +
                     std::string(static_cast<std::size_t>(kWidth - filled), '.') + "] " + numbers;
      const auto now = std::chrono::steady_clock::now();
      if (done == total || now - last_draw_ >= std::chrono::milliseconds(100)) {
        erase_rows();
        draw_rows();
        last_draw_ = now;
      }
      return;
    }
    const int tenth = static_cast<int>(fraction * 10);
    if (tenth <= tenths_[board]) return;
    tenths_[board] = tenth;
    std::fprintf(out_, "%s%s\n", prefix(board).c_str(), numbers);
    std::fflush(out_);
  }

  // The board's transfer is over: its live line stays where it is as the last state, and what
  // follows scrolls below it.
  void end_progress(std::size_t board) {
    std::lock_guard lock(mutex_);
    if (rows_[board].empty()) return;
    erase_rows();
    std::fprintf(out_, "%s\n", rows_[board].c_str());
    rows_[board].clear();
    draw_rows();
  }

 private:
  std::string prefix(std::size_t board) const { return labels_.size() > 1 ? labels_[board] + ": " : ""; }

  void erase_rows() {
    if (!tty_ || drawn_ == 0) return;
    std::fprintf(out_, "\x1b[%zuA\r\x1b[J", drawn_);
    drawn_ = 0;
  }
  void draw_rows() {
    if (tty_) {
      for (const auto& r : rows_) {
        if (r.empty()) continue;
        std::fprintf(out_, "%s\n", r.c_str());
        ++drawn_;
      }
    }
    std::fflush(out_);
  }

  std::mutex mutex_;
  std::FILE* out_;
  bool tty_;
  std::vector<std::string> labels_;
  std::vector<std::string> rows_;
  std::vector<int> tenths_;
  std::size_t drawn_ = 0;
  std::chrono::steady_clock::time_point last_draw_{};
};

int run_upload(UploadOptions o) {
  // PORT... IMAGE: the last argument is the image, everything before it a port.
  if (o.arguments.empty()) {
    std::cerr << "ovrimo upload: give the serial port(s) and the image: ovrimo upload /dev/ttyUSB0 app.bin\n";
    return kBadCommandLine;
  }
  const std::string image_path = o.arguments.back();
  o.ports.insert(o.ports.end(), o.arguments.begin(), o.arguments.end() - 1);
  if (o.ports.empty()) {
    std::cerr << "ovrimo upload: no serial port given (ovrimo upload PORT IMAGE, or --port PORT)\n";
    return kBadCommandLine;
  }
  if (std::set<std::string>(o.ports.begin(), o.ports.end()).size() != o.ports.size()) {
    std::cerr << "ovrimo upload: a port is given twice\n";
    return kBadCommandLine;
  }

  AppImage image;
  try {
    image = read_image(image_path);
  } catch (const ImageFileError& e) {
    std::error_code ec;
    // `ovrimo upload app.bin /dev/ttyUSB0` takes the port for the image.
    const bool port = std::filesystem::is_character_file(image_path, ec);
    std::cerr << "ovrimo upload: " << e.what() << (port ? "; the image comes last, after the port" : "") << "\n";
    return kBadImage;
  }
  const ImageReport report = check_image(image);
  bool refused = false;
  // An image linked for another address fails the other checks as a consequence; its one line
  // says what to fix.
  const auto blocking = report.inside.passed ? std::vector<const ImageCheck*>{&report.fits, &report.vectors}
                                             : std::vector<const ImageCheck*>{&report.inside};
  for (const ImageCheck* c : blocking) {
    if (c->passed) continue;
    std::cerr << "ovrimo upload: " << image_path << ": " << c->verdict << "\n";
    refused = true;
  }
  if (!report.metadata.passed && !refused && !o.force) {
    std::cerr << "ovrimo upload: " << image_path << ": " << report.metadata.verdict
              << "; --force sends it anyway\n";
    refused = true;
  }
  if (refused) return kBadImage;
  const auto version = image_version(image.bytes);
  std::printf("%s: %s, %zu bytes, version %s, SHA-256 %s\n", image_path.c_str(), image.format.c_str(),
              image.bytes.size(), version ? to_string(*version).c_str() : "none (sent with --force)",
              sha256_hex(image.bytes).c_str());
  std::fflush(stdout);

  UploadSettings settings;
  settings.block_size = o.block;
  settings.wait = std::chrono::milliseconds(static_cast<long long>(o.wait * 1000));
  settings.monitor = std::chrono::milliseconds(static_cast<long long>(o.monitor * 1000));

  Display display(stdout, o.ports);
  std::vector<UploadSummary> results(o.ports.size());
  g_stop.store(false);
  std::signal(SIGINT, stop_upload);
  std::signal(SIGTERM, stop_upload);
  std::signal(SIGPIPE, SIG_IGN);

  const auto upload_one = [&](std::size_t i) {
    const std::string& path = o.ports[i];
    try {
      SerialPort port(path, o.baud);
      UploadEvents events;
      events.note = [&, i](const std::string& text) { display.line(i, text); };
      events.board_line = [&, i](const std::string& text) { display.line(i, "board> " + text); };
      events.progress = [&, i](std::size_t done, std::size_t total, unsigned resends, double elapsed) {
        display.progress(i, done, total, resends, elapsed);
      };
      events.transfer_over = [&, i] { display.end_progress(i); };
      Uploader uploader(port, settings, events, g_stop);
      results[i] = uploader.run(image.bytes);
    } catch (const PortError& e) {
      results[i].outcome = UploadOutcome::PortProblem;
      results[i].detail = e.what();
    }
    const UploadSummary& r = results[i];
    if (r.outcome == UploadOutcome::Updated) {
      char text[200];
      std::snprintf(text, sizeof text, "done: %zu bytes in %.1f s, %.1f KB/s, %u resent; %s", r.bytes, r.seconds,
                    r.seconds > 0 ? static_cast<double>(r.bytes) / r.seconds / 1024 : 0.0, r.resends, r.detail.c_str());
      display.line(i, text);
    } else {
      display.line(i, "FAILED: " + r.detail, true);
    }
  };

  if (o.ports.size() == 1) {
    upload_one(0);
  } else {
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < o.ports.size(); ++i) threads.emplace_back(upload_one, i);
    for (auto& t : threads) t.join();
  }
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);

  int status = 0;
  for (const auto& r : results) status = std::max(status, static_cast<int>(r.outcome));
  return status;
}

}  // namespace

void add_upload_command(CLI::App& app, CommandRunner& run) {
  auto options = std::make_shared<UploadOptions>();
  CLI::App* upload = app.add_subcommand(
      "upload",
      "Update a board's application over its serial port: ovrimo upload /dev/ttyUSB0 app.bin\n\n"
      "The image (raw binary for 0x08010000, ELF or Intel HEX) is checked first, as `ovrimo image info`\n"
      "does; one that fails a check is not sent. Then the board is found in whatever state it is in: at its\n"
      "menu (the versions are shown and the question answered with 'Y'), already waiting for a transfer\n"
      "(its 'C' every second), or silent until you reset it. The image goes with XMODEM (CRC-16, 1024-byte\n"
      "blocks unless --block 128), its last block padded with 0xFF, flash's erased value. On a terminal one\n"
      "live line per board shows the progress; in a pipe or a log, one line every 10 %. Several ports\n"
      "update several boards at once. Ctrl-C cancels the transfer so that the board shows its menu again.");
  upload->add_option("arguments", options->arguments, "PORT... IMAGE: serial device(s), then the image")
      ->required();
  upload->add_option("--port", options->ports, "A further serial device to update (may be repeated)")
      ->allow_extra_args(false);
  upload->add_option("--baud", options->baud, "Line rate (default 115200; the board runs at 115200 8N1)")
      ->check(CLI::IsMember({9600u, 19200u, 38400u, 57600u, 115200u, 230400u, 460800u, 921600u}));
  upload->add_option("--block", options->block, "XMODEM block size: 1024 (default) or 128 for old setups")
      ->check(CLI::IsMember({std::size_t{128}, std::size_t{1024}}));
  upload->add_option("--wait", options->wait, "Seconds to wait for the board to show itself (default 60)")
      ->check(CLI::PositiveNumber);
  upload->add_option("--monitor", options->monitor,
                     "After the update, keep showing what the board prints for this many seconds")
      ->check(CLI::NonNegativeNumber);
  upload->add_flag("--force", options->force,
                   "Send an image without the metadata block (the bootloader then starts it only right after "
                   "the transfer, never after a power cycle); an image failing any other check is never sent");
  upload->footer(kUploadStatusHelp);
  upload->callback([&run, options] { run = [options] { return run_upload(*options); }; });
}

}  // namespace ovrimo::tools

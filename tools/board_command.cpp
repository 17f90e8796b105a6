// `ovrimo board`: power on the emulated board with a firmware image and run it.
#include <CLI/CLI.hpp>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commands.h"
#include "emu/emulator.h"
#include "peers/host_line.h"
#include "console_view.h"
#include "image_file.h"
#include "input_file.h"
#include "update_cli.h"

namespace ovrimo::tools {

namespace {

enum ExitStatus {
  kReached = 0,
  kBadInput = 1,
  kFirmwareFault = 2,
  kMaskedLoop = 3,
  kNotReached = 4,
  kInterrupted = 5,
};

constexpr const char* kExitStatusHelp =
    "Exit status:\n"
    "  0  the --until condition was met: the hand-off, the application's first line, the --expect\n"
    "     text, or the virtual time given\n"
    "  1  bad command line, an image that cannot be read or does not fit, or a flash file that\n"
    "     cannot be read or written\n"
    "  2  the firmware faulted: an access that nothing answers, an undefined instruction, a jump\n"
    "     where no code is, an exception handler that spins (the report names the PC, the address\n"
    "     and the function)\n"
    "  3  the firmware stopped in an endless loop with interrupts masked (Error_Handler)\n"
    "  4  the condition was not met: --limit came first, or the firmware waits for ever with\n"
    "     nothing left that could wake it\n"
    "  5  interrupted (Ctrl-C or SIGTERM)\n";

struct BoardOptions {
  std::string firmware;
  std::string load_address = "0x08000000";
  std::string app;
  std::string start_at;
  bool pty = false;
  bool stdio = false;
  std::string until;
  std::string expect;
  std::string limit;
  bool trace = false;
  bool skip_waits = true;
  bool unicorn = false;
  std::string flash_file;
};

std::atomic<emu::Emulator*> g_running{nullptr};

extern "C" void stop_on_signal(int) {
  if (emu::Emulator* e = g_running.load()) e->request_stop();
}

using InputError = InputFileError;

// Waiting for the hand-off, the application or a line ends here unless --limit says otherwise:
// a bootloader with no application to start shows its menu for ever, which is not a hang.
constexpr const char* kDefaultLimit = "300";

// The board's flash kept in a file as the flash itself: every program and erase the flash model
// completes is written to the file at once, so a run that is killed (SIGKILL, a closed terminal)
// leaves the file as a power cut leaves the chip, with the update as far as it had got.
class FlashFile {
 public:
  explicit FlashFile(const std::string& path) : path_(path) {
    // A device or a FIFO would take the writes and keep nothing (/dev/null) or fail at the first.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
      throw InputError(path + (S_ISDIR(st.st_mode) ? ": is a directory, not a file"
                                                   : ": not a regular file (the flash is kept in a plain file)"));
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT, 0644);
    if (fd_ < 0) throw InputError(path + ": cannot be written: " + std::strerror(errno));
  }
  ~FlashFile() { ::close(fd_); }
  FlashFile(const FlashFile&) = delete;
  FlashFile& operator=(const FlashFile&) = delete;

  // An empty file is a board whose flash was never kept (also one this run has just created).
  bool holds_flash() const {
    struct stat st {};
    return ::fstat(fd_, &st) == 0 && st.st_size != 0;
  }
  void store(const std::vector<std::uint8_t>& flash, std::uint32_t offset, std::uint32_t size) {
    while (size > 0 && error_.empty()) {
      const ssize_t n = ::pwrite(fd_, flash.data() + offset, size, static_cast<off_t>(offset));
      if (n <= 0) {
        error_ = path_ + ": cannot be written: " + std::strerror(errno);
        return;
      }
      offset += static_cast<std::uint32_t>(n);
      size -= static_cast<std::uint32_t>(n);
    }
  }
  const std::string& error() const { return error_; }

 private:
  std::string path_;
  int fd_ = -1;
  std::string error_;
};

// The console on this process's standard output, shown as `ovrimo demo` shows it: as it is on a
// terminal, with readable markers in a pipe or a log. Each byte is flushed at once, as a terminal
// on the board's line would show it.
class ConsoleLinePeer : public peers::HostLinePeer {
 public:
  explicit ConsoleLinePeer(int in_fd) : HostLinePeer(in_fd, -1), view_(stdout, ConsoleView::style_for(stdout)) {}
  ~ConsoleLinePeer() override { view_.finish(); }

  void on_byte_from_device(std::uint16_t value, model::Time time) override {
    HostLinePeer::on_byte_from_device(value, time);
    view_.device_byte(static_cast<std::uint8_t>(value));
    std::fflush(stdout);
  }

 private:
  ConsoleView view_;
};

std::uint32_t parse_address(const std::string& text, const char* what) {
  try {
    std::size_t used = 0;
    const unsigned long long v = std::stoull(text, &used, 0);
    if (used == text.size() && v <= 0xFFFFFFFFull) return static_cast<std::uint32_t>(v);
  } catch (const std::exception&) {
  }
  throw InputError(std::string(what) + ": not an address: " + text);
}

int run_board(const BoardOptions& o) {
  enum class Until { Nothing, HandOff, App, Seconds, Expect } until = Until::Nothing;
  model::Time until_time = 0;
  if (!o.expect.empty()) {
    until = Until::Expect;
  } else if (o.until == "handoff") {
    until = Until::HandOff;
  } else if (o.until == "app") {
    until = Until::App;
  } else if (!o.until.empty()) {
    try {
      until_time = parse_board_seconds(o.until, "--until");
    } catch (const InputError& e) {
      std::cerr << "ovrimo board: " << e.what() << " (or handoff, or app)\n";
      return kBadInput;
    }
    until = Until::Seconds;
  }
  if (!o.limit.empty() && (until == Until::Nothing || until == Until::Seconds)) {
    std::cerr << "ovrimo board: --limit goes with --until handoff, --until app or --expect; "
                 "to run for a given time, use --until SECONDS\n";
    return kBadInput;
  }
  const bool waits_for_condition = until != Until::Nothing && until != Until::Seconds;
  const std::string limit_text = o.limit.empty() ? kDefaultLimit : o.limit;
  model::Time limit = 0;
  try {
    if (waits_for_condition) limit = parse_board_seconds(limit_text, "--limit");
  } catch (const InputError& e) {
    std::cerr << "ovrimo board: " << e.what() << "\n";
    return kBadInput;
  }

  model::Board board;
  emu::EmulatorOptions emulator_options;
  emulator_options.skip_waits = o.skip_waits;
  if (o.unicorn) emulator_options.cpu = emu::EmulatorOptions::Cpu::Unicorn;
  emu::Emulator emulator(board, emulator_options);
  std::unique_ptr<FlashFile> flash_file;
  try {
    bool flash_file_held_app = false;
    // Opened for writing first: a file that cannot be written is found out now, not after the run.
    if (!o.flash_file.empty()) flash_file = std::make_unique<FlashFile>(o.flash_file);
    if (flash_file && flash_file->holds_flash()) {
      const auto saved = read_input_file(o.flash_file, model::FlashArray::kSize, "the flash");
      if (saved.size() != model::FlashArray::kSize)
        throw InputError(o.flash_file + ": holds " + std::to_string(saved.size()) + " bytes, not the " +
                         std::to_string(model::FlashArray::kSize) + " of the flash");
      board.flash_array().bytes() = saved;
      flash_file_held_app = true;
    }
    const std::uint32_t load_address = parse_address(o.load_address, "--load-address");
    const std::uint32_t start_at =
        o.start_at.empty() ? model::FlashArray::kBase : parse_address(o.start_at, "--start-at");
    for (const auto& [option, address] : {std::pair{"--load-address", load_address}, std::pair{"--start-at", start_at}})
      if (address - model::FlashArray::kBase >= model::FlashArray::kSize)
        throw InputError(std::string(option) + " " + hex32(address) + ": not in flash (" +
                         hex32(model::FlashArray::kBase) + ".." +
                         hex32(model::FlashArray::kBase + model::FlashArray::kSize - 1) + ")");
    // A raw image where the core takes its vector table from must begin with one.
    const AppImage firmware = read_image_for(o.firmware, whole_flash(load_address, load_address == start_at));
    program_flash(emulator, firmware);
    if (!o.app.empty()) {
      program_flash(emulator, read_image_for(o.app, flash_above_bootloader()));
      if (flash_file_held_app)
        std::cerr << "ovrimo board: " << o.app << " programmed at 0x08010000 over what " << o.flash_file
                  << " held there\n";
    }
    if (flash_file) {
      auto& bytes = board.flash_array().bytes();
      flash_file->store(bytes, 0, model::FlashArray::kSize);
      board.flash().on_flash_changed([&file = *flash_file, &bytes](std::uint32_t address, std::uint32_t size) {
        file.store(bytes, address - model::FlashArray::kBase, size);
      });
      if (!flash_file->error().empty()) throw InputError(flash_file->error());
    }
    require_vector_table(emulator, start_at, o.firmware, firmware);
    if (!o.start_at.empty()) {
      // As the bootloader's hand-off leaves the core: interrupts masked, VTOR on the image.
      board.core().primask = 1;
      emulator.boot_image(start_at);
    } else {
      emulator.reset();
    }
  } catch (const std::exception& e) {
    std::cerr << "ovrimo board: " << e.what() << "\n";
    return kBadInput;
  }

  std::unique_ptr<peers::PseudoTerminal> pty;
  std::unique_ptr<peers::RawTerminal> raw_terminal;
  std::unique_ptr<peers::HostLinePeer> peer;
  if (o.pty) {
    try {
      pty = std::make_unique<peers::PseudoTerminal>();
    } catch (const std::exception& e) {
      std::cerr << "ovrimo board: cannot create a pseudo-terminal: " << e.what() << "\n";
      return kBadInput;
    }
    peer = std::make_unique<peers::HostLinePeer>(pty->fd(), pty->fd());
    std::cout << "USART2 on " << pty->path() << std::endl;
  } else if (o.stdio) {
    raw_terminal = std::make_unique<peers::RawTerminal>(0);
    peer = std::make_unique<ConsoleLinePeer>(0);
  } else {
    peer = std::make_unique<ConsoleLinePeer>(-1);
  }
  board.usart2().attach(*peer);
  if (peer->has_input()) emulator.set_real_time_source(peer.get());

  const bool started_as_app = !o.start_at.empty();
  switch (until) {
    case Until::HandOff: emulator.set_stop_at_handoff(true); break;
    case Until::App:
      emulator.set_line_watch([&](const emu::PrintedLine& line) {
        if (started_as_app) return true;
        return board.core().handoff.has_value() && line.start >= board.core().handoff->when;
      });
      break;
    case Until::Expect:
      emulator.set_line_watch(
          [&](const emu::PrintedLine& line) { return line.text.find(o.expect) != std::string::npos; });
      break;
    default: break;
  }
  if (until == Until::Seconds) emulator.set_time_limit(board.now() + until_time);
  if (waits_for_condition) emulator.set_time_limit(board.now() + limit);
  if (o.trace) emulator.set_trace(&std::cerr);

  g_running.store(&emulator);
  std::signal(SIGINT, stop_on_signal);
  std::signal(SIGTERM, stop_on_signal);
  std::signal(SIGPIPE, SIG_IGN);
  const auto wall_start = std::chrono::steady_clock::now();
  const std::uint64_t instructions_before = emulator.instructions();
  const emu::RunResult result = emulator.run();
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_start).count();
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  g_running.store(nullptr);
  board.usart2().detach();
  raw_terminal.reset();

  int status = kReached;
  switch (result.reason) {
    case emu::StopReason::HandOff:
    case emu::StopReason::OutputMatched: status = kReached; break;
    case emu::StopReason::TimeLimit: status = until == Until::Seconds ? kReached : kNotReached; break;
    case emu::StopReason::Stalled: status = until == Until::Seconds ? kReached : kNotReached; break;
    case emu::StopReason::Fault: status = kFirmwareFault; break;
    case emu::StopReason::MaskedSpin: status = kMaskedLoop; break;
    case emu::StopReason::Interrupted: status = kInterrupted; break;
    case emu::StopReason::Returned: status = kNotReached; break;  // only native runs return
  }

  if (flash_file && !flash_file->error().empty()) {
    std::cerr << "ovrimo board: " << flash_file->error() << "\n";
    status = kBadInput;
  }

  const double virtual_seconds = model::to_seconds(board.now());
  const double instructions = static_cast<double>(emulator.instructions() - instructions_before);
  std::fprintf(stderr, "\novrimo board: %s: %s\n", emu::to_string(result.reason), result.detail.c_str());
  if (waits_for_condition && result.reason == emu::StopReason::TimeLimit)
    std::fprintf(stderr, "ovrimo board: the condition was not met within %s s of board time (%s)\n",
                 limit_text.c_str(), o.limit.empty() ? "the default limit; --limit SECONDS to change it" : "--limit");
  std::fprintf(stderr,
               "ovrimo board: %.6f s of board time in %.3f s (%.1f times real time), %.1f million instructions "
               "(%.1f million per second)\n",
               virtual_seconds, wall, wall > 0 ? virtual_seconds / wall : 0.0, instructions / 1e6,
               wall > 0 ? instructions / wall / 1e6 : 0.0);
  return status;
}

}  // namespace

void add_board_command(CLI::App& app, CommandRunner& run) {
  auto options = std::make_shared<BoardOptions>();
  CLI::App* board = app.add_subcommand(
      "board",
      "Power on the emulated Ovrimo board with a firmware image and run it.\n\n"
      "The image runs instruction by instruction (Thumb-2, on a Cortex-M33 CPU) against models of\n"
      "the board's flash, SRAM and peripherals, in virtual time. It is an ELF or Intel HEX file, loaded\n"
      "where it was linked (the bootloader: bootloader.elf or bootloader.hex), or a raw binary loaded at\n"
      "--load-address. Each image is programmed as a programmer would: the flash pages it touches are\n"
      "erased first, the rest of flash is left alone.\n\n"
      "USART2 is the console. By default what the board sends goes to standard output; --stdio also\n"
      "sends your keystrokes to the board; --pty gives the board a pseudo-terminal of its own, whose\n"
      "path is printed (\"USART2 on /dev/pts/N\"), for picocom, sx or the uploader. With a terminal\n"
      "attached, virtual time never runs ahead of real time while the firmware waits for input, so\n"
      "its timeouts last as long as on the board; while input is arriving it runs as fast as it can.\n\n"
      "A summary line on standard error tells how the run ended, how much board time passed and how\n"
      "fast the emulation ran.");
  board->add_option("firmware", options->firmware, "Firmware image: ELF, Intel HEX, or a raw binary (see --load-address)")
      ->required();
  board->add_option("--load-address", options->load_address,
                    "Where a raw firmware image goes in flash (default 0x08000000)");
  board->add_option("--app", options->app,
                    "Application image programmed before power-on, as a programmer would (the pages it covers are "
                    "erased first): ELF or Intel HEX where it was linked, or a raw binary (.bin) at 0x08010000");
  board->add_option("--start-at", options->start_at,
                    "Instead of a power-on reset, start the image whose vector table is at this address the way "
                    "the bootloader's hand-off leaves the core (VTOR set, stack pointer and entry from the table, "
                    "interrupts masked); e.g. 0x08010000 to run an application alone");
  auto* pty = board->add_flag("--pty", options->pty, "Connect USART2 to a new pseudo-terminal and print its path");
  auto* stdio = board->add_flag("--stdio", options->stdio,
                                "Connect USART2 to standard input and output (a terminal is put in raw mode; "
                                "Ctrl-C stops the board)");
  pty->excludes(stdio);
  auto* until = board->add_option(
      "--until", options->until,
      "Stop with status 0 at: 'handoff' (the bootloader jumps to the application; the core state at that "
      "moment is recorded), 'app' (the application completes its first line of output), or a number of "
      "seconds of board time");
  auto* expect = board->add_option("--expect", options->expect,
                                   "Stop with status 0 when the board prints a line containing this text");
  expect->excludes(until);
  board->add_option("--limit", options->limit,
                    "Give up (status 4) if the --until handoff/app or --expect condition has not been met after "
                    "this many seconds of board time (default 300)");
  board->add_flag("--trace", options->trace,
                  "Print every register access, exception entry and return, pin edge and the hand-off to "
                  "standard error, stamped with board time");
  add_no_skip_flag(*board, options->skip_waits);
  add_unicorn_flag(*board, options->unicorn);
  board->add_option("--flash-file", options->flash_file,
                    "Keep the board's flash in this file (2 MB) across runs, as across power cycles: read before "
                    "power-on if it exists, and written as the flash changes, so a killed run is a power cut. The firmware image and --app are "
                    "programmed over it.");
  board->footer(kExitStatusHelp);
  board->callback([&run, options] { run = [options] { return run_board(*options); }; });
}

}  // namespace ovrimo::tools

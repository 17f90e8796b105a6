#include "uploader.h"

#include <cstdio>
#include <vector>

#include "peers/xmodem_sender.h"

namespace ovrimo::tools {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using peers::XmodemSender;

constexpr std::uint8_t kFill = 0xFF;  // the erased value: flash beyond the image stays as erased
constexpr std::uint8_t kEsc = 0x1B;
// The bootloader's start request is a 'C' on its own, once a second; a 'C' of text is followed by
// the rest of its line within a character time or a USB adapter's latency.
constexpr milliseconds kStartRequestQuiet{60};
// How long the line must be quiet after the question before the answer: the board is still
// finishing its line and then starts its receive.
constexpr milliseconds kAnswerDelay{20};
constexpr milliseconds kPoll{20};
constexpr milliseconds kSilenceBeforeHint{2000};
// The question gets one answer per showing; if no start request follows, the board missed it.
constexpr milliseconds kStartAfterAnswer{4000};

}  // namespace

// What the board prints, as lines without escape sequences; also tells whether a byte is text.
class Uploader::Console {
 public:
  explicit Console(const UploadEvents& events) : events_(events) {}

  // Feeds one byte that is not protocol. Returns true when it completed a line.
  bool feed(std::uint8_t byte) {
    switch (escape_) {
      case Escape::Esc: escape_ = byte == '[' ? Escape::Csi : Escape::None; return false;
      case Escape::Csi:
        if (byte >= 0x40 && byte <= 0x7E) escape_ = Escape::None;
        return false;
      case Escape::None: break;
    }
    if (byte == kEsc) {
      escape_ = Escape::Esc;
      return false;
    }
    if (byte == '\r' || byte == '\n') {
      if (line_.empty()) return false;
      last_ = line_;
      line_.clear();
      if (events_.board_line) events_.board_line(last_);
      return true;
    }
    if (byte >= 0x20 && byte < 0x7F) line_ += static_cast<char>(byte);
    return false;
  }
  bool in_escape() const { return escape_ != Escape::None; }
  bool at_line_start() const { return line_.empty(); }
  const std::string& last_line() const { return last_; }
  // Whatever is left of an unfinished line, shown before we print something of our own.
  void flush() {
    if (line_.empty()) return;
    last_ = line_;
    line_.clear();
    if (events_.board_line) events_.board_line(last_);
  }

 private:
  enum class Escape { None, Esc, Csi } escape_ = Escape::None;
  const UploadEvents& events_;
  std::string line_, last_;
};

Uploader::Uploader(SerialPort& port, UploadSettings settings, UploadEvents events, const std::atomic<bool>& stop)
    : port_(port), settings_(settings), events_(std::move(events)), stop_(stop) {}

UploadSummary Uploader::run(std::span<const std::uint8_t> image) {
  Console console(events_);
  UploadSummary summary;
  try {
    switch (find_board(console)) {
      case Found::Polling: break;
      case Found::NotFound:
        summary.outcome = UploadOutcome::BoardNotFound;
        summary.detail = "no bootloader answered within " + std::to_string(settings_.wait.count() / 1000) +
                         " s (wiring: board TX PD5 to adapter RX, board RX PD6 to adapter TX, GND; 3.3 V levels)";
        return summary;
      case Found::Interrupted:
        summary.outcome = UploadOutcome::Interrupted;
        summary.detail = "interrupted before the transfer started";
        return summary;
    }
    summary = send(image, console);
    if (events_.transfer_over) events_.transfer_over();  // a failed one too; saying so twice is harmless
    if (summary.outcome == UploadOutcome::Updated && settings_.monitor.count() > 0) {
      show_board(console, settings_.monitor, nullptr);
      console.flush();
    }
  } catch (const PortError& e) {
    console.flush();
    summary.outcome = UploadOutcome::PortProblem;
    summary.detail = e.what();
  }
  return summary;
}

Uploader::Found Uploader::find_board(Console& console) {
  const auto start = Clock::now();
  auto last_byte = start;
  bool hinted = false;
  constexpr auto kNever = Clock::time_point::max();
  auto lone_c = kNever;      // a 'C' outside text, not yet followed by anything
  auto answer_due = kNever;  // the question is complete; answer once quiet
  auto answered = kNever;    // when we sent 'Y'
  std::string bootloader, application;  // as the menu shows them

  for (;;) {
    if (stop_) {
      // Answered already: the board waits in its receiver; a cancel brings its menu back at once.
      if (answered != kNever) cancel(console);
      return Found::Interrupted;
    }
    const auto b = port_.read_byte(kPoll);
    const auto now = Clock::now();
    const bool quiet_before = now - last_byte >= kStartRequestQuiet;
    if (!b) {
      if (lone_c != kNever && now - lone_c >= kStartRequestQuiet) return Found::Polling;
      if (now >= answer_due) {
        answer_due = kNever;
        std::string versions;
        if (!bootloader.empty()) versions += ", bootloader " + bootloader;
        if (!application.empty())
          versions += ", installed application " + application + (application == "ff.ff.ff" ? " (none)" : "");
        events_.note("board at its menu" + versions + "; answering 'Y'");
        port_.write_byte('Y');
        answered = now;
      }
      if (answered != kNever && now - answered > kStartAfterAnswer) {
        events_.note("no transfer started after the answer; waiting for the menu again");
        answered = kNever;
      }
      if (!hinted && now - last_byte >= kSilenceBeforeHint) {
        events_.note("nothing from the board yet: reset it (RESET button or power); waiting up to " +
                     std::to_string(settings_.wait.count() / 1000) + " s");
        hinted = true;
      }
      if (now - start >= settings_.wait) return Found::NotFound;
      continue;
    }
    last_byte = now;
    if (answer_due != kNever) answer_due = now + kAnswerDelay;  // not before the line is quiet
    if (lone_c != kNever) {
      // Two start requests back to back: they had been waiting in the port's buffer.
      if (*b == 'C') return Found::Polling;
      lone_c = kNever;
      console.feed('C');
    }
    if (*b == 'C' && !console.in_escape() && (console.at_line_start() || quiet_before)) {
      lone_c = now;
      continue;
    }
    if (!console.feed(*b)) continue;
    const std::string& line = console.last_line();
    const auto version = [&line] {
      const auto open = line.rfind('('), close = line.rfind(')');
      return open != std::string::npos && close > open ? line.substr(open + 1, close - open - 1) : std::string();
    };
    if (line.rfind("BL Version:", 0) == 0) bootloader = version();
    if (line.rfind("Firmware Version:", 0) == 0) application = version();
    // Any other line after the question means it is no longer asked (the board timed out).
    answer_due = line.find("Send 'Y'") != std::string::npos ? now + kAnswerDelay : kNever;
  }
}

UploadSummary Uploader::send(std::span<const std::uint8_t> image, Console& console) {
  UploadSummary s;
  const std::size_t block = settings_.block_size;
  const std::size_t blocks = (image.size() + block - 1) / block;
  const std::uint8_t header = block == 1024 ? XmodemSender::kStx : XmodemSender::kSoh;
  // Start requests that piled up while nobody read the port must not be taken for replies.
  port_.discard_input();
  events_.note("transfer started: " + std::to_string(image.size()) + " bytes in " + std::to_string(blocks) + " blocks of " +
               std::to_string(block));
  const auto started = Clock::now();

  enum class Reply { Ack, Nak, Cancel, None };
  // Waits for the board's answer to what we just sent. A lone CAN can be line noise; two end it.
  const auto await_reply = [&](milliseconds timeout) {
    auto until = Clock::now() + timeout;
    bool can = false, stop_seen = false;
    for (;;) {
      if (stop_ && !stop_seen) {
        // Cancelling: a block in flight is answered within milliseconds; do not sit out a timeout.
        stop_seen = true;
        until = std::min(until, Clock::now() + milliseconds(1000));
      }
      const auto left = std::chrono::duration_cast<milliseconds>(until - Clock::now());
      if (left.count() <= 0) return Reply::None;
      const auto b = port_.read_byte(std::min(left, milliseconds(100)));
      if (!b) continue;
      if (*b == XmodemSender::kAck) return Reply::Ack;
      if (*b == XmodemSender::kNak) return Reply::Nak;
      if (*b == XmodemSender::kCan) {
        if (can) return Reply::Cancel;
        can = true;
        until = std::min(until, Clock::now() + milliseconds(1000));
        continue;
      }
      can = false;  // a late start request or noise: not an answer
    }
  };

  std::vector<std::uint8_t> data(block);
  for (std::size_t i = 0; i < blocks; ++i) {
    const std::size_t offset = i * block, n = std::min(block, image.size() - offset);
    std::fill(std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(offset), n, data.begin()), data.end(), kFill);
    const auto frame = XmodemSender::frame(header, static_cast<std::uint8_t>(i + 1), data);
    for (unsigned attempt = 0;; ++attempt) {
      if (stop_) {
        const bool menu = cancel(console);
        s.outcome = UploadOutcome::Interrupted;
        s.detail = "interrupted at block " + std::to_string(i + 1) + " of " + std::to_string(blocks) + "; " +
                   (menu ? "the board is back at its menu" : "the board did not show its menu again");
        s.bytes = offset;
        return s;
      }
      if (attempt == settings_.max_attempts) {
        const bool menu = cancel(console);
        s.outcome = UploadOutcome::TransferFailed;
        s.detail = "block " + std::to_string(i + 1) + " not acknowledged after " + std::to_string(attempt) +
                   " attempts; transfer cancelled" + (menu ? ", the board is back at its menu" : "");
        return s;
      }
      if (attempt > 0) ++s.resends;
      port_.write(frame);
      const Reply r = await_reply(i == 0 ? settings_.first_reply : settings_.reply);
      if (r == Reply::Ack) break;
      if (r == Reply::Cancel) {
        const bool menu = show_board(console, milliseconds(3000), "Send 'Y'");
        s.outcome = UploadOutcome::TransferFailed;
        s.detail = "the board cancelled the transfer at block " + std::to_string(i + 1) +
                   " (it stops at its third error or on a flash error)" + (menu ? "; it is back at its menu" : "");
        s.bytes = offset;
        return s;
      }
    }
    s.bytes = offset + n;
    if (events_.progress)
      events_.progress(s.bytes, image.size(), s.resends, std::chrono::duration<double>(Clock::now() - started).count());
  }

  for (unsigned attempt = 0;; ++attempt) {
    if (attempt == 5) {
      s.outcome = UploadOutcome::TransferFailed;
      s.detail = "the end of the transfer (EOT) was not acknowledged";
      return s;
    }
    if (attempt > 0) ++s.resends;
    port_.write_byte(XmodemSender::kEot);
    const Reply r = await_reply(settings_.reply);
    if (r == Reply::Ack) break;
    if (r == Reply::Cancel) {
      s.outcome = UploadOutcome::TransferFailed;
      s.detail = "the board cancelled the transfer at its end";
      return s;
    }
  }
  s.seconds = std::chrono::duration<double>(Clock::now() - started).count();
  if (events_.transfer_over) events_.transfer_over();
  // The board confirms and starts the new image; its own words are the proof.
  const bool jumped = show_board(console, milliseconds(3000), "Jumping to user application");
  s.outcome = UploadOutcome::Updated;
  s.detail = jumped ? "the board reported the update and started the application"
                    : "the transfer was acknowledged, but the board did not report the jump to the application";
  return s;
}

bool Uploader::cancel(Console& console) {
  // The board's receiver ends the transfer on one CAN where it reads a block header, and its menu
  // then takes the next byte as the answer to its question: a second CAN sent at once would boot
  // the application. So the second CAN goes only if the first did not end the transfer.
  port_.write_byte(XmodemSender::kCan);
  const auto at_menu = [&] { return console.last_line().find("Send 'Y'") != std::string::npos; };
  if (!show_board(console, milliseconds(1500), "Failed")) port_.write_byte(XmodemSender::kCan);
  return at_menu() || show_board(console, milliseconds(5000), "Send 'Y'");
}

bool Uploader::show_board(Console& console, milliseconds duration, const char* until) {
  // A line the board is still printing when the time is up is shown to its end, unless the board
  // falls silent in the middle of it for this long.
  constexpr milliseconds kRestOfLine{500};
  const auto end = Clock::now() + duration;
  bool seen = false;
  for (;;) {
    const auto left = std::chrono::duration_cast<milliseconds>(end - Clock::now());
    const bool overtime = left.count() <= 0;
    if (overtime && console.at_line_start()) break;
    std::optional<std::uint8_t> b;
    try {
      b = port_.read_byte(overtime ? kRestOfLine : std::min(left, milliseconds(100)));
    } catch (const PortError&) {
      break;  // the line closing is the end of what there is to show, not a failed update
    }
    if (!b) {
      if (seen || overtime) break;
      continue;
    }
    if (console.feed(*b) && until != nullptr && console.last_line().find(until) != std::string::npos) seen = true;
  }
  console.flush();
  return seen;
}

}  // namespace ovrimo::tools

// The lines the firmware prints on USART2, found in the line log, and the stop a watched line asks for.
#include "emu/emulator.h"


#include "emu/emulator_internal.h"

namespace ovrimo::emu {

using namespace detail;

std::optional<RunResult> Emulator::scan_output() {
  scan_line_log();
  if (output_stop_ && board_.now() >= output_stop_->at) {
    std::string detail = std::move(output_stop_->detail);
    output_stop_.reset();
    return stop(StopReason::OutputMatched, detail);
  }
  return std::nullopt;
}

bool Emulator::output_unscanned() const {
  const auto& log = board_.usart2().line_log();
  if (line_scan_ >= log.size()) return false;
  const model::LineByte& b = log[line_scan_];
  return b.direction != model::LineByte::Direction::FromDevice || b.outcome != model::LineByte::Outcome::InFlight;
}

void Emulator::scan_line_log() {
  const auto& log = board_.usart2().line_log();
  while (line_scan_ < log.size()) {
    const model::LineByte& b = log[line_scan_];
    if (b.direction == model::LineByte::Direction::FromDevice) {
      if (b.outcome == model::LineByte::Outcome::InFlight) break;
      if (b.outcome == model::LineByte::Outcome::Delivered) {
        const char c = static_cast<char>(b.value & 0xFF);
        if (c == '\r' || c == '\n') {
          if (!line_text_.empty()) {
            lines_.push_back(PrintedLine{line_text_, line_start_, b.end});
            line_text_.clear();
            ++line_scan_;
            if (line_watch_ && !output_stop_ && line_watch_(lines_.back())) {
              // Stop once the rest of the line ending (CR LF) has had time to leave as well.
              output_stop_ = OutputStop{board_.now() + 2 * board_.usart2().frame_time(),
                                        "printed \"" + lines_.back().text + "\""};
            }
            continue;
          }
        } else {
          if (line_text_.empty()) line_start_ = b.start;
          line_text_ += c;
        }
      }
    }
    ++line_scan_;
  }
}

}  // namespace ovrimo::emu

#include "console_view.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <sstream>

namespace ovrimo::tools {

namespace {

constexpr std::uint8_t kEsc = 0x1B, kCr = '\r', kLf = '\n';

constexpr std::array<const char*, 8> kColours = {"black", "red", "green", "yellow", "blue", "magenta", "cyan", "white"};

std::string sgr_name(int code) {
  if (code == 0) return "reset";
  if (code == 1) return "bold";
  if (code == 22) return "normal";
  if (code >= 30 && code <= 37) return kColours[static_cast<std::size_t>(code - 30)];
  if (code == 39) return "default colour";
  if (code >= 40 && code <= 47) return std::string("on ") + kColours[static_cast<std::size_t>(code - 40)];
  if (code == 49) return "default background";
  return "SGR " + std::to_string(code);
}

std::string hex_marker(std::uint8_t byte) {
  char text[16];
  std::snprintf(text, sizeof text, "⟨0x%02X⟩", static_cast<unsigned>(byte));
  return text;
}

}  // namespace

ConsoleView::Style ConsoleView::style_for(std::FILE* out) {
  return ::isatty(::fileno(out)) != 0 ? Style::Terminal : Style::Readable;
}

void ConsoleView::put(std::string_view text) {
  if (text.empty()) return;
  std::fwrite(text.data(), 1, text.size(), out_);
  at_line_start_ = text.back() == '\n';
}

void ConsoleView::start_own_line() {
  if (status_shown_) end_status();
  if (!at_line_start_) put("\n");
}

void ConsoleView::device_byte(std::uint8_t byte) {
  if (status_shown_) end_status();
  if (style_ == Style::Terminal) {
    const char c = static_cast<char>(byte);
    std::fwrite(&c, 1, 1, out_);
    // After a lone CR the cursor is at the start of the board's line, which a note would
    // overwrite: only LF counts as a fresh line.
    at_line_start_ = byte == kLf;
    if (byte == kCr || byte == kLf) std::fflush(out_);
    return;
  }
  readable(byte);
}

void ConsoleView::readable(std::uint8_t byte) {
  switch (escape_) {
    case Escape::Esc:
      if (byte == '[') {
        escape_ = Escape::Csi;
        parameters_.clear();
      } else {
        escape_ = Escape::None;
        put("⟨ESC⟩");
        readable(byte);
      }
      return;
    case Escape::Csi:
      if ((byte >= '0' && byte <= '9') || byte == ';' || byte == '?') {
        parameters_.push_back(static_cast<char>(byte));
      } else {
        escape_ = Escape::None;
        escape_sequence(static_cast<char>(byte), parameters_);
      }
      return;
    case Escape::None: break;
  }

  if (byte == kCr || byte == kLf) {
    if (line_end_ != 0 && line_end_ != static_cast<char>(byte)) {
      line_end_ = 0;  // the second half of CR LF or LF CR
      return;
    }
    line_end_ = static_cast<char>(byte);
    put("\n");
    std::fflush(out_);
    return;
  }
  line_end_ = 0;
  if (byte == kEsc) {
    escape_ = Escape::Esc;
  } else if (byte == '\t' || (byte >= 0x20 && byte < 0x7F)) {
    const char c = static_cast<char>(byte);
    put(std::string_view(&c, 1));
  } else {
    put(hex_marker(byte));
  }
}

void ConsoleView::escape_sequence(char final, const std::string& parameters) {
  if (final == 'm') {
    std::string names;
    std::istringstream in(parameters.empty() ? std::string("0") : parameters);
    std::string field;
    while (std::getline(in, field, ';')) {
      if (!names.empty()) names += ' ';
      names += sgr_name(field.empty() ? 0 : std::stoi(field));
    }
    put("⟨" + names + "⟩");
  } else if (final == 'J' && parameters == "2") {
    put("⟨clear screen⟩");
  } else if (final == 'H' && (parameters.empty() || parameters == "1;1")) {
    put("⟨cursor home⟩");
  } else {
    put("⟨ESC[" + parameters + std::string(1, final) + "⟩");
  }
}

void ConsoleView::note(std::string_view text) {
  start_own_line();
  put(text);
  put("\n");
  std::fflush(out_);
}

void ConsoleView::status(std::string_view text, bool keep) {
  if (style_ == Style::Terminal) {
    if (!status_shown_ && !at_line_start_) put("\n");
    std::fputs("\r", out_);
    put(text);
    std::fputs("\x1b[K", out_);
    status_shown_ = true;
    at_line_start_ = false;
    std::fflush(out_);
    return;
  }
  if (!keep) return;
  start_own_line();
  put(text);
  put("\n");
  std::fflush(out_);
}

void ConsoleView::end_status() {
  if (!status_shown_) return;
  status_shown_ = false;
  put("\n");
}

void ConsoleView::finish() {
  if (status_shown_) end_status();
  if (style_ == Style::Terminal) std::fputs("\x1b[0m", out_);
  if (!at_line_start_) {
    put("\n");
  }
  std::fflush(out_);
}

}  // namespace ovrimo::tools

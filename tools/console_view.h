// What the board prints on its console, shown to the person running a host tool.
//
// On a terminal the bytes go through as they are, so colours and the screen clear look as they
// do on the board's own terminal. Anywhere else (a pipe, a file, a CI log) escape sequences
// become readable markers such as ⟨bold yellow⟩ or ⟨clear screen⟩, CR LF, LF CR, a lone CR or a
// lone LF each end one line, and other control bytes are shown by their code (⟨0x18⟩).
// Our own notes and a status line (the transfer's progress) appear between the board's lines.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace ovrimo::tools {

class ConsoleView {
 public:
  enum class Style { Terminal, Readable };

  // Terminal when `out` is a terminal, Readable otherwise.
  static Style style_for(std::FILE* out);

  ConsoleView(std::FILE* out, Style style) : out_(out), style_(style) {}
  ConsoleView(const ConsoleView&) = delete;
  ConsoleView& operator=(const ConsoleView&) = delete;

  Style style() const { return style_; }

  // One byte the board sent.
  void device_byte(std::uint8_t byte);
  // A line of our own, on a line of its own.
  void note(std::string_view text);
  // The status line: rewritten in place on a terminal; on a log only lines given with
  // `keep` set are written, so that the log holds a few milestones instead of every update.
  void status(std::string_view text, bool keep);
  // Ends the status line (it stays as the last state) and returns to the board's output.
  void end_status();
  // Leaves the terminal as it was found: default colours, output flushed.
  void finish();

 private:
  void readable(std::uint8_t byte);
  void escape_sequence(char final, const std::string& parameters);
  void put(std::string_view text);
  void start_own_line();

  std::FILE* out_;
  Style style_;
  bool at_line_start_ = true;
  bool status_shown_ = false;

  // Readable style: escape sequence being collected, and the line ending just seen.
  enum class Escape { None, Esc, Csi } escape_ = Escape::None;
  std::string parameters_;
  char line_end_ = 0;  // CR or LF when the last byte ended a line, so its partner is not a second
};

}  // namespace ovrimo::tools

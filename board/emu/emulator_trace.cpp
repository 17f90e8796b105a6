// Tracing: register accesses, pin edges and events, one line each, stamped with board time.
#include "emu/emulator.h"

#include <cstdio>

#include "emu/emulator_internal.h"

namespace ovrimo::emu {

using namespace detail;

void Emulator::set_trace(std::ostream* out) {
  trace_ = out;
  if (trace_ == nullptr) {
    board_.bus().set_observer({});
    return;
  }
  board_.bus().set_observer([this](const model::BusAccess& a) {
    char text[128];
    std::snprintf(text, sizeof text, "%s %-12s 0x%08X %s 0x%0*X", a.is_write ? "write" : "read ",
                  a.region->c_str(), static_cast<unsigned>(a.address), a.is_write ? "<-" : "->",
                  static_cast<int>(2 * a.size), static_cast<unsigned>(a.value));
    trace_line(text);
  });
  pin_trace_seen_.assign(9, 0);
  for (unsigned i = 0; i < 9; ++i) pin_trace_seen_[i] = board_.gpio(static_cast<char>('A' + i)).trace().size();
}

void Emulator::trace_line(const std::string& text) {
  if (trace_ == nullptr) return;
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "[%14.9f] ", model::to_seconds(board_.now()));
  *trace_ << stamp << text << '\n';
}

void Emulator::trace_pins() {
  for (unsigned i = 0; i < 9; ++i) {
    const auto& events = board_.gpio(static_cast<char>('A' + i)).trace();
    for (std::size_t k = pin_trace_seen_[i]; k < events.size(); ++k) {
      char text[64];
      std::snprintf(text, sizeof text, "pin P%c%u -> %s", 'A' + i, events[k].pin, model::to_string(events[k].drive));
      trace_line(text);
    }
    pin_trace_seen_[i] = events.size();
  }
}

}  // namespace ovrimo::emu

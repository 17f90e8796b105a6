// Runs the firmware sources natively against the board model.
//
// The device layer's native variant forwards every register access, core instruction and
// device-memory access here. Each access costs a fixed number of core cycles of virtual time,
// after which any exception the core would now take (SysTick while PRIMASK is clear, the NMI of a
// flash ECC error) is delivered by calling the firmware's handler. A run ends by throwing Stop, which the
// Binding::run helper turns into a RunResult: the hand-off, an endless loop with interrupts
// masked (Error_Handler), a fault, or the virtual time limit. A test therefore never ends by
// hanging.
//
// Polling skip: a wait for a flag or for the tick costs one access after another in virtual
// time, which is host time too. When the last reads repeat identically (see PollingWatch) and
// nothing can change what they return before the next scheduled event, the binding moves time on
// by whole repetitions to just before that event (or the time limit): the firmware's next access
// happens at the very virtual time it would have without the skip and reads the same values. The
// one assumption is the watch's: a loop of such reads that includes the tick leaves only when a
// read changes, which is what a wait bounded by a timeout does. Code that counts its turns or
// looks at anything besides the device (a test loop watching board time) breaks it: switch the
// skip off there.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "model/board.h"
#include "model/run.h"
#include "native/polling_watch.h"

namespace ovrimo::native {

struct Costs {
  std::uint32_t register_access_cycles = 2;  // one load or store on the peripheral bus
  std::uint32_t get_tick_cycles = 8;         // call, load of uwTick, return
  std::uint32_t nop_cycles = 1;
  std::uint32_t exception_cycles = 24;       // entry and return, 12 cycles each
};

using model::StopReason;
using model::to_string;

class Stop : public std::runtime_error {
 public:
  Stop(StopReason reason, const std::string& detail) : std::runtime_error(detail), reason_(reason) {}
  StopReason reason() const { return reason_; }

 private:
  StopReason reason_;
};

struct RunResult {
  StopReason reason = StopReason::Returned;
  std::string detail;
  model::Time at = 0;  // virtual time when the run ended
};

// Attaches a board to the native firmware for the lifetime of the object (one at a time).
class Binding {
 public:
  explicit Binding(model::Board& board, Costs costs = {});
  ~Binding();
  Binding(const Binding&) = delete;
  Binding& operator=(const Binding&) = delete;

  model::Board& board() { return board_; }
  const Costs& costs() const { return costs_; }

  // Virtual time after which the next access ends the run with StopReason::TimeLimit.
  void set_time_limit(model::Time limit) { time_limit_ = limit; }
  model::Time time_limit() const { return time_limit_; }

  // See the polling skip above; on by default.
  void set_skip_polling(bool on);
  bool skip_polling() const { return skip_polling_; }
  // Waits skipped so far and the virtual time they covered.
  struct Skipped {
    std::uint64_t waits = 0;
    model::Time time = 0;
  };
  const Skipped& skipped() const { return skipped_; }

  // Calls `firmware` and reports how it ended.
  RunResult run(const std::function<void()>& firmware);

  // Entry points of the device layer (see device_native.h).
  std::uint32_t read(std::uint32_t address, unsigned size);
  void write(std::uint32_t address, std::uint32_t value, unsigned size);
  void set_primask(std::uint32_t value);
  void nop();
  void barrier();
  std::uint32_t get_tick();
  [[noreturn]] void start_image(std::uint32_t main_stack, std::uint32_t entry);

  // Spend `cycles` core cycles, then take any exception that is due.
  void spend(std::uint32_t cycles);

  static Binding& current();

 private:
  void deliver_exceptions();
  // Pending exceptions change only through events, writes, PRIMASK and reads with side effects;
  // between those the check before every access would find what it found last time.
  void exceptions_may_have_changed() { exceptions_checked_ = kNotChecked; }
  void check_time_limit();
  // core_cycles() divides 128-bit numbers; the binding asks for the same few costs all the time.
  model::Time cycles_time(std::uint32_t cycles);
  // Polling skip: every access either extends the watched run of steady reads or ends it.
  void watch_read(std::uint32_t address, std::uint32_t value, unsigned size, std::uint32_t cycles);
  void forget_polling() { watch_.forget(); }
  void skip_wait();

  model::Board& board_;
  Costs costs_;
  model::Time time_limit_;
  bool in_delivery_ = false;
  bool skip_polling_ = true;
  PollingWatch watch_;
  std::uint64_t watched_events_ = 0;  // the scheduler's event count when the run began
  static constexpr std::uint64_t kNotChecked = ~std::uint64_t{0};
  std::uint64_t exceptions_checked_ = kNotChecked;  // the event count when nothing was due
  Skipped skipped_;
  struct CycleCost {
    std::uint32_t cycles = 0;
    std::uint32_t hz = 0;
    model::Time time = 0;
  };
  std::array<CycleCost, 8> cycle_costs_{};
};

}  // namespace ovrimo::native

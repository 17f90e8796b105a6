// Virtual time and the event queue every peripheral model runs on.
//
// Time is counted in picoseconds so that clock periods (250 ns at 4 MHz, 8.75 us per bit at the
// 35-cycle baud divisor) and their multiples stay exact. Nothing here reads the wall clock: a run
// is a pure function of its inputs.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>
#include <utility>

namespace ovrimo::model {

using Time = std::uint64_t;  // picoseconds since power-on

constexpr Time kPicosecond = 1;
constexpr Time kNanosecond = 1000;
constexpr Time kMicrosecond = 1000 * kNanosecond;
constexpr Time kMillisecond = 1000 * kMicrosecond;
constexpr Time kSecond = 1000 * kMillisecond;

// Duration of `cycles` periods of a clock running at `hz` (rounded to the nearest picosecond).
constexpr Time cycles_to_time(std::uint64_t cycles, std::uint64_t hz) {
  if (hz == 0) return 0;
  // The emulator asks at every register access, nearly always for a few cycles: 64 bits hold
  // those, and a 128-bit division costs many times a 64-bit one.
  if (cycles < (std::uint64_t{1} << 63) / kSecond) return (cycles * kSecond + hz / 2) / hz;
  const unsigned __int128 ps = static_cast<unsigned __int128>(cycles) * kSecond;
  return static_cast<Time>((ps + hz / 2) / hz);
}

// Number of whole periods of a clock at `hz` that fit in `t`.
constexpr std::uint64_t time_to_cycles(Time t, std::uint64_t hz) {
  std::uint64_t product = 0;
  if (!__builtin_mul_overflow(t, hz, &product)) return product / kSecond;
  return static_cast<std::uint64_t>(static_cast<unsigned __int128>(t) * hz / kSecond);
}

constexpr double to_seconds(Time t) { return static_cast<double>(t) / static_cast<double>(kSecond); }

// A single-threaded discrete-event scheduler. Events due at the same instant run in the order
// they were scheduled.
class Scheduler {
 public:
  using EventId = std::uint64_t;

  Time now() const { return now_; }

  EventId at(Time when, std::function<void()> action);
  EventId after(Time delay, std::function<void()> action) { return at(now_ + delay, std::move(action)); }
  // Cancelling an event that already ran (or an id of 0) is harmless.
  void cancel(EventId id);
  bool pending(EventId id) const;

  // Moves time forward to `t`, running every event due at or before it, each at its own instant.
  void advance_to(Time t);
  void advance(Time d) { advance_to(now_ + d); }

  std::optional<Time> next_event_time() const;
  // Events run so far: a runner that saw the same count before and after a stretch of accesses
  // knows nothing scheduled changed the board meanwhile.
  std::uint64_t events_run() const { return events_run_; }

 private:
  Time now_ = 0;
  std::uint64_t events_run_ = 0;
  EventId next_id_ = 1;
  struct Event {
    Time when;
    EventId id;
    std::function<void()> action;
  };
  // Ordered by (time, id) from the last element back: ids grow, so equal times keep scheduling
  // order, and the next event is taken off the end. Most events are scheduled a little ahead of
  // the others pending (up to a hundred during an update), so they land near the end too. A flat
  // array does this without allocating per event, which a tree did twice.
  std::vector<Event> queue_;
};

}  // namespace ovrimo::model

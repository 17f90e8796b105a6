// Recognises a polling wait from the outside: the native firmware's locals are invisible, so a
// wait shows itself only as a run of side-effect-free reads (steady registers, the tick) that
// repeats with the same addresses, values and costs. The binding feeds every such read in and
// forgets the run at anything else (a write, any other read, a scheduled event, an exception).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "model/time.h"

namespace ovrimo::native {

class PollingWatch {
 public:
  // Longest repetition recognised, in reads, and how many identical repetitions in a row make a
  // wait. A real wait (a flag and the tick, the receive wait's five reads) repeats thousands of
  // times per tick, so asking for several costs little and keeps a loop that merely happens to
  // read the same values twice from being taken for one.
  static constexpr std::size_t kMaxPeriod = 16;
  static constexpr std::size_t kRepetitions = 4;

  struct Read {
    std::uint32_t address = 0;  // 0 for the tick
    std::uint32_t value = 0;
    std::uint8_t size = 0;      // 0 for the tick, else bytes read
    model::Time cost = 0;       // virtual time the access took
    bool operator==(const Read&) const = default;
  };

  // Anything that is not part of a wait: the run and the last wait are both forgotten.
  void forget();
  // A scheduled event or an exception ends the run but not the wait recognised before it: the
  // tick moving on, or a byte arriving that the wait does not look at, leaves the same loop
  // behind. A long wait sees such an event every millisecond (the tick), and recognising the loop
  // again from scratch each time is where the time went.
  void event();
  void note(const Read& read);

  // Virtual time of one repetition when the last reads are kRepetitions identical repetitions
  // that include a tick read (a wait bounded by a timeout), else nothing. After an event the
  // wait recognised before it is accepted again from one whole repetition, rotated to wherever
  // the event left the loop and with the tick at its new value, followed by the first read of the
  // next repetition: every read of the loop has then been made, and continued from, with the new
  // values. The next read is then the one a repetition earlier, and so on, until a read changes.
  std::optional<model::Time> period();

 private:
  static constexpr std::size_t kKept = 2 * kMaxPeriod;
  const Read& back(std::size_t distance) const { return kept_[(count_ - distance) % kKept]; }
  std::optional<model::Time> same_wait_as_before_the_event() const;
  std::optional<model::Time> repetition(std::size_t k);

  std::array<Read, kKept> kept_{};
  std::size_t count_ = 0;
  // matches_[k]: how many of the latest reads equal the read k places before them.
  std::array<std::size_t, kMaxPeriod + 1> matches_{};
  // The shortest k whose matches make kRepetitions repetitions, 0 for none.
  std::size_t repeating_ = 0;
  // The repetition of the last wait recognised, oldest read first; empty when forgotten.
  std::array<Read, kMaxPeriod> wait_{};
  std::size_t wait_length_ = 0;
};

}  // namespace ovrimo::native

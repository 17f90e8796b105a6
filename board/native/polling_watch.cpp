#include "native/polling_watch.h"

namespace ovrimo::native {

void PollingWatch::forget() {
  count_ = 0;
  matches_.fill(0);
}

void PollingWatch::note(const Read& read) {
  for (std::size_t k = 1; k <= kMaxPeriod; ++k) {
    matches_[k] = (count_ >= k && back(k) == read) ? matches_[k] + 1 : 0;
  }
  kept_[count_ % kKept] = read;
  ++count_;
}

std::optional<model::Time> PollingWatch::period() const {
  for (std::size_t k = 1; k <= kMaxPeriod; ++k) {
    if (matches_[k] < (kRepetitions - 1) * k) continue;
    // The shortest repetition; any longer one is made of it, so it decides alone.
    model::Time duration = 0;
    bool reads_tick = false;
    for (std::size_t d = 1; d <= k; ++d) {
      duration += back(d).cost;
      reads_tick = reads_tick || back(d).size == 0;
    }
    if (!reads_tick || duration == 0) return std::nullopt;
    return duration;
  }
  return std::nullopt;
}

}  // namespace ovrimo::native

#include "native/polling_watch.h"

namespace ovrimo::native {

void PollingWatch::forget() {
  event();
  wait_length_ = 0;
}

void PollingWatch::event() {
  count_ = 0;
  matches_.fill(0);
  repeating_ = 0;
}

void PollingWatch::note(const Read& read) {
  repeating_ = 0;
  const std::size_t reach = count_ < kMaxPeriod ? count_ : kMaxPeriod;
  for (std::size_t k = 1; k <= reach; ++k) {
    matches_[k] = back(k) == read ? matches_[k] + 1 : 0;
    if (repeating_ == 0 && matches_[k] >= (kRepetitions - 1) * k) repeating_ = k;
  }
  kept_[count_ % kKept] = read;
  ++count_;
}

std::optional<model::Time> PollingWatch::period() {
  if (repeating_ != 0) return repetition(repeating_);
  return same_wait_as_before_the_event();
}

// The shortest repetition decides alone: any longer one is made of it.
std::optional<model::Time> PollingWatch::repetition(std::size_t k) {
  model::Time duration = 0;
  bool reads_tick = false;
  for (std::size_t d = 1; d <= k; ++d) {
    duration += back(d).cost;
    reads_tick = reads_tick || back(d).size == 0;
  }
  if (!reads_tick || duration == 0) return std::nullopt;
  for (std::size_t d = k; d >= 1; --d) wait_[k - d] = back(d);
  wait_length_ = k;
  return duration;
}

std::optional<model::Time> PollingWatch::same_wait_as_before_the_event() const {
  const std::size_t k = wait_length_;
  if (k == 0 || count_ != k + 1 || back(k + 1) != back(1)) return std::nullopt;
  // The tick reads all give the tick's new value: no event came between them.
  const auto alike = [](const Read& seen, const Read& before) {
    return seen.size == 0 ? before.size == 0 && seen.cost == before.cost : seen == before;
  };
  for (std::size_t rotation = 0; rotation < k; ++rotation) {
    bool all = true;
    for (std::size_t i = 0; i < k && all; ++i) all = alike(back(k + 1 - i), wait_[(rotation + i) % k]);
    if (!all) continue;
    model::Time duration = 0;
    for (std::size_t i = 0; i < k; ++i) duration += wait_[i].cost;
    return duration;
  }
  return std::nullopt;
}

}  // namespace ovrimo::native

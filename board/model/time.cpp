#include "model/time.h"

#include <algorithm>

namespace ovrimo::model {

Scheduler::EventId Scheduler::at(Time when, std::function<void()> action) {
  if (when < now_) when = now_;
  const EventId id = next_id_++;
  // The new id is the largest: it goes after every event due at or before `when`.
  auto place = std::upper_bound(queue_.begin() + static_cast<std::ptrdiff_t>(head_), queue_.end(), when,
                                [](Time t, const Event& e) { return t < e.when; });
  queue_.insert(place, Event{when, id, std::move(action)});
  return id;
}

void Scheduler::cancel(EventId id) {
  const auto it = std::find_if(queue_.begin() + static_cast<std::ptrdiff_t>(head_), queue_.end(),
                               [id](const Event& e) { return e.id == id; });
  if (it != queue_.end()) queue_.erase(it);
}

bool Scheduler::pending(EventId id) const {
  return std::any_of(queue_.begin() + static_cast<std::ptrdiff_t>(head_), queue_.end(),
                     [id](const Event& e) { return e.id == id; });
}

void Scheduler::advance_to(Time t) {
  while (head_ < queue_.size() && queue_[head_].when <= t) {
    Event& first = queue_[head_];
    now_ = first.when;
    auto action = std::move(first.action);
    ++head_;
    if (head_ == queue_.size()) {
      queue_.clear();
      head_ = 0;
    } else if (head_ >= 64 && head_ * 2 >= queue_.size()) {
      queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(head_));
      head_ = 0;
    }
    ++events_run_;
    action();  // may schedule or cancel further events
  }
  if (t > now_) now_ = t;
}

std::optional<Time> Scheduler::next_event_time() const {
  if (head_ == queue_.size()) return std::nullopt;
  return queue_[head_].when;
}

}  // namespace ovrimo::model

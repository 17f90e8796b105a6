#include "model/time.h"

#include <algorithm>

namespace ovrimo::model {

Scheduler::EventId Scheduler::at(Time when, std::function<void()> action) {
  if (when < now_) when = now_;
  const EventId id = next_id_++;
  // The new id is the largest: it runs after every event due at or before `when`.
  auto place = std::partition_point(queue_.begin(), queue_.end(), [when](const Event& e) { return e.when > when; });
  queue_.insert(place, Event{when, id, std::move(action)});
  return id;
}

void Scheduler::cancel(EventId id) {
  const auto it = std::find_if(queue_.rbegin(), queue_.rend(), [id](const Event& e) { return e.id == id; });
  if (it != queue_.rend()) queue_.erase(std::next(it).base());
}

bool Scheduler::pending(EventId id) const {
  return std::any_of(queue_.rbegin(), queue_.rend(), [id](const Event& e) { return e.id == id; });
}

void Scheduler::advance_to(Time t) {
  while (!queue_.empty() && queue_.back().when <= t) {
    now_ = queue_.back().when;
    auto action = std::move(queue_.back().action);
    queue_.pop_back();
    ++events_run_;
    action();  // may schedule or cancel further events
  }
  if (t > now_) now_ = t;
}

std::optional<Time> Scheduler::next_event_time() const {
  if (queue_.empty()) return std::nullopt;
  return queue_.back().when;
}

}  // namespace ovrimo::model

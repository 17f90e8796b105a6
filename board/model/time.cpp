#include "model/time.h"

namespace ovrimo::model {

Scheduler::EventId Scheduler::at(Time when, std::function<void()> action) {
  if (when < now_) when = now_;
  const EventId id = next_id_++;
  queue_.emplace(std::make_pair(when, id), std::move(action));
  index_.emplace(id, when);
  return id;
}

void Scheduler::cancel(EventId id) {
  const auto it = index_.find(id);
  if (it == index_.end()) return;
  queue_.erase({it->second, id});
  index_.erase(it);
}

bool Scheduler::pending(EventId id) const { return index_.count(id) != 0; }

void Scheduler::advance_to(Time t) {
  while (!queue_.empty()) {
    auto first = queue_.begin();
    if (first->first.first > t) break;
    now_ = first->first.first;
    auto action = std::move(first->second);
    index_.erase(first->first.second);
    queue_.erase(first);
    ++events_run_;
    action();  // may schedule or cancel further events
  }
  if (t > now_) now_ = t;
}

std::optional<Time> Scheduler::next_event_time() const {
  if (queue_.empty()) return std::nullopt;
  return queue_.begin()->first.first;
}

}  // namespace ovrimo::model

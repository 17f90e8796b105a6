#include "peers/scripted_peer.h"

namespace ovrimo::peers {

using model::frames_of;

void ScriptedPeer::enqueue(Time at, std::vector<std::uint16_t> frames) {
  if (closed_) return;
  if (line_ == nullptr) {
    deferred_.push_back(Deferred{at, true, [this, at, frames = std::move(frames)] {
                                   line_->send_to_device(std::span<const std::uint16_t>(frames), at, format_);
                                 }});
    return;
  }
  line_->send_to_device(std::span<const std::uint16_t>(frames), at, format_);
}

void ScriptedPeer::send_at(Time at, std::string_view bytes) { enqueue(at, frames_of(bytes)); }

void ScriptedPeer::send_at(Time at, std::span<const std::uint8_t> bytes) {
  enqueue(at, std::vector<std::uint16_t>(bytes.begin(), bytes.end()));
}

void ScriptedPeer::send(std::string_view bytes) {
  enqueue(line_ != nullptr ? line_->scheduler().now() : 0, frames_of(bytes));
}

void ScriptedPeer::reply_to(std::string trigger, std::string reply, Time delay, unsigned times) {
  rules_.push_back(Rule{std::move(trigger), std::move(reply), delay, times, received_.size(), false});
}

void ScriptedPeer::at_time(Time at, std::function<void()> action) {
  if (line_ == nullptr) {
    deferred_.push_back(Deferred{at, false, std::move(action)});
    return;
  }
  line_->scheduler().at(at, [this, action = std::move(action)] {
    if (line_ != nullptr) action();
  });
}

void ScriptedPeer::pause_at(Time at, Time duration) {
  at_time(at, [this, duration] {
    line_->pause_to_device();
    line_->scheduler().after(duration, [this] {
      if (line_ != nullptr) line_->resume_to_device();
    });
  });
}

void ScriptedPeer::close_at(Time at) {
  at_time(at, [this] {
    closed_ = true;
    line_->detach();
  });
}

void ScriptedPeer::on_attach(DeviceLine& line) {
  LinePeer::on_attach(line);
  // Steps written before the peer was connected, in the order they were given: sends queue at
  // once (the line starts each at its time), timed steps are scheduled.
  auto steps = std::move(deferred_);
  deferred_.clear();
  for (Deferred& step : steps) {
    if (line_ == nullptr) break;
    if (step.queue_now) {
      step.action();
    } else {
      at_time(step.at, std::move(step.action));
    }
  }
}

void ScriptedPeer::on_detach() { LinePeer::on_detach(); }

void ScriptedPeer::on_byte_from_device(std::uint16_t value, Time time) {
  received_.push_back(static_cast<char>(value & 0xFFu));
  received_times_.push_back(time);
  for (Rule& rule : rules_) {
    if (rule.done || line_ == nullptr) continue;
    const std::size_t n = rule.trigger.size();
    if (received_.size() < rule.search_from + n) continue;
    if (received_.compare(received_.size() - n, n, rule.trigger) != 0) continue;
    rule.search_from = received_.size();
    line_->send_to_device(rule.reply, time + rule.delay, format_);
    if (rule.remaining != 0 && --rule.remaining == 0) rule.done = true;
  }
}

}  // namespace ovrimo::peers

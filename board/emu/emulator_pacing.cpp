// Board time against real time: waiting for the next event, and holding virtual time back to
// real time while a peer from outside may send.
#include "emu/emulator.h"

#include <algorithm>
#include <chrono>

#include "emu/emulator_internal.h"

namespace ovrimo::emu {

using namespace detail;

void Emulator::set_real_time_source(RealTimeSource* source) {
  real_time_ = source;
  real_base_wall_ = std::chrono::steady_clock::now();
  real_base_virtual_ = board_.now();
  real_ahead_ = 0;
  poll_countdown_ = 1;
}

bool Emulator::wait_for_event() {
  std::optional<model::Time> target = board_.time().next_event_time();
  if (time_limit_ && (!target || *time_limit_ < *target)) target = time_limit_;
  if (output_stop_ && (!target || output_stop_->at < *target)) target = output_stop_->at;
  if (real_time_ != nullptr) {
    // Input may come from outside at any moment: follow real time.
    auto allowed = [this] { return real_time_allows(); };
    const model::Time a = allowed();
    if (!target || *target > a) {
      const model::Time wait = target ? *target - a : 20 * model::kMillisecond;
      real_time_->wait(std::chrono::microseconds(std::clamp<model::Time>(wait / model::kMicrosecond, 1, 20000)));
      real_time_->poll();
      target = target ? std::min(*target, allowed()) : allowed();
    }
  } else if (!target) {
    return false;
  }
  if (*target > board_.now()) {
    board_.time().advance_to(*target);
    anchor_time_ = board_.now();
    wait_skip_.forget();
  }
  return true;
}

model::Time Emulator::real_time_allows() const {
  return real_base_virtual_ + wall_to_time(std::chrono::steady_clock::now() - real_base_wall_) + real_ahead_;
}

void Emulator::throttle() {
  if (--poll_countdown_ == 0) {
    poll_countdown_ = 256;
    real_time_->poll();
  }
  auto allowed = [this] { return real_time_allows(); };
  if (real_time_->input_in_flight()) {
    // Run flat out while input is queued; remember how far ahead that took us so that
    // the wait that follows still counts from here.
    const model::Time a = allowed();
    if (board_.now() > a) real_ahead_ += board_.now() - a;
    return;
  }
  while (!stop_requested_.load()) {
    const model::Time a = allowed();
    if (board_.now() <= a) break;
    const model::Time ahead = board_.now() - a;
    real_time_->wait(std::chrono::microseconds(std::clamp<model::Time>(ahead / model::kMicrosecond, 1, 20000)));
    real_time_->poll();
    if (real_time_->input_in_flight()) break;
  }
}
}  // namespace ovrimo::emu

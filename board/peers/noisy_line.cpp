#include "peers/noisy_line.h"

#include <algorithm>
#include <cmath>

namespace ovrimo::peers {

namespace {

// Frames from the device are always 8-bit here: the bootloader's line is 8N1.
constexpr unsigned kDeviceDataBits = 8;

// Spreads a small seed over the generator's state, so that seeds 1, 2, 3 give unrelated noise.
std::uint64_t mix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

}  // namespace

NoisyLine::Dice::Dice(const LineNoise& noise, std::uint64_t seed) : noise_(noise), engine_(mix(seed)) { draw_gap(); }

bool NoisyLine::Dice::roll(double probability) { return probability > 0 && uniform() < probability; }

// Bit errors are rare and independent: the distance to the next one is geometric, drawn once
// per error instead of one draw per bit.
void NoisyLine::Dice::draw_gap() {
  const double p = noise_.bit_error_rate;
  if (p <= 0) {
    bits_to_next_flip_ = UINT64_MAX;
    return;
  }
  if (p >= 1) {
    bits_to_next_flip_ = 0;
    return;
  }
  const double u = 1.0 - uniform();  // in (0, 1]
  const double gap = std::floor(std::log(u) / std::log1p(-p));
  bits_to_next_flip_ = gap >= 1e18 ? UINT64_MAX : static_cast<std::uint64_t>(gap);
}

std::uint16_t NoisyLine::Dice::flips(unsigned bits) {
  std::uint16_t mask = 0;
  unsigned bit = 0;
  while (bits_to_next_flip_ < bits - bit) {
    bit += static_cast<unsigned>(bits_to_next_flip_);
    mask = static_cast<std::uint16_t>(mask | (1u << bit));
    ++bit;
    draw_gap();
  }
  if (bits_to_next_flip_ != UINT64_MAX) bits_to_next_flip_ -= bits - bit;
  return mask;
}

Time NoisyLine::Dice::pause() {
  const Time span = noise_.pause_max > noise_.pause_min ? noise_.pause_max - noise_.pause_min : 0;
  return noise_.pause_min + static_cast<Time>(uniform() * static_cast<double>(span));
}

NoisyLine::NoisyLine(model::LinePeer& far_end, LineNoise to_device, LineNoise from_device, std::uint64_t seed)
    : far_end_(far_end),
      to_device_(to_device),
      from_device_(from_device),
      to_dice_(to_device, 2 * seed),
      from_dice_(from_device, 2 * seed + 1),
      self_(std::make_shared<NoisyLine*>(this)) {}

NoisyLine::~NoisyLine() = default;

std::size_t NoisyLine::count(Fault::Kind kind, Direction direction) const {
  return static_cast<std::size_t>(std::count_if(faults_.begin(), faults_.end(), [&](const Fault& f) {
    return f.kind == kind && f.direction == direction;
  }));
}

void NoisyLine::on_attach(model::DeviceLine& line) {
  LinePeer::on_attach(line);
  far_end_.on_attach(*this);
}

void NoisyLine::on_detach() {
  far_end_.on_detach();
  LinePeer::on_detach();
}

// Runs of undisturbed frames go to the device as one burst; a lost frame or a stall ends a run,
// and the next one starts after the gap it leaves on the wire.
void NoisyLine::send_to_device(std::span<const std::uint16_t> frames, Time earliest, model::LineFormat format) {
  if (line_ == nullptr) return;
  const Time now = line_->scheduler().now();
  std::vector<std::uint16_t> run;
  Time gap = 0;
  auto flush = [&] {
    if (!run.empty() || gap > 0) {
      line_->send_to_device(std::span<const std::uint16_t>(run), earliest, format);
      earliest = std::max(earliest, line_->to_device_idle_at()) + gap;
      run.clear();
      gap = 0;
    }
  };
  const auto data_mask = static_cast<std::uint16_t>((1u << format.data_bits) - 1u);
  for (const std::uint16_t sent : frames) {
    if (to_dice_.roll(to_device_.pause_rate)) {
      const Time pause = to_dice_.pause();
      faults_.push_back(Fault{Fault::Kind::Pause, Direction::ToDevice, now, sent, sent, pause});
      flush();
      earliest = std::max(earliest, line_->to_device_idle_at()) + pause;
    }
    if (to_dice_.roll(to_device_.insert_rate)) {
      const std::uint16_t extra = to_dice_.value(format.data_bits);
      faults_.push_back(Fault{Fault::Kind::Insert, Direction::ToDevice, now, sent, extra});
      run.push_back(extra);
    }
    if (to_dice_.roll(to_device_.drop_rate)) {
      faults_.push_back(Fault{Fault::Kind::Drop, Direction::ToDevice, now, sent, sent});
      gap += format.frame_time();
      flush();
      continue;
    }
    const auto arrived = static_cast<std::uint16_t>(sent ^ (to_dice_.flips(format.data_bits) & data_mask));
    if (arrived != sent) faults_.push_back(Fault{Fault::Kind::Flip, Direction::ToDevice, now, sent, arrived});
    run.push_back(arrived);
  }
  if (!run.empty()) line_->send_to_device(std::span<const std::uint16_t>(run), earliest, format);
}

void NoisyLine::on_byte_from_device(std::uint16_t value, Time time) {
  if (from_dice_.roll(from_device_.pause_rate)) {
    const Time pause = from_dice_.pause();
    faults_.push_back(Fault{Fault::Kind::Pause, Direction::FromDevice, time, value, value, pause});
    from_device_held_until_ = std::max(from_device_held_until_, time) + pause;
  }
  if (from_dice_.roll(from_device_.insert_rate)) {
    const std::uint16_t extra = from_dice_.value(kDeviceDataBits);
    faults_.push_back(Fault{Fault::Kind::Insert, Direction::FromDevice, time, value, extra});
    deliver(extra, time);
  }
  if (from_dice_.roll(from_device_.drop_rate)) {
    faults_.push_back(Fault{Fault::Kind::Drop, Direction::FromDevice, time, value, value});
    return;
  }
  const auto arrived = static_cast<std::uint16_t>(value ^ from_dice_.flips(kDeviceDataBits));
  if (arrived != value) faults_.push_back(Fault{Fault::Kind::Flip, Direction::FromDevice, time, value, arrived});
  deliver(arrived, time);
}

// A frame held back by a stall reaches the peer when the stall ends, and every frame after it
// waits its turn: a cable does not reorder.
void NoisyLine::deliver(std::uint16_t value, Time at) {
  if (at >= from_device_held_until_) {
    far_end_.on_byte_from_device(value, at);
    return;
  }
  const Time when = from_device_held_until_;
  std::weak_ptr<NoisyLine*> weak = self_;
  line_->scheduler().at(when, [weak, value, when] {
    if (auto self = weak.lock(); self && (*self)->attached()) (*self)->far_end_.on_byte_from_device(value, when);
  });
}

}  // namespace ovrimo::peers

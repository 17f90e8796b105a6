#include "peers/xmodem_sender.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace ovrimo::peers {

std::uint16_t XmodemSender::crc16(std::span<const std::uint8_t> data) {
  std::uint16_t crc = 0;
  for (std::uint8_t byte : data) {
    crc = static_cast<std::uint16_t>(crc ^ (byte << 8));
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc & 0x8000u) != 0 ? static_cast<std::uint16_t>((crc << 1) ^ 0x1021u) : static_cast<std::uint16_t>(crc << 1);
    }
  }
  return crc;
}

std::vector<std::uint8_t> XmodemSender::frame(std::uint8_t header, std::uint8_t number,
                                              std::span<const std::uint8_t> data) {
  std::vector<std::uint8_t> out;
  out.reserve(data.size() + 5);
  out.push_back(header);
  out.push_back(number);
  out.push_back(static_cast<std::uint8_t>(255 - number));
  out.insert(out.end(), data.begin(), data.end());
  const std::uint16_t crc = crc16(data);
  out.push_back(static_cast<std::uint8_t>(crc >> 8));
  out.push_back(static_cast<std::uint8_t>(crc & 0xFF));
  return out;
}

XmodemSender::Fault XmodemSender::Fault::drop_byte(std::size_t offset) {
  Fault f;
  f.kind = Kind::DropByte;
  f.offset = offset;
  return f;
}
XmodemSender::Fault XmodemSender::Fault::corrupt_byte(std::size_t offset, std::uint8_t mask) {
  Fault f;
  f.kind = Kind::CorruptByte;
  f.offset = offset;
  f.mask = mask;
  return f;
}
XmodemSender::Fault XmodemSender::Fault::insert_byte(std::size_t offset, std::uint8_t value) {
  Fault f;
  f.kind = Kind::InsertByte;
  f.offset = offset;
  f.mask = value;
  return f;
}
XmodemSender::Fault XmodemSender::Fault::pause_before(Time duration) {
  Fault f;
  f.kind = Kind::PauseBefore;
  f.duration = duration;
  return f;
}
XmodemSender::Fault XmodemSender::Fault::pause_inside(std::size_t offset, Time duration) {
  Fault f;
  f.kind = Kind::PauseInside;
  f.offset = offset;
  f.duration = duration;
  return f;
}
XmodemSender::Fault XmodemSender::Fault::stray_bytes(std::vector<std::uint8_t> bytes) {
  Fault f;
  f.kind = Kind::StrayBytes;
  f.bytes = std::move(bytes);
  return f;
}
XmodemSender::Fault XmodemSender::Fault::lose_ack() {
  Fault f;
  f.kind = Kind::LoseAck;
  return f;
}

XmodemSender::XmodemSender() : XmodemSender(Options{}) {}

XmodemSender::XmodemSender(Options options)
    : options_(options), self_(std::make_shared<XmodemSender*>(this)) {}

XmodemSender::~XmodemSender() = default;

std::size_t XmodemSender::add_block(std::uint8_t header, std::span<const std::uint8_t> data) {
  return add_block_numbered(header, next_number_++, data);
}

std::size_t XmodemSender::add_block_numbered(std::uint8_t header, std::uint8_t number,
                                             std::span<const std::uint8_t> data) {
  Step step;
  step.kind = Step::Kind::Block;
  step.header = header;
  step.number = number;
  step.bytes.assign(data.begin(), data.end());
  plan_.push_back(std::move(step));
  return plan_.size() - 1;
}

void XmodemSender::add_image(std::span<const std::uint8_t> image, std::vector<std::size_t> sizes, bool repeat_last,
                             std::uint8_t fill) {
  if (sizes.empty()) sizes = {1024};
  std::size_t offset = 0;
  for (std::size_t i = 0; offset < image.size(); ++i) {
    const std::size_t size = repeat_last ? sizes[std::min(i, sizes.size() - 1)] : sizes[i % sizes.size()];
    std::vector<std::uint8_t> data(size, fill);
    const std::size_t n = std::min(size, image.size() - offset);
    std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(offset), n, data.begin());
    add_block(size == 1024 ? kStx : kSoh, data);
    offset += n;
  }
}

std::size_t XmodemSender::add_eot() {
  Step step;
  step.kind = Step::Kind::Eot;
  step.bytes = {kEot};
  plan_.push_back(std::move(step));
  return plan_.size() - 1;
}

std::size_t XmodemSender::add_cancel(unsigned count) {
  Step step;
  step.kind = Step::Kind::Cancel;
  step.bytes.assign(count, kCan);
  step.await_reply = false;
  plan_.push_back(std::move(step));
  return plan_.size() - 1;
}

std::size_t XmodemSender::add_raw(std::vector<std::uint8_t> bytes, bool await_reply) {
  Step step;
  step.kind = Step::Kind::Raw;
  step.bytes = std::move(bytes);
  step.await_reply = await_reply;
  plan_.push_back(std::move(step));
  return plan_.size() - 1;
}

std::size_t XmodemSender::add_ymodem_block0(std::string_view file_name, std::size_t file_size) {
  std::vector<std::uint8_t> data(128, 0);
  const std::string info = std::string(file_name) + '\0' + std::to_string(file_size);
  std::copy_n(info.begin(), std::min(info.size(), data.size()), data.begin());
  return add_block_numbered(kSoh, 0, data);
}

void XmodemSender::inject(std::size_t step, unsigned attempt, Fault fault) {
  faults_[{step, attempt}].push_back(std::move(fault));
}

template <typename F>
void XmodemSender::schedule(Time at, F action) {
  std::weak_ptr<XmodemSender*> weak = self_;
  line_->scheduler().at(at, [weak, action] {
    if (auto self = weak.lock()) action();
  });
}

void XmodemSender::on_attach(DeviceLine& line) {
  LinePeer::on_attach(line);
  if (plan_.empty()) {
    state_ = State::PlanExhausted;
    return;
  }
  if (options_.wait_for_start) {
    state_ = State::WaitingStart;
  } else {
    state_ = State::Transmitting;
    schedule(std::max(options_.start_at, line.scheduler().now()), [this] { transmit(line_->scheduler().now()); });
  }
}

void XmodemSender::on_detach() {
  LinePeer::on_detach();
  ++generation_;
}

void XmodemSender::transmit(Time earliest) {
  if (line_ == nullptr) return;
  const Step& step = plan_[step_];
  std::vector<std::uint8_t> bytes =
      step.kind == Step::Kind::Block ? frame(step.header, step.number, step.bytes) : step.bytes;

  std::vector<std::uint8_t> stray;
  std::size_t inside_at = SIZE_MAX;  // where a pause inside the frame goes
  Time inside_pause = 0;
  ack_lost_ = false;
  if (const auto it = faults_.find({step_, attempt_}); it != faults_.end()) {
    for (const Fault& fault : it->second) {
      switch (fault.kind) {
        case Fault::Kind::DropByte:
          if (fault.offset < bytes.size()) bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(fault.offset));
          break;
        case Fault::Kind::CorruptByte:
          if (fault.offset < bytes.size()) bytes[fault.offset] ^= fault.mask;
          break;
        case Fault::Kind::InsertByte:
          if (fault.offset <= bytes.size()) bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(fault.offset), fault.mask);
          break;
        case Fault::Kind::PauseBefore:
          earliest += fault.duration;
          break;
        case Fault::Kind::PauseInside:
          inside_at = fault.offset;
          inside_pause = fault.duration;
          break;
        case Fault::Kind::StrayBytes:
          stray.insert(stray.end(), fault.bytes.begin(), fault.bytes.end());
          break;
        case Fault::Kind::LoseAck:
          ack_lost_ = true;
          break;
      }
    }
  }

  const std::size_t split = std::min(inside_at, bytes.size());
  auto send = [this](std::span<const std::uint8_t> part, Time at) {
    if (part.empty()) return;
    const std::string text(part.begin(), part.end());
    line_->send_to_device(std::string_view(text), at, options_.format);
  };
  const Time start = std::max(earliest, line_->to_device_idle_at());
  std::vector<std::uint8_t> head(stray);
  head.insert(head.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(split));
  send(head, earliest);
  if (split < bytes.size()) {
    send(std::span<const std::uint8_t>(bytes).subspan(split), line_->to_device_idle_at() + inside_pause);
  }
  std::vector<std::uint8_t> all(stray);
  all.insert(all.end(), bytes.begin(), bytes.end());
  transmissions_.push_back(Transmission{step_, attempt_, start, std::move(all)});

  reply_from_ = std::max(line_->to_device_idle_at(), line_->scheduler().now());
  ++generation_;

  const bool awaits = step.kind == Step::Kind::Block || step.kind == Step::Kind::Eot ||
                      (step.kind == Step::Kind::Raw && step.await_reply);
  if (!awaits) {
    if (step.kind == Step::Kind::Cancel) {
      finish(State::PlanExhausted);
      return;
    }
    state_ = State::Transmitting;
    const std::uint64_t generation = generation_;
    schedule(reply_from_, [this, generation] {
      if (generation == generation_) advance_step();
    });
    return;
  }
  state_ = State::WaitingReply;
  arm_timeout(reply_from_);
}

void XmodemSender::arm_timeout(Time from) {
  const std::uint64_t generation = generation_;
  schedule(from + options_.reply_timeout, [this, generation] { on_timeout(generation); });
}

void XmodemSender::on_timeout(std::uint64_t generation) {
  if (generation != generation_ || state_ != State::WaitingReply) return;
  retry(line_->scheduler().now());
}

void XmodemSender::retry(Time now) {
  ++generation_;
  ++attempt_;
  if (attempt_ >= options_.max_attempts) {
    // What terminal programs do when they give up: cancel, so the receiver does not wait on.
    line_->send_to_device(std::string_view("\x18\x18", 2), now, options_.format);
    finish(State::GaveUp);
    return;
  }
  transmit(now + options_.turnaround);
}

void XmodemSender::advance_step() {
  ++step_;
  attempt_ = 0;
  if (step_ >= plan_.size()) {
    finish(State::PlanExhausted);
    return;
  }
  transmit(line_->scheduler().now() + options_.turnaround);
}

void XmodemSender::finish(State state) {
  state_ = state;
  ++generation_;
}

void XmodemSender::on_byte_from_device(std::uint16_t value, Time time) {
  const auto byte = static_cast<std::uint8_t>(value);
  received_.push_back(static_cast<char>(byte));
  received_times_.push_back(time);

  switch (state_) {
    case State::WaitingStart:
      if (byte == kC && ++start_requests_seen_ > options_.ignore_start_requests) {
        replies_.emplace_back(byte, time);
        state_ = State::Transmitting;
        transmit(time + options_.turnaround);
      }
      return;
    case State::WaitingReply:
      break;
    default:
      return;
  }

  // A cancel counts whenever it comes, even in the middle of our own transmission.
  if (byte == kCan) {
    replies_.emplace_back(byte, time);
    finish(State::Cancelled);
    return;
  }
  // Any other byte that ended before our transmission did answers an earlier one (a late 'C').
  if (time < reply_from_) return;
  const Step& step = plan_[step_];
  if (step.kind == Step::Kind::Raw) {
    if (byte == kAck || byte == kNak || byte == kC) {
      replies_.emplace_back(byte, time);
      ++generation_;
      advance_step();
    }
    return;
  }
  if (byte == kAck) {
    if (ack_lost_) return;  // never seen: the timeout or the receiver's next NAK decides
    replies_.emplace_back(byte, time);
    ++generation_;
    if (step.kind == Step::Kind::Eot) {
      finish(State::Done);
      return;
    }
    advance_step();
    return;
  }
  if (byte == kNak || byte == kC) {
    replies_.emplace_back(byte, time);
    retry(time);
  }
  // Anything else (text after EOT, noise) is only recorded.
}

const char* to_string(XmodemSender::State state) {
  switch (state) {
    case XmodemSender::State::Idle: return "idle";
    case XmodemSender::State::WaitingStart: return "waiting for start";
    case XmodemSender::State::Transmitting: return "transmitting";
    case XmodemSender::State::WaitingReply: return "waiting for reply";
    case XmodemSender::State::Done: return "done";
    case XmodemSender::State::Cancelled: return "cancelled by receiver";
    case XmodemSender::State::GaveUp: return "gave up";
    case XmodemSender::State::PlanExhausted: return "plan exhausted";
  }
  return "?";
}

}  // namespace ovrimo::peers

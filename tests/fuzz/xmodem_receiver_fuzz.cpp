// libFuzzer target: the natively built XMODEM receiver on a fresh board model, against a sender
// whose bytes come from the input, and a check after every run of what the receiver may never do.
//
// Input: byte 0 chooses the mode (bit 0), whether the region holds an old application first
// (bit 1) and, for frames, how the sender starts and how often it tries (bits 2 to 5). The rest
// is a small program.
// - Raw mode: ops of one byte, `kind = op >> 6`, `n = op & 63`:
//     0 send the next n+1 input bytes;  1 silence of (next byte + 1) << (n % 18) microseconds;
//     2 wait for the receiver's next byte;  3 send n+1 copies of the next input byte.
// - Frame mode: byte 1 = block count (1 to 8) and size pattern, byte 2 = seed of the image;
//   then ops of four bytes [what, step, a, b] that edit the plan (early EOT, CAN, YMODEM block 0,
//   a repeated or renumbered block, raw bytes) or attach a fault to one attempt of one step (bit
//   flips, dropped, doubled and stray bytes, bad numbers and CRCs, silences, a lost ACK).
//
// Checks (abort on a breach): flash outside the application region untouched; every ACKed block
// was whole, correct and the expected number, read after the receiver's previous reply; the
// region holds the ACKed payloads in order and erased flash after them, with the first quad-word
// programmed only at an acknowledged EOT; the hand-off only after such an EOT; the flash
// controller locked again; the run ended by itself in bounded virtual time.
//
// First: the host's <unistd.h> defines an X_OK macro of its own.
#include "xmodem.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "firmware_globals.h"
#include "model/board.h"
#include "native/binding.h"
#include "peers/xmodem_sender.h"

namespace {

using namespace ovrimo;
using model::kMicrosecond;
using model::kMillisecond;
using model::kSecond;
using model::LineByte;
using model::Time;
using peers::XmodemSender;
using Fault = XmodemSender::Fault;

constexpr std::uint32_t kFlashBase = model::FlashArray::kBase;
constexpr std::uint32_t kRegion = app_image::kBase - kFlashBase;
constexpr std::uint32_t kRegionEnd = app_image::kErasedEnd - kFlashBase;

[[noreturn]] void breach(const char* what) {
  std::fprintf(stderr, "xmodem receiver breach: %s\n", what);
  std::abort();
}

// Reads input bytes; past the end every read is zero.
class Input {
 public:
  explicit Input(std::span<const std::uint8_t> data) : data_(data) {}
  bool done() const { return at_ >= data_.size(); }
  std::uint8_t byte() { return at_ < data_.size() ? data_[at_++] : 0; }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t at_ = 0;
};

// Raw mode's sender: bytes, silences and waits for the receiver, in input order.
class StreamPeer : public model::LinePeer {
 public:
  struct Step {
    enum class Kind { Send, Silence, Await } kind;
    std::string bytes;
    Time duration = 0;
  };
  std::vector<Step> steps;

  // Nothing left to send and nothing awaited.
  bool finished() const { return next_ >= steps.size() && !waiting_; }

  void on_attach(model::DeviceLine& line) override {
    LinePeer::on_attach(line);
    cursor_ = line.scheduler().now();
    pump();
  }
  void on_byte_from_device(std::uint16_t, Time time) override {
    if (!waiting_) return;
    waiting_ = false;
    cursor_ = std::max(cursor_, time + 100 * kMicrosecond);
    pump();
  }

 private:
  void pump() {
    while (next_ < steps.size() && !waiting_) {
      const Step& step = steps[next_++];
      switch (step.kind) {
        case Step::Kind::Send:
          line_->send_to_device(step.bytes, cursor_, model::LineFormat{});
          cursor_ = line_->to_device_idle_at();
          break;
        case Step::Kind::Silence:
          cursor_ += step.duration;
          break;
        case Step::Kind::Await:
          waiting_ = true;
          break;
      }
    }
  }
  std::size_t next_ = 0;
  Time cursor_ = 0;
  bool waiting_ = false;
};

// Silence lengths: any from a microsecond to over half a minute, by an exponent and a mantissa.
Time silence(std::uint8_t exponent, std::uint8_t mantissa) {
  return ((Time{mantissa} + 1) << (exponent % 18)) * kMicrosecond;
}

Time build_raw(Input& in, StreamPeer& peer) {
  Time silences = 0;
  while (!in.done() && peer.steps.size() < 256) {
    const std::uint8_t op = in.byte();
    const unsigned n = op & 63u;
    switch (op >> 6) {
      case 0: {
        std::string bytes;
        for (unsigned i = 0; i <= n && !in.done(); ++i) bytes.push_back(static_cast<char>(in.byte()));
        peer.steps.push_back({StreamPeer::Step::Kind::Send, bytes});
        break;
      }
      case 1:
        peer.steps.push_back({StreamPeer::Step::Kind::Silence, {}, silence(static_cast<std::uint8_t>(n), in.byte())});
        silences += peer.steps.back().duration;
        break;
      case 2:
        peer.steps.push_back({StreamPeer::Step::Kind::Await, {}});
        break;
      default:
        peer.steps.push_back({StreamPeer::Step::Kind::Send, std::string(n + 1, static_cast<char>(in.byte()))});
        break;
    }
  }
  return silences;
}

// Frame mode: a plan of blocks and EOT that the ops edit, then faults on its steps.
struct PlanStep {
  enum class Kind { Block, Eot, Cancel, Block0, Raw } kind;
  std::uint8_t header = XmodemSender::kSoh;
  std::optional<std::uint8_t> number;  // none: the sender's next number
  std::vector<std::uint8_t> bytes;     // Block: data; Raw: the bytes
};

XmodemSender::Options sender_options(std::uint8_t mode) {
  XmodemSender::Options options;
  // Most runs start at once; waiting for the receiver's first 'C' costs a second of polling.
  options.wait_for_start = (mode & 4u) != 0;
  options.ignore_start_requests = (mode >> 3) & 1u;
  options.max_attempts = 1 + ((mode >> 4) & 3u);
  return options;
}

Time build_frames(Input& in, XmodemSender& sender) {
  const std::uint8_t shape = in.byte();
  const std::uint8_t seed = in.byte();
  std::vector<PlanStep> plan;
  const unsigned blocks = 1 + (shape & 7u);
  for (unsigned b = 0; b < blocks; ++b) {
    const bool big = ((shape >> 3) & 3u) == 1 || (((shape >> 3) & 3u) == 2 && (b & 1u)) || (((shape >> 3) & 3u) == 3 && b == 0);
    PlanStep step{PlanStep::Kind::Block, big ? XmodemSender::kStx : XmodemSender::kSoh};
    step.bytes.resize(big ? 1024 : 128);
    for (std::size_t i = 0; i < step.bytes.size(); ++i) step.bytes[i] = static_cast<std::uint8_t>(i * 7 + b * 13 + seed);
    if (b == 0 && (seed & 1u)) {
      // Usable vectors (stack, entry), so that a completed transfer can hand off.
      const std::uint8_t vectors[8] = {0x00, 0x00, 0x0C, 0x20, 0x01, 0x04, 0x01, 0x08};
      std::copy(std::begin(vectors), std::end(vectors), step.bytes.begin());
    }
    plan.push_back(step);
  }
  plan.push_back({PlanStep::Kind::Eot});

  struct Pending {
    std::size_t step;
    unsigned attempt;
    Fault fault;
  };
  std::vector<Pending> faults;
  Time silences = 0;
  for (unsigned ops = 0; !in.done() && ops < 24; ++ops) {
    const std::uint8_t what = in.byte(), at = in.byte(), a = in.byte(), b = in.byte();
    const std::size_t where = at % (plan.size() + 1);
    const unsigned attempt = (at >> 5) & 3u;
    switch (what % 16) {
      case 0:
        plan.insert(plan.begin() + static_cast<std::ptrdiff_t>(where), PlanStep{PlanStep::Kind::Eot});
        break;
      case 1:
        plan.insert(plan.begin() + static_cast<std::ptrdiff_t>(where), PlanStep{PlanStep::Kind::Cancel, 0, {}, {static_cast<std::uint8_t>(1 + (a & 1u))}});
        break;
      case 2:
        plan.insert(plan.begin(), PlanStep{PlanStep::Kind::Block0});
        break;
      case 3:  // a block sent twice: the second carries the previous number
        if (where < plan.size() && plan[where].kind == PlanStep::Kind::Block) plan.insert(plan.begin() + static_cast<std::ptrdiff_t>(where), plan[where]);
        break;
      case 4:
        if (where < plan.size() && plan[where].kind == PlanStep::Kind::Block) plan[where].number = a;
        break;
      case 5:
        plan.insert(plan.begin() + static_cast<std::ptrdiff_t>(where), PlanStep{PlanStep::Kind::Raw, 0, {}, {a, b}});
        break;
      case 6:  // bit flip anywhere in the frame: header, number, complement, data or CRC
        faults.push_back({where, attempt, Fault::corrupt_byte(a * 5u + (b >> 3), static_cast<std::uint8_t>(1u << (b & 7u)))});
        break;
      case 7:
        faults.push_back({where, attempt, Fault::drop_byte(a * 5u + b % 5u)});
        break;
      case 8:
        faults.push_back({where, attempt, Fault::insert_byte(a * 5u + b % 5u, b)});
        break;
      case 9:
        faults.push_back({where, attempt, Fault::pause_before(silence(a, b))});
        silences += silence(a, b);
        break;
      case 10:
        faults.push_back({where, attempt, Fault::pause_inside(a * 5u, silence(b, b >> 4))});
        silences += silence(b, b >> 4);
        break;
      case 11:
        faults.push_back({where, attempt, Fault::stray_bytes({a, b})});
        break;
      case 12:
        faults.push_back({where, attempt, Fault::lose_ack()});
        break;
      case 13:  // number or complement off by some bits
        faults.push_back({where, attempt, Fault::corrupt_byte(1 + (a & 1u), b | 1u)});
        break;
      case 14:  // CRC high or low byte
        faults.push_back({where, attempt, Fault::corrupt_byte(1029 - (a & 1u), b | 1u)});
        break;
      default:
        faults.push_back({where, attempt, Fault::corrupt_byte(0, a | 1u)});
        break;
    }
  }

  for (const PlanStep& step : plan) {
    switch (step.kind) {
      case PlanStep::Kind::Block:
        if (step.number) sender.add_block_numbered(step.header, *step.number, step.bytes);
        else sender.add_block(step.header, step.bytes);
        break;
      case PlanStep::Kind::Eot: sender.add_eot(); break;
      case PlanStep::Kind::Cancel: sender.add_cancel(step.bytes[0]); break;
      case PlanStep::Kind::Block0: sender.add_ymodem_block0("app.bin", 1024); break;
      case PlanStep::Kind::Raw: sender.add_raw(step.bytes); break;
    }
  }
  for (const Pending& p : faults) {
    if (p.step < plan.size()) sender.inject(p.step, p.attempt, p.fault);
  }
  // Each step may be tried max_attempts times, each waiting out its silences and reply timeout.
  return silences * 10 + 10 * kSecond * plan.size();
}

// What the receiver acknowledged, rebuilt from the line log alone.
struct Acknowledged {
  std::vector<std::uint8_t> payload;  // ACKed blocks' data in order
  std::size_t blocks = 0;
  bool eot = false;  // the ACK followed by the completion text
};

Acknowledged check_line(const std::vector<LineByte>& log) {
  // Bytes the firmware took from RDR, in the order it took them.
  std::vector<std::pair<Time, std::uint8_t>> taken;
  for (const LineByte& b : log) {
    if (b.direction == LineByte::Direction::ToDevice && b.rdr_read_at)
      taken.emplace_back(*b.rdr_read_at, static_cast<std::uint8_t>(b.received));
  }
  std::stable_sort(taken.begin(), taken.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
  std::vector<const LineByte*> sent;
  for (const LineByte& b : log)
    if (b.direction == LineByte::Direction::FromDevice) sent.push_back(&b);

  Acknowledged acked;
  Time previous_reply = 0;
  for (std::size_t i = 0; i < sent.size(); ++i) {
    const Time at = sent[i]->start;
    const std::uint8_t value = static_cast<std::uint8_t>(sent[i]->value);
    if (acked.eot) break;
    if (value == X_ACK && i + 1 < sent.size() && sent[i + 1]->value == '\n') {
      acked.eot = true;
      break;
    }
    if (value == X_ACK) {
      // The last bytes taken before the ACK must be one whole, correct block.
      std::size_t n = 0;
      while (n < taken.size() && taken[n].first < at) ++n;
      bool valid = false;
      for (std::size_t size : {std::size_t{128}, std::size_t{1024}}) {
        const std::size_t frame = size + 5;
        if (n < frame) continue;
        const std::size_t first = n - frame;
        if (taken[first].first <= previous_reply) continue;
        if (taken[first].second != (size == 128 ? X_SOH : X_STX)) continue;
        std::vector<std::uint8_t> data(size);
        for (std::size_t k = 0; k < size; ++k) data[k] = taken[first + 3 + k].second;
        const std::uint8_t number = taken[first + 1].second, complement = taken[first + 2].second;
        const std::uint16_t crc = static_cast<std::uint16_t>(taken[first + 3 + size].second << 8 | taken[first + 4 + size].second);
        if (number != static_cast<std::uint8_t>(acked.blocks + 1) || complement != 255 - number ||
            crc != XmodemSender::crc16(data))
          continue;
        valid = true;
        acked.payload.insert(acked.payload.end(), data.begin(), data.end());
        break;
      }
      if (!valid) breach("ACK for a block that was not whole, correct and the expected number");
      ++acked.blocks;
    }
    if (value == X_ACK || value == X_NAK || value == X_C) previous_reply = at;
  }
  return acked;
}

// Plain memcmp on purpose: a byte loop here would be traced by the fuzzer's coverage, and the
// region is most of a megabyte.
bool erased(std::vector<std::uint8_t>::const_iterator first, std::vector<std::uint8_t>::const_iterator last) {
  static const std::vector<std::uint8_t> ones(kRegionEnd - kRegion, 0xFF);
  return std::memcmp(&*first, ones.data(), static_cast<std::size_t>(last - first)) == 0;
}

void check_flash(const std::vector<std::uint8_t>& before, const std::vector<std::uint8_t>& after,
                 const Acknowledged& acked, bool handed_off) {
  if (!std::equal(after.begin(), after.begin() + kRegion, before.begin()))
    breach("the bootloader's own pages changed");
  if (!std::equal(after.begin() + kRegionEnd, after.end(), before.begin() + kRegionEnd))
    breach("flash beyond the application region changed");
  const auto region = after.begin() + kRegion;
  const bool unchanged = std::equal(region, after.begin() + kRegionEnd, before.begin() + kRegion);
  if (acked.blocks == 0) {
    if (unchanged) return;  // nothing arrived whole: the old image stays, and may be started
    if (handed_off) breach("hand-off to an erased region");
    if (!erased(region, after.begin() + kRegionEnd))
      breach("an erased region with no block accepted holds data");
    return;
  }
  const std::size_t size = acked.payload.size();
  if (size > kRegionEnd - kRegion) breach("more acknowledged than the region holds");
  const bool vectors_programmed = !erased(region, region + 16);
  if (handed_off && !acked.eot) breach("hand-off without an acknowledged EOT");
  if (vectors_programmed && !acked.eot) breach("vector words programmed before EOT");
  if (vectors_programmed && !std::equal(region, region + 16, acked.payload.begin()))
    breach("vector words are not the first block's");
  if (handed_off && !vectors_programmed) breach("hand-off with erased vectors");
  if (!std::equal(region + 16, region + static_cast<std::ptrdiff_t>(size), acked.payload.begin() + 16))
    breach("the region does not hold the acknowledged payloads in order");
  if (!erased(region + static_cast<std::ptrdiff_t>(size), after.begin() + kRegionEnd))
    breach("the region after the acknowledged payloads is not erased");
}

void run_one(std::span<const std::uint8_t> data) {
  Input in(data);
  const std::uint8_t mode = in.byte();

  model::Board board;
  native::Binding binding(board);
  test::reset_firmware_globals();
  if (binding.run(boot_bring_up).reason != model::StopReason::Returned) breach("bring-up failed");
  if (mode & 2u) {
    // An old application: a recognisable pattern that an erase or a stray write shows.
    auto& bytes = board.flash_array().bytes();
    for (std::uint32_t i = kRegion; i < kRegionEnd; i += 997) bytes[i] = static_cast<std::uint8_t>(i >> 3);
  }
  const std::vector<std::uint8_t> before = board.flash_array().bytes();

  StreamPeer stream;
  XmodemSender sender(sender_options(mode));
  Time allowance = 0;
  model::LinePeer* peer = nullptr;
  if (mode & 1u) {
    allowance = build_frames(in, sender);
    peer = &sender;
  } else {
    allowance = build_raw(in, stream);
    peer = &stream;
  }
  board.usart2().attach(*peer);
  // The start polls (90 s), every silence the sender makes, the sender's own timeouts, and the
  // traffic: anything longer means the receiver no longer ends by itself.
  const Time limit = 100 * kSecond + allowance + data.size() * 20 * kMillisecond;
  binding.set_time_limit(board.now() + limit);
  // Once the sender has finished and the line is idle, the receiver has at most its error budget
  // of timeouts left (a few seconds), or it is still asking for a start, which it does for up to
  // 90 s: that path is the same for every input, so the run stops after kQuietEnd and the checks
  // below require that it is indeed only asking.
  // kSettle: what the receiver may still take to refuse the last frame (its data and CRC reads,
  // the drain) and spend the rest of its error budget. After it, two seconds show at least two
  // start requests (one a second) and nothing else; every millisecond of it costs a tick.
  constexpr Time kSettle = 5 * kSecond, kQuietEnd = kSettle + 2 * kSecond;
  Time quiet_from = 0;
  std::function<void()> watch = [&] {
    const bool sender_done = (mode & 1u) ? (sender.state() != XmodemSender::State::WaitingStart &&
                                            sender.state() != XmodemSender::State::Transmitting &&
                                            sender.state() != XmodemSender::State::WaitingReply)
                                         : stream.finished();
    if (sender_done && board.usart2().queued_to_device() == 0 && board.usart2().to_device_idle_at() <= board.now()) {
      quiet_from = board.now();
      binding.set_time_limit(std::min(binding.time_limit(), board.now() + kQuietEnd));
      return;
    }
    board.time().after(100 * kMillisecond, watch);
  };
  board.time().after(100 * kMillisecond, watch);
  const native::RunResult result = binding.run([] { xmodem_receive(); });
  const std::vector<LineByte> log = board.usart2().line_log();
  board.usart2().detach();

  const Acknowledged acked = check_line(log);
  if (result.reason == model::StopReason::TimeLimit) {
    if (quiet_from == 0) breach("the receiver did not end in bounded virtual time");
    const bool region_untouched = std::equal(board.flash_array().bytes().begin() + kRegion,
                                             board.flash_array().bytes().begin() + kRegionEnd, before.begin() + kRegion);
    bool only_start_requests = true;
    for (const LineByte& b : log)
      if (b.direction == LineByte::Direction::FromDevice && b.start >= quiet_from + kSettle && b.value != X_C) only_start_requests = false;
    if (acked.blocks != 0 || !region_untouched || !only_start_requests)
      breach("the receiver neither ended nor only asked for a start after the sender had finished");
  }
  if (result.reason != model::StopReason::Returned && result.reason != model::StopReason::HandOff &&
      result.reason != model::StopReason::TimeLimit) {
    std::fprintf(stderr, "%s\n", result.detail.c_str());
    breach("the receiver faulted");
  }
  if ((board.flash().reg("NSCR") & model::FlashController::kLock) == 0) breach("flash controller left unlocked");
  check_flash(before, board.flash_array().bytes(), acked, result.reason == model::StopReason::HandOff);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // What the receiver prints (its timeout line) would drown libFuzzer's report.
  if (std::freopen("/dev/null", "w", stdout) == nullptr) breach("cannot silence standard output");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return -1;  // keeps runs short; larger inputs add nothing the ops cannot say
  run_one({data, size});
  return 0;
}

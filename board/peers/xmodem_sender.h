// An XMODEM sender (CRC-16 variant) on the far end of a serial line, for tests, the emulator's
// end-to-end runs and demonstrations.
//
// The sender follows a plan: data blocks (128-byte SOH or 1024-byte STX, in any mix), EOT, a
// cancel, or raw bytes. It behaves like a well-mannered terminal program (starts on the
// receiver's 'C', resends a block on NAK or when no reply comes, stops on CAN) unless told to
// misbehave: a fault attached to one attempt of one plan step drops or corrupts a byte of the
// frame, pauses before or inside it, puts stray bytes in front of it, or loses the ACK that
// answers it. Early EOT, cancel and a YMODEM block 0 are plan steps.
//
// Everything runs on the board's virtual time: the sender reacts to bytes from the device as
// they arrive and queues its frames on the line, which sends them at the line rate.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/line.h"
#include "model/time.h"

namespace ovrimo::peers {

using model::DeviceLine;
using model::LineFormat;
using model::LinePeer;
using model::Time;
using model::kMillisecond;
using model::kMicrosecond;
using model::kSecond;

class XmodemSender : public LinePeer {
 public:
  static constexpr std::uint8_t kSoh = 0x01, kStx = 0x02, kEot = 0x04, kAck = 0x06, kNak = 0x15, kCan = 0x18,
                                kC = 0x43;
  static constexpr std::uint8_t kFill = 0x1A;  // CP/M end-of-file: what terminal programs pad with

  // CRC-16/XMODEM: polynomial 0x1021, initial value 0, most significant bit first.
  static std::uint16_t crc16(std::span<const std::uint8_t> data);
  // A whole block on the wire: header, number, complement, data, CRC high, CRC low.
  static std::vector<std::uint8_t> frame(std::uint8_t header, std::uint8_t number, std::span<const std::uint8_t> data);

  struct Options {
    LineFormat format{};
    // Start on the receiver's 'C'; the first `ignore_start_requests` of them are let pass.
    // With `wait_for_start` false the first step goes out at `start_at` instead.
    bool wait_for_start = true;
    unsigned ignore_start_requests = 0;
    Time start_at = 0;
    // Time between a reply and the next transmission.
    Time turnaround = 100 * kMicrosecond;
    // With no reply this long after the end of a transmission, send it again.
    Time reply_timeout = 10 * kSecond;
    // Attempts per step before the sender gives up (sending CAN CAN, as terminal programs do).
    unsigned max_attempts = 10;
  };

  struct Step {
    enum class Kind { Block, Eot, Cancel, Raw };
    Kind kind = Kind::Block;
    std::uint8_t header = kSoh;       // Block: kSoh or kStx
    std::uint8_t number = 0;          // Block: block number
    std::vector<std::uint8_t> bytes;  // Block: data; Raw: the bytes; Cancel: the CAN bytes
    bool await_reply = true;          // Raw: wait for any reply before the next step
  };

  struct Fault {
    enum class Kind {
      DropByte,     // leave out frame byte `offset`
      CorruptByte,  // XOR frame byte `offset` with `mask`
      InsertByte,   // send `mask` as an extra byte in front of frame byte `offset`
      PauseBefore,  // wait `duration` before the frame
      PauseInside,  // send `offset` bytes, wait `duration`, send the rest
      StrayBytes,   // send `bytes` right in front of the frame
      LoseAck,      // behave as if the ACK for this attempt never arrived
    };
    Kind kind = Kind::DropByte;
    std::size_t offset = 0;
    std::uint8_t mask = 0xFF;
    Time duration = 0;
    std::vector<std::uint8_t> bytes;

    static Fault drop_byte(std::size_t offset);
    static Fault corrupt_byte(std::size_t offset, std::uint8_t mask = 0xFF);
    static Fault insert_byte(std::size_t offset, std::uint8_t value);
    static Fault pause_before(Time duration);
    static Fault pause_inside(std::size_t offset, Time duration);
    static Fault stray_bytes(std::vector<std::uint8_t> bytes);
    static Fault lose_ack();
  };

  enum class State {
    Idle,           // not attached or not started
    WaitingStart,   // waiting for the receiver's 'C'
    Transmitting,   // a transmission is queued or on the wire
    WaitingReply,   // the transmission is out; waiting for ACK, NAK or CAN
    Done,           // the receiver acknowledged EOT
    Cancelled,      // the receiver sent CAN
    GaveUp,         // too many attempts at one step
    PlanExhausted,  // every step sent without EOT (a plan that ends in a cancel or raw bytes)
  };

  // What the sender put on the line, one entry per transmission.
  struct Transmission {
    std::size_t step;
    unsigned attempt;  // 0 for the first
    Time start;        // when the first frame is due to start
    std::vector<std::uint8_t> bytes;
  };

  XmodemSender();
  explicit XmodemSender(Options options);
  ~XmodemSender() override;

  // Plan building. Blocks get the next number (from 1, wrapping at 256) unless given one.
  std::size_t add_block(std::uint8_t header, std::span<const std::uint8_t> data);
  std::size_t add_block_numbered(std::uint8_t header, std::uint8_t number, std::span<const std::uint8_t> data);
  // Splits `image` into blocks whose sizes follow `sizes` (128 or 1024, repeated cyclically; the
  // last size repeats when the pattern runs out if `repeat_last` is set), padding the last one
  // with `fill`.
  void add_image(std::span<const std::uint8_t> image, std::vector<std::size_t> sizes, bool repeat_last = false,
                 std::uint8_t fill = kFill);
  std::size_t add_eot();
  std::size_t add_cancel(unsigned count = 1);
  std::size_t add_raw(std::vector<std::uint8_t> bytes, bool await_reply = true);
  // The header block of a YMODEM batch: number 0, file name and size, 128 bytes.
  std::size_t add_ymodem_block0(std::string_view file_name, std::size_t file_size);

  // Attaches a fault to attempt `attempt` (0 = first) of step `step`.
  void inject(std::size_t step, unsigned attempt, Fault fault);

  const std::vector<Step>& plan() const { return plan_; }
  State state() const { return state_; }
  std::size_t current_step() const { return step_; }
  unsigned attempts_at_current_step() const { return attempt_; }
  const std::vector<Transmission>& transmissions() const { return transmissions_; }
  // Everything the device sent, with the end time of each frame.
  const std::string& received() const { return received_; }
  const std::vector<Time>& received_times() const { return received_times_; }
  // Replies the sender acted on, in order (ACK, NAK, CAN or the start 'C'), with their times.
  const std::vector<std::pair<std::uint8_t, Time>>& replies() const { return replies_; }

  void on_byte_from_device(std::uint16_t value, Time time) override;
  void on_attach(DeviceLine& line) override;
  void on_detach() override;

 private:
  void transmit(Time earliest);
  void advance_step();
  void arm_timeout(Time from);
  void on_timeout(std::uint64_t generation);
  void retry(Time now);
  void finish(State state);
  template <typename F>
  void schedule(Time at, F action);

  Options options_;
  std::vector<Step> plan_;
  std::map<std::pair<std::size_t, unsigned>, std::vector<Fault>> faults_;
  std::uint8_t next_number_ = 1;

  State state_ = State::Idle;
  std::size_t step_ = 0;
  unsigned attempt_ = 0;
  unsigned start_requests_seen_ = 0;
  Time reply_from_ = 0;         // bytes ending before this are not replies to the transmission
  bool ack_lost_ = false;        // the current attempt carries a LoseAck fault
  std::uint64_t generation_ = 0;  // bumped by each transmission: stale timeouts are ignored

  std::vector<Transmission> transmissions_;
  std::string received_;
  std::vector<Time> received_times_;
  std::vector<std::pair<std::uint8_t, Time>> replies_;
  // Scheduled actions hold a weak reference: they do nothing once the sender is gone.
  std::shared_ptr<XmodemSender*> self_;
};

const char* to_string(XmodemSender::State state);

}  // namespace ovrimo::peers

// USART / LPUART model: one class for every instance.
//
// The bit clock comes from BRR, OVER8, PRESC and the kernel clock RCC selects for the instance,
// and is re-read at the start of every frame. The transmitter moves TDR (or the transmit FIFO)
// into its shift register and puts the frame on the line one frame time later; the receiver
// samples frames from the attached line peer with its own bit clock, so a peer whose rate is off
// by more than the receiver tolerates produces framing errors and wrong data, as on the board.
// Every frame in both directions is recorded in the line log with its start and end times.
#pragma once

#include <cstdint>
#include <deque>
#include <span>
#include <vector>

#include "model/line.h"
#include "model/peripheral.h"
#include "model/rcc.h"
#include "model/time.h"

namespace ovrimo::model {

// Behaviour constants of the model.
struct UsartTiming {
  // TEACK/REACK follow TE/RE (while UE is set) after this delay: a few kernel clock cycles on the
  // chip; not checked against the datasheet.
  Time enable_ack_delay = 500 * kNanosecond;
  // Largest relative difference between a peer's bit rate and the receiver's that still gives
  // clean frames. The chip tolerates roughly 3 to 4 % depending on oversampling and sampling mode.
  double baud_tolerance = 0.03;
  // The transmitter sends one idle frame when it is enabled, before the first data frame.
  bool idle_preamble = true;
};

class Usart : public Peripheral, public DeviceLine {
 public:
  static constexpr std::uint32_t kUsart2Base = 0x40004400;
  static constexpr std::uint32_t kLpuart1Base = 0x46002400;

  // Register offsets.
  static constexpr std::uint32_t kCr1 = 0x00, kCr2 = 0x04, kCr3 = 0x08, kBrr = 0x0C, kGtpr = 0x10, kRtor = 0x14,
                                 kRqr = 0x18, kIsr = 0x1C, kIcr = 0x20, kRdr = 0x24, kTdr = 0x28, kPresc = 0x2C,
                                 kAutocr = 0x30;
  // ISR bits the model drives.
  static constexpr std::uint32_t kIsrPe = 1u << 0, kIsrFe = 1u << 1, kIsrOre = 1u << 3, kIsrRxne = 1u << 5,
                                 kIsrTc = 1u << 6, kIsrTxe = 1u << 7, kIsrBusy = 1u << 16, kIsrTeack = 1u << 21,
                                 kIsrReack = 1u << 22, kIsrTxfe = 1u << 23, kIsrRxff = 1u << 24;

  Usart(std::string name, std::uint32_t base, Scheduler& scheduler, Rcc& rcc, UsartTiming timing = {});

  void reset() override;

  bool is_lpuart() const { return lpuart_; }
  const UsartTiming& timing() const { return timing_; }

  // The bit clock as programmed now: one bit lasts cycles/hz seconds. Invalid (zero) when the
  // kernel clock is off or the divisor is below the minimum the hardware accepts.
  struct BitClock {
    std::uint64_t cycles = 0;
    std::uint64_t hz = 0;
    bool valid() const { return cycles != 0 && hz != 0; }
    Time bit_time() const { return cycles_to_time(cycles, hz); }
    // Duration of `half_bits` half bit periods, exact to the picosecond.
    Time half_bits(std::uint64_t n) const { return cycles_to_time(n * cycles, 2 * hz); }
    double baud() const { return valid() ? static_cast<double>(hz) / static_cast<double>(cycles) : 0.0; }
  };
  BitClock bit_clock() const;
  unsigned data_bits() const;        // 7, 8 or 9 (including a parity bit)
  unsigned frame_half_bits() const;  // start + data + stop, in half bits
  Time frame_time() const { return bit_clock().half_bits(frame_half_bits()); }

  // Line side.
  void attach(LinePeer& peer);
  LinePeer* peer() const { return peer_; }

  using DeviceLine::send_to_device;
  Scheduler& scheduler() override { return scheduler_; }
  void send_to_device(std::span<const std::uint16_t> frames, Time earliest, LineFormat format) override;
  void pause_to_device() override;
  void resume_to_device() override;
  void discard_to_device() override;
  std::size_t queued_to_device() const override { return line_queue_.size(); }
  Time to_device_idle_at() const override;
  const std::vector<LineByte>& line_log() const override { return log_; }
  void detach() override;

 private:
  struct Queued {
    std::uint16_t value;
    Time earliest;
    LineFormat format;
  };

  std::size_t fifo_capacity() const;
  bool enabled() const { return cr1_->any(1u << 0); }
  void update_flags();

  void on_cr1_write(std::uint32_t old);
  void stop_all();
  void set_ack(bool tx, bool on);

  void on_tdr_write(std::uint32_t value);
  void kick_transmitter();
  void start_preamble();
  void end_of_shift();

  void pump_line();
  void frame_reaches_receiver(std::size_t log_index, LineFormat format);
  void frame_sampled(std::size_t log_index, std::uint16_t data, bool framing_error);
  std::uint16_t read_rdr();

  Scheduler& scheduler_;
  Rcc& rcc_;
  UsartTiming timing_;
  bool lpuart_;
  std::uint32_t isr_reset_;

  // The registers the behaviour reads or drives (owned by regs_, which never moves them).
  Register* cr1_ = nullptr;
  Register* cr2_ = nullptr;
  Register* cr3_ = nullptr;
  Register* brr_ = nullptr;
  Register* isr_ = nullptr;
  Register* rdr_ = nullptr;
  Register* presc_ = nullptr;

  // Transmitter: holding register (or FIFO), shift register, acknowledge.
  std::deque<std::uint16_t> tx_queue_;
  bool tx_ready_ = false;  // TEACK seen: the transmitter runs
  bool shifting_ = false;
  bool shifting_idle_ = false;  // the frame on the wire is the idle preamble
  std::size_t shift_log_index_ = 0;
  Scheduler::EventId shift_event_ = 0;
  Scheduler::EventId tx_ack_event_ = 0;

  // Receiver: RDR (or FIFO), acknowledge, frames being sampled.
  struct Received {
    std::uint16_t value;
    std::size_t log_index;  // its frame in the line log
  };
  std::deque<Received> rx_queue_;
  std::uint16_t rdr_last_ = 0;
  bool rx_ready_ = false;  // REACK seen: the receiver samples the line
  std::uint64_t rx_epoch_ = 0;  // bumped whenever the receiver stops: frames being sampled are lost
  unsigned rx_sampling_ = 0;
  Scheduler::EventId rx_ack_event_ = 0;

  // The wire towards the device, driven by the peer.
  std::deque<Queued> line_queue_;
  bool line_paused_ = false;
  Time line_free_at_ = 0;
  Scheduler::EventId line_event_ = 0;
  bool line_event_is_start_ = false;

  LinePeer* peer_ = nullptr;
  std::vector<LineByte> log_;
};

}  // namespace ovrimo::model

#include "model/usart.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ovrimo::model {

namespace {

constexpr std::uint32_t kCr1Ue = 1u << 0, kCr1Re = 1u << 2, kCr1Te = 1u << 3, kCr1M0 = 1u << 12,
                        kCr1Over8 = 1u << 15, kCr1M1 = 1u << 28, kCr1Fifoen = 1u << 29;
constexpr std::uint32_t kCr3Ovrdis = 1u << 12;
constexpr std::uint32_t kRqrRxfrq = 1u << 3, kRqrTxfrq = 1u << 4;
constexpr std::size_t kFifoDepth = 8;

// Divisors selected by PRESC.PRESCALER; codes above 11 divide by 256 as the last one does.
constexpr std::array<std::uint32_t, 12> kPrescalerDivisor = {1, 2, 4, 6, 8, 10, 12, 16, 32, 64, 128, 256};

// ISR bits that are not produced from the transmit/receive queues: the write-1-to-clear flags.
// ICR bit n clears ISR bit n, except TCBGTCF (ICR 7) which clears TCBGT (ISR 25).
constexpr std::uint32_t kIcrSameBit = (1u << 0) | (1u << 1) | (1u << 2) | (1u << 3) | (1u << 4) | (1u << 6) |
                                      (1u << 8) | (1u << 9) | (1u << 11) | (1u << 12) | (1u << 13) | (1u << 17);
constexpr std::uint32_t kIcrTcbgtcf = 1u << 7, kIsrTcbgt = 1u << 25;

// Bits software may write, per register. LPUART1 lacks oversampling by 8, the receiver timeout,
// smartcard, IrDA, LIN and synchronous mode, and has a 20-bit divisor.
constexpr std::uint32_t kUsartCr1Writable = 0xFFFFFFFFu;
constexpr std::uint32_t kLpuartCr1Writable = ~((1u << 15) | (1u << 26) | (1u << 27));
constexpr std::uint32_t kUsartCr2Writable = 0xFFFFFF79u;  // bits 1, 2 and 7 reserved
constexpr std::uint32_t kLpuartCr2Writable =
    kUsartCr2Writable & ~((1u << 0) | (1u << 5) | (1u << 6) | (1u << 8) | (1u << 9) | (1u << 10) | (1u << 11) |
                          (1u << 14) | (1u << 20) | (3u << 21) | (1u << 23));
constexpr std::uint32_t kUsartCr3Writable = 0xFF8EFFFFu;  // bit 16 and bits 22:20 reserved
constexpr std::uint32_t kLpuartCr3Writable =
    kUsartCr3Writable & ~((1u << 1) | (1u << 2) | (1u << 4) | (1u << 5) | (1u << 11) | (7u << 17));
constexpr std::uint32_t kUsartIsrReset = 0x028000C0u;
constexpr std::uint32_t kLpuartIsrReset = 0x008000C0u;

bool is_lpuart_base(std::uint32_t base) {
  return base == Usart::kLpuart1Base || base == Usart::kLpuart1Base + 0x10000000u;
}

}  // namespace

Usart::Usart(std::string name, std::uint32_t base, Scheduler& scheduler, Rcc& rcc, UsartTiming timing)
    : Peripheral(std::move(name), base, 0x400),
      scheduler_(scheduler),
      rcc_(rcc),
      timing_(timing),
      lpuart_(is_lpuart_base(base)),
      isr_reset_(lpuart_ ? kLpuartIsrReset : kUsartIsrReset) {
  cr1_ = &regs_.define({"CR1", kCr1, 0, Access::ReadWrite, lpuart_ ? kLpuartCr1Writable : kUsartCr1Writable});
  cr2_ = &regs_.define({"CR2", kCr2, 0, Access::ReadWrite, lpuart_ ? kLpuartCr2Writable : kUsartCr2Writable});
  cr3_ = &regs_.define({"CR3", kCr3, 0, Access::ReadWrite, lpuart_ ? kLpuartCr3Writable : kUsartCr3Writable});
  brr_ = &regs_.define({"BRR", kBrr, 0, Access::ReadWrite, lpuart_ ? 0x000FFFFFu : 0x0000FFFFu});
  if (!lpuart_) {
    regs_.define({"GTPR", kGtpr, 0, Access::ReadWrite, 0x0000FFFFu});
    regs_.define({"RTOR", kRtor, 0, Access::ReadWrite});
  }
  Register& rqr = regs_.define({"RQR", kRqr, 0, Access::WriteOnly, 0x1Fu});
  isr_ = &regs_.define({"ISR", kIsr, isr_reset_, Access::ReadOnly});
  Register& icr = regs_.define({"ICR", kIcr, 0, Access::WriteOnly, kIcrSameBit | kIcrTcbgtcf});
  rdr_ = &regs_.define({"RDR", kRdr, 0, Access::ReadOnly});
  Register& tdr = regs_.define({"TDR", kTdr, 0, Access::ReadWrite, 0x1FFu});
  presc_ = &regs_.define({"PRESC", kPresc, 0, Access::ReadWrite, 0xFu});
  regs_.define({"AUTOCR", kAutocr, 0x80000000u, Access::ReadWrite, 0x807FFFFFu});

  cr1_->on_write([this](std::uint32_t old, std::uint32_t) { on_cr1_write(old); });
  brr_->on_write([this](std::uint32_t, std::uint32_t) { kick_transmitter(); });
  presc_->on_write([this](std::uint32_t, std::uint32_t) { kick_transmitter(); });
  tdr.on_write([this](std::uint32_t, std::uint32_t written) { on_tdr_write(written); });
  rdr_->on_read([this](std::uint32_t) -> std::uint32_t { return read_rdr(); });
  rqr.on_write([this](std::uint32_t, std::uint32_t written) {
    if ((written & kRqrRxfrq) != 0) rx_queue_.clear();  // what RDR held is gone
    if ((written & kRqrTxfrq) != 0) tx_queue_.clear();
    update_flags();
  });
  icr.on_write([this](std::uint32_t, std::uint32_t written) {
    isr_->clear_bits(written & kIcrSameBit);
    if ((written & kIcrTcbgtcf) != 0) isr_->clear_bits(kIsrTcbgt);
  });
  // A transmitter stalled for want of a kernel clock starts once RCC provides one.
  rcc_.on_clock_change([this] { kick_transmitter(); });
}

void Usart::reset() {
  Peripheral::reset();
  stop_all();
  rdr_last_ = 0;
}

// ------------------------------------------------------------------------------------------
// Configuration

Usart::BitClock Usart::bit_clock() const {
  const std::uint32_t code = presc_->value() & 0xFu;
  const std::uint64_t prescaler = code < kPrescalerDivisor.size() ? kPrescalerDivisor[code] : 256u;
  const std::uint64_t kernel_hz = rcc_.usart_kernel_hz(base());
  const std::uint32_t brr = brr_->value();
  if (kernel_hz == 0) return {};
  if (lpuart_) {
    // baud = 256 * ker / BRR; the hardware needs BRR >= 0x300.
    if (brr < 0x300u) return {};
    return {brr * prescaler, 256u * kernel_hz};
  }
  if (cr1_->any(kCr1Over8)) {
    // BRR[2:0] holds USARTDIV[3:1]; baud = 2 * ker / USARTDIV.
    const std::uint32_t usartdiv = (brr & 0xFFF0u) | ((brr & 0x7u) << 1);
    if (usartdiv < 16u) return {};
    return {usartdiv * prescaler, 2u * kernel_hz};
  }
  if (brr < 16u) return {};
  return {brr * prescaler, kernel_hz};
}

unsigned Usart::data_bits() const {
  const bool m1 = cr1_->any(kCr1M1), m0 = cr1_->any(kCr1M0);
  if (m1 && !m0) return 7;
  if (m0 && !m1) return 9;
  return 8;  // M = 00, and the reserved 11
}

unsigned Usart::frame_half_bits() const {
  static constexpr std::array<unsigned, 4> kStopHalfBits = {2, 1, 4, 3};  // 1, 0.5, 2, 1.5 stop bits
  return 2 * (1 + data_bits()) + kStopHalfBits[cr2_->field(0x3000u, 12)];
}

std::size_t Usart::fifo_capacity() const { return cr1_->any(kCr1Fifoen) ? kFifoDepth : 1; }

void Usart::update_flags() {
  const std::size_t capacity = fifo_capacity();
  isr_->assign_bits(kIsrTxe, tx_queue_.size() < capacity);
  isr_->assign_bits(kIsrTxfe, tx_queue_.empty());
  isr_->assign_bits(kIsrRxne, !rx_queue_.empty());
  isr_->assign_bits(kIsrRxff, capacity > 1 && rx_queue_.size() >= capacity);
  isr_->assign_bits(kIsrBusy, rx_sampling_ > 0);
}

// ------------------------------------------------------------------------------------------
// Enables and acknowledges

void Usart::on_cr1_write(std::uint32_t old) {
  const std::uint32_t now = cr1_->value();
  const bool was_enabled = (old & kCr1Ue) != 0;
  if (was_enabled && !enabled()) {
    stop_all();
    return;
  }
  const bool tx_was = was_enabled && (old & kCr1Te) != 0;
  const bool rx_was = was_enabled && (old & kCr1Re) != 0;
  const bool tx_on = enabled() && (now & kCr1Te) != 0;
  const bool rx_on = enabled() && (now & kCr1Re) != 0;
  if (tx_on != tx_was) {
    if (!tx_on) tx_ready_ = false;  // the frame on the wire finishes; nothing new starts
    set_ack(true, tx_on);
  }
  if (rx_on != rx_was) {
    if (!rx_on) {
      rx_ready_ = false;
      ++rx_epoch_;  // a frame being sampled is lost
      rx_sampling_ = 0;
      update_flags();
    }
    set_ack(false, rx_on);
  }
}

// Clearing UE stops the USART at once: frames in progress are cut, the data registers are
// emptied and every status flag returns to its reset value; the configuration stays.
void Usart::stop_all() {
  if (shifting_ && !shifting_idle_) {
    log_[shift_log_index_].outcome = LineByte::Outcome::Aborted;
    log_[shift_log_index_].end = scheduler_.now();
  }
  scheduler_.cancel(shift_event_);
  scheduler_.cancel(tx_ack_event_);
  scheduler_.cancel(rx_ack_event_);
  shift_event_ = tx_ack_event_ = rx_ack_event_ = 0;
  shifting_ = shifting_idle_ = false;
  tx_queue_.clear();
  rx_queue_.clear();
  tx_ready_ = rx_ready_ = false;
  ++rx_epoch_;
  rx_sampling_ = 0;
  isr_->set(isr_reset_);
}

void Usart::set_ack(bool tx, bool on) {
  Scheduler::EventId& event = tx ? tx_ack_event_ : rx_ack_event_;
  scheduler_.cancel(event);
  event = scheduler_.after(timing_.enable_ack_delay, [this, tx, on] {
    (tx ? tx_ack_event_ : rx_ack_event_) = 0;
    isr_->assign_bits(tx ? kIsrTeack : kIsrReack, on);
    if (!on) return;
    if (tx) {
      tx_ready_ = true;
      start_preamble();
      kick_transmitter();
    } else {
      rx_ready_ = true;
    }
  });
}

// ------------------------------------------------------------------------------------------
// Transmitter

void Usart::on_tdr_write(std::uint32_t value) {
  if (!enabled()) return;
  const auto item = static_cast<std::uint16_t>(value & 0x1FFu);
  if (tx_queue_.size() >= fifo_capacity()) {
    tx_queue_.back() = item;  // written while full: the waiting data is overwritten
  } else {
    tx_queue_.push_back(item);
  }
  isr_->clear_bits(kIsrTc);
  update_flags();
  kick_transmitter();
}

void Usart::start_preamble() {
  if (!timing_.idle_preamble || shifting_) return;
  const BitClock clock = bit_clock();
  if (!clock.valid()) return;
  shifting_ = true;
  shifting_idle_ = true;
  shift_event_ = scheduler_.after(clock.half_bits(frame_half_bits()), [this] {
    shift_event_ = 0;
    end_of_shift();
  });
}

void Usart::kick_transmitter() {
  if (!tx_ready_ || shifting_ || tx_queue_.empty()) return;
  const BitClock clock = bit_clock();
  if (!clock.valid()) return;  // stalls until a divisor or kernel clock makes it run
  const std::uint16_t value = tx_queue_.front();
  tx_queue_.pop_front();
  shifting_ = true;
  shifting_idle_ = false;
  const Time start = scheduler_.now();
  const Time duration = clock.half_bits(frame_half_bits());
  shift_log_index_ = log_.size();
  log_.push_back(LineByte{LineByte::Direction::FromDevice, value, start, start + duration});
  shift_event_ = scheduler_.after(duration, [this] {
    shift_event_ = 0;
    end_of_shift();
  });
  update_flags();
}

void Usart::end_of_shift() {
  const bool was_data = !shifting_idle_;
  const std::size_t index = shift_log_index_;
  shifting_ = shifting_idle_ = false;
  kick_transmitter();  // a waiting frame follows without a gap
  if (!shifting_ && tx_queue_.empty()) isr_->set_bits(kIsrTc);
  update_flags();
  if (was_data) {
    log_[index].outcome = LineByte::Outcome::Delivered;
    const std::uint16_t value = log_[index].value;  // the peer may add to the log
    if (peer_ != nullptr) peer_->on_byte_from_device(value, scheduler_.now());
  }
}

// ------------------------------------------------------------------------------------------
// Receiver

std::uint16_t Usart::read_rdr() {
  if (!rx_queue_.empty()) {
    const Time now = scheduler_.now();
    rdr_last_ = rx_queue_.front().value;
    log_[rx_queue_.front().log_index].rdr_read_at = now;
    rx_queue_.pop_front();
    if (!rx_queue_.empty()) log_[rx_queue_.front().log_index].rdr_ready_at = now;
    update_flags();
  }
  rdr_->set(rdr_last_);
  return rdr_last_;
}

void Usart::frame_reaches_receiver(std::size_t log_index, LineFormat format) {
  LineByte& frame = log_[log_index];
  const BitClock clock = bit_clock();
  if (!rx_ready_ || !clock.valid()) {
    frame.outcome = LineByte::Outcome::Dropped;
    return;
  }
  // The receiver found the start edge now and samples the middle of each of its own bit periods;
  // what it sees is the peer's waveform at those instants (idle, a one, after the peer's frame).
  const auto level_at = [&](Time offset) -> bool {
    const std::uint64_t bit = time_to_cycles(offset, format.baud);
    if (bit == 0) return false;
    if (bit <= format.data_bits) return ((frame.value >> (bit - 1)) & 1u) != 0;
    return true;
  };
  const unsigned bits = data_bits();
  std::uint16_t data = 0;
  for (unsigned k = 1; k <= bits; ++k)
    if (level_at(clock.half_bits(2 * k + 1))) data = static_cast<std::uint16_t>(data | (1u << (k - 1)));
  const Time stop_sample = clock.half_bits(2 * (bits + 1) + 1);
  bool framing_error = !level_at(stop_sample);
  const double ours = clock.baud();
  if (std::fabs(ours - static_cast<double>(format.baud)) > timing_.baud_tolerance * ours) framing_error = true;

  ++rx_sampling_;
  update_flags();
  const std::uint64_t epoch = rx_epoch_;
  scheduler_.after(stop_sample, [this, log_index, data, framing_error, epoch] {
    if (epoch != rx_epoch_) {
      log_[log_index].outcome = LineByte::Outcome::Dropped;
      return;
    }
    --rx_sampling_;
    frame_sampled(log_index, data, framing_error);
  });
}

void Usart::frame_sampled(std::size_t log_index, std::uint16_t data, bool framing_error) {
  LineByte& frame = log_[log_index];
  const bool overrun_disabled = cr3_->any(kCr3Ovrdis);
  if (isr_->any(kIsrOre) && !overrun_disabled) {
    // Reception stays blocked until software clears ORE.
    frame.outcome = LineByte::Outcome::Overrun;
  } else if (rx_queue_.size() >= fifo_capacity() && !overrun_disabled) {
    isr_->set_bits(kIsrOre);
    frame.outcome = LineByte::Outcome::Overrun;
  } else {
    if (rx_queue_.size() >= fifo_capacity()) {
      rx_queue_.back() = Received{data, log_index};  // overrun detection off: the newest frame replaces RDR
    } else {
      rx_queue_.push_back(Received{data, log_index});
    }
    if (rx_queue_.size() == 1) frame.rdr_ready_at = scheduler_.now();
    if (framing_error) isr_->set_bits(kIsrFe);
    frame.outcome = framing_error ? LineByte::Outcome::Corrupted : LineByte::Outcome::Delivered;
    frame.received = data;
  }
  update_flags();
}

// ------------------------------------------------------------------------------------------
// The wire towards the device

void Usart::attach(LinePeer& peer) {
  if (peer_ == &peer) return;
  if (peer_ != nullptr) detach();
  peer_ = &peer;
  peer.on_attach(*this);
}

void Usart::detach() {
  discard_to_device();
  if (peer_ == nullptr) return;
  LinePeer* old = peer_;
  peer_ = nullptr;
  old->on_detach();
}

void Usart::send_to_device(std::span<const std::uint16_t> frames, Time earliest, LineFormat format) {
  for (std::uint16_t value : frames) line_queue_.push_back(Queued{value, earliest, format});
  pump_line();
}

void Usart::pause_to_device() {
  line_paused_ = true;
  if (line_event_ != 0 && line_event_is_start_) {
    scheduler_.cancel(line_event_);
    line_event_ = 0;
  }
}

void Usart::resume_to_device() {
  line_paused_ = false;
  pump_line();
}

void Usart::discard_to_device() {
  line_queue_.clear();
  if (line_event_ != 0 && line_event_is_start_) {
    scheduler_.cancel(line_event_);
    line_event_ = 0;
  }
}

Time Usart::to_device_idle_at() const {
  Time t = std::max(scheduler_.now(), line_free_at_);
  for (const Queued& q : line_queue_) t = std::max(t, q.earliest) + q.format.frame_time();
  return t;
}

void Usart::pump_line() {
  if (line_event_ != 0 || line_paused_ || line_queue_.empty()) return;
  const Time now = scheduler_.now();
  const Queued next = line_queue_.front();
  const Time start = std::max({now, next.earliest, line_free_at_});
  if (start > now) {
    line_event_is_start_ = true;
    line_event_ = scheduler_.at(start, [this] {
      line_event_ = 0;
      pump_line();
    });
    return;
  }
  line_queue_.pop_front();
  const Time end = now + next.format.frame_time();
  const std::size_t index = log_.size();
  log_.push_back(LineByte{LineByte::Direction::ToDevice, next.value, now, end});
  line_free_at_ = end;
  line_event_is_start_ = false;
  line_event_ = scheduler_.at(end, [this] {
    line_event_ = 0;
    pump_line();
  });
  frame_reaches_receiver(index, next.format);
}

}  // namespace ovrimo::model

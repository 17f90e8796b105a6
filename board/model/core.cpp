#include "model/core.h"

#include <algorithm>
#include <bit>

namespace ovrimo::model {

namespace {
constexpr std::uint32_t kCtrlEnable = 1u << 0;
constexpr std::uint32_t kCtrlTickInt = 1u << 1;
constexpr std::uint32_t kCtrlClkSource = 1u << 2;
constexpr std::uint32_t kCtrlCountFlag = 1u << 16;
constexpr std::uint32_t kReloadMask = 0x00FFFFFFu;

constexpr std::uint32_t kIcsrPendStClr = 1u << 25;
constexpr std::uint32_t kIcsrPendStSet = 1u << 26;
constexpr std::uint32_t kIcsrPendSvClr = 1u << 27;
constexpr std::uint32_t kIcsrPendSvSet = 1u << 28;
constexpr std::uint32_t kIcsrNmiPendSet = 1u << 31;

// Cycle count at which a clock of `hz` has completed `cycles` periods, rounded up so that the
// counter read at that instant already shows the step.
Time cycles_to_time_ceil(std::uint64_t cycles, std::uint64_t hz) {
  const unsigned __int128 ps = static_cast<unsigned __int128>(cycles) * kSecond;
  return static_cast<Time>((ps + hz - 1) / hz);
}
}  // namespace

// ---------------------------------------------------------------------------------------------
// SysTick

SysTickTimer::SysTickTimer(Scheduler& scheduler, Rcc& rcc, Core& core)
    : Peripheral("SysTick", kBase, 0x10), scheduler_(scheduler), rcc_(rcc), core_(core) {
  regs_.define({"CTRL", 0x0, 0x00000000, Access::ReadWrite, kCtrlEnable | kCtrlTickInt | kCtrlClkSource})
      .on_read([this](std::uint32_t stored) {
        // COUNTFLAG reads once: the read that returns it set also clears it.
        regs_.at(0x0).clear_bits(kCtrlCountFlag);
        return stored;
      })
      .on_write([this](std::uint32_t, std::uint32_t) { reanchor(current_value()); });
  regs_.define({"LOAD", 0x4, 0x00000000, Access::ReadWrite, kReloadMask}).on_write([this](std::uint32_t, std::uint32_t) {
    reanchor(current_value());  // the new reload applies from the next wrap on
  });
  regs_.define({"VAL", 0x8, 0x00000000, Access::ReadWrite, 0})
      .on_read([this](std::uint32_t) { return current_value(); })
      .on_write([this](std::uint32_t, std::uint32_t) {
        // Any write clears the counter and COUNTFLAG; the next clock reloads it.
        regs_.at(0x0).clear_bits(kCtrlCountFlag);
        reanchor(0);
      });
  regs_.define({"CALIB", 0xC, 0x40000000, Access::ReadOnly, 0});
}

bool SysTickTimer::running() const { return (regs_.at(0x0).value() & kCtrlEnable) != 0 && counting_hz() != 0; }

std::uint32_t SysTickTimer::counting_hz() const {
  return (regs_.at(0x0).value() & kCtrlClkSource) ? rcc_.hclk_hz() : rcc_.systick_external_hz();
}

std::uint32_t SysTickTimer::current_value() const {
  if (anchor_hz_ == 0) return anchor_value_;
  const std::uint64_t n = time_to_cycles(scheduler_.now() - anchor_time_, anchor_hz_);
  const std::uint64_t reload = regs_.at(0x4).value();
  std::uint64_t after_zero;  // cycles spent since the counter first stood at zero
  if (anchor_value_ > 0) {
    if (n <= anchor_value_) return static_cast<std::uint32_t>(anchor_value_ - n);
    after_zero = n - anchor_value_;
  } else {
    after_zero = n;
  }
  const std::uint64_t period = reload + 1;
  const std::uint64_t phase = after_zero % period;
  return phase == 0 ? 0u : static_cast<std::uint32_t>(reload - (phase - 1));
}

void SysTickTimer::reanchor(std::uint32_t value) {
  scheduler_.cancel(wrap_event_);
  wrap_event_ = 0;
  anchor_time_ = scheduler_.now();
  anchor_value_ = value & kReloadMask;
  anchor_hz_ = running() ? counting_hz() : 0;
  schedule_wrap();
}

void SysTickTimer::clock_changed() {
  if (anchor_hz_ == 0 && !running()) return;
  reanchor(current_value());
}

void SysTickTimer::schedule_wrap() {
  if (anchor_hz_ == 0) return;
  const std::uint64_t reload = regs_.at(0x4).value();
  std::uint64_t cycles;
  if (anchor_value_ > 0) {
    cycles = anchor_value_;  // down to zero
  } else {
    if (reload == 0) return;  // a zero reload stops the counter at zero: no more wraps
    cycles = reload + 1;      // reload, then down to zero
  }
  wrap_event_ = scheduler_.at(anchor_time_ + cycles_to_time_ceil(cycles, anchor_hz_), [this] { on_wrap(); });
}

void SysTickTimer::on_wrap() {
  wrap_event_ = 0;
  regs_.at(0x0).set_bits(kCtrlCountFlag);
  if (regs_.at(0x0).any(kCtrlTickInt)) core_.set_pending(kExcSysTick, true);
  anchor_time_ = scheduler_.now();
  anchor_value_ = 0;
  schedule_wrap();
}

void SysTickTimer::reset() {
  Peripheral::reset();
  scheduler_.cancel(wrap_event_);
  wrap_event_ = 0;
  anchor_time_ = scheduler_.now();
  anchor_value_ = 0;
  anchor_hz_ = 0;
}

// ---------------------------------------------------------------------------------------------
// NVIC: words 0..3 of each bit array are implemented (126 interrupts); the rest read as zero.

Nvic::Nvic(Core&) : Peripheral("NVIC", kBase, 0xC00) {}

bool Nvic::enabled(unsigned irq) const { return irq < kIrqCount && (enabled_[irq / 32] >> (irq % 32)) & 1u; }
bool Nvic::pending(unsigned irq) const { return irq < kIrqCount && (pending_[irq / 32] >> (irq % 32)) & 1u; }
void Nvic::set_pending(unsigned irq, bool on) {
  if (irq >= kIrqCount) return;
  const std::uint32_t bit = 1u << (irq % 32);
  on ? pending_[irq / 32] |= bit : pending_[irq / 32] &= ~bit;
}
void Nvic::set_active(unsigned irq, bool on) {
  if (irq >= kIrqCount) return;
  const std::uint32_t bit = 1u << (irq % 32);
  on ? active_[irq / 32] |= bit : active_[irq / 32] &= ~bit;
}
std::uint8_t Nvic::priority(unsigned irq) const { return irq < kIrqCount ? priority_[irq] : 0; }

namespace {
constexpr std::uint32_t kIrqMaskWord3 = (1u << (126 - 96)) - 1u;  // interrupts 96..125
std::uint32_t implemented_bits(unsigned word) { return word < 3 ? 0xFFFFFFFFu : (word == 3 ? kIrqMaskWord3 : 0u); }
}  // namespace

std::uint32_t Nvic::read(std::uint32_t offset, unsigned size) {
  const std::uint32_t word_offset = offset & ~3u;
  std::uint32_t word = 0;
  const unsigned index = (word_offset & 0x7Fu) / 4;
  if (word_offset < 0x080) {
    word = index < 4 ? enabled_[index] : 0;  // ISER
  } else if (word_offset < 0x100) {
    word = index < 4 ? enabled_[index] : 0;  // ICER
  } else if (word_offset < 0x180) {
    word = index < 4 ? pending_[index] : 0;  // ISPR
  } else if (word_offset < 0x200) {
    word = index < 4 ? pending_[index] : 0;  // ICPR
  } else if (word_offset < 0x280) {
    word = index < 4 ? active_[index] : 0;  // IABR
  } else if (word_offset >= 0x300 && word_offset < 0x300 + 4 * 124) {
    const unsigned first = word_offset - 0x300;
    for (unsigned b = 0; b < 4; ++b)
      if (first + b < kIrqCount) word |= std::uint32_t{priority_[first + b]} << (8 * b);
  }
  const unsigned shift = (offset & 3u) * 8u;
  const std::uint32_t lanes = size >= 4 ? 0xFFFFFFFFu : (1u << (8 * size)) - 1u;
  return (word >> shift) & lanes;
}

void Nvic::write(std::uint32_t offset, std::uint32_t value, unsigned size) {
  const std::uint32_t word_offset = offset & ~3u;
  const unsigned shift = (offset & 3u) * 8u;
  const std::uint32_t lanes = (size >= 4 ? 0xFFFFFFFFu : (1u << (8 * size)) - 1u) << shift;
  const std::uint32_t v = (value << shift) & lanes;
  const unsigned index = (word_offset & 0x7Fu) / 4;
  if (word_offset < 0x200 && index < 4) {
    const std::uint32_t bits = v & implemented_bits(index);
    if (word_offset < 0x080) enabled_[index] |= bits;
    else if (word_offset < 0x100) enabled_[index] &= ~bits;
    else if (word_offset < 0x180) pending_[index] |= bits;
    else pending_[index] &= ~bits;
  } else if (word_offset >= 0x300 && word_offset < 0x300 + 4 * 124) {
    const unsigned first = word_offset - 0x300;
    for (unsigned b = 0; b < 4; ++b) {
      if (((lanes >> (8 * b)) & 0xFFu) == 0 || first + b >= kIrqCount) continue;
      // Four priority bits are implemented: the low nibble of every byte reads as zero.
      priority_[first + b] = static_cast<std::uint8_t>((v >> (8 * b)) & 0xF0u);
    }
  }
}

void Nvic::reset() {
  enabled_.fill(0);
  pending_.fill(0);
  active_.fill(0);
  priority_.fill(0);
}

// ---------------------------------------------------------------------------------------------
// SCB

Scb::Scb(Core& core) : Peripheral("SCB", kBase, 0x100), core_(core) {
  regs_.define({"CPUID", 0x00, 0x410FD214, Access::ReadOnly, 0});
  regs_.define({"ICSR", 0x04, 0x00000000, Access::ReadWrite, 0})
      .on_read([this](std::uint32_t) {
        std::uint32_t v = static_cast<std::uint32_t>(core_.active_exception()) & 0x1FFu;
        if (core_.is_pending(kExcSysTick)) v |= kIcsrPendStSet;
        if (core_.is_pending(kExcPendSv)) v |= kIcsrPendSvSet;
        if (core_.is_pending(kExcNmi)) v |= kIcsrNmiPendSet;
        if (auto next = core_.next_exception()) v |= (static_cast<std::uint32_t>(*next) & 0x1FFu) << 12;
        return v;
      })
      .on_write([this](std::uint32_t, std::uint32_t written) {
        if (written & kIcsrPendStSet) core_.set_pending(kExcSysTick, true);
        if (written & kIcsrPendStClr) core_.set_pending(kExcSysTick, false);
        if (written & kIcsrPendSvSet) core_.set_pending(kExcPendSv, true);
        if (written & kIcsrPendSvClr) core_.set_pending(kExcPendSv, false);
        if (written & kIcsrNmiPendSet) core_.set_pending(kExcNmi, true);
      });
  regs_.define({"VTOR", 0x08, 0x00000000, Access::ReadWrite, 0xFFFFFF80u});
  // AIRCR reads its key as 0xFA05; a write without 0x05FA in the key field is ignored.
  regs_.define({"AIRCR", 0x0C, 0xFA050000, Access::ReadOnly, 0})
      .on_write([this](std::uint32_t, std::uint32_t written) {
        if ((written >> 16) != 0x05FAu) return;
        Register& aircr = regs_.at(0x0C);
        aircr.set((aircr.value() & ~0x700u) | (written & 0x700u));
        if (written & (1u << 2)) reset_requested = true;
      });
  regs_.define({"SCR", 0x10, 0x00000000, Access::ReadWrite, 0x1Eu});
  regs_.define({"CCR", 0x14, 0x00000201, Access::ReadWrite, 0x00000518u});
  // System handler priorities: four implemented bits per byte.
  regs_.define({"SHPR1", 0x18, 0, Access::ReadWrite, 0xF0F0F0F0u});
  regs_.define({"SHPR2", 0x1C, 0, Access::ReadWrite, 0xF0000000u});
  regs_.define({"SHPR3", 0x20, 0, Access::ReadWrite, 0xF0F000F0u});
  regs_.define({"SHCSR", 0x24, 0, Access::ReadWrite, 0x000F0000u});
  regs_.define({"CFSR", 0x28, 0, Access::Write1Clear});
  regs_.define({"HFSR", 0x2C, 0, Access::Write1Clear});
  regs_.define({"DFSR", 0x30, 0, Access::Write1Clear});
  regs_.define({"MMFAR", 0x34, 0});
  regs_.define({"BFAR", 0x38, 0});
  regs_.define({"AFSR", 0x3C, 0});
  regs_.define({"CPACR", 0x88, 0, Access::ReadWrite, 0x00F00000u});
  regs_.define({"NSACR", 0x8C, 0, Access::ReadOnly, 0});
}

std::uint8_t Scb::system_priority(int exception) const {
  if (exception < 4 || exception > 15) return 0;
  const unsigned byte = static_cast<unsigned>(exception - 4);
  const std::uint32_t word = regs_.at(0x18 + (byte & ~3u)).value();
  return static_cast<std::uint8_t>(word >> (8 * (byte & 3u)));
}

// ---------------------------------------------------------------------------------------------
// Core

Core::Core(Scheduler& scheduler, Rcc& rcc)
    : scheduler_(scheduler),
      rcc_(rcc),
      systick_(std::make_unique<SysTickTimer>(scheduler, rcc, *this)),
      nvic_(std::make_unique<Nvic>(*this)),
      scb_(std::make_unique<Scb>(*this)) {
  rcc_.on_clock_change([this] { systick_->clock_changed(); });
}

Core::~Core() = default;

void Core::map_registers(Bus& bus) {
  bus.map(systick_->name(), systick_->base(), systick_->size(), *systick_);
  bus.map(nvic_->name(), nvic_->base(), nvic_->size(), *nvic_);
  bus.map(scb_->name(), scb_->base(), scb_->size(), *scb_);
}

void Core::reset() {
  systick_->reset();
  nvic_->reset();
  scb_->reset();
  scb_->reset_requested = false;
  primask = 0;
  msp = 0;
  active_.clear();
  monitor_.reset();
  systick_pending_ = false;
  pendsv_pending_ = false;
  nmi_pending_ = false;
  handoff.reset();
}

void Core::set_pending(int exception, bool pending) {
  if (exception == kExcSysTick) systick_pending_ = pending;
  else if (exception == kExcNmi) nmi_pending_ = pending;
  else if (exception == kExcPendSv) pendsv_pending_ = pending;
  else if (exception >= kExcFirstIrq) nvic_->set_pending(static_cast<unsigned>(exception - kExcFirstIrq), pending);
}

bool Core::is_pending(int exception) const {
  if (exception == kExcSysTick) return systick_pending_;
  if (exception == kExcNmi) return nmi_pending_;
  if (exception == kExcPendSv) return pendsv_pending_;
  if (exception >= kExcFirstIrq) return nvic_->pending(static_cast<unsigned>(exception - kExcFirstIrq));
  return false;
}

int Core::priority_of(int exception) const {
  if (exception == kExcReset) return -4;
  if (exception == kExcNmi) return -2;
  if (exception == kExcHardFault) return -1;
  if (exception < kExcFirstIrq) return scb_->system_priority(exception);
  return nvic_->priority(static_cast<unsigned>(exception - kExcFirstIrq));
}

namespace {
// Only the group (pre-emption) part of a priority decides whether one exception pre-empts another.
int group_priority(int priority, std::uint32_t prigroup) {
  if (priority < 0) return priority;
  const std::uint32_t sub_bits = prigroup + 1;
  return static_cast<int>((static_cast<std::uint32_t>(priority) >> sub_bits) << sub_bits);
}
}  // namespace

std::optional<int> Core::next_exception() const {
  std::optional<int> best;
  int best_priority = 0;
  auto consider = [&](int exception) {
    const int p = priority_of(exception);
    if (!best || p < best_priority) {
      best = exception;
      best_priority = p;
    }
  };
  if (nmi_pending_) consider(kExcNmi);
  if (pendsv_pending_) consider(kExcPendSv);
  if (systick_pending_) consider(kExcSysTick);
  // Word by word: the runners ask after every access, and almost always nothing is pending.
  for (unsigned word = 0; word < 4; ++word) {
    for (std::uint32_t bits = nvic_->pending_word(word) & nvic_->enabled_word(word); bits != 0; bits &= bits - 1)
      consider(kExcFirstIrq + static_cast<int>(32 * word + static_cast<unsigned>(std::countr_zero(bits))));
  }
  if (!best) return std::nullopt;

  const std::uint32_t prigroup = scb_->prigroup();
  const int candidate = group_priority(best_priority, prigroup);
  if (primask != 0 && candidate >= 0) return std::nullopt;  // PRIMASK masks everything configurable
  for (int active : active_)
    if (group_priority(priority_of(active), prigroup) <= candidate) return std::nullopt;
  return best;
}

void Core::exception_entry(int exception) {
  set_pending(exception, false);
  if (exception >= kExcFirstIrq) nvic_->set_active(static_cast<unsigned>(exception - kExcFirstIrq), true);
  active_.push_back(exception);
  monitor_.reset();
}

void Core::exception_return(int exception) {
  auto it = std::find(active_.rbegin(), active_.rend(), exception);
  if (it != active_.rend()) active_.erase(std::next(it).base());
  if (exception >= kExcFirstIrq) nvic_->set_active(static_cast<unsigned>(exception - kExcFirstIrq), false);
  monitor_.reset();
}

bool Core::monitor_store_ok(std::uint32_t address) {
  const bool ok = monitor_.has_value() && *monitor_ == address;
  monitor_.reset();
  return ok;
}

void Core::record_handoff(std::uint32_t entry, Time now) {
  HandoffRecord r;
  r.when = now;
  r.entry = entry;
  r.msp = msp;
  r.vtor = scb_->vtor();
  r.primask = primask;
  r.systick_ctrl = systick_->reg("CTRL");
  r.systick_load = systick_->reg("LOAD");
  r.systick_val = systick_->current_value();
  r.systick_pending = systick_pending_;
  for (unsigned w = 0; w < 16; ++w) {
    r.nvic_enabled[w] = nvic_->enabled_word(w);
    r.nvic_pending[w] = nvic_->pending_word(w);
  }
  handoff = r;
}

}  // namespace ovrimo::model

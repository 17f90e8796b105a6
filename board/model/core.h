// The Cortex-M33 core as the firmware sees it: SysTick, NVIC, the SCB registers, PRIMASK, the
// main stack pointer, the exclusive monitor and the exception pending/priority logic. Both
// runners (native binding and emulator) ask this model which exception to take and when.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "model/peripheral.h"
#include "model/rcc.h"
#include "model/time.h"

namespace ovrimo::model {

// Exception numbers as the core numbers them (IRQ n is 16 + n).
enum ExceptionNumber : int {
  kExcReset = 1,
  kExcNmi = 2,
  kExcHardFault = 3,
  kExcSvc = 11,
  kExcPendSv = 14,
  kExcSysTick = 15,
  kExcFirstIrq = 16,
};

// What the core looked like at the moment control passed to the application.
struct HandoffRecord {
  Time when = 0;
  std::uint32_t entry = 0;
  std::uint32_t msp = 0;
  std::uint32_t vtor = 0;
  std::uint32_t primask = 0;
  std::uint32_t systick_ctrl = 0;
  std::uint32_t systick_load = 0;
  std::uint32_t systick_val = 0;
  bool systick_pending = false;
  std::array<std::uint32_t, 16> nvic_enabled{};
  std::array<std::uint32_t, 16> nvic_pending{};
};

class Core;

// SysTick: a 24-bit down-counter on the processor clock or the RCC SysTick clock. Its value is
// computed from the time it was last anchored, so counting costs nothing between accesses.
class SysTickTimer : public Peripheral {
 public:
  static constexpr std::uint32_t kBase = 0xE000E010;
  SysTickTimer(Scheduler& scheduler, Rcc& rcc, Core& core);

  void reset() override;
  std::uint32_t current_value() const;
  std::uint32_t counting_hz() const;
  // Re-derive timing after a change of the counting clock.
  void clock_changed();

 private:
  void reanchor(std::uint32_t value);
  void schedule_wrap();
  void on_wrap();
  bool running() const;

  Scheduler& scheduler_;
  Rcc& rcc_;
  Core& core_;
  Time anchor_time_ = 0;
  std::uint32_t anchor_value_ = 0;
  std::uint32_t anchor_hz_ = 0;
  Scheduler::EventId wrap_event_ = 0;
};

class Nvic : public Peripheral {
 public:
  static constexpr std::uint32_t kBase = 0xE000E100;
  static constexpr unsigned kIrqCount = 126;
  explicit Nvic(Core& core);

  bool enabled(unsigned irq) const;
  bool pending(unsigned irq) const;
  void set_pending(unsigned irq, bool on);
  void set_active(unsigned irq, bool on);
  std::uint8_t priority(unsigned irq) const;
  std::uint32_t enabled_word(unsigned word) const { return word < 4 ? enabled_[word] : 0; }
  std::uint32_t pending_word(unsigned word) const { return word < 4 ? pending_[word] : 0; }

  std::uint32_t read(std::uint32_t offset, unsigned size) override;
  // Enable, pending and active state change only by writes, exceptions and events.
  bool steady_read(std::uint32_t) const override { return true; }
  void write(std::uint32_t offset, std::uint32_t value, unsigned size) override;
  void reset() override;

 private:
  std::array<std::uint32_t, 4> enabled_{};
  std::array<std::uint32_t, 4> pending_{};
  std::array<std::uint32_t, 4> active_{};
  std::array<std::uint8_t, kIrqCount> priority_{};
};

class Scb : public Peripheral {
 public:
  static constexpr std::uint32_t kBase = 0xE000ED00;
  explicit Scb(Core& core);

  std::uint32_t vtor() const { return reg("VTOR"); }
  std::uint32_t prigroup() const { return (reg("AIRCR") >> 8) & 7u; }
  // Priority byte of system exception 4..15.
  std::uint8_t system_priority(int exception) const;
  // Set when software requested a system reset through AIRCR.
  bool reset_requested = false;

 private:
  Core& core_;
};

class Core {
 public:
  Core(Scheduler& scheduler, Rcc& rcc);
  ~Core();

  void reset();
  void map_registers(Bus& bus);

  SysTickTimer& systick() { return *systick_; }
  Nvic& nvic() { return *nvic_; }
  Scb& scb() { return *scb_; }

  // Special registers.
  std::uint32_t primask = 0;
  std::uint32_t msp = 0;

  // Exception state. `pending` is set by SysTick, by the flash (NMI) or by software (ICSR, NVIC
  // ISPR).
  void set_pending(int exception, bool pending);
  bool is_pending(int exception) const;
  // The exception the core would take now (pending, enabled, of higher priority than the one
  // running, not masked by PRIMASK), if any.
  std::optional<int> next_exception() const;
  // Bookkeeping for the runner that delivers the exception and returns from it.
  void exception_entry(int exception);
  void exception_return(int exception);
  int active_exception() const { return active_.empty() ? 0 : active_.back(); }
  // Priority of an exception (lower value is more urgent); reset, NMI and HardFault are fixed.
  int priority_of(int exception) const;

  // Exclusive monitor of LDREX/STREX: an exception entry or CLREX clears it.
  void monitor_set(std::uint32_t address) { monitor_ = address; }
  bool monitor_store_ok(std::uint32_t address);
  void monitor_clear() { monitor_.reset(); }

  // Record of the hand-off, written by the runner when the jump to the application happens.
  std::optional<HandoffRecord> handoff;
  void record_handoff(std::uint32_t entry, Time now);

 private:
  Scheduler& scheduler_;
  Rcc& rcc_;
  std::unique_ptr<SysTickTimer> systick_;
  std::unique_ptr<Nvic> nvic_;
  std::unique_ptr<Scb> scb_;
  std::vector<int> active_;
  std::optional<std::uint32_t> monitor_;
  bool systick_pending_ = false;
  bool nmi_pending_ = false;
  bool pendsv_pending_ = false;
};

}  // namespace ovrimo::model

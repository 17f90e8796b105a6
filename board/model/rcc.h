// Reset and clock control: registers, oscillator and PLL behaviour, and the clock tree that
// every other model's timing is derived from.
//
// Ready flags follow their enables after a start-up delay and drop a little after a disable;
// a PLL locks only on a running input; SWS follows SW once the selected source is ready. An
// oscillator that drives SYSCLK (directly or through PLL1) cannot be switched off, as on the chip.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "model/peripheral.h"
#include "model/time.h"

namespace ovrimo::model {

class Pwr;

// Start-up delays of the oscillators and PLLs. Not checked against the datasheet (no timing
// table was available to us); the orders of magnitude are those this MCU family documents.
struct RccTiming {
  Time msi_startup = 5 * kMicrosecond;
  Time hsi_startup = 4 * kMicrosecond;
  Time hsi48_startup = 5 * kMicrosecond;
  Time shsi_startup = 5 * kMicrosecond;
  Time hse_startup = 2 * kMillisecond;
  Time lsi_startup = 260 * kMicrosecond;
  Time lse_startup = 300 * kMillisecond;
  Time lsesys_startup = 100 * kMicrosecond;  // LSESYSRDY after LSESYSEN, a few LSE cycles
  Time pll_lock = 40 * kMicrosecond;
  Time oscillator_stop = 1 * kMicrosecond;  // a ready flag dropping after its enable is cleared
  Time switch_delay = 1 * kMicrosecond;     // SWS catching up with SW
  std::uint32_t hse_hz = 16'000'000;        // crystal fitted on the board
};

class Rcc : public Peripheral {
 public:
  static constexpr std::uint32_t kBase = 0x46020C00;

  // Fixed oscillator frequencies.
  static constexpr std::uint32_t kHsi16Hz = 16'000'000;
  static constexpr std::uint32_t kHsi48Hz = 48'000'000;
  static constexpr std::uint32_t kLsiHz = 32'000;
  static constexpr std::uint32_t kLseHz = 32'768;

  enum class PllOutput { P, Q, R };

  Rcc(Scheduler& scheduler, RccTiming timing = {});

  // The power controller whose DBPR.DBP unlocks BDCR writes. Without one, BDCR stays protected.
  void attach_pwr(const Pwr* pwr) { pwr_ = pwr; }

  void reset() override;

  // Clock tree, computed from the registers (0 for a clock that is off).
  std::uint32_t sysclk_hz() const;
  // The core clock is asked for at every access the core makes, so it is kept from the last
  // change of the tree: every register write and every ready flag or clock switch settles it.
  std::uint32_t hclk_hz() const { return last_tree_.hz[kHclkInTree]; }
  std::uint32_t pclk1_hz() const;
  std::uint32_t pclk2_hz() const;
  std::uint32_t pclk3_hz() const;
  // The clock the SysTick counts when its CLKSOURCE bit is clear (CCIPR1.SYSTICKSEL).
  std::uint32_t systick_external_hz() const;
  // Kernel clock of a USART/LPUART instance given by its base address (CCIPR1/CCIPR3 selectors);
  // 0 for an address that is no USART or a source that is not running.
  std::uint32_t usart_kernel_hz(std::uint32_t usart_base) const;

  // Oscillator outputs: the nominal frequency while the ready flag is set, else 0.
  std::uint32_t msis_hz() const;
  std::uint32_t msik_hz() const;
  std::uint32_t hsi16_hz() const;
  std::uint32_t hsi48_hz() const;
  std::uint32_t hse_hz() const;
  std::uint32_t lsi_hz() const;  // after LSIPREDIV
  std::uint32_t lse_hz() const;
  // PLL n (1..3): VCO frequency from the registers, and an output (0 unless locked and enabled).
  std::uint64_t pll_vco_hz(unsigned pll) const;
  std::uint32_t pll_hz(unsigned pll, PllOutput output) const;
  // Input clock of the EPOD booster: the PLL1 source divided by PLL1MBOOST.
  std::uint32_t epod_boost_input_hz() const;

  // True when the enable bit `mask` of the enable register at `enr_offset` is set.
  bool clock_enabled(std::uint32_t enr_offset, std::uint32_t mask) const;

  // Notified after any change that altered one of the frequencies above (a register write, a
  // ready flag or SWS settling), and after a reset. Writes that change no frequency stay silent,
  // so that listeners re-deriving their timing do not accumulate rounding for nothing.
  void on_clock_change(std::function<void()> listener) { clock_listeners_.push_back(std::move(listener)); }
  // Notified with (reset register offset, bits newly asserted) when software pulses a reset line.
  void on_peripheral_reset(std::function<void(std::uint32_t, std::uint32_t)> listener) {
    reset_listeners_.push_back(std::move(listener));
  }

  const RccTiming& timing() const { return timing_; }

 private:
  // One oscillator or PLL ready flag and the event that will move it towards its target.
  struct ReadyFlag {
    std::uint32_t offset;  // CR or BDCR
    std::uint32_t ready;   // the ready bit
    std::uint32_t cifr;    // its interrupt flag in CIFR (0: none)
    Time rise;
    Time fall;
    std::function<bool()> wanted;
    Scheduler::EventId event = 0;
    bool target = false;
  };

  std::uint32_t value(std::uint32_t offset) const { return regs_.at(offset).value(); }
  bool bit(std::uint32_t offset, std::uint32_t mask) const { return (value(offset) & mask) != 0; }

  bool pll_input_ready(unsigned pll) const;
  std::uint32_t pll_input_hz(unsigned pll) const;
  bool source_ready(std::uint32_t sw) const;
  std::uint32_t source_hz(std::uint32_t sw) const;
  bool backup_domain_writable() const;

  void on_cr_write(std::uint32_t old);
  void on_pll_cfgr_write(unsigned pll, std::uint32_t old);
  void on_bdcr_write(std::uint32_t old);
  void on_csr_write(std::uint32_t old, std::uint32_t written);

  // Moves every ready flag and SWS towards what the registers ask for, then reports any change
  // of the clock tree.
  void settle();
  void settle_flags();
  void settle_switch();
  void cancel_all();
  void notify_if_changed();

  std::uint32_t computed_hclk_hz() const;
  static constexpr std::size_t kHclkInTree = 1;
  struct TreeSnapshot {
    std::array<std::uint32_t, 28> hz{};
    bool operator==(const TreeSnapshot&) const = default;
  };
  TreeSnapshot snapshot() const;

  Scheduler& scheduler_;
  RccTiming timing_;
  const Pwr* pwr_ = nullptr;
  std::vector<ReadyFlag> flags_;
  Scheduler::EventId switch_event_ = 0;
  TreeSnapshot last_tree_;
  std::vector<std::function<void()>> clock_listeners_;
  std::vector<std::function<void(std::uint32_t, std::uint32_t)>> reset_listeners_;
};

}  // namespace ovrimo::model

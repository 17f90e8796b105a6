// Reset and clock control: registers, oscillator and PLL behaviour, and the clock tree that
// every other model's timing is derived from.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "model/peripheral.h"
#include "model/time.h"

namespace ovrimo::model {

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
  Time pll_lock = 40 * kMicrosecond;
  Time switch_delay = 1 * kMicrosecond;  // SWS catching up with SW
  std::uint32_t hse_hz = 16'000'000;     // crystal fitted on the board
};

class Rcc : public Peripheral {
 public:
  static constexpr std::uint32_t kBase = 0x46020C00;

  Rcc(Scheduler& scheduler, RccTiming timing = {});

  void reset() override;

  // Clock tree, computed from the registers (0 for a clock that is off).
  std::uint32_t sysclk_hz() const;
  std::uint32_t hclk_hz() const;
  std::uint32_t pclk1_hz() const;
  std::uint32_t pclk2_hz() const;
  std::uint32_t pclk3_hz() const;
  // The clock the SysTick counts when its CLKSOURCE bit is clear (CCIPR1.SYSTICKSEL).
  std::uint32_t systick_external_hz() const;
  // Kernel clock of a USART/LPUART instance given by its base address (CCIPR1/CCIPR3 selectors).
  std::uint32_t usart_kernel_hz(std::uint32_t usart_base) const;

  // True when the enable bit `mask` of the enable register at `enr_offset` is set.
  bool clock_enabled(std::uint32_t enr_offset, std::uint32_t mask) const;

  // Notified after any register change that may have changed a clock frequency.
  void on_clock_change(std::function<void()> listener) { clock_listeners_.push_back(std::move(listener)); }
  // Notified with (reset register offset, bits newly asserted) when software pulses a reset line.
  void on_peripheral_reset(std::function<void(std::uint32_t, std::uint32_t)> listener) {
    reset_listeners_.push_back(std::move(listener));
  }

  const RccTiming& timing() const { return timing_; }

 private:
  void notify_clock_change();

  Scheduler& scheduler_;
  RccTiming timing_;
  std::vector<std::function<void()>> clock_listeners_;
  std::vector<std::function<void(std::uint32_t, std::uint32_t)>> reset_listeners_;
};

}  // namespace ovrimo::model

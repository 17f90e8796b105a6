// Steps the two halves of the clock driver share (hal_rcc.cpp and hal_rcc_ex.cpp include this);
// not part of the driver's interface.
#ifndef OVRIMO_HAL_RCC_INTERNAL_H
#define OVRIMO_HAL_RCC_INTERNAL_H

#include "hal.h"
#include "hal_rcc.h"

namespace {

// Polls until the bits `mask` of `reg` are all set (`set`) or all clear. The tick is read once
// before the first poll; the wait gives up only when more than `timeout` ticks have passed, so a
// flag that is already there costs one tick read and a missing one costs timeout+1 ticks.
inline HAL_StatusTypeDef wait_flag(const reg32_t& reg, uint32_t mask, bool set, uint32_t timeout) {
  const uint32_t tickstart = HAL_GetTick();
  while ((READ_BIT(reg, mask) == mask) != set) {
    if ((HAL_GetTick() - tickstart) > timeout) {
      return HAL_TIMEOUT;
    }
  }
  return HAL_OK;
}

// The PWR registers are reachable only with the PWR bus clock on. Switches it on for the
// lifetime of the object when it was off, and back off at every exit.
class PwrClockScope {
 public:
  PwrClockScope() : switched_on_(__HAL_RCC_PWR_IS_CLK_DISABLED()) {
    if (switched_on_) {
      __HAL_RCC_PWR_CLK_ENABLE();
    }
  }
  ~PwrClockScope() {
    if (switched_on_) {
      __HAL_RCC_PWR_CLK_DISABLE();
    }
  }
  PwrClockScope(const PwrClockScope&) = delete;
  PwrClockScope& operator=(const PwrClockScope&) = delete;

 private:
  bool switched_on_;
};

// VCO frequency of a PLL from its CFGR, DIVR and FRACR values and the frequency at its input:
// input / M * (N + FRACN / 8192 + 1). Single-precision arithmetic, truncated only at the outputs:
// the core's FPU does it cheaply and the fractional multiplier needs it. PLL1, PLL2 and PLL3 share
// the layout, so PLL1's field constants serve all three.
inline float pll_vco(float input, uint32_t cfgr, uint32_t divr, uint32_t fracr) {
  const uint32_t m = ((cfgr & RCC_PLL1CFGR_PLL1M) >> RCC_PLL1CFGR_PLL1M_Pos) + 1U;
  const uint32_t fracen = (cfgr & RCC_PLL1CFGR_PLL1FRACEN) >> RCC_PLL1CFGR_PLL1FRACEN_Pos;
  const float fracn =
      static_cast<float>(fracen * ((fracr & RCC_PLL1FRACR_PLL1FRACN) >> RCC_PLL1FRACR_PLL1FRACN_Pos));
  const uint32_t n = divr & RCC_PLL1DIVR_PLL1N;
  return (input / static_cast<float>(m)) * (static_cast<float>(n) + (fracn / 8192.0f) + 1.0f);
}

// One PLL output: the VCO frequency over the divider held (less one) in `field` of DIVR, truncated.
inline uint32_t pll_output(float vco, uint32_t divr, uint32_t field, uint32_t pos) {
  return static_cast<uint32_t>(vco / static_cast<float>(((divr & field) >> pos) + 1U));
}

}  // namespace

#endif

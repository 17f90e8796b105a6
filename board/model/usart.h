// USART / LPUART model: one class for every instance.
#pragma once

#include "model/peripheral.h"
#include "model/rcc.h"
#include "model/time.h"

namespace ovrimo::model {

class Usart : public Peripheral {
 public:
  static constexpr std::uint32_t kUsart2Base = 0x40004400;
  static constexpr std::uint32_t kLpuart1Base = 0x46002400;

  Usart(std::string name, std::uint32_t base, Scheduler& scheduler, Rcc& rcc)
      : Peripheral(std::move(name), base, 0x400), scheduler_(scheduler), rcc_(rcc) {}

 private:
  Scheduler& scheduler_;
  Rcc& rcc_;
};

}  // namespace ovrimo::model

// General-purpose I/O ports and the low-power port LPGPIO1.
#pragma once

#include <vector>

#include "model/peripheral.h"
#include "model/time.h"

namespace ovrimo::model {

class GpioPort : public Peripheral {
 public:
  static constexpr std::uint32_t kBaseA = 0x42020000;
  static constexpr std::uint32_t kStride = 0x400;

  // `index` 0 is port A, 8 is port I.
  GpioPort(unsigned index, Scheduler& scheduler)
      : Peripheral(std::string("GPIO") + static_cast<char>('A' + index), kBaseA + kStride * index, kStride),
        index_(index),
        scheduler_(scheduler) {}

  unsigned index() const { return index_; }

 private:
  unsigned index_;
  Scheduler& scheduler_;
};

class LpGpio : public Peripheral {
 public:
  static constexpr std::uint32_t kBase = 0x46020000;
  LpGpio() : Peripheral("LPGPIO1", kBase, 0x400) {}
};

}  // namespace ovrimo::model

// Power control: voltage scaling ranges and their ready flags, backup-domain protection.
#pragma once

#include "model/peripheral.h"
#include "model/time.h"

namespace ovrimo::model {

class Pwr : public Peripheral {
 public:
  static constexpr std::uint32_t kBase = 0x46020800;

  explicit Pwr(Scheduler& scheduler) : Peripheral("PWR", kBase, 0x400), scheduler_(scheduler) {}

 private:
  Scheduler& scheduler_;
};

}  // namespace ovrimo::model

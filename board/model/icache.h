// Instruction cache controller: enable/disable with its completion delay, invalidation.
#pragma once

#include "model/peripheral.h"
#include "model/time.h"

namespace ovrimo::model {

class ICache : public Peripheral {
 public:
  static constexpr std::uint32_t kBase = 0x40030400;

  explicit ICache(Scheduler& scheduler) : Peripheral("ICACHE", kBase, 0x400), scheduler_(scheduler) {}

 private:
  Scheduler& scheduler_;
};

}  // namespace ovrimo::model

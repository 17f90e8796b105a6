// General-purpose DMA controller: the channel registers the UART abort path uses.
#pragma once

#include "model/peripheral.h"
#include "model/time.h"

namespace ovrimo::model {

class Gpdma : public Peripheral {
 public:
  static constexpr std::uint32_t kBase = 0x40020000;

  explicit Gpdma(Scheduler& scheduler) : Peripheral("GPDMA", kBase, 0x1000), scheduler_(scheduler) {}

 private:
  Scheduler& scheduler_;
};

}  // namespace ovrimo::model

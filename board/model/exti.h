// Extended interrupt and event controller (register set 1).
#pragma once

#include "model/peripheral.h"
#include "model/time.h"

namespace ovrimo::model {

class Exti : public Peripheral {
 public:
  static constexpr std::uint32_t kBase = 0x46022000;

  Exti() : Peripheral("EXTI", kBase, 0x400) {}
};

}  // namespace ovrimo::model

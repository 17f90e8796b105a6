// Extended interrupt and event controller (register set 1, lines 0..25).
//
// Registers only: trigger and mask configuration, the port selectors of lines 0..15 and the
// write-1-to-clear pending flags. Pin edges are not routed into it; nothing in the bootloader
// uses an EXTI line.
#pragma once

#include "model/peripheral.h"
#include "model/time.h"

namespace ovrimo::model {

class Exti : public Peripheral {
 public:
  static constexpr std::uint32_t kBase = 0x46022000;
  static constexpr std::uint32_t kLineMask = 0x03FFFFFF;  // lines 0..25

  Exti();

  // Port index (0 = A .. 8 = I) selected for line 0..15.
  unsigned port_of_line(unsigned line) const;
};

}  // namespace ovrimo::model

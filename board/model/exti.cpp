#include "model/exti.h"

#include <stdexcept>

namespace ovrimo::model {

Exti::Exti() : Peripheral("EXTI", kBase, 0x400) {
  regs_.define({"RTSR1", 0x00, 0, Access::ReadWrite, kLineMask});
  regs_.define({"FTSR1", 0x04, 0, Access::ReadWrite, kLineMask});
  regs_.define({"SWIER1", 0x08, 0, Access::ReadWrite, kLineMask});
  regs_.define({"RPR1", 0x0C, 0, Access::Write1Clear, kLineMask});
  regs_.define({"FPR1", 0x10, 0, Access::Write1Clear, kLineMask});
  regs_.define({"SECCFGR1", 0x14, 0, Access::ReadWrite, kLineMask});
  regs_.define({"PRIVCFGR1", 0x18, 0, Access::ReadWrite, kLineMask});
  // One 8-bit port selector per line, four lines per register.
  regs_.define({"EXTICR1", 0x60, 0});
  regs_.define({"EXTICR2", 0x64, 0});
  regs_.define({"EXTICR3", 0x68, 0});
  regs_.define({"EXTICR4", 0x6C, 0});
  regs_.define({"LOCKR", 0x70, 0, Access::ReadWrite, 0x1});
  regs_.define({"IMR1", 0x80, 0, Access::ReadWrite, kLineMask});
  regs_.define({"EMR1", 0x84, 0, Access::ReadWrite, kLineMask});
}

unsigned Exti::port_of_line(unsigned line) const {
  if (line > 15) throw std::out_of_range("EXTI lines above 15 have no port selector");
  return (regs_.at(0x60 + 4 * (line / 4)).value() >> (8 * (line % 4))) & 0xFFu;
}

}  // namespace ovrimo::model

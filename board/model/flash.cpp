#include "model/flash.h"

#include <cstring>

namespace ovrimo::model {

std::uint32_t FlashArray::read(std::uint32_t offset, unsigned size) {
  std::uint32_t value = 0;
  std::memcpy(&value, bytes_.data() + offset, size);  // little-endian host, as the chip
  return value;
}

void FlashArray::write(std::uint32_t offset, std::uint32_t value, unsigned size) {
  if (store_handler_) store_handler_(offset, value, size);
}

FlashController::FlashController(Scheduler& scheduler, FlashArray& array)
    : Peripheral("FLASH", kBase, 0x400), scheduler_(scheduler), array_(array) {
  // LATENCY, PRFTEN, LPM, PDREQ1, PDREQ2, SLEEP_PD
  regs_.define({"ACR", 0x000, 0x00000000, Access::ReadWrite, 0x0000790Fu});
  regs_.define({"NSSR", 0x020, 0x00000000, Access::Write1Clear, 0x000020FBu});
  regs_.define({"NSCR", 0x028, 0xC0000000, Access::ReadWrite});
}

}  // namespace ovrimo::model

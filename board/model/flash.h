// The flash memory array and its controller (FLASH interface registers).
#pragma once

#include <vector>

#include "model/peripheral.h"
#include "model/time.h"

namespace ovrimo::model {

// 2 MB in two banks of 128 pages of 8 KB; erased bytes read 0xFF.
class FlashArray : public BusTarget {
 public:
  static constexpr std::uint32_t kBase = 0x08000000;
  static constexpr std::uint32_t kSize = 2 * 1024 * 1024;
  static constexpr std::uint32_t kPageSize = 8 * 1024;

  FlashArray() : bytes_(kSize, 0xFF) {}

  std::uint32_t read(std::uint32_t offset, unsigned size) override;
  // Stores from the bus are handed to the controller, which decides whether they program.
  void write(std::uint32_t offset, std::uint32_t value, unsigned size) override;

  std::vector<std::uint8_t>& bytes() { return bytes_; }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  void set_store_handler(std::function<void(std::uint32_t, std::uint32_t, unsigned)> handler) {
    store_handler_ = std::move(handler);
  }

 private:
  std::vector<std::uint8_t> bytes_;
  std::function<void(std::uint32_t, std::uint32_t, unsigned)> store_handler_;
};

class FlashController : public Peripheral {
 public:
  static constexpr std::uint32_t kBase = 0x40022000;

  FlashController(Scheduler& scheduler, FlashArray& array);

 private:
  Scheduler& scheduler_;
  FlashArray& array_;
};

}  // namespace ovrimo::model

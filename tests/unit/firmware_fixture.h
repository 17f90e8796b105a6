// Shared set-up of the firmware tests: a board, the native binding attached to it, the firmware's
// globals back at their start-up values, and the helpers most tests need to run firmware and to
// look at registers and flash contents.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <utility>
#include <vector>

#include "firmware_globals.h"
#include "model/board.h"
#include "native/binding.h"

namespace ovrimo::test {

using model::BusAccess;
using model::kMicrosecond;
using model::kMillisecond;
using model::kNanosecond;
using model::kSecond;
using model::Time;
using native::StopReason;

// Addresses several tests name, written out rather than taken from the device header under test.
inline constexpr std::uint32_t kSysTickCtrl = 0xE000E010, kSysTickLoad = 0xE000E014, kSysTickVal = 0xE000E018;
inline constexpr std::uint32_t kAircr = 0xE000ED0C;
inline constexpr std::uint32_t kSysTickPriorityByte = 0xE000ED23;  // SHPR3, byte of exception 15
inline constexpr std::uint32_t kFlashAcr = 0x40022000;
inline constexpr std::uint32_t kRcc = 0x46020C00;
inline constexpr std::uint32_t kUsart2 = 0x40004400;

// Where the bootloader expects an application, and what the test images put in its first words.
inline constexpr std::uint32_t kAppStart = app_image::kBase;
inline constexpr std::uint32_t kAppStack = APP_STACK_HIGHEST;
inline constexpr std::uint32_t kAppEntry = 0x08010401;
inline constexpr std::uint32_t kPage = 0x2000;

// An application image of `size` bytes: a usable stack pointer and entry in its first two words,
// then a pattern that differs from block to block and from one image to the next.
inline std::vector<std::uint8_t> app_image(std::size_t size, std::uint8_t seed = 1, std::uint32_t stack = kAppStack,
                                           std::uint32_t entry = kAppEntry) {
  std::vector<std::uint8_t> image(size);
  for (std::size_t i = 0; i < size; ++i) image[i] = static_cast<std::uint8_t>((i * 7 + i / 128 + seed * 31) & 0xFF);
  for (int b = 0; b < 4 && static_cast<std::size_t>(b + 4) < size; ++b) {
    image[b] = static_cast<std::uint8_t>(stack >> (8 * b));
    image[4 + b] = static_cast<std::uint8_t>(entry >> (8 * b));
  }
  return image;
}

// A fresh board with the binding attached (one at a time: the binding is single-instance) and the
// firmware globals reset. Register helpers go straight to the bus: no firmware time passes.
class FirmwareTest : public ::testing::Test {
 protected:
  explicit FirmwareTest(model::BoardConfig config = {}) : board(config), binding(board) { reset_firmware_globals(); }
  ~FirmwareTest() override { board.bus().set_observer({}); }

  // Runs `firmware` and reports how it ended: returned, handed off, stopped or out of time.
  native::RunResult run(const std::function<void()>& firmware) { return binding.run(firmware); }

  // Runs `firmware`, which must return; a fatal failure with the binding's account of the stop
  // otherwise.
  void run_to_return(const std::function<void()>& firmware) {
    const native::RunResult result = binding.run(firmware);
    ASSERT_EQ(result.reason, native::StopReason::Returned) << result.detail;
  }

  std::uint32_t read32(std::uint32_t address) { return board.bus().read(address, 4); }
  std::uint32_t read8(std::uint32_t address) { return board.bus().read(address, 1); }
  void write32(std::uint32_t address, std::uint32_t value) { board.bus().write(address, value, 4); }
  void set_bits(std::uint32_t address, std::uint32_t bits) { write32(address, read32(address) | bits); }

  // Every store from now on, in order: address and value.
  std::vector<std::pair<std::uint32_t, std::uint32_t>>& record_writes() {
    writes_.clear();
    board.bus().set_observer([this](const model::BusAccess& a) {
      if (a.is_write) writes_.emplace_back(a.address, a.value);
    });
    return writes_;
  }

  // Flash contents, straight in the array, as a programmer would leave them.
  void store(std::uint32_t address, std::span<const std::uint8_t> bytes) {
    std::copy(bytes.begin(), bytes.end(), flash_at(address));
  }
  void store_word(std::uint32_t address, std::uint32_t value) {
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                   static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    store(address, bytes);
  }
  void fill_flash(std::uint32_t address, std::size_t size, std::uint8_t value) {
    std::fill_n(flash_at(address), size, value);
  }
  std::uint32_t flash_word(std::uint32_t address) { return board.flash_array().word(address); }
  std::vector<std::uint8_t> flash_bytes(std::uint32_t address, std::size_t size) {
    const auto first = flash_at(address);
    return {first, first + static_cast<std::ptrdiff_t>(size)};
  }
  bool flash_erased(std::uint32_t address, std::size_t size) {
    return std::all_of(flash_at(address), flash_at(address) + static_cast<std::ptrdiff_t>(size),
                       [](std::uint8_t b) { return b == 0xFF; });
  }
  bool flash_locked() { return (board.flash().reg("NSCR") & model::FlashController::kLock) != 0; }

  model::Board board;
  native::Binding binding;

 private:
  std::vector<std::uint8_t>::iterator flash_at(std::uint32_t address) {
    return board.flash_array().bytes().begin() + (address - model::FlashArray::kBase);
  }

  std::vector<std::pair<std::uint32_t, std::uint32_t>> writes_;
};

// The board as main leaves it when its menu starts (boot_bring_up).
class BroughtUpBoard : public FirmwareTest {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(run_to_return(boot_bring_up)); }
};

}  // namespace ovrimo::test

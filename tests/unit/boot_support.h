// Shared set-up for the tests of the bootloader's own modules (receiver, flash writer, serial
// link, hand-off): a board in the state main leaves it in, and application images in its flash.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "hal.h"
#include "hal_flash.h"
#include "hal_uart.h"
#include "main.h"
#include "model/board.h"
#include "native/binding.h"

namespace ovrimo::test {

inline constexpr std::uint32_t kAppStart = 0x08010000;
inline constexpr std::uint32_t kAppStack = 0x200C0000;
inline constexpr std::uint32_t kAppEntry = 0x08010401;
inline constexpr std::uint32_t kPage = 0x2000;

// Firmware globals outlive a test; put back what a reset of the chip would give them.
inline void reset_firmware_globals() {
  std::memset(static_cast<void*>(&huart2), 0, sizeof huart2);
  std::memset(static_cast<void*>(&pFlash), 0, sizeof pFlash);
  pFlash.Bank = FLASH_BANK_1;
  uwTick = 0;
}

// What main does before its menu: HAL, clocks, board outputs, cache, USART2, BOOT_STATUS high.
inline void bring_up() {
  (void)HAL_Init();
  SystemClock_Config();
  MX_GPIO_Init();
  MX_ICACHE_Init();
  MX_USART2_UART_Init();
  HAL_GPIO_WritePin(BOOT_STATUS_GPIO_Port, BOOT_STATUS_Pin, GPIO_PIN_SET);
}

// Bytes straight into the flash array, as a programmer would leave them.
inline void store(model::Board& board, std::uint32_t address, std::span<const std::uint8_t> bytes) {
  auto& array = board.flash_array().bytes();
  std::copy(bytes.begin(), bytes.end(), array.begin() + (address - model::FlashArray::kBase));
}

inline void store_word(model::Board& board, std::uint32_t address, std::uint32_t value) {
  const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                 static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
  store(board, address, bytes);
}

inline std::vector<std::uint8_t> flash_bytes(model::Board& board, std::uint32_t address, std::size_t size) {
  const auto& array = board.flash_array().bytes();
  const auto first = array.begin() + (address - model::FlashArray::kBase);
  return {first, first + static_cast<std::ptrdiff_t>(size)};
}

inline bool all_erased(model::Board& board, std::uint32_t address, std::size_t size) {
  for (std::uint8_t b : flash_bytes(board, address, size)) {
    if (b != 0xFF) return false;
  }
  return true;
}

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

inline bool flash_locked(model::Board& board) {
  return (board.flash().reg("NSCR") & model::FlashController::kLock) != 0;
}

}  // namespace ovrimo::test

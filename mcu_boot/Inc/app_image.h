// What an application image must be for this bootloader to take it and start it. One header for
// the bootloader, the sample application, the host tools and the tests, so that the address the
// uploader checks and the address the bootloader erases cannot drift apart.
//
// Plain constants and constexpr rules over integers: it includes nothing but <stdint.h>, so the
// firmware (target and native), the sample application and host code can all use it.
#ifndef OVRIMO_APP_IMAGE_H
#define OVRIMO_APP_IMAGE_H

#include <stdint.h>

// First byte of the application; everything below belongs to the bootloader.
#define FLASH_APP_START_ADDRESS ((uint32_t)0x08010000U)
// Last byte of flash bank 1.
#define FLASH_BANK1_END ((uint32_t)0x080FFFFFU)

// Where an application's initial stack pointer may point: inside SRAM, top of SRAM included.
#define APP_STACK_LOWEST ((uint32_t)0x20000000U)
#define APP_STACK_HIGHEST ((uint32_t)0x200C0000U)

// Metadata block inside the application image: magic word, then major, minor, patch.
#define APP_META_BASE ((uint32_t)0x0808FF00U)
#define APP_MAGIC ((uint32_t)0x5EB0A7C3U)

namespace app_image {

inline constexpr uint32_t kBase = FLASH_APP_START_ADDRESS;
inline constexpr uint32_t kPageSize = 0x2000U;
// An update erases from the first application page (8) up to the last page of bank 1 (127),
// which it leaves alone: an image may fill pages 8 to 126.
inline constexpr uint32_t kErasedEnd = FLASH_BANK1_END + 1U - kPageSize;  // 0x080FE000, page 127
inline constexpr uint32_t kMaxSize = kErasedEnd - kBase;                  // 0xEE000 bytes

inline constexpr uint32_t kMetaOffset = APP_META_BASE - kBase;  // 0x7FF00
// The block is the last 256 bytes of the image's first 512 KB; the bootloader reads its first 7.
inline constexpr uint32_t kMetaSize = 0x100U;
inline constexpr uint32_t kMetaUsed = 7U;
inline constexpr uint32_t kMetaVersionOffset = 4U;

static_assert(kMaxSize == 0xEE000U, "pages 8 to 126 of bank 1");
static_assert(kMetaOffset == 0x7FF00U, "the block sits 0x7FF00 bytes into the image");

// The hand-off guard: word 0 of the image must be a usable main stack pointer...
constexpr bool stack_pointer_usable(uint32_t stack) {
  return (stack > APP_STACK_LOWEST) && (stack <= APP_STACK_HIGHEST) && ((stack & 3U) == 0U);
}
// ...and word 1 a Thumb address in bank 1 at or above the application's start.
constexpr bool entry_usable(uint32_t entry) {
  return ((entry & 1U) != 0U) && (entry >= FLASH_APP_START_ADDRESS) && (entry <= FLASH_BANK1_END);
}
constexpr bool vectors_usable(uint32_t stack, uint32_t entry) {
  return stack_pointer_usable(stack) && entry_usable(entry);
}

}  // namespace app_image

#endif

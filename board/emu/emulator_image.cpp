// Images placed in flash and SRAM as a programmer places them.
#include "emu/emulator.h"

#include <algorithm>

#include "emu/emulator_internal.h"

namespace ovrimo::emu {

using namespace detail;

void Emulator::load_elf(const std::filesystem::path& path) { load_elf(ElfImage::read_file(path)); }

void Emulator::load_elf(const ElfImage& image) {
  // Erase every flash page a segment touches first, then place all segments: two segments may
  // share a page.
  std::vector<std::uint8_t>& flash = board_.flash_array().bytes();
  for (const ElfSegment& s : image.segments()) {
    const bool in_flash = inside(s.load_address, s.bytes.size(), kFlashBase, kFlashSize);
    const bool in_sram = inside(s.load_address, s.bytes.size(), kSramBase, kSramSize);
    if (!in_flash && !in_sram)
      throw ImageError("segment at " + hex32(s.load_address) + " (" + std::to_string(s.bytes.size()) +
                       " bytes) lies outside flash and SRAM");
    if (in_flash) {
      const std::uint32_t page = model::FlashArray::kPageSize;
      const std::uint32_t first = (s.load_address - kFlashBase) / page * page;
      const std::uint32_t end = (s.load_address - kFlashBase + static_cast<std::uint32_t>(s.bytes.size()) + page - 1) / page * page;
      std::fill(flash.begin() + first, flash.begin() + end, 0xFF);
    }
  }
  for (const ElfSegment& s : image.segments()) write_memory(s.load_address, s.bytes);
  symbols_.add(image.symbols());
}

void Emulator::load_flash_image(std::uint32_t address, std::span<const std::uint8_t> bytes) {
  if (!inside(address, bytes.size(), kFlashBase, kFlashSize))
    throw ImageError("image of " + std::to_string(bytes.size()) + " bytes at " + hex32(address) +
                     " does not fit in flash");
  std::vector<std::uint8_t>& flash = board_.flash_array().bytes();
  const std::uint32_t page = model::FlashArray::kPageSize;
  const std::uint32_t first = (address - kFlashBase) / page * page;
  const std::uint32_t end = (address - kFlashBase + static_cast<std::uint32_t>(bytes.size()) + page - 1) / page * page;
  std::fill(flash.begin() + first, flash.begin() + end, 0xFF);
  write_memory(address, bytes);
}
}  // namespace ovrimo::emu

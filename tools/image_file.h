// An image as a file on the host: read from a raw binary, an ELF executable or an Intel HEX file
// into bytes for the part of flash it is meant for (the application's "bytes from 0x08010000",
// or a firmware image for the emulated board), checked against what the bootloader accepts,
// stamped with the metadata block the bootloader reads the version from, and programmed into
// the emulated board's flash as a programmer would.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "app_image.h"
#include "emu/elf.h"
#include "input_file.h"

namespace ovrimo::emu {
class Emulator;
}

namespace ovrimo::tools {

// A file that cannot be read as an image at all (missing, malformed, not a regular file), or
// cannot go where it is meant to; the message names it.
class ImageFileError : public InputFileError {
 public:
  using InputFileError::InputFileError;
};

using AppVersion = std::array<std::uint8_t, 3>;
std::string to_string(const AppVersion& version);  // "01.02.04", as the board's menu shows it

struct AddressRange {
  std::uint32_t address;
  std::uint32_t size;
};

// The part of flash an image is meant for. ELF and HEX files say where their bytes go; a raw
// binary has no addresses and goes at `raw_at`.
struct FlashRegion {
  std::uint32_t base;
  std::uint32_t size;
  std::string name;  // for messages: "the application region", "the flash"
  std::uint32_t raw_at = base;
  // The core takes its vector table from `raw_at` at reset, so a raw image must begin with one:
  // a file that is neither ELF nor HEX nor firmware (a text file, a map) is refused, not run.
  bool raw_starts_with_vectors = false;
};
// Pages 8 to 126, which an update erases: what `image` and `upload` check an application against.
FlashRegion application_region();
// All of flash above the bootloader, where a programmer may put an application (or more than an
// update would take, to see the bootloader refuse it).
FlashRegion flash_above_bootloader();
// All of flash, for a firmware image; a raw one at `raw_at`.
FlashRegion whole_flash(std::uint32_t raw_at, bool raw_starts_with_vectors);

struct AppImage {
  std::string format;              // "raw binary", "ELF" or "Intel HEX"
  std::uint32_t base = app_image::kBase;  // address of bytes[0]: the region's base, or raw_at
  std::vector<std::uint8_t> bytes;  // gaps between ELF/HEX parts are 0xFF
  std::vector<AddressRange> parts;    // what the file gives bytes for, inside the region
  std::vector<AddressRange> outside;  // bytes of the file that lie outside the region
  std::vector<emu::ElfSymbol> symbols;  // an ELF's, for naming code in fault reports
};

// Raw binary, ELF (by its magic) or Intel HEX (a file that starts with a record), for `region`.
// A raw binary is kept whole, however large: check_image reports its size. Throws ImageFileError.
AppImage read_image(const std::filesystem::path& path, const FlashRegion& region = application_region());
AppImage parse_image(std::span<const std::uint8_t> file, const std::string& origin,
                     const FlashRegion& region = application_region());
AppImage parse_intel_hex(std::span<const std::uint8_t> file, const std::string& origin,
                         const FlashRegion& region = application_region());

// An image to be programmed into `region`: as read_image, and refused (ImageFileError naming
// the file) when it holds no bytes, has bytes outside the region or more than it holds, or, as
// a raw binary where the core boots from, does not begin with a vector table.
AppImage read_image_for(const std::filesystem::path& path, const FlashRegion& region);

// Programs the image's parts into the emulated board's flash as a programmer does: the pages
// they touch are erased, the rest of flash is left alone. Takes an ELF's symbols.
void program_flash(emu::Emulator& emulator, const AppImage& image);

// Refuses (ImageFileError naming `firmware`) a board whose flash is erased at `vector_table`,
// where the core takes its stack pointer and entry from: the image given as firmware holds no
// bytes there (an application given where the bootloader goes, say), so nothing could run.
void require_vector_table(const emu::Emulator& emulator, std::uint32_t vector_table, const std::string& firmware,
                          const AppImage& image);

// The version in the metadata block, when the block carries the magic word.
std::optional<AppVersion> image_version(std::span<const std::uint8_t> bytes);

struct ImageCheck {
  bool passed;
  std::string verdict;  // one line, e.g. "fits the erased region: 524288 of 974848 bytes"
};

// The four checks, in this order: fits the erased region, vectors pass the bootloader's guard,
// carries the metadata block, nothing outside the application region.
struct ImageReport {
  ImageCheck fits, vectors, metadata, inside;
  bool all_passed() const { return fits.passed && vectors.passed && metadata.passed && inside.passed; }
  // What an upload must refuse even with --force: only the metadata block may be missing.
  bool sendable() const { return fits.passed && vectors.passed && inside.passed; }
};
ImageReport check_image(const AppImage& image);

// The description `ovrimo image info` prints: size, vectors, version, SHA-256, then one line per
// check, "ok" or "FAIL".
void print_image_report(std::ostream& out, const std::string& name, const AppImage& image);

// Writes the magic and `version` at the block and fills it with 0xFF to its end. Throws
// ImageFileError when the image is too large, lies partly outside the region, or has bytes of its
// own (other than 0xFF, the erased value, or an earlier block of ours) where the block goes.
void stamp_image(AppImage& image, const AppVersion& version);

// "1.2.4" (decimal, 0 to 255 each) as the three version bytes; std::nullopt if malformed.
std::optional<AppVersion> parse_version(const std::string& text);

std::string sha256_hex(std::span<const std::uint8_t> bytes);
std::string hex32(std::uint32_t value);  // "0x08010000"

}  // namespace ovrimo::tools

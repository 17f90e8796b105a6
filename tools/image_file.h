// An application image as a file on the host: read from a raw binary, an ELF executable or an
// Intel HEX file into "bytes from 0x08010000", checked against what the bootloader accepts, and
// stamped with the metadata block the bootloader reads the version from.
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

namespace ovrimo::tools {

// A file that cannot be read as an image at all (missing, malformed); the message names it.
class ImageFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using AppVersion = std::array<std::uint8_t, 3>;
std::string to_string(const AppVersion& version);  // "01.02.04", as the board's menu shows it

// Bytes of the file that do not land in the application region, by address.
struct OutsideRange {
  std::uint32_t address;
  std::uint32_t size;
};

struct AppImage {
  std::string format;              // "raw binary", "ELF" or "Intel HEX"
  std::vector<std::uint8_t> bytes;  // from app_image::kBase; gaps between ELF/HEX parts are 0xFF
  std::vector<OutsideRange> outside;
};

// Raw binary, ELF (by its magic) or Intel HEX (a file that starts with a record). Throws
// ImageFileError.
AppImage read_image(const std::filesystem::path& path);
AppImage parse_image(std::span<const std::uint8_t> file, const std::string& origin);
AppImage parse_intel_hex(std::span<const std::uint8_t> file, const std::string& origin);

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

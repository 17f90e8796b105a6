// ELF32 little-endian ARM executables, read just far enough to load and describe an image: the
// loadable segments (at their load addresses, so initialised data lands in flash where the
// start-up code copies it from) and the symbol table (to name the code a fault happened in).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ovrimo::emu {

class ImageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ElfSegment {
  std::uint32_t load_address = 0;  // where the bytes are placed (physical address)
  std::uint32_t run_address = 0;   // where the program expects them (virtual address)
  std::uint32_t memory_size = 0;   // including the zero-filled tail, which is not loaded
  std::vector<std::uint8_t> bytes;
};

struct ElfSymbol {
  std::string name;
  std::uint32_t address = 0;  // Thumb bit cleared for functions
  std::uint32_t size = 0;
  bool function = false;
};

class ElfImage {
 public:
  // Throws ImageError with a message naming the file and what is wrong with it.
  static ElfImage read_file(const std::filesystem::path& path);
  static ElfImage parse(std::span<const std::uint8_t> bytes, const std::string& origin);

  std::uint32_t entry() const { return entry_; }
  const std::vector<ElfSegment>& segments() const { return segments_; }
  const std::vector<ElfSymbol>& symbols() const { return symbols_; }
  std::optional<std::uint32_t> symbol_address(std::string_view name) const;

 private:
  std::uint32_t entry_ = 0;
  std::vector<ElfSegment> segments_;
  std::vector<ElfSymbol> symbols_;
};

// Names addresses after the symbols of the images loaded.
class SymbolTable {
 public:
  void add(const std::vector<ElfSymbol>& symbols);
  // "Default_Handler+0x2", or std::nullopt when no symbol covers the address.
  std::optional<std::string> name_of(std::uint32_t address) const;
  // "0x08000412 (Default_Handler+0x2)" or "0x08000412".
  std::string describe(std::uint32_t address) const;
  std::optional<std::uint32_t> address_of(std::string_view name) const;
  bool empty() const { return symbols_.empty(); }

 private:
  std::vector<ElfSymbol> symbols_;  // sorted by address
};

}  // namespace ovrimo::emu

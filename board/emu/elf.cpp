#include "emu/elf.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace ovrimo::emu {

namespace {

constexpr std::uint16_t kMachineArm = 40;
constexpr std::uint32_t kSegmentLoad = 1;
constexpr std::uint32_t kSectionSymtab = 2;
constexpr std::uint16_t kSectionUndefined = 0;
constexpr std::uint16_t kSectionAbsolute = 0xFFF1;
constexpr unsigned kSymbolObject = 1, kSymbolFunction = 2, kSymbolSection = 3, kSymbolFile = 4;

// Bounds-checked little-endian reads from the file image.
class Reader {
 public:
  Reader(std::span<const std::uint8_t> bytes, const std::string& origin) : bytes_(bytes), origin_(origin) {}

  std::uint32_t u32(std::uint64_t offset) const { return static_cast<std::uint32_t>(field(offset, 4)); }
  std::uint16_t u16(std::uint64_t offset) const { return static_cast<std::uint16_t>(field(offset, 2)); }
  std::uint8_t u8(std::uint64_t offset) const { return static_cast<std::uint8_t>(field(offset, 1)); }

  std::span<const std::uint8_t> slice(std::uint64_t offset, std::uint64_t size, const char* what) const {
    if (offset > bytes_.size() || size > bytes_.size() - offset) fail(std::string(what) + " lies outside the file");
    return bytes_.subspan(offset, size);
  }

  [[noreturn]] void fail(const std::string& why) const { throw ImageError(origin_ + ": " + why); }

 private:
  std::uint64_t field(std::uint64_t offset, unsigned size) const {
    if (offset > bytes_.size() || size > bytes_.size() - offset) fail("truncated ELF file");
    std::uint64_t v = 0;
    for (unsigned i = 0; i < size; ++i) v |= std::uint64_t{bytes_[offset + i]} << (8 * i);
    return v;
  }

  std::span<const std::uint8_t> bytes_;
  const std::string& origin_;
};

}  // namespace

ElfImage ElfImage::read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ImageError(path.string() + ": cannot open");
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return parse(bytes, path.string());
}

ElfImage ElfImage::parse(std::span<const std::uint8_t> bytes, const std::string& origin) {
  Reader r(bytes, origin);
  if (bytes.size() < 52 || std::memcmp(bytes.data(), "\x7F" "ELF", 4) != 0) r.fail("not an ELF file");
  if (r.u8(4) != 1) r.fail("not a 32-bit ELF file");
  if (r.u8(5) != 1) r.fail("not a little-endian ELF file");
  if (r.u16(18) != kMachineArm) r.fail("not an Arm executable");

  ElfImage image;
  image.entry_ = r.u32(24);
  const std::uint32_t phoff = r.u32(28), shoff = r.u32(32);
  const std::uint16_t phentsize = r.u16(42), phnum = r.u16(44);
  const std::uint16_t shentsize = r.u16(46), shnum = r.u16(48);

  if (phnum != 0 && phentsize < 32) r.fail("bad program header size");
  for (unsigned i = 0; i < phnum; ++i) {
    const std::uint64_t ph = std::uint64_t{phoff} + std::uint64_t{i} * phentsize;
    if (r.u32(ph) != kSegmentLoad) continue;
    const std::uint32_t offset = r.u32(ph + 4), vaddr = r.u32(ph + 8), paddr = r.u32(ph + 12);
    const std::uint32_t filesz = r.u32(ph + 16), memsz = r.u32(ph + 20);
    if (filesz == 0) continue;  // zero-initialised or reserved RAM: nothing to place
    ElfSegment segment;
    segment.load_address = paddr;
    segment.run_address = vaddr;
    segment.memory_size = memsz;
    const auto data = r.slice(offset, filesz, "a loadable segment");
    segment.bytes.assign(data.begin(), data.end());
    image.segments_.push_back(std::move(segment));
  }
  if (image.segments_.empty()) r.fail("no loadable segment");

  // Symbols are optional: a stripped image loads and runs, its faults are reported by address.
  if (shnum != 0 && shentsize >= 40) {
    for (unsigned i = 0; i < shnum; ++i) {
      const std::uint64_t sh = std::uint64_t{shoff} + std::uint64_t{i} * shentsize;
      if (r.u32(sh + 4) != kSectionSymtab) continue;
      const std::uint32_t sym_offset = r.u32(sh + 16), sym_size = r.u32(sh + 20), link = r.u32(sh + 24);
      const std::uint32_t entsize = r.u32(sh + 36);
      if (entsize < 16 || link >= shnum) r.fail("bad symbol table");
      const std::uint64_t strsh = std::uint64_t{shoff} + std::uint64_t{link} * shentsize;
      const auto strings = r.slice(r.u32(strsh + 16), r.u32(strsh + 20), "the string table");
      for (std::uint64_t s = 0; s + entsize <= sym_size; s += entsize) {
        const std::uint64_t at = std::uint64_t{sym_offset} + s;
        const std::uint32_t name_index = r.u32(at);
        const std::uint32_t value = r.u32(at + 4), size = r.u32(at + 8);
        const unsigned type = r.u8(at + 12) & 0xFu;
        const std::uint16_t section = r.u16(at + 14);
        if (section == kSectionUndefined || type == kSymbolSection || type == kSymbolFile) continue;
        if (name_index >= strings.size()) continue;
        const char* start = reinterpret_cast<const char*>(strings.data()) + name_index;
        const std::string name(start, strnlen(start, strings.size() - name_index));
        if (name.empty() || name[0] == '$') continue;  // mapping symbols mark code/data, not names
        ElfSymbol symbol;
        symbol.name = name;
        symbol.function = type == kSymbolFunction;
        symbol.address = symbol.function ? (value & ~1u) : value;
        symbol.size = size;
        if (section == kSectionAbsolute && type != kSymbolObject && !symbol.function) symbol.size = 0;
        image.symbols_.push_back(std::move(symbol));
      }
    }
  }
  return image;
}

std::optional<std::uint32_t> ElfImage::symbol_address(std::string_view name) const {
  for (const ElfSymbol& s : symbols_)
    if (s.name == name) return s.address;
  return std::nullopt;
}

void SymbolTable::add(const std::vector<ElfSymbol>& symbols) {
  symbols_.insert(symbols_.end(), symbols.begin(), symbols.end());
  std::stable_sort(symbols_.begin(), symbols_.end(),
                   [](const ElfSymbol& a, const ElfSymbol& b) { return a.address < b.address; });
}

std::optional<std::string> SymbolTable::name_of(std::uint32_t address) const {
  // A sized symbol that covers the address wins (functions before objects); otherwise the nearest
  // label before it, as assembly code often leaves labels without a size.
  const ElfSymbol* best = nullptr;
  const ElfSymbol* label = nullptr;
  for (const ElfSymbol& s : symbols_) {
    if (s.address > address) break;
    if (s.size != 0 && address - s.address < s.size) {
      const bool better = best == nullptr || (s.function != best->function ? s.function : s.size < best->size);
      if (better) best = &s;
    } else if (s.size == 0 && address - s.address < 0x400) {
      label = &s;
    }
  }
  const ElfSymbol* chosen = best != nullptr ? best : label;
  if (chosen == nullptr) return std::nullopt;
  const std::uint32_t offset = address - chosen->address;
  if (offset == 0) return chosen->name;
  char text[24];
  std::snprintf(text, sizeof text, "+0x%X", static_cast<unsigned>(offset));
  return chosen->name + text;
}

std::string SymbolTable::describe(std::uint32_t address) const {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(address));
  const auto name = name_of(address);
  return name ? std::string(text) + " (" + *name + ")" : std::string(text);
}

std::optional<std::uint32_t> SymbolTable::address_of(std::string_view name) const {
  for (const ElfSymbol& s : symbols_)
    if (s.name == name) return s.address;
  return std::nullopt;
}

}  // namespace ovrimo::emu

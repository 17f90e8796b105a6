#include "image_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <map>
#include <ostream>

#include "emu/elf.h"
#include "emu/emulator.h"
#include "model/flash.h"

namespace ovrimo::tools {

namespace {

constexpr std::uint8_t kErased = 0xFF;
constexpr std::uint64_t kFlashEnd = std::uint64_t{model::FlashArray::kBase} + model::FlashArray::kSize;
// ELF files carry debug information and HEX files spell each byte in two characters: the file
// may well be larger than flash, but not without bound (a device or a runaway file).
constexpr std::uintmax_t kMaxImageFile = 64u << 20;

std::uint32_t word_at(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return std::uint32_t{bytes[offset]} | std::uint32_t{bytes[offset + 1]} << 8 |
         std::uint32_t{bytes[offset + 2]} << 16 | std::uint32_t{bytes[offset + 3]} << 24;
}

// Address ranges, kept merged: adjacent or overlapping ones become one (consecutive HEX records
// are one part of the image, and one range outside it).
class RangeSet {
 public:
  void add(std::uint64_t address, std::uint64_t size) {
    const auto at = static_cast<std::uint32_t>(std::min<std::uint64_t>(address, 0xFFFFFFFFu));
    auto& kept = ranges_[at];
    kept = std::max(kept, static_cast<std::uint32_t>(std::min<std::uint64_t>(size, 0xFFFFFFFFu - at + 1)));
  }

  std::vector<AddressRange> merged() const {
    std::vector<AddressRange> out;
    for (const auto& [address, size] : ranges_) {
      if (!out.empty() && std::uint64_t{out.back().address} + out.back().size >= address) {
        const std::uint64_t end =
            std::max<std::uint64_t>(std::uint64_t{out.back().address} + out.back().size, std::uint64_t{address} + size);
        out.back().size = static_cast<std::uint32_t>(end - out.back().address);
      } else {
        out.push_back({address, size});
      }
    }
    return out;
  }

 private:
  std::map<std::uint32_t, std::uint32_t> ranges_;
};

// Places parts given by address (ELF segments, HEX records) into one image from the region's
// base: what lies below the base or beyond the region is kept aside, by address, for the report.
// Parts beyond the region are never copied, so a file linked for some far address cannot make
// us allocate gigabytes.
class Placer {
 public:
  explicit Placer(const FlashRegion& region) : base_(region.base), end_(std::uint64_t{region.base} + region.size) {
    image_.base = region.base;
  }

  void add(std::uint64_t address, std::span<const std::uint8_t> data) {
    if (data.empty()) return;
    std::uint64_t end = address + data.size();
    if (address < base_) {
      const std::uint64_t below_end = std::min<std::uint64_t>(end, base_);
      outside_.add(address, below_end - address);
      if (end <= base_) return;
      data = data.subspan(static_cast<std::size_t>(base_ - address));
      address = base_;
    }
    if (end > end_) {
      const std::uint64_t from = std::max<std::uint64_t>(address, end_);
      outside_.add(from, end - from);
      if (address >= end_) return;
      data = data.first(static_cast<std::size_t>(end_ - address));
      end = end_;
    }
    parts_.add(address, data.size());
    const auto offset = static_cast<std::size_t>(address - base_);
    if (image_.bytes.size() < offset + data.size()) image_.bytes.resize(offset + data.size(), kErased);
    std::copy(data.begin(), data.end(), image_.bytes.begin() + static_cast<std::ptrdiff_t>(offset));
  }

  AppImage take(std::string format) {
    image_.parts = parts_.merged();
    image_.outside = outside_.merged();
    image_.format = std::move(format);
    return std::move(image_);
  }

 private:
  std::uint64_t base_, end_;
  AppImage image_;
  RangeSet parts_, outside_;
};

int hex_digit(std::uint8_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool is_space(std::uint8_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool starts_with_hex_record(std::span<const std::uint8_t> file) {
  auto it = std::find_if_not(file.begin(), file.end(), is_space);
  return it != file.end() && *it == ':' && std::next(it) != file.end() && hex_digit(*std::next(it)) >= 0;
}

std::string range_text(const AddressRange& r) {
  return hex32(r.address) + ".." + hex32(r.address + r.size - 1);
}

}  // namespace

std::string hex32(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
  return text;
}

std::string to_string(const AppVersion& v) {
  char text[16];
  std::snprintf(text, sizeof text, "%02x.%02x.%02x", v[0], v[1], v[2]);
  return text;
}

FlashRegion application_region() { return {app_image::kBase, app_image::kMaxSize, "the application region"}; }

FlashRegion flash_above_bootloader() {
  return {app_image::kBase, static_cast<std::uint32_t>(kFlashEnd - app_image::kBase), "the flash above the bootloader"};
}

FlashRegion whole_flash(std::uint32_t raw_at, bool raw_starts_with_vectors) {
  return {model::FlashArray::kBase, model::FlashArray::kSize, "the flash", raw_at, raw_starts_with_vectors};
}

AppImage read_image(const std::filesystem::path& path, const FlashRegion& region) {
  std::vector<std::uint8_t> file;
  try {
    file = read_input_file(path, kMaxImageFile, "an image file");
  } catch (const InputFileError& e) {
    throw ImageFileError(e.what());
  }
  return parse_image(file, path.string(), region);
}

AppImage parse_image(std::span<const std::uint8_t> file, const std::string& origin, const FlashRegion& region) {
  if (file.empty()) throw ImageFileError(origin + ": empty file");
  if (file.size() >= 4 && std::memcmp(file.data(), "\x7F" "ELF", 4) == 0) {
    emu::ElfImage elf = [&] {
      try {
        return emu::ElfImage::parse(file, origin);
      } catch (const emu::ImageError& e) {
        throw ImageFileError(e.what());
      }
    }();
    Placer placer(region);
    for (const emu::ElfSegment& s : elf.segments()) placer.add(s.load_address, s.bytes);
    AppImage image = placer.take("ELF");
    image.symbols = elf.symbols();
    return image;
  }
  if (starts_with_hex_record(file)) return parse_intel_hex(file, origin, region);
  AppImage image;
  image.format = "raw binary";
  image.base = region.raw_at;
  image.bytes.assign(file.begin(), file.end());
  image.parts.push_back({region.raw_at, static_cast<std::uint32_t>(std::min<std::size_t>(file.size(), 0xFFFFFFFFu))});
  return image;
}

AppImage read_image_for(const std::filesystem::path& path, const FlashRegion& region) {
  AppImage image = read_image(path, region);
  const std::string name = path.string();
  const std::uint64_t region_end = std::uint64_t{region.base} + region.size;
  const std::string where = region.name + " " + hex32(region.base) + ".." + hex32(static_cast<std::uint32_t>(region_end - 1));
  if (!image.outside.empty()) {
    std::string ranges;
    for (const auto& o : image.outside) ranges += (ranges.empty() ? "" : ", ") + range_text(o);
    throw ImageFileError(name + ": " + image.format + " with bytes outside " + where + ": " + ranges);
  }
  if (image.parts.empty()) throw ImageFileError(name + ": " + image.format + " with no bytes for " + where);
  if (image.format != "raw binary") return image;
  const std::uint64_t room = region_end - std::min<std::uint64_t>(region.raw_at, region_end);
  if (image.bytes.size() > room)
    throw ImageFileError(name + ": " + std::to_string(image.bytes.size()) + " bytes, more than the " +
                         std::to_string(room) + " of " + region.name +
                         (region.raw_at == region.base ? std::string() : " from " + hex32(region.raw_at)));
  if (region.raw_starts_with_vectors) {
    const auto& b = image.bytes;
    const std::uint32_t sp = b.size() >= 8 ? word_at(b, 0) : 0, entry = b.size() >= 8 ? word_at(b, 4) : 0;
    const bool entry_in_flash = (entry & 1u) != 0 && entry >= model::FlashArray::kBase && entry < kFlashEnd;
    if (!app_image::stack_pointer_usable(sp) || !entry_in_flash)
      throw ImageFileError(name + ": neither ELF nor Intel HEX, and no firmware as a raw binary at " +
                           hex32(region.raw_at) + ": its first words (initial SP " + hex32(sp) + ", reset entry " +
                           hex32(entry) + ") are no vector table");
  }
  return image;
}

void program_flash(emu::Emulator& emulator, const AppImage& image) {
  // Parts that share a page are programmed together: each load erases the pages it touches, and
  // would erase what an earlier part put in the same page. Between them the image holds 0xFF.
  constexpr std::uint32_t page = model::FlashArray::kPageSize;
  const auto page_of = [](std::uint64_t address) { return (address - model::FlashArray::kBase) / page; };
  std::optional<AddressRange> group;
  const auto flush = [&] {
    if (!group) return;
    emulator.load_flash_image(
        group->address, std::span(image.bytes).subspan(group->address - image.base, group->size));
  };
  for (const AddressRange& part : image.parts) {
    if (group && page_of(part.address) <= page_of(std::uint64_t{group->address} + group->size - 1)) {
      group->size = part.address + part.size - group->address;
    } else {
      flush();
      group = part;
    }
  }
  flush();
  emulator.add_symbols(image.symbols);
}

void require_vector_table(const emu::Emulator& emulator, std::uint32_t vector_table, const std::string& firmware,
                          const AppImage& image) {
  if (emulator.read_word(vector_table) != 0xFFFFFFFFu || emulator.read_word(vector_table + 4) != 0xFFFFFFFFu) return;
  throw ImageFileError(firmware + ": no vector table at " + hex32(vector_table) +
                       ", where the core starts: the flash there is erased" +
                       (image.parts.empty() ? std::string() : " (the image starts at " + hex32(image.parts.front().address) + ")"));
}

AppImage parse_intel_hex(std::span<const std::uint8_t> file, const std::string& origin, const FlashRegion& region) {
  Placer placer(region);
  std::uint32_t upper = 0;  // from the extended address records
  bool ended = false;
  std::size_t line_number = 0;
  std::size_t at = 0;
  while (at < file.size()) {
    const std::size_t end = std::find(file.begin() + static_cast<std::ptrdiff_t>(at), file.end(), '\n') - file.begin();
    std::span<const std::uint8_t> line = file.subspan(at, end - at);
    at = end + 1;
    ++line_number;
    while (!line.empty() && is_space(line.back())) line = line.first(line.size() - 1);
    if (line.empty()) continue;
    const std::string where = origin + ": line " + std::to_string(line_number) + ": ";
    if (ended) throw ImageFileError(where + "data after the end-of-file record");
    if (line[0] != ':' || line.size() < 11 || line.size() % 2 == 0)
      throw ImageFileError(where + "not an Intel HEX record");
    std::vector<std::uint8_t> record;
    for (std::size_t i = 1; i + 1 < line.size(); i += 2) {
      const int hi = hex_digit(line[i]), lo = hex_digit(line[i + 1]);
      if (hi < 0 || lo < 0) throw ImageFileError(where + "not a hexadecimal digit");
      record.push_back(static_cast<std::uint8_t>(hi << 4 | lo));
    }
    const std::size_t count = record[0];
    if (record.size() != count + 5) throw ImageFileError(where + "record length does not match its byte count");
    std::uint8_t sum = 0;
    for (std::uint8_t b : record) sum = static_cast<std::uint8_t>(sum + b);
    if (sum != 0) throw ImageFileError(where + "checksum mismatch");
    const std::uint32_t offset = std::uint32_t{record[1]} << 8 | record[2];
    const std::span<const std::uint8_t> data(record.data() + 4, count);
    switch (record[3]) {
      case 0x00: placer.add(std::uint64_t{upper} + offset, data); break;
      case 0x01: ended = true; break;
      case 0x02:  // extended segment address: paragraph number
        if (count != 2) throw ImageFileError(where + "bad extended segment address record");
        upper = (std::uint32_t{data[0]} << 8 | data[1]) << 4;
        break;
      case 0x04:  // extended linear address: upper 16 bits
        if (count != 2) throw ImageFileError(where + "bad extended linear address record");
        upper = (std::uint32_t{data[0]} << 8 | data[1]) << 16;
        break;
      case 0x03:
      case 0x05: break;  // start address: the vector table says where the application starts
      default: throw ImageFileError(where + "unknown record type " + std::to_string(record[3]));
    }
  }
  if (!ended) throw ImageFileError(origin + ": no end-of-file record (is the file complete?)");
  return placer.take("Intel HEX");
}

std::optional<AppVersion> image_version(std::span<const std::uint8_t> bytes) {
  constexpr std::size_t at = app_image::kMetaOffset;
  if (bytes.size() < at + app_image::kMetaUsed || word_at(bytes, at) != APP_MAGIC) return std::nullopt;
  constexpr std::size_t v = at + app_image::kMetaVersionOffset;
  return AppVersion{bytes[v], bytes[v + 1], bytes[v + 2]};
}

ImageReport check_image(const AppImage& image) {
  const auto& bytes = image.bytes;
  ImageReport r;
  const std::string size = std::to_string(bytes.size()) + " of " + std::to_string(app_image::kMaxSize) + " bytes";
  if (bytes.empty()) {
    r.fits = {false, "holds no bytes for the application region"};
  } else if (bytes.size() <= app_image::kMaxSize) {
    r.fits = {true, "fits the erased region (pages 8 to 126): " + size};
  } else {
    r.fits = {false, "too large for the erased region (pages 8 to 126): " + size};
  }

  if (bytes.size() < 8) {
    r.vectors = {false, "no vector table: the image is shorter than its first two words"};
  } else {
    const std::uint32_t sp = word_at(bytes, 0), entry = word_at(bytes, 4);
    std::string why;
    if (!app_image::stack_pointer_usable(sp))
      why += "initial SP " + hex32(sp) + " is not a word-aligned address in SRAM above " + hex32(APP_STACK_LOWEST) +
             " up to " + hex32(APP_STACK_HIGHEST);
    if (!app_image::entry_usable(entry)) {
      if (!why.empty()) why += "; ";
      why += "entry " + hex32(entry) + " is not a Thumb address (odd) from " + hex32(app_image::kBase) + " to " +
             hex32(FLASH_BANK1_END);
    }
    r.vectors = why.empty() ? ImageCheck{true, "vectors pass the bootloader's guard"}
                            : ImageCheck{false, "vectors fail the bootloader's guard: " + why};
  }

  if (image_version(bytes)) {
    r.metadata = {true, "carries the metadata block at " + hex32(APP_META_BASE)};
  } else {
    r.metadata = {false, "no metadata block at " + hex32(APP_META_BASE) +
                             ": the bootloader would start it only right after its own transfer, never after a "
                             "power cycle (add one with `ovrimo image stamp`)"};
  }

  if (image.outside.empty()) {
    r.inside = {true, "nothing lies outside the application region"};
  } else {
    std::string ranges;
    for (const auto& o : image.outside) ranges += (ranges.empty() ? "" : ", ") + range_text(o);
    std::string hint;
    if (image.outside.front().address < app_image::kBase)
      hint = " (linked for the bootloader's place? link it at " + hex32(app_image::kBase) + ")";
    r.inside = {false, "bytes outside the application region " + hex32(app_image::kBase) + ".." +
                           hex32(app_image::kErasedEnd - 1) + ": " + ranges + hint};
  }
  return r;
}

void stamp_image(AppImage& image, const AppVersion& version) {
  if (!image.outside.empty()) throw ImageFileError(check_image(image).inside.verdict);
  auto& bytes = image.bytes;
  if (bytes.size() > app_image::kMaxSize) throw ImageFileError(check_image(image).fits.verdict);
  constexpr std::size_t at = app_image::kMetaOffset, end = at + app_image::kMetaSize;
  // Re-stamping replaces our own block; anything else there belongs to the application.
  if (!image_version(bytes)) {
    for (std::size_t i = at; i < std::min(bytes.size(), end); ++i) {
      if (bytes[i] == kErased) continue;
      char held[8];
      std::snprintf(held, sizeof held, "0x%02X", bytes[i]);
      throw ImageFileError("the image's own bytes occupy the metadata block: " +
                           hex32(static_cast<std::uint32_t>(app_image::kBase + i)) + " holds " + held +
                           "; move that data or shrink the image below " + hex32(APP_META_BASE));
    }
  }
  if (bytes.size() < end) bytes.resize(end, kErased);
  std::fill(bytes.begin() + at, bytes.begin() + end, kErased);
  for (unsigned i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(APP_MAGIC >> (8 * i));
  std::copy(version.begin(), version.end(), bytes.begin() + at + app_image::kMetaVersionOffset);
}

void print_image_report(std::ostream& out, const std::string& name, const AppImage& image) {
  const auto& b = image.bytes;
  const auto word = [&](std::size_t at) { return b.size() < at + 4 ? std::string("-") : hex32(word_at(b, at)); };
  const auto version = image_version(b);
  out << name << ": " << image.format << ", " << b.size() << " bytes from " << hex32(image.base) << "\n"
      << "  initial SP  " << word(0) << "\n"
      << "  entry       " << word(4) << "\n"
      << "  version     " << (version ? to_string(*version) : std::string("none")) << "\n"
      << "  SHA-256     " << sha256_hex(b) << "\n";
  const ImageReport r = check_image(image);
  for (const ImageCheck* c : {&r.fits, &r.vectors, &r.metadata, &r.inside})
    out << (c->passed ? "  ok    " : "  FAIL  ") << c->verdict << "\n";
}

std::optional<AppVersion> parse_version(const std::string& text) {
  AppVersion v{};
  std::size_t field = 0, digits = 0;
  unsigned value = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == '.') {
      if (digits == 0 || field >= 3) return std::nullopt;
      v[field++] = static_cast<std::uint8_t>(value);
      value = 0;
      digits = 0;
    } else if (text[i] >= '0' && text[i] <= '9' && digits < 3) {
      value = value * 10 + static_cast<unsigned>(text[i] - '0');
      ++digits;
      if (value > 255) return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  if (field != 3) return std::nullopt;
  return v;
}

// SHA-256 as FIPS 180-4 defines it; small enough not to need a crypto library for release notes.
std::string sha256_hex(std::span<const std::uint8_t> bytes) {
  static constexpr std::uint32_t k[64] = {
      0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
      0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
      0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
      0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
      0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
      0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
      0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
      0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};
  std::uint32_t h[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a, 0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
  const auto rotr = [](std::uint32_t x, int n) { return (x >> n) | (x << (32 - n)); };

  std::vector<std::uint8_t> message(bytes.begin(), bytes.end());
  const std::uint64_t bits = std::uint64_t{bytes.size()} * 8;
  message.push_back(0x80);
  while (message.size() % 64 != 56) message.push_back(0);
  for (int i = 7; i >= 0; --i) message.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));

  for (std::size_t chunk = 0; chunk < message.size(); chunk += 64) {
    std::uint32_t w[64];
    for (int i = 0; i < 16; ++i) {
      const std::uint8_t* p = &message[chunk + 4 * static_cast<std::size_t>(i)];
      w[i] = std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
    }
    for (int i = 16; i < 64; ++i) {
      const std::uint32_t s0 = rotr(w[i - 15], 7) ^ rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
      const std::uint32_t s1 = rotr(w[i - 2], 17) ^ rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
      w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    std::uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4], f = h[5], g = h[6], hh = h[7];
    for (int i = 0; i < 64; ++i) {
      const std::uint32_t t1 = hh + (rotr(e, 6) ^ rotr(e, 11) ^ rotr(e, 25)) + ((e & f) ^ (~e & g)) + k[i] + w[i];
      const std::uint32_t t2 = (rotr(a, 2) ^ rotr(a, 13) ^ rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
      hh = g;
      g = f;
      f = e;
      e = d + t1;
      d = c;
      c = b;
      b = a;
      a = t1 + t2;
    }
    h[0] += a, h[1] += b, h[2] += c, h[3] += d, h[4] += e, h[5] += f, h[6] += g, h[7] += hh;
  }
  std::string out;
  char text[12];
  for (std::uint32_t v : h) {
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(v));
    out += text;
  }
  return out;
}

}  // namespace ovrimo::tools

// The host's view of an application image: the three file formats read into the same bytes, the
// checks an upload depends on, and the metadata stamp.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "emu/emu_support.h"
#include "emu/emulator.h"
#include "image_file.h"
#include "model/board.h"

namespace ovrimo::tools {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }

void put_word(Bytes& b, std::size_t at, std::uint32_t v) {
  for (unsigned i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A raw image of `size` bytes with the given vector words; the rest is a pattern with no 0xFF.
AppImage raw(std::size_t size, std::uint32_t sp = 0x200C0000, std::uint32_t entry = 0x08010101) {
  Bytes b(size);
  for (std::size_t i = 0; i < size; ++i) b[i] = static_cast<std::uint8_t>(i % 251);
  if (size >= 8) put_word(b, 0, sp), put_word(b, 4, entry);
  return parse_image(b, "test.bin");
}

// One Intel HEX record with its checksum.
std::string record(std::uint8_t type, std::uint16_t offset, const Bytes& data) {
  Bytes r{static_cast<std::uint8_t>(data.size()), static_cast<std::uint8_t>(offset >> 8),
          static_cast<std::uint8_t>(offset), type};
  r.insert(r.end(), data.begin(), data.end());
  std::uint8_t sum = 0;
  for (auto b : r) sum = static_cast<std::uint8_t>(sum + b);
  r.push_back(static_cast<std::uint8_t>(-sum));
  std::string out = ":";
  char hex[3];
  for (auto b : r) std::snprintf(hex, sizeof hex, "%02X", b), out += hex;
  return out + "\r\n";
}

TEST(ImageFile, IntelHexLandsAtItsAddressesWithGapsErasedAndStrayBytesReported) {
  const Bytes vectors{0x00, 0x00, 0x0C, 0x20, 0x01, 0x01, 0x01, 0x08};
  const std::string hex = record(4, 0, {0x08, 0x00}) + record(0, 0xFFF0, {0xAA, 0xBB}) +  // 0x0800FFF0: bootloader's
                          record(4, 0, {0x08, 0x01}) + record(0, 0x0000, vectors) +
                          record(0, 0x0010, {0x11, 0x22}) + record(5, 0, {0x08, 0x01, 0x01, 0x01}) +
                          record(1, 0, {});
  const AppImage image = parse_image(text(hex), "app.hex");
  EXPECT_EQ(image.format, "Intel HEX");
  Bytes expected = vectors;
  expected.resize(0x10, 0xFF);
  expected.insert(expected.end(), {0x11, 0x22});
  EXPECT_EQ(image.bytes, expected);
  ASSERT_EQ(image.outside.size(), 1u);
  EXPECT_EQ(image.outside[0].address, 0x0800FFF0u);
  EXPECT_EQ(image.outside[0].size, 2u);
  const ImageReport report = check_image(image);
  EXPECT_TRUE(report.vectors.passed) << report.vectors.verdict;
  EXPECT_FALSE(report.inside.passed);
  EXPECT_NE(report.inside.verdict.find("0x0800FFF0..0x0800FFF1"), std::string::npos) << report.inside.verdict;

  // A damaged file is refused with the line that is wrong, never read in part.
  std::string corrupt = hex;
  corrupt[hex.find("1122") + 3] = '3';  // the fifth record's data, 0x11 0x23
  try {
    parse_image(text(corrupt), "app.hex");
    ADD_FAILURE() << "a record with a bad checksum was accepted";
  } catch (const ImageFileError& e) {
    EXPECT_NE(std::string(e.what()).find("app.hex: line 5: checksum mismatch"), std::string::npos) << e.what();
  }
  const std::string truncated = hex.substr(0, hex.rfind(':'));
  EXPECT_THROW(parse_image(text(truncated), "app.hex"), ImageFileError);
}

TEST(ImageFile, ElfAndItsRawBinaryGiveTheSameBytes) {
  const auto elf = emu::testing::firmware_file("app-01.02.04.elf");
  const auto bin = emu::testing::firmware_file("app-01.02.04.bin");
  ASSERT_ARTEFACT(elf);
  ASSERT_ARTEFACT(bin);
  const AppImage from_elf = read_image(elf), from_bin = read_image(bin);
  EXPECT_EQ(from_elf.format, "ELF");
  EXPECT_EQ(from_bin.format, "raw binary");
  // The binary is padded with 0xFF to 512 KB; the ELF ends with the metadata block's last field.
  ASSERT_LE(from_elf.bytes.size(), from_bin.bytes.size());
  EXPECT_TRUE(std::equal(from_elf.bytes.begin(), from_elf.bytes.end(), from_bin.bytes.begin()));
  EXPECT_TRUE(std::all_of(from_bin.bytes.begin() + static_cast<std::ptrdiff_t>(from_elf.bytes.size()),
                          from_bin.bytes.end(), [](std::uint8_t b) { return b == 0xFF; }));
  EXPECT_TRUE(check_image(from_elf).all_passed());
  EXPECT_EQ(image_version(from_elf.bytes), (AppVersion{1, 2, 4}));

  // The bootloader's own ELF is linked below the application region: nothing of it is sendable.
  const auto bootloader = emu::testing::firmware_file("bootloader.elf");
  ASSERT_ARTEFACT(bootloader);
  const ImageReport r = check_image(read_image(bootloader));
  EXPECT_FALSE(r.inside.passed);
  EXPECT_FALSE(r.sendable());
  EXPECT_NE(r.inside.verdict.find("0x08000000.."), std::string::npos) << r.inside.verdict;
}

// A programmer erases the pages a file gives bytes for and no others: parts that share a page
// both survive, and what lies between far-apart parts (an application kept in a flash file, say)
// is left as it was.
TEST(ImageFile, ProgrammingErasesOnlyThePagesTheFileGivesBytesFor) {
  const Bytes vectors{0x00, 0x00, 0x0C, 0x20, 0x01, 0x01, 0x01, 0x08};
  const std::string hex = record(4, 0, {0x08, 0x01}) + record(0, 0x0000, vectors) + record(0, 0x1F00, {0x11, 0x22}) +
                          record(4, 0, {0x08, 0x08}) + record(0, 0x0100, {0x33}) + record(1, 0, {});
  const AppImage image = parse_image(text(hex), "app.hex", flash_above_bootloader());
  ASSERT_EQ(image.parts.size(), 3u);

  model::Board board;
  emu::Emulator emulator(board);
  auto& flash = board.flash_array().bytes();
  std::fill(flash.begin(), flash.end(), 0x5A);
  program_flash(emulator, image);
  const auto at = [&](std::uint32_t address, std::size_t size) {
    const auto from = flash.begin() + (address - model::FlashArray::kBase);
    return Bytes(from, from + static_cast<std::ptrdiff_t>(size));
  };
  EXPECT_EQ(at(0x08010000, 8), vectors);
  EXPECT_EQ(at(0x08011F00, 2), (Bytes{0x11, 0x22}));
  EXPECT_EQ(at(0x08010008, 0x1EF8), Bytes(0x1EF8, 0xFF));
  EXPECT_EQ(at(0x08080100, 1), Bytes{0x33});
  EXPECT_EQ(at(0x08080000, 0x100), Bytes(0x100, 0xFF));
  EXPECT_EQ(at(0x08012000, 0x08080000 - 0x08012000), Bytes(0x08080000 - 0x08012000, 0x5A));
  EXPECT_EQ(at(0x0800E000, 0x2000), Bytes(0x2000, 0x5A));
  EXPECT_EQ(at(0x08082000, 0x2000), Bytes(0x2000, 0x5A));
}

TEST(ImageFile, ChecksFollowTheErasedRegionAndTheBootloadersGuard) {
  EXPECT_TRUE(check_image(raw(app_image::kMaxSize)).fits.passed);
  EXPECT_FALSE(check_image(raw(app_image::kMaxSize + 1)).fits.passed);

  EXPECT_TRUE(check_image(raw(64, 0x200C0000, 0x080FFFFF)).vectors.passed);
  const auto vectors_fail = [](std::uint32_t sp, std::uint32_t entry) {
    return !check_image(raw(64, sp, entry)).vectors.passed;
  };
  EXPECT_TRUE(vectors_fail(0x200C0004, 0x08010101));  // above SRAM
  EXPECT_TRUE(vectors_fail(0x20000000, 0x08010101));  // the very bottom leaves no stack
  EXPECT_TRUE(vectors_fail(0x200BFFFE, 0x08010101));  // not word aligned
  EXPECT_TRUE(vectors_fail(0x200C0000, 0x08010100));  // no Thumb bit
  EXPECT_TRUE(vectors_fail(0x200C0000, 0x0800FFFF));  // inside the bootloader
  EXPECT_TRUE(vectors_fail(0xFFFFFFFF, 0xFFFFFFFF));  // erased flash
  EXPECT_FALSE(check_image(raw(7)).vectors.passed);

  const ImageReport small = check_image(raw(4096));
  EXPECT_FALSE(small.metadata.passed);
  EXPECT_TRUE(small.sendable());  // --force may send it
  EXPECT_NE(small.metadata.verdict.find("never after a power cycle"), std::string::npos);
}

TEST(ImageFile, StampWritesTheBlockOnceAndRefusesToOverwriteTheImage) {
  AppImage image = raw(4096);
  stamp_image(image, {1, 2, 10});
  ASSERT_EQ(image.bytes.size(), app_image::kMetaOffset + app_image::kMetaSize);
  EXPECT_EQ(image_version(image.bytes), (AppVersion{1, 2, 10}));
  EXPECT_EQ(to_string(*image_version(image.bytes)), "01.02.0a");
  EXPECT_TRUE(std::all_of(image.bytes.begin() + 4096, image.bytes.begin() + app_image::kMetaOffset,
                          [](std::uint8_t b) { return b == 0xFF; }));
  EXPECT_TRUE(std::all_of(image.bytes.begin() + app_image::kMetaOffset + app_image::kMetaUsed, image.bytes.end(),
                          [](std::uint8_t b) { return b == 0xFF; }));
  EXPECT_EQ(raw(4096).bytes, Bytes(image.bytes.begin(), image.bytes.begin() + 4096));
  EXPECT_TRUE(check_image(image).all_passed());

  // Our own block may be stamped again; the image's own data there may not be replaced.
  stamp_image(image, {2, 0, 0});
  EXPECT_EQ(image_version(image.bytes), (AppVersion{2, 0, 0}));
  AppImage occupied = raw(app_image::kMetaOffset + 0x10);
  EXPECT_THROW(stamp_image(occupied, {1, 0, 0}), ImageFileError);
  AppImage large = raw(app_image::kMaxSize + 1);
  EXPECT_THROW(stamp_image(large, {1, 0, 0}), ImageFileError);

  EXPECT_EQ(parse_version("1.2.255"), (AppVersion{1, 2, 255}));
  for (const char* bad : {"1.2", "1.2.3.4", "1.2.256", "1..3", "a.b.c", "1.2.3 "})
    EXPECT_FALSE(parse_version(bad)) << bad;
}

TEST(ImageFile, Sha256MatchesTheStandardVectors) {
  EXPECT_EQ(sha256_hex({}), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(sha256_hex(text("abc")), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  // 56 bytes: the length no longer fits the first block's padding.
  EXPECT_EQ(sha256_hex(text("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

}  // namespace
}  // namespace ovrimo::tools

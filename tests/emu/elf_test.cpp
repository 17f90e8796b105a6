// Loading images: ELF segments and symbols, and what is refused with a clear message.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "emu/elf.h"
#include "emu/emulator.h"
#include "emu_support.h"

namespace ovrimo::emu {
namespace {

using testing::firmware_file;

std::vector<std::uint8_t> read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string error_of(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "";
}

TEST(Images, SegmentsLandAtTheirLoadAddressesAndSymbolsNameTheCode) {
  const auto path = firmware_file("app-01.02.03.elf");
  ASSERT_ARTEFACT(path);
  const ElfImage elf = ElfImage::read_file(path);
  // Code at the start of the application region, the metadata block far above it, and nothing
  // for RAM that the start-up code fills or leaves alone.
  ASSERT_GE(elf.segments().size(), 2u);
  EXPECT_EQ(elf.segments().front().load_address, 0x08010000u);
  EXPECT_EQ(elf.segments().back().load_address, 0x0808FF00u);
  for (const ElfSegment& s : elf.segments()) EXPECT_LT(s.load_address, 0x20000000u);

  model::Board board;
  Emulator emu(board);
  emu.load_elf(elf);
  const auto bin = read_file(firmware_file("app-01.02.03.bin"));
  ASSERT_EQ(bin.size(), 0x80000u);
  EXPECT_EQ(emu.read_memory(0x08010000, 0x80000), bin);  // the same bytes as the raw image
  EXPECT_EQ(emu.read_word(0x080A0000), 0xFFFFFFFFu);

  const SymbolTable& symbols = emu.symbols();
  const std::uint32_t main_address = *symbols.address_of("main");
  EXPECT_EQ(symbols.name_of(main_address), "main");
  EXPECT_EQ(symbols.name_of(main_address + 6), "main+0x6");
  EXPECT_EQ(symbols.describe(0x30000000), "0x30000000");
}

TEST(Images, BrokenOrMisplacedImagesAreRefusedWithAReason) {
  EXPECT_NE(error_of([] { ElfImage::read_file("/nonexistent/image.elf"); }).find("cannot open"), std::string::npos);
  const std::vector<std::uint8_t> text = {'h', 'e', 'l', 'l', 'o'};
  EXPECT_NE(error_of([&] { ElfImage::parse(text, "hello.bin"); }).find("hello.bin: not an ELF file"),
            std::string::npos);

  const auto path = firmware_file("app-01.02.03.elf");
  ASSERT_ARTEFACT(path);
  auto bytes = read_file(path);
  bytes.resize(0x200);  // header and program headers, but not the segments they describe
  EXPECT_NE(error_of([&] { ElfImage::parse(bytes, "cut.elf"); }).find("cut.elf: a loadable segment lies outside the file"),
            std::string::npos);

  model::Board board;
  Emulator emu(board);
  const std::vector<std::uint8_t> image(0x20000, 0);
  EXPECT_NE(error_of([&] { emu.load_flash_image(0x081F0000, image); }).find("does not fit in flash"),
            std::string::npos);
  EXPECT_THROW(emu.read_memory(0x60000000, 4), std::out_of_range);
}

}  // namespace
}  // namespace ovrimo::emu

// The sample application as the bootloader leaves it: started from its vector table with
// interrupts masked, it brings USART2 up and prints its version and the bootloader's.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>

#include "emu/emulator.h"
#include "app_image.h"
#include "emu_support.h"

namespace ovrimo::emu {
namespace {

using testing::firmware_file;

constexpr std::uint32_t kAppBase = app_image::kBase;
constexpr std::uint32_t kBlRev = 0x20000C98;

std::vector<std::uint8_t> read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs until the first line the firmware prints, with a virtual time limit.
RunResult run_to_first_line(Emulator& emu, model::Time limit) {
  emu.set_line_watch([](const PrintedLine&) { return true; });
  emu.set_time_limit(emu.board().now() + limit);
  return emu.run();
}

TEST(SampleApplication, ImagesCarryTheMetadataBlockInsideTheirFirst512KB) {
  for (const char* version : {"01.02.03", "01.02.04"}) {
    const auto bin = firmware_file(std::string("app-") + version + ".bin");
    const auto elf = firmware_file(std::string("app-") + version + ".elf");
    ASSERT_ARTEFACT(bin);
    ASSERT_ARTEFACT(elf);
    const auto image = read_file(bin);
    ASSERT_EQ(image.size(), 512u * 1024u) << bin;
    // The linker script places the block; the contract header says where the bootloader looks.
    constexpr std::size_t m = app_image::kMetaOffset;
    EXPECT_EQ(image[m] | image[m + 1] << 8 | image[m + 2] << 16 | static_cast<std::uint32_t>(image[m + 3]) << 24,
              APP_MAGIC);
    EXPECT_EQ(image[m + 4], 1);
    EXPECT_EQ(image[m + 5], 2);
    EXPECT_EQ(image[m + 6], version[7] - '0');
    // Word 0 is the stack pointer (end of SRAM), word 1 an odd entry inside the image.
    const std::uint32_t sp = image[0] | image[1] << 8 | image[2] << 16 | static_cast<std::uint32_t>(image[3]) << 24;
    const std::uint32_t entry = image[4] | image[5] << 8 | image[6] << 16 | static_cast<std::uint32_t>(image[7]) << 24;
    EXPECT_EQ(sp, APP_STACK_HIGHEST);
    EXPECT_EQ(entry & 1u, 1u);
    EXPECT_GE(entry, kAppBase);
    EXPECT_LT(entry, kAppBase + image.size());
    // The application shares the bootloader's record in .noinit.
    EXPECT_EQ(ElfImage::read_file(elf).symbol_address("bl_rev"), kBlRev);
  }
}

TEST(SampleApplication, StartedAsAfterTheHandOffPrintsItsVersionAndTheBootloaders) {
  const auto bin = firmware_file("app-01.02.03.bin");
  ASSERT_ARTEFACT(bin);
  model::Board board;
  Emulator emu(board);
  emu.load_flash_image(kAppBase, read_file(bin));
  const std::uint8_t bl_rev[] = {0x00, 0x04, 0x01};
  emu.write_memory(kBlRev, bl_rev);
  board.core().primask = 1;  // the hand-off leaves interrupts masked
  emu.boot_image(kAppBase);

  const RunResult r = run_to_first_line(emu, 100 * model::kMillisecond);
  ASSERT_EQ(r.reason, StopReason::OutputMatched) << r.detail;
  ASSERT_EQ(emu.printed_lines().size(), 1u);
  EXPECT_EQ(emu.printed_lines()[0].text, "Ovrimo sample application 01.02.03, bootloader 00.04.01");

  // Every character follows the one before after exactly one frame (10 bits at 4 MHz / 35): the
  // program kept the transmitter busy, and the bytes carry the instants of virtual time.
  const auto& log = board.usart2().line_log();
  std::vector<model::Time> ends;
  for (const auto& b : log)
    if (b.direction == model::LineByte::Direction::FromDevice && b.outcome == model::LineByte::Outcome::Delivered)
      ends.push_back(b.end);
  ASSERT_EQ(ends.size(), 57u);  // the run ends once the line ending is out as well
  const model::Time frame = model::cycles_to_time(10 * 35, 4000000);
  for (std::size_t i = 1; i < ends.size(); ++i) EXPECT_EQ(ends[i] - ends[i - 1], frame) << "byte " << i;

  // Afterwards it idles with interrupts enabled; the idle loop costs no emulated instructions.
  const std::uint64_t before = emu.instructions();
  emu.set_line_watch({});
  emu.set_time_limit(board.now() + 10 * model::kSecond);
  const RunResult idle = emu.run();
  EXPECT_EQ(idle.reason, StopReason::TimeLimit) << idle.detail;
  EXPECT_EQ(board.core().primask, 0u);
  EXPECT_LT(emu.instructions() - before, 1000u);
}

TEST(SampleApplication, HandOffFromABootloaderStubIsDetectedAndRecorded) {
  const auto stub = firmware_file("emu-programs/handoff.elf");
  const auto bin = firmware_file("app-01.02.04.bin");
  ASSERT_ARTEFACT(stub);
  ASSERT_ARTEFACT(bin);
  model::Board board;
  Emulator emu(board);
  emu.load_elf(stub);
  const auto image = read_file(bin);
  emu.load_flash_image(kAppBase, image);
  const std::uint8_t bl_rev[] = {0x00, 0x04, 0x01};
  emu.write_memory(kBlRev, bl_rev);
  emu.reset();
  // A SysTick that became pending while interrupts were masked stays pending across the jump.
  board.core().primask = 1;
  board.core().set_pending(model::kExcSysTick, true);

  emu.set_stop_at_handoff(true);
  emu.set_time_limit(board.now() + model::kSecond);
  const RunResult r = emu.run();
  ASSERT_EQ(r.reason, StopReason::HandOff) << r.detail;
  const std::uint32_t entry = emu.read_word(kAppBase + 4);
  EXPECT_EQ(r.pc, entry & ~1u);
  ASSERT_TRUE(board.core().handoff.has_value());
  const model::HandoffRecord& h = *board.core().handoff;
  EXPECT_EQ(h.entry, entry);
  EXPECT_EQ(h.vtor, kAppBase);
  EXPECT_EQ(h.msp, 0x200C0000u);
  EXPECT_EQ(h.primask, 1u);
  EXPECT_EQ(h.systick_ctrl, 0u);
  EXPECT_EQ(h.systick_load, 0u);
  EXPECT_TRUE(h.systick_pending);
  EXPECT_TRUE(emu.handed_off());

  // The application runs on from there and takes the SysTick left pending once it unmasks.
  emu.set_stop_at_handoff(false);
  const RunResult line = run_to_first_line(emu, 100 * model::kMillisecond);
  ASSERT_EQ(line.reason, StopReason::OutputMatched) << line.detail;
  EXPECT_EQ(emu.printed_lines().back().text, "Ovrimo sample application 01.02.04, bootloader 00.04.01");
  emu.set_line_watch({});
  emu.set_time_limit(board.now() + model::kMillisecond);
  EXPECT_EQ(emu.run().reason, StopReason::TimeLimit);
  EXPECT_FALSE(board.core().is_pending(model::kExcSysTick));
  EXPECT_EQ(board.core().active_exception(), 0);
}

}  // namespace
}  // namespace ovrimo::emu

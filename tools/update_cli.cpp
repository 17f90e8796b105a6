#include "update_cli.h"

#include <CLI/CLI.hpp>

#include <cstdlib>
#include <system_error>

namespace ovrimo::tools {

namespace {

std::filesystem::path self_directory() {
  std::error_code ec;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path() : self.parent_path();
}

}  // namespace

std::filesystem::path default_firmware_dir() {
  if (const char* env = std::getenv("OVRIMO_FIRMWARE_DIR"); env != nullptr && *env != '\0') return env;
  // The presets build the tool into build/host and the firmware into build/firmware.
  return self_directory().parent_path() / "firmware";
}

std::vector<std::size_t> block_pattern(const std::string& name) {
  if (name == "1024") return {1024};
  if (name == "128") return {128};
  // A 1024-byte block and eight 128-byte ones: 2 KB per round, so a 512 KB image needs no padding.
  if (name == "mixed") return {1024, 128, 128, 128, 128, 128, 128, 128, 128};
  return {};
}

void add_update_options(CLI::App& command, UpdateFiles& files) {
  const std::string dir = default_firmware_dir().string();
  command.add_option("--bootloader", files.bootloader,
                     "Bootloader image (ELF, Intel HEX, or raw binary for 0x08000000); default " + dir +
                         "/bootloader.elf");
  command.add_option("--from", files.from,
                     "Application installed before power-on (ELF, Intel HEX, or raw binary for 0x08010000); "
                     "default " + dir + "/app-01.02.03.bin");
  command.add_option("--to", files.to,
                     "Application sent over XMODEM (ELF, Intel HEX or raw binary, sent as the bytes from "
                     "0x08010000); default " + dir + "/app-01.02.04.bin");
  command.add_option("--block-size", files.block_size,
                     "XMODEM blocks: 1024 (XMODEM-1K, default), 128, or mixed (one 1024-byte block, then eight "
                     "128-byte ones, repeated)")
      ->check(CLI::IsMember({"1024", "128", "mixed"}));
  command.add_option("--baud", files.baud,
                     "Line rate of the sender (default 114286, the board's own 4 MHz / 35; a PC's 115200 is within "
                     "the receiver's tolerance)")
      ->check(CLI::Range(1000u, 1000000u));
  add_no_skip_flag(command, files.skip_waits);
  add_unicorn_flag(command, files.unicorn);
}

void add_no_skip_flag(CLI::App& command, bool& skip_waits) {
  command.add_flag_callback(
      "--no-skip", [&skip_waits] { skip_waits = false; },
      "Run every instruction of the firmware's polling waits instead of jumping over the turns that can "
      "only repeat until the next event (slower; every count and board time stays the same)");
}

void add_unicorn_flag(CLI::App& command, bool& unicorn) {
  command.add_flag("--unicorn", unicorn,
                   "Run the firmware on the Unicorn engine instead of the built-in interpreter (slower; every "
                   "count and board time stays the same, which makes it a check of the interpreter)");
}

UpdateDemoOptions resolve(const UpdateFiles& files) {
  const auto dir = default_firmware_dir();
  UpdateDemoOptions o;
  o.bootloader = files.bootloader.empty() ? dir / "bootloader.elf" : std::filesystem::path(files.bootloader);
  o.from = files.from.empty() ? dir / "app-01.02.03.bin" : std::filesystem::path(files.from);
  o.to = files.to.empty() ? dir / "app-01.02.04.bin" : std::filesystem::path(files.to);
  o.block_sizes = block_pattern(files.block_size);
  o.baud = files.baud;
  o.skip_waits = files.skip_waits;
  o.unicorn = files.unicorn;
  return o;
}

}  // namespace ovrimo::tools

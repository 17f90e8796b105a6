// The command-line options shared by `ovrimo demo` and `ovrimo bench`: which images to use and
// how the sender sends the new one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "update_demo.h"

namespace CLI {
class App;
}

namespace ovrimo::tools {

struct UpdateFiles {
  std::string bootloader;
  std::string from;
  std::string to;
  std::string block_size = "1024";
  std::uint32_t baud = 114286;
  bool skip_waits = true;
  bool unicorn = false;
};

// $OVRIMO_FIRMWARE_DIR, else build/firmware beside the build/host this tool was built in.
std::filesystem::path default_firmware_dir();
// "1024", "128" or "mixed" as block sizes for the sender.
std::vector<std::size_t> block_pattern(const std::string& name);
void add_update_options(CLI::App& command, UpdateFiles& files);
// --no-skip: every instruction of a polling wait runs, none is jumped over (board, demo, bench).
void add_no_skip_flag(CLI::App& command, bool& skip_waits);
// --unicorn: the Unicorn engine as the CPU instead of the interpreter (board, demo, bench).
void add_unicorn_flag(CLI::App& command, bool& unicorn);
// The options with the defaults filled in.
UpdateDemoOptions resolve(const UpdateFiles& files);

}  // namespace ovrimo::tools

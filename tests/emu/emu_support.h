// Helpers shared by the emulator tests: where the firmware preset left its images.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace ovrimo::emu::testing {

// The firmware build directory: $OVRIMO_FIRMWARE_DIR, else the one CMake was configured with.
inline std::filesystem::path firmware_dir() {
  if (const char* env = std::getenv("OVRIMO_FIRMWARE_DIR"); env != nullptr && *env != '\0') return env;
  return OVRIMO_FIRMWARE_DIR;
}

inline std::filesystem::path firmware_file(const std::string& name) { return firmware_dir() / name; }

}  // namespace ovrimo::emu::testing

// A missing image is a failure, not a skip: these tests are the only check of the real code.
#define ASSERT_ARTEFACT(path)                                                                        \
  ASSERT_TRUE(std::filesystem::exists(path))                                                         \
      << "missing firmware artefact " << (path).string()                                             \
      << ": build the firmware preset first (cmake --preset firmware && cmake --build --preset firmware)" \
      << " or point OVRIMO_FIRMWARE_DIR at its build directory"

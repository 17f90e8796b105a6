// Helpers for tests that run the `ovrimo` tool as a user does, or read what a board wrote to a
// file descriptor.
#pragma once

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "emu_support.h"

namespace ovrimo::emu::testing {

inline std::string slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void spill(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Everything that is readable on `fd` right now, without waiting.
inline std::string drain(int fd) {
  std::string out;
  char buffer[512];
  for (;;) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 0) <= 0) return out;
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0) return out;
    out.append(buffer, static_cast<std::size_t>(n));
  }
}

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs the built tool with its output in files (not a terminal) and the images found through
// OVRIMO_FIRMWARE_DIR, as scripts see them; each test gets a scratch folder of its own.
class ToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef OVRIMO_CLI
    tool = OVRIMO_CLI;
#endif
    ASSERT_FALSE(tool.empty()) << "the test was built without the path of the ovrimo tool";
    ASSERT_TRUE(std::filesystem::exists(tool)) << tool;
    dir = std::filesystem::temp_directory_path() /
          ("ovrimo-tool-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  Outcome ovrimo(const std::string& arguments) {
    const auto out = dir / "stdout", err = dir / "stderr";
    const std::string command = "OVRIMO_FIRMWARE_DIR=" + firmware_dir().string() + " " + tool + " " + arguments +
                                " < /dev/null > " + out.string() + " 2> " + err.string();
    const int raw = std::system(command.c_str());
    Outcome o;
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    o.out = slurp(out);
    o.err = slurp(err);
    return o;
  }

  std::string tool;
  std::filesystem::path dir;
};

}  // namespace ovrimo::emu::testing

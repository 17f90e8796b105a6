// Helpers for tests that run the `ovrimo` tool as a user does, or read what a board wrote to a
// file descriptor.
#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

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

// A program run in the background, with its standard input, output and error opened from the
// paths given (a terminal, a file, /dev/null). Killed and reaped if still running at the end.
class ChildProcess {
 public:
  ChildProcess(const std::string& program, const std::vector<std::string>& args, const std::string& in,
               const std::string& out, const std::string& err) {
    std::vector<std::string> argv_text{program};
    argv_text.insert(argv_text.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argv_text) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_ = ::fork();
    if (pid_ == 0) {
      const int fd_in = ::open(in.c_str(), O_RDWR | O_NOCTTY);
      const int fd_out = out == in ? fd_in : ::open(out.c_str(), O_RDWR | O_NOCTTY | O_CREAT | O_TRUNC, 0644);
      const int fd_err = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (fd_in < 0 || fd_out < 0 || fd_err < 0) ::_exit(126);
      ::dup2(fd_in, 0);
      ::dup2(fd_out, 1);
      ::dup2(fd_err, 2);
      ::execv(program.c_str(), argv.data());
      ::_exit(127);
    }
  }
  ~ChildProcess() {
    if (pid_ > 0 && !status_) {
      ::kill(pid_, SIGKILL);
      int s = 0;
      ::waitpid(pid_, &s, 0);
    }
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return pid_ > 0; }
  void signal(int number) const { ::kill(pid_, number); }
  // Waits up to `timeout` for the program to end; its exit status, or -1 if it has not ended (or
  // died of a signal).
  int wait(std::chrono::milliseconds timeout) {
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (!status_) {
      int s = 0;
      if (::waitpid(pid_, &s, WNOHANG) == pid_) {
        status_ = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
        break;
      }
      if (std::chrono::steady_clock::now() >= until) return -1;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return *status_;
  }

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

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

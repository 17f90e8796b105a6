// `ovrimo upload` against the real bootloader on the emulated board, over a pseudo-terminal: the
// same termios path as a USB serial adapter. The board is either `ovrimo board --pty` in a
// process of its own, as an engineer would run it, or an emulator in this process when the test
// must hold the board's power or read its clock.
#include <gtest/gtest.h>

#include <sys/file.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <thread>

#include "e2e_support.h"
#include "peers/host_line.h"
#include "tool_support.h"

namespace ovrimo::emu {
namespace {

using peers::HostLinePeer;
using peers::PseudoTerminal;

using namespace e2e;
using testing::ChildProcess;
using testing::firmware_file;
using testing::slurp;

constexpr auto kWall = std::chrono::seconds(120);

std::size_t count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

bool all_erased(const std::string& bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<std::uint8_t>(c) == 0xFF; });
}

class Upload : public testing::ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    for (const char* f : {"bootloader.elf", "app-01.02.03.bin", "app-01.02.04.bin", "app-01.02.04.elf"})
      ASSERT_ARTEFACT(firmware_file(f));
  }

  // The first `size` bytes of the new image: vectors and code, but no metadata block, so it
  // goes only with --force; quick to send, and it still runs after the hand-off.
  std::string small_image(std::size_t size) {
    const auto path = dir / ("small-" + std::to_string(size) + ".bin");
    testing::spill(path, slurp(firmware_file("app-01.02.04.bin")).substr(0, size));
    return path.string();
  }

  std::unique_ptr<ChildProcess> start_upload(const std::string& arguments, const std::string& name = "upload") {
    std::vector<std::string> args{"upload"};
    std::istringstream words(arguments);
    for (std::string w; words >> w;) args.push_back(w);
    return std::make_unique<ChildProcess>(tool, args, "/dev/null", (dir / (name + ".out")).string(),
                                          (dir / (name + ".err")).string());
  }
  std::string out(const std::string& name = "upload") { return slurp(dir / (name + ".out")); }
  std::string err(const std::string& name = "upload") { return slurp(dir / (name + ".err")); }
};

// `ovrimo board --pty` with the bootloader and 01.02.03, its flash kept in a file.
class BoardProcess {
 public:
  BoardProcess(const std::string& tool, const std::filesystem::path& dir, const std::string& name,
               std::vector<std::string> until)
      : flash_(dir / (name + "-flash.bin")), out_(dir / (name + ".out")), err_(dir / (name + ".err")) {
    std::vector<std::string> args{"board", firmware_file("bootloader.elf").string(), "--app",
                                  firmware_file("app-01.02.03.bin").string(), "--pty", "--flash-file", flash_.string()};
    args.insert(args.end(), until.begin(), until.end());
    process_ = std::make_unique<ChildProcess>(tool, args, "/dev/null", out_.string(), err_.string());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    const std::string prefix = "USART2 on ";
    while (std::chrono::steady_clock::now() < deadline) {
      const std::string text = slurp(out_);
      if (const auto at = text.find(prefix); at != std::string::npos && text.find('\n', at) != std::string::npos) {
        pty_ = text.substr(at + prefix.size(), text.find('\n', at) - at - prefix.size());
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  const std::string& pty() const { return pty_; }
  int wait() { return process_->wait(kWall); }
  std::string flash() const { return slurp(flash_); }
  std::string err() const { return slurp(err_); }

 private:
  std::filesystem::path flash_, out_, err_;
  std::unique_ptr<ChildProcess> process_;
  std::string pty_;
};

// The application region (pages 8 to 126) of a whole flash array.
std::string region_of(const std::string& flash) {
  EXPECT_EQ(flash.size(), model::FlashArray::kSize);
  return flash.size() < kPage127 - kFlashBase ? std::string() : flash.substr(kAppBase - kFlashBase, app_image::kMaxSize);
}

// The region after an upload of `image`: the image, then erased flash up to page 127, 0xFF
// padding of the last block included.
void expect_region_holds(const std::string& region, const std::string& image) {
  ASSERT_EQ(region.size(), app_image::kMaxSize);
  EXPECT_TRUE(region.compare(0, image.size(), image) == 0) << "the region differs from the image";
  EXPECT_TRUE(all_erased(region.substr(image.size()))) << "flash after the image is not erased (0x1A padding?)";
}

using UploadSlow = Upload;

TEST_F(Upload, RefusedImagesAndPortProblemsGetOneLineAndTheirStatus) {
  const std::string small = small_image(8192);
  const std::string too_large = (dir / "large.bin").string();
  testing::spill(too_large, slurp(small) + std::string(app_image::kMaxSize + 1 - 8192, '\0'));
  const std::string zeros = (dir / "zeros.bin").string();
  testing::spill(zeros, std::string(4096, '\0'));
  struct Refusal {
    std::string arguments, says;
  };
  // The image is checked before any port is touched: these name a port that does not exist.
  for (const Refusal& r : std::vector<Refusal>{
           {too_large + " --force", "too large for the erased region"},
           {zeros + " --force", "vectors fail the bootloader's guard"},
           {small, "no metadata block at 0x0808FF00"},
           {firmware_file("bootloader.elf").string() + " --force", "bytes outside the application region"},
           {(dir / "missing.bin").string(), "missing.bin: no such file"},
       }) {
    const testing::Outcome o = ovrimo("upload /dev/ovrimo-none " + r.arguments);
    EXPECT_EQ(o.status, 2) << r.arguments << "\n" << o.err;
    EXPECT_EQ(count(o.err, "\n"), 1u) << o.err;
    EXPECT_NE(o.err.find(r.says), std::string::npos) << o.err;
  }

  const auto port_problem = [&](const std::string& port, const std::string& says) {
    const testing::Outcome o = ovrimo("upload " + port + " " + small + " --force --wait 1");
    EXPECT_EQ(o.status, 3) << port << "\n" << o.err;
    EXPECT_EQ(count(o.err, "\n"), 1u) << o.err;
    EXPECT_NE(o.err.find(says), std::string::npos) << o.err;
  };
  port_problem("/dev/ovrimo-none", "no such device");
  port_problem(small, "not a serial device");
  PseudoTerminal pty;
  {
    // A terminal program holding the port.
    const int holder = ::open(pty.path().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    port_problem(pty.path(), "in use by another program");
    ::close(holder);
  }

  // Nobody on the line: the tool asks for a reset, then gives up with status 4.
  const testing::Outcome silent = ovrimo("upload " + pty.path() + " " + small + " --force --wait 2.5");
  EXPECT_EQ(silent.status, 4) << silent.err;
  EXPECT_NE(silent.out.find("nothing from the board yet: reset it"), std::string::npos) << silent.out;
  EXPECT_NE(silent.err.find("no bootloader answered within 2 s"), std::string::npos) << silent.err;
}

TEST_F(UploadSlow, UpdatesTheSampleApplicationFromItsElf) {
  BoardProcess board(tool, dir, "board", {"--expect", "sample application 01.02.04", "--limit", "300"});
  ASSERT_FALSE(board.pty().empty()) << board.err();
  const auto elf = firmware_file("app-01.02.04.elf").string();
  const testing::Outcome o = ovrimo("upload " + board.pty() + " " + elf + " --monitor 2");
  ASSERT_EQ(o.status, 0) << o.out << o.err;
  EXPECT_EQ(board.wait(), 0) << board.err();

  EXPECT_NE(o.out.find("bootloader 00.04.01, installed application 01.02.03; answering 'Y'"), std::string::npos)
      << o.out;
  // In a pipe: one line per tenth of the image, then the summary and the board's own words.
  EXPECT_EQ(count(o.out, "%  "), 10u) << o.out;
  EXPECT_NE(o.out.find("100%  524040/524040 bytes"), std::string::npos) << o.out;
  EXPECT_NE(o.out.find("done: 524040 bytes in "), std::string::npos) << o.out;
  EXPECT_NE(o.out.find("board> Firmware updated!\nboard> Jumping to user application...\n"), std::string::npos)
      << o.out;
  EXPECT_NE(o.out.find("board> Ovrimo sample application 01.02.04, bootloader 00.04.01"), std::string::npos) << o.out;
  // The ELF's bytes, and 0xFF where its last block was padded: the flash as if erased there.
  const std::string flash = board.flash();
  const std::string image = slurp(firmware_file("app-01.02.04.bin")).substr(0, 524040);
  expect_region_holds(region_of(flash), image);
  std::printf("%s", o.out.substr(o.out.find("done:")).c_str());
}

// The emulated board in this process, on a pseudo-terminal, powered on when the test says.
class UploadToHeldBoardSlow : public Upload {
 protected:
  void SetUp() override {
    Upload::SetUp();
    rig = std::make_unique<Rig>(firmware_file("app-01.02.03.bin"));
    peer = std::make_unique<HostLinePeer>(pty.fd(), pty.fd());
    rig->board().usart2().attach(*peer);
    rig->emu().set_real_time_source(peer.get());
  }
  void TearDown() override {
    rig->board().usart2().detach();
    Upload::TearDown();
  }
  std::string region(std::size_t size) {
    const auto bytes = rig->flash(kAppBase, static_cast<std::uint32_t>(size));
    return std::string(bytes.begin(), bytes.end());
  }

  PseudoTerminal pty;
  std::unique_ptr<Rig> rig;
  std::unique_ptr<HostLinePeer> peer;
};

TEST_F(UploadToHeldBoardSlow, StartsAtOnceWhenTheBoardIsAlreadyPolling) {
  // The operator answered the prompt in a terminal program, which is then closed.
  const int terminal = ::open(pty.path().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(terminal, 0);
  ASSERT_EQ(rig->run_to_question().reason, StopReason::OutputMatched);
  ASSERT_EQ(::write(terminal, "Y", 1), 1);
  ASSERT_EQ(rig->run_until_line("\x1b[1;34mTransfer", kSecond).reason, StopReason::OutputMatched);
  ASSERT_EQ(rig->run_for(2500 * kMillisecond).reason, StopReason::TimeLimit);  // two 'C's in the line
  ::close(terminal);

  const std::string image = small_image(10000);  // not a whole number of blocks
  auto upload = start_upload(pty.path() + " " + image + " --force");
  const RunResult r = rig->run_until_handoff(60 * kSecond);
  ASSERT_EQ(r.reason, StopReason::HandOff) << r.detail << out() << err();
  ASSERT_EQ(rig->run_until_line("Ovrimo sample application", kSecond).reason, StopReason::OutputMatched);
  EXPECT_EQ(upload->wait(kWall), 0) << out() << err();
  EXPECT_EQ(out().find("answering"), std::string::npos) << out();
  EXPECT_NE(out().find("transfer started: 10000 bytes in 10 blocks of 1024"), std::string::npos) << out();
  expect_region_holds(region(app_image::kMaxSize), slurp(image));
}

TEST_F(UploadToHeldBoardSlow, WaitsForABoardPoweredOnAfterItStarted) {
  auto upload = start_upload(pty.path() + " " + small_image(4096) + " --force --block 128");
  std::this_thread::sleep_for(std::chrono::milliseconds(2500));  // the engineer reaches for RESET
  const RunResult r = rig->run_until_handoff(60 * kSecond);
  ASSERT_EQ(r.reason, StopReason::HandOff) << r.detail << out() << err();
  ASSERT_EQ(rig->run_until_line("Ovrimo sample application", kSecond).reason, StopReason::OutputMatched);
  EXPECT_EQ(upload->wait(kWall), 0) << out() << err();
  const std::string said = out();
  EXPECT_LT(said.find("nothing from the board yet: reset it"), said.find("answering 'Y'")) << said;
  EXPECT_NE(said.find("in 32 blocks of 128"), std::string::npos) << said;
  EXPECT_EQ(region(4096), slurp(dir / "small-4096.bin"));
}

TEST_F(UploadToHeldBoardSlow, CtrlCBringsTheMenuBackAndALaterUploadSucceeds) {
  auto upload = start_upload(pty.path() + " " + firmware_file("app-01.02.04.bin").string());
  ASSERT_EQ(rig->run_until_line("\x1b[1;34mTransfer", 10 * kSecond).reason, StopReason::OutputMatched) << out();
  ASSERT_EQ(rig->run_for(8 * kSecond).reason, StopReason::TimeLimit);  // some 70 blocks in
  upload->signal(SIGINT);
  const Time interrupted = rig->board().now();
  const std::size_t lines_before = rig->emu().printed_lines().size();
  ASSERT_EQ(rig->run_until_line("Send 'Y'", 5 * kSecond).reason, StopReason::OutputMatched)
      << "the board was not back at its menu within 5 s of board time";
  const auto& lines = rig->emu().printed_lines();
  ASSERT_GT(lines.size(), lines_before);
  EXPECT_NE(lines[lines_before].text.find("Failed... Please try again."), std::string::npos);
  EXPECT_LT(ms(rig->board().now() - interrupted), 5000.0);
  EXPECT_EQ(upload->wait(kWall), 6) << out() << err();
  EXPECT_NE(err().find("the board is back at its menu"), std::string::npos) << err();
  EXPECT_NE(out().find("10%"), std::string::npos) << out();

  // The board waits at its question with the region half written; the next upload comes in at
  // its next showing of the menu. Its 15 s answer window runs as fast as the host allows.
  auto again = start_upload(pty.path() + " " + small_image(4096) + " --force", "again");
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  rig->emu().set_real_time_source(nullptr);
  ASSERT_EQ(rig->run_until_line("Send 'Y'", 20 * kSecond).reason, StopReason::OutputMatched);
  rig->emu().set_real_time_source(peer.get());
  const RunResult r = rig->run_until_handoff(60 * kSecond);
  ASSERT_EQ(r.reason, StopReason::HandOff) << r.detail << out("again") << err("again");
  EXPECT_EQ(again->wait(kWall), 0) << out("again") << err("again");
  EXPECT_EQ(region(4096), slurp(dir / "small-4096.bin"));
}

TEST_F(UploadSlow, UpdatesTwoBoardsSideBySide) {
  const std::vector<std::string> until{"--expect", "Ovrimo sample application", "--limit", "120"};
  BoardProcess first(tool, dir, "first", until), second(tool, dir, "second", until);
  ASSERT_FALSE(first.pty().empty()) << first.err();
  ASSERT_FALSE(second.pty().empty()) << second.err();
  const std::string image = small_image(64 * 1024);
  const testing::Outcome o = ovrimo("upload " + first.pty() + " --port " + second.pty() + " " + image + " --force");
  ASSERT_EQ(o.status, 0) << o.out << o.err;
  EXPECT_EQ(first.wait(), 0) << first.err();
  EXPECT_EQ(second.wait(), 0) << second.err();
  for (const std::string& pty : {first.pty(), second.pty()})
    EXPECT_NE(o.out.find(pty + ": done: 65536 bytes"), std::string::npos) << o.out;
  EXPECT_EQ(count(o.out, "%  "), 20u) << o.out;  // every tenth of the image, for each board
  expect_region_holds(region_of(first.flash()), slurp(image));
  expect_region_holds(region_of(second.flash()), slurp(image));
  std::printf("%s", o.out.substr(o.out.find(first.pty() + ": done:")).c_str());
}

}  // namespace
}  // namespace ovrimo::emu

// The update with the terminal program operators actually use: lrzsz's sx sends the 512 KB image
// over a pseudo-terminal, as it would over the board's serial port. With a peer outside virtual
// time the emulator keeps to real time while the firmware waits, so these take tens of seconds.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "e2e_support.h"
#include "tool_support.h"
#include "peers/host_line.h"

namespace ovrimo::emu {
namespace {

using namespace e2e;
using peers::HostLinePeer;
using peers::PseudoTerminal;
using testing::firmware_file;

using testing::drain;

using testing::slurp;

std::filesystem::path find_lrzsz(const char* name) {
  for (const char* dir : {"/usr/bin", "/usr/local/bin", "/bin"}) {
    const std::filesystem::path p = std::filesystem::path(dir) / name;
    if (std::filesystem::exists(p)) return p;
  }
  return {};
}

// A board with 01.02.03 installed whose USART2 is a pseudo-terminal: the operator's terminal
// reads the menu and answers 'Y', then a program of lrzsz takes the line.
class TerminalBoard {
 public:
  TerminalBoard() : rig_(firmware_file("app-01.02.03.bin")), peer_(pty_.fd(), pty_.fd()) {
    rig_.board().usart2().attach(peer_);
    rig_.emu().set_real_time_source(&peer_);
  }
  ~TerminalBoard() {
    if (!log_.empty()) std::filesystem::remove(log_);
  }

  Rig& rig() { return rig_; }

  void answer_yes() {
    const int terminal = ::open(pty_.path().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0) << pty_.path();
    ASSERT_EQ(rig_.run_to_question().reason, StopReason::OutputMatched);
    EXPECT_EQ(drain(terminal), wire::kClear + wire::menu("01.02.03"));
    ASSERT_EQ(::write(terminal, "Y", 1), 1);
    const RunResult transfer = rig_.run_until_line("\x1b[1;34mTransfer", kSecond);
    ASSERT_EQ(transfer.reason, StopReason::OutputMatched) << transfer.detail;
    ASSERT_EQ(rig_.run_for(10 * kMillisecond).reason, StopReason::TimeLimit);
    EXPECT_EQ(drain(terminal), wire::kTransfer);
    ::close(terminal);
  }

  // `program` (sx or sb) with its standard input and output on the line, its messages in a file;
  // the first 'C' reaches it about a second later.
  std::unique_ptr<testing::ChildProcess> start(const char* program, std::vector<std::string> args) {
    const auto path = find_lrzsz(program);
    if (path.empty()) return nullptr;
    log_ = std::filesystem::temp_directory_path() /
           (std::string("ovrimo-") + program + "-" + std::to_string(::getpid()) + ".log");
    return std::make_unique<testing::ChildProcess>(path.string(), args, pty_.path(), pty_.path(), log_.string());
  }
  std::string program_said() const { return slurp(log_); }

  // What the board sent after its transfer line.
  std::string after_transfer_line() {
    const std::string all = rig_.device_text();
    const auto at = all.find(wire::kTransfer);
    EXPECT_NE(at, std::string::npos);
    return at == std::string::npos ? std::string() : all.substr(at + wire::kTransfer.size());
  }

 private:
  Rig rig_;
  PseudoTerminal pty_;
  HostLinePeer peer_;
  std::filesystem::path log_;
};

// Boots with 01.02.03 installed, answers 'Y' on the terminal, hands the line to sx with `args`
// and the 01.02.04 image, and checks the board after the jump. `blocks` is the number of blocks
// sx sends for 512 KB.
void update_with_sx(std::vector<std::string> args, std::size_t blocks) {
  ASSERT_ARTEFACT(firmware_file("bootloader.elf"));
  ASSERT_ARTEFACT(firmware_file("app-01.02.03.bin"));
  ASSERT_ARTEFACT(firmware_file("app-01.02.04.bin"));
  const auto image_path = firmware_file("app-01.02.04.bin");
  const auto image = read_file(image_path);
  ASSERT_EQ(image.size(), kImageSize);

  const auto wall_start = std::chrono::steady_clock::now();
  TerminalBoard board;
  Rig& rig = board.rig();
  ASSERT_NO_FATAL_FAILURE(board.answer_yes());
  args.push_back(image_path.string());
  const auto sender = board.start("sx", args);
  ASSERT_TRUE(sender && sender->started()) << "sx not found: install lrzsz (scripts/bootstrap does)";
  const Time transfer_start = rig.board().now();
  const RunResult r = rig.run_until_handoff(300 * kSecond);
  const int status = sender->wait(std::chrono::seconds(10));
  const std::string sx_said = board.program_said();
  ASSERT_EQ(r.reason, StopReason::HandOff) << r.detail << "\nsx: " << sx_said;
  EXPECT_EQ(status, 0) << sx_said;
  const Time transfer_time = rig.board().now() - transfer_start;

  // What the receiver sent: start requests until sx began, then one ACK per block and the EOT's.
  const std::string after = board.after_transfer_line();
  const std::size_t cs = after.find_first_not_of('C');
  EXPECT_GE(cs, 1u);
  EXPECT_EQ(after.substr(cs), std::string(blocks + 1, '\x06') + wire::kUpdated + wire::kJumping)
      << describe_control(after.substr(0, 8));

  // The new image in place, page 127 and the bootloader untouched, the new application running.
  const auto diff = first_difference(rig.flash(kAppBase, kImageSize), image);
  EXPECT_FALSE(diff.has_value()) << "first difference at 0x" << std::hex << kAppBase + *diff;
  EXPECT_TRUE(all_bytes(rig.flash(kAppBase + kImageSize, kPage127 - kAppBase - kImageSize), 0xFF));
  EXPECT_EQ(rig.flash(kPage127, model::FlashArray::kPageSize), rig.flash_at_start(kPage127, model::FlashArray::kPageSize));
  EXPECT_EQ(rig.flash(kFlashBase, kAppBase - kFlashBase), rig.flash_at_start(kFlashBase, kAppBase - kFlashBase));
  EXPECT_EQ(rig.board().core().handoff->vtor, kAppBase);
  const RunResult app = rig.run_until_line("Ovrimo sample application", 100 * kMillisecond);
  ASSERT_EQ(app.reason, StopReason::OutputMatched) << app.detail;
  EXPECT_EQ(rig.emu().printed_lines().back().text, app_line("01.02.04"));

  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_start).count();
  std::printf("sx %s: 512 KB in %.1f s of board time (%.0f bytes/s), test %.1f s wall\n",
              args.size() > 1 ? args[0].c_str() : "(128-byte blocks)", model::to_seconds(transfer_time),
              kImageSize / model::to_seconds(transfer_time), wall);
}

TEST(SxSlow, OneKilobyteBlocksFromSxMinusK) { update_with_sx({"-k"}, 512); }

TEST(SxSlow, PlainSxSends128ByteBlocks) { update_with_sx({}, 4096); }

// sb, the YMODEM batch sender, starts with block 0 (the file's name and size). It arrives whole,
// so the region is erased; its number is not 1, so it is refused, and sb's repetitions spend the
// budget. The installed application is gone; the board stays at its menu.
TEST(SxSlow, AYmodemBatchFromSbIsRefusedAfterTheRegionIsErased) {
  ASSERT_ARTEFACT(firmware_file("bootloader.elf"));
  ASSERT_ARTEFACT(firmware_file("app-01.02.03.bin"));
  ASSERT_ARTEFACT(firmware_file("app-01.02.04.bin"));
  TerminalBoard board;
  Rig& rig = board.rig();
  ASSERT_NO_FATAL_FAILURE(board.answer_yes());
  const auto sender = board.start("sb", {firmware_file("app-01.02.04.bin").string()});
  ASSERT_TRUE(sender && sender->started()) << "sb not found: install lrzsz (scripts/bootstrap does)";
  const RunResult r = rig.run_to_question(30 * kSecond);
  ASSERT_EQ(r.reason, StopReason::OutputMatched) << r.detail << "\nsb: " << board.program_said();
  const int status = sender->wait(std::chrono::seconds(15));
  const std::string after = board.after_transfer_line();
  const std::size_t cs = after.find_first_not_of('C');
  ASSERT_NE(cs, std::string::npos);
  EXPECT_EQ(after.substr(cs), "\x15\x15\x18\x18" + wire::kFailed + wire::kWhite + wire::menu("ff.ff.ff"))
      << describe_control(after.substr(cs, 6));
  EXPECT_NE(status, 0) << board.program_said();
  EXPECT_FALSE(rig.board().core().handoff.has_value());
  EXPECT_TRUE(all_bytes(rig.flash(kAppBase, kPage127 - kAppBase), 0xFF));
}

// sx pads a file that does not fill its last block with 0x1A, and that block is written as it
// comes: the padding stays in flash behind the image. The image is only the sample application's
// code (1020 bytes, no metadata block), which the bootloader starts right after the transfer.
TEST(SxSlow, SxPadsTheLastBlockWith0x1AWhichStaysInFlashAndTheImageStillStarts) {
  ASSERT_ARTEFACT(firmware_file("bootloader.elf"));
  ASSERT_ARTEFACT(firmware_file("app-01.02.03.bin"));
  ASSERT_ARTEFACT(firmware_file("app-01.02.04.bin"));
  auto code = read_file(firmware_file("app-01.02.04.bin"));
  code.resize(app_image::kMetaOffset);
  while (!code.empty() && code.back() == 0xFF) code.pop_back();
  ASSERT_EQ(code.size() % 128, 124u) << "the test wants a last block that sx has to pad";
  const auto file = std::filesystem::temp_directory_path() / ("ovrimo-code-" + std::to_string(::getpid()) + ".bin");
  testing::spill(file, std::string(code.begin(), code.end()));

  TerminalBoard board;
  Rig& rig = board.rig();
  ASSERT_NO_FATAL_FAILURE(board.answer_yes());
  const auto sender = board.start("sx", {"-k", file.string()});
  ASSERT_TRUE(sender && sender->started()) << "sx not found: install lrzsz (scripts/bootstrap does)";
  const RunResult r = rig.run_until_handoff(60 * kSecond);
  std::filesystem::remove(file);
  ASSERT_EQ(r.reason, StopReason::HandOff) << r.detail << "\nsx: " << board.program_said();
  EXPECT_EQ(sender->wait(std::chrono::seconds(10)), 0) << board.program_said();

  // The code, four bytes of 0x1A to the end of its last 128-byte block, then erased flash.
  EXPECT_EQ(rig.flash(kAppBase, static_cast<std::uint32_t>(code.size())), code);
  const std::uint32_t end = kAppBase + static_cast<std::uint32_t>(code.size());
  EXPECT_TRUE(all_bytes(rig.flash(end, 4), 0x1A));
  EXPECT_TRUE(all_bytes(rig.flash(end + 4, kPage127 - end - 4), 0xFF));
  const RunResult app = rig.run_until_line("Ovrimo sample application", 100 * kMillisecond);
  ASSERT_EQ(app.reason, StopReason::OutputMatched) << app.detail;
}

}  // namespace
}  // namespace ovrimo::emu

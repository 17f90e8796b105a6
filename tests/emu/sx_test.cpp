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

std::filesystem::path find_sx() {
  for (const char* dir : {"/usr/bin", "/usr/local/bin", "/bin"}) {
    const std::filesystem::path p = std::filesystem::path(dir) / "sx";
    if (std::filesystem::exists(p)) return p;
  }
  return {};
}

using testing::slurp;

// Boots with 01.02.03 installed, answers 'Y' on the terminal, hands the line to sx with `args`
// and the 01.02.04 image, and checks the board after the jump. `blocks` is the number of blocks
// sx sends for 512 KB.
void update_with_sx(std::vector<std::string> args, std::size_t blocks) {
  ASSERT_ARTEFACT(firmware_file("bootloader.elf"));
  ASSERT_ARTEFACT(firmware_file("app-01.02.03.bin"));
  ASSERT_ARTEFACT(firmware_file("app-01.02.04.bin"));
  const auto sx = find_sx();
  ASSERT_FALSE(sx.empty()) << "sx not found: install lrzsz (scripts/bootstrap does)";
  const auto image_path = firmware_file("app-01.02.04.bin");
  const auto image = read_file(image_path);
  ASSERT_EQ(image.size(), kImageSize);

  const auto wall_start = std::chrono::steady_clock::now();
  Rig rig(firmware_file("app-01.02.03.bin"));
  PseudoTerminal pty;
  HostLinePeer peer(pty.fd(), pty.fd());
  rig.board().usart2().attach(peer);
  rig.emu().set_real_time_source(&peer);

  // The operator's terminal: reads the menu, answers 'Y', waits for the transfer line.
  const int terminal = ::open(pty.path().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(terminal, 0) << pty.path();
  ASSERT_EQ(rig.run_to_question().reason, StopReason::OutputMatched);
  EXPECT_EQ(drain(terminal), wire::kClear + wire::menu("01.02.03"));
  ASSERT_EQ(::write(terminal, "Y", 1), 1);
  const RunResult transfer = rig.run_until_line("\x1b[1;34mTransfer", kSecond);
  ASSERT_EQ(transfer.reason, StopReason::OutputMatched) << transfer.detail;
  ASSERT_EQ(rig.run_for(10 * kMillisecond).reason, StopReason::TimeLimit);
  EXPECT_EQ(drain(terminal), wire::kTransfer);
  ::close(terminal);

  // Then sx takes the line; the first 'C' comes about a second later.
  const auto log = std::filesystem::temp_directory_path() / ("ovrimo-sx-" + std::to_string(::getpid()) + ".log");
  args.push_back(image_path.string());
  // sx with its standard input and output on the pseudo-terminal's slave, its messages in a file.
  testing::ChildProcess sender(sx.string(), args, pty.path(), pty.path(), log.string());
  ASSERT_TRUE(sender.started());
  const Time transfer_start = rig.board().now();
  const RunResult r = rig.run_until_handoff(300 * kSecond);
  const int status = sender.wait(std::chrono::seconds(10));
  const std::string sx_said = slurp(log);
  std::filesystem::remove(log);
  ASSERT_EQ(r.reason, StopReason::HandOff) << r.detail << "\nsx: " << sx_said;
  EXPECT_EQ(status, 0) << sx_said;
  const Time transfer_time = rig.board().now() - transfer_start;

  // What the receiver sent: start requests until sx began, then one ACK per block and the EOT's.
  const std::string all = rig.device_text();
  const auto at = all.find(wire::kTransfer);
  ASSERT_NE(at, std::string::npos);
  const std::string after = all.substr(at + wire::kTransfer.size());
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

}  // namespace
}  // namespace ovrimo::emu

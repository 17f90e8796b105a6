// `ovrimo demo` and `ovrimo bench` as a user runs them: the console shown readably when the
// output is not a terminal, the transfer summed up instead of dumped, an exit status that says
// whether the update and the hand-off happened, and figures that hold together.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "tool_support.h"

namespace ovrimo::emu {
namespace {

using testing::firmware_dir;
using testing::firmware_file;

using testing::Outcome;
using testing::slurp;
using testing::spill;

class DemoCli : public testing::ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    ASSERT_ARTEFACT(firmware_file("bootloader.elf"));
    ASSERT_ARTEFACT(firmware_file("app-01.02.03.bin"));
    ASSERT_ARTEFACT(firmware_file("app-01.02.04.bin"));
  }
};

// Whole 512 KB updates: a few seconds each.
class DemoCliSlow : public DemoCli {};

TEST_F(DemoCliSlow, UpdatesTheSampleApplicationAndShowsTheConsoleReadably) {
  const Outcome o = ovrimo("demo");
  ASSERT_EQ(o.status, 0) << o.err << o.out;

  // The dialogue in order, colours as markers, one line per CR LF.
  const std::string expected[] = {
      "⟨bold on black⟩⟨clear screen⟩⟨cursor home⟩⟨bold yellow⟩Ovrimo - Bootloader\n",
      "⟨bold white⟩BL Version:  (00.04.01)\nFirmware Version: (01.02.03)\n",
      "Send 'Y' to update Ovrimo Application Firmware or 'N' to boot Now (15s):\n",
      "⟨bold blue⟩Transfer Ovrimo Application Firmware Binary (.bin) via XMODEM now ...\n",
      "[XMODEM: done, 512 blocks, 524288 bytes and EOT acknowledged in ",
      "Firmware updated!\nJumping to user application...\nOvrimo sample application 01.02.04, bootloader 00.04.01\n",
  };
  std::size_t at = 0;
  for (const std::string& part : expected) {
    const std::size_t found = o.out.find(part, at);
    ASSERT_NE(found, std::string::npos) << "missing, or out of order: " << part << "\n--- output:\n" << o.out;
    at = found + part.size();
  }
  // Nothing raw reaches a log, and the 512 KB of XMODEM traffic is a few progress lines.
  EXPECT_EQ(o.out.find('\x1b'), std::string::npos);
  EXPECT_EQ(o.out.find('\r'), std::string::npos);
  EXPECT_LT(o.out.size(), 2000u) << o.out;
  EXPECT_NE(o.out.find("[XMODEM: 256/512 blocks, 262144 bytes acknowledged"), std::string::npos) << o.out;
  EXPECT_NE(o.err.find("updated to 01.02.04 and handed off"), std::string::npos) << o.err;
}

TEST_F(DemoCli, AnUpdateWithoutAHandOffFailsAndBadInputIsRefused) {
  // Three kilobytes of the application with its initial stack pointer erased, in the mixed
  // pattern: a 1024-byte block, eight of 128, another 1024. The transfer completes and the flash
  // holds the bytes, but the bootloader refuses to start an image without a usable stack and
  // returns to its menu; the demo stops there, not at its limit.
  std::string image = slurp(firmware_file("app-01.02.04.bin")).substr(0, 3072);
  image.replace(0, 4, "\xFF\xFF\xFF\xFF");
  spill(dir / "small.bin", image);
  const Outcome o = ovrimo("demo --to " + (dir / "small.bin").string() + " --block-size mixed");
  EXPECT_EQ(o.status, 2) << o.err << o.out;
  EXPECT_NE(o.out.find("[XMODEM: done, 10 blocks, 3072 bytes"), std::string::npos) << o.out;
  EXPECT_NE(o.out.find("Failed... Please try again."), std::string::npos) << o.out;
  EXPECT_NE(o.err.find("FAILED: the bootloader did not hand off"), std::string::npos) << o.err;
  EXPECT_LT(std::stod(o.err.substr(o.err.find("ovrimo demo: ") + 13)), 10.0) << o.err;

  // A line rate the board's receiver cannot follow garbles the answer; the board starts the
  // installed application (here from its ELF file), and the demo says that the answer was not
  // understood.
  const Outcome garbled = ovrimo("demo --baud 125000 --from " + firmware_file("app-01.02.03.elf").string());
  EXPECT_EQ(garbled.status, 2) << garbled.err;
  EXPECT_NE(garbled.err.find("the board did not understand the answer 'Y' sent at 125000 baud: it went on to start "
                             "the installed application"),
            std::string::npos)
      << garbled.err;

  // Files that are not there, and block sizes XMODEM does not have: status 1 before any run.
  Outcome missing = ovrimo("demo --from " + (dir / "nothing.bin").string());
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("nothing.bin: no such file"), std::string::npos) << missing.err;
  EXPECT_EQ(ovrimo("demo --block-size 512").status, 1);
  EXPECT_EQ(ovrimo("bench --bootloader " + (dir / "small.bin").string()).status, 1);
}

TEST_F(DemoCliSlow, BenchFiguresHoldTogether) {
  const Outcome o = ovrimo("bench");
  ASSERT_EQ(o.status, 0) << o.err << o.out;
  std::smatch m;

  ASSERT_TRUE(std::regex_search(o.out, m, std::regex(R"(([0-9.]+) s of board time, ([0-9]+) bytes/s: ([0-9.]+) % of the line limit of 11428.6 bytes/s)")))
      << o.out;
  const double seconds = std::stod(m[1]), rate = std::stod(m[2]), share = std::stod(m[3]);
  // 512 KB cannot go faster than the line, and the rate is the image over the time.
  EXPECT_GT(seconds, 524288 / 11428.6);
  EXPECT_NEAR(rate, 524288 / seconds, 1.0);
  EXPECT_NEAR(share, 100 * rate / 11428.6, 0.1);

  ASSERT_TRUE(std::regex_search(o.out, m, std::regex(R"(longest ([0-9]+) cycles .* budget of 350 cycles)"))) << o.out;
  const int longest = std::stoi(m[1]);
  EXPECT_GT(longest, 0);
  EXPECT_LT(longest, 350);
  ASSERT_TRUE(std::regex_search(o.out, m, std::regex(R"(([0-9]+) bytes received, ([0-9]+) read, 0 not delivered)")))
      << o.out;
  // Every byte of 512 blocks of 1029 and the EOT was read.
  EXPECT_EQ(m[1], "526849");
  EXPECT_EQ(m[2], "526849");

  // The first reply waits for the erase of the application region: 119 pages of 1.5 ms at least.
  ASSERT_TRUE(std::regex_search(o.out, m, std::regex(R"(([0-9.]+) ms from the end of block 1's last byte to the end of its ACK; ([0-9]+) page erases)")))
      << o.out;
  EXPECT_EQ(m[2], "119");
  EXPECT_GT(std::stod(m[1]), 119 * 1.5);
  EXPECT_NE(o.out.find("million instructions/s, real-time factor"), std::string::npos) << o.out;
}

// A short soak: the one-block code image at two rates, three updates each, two at a time. Each
// update must end as an update or as the board's cancel at its menu; a quiet line updates every
// time, and eight bit errors expected per transfer cannot all go unnoticed.
TEST_F(DemoCliSlow, AShortSoakEndsEveryUpdateAsItMust) {
  const Outcome o = ovrimo("soak --short --rates 0,1e-3 --updates 3 --jobs 2");
  EXPECT_EQ(o.status, 0) << o.out << o.err;
  EXPECT_EQ(o.err.find("BROKEN"), std::string::npos) << o.err;
  EXPECT_NE(o.out.find("held in every one"), std::string::npos) << o.out;
  std::smatch m;
  // rate, expected errors, updates, updated, broken, success
  const std::regex quiet(R"(\n0 +0 +3 +3 +0 +100\.0%)"), noisy(R"(\n1e-03 +[0-9.]+ +3 +([0-9]) +0 +)");
  EXPECT_TRUE(std::regex_search(o.out, quiet)) << o.out;
  ASSERT_TRUE(std::regex_search(o.out, m, noisy)) << o.out;
  EXPECT_LT(std::stoi(m[1]), 3) << o.out;
  // One progress line per update on standard error.
  std::size_t lines = 0;
  for (std::size_t at = 0; (at = o.err.find("] rate ", at)) != std::string::npos; ++at) ++lines;
  EXPECT_EQ(lines, 6u) << o.err;
}

}  // namespace
}  // namespace ovrimo::emu

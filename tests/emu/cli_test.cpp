// `ovrimo board` as a user runs it: images from files, a flash file kept across power cycles, and
// an exit status that tells how the run ended.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "tool_support.h"

namespace ovrimo::emu {
namespace {

using testing::firmware_file;

using Cli = testing::ToolTest;
using testing::Outcome;
using testing::slurp;

TEST_F(Cli, TheFlashFileKeepsTheApplicationAcrossPowerCycles) {
  const auto bootloader = firmware_file("bootloader.elf");
  const auto app = firmware_file("app-01.02.03.bin");
  ASSERT_ARTEFACT(bootloader);
  ASSERT_ARTEFACT(app);
  const auto flash = dir / "flash.bin";

  Outcome first = ovrimo("board " + bootloader.string() + " --app " + app.string() + " --flash-file " +
                         flash.string() + " --until app --limit 30");
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_NE(first.out.find("Ovrimo sample application 01.02.03, bootloader 00.04.01\r\n"), std::string::npos)
      << first.out;
  const std::string saved = slurp(flash);
  ASSERT_EQ(saved.size(), 2u * 1024 * 1024);
  EXPECT_EQ(saved.substr(0x10000, 0x80000), slurp(app));

  // Power on again with nothing but the flash file: the application is still there.
  Outcome second = ovrimo("board " + bootloader.string() + " --flash-file " + flash.string() + " --until app --limit 30");
  ASSERT_EQ(second.status, 0) << second.err;
  EXPECT_NE(second.out.find("Firmware Version: (01.02.03)"), std::string::npos) << second.out;

  // A file that is not a flash image is refused before anything runs.
  std::ofstream(dir / "short.bin") << "not two megabytes";
  Outcome bad = ovrimo("board " + bootloader.string() + " --flash-file " + (dir / "short.bin").string());
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("not the 2097152 of the flash"), std::string::npos) << bad.err;
}

TEST_F(Cli, ExitStatusTellsHowTheRunEnded) {
  const auto bootloader = firmware_file("bootloader.elf");
  const auto app = firmware_file("app-01.02.03.bin");
  ASSERT_ARTEFACT(bootloader);
  ASSERT_ARTEFACT(app);

  Outcome handoff = ovrimo("board " + bootloader.string() + " --app " + app.string() + " --until handoff");
  EXPECT_EQ(handoff.status, 0) << handoff.err;
  EXPECT_NE(handoff.err.find("VTOR 0x08010000, MSP 0x200C0000, PRIMASK 1"), std::string::npos) << handoff.err;

  // A raw image whose entry is an undefined instruction: status 2 with the PC.
  const auto raw = dir / "udf.bin";
  {
    std::ofstream out(raw, std::ios::binary);
    const unsigned char image[] = {0x00, 0x10, 0x00, 0x20,  0x09, 0x00, 0x00, 0x08,
                                   0x00, 0xDE, 0x00, 0xDE};  // SP, entry 0x08000008|1, udf #0
    out.write(reinterpret_cast<const char*>(image), sizeof image);
  }
  Outcome fault = ovrimo("board " + raw.string() + " --until 1");
  EXPECT_EQ(fault.status, 2) << fault.err;
  EXPECT_NE(fault.err.find("undefined instruction at PC 0x08000008"), std::string::npos) << fault.err;

  // Waiting for a hand-off that cannot come in time: status 4.
  Outcome late = ovrimo("board " + bootloader.string() + " --app " + app.string() + " --until handoff --limit 2");
  EXPECT_EQ(late.status, 4) << late.err;

  // Board time asked for: status 0, and the board took exactly that long.
  Outcome timed = ovrimo("board " + bootloader.string() + " --until 0.25");
  EXPECT_EQ(timed.status, 0) << timed.err;
  EXPECT_NE(timed.err.find("0.250000 s of board time"), std::string::npos) << timed.err;

  // Command-line mistakes are status 1 with a message.
  Outcome usage = ovrimo("board " + bootloader.string() + " --until sometime");
  EXPECT_EQ(usage.status, 1);
  EXPECT_NE(usage.err.find("--until takes handoff, app or a number of seconds"), std::string::npos) << usage.err;
  EXPECT_EQ(ovrimo("board /nonexistent.elf").status, 1);
  EXPECT_EQ(ovrimo("board " + bootloader.string() + " --pty --stdio").status, 1);
  Outcome help = ovrimo("board --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Exit status:"), std::string::npos);
}

}  // namespace
}  // namespace ovrimo::emu

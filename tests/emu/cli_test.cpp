// `ovrimo board` as a user runs it: images from files, a flash file kept across power cycles, and
// an exit status that tells how the run ended.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <functional>
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
using testing::spill;

TEST_F(Cli, TheFlashFileKeepsTheApplicationAcrossPowerCycles) {
  const auto bootloader = firmware_file("bootloader.elf");
  const auto app = firmware_file("app-01.02.03.bin");
  ASSERT_ARTEFACT(bootloader);
  ASSERT_ARTEFACT(app);
  ASSERT_ARTEFACT(firmware_file("bootloader.hex"));
  ASSERT_ARTEFACT(firmware_file("app-01.02.03.elf"));
  const auto flash = dir / "flash.bin";

  // The build's HEX and ELF files go where they were linked, as their raw binaries would.
  Outcome first = ovrimo("board " + firmware_file("bootloader.hex").string() + " --app " +
                         firmware_file("app-01.02.03.elf").string() + " --flash-file " + flash.string() +
                         " --until app --limit 30");
  ASSERT_EQ(first.status, 0) << first.err;
  // In a file the console reads as in `ovrimo demo`: markers for escape sequences, one line break
  // for each CR LF.
  EXPECT_NE(first.out.find("⟨bold yellow⟩Ovrimo - Bootloader\n"), std::string::npos) << first.out;
  EXPECT_NE(first.out.find("\nOvrimo sample application 01.02.03, bootloader 00.04.01\n"), std::string::npos)
      << first.out;
  EXPECT_EQ(first.out.find_first_of("\r\x1b"), std::string::npos) << first.out;
  const std::string saved = slurp(flash);
  ASSERT_EQ(saved.size(), 2u * 1024 * 1024);
  EXPECT_EQ(saved.substr(0x10000, 0x80000), slurp(app));
  // The raw binary fills the gaps between the linked sections with zeros; the HEX file leaves them
  // out, so there the flash stays erased.
  const std::string bootloader_bin = slurp(firmware_file("bootloader.bin"));
  std::size_t differing = 0;
  for (std::size_t i = 0; i < bootloader_bin.size(); ++i)
    if (saved[i] != bootloader_bin[i] && !(bootloader_bin[i] == '\0' && saved[i] == '\xFF')) ++differing;
  EXPECT_EQ(differing, 0u);

  // Power on again with nothing but the flash file: the application is still there.
  Outcome second = ovrimo("board " + bootloader.string() + " --flash-file " + flash.string() + " --until app --limit 30");
  ASSERT_EQ(second.status, 0) << second.err;
  EXPECT_NE(second.out.find("Firmware Version: (01.02.03)"), std::string::npos) << second.out;

  // --app over a stored flash replaces what it held there, and says so.
  Outcome over = ovrimo("board " + bootloader.string() + " --app " + app.string() + " --flash-file " + flash.string() +
                        " --until 0.01");
  ASSERT_EQ(over.status, 0) << over.err;
  EXPECT_NE(over.err.find(app.string() + " programmed at 0x08010000 over what " + flash.string() + " held there"),
            std::string::npos)
      << over.err;

  // A file that is not a flash image is refused before anything runs, and so is one that cannot
  // be written, before the run whose changes it would lose.
  std::ofstream(dir / "short.bin") << "not two megabytes";
  Outcome bad = ovrimo("board " + bootloader.string() + " --flash-file " + (dir / "short.bin").string());
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("not the 2097152 of the flash"), std::string::npos) << bad.err;
  Outcome unwritable = ovrimo("board " + bootloader.string() + " --flash-file " + (dir / "none" / "f.bin").string() +
                              " --until 0.01");
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.err.find("f.bin: cannot be written"), std::string::npos) << unwritable.err;
}

// The flash file is the flash: what the bootloader erased before the run was killed (as a closed
// terminal or kill -9 ends it) is erased in the file, as after a power cut during an update.
TEST_F(Cli, AKilledRunLeavesTheFlashFileAsAPowerCutLeavesTheFlash) {
  const auto bootloader = firmware_file("bootloader.elf");
  const auto app = firmware_file("app-01.02.03.bin");
  ASSERT_ARTEFACT(bootloader);
  ASSERT_ARTEFACT(app);
  const auto flash = dir / "flash.bin";
  const auto out = dir / "console";
  int input[2];
  ASSERT_EQ(::pipe(input), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::dup2(input[0], 0);
    ::close(input[1]);
    const std::string command = tool + " board " + bootloader.string() + " --app " + app.string() + " --flash-file " +
                                flash.string() + " --stdio > " + out.string() + " 2>/dev/null";
    ::execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(input[0]);
  auto wait_for = [](const std::function<bool()>& done) {
    for (int i = 0; i < 3000 && !done(); ++i) ::usleep(10000);
    return done();
  };
  const bool prompted = wait_for([&] { return slurp(out).find("Send 'Y'") != std::string::npos; });
  const bool asked = prompted && ::write(input[1], "Y", 1) == 1 &&
                     wait_for([&] { return slurp(out).find("CC") != std::string::npos; });
  if (asked) {
    // Block 1 of an XMODEM-1K transfer: the bootloader erases the region, metadata block
    // included, before it answers it.
    std::string block = "\x02\x01\xFE" + slurp(app).substr(0, 1024);
    std::uint16_t crc = 0;
    for (std::size_t i = 3; i < block.size(); ++i) {
      crc ^= static_cast<std::uint16_t>(static_cast<std::uint8_t>(block[i]) << 8);
      for (int bit = 0; bit < 8; ++bit) crc = static_cast<std::uint16_t>(crc & 0x8000 ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    block += static_cast<char>(crc >> 8);
    block += static_cast<char>(crc & 0xFF);
    EXPECT_EQ(::write(input[1], block.data(), block.size()), static_cast<ssize_t>(block.size()));
  }
  const bool erased = asked && wait_for([&] {
                        const std::string f = slurp(flash);
                        return f.size() == 2u * 1024 * 1024 && f.substr(0x8FF00, 16) == std::string(16, '\xFF');
                      });
  ::kill(child, SIGKILL);
  int raw = 0;
  ::waitpid(child, &raw, 0);
  ::close(input[1]);
  ASSERT_TRUE(asked) << slurp(out);
  ASSERT_TRUE(erased) << slurp(out);
  EXPECT_TRUE(WIFSIGNALED(raw));
  Outcome next = ovrimo("board " + bootloader.string() + " --flash-file " + flash.string() +
                        " --expect 'Firmware Version' --limit 5");
  EXPECT_NE(next.out.find("Firmware Version: (ff.ff.ff)"), std::string::npos) << next.out;
}

// What a user mistypes or points at by mistake is refused at once with status 1 and a message that
// names it: never a hang (a FIFO, a limit that means none), an exhausted memory (/dev/zero), an
// overflowed deadline that stops at once, or a firmware fault for a file that holds no firmware.
TEST_F(Cli, MistakesOnTheCommandLineAreNamedAndRefused) {
  const auto bootloader = firmware_file("bootloader.elf");
  ASSERT_ARTEFACT(bootloader);
  const std::string board = "board " + bootloader.string();
  const auto fifo = dir / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  spill(dir / "empty.bin", "");
  spill(dir / "huge.bin", std::string(2 * 1024 * 1024 + 1, '\xFF'));
  spill(dir / "notes.txt", "Ovrimo notes\n");
  const std::string hex = slurp(firmware_file("bootloader.hex"));
  spill(dir / "cut.hex", hex.substr(0, hex.find('\n', hex.size() / 2) + 1));  // whole records, no end
  const struct {
    std::string arguments;
    std::string message;
  } mistakes[] = {
      {"board " + fifo.string(), "fifo: not a regular file"},
      {board + " --app /dev/zero", "/dev/zero: not a regular file"},
      {"board " + dir.string(), dir.string() + ": is a directory, not a file"},
      {"board " + (dir / "huge.bin").string(), "huge.bin: 2097153 bytes, more than the 2097152 of the flash"},
      {"board " + (dir / "empty.bin").string(), "empty.bin: empty file"},
      {"board " + (dir / "notes.txt").string(), "notes.txt: neither ELF nor Intel HEX, and no firmware as a raw "
                                                "binary at 0x08000000"},
      {"board " + (dir / "cut.hex").string(), "cut.hex: no end-of-file record"},
      {board + " --app " + firmware_file("bootloader.hex").string(),
       "bootloader.hex: Intel HEX with bytes outside the flash above the bootloader 0x08010000..0x081FFFFF: "
       "0x08000000.."},
      {"board " + firmware_file("app-01.02.03.elf").string(),
       "app-01.02.03.elf: no vector table at 0x08000000, where the core starts: the flash there is erased (the image "
       "starts at 0x08010000)"},
      {"demo --to " + bootloader.string(), "bootloader.elf: ELF with bytes outside the flash above the bootloader"},
      {"bench --bootloader " + (dir / "notes.txt").string(), "notes.txt: neither ELF nor Intel HEX"},
      {board + " --load-address 0x20000000", "--load-address 0x20000000: not in flash"},
      {board + " --flash-file /dev/null", "/dev/null: not a regular file (the flash is kept in a plain file)"},
      {"board /nonexistent.elf", "/nonexistent.elf: no such file"},
      {board + " --until handoff --limit nan", "--limit takes a number of seconds of board time, not \"nan\""},
      {board + " --until inf", "--until takes a number of seconds of board time, not \"inf\""},
      {board + " --until 2e7", "--until 2e7: board time goes from above 0 to at most 10000000 s"},
      {board + " --until app --limit 1e30", "--limit 1e30: board time goes from above 0 to at most 10000000 s"},
      {board + " --until app --limit 0", "--limit 0: board time goes from above 0 to at most 10000000 s"},
      {"demo --limit -1", "--limit -1: board time goes from above 0"},
      {"nonsense", "no command \"nonsense\"; the commands are board, demo, bench, image, upload, soak and power-cut"},
  };
  for (const auto& m : mistakes) {
    Outcome o = ovrimo(m.arguments);
    EXPECT_EQ(o.status, 1) << m.arguments << "\n" << o.err;
    EXPECT_NE(o.err.find(m.message), std::string::npos) << m.arguments << "\n" << o.err;
  }
}

// A bootloader with no application shows its menu for ever; waiting for the application ends
// at the default board-time limit, and says that it was the limit.
using CliSlow = testing::ToolTest;
TEST_F(CliSlow, WaitingForAnAbsentApplicationEndsAtTheDefaultLimit) {
  const auto bootloader = firmware_file("bootloader.elf");
  ASSERT_ARTEFACT(bootloader);
  Outcome o = ovrimo("board " + bootloader.string() + " --until app");
  EXPECT_EQ(o.status, 4) << o.err;
  EXPECT_NE(o.out.find("No valid application"), std::string::npos) << o.out;
  EXPECT_NE(o.err.find("300.000000 s of board time"), std::string::npos) << o.err;
  EXPECT_NE(o.err.find("not met within 300 s of board time (the default limit; --limit SECONDS to change it)"),
            std::string::npos)
      << o.err;
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

  // An ELF's faults are named after its symbols: this program jumps to an application that is
  // not there.
  const auto handoff_program = firmware_file("emu-programs/handoff.elf");
  ASSERT_ARTEFACT(handoff_program);
  Outcome named = ovrimo("board " + handoff_program.string() + " --until 1");
  EXPECT_EQ(named.status, 2) << named.err;
  EXPECT_NE(named.err.find("(Reset_Handler+0x"), std::string::npos) << named.err;

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
  EXPECT_NE(usage.err.find("--until takes a number of seconds of board time, not \"sometime\" (or handoff, or app)"),
            std::string::npos)
      << usage.err;
  EXPECT_EQ(ovrimo("board " + bootloader.string() + " --pty --stdio").status, 1);
  Outcome help = ovrimo("board --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Exit status:"), std::string::npos);
}

}  // namespace
}  // namespace ovrimo::emu

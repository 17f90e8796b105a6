// GPIO ports, LPGPIO1 and EXTI as the firmware and the board trace see them.
#include <gtest/gtest.h>

#include "model/board.h"

namespace ovrimo::model {
namespace {

constexpr std::uint32_t kAhb2Enr1 = 0x46020C00 + 0x08C;
constexpr std::uint32_t kAhb2Rstr1 = 0x46020C00 + 0x064;
constexpr std::uint32_t kAhb3Enr = 0x46020C00 + 0x094;
constexpr std::uint32_t kModer = 0x00, kOtyper = 0x04, kOspeedr = 0x08, kPupdr = 0x0C, kIdr = 0x10, kOdr = 0x14,
                        kBsrr = 0x18, kLckr = 0x1C, kAfrl = 0x20, kAfrh = 0x24, kBrr = 0x28, kHslvr = 0x2C,
                        kSeccfgr = 0x30;

std::uint32_t port(char letter) { return GpioPort::kBaseA + GpioPort::kStride * static_cast<std::uint32_t>(letter - 'A'); }

// Sets the MODER field of `pin` over the bus, as a driver's read-modify-write does.
void set_mode(Bus& bus, char letter, unsigned pin, std::uint32_t mode) {
  const std::uint32_t moder = bus.read(port(letter) + kModer, 4);
  bus.write(port(letter) + kModer, (moder & ~(3u << (2 * pin))) | (mode << (2 * pin)), 4);
}

TEST(GpioPort, ResetValuesPerPortAndBusClockGate) {
  Board board;
  Bus& bus = board.bus();
  // Clocks off after reset: the ports read zero and ignore writes.
  EXPECT_EQ(bus.read(port('A') + kModer, 4), 0u);
  bus.write(port('F') + kOdr, 0x1, 4);
  EXPECT_EQ(board.gpio('F').reg("ODR"), 0u);

  bus.write(kAhb2Enr1, 0x1FF, 4);  // ports A..I
  struct Expected {
    char port;
    std::uint32_t moder, ospeedr, pupdr, idr;
  };
  // The pulled-up debug pins (PA13, PA15, PB4) read 1.
  for (const Expected& e : {Expected{'A', 0xABFFFFFF, 0x0C000000, 0x64000000, 0xA000},
                            Expected{'B', 0xFFFFFEBF, 0x000000C0, 0x00000100, 0x0010},
                            Expected{'C', 0xFFFFFFFF, 0, 0, 0}, Expected{'F', 0xFFFFFFFF, 0, 0, 0},
                            Expected{'I', 0xFFFFFFFF, 0, 0, 0}}) {
    SCOPED_TRACE(e.port);
    const std::uint32_t base = port(e.port);
    EXPECT_EQ(bus.read(base + kModer, 4), e.moder);
    EXPECT_EQ(bus.read(base + kOspeedr, 4), e.ospeedr);
    EXPECT_EQ(bus.read(base + kPupdr, 4), e.pupdr);
    EXPECT_EQ(bus.read(base + kSeccfgr, 4), 0x0000FFFFu);
    EXPECT_EQ(bus.read(base + kIdr, 4), e.idr);
    for (std::uint32_t off : {kOtyper, kOdr, kBsrr, kLckr, kAfrl, kAfrh, kBrr, kHslvr})
      EXPECT_EQ(bus.read(base + off, 4), 0u) << "offset " << off;
  }
  // The debug pins of A and B come up in their alternate function, everything else analog.
  EXPECT_EQ(board.gpio('A').mode(13), PinMode::Alternate);
  EXPECT_EQ(board.gpio('A').drive(15), PinDrive::Alternate);
  EXPECT_EQ(board.gpio('B').mode(4), PinMode::Alternate);
  EXPECT_EQ(board.gpio('F').mode(0), PinMode::Analog);
  EXPECT_TRUE(board.gpio('A').trace().empty());
}

TEST(GpioPort, SetAndResetRegistersAreSingleStoresAndWriteOnly) {
  Board board;
  Bus& bus = board.bus();
  bus.write(kAhb2Enr1, 1u << 3, 4);  // port D
  const std::uint32_t d = port('D');
  bus.write(d + kBsrr, 0x0000A005, 4);
  EXPECT_EQ(bus.read(d + kOdr, 4), 0xA005u);
  EXPECT_EQ(bus.read(d + kBsrr, 4), 0u);
  bus.write(d + kBsrr, 0x80010000, 4);  // reset pins 0 and 15, leave the rest
  EXPECT_EQ(bus.read(d + kOdr, 4), 0x2004u);
  bus.write(d + kBsrr, 0x00040004 | 0x00100000, 4);  // pin 2 in both halves: set wins; pin 4 reset
  EXPECT_EQ(bus.read(d + kOdr, 4), 0x2004u);
  bus.write(d + kBsrr + 3, 0x20, 1);  // byte store into the reset half: pin 13
  EXPECT_EQ(bus.read(d + kOdr, 4), 0x0004u);
  bus.write(d + kBrr, 0xFFFF0004, 4);  // only [15:0] exist
  EXPECT_EQ(bus.read(d + kOdr, 4), 0u);
  EXPECT_EQ(bus.read(d + kBrr, 4), 0u);
  bus.write(d + kOdr, 0xFFFFFFFF, 4);
  EXPECT_EQ(bus.read(d + kOdr, 4), 0xFFFFu);
  bus.write(d + kLckr, 0xFFFFFFFF, 4);
  EXPECT_EQ(bus.read(d + kLckr, 4), 0x1FFFFu);
  bus.write(d + kAfrh, 0x77000000, 4);
  EXPECT_EQ(bus.read(d + kAfrh, 4), 0x77000000u);
}

TEST(GpioPort, InputDataFollowsOutputsPullsAndAppliedLevels) {
  Board board;
  Bus& bus = board.bus();
  bus.write(kAhb2Enr1, 1u << 4, 4);  // port E
  GpioPort& e = board.gpio('E');
  const std::uint32_t base = port('E');
  bus.write(base + kOdr, 0x0003, 4);
  EXPECT_EQ(bus.read(base + kIdr, 4), 0u);  // analog pins read 0
  set_mode(bus, 'E', 0, 1);                 // push-pull output high
  set_mode(bus, 'E', 1, 1);
  bus.write(base + kOtyper, 0x2, 4);        // pin 1 open-drain, released
  set_mode(bus, 'E', 2, 0);                 // input, floating
  set_mode(bus, 'E', 3, 0);
  bus.write(base + kPupdr, 1u << (2 * 3), 4);  // pin 3 pulled up
  EXPECT_EQ(bus.read(base + kIdr, 4), 0x9u);
  e.apply_level(1, true);  // the board's pull-up on the open-drain line
  e.apply_level(2, true);
  e.apply_level(3, false);
  e.apply_level(5, true);  // analog: input buffer off
  EXPECT_EQ(bus.read(base + kIdr, 4), 0x7u);
  e.float_pin(3);
  EXPECT_EQ(bus.read(base + kIdr, 4), 0xFu);
  EXPECT_EQ(e.output_level(0), true);
  EXPECT_EQ(e.output_level(1), std::nullopt);
  EXPECT_EQ(e.drive(1), PinDrive::Released);
  bus.write(base + kBrr, 0x3, 4);
  EXPECT_EQ(bus.read(base + kIdr, 4) & 0x3u, 0u);  // both drive low now
  EXPECT_EQ(e.output_level(1), false);
}

TEST(GpioPort, TraceRecordsEveryChangeOfWhatAPinDrivesWithItsTime) {
  Board board;
  Bus& bus = board.bus();
  bus.write(kAhb2Enr1, 1u << 5, 4);  // port F
  GpioPort& f = board.gpio('F');
  const std::uint32_t base = port('F');

  board.time().advance(10 * kMicrosecond);
  bus.write(base + kBrr, 0x1E01, 4);  // low before output: nothing is driven yet
  EXPECT_TRUE(f.trace().empty());
  board.time().advance(kMicrosecond);
  set_mode(bus, 'F', 0, 1);
  const Time became_output = board.now();
  board.time().advance(kMillisecond);
  bus.write(base + kBsrr, 0x1, 4);
  const Time raised = board.now();
  bus.write(base + kBsrr, 0x1, 4);  // no change, no event
  board.time().advance(kMillisecond);
  set_mode(bus, 'F', 9, 1);
  bus.write(base + kOtyper, 1u << 9, 4);  // open-drain low: still low
  bus.write(base + kBsrr, 1u << 9, 4);    // open-drain "high" lets go of the line
  board.time().advance(kMillisecond);
  bus.write(base + kBrr, 0x1, 4);
  const Time lowered = board.now();
  set_mode(bus, 'F', 0, 3);  // back to analog: released
  set_mode(bus, 'F', 2, 2);

  const std::vector<PinEvent> pin0 = f.trace(0);
  ASSERT_EQ(pin0.size(), 4u);
  EXPECT_EQ(pin0[0], (PinEvent{became_output, 0, PinDrive::Low}));
  EXPECT_EQ(pin0[1], (PinEvent{raised, 0, PinDrive::High}));
  EXPECT_EQ(pin0[2], (PinEvent{lowered, 0, PinDrive::Low}));
  EXPECT_EQ(pin0[3], (PinEvent{lowered, 0, PinDrive::Released}));
  const std::vector<PinEvent> pin9 = f.trace(9);
  ASSERT_EQ(pin9.size(), 2u);
  EXPECT_EQ(pin9[0].drive, PinDrive::Low);
  EXPECT_EQ(pin9[1].drive, PinDrive::Released);
  EXPECT_EQ(f.trace(2).back().drive, PinDrive::Alternate);
  EXPECT_EQ(f.trace().size(), 7u);

  // A pulse on the port's reset line releases whatever it still drives, and says so.
  set_mode(bus, 'F', 11, 1);
  bus.write(kAhb2Rstr1, 1u << 5, 4);
  bus.write(kAhb2Rstr1, 0, 4);
  EXPECT_EQ(f.trace(11).back(), (PinEvent{board.now(), 11, PinDrive::Released}));
  EXPECT_EQ(f.reg("ODR"), 0u);
  EXPECT_EQ(f.reg("OTYPER"), 0u);
}

TEST(LpGpioAndExti, OneBitModesPendingFlagsAndEightBitSelectors) {
  Board board;
  Bus& bus = board.bus();
  bus.write(kAhb3Enr, 1u, 4);  // LPGPIO1
  const std::uint32_t lp = LpGpio::kBase;
  bus.write(lp + kModer, 0xFFFF0005, 4);
  EXPECT_EQ(bus.read(lp + kModer, 4), 0x5u);
  bus.write(lp + kBsrr, 0x00000007, 4);
  bus.write(lp + kBsrr, 0x00010000, 4);
  EXPECT_EQ(bus.read(lp + kOdr, 4), 0x6u);
  board.lpgpio1().apply_level(1, true);
  EXPECT_EQ(bus.read(lp + kIdr, 4), 0x6u);  // pin 2 output high, pin 1 input driven high
  bus.write(lp + kBrr, 0x4, 4);
  EXPECT_EQ(bus.read(lp + kIdr, 4), 0x2u);

  // EXTI needs no clock. Lines 0..25 only; selectors are whole bytes.
  const std::uint32_t exti = Exti::kBase;
  bus.write(exti + 0x00, 0xFFFFFFFF, 4);
  EXPECT_EQ(bus.read(exti + 0x00, 4), 0x03FFFFFFu);
  bus.write(exti + 0x6C, 0x05000300, 4);  // line 13 to port D, line 15 to port F
  EXPECT_EQ(board.exti().port_of_line(13), 3u);
  EXPECT_EQ(board.exti().port_of_line(15), 5u);
  EXPECT_EQ(board.exti().port_of_line(12), 0u);
  board.exti().regs().named("RPR1").set(0x5);
  bus.write(exti + 0x0C, 0x1, 4);  // write 1 clears, 0 leaves
  EXPECT_EQ(bus.read(exti + 0x0C, 4), 0x4u);
  bus.write(exti + 0x70, 0xFF, 4);
  EXPECT_EQ(bus.read(exti + 0x70, 4), 0x1u);
  for (std::uint32_t off : {0x20u, 0x90u}) EXPECT_EQ(bus.read(exti + off, 4), 0u);  // no second set here
}

}  // namespace
}  // namespace ovrimo::model

// Board bring-up: the outputs main drives low, the cache it switches on, the PWR clock of the
// HAL_Init hook, and the stop when the cache set-up is refused.
#include <gtest/gtest.h>

#include "firmware_fixture.h"

namespace ovrimo::test {
namespace {

using BoardBringUp = FirmwareTest;

TEST_F(BoardBringUp, OutputsAreLowOutputsAndOnlyTheirPinsChange) {
  model::Board fresh;
  ASSERT_EQ(run([] {
              (void)HAL_Init();
              SystemClock_Config();
              MX_GPIO_Init();
            }).reason,
            native::StopReason::Returned);

  struct Port {
    char port;
    std::uint16_t pins;
    std::uint16_t open_drain;
  };
  for (const Port& p : {Port{'F', 0x1E01, 0x1E00}, Port{'E', 0x0F00, 0}, Port{'B', 0x8000, 0}, Port{'D', 0x8000, 0},
                        Port{'A', 0x0100, 0}, Port{'C', 0x0800, 0}, Port{'H', 0, 0}}) {
    model::GpioPort& gpio = board.gpio(p.port);
    const std::uint32_t moder = gpio.reg("MODER"), reset_moder = fresh.gpio(p.port).reg("MODER");
    for (unsigned pin = 0; pin < 16; ++pin) {
      const std::uint32_t field = (moder >> (2 * pin)) & 3u;
      if (p.pins & (1u << pin)) {
        EXPECT_EQ(field, 1u) << p.port << pin;
        EXPECT_EQ((gpio.reg("ODR") >> pin) & 1u, 0u) << p.port << pin;
        EXPECT_EQ((gpio.reg("OTYPER") >> pin) & 1u, (p.open_drain >> pin) & 1u) << p.port << pin;
        // Never high on the way: the level was set before the pin became an output.
        for (const model::PinEvent& e : gpio.trace(pin)) EXPECT_NE(e.drive, model::PinDrive::High) << p.port << pin;
      } else {
        EXPECT_EQ(field, (reset_moder >> (2 * pin)) & 3u) << p.port << pin;
      }
    }
    EXPECT_EQ(gpio.reg("PUPDR"), fresh.gpio(p.port).reg("PUPDR")) << p.port;
  }
  // Ports A to F and H clocked; the PWR clock from the HAL_Init hook.
  EXPECT_EQ(board.rcc().reg("AHB2ENR1") & 0xFFu, 0xBFu);
  EXPECT_NE(board.rcc().reg("AHB3ENR") & RCC_AHB3ENR_PWREN, 0u);
}

TEST_F(BoardBringUp, CacheRunsDirectMappedAndASecondSetUpStops) {
  ASSERT_EQ(run([] {
              (void)HAL_Init();
              MX_ICACHE_Init();
            }).reason,
            native::StopReason::Returned);
  EXPECT_EQ(board.icache().reg("CR") & 1u, 1u);        // enabled
  EXPECT_EQ(board.icache().reg("CR") & (1u << 2), 0u);  // WAYSEL: 1-way
  // The associativity cannot change while the cache runs: Error_Handler, interrupts masked.
  const native::RunResult again = run([] { MX_ICACHE_Init(); });
  EXPECT_EQ(again.reason, native::StopReason::MaskedSpin) << again.detail;
  EXPECT_EQ(board.core().primask, 1u);
}

}  // namespace
}  // namespace ovrimo::test

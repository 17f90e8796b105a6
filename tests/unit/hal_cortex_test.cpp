// Interrupt priorities and the SysTick set-up of the Cortex-M33 module, observed in the core's
// registers.
#include <gtest/gtest.h>

#include <vector>

#include "firmware_fixture.h"

namespace ovrimo::test {
namespace {

constexpr std::uint32_t kShpr = 0xE000ED18;  // byte n: system exception n + 4
constexpr std::uint32_t kIpr = 0xE000E400;   // byte n: interrupt n
constexpr std::uint32_t kCcipr1 = kRcc + 0x0E0;
constexpr std::uint32_t kSysTickSelShift = 22;

class HalCortex : public FirmwareTest {
 protected:
  // Number of stores the firmware makes while running `firmware`.
  template <typename F>
  unsigned count_writes(F&& firmware) {
    unsigned n = 0;
    board.bus().set_observer([&n](const model::BusAccess& a) { n += a.is_write ? 1 : 0; });
    firmware();
    board.bus().set_observer({});
    return n;
  }
};

TEST(NvicEncodePriority, SplitsPreemptionAndSubpriorityBitsByGroupAndMasksOverwideValues) {
  struct Case {
    std::uint32_t group, preempt, sub, expected;
  };
  const Case cases[] = {
      // 4 preemption bits, no subpriority: the subpriority is dropped, 16 masks to 0.
      {NVIC_PRIORITYGROUP_4, 15, 0, 15},
      {NVIC_PRIORITYGROUP_4, 16, 0, 0},
      {NVIC_PRIORITYGROUP_4, 5, 3, 5},
      // Groups below 4 preemption bits.
      {NVIC_PRIORITYGROUP_3, 5, 1, (5u << 1) | 1u},
      {NVIC_PRIORITYGROUP_3, 8, 3, 1},  // 8 masks to 0 in 3 bits, 3 to 1 in 1 bit
      {NVIC_PRIORITYGROUP_2, 3, 3, 15},
      {NVIC_PRIORITYGROUP_2, 1, 2, (1u << 2) | 2u},
      {NVIC_PRIORITYGROUP_1, 1, 5, (1u << 3) | 5u},
      {NVIC_PRIORITYGROUP_1, 2, 9, 1},
      {NVIC_PRIORITYGROUP_0, 3, 9, 9},  // no preemption bits at all
      {NVIC_PRIORITYGROUP_0, 3, 17, 1},
      // PRIGROUP values below 3 leave more than 4 bits to preemption; only 4 exist.
      {0, 7, 1, 7},
      {2, 0x1F, 0x1F, 0xF},
      // Only the low three bits of the grouping count.
      {0xF8u | NVIC_PRIORITYGROUP_2, 1, 2, (1u << 2) | 2u},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NVIC_EncodePriority(c.group, c.preempt, c.sub), c.expected)
        << "group " << c.group << ", preemption " << c.preempt << ", subpriority " << c.sub;
  }
}

TEST_F(HalCortex, PriorityGroupingIsWrittenWithTheKeyAndReadBack) {
  for (std::uint32_t group : {NVIC_PRIORITYGROUP_0, NVIC_PRIORITYGROUP_2, NVIC_PRIORITYGROUP_4}) {
    HAL_NVIC_SetPriorityGrouping(group);
    // The core ignores an AIRCR write without its key, so the field changes only if it was there.
    EXPECT_EQ((read32(kAircr) >> 8) & 7u, group);
    EXPECT_EQ(__NVIC_GetPriorityGrouping(), group);
  }
  EXPECT_FALSE(board.core().scb().reset_requested);
}

TEST_F(HalCortex, PrioritiesLandInTheirOwnByteForExceptionsAndInterrupts) {
  HAL_NVIC_SetPriorityGrouping(NVIC_PRIORITYGROUP_4);
  // Neighbours of the bytes written must keep their values.
  write32(kIpr + 60, 0x20103040);  // interrupts 60..63
  write32(kShpr + 8, 0x00D00000);  // PendSV (byte 10) at 13

  HAL_NVIC_SetPriority(SysTick_IRQn, 15, 0);
  HAL_NVIC_SetPriority(USART2_IRQn, 5, 0);
  HAL_NVIC_SetPriority(SVCall_IRQn, 2, 0);
  HAL_NVIC_SetPriority(WWDG_IRQn, 1, 0);

  EXPECT_EQ(read32(kShpr + 8), 0xF0D00000u);  // SysTick byte 11, PendSV untouched
  EXPECT_EQ(read8(kShpr + 7), 0x20u);         // SVCall
  EXPECT_EQ(read32(kIpr + 60), 0x20503040u);  // only interrupt 62 changed
  EXPECT_EQ(read8(kIpr + 0), 0x10u);
  EXPECT_EQ(board.core().priority_of(model::kExcSysTick), 0xF0);

  // With one subpriority bit the pair is encoded before it is stored.
  HAL_NVIC_SetPriorityGrouping(NVIC_PRIORITYGROUP_3);
  HAL_NVIC_SetPriority(USART2_IRQn, 5, 1);
  EXPECT_EQ(read8(kIpr + 62), 0xB0u);
}

TEST_F(HalCortex, SysTickConfigAcceptsCountsFromOneTo0x1000000AndNothingElse) {
  write32(kSysTickLoad, 1234);
  write32(kSysTickCtrl, SysTick_CTRL_CLKSOURCE_Msk);
  for (std::uint32_t count : {0u, 0x1000001u, 0x2000000u, 0xFFFFFFFFu}) {
    std::uint32_t result = 0;
    EXPECT_EQ(count_writes([&] { result = HAL_SYSTICK_Config(count); }), 0u) << count;
    EXPECT_EQ(result, 1u) << count;
  }
  EXPECT_EQ(read32(kSysTickLoad), 1234u);
  EXPECT_EQ(read32(kSysTickCtrl), SysTick_CTRL_CLKSOURCE_Msk);

  EXPECT_EQ(HAL_SYSTICK_Config(0x1000000u), 0u);
  EXPECT_EQ(read32(kSysTickLoad), 0xFFFFFFu);
  EXPECT_EQ(read32(kSysTickCtrl) & 0x7u, 0x7u);

  // The clock-source bit is left as it was, and the count restarts from the new reload.
  write32(kSysTickCtrl, 0);
  board.time().advance(model::kMillisecond);
  EXPECT_EQ(HAL_SYSTICK_Config(1000u), 0u);
  EXPECT_EQ(read32(kSysTickCtrl) & 0x7u, 0x3u);
  EXPECT_EQ(read32(kSysTickLoad), 999u);
  EXPECT_LE(read32(kSysTickVal), 999u);
}

TEST_F(HalCortex, SysTickClockSourceSelectionAndReport) {
  const std::uint32_t other_selections = 0x0000000Cu;  // USART2SEL = LSE: must survive
  write32(kCcipr1, other_selections);

  struct Case {
    std::uint32_t source;
    std::uint32_t systicksel;
  };
  for (const Case& c : {Case{SYSTICK_CLKSOURCE_LSE, 2}, Case{SYSTICK_CLKSOURCE_LSI, 1},
                        Case{SYSTICK_CLKSOURCE_HCLK_DIV8, 0}}) {
    SCOPED_TRACE(testing::Message() << "source " << c.source);
    write32(kSysTickCtrl, SysTick_CTRL_CLKSOURCE_Msk);
    HAL_SYSTICK_CLKSourceConfig(c.source);
    EXPECT_EQ(read32(kSysTickCtrl) & SysTick_CTRL_CLKSOURCE_Msk, 0u);
    EXPECT_EQ(read32(kCcipr1), other_selections | (c.systicksel << kSysTickSelShift));
    EXPECT_EQ(HAL_SYSTICK_GetCLKSourceConfig(), c.source);
  }

  // The processor clock leaves the RCC selection alone.
  write32(kCcipr1, other_selections | (2u << kSysTickSelShift));
  HAL_SYSTICK_CLKSourceConfig(SYSTICK_CLKSOURCE_HCLK);
  EXPECT_NE(read32(kSysTickCtrl) & SysTick_CTRL_CLKSOURCE_Msk, 0u);
  EXPECT_EQ(read32(kCcipr1), other_selections | (2u << kSysTickSelShift));
  EXPECT_EQ(HAL_SYSTICK_GetCLKSourceConfig(), SYSTICK_CLKSOURCE_HCLK);

  // A code that names no source changes nothing.
  EXPECT_EQ(count_writes([] { HAL_SYSTICK_CLKSourceConfig(3); }), 0u);

  // The reserved selection 0b11 is reported as HCLK/8.
  write32(kSysTickCtrl, 0);
  write32(kCcipr1, 3u << kSysTickSelShift);
  EXPECT_EQ(HAL_SYSTICK_GetCLKSourceConfig(), SYSTICK_CLKSOURCE_HCLK_DIV8);
}

}  // namespace
}  // namespace ovrimo::test

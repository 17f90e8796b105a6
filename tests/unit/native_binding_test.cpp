// The native binding's own promises to firmware tests: when SysTick is delivered, how a run that
// never returns ends, and the exclusive-access retry when an exception comes in between.
#include <gtest/gtest.h>

#include "firmware_fixture.h"
#include "irq_handlers.h"

namespace ovrimo::test {
namespace {

constexpr std::uint32_t kRccCier = kRcc + 0x050;

class NativeBinding : public FirmwareTest {
 protected:
  void SetUp() override { ASSERT_EQ(HAL_Init(), HAL_OK); }

  // Keeps the firmware busy (register reads of the tick) for `duration` of virtual time.
  void busy_for(Time duration) {
    const Time start = board.now();
    while (board.now() - start < duration) (void)HAL_GetTick();
  }
};

TEST_F(NativeBinding, SysTickIsTakenOnlyWhileInterruptsAreUnmasked) {
  busy_for(5 * kMillisecond);
  const std::uint32_t running = HAL_GetTick();
  EXPECT_GE(running, 4u);

  __disable_irq();
  busy_for(5 * kMillisecond);
  EXPECT_EQ(HAL_GetTick(), running);  // frozen while masked
  EXPECT_TRUE(board.core().is_pending(model::kExcSysTick));

  // The pending tick is taken the moment interrupts are unmasked; the missed ones are lost, as
  // on the core, where a pending exception is a single flag.
  __enable_irq();
  const std::uint32_t after_unmask = uwTick;
  EXPECT_EQ(after_unmask, running + 1);
  EXPECT_FALSE(board.core().is_pending(model::kExcSysTick));
  busy_for(3 * kMillisecond);
  EXPECT_GE(HAL_GetTick(), running + 3);
}

TEST_F(NativeBinding, RunsThatNeverReturnEndWithTheirReason) {
  // Error_Handler masks interrupts and spins: nothing can ever leave it.
  binding.set_time_limit(board.now() + 100 * kMillisecond);
  native::RunResult result = binding.run([] { Error_Handler(); });
  EXPECT_EQ(result.reason, native::StopReason::MaskedSpin);
  EXPECT_LT(result.at, binding.time_limit());
  EXPECT_EQ(__get_PRIMASK(), 1u);
  __enable_irq();

  // A wait without end keeps the tick running until the virtual time limit.
  const std::uint32_t tick_before = HAL_GetTick();
  binding.set_time_limit(board.now() + 50 * kMillisecond);
  result = binding.run([] { HAL_Delay(HAL_MAX_DELAY); });
  EXPECT_EQ(result.reason, native::StopReason::TimeLimit);
  EXPECT_GE(result.at, binding.time_limit());
  const std::uint32_t ticked = uwTick - tick_before;
  EXPECT_GE(ticked, 49u);
  EXPECT_LE(ticked, 51u);

  // A fault handler spins with interrupts enabled; natively that spin also ends at the limit.
  binding.set_time_limit(board.now() + 10 * kMillisecond);
  result = binding.run([] { HardFault_Handler(); });
  EXPECT_EQ(result.reason, native::StopReason::TimeLimit);
}

TEST_F(NativeBinding, ExclusiveClearIsRetriedWhenAnExceptionComesBetweenLoadAndStore) {
  board.bus().write(kRccCier, 0x0000007Fu, 4);
  // Make SysTick pending while the exclusive load is on the bus, once (an event due at once, as
  // an interrupt arriving then): the exception is taken right after the load, which clears the
  // monitor, so the first store-exclusive must fail.
  unsigned reads = 0, writes = 0;
  bool fired = false;
  board.bus().set_observer([&](const model::BusAccess& a) {
    if (a.address != kRccCier) return;
    if (a.is_write) {
      ++writes;
      return;
    }
    ++reads;
    if (!fired) {
      fired = true;
      board.time().after(0, [&] { board.core().set_pending(model::kExcSysTick, true); });
    }
  });
  const std::uint32_t tick_before = uwTick;
  ATOMIC_CLEAR_BIT(RCC->CIER, 0x00000004u);
  board.bus().set_observer({});

  const std::uint32_t tick_after = uwTick;
  EXPECT_EQ(tick_after, tick_before + 1);  // the exception did come between load and store
  EXPECT_EQ(reads, 2u);                // so the pair ran twice
  EXPECT_EQ(writes, 1u);               // and only the second store happened
  EXPECT_EQ(board.bus().read(kRccCier, 4), 0x0000007Bu);
}

}  // namespace
}  // namespace ovrimo::test

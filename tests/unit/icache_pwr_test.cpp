// Instruction cache and voltage scaling drivers against the board model: return values,
// register outcomes and how long each call waits in virtual time.
#include <gtest/gtest.h>

#include <vector>

#include "hal_icache.h"
#include "hal_pwr_ex.h"
#include "hal_rcc.h"
#include "firmware_fixture.h"

namespace ovrimo::test {
namespace {

// SysTick at 1 ms from the 4 MHz reset clock, and the tick counter from zero.
class ICacheDriver : public FirmwareTest {
 protected:
  ICacheDriver() {
    write32(kSysTickLoad, 3999U);
    write32(kSysTickVal, 0U);
    write32(kSysTickCtrl, 7U);  // processor clock, interrupt, enable
  }

  uint32_t icache_cr() { return board.icache().reg("CR"); }
};

TEST_F(ICacheDriver, AssociativityOnlyWhileOffAndDisableWaitsForTheController) {
  board.time().advance(board.icache().timing().invalidate);  // the reset invalidate is over

  EXPECT_EQ(HAL_ICACHE_ConfigAssociativityMode(ICACHE_1WAY), HAL_OK);
  EXPECT_EQ(icache_cr(), 0U);
  EXPECT_EQ(HAL_ICACHE_ConfigAssociativityMode(0x3U), HAL_OK);  // not a mode: cannot switch it on
  EXPECT_EQ(icache_cr(), 0U);
  EXPECT_EQ(HAL_ICACHE_Enable(), HAL_OK);
  EXPECT_EQ(icache_cr(), ICACHE_CR_EN);
  EXPECT_EQ(HAL_ICACHE_ConfigAssociativityMode(ICACHE_2WAYS), HAL_ERROR);
  EXPECT_EQ(icache_cr(), ICACHE_CR_EN);

  const Time start = board.now();
  EXPECT_EQ(HAL_ICACHE_Disable(), HAL_OK);
  const Time waited = board.now() - start;
  EXPECT_GE(waited, board.icache().timing().disable);
  EXPECT_LT(waited, board.icache().timing().disable + 5 * kMicrosecond);
  EXPECT_EQ(icache_cr(), 0U);
  // The old busy-end flag was cleared first; a disable starts no invalidate.
  EXPECT_EQ(board.icache().reg("SR"), 0U);
  EXPECT_EQ(HAL_ICACHE_ConfigAssociativityMode(ICACHE_2WAYS), HAL_OK);
  EXPECT_EQ(icache_cr(), ICACHE_CR_WAYSEL);

  // With interrupts masked (the hand-off) the tick stands still, but a working controller
  // still ends the wait.
  EXPECT_EQ(HAL_ICACHE_Enable(), HAL_OK);
  board.core().primask = 1U;
  const uint32_t tick = uwTick;
  EXPECT_EQ(HAL_ICACHE_Disable(), HAL_OK);
  EXPECT_EQ(uwTick, tick);
  EXPECT_EQ(icache_cr() & ICACHE_CR_EN, 0U);
  board.core().primask = 0U;
}

TEST_F(ICacheDriver, DisableThatNeverCompletes) {
  board.icache().faults.disable_hangs = true;

  // Interrupts on: the tick moves and the wait gives up once more than 1 ms has passed.
  EXPECT_EQ(HAL_ICACHE_Enable(), HAL_OK);
  const Time start = board.now();
  const uint32_t tick = uwTick;
  EXPECT_EQ(HAL_ICACHE_Disable(), HAL_TIMEOUT);
  EXPECT_EQ(uwTick - tick, 2U);
  EXPECT_GT(board.now() - start, 1 * kMillisecond);
  EXPECT_LE(board.now() - start, 2 * kMillisecond + 10 * kMicrosecond);
  EXPECT_TRUE(board.icache().disabling());  // the request stands

  // Interrupts masked: nothing can end the wait but the controller.
  board.core().primask = 1U;
  binding.set_time_limit(board.now() + 50 * kMillisecond);
  HAL_StatusTypeDef status = HAL_OK;
  const auto run = binding.run([&] { status = HAL_ICACHE_Disable(); });
  EXPECT_EQ(run.reason, StopReason::TimeLimit);
  EXPECT_EQ(uwTick - tick, 2U);
}

TEST_F(ICacheDriver, InvalidateWaitsForItsOwnEndAndGivesUpAfterOneMillisecond) {
  board.time().advance(board.icache().timing().invalidate);  // leaves BSYENDF of the reset one
  ASSERT_EQ(HAL_ICACHE_Enable(), HAL_OK);
  const Time start = board.now();
  EXPECT_EQ(HAL_ICACHE_Invalidate(), HAL_OK);
  EXPECT_GE(board.now() - start, board.icache().timing().invalidate);
  EXPECT_LT(board.now() - start, board.icache().timing().invalidate + 10 * kMicrosecond);
  EXPECT_EQ(board.icache().reg("SR"), 0U);  // its end flag is cleared again
  EXPECT_EQ(icache_cr(), ICACHE_CR_EN | ICACHE_CR_WAYSEL);

  board.icache().faults.invalidate_hangs = true;
  const uint32_t tick = uwTick;
  EXPECT_EQ(HAL_ICACHE_Invalidate(), HAL_TIMEOUT);
  EXPECT_EQ(uwTick - tick, 2U);
}

class VoltageScaling : public FirmwareTest {
 protected:
  explicit VoltageScaling(ovrimo::model::BoardConfig config = {}) : FirmwareTest(config) {
    set_bits(RCC_BASE + offsetof(RCC_TypeDef, AHB3ENR), RCC_AHB3ENR_PWREN);
  }

  uint32_t vosr() { return board.pwr().reg("VOSR"); }
  // Calls the driver and reports whether it wrote VOSR and how long it took. With
  // `active_lag`, the regulator confirms the active range (ACTVOSRDY) that long after the
  // request is ready (VOSRDY) instead of at the same time.
  HAL_StatusTypeDef change(uint32_t range, bool* wrote_vosr, Time* took, Time active_lag = 0) {
    bool wrote = false;
    bool lagging = false;
    board.bus().set_observer([&](const BusAccess& a) {
      if (a.address != PWR_BASE + offsetof(PWR_TypeDef, VOSR)) return;
      if (a.is_write) wrote = true;
      if (!a.is_write && wrote && active_lag != 0 && !lagging && (a.value & PWR_VOSR_VOSRDY) != 0U) {
        lagging = true;
        board.pwr().regs().named("SVMSR").clear_bits(PWR_SVMSR_ACTVOSRDY);
        board.time().after(active_lag, [this] { board.pwr().regs().named("SVMSR").set_bits(PWR_SVMSR_ACTVOSRDY); });
      }
    });
    const Time start = board.now();
    const HAL_StatusTypeDef status = HAL_PWREx_ControlVoltageScaling(range);
    *took = board.now() - start;
    board.bus().set_observer({});
    *wrote_vosr = wrote;
    return status;
  }
};

TEST_F(VoltageScaling, ActiveRangeIsLeftAloneARealChangeWaitsForBothReadyFlags) {
  bool wrote = true;
  Time took = 0;
  EXPECT_EQ(HAL_PWREx_GetVoltageRange(), PWR_REGULATOR_VOLTAGE_SCALE4);
  EXPECT_EQ(change(PWR_REGULATOR_VOLTAGE_SCALE4, &wrote, &took), HAL_OK);
  EXPECT_FALSE(wrote);

  const Time settle = board.pwr().timing().vos_transition;
  EXPECT_EQ(change(PWR_REGULATOR_VOLTAGE_SCALE3, &wrote, &took), HAL_OK);
  EXPECT_TRUE(wrote);
  EXPECT_GE(took, settle);
  EXPECT_EQ(vosr() & (PWR_VOSR_VOS | PWR_VOSR_BOOSTEN | PWR_VOSR_VOSRDY), PWR_REGULATOR_VOLTAGE_SCALE3 | PWR_VOSR_VOSRDY);
  EXPECT_NE(board.pwr().reg("SVMSR") & PWR_SVMSR_ACTVOSRDY, 0U);
  EXPECT_EQ(HAL_PWREx_GetVoltageRange(), PWR_REGULATOR_VOLTAGE_SCALE3);
  EXPECT_EQ(change(PWR_REGULATOR_VOLTAGE_SCALE3, &wrote, &took), HAL_OK);
  EXPECT_FALSE(wrote);

  // Up to range 1: the booster comes with it.
  EXPECT_EQ(change(PWR_REGULATOR_VOLTAGE_SCALE1, &wrote, &took), HAL_OK);
  EXPECT_GE(took, settle);
  EXPECT_EQ(vosr() & (PWR_VOSR_VOS | PWR_VOSR_BOOSTEN), PWR_REGULATOR_VOLTAGE_SCALE1 | PWR_VOSR_BOOSTEN);
  EXPECT_EQ(HAL_PWREx_GetVoltageRange(), PWR_REGULATOR_VOLTAGE_SCALE1);
  // Already in range 1 with the booster off: only BOOSTEN is set, nothing is waited for.
  board.bus().write(PWR_BASE + offsetof(PWR_TypeDef, VOSR), PWR_REGULATOR_VOLTAGE_SCALE1, 4);
  EXPECT_EQ(change(PWR_REGULATOR_VOLTAGE_SCALE1, &wrote, &took), HAL_OK);
  EXPECT_TRUE(wrote);
  EXPECT_LT(took, settle);
  EXPECT_EQ(vosr() & (PWR_VOSR_VOS | PWR_VOSR_BOOSTEN), PWR_REGULATOR_VOLTAGE_SCALE1 | PWR_VOSR_BOOSTEN);

  // Back down to range 4: the booster goes off with the request.
  EXPECT_EQ(change(PWR_REGULATOR_VOLTAGE_SCALE4, &wrote, &took), HAL_OK);
  EXPECT_EQ(vosr() & (PWR_VOSR_VOS | PWR_VOSR_BOOSTEN), PWR_REGULATOR_VOLTAGE_SCALE4);
  EXPECT_EQ(HAL_PWREx_GetVoltageRange(), PWR_REGULATOR_VOLTAGE_SCALE4);
}

TEST_F(VoltageScaling, ActiveRangeConfirmationIsAwaitedWithinItsOwnBudget) {
  bool wrote = false;
  Time took = 0;
  const Time settle = board.pwr().timing().vos_transition;
  // 201 polls at 4 MHz: a confirmation 30 us after the request is ready is still seen...
  EXPECT_EQ(change(PWR_REGULATOR_VOLTAGE_SCALE3, &wrote, &took, 30 * kMicrosecond), HAL_OK);
  EXPECT_GE(took, settle + 30 * kMicrosecond);
  // ...one that takes a millisecond is not.
  EXPECT_EQ(change(PWR_REGULATOR_VOLTAGE_SCALE4, &wrote, &took, kMillisecond), HAL_TIMEOUT);
  EXPECT_LT(took, settle + kMillisecond);
  EXPECT_EQ(vosr() & PWR_VOSR_VOS, PWR_REGULATOR_VOLTAGE_SCALE4);
}

TEST_F(VoltageScaling, SlowClockAllowsASinglePollAndTimesOut) {
  bool wrote = false;
  Time took = 0;
  // Below 20 kHz the budget is one pass: a range that is not ready at the first look fails.
  SystemCoreClock = 19999U;
  EXPECT_EQ(change(PWR_REGULATOR_VOLTAGE_SCALE2, &wrote, &took), HAL_TIMEOUT);
  EXPECT_LT(took, board.pwr().timing().vos_transition);
  // The request stays; the regulator gets there in its own time.
  EXPECT_EQ(vosr() & (PWR_VOSR_VOS | PWR_VOSR_BOOSTEN), PWR_REGULATOR_VOLTAGE_SCALE2 | PWR_VOSR_BOOSTEN);
  board.time().advance(board.pwr().timing().vos_transition);
  EXPECT_EQ(HAL_PWREx_GetVoltageRange(), PWR_REGULATOR_VOLTAGE_SCALE2);

  // A garbage argument reaches no VOSR bit outside the range field.
  SystemCoreClock = 4000000U;
  EXPECT_EQ(change(0xFFFCFFFFU | PWR_REGULATOR_VOLTAGE_SCALE3, &wrote, &took), HAL_OK);
  EXPECT_EQ(vosr() & (PWR_VOSR_VOS | PWR_VOSR_BOOSTEN), PWR_REGULATOR_VOLTAGE_SCALE3);
}

}  // namespace

namespace {

// A regulator that settles at once: at a slow clock the single allowed poll then succeeds.
class QuickRegulator : public VoltageScaling {
 protected:
  QuickRegulator() : VoltageScaling(quick()) {}
  static ovrimo::model::BoardConfig quick() {
    ovrimo::model::BoardConfig config;
    config.pwr.vos_transition = 0;
    return config;
  }
};

TEST_F(QuickRegulator, SingleLookAtASlowClockSucceedsWhenTheRangeIsReady) {
  bool wrote = false;
  Time took = 0;
  SystemCoreClock = 16000U;
  EXPECT_EQ(change(PWR_REGULATOR_VOLTAGE_SCALE3, &wrote, &took), HAL_OK);
  EXPECT_EQ(HAL_PWREx_GetVoltageRange(), PWR_REGULATOR_VOLTAGE_SCALE3);
}

}  // namespace
}  // namespace ovrimo::test

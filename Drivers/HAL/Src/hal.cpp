// Core of the HAL: start-up, peripheral reset and the millisecond tick.
#include "hal.h"

#include "hal_rcc.h"

extern "C" {

volatile uint32_t uwTick;
uint32_t uwTickPrio = (1U << __NVIC_PRIO_BITS);
HAL_TickFreqTypeDef uwTickFreq = HAL_TICK_FREQ_DEFAULT;

}  // extern "C"

namespace {

// SysTick input clocks per tick for the clock SysTick currently counts.
uint32_t systick_count_per_tick() {
  const uint32_t freq = static_cast<uint32_t>(uwTickFreq);
  if (READ_BIT(SysTick->CTRL, SysTick_CTRL_CLKSOURCE_Msk) != 0U) {
    return SystemCoreClock / (1000U / freq);
  }
  switch (HAL_SYSTICK_GetCLKSourceConfig()) {
    case SYSTICK_CLKSOURCE_HCLK_DIV8:
      return SystemCoreClock / (8000U / freq);
    case SYSTICK_CLKSOURCE_LSI:
      return LSI_VALUE / (1000U / freq);
    case SYSTICK_CLKSOURCE_LSE:
      return LSE_VALUE / (1000U / freq);
    default:
      return 0U;  // refused by HAL_SYSTICK_Config
  }
}

}  // namespace

extern "C" {

HAL_StatusTypeDef HAL_Init(void) {
#if (PREFETCH_ENABLE != 0U)
  SET_BIT(FLASH->ACR, FLASH_ACR_PRFTEN);
#endif

  // All four priority bits are preemption bits.
  HAL_NVIC_SetPriorityGrouping(NVIC_PRIORITYGROUP_4);

  // HCLK from the live clock tree: after reset the 4 MHz MSIS with no AHB division.
  const uint32_t hpre = (READ_REG(RCC->CFGR2) & RCC_CFGR2_HPRE) >> RCC_CFGR2_HPRE_Pos;
  SystemCoreClock = HAL_RCC_GetSysClockFreq() >> AHBPrescTable[hpre];

  HAL_SYSTICK_CLKSourceConfig(SYSTICK_CLKSOURCE_HCLK);

  if (HAL_InitTick(TICK_INT_PRIORITY) != HAL_OK) {
    return HAL_ERROR;
  }

  HAL_MspInit();
  return HAL_OK;
}

HAL_StatusTypeDef HAL_DeInit(void) {
  // Each bus is forced into reset and released at once, with whole-register writes, so the
  // pulse reaches every peripheral of the bus. The APB3 bus, the clock enables and SysTick are
  // not touched.
  __HAL_RCC_APB1_FORCE_RESET();
  __HAL_RCC_APB1_RELEASE_RESET();

  __HAL_RCC_APB2_FORCE_RESET();
  __HAL_RCC_APB2_RELEASE_RESET();

  __HAL_RCC_AHB1_FORCE_RESET();
  __HAL_RCC_AHB1_RELEASE_RESET();

  // Resets every GPIO port among the rest, which undoes the board's pin set-up.
  __HAL_RCC_AHB2_FORCE_RESET();
  __HAL_RCC_AHB2_RELEASE_RESET();

  __HAL_RCC_AHB3_FORCE_RESET();
  __HAL_RCC_AHB3_RELEASE_RESET();

  HAL_MspDeInit();
  return HAL_OK;
}

// The board's own HAL_MspInit (the board set-up module) replaces this one; the default lets the
// HAL link and run on its own, for instance in tests of the HAL alone.
__weak void HAL_MspInit(void) {}

// Nothing of the board set-up needs undoing when the peripherals are reset.
__weak void HAL_MspDeInit(void) {}

__weak HAL_StatusTypeDef HAL_InitTick(uint32_t TickPriority) {
  if (uwTickFreq == 0U) {
    return HAL_ERROR;
  }
  if (HAL_SYSTICK_Config(systick_count_per_tick()) != 0U) {
    return HAL_ERROR;  // SysTick and uwTickPrio stay as they were
  }
  HAL_NVIC_SetPriority(SysTick_IRQn, TickPriority, 0U);
  uwTickPrio = TickPriority;
  return HAL_OK;
}

__weak void HAL_IncTick(void) { uwTick = uwTick + static_cast<uint32_t>(uwTickFreq); }

__weak uint32_t HAL_GetTick(void) { return uwTick; }

__weak void HAL_Delay(uint32_t Delay) {
  const uint32_t tickstart = HAL_GetTick();
  uint32_t wait = Delay;

  // One extra tick period: the first tick may come right after tickstart was taken. Saturated,
  // so that a delay close to HAL_MAX_DELAY never wraps round to a short one.
  if (wait < HAL_MAX_DELAY) {
    const uint32_t period = static_cast<uint32_t>(uwTickFreq);
    wait = (wait > HAL_MAX_DELAY - period) ? HAL_MAX_DELAY : wait + period;
  }

  // The unsigned difference stays right across the wrap of uwTick.
  while ((HAL_GetTick() - tickstart) < wait) {
  }
}

}  // extern "C"

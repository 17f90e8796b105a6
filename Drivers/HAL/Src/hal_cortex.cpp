// Cortex-M33 support: NVIC/SCB priorities and the SysTick timer.
#include "hal_cortex.h"

namespace {

// AIRCR ignores any write that does not carry this key in VECTKEY.
constexpr uint32_t kAircrWriteKey = SCB_AIRCR_VECTKEY_WRITE << SCB_AIRCR_VECTKEY_Pos;

// Mask of the low `bits` bits; `bits` is at most __NVIC_PRIO_BITS here.
constexpr uint32_t low_bits(uint32_t bits) { return (1U << bits) - 1U; }

}  // namespace

extern "C" {

void __NVIC_SetPriorityGrouping(uint32_t PriorityGroup) {
  const uint32_t group = PriorityGroup & 0x07U;
  uint32_t value = READ_REG(SCB->AIRCR);
  value &= ~(SCB_AIRCR_VECTKEY_Msk | SCB_AIRCR_PRIGROUP_Msk);
  value |= kAircrWriteKey | (group << SCB_AIRCR_PRIGROUP_Pos);
  WRITE_REG(SCB->AIRCR, value);
}

uint32_t __NVIC_GetPriorityGrouping(void) {
  return (READ_REG(SCB->AIRCR) & SCB_AIRCR_PRIGROUP_Msk) >> SCB_AIRCR_PRIGROUP_Pos;
}

void __NVIC_SetPriority(IRQn_Type IRQn, uint32_t priority) {
  // Only the upper __NVIC_PRIO_BITS bits of each priority byte are implemented.
  const auto byte = static_cast<uint8_t>((priority << (8U - __NVIC_PRIO_BITS)) & 0xFFU);
  if (static_cast<int32_t>(IRQn) >= 0) {
    NVIC->IPR[static_cast<uint32_t>(IRQn)] = byte;
  } else {
    // System exception n (n = 4..15) has its byte at SHPR[n - 4]; IRQn is n - 16.
    SCB->SHPR[(static_cast<uint32_t>(IRQn) & 0xFU) - 4U] = byte;
  }
}

uint32_t NVIC_EncodePriority(uint32_t PriorityGroup, uint32_t PreemptPriority, uint32_t SubPriority) {
  const uint32_t group = PriorityGroup & 0x07U;
  const uint32_t preempt_bits = ((7U - group) > __NVIC_PRIO_BITS) ? __NVIC_PRIO_BITS : 7U - group;
  const uint32_t sub_bits = ((group + __NVIC_PRIO_BITS) < 7U) ? 0U : group - 7U + __NVIC_PRIO_BITS;
  return ((PreemptPriority & low_bits(preempt_bits)) << sub_bits) | (SubPriority & low_bits(sub_bits));
}

void HAL_NVIC_SetPriorityGrouping(uint32_t PriorityGroup) { __NVIC_SetPriorityGrouping(PriorityGroup); }

void HAL_NVIC_SetPriority(IRQn_Type IRQn, uint32_t PreemptPriority, uint32_t SubPriority) {
  const uint32_t group = __NVIC_GetPriorityGrouping();
  __NVIC_SetPriority(IRQn, NVIC_EncodePriority(group, PreemptPriority, SubPriority));
}

uint32_t HAL_SYSTICK_Config(uint32_t TicksNumb) {
  // The reload value is the count minus one; 0 wraps to 0xFFFFFFFF and is refused with the rest.
  if ((TicksNumb - 1U) > SysTick_LOAD_RELOAD_Msk) {
    return 1U;
  }
  WRITE_REG(SysTick->LOAD, TicksNumb - 1U);
  WRITE_REG(SysTick->VAL, 0U);
  SET_BIT(SysTick->CTRL, SysTick_CTRL_TICKINT_Msk | SysTick_CTRL_ENABLE_Msk);
  return 0U;
}

void HAL_SYSTICK_CLKSourceConfig(uint32_t CLKSource) {
  switch (CLKSource) {
    case SYSTICK_CLKSOURCE_HCLK:
      SET_BIT(SysTick->CTRL, SysTick_CTRL_CLKSOURCE_Msk);
      break;
    case SYSTICK_CLKSOURCE_HCLK_DIV8:
      CLEAR_BIT(SysTick->CTRL, SysTick_CTRL_CLKSOURCE_Msk);
      MODIFY_REG(RCC->CCIPR1, RCC_CCIPR1_SYSTICKSEL, 0U);
      break;
    case SYSTICK_CLKSOURCE_LSI:
      CLEAR_BIT(SysTick->CTRL, SysTick_CTRL_CLKSOURCE_Msk);
      MODIFY_REG(RCC->CCIPR1, RCC_CCIPR1_SYSTICKSEL, RCC_CCIPR1_SYSTICKSEL_0);
      break;
    case SYSTICK_CLKSOURCE_LSE:
      CLEAR_BIT(SysTick->CTRL, SysTick_CTRL_CLKSOURCE_Msk);
      MODIFY_REG(RCC->CCIPR1, RCC_CCIPR1_SYSTICKSEL, RCC_CCIPR1_SYSTICKSEL_1);
      break;
    default:
      break;
  }
}

uint32_t HAL_SYSTICK_GetCLKSourceConfig(void) {
  if (READ_BIT(SysTick->CTRL, SysTick_CTRL_CLKSOURCE_Msk) != 0U) {
    return SYSTICK_CLKSOURCE_HCLK;
  }
  switch (READ_BIT(RCC->CCIPR1, RCC_CCIPR1_SYSTICKSEL)) {
    case RCC_CCIPR1_SYSTICKSEL_0:
      return SYSTICK_CLKSOURCE_LSI;
    case RCC_CCIPR1_SYSTICKSEL_1:
      return SYSTICK_CLKSOURCE_LSE;
    default:
      // 0b00, and the reserved 0b11, which names no other source.
      return SYSTICK_CLKSOURCE_HCLK_DIV8;
  }
}

}  // extern "C"

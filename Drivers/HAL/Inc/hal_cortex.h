// Cortex-M33 support of the HAL: interrupt priorities in the NVIC and SCB, and the SysTick timer
// that drives the millisecond tick.
#ifndef OVRIMO_HAL_CORTEX_H
#define OVRIMO_HAL_CORTEX_H

#include "hal_def.h"

// Values for the PRIGROUP field of AIRCR. The name gives the number of preemption bits among the
// four implemented priority bits; the value is what the core expects in the field.
#define NVIC_PRIORITYGROUP_0 0x00000007U  // 0 bits preemption, 4 bits subpriority
#define NVIC_PRIORITYGROUP_1 0x00000006U  // 1 bit preemption, 3 bits subpriority
#define NVIC_PRIORITYGROUP_2 0x00000005U  // 2 bits preemption, 2 bits subpriority
#define NVIC_PRIORITYGROUP_3 0x00000004U  // 3 bits preemption, 1 bit subpriority
#define NVIC_PRIORITYGROUP_4 0x00000003U  // 4 bits preemption, 0 bits subpriority

// What SysTick counts. The first three leave CLKSOURCE clear and select the RCC SysTick clock
// (RCC_CCIPR1_SYSTICKSEL); the last one counts the processor clock.
#define SYSTICK_CLKSOURCE_HCLK_DIV8 0x00000000U
#define SYSTICK_CLKSOURCE_LSI 0x00000001U
#define SYSTICK_CLKSOURCE_LSE 0x00000002U
#define SYSTICK_CLKSOURCE_HCLK 0x00000004U

extern "C" {

// Core register accessors.
void __NVIC_SetPriorityGrouping(uint32_t PriorityGroup);
uint32_t __NVIC_GetPriorityGrouping(void);
// Writes an already encoded priority (the low __NVIC_PRIO_BITS bits of `priority`) to the
// priority byte of a device interrupt (IRQn >= 0) or of a system exception (IRQn < 0).
void __NVIC_SetPriority(IRQn_Type IRQn, uint32_t priority);
// Packs a preemption priority and a subpriority for the given grouping; values too wide for
// their part are masked, not rejected.
uint32_t NVIC_EncodePriority(uint32_t PriorityGroup, uint32_t PreemptPriority, uint32_t SubPriority);

void HAL_NVIC_SetPriorityGrouping(uint32_t PriorityGroup);
void HAL_NVIC_SetPriority(IRQn_Type IRQn, uint32_t PreemptPriority, uint32_t SubPriority);

// Starts SysTick with an interrupt every `TicksNumb` input clocks. Returns 0, or 1 (and changes
// nothing) when the count does not fit the 24-bit reload register, that is for 0 and above
// 0x1000000.
uint32_t HAL_SYSTICK_Config(uint32_t TicksNumb);
void HAL_SYSTICK_CLKSourceConfig(uint32_t CLKSource);
uint32_t HAL_SYSTICK_GetCLKSourceConfig(void);

}  // extern "C"

#endif

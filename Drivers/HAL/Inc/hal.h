// The hardware abstraction layer: start-up, the return of the peripherals to reset, and the
// millisecond tick every timeout of the system is counted in.
//
// This is also the umbrella header: including it brings in every HAL module.
#ifndef OVRIMO_HAL_H
#define OVRIMO_HAL_H

#include "hal_conf.h"
#include "hal_def.h"

#include "hal_cortex.h"
#include "hal_dma.h"
#include "hal_flash.h"
#include "hal_flash_ex.h"
#include "hal_gpio.h"
#include "hal_icache.h"
#include "hal_pwr_ex.h"
#include "hal_rcc.h"
#include "hal_uart.h"
#include "hal_uart_ex.h"

extern "C" {

// Tick period in milliseconds; HAL_IncTick adds it to uwTick, so uwTick always counts ms.
typedef enum : uint8_t {
  HAL_TICK_FREQ_10HZ = 100U,
  HAL_TICK_FREQ_100HZ = 10U,
  HAL_TICK_FREQ_1KHZ = 1U,
  HAL_TICK_FREQ_DEFAULT = HAL_TICK_FREQ_1KHZ,
} HAL_TickFreqTypeDef;

// Millisecond counter, advanced only by the SysTick exception; volatile so that polling loops
// re-read it. A 32-bit aligned load is atomic on the core, so readers take no lock.
extern volatile uint32_t uwTick;
// SysTick priority last installed by HAL_InitTick; 1 << __NVIC_PRIO_BITS (invalid) until then.
extern uint32_t uwTickPrio;
extern HAL_TickFreqTypeDef uwTickFreq;

HAL_StatusTypeDef HAL_Init(void);
HAL_StatusTypeDef HAL_DeInit(void);
// Board hooks: HAL_Init calls HAL_MspInit last, HAL_DeInit calls HAL_MspDeInit last.
void HAL_MspInit(void);
void HAL_MspDeInit(void);

// Replaceable time base (weak defaults here). HAL_InitTick is called again by the clock driver
// after each change of SystemCoreClock so that the tick stays at 1 ms.
HAL_StatusTypeDef HAL_InitTick(uint32_t TickPriority);
void HAL_IncTick(void);
uint32_t HAL_GetTick(void);
// Busy-waits at least `Delay` ms and at most one tick period more; HAL_MAX_DELAY waits for ever.
void HAL_Delay(uint32_t Delay);

}  // extern "C"

#endif

// Instruction cache driver: associativity, enable, and the disable that waits for the
// controller to finish.
#ifndef OVRIMO_HAL_ICACHE_H
#define OVRIMO_HAL_ICACHE_H

#include "hal_def.h"

#define ICACHE_1WAY 0U                 // direct-mapped
#define ICACHE_2WAYS ICACHE_CR_WAYSEL  // two-way set-associative (the reset setting)

// How long a disable may take to complete, in ms.
#define ICACHE_DISABLE_TIMEOUT_VALUE 1U
// How long a full invalidate may take to complete, in ms.
#define ICACHE_INVALIDATE_TIMEOUT_VALUE 1U

extern "C" {

// Refused with HAL_ERROR while the cache is enabled (or still finishing a disable).
HAL_StatusTypeDef HAL_ICACHE_ConfigAssociativityMode(uint32_t AssociativityMode);
HAL_StatusTypeDef HAL_ICACHE_Enable(void);
// HAL_TIMEOUT when EN still reads 1 once more than ICACHE_DISABLE_TIMEOUT_VALUE ms have passed;
// the disable request has been written in any case. With interrupts masked the tick stands
// still, and the wait ends only when the controller clears EN.
HAL_StatusTypeDef HAL_ICACHE_Disable(void);
// Drops every cache line and waits for the controller to report the end of the invalidate. The
// cache does not see flash erase or programming: after either, a read of the changed range may
// be served from a line that still holds the old contents until this has run. HAL_TIMEOUT when
// the end is not reported within ICACHE_INVALIDATE_TIMEOUT_VALUE ms.
HAL_StatusTypeDef HAL_ICACHE_Invalidate(void);

}  // extern "C"

#endif

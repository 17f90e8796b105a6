// The one header firmware includes to reach the hardware: the access layer (register field types,
// DEVICE_BLOCK, intrinsics, memory helpers), the Cortex-M33 core blocks and the MCU's own
// register blocks, field constants and interrupt numbers.
#ifndef OVRIMO_DEVICE_H
#define OVRIMO_DEVICE_H

#include "device_access.h"
#include "device_core.h"
#include "device_regs.h"

#endif

// Power controller, voltage scaling: the core regulator's range and the booster.
#ifndef OVRIMO_HAL_PWR_EX_H
#define OVRIMO_HAL_PWR_EX_H

#include "hal_def.h"

// Range codes, as they sit in PWR_VOSR_VOS and PWR_SVMSR_ACTVOS. Ranges 1 and 2 (above range 3)
// need the booster.
#define PWR_REGULATOR_VOLTAGE_SCALE1 (PWR_VOSR_VOS_0 | PWR_VOSR_VOS_1)  // 0x30000, highest frequency
#define PWR_REGULATOR_VOLTAGE_SCALE2 PWR_VOSR_VOS_1                      // 0x20000
#define PWR_REGULATOR_VOLTAGE_SCALE3 PWR_VOSR_VOS_0                      // 0x10000
#define PWR_REGULATOR_VOLTAGE_SCALE4 0x00000000U                         // lowest power, after reset

// Time allowed for each ready flag after a range change, in microseconds; turned into a count
// of polling passes from SystemCoreClock.
#define PWR_FLAG_SETTING_DELAY 0x32U

extern "C" {

// HAL_OK once the requested range is both requested-ready (VOSRDY) and active (ACTVOSRDY);
// HAL_TIMEOUT when either flag does not come within the allowed number of polls (VOSR keeps
// the new request).
HAL_StatusTypeDef HAL_PWREx_ControlVoltageScaling(uint32_t VoltageScaling);
// The active range, in the same encoding as VoltageScaling.
uint32_t HAL_PWREx_GetVoltageRange(void);

}  // extern "C"

#endif

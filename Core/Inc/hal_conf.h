// Compile-time configuration of the hardware abstraction layer for the Ovrimo board.
#ifndef OVRIMO_HAL_CONF_H
#define OVRIMO_HAL_CONF_H

// Oscillator frequencies (Hz).
#define HSE_VALUE 16000000U               // crystal fitted on the board
#define HSI_VALUE 16000000U
#define HSI48_VALUE 48000000U
#define MSI_VALUE 4000000U                // MSIS after reset (range 4)
#define LSE_VALUE 32768U
#define LSI_VALUE 32000U
#define EXTERNAL_SAI1_CLOCK_VALUE 48000U  // external audio clock pin

// Oscillator start-up limits (ms).
#define HSE_STARTUP_TIMEOUT 100U
#define LSE_STARTUP_TIMEOUT 5000U

// Core set-up.
#define TICK_INT_PRIORITY 15U  // SysTick at the lowest of 16 levels
#define PREFETCH_ENABLE 1U
#define VDD_VALUE 3300U        // mV

// Parameter checks are compiled out.
#define assert_param(expr) ((void)0U)

#endif

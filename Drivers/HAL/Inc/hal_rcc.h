// Clock driver: oscillators, PLL1, system clock switch, bus dividers, flash wait states, the
// frequency queries and the bus clock-enable/reset helpers every other module uses.
#ifndef OVRIMO_HAL_RCC_H
#define OVRIMO_HAL_RCC_H

#include "hal_conf.h"
#include "hal_def.h"

extern "C" {

// ---------------------------------------------------------------------------------------------
// Request records
// ---------------------------------------------------------------------------------------------

// PLL1 request. Dividers and the multiplier are given as the real values; the driver stores
// value-1 in the register fields.
typedef struct {
  uint32_t PLLState;   // RCC_PLL_NONE leaves PLL1 alone
  uint32_t PLLSource;  // RCC_PLLSOURCE_*
  uint32_t PLLM;       // input divider 1..16
  uint32_t PLLMBOOST;  // RCC_PLLMBOOST_DIV*, positioned in the PLL1MBOOST field
  uint32_t PLLN;       // multiplier
  uint32_t PLLP;
  uint32_t PLLQ;
  uint32_t PLLR;
  uint32_t PLLRGE;     // RCC_PLLVCIRANGE_*, positioned in the PLL1RGE field
  uint32_t PLLFRACN;   // 13-bit fractional part of N
} RCC_PLLInitTypeDef;

// Oscillator request: zero it, set the bits of the oscillators to change and their fields.
typedef struct {
  uint32_t OscillatorType;       // RCC_OSCILLATORTYPE_* bit set
  uint32_t HSEState;
  uint32_t LSEState;             // BDCR bit set
  uint32_t HSIState;
  uint32_t HSICalibrationValue;  // 5-bit trim
  uint32_t LSIState;
  uint32_t LSIDiv;
  uint32_t MSIState;
  uint32_t MSICalibrationValue;  // 5-bit trim
  uint32_t MSIClockRange;        // RCC_MSIRANGE_*, positioned in ICSCR1.MSISRANGE
  uint32_t MSIKClockRange;       // RCC_MSIKRANGE_*, positioned in ICSCR1.MSIKRANGE
  uint32_t HSI48State;
  uint32_t SHSIState;
  uint32_t MSIKState;
  RCC_PLLInitTypeDef PLL;
} RCC_OscInitTypeDef;

// Bus clock request.
typedef struct {
  uint32_t ClockType;       // RCC_CLOCKTYPE_* bit set
  uint32_t SYSCLKSource;    // RCC_SYSCLKSOURCE_*, the value of CFGR1.SW
  uint32_t AHBCLKDivider;   // RCC_SYSCLK_DIV*, CFGR2.HPRE format
  uint32_t APB1CLKDivider;  // RCC_HCLK_DIV*, CFGR2.PPRE1 format (bits 4..6)
  uint32_t APB2CLKDivider;  // RCC_HCLK_DIV*, same format, moved to PPRE2 by the driver
  uint32_t APB3CLKDivider;  // RCC_HCLK_DIV*, CFGR3.PPRE3 has the same position
} RCC_ClkInitTypeDef;

// ---------------------------------------------------------------------------------------------
// Globals owned by the clock driver
// ---------------------------------------------------------------------------------------------

// HCLK in hertz; the reset clock until the driver recomputes it.
extern uint32_t SystemCoreClock;
// Right shift for each CFGR2.HPRE value (there is no divide-by-32).
extern const uint8_t AHBPrescTable[16];
// Right shift for each 3-bit APB prescaler value.
extern const uint8_t APBPrescTable[8];
// Nominal frequency of each MSI range index, shared by MSIS and MSIK.
extern const uint32_t MSIRangeTable[16];

// ---------------------------------------------------------------------------------------------
// Operations
// ---------------------------------------------------------------------------------------------

HAL_StatusTypeDef HAL_RCC_DeInit(void);
HAL_StatusTypeDef HAL_RCC_OscConfig(const RCC_OscInitTypeDef* pRCC_OscInitStruct);
HAL_StatusTypeDef HAL_RCC_ClockConfig(const RCC_ClkInitTypeDef* pRCC_ClkInitStruct, uint32_t FLatency);

uint32_t HAL_RCC_GetSysClockFreq(void);
uint32_t HAL_RCC_GetHCLKFreq(void);
uint32_t HAL_RCC_GetPCLK1Freq(void);
uint32_t HAL_RCC_GetPCLK2Freq(void);
uint32_t HAL_RCC_GetPCLK3Freq(void);

}  // extern "C"

// ---------------------------------------------------------------------------------------------
// Constants
// ---------------------------------------------------------------------------------------------

#define RCC_OSCILLATORTYPE_NONE 0x00000000U
#define RCC_OSCILLATORTYPE_HSE 0x00000001U
#define RCC_OSCILLATORTYPE_HSI 0x00000002U
#define RCC_OSCILLATORTYPE_LSE 0x00000004U
#define RCC_OSCILLATORTYPE_LSI 0x00000008U
#define RCC_OSCILLATORTYPE_MSI 0x00000010U
#define RCC_OSCILLATORTYPE_HSI48 0x00000020U
#define RCC_OSCILLATORTYPE_MSIK 0x00000040U
#define RCC_OSCILLATORTYPE_SHSI 0x00000080U

#define RCC_HSE_OFF 0x00000000U
#define RCC_HSE_ON RCC_CR_HSEON
#define RCC_HSE_BYPASS (RCC_CR_HSEBYP | RCC_CR_HSEON)
#define RCC_HSE_BYPASS_DIGITAL (RCC_CR_HSEEXT | RCC_CR_HSEBYP | RCC_CR_HSEON)

// LSE requests in BDCR format; the RTC_ONLY variants keep the LSE away from the system clocks.
#define RCC_LSE_OFF 0x00000000U
#define RCC_LSE_ON_RTC_ONLY RCC_BDCR_LSEON
#define RCC_LSE_ON (RCC_BDCR_LSESYSEN | RCC_BDCR_LSEON)
#define RCC_LSE_BYPASS_RTC_ONLY (RCC_BDCR_LSEBYP | RCC_BDCR_LSEON)
#define RCC_LSE_BYPASS (RCC_BDCR_LSEBYP | RCC_BDCR_LSESYSEN | RCC_BDCR_LSEON)

#define RCC_HSI_OFF 0x00000000U
#define RCC_HSI_ON RCC_CR_HSION
#define RCC_HSICALIBRATION_DEFAULT 0x10U

#define RCC_LSI_OFF 0x00000000U
#define RCC_LSI_ON RCC_BDCR_LSION
#define RCC_LSI_DIV1 0x00000000U
#define RCC_LSI_DIV128 RCC_BDCR_LSIPREDIV

#define RCC_MSI_OFF 0x00000000U
#define RCC_MSI_ON RCC_CR_MSISON
#define RCC_MSICALIBRATION_DEFAULT 0x10U

#define RCC_HSI48_OFF 0x00000000U
#define RCC_HSI48_ON RCC_CR_HSI48ON
#define RCC_SHSI_OFF 0x00000000U
#define RCC_SHSI_ON RCC_CR_SHSION
#define RCC_MSIK_OFF 0x00000000U
#define RCC_MSIK_ON RCC_CR_MSIKON

// MSIS ranges, positioned in ICSCR1.MSISRANGE.
#define RCC_MSIRANGE_0 0x00000000U   // 48 MHz
#define RCC_MSIRANGE_1 0x10000000U   // 24 MHz
#define RCC_MSIRANGE_2 0x20000000U   // 16 MHz
#define RCC_MSIRANGE_3 0x30000000U   // 12 MHz
#define RCC_MSIRANGE_4 0x40000000U   // 4 MHz
#define RCC_MSIRANGE_5 0x50000000U   // 2 MHz
#define RCC_MSIRANGE_6 0x60000000U   // 1.33 MHz
#define RCC_MSIRANGE_7 0x70000000U   // 1 MHz
#define RCC_MSIRANGE_8 0x80000000U   // 3.072 MHz
#define RCC_MSIRANGE_9 0x90000000U   // 1.536 MHz
#define RCC_MSIRANGE_10 0xA0000000U  // 1.024 MHz
#define RCC_MSIRANGE_11 0xB0000000U  // 768 kHz
#define RCC_MSIRANGE_12 0xC0000000U  // 400 kHz
#define RCC_MSIRANGE_13 0xD0000000U  // 200 kHz
#define RCC_MSIRANGE_14 0xE0000000U  // 133 kHz
#define RCC_MSIRANGE_15 0xF0000000U  // 100 kHz

// MSIK ranges, positioned in ICSCR1.MSIKRANGE (same frequencies).
#define RCC_MSIKRANGE_0 0x00000000U
#define RCC_MSIKRANGE_1 0x01000000U
#define RCC_MSIKRANGE_2 0x02000000U
#define RCC_MSIKRANGE_3 0x03000000U
#define RCC_MSIKRANGE_4 0x04000000U
#define RCC_MSIKRANGE_5 0x05000000U
#define RCC_MSIKRANGE_6 0x06000000U
#define RCC_MSIKRANGE_7 0x07000000U
#define RCC_MSIKRANGE_8 0x08000000U
#define RCC_MSIKRANGE_9 0x09000000U
#define RCC_MSIKRANGE_10 0x0A000000U
#define RCC_MSIKRANGE_11 0x0B000000U
#define RCC_MSIKRANGE_12 0x0C000000U
#define RCC_MSIKRANGE_13 0x0D000000U
#define RCC_MSIKRANGE_14 0x0E000000U
#define RCC_MSIKRANGE_15 0x0F000000U

#define RCC_PLL_NONE 0x00000000U
#define RCC_PLL_OFF 0x00000001U
#define RCC_PLL_ON 0x00000002U

// PLL input, the value of the PLLxSRC field.
#define RCC_PLLSOURCE_NONE 0x00000000U
#define RCC_PLLSOURCE_MSI 0x00000001U
#define RCC_PLLSOURCE_HSI 0x00000002U
#define RCC_PLLSOURCE_HSE 0x00000003U

// EPOD boost divider, positioned in PLL1CFGR.PLL1MBOOST.
#define RCC_PLLMBOOST_DIV1 0x00000000U
#define RCC_PLLMBOOST_DIV2 0x00001000U
#define RCC_PLLMBOOST_DIV4 0x00002000U
#define RCC_PLLMBOOST_DIV6 0x00003000U
#define RCC_PLLMBOOST_DIV8 0x00004000U
#define RCC_PLLMBOOST_DIV10 0x00005000U
#define RCC_PLLMBOOST_DIV12 0x00006000U
#define RCC_PLLMBOOST_DIV14 0x00007000U
#define RCC_PLLMBOOST_DIV16 0x00008000U

// PLL input frequency range, positioned in PLLxRGE: 4..8 MHz or 8..16 MHz.
#define RCC_PLLVCIRANGE_0 0x00000000U
#define RCC_PLLVCIRANGE_1 (RCC_PLL1CFGR_PLL1RGE_0 | RCC_PLL1CFGR_PLL1RGE_1)

// PLL1 output enables.
#define RCC_PLL1_DIVP RCC_PLL1CFGR_PLL1PEN
#define RCC_PLL1_DIVQ RCC_PLL1CFGR_PLL1QEN
#define RCC_PLL1_DIVR RCC_PLL1CFGR_PLL1REN

#define RCC_CLOCKTYPE_SYSCLK 0x00000001U
#define RCC_CLOCKTYPE_HCLK 0x00000002U
#define RCC_CLOCKTYPE_PCLK1 0x00000004U
#define RCC_CLOCKTYPE_PCLK2 0x00000008U
#define RCC_CLOCKTYPE_PCLK3 0x00000010U

// System clock source, the value of CFGR1.SW.
#define RCC_SYSCLKSOURCE_MSI 0x00000000U
#define RCC_SYSCLKSOURCE_HSI 0x00000001U
#define RCC_SYSCLKSOURCE_HSE 0x00000002U
#define RCC_SYSCLKSOURCE_PLLCLK 0x00000003U

// Active system clock, the value of CFGR1 & SWS.
#define RCC_SYSCLKSOURCE_STATUS_MSI 0x00000000U
#define RCC_SYSCLKSOURCE_STATUS_HSI 0x00000004U
#define RCC_SYSCLKSOURCE_STATUS_HSE 0x00000008U
#define RCC_SYSCLKSOURCE_STATUS_PLLCLK 0x0000000CU

// AHB prescaler, CFGR2.HPRE values.
#define RCC_SYSCLK_DIV1 0x00000000U
#define RCC_SYSCLK_DIV2 0x00000008U
#define RCC_SYSCLK_DIV4 0x00000009U
#define RCC_SYSCLK_DIV8 0x0000000AU
#define RCC_SYSCLK_DIV16 0x0000000BU
#define RCC_SYSCLK_DIV64 0x0000000CU
#define RCC_SYSCLK_DIV128 0x0000000DU
#define RCC_SYSCLK_DIV256 0x0000000EU
#define RCC_SYSCLK_DIV512 0x0000000FU

// APB prescalers, CFGR2.PPRE1 position (bits 4..6).
#define RCC_HCLK_DIV1 0x00000000U
#define RCC_HCLK_DIV2 0x00000040U
#define RCC_HCLK_DIV4 0x00000050U
#define RCC_HCLK_DIV8 0x00000060U
#define RCC_HCLK_DIV16 0x00000070U

// Wait limits in milliseconds of the tick. A wait fails once more than this many ticks passed.
#define MSI_TIMEOUT_VALUE 2U
#define HSI_TIMEOUT_VALUE 2U
#define HSE_TIMEOUT_VALUE HSE_STARTUP_TIMEOUT
#define LSI_TIMEOUT_VALUE 5U
#define RCC_LSE_TIMEOUT_VALUE LSE_STARTUP_TIMEOUT
#define RCC_DBP_TIMEOUT_VALUE 2U
#define HSI48_TIMEOUT_VALUE 2U
#define SHSI_TIMEOUT_VALUE 2U
#define MSIK_TIMEOUT_VALUE 2U
#define PLL_TIMEOUT_VALUE 2U
#define EPOD_TIMEOUT_VALUE 2U
#define CLOCKSWITCH_TIMEOUT_VALUE 5000U

// ---------------------------------------------------------------------------------------------
// Register helpers
// ---------------------------------------------------------------------------------------------

#define __HAL_RCC_GET_SYSCLK_SOURCE() (READ_BIT(RCC->CFGR1, RCC_CFGR1_SWS))
#define __HAL_RCC_SYSCLK_CONFIG(__SOURCE__) MODIFY_REG(RCC->CFGR1, RCC_CFGR1_SW, (__SOURCE__))
#define __HAL_RCC_GET_PLL_OSCSOURCE() (READ_BIT(RCC->PLL1CFGR, RCC_PLL1CFGR_PLL1SRC))

// Active MSIS range, positioned in the MSISRANGE field: from ICSCR1 once MSIRGSEL is set, else the
// standby range in CSR.
#define __HAL_RCC_GET_MSI_RANGE()                                 \
  ((READ_BIT(RCC->ICSCR1, RCC_ICSCR1_MSIRGSEL) != 0U)             \
       ? READ_BIT(RCC->ICSCR1, RCC_ICSCR1_MSISRANGE)              \
       : (READ_BIT(RCC->CSR, RCC_CSR_MSISSRANGE) << 16U))

#define __HAL_RCC_HSI_CALIBRATIONVALUE_ADJUST(__VALUE__) \
  MODIFY_REG(RCC->ICSCR3, RCC_ICSCR3_HSITRIM, (uint32_t)(__VALUE__) << RCC_ICSCR3_HSITRIM_Pos)

// Read-back of an enable bit: the first access to the peripheral may follow only once the clock
// is running, and the read of the enable register is what waits for that.
#define OVRIMO_RCC_ENABLE_AND_READ_BACK(__REG__, __BIT__) \
  do {                                                     \
    volatile uint32_t tmpreg;                              \
    SET_BIT(__REG__, __BIT__);                             \
    tmpreg = READ_BIT(__REG__, __BIT__);                   \
    UNUSED(tmpreg);                                        \
  } while (0)

#define __HAL_RCC_PWR_CLK_ENABLE() OVRIMO_RCC_ENABLE_AND_READ_BACK(RCC->AHB3ENR, RCC_AHB3ENR_PWREN)
#define __HAL_RCC_PWR_CLK_DISABLE() CLEAR_BIT(RCC->AHB3ENR, RCC_AHB3ENR_PWREN)
#define __HAL_RCC_PWR_IS_CLK_ENABLED() (READ_BIT(RCC->AHB3ENR, RCC_AHB3ENR_PWREN) != 0U)
#define __HAL_RCC_PWR_IS_CLK_DISABLED() (READ_BIT(RCC->AHB3ENR, RCC_AHB3ENR_PWREN) == 0U)

#define __HAL_RCC_GPIOA_CLK_ENABLE() OVRIMO_RCC_ENABLE_AND_READ_BACK(RCC->AHB2ENR1, RCC_AHB2ENR1_GPIOAEN)
#define __HAL_RCC_GPIOB_CLK_ENABLE() OVRIMO_RCC_ENABLE_AND_READ_BACK(RCC->AHB2ENR1, RCC_AHB2ENR1_GPIOBEN)
#define __HAL_RCC_GPIOC_CLK_ENABLE() OVRIMO_RCC_ENABLE_AND_READ_BACK(RCC->AHB2ENR1, RCC_AHB2ENR1_GPIOCEN)
#define __HAL_RCC_GPIOD_CLK_ENABLE() OVRIMO_RCC_ENABLE_AND_READ_BACK(RCC->AHB2ENR1, RCC_AHB2ENR1_GPIODEN)
#define __HAL_RCC_GPIOE_CLK_ENABLE() OVRIMO_RCC_ENABLE_AND_READ_BACK(RCC->AHB2ENR1, RCC_AHB2ENR1_GPIOEEN)
#define __HAL_RCC_GPIOF_CLK_ENABLE() OVRIMO_RCC_ENABLE_AND_READ_BACK(RCC->AHB2ENR1, RCC_AHB2ENR1_GPIOFEN)
#define __HAL_RCC_GPIOG_CLK_ENABLE() OVRIMO_RCC_ENABLE_AND_READ_BACK(RCC->AHB2ENR1, RCC_AHB2ENR1_GPIOGEN)
#define __HAL_RCC_GPIOH_CLK_ENABLE() OVRIMO_RCC_ENABLE_AND_READ_BACK(RCC->AHB2ENR1, RCC_AHB2ENR1_GPIOHEN)
#define __HAL_RCC_GPIOI_CLK_ENABLE() OVRIMO_RCC_ENABLE_AND_READ_BACK(RCC->AHB2ENR1, RCC_AHB2ENR1_GPIOIEN)
#define __HAL_RCC_LPGPIO1_CLK_ENABLE() OVRIMO_RCC_ENABLE_AND_READ_BACK(RCC->AHB3ENR, RCC_AHB3ENR_LPGPIO1EN)

#define __HAL_RCC_GPIOA_CLK_DISABLE() CLEAR_BIT(RCC->AHB2ENR1, RCC_AHB2ENR1_GPIOAEN)
#define __HAL_RCC_GPIOB_CLK_DISABLE() CLEAR_BIT(RCC->AHB2ENR1, RCC_AHB2ENR1_GPIOBEN)
#define __HAL_RCC_GPIOC_CLK_DISABLE() CLEAR_BIT(RCC->AHB2ENR1, RCC_AHB2ENR1_GPIOCEN)
#define __HAL_RCC_GPIOD_CLK_DISABLE() CLEAR_BIT(RCC->AHB2ENR1, RCC_AHB2ENR1_GPIODEN)
#define __HAL_RCC_GPIOE_CLK_DISABLE() CLEAR_BIT(RCC->AHB2ENR1, RCC_AHB2ENR1_GPIOEEN)
#define __HAL_RCC_GPIOF_CLK_DISABLE() CLEAR_BIT(RCC->AHB2ENR1, RCC_AHB2ENR1_GPIOFEN)
#define __HAL_RCC_GPIOG_CLK_DISABLE() CLEAR_BIT(RCC->AHB2ENR1, RCC_AHB2ENR1_GPIOGEN)
#define __HAL_RCC_GPIOH_CLK_DISABLE() CLEAR_BIT(RCC->AHB2ENR1, RCC_AHB2ENR1_GPIOHEN)
#define __HAL_RCC_GPIOI_CLK_DISABLE() CLEAR_BIT(RCC->AHB2ENR1, RCC_AHB2ENR1_GPIOIEN)
#define __HAL_RCC_LPGPIO1_CLK_DISABLE() CLEAR_BIT(RCC->AHB3ENR, RCC_AHB3ENR_LPGPIO1EN)

#define __HAL_RCC_USART2_CLK_ENABLE() OVRIMO_RCC_ENABLE_AND_READ_BACK(RCC->APB1ENR1, RCC_APB1ENR1_USART2EN)
#define __HAL_RCC_USART2_CLK_DISABLE() CLEAR_BIT(RCC->APB1ENR1, RCC_APB1ENR1_USART2EN)
#define __HAL_RCC_USART2_IS_CLK_ENABLED() (READ_BIT(RCC->APB1ENR1, RCC_APB1ENR1_USART2EN) != 0U)
#define __HAL_RCC_USART2_FORCE_RESET() SET_BIT(RCC->APB1RSTR1, RCC_APB1RSTR1_USART2RST)
#define __HAL_RCC_USART2_RELEASE_RESET() CLEAR_BIT(RCC->APB1RSTR1, RCC_APB1RSTR1_USART2RST)

// Whole-bus reset pulses: every peripheral of the bus that this part has.
#define __HAL_RCC_APB1_FORCE_RESET()     \
  do {                                   \
    WRITE_REG(RCC->APB1RSTR1, 0x027E403FU); \
    WRITE_REG(RCC->APB1RSTR2, 0x00800222U); \
  } while (0)
#define __HAL_RCC_APB1_RELEASE_RESET() \
  do {                                 \
    WRITE_REG(RCC->APB1RSTR1, 0x0U);   \
    WRITE_REG(RCC->APB1RSTR2, 0x0U);   \
  } while (0)
#define __HAL_RCC_APB2_FORCE_RESET() WRITE_REG(RCC->APB2RSTR, 0x00677800U)
#define __HAL_RCC_APB2_RELEASE_RESET() WRITE_REG(RCC->APB2RSTR, 0x0U)
#define __HAL_RCC_AHB1_FORCE_RESET() WRITE_REG(RCC->AHB1RSTR, 0x0007100FU)
#define __HAL_RCC_AHB1_RELEASE_RESET() WRITE_REG(RCC->AHB1RSTR, 0x0U)
#define __HAL_RCC_AHB2_FORCE_RESET()      \
  do {                                    \
    WRITE_REG(RCC->AHB2RSTR1, 0x19BF55FFU); \
    WRITE_REG(RCC->AHB2RSTR2, 0x00000111U); \
  } while (0)
#define __HAL_RCC_AHB2_RELEASE_RESET() \
  do {                                 \
    WRITE_REG(RCC->AHB2RSTR1, 0x0U);   \
    WRITE_REG(RCC->AHB2RSTR2, 0x0U);   \
  } while (0)
#define __HAL_RCC_AHB3_FORCE_RESET() WRITE_REG(RCC->AHB3RSTR, 0x00000661U)
#define __HAL_RCC_AHB3_RELEASE_RESET() WRITE_REG(RCC->AHB3RSTR, 0x0U)

// The extension module (kernel clocks, PLL2/PLL3) comes with this header.
#include "hal_rcc_ex.h"

#endif

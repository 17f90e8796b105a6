// Register blocks, field constants, base addresses and interrupt numbers of the MCU
// (Cortex-M33, 2 MB flash in two banks, 768 KB SRAM). Only the blocks the bootloader, its HAL and
// the board model touch are here: RCC, PWR, FLASH, the GPIO ports, LPGPIO1, EXTI, ICACHE, the
// USART/LPUART family and GPDMA1.
//
// Addresses are the non-secure aliases; the firmware runs non-secure. The secure alias of each
// peripheral is the non-secure one + 0x1000_0000 and is provided as NAME_BASE_S / NAME_S only so
// that a driver can recognise an instance given by its secure alias.
//
// Conventions: every constant is an unsigned 32-bit literal (U suffix, never UL: the same source
// is compiled for the host, where unsigned long is 64 bits). Each field has NAME_Pos, NAME_Msk and
// NAME (= NAME_Msk); fields of 2 to 9 bits also have NAME_0 .. NAME_n for their single bits.
// Register layouts are pinned by static_assert so the structures cannot drift from the chip.
// Where a bit is not described for this part (only for a bigger sibling) it is left out on
// purpose: treat it as reserved and keep it at its reset value.
#ifndef OVRIMO_DEVICE_REGS_H
#define OVRIMO_DEVICE_REGS_H

#include <stddef.h>
#include <stdint.h>

#include "device_access.h"

// ============================================================================================
// Memory map
// ============================================================================================

// Internal flash: 2 MB in two banks of 128 pages of 8 KB. Programming unit is one quad-word
// (16 bytes, four successive word stores); the erased state is all ones.
#define FLASH_BASE_NS (0x08000000U)
#define FLASH_BASE FLASH_BASE_NS
#define FLASH_SIZE_DEFAULT (0x00200000U)
#define FLASH_BANK_SIZE (FLASH_SIZE_DEFAULT >> 1U)
#define FLASH_PAGE_SIZE (0x00002000U)
#define FLASH_PAGE_NB (128U)
static_assert(FLASH_PAGE_NB * FLASH_PAGE_SIZE == FLASH_BANK_SIZE);

// One-time-programmable area.
#define OTP_BASE_NS (0x0BFA0000U)
#define OTP_SIZE (0x00000200U)

// SRAM1 (192 KB), SRAM2 (64 KB) and SRAM3 (512 KB) are back to back: 768 KB from 0x2000_0000.
#define SRAM1_BASE_NS (0x20000000U)
#define SRAM1_SIZE (0x00030000U)
#define SRAM2_BASE_NS (0x20030000U)
#define SRAM2_SIZE (0x00010000U)
#define SRAM3_BASE_NS (0x20040000U)
#define SRAM3_SIZE (0x00080000U)
#define SRAM1_BASE SRAM1_BASE_NS
#define SRAM2_BASE SRAM2_BASE_NS
#define SRAM3_BASE SRAM3_BASE_NS
static_assert(SRAM1_BASE_NS + SRAM1_SIZE == SRAM2_BASE_NS);
static_assert(SRAM2_BASE_NS + SRAM2_SIZE == SRAM3_BASE_NS);
static_assert(SRAM3_BASE_NS + SRAM3_SIZE == 0x200C0000U);

// Peripheral space and its secure alias.
#define PERIPH_BASE_NS (0x40000000U)
#define PERIPH_BASE_S (0x50000000U)
#define PERIPH_BASE PERIPH_BASE_NS
#define DEVICE_SECURE_OFFSET (PERIPH_BASE_S - PERIPH_BASE_NS)

// Peripheral block bases (non-secure alias; NAME_BASE is the alias the firmware uses).
#define USART2_BASE_NS (0x40004400U)
#define USART2_BASE_S (0x50004400U)
#define USART2_BASE USART2_BASE_NS
#define USART3_BASE_NS (0x40004800U)
#define USART3_BASE_S (0x50004800U)
#define USART3_BASE USART3_BASE_NS
#define UART4_BASE_NS (0x40004C00U)
#define UART4_BASE_S (0x50004C00U)
#define UART4_BASE UART4_BASE_NS
#define UART5_BASE_NS (0x40005000U)
#define UART5_BASE_S (0x50005000U)
#define UART5_BASE UART5_BASE_NS
#define USART1_BASE_NS (0x40013800U)
#define USART1_BASE_S (0x50013800U)
#define USART1_BASE USART1_BASE_NS
#define GPDMA1_BASE_NS (0x40020000U)
#define GPDMA1_BASE_S (0x50020000U)
#define GPDMA1_BASE GPDMA1_BASE_NS
#define FLASH_R_BASE_NS (0x40022000U)
#define FLASH_R_BASE_S (0x50022000U)
#define FLASH_R_BASE FLASH_R_BASE_NS
#define ICACHE_BASE_NS (0x40030400U)
#define ICACHE_BASE_S (0x50030400U)
#define ICACHE_BASE ICACHE_BASE_NS
#define GPIOA_BASE_NS (0x42020000U)
#define GPIOA_BASE_S (0x52020000U)
#define GPIOA_BASE GPIOA_BASE_NS
#define GPIOB_BASE_NS (0x42020400U)
#define GPIOB_BASE_S (0x52020400U)
#define GPIOB_BASE GPIOB_BASE_NS
#define GPIOC_BASE_NS (0x42020800U)
#define GPIOC_BASE_S (0x52020800U)
#define GPIOC_BASE GPIOC_BASE_NS
#define GPIOD_BASE_NS (0x42020C00U)
#define GPIOD_BASE_S (0x52020C00U)
#define GPIOD_BASE GPIOD_BASE_NS
#define GPIOE_BASE_NS (0x42021000U)
#define GPIOE_BASE_S (0x52021000U)
#define GPIOE_BASE GPIOE_BASE_NS
#define GPIOF_BASE_NS (0x42021400U)
#define GPIOF_BASE_S (0x52021400U)
#define GPIOF_BASE GPIOF_BASE_NS
#define GPIOG_BASE_NS (0x42021800U)
#define GPIOG_BASE_S (0x52021800U)
#define GPIOG_BASE GPIOG_BASE_NS
#define GPIOH_BASE_NS (0x42021C00U)
#define GPIOH_BASE_S (0x52021C00U)
#define GPIOH_BASE GPIOH_BASE_NS
#define GPIOI_BASE_NS (0x42022000U)
#define GPIOI_BASE_S (0x52022000U)
#define GPIOI_BASE GPIOI_BASE_NS
#define LPUART1_BASE_NS (0x46002400U)
#define LPUART1_BASE_S (0x56002400U)
#define LPUART1_BASE LPUART1_BASE_NS
#define LPGPIO1_BASE_NS (0x46020000U)
#define LPGPIO1_BASE_S (0x56020000U)
#define LPGPIO1_BASE LPGPIO1_BASE_NS
#define PWR_BASE_NS (0x46020800U)
#define PWR_BASE_S (0x56020800U)
#define PWR_BASE PWR_BASE_NS
#define RCC_BASE_NS (0x46020C00U)
#define RCC_BASE_S (0x56020C00U)
#define RCC_BASE RCC_BASE_NS
#define EXTI_BASE_NS (0x46022000U)
#define EXTI_BASE_S (0x56022000U)
#define EXTI_BASE EXTI_BASE_NS

// GPDMA1 channel x sits at GPDMA1 + 0x50 + 0x80 * x.
#define GPDMA1_Channel0_BASE_NS (GPDMA1_BASE_NS + 0x0050U)
#define GPDMA1_Channel0_BASE_S (GPDMA1_BASE_S + 0x0050U)
#define GPDMA1_Channel0_BASE GPDMA1_Channel0_BASE_NS
#define GPDMA1_Channel1_BASE_NS (GPDMA1_BASE_NS + 0x00D0U)
#define GPDMA1_Channel1_BASE_S (GPDMA1_BASE_S + 0x00D0U)
#define GPDMA1_Channel1_BASE GPDMA1_Channel1_BASE_NS
#define GPDMA1_Channel2_BASE_NS (GPDMA1_BASE_NS + 0x0150U)
#define GPDMA1_Channel2_BASE_S (GPDMA1_BASE_S + 0x0150U)
#define GPDMA1_Channel2_BASE GPDMA1_Channel2_BASE_NS
#define GPDMA1_Channel3_BASE_NS (GPDMA1_BASE_NS + 0x01D0U)
#define GPDMA1_Channel3_BASE_S (GPDMA1_BASE_S + 0x01D0U)
#define GPDMA1_Channel3_BASE GPDMA1_Channel3_BASE_NS
#define GPDMA1_Channel4_BASE_NS (GPDMA1_BASE_NS + 0x0250U)
#define GPDMA1_Channel4_BASE_S (GPDMA1_BASE_S + 0x0250U)
#define GPDMA1_Channel4_BASE GPDMA1_Channel4_BASE_NS
#define GPDMA1_Channel5_BASE_NS (GPDMA1_BASE_NS + 0x02D0U)
#define GPDMA1_Channel5_BASE_S (GPDMA1_BASE_S + 0x02D0U)
#define GPDMA1_Channel5_BASE GPDMA1_Channel5_BASE_NS
#define GPDMA1_Channel6_BASE_NS (GPDMA1_BASE_NS + 0x0350U)
#define GPDMA1_Channel6_BASE_S (GPDMA1_BASE_S + 0x0350U)
#define GPDMA1_Channel6_BASE GPDMA1_Channel6_BASE_NS
#define GPDMA1_Channel7_BASE_NS (GPDMA1_BASE_NS + 0x03D0U)
#define GPDMA1_Channel7_BASE_S (GPDMA1_BASE_S + 0x03D0U)
#define GPDMA1_Channel7_BASE GPDMA1_Channel7_BASE_NS
#define GPDMA1_Channel8_BASE_NS (GPDMA1_BASE_NS + 0x0450U)
#define GPDMA1_Channel8_BASE_S (GPDMA1_BASE_S + 0x0450U)
#define GPDMA1_Channel8_BASE GPDMA1_Channel8_BASE_NS
#define GPDMA1_Channel9_BASE_NS (GPDMA1_BASE_NS + 0x04D0U)
#define GPDMA1_Channel9_BASE_S (GPDMA1_BASE_S + 0x04D0U)
#define GPDMA1_Channel9_BASE GPDMA1_Channel9_BASE_NS
#define GPDMA1_Channel10_BASE_NS (GPDMA1_BASE_NS + 0x0550U)
#define GPDMA1_Channel10_BASE_S (GPDMA1_BASE_S + 0x0550U)
#define GPDMA1_Channel10_BASE GPDMA1_Channel10_BASE_NS
#define GPDMA1_Channel11_BASE_NS (GPDMA1_BASE_NS + 0x05D0U)
#define GPDMA1_Channel11_BASE_S (GPDMA1_BASE_S + 0x05D0U)
#define GPDMA1_Channel11_BASE GPDMA1_Channel11_BASE_NS
#define GPDMA1_Channel12_BASE_NS (GPDMA1_BASE_NS + 0x0650U)
#define GPDMA1_Channel12_BASE_S (GPDMA1_BASE_S + 0x0650U)
#define GPDMA1_Channel12_BASE GPDMA1_Channel12_BASE_NS
#define GPDMA1_Channel13_BASE_NS (GPDMA1_BASE_NS + 0x06D0U)
#define GPDMA1_Channel13_BASE_S (GPDMA1_BASE_S + 0x06D0U)
#define GPDMA1_Channel13_BASE GPDMA1_Channel13_BASE_NS
#define GPDMA1_Channel14_BASE_NS (GPDMA1_BASE_NS + 0x0750U)
#define GPDMA1_Channel14_BASE_S (GPDMA1_BASE_S + 0x0750U)
#define GPDMA1_Channel14_BASE GPDMA1_Channel14_BASE_NS
#define GPDMA1_Channel15_BASE_NS (GPDMA1_BASE_NS + 0x07D0U)
#define GPDMA1_Channel15_BASE_S (GPDMA1_BASE_S + 0x07D0U)
#define GPDMA1_Channel15_BASE GPDMA1_Channel15_BASE_NS

static_assert(USART2_BASE_S - USART2_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(USART3_BASE_S - USART3_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(UART4_BASE_S - UART4_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(UART5_BASE_S - UART5_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(USART1_BASE_S - USART1_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(GPDMA1_BASE_S - GPDMA1_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(FLASH_R_BASE_S - FLASH_R_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(ICACHE_BASE_S - ICACHE_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(GPIOA_BASE_S - GPIOA_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(GPIOB_BASE_S - GPIOB_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(GPIOC_BASE_S - GPIOC_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(GPIOD_BASE_S - GPIOD_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(GPIOE_BASE_S - GPIOE_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(GPIOF_BASE_S - GPIOF_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(GPIOG_BASE_S - GPIOG_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(GPIOH_BASE_S - GPIOH_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(GPIOI_BASE_S - GPIOI_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(LPUART1_BASE_S - LPUART1_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(LPGPIO1_BASE_S - LPGPIO1_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(PWR_BASE_S - PWR_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(RCC_BASE_S - RCC_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(EXTI_BASE_S - EXTI_BASE_NS == DEVICE_SECURE_OFFSET);
static_assert(GPIOI_BASE_NS - GPIOA_BASE_NS == 8U * 0x400U);
static_assert(GPDMA1_Channel15_BASE_NS == 0x400207D0U);

// ============================================================================================
// Interrupt numbers
// ============================================================================================

// Exception and interrupt numbers as the NVIC and the core count them: the Cortex-M33 system
// exceptions are negative (exception number - 16), device interrupts 0..125 are the vector words
// 16..141. The vector table names each entry after its number with _IRQHandler for _IRQn.
enum IRQn_Type : int8_t {
  NonMaskableInt_IRQn = -14,
  HardFault_IRQn = -13,
  MemoryManagement_IRQn = -12,
  BusFault_IRQn = -11,
  UsageFault_IRQn = -10,
  SecureFault_IRQn = -9,
  SVCall_IRQn = -5,
  DebugMonitor_IRQn = -4,
  PendSV_IRQn = -2,
  SysTick_IRQn = -1,
  WWDG_IRQn = 0,
  PVD_PVM_IRQn = 1,
  RTC_IRQn = 2,
  RTC_S_IRQn = 3,
  TAMP_IRQn = 4,
  RAMCFG_IRQn = 5,
  FLASH_IRQn = 6,
  FLASH_S_IRQn = 7,
  GTZC_IRQn = 8,
  RCC_IRQn = 9,
  RCC_S_IRQn = 10,
  EXTI0_IRQn = 11,
  EXTI1_IRQn = 12,
  EXTI2_IRQn = 13,
  EXTI3_IRQn = 14,
  EXTI4_IRQn = 15,
  EXTI5_IRQn = 16,
  EXTI6_IRQn = 17,
  EXTI7_IRQn = 18,
  EXTI8_IRQn = 19,
  EXTI9_IRQn = 20,
  EXTI10_IRQn = 21,
  EXTI11_IRQn = 22,
  EXTI12_IRQn = 23,
  EXTI13_IRQn = 24,
  EXTI14_IRQn = 25,
  EXTI15_IRQn = 26,
  IWDG_IRQn = 27,
  SAES_IRQn = 28,
  GPDMA1_Channel0_IRQn = 29,
  GPDMA1_Channel1_IRQn = 30,
  GPDMA1_Channel2_IRQn = 31,
  GPDMA1_Channel3_IRQn = 32,
  GPDMA1_Channel4_IRQn = 33,
  GPDMA1_Channel5_IRQn = 34,
  GPDMA1_Channel6_IRQn = 35,
  GPDMA1_Channel7_IRQn = 36,
  ADC1_IRQn = 37,
  DAC1_IRQn = 38,
  FDCAN1_IT0_IRQn = 39,
  FDCAN1_IT1_IRQn = 40,
  TIM1_BRK_IRQn = 41,
  TIM1_UP_IRQn = 42,
  TIM1_TRG_COM_IRQn = 43,
  TIM1_CC_IRQn = 44,
  TIM2_IRQn = 45,
  TIM3_IRQn = 46,
  TIM4_IRQn = 47,
  TIM5_IRQn = 48,
  TIM6_IRQn = 49,
  TIM7_IRQn = 50,
  TIM8_BRK_IRQn = 51,
  TIM8_UP_IRQn = 52,
  TIM8_TRG_COM_IRQn = 53,
  TIM8_CC_IRQn = 54,
  I2C1_EV_IRQn = 55,
  I2C1_ER_IRQn = 56,
  I2C2_EV_IRQn = 57,
  I2C2_ER_IRQn = 58,
  SPI1_IRQn = 59,
  SPI2_IRQn = 60,
  USART1_IRQn = 61,
  USART2_IRQn = 62,
  USART3_IRQn = 63,
  UART4_IRQn = 64,
  UART5_IRQn = 65,
  LPUART1_IRQn = 66,
  LPTIM1_IRQn = 67,
  LPTIM2_IRQn = 68,
  TIM15_IRQn = 69,
  TIM16_IRQn = 70,
  TIM17_IRQn = 71,
  COMP_IRQn = 72,
  OTG_FS_IRQn = 73,
  CRS_IRQn = 74,
  FMC_IRQn = 75,
  OCTOSPI1_IRQn = 76,
  PWR_S3WU_IRQn = 77,
  SDMMC1_IRQn = 78,
  SDMMC2_IRQn = 79,
  GPDMA1_Channel8_IRQn = 80,
  GPDMA1_Channel9_IRQn = 81,
  GPDMA1_Channel10_IRQn = 82,
  GPDMA1_Channel11_IRQn = 83,
  GPDMA1_Channel12_IRQn = 84,
  GPDMA1_Channel13_IRQn = 85,
  GPDMA1_Channel14_IRQn = 86,
  GPDMA1_Channel15_IRQn = 87,
  I2C3_EV_IRQn = 88,
  I2C3_ER_IRQn = 89,
  SAI1_IRQn = 90,
  SAI2_IRQn = 91,
  TSC_IRQn = 92,
  AES_IRQn = 93,
  RNG_IRQn = 94,
  FPU_IRQn = 95,
  HASH_IRQn = 96,
  PKA_IRQn = 97,
  LPTIM3_IRQn = 98,
  SPI3_IRQn = 99,
  I2C4_ER_IRQn = 100,
  I2C4_EV_IRQn = 101,
  MDF1_FLT0_IRQn = 102,
  MDF1_FLT1_IRQn = 103,
  MDF1_FLT2_IRQn = 104,
  MDF1_FLT3_IRQn = 105,
  UCPD1_IRQn = 106,
  ICACHE_IRQn = 107,
  OTFDEC1_IRQn = 108,
  OTFDEC2_IRQn = 109,
  LPTIM4_IRQn = 110,
  DCACHE1_IRQn = 111,
  ADF1_IRQn = 112,
  ADC4_IRQn = 113,
  LPDMA1_Channel0_IRQn = 114,
  LPDMA1_Channel1_IRQn = 115,
  LPDMA1_Channel2_IRQn = 116,
  LPDMA1_Channel3_IRQn = 117,
  DMA2D_IRQn = 118,
  DCMI_PSSI_IRQn = 119,
  OCTOSPI2_IRQn = 120,
  MDF1_FLT4_IRQn = 121,
  MDF1_FLT5_IRQn = 122,
  CORDIC_IRQn = 123,
  FMAC_IRQn = 124,
  LSECSSD_IRQn = 125,
};

// Number of device interrupts (vector words 16 .. 16 + DEVICE_IRQ_COUNT - 1).
#define DEVICE_IRQ_COUNT (126U)
static_assert(LSECSSD_IRQn == 125 && USART2_IRQn == 62 && ADC1_IRQn == 37);
static_assert(GPDMA1_Channel8_IRQn == 80 && ICACHE_IRQn == 107 && LPUART1_IRQn == 66);

// ============================================================================================
// Register blocks
// ============================================================================================

// Reset and clock control. Unmarked registers reset to 0.
struct RCC_TypeDef {
  reg32_t CR;  // 0x000, reset 0x00000035
  uint32_t RESERVED0[1];
  reg32_t ICSCR1;  // 0x008, reset 0x44000000
  reg32_t ICSCR2;  // 0x00C, reset 0x00084210
  reg32_t ICSCR3;  // 0x010, reset 0x00100000
  reg32_t CRRCR;  // 0x014
  uint32_t RESERVED1[1];
  reg32_t CFGR1;  // 0x01C
  reg32_t CFGR2;  // 0x020, reset 0x00006000 (DPRE bits of a part with DSI): modify, never assume
  reg32_t CFGR3;  // 0x024
  reg32_t PLL1CFGR;  // 0x028
  reg32_t PLL2CFGR;  // 0x02C
  reg32_t PLL3CFGR;  // 0x030
  reg32_t PLL1DIVR;  // 0x034, reset 0x01010280
  reg32_t PLL1FRACR;  // 0x038
  reg32_t PLL2DIVR;  // 0x03C, reset 0x01010280
  reg32_t PLL2FRACR;  // 0x040
  reg32_t PLL3DIVR;  // 0x044, reset 0x01010280
  reg32_t PLL3FRACR;  // 0x048
  uint32_t RESERVED2[1];
  reg32_t CIER;  // 0x050
  reg32_t CIFR;  // 0x054
  reg32_t CICR;  // 0x058, write 1 to clear
  uint32_t RESERVED3[1];
  reg32_t AHB1RSTR;  // 0x060
  reg32_t AHB2RSTR1;  // 0x064
  reg32_t AHB2RSTR2;  // 0x068
  reg32_t AHB3RSTR;  // 0x06C
  uint32_t RESERVED4[1];
  reg32_t APB1RSTR1;  // 0x074
  reg32_t APB1RSTR2;  // 0x078
  reg32_t APB2RSTR;  // 0x07C
  reg32_t APB3RSTR;  // 0x080
  uint32_t RESERVED5[1];
  reg32_t AHB1ENR;  // 0x088, reset 0xD0200100
  reg32_t AHB2ENR1;  // 0x08C, reset 0xC0000000
  reg32_t AHB2ENR2;  // 0x090, reset 0x80000000
  reg32_t AHB3ENR;  // 0x094, reset 0x80000000: PWREN is off at reset
  uint32_t RESERVED6[1];
  reg32_t APB1ENR1;  // 0x09C
  reg32_t APB1ENR2;  // 0x0A0
  reg32_t APB2ENR;  // 0x0A4
  reg32_t APB3ENR;  // 0x0A8
  uint32_t RESERVED7[1];
  reg32_t AHB1SMENR;  // 0x0B0, reset 0xFFFFFFFF
  reg32_t AHB2SMENR1;  // 0x0B4, reset 0xFFFFFFFF
  reg32_t AHB2SMENR2;  // 0x0B8, reset 0xFFFFFFFF
  reg32_t AHB3SMENR;  // 0x0BC, reset 0xFFFFFFFF
  uint32_t RESERVED8[1];
  reg32_t APB1SMENR1;  // 0x0C4, reset 0xFFFFFFFF
  reg32_t APB1SMENR2;  // 0x0C8, reset 0xFFFFFFFF
  reg32_t APB2SMENR;  // 0x0CC, reset 0xFFFFFFFF
  reg32_t APB3SMENR;  // 0x0D0, reset 0xFFFFFFFF
  uint32_t RESERVED9[1];
  reg32_t SRDAMR;  // 0x0D8
  uint32_t RESERVED10[1];
  reg32_t CCIPR1;  // 0x0E0
  reg32_t CCIPR2;  // 0x0E4
  reg32_t CCIPR3;  // 0x0E8
  uint32_t RESERVED11[1];
  reg32_t BDCR;  // 0x0F0, backup domain; writable only with PWR_DBPR_DBP set
  reg32_t CSR;  // 0x0F4, reset 0x0C004400
  uint32_t RESERVED12[6];
  reg32_t SECCFGR;  // 0x110
  reg32_t PRIVCFGR;  // 0x114
};
static_assert(offsetof(RCC_TypeDef, CR) == 0x000U);
static_assert(offsetof(RCC_TypeDef, ICSCR1) == 0x008U);
static_assert(offsetof(RCC_TypeDef, ICSCR2) == 0x00CU);
static_assert(offsetof(RCC_TypeDef, ICSCR3) == 0x010U);
static_assert(offsetof(RCC_TypeDef, CRRCR) == 0x014U);
static_assert(offsetof(RCC_TypeDef, CFGR1) == 0x01CU);
static_assert(offsetof(RCC_TypeDef, CFGR2) == 0x020U);
static_assert(offsetof(RCC_TypeDef, CFGR3) == 0x024U);
static_assert(offsetof(RCC_TypeDef, PLL1CFGR) == 0x028U);
static_assert(offsetof(RCC_TypeDef, PLL2CFGR) == 0x02CU);
static_assert(offsetof(RCC_TypeDef, PLL3CFGR) == 0x030U);
static_assert(offsetof(RCC_TypeDef, PLL1DIVR) == 0x034U);
static_assert(offsetof(RCC_TypeDef, PLL1FRACR) == 0x038U);
static_assert(offsetof(RCC_TypeDef, PLL2DIVR) == 0x03CU);
static_assert(offsetof(RCC_TypeDef, PLL2FRACR) == 0x040U);
static_assert(offsetof(RCC_TypeDef, PLL3DIVR) == 0x044U);
static_assert(offsetof(RCC_TypeDef, PLL3FRACR) == 0x048U);
static_assert(offsetof(RCC_TypeDef, CIER) == 0x050U);
static_assert(offsetof(RCC_TypeDef, CIFR) == 0x054U);
static_assert(offsetof(RCC_TypeDef, CICR) == 0x058U);
static_assert(offsetof(RCC_TypeDef, AHB1RSTR) == 0x060U);
static_assert(offsetof(RCC_TypeDef, AHB2RSTR1) == 0x064U);
static_assert(offsetof(RCC_TypeDef, AHB2RSTR2) == 0x068U);
static_assert(offsetof(RCC_TypeDef, AHB3RSTR) == 0x06CU);
static_assert(offsetof(RCC_TypeDef, APB1RSTR1) == 0x074U);
static_assert(offsetof(RCC_TypeDef, APB1RSTR2) == 0x078U);
static_assert(offsetof(RCC_TypeDef, APB2RSTR) == 0x07CU);
static_assert(offsetof(RCC_TypeDef, APB3RSTR) == 0x080U);
static_assert(offsetof(RCC_TypeDef, AHB1ENR) == 0x088U);
static_assert(offsetof(RCC_TypeDef, AHB2ENR1) == 0x08CU);
static_assert(offsetof(RCC_TypeDef, AHB2ENR2) == 0x090U);
static_assert(offsetof(RCC_TypeDef, AHB3ENR) == 0x094U);
static_assert(offsetof(RCC_TypeDef, APB1ENR1) == 0x09CU);
static_assert(offsetof(RCC_TypeDef, APB1ENR2) == 0x0A0U);
static_assert(offsetof(RCC_TypeDef, APB2ENR) == 0x0A4U);
static_assert(offsetof(RCC_TypeDef, APB3ENR) == 0x0A8U);
static_assert(offsetof(RCC_TypeDef, AHB1SMENR) == 0x0B0U);
static_assert(offsetof(RCC_TypeDef, AHB2SMENR1) == 0x0B4U);
static_assert(offsetof(RCC_TypeDef, AHB2SMENR2) == 0x0B8U);
static_assert(offsetof(RCC_TypeDef, AHB3SMENR) == 0x0BCU);
static_assert(offsetof(RCC_TypeDef, APB1SMENR1) == 0x0C4U);
static_assert(offsetof(RCC_TypeDef, APB1SMENR2) == 0x0C8U);
static_assert(offsetof(RCC_TypeDef, APB2SMENR) == 0x0CCU);
static_assert(offsetof(RCC_TypeDef, APB3SMENR) == 0x0D0U);
static_assert(offsetof(RCC_TypeDef, SRDAMR) == 0x0D8U);
static_assert(offsetof(RCC_TypeDef, CCIPR1) == 0x0E0U);
static_assert(offsetof(RCC_TypeDef, CCIPR2) == 0x0E4U);
static_assert(offsetof(RCC_TypeDef, CCIPR3) == 0x0E8U);
static_assert(offsetof(RCC_TypeDef, BDCR) == 0x0F0U);
static_assert(offsetof(RCC_TypeDef, CSR) == 0x0F4U);
static_assert(offsetof(RCC_TypeDef, SECCFGR) == 0x110U);
static_assert(offsetof(RCC_TypeDef, PRIVCFGR) == 0x114U);
static_assert(sizeof(RCC_TypeDef) == 0x118U);

// Power control. Its clock (RCC_AHB3ENR_PWREN) is off at reset. Unmarked registers reset to 0.
struct PWR_TypeDef {
  reg32_t CR1;  // 0x000
  reg32_t CR2;  // 0x004
  reg32_t CR3;  // 0x008
  reg32_t VOSR;  // 0x00C, reset 0x00008000 (range 4)
  reg32_t SVMCR;  // 0x010
  reg32_t WUCR1;  // 0x014
  reg32_t WUCR2;  // 0x018
  reg32_t WUCR3;  // 0x01C
  reg32_t BDCR1;  // 0x020
  reg32_t BDCR2;  // 0x024
  reg32_t DBPR;  // 0x028
  reg32_t UCPDR;  // 0x02C
  reg32_t SECCFGR;  // 0x030
  reg32_t PRIVCFGR;  // 0x034
  reg32_t SR;  // 0x038
  reg32_t SVMSR;  // 0x03C, reset 0x00008000
  reg32_t BDSR;  // 0x040
  reg32_t WUSR;  // 0x044
  reg32_t WUSCR;  // 0x048
  reg32_t APCR;  // 0x04C
  reg32_t PUCRA;  // 0x050
  reg32_t PDCRA;  // 0x054
  reg32_t PUCRB;  // 0x058
  reg32_t PDCRB;  // 0x05C
  reg32_t PUCRC;  // 0x060
  reg32_t PDCRC;  // 0x064
  reg32_t PUCRD;  // 0x068
  reg32_t PDCRD;  // 0x06C
  reg32_t PUCRE;  // 0x070
  reg32_t PDCRE;  // 0x074
  reg32_t PUCRF;  // 0x078
  reg32_t PDCRF;  // 0x07C
  reg32_t PUCRG;  // 0x080
  reg32_t PDCRG;  // 0x084
  reg32_t PUCRH;  // 0x088
  reg32_t PDCRH;  // 0x08C
  reg32_t PUCRI;  // 0x090
  reg32_t PDCRI;  // 0x094
  uint32_t RESERVED0[4];
  reg32_t CR4;  // 0x0A8, undocumented
  reg32_t CR5;  // 0x0AC, undocumented
};
static_assert(offsetof(PWR_TypeDef, CR1) == 0x000U);
static_assert(offsetof(PWR_TypeDef, CR2) == 0x004U);
static_assert(offsetof(PWR_TypeDef, CR3) == 0x008U);
static_assert(offsetof(PWR_TypeDef, VOSR) == 0x00CU);
static_assert(offsetof(PWR_TypeDef, SVMCR) == 0x010U);
static_assert(offsetof(PWR_TypeDef, WUCR1) == 0x014U);
static_assert(offsetof(PWR_TypeDef, WUCR2) == 0x018U);
static_assert(offsetof(PWR_TypeDef, WUCR3) == 0x01CU);
static_assert(offsetof(PWR_TypeDef, BDCR1) == 0x020U);
static_assert(offsetof(PWR_TypeDef, BDCR2) == 0x024U);
static_assert(offsetof(PWR_TypeDef, DBPR) == 0x028U);
static_assert(offsetof(PWR_TypeDef, UCPDR) == 0x02CU);
static_assert(offsetof(PWR_TypeDef, SECCFGR) == 0x030U);
static_assert(offsetof(PWR_TypeDef, PRIVCFGR) == 0x034U);
static_assert(offsetof(PWR_TypeDef, SR) == 0x038U);
static_assert(offsetof(PWR_TypeDef, SVMSR) == 0x03CU);
static_assert(offsetof(PWR_TypeDef, BDSR) == 0x040U);
static_assert(offsetof(PWR_TypeDef, WUSR) == 0x044U);
static_assert(offsetof(PWR_TypeDef, WUSCR) == 0x048U);
static_assert(offsetof(PWR_TypeDef, APCR) == 0x04CU);
static_assert(offsetof(PWR_TypeDef, PUCRA) == 0x050U);
static_assert(offsetof(PWR_TypeDef, PDCRA) == 0x054U);
static_assert(offsetof(PWR_TypeDef, PUCRB) == 0x058U);
static_assert(offsetof(PWR_TypeDef, PDCRB) == 0x05CU);
static_assert(offsetof(PWR_TypeDef, PUCRC) == 0x060U);
static_assert(offsetof(PWR_TypeDef, PDCRC) == 0x064U);
static_assert(offsetof(PWR_TypeDef, PUCRD) == 0x068U);
static_assert(offsetof(PWR_TypeDef, PDCRD) == 0x06CU);
static_assert(offsetof(PWR_TypeDef, PUCRE) == 0x070U);
static_assert(offsetof(PWR_TypeDef, PDCRE) == 0x074U);
static_assert(offsetof(PWR_TypeDef, PUCRF) == 0x078U);
static_assert(offsetof(PWR_TypeDef, PDCRF) == 0x07CU);
static_assert(offsetof(PWR_TypeDef, PUCRG) == 0x080U);
static_assert(offsetof(PWR_TypeDef, PDCRG) == 0x084U);
static_assert(offsetof(PWR_TypeDef, PUCRH) == 0x088U);
static_assert(offsetof(PWR_TypeDef, PDCRH) == 0x08CU);
static_assert(offsetof(PWR_TypeDef, PUCRI) == 0x090U);
static_assert(offsetof(PWR_TypeDef, PDCRI) == 0x094U);
static_assert(offsetof(PWR_TypeDef, CR4) == 0x0A8U);
static_assert(offsetof(PWR_TypeDef, CR5) == 0x0ACU);
static_assert(sizeof(PWR_TypeDef) == 0xB0U);

// Flash interface registers (FLASH_R_BASE). Option registers 0x040..0x06C hold what was loaded
// from the option bytes at reset. Unmarked registers reset to 0.
struct FLASH_TypeDef {
  reg32_t ACR;  // 0x000
  uint32_t RESERVED0[1];
  reg32_t NSKEYR;  // 0x008, write-only
  reg32_t SECKEYR;  // 0x00C, write-only
  reg32_t OPTKEYR;  // 0x010, write-only
  uint32_t RESERVED1[1];
  reg32_t PDKEY1R;  // 0x018
  reg32_t PDKEY2R;  // 0x01C
  reg32_t NSSR;  // 0x020, flags: write 1 to clear
  reg32_t SECSR;  // 0x024
  reg32_t NSCR;  // 0x028, reset 0xC0000000 (LOCK, OPTLOCK)
  reg32_t SECCR;  // 0x02C, reset 0x80000000
  reg32_t ECCR;  // 0x030
  reg32_t OPSR;  // 0x034
  uint32_t RESERVED2[2];
  reg32_t OPTR;  // 0x040, loaded from the option bytes
  reg32_t NSBOOTADD0R;  // 0x044
  reg32_t NSBOOTADD1R;  // 0x048
  reg32_t SECBOOTADD0R;  // 0x04C
  reg32_t SECWM1R1;  // 0x050
  reg32_t SECWM1R2;  // 0x054
  reg32_t WRP1AR;  // 0x058
  reg32_t WRP1BR;  // 0x05C
  reg32_t SECWM2R1;  // 0x060
  reg32_t SECWM2R2;  // 0x064
  reg32_t WRP2AR;  // 0x068
  reg32_t WRP2BR;  // 0x06C
  reg32_t OEM1KEYR1;  // 0x070
  reg32_t OEM1KEYR2;  // 0x074
  reg32_t OEM2KEYR1;  // 0x078
  reg32_t OEM2KEYR2;  // 0x07C
  reg32_t SEC1BBR1;  // 0x080
  reg32_t SEC1BBR2;  // 0x084
  reg32_t SEC1BBR3;  // 0x088
  reg32_t SEC1BBR4;  // 0x08C
  uint32_t RESERVED3[4];
  reg32_t SEC2BBR1;  // 0x0A0
  reg32_t SEC2BBR2;  // 0x0A4
  reg32_t SEC2BBR3;  // 0x0A8
  reg32_t SEC2BBR4;  // 0x0AC
  uint32_t RESERVED4[4];
  reg32_t SECHDPCR;  // 0x0C0
  reg32_t PRIVCFGR;  // 0x0C4
  uint32_t RESERVED5[2];
  reg32_t PRIV1BBR1;  // 0x0D0
  reg32_t PRIV1BBR2;  // 0x0D4
  reg32_t PRIV1BBR3;  // 0x0D8
  reg32_t PRIV1BBR4;  // 0x0DC
  uint32_t RESERVED6[4];
  reg32_t PRIV2BBR1;  // 0x0F0
  reg32_t PRIV2BBR2;  // 0x0F4
  reg32_t PRIV2BBR3;  // 0x0F8
  reg32_t PRIV2BBR4;  // 0x0FC
};
static_assert(offsetof(FLASH_TypeDef, ACR) == 0x000U);
static_assert(offsetof(FLASH_TypeDef, NSKEYR) == 0x008U);
static_assert(offsetof(FLASH_TypeDef, SECKEYR) == 0x00CU);
static_assert(offsetof(FLASH_TypeDef, OPTKEYR) == 0x010U);
static_assert(offsetof(FLASH_TypeDef, PDKEY1R) == 0x018U);
static_assert(offsetof(FLASH_TypeDef, PDKEY2R) == 0x01CU);
static_assert(offsetof(FLASH_TypeDef, NSSR) == 0x020U);
static_assert(offsetof(FLASH_TypeDef, SECSR) == 0x024U);
static_assert(offsetof(FLASH_TypeDef, NSCR) == 0x028U);
static_assert(offsetof(FLASH_TypeDef, SECCR) == 0x02CU);
static_assert(offsetof(FLASH_TypeDef, ECCR) == 0x030U);
static_assert(offsetof(FLASH_TypeDef, OPSR) == 0x034U);
static_assert(offsetof(FLASH_TypeDef, OPTR) == 0x040U);
static_assert(offsetof(FLASH_TypeDef, NSBOOTADD0R) == 0x044U);
static_assert(offsetof(FLASH_TypeDef, NSBOOTADD1R) == 0x048U);
static_assert(offsetof(FLASH_TypeDef, SECBOOTADD0R) == 0x04CU);
static_assert(offsetof(FLASH_TypeDef, SECWM1R1) == 0x050U);
static_assert(offsetof(FLASH_TypeDef, SECWM1R2) == 0x054U);
static_assert(offsetof(FLASH_TypeDef, WRP1AR) == 0x058U);
static_assert(offsetof(FLASH_TypeDef, WRP1BR) == 0x05CU);
static_assert(offsetof(FLASH_TypeDef, SECWM2R1) == 0x060U);
static_assert(offsetof(FLASH_TypeDef, SECWM2R2) == 0x064U);
static_assert(offsetof(FLASH_TypeDef, WRP2AR) == 0x068U);
static_assert(offsetof(FLASH_TypeDef, WRP2BR) == 0x06CU);
static_assert(offsetof(FLASH_TypeDef, OEM1KEYR1) == 0x070U);
static_assert(offsetof(FLASH_TypeDef, OEM1KEYR2) == 0x074U);
static_assert(offsetof(FLASH_TypeDef, OEM2KEYR1) == 0x078U);
static_assert(offsetof(FLASH_TypeDef, OEM2KEYR2) == 0x07CU);
static_assert(offsetof(FLASH_TypeDef, SEC1BBR1) == 0x080U);
static_assert(offsetof(FLASH_TypeDef, SEC1BBR2) == 0x084U);
static_assert(offsetof(FLASH_TypeDef, SEC1BBR3) == 0x088U);
static_assert(offsetof(FLASH_TypeDef, SEC1BBR4) == 0x08CU);
static_assert(offsetof(FLASH_TypeDef, SEC2BBR1) == 0x0A0U);
static_assert(offsetof(FLASH_TypeDef, SEC2BBR2) == 0x0A4U);
static_assert(offsetof(FLASH_TypeDef, SEC2BBR3) == 0x0A8U);
static_assert(offsetof(FLASH_TypeDef, SEC2BBR4) == 0x0ACU);
static_assert(offsetof(FLASH_TypeDef, SECHDPCR) == 0x0C0U);
static_assert(offsetof(FLASH_TypeDef, PRIVCFGR) == 0x0C4U);
static_assert(offsetof(FLASH_TypeDef, PRIV1BBR1) == 0x0D0U);
static_assert(offsetof(FLASH_TypeDef, PRIV1BBR2) == 0x0D4U);
static_assert(offsetof(FLASH_TypeDef, PRIV1BBR3) == 0x0D8U);
static_assert(offsetof(FLASH_TypeDef, PRIV1BBR4) == 0x0DCU);
static_assert(offsetof(FLASH_TypeDef, PRIV2BBR1) == 0x0F0U);
static_assert(offsetof(FLASH_TypeDef, PRIV2BBR2) == 0x0F4U);
static_assert(offsetof(FLASH_TypeDef, PRIV2BBR3) == 0x0F8U);
static_assert(offsetof(FLASH_TypeDef, PRIV2BBR4) == 0x0FCU);
static_assert(sizeof(FLASH_TypeDef) == 0x100U);

// General-purpose I/O port (GPIOA .. GPIOI).
struct GPIO_TypeDef {
  reg32_t MODER;  // 0x000, reset A 0xABFFFFFF, B 0xFFFFFEBF, others 0xFFFFFFFF
  reg32_t OTYPER;  // 0x004
  reg32_t OSPEEDR;  // 0x008, reset A 0x0C000000, B 0x000000C0, others 0
  reg32_t PUPDR;  // 0x00C, reset A 0x64000000, B 0x00000100, others 0
  reg32_t IDR;  // 0x010
  reg32_t ODR;  // 0x014
  reg32_t BSRR;  // 0x018, write-only
  reg32_t LCKR;  // 0x01C
  reg32_t AFR[2];  // 0x020, [0] pins 0..7, [1] pins 8..15
  reg32_t BRR;  // 0x028, write-only
  reg32_t HSLVR;  // 0x02C
  reg32_t SECCFGR;  // 0x030, reset 0x0000FFFF
};
static_assert(offsetof(GPIO_TypeDef, MODER) == 0x000U);
static_assert(offsetof(GPIO_TypeDef, OTYPER) == 0x004U);
static_assert(offsetof(GPIO_TypeDef, OSPEEDR) == 0x008U);
static_assert(offsetof(GPIO_TypeDef, PUPDR) == 0x00CU);
static_assert(offsetof(GPIO_TypeDef, IDR) == 0x010U);
static_assert(offsetof(GPIO_TypeDef, ODR) == 0x014U);
static_assert(offsetof(GPIO_TypeDef, BSRR) == 0x018U);
static_assert(offsetof(GPIO_TypeDef, LCKR) == 0x01CU);
static_assert(offsetof(GPIO_TypeDef, AFR) == 0x020U);
static_assert(offsetof(GPIO_TypeDef, BRR) == 0x028U);
static_assert(offsetof(GPIO_TypeDef, HSLVR) == 0x02CU);
static_assert(offsetof(GPIO_TypeDef, SECCFGR) == 0x030U);
static_assert(sizeof(GPIO_TypeDef) == 0x34U);

// Low-power GPIO. Its pins are routed to pins of the ordinary ports (alternate function 11).
// Every register sits at the offset of the GPIO register of the same name.
struct LPGPIO_TypeDef {
  reg32_t MODER;  // 0x000, one bit per pin: 0 input, 1 output
  uint32_t RESERVED0[3];
  reg32_t IDR;  // 0x010
  reg32_t ODR;  // 0x014
  reg32_t BSRR;  // 0x018
  uint32_t RESERVED1[3];
  reg32_t BRR;  // 0x028
};
static_assert(offsetof(LPGPIO_TypeDef, MODER) == 0x000U);
static_assert(offsetof(LPGPIO_TypeDef, IDR) == 0x010U);
static_assert(offsetof(LPGPIO_TypeDef, ODR) == 0x014U);
static_assert(offsetof(LPGPIO_TypeDef, BSRR) == 0x018U);
static_assert(offsetof(LPGPIO_TypeDef, BRR) == 0x028U);
static_assert(sizeof(LPGPIO_TypeDef) == 0x2CU);

static_assert(offsetof(LPGPIO_TypeDef, MODER) == offsetof(GPIO_TypeDef, MODER));
static_assert(offsetof(LPGPIO_TypeDef, IDR) == offsetof(GPIO_TypeDef, IDR));
static_assert(offsetof(LPGPIO_TypeDef, ODR) == offsetof(GPIO_TypeDef, ODR));
static_assert(offsetof(LPGPIO_TypeDef, BSRR) == offsetof(GPIO_TypeDef, BSRR));
static_assert(offsetof(LPGPIO_TypeDef, BRR) == offsetof(GPIO_TypeDef, BRR));

// Extended interrupt and event controller, lines 0..25 (one register set). All reset 0.
struct EXTI_TypeDef {
  reg32_t RTSR1;  // 0x000
  reg32_t FTSR1;  // 0x004
  reg32_t SWIER1;  // 0x008
  reg32_t RPR1;  // 0x00C, write 1 to clear
  reg32_t FPR1;  // 0x010, write 1 to clear
  reg32_t SECCFGR1;  // 0x014
  reg32_t PRIVCFGR1;  // 0x018
  uint32_t RESERVED0[17];
  reg32_t EXTICR[4];  // 0x060, [n] lines 4n .. 4n+3, 8 bits per line
  reg32_t LOCKR;  // 0x070
  uint32_t RESERVED1[3];
  reg32_t IMR1;  // 0x080
  reg32_t EMR1;  // 0x084
};
static_assert(offsetof(EXTI_TypeDef, RTSR1) == 0x000U);
static_assert(offsetof(EXTI_TypeDef, FTSR1) == 0x004U);
static_assert(offsetof(EXTI_TypeDef, SWIER1) == 0x008U);
static_assert(offsetof(EXTI_TypeDef, RPR1) == 0x00CU);
static_assert(offsetof(EXTI_TypeDef, FPR1) == 0x010U);
static_assert(offsetof(EXTI_TypeDef, SECCFGR1) == 0x014U);
static_assert(offsetof(EXTI_TypeDef, PRIVCFGR1) == 0x018U);
static_assert(offsetof(EXTI_TypeDef, EXTICR) == 0x060U);
static_assert(offsetof(EXTI_TypeDef, LOCKR) == 0x070U);
static_assert(offsetof(EXTI_TypeDef, IMR1) == 0x080U);
static_assert(offsetof(EXTI_TypeDef, EMR1) == 0x084U);
static_assert(sizeof(EXTI_TypeDef) == 0x88U);

// Instruction cache in front of the flash. It is not coherent with flash program/erase.
struct ICACHE_TypeDef {
  reg32_t CR;  // 0x000, reset 0x00000004 (2-way)
  reg32_t SR;  // 0x004, reset 0x00000001: an invalidate runs after reset
  reg32_t IER;  // 0x008
  reg32_t FCR;  // 0x00C, write 1 to clear
  reg32_t HMONR;  // 0x010
  reg32_t MMONR;  // 0x014
  uint32_t RESERVED0[2];
  reg32_t CRR0;  // 0x020, reset 0x00000200
  reg32_t CRR1;  // 0x024, reset 0x00000200
  reg32_t CRR2;  // 0x028, reset 0x00000200
  reg32_t CRR3;  // 0x02C, reset 0x00000200
};
static_assert(offsetof(ICACHE_TypeDef, CR) == 0x000U);
static_assert(offsetof(ICACHE_TypeDef, SR) == 0x004U);
static_assert(offsetof(ICACHE_TypeDef, IER) == 0x008U);
static_assert(offsetof(ICACHE_TypeDef, FCR) == 0x00CU);
static_assert(offsetof(ICACHE_TypeDef, HMONR) == 0x010U);
static_assert(offsetof(ICACHE_TypeDef, MMONR) == 0x014U);
static_assert(offsetof(ICACHE_TypeDef, CRR0) == 0x020U);
static_assert(offsetof(ICACHE_TypeDef, CRR1) == 0x024U);
static_assert(offsetof(ICACHE_TypeDef, CRR2) == 0x028U);
static_assert(offsetof(ICACHE_TypeDef, CRR3) == 0x02CU);
static_assert(sizeof(ICACHE_TypeDef) == 0x30U);

// USART1/2/3, UART4/5 and LPUART1 share this layout; LPUART1 lacks some fields (see below).
struct USART_TypeDef {
  reg32_t CR1;  // 0x000
  reg32_t CR2;  // 0x004
  reg32_t CR3;  // 0x008
  reg32_t BRR;  // 0x00C, 16 bits, LPUART 20 bits
  reg32_t GTPR;  // 0x010, reserved on LPUART
  reg32_t RTOR;  // 0x014, reserved on LPUART
  reg32_t RQR;  // 0x018, write-only
  reg32_t ISR;  // 0x01C, reset USART 0x028000C0, LPUART 0x008000C0
  reg32_t ICR;  // 0x020, write 1 to clear
  reg32_t RDR;  // 0x024
  reg32_t TDR;  // 0x028
  reg32_t PRESC;  // 0x02C
  reg32_t AUTOCR;  // 0x030, reset 0x80000000
};
static_assert(offsetof(USART_TypeDef, CR1) == 0x000U);
static_assert(offsetof(USART_TypeDef, CR2) == 0x004U);
static_assert(offsetof(USART_TypeDef, CR3) == 0x008U);
static_assert(offsetof(USART_TypeDef, BRR) == 0x00CU);
static_assert(offsetof(USART_TypeDef, GTPR) == 0x010U);
static_assert(offsetof(USART_TypeDef, RTOR) == 0x014U);
static_assert(offsetof(USART_TypeDef, RQR) == 0x018U);
static_assert(offsetof(USART_TypeDef, ISR) == 0x01CU);
static_assert(offsetof(USART_TypeDef, ICR) == 0x020U);
static_assert(offsetof(USART_TypeDef, RDR) == 0x024U);
static_assert(offsetof(USART_TypeDef, TDR) == 0x028U);
static_assert(offsetof(USART_TypeDef, PRESC) == 0x02CU);
static_assert(offsetof(USART_TypeDef, AUTOCR) == 0x030U);
static_assert(sizeof(USART_TypeDef) == 0x34U);

// GPDMA1 global registers; the channels follow at +0x50.
struct DMA_TypeDef {
  reg32_t SECCFGR;  // 0x000
  reg32_t PRIVCFGR;  // 0x004
  reg32_t RCFGLOCKR;  // 0x008
  reg32_t MISR;  // 0x00C
  reg32_t SMISR;  // 0x010
};
static_assert(offsetof(DMA_TypeDef, SECCFGR) == 0x000U);
static_assert(offsetof(DMA_TypeDef, PRIVCFGR) == 0x004U);
static_assert(offsetof(DMA_TypeDef, RCFGLOCKR) == 0x008U);
static_assert(offsetof(DMA_TypeDef, MISR) == 0x00CU);
static_assert(offsetof(DMA_TypeDef, SMISR) == 0x010U);
static_assert(sizeof(DMA_TypeDef) == 0x14U);

// One GPDMA1 channel (16 channels, 0x80 apart).
struct DMA_Channel_TypeDef {
  reg32_t CLBAR;  // 0x000
  uint32_t RESERVED0[2];
  reg32_t CFCR;  // 0x00C, write 1 to clear
  reg32_t CSR;  // 0x010, reset 0x00000001 (IDLEF)
  reg32_t CCR;  // 0x014
  uint32_t RESERVED1[10];
  reg32_t CTR1;  // 0x040
  reg32_t CTR2;  // 0x044
  reg32_t CBR1;  // 0x048
  reg32_t CSAR;  // 0x04C
  reg32_t CDAR;  // 0x050
  reg32_t CTR3;  // 0x054, channels 12..15 only
  reg32_t CBR2;  // 0x058, channels 12..15 only
  uint32_t RESERVED2[8];
  reg32_t CLLR;  // 0x07C
};
static_assert(offsetof(DMA_Channel_TypeDef, CLBAR) == 0x000U);
static_assert(offsetof(DMA_Channel_TypeDef, CFCR) == 0x00CU);
static_assert(offsetof(DMA_Channel_TypeDef, CSR) == 0x010U);
static_assert(offsetof(DMA_Channel_TypeDef, CCR) == 0x014U);
static_assert(offsetof(DMA_Channel_TypeDef, CTR1) == 0x040U);
static_assert(offsetof(DMA_Channel_TypeDef, CTR2) == 0x044U);
static_assert(offsetof(DMA_Channel_TypeDef, CBR1) == 0x048U);
static_assert(offsetof(DMA_Channel_TypeDef, CSAR) == 0x04CU);
static_assert(offsetof(DMA_Channel_TypeDef, CDAR) == 0x050U);
static_assert(offsetof(DMA_Channel_TypeDef, CTR3) == 0x054U);
static_assert(offsetof(DMA_Channel_TypeDef, CBR2) == 0x058U);
static_assert(offsetof(DMA_Channel_TypeDef, CLLR) == 0x07CU);
static_assert(sizeof(DMA_Channel_TypeDef) == 0x80U);

// ============================================================================================
// Instances
// ============================================================================================

#define USART2_NS DEVICE_BLOCK(USART_TypeDef, USART2_BASE_NS)
#define USART2_S DEVICE_BLOCK(USART_TypeDef, USART2_BASE_S)
#define USART2 USART2_NS
#define USART3_NS DEVICE_BLOCK(USART_TypeDef, USART3_BASE_NS)
#define USART3_S DEVICE_BLOCK(USART_TypeDef, USART3_BASE_S)
#define USART3 USART3_NS
#define UART4_NS DEVICE_BLOCK(USART_TypeDef, UART4_BASE_NS)
#define UART4_S DEVICE_BLOCK(USART_TypeDef, UART4_BASE_S)
#define UART4 UART4_NS
#define UART5_NS DEVICE_BLOCK(USART_TypeDef, UART5_BASE_NS)
#define UART5_S DEVICE_BLOCK(USART_TypeDef, UART5_BASE_S)
#define UART5 UART5_NS
#define USART1_NS DEVICE_BLOCK(USART_TypeDef, USART1_BASE_NS)
#define USART1_S DEVICE_BLOCK(USART_TypeDef, USART1_BASE_S)
#define USART1 USART1_NS
#define GPDMA1_NS DEVICE_BLOCK(DMA_TypeDef, GPDMA1_BASE_NS)
#define GPDMA1_S DEVICE_BLOCK(DMA_TypeDef, GPDMA1_BASE_S)
#define GPDMA1 GPDMA1_NS
#define FLASH_NS DEVICE_BLOCK(FLASH_TypeDef, FLASH_R_BASE_NS)
#define FLASH_S DEVICE_BLOCK(FLASH_TypeDef, FLASH_R_BASE_S)
#define FLASH FLASH_NS
#define ICACHE_NS DEVICE_BLOCK(ICACHE_TypeDef, ICACHE_BASE_NS)
#define ICACHE_S DEVICE_BLOCK(ICACHE_TypeDef, ICACHE_BASE_S)
#define ICACHE ICACHE_NS
#define GPIOA_NS DEVICE_BLOCK(GPIO_TypeDef, GPIOA_BASE_NS)
#define GPIOA_S DEVICE_BLOCK(GPIO_TypeDef, GPIOA_BASE_S)
#define GPIOA GPIOA_NS
#define GPIOB_NS DEVICE_BLOCK(GPIO_TypeDef, GPIOB_BASE_NS)
#define GPIOB_S DEVICE_BLOCK(GPIO_TypeDef, GPIOB_BASE_S)
#define GPIOB GPIOB_NS
#define GPIOC_NS DEVICE_BLOCK(GPIO_TypeDef, GPIOC_BASE_NS)
#define GPIOC_S DEVICE_BLOCK(GPIO_TypeDef, GPIOC_BASE_S)
#define GPIOC GPIOC_NS
#define GPIOD_NS DEVICE_BLOCK(GPIO_TypeDef, GPIOD_BASE_NS)
#define GPIOD_S DEVICE_BLOCK(GPIO_TypeDef, GPIOD_BASE_S)
#define GPIOD GPIOD_NS
#define GPIOE_NS DEVICE_BLOCK(GPIO_TypeDef, GPIOE_BASE_NS)
#define GPIOE_S DEVICE_BLOCK(GPIO_TypeDef, GPIOE_BASE_S)
#define GPIOE GPIOE_NS
#define GPIOF_NS DEVICE_BLOCK(GPIO_TypeDef, GPIOF_BASE_NS)
#define GPIOF_S DEVICE_BLOCK(GPIO_TypeDef, GPIOF_BASE_S)
#define GPIOF GPIOF_NS
#define GPIOG_NS DEVICE_BLOCK(GPIO_TypeDef, GPIOG_BASE_NS)
#define GPIOG_S DEVICE_BLOCK(GPIO_TypeDef, GPIOG_BASE_S)
#define GPIOG GPIOG_NS
#define GPIOH_NS DEVICE_BLOCK(GPIO_TypeDef, GPIOH_BASE_NS)
#define GPIOH_S DEVICE_BLOCK(GPIO_TypeDef, GPIOH_BASE_S)
#define GPIOH GPIOH_NS
#define GPIOI_NS DEVICE_BLOCK(GPIO_TypeDef, GPIOI_BASE_NS)
#define GPIOI_S DEVICE_BLOCK(GPIO_TypeDef, GPIOI_BASE_S)
#define GPIOI GPIOI_NS
#define LPUART1_NS DEVICE_BLOCK(USART_TypeDef, LPUART1_BASE_NS)
#define LPUART1_S DEVICE_BLOCK(USART_TypeDef, LPUART1_BASE_S)
#define LPUART1 LPUART1_NS
#define LPGPIO1_NS DEVICE_BLOCK(LPGPIO_TypeDef, LPGPIO1_BASE_NS)
#define LPGPIO1_S DEVICE_BLOCK(LPGPIO_TypeDef, LPGPIO1_BASE_S)
#define LPGPIO1 LPGPIO1_NS
#define PWR_NS DEVICE_BLOCK(PWR_TypeDef, PWR_BASE_NS)
#define PWR_S DEVICE_BLOCK(PWR_TypeDef, PWR_BASE_S)
#define PWR PWR_NS
#define RCC_NS DEVICE_BLOCK(RCC_TypeDef, RCC_BASE_NS)
#define RCC_S DEVICE_BLOCK(RCC_TypeDef, RCC_BASE_S)
#define RCC RCC_NS
#define EXTI_NS DEVICE_BLOCK(EXTI_TypeDef, EXTI_BASE_NS)
#define EXTI_S DEVICE_BLOCK(EXTI_TypeDef, EXTI_BASE_S)
#define EXTI EXTI_NS
#define GPDMA1_Channel0_NS DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel0_BASE_NS)
#define GPDMA1_Channel0_S DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel0_BASE_S)
#define GPDMA1_Channel0 GPDMA1_Channel0_NS
#define GPDMA1_Channel1_NS DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel1_BASE_NS)
#define GPDMA1_Channel1_S DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel1_BASE_S)
#define GPDMA1_Channel1 GPDMA1_Channel1_NS
#define GPDMA1_Channel2_NS DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel2_BASE_NS)
#define GPDMA1_Channel2_S DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel2_BASE_S)
#define GPDMA1_Channel2 GPDMA1_Channel2_NS
#define GPDMA1_Channel3_NS DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel3_BASE_NS)
#define GPDMA1_Channel3_S DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel3_BASE_S)
#define GPDMA1_Channel3 GPDMA1_Channel3_NS
#define GPDMA1_Channel4_NS DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel4_BASE_NS)
#define GPDMA1_Channel4_S DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel4_BASE_S)
#define GPDMA1_Channel4 GPDMA1_Channel4_NS
#define GPDMA1_Channel5_NS DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel5_BASE_NS)
#define GPDMA1_Channel5_S DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel5_BASE_S)
#define GPDMA1_Channel5 GPDMA1_Channel5_NS
#define GPDMA1_Channel6_NS DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel6_BASE_NS)
#define GPDMA1_Channel6_S DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel6_BASE_S)
#define GPDMA1_Channel6 GPDMA1_Channel6_NS
#define GPDMA1_Channel7_NS DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel7_BASE_NS)
#define GPDMA1_Channel7_S DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel7_BASE_S)
#define GPDMA1_Channel7 GPDMA1_Channel7_NS
#define GPDMA1_Channel8_NS DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel8_BASE_NS)
#define GPDMA1_Channel8_S DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel8_BASE_S)
#define GPDMA1_Channel8 GPDMA1_Channel8_NS
#define GPDMA1_Channel9_NS DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel9_BASE_NS)
#define GPDMA1_Channel9_S DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel9_BASE_S)
#define GPDMA1_Channel9 GPDMA1_Channel9_NS
#define GPDMA1_Channel10_NS DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel10_BASE_NS)
#define GPDMA1_Channel10_S DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel10_BASE_S)
#define GPDMA1_Channel10 GPDMA1_Channel10_NS
#define GPDMA1_Channel11_NS DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel11_BASE_NS)
#define GPDMA1_Channel11_S DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel11_BASE_S)
#define GPDMA1_Channel11 GPDMA1_Channel11_NS
#define GPDMA1_Channel12_NS DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel12_BASE_NS)
#define GPDMA1_Channel12_S DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel12_BASE_S)
#define GPDMA1_Channel12 GPDMA1_Channel12_NS
#define GPDMA1_Channel13_NS DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel13_BASE_NS)
#define GPDMA1_Channel13_S DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel13_BASE_S)
#define GPDMA1_Channel13 GPDMA1_Channel13_NS
#define GPDMA1_Channel14_NS DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel14_BASE_NS)
#define GPDMA1_Channel14_S DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel14_BASE_S)
#define GPDMA1_Channel14 GPDMA1_Channel14_NS
#define GPDMA1_Channel15_NS DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel15_BASE_NS)
#define GPDMA1_Channel15_S DEVICE_BLOCK(DMA_Channel_TypeDef, GPDMA1_Channel15_BASE_S)
#define GPDMA1_Channel15 GPDMA1_Channel15_NS

// ============================================================================================
// RCC fields
// ============================================================================================

// CR (MSIPLLSEL: 0 MSIK, 1 MSIS)
#define RCC_CR_MSISON_Pos (0U)
#define RCC_CR_MSISON_Msk (0x1U << RCC_CR_MSISON_Pos)  // 0x00000001
#define RCC_CR_MSISON RCC_CR_MSISON_Msk
#define RCC_CR_MSIKERON_Pos (1U)
#define RCC_CR_MSIKERON_Msk (0x1U << RCC_CR_MSIKERON_Pos)  // 0x00000002
#define RCC_CR_MSIKERON RCC_CR_MSIKERON_Msk
#define RCC_CR_MSISRDY_Pos (2U)
#define RCC_CR_MSISRDY_Msk (0x1U << RCC_CR_MSISRDY_Pos)  // 0x00000004
#define RCC_CR_MSISRDY RCC_CR_MSISRDY_Msk
#define RCC_CR_MSIPLLEN_Pos (3U)
#define RCC_CR_MSIPLLEN_Msk (0x1U << RCC_CR_MSIPLLEN_Pos)  // 0x00000008
#define RCC_CR_MSIPLLEN RCC_CR_MSIPLLEN_Msk
#define RCC_CR_MSIKON_Pos (4U)
#define RCC_CR_MSIKON_Msk (0x1U << RCC_CR_MSIKON_Pos)  // 0x00000010
#define RCC_CR_MSIKON RCC_CR_MSIKON_Msk
#define RCC_CR_MSIKRDY_Pos (5U)
#define RCC_CR_MSIKRDY_Msk (0x1U << RCC_CR_MSIKRDY_Pos)  // 0x00000020
#define RCC_CR_MSIKRDY RCC_CR_MSIKRDY_Msk
#define RCC_CR_MSIPLLSEL_Pos (6U)
#define RCC_CR_MSIPLLSEL_Msk (0x1U << RCC_CR_MSIPLLSEL_Pos)  // 0x00000040
#define RCC_CR_MSIPLLSEL RCC_CR_MSIPLLSEL_Msk
#define RCC_CR_MSIPLLFAST_Pos (7U)
#define RCC_CR_MSIPLLFAST_Msk (0x1U << RCC_CR_MSIPLLFAST_Pos)  // 0x00000080
#define RCC_CR_MSIPLLFAST RCC_CR_MSIPLLFAST_Msk
#define RCC_CR_HSION_Pos (8U)
#define RCC_CR_HSION_Msk (0x1U << RCC_CR_HSION_Pos)  // 0x00000100
#define RCC_CR_HSION RCC_CR_HSION_Msk
#define RCC_CR_HSIKERON_Pos (9U)
#define RCC_CR_HSIKERON_Msk (0x1U << RCC_CR_HSIKERON_Pos)  // 0x00000200
#define RCC_CR_HSIKERON RCC_CR_HSIKERON_Msk
#define RCC_CR_HSIRDY_Pos (10U)
#define RCC_CR_HSIRDY_Msk (0x1U << RCC_CR_HSIRDY_Pos)  // 0x00000400
#define RCC_CR_HSIRDY RCC_CR_HSIRDY_Msk
#define RCC_CR_HSI48ON_Pos (12U)
#define RCC_CR_HSI48ON_Msk (0x1U << RCC_CR_HSI48ON_Pos)  // 0x00001000
#define RCC_CR_HSI48ON RCC_CR_HSI48ON_Msk
#define RCC_CR_HSI48RDY_Pos (13U)
#define RCC_CR_HSI48RDY_Msk (0x1U << RCC_CR_HSI48RDY_Pos)  // 0x00002000
#define RCC_CR_HSI48RDY RCC_CR_HSI48RDY_Msk
#define RCC_CR_SHSION_Pos (14U)
#define RCC_CR_SHSION_Msk (0x1U << RCC_CR_SHSION_Pos)  // 0x00004000
#define RCC_CR_SHSION RCC_CR_SHSION_Msk
#define RCC_CR_SHSIRDY_Pos (15U)
#define RCC_CR_SHSIRDY_Msk (0x1U << RCC_CR_SHSIRDY_Pos)  // 0x00008000
#define RCC_CR_SHSIRDY RCC_CR_SHSIRDY_Msk
#define RCC_CR_HSEON_Pos (16U)
#define RCC_CR_HSEON_Msk (0x1U << RCC_CR_HSEON_Pos)  // 0x00010000
#define RCC_CR_HSEON RCC_CR_HSEON_Msk
#define RCC_CR_HSERDY_Pos (17U)
#define RCC_CR_HSERDY_Msk (0x1U << RCC_CR_HSERDY_Pos)  // 0x00020000
#define RCC_CR_HSERDY RCC_CR_HSERDY_Msk
#define RCC_CR_HSEBYP_Pos (18U)
#define RCC_CR_HSEBYP_Msk (0x1U << RCC_CR_HSEBYP_Pos)  // 0x00040000
#define RCC_CR_HSEBYP RCC_CR_HSEBYP_Msk
#define RCC_CR_CSSON_Pos (19U)
#define RCC_CR_CSSON_Msk (0x1U << RCC_CR_CSSON_Pos)  // 0x00080000
#define RCC_CR_CSSON RCC_CR_CSSON_Msk
#define RCC_CR_HSEEXT_Pos (20U)
#define RCC_CR_HSEEXT_Msk (0x1U << RCC_CR_HSEEXT_Pos)  // 0x00100000
#define RCC_CR_HSEEXT RCC_CR_HSEEXT_Msk
#define RCC_CR_PLL1ON_Pos (24U)
#define RCC_CR_PLL1ON_Msk (0x1U << RCC_CR_PLL1ON_Pos)  // 0x01000000
#define RCC_CR_PLL1ON RCC_CR_PLL1ON_Msk
#define RCC_CR_PLL1RDY_Pos (25U)
#define RCC_CR_PLL1RDY_Msk (0x1U << RCC_CR_PLL1RDY_Pos)  // 0x02000000
#define RCC_CR_PLL1RDY RCC_CR_PLL1RDY_Msk
#define RCC_CR_PLL2ON_Pos (26U)
#define RCC_CR_PLL2ON_Msk (0x1U << RCC_CR_PLL2ON_Pos)  // 0x04000000
#define RCC_CR_PLL2ON RCC_CR_PLL2ON_Msk
#define RCC_CR_PLL2RDY_Pos (27U)
#define RCC_CR_PLL2RDY_Msk (0x1U << RCC_CR_PLL2RDY_Pos)  // 0x08000000
#define RCC_CR_PLL2RDY RCC_CR_PLL2RDY_Msk
#define RCC_CR_PLL3ON_Pos (28U)
#define RCC_CR_PLL3ON_Msk (0x1U << RCC_CR_PLL3ON_Pos)  // 0x10000000
#define RCC_CR_PLL3ON RCC_CR_PLL3ON_Msk
#define RCC_CR_PLL3RDY_Pos (29U)
#define RCC_CR_PLL3RDY_Msk (0x1U << RCC_CR_PLL3RDY_Pos)  // 0x20000000
#define RCC_CR_PLL3RDY RCC_CR_PLL3RDY_Msk

// ICSCR1. MSIRGSEL: 0 ranges from CSR, 1 from this register. Range code 0 = 48 MHz,
// 1 = 24, 2 = 16, 3 = 12, 4 = 4 (reset), 5 = 2, 6 = 1.33, 7 = 1, 8 = 3.072, 9 = 1.536, 10 = 1.024,
// 11 = 0.768, 12 = 0.4, 13 = 0.2, 14 = 0.133, 15 = 0.1 MHz. MSIBIAS: 0 continuous, 1 sampling.
#define RCC_ICSCR1_MSICAL3_Pos (0U)
#define RCC_ICSCR1_MSICAL3_Msk (0x1FU << RCC_ICSCR1_MSICAL3_Pos)  // 0x0000001F
#define RCC_ICSCR1_MSICAL3 RCC_ICSCR1_MSICAL3_Msk
#define RCC_ICSCR1_MSICAL3_0 (0x1U << RCC_ICSCR1_MSICAL3_Pos)
#define RCC_ICSCR1_MSICAL3_1 (0x2U << RCC_ICSCR1_MSICAL3_Pos)
#define RCC_ICSCR1_MSICAL3_2 (0x4U << RCC_ICSCR1_MSICAL3_Pos)
#define RCC_ICSCR1_MSICAL3_3 (0x8U << RCC_ICSCR1_MSICAL3_Pos)
#define RCC_ICSCR1_MSICAL3_4 (0x10U << RCC_ICSCR1_MSICAL3_Pos)
#define RCC_ICSCR1_MSICAL2_Pos (5U)
#define RCC_ICSCR1_MSICAL2_Msk (0x1FU << RCC_ICSCR1_MSICAL2_Pos)  // 0x000003E0
#define RCC_ICSCR1_MSICAL2 RCC_ICSCR1_MSICAL2_Msk
#define RCC_ICSCR1_MSICAL2_0 (0x1U << RCC_ICSCR1_MSICAL2_Pos)
#define RCC_ICSCR1_MSICAL2_1 (0x2U << RCC_ICSCR1_MSICAL2_Pos)
#define RCC_ICSCR1_MSICAL2_2 (0x4U << RCC_ICSCR1_MSICAL2_Pos)
#define RCC_ICSCR1_MSICAL2_3 (0x8U << RCC_ICSCR1_MSICAL2_Pos)
#define RCC_ICSCR1_MSICAL2_4 (0x10U << RCC_ICSCR1_MSICAL2_Pos)
#define RCC_ICSCR1_MSICAL1_Pos (10U)
#define RCC_ICSCR1_MSICAL1_Msk (0x1FU << RCC_ICSCR1_MSICAL1_Pos)  // 0x00007C00
#define RCC_ICSCR1_MSICAL1 RCC_ICSCR1_MSICAL1_Msk
#define RCC_ICSCR1_MSICAL1_0 (0x1U << RCC_ICSCR1_MSICAL1_Pos)
#define RCC_ICSCR1_MSICAL1_1 (0x2U << RCC_ICSCR1_MSICAL1_Pos)
#define RCC_ICSCR1_MSICAL1_2 (0x4U << RCC_ICSCR1_MSICAL1_Pos)
#define RCC_ICSCR1_MSICAL1_3 (0x8U << RCC_ICSCR1_MSICAL1_Pos)
#define RCC_ICSCR1_MSICAL1_4 (0x10U << RCC_ICSCR1_MSICAL1_Pos)
#define RCC_ICSCR1_MSICAL0_Pos (15U)
#define RCC_ICSCR1_MSICAL0_Msk (0x1FU << RCC_ICSCR1_MSICAL0_Pos)  // 0x000F8000
#define RCC_ICSCR1_MSICAL0 RCC_ICSCR1_MSICAL0_Msk
#define RCC_ICSCR1_MSICAL0_0 (0x1U << RCC_ICSCR1_MSICAL0_Pos)
#define RCC_ICSCR1_MSICAL0_1 (0x2U << RCC_ICSCR1_MSICAL0_Pos)
#define RCC_ICSCR1_MSICAL0_2 (0x4U << RCC_ICSCR1_MSICAL0_Pos)
#define RCC_ICSCR1_MSICAL0_3 (0x8U << RCC_ICSCR1_MSICAL0_Pos)
#define RCC_ICSCR1_MSICAL0_4 (0x10U << RCC_ICSCR1_MSICAL0_Pos)
#define RCC_ICSCR1_MSIBIAS_Pos (22U)
#define RCC_ICSCR1_MSIBIAS_Msk (0x1U << RCC_ICSCR1_MSIBIAS_Pos)  // 0x00400000
#define RCC_ICSCR1_MSIBIAS RCC_ICSCR1_MSIBIAS_Msk
#define RCC_ICSCR1_MSIRGSEL_Pos (23U)
#define RCC_ICSCR1_MSIRGSEL_Msk (0x1U << RCC_ICSCR1_MSIRGSEL_Pos)  // 0x00800000
#define RCC_ICSCR1_MSIRGSEL RCC_ICSCR1_MSIRGSEL_Msk
#define RCC_ICSCR1_MSIKRANGE_Pos (24U)
#define RCC_ICSCR1_MSIKRANGE_Msk (0xFU << RCC_ICSCR1_MSIKRANGE_Pos)  // 0x0F000000
#define RCC_ICSCR1_MSIKRANGE RCC_ICSCR1_MSIKRANGE_Msk
#define RCC_ICSCR1_MSIKRANGE_0 (0x1U << RCC_ICSCR1_MSIKRANGE_Pos)
#define RCC_ICSCR1_MSIKRANGE_1 (0x2U << RCC_ICSCR1_MSIKRANGE_Pos)
#define RCC_ICSCR1_MSIKRANGE_2 (0x4U << RCC_ICSCR1_MSIKRANGE_Pos)
#define RCC_ICSCR1_MSIKRANGE_3 (0x8U << RCC_ICSCR1_MSIKRANGE_Pos)
#define RCC_ICSCR1_MSISRANGE_Pos (28U)
#define RCC_ICSCR1_MSISRANGE_Msk (0xFU << RCC_ICSCR1_MSISRANGE_Pos)  // 0xF0000000
#define RCC_ICSCR1_MSISRANGE RCC_ICSCR1_MSISRANGE_Msk
#define RCC_ICSCR1_MSISRANGE_0 (0x1U << RCC_ICSCR1_MSISRANGE_Pos)
#define RCC_ICSCR1_MSISRANGE_1 (0x2U << RCC_ICSCR1_MSISRANGE_Pos)
#define RCC_ICSCR1_MSISRANGE_2 (0x4U << RCC_ICSCR1_MSISRANGE_Pos)
#define RCC_ICSCR1_MSISRANGE_3 (0x8U << RCC_ICSCR1_MSISRANGE_Pos)

// ICSCR2: one trim per group of four MSI ranges (TRIM0 ranges 0..3, ..., TRIM3 ranges 12..15)
#define RCC_ICSCR2_MSITRIM3_Pos (0U)
#define RCC_ICSCR2_MSITRIM3_Msk (0x1FU << RCC_ICSCR2_MSITRIM3_Pos)  // 0x0000001F
#define RCC_ICSCR2_MSITRIM3 RCC_ICSCR2_MSITRIM3_Msk
#define RCC_ICSCR2_MSITRIM3_0 (0x1U << RCC_ICSCR2_MSITRIM3_Pos)
#define RCC_ICSCR2_MSITRIM3_1 (0x2U << RCC_ICSCR2_MSITRIM3_Pos)
#define RCC_ICSCR2_MSITRIM3_2 (0x4U << RCC_ICSCR2_MSITRIM3_Pos)
#define RCC_ICSCR2_MSITRIM3_3 (0x8U << RCC_ICSCR2_MSITRIM3_Pos)
#define RCC_ICSCR2_MSITRIM3_4 (0x10U << RCC_ICSCR2_MSITRIM3_Pos)
#define RCC_ICSCR2_MSITRIM2_Pos (5U)
#define RCC_ICSCR2_MSITRIM2_Msk (0x1FU << RCC_ICSCR2_MSITRIM2_Pos)  // 0x000003E0
#define RCC_ICSCR2_MSITRIM2 RCC_ICSCR2_MSITRIM2_Msk
#define RCC_ICSCR2_MSITRIM2_0 (0x1U << RCC_ICSCR2_MSITRIM2_Pos)
#define RCC_ICSCR2_MSITRIM2_1 (0x2U << RCC_ICSCR2_MSITRIM2_Pos)
#define RCC_ICSCR2_MSITRIM2_2 (0x4U << RCC_ICSCR2_MSITRIM2_Pos)
#define RCC_ICSCR2_MSITRIM2_3 (0x8U << RCC_ICSCR2_MSITRIM2_Pos)
#define RCC_ICSCR2_MSITRIM2_4 (0x10U << RCC_ICSCR2_MSITRIM2_Pos)
#define RCC_ICSCR2_MSITRIM1_Pos (10U)
#define RCC_ICSCR2_MSITRIM1_Msk (0x1FU << RCC_ICSCR2_MSITRIM1_Pos)  // 0x00007C00
#define RCC_ICSCR2_MSITRIM1 RCC_ICSCR2_MSITRIM1_Msk
#define RCC_ICSCR2_MSITRIM1_0 (0x1U << RCC_ICSCR2_MSITRIM1_Pos)
#define RCC_ICSCR2_MSITRIM1_1 (0x2U << RCC_ICSCR2_MSITRIM1_Pos)
#define RCC_ICSCR2_MSITRIM1_2 (0x4U << RCC_ICSCR2_MSITRIM1_Pos)
#define RCC_ICSCR2_MSITRIM1_3 (0x8U << RCC_ICSCR2_MSITRIM1_Pos)
#define RCC_ICSCR2_MSITRIM1_4 (0x10U << RCC_ICSCR2_MSITRIM1_Pos)
#define RCC_ICSCR2_MSITRIM0_Pos (15U)
#define RCC_ICSCR2_MSITRIM0_Msk (0x1FU << RCC_ICSCR2_MSITRIM0_Pos)  // 0x000F8000
#define RCC_ICSCR2_MSITRIM0 RCC_ICSCR2_MSITRIM0_Msk
#define RCC_ICSCR2_MSITRIM0_0 (0x1U << RCC_ICSCR2_MSITRIM0_Pos)
#define RCC_ICSCR2_MSITRIM0_1 (0x2U << RCC_ICSCR2_MSITRIM0_Pos)
#define RCC_ICSCR2_MSITRIM0_2 (0x4U << RCC_ICSCR2_MSITRIM0_Pos)
#define RCC_ICSCR2_MSITRIM0_3 (0x8U << RCC_ICSCR2_MSITRIM0_Pos)
#define RCC_ICSCR2_MSITRIM0_4 (0x10U << RCC_ICSCR2_MSITRIM0_Pos)

// ICSCR3
#define RCC_ICSCR3_HSICAL_Pos (0U)
#define RCC_ICSCR3_HSICAL_Msk (0xFFFU << RCC_ICSCR3_HSICAL_Pos)  // 0x00000FFF
#define RCC_ICSCR3_HSICAL RCC_ICSCR3_HSICAL_Msk
#define RCC_ICSCR3_HSITRIM_Pos (16U)
#define RCC_ICSCR3_HSITRIM_Msk (0x1FU << RCC_ICSCR3_HSITRIM_Pos)  // 0x001F0000
#define RCC_ICSCR3_HSITRIM RCC_ICSCR3_HSITRIM_Msk
#define RCC_ICSCR3_HSITRIM_0 (0x1U << RCC_ICSCR3_HSITRIM_Pos)
#define RCC_ICSCR3_HSITRIM_1 (0x2U << RCC_ICSCR3_HSITRIM_Pos)
#define RCC_ICSCR3_HSITRIM_2 (0x4U << RCC_ICSCR3_HSITRIM_Pos)
#define RCC_ICSCR3_HSITRIM_3 (0x8U << RCC_ICSCR3_HSITRIM_Pos)
#define RCC_ICSCR3_HSITRIM_4 (0x10U << RCC_ICSCR3_HSITRIM_Pos)

// CFGR1. SW/SWS: 0 MSIS, 1 HSI16, 2 HSE, 3 PLL1 R. STOPWUCK: 0 MSIS, 1 HSI16.
#define RCC_CFGR1_SW_Pos (0U)
#define RCC_CFGR1_SW_Msk (0x3U << RCC_CFGR1_SW_Pos)  // 0x00000003
#define RCC_CFGR1_SW RCC_CFGR1_SW_Msk
#define RCC_CFGR1_SW_0 (0x1U << RCC_CFGR1_SW_Pos)
#define RCC_CFGR1_SW_1 (0x2U << RCC_CFGR1_SW_Pos)
#define RCC_CFGR1_SWS_Pos (2U)
#define RCC_CFGR1_SWS_Msk (0x3U << RCC_CFGR1_SWS_Pos)  // 0x0000000C
#define RCC_CFGR1_SWS RCC_CFGR1_SWS_Msk
#define RCC_CFGR1_SWS_0 (0x1U << RCC_CFGR1_SWS_Pos)
#define RCC_CFGR1_SWS_1 (0x2U << RCC_CFGR1_SWS_Pos)
#define RCC_CFGR1_STOPWUCK_Pos (4U)
#define RCC_CFGR1_STOPWUCK_Msk (0x1U << RCC_CFGR1_STOPWUCK_Pos)  // 0x00000010
#define RCC_CFGR1_STOPWUCK RCC_CFGR1_STOPWUCK_Msk
#define RCC_CFGR1_STOPKERWUCK_Pos (5U)
#define RCC_CFGR1_STOPKERWUCK_Msk (0x1U << RCC_CFGR1_STOPKERWUCK_Pos)  // 0x00000020
#define RCC_CFGR1_STOPKERWUCK RCC_CFGR1_STOPKERWUCK_Msk
#define RCC_CFGR1_MCOSEL_Pos (24U)
#define RCC_CFGR1_MCOSEL_Msk (0xFU << RCC_CFGR1_MCOSEL_Pos)  // 0x0F000000
#define RCC_CFGR1_MCOSEL RCC_CFGR1_MCOSEL_Msk
#define RCC_CFGR1_MCOSEL_0 (0x1U << RCC_CFGR1_MCOSEL_Pos)
#define RCC_CFGR1_MCOSEL_1 (0x2U << RCC_CFGR1_MCOSEL_Pos)
#define RCC_CFGR1_MCOSEL_2 (0x4U << RCC_CFGR1_MCOSEL_Pos)
#define RCC_CFGR1_MCOSEL_3 (0x8U << RCC_CFGR1_MCOSEL_Pos)
#define RCC_CFGR1_MCOPRE_Pos (28U)
#define RCC_CFGR1_MCOPRE_Msk (0x7U << RCC_CFGR1_MCOPRE_Pos)  // 0x70000000
#define RCC_CFGR1_MCOPRE RCC_CFGR1_MCOPRE_Msk
#define RCC_CFGR1_MCOPRE_0 (0x1U << RCC_CFGR1_MCOPRE_Pos)
#define RCC_CFGR1_MCOPRE_1 (0x2U << RCC_CFGR1_MCOPRE_Pos)
#define RCC_CFGR1_MCOPRE_2 (0x4U << RCC_CFGR1_MCOPRE_Pos)

// CFGR2. HPRE: 0xxx /1, 1000 /2, 1001 /4, 1010 /8, 1011 /16, 1100 /64, 1101 /128, 1110 /256,
// 1111 /512. PPREx: 0xx /1, 100 /2, 101 /4, 110 /8, 111 /16. Bits 14..12 (a divider this part
// does not have) read 0b110 after reset: update the fields, do not compare the register.
#define RCC_CFGR2_HPRE_Pos (0U)
#define RCC_CFGR2_HPRE_Msk (0xFU << RCC_CFGR2_HPRE_Pos)  // 0x0000000F
#define RCC_CFGR2_HPRE RCC_CFGR2_HPRE_Msk
#define RCC_CFGR2_HPRE_0 (0x1U << RCC_CFGR2_HPRE_Pos)
#define RCC_CFGR2_HPRE_1 (0x2U << RCC_CFGR2_HPRE_Pos)
#define RCC_CFGR2_HPRE_2 (0x4U << RCC_CFGR2_HPRE_Pos)
#define RCC_CFGR2_HPRE_3 (0x8U << RCC_CFGR2_HPRE_Pos)
#define RCC_CFGR2_PPRE1_Pos (4U)
#define RCC_CFGR2_PPRE1_Msk (0x7U << RCC_CFGR2_PPRE1_Pos)  // 0x00000070
#define RCC_CFGR2_PPRE1 RCC_CFGR2_PPRE1_Msk
#define RCC_CFGR2_PPRE1_0 (0x1U << RCC_CFGR2_PPRE1_Pos)
#define RCC_CFGR2_PPRE1_1 (0x2U << RCC_CFGR2_PPRE1_Pos)
#define RCC_CFGR2_PPRE1_2 (0x4U << RCC_CFGR2_PPRE1_Pos)
#define RCC_CFGR2_PPRE2_Pos (8U)
#define RCC_CFGR2_PPRE2_Msk (0x7U << RCC_CFGR2_PPRE2_Pos)  // 0x00000700
#define RCC_CFGR2_PPRE2 RCC_CFGR2_PPRE2_Msk
#define RCC_CFGR2_PPRE2_0 (0x1U << RCC_CFGR2_PPRE2_Pos)
#define RCC_CFGR2_PPRE2_1 (0x2U << RCC_CFGR2_PPRE2_Pos)
#define RCC_CFGR2_PPRE2_2 (0x4U << RCC_CFGR2_PPRE2_Pos)
#define RCC_CFGR2_AHB1DIS_Pos (16U)
#define RCC_CFGR2_AHB1DIS_Msk (0x1U << RCC_CFGR2_AHB1DIS_Pos)  // 0x00010000
#define RCC_CFGR2_AHB1DIS RCC_CFGR2_AHB1DIS_Msk
#define RCC_CFGR2_AHB2DIS1_Pos (17U)
#define RCC_CFGR2_AHB2DIS1_Msk (0x1U << RCC_CFGR2_AHB2DIS1_Pos)  // 0x00020000
#define RCC_CFGR2_AHB2DIS1 RCC_CFGR2_AHB2DIS1_Msk
#define RCC_CFGR2_AHB2DIS2_Pos (18U)
#define RCC_CFGR2_AHB2DIS2_Msk (0x1U << RCC_CFGR2_AHB2DIS2_Pos)  // 0x00040000
#define RCC_CFGR2_AHB2DIS2 RCC_CFGR2_AHB2DIS2_Msk
#define RCC_CFGR2_APB1DIS_Pos (19U)
#define RCC_CFGR2_APB1DIS_Msk (0x1U << RCC_CFGR2_APB1DIS_Pos)  // 0x00080000
#define RCC_CFGR2_APB1DIS RCC_CFGR2_APB1DIS_Msk
#define RCC_CFGR2_APB2DIS_Pos (20U)
#define RCC_CFGR2_APB2DIS_Msk (0x1U << RCC_CFGR2_APB2DIS_Pos)  // 0x00100000
#define RCC_CFGR2_APB2DIS RCC_CFGR2_APB2DIS_Msk

// CFGR3
#define RCC_CFGR3_PPRE3_Pos (4U)
#define RCC_CFGR3_PPRE3_Msk (0x7U << RCC_CFGR3_PPRE3_Pos)  // 0x00000070
#define RCC_CFGR3_PPRE3 RCC_CFGR3_PPRE3_Msk
#define RCC_CFGR3_PPRE3_0 (0x1U << RCC_CFGR3_PPRE3_Pos)
#define RCC_CFGR3_PPRE3_1 (0x2U << RCC_CFGR3_PPRE3_Pos)
#define RCC_CFGR3_PPRE3_2 (0x4U << RCC_CFGR3_PPRE3_Pos)
#define RCC_CFGR3_AHB3DIS_Pos (16U)
#define RCC_CFGR3_AHB3DIS_Msk (0x1U << RCC_CFGR3_AHB3DIS_Pos)  // 0x00010000
#define RCC_CFGR3_AHB3DIS RCC_CFGR3_AHB3DIS_Msk
#define RCC_CFGR3_APB3DIS_Pos (17U)
#define RCC_CFGR3_APB3DIS_Msk (0x1U << RCC_CFGR3_APB3DIS_Pos)  // 0x00020000
#define RCC_CFGR3_APB3DIS RCC_CFGR3_APB3DIS_Msk

// PLLxCFGR. SRC: 0 none, 1 MSIS, 2 HSI16, 3 HSE. RGE: 0 input 4..8 MHz, 3 input 8..16 MHz.
// M divides by value + 1. MBOOST (PLL1 only): 0 /1, 1 /2, 2 /4, 3 /6, 4 /8 .. 8 /16.
#define RCC_PLL1CFGR_PLL1SRC_Pos (0U)
#define RCC_PLL1CFGR_PLL1SRC_Msk (0x3U << RCC_PLL1CFGR_PLL1SRC_Pos)  // 0x00000003
#define RCC_PLL1CFGR_PLL1SRC RCC_PLL1CFGR_PLL1SRC_Msk
#define RCC_PLL1CFGR_PLL1SRC_0 (0x1U << RCC_PLL1CFGR_PLL1SRC_Pos)
#define RCC_PLL1CFGR_PLL1SRC_1 (0x2U << RCC_PLL1CFGR_PLL1SRC_Pos)
#define RCC_PLL1CFGR_PLL1RGE_Pos (2U)
#define RCC_PLL1CFGR_PLL1RGE_Msk (0x3U << RCC_PLL1CFGR_PLL1RGE_Pos)  // 0x0000000C
#define RCC_PLL1CFGR_PLL1RGE RCC_PLL1CFGR_PLL1RGE_Msk
#define RCC_PLL1CFGR_PLL1RGE_0 (0x1U << RCC_PLL1CFGR_PLL1RGE_Pos)
#define RCC_PLL1CFGR_PLL1RGE_1 (0x2U << RCC_PLL1CFGR_PLL1RGE_Pos)
#define RCC_PLL1CFGR_PLL1FRACEN_Pos (4U)
#define RCC_PLL1CFGR_PLL1FRACEN_Msk (0x1U << RCC_PLL1CFGR_PLL1FRACEN_Pos)  // 0x00000010
#define RCC_PLL1CFGR_PLL1FRACEN RCC_PLL1CFGR_PLL1FRACEN_Msk
#define RCC_PLL1CFGR_PLL1M_Pos (8U)
#define RCC_PLL1CFGR_PLL1M_Msk (0xFU << RCC_PLL1CFGR_PLL1M_Pos)  // 0x00000F00
#define RCC_PLL1CFGR_PLL1M RCC_PLL1CFGR_PLL1M_Msk
#define RCC_PLL1CFGR_PLL1M_0 (0x1U << RCC_PLL1CFGR_PLL1M_Pos)
#define RCC_PLL1CFGR_PLL1M_1 (0x2U << RCC_PLL1CFGR_PLL1M_Pos)
#define RCC_PLL1CFGR_PLL1M_2 (0x4U << RCC_PLL1CFGR_PLL1M_Pos)
#define RCC_PLL1CFGR_PLL1M_3 (0x8U << RCC_PLL1CFGR_PLL1M_Pos)
#define RCC_PLL1CFGR_PLL1MBOOST_Pos (12U)
#define RCC_PLL1CFGR_PLL1MBOOST_Msk (0xFU << RCC_PLL1CFGR_PLL1MBOOST_Pos)  // 0x0000F000
#define RCC_PLL1CFGR_PLL1MBOOST RCC_PLL1CFGR_PLL1MBOOST_Msk
#define RCC_PLL1CFGR_PLL1MBOOST_0 (0x1U << RCC_PLL1CFGR_PLL1MBOOST_Pos)
#define RCC_PLL1CFGR_PLL1MBOOST_1 (0x2U << RCC_PLL1CFGR_PLL1MBOOST_Pos)
#define RCC_PLL1CFGR_PLL1MBOOST_2 (0x4U << RCC_PLL1CFGR_PLL1MBOOST_Pos)
#define RCC_PLL1CFGR_PLL1MBOOST_3 (0x8U << RCC_PLL1CFGR_PLL1MBOOST_Pos)
#define RCC_PLL1CFGR_PLL1PEN_Pos (16U)
#define RCC_PLL1CFGR_PLL1PEN_Msk (0x1U << RCC_PLL1CFGR_PLL1PEN_Pos)  // 0x00010000
#define RCC_PLL1CFGR_PLL1PEN RCC_PLL1CFGR_PLL1PEN_Msk
#define RCC_PLL1CFGR_PLL1QEN_Pos (17U)
#define RCC_PLL1CFGR_PLL1QEN_Msk (0x1U << RCC_PLL1CFGR_PLL1QEN_Pos)  // 0x00020000
#define RCC_PLL1CFGR_PLL1QEN RCC_PLL1CFGR_PLL1QEN_Msk
#define RCC_PLL1CFGR_PLL1REN_Pos (18U)
#define RCC_PLL1CFGR_PLL1REN_Msk (0x1U << RCC_PLL1CFGR_PLL1REN_Pos)  // 0x00040000
#define RCC_PLL1CFGR_PLL1REN RCC_PLL1CFGR_PLL1REN_Msk

#define RCC_PLL2CFGR_PLL2SRC_Pos (0U)
#define RCC_PLL2CFGR_PLL2SRC_Msk (0x3U << RCC_PLL2CFGR_PLL2SRC_Pos)  // 0x00000003
#define RCC_PLL2CFGR_PLL2SRC RCC_PLL2CFGR_PLL2SRC_Msk
#define RCC_PLL2CFGR_PLL2SRC_0 (0x1U << RCC_PLL2CFGR_PLL2SRC_Pos)
#define RCC_PLL2CFGR_PLL2SRC_1 (0x2U << RCC_PLL2CFGR_PLL2SRC_Pos)
#define RCC_PLL2CFGR_PLL2RGE_Pos (2U)
#define RCC_PLL2CFGR_PLL2RGE_Msk (0x3U << RCC_PLL2CFGR_PLL2RGE_Pos)  // 0x0000000C
#define RCC_PLL2CFGR_PLL2RGE RCC_PLL2CFGR_PLL2RGE_Msk
#define RCC_PLL2CFGR_PLL2RGE_0 (0x1U << RCC_PLL2CFGR_PLL2RGE_Pos)
#define RCC_PLL2CFGR_PLL2RGE_1 (0x2U << RCC_PLL2CFGR_PLL2RGE_Pos)
#define RCC_PLL2CFGR_PLL2FRACEN_Pos (4U)
#define RCC_PLL2CFGR_PLL2FRACEN_Msk (0x1U << RCC_PLL2CFGR_PLL2FRACEN_Pos)  // 0x00000010
#define RCC_PLL2CFGR_PLL2FRACEN RCC_PLL2CFGR_PLL2FRACEN_Msk
#define RCC_PLL2CFGR_PLL2M_Pos (8U)
#define RCC_PLL2CFGR_PLL2M_Msk (0xFU << RCC_PLL2CFGR_PLL2M_Pos)  // 0x00000F00
#define RCC_PLL2CFGR_PLL2M RCC_PLL2CFGR_PLL2M_Msk
#define RCC_PLL2CFGR_PLL2M_0 (0x1U << RCC_PLL2CFGR_PLL2M_Pos)
#define RCC_PLL2CFGR_PLL2M_1 (0x2U << RCC_PLL2CFGR_PLL2M_Pos)
#define RCC_PLL2CFGR_PLL2M_2 (0x4U << RCC_PLL2CFGR_PLL2M_Pos)
#define RCC_PLL2CFGR_PLL2M_3 (0x8U << RCC_PLL2CFGR_PLL2M_Pos)
#define RCC_PLL2CFGR_PLL2PEN_Pos (16U)
#define RCC_PLL2CFGR_PLL2PEN_Msk (0x1U << RCC_PLL2CFGR_PLL2PEN_Pos)  // 0x00010000
#define RCC_PLL2CFGR_PLL2PEN RCC_PLL2CFGR_PLL2PEN_Msk
#define RCC_PLL2CFGR_PLL2QEN_Pos (17U)
#define RCC_PLL2CFGR_PLL2QEN_Msk (0x1U << RCC_PLL2CFGR_PLL2QEN_Pos)  // 0x00020000
#define RCC_PLL2CFGR_PLL2QEN RCC_PLL2CFGR_PLL2QEN_Msk
#define RCC_PLL2CFGR_PLL2REN_Pos (18U)
#define RCC_PLL2CFGR_PLL2REN_Msk (0x1U << RCC_PLL2CFGR_PLL2REN_Pos)  // 0x00040000
#define RCC_PLL2CFGR_PLL2REN RCC_PLL2CFGR_PLL2REN_Msk

#define RCC_PLL3CFGR_PLL3SRC_Pos (0U)
#define RCC_PLL3CFGR_PLL3SRC_Msk (0x3U << RCC_PLL3CFGR_PLL3SRC_Pos)  // 0x00000003
#define RCC_PLL3CFGR_PLL3SRC RCC_PLL3CFGR_PLL3SRC_Msk
#define RCC_PLL3CFGR_PLL3SRC_0 (0x1U << RCC_PLL3CFGR_PLL3SRC_Pos)
#define RCC_PLL3CFGR_PLL3SRC_1 (0x2U << RCC_PLL3CFGR_PLL3SRC_Pos)
#define RCC_PLL3CFGR_PLL3RGE_Pos (2U)
#define RCC_PLL3CFGR_PLL3RGE_Msk (0x3U << RCC_PLL3CFGR_PLL3RGE_Pos)  // 0x0000000C
#define RCC_PLL3CFGR_PLL3RGE RCC_PLL3CFGR_PLL3RGE_Msk
#define RCC_PLL3CFGR_PLL3RGE_0 (0x1U << RCC_PLL3CFGR_PLL3RGE_Pos)
#define RCC_PLL3CFGR_PLL3RGE_1 (0x2U << RCC_PLL3CFGR_PLL3RGE_Pos)
#define RCC_PLL3CFGR_PLL3FRACEN_Pos (4U)
#define RCC_PLL3CFGR_PLL3FRACEN_Msk (0x1U << RCC_PLL3CFGR_PLL3FRACEN_Pos)  // 0x00000010
#define RCC_PLL3CFGR_PLL3FRACEN RCC_PLL3CFGR_PLL3FRACEN_Msk
#define RCC_PLL3CFGR_PLL3M_Pos (8U)
#define RCC_PLL3CFGR_PLL3M_Msk (0xFU << RCC_PLL3CFGR_PLL3M_Pos)  // 0x00000F00
#define RCC_PLL3CFGR_PLL3M RCC_PLL3CFGR_PLL3M_Msk
#define RCC_PLL3CFGR_PLL3M_0 (0x1U << RCC_PLL3CFGR_PLL3M_Pos)
#define RCC_PLL3CFGR_PLL3M_1 (0x2U << RCC_PLL3CFGR_PLL3M_Pos)
#define RCC_PLL3CFGR_PLL3M_2 (0x4U << RCC_PLL3CFGR_PLL3M_Pos)
#define RCC_PLL3CFGR_PLL3M_3 (0x8U << RCC_PLL3CFGR_PLL3M_Pos)
#define RCC_PLL3CFGR_PLL3PEN_Pos (16U)
#define RCC_PLL3CFGR_PLL3PEN_Msk (0x1U << RCC_PLL3CFGR_PLL3PEN_Pos)  // 0x00010000
#define RCC_PLL3CFGR_PLL3PEN RCC_PLL3CFGR_PLL3PEN_Msk
#define RCC_PLL3CFGR_PLL3QEN_Pos (17U)
#define RCC_PLL3CFGR_PLL3QEN_Msk (0x1U << RCC_PLL3CFGR_PLL3QEN_Pos)  // 0x00020000
#define RCC_PLL3CFGR_PLL3QEN RCC_PLL3CFGR_PLL3QEN_Msk
#define RCC_PLL3CFGR_PLL3REN_Pos (18U)
#define RCC_PLL3CFGR_PLL3REN_Msk (0x1U << RCC_PLL3CFGR_PLL3REN_Pos)  // 0x00040000
#define RCC_PLL3CFGR_PLL3REN RCC_PLL3CFGR_PLL3REN_Msk

// PLLxDIVR: every field holds its factor - 1 (reset N = 129, P = Q = R = 2)
#define RCC_PLL1DIVR_PLL1N_Pos (0U)
#define RCC_PLL1DIVR_PLL1N_Msk (0x1FFU << RCC_PLL1DIVR_PLL1N_Pos)  // 0x000001FF
#define RCC_PLL1DIVR_PLL1N RCC_PLL1DIVR_PLL1N_Msk
#define RCC_PLL1DIVR_PLL1N_0 (0x1U << RCC_PLL1DIVR_PLL1N_Pos)
#define RCC_PLL1DIVR_PLL1N_1 (0x2U << RCC_PLL1DIVR_PLL1N_Pos)
#define RCC_PLL1DIVR_PLL1N_2 (0x4U << RCC_PLL1DIVR_PLL1N_Pos)
#define RCC_PLL1DIVR_PLL1N_3 (0x8U << RCC_PLL1DIVR_PLL1N_Pos)
#define RCC_PLL1DIVR_PLL1N_4 (0x10U << RCC_PLL1DIVR_PLL1N_Pos)
#define RCC_PLL1DIVR_PLL1N_5 (0x20U << RCC_PLL1DIVR_PLL1N_Pos)
#define RCC_PLL1DIVR_PLL1N_6 (0x40U << RCC_PLL1DIVR_PLL1N_Pos)
#define RCC_PLL1DIVR_PLL1N_7 (0x80U << RCC_PLL1DIVR_PLL1N_Pos)
#define RCC_PLL1DIVR_PLL1N_8 (0x100U << RCC_PLL1DIVR_PLL1N_Pos)
#define RCC_PLL1DIVR_PLL1P_Pos (9U)
#define RCC_PLL1DIVR_PLL1P_Msk (0x7FU << RCC_PLL1DIVR_PLL1P_Pos)  // 0x0000FE00
#define RCC_PLL1DIVR_PLL1P RCC_PLL1DIVR_PLL1P_Msk
#define RCC_PLL1DIVR_PLL1P_0 (0x1U << RCC_PLL1DIVR_PLL1P_Pos)
#define RCC_PLL1DIVR_PLL1P_1 (0x2U << RCC_PLL1DIVR_PLL1P_Pos)
#define RCC_PLL1DIVR_PLL1P_2 (0x4U << RCC_PLL1DIVR_PLL1P_Pos)
#define RCC_PLL1DIVR_PLL1P_3 (0x8U << RCC_PLL1DIVR_PLL1P_Pos)
#define RCC_PLL1DIVR_PLL1P_4 (0x10U << RCC_PLL1DIVR_PLL1P_Pos)
#define RCC_PLL1DIVR_PLL1P_5 (0x20U << RCC_PLL1DIVR_PLL1P_Pos)
#define RCC_PLL1DIVR_PLL1P_6 (0x40U << RCC_PLL1DIVR_PLL1P_Pos)
#define RCC_PLL1DIVR_PLL1Q_Pos (16U)
#define RCC_PLL1DIVR_PLL1Q_Msk (0x7FU << RCC_PLL1DIVR_PLL1Q_Pos)  // 0x007F0000
#define RCC_PLL1DIVR_PLL1Q RCC_PLL1DIVR_PLL1Q_Msk
#define RCC_PLL1DIVR_PLL1Q_0 (0x1U << RCC_PLL1DIVR_PLL1Q_Pos)
#define RCC_PLL1DIVR_PLL1Q_1 (0x2U << RCC_PLL1DIVR_PLL1Q_Pos)
#define RCC_PLL1DIVR_PLL1Q_2 (0x4U << RCC_PLL1DIVR_PLL1Q_Pos)
#define RCC_PLL1DIVR_PLL1Q_3 (0x8U << RCC_PLL1DIVR_PLL1Q_Pos)
#define RCC_PLL1DIVR_PLL1Q_4 (0x10U << RCC_PLL1DIVR_PLL1Q_Pos)
#define RCC_PLL1DIVR_PLL1Q_5 (0x20U << RCC_PLL1DIVR_PLL1Q_Pos)
#define RCC_PLL1DIVR_PLL1Q_6 (0x40U << RCC_PLL1DIVR_PLL1Q_Pos)
#define RCC_PLL1DIVR_PLL1R_Pos (24U)
#define RCC_PLL1DIVR_PLL1R_Msk (0x7FU << RCC_PLL1DIVR_PLL1R_Pos)  // 0x7F000000
#define RCC_PLL1DIVR_PLL1R RCC_PLL1DIVR_PLL1R_Msk
#define RCC_PLL1DIVR_PLL1R_0 (0x1U << RCC_PLL1DIVR_PLL1R_Pos)
#define RCC_PLL1DIVR_PLL1R_1 (0x2U << RCC_PLL1DIVR_PLL1R_Pos)
#define RCC_PLL1DIVR_PLL1R_2 (0x4U << RCC_PLL1DIVR_PLL1R_Pos)
#define RCC_PLL1DIVR_PLL1R_3 (0x8U << RCC_PLL1DIVR_PLL1R_Pos)
#define RCC_PLL1DIVR_PLL1R_4 (0x10U << RCC_PLL1DIVR_PLL1R_Pos)
#define RCC_PLL1DIVR_PLL1R_5 (0x20U << RCC_PLL1DIVR_PLL1R_Pos)
#define RCC_PLL1DIVR_PLL1R_6 (0x40U << RCC_PLL1DIVR_PLL1R_Pos)

// PLLxFRACR: 13-bit fraction
#define RCC_PLL1FRACR_PLL1FRACN_Pos (3U)
#define RCC_PLL1FRACR_PLL1FRACN_Msk (0x1FFFU << RCC_PLL1FRACR_PLL1FRACN_Pos)  // 0x0000FFF8
#define RCC_PLL1FRACR_PLL1FRACN RCC_PLL1FRACR_PLL1FRACN_Msk

#define RCC_PLL2DIVR_PLL2N_Pos (0U)
#define RCC_PLL2DIVR_PLL2N_Msk (0x1FFU << RCC_PLL2DIVR_PLL2N_Pos)  // 0x000001FF
#define RCC_PLL2DIVR_PLL2N RCC_PLL2DIVR_PLL2N_Msk
#define RCC_PLL2DIVR_PLL2N_0 (0x1U << RCC_PLL2DIVR_PLL2N_Pos)
#define RCC_PLL2DIVR_PLL2N_1 (0x2U << RCC_PLL2DIVR_PLL2N_Pos)
#define RCC_PLL2DIVR_PLL2N_2 (0x4U << RCC_PLL2DIVR_PLL2N_Pos)
#define RCC_PLL2DIVR_PLL2N_3 (0x8U << RCC_PLL2DIVR_PLL2N_Pos)
#define RCC_PLL2DIVR_PLL2N_4 (0x10U << RCC_PLL2DIVR_PLL2N_Pos)
#define RCC_PLL2DIVR_PLL2N_5 (0x20U << RCC_PLL2DIVR_PLL2N_Pos)
#define RCC_PLL2DIVR_PLL2N_6 (0x40U << RCC_PLL2DIVR_PLL2N_Pos)
#define RCC_PLL2DIVR_PLL2N_7 (0x80U << RCC_PLL2DIVR_PLL2N_Pos)
#define RCC_PLL2DIVR_PLL2N_8 (0x100U << RCC_PLL2DIVR_PLL2N_Pos)
#define RCC_PLL2DIVR_PLL2P_Pos (9U)
#define RCC_PLL2DIVR_PLL2P_Msk (0x7FU << RCC_PLL2DIVR_PLL2P_Pos)  // 0x0000FE00
#define RCC_PLL2DIVR_PLL2P RCC_PLL2DIVR_PLL2P_Msk
#define RCC_PLL2DIVR_PLL2P_0 (0x1U << RCC_PLL2DIVR_PLL2P_Pos)
#define RCC_PLL2DIVR_PLL2P_1 (0x2U << RCC_PLL2DIVR_PLL2P_Pos)
#define RCC_PLL2DIVR_PLL2P_2 (0x4U << RCC_PLL2DIVR_PLL2P_Pos)
#define RCC_PLL2DIVR_PLL2P_3 (0x8U << RCC_PLL2DIVR_PLL2P_Pos)
#define RCC_PLL2DIVR_PLL2P_4 (0x10U << RCC_PLL2DIVR_PLL2P_Pos)
#define RCC_PLL2DIVR_PLL2P_5 (0x20U << RCC_PLL2DIVR_PLL2P_Pos)
#define RCC_PLL2DIVR_PLL2P_6 (0x40U << RCC_PLL2DIVR_PLL2P_Pos)
#define RCC_PLL2DIVR_PLL2Q_Pos (16U)
#define RCC_PLL2DIVR_PLL2Q_Msk (0x7FU << RCC_PLL2DIVR_PLL2Q_Pos)  // 0x007F0000
#define RCC_PLL2DIVR_PLL2Q RCC_PLL2DIVR_PLL2Q_Msk
#define RCC_PLL2DIVR_PLL2Q_0 (0x1U << RCC_PLL2DIVR_PLL2Q_Pos)
#define RCC_PLL2DIVR_PLL2Q_1 (0x2U << RCC_PLL2DIVR_PLL2Q_Pos)
#define RCC_PLL2DIVR_PLL2Q_2 (0x4U << RCC_PLL2DIVR_PLL2Q_Pos)
#define RCC_PLL2DIVR_PLL2Q_3 (0x8U << RCC_PLL2DIVR_PLL2Q_Pos)
#define RCC_PLL2DIVR_PLL2Q_4 (0x10U << RCC_PLL2DIVR_PLL2Q_Pos)
#define RCC_PLL2DIVR_PLL2Q_5 (0x20U << RCC_PLL2DIVR_PLL2Q_Pos)
#define RCC_PLL2DIVR_PLL2Q_6 (0x40U << RCC_PLL2DIVR_PLL2Q_Pos)
#define RCC_PLL2DIVR_PLL2R_Pos (24U)
#define RCC_PLL2DIVR_PLL2R_Msk (0x7FU << RCC_PLL2DIVR_PLL2R_Pos)  // 0x7F000000
#define RCC_PLL2DIVR_PLL2R RCC_PLL2DIVR_PLL2R_Msk
#define RCC_PLL2DIVR_PLL2R_0 (0x1U << RCC_PLL2DIVR_PLL2R_Pos)
#define RCC_PLL2DIVR_PLL2R_1 (0x2U << RCC_PLL2DIVR_PLL2R_Pos)
#define RCC_PLL2DIVR_PLL2R_2 (0x4U << RCC_PLL2DIVR_PLL2R_Pos)
#define RCC_PLL2DIVR_PLL2R_3 (0x8U << RCC_PLL2DIVR_PLL2R_Pos)
#define RCC_PLL2DIVR_PLL2R_4 (0x10U << RCC_PLL2DIVR_PLL2R_Pos)
#define RCC_PLL2DIVR_PLL2R_5 (0x20U << RCC_PLL2DIVR_PLL2R_Pos)
#define RCC_PLL2DIVR_PLL2R_6 (0x40U << RCC_PLL2DIVR_PLL2R_Pos)

#define RCC_PLL2FRACR_PLL2FRACN_Pos (3U)
#define RCC_PLL2FRACR_PLL2FRACN_Msk (0x1FFFU << RCC_PLL2FRACR_PLL2FRACN_Pos)  // 0x0000FFF8
#define RCC_PLL2FRACR_PLL2FRACN RCC_PLL2FRACR_PLL2FRACN_Msk

#define RCC_PLL3DIVR_PLL3N_Pos (0U)
#define RCC_PLL3DIVR_PLL3N_Msk (0x1FFU << RCC_PLL3DIVR_PLL3N_Pos)  // 0x000001FF
#define RCC_PLL3DIVR_PLL3N RCC_PLL3DIVR_PLL3N_Msk
#define RCC_PLL3DIVR_PLL3N_0 (0x1U << RCC_PLL3DIVR_PLL3N_Pos)
#define RCC_PLL3DIVR_PLL3N_1 (0x2U << RCC_PLL3DIVR_PLL3N_Pos)
#define RCC_PLL3DIVR_PLL3N_2 (0x4U << RCC_PLL3DIVR_PLL3N_Pos)
#define RCC_PLL3DIVR_PLL3N_3 (0x8U << RCC_PLL3DIVR_PLL3N_Pos)
#define RCC_PLL3DIVR_PLL3N_4 (0x10U << RCC_PLL3DIVR_PLL3N_Pos)
#define RCC_PLL3DIVR_PLL3N_5 (0x20U << RCC_PLL3DIVR_PLL3N_Pos)
#define RCC_PLL3DIVR_PLL3N_6 (0x40U << RCC_PLL3DIVR_PLL3N_Pos)
#define RCC_PLL3DIVR_PLL3N_7 (0x80U << RCC_PLL3DIVR_PLL3N_Pos)
#define RCC_PLL3DIVR_PLL3N_8 (0x100U << RCC_PLL3DIVR_PLL3N_Pos)
#define RCC_PLL3DIVR_PLL3P_Pos (9U)
#define RCC_PLL3DIVR_PLL3P_Msk (0x7FU << RCC_PLL3DIVR_PLL3P_Pos)  // 0x0000FE00
#define RCC_PLL3DIVR_PLL3P RCC_PLL3DIVR_PLL3P_Msk
#define RCC_PLL3DIVR_PLL3P_0 (0x1U << RCC_PLL3DIVR_PLL3P_Pos)
#define RCC_PLL3DIVR_PLL3P_1 (0x2U << RCC_PLL3DIVR_PLL3P_Pos)
#define RCC_PLL3DIVR_PLL3P_2 (0x4U << RCC_PLL3DIVR_PLL3P_Pos)
#define RCC_PLL3DIVR_PLL3P_3 (0x8U << RCC_PLL3DIVR_PLL3P_Pos)
#define RCC_PLL3DIVR_PLL3P_4 (0x10U << RCC_PLL3DIVR_PLL3P_Pos)
#define RCC_PLL3DIVR_PLL3P_5 (0x20U << RCC_PLL3DIVR_PLL3P_Pos)
#define RCC_PLL3DIVR_PLL3P_6 (0x40U << RCC_PLL3DIVR_PLL3P_Pos)
#define RCC_PLL3DIVR_PLL3Q_Pos (16U)
#define RCC_PLL3DIVR_PLL3Q_Msk (0x7FU << RCC_PLL3DIVR_PLL3Q_Pos)  // 0x007F0000
#define RCC_PLL3DIVR_PLL3Q RCC_PLL3DIVR_PLL3Q_Msk
#define RCC_PLL3DIVR_PLL3Q_0 (0x1U << RCC_PLL3DIVR_PLL3Q_Pos)
#define RCC_PLL3DIVR_PLL3Q_1 (0x2U << RCC_PLL3DIVR_PLL3Q_Pos)
#define RCC_PLL3DIVR_PLL3Q_2 (0x4U << RCC_PLL3DIVR_PLL3Q_Pos)
#define RCC_PLL3DIVR_PLL3Q_3 (0x8U << RCC_PLL3DIVR_PLL3Q_Pos)
#define RCC_PLL3DIVR_PLL3Q_4 (0x10U << RCC_PLL3DIVR_PLL3Q_Pos)
#define RCC_PLL3DIVR_PLL3Q_5 (0x20U << RCC_PLL3DIVR_PLL3Q_Pos)
#define RCC_PLL3DIVR_PLL3Q_6 (0x40U << RCC_PLL3DIVR_PLL3Q_Pos)
#define RCC_PLL3DIVR_PLL3R_Pos (24U)
#define RCC_PLL3DIVR_PLL3R_Msk (0x7FU << RCC_PLL3DIVR_PLL3R_Pos)  // 0x7F000000
#define RCC_PLL3DIVR_PLL3R RCC_PLL3DIVR_PLL3R_Msk
#define RCC_PLL3DIVR_PLL3R_0 (0x1U << RCC_PLL3DIVR_PLL3R_Pos)
#define RCC_PLL3DIVR_PLL3R_1 (0x2U << RCC_PLL3DIVR_PLL3R_Pos)
#define RCC_PLL3DIVR_PLL3R_2 (0x4U << RCC_PLL3DIVR_PLL3R_Pos)
#define RCC_PLL3DIVR_PLL3R_3 (0x8U << RCC_PLL3DIVR_PLL3R_Pos)
#define RCC_PLL3DIVR_PLL3R_4 (0x10U << RCC_PLL3DIVR_PLL3R_Pos)
#define RCC_PLL3DIVR_PLL3R_5 (0x20U << RCC_PLL3DIVR_PLL3R_Pos)
#define RCC_PLL3DIVR_PLL3R_6 (0x40U << RCC_PLL3DIVR_PLL3R_Pos)

#define RCC_PLL3FRACR_PLL3FRACN_Pos (3U)
#define RCC_PLL3FRACR_PLL3FRACN_Msk (0x1FFFU << RCC_PLL3FRACR_PLL3FRACN_Pos)  // 0x0000FFF8
#define RCC_PLL3FRACR_PLL3FRACN RCC_PLL3FRACR_PLL3FRACN_Msk

// AHB2RSTR1
#define RCC_AHB2RSTR1_GPIOARST_Pos (0U)
#define RCC_AHB2RSTR1_GPIOARST_Msk (0x1U << RCC_AHB2RSTR1_GPIOARST_Pos)  // 0x00000001
#define RCC_AHB2RSTR1_GPIOARST RCC_AHB2RSTR1_GPIOARST_Msk
#define RCC_AHB2RSTR1_GPIOBRST_Pos (1U)
#define RCC_AHB2RSTR1_GPIOBRST_Msk (0x1U << RCC_AHB2RSTR1_GPIOBRST_Pos)  // 0x00000002
#define RCC_AHB2RSTR1_GPIOBRST RCC_AHB2RSTR1_GPIOBRST_Msk
#define RCC_AHB2RSTR1_GPIOCRST_Pos (2U)
#define RCC_AHB2RSTR1_GPIOCRST_Msk (0x1U << RCC_AHB2RSTR1_GPIOCRST_Pos)  // 0x00000004
#define RCC_AHB2RSTR1_GPIOCRST RCC_AHB2RSTR1_GPIOCRST_Msk
#define RCC_AHB2RSTR1_GPIODRST_Pos (3U)
#define RCC_AHB2RSTR1_GPIODRST_Msk (0x1U << RCC_AHB2RSTR1_GPIODRST_Pos)  // 0x00000008
#define RCC_AHB2RSTR1_GPIODRST RCC_AHB2RSTR1_GPIODRST_Msk
#define RCC_AHB2RSTR1_GPIOERST_Pos (4U)
#define RCC_AHB2RSTR1_GPIOERST_Msk (0x1U << RCC_AHB2RSTR1_GPIOERST_Pos)  // 0x00000010
#define RCC_AHB2RSTR1_GPIOERST RCC_AHB2RSTR1_GPIOERST_Msk
#define RCC_AHB2RSTR1_GPIOFRST_Pos (5U)
#define RCC_AHB2RSTR1_GPIOFRST_Msk (0x1U << RCC_AHB2RSTR1_GPIOFRST_Pos)  // 0x00000020
#define RCC_AHB2RSTR1_GPIOFRST RCC_AHB2RSTR1_GPIOFRST_Msk
#define RCC_AHB2RSTR1_GPIOGRST_Pos (6U)
#define RCC_AHB2RSTR1_GPIOGRST_Msk (0x1U << RCC_AHB2RSTR1_GPIOGRST_Pos)  // 0x00000040
#define RCC_AHB2RSTR1_GPIOGRST RCC_AHB2RSTR1_GPIOGRST_Msk
#define RCC_AHB2RSTR1_GPIOHRST_Pos (7U)
#define RCC_AHB2RSTR1_GPIOHRST_Msk (0x1U << RCC_AHB2RSTR1_GPIOHRST_Pos)  // 0x00000080
#define RCC_AHB2RSTR1_GPIOHRST RCC_AHB2RSTR1_GPIOHRST_Msk
#define RCC_AHB2RSTR1_GPIOIRST_Pos (8U)
#define RCC_AHB2RSTR1_GPIOIRST_Msk (0x1U << RCC_AHB2RSTR1_GPIOIRST_Pos)  // 0x00000100
#define RCC_AHB2RSTR1_GPIOIRST RCC_AHB2RSTR1_GPIOIRST_Msk

// APB1RSTR1
#define RCC_APB1RSTR1_USART2RST_Pos (17U)
#define RCC_APB1RSTR1_USART2RST_Msk (0x1U << RCC_APB1RSTR1_USART2RST_Pos)  // 0x00020000
#define RCC_APB1RSTR1_USART2RST RCC_APB1RSTR1_USART2RST_Msk

// APB3RSTR
#define RCC_APB3RSTR_SYSCFGRST_Pos (1U)
#define RCC_APB3RSTR_SYSCFGRST_Msk (0x1U << RCC_APB3RSTR_SYSCFGRST_Pos)  // 0x00000002
#define RCC_APB3RSTR_SYSCFGRST RCC_APB3RSTR_SYSCFGRST_Msk
#define RCC_APB3RSTR_LPUART1RST_Pos (6U)
#define RCC_APB3RSTR_LPUART1RST_Msk (0x1U << RCC_APB3RSTR_LPUART1RST_Pos)  // 0x00000040
#define RCC_APB3RSTR_LPUART1RST RCC_APB3RSTR_LPUART1RST_Msk

// AHB1ENR
#define RCC_AHB1ENR_GPDMA1EN_Pos (0U)
#define RCC_AHB1ENR_GPDMA1EN_Msk (0x1U << RCC_AHB1ENR_GPDMA1EN_Pos)  // 0x00000001
#define RCC_AHB1ENR_GPDMA1EN RCC_AHB1ENR_GPDMA1EN_Msk
#define RCC_AHB1ENR_FLASHEN_Pos (8U)
#define RCC_AHB1ENR_FLASHEN_Msk (0x1U << RCC_AHB1ENR_FLASHEN_Pos)  // 0x00000100
#define RCC_AHB1ENR_FLASHEN RCC_AHB1ENR_FLASHEN_Msk
#define RCC_AHB1ENR_CRCEN_Pos (12U)
#define RCC_AHB1ENR_CRCEN_Msk (0x1U << RCC_AHB1ENR_CRCEN_Pos)  // 0x00001000
#define RCC_AHB1ENR_CRCEN RCC_AHB1ENR_CRCEN_Msk
#define RCC_AHB1ENR_BKPSRAMEN_Pos (28U)
#define RCC_AHB1ENR_BKPSRAMEN_Msk (0x1U << RCC_AHB1ENR_BKPSRAMEN_Pos)  // 0x10000000
#define RCC_AHB1ENR_BKPSRAMEN RCC_AHB1ENR_BKPSRAMEN_Msk
#define RCC_AHB1ENR_DCACHE1EN_Pos (30U)
#define RCC_AHB1ENR_DCACHE1EN_Msk (0x1U << RCC_AHB1ENR_DCACHE1EN_Pos)  // 0x40000000
#define RCC_AHB1ENR_DCACHE1EN RCC_AHB1ENR_DCACHE1EN_Msk
#define RCC_AHB1ENR_SRAM1EN_Pos (31U)
#define RCC_AHB1ENR_SRAM1EN_Msk (0x1U << RCC_AHB1ENR_SRAM1EN_Pos)  // 0x80000000
#define RCC_AHB1ENR_SRAM1EN RCC_AHB1ENR_SRAM1EN_Msk

// AHB2ENR1
#define RCC_AHB2ENR1_GPIOAEN_Pos (0U)
#define RCC_AHB2ENR1_GPIOAEN_Msk (0x1U << RCC_AHB2ENR1_GPIOAEN_Pos)  // 0x00000001
#define RCC_AHB2ENR1_GPIOAEN RCC_AHB2ENR1_GPIOAEN_Msk
#define RCC_AHB2ENR1_GPIOBEN_Pos (1U)
#define RCC_AHB2ENR1_GPIOBEN_Msk (0x1U << RCC_AHB2ENR1_GPIOBEN_Pos)  // 0x00000002
#define RCC_AHB2ENR1_GPIOBEN RCC_AHB2ENR1_GPIOBEN_Msk
#define RCC_AHB2ENR1_GPIOCEN_Pos (2U)
#define RCC_AHB2ENR1_GPIOCEN_Msk (0x1U << RCC_AHB2ENR1_GPIOCEN_Pos)  // 0x00000004
#define RCC_AHB2ENR1_GPIOCEN RCC_AHB2ENR1_GPIOCEN_Msk
#define RCC_AHB2ENR1_GPIODEN_Pos (3U)
#define RCC_AHB2ENR1_GPIODEN_Msk (0x1U << RCC_AHB2ENR1_GPIODEN_Pos)  // 0x00000008
#define RCC_AHB2ENR1_GPIODEN RCC_AHB2ENR1_GPIODEN_Msk
#define RCC_AHB2ENR1_GPIOEEN_Pos (4U)
#define RCC_AHB2ENR1_GPIOEEN_Msk (0x1U << RCC_AHB2ENR1_GPIOEEN_Pos)  // 0x00000010
#define RCC_AHB2ENR1_GPIOEEN RCC_AHB2ENR1_GPIOEEN_Msk
#define RCC_AHB2ENR1_GPIOFEN_Pos (5U)
#define RCC_AHB2ENR1_GPIOFEN_Msk (0x1U << RCC_AHB2ENR1_GPIOFEN_Pos)  // 0x00000020
#define RCC_AHB2ENR1_GPIOFEN RCC_AHB2ENR1_GPIOFEN_Msk
#define RCC_AHB2ENR1_GPIOGEN_Pos (6U)
#define RCC_AHB2ENR1_GPIOGEN_Msk (0x1U << RCC_AHB2ENR1_GPIOGEN_Pos)  // 0x00000040
#define RCC_AHB2ENR1_GPIOGEN RCC_AHB2ENR1_GPIOGEN_Msk
#define RCC_AHB2ENR1_GPIOHEN_Pos (7U)
#define RCC_AHB2ENR1_GPIOHEN_Msk (0x1U << RCC_AHB2ENR1_GPIOHEN_Pos)  // 0x00000080
#define RCC_AHB2ENR1_GPIOHEN RCC_AHB2ENR1_GPIOHEN_Msk
#define RCC_AHB2ENR1_GPIOIEN_Pos (8U)
#define RCC_AHB2ENR1_GPIOIEN_Msk (0x1U << RCC_AHB2ENR1_GPIOIEN_Pos)  // 0x00000100
#define RCC_AHB2ENR1_GPIOIEN RCC_AHB2ENR1_GPIOIEN_Msk
#define RCC_AHB2ENR1_SRAM2EN_Pos (30U)
#define RCC_AHB2ENR1_SRAM2EN_Msk (0x1U << RCC_AHB2ENR1_SRAM2EN_Pos)  // 0x40000000
#define RCC_AHB2ENR1_SRAM2EN RCC_AHB2ENR1_SRAM2EN_Msk
#define RCC_AHB2ENR1_SRAM3EN_Pos (31U)
#define RCC_AHB2ENR1_SRAM3EN_Msk (0x1U << RCC_AHB2ENR1_SRAM3EN_Pos)  // 0x80000000
#define RCC_AHB2ENR1_SRAM3EN RCC_AHB2ENR1_SRAM3EN_Msk

// AHB3ENR
#define RCC_AHB3ENR_LPGPIO1EN_Pos (0U)
#define RCC_AHB3ENR_LPGPIO1EN_Msk (0x1U << RCC_AHB3ENR_LPGPIO1EN_Pos)  // 0x00000001
#define RCC_AHB3ENR_LPGPIO1EN RCC_AHB3ENR_LPGPIO1EN_Msk
#define RCC_AHB3ENR_PWREN_Pos (2U)
#define RCC_AHB3ENR_PWREN_Msk (0x1U << RCC_AHB3ENR_PWREN_Pos)  // 0x00000004
#define RCC_AHB3ENR_PWREN RCC_AHB3ENR_PWREN_Msk
#define RCC_AHB3ENR_ADC4EN_Pos (5U)
#define RCC_AHB3ENR_ADC4EN_Msk (0x1U << RCC_AHB3ENR_ADC4EN_Pos)  // 0x00000020
#define RCC_AHB3ENR_ADC4EN RCC_AHB3ENR_ADC4EN_Msk
#define RCC_AHB3ENR_DAC1EN_Pos (6U)
#define RCC_AHB3ENR_DAC1EN_Msk (0x1U << RCC_AHB3ENR_DAC1EN_Pos)  // 0x00000040
#define RCC_AHB3ENR_DAC1EN RCC_AHB3ENR_DAC1EN_Msk
#define RCC_AHB3ENR_LPDMA1EN_Pos (9U)
#define RCC_AHB3ENR_LPDMA1EN_Msk (0x1U << RCC_AHB3ENR_LPDMA1EN_Pos)  // 0x00000200
#define RCC_AHB3ENR_LPDMA1EN RCC_AHB3ENR_LPDMA1EN_Msk
#define RCC_AHB3ENR_ADF1EN_Pos (10U)
#define RCC_AHB3ENR_ADF1EN_Msk (0x1U << RCC_AHB3ENR_ADF1EN_Pos)  // 0x00000400
#define RCC_AHB3ENR_ADF1EN RCC_AHB3ENR_ADF1EN_Msk
#define RCC_AHB3ENR_GTZC2EN_Pos (12U)
#define RCC_AHB3ENR_GTZC2EN_Msk (0x1U << RCC_AHB3ENR_GTZC2EN_Pos)  // 0x00001000
#define RCC_AHB3ENR_GTZC2EN RCC_AHB3ENR_GTZC2EN_Msk
#define RCC_AHB3ENR_SRAM4EN_Pos (31U)
#define RCC_AHB3ENR_SRAM4EN_Msk (0x1U << RCC_AHB3ENR_SRAM4EN_Pos)  // 0x80000000
#define RCC_AHB3ENR_SRAM4EN RCC_AHB3ENR_SRAM4EN_Msk

// APB1ENR1
#define RCC_APB1ENR1_TIM2EN_Pos (0U)
#define RCC_APB1ENR1_TIM2EN_Msk (0x1U << RCC_APB1ENR1_TIM2EN_Pos)  // 0x00000001
#define RCC_APB1ENR1_TIM2EN RCC_APB1ENR1_TIM2EN_Msk
#define RCC_APB1ENR1_TIM3EN_Pos (1U)
#define RCC_APB1ENR1_TIM3EN_Msk (0x1U << RCC_APB1ENR1_TIM3EN_Pos)  // 0x00000002
#define RCC_APB1ENR1_TIM3EN RCC_APB1ENR1_TIM3EN_Msk
#define RCC_APB1ENR1_TIM4EN_Pos (2U)
#define RCC_APB1ENR1_TIM4EN_Msk (0x1U << RCC_APB1ENR1_TIM4EN_Pos)  // 0x00000004
#define RCC_APB1ENR1_TIM4EN RCC_APB1ENR1_TIM4EN_Msk
#define RCC_APB1ENR1_TIM5EN_Pos (3U)
#define RCC_APB1ENR1_TIM5EN_Msk (0x1U << RCC_APB1ENR1_TIM5EN_Pos)  // 0x00000008
#define RCC_APB1ENR1_TIM5EN RCC_APB1ENR1_TIM5EN_Msk
#define RCC_APB1ENR1_TIM6EN_Pos (4U)
#define RCC_APB1ENR1_TIM6EN_Msk (0x1U << RCC_APB1ENR1_TIM6EN_Pos)  // 0x00000010
#define RCC_APB1ENR1_TIM6EN RCC_APB1ENR1_TIM6EN_Msk
#define RCC_APB1ENR1_TIM7EN_Pos (5U)
#define RCC_APB1ENR1_TIM7EN_Msk (0x1U << RCC_APB1ENR1_TIM7EN_Pos)  // 0x00000020
#define RCC_APB1ENR1_TIM7EN RCC_APB1ENR1_TIM7EN_Msk
#define RCC_APB1ENR1_WWDGEN_Pos (11U)
#define RCC_APB1ENR1_WWDGEN_Msk (0x1U << RCC_APB1ENR1_WWDGEN_Pos)  // 0x00000800
#define RCC_APB1ENR1_WWDGEN RCC_APB1ENR1_WWDGEN_Msk
#define RCC_APB1ENR1_SPI2EN_Pos (14U)
#define RCC_APB1ENR1_SPI2EN_Msk (0x1U << RCC_APB1ENR1_SPI2EN_Pos)  // 0x00004000
#define RCC_APB1ENR1_SPI2EN RCC_APB1ENR1_SPI2EN_Msk
#define RCC_APB1ENR1_USART2EN_Pos (17U)
#define RCC_APB1ENR1_USART2EN_Msk (0x1U << RCC_APB1ENR1_USART2EN_Pos)  // 0x00020000
#define RCC_APB1ENR1_USART2EN RCC_APB1ENR1_USART2EN_Msk
#define RCC_APB1ENR1_USART3EN_Pos (18U)
#define RCC_APB1ENR1_USART3EN_Msk (0x1U << RCC_APB1ENR1_USART3EN_Pos)  // 0x00040000
#define RCC_APB1ENR1_USART3EN RCC_APB1ENR1_USART3EN_Msk
#define RCC_APB1ENR1_UART4EN_Pos (19U)
#define RCC_APB1ENR1_UART4EN_Msk (0x1U << RCC_APB1ENR1_UART4EN_Pos)  // 0x00080000
#define RCC_APB1ENR1_UART4EN RCC_APB1ENR1_UART4EN_Msk
#define RCC_APB1ENR1_UART5EN_Pos (20U)
#define RCC_APB1ENR1_UART5EN_Msk (0x1U << RCC_APB1ENR1_UART5EN_Pos)  // 0x00100000
#define RCC_APB1ENR1_UART5EN RCC_APB1ENR1_UART5EN_Msk
#define RCC_APB1ENR1_I2C1EN_Pos (21U)
#define RCC_APB1ENR1_I2C1EN_Msk (0x1U << RCC_APB1ENR1_I2C1EN_Pos)  // 0x00200000
#define RCC_APB1ENR1_I2C1EN RCC_APB1ENR1_I2C1EN_Msk
#define RCC_APB1ENR1_I2C2EN_Pos (22U)
#define RCC_APB1ENR1_I2C2EN_Msk (0x1U << RCC_APB1ENR1_I2C2EN_Pos)  // 0x00400000
#define RCC_APB1ENR1_I2C2EN RCC_APB1ENR1_I2C2EN_Msk
#define RCC_APB1ENR1_CRSEN_Pos (24U)
#define RCC_APB1ENR1_CRSEN_Msk (0x1U << RCC_APB1ENR1_CRSEN_Pos)  // 0x01000000
#define RCC_APB1ENR1_CRSEN RCC_APB1ENR1_CRSEN_Msk

// APB3ENR
#define RCC_APB3ENR_SYSCFGEN_Pos (1U)
#define RCC_APB3ENR_SYSCFGEN_Msk (0x1U << RCC_APB3ENR_SYSCFGEN_Pos)  // 0x00000002
#define RCC_APB3ENR_SYSCFGEN RCC_APB3ENR_SYSCFGEN_Msk
#define RCC_APB3ENR_LPUART1EN_Pos (6U)
#define RCC_APB3ENR_LPUART1EN_Msk (0x1U << RCC_APB3ENR_LPUART1EN_Pos)  // 0x00000040
#define RCC_APB3ENR_LPUART1EN RCC_APB3ENR_LPUART1EN_Msk

// CCIPR1. USART1SEL: 0 PCLK2, 1 SYSCLK, 2 HSI16, 3 LSE. USART2SEL..UART5SEL: 0 PCLK1, 1 SYSCLK,
// 2 HSI16, 3 LSE. SYSTICKSEL: 0 HCLK/8, 1 LSI, 2 LSE. FDCANSEL selects the FDCAN1 clock.
#define RCC_CCIPR1_USART1SEL_Pos (0U)
#define RCC_CCIPR1_USART1SEL_Msk (0x3U << RCC_CCIPR1_USART1SEL_Pos)  // 0x00000003
#define RCC_CCIPR1_USART1SEL RCC_CCIPR1_USART1SEL_Msk
#define RCC_CCIPR1_USART1SEL_0 (0x1U << RCC_CCIPR1_USART1SEL_Pos)
#define RCC_CCIPR1_USART1SEL_1 (0x2U << RCC_CCIPR1_USART1SEL_Pos)
#define RCC_CCIPR1_USART2SEL_Pos (2U)
#define RCC_CCIPR1_USART2SEL_Msk (0x3U << RCC_CCIPR1_USART2SEL_Pos)  // 0x0000000C
#define RCC_CCIPR1_USART2SEL RCC_CCIPR1_USART2SEL_Msk
#define RCC_CCIPR1_USART2SEL_0 (0x1U << RCC_CCIPR1_USART2SEL_Pos)
#define RCC_CCIPR1_USART2SEL_1 (0x2U << RCC_CCIPR1_USART2SEL_Pos)
#define RCC_CCIPR1_USART3SEL_Pos (4U)
#define RCC_CCIPR1_USART3SEL_Msk (0x3U << RCC_CCIPR1_USART3SEL_Pos)  // 0x00000030
#define RCC_CCIPR1_USART3SEL RCC_CCIPR1_USART3SEL_Msk
#define RCC_CCIPR1_USART3SEL_0 (0x1U << RCC_CCIPR1_USART3SEL_Pos)
#define RCC_CCIPR1_USART3SEL_1 (0x2U << RCC_CCIPR1_USART3SEL_Pos)
#define RCC_CCIPR1_UART4SEL_Pos (6U)
#define RCC_CCIPR1_UART4SEL_Msk (0x3U << RCC_CCIPR1_UART4SEL_Pos)  // 0x000000C0
#define RCC_CCIPR1_UART4SEL RCC_CCIPR1_UART4SEL_Msk
#define RCC_CCIPR1_UART4SEL_0 (0x1U << RCC_CCIPR1_UART4SEL_Pos)
#define RCC_CCIPR1_UART4SEL_1 (0x2U << RCC_CCIPR1_UART4SEL_Pos)
#define RCC_CCIPR1_UART5SEL_Pos (8U)
#define RCC_CCIPR1_UART5SEL_Msk (0x3U << RCC_CCIPR1_UART5SEL_Pos)  // 0x00000300
#define RCC_CCIPR1_UART5SEL RCC_CCIPR1_UART5SEL_Msk
#define RCC_CCIPR1_UART5SEL_0 (0x1U << RCC_CCIPR1_UART5SEL_Pos)
#define RCC_CCIPR1_UART5SEL_1 (0x2U << RCC_CCIPR1_UART5SEL_Pos)
#define RCC_CCIPR1_I2C1SEL_Pos (10U)
#define RCC_CCIPR1_I2C1SEL_Msk (0x3U << RCC_CCIPR1_I2C1SEL_Pos)  // 0x00000C00
#define RCC_CCIPR1_I2C1SEL RCC_CCIPR1_I2C1SEL_Msk
#define RCC_CCIPR1_I2C1SEL_0 (0x1U << RCC_CCIPR1_I2C1SEL_Pos)
#define RCC_CCIPR1_I2C1SEL_1 (0x2U << RCC_CCIPR1_I2C1SEL_Pos)
#define RCC_CCIPR1_I2C2SEL_Pos (12U)
#define RCC_CCIPR1_I2C2SEL_Msk (0x3U << RCC_CCIPR1_I2C2SEL_Pos)  // 0x00003000
#define RCC_CCIPR1_I2C2SEL RCC_CCIPR1_I2C2SEL_Msk
#define RCC_CCIPR1_I2C2SEL_0 (0x1U << RCC_CCIPR1_I2C2SEL_Pos)
#define RCC_CCIPR1_I2C2SEL_1 (0x2U << RCC_CCIPR1_I2C2SEL_Pos)
#define RCC_CCIPR1_I2C4SEL_Pos (14U)
#define RCC_CCIPR1_I2C4SEL_Msk (0x3U << RCC_CCIPR1_I2C4SEL_Pos)  // 0x0000C000
#define RCC_CCIPR1_I2C4SEL RCC_CCIPR1_I2C4SEL_Msk
#define RCC_CCIPR1_I2C4SEL_0 (0x1U << RCC_CCIPR1_I2C4SEL_Pos)
#define RCC_CCIPR1_I2C4SEL_1 (0x2U << RCC_CCIPR1_I2C4SEL_Pos)
#define RCC_CCIPR1_SPI2SEL_Pos (16U)
#define RCC_CCIPR1_SPI2SEL_Msk (0x3U << RCC_CCIPR1_SPI2SEL_Pos)  // 0x00030000
#define RCC_CCIPR1_SPI2SEL RCC_CCIPR1_SPI2SEL_Msk
#define RCC_CCIPR1_SPI2SEL_0 (0x1U << RCC_CCIPR1_SPI2SEL_Pos)
#define RCC_CCIPR1_SPI2SEL_1 (0x2U << RCC_CCIPR1_SPI2SEL_Pos)
#define RCC_CCIPR1_LPTIM2SEL_Pos (18U)
#define RCC_CCIPR1_LPTIM2SEL_Msk (0x3U << RCC_CCIPR1_LPTIM2SEL_Pos)  // 0x000C0000
#define RCC_CCIPR1_LPTIM2SEL RCC_CCIPR1_LPTIM2SEL_Msk
#define RCC_CCIPR1_LPTIM2SEL_0 (0x1U << RCC_CCIPR1_LPTIM2SEL_Pos)
#define RCC_CCIPR1_LPTIM2SEL_1 (0x2U << RCC_CCIPR1_LPTIM2SEL_Pos)
#define RCC_CCIPR1_SPI1SEL_Pos (20U)
#define RCC_CCIPR1_SPI1SEL_Msk (0x3U << RCC_CCIPR1_SPI1SEL_Pos)  // 0x00300000
#define RCC_CCIPR1_SPI1SEL RCC_CCIPR1_SPI1SEL_Msk
#define RCC_CCIPR1_SPI1SEL_0 (0x1U << RCC_CCIPR1_SPI1SEL_Pos)
#define RCC_CCIPR1_SPI1SEL_1 (0x2U << RCC_CCIPR1_SPI1SEL_Pos)
#define RCC_CCIPR1_SYSTICKSEL_Pos (22U)
#define RCC_CCIPR1_SYSTICKSEL_Msk (0x3U << RCC_CCIPR1_SYSTICKSEL_Pos)  // 0x00C00000
#define RCC_CCIPR1_SYSTICKSEL RCC_CCIPR1_SYSTICKSEL_Msk
#define RCC_CCIPR1_SYSTICKSEL_0 (0x1U << RCC_CCIPR1_SYSTICKSEL_Pos)
#define RCC_CCIPR1_SYSTICKSEL_1 (0x2U << RCC_CCIPR1_SYSTICKSEL_Pos)
#define RCC_CCIPR1_FDCANSEL_Pos (24U)
#define RCC_CCIPR1_FDCANSEL_Msk (0x3U << RCC_CCIPR1_FDCANSEL_Pos)  // 0x03000000
#define RCC_CCIPR1_FDCANSEL RCC_CCIPR1_FDCANSEL_Msk
#define RCC_CCIPR1_FDCANSEL_0 (0x1U << RCC_CCIPR1_FDCANSEL_Pos)
#define RCC_CCIPR1_FDCANSEL_1 (0x2U << RCC_CCIPR1_FDCANSEL_Pos)
#define RCC_CCIPR1_ICLKSEL_Pos (26U)
#define RCC_CCIPR1_ICLKSEL_Msk (0x3U << RCC_CCIPR1_ICLKSEL_Pos)  // 0x0C000000
#define RCC_CCIPR1_ICLKSEL RCC_CCIPR1_ICLKSEL_Msk
#define RCC_CCIPR1_ICLKSEL_0 (0x1U << RCC_CCIPR1_ICLKSEL_Pos)
#define RCC_CCIPR1_ICLKSEL_1 (0x2U << RCC_CCIPR1_ICLKSEL_Pos)
#define RCC_CCIPR1_TIMICSEL_Pos (29U)
#define RCC_CCIPR1_TIMICSEL_Msk (0x7U << RCC_CCIPR1_TIMICSEL_Pos)  // 0xE0000000
#define RCC_CCIPR1_TIMICSEL RCC_CCIPR1_TIMICSEL_Msk
#define RCC_CCIPR1_TIMICSEL_0 (0x1U << RCC_CCIPR1_TIMICSEL_Pos)
#define RCC_CCIPR1_TIMICSEL_1 (0x2U << RCC_CCIPR1_TIMICSEL_Pos)
#define RCC_CCIPR1_TIMICSEL_2 (0x4U << RCC_CCIPR1_TIMICSEL_Pos)

// CCIPR2
#define RCC_CCIPR2_MDF1SEL_Pos (0U)
#define RCC_CCIPR2_MDF1SEL_Msk (0x7U << RCC_CCIPR2_MDF1SEL_Pos)  // 0x00000007
#define RCC_CCIPR2_MDF1SEL RCC_CCIPR2_MDF1SEL_Msk
#define RCC_CCIPR2_MDF1SEL_0 (0x1U << RCC_CCIPR2_MDF1SEL_Pos)
#define RCC_CCIPR2_MDF1SEL_1 (0x2U << RCC_CCIPR2_MDF1SEL_Pos)
#define RCC_CCIPR2_MDF1SEL_2 (0x4U << RCC_CCIPR2_MDF1SEL_Pos)
#define RCC_CCIPR2_SAI1SEL_Pos (5U)
#define RCC_CCIPR2_SAI1SEL_Msk (0x7U << RCC_CCIPR2_SAI1SEL_Pos)  // 0x000000E0
#define RCC_CCIPR2_SAI1SEL RCC_CCIPR2_SAI1SEL_Msk
#define RCC_CCIPR2_SAI1SEL_0 (0x1U << RCC_CCIPR2_SAI1SEL_Pos)
#define RCC_CCIPR2_SAI1SEL_1 (0x2U << RCC_CCIPR2_SAI1SEL_Pos)
#define RCC_CCIPR2_SAI1SEL_2 (0x4U << RCC_CCIPR2_SAI1SEL_Pos)
#define RCC_CCIPR2_SAI2SEL_Pos (8U)
#define RCC_CCIPR2_SAI2SEL_Msk (0x7U << RCC_CCIPR2_SAI2SEL_Pos)  // 0x00000700
#define RCC_CCIPR2_SAI2SEL RCC_CCIPR2_SAI2SEL_Msk
#define RCC_CCIPR2_SAI2SEL_0 (0x1U << RCC_CCIPR2_SAI2SEL_Pos)
#define RCC_CCIPR2_SAI2SEL_1 (0x2U << RCC_CCIPR2_SAI2SEL_Pos)
#define RCC_CCIPR2_SAI2SEL_2 (0x4U << RCC_CCIPR2_SAI2SEL_Pos)
#define RCC_CCIPR2_SAESSEL_Pos (11U)
#define RCC_CCIPR2_SAESSEL_Msk (0x1U << RCC_CCIPR2_SAESSEL_Pos)  // 0x00000800
#define RCC_CCIPR2_SAESSEL RCC_CCIPR2_SAESSEL_Msk
#define RCC_CCIPR2_RNGSEL_Pos (12U)
#define RCC_CCIPR2_RNGSEL_Msk (0x3U << RCC_CCIPR2_RNGSEL_Pos)  // 0x00003000
#define RCC_CCIPR2_RNGSEL RCC_CCIPR2_RNGSEL_Msk
#define RCC_CCIPR2_RNGSEL_0 (0x1U << RCC_CCIPR2_RNGSEL_Pos)
#define RCC_CCIPR2_RNGSEL_1 (0x2U << RCC_CCIPR2_RNGSEL_Pos)
#define RCC_CCIPR2_SDMMCSEL_Pos (14U)
#define RCC_CCIPR2_SDMMCSEL_Msk (0x1U << RCC_CCIPR2_SDMMCSEL_Pos)  // 0x00004000
#define RCC_CCIPR2_SDMMCSEL RCC_CCIPR2_SDMMCSEL_Msk
#define RCC_CCIPR2_OCTOSPISEL_Pos (20U)
#define RCC_CCIPR2_OCTOSPISEL_Msk (0x3U << RCC_CCIPR2_OCTOSPISEL_Pos)  // 0x00300000
#define RCC_CCIPR2_OCTOSPISEL RCC_CCIPR2_OCTOSPISEL_Msk
#define RCC_CCIPR2_OCTOSPISEL_0 (0x1U << RCC_CCIPR2_OCTOSPISEL_Pos)
#define RCC_CCIPR2_OCTOSPISEL_1 (0x2U << RCC_CCIPR2_OCTOSPISEL_Pos)

// CCIPR3. LPUART1SEL: 0 PCLK3, 1 SYSCLK, 2 HSI16, 3 LSE, 4 MSIK.
#define RCC_CCIPR3_LPUART1SEL_Pos (0U)
#define RCC_CCIPR3_LPUART1SEL_Msk (0x7U << RCC_CCIPR3_LPUART1SEL_Pos)  // 0x00000007
#define RCC_CCIPR3_LPUART1SEL RCC_CCIPR3_LPUART1SEL_Msk
#define RCC_CCIPR3_LPUART1SEL_0 (0x1U << RCC_CCIPR3_LPUART1SEL_Pos)
#define RCC_CCIPR3_LPUART1SEL_1 (0x2U << RCC_CCIPR3_LPUART1SEL_Pos)
#define RCC_CCIPR3_LPUART1SEL_2 (0x4U << RCC_CCIPR3_LPUART1SEL_Pos)
#define RCC_CCIPR3_SPI3SEL_Pos (3U)
#define RCC_CCIPR3_SPI3SEL_Msk (0x3U << RCC_CCIPR3_SPI3SEL_Pos)  // 0x00000018
#define RCC_CCIPR3_SPI3SEL RCC_CCIPR3_SPI3SEL_Msk
#define RCC_CCIPR3_SPI3SEL_0 (0x1U << RCC_CCIPR3_SPI3SEL_Pos)
#define RCC_CCIPR3_SPI3SEL_1 (0x2U << RCC_CCIPR3_SPI3SEL_Pos)
#define RCC_CCIPR3_I2C3SEL_Pos (6U)
#define RCC_CCIPR3_I2C3SEL_Msk (0x3U << RCC_CCIPR3_I2C3SEL_Pos)  // 0x000000C0
#define RCC_CCIPR3_I2C3SEL RCC_CCIPR3_I2C3SEL_Msk
#define RCC_CCIPR3_I2C3SEL_0 (0x1U << RCC_CCIPR3_I2C3SEL_Pos)
#define RCC_CCIPR3_I2C3SEL_1 (0x2U << RCC_CCIPR3_I2C3SEL_Pos)
#define RCC_CCIPR3_LPTIM34SEL_Pos (8U)
#define RCC_CCIPR3_LPTIM34SEL_Msk (0x3U << RCC_CCIPR3_LPTIM34SEL_Pos)  // 0x00000300
#define RCC_CCIPR3_LPTIM34SEL RCC_CCIPR3_LPTIM34SEL_Msk
#define RCC_CCIPR3_LPTIM34SEL_0 (0x1U << RCC_CCIPR3_LPTIM34SEL_Pos)
#define RCC_CCIPR3_LPTIM34SEL_1 (0x2U << RCC_CCIPR3_LPTIM34SEL_Pos)
#define RCC_CCIPR3_LPTIM1SEL_Pos (10U)
#define RCC_CCIPR3_LPTIM1SEL_Msk (0x3U << RCC_CCIPR3_LPTIM1SEL_Pos)  // 0x00000C00
#define RCC_CCIPR3_LPTIM1SEL RCC_CCIPR3_LPTIM1SEL_Msk
#define RCC_CCIPR3_LPTIM1SEL_0 (0x1U << RCC_CCIPR3_LPTIM1SEL_Pos)
#define RCC_CCIPR3_LPTIM1SEL_1 (0x2U << RCC_CCIPR3_LPTIM1SEL_Pos)
#define RCC_CCIPR3_ADCDACSEL_Pos (12U)
#define RCC_CCIPR3_ADCDACSEL_Msk (0x7U << RCC_CCIPR3_ADCDACSEL_Pos)  // 0x00007000
#define RCC_CCIPR3_ADCDACSEL RCC_CCIPR3_ADCDACSEL_Msk
#define RCC_CCIPR3_ADCDACSEL_0 (0x1U << RCC_CCIPR3_ADCDACSEL_Pos)
#define RCC_CCIPR3_ADCDACSEL_1 (0x2U << RCC_CCIPR3_ADCDACSEL_Pos)
#define RCC_CCIPR3_ADCDACSEL_2 (0x4U << RCC_CCIPR3_ADCDACSEL_Pos)
#define RCC_CCIPR3_DAC1SEL_Pos (15U)
#define RCC_CCIPR3_DAC1SEL_Msk (0x1U << RCC_CCIPR3_DAC1SEL_Pos)  // 0x00008000
#define RCC_CCIPR3_DAC1SEL RCC_CCIPR3_DAC1SEL_Msk
#define RCC_CCIPR3_ADF1SEL_Pos (16U)
#define RCC_CCIPR3_ADF1SEL_Msk (0x7U << RCC_CCIPR3_ADF1SEL_Pos)  // 0x00070000
#define RCC_CCIPR3_ADF1SEL RCC_CCIPR3_ADF1SEL_Msk
#define RCC_CCIPR3_ADF1SEL_0 (0x1U << RCC_CCIPR3_ADF1SEL_Pos)
#define RCC_CCIPR3_ADF1SEL_1 (0x2U << RCC_CCIPR3_ADF1SEL_Pos)
#define RCC_CCIPR3_ADF1SEL_2 (0x4U << RCC_CCIPR3_ADF1SEL_Pos)

// BDCR (backup domain). RTCSEL: 0 none, 1 LSE, 2 LSI, 3 HSE.
#define RCC_BDCR_LSEON_Pos (0U)
#define RCC_BDCR_LSEON_Msk (0x1U << RCC_BDCR_LSEON_Pos)  // 0x00000001
#define RCC_BDCR_LSEON RCC_BDCR_LSEON_Msk
#define RCC_BDCR_LSERDY_Pos (1U)
#define RCC_BDCR_LSERDY_Msk (0x1U << RCC_BDCR_LSERDY_Pos)  // 0x00000002
#define RCC_BDCR_LSERDY RCC_BDCR_LSERDY_Msk
#define RCC_BDCR_LSEBYP_Pos (2U)
#define RCC_BDCR_LSEBYP_Msk (0x1U << RCC_BDCR_LSEBYP_Pos)  // 0x00000004
#define RCC_BDCR_LSEBYP RCC_BDCR_LSEBYP_Msk
#define RCC_BDCR_LSEDRV_Pos (3U)
#define RCC_BDCR_LSEDRV_Msk (0x3U << RCC_BDCR_LSEDRV_Pos)  // 0x00000018
#define RCC_BDCR_LSEDRV RCC_BDCR_LSEDRV_Msk
#define RCC_BDCR_LSEDRV_0 (0x1U << RCC_BDCR_LSEDRV_Pos)
#define RCC_BDCR_LSEDRV_1 (0x2U << RCC_BDCR_LSEDRV_Pos)
#define RCC_BDCR_LSECSSON_Pos (5U)
#define RCC_BDCR_LSECSSON_Msk (0x1U << RCC_BDCR_LSECSSON_Pos)  // 0x00000020
#define RCC_BDCR_LSECSSON RCC_BDCR_LSECSSON_Msk
#define RCC_BDCR_LSECSSD_Pos (6U)
#define RCC_BDCR_LSECSSD_Msk (0x1U << RCC_BDCR_LSECSSD_Pos)  // 0x00000040
#define RCC_BDCR_LSECSSD RCC_BDCR_LSECSSD_Msk
#define RCC_BDCR_LSESYSEN_Pos (7U)
#define RCC_BDCR_LSESYSEN_Msk (0x1U << RCC_BDCR_LSESYSEN_Pos)  // 0x00000080
#define RCC_BDCR_LSESYSEN RCC_BDCR_LSESYSEN_Msk
#define RCC_BDCR_RTCSEL_Pos (8U)
#define RCC_BDCR_RTCSEL_Msk (0x3U << RCC_BDCR_RTCSEL_Pos)  // 0x00000300
#define RCC_BDCR_RTCSEL RCC_BDCR_RTCSEL_Msk
#define RCC_BDCR_RTCSEL_0 (0x1U << RCC_BDCR_RTCSEL_Pos)
#define RCC_BDCR_RTCSEL_1 (0x2U << RCC_BDCR_RTCSEL_Pos)
#define RCC_BDCR_LSESYSRDY_Pos (11U)
#define RCC_BDCR_LSESYSRDY_Msk (0x1U << RCC_BDCR_LSESYSRDY_Pos)  // 0x00000800
#define RCC_BDCR_LSESYSRDY RCC_BDCR_LSESYSRDY_Msk
#define RCC_BDCR_LSEGFON_Pos (12U)
#define RCC_BDCR_LSEGFON_Msk (0x1U << RCC_BDCR_LSEGFON_Pos)  // 0x00001000
#define RCC_BDCR_LSEGFON RCC_BDCR_LSEGFON_Msk
#define RCC_BDCR_RTCEN_Pos (15U)
#define RCC_BDCR_RTCEN_Msk (0x1U << RCC_BDCR_RTCEN_Pos)  // 0x00008000
#define RCC_BDCR_RTCEN RCC_BDCR_RTCEN_Msk
#define RCC_BDCR_BDRST_Pos (16U)
#define RCC_BDCR_BDRST_Msk (0x1U << RCC_BDCR_BDRST_Pos)  // 0x00010000
#define RCC_BDCR_BDRST RCC_BDCR_BDRST_Msk
#define RCC_BDCR_LSCOEN_Pos (24U)
#define RCC_BDCR_LSCOEN_Msk (0x1U << RCC_BDCR_LSCOEN_Pos)  // 0x01000000
#define RCC_BDCR_LSCOEN RCC_BDCR_LSCOEN_Msk
#define RCC_BDCR_LSCOSEL_Pos (25U)
#define RCC_BDCR_LSCOSEL_Msk (0x1U << RCC_BDCR_LSCOSEL_Pos)  // 0x02000000
#define RCC_BDCR_LSCOSEL RCC_BDCR_LSCOSEL_Msk
#define RCC_BDCR_LSION_Pos (26U)
#define RCC_BDCR_LSION_Msk (0x1U << RCC_BDCR_LSION_Pos)  // 0x04000000
#define RCC_BDCR_LSION RCC_BDCR_LSION_Msk
#define RCC_BDCR_LSIRDY_Pos (27U)
#define RCC_BDCR_LSIRDY_Msk (0x1U << RCC_BDCR_LSIRDY_Pos)  // 0x08000000
#define RCC_BDCR_LSIRDY RCC_BDCR_LSIRDY_Msk
#define RCC_BDCR_LSIPREDIV_Pos (28U)
#define RCC_BDCR_LSIPREDIV_Msk (0x1U << RCC_BDCR_LSIPREDIV_Pos)  // 0x10000000
#define RCC_BDCR_LSIPREDIV RCC_BDCR_LSIPREDIV_Msk

// CSR. MSIxSRANGE (range after standby): only 4 = 4 MHz, 5 = 2, 6 = 1.5, 7 = 1, 8 = 3.072.
#define RCC_CSR_MSIKSRANGE_Pos (8U)
#define RCC_CSR_MSIKSRANGE_Msk (0xFU << RCC_CSR_MSIKSRANGE_Pos)  // 0x00000F00
#define RCC_CSR_MSIKSRANGE RCC_CSR_MSIKSRANGE_Msk
#define RCC_CSR_MSIKSRANGE_0 (0x1U << RCC_CSR_MSIKSRANGE_Pos)
#define RCC_CSR_MSIKSRANGE_1 (0x2U << RCC_CSR_MSIKSRANGE_Pos)
#define RCC_CSR_MSIKSRANGE_2 (0x4U << RCC_CSR_MSIKSRANGE_Pos)
#define RCC_CSR_MSIKSRANGE_3 (0x8U << RCC_CSR_MSIKSRANGE_Pos)
#define RCC_CSR_MSISSRANGE_Pos (12U)
#define RCC_CSR_MSISSRANGE_Msk (0xFU << RCC_CSR_MSISSRANGE_Pos)  // 0x0000F000
#define RCC_CSR_MSISSRANGE RCC_CSR_MSISSRANGE_Msk
#define RCC_CSR_MSISSRANGE_0 (0x1U << RCC_CSR_MSISSRANGE_Pos)
#define RCC_CSR_MSISSRANGE_1 (0x2U << RCC_CSR_MSISSRANGE_Pos)
#define RCC_CSR_MSISSRANGE_2 (0x4U << RCC_CSR_MSISSRANGE_Pos)
#define RCC_CSR_MSISSRANGE_3 (0x8U << RCC_CSR_MSISSRANGE_Pos)
#define RCC_CSR_RMVF_Pos (23U)
#define RCC_CSR_RMVF_Msk (0x1U << RCC_CSR_RMVF_Pos)  // 0x00800000
#define RCC_CSR_RMVF RCC_CSR_RMVF_Msk
#define RCC_CSR_OBLRSTF_Pos (25U)
#define RCC_CSR_OBLRSTF_Msk (0x1U << RCC_CSR_OBLRSTF_Pos)  // 0x02000000
#define RCC_CSR_OBLRSTF RCC_CSR_OBLRSTF_Msk
#define RCC_CSR_PINRSTF_Pos (26U)
#define RCC_CSR_PINRSTF_Msk (0x1U << RCC_CSR_PINRSTF_Pos)  // 0x04000000
#define RCC_CSR_PINRSTF RCC_CSR_PINRSTF_Msk
#define RCC_CSR_BORRSTF_Pos (27U)
#define RCC_CSR_BORRSTF_Msk (0x1U << RCC_CSR_BORRSTF_Pos)  // 0x08000000
#define RCC_CSR_BORRSTF RCC_CSR_BORRSTF_Msk
#define RCC_CSR_SFTRSTF_Pos (28U)
#define RCC_CSR_SFTRSTF_Msk (0x1U << RCC_CSR_SFTRSTF_Pos)  // 0x10000000
#define RCC_CSR_SFTRSTF RCC_CSR_SFTRSTF_Msk
#define RCC_CSR_IWDGRSTF_Pos (29U)
#define RCC_CSR_IWDGRSTF_Msk (0x1U << RCC_CSR_IWDGRSTF_Pos)  // 0x20000000
#define RCC_CSR_IWDGRSTF RCC_CSR_IWDGRSTF_Msk
#define RCC_CSR_WWDGRSTF_Pos (30U)
#define RCC_CSR_WWDGRSTF_Msk (0x1U << RCC_CSR_WWDGRSTF_Pos)  // 0x40000000
#define RCC_CSR_WWDGRSTF RCC_CSR_WWDGRSTF_Msk
#define RCC_CSR_LPWRRSTF_Pos (31U)
#define RCC_CSR_LPWRRSTF_Msk (0x1U << RCC_CSR_LPWRRSTF_Pos)  // 0x80000000
#define RCC_CSR_LPWRRSTF RCC_CSR_LPWRRSTF_Msk

// ============================================================================================
// PWR fields
// ============================================================================================

// CR1
#define PWR_CR1_LPMS_Pos (0U)
#define PWR_CR1_LPMS_Msk (0x7U << PWR_CR1_LPMS_Pos)  // 0x00000007
#define PWR_CR1_LPMS PWR_CR1_LPMS_Msk
#define PWR_CR1_LPMS_0 (0x1U << PWR_CR1_LPMS_Pos)
#define PWR_CR1_LPMS_1 (0x2U << PWR_CR1_LPMS_Pos)
#define PWR_CR1_LPMS_2 (0x4U << PWR_CR1_LPMS_Pos)
#define PWR_CR1_RRSB1_Pos (5U)
#define PWR_CR1_RRSB1_Msk (0x1U << PWR_CR1_RRSB1_Pos)  // 0x00000020
#define PWR_CR1_RRSB1 PWR_CR1_RRSB1_Msk
#define PWR_CR1_RRSB2_Pos (6U)
#define PWR_CR1_RRSB2_Msk (0x1U << PWR_CR1_RRSB2_Pos)  // 0x00000040
#define PWR_CR1_RRSB2 PWR_CR1_RRSB2_Msk
#define PWR_CR1_ULPMEN_Pos (7U)
#define PWR_CR1_ULPMEN_Msk (0x1U << PWR_CR1_ULPMEN_Pos)  // 0x00000080
#define PWR_CR1_ULPMEN PWR_CR1_ULPMEN_Msk
#define PWR_CR1_SRAM1PD_Pos (8U)
#define PWR_CR1_SRAM1PD_Msk (0x1U << PWR_CR1_SRAM1PD_Pos)  // 0x00000100
#define PWR_CR1_SRAM1PD PWR_CR1_SRAM1PD_Msk
#define PWR_CR1_SRAM2PD_Pos (9U)
#define PWR_CR1_SRAM2PD_Msk (0x1U << PWR_CR1_SRAM2PD_Pos)  // 0x00000200
#define PWR_CR1_SRAM2PD PWR_CR1_SRAM2PD_Msk
#define PWR_CR1_SRAM3PD_Pos (10U)
#define PWR_CR1_SRAM3PD_Msk (0x1U << PWR_CR1_SRAM3PD_Pos)  // 0x00000400
#define PWR_CR1_SRAM3PD PWR_CR1_SRAM3PD_Msk
#define PWR_CR1_SRAM4PD_Pos (11U)
#define PWR_CR1_SRAM4PD_Msk (0x1U << PWR_CR1_SRAM4PD_Pos)  // 0x00000800
#define PWR_CR1_SRAM4PD PWR_CR1_SRAM4PD_Msk

// CR3. REGSEL: 0 LDO, 1 SMPS.
#define PWR_CR3_REGSEL_Pos (1U)
#define PWR_CR3_REGSEL_Msk (0x1U << PWR_CR3_REGSEL_Pos)  // 0x00000002
#define PWR_CR3_REGSEL PWR_CR3_REGSEL_Msk
#define PWR_CR3_FSTEN_Pos (2U)
#define PWR_CR3_FSTEN_Msk (0x1U << PWR_CR3_FSTEN_Pos)  // 0x00000004
#define PWR_CR3_FSTEN PWR_CR3_FSTEN_Msk

// VOSR: the requested range. VOS: 0 range 4 (lowest power, reset), 1 range 3, 2 range 2,
// 3 range 1. The system clock may exceed 50 MHz only once BOOSTRDY is set.
#define PWR_VOSR_BOOSTRDY_Pos (14U)
#define PWR_VOSR_BOOSTRDY_Msk (0x1U << PWR_VOSR_BOOSTRDY_Pos)  // 0x00004000
#define PWR_VOSR_BOOSTRDY PWR_VOSR_BOOSTRDY_Msk
#define PWR_VOSR_VOSRDY_Pos (15U)
#define PWR_VOSR_VOSRDY_Msk (0x1U << PWR_VOSR_VOSRDY_Pos)  // 0x00008000
#define PWR_VOSR_VOSRDY PWR_VOSR_VOSRDY_Msk
#define PWR_VOSR_VOS_Pos (16U)
#define PWR_VOSR_VOS_Msk (0x3U << PWR_VOSR_VOS_Pos)  // 0x00030000
#define PWR_VOSR_VOS PWR_VOSR_VOS_Msk
#define PWR_VOSR_VOS_0 (0x1U << PWR_VOSR_VOS_Pos)
#define PWR_VOSR_VOS_1 (0x2U << PWR_VOSR_VOS_Pos)
#define PWR_VOSR_BOOSTEN_Pos (18U)
#define PWR_VOSR_BOOSTEN_Msk (0x1U << PWR_VOSR_BOOSTEN_Pos)  // 0x00040000
#define PWR_VOSR_BOOSTEN PWR_VOSR_BOOSTEN_Msk

// SVMCR
#define PWR_SVMCR_PVDE_Pos (4U)
#define PWR_SVMCR_PVDE_Msk (0x1U << PWR_SVMCR_PVDE_Pos)  // 0x00000010
#define PWR_SVMCR_PVDE PWR_SVMCR_PVDE_Msk
#define PWR_SVMCR_PVDLS_Pos (5U)
#define PWR_SVMCR_PVDLS_Msk (0x7U << PWR_SVMCR_PVDLS_Pos)  // 0x000000E0
#define PWR_SVMCR_PVDLS PWR_SVMCR_PVDLS_Msk
#define PWR_SVMCR_PVDLS_0 (0x1U << PWR_SVMCR_PVDLS_Pos)
#define PWR_SVMCR_PVDLS_1 (0x2U << PWR_SVMCR_PVDLS_Pos)
#define PWR_SVMCR_PVDLS_2 (0x4U << PWR_SVMCR_PVDLS_Pos)
#define PWR_SVMCR_UVMEN_Pos (24U)
#define PWR_SVMCR_UVMEN_Msk (0x1U << PWR_SVMCR_UVMEN_Pos)  // 0x01000000
#define PWR_SVMCR_UVMEN PWR_SVMCR_UVMEN_Msk
#define PWR_SVMCR_IO2VMEN_Pos (25U)
#define PWR_SVMCR_IO2VMEN_Msk (0x1U << PWR_SVMCR_IO2VMEN_Pos)  // 0x02000000
#define PWR_SVMCR_IO2VMEN PWR_SVMCR_IO2VMEN_Msk
#define PWR_SVMCR_AVM1EN_Pos (26U)
#define PWR_SVMCR_AVM1EN_Msk (0x1U << PWR_SVMCR_AVM1EN_Pos)  // 0x04000000
#define PWR_SVMCR_AVM1EN PWR_SVMCR_AVM1EN_Msk
#define PWR_SVMCR_AVM2EN_Pos (27U)
#define PWR_SVMCR_AVM2EN_Msk (0x1U << PWR_SVMCR_AVM2EN_Pos)  // 0x08000000
#define PWR_SVMCR_AVM2EN PWR_SVMCR_AVM2EN_Msk
#define PWR_SVMCR_USV_Pos (28U)
#define PWR_SVMCR_USV_Msk (0x1U << PWR_SVMCR_USV_Pos)  // 0x10000000
#define PWR_SVMCR_USV PWR_SVMCR_USV_Msk
#define PWR_SVMCR_IO2SV_Pos (29U)
#define PWR_SVMCR_IO2SV_Msk (0x1U << PWR_SVMCR_IO2SV_Pos)  // 0x20000000
#define PWR_SVMCR_IO2SV PWR_SVMCR_IO2SV_Msk
#define PWR_SVMCR_ASV_Pos (30U)
#define PWR_SVMCR_ASV_Msk (0x1U << PWR_SVMCR_ASV_Pos)  // 0x40000000
#define PWR_SVMCR_ASV PWR_SVMCR_ASV_Msk

// DBPR: 1 makes the backup-domain registers (RCC_BDCR, ...) writable
#define PWR_DBPR_DBP_Pos (0U)
#define PWR_DBPR_DBP_Msk (0x1U << PWR_DBPR_DBP_Pos)  // 0x00000001
#define PWR_DBPR_DBP PWR_DBPR_DBP_Msk

// SR. Writing CSSF = 1 clears STOPF and SBF.
#define PWR_SR_CSSF_Pos (0U)
#define PWR_SR_CSSF_Msk (0x1U << PWR_SR_CSSF_Pos)  // 0x00000001
#define PWR_SR_CSSF PWR_SR_CSSF_Msk
#define PWR_SR_STOPF_Pos (1U)
#define PWR_SR_STOPF_Msk (0x1U << PWR_SR_STOPF_Pos)  // 0x00000002
#define PWR_SR_STOPF PWR_SR_STOPF_Msk
#define PWR_SR_SBF_Pos (2U)
#define PWR_SR_SBF_Msk (0x1U << PWR_SR_SBF_Pos)  // 0x00000004
#define PWR_SR_SBF PWR_SR_SBF_Msk

// SVMSR: the active range (same code as PWR_VOSR_VOS). REGS: 0 LDO, 1 SMPS.
#define PWR_SVMSR_REGS_Pos (1U)
#define PWR_SVMSR_REGS_Msk (0x1U << PWR_SVMSR_REGS_Pos)  // 0x00000002
#define PWR_SVMSR_REGS PWR_SVMSR_REGS_Msk
#define PWR_SVMSR_PVDO_Pos (4U)
#define PWR_SVMSR_PVDO_Msk (0x1U << PWR_SVMSR_PVDO_Pos)  // 0x00000010
#define PWR_SVMSR_PVDO PWR_SVMSR_PVDO_Msk
#define PWR_SVMSR_ACTVOSRDY_Pos (15U)
#define PWR_SVMSR_ACTVOSRDY_Msk (0x1U << PWR_SVMSR_ACTVOSRDY_Pos)  // 0x00008000
#define PWR_SVMSR_ACTVOSRDY PWR_SVMSR_ACTVOSRDY_Msk
#define PWR_SVMSR_ACTVOS_Pos (16U)
#define PWR_SVMSR_ACTVOS_Msk (0x3U << PWR_SVMSR_ACTVOS_Pos)  // 0x00030000
#define PWR_SVMSR_ACTVOS PWR_SVMSR_ACTVOS_Msk
#define PWR_SVMSR_ACTVOS_0 (0x1U << PWR_SVMSR_ACTVOS_Pos)
#define PWR_SVMSR_ACTVOS_1 (0x2U << PWR_SVMSR_ACTVOS_Pos)
#define PWR_SVMSR_VDDUSBRDY_Pos (24U)
#define PWR_SVMSR_VDDUSBRDY_Msk (0x1U << PWR_SVMSR_VDDUSBRDY_Pos)  // 0x01000000
#define PWR_SVMSR_VDDUSBRDY PWR_SVMSR_VDDUSBRDY_Msk
#define PWR_SVMSR_VDDIO2RDY_Pos (25U)
#define PWR_SVMSR_VDDIO2RDY_Msk (0x1U << PWR_SVMSR_VDDIO2RDY_Pos)  // 0x02000000
#define PWR_SVMSR_VDDIO2RDY PWR_SVMSR_VDDIO2RDY_Msk
#define PWR_SVMSR_VDDA1RDY_Pos (26U)
#define PWR_SVMSR_VDDA1RDY_Msk (0x1U << PWR_SVMSR_VDDA1RDY_Pos)  // 0x04000000
#define PWR_SVMSR_VDDA1RDY PWR_SVMSR_VDDA1RDY_Msk
#define PWR_SVMSR_VDDA2RDY_Pos (27U)
#define PWR_SVMSR_VDDA2RDY_Msk (0x1U << PWR_SVMSR_VDDA2RDY_Pos)  // 0x08000000
#define PWR_SVMSR_VDDA2RDY PWR_SVMSR_VDDA2RDY_Msk

// ============================================================================================
// FLASH fields and keys
// ============================================================================================

// Key pairs, written in this order with nothing in between. A wrong key locks the register until
// the next reset.
#define FLASH_KEY1 (0x45670123U)  // NSKEYR / SECKEYR: unlocks NSCR / SECCR
#define FLASH_KEY2 (0xCDEF89ABU)
#define FLASH_OPTKEY1 (0x08192A3BU)  // OPTKEYR: clears NSCR.OPTLOCK
#define FLASH_OPTKEY2 (0x4C5D6E7FU)
#define FLASH_PDKEY1_1 (0x04152637U)  // PDKEY1R: unlocks ACR.PDREQ1
#define FLASH_PDKEY1_2 (0xFAFBFCFDU)
#define FLASH_PDKEY2_1 (0x40516273U)  // PDKEY2R: unlocks ACR.PDREQ2
#define FLASH_PDKEY2_2 (0xAFBFCFDFU)

// ACR. LATENCY is the number of wait states.
#define FLASH_ACR_LATENCY_Pos (0U)
#define FLASH_ACR_LATENCY_Msk (0xFU << FLASH_ACR_LATENCY_Pos)  // 0x0000000F
#define FLASH_ACR_LATENCY FLASH_ACR_LATENCY_Msk
#define FLASH_ACR_LATENCY_0 (0x1U << FLASH_ACR_LATENCY_Pos)
#define FLASH_ACR_LATENCY_1 (0x2U << FLASH_ACR_LATENCY_Pos)
#define FLASH_ACR_LATENCY_2 (0x4U << FLASH_ACR_LATENCY_Pos)
#define FLASH_ACR_LATENCY_3 (0x8U << FLASH_ACR_LATENCY_Pos)
#define FLASH_ACR_PRFTEN_Pos (8U)
#define FLASH_ACR_PRFTEN_Msk (0x1U << FLASH_ACR_PRFTEN_Pos)  // 0x00000100
#define FLASH_ACR_PRFTEN FLASH_ACR_PRFTEN_Msk
#define FLASH_ACR_LPM_Pos (11U)
#define FLASH_ACR_LPM_Msk (0x1U << FLASH_ACR_LPM_Pos)  // 0x00000800
#define FLASH_ACR_LPM FLASH_ACR_LPM_Msk
#define FLASH_ACR_PDREQ1_Pos (12U)
#define FLASH_ACR_PDREQ1_Msk (0x1U << FLASH_ACR_PDREQ1_Pos)  // 0x00001000
#define FLASH_ACR_PDREQ1 FLASH_ACR_PDREQ1_Msk
#define FLASH_ACR_PDREQ2_Pos (13U)
#define FLASH_ACR_PDREQ2_Msk (0x1U << FLASH_ACR_PDREQ2_Pos)  // 0x00002000
#define FLASH_ACR_PDREQ2 FLASH_ACR_PDREQ2_Msk
#define FLASH_ACR_SLEEP_PD_Pos (14U)
#define FLASH_ACR_SLEEP_PD_Msk (0x1U << FLASH_ACR_SLEEP_PD_Pos)  // 0x00004000
#define FLASH_ACR_SLEEP_PD FLASH_ACR_SLEEP_PD_Msk

// NSSR. Flags are cleared by writing 1. Programming is by quad-word only: a byte or half-word
// store sets SIZERR, data not within one aligned quad-word PGAERR, a target not erased PROGERR.
#define FLASH_NSSR_EOP_Pos (0U)
#define FLASH_NSSR_EOP_Msk (0x1U << FLASH_NSSR_EOP_Pos)  // 0x00000001
#define FLASH_NSSR_EOP FLASH_NSSR_EOP_Msk
#define FLASH_NSSR_OPERR_Pos (1U)
#define FLASH_NSSR_OPERR_Msk (0x1U << FLASH_NSSR_OPERR_Pos)  // 0x00000002
#define FLASH_NSSR_OPERR FLASH_NSSR_OPERR_Msk
#define FLASH_NSSR_PROGERR_Pos (3U)
#define FLASH_NSSR_PROGERR_Msk (0x1U << FLASH_NSSR_PROGERR_Pos)  // 0x00000008
#define FLASH_NSSR_PROGERR FLASH_NSSR_PROGERR_Msk
#define FLASH_NSSR_WRPERR_Pos (4U)
#define FLASH_NSSR_WRPERR_Msk (0x1U << FLASH_NSSR_WRPERR_Pos)  // 0x00000010
#define FLASH_NSSR_WRPERR FLASH_NSSR_WRPERR_Msk
#define FLASH_NSSR_PGAERR_Pos (5U)
#define FLASH_NSSR_PGAERR_Msk (0x1U << FLASH_NSSR_PGAERR_Pos)  // 0x00000020
#define FLASH_NSSR_PGAERR FLASH_NSSR_PGAERR_Msk
#define FLASH_NSSR_SIZERR_Pos (6U)
#define FLASH_NSSR_SIZERR_Msk (0x1U << FLASH_NSSR_SIZERR_Pos)  // 0x00000040
#define FLASH_NSSR_SIZERR FLASH_NSSR_SIZERR_Msk
#define FLASH_NSSR_PGSERR_Pos (7U)
#define FLASH_NSSR_PGSERR_Msk (0x1U << FLASH_NSSR_PGSERR_Pos)  // 0x00000080
#define FLASH_NSSR_PGSERR FLASH_NSSR_PGSERR_Msk
#define FLASH_NSSR_OPTWERR_Pos (13U)
#define FLASH_NSSR_OPTWERR_Msk (0x1U << FLASH_NSSR_OPTWERR_Pos)  // 0x00002000
#define FLASH_NSSR_OPTWERR FLASH_NSSR_OPTWERR_Msk
#define FLASH_NSSR_BSY_Pos (16U)
#define FLASH_NSSR_BSY_Msk (0x1U << FLASH_NSSR_BSY_Pos)  // 0x00010000
#define FLASH_NSSR_BSY FLASH_NSSR_BSY_Msk
#define FLASH_NSSR_WDW_Pos (17U)
#define FLASH_NSSR_WDW_Msk (0x1U << FLASH_NSSR_WDW_Pos)  // 0x00020000
#define FLASH_NSSR_WDW FLASH_NSSR_WDW_Msk
#define FLASH_NSSR_OEM1LOCK_Pos (18U)
#define FLASH_NSSR_OEM1LOCK_Msk (0x1U << FLASH_NSSR_OEM1LOCK_Pos)  // 0x00040000
#define FLASH_NSSR_OEM1LOCK FLASH_NSSR_OEM1LOCK_Msk
#define FLASH_NSSR_OEM2LOCK_Pos (19U)
#define FLASH_NSSR_OEM2LOCK_Msk (0x1U << FLASH_NSSR_OEM2LOCK_Pos)  // 0x00080000
#define FLASH_NSSR_OEM2LOCK FLASH_NSSR_OEM2LOCK_Msk
#define FLASH_NSSR_PD1_Pos (20U)
#define FLASH_NSSR_PD1_Msk (0x1U << FLASH_NSSR_PD1_Pos)  // 0x00100000
#define FLASH_NSSR_PD1 FLASH_NSSR_PD1_Msk
#define FLASH_NSSR_PD2_Pos (21U)
#define FLASH_NSSR_PD2_Msk (0x1U << FLASH_NSSR_PD2_Pos)  // 0x00200000
#define FLASH_NSSR_PD2 FLASH_NSSR_PD2_Msk

// SECSR: the operation flags of NSSR, for secure operations
#define FLASH_SECSR_EOP_Pos (0U)
#define FLASH_SECSR_EOP_Msk (0x1U << FLASH_SECSR_EOP_Pos)  // 0x00000001
#define FLASH_SECSR_EOP FLASH_SECSR_EOP_Msk
#define FLASH_SECSR_OPERR_Pos (1U)
#define FLASH_SECSR_OPERR_Msk (0x1U << FLASH_SECSR_OPERR_Pos)  // 0x00000002
#define FLASH_SECSR_OPERR FLASH_SECSR_OPERR_Msk
#define FLASH_SECSR_PROGERR_Pos (3U)
#define FLASH_SECSR_PROGERR_Msk (0x1U << FLASH_SECSR_PROGERR_Pos)  // 0x00000008
#define FLASH_SECSR_PROGERR FLASH_SECSR_PROGERR_Msk
#define FLASH_SECSR_WRPERR_Pos (4U)
#define FLASH_SECSR_WRPERR_Msk (0x1U << FLASH_SECSR_WRPERR_Pos)  // 0x00000010
#define FLASH_SECSR_WRPERR FLASH_SECSR_WRPERR_Msk
#define FLASH_SECSR_PGAERR_Pos (5U)
#define FLASH_SECSR_PGAERR_Msk (0x1U << FLASH_SECSR_PGAERR_Pos)  // 0x00000020
#define FLASH_SECSR_PGAERR FLASH_SECSR_PGAERR_Msk
#define FLASH_SECSR_SIZERR_Pos (6U)
#define FLASH_SECSR_SIZERR_Msk (0x1U << FLASH_SECSR_SIZERR_Pos)  // 0x00000040
#define FLASH_SECSR_SIZERR FLASH_SECSR_SIZERR_Msk
#define FLASH_SECSR_PGSERR_Pos (7U)
#define FLASH_SECSR_PGSERR_Msk (0x1U << FLASH_SECSR_PGSERR_Pos)  // 0x00000080
#define FLASH_SECSR_PGSERR FLASH_SECSR_PGSERR_Msk
#define FLASH_SECSR_BSY_Pos (16U)
#define FLASH_SECSR_BSY_Msk (0x1U << FLASH_SECSR_BSY_Pos)  // 0x00010000
#define FLASH_SECSR_BSY FLASH_SECSR_BSY_Msk
#define FLASH_SECSR_WDW_Pos (17U)
#define FLASH_SECSR_WDW_Msk (0x1U << FLASH_SECSR_WDW_Pos)  // 0x00020000
#define FLASH_SECSR_WDW FLASH_SECSR_WDW_Msk

// NSCR. PNB is 7 bits on this 2 MB part (128 pages per bank); bit 10 is reserved. BKER: 0 bank 1,
// 1 bank 2. BWR selects the 8-quad-word burst.
#define FLASH_NSCR_PG_Pos (0U)
#define FLASH_NSCR_PG_Msk (0x1U << FLASH_NSCR_PG_Pos)  // 0x00000001
#define FLASH_NSCR_PG FLASH_NSCR_PG_Msk
#define FLASH_NSCR_PER_Pos (1U)
#define FLASH_NSCR_PER_Msk (0x1U << FLASH_NSCR_PER_Pos)  // 0x00000002
#define FLASH_NSCR_PER FLASH_NSCR_PER_Msk
#define FLASH_NSCR_MER1_Pos (2U)
#define FLASH_NSCR_MER1_Msk (0x1U << FLASH_NSCR_MER1_Pos)  // 0x00000004
#define FLASH_NSCR_MER1 FLASH_NSCR_MER1_Msk
#define FLASH_NSCR_PNB_Pos (3U)
#define FLASH_NSCR_PNB_Msk (0x7FU << FLASH_NSCR_PNB_Pos)  // 0x000003F8
#define FLASH_NSCR_PNB FLASH_NSCR_PNB_Msk
#define FLASH_NSCR_PNB_0 (0x1U << FLASH_NSCR_PNB_Pos)
#define FLASH_NSCR_PNB_1 (0x2U << FLASH_NSCR_PNB_Pos)
#define FLASH_NSCR_PNB_2 (0x4U << FLASH_NSCR_PNB_Pos)
#define FLASH_NSCR_PNB_3 (0x8U << FLASH_NSCR_PNB_Pos)
#define FLASH_NSCR_PNB_4 (0x10U << FLASH_NSCR_PNB_Pos)
#define FLASH_NSCR_PNB_5 (0x20U << FLASH_NSCR_PNB_Pos)
#define FLASH_NSCR_PNB_6 (0x40U << FLASH_NSCR_PNB_Pos)
#define FLASH_NSCR_BKER_Pos (11U)
#define FLASH_NSCR_BKER_Msk (0x1U << FLASH_NSCR_BKER_Pos)  // 0x00000800
#define FLASH_NSCR_BKER FLASH_NSCR_BKER_Msk
#define FLASH_NSCR_BWR_Pos (14U)
#define FLASH_NSCR_BWR_Msk (0x1U << FLASH_NSCR_BWR_Pos)  // 0x00004000
#define FLASH_NSCR_BWR FLASH_NSCR_BWR_Msk
#define FLASH_NSCR_MER2_Pos (15U)
#define FLASH_NSCR_MER2_Msk (0x1U << FLASH_NSCR_MER2_Pos)  // 0x00008000
#define FLASH_NSCR_MER2 FLASH_NSCR_MER2_Msk
#define FLASH_NSCR_STRT_Pos (16U)
#define FLASH_NSCR_STRT_Msk (0x1U << FLASH_NSCR_STRT_Pos)  // 0x00010000
#define FLASH_NSCR_STRT FLASH_NSCR_STRT_Msk
#define FLASH_NSCR_OPTSTRT_Pos (17U)
#define FLASH_NSCR_OPTSTRT_Msk (0x1U << FLASH_NSCR_OPTSTRT_Pos)  // 0x00020000
#define FLASH_NSCR_OPTSTRT FLASH_NSCR_OPTSTRT_Msk
#define FLASH_NSCR_EOPIE_Pos (24U)
#define FLASH_NSCR_EOPIE_Msk (0x1U << FLASH_NSCR_EOPIE_Pos)  // 0x01000000
#define FLASH_NSCR_EOPIE FLASH_NSCR_EOPIE_Msk
#define FLASH_NSCR_ERRIE_Pos (25U)
#define FLASH_NSCR_ERRIE_Msk (0x1U << FLASH_NSCR_ERRIE_Pos)  // 0x02000000
#define FLASH_NSCR_ERRIE FLASH_NSCR_ERRIE_Msk
#define FLASH_NSCR_OBL_LAUNCH_Pos (27U)
#define FLASH_NSCR_OBL_LAUNCH_Msk (0x1U << FLASH_NSCR_OBL_LAUNCH_Pos)  // 0x08000000
#define FLASH_NSCR_OBL_LAUNCH FLASH_NSCR_OBL_LAUNCH_Msk
#define FLASH_NSCR_OPTLOCK_Pos (30U)
#define FLASH_NSCR_OPTLOCK_Msk (0x1U << FLASH_NSCR_OPTLOCK_Pos)  // 0x40000000
#define FLASH_NSCR_OPTLOCK FLASH_NSCR_OPTLOCK_Msk
#define FLASH_NSCR_LOCK_Pos (31U)
#define FLASH_NSCR_LOCK_Msk (0x1U << FLASH_NSCR_LOCK_Pos)  // 0x80000000
#define FLASH_NSCR_LOCK FLASH_NSCR_LOCK_Msk

// SECCR
#define FLASH_SECCR_PG_Pos (0U)
#define FLASH_SECCR_PG_Msk (0x1U << FLASH_SECCR_PG_Pos)  // 0x00000001
#define FLASH_SECCR_PG FLASH_SECCR_PG_Msk
#define FLASH_SECCR_PER_Pos (1U)
#define FLASH_SECCR_PER_Msk (0x1U << FLASH_SECCR_PER_Pos)  // 0x00000002
#define FLASH_SECCR_PER FLASH_SECCR_PER_Msk
#define FLASH_SECCR_MER1_Pos (2U)
#define FLASH_SECCR_MER1_Msk (0x1U << FLASH_SECCR_MER1_Pos)  // 0x00000004
#define FLASH_SECCR_MER1 FLASH_SECCR_MER1_Msk
#define FLASH_SECCR_PNB_Pos (3U)
#define FLASH_SECCR_PNB_Msk (0x7FU << FLASH_SECCR_PNB_Pos)  // 0x000003F8
#define FLASH_SECCR_PNB FLASH_SECCR_PNB_Msk
#define FLASH_SECCR_PNB_0 (0x1U << FLASH_SECCR_PNB_Pos)
#define FLASH_SECCR_PNB_1 (0x2U << FLASH_SECCR_PNB_Pos)
#define FLASH_SECCR_PNB_2 (0x4U << FLASH_SECCR_PNB_Pos)
#define FLASH_SECCR_PNB_3 (0x8U << FLASH_SECCR_PNB_Pos)
#define FLASH_SECCR_PNB_4 (0x10U << FLASH_SECCR_PNB_Pos)
#define FLASH_SECCR_PNB_5 (0x20U << FLASH_SECCR_PNB_Pos)
#define FLASH_SECCR_PNB_6 (0x40U << FLASH_SECCR_PNB_Pos)
#define FLASH_SECCR_BKER_Pos (11U)
#define FLASH_SECCR_BKER_Msk (0x1U << FLASH_SECCR_BKER_Pos)  // 0x00000800
#define FLASH_SECCR_BKER FLASH_SECCR_BKER_Msk
#define FLASH_SECCR_BWR_Pos (14U)
#define FLASH_SECCR_BWR_Msk (0x1U << FLASH_SECCR_BWR_Pos)  // 0x00004000
#define FLASH_SECCR_BWR FLASH_SECCR_BWR_Msk
#define FLASH_SECCR_MER2_Pos (15U)
#define FLASH_SECCR_MER2_Msk (0x1U << FLASH_SECCR_MER2_Pos)  // 0x00008000
#define FLASH_SECCR_MER2 FLASH_SECCR_MER2_Msk
#define FLASH_SECCR_STRT_Pos (16U)
#define FLASH_SECCR_STRT_Msk (0x1U << FLASH_SECCR_STRT_Pos)  // 0x00010000
#define FLASH_SECCR_STRT FLASH_SECCR_STRT_Msk
#define FLASH_SECCR_EOPIE_Pos (24U)
#define FLASH_SECCR_EOPIE_Msk (0x1U << FLASH_SECCR_EOPIE_Pos)  // 0x01000000
#define FLASH_SECCR_EOPIE FLASH_SECCR_EOPIE_Msk
#define FLASH_SECCR_ERRIE_Pos (25U)
#define FLASH_SECCR_ERRIE_Msk (0x1U << FLASH_SECCR_ERRIE_Pos)  // 0x02000000
#define FLASH_SECCR_ERRIE FLASH_SECCR_ERRIE_Msk
#define FLASH_SECCR_RDERRIE_Pos (26U)
#define FLASH_SECCR_RDERRIE_Msk (0x1U << FLASH_SECCR_RDERRIE_Pos)  // 0x04000000
#define FLASH_SECCR_RDERRIE FLASH_SECCR_RDERRIE_Msk
#define FLASH_SECCR_INV_Pos (29U)
#define FLASH_SECCR_INV_Msk (0x1U << FLASH_SECCR_INV_Pos)  // 0x20000000
#define FLASH_SECCR_INV FLASH_SECCR_INV_Msk
#define FLASH_SECCR_LOCK_Pos (31U)
#define FLASH_SECCR_LOCK_Msk (0x1U << FLASH_SECCR_LOCK_Pos)  // 0x80000000
#define FLASH_SECCR_LOCK FLASH_SECCR_LOCK_Msk

// ECCR
#define FLASH_ECCR_ADDR_ECC_Pos (0U)
#define FLASH_ECCR_ADDR_ECC_Msk (0xFFFFFU << FLASH_ECCR_ADDR_ECC_Pos)  // 0x000FFFFF
#define FLASH_ECCR_ADDR_ECC FLASH_ECCR_ADDR_ECC_Msk
#define FLASH_ECCR_BK_ECC_Pos (21U)
#define FLASH_ECCR_BK_ECC_Msk (0x1U << FLASH_ECCR_BK_ECC_Pos)  // 0x00200000
#define FLASH_ECCR_BK_ECC FLASH_ECCR_BK_ECC_Msk
#define FLASH_ECCR_SYSF_ECC_Pos (22U)
#define FLASH_ECCR_SYSF_ECC_Msk (0x1U << FLASH_ECCR_SYSF_ECC_Pos)  // 0x00400000
#define FLASH_ECCR_SYSF_ECC FLASH_ECCR_SYSF_ECC_Msk
#define FLASH_ECCR_ECCIE_Pos (24U)
#define FLASH_ECCR_ECCIE_Msk (0x1U << FLASH_ECCR_ECCIE_Pos)  // 0x01000000
#define FLASH_ECCR_ECCIE FLASH_ECCR_ECCIE_Msk
#define FLASH_ECCR_ECCC_Pos (30U)
#define FLASH_ECCR_ECCC_Msk (0x1U << FLASH_ECCR_ECCC_Pos)  // 0x40000000
#define FLASH_ECCR_ECCC FLASH_ECCR_ECCC_Msk
#define FLASH_ECCR_ECCD_Pos (31U)
#define FLASH_ECCR_ECCD_Msk (0x1U << FLASH_ECCR_ECCD_Pos)  // 0x80000000
#define FLASH_ECCR_ECCD FLASH_ECCR_ECCD_Msk

// OPSR. CODE_OP: 0 none, 1 single write, 2 burst write, 3 page erase, 4 bank erase, 5 mass erase,
// 6 option change.
#define FLASH_OPSR_ADDR_OP_Pos (0U)
#define FLASH_OPSR_ADDR_OP_Msk (0xFFFFFU << FLASH_OPSR_ADDR_OP_Pos)  // 0x000FFFFF
#define FLASH_OPSR_ADDR_OP FLASH_OPSR_ADDR_OP_Msk
#define FLASH_OPSR_BK_OP_Pos (21U)
#define FLASH_OPSR_BK_OP_Msk (0x1U << FLASH_OPSR_BK_OP_Pos)  // 0x00200000
#define FLASH_OPSR_BK_OP FLASH_OPSR_BK_OP_Msk
#define FLASH_OPSR_SYSF_OP_Pos (22U)
#define FLASH_OPSR_SYSF_OP_Msk (0x1U << FLASH_OPSR_SYSF_OP_Pos)  // 0x00400000
#define FLASH_OPSR_SYSF_OP FLASH_OPSR_SYSF_OP_Msk
#define FLASH_OPSR_CODE_OP_Pos (29U)
#define FLASH_OPSR_CODE_OP_Msk (0x7U << FLASH_OPSR_CODE_OP_Pos)  // 0xE0000000
#define FLASH_OPSR_CODE_OP FLASH_OPSR_CODE_OP_Msk
#define FLASH_OPSR_CODE_OP_0 (0x1U << FLASH_OPSR_CODE_OP_Pos)
#define FLASH_OPSR_CODE_OP_1 (0x2U << FLASH_OPSR_CODE_OP_Pos)
#define FLASH_OPSR_CODE_OP_2 (0x4U << FLASH_OPSR_CODE_OP_Pos)

// OPTR. RDP: 0xAA level 0, 0x55 level 0.5, 0xCC level 2, any other value level 1.
#define FLASH_OPTR_RDP_Pos (0U)
#define FLASH_OPTR_RDP_Msk (0xFFU << FLASH_OPTR_RDP_Pos)  // 0x000000FF
#define FLASH_OPTR_RDP FLASH_OPTR_RDP_Msk
#define FLASH_OPTR_BOR_LEV_Pos (8U)
#define FLASH_OPTR_BOR_LEV_Msk (0x7U << FLASH_OPTR_BOR_LEV_Pos)  // 0x00000700
#define FLASH_OPTR_BOR_LEV FLASH_OPTR_BOR_LEV_Msk
#define FLASH_OPTR_nRST_STOP_Pos (12U)
#define FLASH_OPTR_nRST_STOP_Msk (0x1U << FLASH_OPTR_nRST_STOP_Pos)  // 0x00001000
#define FLASH_OPTR_nRST_STOP FLASH_OPTR_nRST_STOP_Msk
#define FLASH_OPTR_nRST_STDBY_Pos (13U)
#define FLASH_OPTR_nRST_STDBY_Msk (0x1U << FLASH_OPTR_nRST_STDBY_Pos)  // 0x00002000
#define FLASH_OPTR_nRST_STDBY FLASH_OPTR_nRST_STDBY_Msk
#define FLASH_OPTR_nRST_SHDW_Pos (14U)
#define FLASH_OPTR_nRST_SHDW_Msk (0x1U << FLASH_OPTR_nRST_SHDW_Pos)  // 0x00004000
#define FLASH_OPTR_nRST_SHDW FLASH_OPTR_nRST_SHDW_Msk
#define FLASH_OPTR_SRAM1345_RST_Pos (15U)
#define FLASH_OPTR_SRAM1345_RST_Msk (0x1U << FLASH_OPTR_SRAM1345_RST_Pos)  // 0x00008000
#define FLASH_OPTR_SRAM1345_RST FLASH_OPTR_SRAM1345_RST_Msk
#define FLASH_OPTR_IWDG_SW_Pos (16U)
#define FLASH_OPTR_IWDG_SW_Msk (0x1U << FLASH_OPTR_IWDG_SW_Pos)  // 0x00010000
#define FLASH_OPTR_IWDG_SW FLASH_OPTR_IWDG_SW_Msk
#define FLASH_OPTR_IWDG_STOP_Pos (17U)
#define FLASH_OPTR_IWDG_STOP_Msk (0x1U << FLASH_OPTR_IWDG_STOP_Pos)  // 0x00020000
#define FLASH_OPTR_IWDG_STOP FLASH_OPTR_IWDG_STOP_Msk
#define FLASH_OPTR_IWDG_STDBY_Pos (18U)
#define FLASH_OPTR_IWDG_STDBY_Msk (0x1U << FLASH_OPTR_IWDG_STDBY_Pos)  // 0x00040000
#define FLASH_OPTR_IWDG_STDBY FLASH_OPTR_IWDG_STDBY_Msk
#define FLASH_OPTR_WWDG_SW_Pos (19U)
#define FLASH_OPTR_WWDG_SW_Msk (0x1U << FLASH_OPTR_WWDG_SW_Pos)  // 0x00080000
#define FLASH_OPTR_WWDG_SW FLASH_OPTR_WWDG_SW_Msk
#define FLASH_OPTR_SWAP_BANK_Pos (20U)
#define FLASH_OPTR_SWAP_BANK_Msk (0x1U << FLASH_OPTR_SWAP_BANK_Pos)  // 0x00100000
#define FLASH_OPTR_SWAP_BANK FLASH_OPTR_SWAP_BANK_Msk
#define FLASH_OPTR_DUALBANK_Pos (21U)
#define FLASH_OPTR_DUALBANK_Msk (0x1U << FLASH_OPTR_DUALBANK_Pos)  // 0x00200000
#define FLASH_OPTR_DUALBANK FLASH_OPTR_DUALBANK_Msk
#define FLASH_OPTR_BKPRAM_ECC_Pos (22U)
#define FLASH_OPTR_BKPRAM_ECC_Msk (0x1U << FLASH_OPTR_BKPRAM_ECC_Pos)  // 0x00400000
#define FLASH_OPTR_BKPRAM_ECC FLASH_OPTR_BKPRAM_ECC_Msk
#define FLASH_OPTR_SRAM3_ECC_Pos (23U)
#define FLASH_OPTR_SRAM3_ECC_Msk (0x1U << FLASH_OPTR_SRAM3_ECC_Pos)  // 0x00800000
#define FLASH_OPTR_SRAM3_ECC FLASH_OPTR_SRAM3_ECC_Msk
#define FLASH_OPTR_SRAM2_ECC_Pos (24U)
#define FLASH_OPTR_SRAM2_ECC_Msk (0x1U << FLASH_OPTR_SRAM2_ECC_Pos)  // 0x01000000
#define FLASH_OPTR_SRAM2_ECC FLASH_OPTR_SRAM2_ECC_Msk
#define FLASH_OPTR_SRAM2_RST_Pos (25U)
#define FLASH_OPTR_SRAM2_RST_Msk (0x1U << FLASH_OPTR_SRAM2_RST_Pos)  // 0x02000000
#define FLASH_OPTR_SRAM2_RST FLASH_OPTR_SRAM2_RST_Msk
#define FLASH_OPTR_nSWBOOT0_Pos (26U)
#define FLASH_OPTR_nSWBOOT0_Msk (0x1U << FLASH_OPTR_nSWBOOT0_Pos)  // 0x04000000
#define FLASH_OPTR_nSWBOOT0 FLASH_OPTR_nSWBOOT0_Msk
#define FLASH_OPTR_nBOOT0_Pos (27U)
#define FLASH_OPTR_nBOOT0_Msk (0x1U << FLASH_OPTR_nBOOT0_Pos)  // 0x08000000
#define FLASH_OPTR_nBOOT0 FLASH_OPTR_nBOOT0_Msk
#define FLASH_OPTR_PA15_PUPEN_Pos (28U)
#define FLASH_OPTR_PA15_PUPEN_Msk (0x1U << FLASH_OPTR_PA15_PUPEN_Pos)  // 0x10000000
#define FLASH_OPTR_PA15_PUPEN FLASH_OPTR_PA15_PUPEN_Msk
#define FLASH_OPTR_IO_VDD_HSLV_Pos (29U)
#define FLASH_OPTR_IO_VDD_HSLV_Msk (0x1U << FLASH_OPTR_IO_VDD_HSLV_Pos)  // 0x20000000
#define FLASH_OPTR_IO_VDD_HSLV FLASH_OPTR_IO_VDD_HSLV_Msk
#define FLASH_OPTR_IO_VDDIO2_HSLV_Pos (30U)
#define FLASH_OPTR_IO_VDDIO2_HSLV_Msk (0x1U << FLASH_OPTR_IO_VDDIO2_HSLV_Pos)  // 0x40000000
#define FLASH_OPTR_IO_VDDIO2_HSLV FLASH_OPTR_IO_VDDIO2_HSLV_Msk
#define FLASH_OPTR_TZEN_Pos (31U)
#define FLASH_OPTR_TZEN_Msk (0x1U << FLASH_OPTR_TZEN_Pos)  // 0x80000000
#define FLASH_OPTR_TZEN FLASH_OPTR_TZEN_Msk

// ============================================================================================
// GPIO and LPGPIO fields
// ============================================================================================

// MODER: 0 input, 1 output, 2 alternate function, 3 analog
#define GPIO_MODER_MODE0_Pos (0U)
#define GPIO_MODER_MODE0_Msk (0x3U << GPIO_MODER_MODE0_Pos)  // 0x00000003
#define GPIO_MODER_MODE0 GPIO_MODER_MODE0_Msk
#define GPIO_MODER_MODE0_0 (0x1U << GPIO_MODER_MODE0_Pos)
#define GPIO_MODER_MODE0_1 (0x2U << GPIO_MODER_MODE0_Pos)
#define GPIO_MODER_MODE1_Pos (2U)
#define GPIO_MODER_MODE1_Msk (0x3U << GPIO_MODER_MODE1_Pos)  // 0x0000000C
#define GPIO_MODER_MODE1 GPIO_MODER_MODE1_Msk
#define GPIO_MODER_MODE1_0 (0x1U << GPIO_MODER_MODE1_Pos)
#define GPIO_MODER_MODE1_1 (0x2U << GPIO_MODER_MODE1_Pos)
#define GPIO_MODER_MODE2_Pos (4U)
#define GPIO_MODER_MODE2_Msk (0x3U << GPIO_MODER_MODE2_Pos)  // 0x00000030
#define GPIO_MODER_MODE2 GPIO_MODER_MODE2_Msk
#define GPIO_MODER_MODE2_0 (0x1U << GPIO_MODER_MODE2_Pos)
#define GPIO_MODER_MODE2_1 (0x2U << GPIO_MODER_MODE2_Pos)
#define GPIO_MODER_MODE3_Pos (6U)
#define GPIO_MODER_MODE3_Msk (0x3U << GPIO_MODER_MODE3_Pos)  // 0x000000C0
#define GPIO_MODER_MODE3 GPIO_MODER_MODE3_Msk
#define GPIO_MODER_MODE3_0 (0x1U << GPIO_MODER_MODE3_Pos)
#define GPIO_MODER_MODE3_1 (0x2U << GPIO_MODER_MODE3_Pos)
#define GPIO_MODER_MODE4_Pos (8U)
#define GPIO_MODER_MODE4_Msk (0x3U << GPIO_MODER_MODE4_Pos)  // 0x00000300
#define GPIO_MODER_MODE4 GPIO_MODER_MODE4_Msk
#define GPIO_MODER_MODE4_0 (0x1U << GPIO_MODER_MODE4_Pos)
#define GPIO_MODER_MODE4_1 (0x2U << GPIO_MODER_MODE4_Pos)
#define GPIO_MODER_MODE5_Pos (10U)
#define GPIO_MODER_MODE5_Msk (0x3U << GPIO_MODER_MODE5_Pos)  // 0x00000C00
#define GPIO_MODER_MODE5 GPIO_MODER_MODE5_Msk
#define GPIO_MODER_MODE5_0 (0x1U << GPIO_MODER_MODE5_Pos)
#define GPIO_MODER_MODE5_1 (0x2U << GPIO_MODER_MODE5_Pos)
#define GPIO_MODER_MODE6_Pos (12U)
#define GPIO_MODER_MODE6_Msk (0x3U << GPIO_MODER_MODE6_Pos)  // 0x00003000
#define GPIO_MODER_MODE6 GPIO_MODER_MODE6_Msk
#define GPIO_MODER_MODE6_0 (0x1U << GPIO_MODER_MODE6_Pos)
#define GPIO_MODER_MODE6_1 (0x2U << GPIO_MODER_MODE6_Pos)
#define GPIO_MODER_MODE7_Pos (14U)
#define GPIO_MODER_MODE7_Msk (0x3U << GPIO_MODER_MODE7_Pos)  // 0x0000C000
#define GPIO_MODER_MODE7 GPIO_MODER_MODE7_Msk
#define GPIO_MODER_MODE7_0 (0x1U << GPIO_MODER_MODE7_Pos)
#define GPIO_MODER_MODE7_1 (0x2U << GPIO_MODER_MODE7_Pos)
#define GPIO_MODER_MODE8_Pos (16U)
#define GPIO_MODER_MODE8_Msk (0x3U << GPIO_MODER_MODE8_Pos)  // 0x00030000
#define GPIO_MODER_MODE8 GPIO_MODER_MODE8_Msk
#define GPIO_MODER_MODE8_0 (0x1U << GPIO_MODER_MODE8_Pos)
#define GPIO_MODER_MODE8_1 (0x2U << GPIO_MODER_MODE8_Pos)
#define GPIO_MODER_MODE9_Pos (18U)
#define GPIO_MODER_MODE9_Msk (0x3U << GPIO_MODER_MODE9_Pos)  // 0x000C0000
#define GPIO_MODER_MODE9 GPIO_MODER_MODE9_Msk
#define GPIO_MODER_MODE9_0 (0x1U << GPIO_MODER_MODE9_Pos)
#define GPIO_MODER_MODE9_1 (0x2U << GPIO_MODER_MODE9_Pos)
#define GPIO_MODER_MODE10_Pos (20U)
#define GPIO_MODER_MODE10_Msk (0x3U << GPIO_MODER_MODE10_Pos)  // 0x00300000
#define GPIO_MODER_MODE10 GPIO_MODER_MODE10_Msk
#define GPIO_MODER_MODE10_0 (0x1U << GPIO_MODER_MODE10_Pos)
#define GPIO_MODER_MODE10_1 (0x2U << GPIO_MODER_MODE10_Pos)
#define GPIO_MODER_MODE11_Pos (22U)
#define GPIO_MODER_MODE11_Msk (0x3U << GPIO_MODER_MODE11_Pos)  // 0x00C00000
#define GPIO_MODER_MODE11 GPIO_MODER_MODE11_Msk
#define GPIO_MODER_MODE11_0 (0x1U << GPIO_MODER_MODE11_Pos)
#define GPIO_MODER_MODE11_1 (0x2U << GPIO_MODER_MODE11_Pos)
#define GPIO_MODER_MODE12_Pos (24U)
#define GPIO_MODER_MODE12_Msk (0x3U << GPIO_MODER_MODE12_Pos)  // 0x03000000
#define GPIO_MODER_MODE12 GPIO_MODER_MODE12_Msk
#define GPIO_MODER_MODE12_0 (0x1U << GPIO_MODER_MODE12_Pos)
#define GPIO_MODER_MODE12_1 (0x2U << GPIO_MODER_MODE12_Pos)
#define GPIO_MODER_MODE13_Pos (26U)
#define GPIO_MODER_MODE13_Msk (0x3U << GPIO_MODER_MODE13_Pos)  // 0x0C000000
#define GPIO_MODER_MODE13 GPIO_MODER_MODE13_Msk
#define GPIO_MODER_MODE13_0 (0x1U << GPIO_MODER_MODE13_Pos)
#define GPIO_MODER_MODE13_1 (0x2U << GPIO_MODER_MODE13_Pos)
#define GPIO_MODER_MODE14_Pos (28U)
#define GPIO_MODER_MODE14_Msk (0x3U << GPIO_MODER_MODE14_Pos)  // 0x30000000
#define GPIO_MODER_MODE14 GPIO_MODER_MODE14_Msk
#define GPIO_MODER_MODE14_0 (0x1U << GPIO_MODER_MODE14_Pos)
#define GPIO_MODER_MODE14_1 (0x2U << GPIO_MODER_MODE14_Pos)
#define GPIO_MODER_MODE15_Pos (30U)
#define GPIO_MODER_MODE15_Msk (0x3U << GPIO_MODER_MODE15_Pos)  // 0xC0000000
#define GPIO_MODER_MODE15 GPIO_MODER_MODE15_Msk
#define GPIO_MODER_MODE15_0 (0x1U << GPIO_MODER_MODE15_Pos)
#define GPIO_MODER_MODE15_1 (0x2U << GPIO_MODER_MODE15_Pos)

// OTYPER: 0 push-pull, 1 open-drain
#define GPIO_OTYPER_OT0_Pos (0U)
#define GPIO_OTYPER_OT0_Msk (0x1U << GPIO_OTYPER_OT0_Pos)  // 0x00000001
#define GPIO_OTYPER_OT0 GPIO_OTYPER_OT0_Msk
#define GPIO_OTYPER_OT1_Pos (1U)
#define GPIO_OTYPER_OT1_Msk (0x1U << GPIO_OTYPER_OT1_Pos)  // 0x00000002
#define GPIO_OTYPER_OT1 GPIO_OTYPER_OT1_Msk
#define GPIO_OTYPER_OT2_Pos (2U)
#define GPIO_OTYPER_OT2_Msk (0x1U << GPIO_OTYPER_OT2_Pos)  // 0x00000004
#define GPIO_OTYPER_OT2 GPIO_OTYPER_OT2_Msk
#define GPIO_OTYPER_OT3_Pos (3U)
#define GPIO_OTYPER_OT3_Msk (0x1U << GPIO_OTYPER_OT3_Pos)  // 0x00000008
#define GPIO_OTYPER_OT3 GPIO_OTYPER_OT3_Msk
#define GPIO_OTYPER_OT4_Pos (4U)
#define GPIO_OTYPER_OT4_Msk (0x1U << GPIO_OTYPER_OT4_Pos)  // 0x00000010
#define GPIO_OTYPER_OT4 GPIO_OTYPER_OT4_Msk
#define GPIO_OTYPER_OT5_Pos (5U)
#define GPIO_OTYPER_OT5_Msk (0x1U << GPIO_OTYPER_OT5_Pos)  // 0x00000020
#define GPIO_OTYPER_OT5 GPIO_OTYPER_OT5_Msk
#define GPIO_OTYPER_OT6_Pos (6U)
#define GPIO_OTYPER_OT6_Msk (0x1U << GPIO_OTYPER_OT6_Pos)  // 0x00000040
#define GPIO_OTYPER_OT6 GPIO_OTYPER_OT6_Msk
#define GPIO_OTYPER_OT7_Pos (7U)
#define GPIO_OTYPER_OT7_Msk (0x1U << GPIO_OTYPER_OT7_Pos)  // 0x00000080
#define GPIO_OTYPER_OT7 GPIO_OTYPER_OT7_Msk
#define GPIO_OTYPER_OT8_Pos (8U)
#define GPIO_OTYPER_OT8_Msk (0x1U << GPIO_OTYPER_OT8_Pos)  // 0x00000100
#define GPIO_OTYPER_OT8 GPIO_OTYPER_OT8_Msk
#define GPIO_OTYPER_OT9_Pos (9U)
#define GPIO_OTYPER_OT9_Msk (0x1U << GPIO_OTYPER_OT9_Pos)  // 0x00000200
#define GPIO_OTYPER_OT9 GPIO_OTYPER_OT9_Msk
#define GPIO_OTYPER_OT10_Pos (10U)
#define GPIO_OTYPER_OT10_Msk (0x1U << GPIO_OTYPER_OT10_Pos)  // 0x00000400
#define GPIO_OTYPER_OT10 GPIO_OTYPER_OT10_Msk
#define GPIO_OTYPER_OT11_Pos (11U)
#define GPIO_OTYPER_OT11_Msk (0x1U << GPIO_OTYPER_OT11_Pos)  // 0x00000800
#define GPIO_OTYPER_OT11 GPIO_OTYPER_OT11_Msk
#define GPIO_OTYPER_OT12_Pos (12U)
#define GPIO_OTYPER_OT12_Msk (0x1U << GPIO_OTYPER_OT12_Pos)  // 0x00001000
#define GPIO_OTYPER_OT12 GPIO_OTYPER_OT12_Msk
#define GPIO_OTYPER_OT13_Pos (13U)
#define GPIO_OTYPER_OT13_Msk (0x1U << GPIO_OTYPER_OT13_Pos)  // 0x00002000
#define GPIO_OTYPER_OT13 GPIO_OTYPER_OT13_Msk
#define GPIO_OTYPER_OT14_Pos (14U)
#define GPIO_OTYPER_OT14_Msk (0x1U << GPIO_OTYPER_OT14_Pos)  // 0x00004000
#define GPIO_OTYPER_OT14 GPIO_OTYPER_OT14_Msk
#define GPIO_OTYPER_OT15_Pos (15U)
#define GPIO_OTYPER_OT15_Msk (0x1U << GPIO_OTYPER_OT15_Pos)  // 0x00008000
#define GPIO_OTYPER_OT15 GPIO_OTYPER_OT15_Msk

// OSPEEDR
#define GPIO_OSPEEDR_OSPEED0_Pos (0U)
#define GPIO_OSPEEDR_OSPEED0_Msk (0x3U << GPIO_OSPEEDR_OSPEED0_Pos)  // 0x00000003
#define GPIO_OSPEEDR_OSPEED0 GPIO_OSPEEDR_OSPEED0_Msk
#define GPIO_OSPEEDR_OSPEED0_0 (0x1U << GPIO_OSPEEDR_OSPEED0_Pos)
#define GPIO_OSPEEDR_OSPEED0_1 (0x2U << GPIO_OSPEEDR_OSPEED0_Pos)
#define GPIO_OSPEEDR_OSPEED1_Pos (2U)
#define GPIO_OSPEEDR_OSPEED1_Msk (0x3U << GPIO_OSPEEDR_OSPEED1_Pos)  // 0x0000000C
#define GPIO_OSPEEDR_OSPEED1 GPIO_OSPEEDR_OSPEED1_Msk
#define GPIO_OSPEEDR_OSPEED1_0 (0x1U << GPIO_OSPEEDR_OSPEED1_Pos)
#define GPIO_OSPEEDR_OSPEED1_1 (0x2U << GPIO_OSPEEDR_OSPEED1_Pos)
#define GPIO_OSPEEDR_OSPEED2_Pos (4U)
#define GPIO_OSPEEDR_OSPEED2_Msk (0x3U << GPIO_OSPEEDR_OSPEED2_Pos)  // 0x00000030
#define GPIO_OSPEEDR_OSPEED2 GPIO_OSPEEDR_OSPEED2_Msk
#define GPIO_OSPEEDR_OSPEED2_0 (0x1U << GPIO_OSPEEDR_OSPEED2_Pos)
#define GPIO_OSPEEDR_OSPEED2_1 (0x2U << GPIO_OSPEEDR_OSPEED2_Pos)
#define GPIO_OSPEEDR_OSPEED3_Pos (6U)
#define GPIO_OSPEEDR_OSPEED3_Msk (0x3U << GPIO_OSPEEDR_OSPEED3_Pos)  // 0x000000C0
#define GPIO_OSPEEDR_OSPEED3 GPIO_OSPEEDR_OSPEED3_Msk
#define GPIO_OSPEEDR_OSPEED3_0 (0x1U << GPIO_OSPEEDR_OSPEED3_Pos)
#define GPIO_OSPEEDR_OSPEED3_1 (0x2U << GPIO_OSPEEDR_OSPEED3_Pos)
#define GPIO_OSPEEDR_OSPEED4_Pos (8U)
#define GPIO_OSPEEDR_OSPEED4_Msk (0x3U << GPIO_OSPEEDR_OSPEED4_Pos)  // 0x00000300
#define GPIO_OSPEEDR_OSPEED4 GPIO_OSPEEDR_OSPEED4_Msk
#define GPIO_OSPEEDR_OSPEED4_0 (0x1U << GPIO_OSPEEDR_OSPEED4_Pos)
#define GPIO_OSPEEDR_OSPEED4_1 (0x2U << GPIO_OSPEEDR_OSPEED4_Pos)
#define GPIO_OSPEEDR_OSPEED5_Pos (10U)
#define GPIO_OSPEEDR_OSPEED5_Msk (0x3U << GPIO_OSPEEDR_OSPEED5_Pos)  // 0x00000C00
#define GPIO_OSPEEDR_OSPEED5 GPIO_OSPEEDR_OSPEED5_Msk
#define GPIO_OSPEEDR_OSPEED5_0 (0x1U << GPIO_OSPEEDR_OSPEED5_Pos)
#define GPIO_OSPEEDR_OSPEED5_1 (0x2U << GPIO_OSPEEDR_OSPEED5_Pos)
#define GPIO_OSPEEDR_OSPEED6_Pos (12U)
#define GPIO_OSPEEDR_OSPEED6_Msk (0x3U << GPIO_OSPEEDR_OSPEED6_Pos)  // 0x00003000
#define GPIO_OSPEEDR_OSPEED6 GPIO_OSPEEDR_OSPEED6_Msk
#define GPIO_OSPEEDR_OSPEED6_0 (0x1U << GPIO_OSPEEDR_OSPEED6_Pos)
#define GPIO_OSPEEDR_OSPEED6_1 (0x2U << GPIO_OSPEEDR_OSPEED6_Pos)
#define GPIO_OSPEEDR_OSPEED7_Pos (14U)
#define GPIO_OSPEEDR_OSPEED7_Msk (0x3U << GPIO_OSPEEDR_OSPEED7_Pos)  // 0x0000C000
#define GPIO_OSPEEDR_OSPEED7 GPIO_OSPEEDR_OSPEED7_Msk
#define GPIO_OSPEEDR_OSPEED7_0 (0x1U << GPIO_OSPEEDR_OSPEED7_Pos)
#define GPIO_OSPEEDR_OSPEED7_1 (0x2U << GPIO_OSPEEDR_OSPEED7_Pos)
#define GPIO_OSPEEDR_OSPEED8_Pos (16U)
#define GPIO_OSPEEDR_OSPEED8_Msk (0x3U << GPIO_OSPEEDR_OSPEED8_Pos)  // 0x00030000
#define GPIO_OSPEEDR_OSPEED8 GPIO_OSPEEDR_OSPEED8_Msk
#define GPIO_OSPEEDR_OSPEED8_0 (0x1U << GPIO_OSPEEDR_OSPEED8_Pos)
#define GPIO_OSPEEDR_OSPEED8_1 (0x2U << GPIO_OSPEEDR_OSPEED8_Pos)
#define GPIO_OSPEEDR_OSPEED9_Pos (18U)
#define GPIO_OSPEEDR_OSPEED9_Msk (0x3U << GPIO_OSPEEDR_OSPEED9_Pos)  // 0x000C0000
#define GPIO_OSPEEDR_OSPEED9 GPIO_OSPEEDR_OSPEED9_Msk
#define GPIO_OSPEEDR_OSPEED9_0 (0x1U << GPIO_OSPEEDR_OSPEED9_Pos)
#define GPIO_OSPEEDR_OSPEED9_1 (0x2U << GPIO_OSPEEDR_OSPEED9_Pos)
#define GPIO_OSPEEDR_OSPEED10_Pos (20U)
#define GPIO_OSPEEDR_OSPEED10_Msk (0x3U << GPIO_OSPEEDR_OSPEED10_Pos)  // 0x00300000
#define GPIO_OSPEEDR_OSPEED10 GPIO_OSPEEDR_OSPEED10_Msk
#define GPIO_OSPEEDR_OSPEED10_0 (0x1U << GPIO_OSPEEDR_OSPEED10_Pos)
#define GPIO_OSPEEDR_OSPEED10_1 (0x2U << GPIO_OSPEEDR_OSPEED10_Pos)
#define GPIO_OSPEEDR_OSPEED11_Pos (22U)
#define GPIO_OSPEEDR_OSPEED11_Msk (0x3U << GPIO_OSPEEDR_OSPEED11_Pos)  // 0x00C00000
#define GPIO_OSPEEDR_OSPEED11 GPIO_OSPEEDR_OSPEED11_Msk
#define GPIO_OSPEEDR_OSPEED11_0 (0x1U << GPIO_OSPEEDR_OSPEED11_Pos)
#define GPIO_OSPEEDR_OSPEED11_1 (0x2U << GPIO_OSPEEDR_OSPEED11_Pos)
#define GPIO_OSPEEDR_OSPEED12_Pos (24U)
#define GPIO_OSPEEDR_OSPEED12_Msk (0x3U << GPIO_OSPEEDR_OSPEED12_Pos)  // 0x03000000
#define GPIO_OSPEEDR_OSPEED12 GPIO_OSPEEDR_OSPEED12_Msk
#define GPIO_OSPEEDR_OSPEED12_0 (0x1U << GPIO_OSPEEDR_OSPEED12_Pos)
#define GPIO_OSPEEDR_OSPEED12_1 (0x2U << GPIO_OSPEEDR_OSPEED12_Pos)
#define GPIO_OSPEEDR_OSPEED13_Pos (26U)
#define GPIO_OSPEEDR_OSPEED13_Msk (0x3U << GPIO_OSPEEDR_OSPEED13_Pos)  // 0x0C000000
#define GPIO_OSPEEDR_OSPEED13 GPIO_OSPEEDR_OSPEED13_Msk
#define GPIO_OSPEEDR_OSPEED13_0 (0x1U << GPIO_OSPEEDR_OSPEED13_Pos)
#define GPIO_OSPEEDR_OSPEED13_1 (0x2U << GPIO_OSPEEDR_OSPEED13_Pos)
#define GPIO_OSPEEDR_OSPEED14_Pos (28U)
#define GPIO_OSPEEDR_OSPEED14_Msk (0x3U << GPIO_OSPEEDR_OSPEED14_Pos)  // 0x30000000
#define GPIO_OSPEEDR_OSPEED14 GPIO_OSPEEDR_OSPEED14_Msk
#define GPIO_OSPEEDR_OSPEED14_0 (0x1U << GPIO_OSPEEDR_OSPEED14_Pos)
#define GPIO_OSPEEDR_OSPEED14_1 (0x2U << GPIO_OSPEEDR_OSPEED14_Pos)
#define GPIO_OSPEEDR_OSPEED15_Pos (30U)
#define GPIO_OSPEEDR_OSPEED15_Msk (0x3U << GPIO_OSPEEDR_OSPEED15_Pos)  // 0xC0000000
#define GPIO_OSPEEDR_OSPEED15 GPIO_OSPEEDR_OSPEED15_Msk
#define GPIO_OSPEEDR_OSPEED15_0 (0x1U << GPIO_OSPEEDR_OSPEED15_Pos)
#define GPIO_OSPEEDR_OSPEED15_1 (0x2U << GPIO_OSPEEDR_OSPEED15_Pos)

// PUPDR: 0 none, 1 pull-up, 2 pull-down
#define GPIO_PUPDR_PUPD0_Pos (0U)
#define GPIO_PUPDR_PUPD0_Msk (0x3U << GPIO_PUPDR_PUPD0_Pos)  // 0x00000003
#define GPIO_PUPDR_PUPD0 GPIO_PUPDR_PUPD0_Msk
#define GPIO_PUPDR_PUPD0_0 (0x1U << GPIO_PUPDR_PUPD0_Pos)
#define GPIO_PUPDR_PUPD0_1 (0x2U << GPIO_PUPDR_PUPD0_Pos)
#define GPIO_PUPDR_PUPD1_Pos (2U)
#define GPIO_PUPDR_PUPD1_Msk (0x3U << GPIO_PUPDR_PUPD1_Pos)  // 0x0000000C
#define GPIO_PUPDR_PUPD1 GPIO_PUPDR_PUPD1_Msk
#define GPIO_PUPDR_PUPD1_0 (0x1U << GPIO_PUPDR_PUPD1_Pos)
#define GPIO_PUPDR_PUPD1_1 (0x2U << GPIO_PUPDR_PUPD1_Pos)
#define GPIO_PUPDR_PUPD2_Pos (4U)
#define GPIO_PUPDR_PUPD2_Msk (0x3U << GPIO_PUPDR_PUPD2_Pos)  // 0x00000030
#define GPIO_PUPDR_PUPD2 GPIO_PUPDR_PUPD2_Msk
#define GPIO_PUPDR_PUPD2_0 (0x1U << GPIO_PUPDR_PUPD2_Pos)
#define GPIO_PUPDR_PUPD2_1 (0x2U << GPIO_PUPDR_PUPD2_Pos)
#define GPIO_PUPDR_PUPD3_Pos (6U)
#define GPIO_PUPDR_PUPD3_Msk (0x3U << GPIO_PUPDR_PUPD3_Pos)  // 0x000000C0
#define GPIO_PUPDR_PUPD3 GPIO_PUPDR_PUPD3_Msk
#define GPIO_PUPDR_PUPD3_0 (0x1U << GPIO_PUPDR_PUPD3_Pos)
#define GPIO_PUPDR_PUPD3_1 (0x2U << GPIO_PUPDR_PUPD3_Pos)
#define GPIO_PUPDR_PUPD4_Pos (8U)
#define GPIO_PUPDR_PUPD4_Msk (0x3U << GPIO_PUPDR_PUPD4_Pos)  // 0x00000300
#define GPIO_PUPDR_PUPD4 GPIO_PUPDR_PUPD4_Msk
#define GPIO_PUPDR_PUPD4_0 (0x1U << GPIO_PUPDR_PUPD4_Pos)
#define GPIO_PUPDR_PUPD4_1 (0x2U << GPIO_PUPDR_PUPD4_Pos)
#define GPIO_PUPDR_PUPD5_Pos (10U)
#define GPIO_PUPDR_PUPD5_Msk (0x3U << GPIO_PUPDR_PUPD5_Pos)  // 0x00000C00
#define GPIO_PUPDR_PUPD5 GPIO_PUPDR_PUPD5_Msk
#define GPIO_PUPDR_PUPD5_0 (0x1U << GPIO_PUPDR_PUPD5_Pos)
#define GPIO_PUPDR_PUPD5_1 (0x2U << GPIO_PUPDR_PUPD5_Pos)
#define GPIO_PUPDR_PUPD6_Pos (12U)
#define GPIO_PUPDR_PUPD6_Msk (0x3U << GPIO_PUPDR_PUPD6_Pos)  // 0x00003000
#define GPIO_PUPDR_PUPD6 GPIO_PUPDR_PUPD6_Msk
#define GPIO_PUPDR_PUPD6_0 (0x1U << GPIO_PUPDR_PUPD6_Pos)
#define GPIO_PUPDR_PUPD6_1 (0x2U << GPIO_PUPDR_PUPD6_Pos)
#define GPIO_PUPDR_PUPD7_Pos (14U)
#define GPIO_PUPDR_PUPD7_Msk (0x3U << GPIO_PUPDR_PUPD7_Pos)  // 0x0000C000
#define GPIO_PUPDR_PUPD7 GPIO_PUPDR_PUPD7_Msk
#define GPIO_PUPDR_PUPD7_0 (0x1U << GPIO_PUPDR_PUPD7_Pos)
#define GPIO_PUPDR_PUPD7_1 (0x2U << GPIO_PUPDR_PUPD7_Pos)
#define GPIO_PUPDR_PUPD8_Pos (16U)
#define GPIO_PUPDR_PUPD8_Msk (0x3U << GPIO_PUPDR_PUPD8_Pos)  // 0x00030000
#define GPIO_PUPDR_PUPD8 GPIO_PUPDR_PUPD8_Msk
#define GPIO_PUPDR_PUPD8_0 (0x1U << GPIO_PUPDR_PUPD8_Pos)
#define GPIO_PUPDR_PUPD8_1 (0x2U << GPIO_PUPDR_PUPD8_Pos)
#define GPIO_PUPDR_PUPD9_Pos (18U)
#define GPIO_PUPDR_PUPD9_Msk (0x3U << GPIO_PUPDR_PUPD9_Pos)  // 0x000C0000
#define GPIO_PUPDR_PUPD9 GPIO_PUPDR_PUPD9_Msk
#define GPIO_PUPDR_PUPD9_0 (0x1U << GPIO_PUPDR_PUPD9_Pos)
#define GPIO_PUPDR_PUPD9_1 (0x2U << GPIO_PUPDR_PUPD9_Pos)
#define GPIO_PUPDR_PUPD10_Pos (20U)
#define GPIO_PUPDR_PUPD10_Msk (0x3U << GPIO_PUPDR_PUPD10_Pos)  // 0x00300000
#define GPIO_PUPDR_PUPD10 GPIO_PUPDR_PUPD10_Msk
#define GPIO_PUPDR_PUPD10_0 (0x1U << GPIO_PUPDR_PUPD10_Pos)
#define GPIO_PUPDR_PUPD10_1 (0x2U << GPIO_PUPDR_PUPD10_Pos)
#define GPIO_PUPDR_PUPD11_Pos (22U)
#define GPIO_PUPDR_PUPD11_Msk (0x3U << GPIO_PUPDR_PUPD11_Pos)  // 0x00C00000
#define GPIO_PUPDR_PUPD11 GPIO_PUPDR_PUPD11_Msk
#define GPIO_PUPDR_PUPD11_0 (0x1U << GPIO_PUPDR_PUPD11_Pos)
#define GPIO_PUPDR_PUPD11_1 (0x2U << GPIO_PUPDR_PUPD11_Pos)
#define GPIO_PUPDR_PUPD12_Pos (24U)
#define GPIO_PUPDR_PUPD12_Msk (0x3U << GPIO_PUPDR_PUPD12_Pos)  // 0x03000000
#define GPIO_PUPDR_PUPD12 GPIO_PUPDR_PUPD12_Msk
#define GPIO_PUPDR_PUPD12_0 (0x1U << GPIO_PUPDR_PUPD12_Pos)
#define GPIO_PUPDR_PUPD12_1 (0x2U << GPIO_PUPDR_PUPD12_Pos)
#define GPIO_PUPDR_PUPD13_Pos (26U)
#define GPIO_PUPDR_PUPD13_Msk (0x3U << GPIO_PUPDR_PUPD13_Pos)  // 0x0C000000
#define GPIO_PUPDR_PUPD13 GPIO_PUPDR_PUPD13_Msk
#define GPIO_PUPDR_PUPD13_0 (0x1U << GPIO_PUPDR_PUPD13_Pos)
#define GPIO_PUPDR_PUPD13_1 (0x2U << GPIO_PUPDR_PUPD13_Pos)
#define GPIO_PUPDR_PUPD14_Pos (28U)
#define GPIO_PUPDR_PUPD14_Msk (0x3U << GPIO_PUPDR_PUPD14_Pos)  // 0x30000000
#define GPIO_PUPDR_PUPD14 GPIO_PUPDR_PUPD14_Msk
#define GPIO_PUPDR_PUPD14_0 (0x1U << GPIO_PUPDR_PUPD14_Pos)
#define GPIO_PUPDR_PUPD14_1 (0x2U << GPIO_PUPDR_PUPD14_Pos)
#define GPIO_PUPDR_PUPD15_Pos (30U)
#define GPIO_PUPDR_PUPD15_Msk (0x3U << GPIO_PUPDR_PUPD15_Pos)  // 0xC0000000
#define GPIO_PUPDR_PUPD15 GPIO_PUPDR_PUPD15_Msk
#define GPIO_PUPDR_PUPD15_0 (0x1U << GPIO_PUPDR_PUPD15_Pos)
#define GPIO_PUPDR_PUPD15_1 (0x2U << GPIO_PUPDR_PUPD15_Pos)

// IDR
#define GPIO_IDR_ID0_Pos (0U)
#define GPIO_IDR_ID0_Msk (0x1U << GPIO_IDR_ID0_Pos)  // 0x00000001
#define GPIO_IDR_ID0 GPIO_IDR_ID0_Msk
#define GPIO_IDR_ID1_Pos (1U)
#define GPIO_IDR_ID1_Msk (0x1U << GPIO_IDR_ID1_Pos)  // 0x00000002
#define GPIO_IDR_ID1 GPIO_IDR_ID1_Msk
#define GPIO_IDR_ID2_Pos (2U)
#define GPIO_IDR_ID2_Msk (0x1U << GPIO_IDR_ID2_Pos)  // 0x00000004
#define GPIO_IDR_ID2 GPIO_IDR_ID2_Msk
#define GPIO_IDR_ID3_Pos (3U)
#define GPIO_IDR_ID3_Msk (0x1U << GPIO_IDR_ID3_Pos)  // 0x00000008
#define GPIO_IDR_ID3 GPIO_IDR_ID3_Msk
#define GPIO_IDR_ID4_Pos (4U)
#define GPIO_IDR_ID4_Msk (0x1U << GPIO_IDR_ID4_Pos)  // 0x00000010
#define GPIO_IDR_ID4 GPIO_IDR_ID4_Msk
#define GPIO_IDR_ID5_Pos (5U)
#define GPIO_IDR_ID5_Msk (0x1U << GPIO_IDR_ID5_Pos)  // 0x00000020
#define GPIO_IDR_ID5 GPIO_IDR_ID5_Msk
#define GPIO_IDR_ID6_Pos (6U)
#define GPIO_IDR_ID6_Msk (0x1U << GPIO_IDR_ID6_Pos)  // 0x00000040
#define GPIO_IDR_ID6 GPIO_IDR_ID6_Msk
#define GPIO_IDR_ID7_Pos (7U)
#define GPIO_IDR_ID7_Msk (0x1U << GPIO_IDR_ID7_Pos)  // 0x00000080
#define GPIO_IDR_ID7 GPIO_IDR_ID7_Msk
#define GPIO_IDR_ID8_Pos (8U)
#define GPIO_IDR_ID8_Msk (0x1U << GPIO_IDR_ID8_Pos)  // 0x00000100
#define GPIO_IDR_ID8 GPIO_IDR_ID8_Msk
#define GPIO_IDR_ID9_Pos (9U)
#define GPIO_IDR_ID9_Msk (0x1U << GPIO_IDR_ID9_Pos)  // 0x00000200
#define GPIO_IDR_ID9 GPIO_IDR_ID9_Msk
#define GPIO_IDR_ID10_Pos (10U)
#define GPIO_IDR_ID10_Msk (0x1U << GPIO_IDR_ID10_Pos)  // 0x00000400
#define GPIO_IDR_ID10 GPIO_IDR_ID10_Msk
#define GPIO_IDR_ID11_Pos (11U)
#define GPIO_IDR_ID11_Msk (0x1U << GPIO_IDR_ID11_Pos)  // 0x00000800
#define GPIO_IDR_ID11 GPIO_IDR_ID11_Msk
#define GPIO_IDR_ID12_Pos (12U)
#define GPIO_IDR_ID12_Msk (0x1U << GPIO_IDR_ID12_Pos)  // 0x00001000
#define GPIO_IDR_ID12 GPIO_IDR_ID12_Msk
#define GPIO_IDR_ID13_Pos (13U)
#define GPIO_IDR_ID13_Msk (0x1U << GPIO_IDR_ID13_Pos)  // 0x00002000
#define GPIO_IDR_ID13 GPIO_IDR_ID13_Msk
#define GPIO_IDR_ID14_Pos (14U)
#define GPIO_IDR_ID14_Msk (0x1U << GPIO_IDR_ID14_Pos)  // 0x00004000
#define GPIO_IDR_ID14 GPIO_IDR_ID14_Msk
#define GPIO_IDR_ID15_Pos (15U)
#define GPIO_IDR_ID15_Msk (0x1U << GPIO_IDR_ID15_Pos)  // 0x00008000
#define GPIO_IDR_ID15 GPIO_IDR_ID15_Msk

// ODR
#define GPIO_ODR_OD0_Pos (0U)
#define GPIO_ODR_OD0_Msk (0x1U << GPIO_ODR_OD0_Pos)  // 0x00000001
#define GPIO_ODR_OD0 GPIO_ODR_OD0_Msk
#define GPIO_ODR_OD1_Pos (1U)
#define GPIO_ODR_OD1_Msk (0x1U << GPIO_ODR_OD1_Pos)  // 0x00000002
#define GPIO_ODR_OD1 GPIO_ODR_OD1_Msk
#define GPIO_ODR_OD2_Pos (2U)
#define GPIO_ODR_OD2_Msk (0x1U << GPIO_ODR_OD2_Pos)  // 0x00000004
#define GPIO_ODR_OD2 GPIO_ODR_OD2_Msk
#define GPIO_ODR_OD3_Pos (3U)
#define GPIO_ODR_OD3_Msk (0x1U << GPIO_ODR_OD3_Pos)  // 0x00000008
#define GPIO_ODR_OD3 GPIO_ODR_OD3_Msk
#define GPIO_ODR_OD4_Pos (4U)
#define GPIO_ODR_OD4_Msk (0x1U << GPIO_ODR_OD4_Pos)  // 0x00000010
#define GPIO_ODR_OD4 GPIO_ODR_OD4_Msk
#define GPIO_ODR_OD5_Pos (5U)
#define GPIO_ODR_OD5_Msk (0x1U << GPIO_ODR_OD5_Pos)  // 0x00000020
#define GPIO_ODR_OD5 GPIO_ODR_OD5_Msk
#define GPIO_ODR_OD6_Pos (6U)
#define GPIO_ODR_OD6_Msk (0x1U << GPIO_ODR_OD6_Pos)  // 0x00000040
#define GPIO_ODR_OD6 GPIO_ODR_OD6_Msk
#define GPIO_ODR_OD7_Pos (7U)
#define GPIO_ODR_OD7_Msk (0x1U << GPIO_ODR_OD7_Pos)  // 0x00000080
#define GPIO_ODR_OD7 GPIO_ODR_OD7_Msk
#define GPIO_ODR_OD8_Pos (8U)
#define GPIO_ODR_OD8_Msk (0x1U << GPIO_ODR_OD8_Pos)  // 0x00000100
#define GPIO_ODR_OD8 GPIO_ODR_OD8_Msk
#define GPIO_ODR_OD9_Pos (9U)
#define GPIO_ODR_OD9_Msk (0x1U << GPIO_ODR_OD9_Pos)  // 0x00000200
#define GPIO_ODR_OD9 GPIO_ODR_OD9_Msk
#define GPIO_ODR_OD10_Pos (10U)
#define GPIO_ODR_OD10_Msk (0x1U << GPIO_ODR_OD10_Pos)  // 0x00000400
#define GPIO_ODR_OD10 GPIO_ODR_OD10_Msk
#define GPIO_ODR_OD11_Pos (11U)
#define GPIO_ODR_OD11_Msk (0x1U << GPIO_ODR_OD11_Pos)  // 0x00000800
#define GPIO_ODR_OD11 GPIO_ODR_OD11_Msk
#define GPIO_ODR_OD12_Pos (12U)
#define GPIO_ODR_OD12_Msk (0x1U << GPIO_ODR_OD12_Pos)  // 0x00001000
#define GPIO_ODR_OD12 GPIO_ODR_OD12_Msk
#define GPIO_ODR_OD13_Pos (13U)
#define GPIO_ODR_OD13_Msk (0x1U << GPIO_ODR_OD13_Pos)  // 0x00002000
#define GPIO_ODR_OD13 GPIO_ODR_OD13_Msk
#define GPIO_ODR_OD14_Pos (14U)
#define GPIO_ODR_OD14_Msk (0x1U << GPIO_ODR_OD14_Pos)  // 0x00004000
#define GPIO_ODR_OD14 GPIO_ODR_OD14_Msk
#define GPIO_ODR_OD15_Pos (15U)
#define GPIO_ODR_OD15_Msk (0x1U << GPIO_ODR_OD15_Pos)  // 0x00008000
#define GPIO_ODR_OD15 GPIO_ODR_OD15_Msk

// BSRR: set in [15:0], reset in [31:16]
#define GPIO_BSRR_BS0_Pos (0U)
#define GPIO_BSRR_BS0_Msk (0x1U << GPIO_BSRR_BS0_Pos)  // 0x00000001
#define GPIO_BSRR_BS0 GPIO_BSRR_BS0_Msk
#define GPIO_BSRR_BS1_Pos (1U)
#define GPIO_BSRR_BS1_Msk (0x1U << GPIO_BSRR_BS1_Pos)  // 0x00000002
#define GPIO_BSRR_BS1 GPIO_BSRR_BS1_Msk
#define GPIO_BSRR_BS2_Pos (2U)
#define GPIO_BSRR_BS2_Msk (0x1U << GPIO_BSRR_BS2_Pos)  // 0x00000004
#define GPIO_BSRR_BS2 GPIO_BSRR_BS2_Msk
#define GPIO_BSRR_BS3_Pos (3U)
#define GPIO_BSRR_BS3_Msk (0x1U << GPIO_BSRR_BS3_Pos)  // 0x00000008
#define GPIO_BSRR_BS3 GPIO_BSRR_BS3_Msk
#define GPIO_BSRR_BS4_Pos (4U)
#define GPIO_BSRR_BS4_Msk (0x1U << GPIO_BSRR_BS4_Pos)  // 0x00000010
#define GPIO_BSRR_BS4 GPIO_BSRR_BS4_Msk
#define GPIO_BSRR_BS5_Pos (5U)
#define GPIO_BSRR_BS5_Msk (0x1U << GPIO_BSRR_BS5_Pos)  // 0x00000020
#define GPIO_BSRR_BS5 GPIO_BSRR_BS5_Msk
#define GPIO_BSRR_BS6_Pos (6U)
#define GPIO_BSRR_BS6_Msk (0x1U << GPIO_BSRR_BS6_Pos)  // 0x00000040
#define GPIO_BSRR_BS6 GPIO_BSRR_BS6_Msk
#define GPIO_BSRR_BS7_Pos (7U)
#define GPIO_BSRR_BS7_Msk (0x1U << GPIO_BSRR_BS7_Pos)  // 0x00000080
#define GPIO_BSRR_BS7 GPIO_BSRR_BS7_Msk
#define GPIO_BSRR_BS8_Pos (8U)
#define GPIO_BSRR_BS8_Msk (0x1U << GPIO_BSRR_BS8_Pos)  // 0x00000100
#define GPIO_BSRR_BS8 GPIO_BSRR_BS8_Msk
#define GPIO_BSRR_BS9_Pos (9U)
#define GPIO_BSRR_BS9_Msk (0x1U << GPIO_BSRR_BS9_Pos)  // 0x00000200
#define GPIO_BSRR_BS9 GPIO_BSRR_BS9_Msk
#define GPIO_BSRR_BS10_Pos (10U)
#define GPIO_BSRR_BS10_Msk (0x1U << GPIO_BSRR_BS10_Pos)  // 0x00000400
#define GPIO_BSRR_BS10 GPIO_BSRR_BS10_Msk
#define GPIO_BSRR_BS11_Pos (11U)
#define GPIO_BSRR_BS11_Msk (0x1U << GPIO_BSRR_BS11_Pos)  // 0x00000800
#define GPIO_BSRR_BS11 GPIO_BSRR_BS11_Msk
#define GPIO_BSRR_BS12_Pos (12U)
#define GPIO_BSRR_BS12_Msk (0x1U << GPIO_BSRR_BS12_Pos)  // 0x00001000
#define GPIO_BSRR_BS12 GPIO_BSRR_BS12_Msk
#define GPIO_BSRR_BS13_Pos (13U)
#define GPIO_BSRR_BS13_Msk (0x1U << GPIO_BSRR_BS13_Pos)  // 0x00002000
#define GPIO_BSRR_BS13 GPIO_BSRR_BS13_Msk
#define GPIO_BSRR_BS14_Pos (14U)
#define GPIO_BSRR_BS14_Msk (0x1U << GPIO_BSRR_BS14_Pos)  // 0x00004000
#define GPIO_BSRR_BS14 GPIO_BSRR_BS14_Msk
#define GPIO_BSRR_BS15_Pos (15U)
#define GPIO_BSRR_BS15_Msk (0x1U << GPIO_BSRR_BS15_Pos)  // 0x00008000
#define GPIO_BSRR_BS15 GPIO_BSRR_BS15_Msk
#define GPIO_BSRR_BR0_Pos (16U)
#define GPIO_BSRR_BR0_Msk (0x1U << GPIO_BSRR_BR0_Pos)  // 0x00010000
#define GPIO_BSRR_BR0 GPIO_BSRR_BR0_Msk
#define GPIO_BSRR_BR1_Pos (17U)
#define GPIO_BSRR_BR1_Msk (0x1U << GPIO_BSRR_BR1_Pos)  // 0x00020000
#define GPIO_BSRR_BR1 GPIO_BSRR_BR1_Msk
#define GPIO_BSRR_BR2_Pos (18U)
#define GPIO_BSRR_BR2_Msk (0x1U << GPIO_BSRR_BR2_Pos)  // 0x00040000
#define GPIO_BSRR_BR2 GPIO_BSRR_BR2_Msk
#define GPIO_BSRR_BR3_Pos (19U)
#define GPIO_BSRR_BR3_Msk (0x1U << GPIO_BSRR_BR3_Pos)  // 0x00080000
#define GPIO_BSRR_BR3 GPIO_BSRR_BR3_Msk
#define GPIO_BSRR_BR4_Pos (20U)
#define GPIO_BSRR_BR4_Msk (0x1U << GPIO_BSRR_BR4_Pos)  // 0x00100000
#define GPIO_BSRR_BR4 GPIO_BSRR_BR4_Msk
#define GPIO_BSRR_BR5_Pos (21U)
#define GPIO_BSRR_BR5_Msk (0x1U << GPIO_BSRR_BR5_Pos)  // 0x00200000
#define GPIO_BSRR_BR5 GPIO_BSRR_BR5_Msk
#define GPIO_BSRR_BR6_Pos (22U)
#define GPIO_BSRR_BR6_Msk (0x1U << GPIO_BSRR_BR6_Pos)  // 0x00400000
#define GPIO_BSRR_BR6 GPIO_BSRR_BR6_Msk
#define GPIO_BSRR_BR7_Pos (23U)
#define GPIO_BSRR_BR7_Msk (0x1U << GPIO_BSRR_BR7_Pos)  // 0x00800000
#define GPIO_BSRR_BR7 GPIO_BSRR_BR7_Msk
#define GPIO_BSRR_BR8_Pos (24U)
#define GPIO_BSRR_BR8_Msk (0x1U << GPIO_BSRR_BR8_Pos)  // 0x01000000
#define GPIO_BSRR_BR8 GPIO_BSRR_BR8_Msk
#define GPIO_BSRR_BR9_Pos (25U)
#define GPIO_BSRR_BR9_Msk (0x1U << GPIO_BSRR_BR9_Pos)  // 0x02000000
#define GPIO_BSRR_BR9 GPIO_BSRR_BR9_Msk
#define GPIO_BSRR_BR10_Pos (26U)
#define GPIO_BSRR_BR10_Msk (0x1U << GPIO_BSRR_BR10_Pos)  // 0x04000000
#define GPIO_BSRR_BR10 GPIO_BSRR_BR10_Msk
#define GPIO_BSRR_BR11_Pos (27U)
#define GPIO_BSRR_BR11_Msk (0x1U << GPIO_BSRR_BR11_Pos)  // 0x08000000
#define GPIO_BSRR_BR11 GPIO_BSRR_BR11_Msk
#define GPIO_BSRR_BR12_Pos (28U)
#define GPIO_BSRR_BR12_Msk (0x1U << GPIO_BSRR_BR12_Pos)  // 0x10000000
#define GPIO_BSRR_BR12 GPIO_BSRR_BR12_Msk
#define GPIO_BSRR_BR13_Pos (29U)
#define GPIO_BSRR_BR13_Msk (0x1U << GPIO_BSRR_BR13_Pos)  // 0x20000000
#define GPIO_BSRR_BR13 GPIO_BSRR_BR13_Msk
#define GPIO_BSRR_BR14_Pos (30U)
#define GPIO_BSRR_BR14_Msk (0x1U << GPIO_BSRR_BR14_Pos)  // 0x40000000
#define GPIO_BSRR_BR14 GPIO_BSRR_BR14_Msk
#define GPIO_BSRR_BR15_Pos (31U)
#define GPIO_BSRR_BR15_Msk (0x1U << GPIO_BSRR_BR15_Pos)  // 0x80000000
#define GPIO_BSRR_BR15 GPIO_BSRR_BR15_Msk

// LCKR
#define GPIO_LCKR_LCK0_Pos (0U)
#define GPIO_LCKR_LCK0_Msk (0x1U << GPIO_LCKR_LCK0_Pos)  // 0x00000001
#define GPIO_LCKR_LCK0 GPIO_LCKR_LCK0_Msk
#define GPIO_LCKR_LCK1_Pos (1U)
#define GPIO_LCKR_LCK1_Msk (0x1U << GPIO_LCKR_LCK1_Pos)  // 0x00000002
#define GPIO_LCKR_LCK1 GPIO_LCKR_LCK1_Msk
#define GPIO_LCKR_LCK2_Pos (2U)
#define GPIO_LCKR_LCK2_Msk (0x1U << GPIO_LCKR_LCK2_Pos)  // 0x00000004
#define GPIO_LCKR_LCK2 GPIO_LCKR_LCK2_Msk
#define GPIO_LCKR_LCK3_Pos (3U)
#define GPIO_LCKR_LCK3_Msk (0x1U << GPIO_LCKR_LCK3_Pos)  // 0x00000008
#define GPIO_LCKR_LCK3 GPIO_LCKR_LCK3_Msk
#define GPIO_LCKR_LCK4_Pos (4U)
#define GPIO_LCKR_LCK4_Msk (0x1U << GPIO_LCKR_LCK4_Pos)  // 0x00000010
#define GPIO_LCKR_LCK4 GPIO_LCKR_LCK4_Msk
#define GPIO_LCKR_LCK5_Pos (5U)
#define GPIO_LCKR_LCK5_Msk (0x1U << GPIO_LCKR_LCK5_Pos)  // 0x00000020
#define GPIO_LCKR_LCK5 GPIO_LCKR_LCK5_Msk
#define GPIO_LCKR_LCK6_Pos (6U)
#define GPIO_LCKR_LCK6_Msk (0x1U << GPIO_LCKR_LCK6_Pos)  // 0x00000040
#define GPIO_LCKR_LCK6 GPIO_LCKR_LCK6_Msk
#define GPIO_LCKR_LCK7_Pos (7U)
#define GPIO_LCKR_LCK7_Msk (0x1U << GPIO_LCKR_LCK7_Pos)  // 0x00000080
#define GPIO_LCKR_LCK7 GPIO_LCKR_LCK7_Msk
#define GPIO_LCKR_LCK8_Pos (8U)
#define GPIO_LCKR_LCK8_Msk (0x1U << GPIO_LCKR_LCK8_Pos)  // 0x00000100
#define GPIO_LCKR_LCK8 GPIO_LCKR_LCK8_Msk
#define GPIO_LCKR_LCK9_Pos (9U)
#define GPIO_LCKR_LCK9_Msk (0x1U << GPIO_LCKR_LCK9_Pos)  // 0x00000200
#define GPIO_LCKR_LCK9 GPIO_LCKR_LCK9_Msk
#define GPIO_LCKR_LCK10_Pos (10U)
#define GPIO_LCKR_LCK10_Msk (0x1U << GPIO_LCKR_LCK10_Pos)  // 0x00000400
#define GPIO_LCKR_LCK10 GPIO_LCKR_LCK10_Msk
#define GPIO_LCKR_LCK11_Pos (11U)
#define GPIO_LCKR_LCK11_Msk (0x1U << GPIO_LCKR_LCK11_Pos)  // 0x00000800
#define GPIO_LCKR_LCK11 GPIO_LCKR_LCK11_Msk
#define GPIO_LCKR_LCK12_Pos (12U)
#define GPIO_LCKR_LCK12_Msk (0x1U << GPIO_LCKR_LCK12_Pos)  // 0x00001000
#define GPIO_LCKR_LCK12 GPIO_LCKR_LCK12_Msk
#define GPIO_LCKR_LCK13_Pos (13U)
#define GPIO_LCKR_LCK13_Msk (0x1U << GPIO_LCKR_LCK13_Pos)  // 0x00002000
#define GPIO_LCKR_LCK13 GPIO_LCKR_LCK13_Msk
#define GPIO_LCKR_LCK14_Pos (14U)
#define GPIO_LCKR_LCK14_Msk (0x1U << GPIO_LCKR_LCK14_Pos)  // 0x00004000
#define GPIO_LCKR_LCK14 GPIO_LCKR_LCK14_Msk
#define GPIO_LCKR_LCK15_Pos (15U)
#define GPIO_LCKR_LCK15_Msk (0x1U << GPIO_LCKR_LCK15_Pos)  // 0x00008000
#define GPIO_LCKR_LCK15 GPIO_LCKR_LCK15_Msk
#define GPIO_LCKR_LCKK_Pos (16U)
#define GPIO_LCKR_LCKK_Msk (0x1U << GPIO_LCKR_LCKK_Pos)  // 0x00010000
#define GPIO_LCKR_LCKK GPIO_LCKR_LCKK_Msk

// AFRL (AFR[0]): pins 0..7
#define GPIO_AFRL_AFSEL0_Pos (0U)
#define GPIO_AFRL_AFSEL0_Msk (0xFU << GPIO_AFRL_AFSEL0_Pos)  // 0x0000000F
#define GPIO_AFRL_AFSEL0 GPIO_AFRL_AFSEL0_Msk
#define GPIO_AFRL_AFSEL0_0 (0x1U << GPIO_AFRL_AFSEL0_Pos)
#define GPIO_AFRL_AFSEL0_1 (0x2U << GPIO_AFRL_AFSEL0_Pos)
#define GPIO_AFRL_AFSEL0_2 (0x4U << GPIO_AFRL_AFSEL0_Pos)
#define GPIO_AFRL_AFSEL0_3 (0x8U << GPIO_AFRL_AFSEL0_Pos)
#define GPIO_AFRL_AFSEL1_Pos (4U)
#define GPIO_AFRL_AFSEL1_Msk (0xFU << GPIO_AFRL_AFSEL1_Pos)  // 0x000000F0
#define GPIO_AFRL_AFSEL1 GPIO_AFRL_AFSEL1_Msk
#define GPIO_AFRL_AFSEL1_0 (0x1U << GPIO_AFRL_AFSEL1_Pos)
#define GPIO_AFRL_AFSEL1_1 (0x2U << GPIO_AFRL_AFSEL1_Pos)
#define GPIO_AFRL_AFSEL1_2 (0x4U << GPIO_AFRL_AFSEL1_Pos)
#define GPIO_AFRL_AFSEL1_3 (0x8U << GPIO_AFRL_AFSEL1_Pos)
#define GPIO_AFRL_AFSEL2_Pos (8U)
#define GPIO_AFRL_AFSEL2_Msk (0xFU << GPIO_AFRL_AFSEL2_Pos)  // 0x00000F00
#define GPIO_AFRL_AFSEL2 GPIO_AFRL_AFSEL2_Msk
#define GPIO_AFRL_AFSEL2_0 (0x1U << GPIO_AFRL_AFSEL2_Pos)
#define GPIO_AFRL_AFSEL2_1 (0x2U << GPIO_AFRL_AFSEL2_Pos)
#define GPIO_AFRL_AFSEL2_2 (0x4U << GPIO_AFRL_AFSEL2_Pos)
#define GPIO_AFRL_AFSEL2_3 (0x8U << GPIO_AFRL_AFSEL2_Pos)
#define GPIO_AFRL_AFSEL3_Pos (12U)
#define GPIO_AFRL_AFSEL3_Msk (0xFU << GPIO_AFRL_AFSEL3_Pos)  // 0x0000F000
#define GPIO_AFRL_AFSEL3 GPIO_AFRL_AFSEL3_Msk
#define GPIO_AFRL_AFSEL3_0 (0x1U << GPIO_AFRL_AFSEL3_Pos)
#define GPIO_AFRL_AFSEL3_1 (0x2U << GPIO_AFRL_AFSEL3_Pos)
#define GPIO_AFRL_AFSEL3_2 (0x4U << GPIO_AFRL_AFSEL3_Pos)
#define GPIO_AFRL_AFSEL3_3 (0x8U << GPIO_AFRL_AFSEL3_Pos)
#define GPIO_AFRL_AFSEL4_Pos (16U)
#define GPIO_AFRL_AFSEL4_Msk (0xFU << GPIO_AFRL_AFSEL4_Pos)  // 0x000F0000
#define GPIO_AFRL_AFSEL4 GPIO_AFRL_AFSEL4_Msk
#define GPIO_AFRL_AFSEL4_0 (0x1U << GPIO_AFRL_AFSEL4_Pos)
#define GPIO_AFRL_AFSEL4_1 (0x2U << GPIO_AFRL_AFSEL4_Pos)
#define GPIO_AFRL_AFSEL4_2 (0x4U << GPIO_AFRL_AFSEL4_Pos)
#define GPIO_AFRL_AFSEL4_3 (0x8U << GPIO_AFRL_AFSEL4_Pos)
#define GPIO_AFRL_AFSEL5_Pos (20U)
#define GPIO_AFRL_AFSEL5_Msk (0xFU << GPIO_AFRL_AFSEL5_Pos)  // 0x00F00000
#define GPIO_AFRL_AFSEL5 GPIO_AFRL_AFSEL5_Msk
#define GPIO_AFRL_AFSEL5_0 (0x1U << GPIO_AFRL_AFSEL5_Pos)
#define GPIO_AFRL_AFSEL5_1 (0x2U << GPIO_AFRL_AFSEL5_Pos)
#define GPIO_AFRL_AFSEL5_2 (0x4U << GPIO_AFRL_AFSEL5_Pos)
#define GPIO_AFRL_AFSEL5_3 (0x8U << GPIO_AFRL_AFSEL5_Pos)
#define GPIO_AFRL_AFSEL6_Pos (24U)
#define GPIO_AFRL_AFSEL6_Msk (0xFU << GPIO_AFRL_AFSEL6_Pos)  // 0x0F000000
#define GPIO_AFRL_AFSEL6 GPIO_AFRL_AFSEL6_Msk
#define GPIO_AFRL_AFSEL6_0 (0x1U << GPIO_AFRL_AFSEL6_Pos)
#define GPIO_AFRL_AFSEL6_1 (0x2U << GPIO_AFRL_AFSEL6_Pos)
#define GPIO_AFRL_AFSEL6_2 (0x4U << GPIO_AFRL_AFSEL6_Pos)
#define GPIO_AFRL_AFSEL6_3 (0x8U << GPIO_AFRL_AFSEL6_Pos)
#define GPIO_AFRL_AFSEL7_Pos (28U)
#define GPIO_AFRL_AFSEL7_Msk (0xFU << GPIO_AFRL_AFSEL7_Pos)  // 0xF0000000
#define GPIO_AFRL_AFSEL7 GPIO_AFRL_AFSEL7_Msk
#define GPIO_AFRL_AFSEL7_0 (0x1U << GPIO_AFRL_AFSEL7_Pos)
#define GPIO_AFRL_AFSEL7_1 (0x2U << GPIO_AFRL_AFSEL7_Pos)
#define GPIO_AFRL_AFSEL7_2 (0x4U << GPIO_AFRL_AFSEL7_Pos)
#define GPIO_AFRL_AFSEL7_3 (0x8U << GPIO_AFRL_AFSEL7_Pos)

// AFRH (AFR[1]): pins 8..15
#define GPIO_AFRH_AFSEL8_Pos (0U)
#define GPIO_AFRH_AFSEL8_Msk (0xFU << GPIO_AFRH_AFSEL8_Pos)  // 0x0000000F
#define GPIO_AFRH_AFSEL8 GPIO_AFRH_AFSEL8_Msk
#define GPIO_AFRH_AFSEL8_0 (0x1U << GPIO_AFRH_AFSEL8_Pos)
#define GPIO_AFRH_AFSEL8_1 (0x2U << GPIO_AFRH_AFSEL8_Pos)
#define GPIO_AFRH_AFSEL8_2 (0x4U << GPIO_AFRH_AFSEL8_Pos)
#define GPIO_AFRH_AFSEL8_3 (0x8U << GPIO_AFRH_AFSEL8_Pos)
#define GPIO_AFRH_AFSEL9_Pos (4U)
#define GPIO_AFRH_AFSEL9_Msk (0xFU << GPIO_AFRH_AFSEL9_Pos)  // 0x000000F0
#define GPIO_AFRH_AFSEL9 GPIO_AFRH_AFSEL9_Msk
#define GPIO_AFRH_AFSEL9_0 (0x1U << GPIO_AFRH_AFSEL9_Pos)
#define GPIO_AFRH_AFSEL9_1 (0x2U << GPIO_AFRH_AFSEL9_Pos)
#define GPIO_AFRH_AFSEL9_2 (0x4U << GPIO_AFRH_AFSEL9_Pos)
#define GPIO_AFRH_AFSEL9_3 (0x8U << GPIO_AFRH_AFSEL9_Pos)
#define GPIO_AFRH_AFSEL10_Pos (8U)
#define GPIO_AFRH_AFSEL10_Msk (0xFU << GPIO_AFRH_AFSEL10_Pos)  // 0x00000F00
#define GPIO_AFRH_AFSEL10 GPIO_AFRH_AFSEL10_Msk
#define GPIO_AFRH_AFSEL10_0 (0x1U << GPIO_AFRH_AFSEL10_Pos)
#define GPIO_AFRH_AFSEL10_1 (0x2U << GPIO_AFRH_AFSEL10_Pos)
#define GPIO_AFRH_AFSEL10_2 (0x4U << GPIO_AFRH_AFSEL10_Pos)
#define GPIO_AFRH_AFSEL10_3 (0x8U << GPIO_AFRH_AFSEL10_Pos)
#define GPIO_AFRH_AFSEL11_Pos (12U)
#define GPIO_AFRH_AFSEL11_Msk (0xFU << GPIO_AFRH_AFSEL11_Pos)  // 0x0000F000
#define GPIO_AFRH_AFSEL11 GPIO_AFRH_AFSEL11_Msk
#define GPIO_AFRH_AFSEL11_0 (0x1U << GPIO_AFRH_AFSEL11_Pos)
#define GPIO_AFRH_AFSEL11_1 (0x2U << GPIO_AFRH_AFSEL11_Pos)
#define GPIO_AFRH_AFSEL11_2 (0x4U << GPIO_AFRH_AFSEL11_Pos)
#define GPIO_AFRH_AFSEL11_3 (0x8U << GPIO_AFRH_AFSEL11_Pos)
#define GPIO_AFRH_AFSEL12_Pos (16U)
#define GPIO_AFRH_AFSEL12_Msk (0xFU << GPIO_AFRH_AFSEL12_Pos)  // 0x000F0000
#define GPIO_AFRH_AFSEL12 GPIO_AFRH_AFSEL12_Msk
#define GPIO_AFRH_AFSEL12_0 (0x1U << GPIO_AFRH_AFSEL12_Pos)
#define GPIO_AFRH_AFSEL12_1 (0x2U << GPIO_AFRH_AFSEL12_Pos)
#define GPIO_AFRH_AFSEL12_2 (0x4U << GPIO_AFRH_AFSEL12_Pos)
#define GPIO_AFRH_AFSEL12_3 (0x8U << GPIO_AFRH_AFSEL12_Pos)
#define GPIO_AFRH_AFSEL13_Pos (20U)
#define GPIO_AFRH_AFSEL13_Msk (0xFU << GPIO_AFRH_AFSEL13_Pos)  // 0x00F00000
#define GPIO_AFRH_AFSEL13 GPIO_AFRH_AFSEL13_Msk
#define GPIO_AFRH_AFSEL13_0 (0x1U << GPIO_AFRH_AFSEL13_Pos)
#define GPIO_AFRH_AFSEL13_1 (0x2U << GPIO_AFRH_AFSEL13_Pos)
#define GPIO_AFRH_AFSEL13_2 (0x4U << GPIO_AFRH_AFSEL13_Pos)
#define GPIO_AFRH_AFSEL13_3 (0x8U << GPIO_AFRH_AFSEL13_Pos)
#define GPIO_AFRH_AFSEL14_Pos (24U)
#define GPIO_AFRH_AFSEL14_Msk (0xFU << GPIO_AFRH_AFSEL14_Pos)  // 0x0F000000
#define GPIO_AFRH_AFSEL14 GPIO_AFRH_AFSEL14_Msk
#define GPIO_AFRH_AFSEL14_0 (0x1U << GPIO_AFRH_AFSEL14_Pos)
#define GPIO_AFRH_AFSEL14_1 (0x2U << GPIO_AFRH_AFSEL14_Pos)
#define GPIO_AFRH_AFSEL14_2 (0x4U << GPIO_AFRH_AFSEL14_Pos)
#define GPIO_AFRH_AFSEL14_3 (0x8U << GPIO_AFRH_AFSEL14_Pos)
#define GPIO_AFRH_AFSEL15_Pos (28U)
#define GPIO_AFRH_AFSEL15_Msk (0xFU << GPIO_AFRH_AFSEL15_Pos)  // 0xF0000000
#define GPIO_AFRH_AFSEL15 GPIO_AFRH_AFSEL15_Msk
#define GPIO_AFRH_AFSEL15_0 (0x1U << GPIO_AFRH_AFSEL15_Pos)
#define GPIO_AFRH_AFSEL15_1 (0x2U << GPIO_AFRH_AFSEL15_Pos)
#define GPIO_AFRH_AFSEL15_2 (0x4U << GPIO_AFRH_AFSEL15_Pos)
#define GPIO_AFRH_AFSEL15_3 (0x8U << GPIO_AFRH_AFSEL15_Pos)

// BRR
#define GPIO_BRR_BR0_Pos (0U)
#define GPIO_BRR_BR0_Msk (0x1U << GPIO_BRR_BR0_Pos)  // 0x00000001
#define GPIO_BRR_BR0 GPIO_BRR_BR0_Msk
#define GPIO_BRR_BR1_Pos (1U)
#define GPIO_BRR_BR1_Msk (0x1U << GPIO_BRR_BR1_Pos)  // 0x00000002
#define GPIO_BRR_BR1 GPIO_BRR_BR1_Msk
#define GPIO_BRR_BR2_Pos (2U)
#define GPIO_BRR_BR2_Msk (0x1U << GPIO_BRR_BR2_Pos)  // 0x00000004
#define GPIO_BRR_BR2 GPIO_BRR_BR2_Msk
#define GPIO_BRR_BR3_Pos (3U)
#define GPIO_BRR_BR3_Msk (0x1U << GPIO_BRR_BR3_Pos)  // 0x00000008
#define GPIO_BRR_BR3 GPIO_BRR_BR3_Msk
#define GPIO_BRR_BR4_Pos (4U)
#define GPIO_BRR_BR4_Msk (0x1U << GPIO_BRR_BR4_Pos)  // 0x00000010
#define GPIO_BRR_BR4 GPIO_BRR_BR4_Msk
#define GPIO_BRR_BR5_Pos (5U)
#define GPIO_BRR_BR5_Msk (0x1U << GPIO_BRR_BR5_Pos)  // 0x00000020
#define GPIO_BRR_BR5 GPIO_BRR_BR5_Msk
#define GPIO_BRR_BR6_Pos (6U)
#define GPIO_BRR_BR6_Msk (0x1U << GPIO_BRR_BR6_Pos)  // 0x00000040
#define GPIO_BRR_BR6 GPIO_BRR_BR6_Msk
#define GPIO_BRR_BR7_Pos (7U)
#define GPIO_BRR_BR7_Msk (0x1U << GPIO_BRR_BR7_Pos)  // 0x00000080
#define GPIO_BRR_BR7 GPIO_BRR_BR7_Msk
#define GPIO_BRR_BR8_Pos (8U)
#define GPIO_BRR_BR8_Msk (0x1U << GPIO_BRR_BR8_Pos)  // 0x00000100
#define GPIO_BRR_BR8 GPIO_BRR_BR8_Msk
#define GPIO_BRR_BR9_Pos (9U)
#define GPIO_BRR_BR9_Msk (0x1U << GPIO_BRR_BR9_Pos)  // 0x00000200
#define GPIO_BRR_BR9 GPIO_BRR_BR9_Msk
#define GPIO_BRR_BR10_Pos (10U)
#define GPIO_BRR_BR10_Msk (0x1U << GPIO_BRR_BR10_Pos)  // 0x00000400
#define GPIO_BRR_BR10 GPIO_BRR_BR10_Msk
#define GPIO_BRR_BR11_Pos (11U)
#define GPIO_BRR_BR11_Msk (0x1U << GPIO_BRR_BR11_Pos)  // 0x00000800
#define GPIO_BRR_BR11 GPIO_BRR_BR11_Msk
#define GPIO_BRR_BR12_Pos (12U)
#define GPIO_BRR_BR12_Msk (0x1U << GPIO_BRR_BR12_Pos)  // 0x00001000
#define GPIO_BRR_BR12 GPIO_BRR_BR12_Msk
#define GPIO_BRR_BR13_Pos (13U)
#define GPIO_BRR_BR13_Msk (0x1U << GPIO_BRR_BR13_Pos)  // 0x00002000
#define GPIO_BRR_BR13 GPIO_BRR_BR13_Msk
#define GPIO_BRR_BR14_Pos (14U)
#define GPIO_BRR_BR14_Msk (0x1U << GPIO_BRR_BR14_Pos)  // 0x00004000
#define GPIO_BRR_BR14 GPIO_BRR_BR14_Msk
#define GPIO_BRR_BR15_Pos (15U)
#define GPIO_BRR_BR15_Msk (0x1U << GPIO_BRR_BR15_Pos)  // 0x00008000
#define GPIO_BRR_BR15 GPIO_BRR_BR15_Msk

// HSLVR
#define GPIO_HSLVR_HSLV0_Pos (0U)
#define GPIO_HSLVR_HSLV0_Msk (0x1U << GPIO_HSLVR_HSLV0_Pos)  // 0x00000001
#define GPIO_HSLVR_HSLV0 GPIO_HSLVR_HSLV0_Msk
#define GPIO_HSLVR_HSLV1_Pos (1U)
#define GPIO_HSLVR_HSLV1_Msk (0x1U << GPIO_HSLVR_HSLV1_Pos)  // 0x00000002
#define GPIO_HSLVR_HSLV1 GPIO_HSLVR_HSLV1_Msk
#define GPIO_HSLVR_HSLV2_Pos (2U)
#define GPIO_HSLVR_HSLV2_Msk (0x1U << GPIO_HSLVR_HSLV2_Pos)  // 0x00000004
#define GPIO_HSLVR_HSLV2 GPIO_HSLVR_HSLV2_Msk
#define GPIO_HSLVR_HSLV3_Pos (3U)
#define GPIO_HSLVR_HSLV3_Msk (0x1U << GPIO_HSLVR_HSLV3_Pos)  // 0x00000008
#define GPIO_HSLVR_HSLV3 GPIO_HSLVR_HSLV3_Msk
#define GPIO_HSLVR_HSLV4_Pos (4U)
#define GPIO_HSLVR_HSLV4_Msk (0x1U << GPIO_HSLVR_HSLV4_Pos)  // 0x00000010
#define GPIO_HSLVR_HSLV4 GPIO_HSLVR_HSLV4_Msk
#define GPIO_HSLVR_HSLV5_Pos (5U)
#define GPIO_HSLVR_HSLV5_Msk (0x1U << GPIO_HSLVR_HSLV5_Pos)  // 0x00000020
#define GPIO_HSLVR_HSLV5 GPIO_HSLVR_HSLV5_Msk
#define GPIO_HSLVR_HSLV6_Pos (6U)
#define GPIO_HSLVR_HSLV6_Msk (0x1U << GPIO_HSLVR_HSLV6_Pos)  // 0x00000040
#define GPIO_HSLVR_HSLV6 GPIO_HSLVR_HSLV6_Msk
#define GPIO_HSLVR_HSLV7_Pos (7U)
#define GPIO_HSLVR_HSLV7_Msk (0x1U << GPIO_HSLVR_HSLV7_Pos)  // 0x00000080
#define GPIO_HSLVR_HSLV7 GPIO_HSLVR_HSLV7_Msk
#define GPIO_HSLVR_HSLV8_Pos (8U)
#define GPIO_HSLVR_HSLV8_Msk (0x1U << GPIO_HSLVR_HSLV8_Pos)  // 0x00000100
#define GPIO_HSLVR_HSLV8 GPIO_HSLVR_HSLV8_Msk
#define GPIO_HSLVR_HSLV9_Pos (9U)
#define GPIO_HSLVR_HSLV9_Msk (0x1U << GPIO_HSLVR_HSLV9_Pos)  // 0x00000200
#define GPIO_HSLVR_HSLV9 GPIO_HSLVR_HSLV9_Msk
#define GPIO_HSLVR_HSLV10_Pos (10U)
#define GPIO_HSLVR_HSLV10_Msk (0x1U << GPIO_HSLVR_HSLV10_Pos)  // 0x00000400
#define GPIO_HSLVR_HSLV10 GPIO_HSLVR_HSLV10_Msk
#define GPIO_HSLVR_HSLV11_Pos (11U)
#define GPIO_HSLVR_HSLV11_Msk (0x1U << GPIO_HSLVR_HSLV11_Pos)  // 0x00000800
#define GPIO_HSLVR_HSLV11 GPIO_HSLVR_HSLV11_Msk
#define GPIO_HSLVR_HSLV12_Pos (12U)
#define GPIO_HSLVR_HSLV12_Msk (0x1U << GPIO_HSLVR_HSLV12_Pos)  // 0x00001000
#define GPIO_HSLVR_HSLV12 GPIO_HSLVR_HSLV12_Msk
#define GPIO_HSLVR_HSLV13_Pos (13U)
#define GPIO_HSLVR_HSLV13_Msk (0x1U << GPIO_HSLVR_HSLV13_Pos)  // 0x00002000
#define GPIO_HSLVR_HSLV13 GPIO_HSLVR_HSLV13_Msk
#define GPIO_HSLVR_HSLV14_Pos (14U)
#define GPIO_HSLVR_HSLV14_Msk (0x1U << GPIO_HSLVR_HSLV14_Pos)  // 0x00004000
#define GPIO_HSLVR_HSLV14 GPIO_HSLVR_HSLV14_Msk
#define GPIO_HSLVR_HSLV15_Pos (15U)
#define GPIO_HSLVR_HSLV15_Msk (0x1U << GPIO_HSLVR_HSLV15_Pos)  // 0x00008000
#define GPIO_HSLVR_HSLV15 GPIO_HSLVR_HSLV15_Msk

// SECCFGR
#define GPIO_SECCFGR_SEC0_Pos (0U)
#define GPIO_SECCFGR_SEC0_Msk (0x1U << GPIO_SECCFGR_SEC0_Pos)  // 0x00000001
#define GPIO_SECCFGR_SEC0 GPIO_SECCFGR_SEC0_Msk
#define GPIO_SECCFGR_SEC1_Pos (1U)
#define GPIO_SECCFGR_SEC1_Msk (0x1U << GPIO_SECCFGR_SEC1_Pos)  // 0x00000002
#define GPIO_SECCFGR_SEC1 GPIO_SECCFGR_SEC1_Msk
#define GPIO_SECCFGR_SEC2_Pos (2U)
#define GPIO_SECCFGR_SEC2_Msk (0x1U << GPIO_SECCFGR_SEC2_Pos)  // 0x00000004
#define GPIO_SECCFGR_SEC2 GPIO_SECCFGR_SEC2_Msk
#define GPIO_SECCFGR_SEC3_Pos (3U)
#define GPIO_SECCFGR_SEC3_Msk (0x1U << GPIO_SECCFGR_SEC3_Pos)  // 0x00000008
#define GPIO_SECCFGR_SEC3 GPIO_SECCFGR_SEC3_Msk
#define GPIO_SECCFGR_SEC4_Pos (4U)
#define GPIO_SECCFGR_SEC4_Msk (0x1U << GPIO_SECCFGR_SEC4_Pos)  // 0x00000010
#define GPIO_SECCFGR_SEC4 GPIO_SECCFGR_SEC4_Msk
#define GPIO_SECCFGR_SEC5_Pos (5U)
#define GPIO_SECCFGR_SEC5_Msk (0x1U << GPIO_SECCFGR_SEC5_Pos)  // 0x00000020
#define GPIO_SECCFGR_SEC5 GPIO_SECCFGR_SEC5_Msk
#define GPIO_SECCFGR_SEC6_Pos (6U)
#define GPIO_SECCFGR_SEC6_Msk (0x1U << GPIO_SECCFGR_SEC6_Pos)  // 0x00000040
#define GPIO_SECCFGR_SEC6 GPIO_SECCFGR_SEC6_Msk
#define GPIO_SECCFGR_SEC7_Pos (7U)
#define GPIO_SECCFGR_SEC7_Msk (0x1U << GPIO_SECCFGR_SEC7_Pos)  // 0x00000080
#define GPIO_SECCFGR_SEC7 GPIO_SECCFGR_SEC7_Msk
#define GPIO_SECCFGR_SEC8_Pos (8U)
#define GPIO_SECCFGR_SEC8_Msk (0x1U << GPIO_SECCFGR_SEC8_Pos)  // 0x00000100
#define GPIO_SECCFGR_SEC8 GPIO_SECCFGR_SEC8_Msk
#define GPIO_SECCFGR_SEC9_Pos (9U)
#define GPIO_SECCFGR_SEC9_Msk (0x1U << GPIO_SECCFGR_SEC9_Pos)  // 0x00000200
#define GPIO_SECCFGR_SEC9 GPIO_SECCFGR_SEC9_Msk
#define GPIO_SECCFGR_SEC10_Pos (10U)
#define GPIO_SECCFGR_SEC10_Msk (0x1U << GPIO_SECCFGR_SEC10_Pos)  // 0x00000400
#define GPIO_SECCFGR_SEC10 GPIO_SECCFGR_SEC10_Msk
#define GPIO_SECCFGR_SEC11_Pos (11U)
#define GPIO_SECCFGR_SEC11_Msk (0x1U << GPIO_SECCFGR_SEC11_Pos)  // 0x00000800
#define GPIO_SECCFGR_SEC11 GPIO_SECCFGR_SEC11_Msk
#define GPIO_SECCFGR_SEC12_Pos (12U)
#define GPIO_SECCFGR_SEC12_Msk (0x1U << GPIO_SECCFGR_SEC12_Pos)  // 0x00001000
#define GPIO_SECCFGR_SEC12 GPIO_SECCFGR_SEC12_Msk
#define GPIO_SECCFGR_SEC13_Pos (13U)
#define GPIO_SECCFGR_SEC13_Msk (0x1U << GPIO_SECCFGR_SEC13_Pos)  // 0x00002000
#define GPIO_SECCFGR_SEC13 GPIO_SECCFGR_SEC13_Msk
#define GPIO_SECCFGR_SEC14_Pos (14U)
#define GPIO_SECCFGR_SEC14_Msk (0x1U << GPIO_SECCFGR_SEC14_Pos)  // 0x00004000
#define GPIO_SECCFGR_SEC14 GPIO_SECCFGR_SEC14_Msk
#define GPIO_SECCFGR_SEC15_Pos (15U)
#define GPIO_SECCFGR_SEC15_Msk (0x1U << GPIO_SECCFGR_SEC15_Pos)  // 0x00008000
#define GPIO_SECCFGR_SEC15 GPIO_SECCFGR_SEC15_Msk

// LPGPIO MODER: one bit per pin, 0 input, 1 output
#define LPGPIO_MODER_MODE0_Pos (0U)
#define LPGPIO_MODER_MODE0_Msk (0x1U << LPGPIO_MODER_MODE0_Pos)  // 0x00000001
#define LPGPIO_MODER_MODE0 LPGPIO_MODER_MODE0_Msk
#define LPGPIO_MODER_MODE1_Pos (1U)
#define LPGPIO_MODER_MODE1_Msk (0x1U << LPGPIO_MODER_MODE1_Pos)  // 0x00000002
#define LPGPIO_MODER_MODE1 LPGPIO_MODER_MODE1_Msk
#define LPGPIO_MODER_MODE2_Pos (2U)
#define LPGPIO_MODER_MODE2_Msk (0x1U << LPGPIO_MODER_MODE2_Pos)  // 0x00000004
#define LPGPIO_MODER_MODE2 LPGPIO_MODER_MODE2_Msk
#define LPGPIO_MODER_MODE3_Pos (3U)
#define LPGPIO_MODER_MODE3_Msk (0x1U << LPGPIO_MODER_MODE3_Pos)  // 0x00000008
#define LPGPIO_MODER_MODE3 LPGPIO_MODER_MODE3_Msk
#define LPGPIO_MODER_MODE4_Pos (4U)
#define LPGPIO_MODER_MODE4_Msk (0x1U << LPGPIO_MODER_MODE4_Pos)  // 0x00000010
#define LPGPIO_MODER_MODE4 LPGPIO_MODER_MODE4_Msk
#define LPGPIO_MODER_MODE5_Pos (5U)
#define LPGPIO_MODER_MODE5_Msk (0x1U << LPGPIO_MODER_MODE5_Pos)  // 0x00000020
#define LPGPIO_MODER_MODE5 LPGPIO_MODER_MODE5_Msk
#define LPGPIO_MODER_MODE6_Pos (6U)
#define LPGPIO_MODER_MODE6_Msk (0x1U << LPGPIO_MODER_MODE6_Pos)  // 0x00000040
#define LPGPIO_MODER_MODE6 LPGPIO_MODER_MODE6_Msk
#define LPGPIO_MODER_MODE7_Pos (7U)
#define LPGPIO_MODER_MODE7_Msk (0x1U << LPGPIO_MODER_MODE7_Pos)  // 0x00000080
#define LPGPIO_MODER_MODE7 LPGPIO_MODER_MODE7_Msk
#define LPGPIO_MODER_MODE8_Pos (8U)
#define LPGPIO_MODER_MODE8_Msk (0x1U << LPGPIO_MODER_MODE8_Pos)  // 0x00000100
#define LPGPIO_MODER_MODE8 LPGPIO_MODER_MODE8_Msk
#define LPGPIO_MODER_MODE9_Pos (9U)
#define LPGPIO_MODER_MODE9_Msk (0x1U << LPGPIO_MODER_MODE9_Pos)  // 0x00000200
#define LPGPIO_MODER_MODE9 LPGPIO_MODER_MODE9_Msk
#define LPGPIO_MODER_MODE10_Pos (10U)
#define LPGPIO_MODER_MODE10_Msk (0x1U << LPGPIO_MODER_MODE10_Pos)  // 0x00000400
#define LPGPIO_MODER_MODE10 LPGPIO_MODER_MODE10_Msk
#define LPGPIO_MODER_MODE11_Pos (11U)
#define LPGPIO_MODER_MODE11_Msk (0x1U << LPGPIO_MODER_MODE11_Pos)  // 0x00000800
#define LPGPIO_MODER_MODE11 LPGPIO_MODER_MODE11_Msk
#define LPGPIO_MODER_MODE12_Pos (12U)
#define LPGPIO_MODER_MODE12_Msk (0x1U << LPGPIO_MODER_MODE12_Pos)  // 0x00001000
#define LPGPIO_MODER_MODE12 LPGPIO_MODER_MODE12_Msk
#define LPGPIO_MODER_MODE13_Pos (13U)
#define LPGPIO_MODER_MODE13_Msk (0x1U << LPGPIO_MODER_MODE13_Pos)  // 0x00002000
#define LPGPIO_MODER_MODE13 LPGPIO_MODER_MODE13_Msk
#define LPGPIO_MODER_MODE14_Pos (14U)
#define LPGPIO_MODER_MODE14_Msk (0x1U << LPGPIO_MODER_MODE14_Pos)  // 0x00004000
#define LPGPIO_MODER_MODE14 LPGPIO_MODER_MODE14_Msk
#define LPGPIO_MODER_MODE15_Pos (15U)
#define LPGPIO_MODER_MODE15_Msk (0x1U << LPGPIO_MODER_MODE15_Pos)  // 0x00008000
#define LPGPIO_MODER_MODE15 LPGPIO_MODER_MODE15_Msk

// LPGPIO IDR
#define LPGPIO_IDR_ID0_Pos (0U)
#define LPGPIO_IDR_ID0_Msk (0x1U << LPGPIO_IDR_ID0_Pos)  // 0x00000001
#define LPGPIO_IDR_ID0 LPGPIO_IDR_ID0_Msk
#define LPGPIO_IDR_ID1_Pos (1U)
#define LPGPIO_IDR_ID1_Msk (0x1U << LPGPIO_IDR_ID1_Pos)  // 0x00000002
#define LPGPIO_IDR_ID1 LPGPIO_IDR_ID1_Msk
#define LPGPIO_IDR_ID2_Pos (2U)
#define LPGPIO_IDR_ID2_Msk (0x1U << LPGPIO_IDR_ID2_Pos)  // 0x00000004
#define LPGPIO_IDR_ID2 LPGPIO_IDR_ID2_Msk
#define LPGPIO_IDR_ID3_Pos (3U)
#define LPGPIO_IDR_ID3_Msk (0x1U << LPGPIO_IDR_ID3_Pos)  // 0x00000008
#define LPGPIO_IDR_ID3 LPGPIO_IDR_ID3_Msk
#define LPGPIO_IDR_ID4_Pos (4U)
#define LPGPIO_IDR_ID4_Msk (0x1U << LPGPIO_IDR_ID4_Pos)  // 0x00000010
#define LPGPIO_IDR_ID4 LPGPIO_IDR_ID4_Msk
#define LPGPIO_IDR_ID5_Pos (5U)
#define LPGPIO_IDR_ID5_Msk (0x1U << LPGPIO_IDR_ID5_Pos)  // 0x00000020
#define LPGPIO_IDR_ID5 LPGPIO_IDR_ID5_Msk
#define LPGPIO_IDR_ID6_Pos (6U)
#define LPGPIO_IDR_ID6_Msk (0x1U << LPGPIO_IDR_ID6_Pos)  // 0x00000040
#define LPGPIO_IDR_ID6 LPGPIO_IDR_ID6_Msk
#define LPGPIO_IDR_ID7_Pos (7U)
#define LPGPIO_IDR_ID7_Msk (0x1U << LPGPIO_IDR_ID7_Pos)  // 0x00000080
#define LPGPIO_IDR_ID7 LPGPIO_IDR_ID7_Msk
#define LPGPIO_IDR_ID8_Pos (8U)
#define LPGPIO_IDR_ID8_Msk (0x1U << LPGPIO_IDR_ID8_Pos)  // 0x00000100
#define LPGPIO_IDR_ID8 LPGPIO_IDR_ID8_Msk
#define LPGPIO_IDR_ID9_Pos (9U)
#define LPGPIO_IDR_ID9_Msk (0x1U << LPGPIO_IDR_ID9_Pos)  // 0x00000200
#define LPGPIO_IDR_ID9 LPGPIO_IDR_ID9_Msk
#define LPGPIO_IDR_ID10_Pos (10U)
#define LPGPIO_IDR_ID10_Msk (0x1U << LPGPIO_IDR_ID10_Pos)  // 0x00000400
#define LPGPIO_IDR_ID10 LPGPIO_IDR_ID10_Msk
#define LPGPIO_IDR_ID11_Pos (11U)
#define LPGPIO_IDR_ID11_Msk (0x1U << LPGPIO_IDR_ID11_Pos)  // 0x00000800
#define LPGPIO_IDR_ID11 LPGPIO_IDR_ID11_Msk
#define LPGPIO_IDR_ID12_Pos (12U)
#define LPGPIO_IDR_ID12_Msk (0x1U << LPGPIO_IDR_ID12_Pos)  // 0x00001000
#define LPGPIO_IDR_ID12 LPGPIO_IDR_ID12_Msk
#define LPGPIO_IDR_ID13_Pos (13U)
#define LPGPIO_IDR_ID13_Msk (0x1U << LPGPIO_IDR_ID13_Pos)  // 0x00002000
#define LPGPIO_IDR_ID13 LPGPIO_IDR_ID13_Msk
#define LPGPIO_IDR_ID14_Pos (14U)
#define LPGPIO_IDR_ID14_Msk (0x1U << LPGPIO_IDR_ID14_Pos)  // 0x00004000
#define LPGPIO_IDR_ID14 LPGPIO_IDR_ID14_Msk
#define LPGPIO_IDR_ID15_Pos (15U)
#define LPGPIO_IDR_ID15_Msk (0x1U << LPGPIO_IDR_ID15_Pos)  // 0x00008000
#define LPGPIO_IDR_ID15 LPGPIO_IDR_ID15_Msk

// LPGPIO ODR
#define LPGPIO_ODR_OD0_Pos (0U)
#define LPGPIO_ODR_OD0_Msk (0x1U << LPGPIO_ODR_OD0_Pos)  // 0x00000001
#define LPGPIO_ODR_OD0 LPGPIO_ODR_OD0_Msk
#define LPGPIO_ODR_OD1_Pos (1U)
#define LPGPIO_ODR_OD1_Msk (0x1U << LPGPIO_ODR_OD1_Pos)  // 0x00000002
#define LPGPIO_ODR_OD1 LPGPIO_ODR_OD1_Msk
#define LPGPIO_ODR_OD2_Pos (2U)
#define LPGPIO_ODR_OD2_Msk (0x1U << LPGPIO_ODR_OD2_Pos)  // 0x00000004
#define LPGPIO_ODR_OD2 LPGPIO_ODR_OD2_Msk
#define LPGPIO_ODR_OD3_Pos (3U)
#define LPGPIO_ODR_OD3_Msk (0x1U << LPGPIO_ODR_OD3_Pos)  // 0x00000008
#define LPGPIO_ODR_OD3 LPGPIO_ODR_OD3_Msk
#define LPGPIO_ODR_OD4_Pos (4U)
#define LPGPIO_ODR_OD4_Msk (0x1U << LPGPIO_ODR_OD4_Pos)  // 0x00000010
#define LPGPIO_ODR_OD4 LPGPIO_ODR_OD4_Msk
#define LPGPIO_ODR_OD5_Pos (5U)
#define LPGPIO_ODR_OD5_Msk (0x1U << LPGPIO_ODR_OD5_Pos)  // 0x00000020
#define LPGPIO_ODR_OD5 LPGPIO_ODR_OD5_Msk
#define LPGPIO_ODR_OD6_Pos (6U)
#define LPGPIO_ODR_OD6_Msk (0x1U << LPGPIO_ODR_OD6_Pos)  // 0x00000040
#define LPGPIO_ODR_OD6 LPGPIO_ODR_OD6_Msk
#define LPGPIO_ODR_OD7_Pos (7U)
#define LPGPIO_ODR_OD7_Msk (0x1U << LPGPIO_ODR_OD7_Pos)  // 0x00000080
#define LPGPIO_ODR_OD7 LPGPIO_ODR_OD7_Msk
#define LPGPIO_ODR_OD8_Pos (8U)
#define LPGPIO_ODR_OD8_Msk (0x1U << LPGPIO_ODR_OD8_Pos)  // 0x00000100
#define LPGPIO_ODR_OD8 LPGPIO_ODR_OD8_Msk
#define LPGPIO_ODR_OD9_Pos (9U)
#define LPGPIO_ODR_OD9_Msk (0x1U << LPGPIO_ODR_OD9_Pos)  // 0x00000200
#define LPGPIO_ODR_OD9 LPGPIO_ODR_OD9_Msk
#define LPGPIO_ODR_OD10_Pos (10U)
#define LPGPIO_ODR_OD10_Msk (0x1U << LPGPIO_ODR_OD10_Pos)  // 0x00000400
#define LPGPIO_ODR_OD10 LPGPIO_ODR_OD10_Msk
#define LPGPIO_ODR_OD11_Pos (11U)
#define LPGPIO_ODR_OD11_Msk (0x1U << LPGPIO_ODR_OD11_Pos)  // 0x00000800
#define LPGPIO_ODR_OD11 LPGPIO_ODR_OD11_Msk
#define LPGPIO_ODR_OD12_Pos (12U)
#define LPGPIO_ODR_OD12_Msk (0x1U << LPGPIO_ODR_OD12_Pos)  // 0x00001000
#define LPGPIO_ODR_OD12 LPGPIO_ODR_OD12_Msk
#define LPGPIO_ODR_OD13_Pos (13U)
#define LPGPIO_ODR_OD13_Msk (0x1U << LPGPIO_ODR_OD13_Pos)  // 0x00002000
#define LPGPIO_ODR_OD13 LPGPIO_ODR_OD13_Msk
#define LPGPIO_ODR_OD14_Pos (14U)
#define LPGPIO_ODR_OD14_Msk (0x1U << LPGPIO_ODR_OD14_Pos)  // 0x00004000
#define LPGPIO_ODR_OD14 LPGPIO_ODR_OD14_Msk
#define LPGPIO_ODR_OD15_Pos (15U)
#define LPGPIO_ODR_OD15_Msk (0x1U << LPGPIO_ODR_OD15_Pos)  // 0x00008000
#define LPGPIO_ODR_OD15 LPGPIO_ODR_OD15_Msk

// LPGPIO BSRR
#define LPGPIO_BSRR_BS0_Pos (0U)
#define LPGPIO_BSRR_BS0_Msk (0x1U << LPGPIO_BSRR_BS0_Pos)  // 0x00000001
#define LPGPIO_BSRR_BS0 LPGPIO_BSRR_BS0_Msk
#define LPGPIO_BSRR_BS1_Pos (1U)
#define LPGPIO_BSRR_BS1_Msk (0x1U << LPGPIO_BSRR_BS1_Pos)  // 0x00000002
#define LPGPIO_BSRR_BS1 LPGPIO_BSRR_BS1_Msk
#define LPGPIO_BSRR_BS2_Pos (2U)
#define LPGPIO_BSRR_BS2_Msk (0x1U << LPGPIO_BSRR_BS2_Pos)  // 0x00000004
#define LPGPIO_BSRR_BS2 LPGPIO_BSRR_BS2_Msk
#define LPGPIO_BSRR_BS3_Pos (3U)
#define LPGPIO_BSRR_BS3_Msk (0x1U << LPGPIO_BSRR_BS3_Pos)  // 0x00000008
#define LPGPIO_BSRR_BS3 LPGPIO_BSRR_BS3_Msk
#define LPGPIO_BSRR_BS4_Pos (4U)
#define LPGPIO_BSRR_BS4_Msk (0x1U << LPGPIO_BSRR_BS4_Pos)  // 0x00000010
#define LPGPIO_BSRR_BS4 LPGPIO_BSRR_BS4_Msk
#define LPGPIO_BSRR_BS5_Pos (5U)
#define LPGPIO_BSRR_BS5_Msk (0x1U << LPGPIO_BSRR_BS5_Pos)  // 0x00000020
#define LPGPIO_BSRR_BS5 LPGPIO_BSRR_BS5_Msk
#define LPGPIO_BSRR_BS6_Pos (6U)
#define LPGPIO_BSRR_BS6_Msk (0x1U << LPGPIO_BSRR_BS6_Pos)  // 0x00000040
#define LPGPIO_BSRR_BS6 LPGPIO_BSRR_BS6_Msk
#define LPGPIO_BSRR_BS7_Pos (7U)
#define LPGPIO_BSRR_BS7_Msk (0x1U << LPGPIO_BSRR_BS7_Pos)  // 0x00000080
#define LPGPIO_BSRR_BS7 LPGPIO_BSRR_BS7_Msk
#define LPGPIO_BSRR_BS8_Pos (8U)
#define LPGPIO_BSRR_BS8_Msk (0x1U << LPGPIO_BSRR_BS8_Pos)  // 0x00000100
#define LPGPIO_BSRR_BS8 LPGPIO_BSRR_BS8_Msk
#define LPGPIO_BSRR_BS9_Pos (9U)
#define LPGPIO_BSRR_BS9_Msk (0x1U << LPGPIO_BSRR_BS9_Pos)  // 0x00000200
#define LPGPIO_BSRR_BS9 LPGPIO_BSRR_BS9_Msk
#define LPGPIO_BSRR_BS10_Pos (10U)
#define LPGPIO_BSRR_BS10_Msk (0x1U << LPGPIO_BSRR_BS10_Pos)  // 0x00000400
#define LPGPIO_BSRR_BS10 LPGPIO_BSRR_BS10_Msk
#define LPGPIO_BSRR_BS11_Pos (11U)
#define LPGPIO_BSRR_BS11_Msk (0x1U << LPGPIO_BSRR_BS11_Pos)  // 0x00000800
#define LPGPIO_BSRR_BS11 LPGPIO_BSRR_BS11_Msk
#define LPGPIO_BSRR_BS12_Pos (12U)
#define LPGPIO_BSRR_BS12_Msk (0x1U << LPGPIO_BSRR_BS12_Pos)  // 0x00001000
#define LPGPIO_BSRR_BS12 LPGPIO_BSRR_BS12_Msk
#define LPGPIO_BSRR_BS13_Pos (13U)
#define LPGPIO_BSRR_BS13_Msk (0x1U << LPGPIO_BSRR_BS13_Pos)  // 0x00002000
#define LPGPIO_BSRR_BS13 LPGPIO_BSRR_BS13_Msk
#define LPGPIO_BSRR_BS14_Pos (14U)
#define LPGPIO_BSRR_BS14_Msk (0x1U << LPGPIO_BSRR_BS14_Pos)  // 0x00004000
#define LPGPIO_BSRR_BS14 LPGPIO_BSRR_BS14_Msk
#define LPGPIO_BSRR_BS15_Pos (15U)
#define LPGPIO_BSRR_BS15_Msk (0x1U << LPGPIO_BSRR_BS15_Pos)  // 0x00008000
#define LPGPIO_BSRR_BS15 LPGPIO_BSRR_BS15_Msk
#define LPGPIO_BSRR_BR0_Pos (16U)
#define LPGPIO_BSRR_BR0_Msk (0x1U << LPGPIO_BSRR_BR0_Pos)  // 0x00010000
#define LPGPIO_BSRR_BR0 LPGPIO_BSRR_BR0_Msk
#define LPGPIO_BSRR_BR1_Pos (17U)
#define LPGPIO_BSRR_BR1_Msk (0x1U << LPGPIO_BSRR_BR1_Pos)  // 0x00020000
#define LPGPIO_BSRR_BR1 LPGPIO_BSRR_BR1_Msk
#define LPGPIO_BSRR_BR2_Pos (18U)
#define LPGPIO_BSRR_BR2_Msk (0x1U << LPGPIO_BSRR_BR2_Pos)  // 0x00040000
#define LPGPIO_BSRR_BR2 LPGPIO_BSRR_BR2_Msk
#define LPGPIO_BSRR_BR3_Pos (19U)
#define LPGPIO_BSRR_BR3_Msk (0x1U << LPGPIO_BSRR_BR3_Pos)  // 0x00080000
#define LPGPIO_BSRR_BR3 LPGPIO_BSRR_BR3_Msk
#define LPGPIO_BSRR_BR4_Pos (20U)
#define LPGPIO_BSRR_BR4_Msk (0x1U << LPGPIO_BSRR_BR4_Pos)  // 0x00100000
#define LPGPIO_BSRR_BR4 LPGPIO_BSRR_BR4_Msk
#define LPGPIO_BSRR_BR5_Pos (21U)
#define LPGPIO_BSRR_BR5_Msk (0x1U << LPGPIO_BSRR_BR5_Pos)  // 0x00200000
#define LPGPIO_BSRR_BR5 LPGPIO_BSRR_BR5_Msk
#define LPGPIO_BSRR_BR6_Pos (22U)
#define LPGPIO_BSRR_BR6_Msk (0x1U << LPGPIO_BSRR_BR6_Pos)  // 0x00400000
#define LPGPIO_BSRR_BR6 LPGPIO_BSRR_BR6_Msk
#define LPGPIO_BSRR_BR7_Pos (23U)
#define LPGPIO_BSRR_BR7_Msk (0x1U << LPGPIO_BSRR_BR7_Pos)  // 0x00800000
#define LPGPIO_BSRR_BR7 LPGPIO_BSRR_BR7_Msk
#define LPGPIO_BSRR_BR8_Pos (24U)
#define LPGPIO_BSRR_BR8_Msk (0x1U << LPGPIO_BSRR_BR8_Pos)  // 0x01000000
#define LPGPIO_BSRR_BR8 LPGPIO_BSRR_BR8_Msk
#define LPGPIO_BSRR_BR9_Pos (25U)
#define LPGPIO_BSRR_BR9_Msk (0x1U << LPGPIO_BSRR_BR9_Pos)  // 0x02000000
#define LPGPIO_BSRR_BR9 LPGPIO_BSRR_BR9_Msk
#define LPGPIO_BSRR_BR10_Pos (26U)
#define LPGPIO_BSRR_BR10_Msk (0x1U << LPGPIO_BSRR_BR10_Pos)  // 0x04000000
#define LPGPIO_BSRR_BR10 LPGPIO_BSRR_BR10_Msk
#define LPGPIO_BSRR_BR11_Pos (27U)
#define LPGPIO_BSRR_BR11_Msk (0x1U << LPGPIO_BSRR_BR11_Pos)  // 0x08000000
#define LPGPIO_BSRR_BR11 LPGPIO_BSRR_BR11_Msk
#define LPGPIO_BSRR_BR12_Pos (28U)
#define LPGPIO_BSRR_BR12_Msk (0x1U << LPGPIO_BSRR_BR12_Pos)  // 0x10000000
#define LPGPIO_BSRR_BR12 LPGPIO_BSRR_BR12_Msk
#define LPGPIO_BSRR_BR13_Pos (29U)
#define LPGPIO_BSRR_BR13_Msk (0x1U << LPGPIO_BSRR_BR13_Pos)  // 0x20000000
#define LPGPIO_BSRR_BR13 LPGPIO_BSRR_BR13_Msk
#define LPGPIO_BSRR_BR14_Pos (30U)
#define LPGPIO_BSRR_BR14_Msk (0x1U << LPGPIO_BSRR_BR14_Pos)  // 0x40000000
#define LPGPIO_BSRR_BR14 LPGPIO_BSRR_BR14_Msk
#define LPGPIO_BSRR_BR15_Pos (31U)
#define LPGPIO_BSRR_BR15_Msk (0x1U << LPGPIO_BSRR_BR15_Pos)  // 0x80000000
#define LPGPIO_BSRR_BR15 LPGPIO_BSRR_BR15_Msk

// LPGPIO BRR
#define LPGPIO_BRR_BR0_Pos (0U)
#define LPGPIO_BRR_BR0_Msk (0x1U << LPGPIO_BRR_BR0_Pos)  // 0x00000001
#define LPGPIO_BRR_BR0 LPGPIO_BRR_BR0_Msk
#define LPGPIO_BRR_BR1_Pos (1U)
#define LPGPIO_BRR_BR1_Msk (0x1U << LPGPIO_BRR_BR1_Pos)  // 0x00000002
#define LPGPIO_BRR_BR1 LPGPIO_BRR_BR1_Msk
#define LPGPIO_BRR_BR2_Pos (2U)
#define LPGPIO_BRR_BR2_Msk (0x1U << LPGPIO_BRR_BR2_Pos)  // 0x00000004
#define LPGPIO_BRR_BR2 LPGPIO_BRR_BR2_Msk
#define LPGPIO_BRR_BR3_Pos (3U)
#define LPGPIO_BRR_BR3_Msk (0x1U << LPGPIO_BRR_BR3_Pos)  // 0x00000008
#define LPGPIO_BRR_BR3 LPGPIO_BRR_BR3_Msk
#define LPGPIO_BRR_BR4_Pos (4U)
#define LPGPIO_BRR_BR4_Msk (0x1U << LPGPIO_BRR_BR4_Pos)  // 0x00000010
#define LPGPIO_BRR_BR4 LPGPIO_BRR_BR4_Msk
#define LPGPIO_BRR_BR5_Pos (5U)
#define LPGPIO_BRR_BR5_Msk (0x1U << LPGPIO_BRR_BR5_Pos)  // 0x00000020
#define LPGPIO_BRR_BR5 LPGPIO_BRR_BR5_Msk
#define LPGPIO_BRR_BR6_Pos (6U)
#define LPGPIO_BRR_BR6_Msk (0x1U << LPGPIO_BRR_BR6_Pos)  // 0x00000040
#define LPGPIO_BRR_BR6 LPGPIO_BRR_BR6_Msk
#define LPGPIO_BRR_BR7_Pos (7U)
#define LPGPIO_BRR_BR7_Msk (0x1U << LPGPIO_BRR_BR7_Pos)  // 0x00000080
#define LPGPIO_BRR_BR7 LPGPIO_BRR_BR7_Msk
#define LPGPIO_BRR_BR8_Pos (8U)
#define LPGPIO_BRR_BR8_Msk (0x1U << LPGPIO_BRR_BR8_Pos)  // 0x00000100
#define LPGPIO_BRR_BR8 LPGPIO_BRR_BR8_Msk
#define LPGPIO_BRR_BR9_Pos (9U)
#define LPGPIO_BRR_BR9_Msk (0x1U << LPGPIO_BRR_BR9_Pos)  // 0x00000200
#define LPGPIO_BRR_BR9 LPGPIO_BRR_BR9_Msk
#define LPGPIO_BRR_BR10_Pos (10U)
#define LPGPIO_BRR_BR10_Msk (0x1U << LPGPIO_BRR_BR10_Pos)  // 0x00000400
#define LPGPIO_BRR_BR10 LPGPIO_BRR_BR10_Msk
#define LPGPIO_BRR_BR11_Pos (11U)
#define LPGPIO_BRR_BR11_Msk (0x1U << LPGPIO_BRR_BR11_Pos)  // 0x00000800
#define LPGPIO_BRR_BR11 LPGPIO_BRR_BR11_Msk
#define LPGPIO_BRR_BR12_Pos (12U)
#define LPGPIO_BRR_BR12_Msk (0x1U << LPGPIO_BRR_BR12_Pos)  // 0x00001000
#define LPGPIO_BRR_BR12 LPGPIO_BRR_BR12_Msk
#define LPGPIO_BRR_BR13_Pos (13U)
#define LPGPIO_BRR_BR13_Msk (0x1U << LPGPIO_BRR_BR13_Pos)  // 0x00002000
#define LPGPIO_BRR_BR13 LPGPIO_BRR_BR13_Msk
#define LPGPIO_BRR_BR14_Pos (14U)
#define LPGPIO_BRR_BR14_Msk (0x1U << LPGPIO_BRR_BR14_Pos)  // 0x00004000
#define LPGPIO_BRR_BR14 LPGPIO_BRR_BR14_Msk
#define LPGPIO_BRR_BR15_Pos (15U)
#define LPGPIO_BRR_BR15_Msk (0x1U << LPGPIO_BRR_BR15_Pos)  // 0x00008000
#define LPGPIO_BRR_BR15 LPGPIO_BRR_BR15_Msk

// ============================================================================================
// EXTI fields
// ============================================================================================

// RTSR1: rising trigger per line
#define EXTI_RTSR1_RT0_Pos (0U)
#define EXTI_RTSR1_RT0_Msk (0x1U << EXTI_RTSR1_RT0_Pos)  // 0x00000001
#define EXTI_RTSR1_RT0 EXTI_RTSR1_RT0_Msk
#define EXTI_RTSR1_RT1_Pos (1U)
#define EXTI_RTSR1_RT1_Msk (0x1U << EXTI_RTSR1_RT1_Pos)  // 0x00000002
#define EXTI_RTSR1_RT1 EXTI_RTSR1_RT1_Msk
#define EXTI_RTSR1_RT2_Pos (2U)
#define EXTI_RTSR1_RT2_Msk (0x1U << EXTI_RTSR1_RT2_Pos)  // 0x00000004
#define EXTI_RTSR1_RT2 EXTI_RTSR1_RT2_Msk
#define EXTI_RTSR1_RT3_Pos (3U)
#define EXTI_RTSR1_RT3_Msk (0x1U << EXTI_RTSR1_RT3_Pos)  // 0x00000008
#define EXTI_RTSR1_RT3 EXTI_RTSR1_RT3_Msk
#define EXTI_RTSR1_RT4_Pos (4U)
#define EXTI_RTSR1_RT4_Msk (0x1U << EXTI_RTSR1_RT4_Pos)  // 0x00000010
#define EXTI_RTSR1_RT4 EXTI_RTSR1_RT4_Msk
#define EXTI_RTSR1_RT5_Pos (5U)
#define EXTI_RTSR1_RT5_Msk (0x1U << EXTI_RTSR1_RT5_Pos)  // 0x00000020
#define EXTI_RTSR1_RT5 EXTI_RTSR1_RT5_Msk
#define EXTI_RTSR1_RT6_Pos (6U)
#define EXTI_RTSR1_RT6_Msk (0x1U << EXTI_RTSR1_RT6_Pos)  // 0x00000040
#define EXTI_RTSR1_RT6 EXTI_RTSR1_RT6_Msk
#define EXTI_RTSR1_RT7_Pos (7U)
#define EXTI_RTSR1_RT7_Msk (0x1U << EXTI_RTSR1_RT7_Pos)  // 0x00000080
#define EXTI_RTSR1_RT7 EXTI_RTSR1_RT7_Msk
#define EXTI_RTSR1_RT8_Pos (8U)
#define EXTI_RTSR1_RT8_Msk (0x1U << EXTI_RTSR1_RT8_Pos)  // 0x00000100
#define EXTI_RTSR1_RT8 EXTI_RTSR1_RT8_Msk
#define EXTI_RTSR1_RT9_Pos (9U)
#define EXTI_RTSR1_RT9_Msk (0x1U << EXTI_RTSR1_RT9_Pos)  // 0x00000200
#define EXTI_RTSR1_RT9 EXTI_RTSR1_RT9_Msk
#define EXTI_RTSR1_RT10_Pos (10U)
#define EXTI_RTSR1_RT10_Msk (0x1U << EXTI_RTSR1_RT10_Pos)  // 0x00000400
#define EXTI_RTSR1_RT10 EXTI_RTSR1_RT10_Msk
#define EXTI_RTSR1_RT11_Pos (11U)
#define EXTI_RTSR1_RT11_Msk (0x1U << EXTI_RTSR1_RT11_Pos)  // 0x00000800
#define EXTI_RTSR1_RT11 EXTI_RTSR1_RT11_Msk
#define EXTI_RTSR1_RT12_Pos (12U)
#define EXTI_RTSR1_RT12_Msk (0x1U << EXTI_RTSR1_RT12_Pos)  // 0x00001000
#define EXTI_RTSR1_RT12 EXTI_RTSR1_RT12_Msk
#define EXTI_RTSR1_RT13_Pos (13U)
#define EXTI_RTSR1_RT13_Msk (0x1U << EXTI_RTSR1_RT13_Pos)  // 0x00002000
#define EXTI_RTSR1_RT13 EXTI_RTSR1_RT13_Msk
#define EXTI_RTSR1_RT14_Pos (14U)
#define EXTI_RTSR1_RT14_Msk (0x1U << EXTI_RTSR1_RT14_Pos)  // 0x00004000
#define EXTI_RTSR1_RT14 EXTI_RTSR1_RT14_Msk
#define EXTI_RTSR1_RT15_Pos (15U)
#define EXTI_RTSR1_RT15_Msk (0x1U << EXTI_RTSR1_RT15_Pos)  // 0x00008000
#define EXTI_RTSR1_RT15 EXTI_RTSR1_RT15_Msk
#define EXTI_RTSR1_RT16_Pos (16U)
#define EXTI_RTSR1_RT16_Msk (0x1U << EXTI_RTSR1_RT16_Pos)  // 0x00010000
#define EXTI_RTSR1_RT16 EXTI_RTSR1_RT16_Msk
#define EXTI_RTSR1_RT17_Pos (17U)
#define EXTI_RTSR1_RT17_Msk (0x1U << EXTI_RTSR1_RT17_Pos)  // 0x00020000
#define EXTI_RTSR1_RT17 EXTI_RTSR1_RT17_Msk
#define EXTI_RTSR1_RT18_Pos (18U)
#define EXTI_RTSR1_RT18_Msk (0x1U << EXTI_RTSR1_RT18_Pos)  // 0x00040000
#define EXTI_RTSR1_RT18 EXTI_RTSR1_RT18_Msk
#define EXTI_RTSR1_RT19_Pos (19U)
#define EXTI_RTSR1_RT19_Msk (0x1U << EXTI_RTSR1_RT19_Pos)  // 0x00080000
#define EXTI_RTSR1_RT19 EXTI_RTSR1_RT19_Msk
#define EXTI_RTSR1_RT20_Pos (20U)
#define EXTI_RTSR1_RT20_Msk (0x1U << EXTI_RTSR1_RT20_Pos)  // 0x00100000
#define EXTI_RTSR1_RT20 EXTI_RTSR1_RT20_Msk
#define EXTI_RTSR1_RT21_Pos (21U)
#define EXTI_RTSR1_RT21_Msk (0x1U << EXTI_RTSR1_RT21_Pos)  // 0x00200000
#define EXTI_RTSR1_RT21 EXTI_RTSR1_RT21_Msk
#define EXTI_RTSR1_RT22_Pos (22U)
#define EXTI_RTSR1_RT22_Msk (0x1U << EXTI_RTSR1_RT22_Pos)  // 0x00400000
#define EXTI_RTSR1_RT22 EXTI_RTSR1_RT22_Msk
#define EXTI_RTSR1_RT23_Pos (23U)
#define EXTI_RTSR1_RT23_Msk (0x1U << EXTI_RTSR1_RT23_Pos)  // 0x00800000
#define EXTI_RTSR1_RT23 EXTI_RTSR1_RT23_Msk
#define EXTI_RTSR1_RT24_Pos (24U)
#define EXTI_RTSR1_RT24_Msk (0x1U << EXTI_RTSR1_RT24_Pos)  // 0x01000000
#define EXTI_RTSR1_RT24 EXTI_RTSR1_RT24_Msk
#define EXTI_RTSR1_RT25_Pos (25U)
#define EXTI_RTSR1_RT25_Msk (0x1U << EXTI_RTSR1_RT25_Pos)  // 0x02000000
#define EXTI_RTSR1_RT25 EXTI_RTSR1_RT25_Msk

// FTSR1: falling trigger per line
#define EXTI_FTSR1_FT0_Pos (0U)
#define EXTI_FTSR1_FT0_Msk (0x1U << EXTI_FTSR1_FT0_Pos)  // 0x00000001
#define EXTI_FTSR1_FT0 EXTI_FTSR1_FT0_Msk
#define EXTI_FTSR1_FT1_Pos (1U)
#define EXTI_FTSR1_FT1_Msk (0x1U << EXTI_FTSR1_FT1_Pos)  // 0x00000002
#define EXTI_FTSR1_FT1 EXTI_FTSR1_FT1_Msk
#define EXTI_FTSR1_FT2_Pos (2U)
#define EXTI_FTSR1_FT2_Msk (0x1U << EXTI_FTSR1_FT2_Pos)  // 0x00000004
#define EXTI_FTSR1_FT2 EXTI_FTSR1_FT2_Msk
#define EXTI_FTSR1_FT3_Pos (3U)
#define EXTI_FTSR1_FT3_Msk (0x1U << EXTI_FTSR1_FT3_Pos)  // 0x00000008
#define EXTI_FTSR1_FT3 EXTI_FTSR1_FT3_Msk
#define EXTI_FTSR1_FT4_Pos (4U)
#define EXTI_FTSR1_FT4_Msk (0x1U << EXTI_FTSR1_FT4_Pos)  // 0x00000010
#define EXTI_FTSR1_FT4 EXTI_FTSR1_FT4_Msk
#define EXTI_FTSR1_FT5_Pos (5U)
#define EXTI_FTSR1_FT5_Msk (0x1U << EXTI_FTSR1_FT5_Pos)  // 0x00000020
#define EXTI_FTSR1_FT5 EXTI_FTSR1_FT5_Msk
#define EXTI_FTSR1_FT6_Pos (6U)
#define EXTI_FTSR1_FT6_Msk (0x1U << EXTI_FTSR1_FT6_Pos)  // 0x00000040
#define EXTI_FTSR1_FT6 EXTI_FTSR1_FT6_Msk
#define EXTI_FTSR1_FT7_Pos (7U)
#define EXTI_FTSR1_FT7_Msk (0x1U << EXTI_FTSR1_FT7_Pos)  // 0x00000080
#define EXTI_FTSR1_FT7 EXTI_FTSR1_FT7_Msk
#define EXTI_FTSR1_FT8_Pos (8U)
#define EXTI_FTSR1_FT8_Msk (0x1U << EXTI_FTSR1_FT8_Pos)  // 0x00000100
#define EXTI_FTSR1_FT8 EXTI_FTSR1_FT8_Msk
#define EXTI_FTSR1_FT9_Pos (9U)
#define EXTI_FTSR1_FT9_Msk (0x1U << EXTI_FTSR1_FT9_Pos)  // 0x00000200
#define EXTI_FTSR1_FT9 EXTI_FTSR1_FT9_Msk
#define EXTI_FTSR1_FT10_Pos (10U)
#define EXTI_FTSR1_FT10_Msk (0x1U << EXTI_FTSR1_FT10_Pos)  // 0x00000400
#define EXTI_FTSR1_FT10 EXTI_FTSR1_FT10_Msk
#define EXTI_FTSR1_FT11_Pos (11U)
#define EXTI_FTSR1_FT11_Msk (0x1U << EXTI_FTSR1_FT11_Pos)  // 0x00000800
#define EXTI_FTSR1_FT11 EXTI_FTSR1_FT11_Msk
#define EXTI_FTSR1_FT12_Pos (12U)
#define EXTI_FTSR1_FT12_Msk (0x1U << EXTI_FTSR1_FT12_Pos)  // 0x00001000
#define EXTI_FTSR1_FT12 EXTI_FTSR1_FT12_Msk
#define EXTI_FTSR1_FT13_Pos (13U)
#define EXTI_FTSR1_FT13_Msk (0x1U << EXTI_FTSR1_FT13_Pos)  // 0x00002000
#define EXTI_FTSR1_FT13 EXTI_FTSR1_FT13_Msk
#define EXTI_FTSR1_FT14_Pos (14U)
#define EXTI_FTSR1_FT14_Msk (0x1U << EXTI_FTSR1_FT14_Pos)  // 0x00004000
#define EXTI_FTSR1_FT14 EXTI_FTSR1_FT14_Msk
#define EXTI_FTSR1_FT15_Pos (15U)
#define EXTI_FTSR1_FT15_Msk (0x1U << EXTI_FTSR1_FT15_Pos)  // 0x00008000
#define EXTI_FTSR1_FT15 EXTI_FTSR1_FT15_Msk
#define EXTI_FTSR1_FT16_Pos (16U)
#define EXTI_FTSR1_FT16_Msk (0x1U << EXTI_FTSR1_FT16_Pos)  // 0x00010000
#define EXTI_FTSR1_FT16 EXTI_FTSR1_FT16_Msk
#define EXTI_FTSR1_FT17_Pos (17U)
#define EXTI_FTSR1_FT17_Msk (0x1U << EXTI_FTSR1_FT17_Pos)  // 0x00020000
#define EXTI_FTSR1_FT17 EXTI_FTSR1_FT17_Msk
#define EXTI_FTSR1_FT18_Pos (18U)
#define EXTI_FTSR1_FT18_Msk (0x1U << EXTI_FTSR1_FT18_Pos)  // 0x00040000
#define EXTI_FTSR1_FT18 EXTI_FTSR1_FT18_Msk
#define EXTI_FTSR1_FT19_Pos (19U)
#define EXTI_FTSR1_FT19_Msk (0x1U << EXTI_FTSR1_FT19_Pos)  // 0x00080000
#define EXTI_FTSR1_FT19 EXTI_FTSR1_FT19_Msk
#define EXTI_FTSR1_FT20_Pos (20U)
#define EXTI_FTSR1_FT20_Msk (0x1U << EXTI_FTSR1_FT20_Pos)  // 0x00100000
#define EXTI_FTSR1_FT20 EXTI_FTSR1_FT20_Msk
#define EXTI_FTSR1_FT21_Pos (21U)
#define EXTI_FTSR1_FT21_Msk (0x1U << EXTI_FTSR1_FT21_Pos)  // 0x00200000
#define EXTI_FTSR1_FT21 EXTI_FTSR1_FT21_Msk
#define EXTI_FTSR1_FT22_Pos (22U)
#define EXTI_FTSR1_FT22_Msk (0x1U << EXTI_FTSR1_FT22_Pos)  // 0x00400000
#define EXTI_FTSR1_FT22 EXTI_FTSR1_FT22_Msk
#define EXTI_FTSR1_FT23_Pos (23U)
#define EXTI_FTSR1_FT23_Msk (0x1U << EXTI_FTSR1_FT23_Pos)  // 0x00800000
#define EXTI_FTSR1_FT23 EXTI_FTSR1_FT23_Msk
#define EXTI_FTSR1_FT24_Pos (24U)
#define EXTI_FTSR1_FT24_Msk (0x1U << EXTI_FTSR1_FT24_Pos)  // 0x01000000
#define EXTI_FTSR1_FT24 EXTI_FTSR1_FT24_Msk
#define EXTI_FTSR1_FT25_Pos (25U)
#define EXTI_FTSR1_FT25_Msk (0x1U << EXTI_FTSR1_FT25_Pos)  // 0x02000000
#define EXTI_FTSR1_FT25 EXTI_FTSR1_FT25_Msk

// SWIER1: software event per line
#define EXTI_SWIER1_SWI0_Pos (0U)
#define EXTI_SWIER1_SWI0_Msk (0x1U << EXTI_SWIER1_SWI0_Pos)  // 0x00000001
#define EXTI_SWIER1_SWI0 EXTI_SWIER1_SWI0_Msk
#define EXTI_SWIER1_SWI1_Pos (1U)
#define EXTI_SWIER1_SWI1_Msk (0x1U << EXTI_SWIER1_SWI1_Pos)  // 0x00000002
#define EXTI_SWIER1_SWI1 EXTI_SWIER1_SWI1_Msk
#define EXTI_SWIER1_SWI2_Pos (2U)
#define EXTI_SWIER1_SWI2_Msk (0x1U << EXTI_SWIER1_SWI2_Pos)  // 0x00000004
#define EXTI_SWIER1_SWI2 EXTI_SWIER1_SWI2_Msk
#define EXTI_SWIER1_SWI3_Pos (3U)
#define EXTI_SWIER1_SWI3_Msk (0x1U << EXTI_SWIER1_SWI3_Pos)  // 0x00000008
#define EXTI_SWIER1_SWI3 EXTI_SWIER1_SWI3_Msk
#define EXTI_SWIER1_SWI4_Pos (4U)
#define EXTI_SWIER1_SWI4_Msk (0x1U << EXTI_SWIER1_SWI4_Pos)  // 0x00000010
#define EXTI_SWIER1_SWI4 EXTI_SWIER1_SWI4_Msk
#define EXTI_SWIER1_SWI5_Pos (5U)
#define EXTI_SWIER1_SWI5_Msk (0x1U << EXTI_SWIER1_SWI5_Pos)  // 0x00000020
#define EXTI_SWIER1_SWI5 EXTI_SWIER1_SWI5_Msk
#define EXTI_SWIER1_SWI6_Pos (6U)
#define EXTI_SWIER1_SWI6_Msk (0x1U << EXTI_SWIER1_SWI6_Pos)  // 0x00000040
#define EXTI_SWIER1_SWI6 EXTI_SWIER1_SWI6_Msk
#define EXTI_SWIER1_SWI7_Pos (7U)
#define EXTI_SWIER1_SWI7_Msk (0x1U << EXTI_SWIER1_SWI7_Pos)  // 0x00000080
#define EXTI_SWIER1_SWI7 EXTI_SWIER1_SWI7_Msk
#define EXTI_SWIER1_SWI8_Pos (8U)
#define EXTI_SWIER1_SWI8_Msk (0x1U << EXTI_SWIER1_SWI8_Pos)  // 0x00000100
#define EXTI_SWIER1_SWI8 EXTI_SWIER1_SWI8_Msk
#define EXTI_SWIER1_SWI9_Pos (9U)
#define EXTI_SWIER1_SWI9_Msk (0x1U << EXTI_SWIER1_SWI9_Pos)  // 0x00000200
#define EXTI_SWIER1_SWI9 EXTI_SWIER1_SWI9_Msk
#define EXTI_SWIER1_SWI10_Pos (10U)
#define EXTI_SWIER1_SWI10_Msk (0x1U << EXTI_SWIER1_SWI10_Pos)  // 0x00000400
#define EXTI_SWIER1_SWI10 EXTI_SWIER1_SWI10_Msk
#define EXTI_SWIER1_SWI11_Pos (11U)
#define EXTI_SWIER1_SWI11_Msk (0x1U << EXTI_SWIER1_SWI11_Pos)  // 0x00000800
#define EXTI_SWIER1_SWI11 EXTI_SWIER1_SWI11_Msk
#define EXTI_SWIER1_SWI12_Pos (12U)
#define EXTI_SWIER1_SWI12_Msk (0x1U << EXTI_SWIER1_SWI12_Pos)  // 0x00001000
#define EXTI_SWIER1_SWI12 EXTI_SWIER1_SWI12_Msk
#define EXTI_SWIER1_SWI13_Pos (13U)
#define EXTI_SWIER1_SWI13_Msk (0x1U << EXTI_SWIER1_SWI13_Pos)  // 0x00002000
#define EXTI_SWIER1_SWI13 EXTI_SWIER1_SWI13_Msk
#define EXTI_SWIER1_SWI14_Pos (14U)
#define EXTI_SWIER1_SWI14_Msk (0x1U << EXTI_SWIER1_SWI14_Pos)  // 0x00004000
#define EXTI_SWIER1_SWI14 EXTI_SWIER1_SWI14_Msk
#define EXTI_SWIER1_SWI15_Pos (15U)
#define EXTI_SWIER1_SWI15_Msk (0x1U << EXTI_SWIER1_SWI15_Pos)  // 0x00008000
#define EXTI_SWIER1_SWI15 EXTI_SWIER1_SWI15_Msk
#define EXTI_SWIER1_SWI16_Pos (16U)
#define EXTI_SWIER1_SWI16_Msk (0x1U << EXTI_SWIER1_SWI16_Pos)  // 0x00010000
#define EXTI_SWIER1_SWI16 EXTI_SWIER1_SWI16_Msk
#define EXTI_SWIER1_SWI17_Pos (17U)
#define EXTI_SWIER1_SWI17_Msk (0x1U << EXTI_SWIER1_SWI17_Pos)  // 0x00020000
#define EXTI_SWIER1_SWI17 EXTI_SWIER1_SWI17_Msk
#define EXTI_SWIER1_SWI18_Pos (18U)
#define EXTI_SWIER1_SWI18_Msk (0x1U << EXTI_SWIER1_SWI18_Pos)  // 0x00040000
#define EXTI_SWIER1_SWI18 EXTI_SWIER1_SWI18_Msk
#define EXTI_SWIER1_SWI19_Pos (19U)
#define EXTI_SWIER1_SWI19_Msk (0x1U << EXTI_SWIER1_SWI19_Pos)  // 0x00080000
#define EXTI_SWIER1_SWI19 EXTI_SWIER1_SWI19_Msk
#define EXTI_SWIER1_SWI20_Pos (20U)
#define EXTI_SWIER1_SWI20_Msk (0x1U << EXTI_SWIER1_SWI20_Pos)  // 0x00100000
#define EXTI_SWIER1_SWI20 EXTI_SWIER1_SWI20_Msk
#define EXTI_SWIER1_SWI21_Pos (21U)
#define EXTI_SWIER1_SWI21_Msk (0x1U << EXTI_SWIER1_SWI21_Pos)  // 0x00200000
#define EXTI_SWIER1_SWI21 EXTI_SWIER1_SWI21_Msk
#define EXTI_SWIER1_SWI22_Pos (22U)
#define EXTI_SWIER1_SWI22_Msk (0x1U << EXTI_SWIER1_SWI22_Pos)  // 0x00400000
#define EXTI_SWIER1_SWI22 EXTI_SWIER1_SWI22_Msk
#define EXTI_SWIER1_SWI23_Pos (23U)
#define EXTI_SWIER1_SWI23_Msk (0x1U << EXTI_SWIER1_SWI23_Pos)  // 0x00800000
#define EXTI_SWIER1_SWI23 EXTI_SWIER1_SWI23_Msk
#define EXTI_SWIER1_SWI24_Pos (24U)
#define EXTI_SWIER1_SWI24_Msk (0x1U << EXTI_SWIER1_SWI24_Pos)  // 0x01000000
#define EXTI_SWIER1_SWI24 EXTI_SWIER1_SWI24_Msk
#define EXTI_SWIER1_SWI25_Pos (25U)
#define EXTI_SWIER1_SWI25_Msk (0x1U << EXTI_SWIER1_SWI25_Pos)  // 0x02000000
#define EXTI_SWIER1_SWI25 EXTI_SWIER1_SWI25_Msk

// RPR1: rising edge pending, write 1 to clear
#define EXTI_RPR1_RPIF0_Pos (0U)
#define EXTI_RPR1_RPIF0_Msk (0x1U << EXTI_RPR1_RPIF0_Pos)  // 0x00000001
#define EXTI_RPR1_RPIF0 EXTI_RPR1_RPIF0_Msk
#define EXTI_RPR1_RPIF1_Pos (1U)
#define EXTI_RPR1_RPIF1_Msk (0x1U << EXTI_RPR1_RPIF1_Pos)  // 0x00000002
#define EXTI_RPR1_RPIF1 EXTI_RPR1_RPIF1_Msk
#define EXTI_RPR1_RPIF2_Pos (2U)
#define EXTI_RPR1_RPIF2_Msk (0x1U << EXTI_RPR1_RPIF2_Pos)  // 0x00000004
#define EXTI_RPR1_RPIF2 EXTI_RPR1_RPIF2_Msk
#define EXTI_RPR1_RPIF3_Pos (3U)
#define EXTI_RPR1_RPIF3_Msk (0x1U << EXTI_RPR1_RPIF3_Pos)  // 0x00000008
#define EXTI_RPR1_RPIF3 EXTI_RPR1_RPIF3_Msk
#define EXTI_RPR1_RPIF4_Pos (4U)
#define EXTI_RPR1_RPIF4_Msk (0x1U << EXTI_RPR1_RPIF4_Pos)  // 0x00000010
#define EXTI_RPR1_RPIF4 EXTI_RPR1_RPIF4_Msk
#define EXTI_RPR1_RPIF5_Pos (5U)
#define EXTI_RPR1_RPIF5_Msk (0x1U << EXTI_RPR1_RPIF5_Pos)  // 0x00000020
#define EXTI_RPR1_RPIF5 EXTI_RPR1_RPIF5_Msk
#define EXTI_RPR1_RPIF6_Pos (6U)
#define EXTI_RPR1_RPIF6_Msk (0x1U << EXTI_RPR1_RPIF6_Pos)  // 0x00000040
#define EXTI_RPR1_RPIF6 EXTI_RPR1_RPIF6_Msk
#define EXTI_RPR1_RPIF7_Pos (7U)
#define EXTI_RPR1_RPIF7_Msk (0x1U << EXTI_RPR1_RPIF7_Pos)  // 0x00000080
#define EXTI_RPR1_RPIF7 EXTI_RPR1_RPIF7_Msk
#define EXTI_RPR1_RPIF8_Pos (8U)
#define EXTI_RPR1_RPIF8_Msk (0x1U << EXTI_RPR1_RPIF8_Pos)  // 0x00000100
#define EXTI_RPR1_RPIF8 EXTI_RPR1_RPIF8_Msk
#define EXTI_RPR1_RPIF9_Pos (9U)
#define EXTI_RPR1_RPIF9_Msk (0x1U << EXTI_RPR1_RPIF9_Pos)  // 0x00000200
#define EXTI_RPR1_RPIF9 EXTI_RPR1_RPIF9_Msk
#define EXTI_RPR1_RPIF10_Pos (10U)
#define EXTI_RPR1_RPIF10_Msk (0x1U << EXTI_RPR1_RPIF10_Pos)  // 0x00000400
#define EXTI_RPR1_RPIF10 EXTI_RPR1_RPIF10_Msk
#define EXTI_RPR1_RPIF11_Pos (11U)
#define EXTI_RPR1_RPIF11_Msk (0x1U << EXTI_RPR1_RPIF11_Pos)  // 0x00000800
#define EXTI_RPR1_RPIF11 EXTI_RPR1_RPIF11_Msk
#define EXTI_RPR1_RPIF12_Pos (12U)
#define EXTI_RPR1_RPIF12_Msk (0x1U << EXTI_RPR1_RPIF12_Pos)  // 0x00001000
#define EXTI_RPR1_RPIF12 EXTI_RPR1_RPIF12_Msk
#define EXTI_RPR1_RPIF13_Pos (13U)
#define EXTI_RPR1_RPIF13_Msk (0x1U << EXTI_RPR1_RPIF13_Pos)  // 0x00002000
#define EXTI_RPR1_RPIF13 EXTI_RPR1_RPIF13_Msk
#define EXTI_RPR1_RPIF14_Pos (14U)
#define EXTI_RPR1_RPIF14_Msk (0x1U << EXTI_RPR1_RPIF14_Pos)  // 0x00004000
#define EXTI_RPR1_RPIF14 EXTI_RPR1_RPIF14_Msk
#define EXTI_RPR1_RPIF15_Pos (15U)
#define EXTI_RPR1_RPIF15_Msk (0x1U << EXTI_RPR1_RPIF15_Pos)  // 0x00008000
#define EXTI_RPR1_RPIF15 EXTI_RPR1_RPIF15_Msk
#define EXTI_RPR1_RPIF16_Pos (16U)
#define EXTI_RPR1_RPIF16_Msk (0x1U << EXTI_RPR1_RPIF16_Pos)  // 0x00010000
#define EXTI_RPR1_RPIF16 EXTI_RPR1_RPIF16_Msk
#define EXTI_RPR1_RPIF17_Pos (17U)
#define EXTI_RPR1_RPIF17_Msk (0x1U << EXTI_RPR1_RPIF17_Pos)  // 0x00020000
#define EXTI_RPR1_RPIF17 EXTI_RPR1_RPIF17_Msk
#define EXTI_RPR1_RPIF18_Pos (18U)
#define EXTI_RPR1_RPIF18_Msk (0x1U << EXTI_RPR1_RPIF18_Pos)  // 0x00040000
#define EXTI_RPR1_RPIF18 EXTI_RPR1_RPIF18_Msk
#define EXTI_RPR1_RPIF19_Pos (19U)
#define EXTI_RPR1_RPIF19_Msk (0x1U << EXTI_RPR1_RPIF19_Pos)  // 0x00080000
#define EXTI_RPR1_RPIF19 EXTI_RPR1_RPIF19_Msk
#define EXTI_RPR1_RPIF20_Pos (20U)
#define EXTI_RPR1_RPIF20_Msk (0x1U << EXTI_RPR1_RPIF20_Pos)  // 0x00100000
#define EXTI_RPR1_RPIF20 EXTI_RPR1_RPIF20_Msk
#define EXTI_RPR1_RPIF21_Pos (21U)
#define EXTI_RPR1_RPIF21_Msk (0x1U << EXTI_RPR1_RPIF21_Pos)  // 0x00200000
#define EXTI_RPR1_RPIF21 EXTI_RPR1_RPIF21_Msk
#define EXTI_RPR1_RPIF22_Pos (22U)
#define EXTI_RPR1_RPIF22_Msk (0x1U << EXTI_RPR1_RPIF22_Pos)  // 0x00400000
#define EXTI_RPR1_RPIF22 EXTI_RPR1_RPIF22_Msk
#define EXTI_RPR1_RPIF23_Pos (23U)
#define EXTI_RPR1_RPIF23_Msk (0x1U << EXTI_RPR1_RPIF23_Pos)  // 0x00800000
#define EXTI_RPR1_RPIF23 EXTI_RPR1_RPIF23_Msk
#define EXTI_RPR1_RPIF24_Pos (24U)
#define EXTI_RPR1_RPIF24_Msk (0x1U << EXTI_RPR1_RPIF24_Pos)  // 0x01000000
#define EXTI_RPR1_RPIF24 EXTI_RPR1_RPIF24_Msk
#define EXTI_RPR1_RPIF25_Pos (25U)
#define EXTI_RPR1_RPIF25_Msk (0x1U << EXTI_RPR1_RPIF25_Pos)  // 0x02000000
#define EXTI_RPR1_RPIF25 EXTI_RPR1_RPIF25_Msk

// FPR1: falling edge pending, write 1 to clear
#define EXTI_FPR1_FPIF0_Pos (0U)
#define EXTI_FPR1_FPIF0_Msk (0x1U << EXTI_FPR1_FPIF0_Pos)  // 0x00000001
#define EXTI_FPR1_FPIF0 EXTI_FPR1_FPIF0_Msk
#define EXTI_FPR1_FPIF1_Pos (1U)
#define EXTI_FPR1_FPIF1_Msk (0x1U << EXTI_FPR1_FPIF1_Pos)  // 0x00000002
#define EXTI_FPR1_FPIF1 EXTI_FPR1_FPIF1_Msk
#define EXTI_FPR1_FPIF2_Pos (2U)
#define EXTI_FPR1_FPIF2_Msk (0x1U << EXTI_FPR1_FPIF2_Pos)  // 0x00000004
#define EXTI_FPR1_FPIF2 EXTI_FPR1_FPIF2_Msk
#define EXTI_FPR1_FPIF3_Pos (3U)
#define EXTI_FPR1_FPIF3_Msk (0x1U << EXTI_FPR1_FPIF3_Pos)  // 0x00000008
#define EXTI_FPR1_FPIF3 EXTI_FPR1_FPIF3_Msk
#define EXTI_FPR1_FPIF4_Pos (4U)
#define EXTI_FPR1_FPIF4_Msk (0x1U << EXTI_FPR1_FPIF4_Pos)  // 0x00000010
#define EXTI_FPR1_FPIF4 EXTI_FPR1_FPIF4_Msk
#define EXTI_FPR1_FPIF5_Pos (5U)
#define EXTI_FPR1_FPIF5_Msk (0x1U << EXTI_FPR1_FPIF5_Pos)  // 0x00000020
#define EXTI_FPR1_FPIF5 EXTI_FPR1_FPIF5_Msk
#define EXTI_FPR1_FPIF6_Pos (6U)
#define EXTI_FPR1_FPIF6_Msk (0x1U << EXTI_FPR1_FPIF6_Pos)  // 0x00000040
#define EXTI_FPR1_FPIF6 EXTI_FPR1_FPIF6_Msk
#define EXTI_FPR1_FPIF7_Pos (7U)
#define EXTI_FPR1_FPIF7_Msk (0x1U << EXTI_FPR1_FPIF7_Pos)  // 0x00000080
#define EXTI_FPR1_FPIF7 EXTI_FPR1_FPIF7_Msk
#define EXTI_FPR1_FPIF8_Pos (8U)
#define EXTI_FPR1_FPIF8_Msk (0x1U << EXTI_FPR1_FPIF8_Pos)  // 0x00000100
#define EXTI_FPR1_FPIF8 EXTI_FPR1_FPIF8_Msk
#define EXTI_FPR1_FPIF9_Pos (9U)
#define EXTI_FPR1_FPIF9_Msk (0x1U << EXTI_FPR1_FPIF9_Pos)  // 0x00000200
#define EXTI_FPR1_FPIF9 EXTI_FPR1_FPIF9_Msk
#define EXTI_FPR1_FPIF10_Pos (10U)
#define EXTI_FPR1_FPIF10_Msk (0x1U << EXTI_FPR1_FPIF10_Pos)  // 0x00000400
#define EXTI_FPR1_FPIF10 EXTI_FPR1_FPIF10_Msk
#define EXTI_FPR1_FPIF11_Pos (11U)
#define EXTI_FPR1_FPIF11_Msk (0x1U << EXTI_FPR1_FPIF11_Pos)  // 0x00000800
#define EXTI_FPR1_FPIF11 EXTI_FPR1_FPIF11_Msk
#define EXTI_FPR1_FPIF12_Pos (12U)
#define EXTI_FPR1_FPIF12_Msk (0x1U << EXTI_FPR1_FPIF12_Pos)  // 0x00001000
#define EXTI_FPR1_FPIF12 EXTI_FPR1_FPIF12_Msk
#define EXTI_FPR1_FPIF13_Pos (13U)
#define EXTI_FPR1_FPIF13_Msk (0x1U << EXTI_FPR1_FPIF13_Pos)  // 0x00002000
#define EXTI_FPR1_FPIF13 EXTI_FPR1_FPIF13_Msk
#define EXTI_FPR1_FPIF14_Pos (14U)
#define EXTI_FPR1_FPIF14_Msk (0x1U << EXTI_FPR1_FPIF14_Pos)  // 0x00004000
#define EXTI_FPR1_FPIF14 EXTI_FPR1_FPIF14_Msk
#define EXTI_FPR1_FPIF15_Pos (15U)
#define EXTI_FPR1_FPIF15_Msk (0x1U << EXTI_FPR1_FPIF15_Pos)  // 0x00008000
#define EXTI_FPR1_FPIF15 EXTI_FPR1_FPIF15_Msk
#define EXTI_FPR1_FPIF16_Pos (16U)
#define EXTI_FPR1_FPIF16_Msk (0x1U << EXTI_FPR1_FPIF16_Pos)  // 0x00010000
#define EXTI_FPR1_FPIF16 EXTI_FPR1_FPIF16_Msk
#define EXTI_FPR1_FPIF17_Pos (17U)
#define EXTI_FPR1_FPIF17_Msk (0x1U << EXTI_FPR1_FPIF17_Pos)  // 0x00020000
#define EXTI_FPR1_FPIF17 EXTI_FPR1_FPIF17_Msk
#define EXTI_FPR1_FPIF18_Pos (18U)
#define EXTI_FPR1_FPIF18_Msk (0x1U << EXTI_FPR1_FPIF18_Pos)  // 0x00040000
#define EXTI_FPR1_FPIF18 EXTI_FPR1_FPIF18_Msk
#define EXTI_FPR1_FPIF19_Pos (19U)
#define EXTI_FPR1_FPIF19_Msk (0x1U << EXTI_FPR1_FPIF19_Pos)  // 0x00080000
#define EXTI_FPR1_FPIF19 EXTI_FPR1_FPIF19_Msk
#define EXTI_FPR1_FPIF20_Pos (20U)
#define EXTI_FPR1_FPIF20_Msk (0x1U << EXTI_FPR1_FPIF20_Pos)  // 0x00100000
#define EXTI_FPR1_FPIF20 EXTI_FPR1_FPIF20_Msk
#define EXTI_FPR1_FPIF21_Pos (21U)
#define EXTI_FPR1_FPIF21_Msk (0x1U << EXTI_FPR1_FPIF21_Pos)  // 0x00200000
#define EXTI_FPR1_FPIF21 EXTI_FPR1_FPIF21_Msk
#define EXTI_FPR1_FPIF22_Pos (22U)
#define EXTI_FPR1_FPIF22_Msk (0x1U << EXTI_FPR1_FPIF22_Pos)  // 0x00400000
#define EXTI_FPR1_FPIF22 EXTI_FPR1_FPIF22_Msk
#define EXTI_FPR1_FPIF23_Pos (23U)
#define EXTI_FPR1_FPIF23_Msk (0x1U << EXTI_FPR1_FPIF23_Pos)  // 0x00800000
#define EXTI_FPR1_FPIF23 EXTI_FPR1_FPIF23_Msk
#define EXTI_FPR1_FPIF24_Pos (24U)
#define EXTI_FPR1_FPIF24_Msk (0x1U << EXTI_FPR1_FPIF24_Pos)  // 0x01000000
#define EXTI_FPR1_FPIF24 EXTI_FPR1_FPIF24_Msk
#define EXTI_FPR1_FPIF25_Pos (25U)
#define EXTI_FPR1_FPIF25_Msk (0x1U << EXTI_FPR1_FPIF25_Pos)  // 0x02000000
#define EXTI_FPR1_FPIF25 EXTI_FPR1_FPIF25_Msk

// SECCFGR1
#define EXTI_SECCFGR1_SEC0_Pos (0U)
#define EXTI_SECCFGR1_SEC0_Msk (0x1U << EXTI_SECCFGR1_SEC0_Pos)  // 0x00000001
#define EXTI_SECCFGR1_SEC0 EXTI_SECCFGR1_SEC0_Msk
#define EXTI_SECCFGR1_SEC1_Pos (1U)
#define EXTI_SECCFGR1_SEC1_Msk (0x1U << EXTI_SECCFGR1_SEC1_Pos)  // 0x00000002
#define EXTI_SECCFGR1_SEC1 EXTI_SECCFGR1_SEC1_Msk
#define EXTI_SECCFGR1_SEC2_Pos (2U)
#define EXTI_SECCFGR1_SEC2_Msk (0x1U << EXTI_SECCFGR1_SEC2_Pos)  // 0x00000004
#define EXTI_SECCFGR1_SEC2 EXTI_SECCFGR1_SEC2_Msk
#define EXTI_SECCFGR1_SEC3_Pos (3U)
#define EXTI_SECCFGR1_SEC3_Msk (0x1U << EXTI_SECCFGR1_SEC3_Pos)  // 0x00000008
#define EXTI_SECCFGR1_SEC3 EXTI_SECCFGR1_SEC3_Msk
#define EXTI_SECCFGR1_SEC4_Pos (4U)
#define EXTI_SECCFGR1_SEC4_Msk (0x1U << EXTI_SECCFGR1_SEC4_Pos)  // 0x00000010
#define EXTI_SECCFGR1_SEC4 EXTI_SECCFGR1_SEC4_Msk
#define EXTI_SECCFGR1_SEC5_Pos (5U)
#define EXTI_SECCFGR1_SEC5_Msk (0x1U << EXTI_SECCFGR1_SEC5_Pos)  // 0x00000020
#define EXTI_SECCFGR1_SEC5 EXTI_SECCFGR1_SEC5_Msk
#define EXTI_SECCFGR1_SEC6_Pos (6U)
#define EXTI_SECCFGR1_SEC6_Msk (0x1U << EXTI_SECCFGR1_SEC6_Pos)  // 0x00000040
#define EXTI_SECCFGR1_SEC6 EXTI_SECCFGR1_SEC6_Msk
#define EXTI_SECCFGR1_SEC7_Pos (7U)
#define EXTI_SECCFGR1_SEC7_Msk (0x1U << EXTI_SECCFGR1_SEC7_Pos)  // 0x00000080
#define EXTI_SECCFGR1_SEC7 EXTI_SECCFGR1_SEC7_Msk
#define EXTI_SECCFGR1_SEC8_Pos (8U)
#define EXTI_SECCFGR1_SEC8_Msk (0x1U << EXTI_SECCFGR1_SEC8_Pos)  // 0x00000100
#define EXTI_SECCFGR1_SEC8 EXTI_SECCFGR1_SEC8_Msk
#define EXTI_SECCFGR1_SEC9_Pos (9U)
#define EXTI_SECCFGR1_SEC9_Msk (0x1U << EXTI_SECCFGR1_SEC9_Pos)  // 0x00000200
#define EXTI_SECCFGR1_SEC9 EXTI_SECCFGR1_SEC9_Msk
#define EXTI_SECCFGR1_SEC10_Pos (10U)
#define EXTI_SECCFGR1_SEC10_Msk (0x1U << EXTI_SECCFGR1_SEC10_Pos)  // 0x00000400
#define EXTI_SECCFGR1_SEC10 EXTI_SECCFGR1_SEC10_Msk
#define EXTI_SECCFGR1_SEC11_Pos (11U)
#define EXTI_SECCFGR1_SEC11_Msk (0x1U << EXTI_SECCFGR1_SEC11_Pos)  // 0x00000800
#define EXTI_SECCFGR1_SEC11 EXTI_SECCFGR1_SEC11_Msk
#define EXTI_SECCFGR1_SEC12_Pos (12U)
#define EXTI_SECCFGR1_SEC12_Msk (0x1U << EXTI_SECCFGR1_SEC12_Pos)  // 0x00001000
#define EXTI_SECCFGR1_SEC12 EXTI_SECCFGR1_SEC12_Msk
#define EXTI_SECCFGR1_SEC13_Pos (13U)
#define EXTI_SECCFGR1_SEC13_Msk (0x1U << EXTI_SECCFGR1_SEC13_Pos)  // 0x00002000
#define EXTI_SECCFGR1_SEC13 EXTI_SECCFGR1_SEC13_Msk
#define EXTI_SECCFGR1_SEC14_Pos (14U)
#define EXTI_SECCFGR1_SEC14_Msk (0x1U << EXTI_SECCFGR1_SEC14_Pos)  // 0x00004000
#define EXTI_SECCFGR1_SEC14 EXTI_SECCFGR1_SEC14_Msk
#define EXTI_SECCFGR1_SEC15_Pos (15U)
#define EXTI_SECCFGR1_SEC15_Msk (0x1U << EXTI_SECCFGR1_SEC15_Pos)  // 0x00008000
#define EXTI_SECCFGR1_SEC15 EXTI_SECCFGR1_SEC15_Msk
#define EXTI_SECCFGR1_SEC16_Pos (16U)
#define EXTI_SECCFGR1_SEC16_Msk (0x1U << EXTI_SECCFGR1_SEC16_Pos)  // 0x00010000
#define EXTI_SECCFGR1_SEC16 EXTI_SECCFGR1_SEC16_Msk
#define EXTI_SECCFGR1_SEC17_Pos (17U)
#define EXTI_SECCFGR1_SEC17_Msk (0x1U << EXTI_SECCFGR1_SEC17_Pos)  // 0x00020000
#define EXTI_SECCFGR1_SEC17 EXTI_SECCFGR1_SEC17_Msk
#define EXTI_SECCFGR1_SEC18_Pos (18U)
#define EXTI_SECCFGR1_SEC18_Msk (0x1U << EXTI_SECCFGR1_SEC18_Pos)  // 0x00040000
#define EXTI_SECCFGR1_SEC18 EXTI_SECCFGR1_SEC18_Msk
#define EXTI_SECCFGR1_SEC19_Pos (19U)
#define EXTI_SECCFGR1_SEC19_Msk (0x1U << EXTI_SECCFGR1_SEC19_Pos)  // 0x00080000
#define EXTI_SECCFGR1_SEC19 EXTI_SECCFGR1_SEC19_Msk
#define EXTI_SECCFGR1_SEC20_Pos (20U)
#define EXTI_SECCFGR1_SEC20_Msk (0x1U << EXTI_SECCFGR1_SEC20_Pos)  // 0x00100000
#define EXTI_SECCFGR1_SEC20 EXTI_SECCFGR1_SEC20_Msk
#define EXTI_SECCFGR1_SEC21_Pos (21U)
#define EXTI_SECCFGR1_SEC21_Msk (0x1U << EXTI_SECCFGR1_SEC21_Pos)  // 0x00200000
#define EXTI_SECCFGR1_SEC21 EXTI_SECCFGR1_SEC21_Msk
#define EXTI_SECCFGR1_SEC22_Pos (22U)
#define EXTI_SECCFGR1_SEC22_Msk (0x1U << EXTI_SECCFGR1_SEC22_Pos)  // 0x00400000
#define EXTI_SECCFGR1_SEC22 EXTI_SECCFGR1_SEC22_Msk
#define EXTI_SECCFGR1_SEC23_Pos (23U)
#define EXTI_SECCFGR1_SEC23_Msk (0x1U << EXTI_SECCFGR1_SEC23_Pos)  // 0x00800000
#define EXTI_SECCFGR1_SEC23 EXTI_SECCFGR1_SEC23_Msk
#define EXTI_SECCFGR1_SEC24_Pos (24U)
#define EXTI_SECCFGR1_SEC24_Msk (0x1U << EXTI_SECCFGR1_SEC24_Pos)  // 0x01000000
#define EXTI_SECCFGR1_SEC24 EXTI_SECCFGR1_SEC24_Msk
#define EXTI_SECCFGR1_SEC25_Pos (25U)
#define EXTI_SECCFGR1_SEC25_Msk (0x1U << EXTI_SECCFGR1_SEC25_Pos)  // 0x02000000
#define EXTI_SECCFGR1_SEC25 EXTI_SECCFGR1_SEC25_Msk

// PRIVCFGR1
#define EXTI_PRIVCFGR1_PRIV0_Pos (0U)
#define EXTI_PRIVCFGR1_PRIV0_Msk (0x1U << EXTI_PRIVCFGR1_PRIV0_Pos)  // 0x00000001
#define EXTI_PRIVCFGR1_PRIV0 EXTI_PRIVCFGR1_PRIV0_Msk
#define EXTI_PRIVCFGR1_PRIV1_Pos (1U)
#define EXTI_PRIVCFGR1_PRIV1_Msk (0x1U << EXTI_PRIVCFGR1_PRIV1_Pos)  // 0x00000002
#define EXTI_PRIVCFGR1_PRIV1 EXTI_PRIVCFGR1_PRIV1_Msk
#define EXTI_PRIVCFGR1_PRIV2_Pos (2U)
#define EXTI_PRIVCFGR1_PRIV2_Msk (0x1U << EXTI_PRIVCFGR1_PRIV2_Pos)  // 0x00000004
#define EXTI_PRIVCFGR1_PRIV2 EXTI_PRIVCFGR1_PRIV2_Msk
#define EXTI_PRIVCFGR1_PRIV3_Pos (3U)
#define EXTI_PRIVCFGR1_PRIV3_Msk (0x1U << EXTI_PRIVCFGR1_PRIV3_Pos)  // 0x00000008
#define EXTI_PRIVCFGR1_PRIV3 EXTI_PRIVCFGR1_PRIV3_Msk
#define EXTI_PRIVCFGR1_PRIV4_Pos (4U)
#define EXTI_PRIVCFGR1_PRIV4_Msk (0x1U << EXTI_PRIVCFGR1_PRIV4_Pos)  // 0x00000010
#define EXTI_PRIVCFGR1_PRIV4 EXTI_PRIVCFGR1_PRIV4_Msk
#define EXTI_PRIVCFGR1_PRIV5_Pos (5U)
#define EXTI_PRIVCFGR1_PRIV5_Msk (0x1U << EXTI_PRIVCFGR1_PRIV5_Pos)  // 0x00000020
#define EXTI_PRIVCFGR1_PRIV5 EXTI_PRIVCFGR1_PRIV5_Msk
#define EXTI_PRIVCFGR1_PRIV6_Pos (6U)
#define EXTI_PRIVCFGR1_PRIV6_Msk (0x1U << EXTI_PRIVCFGR1_PRIV6_Pos)  // 0x00000040
#define EXTI_PRIVCFGR1_PRIV6 EXTI_PRIVCFGR1_PRIV6_Msk
#define EXTI_PRIVCFGR1_PRIV7_Pos (7U)
#define EXTI_PRIVCFGR1_PRIV7_Msk (0x1U << EXTI_PRIVCFGR1_PRIV7_Pos)  // 0x00000080
#define EXTI_PRIVCFGR1_PRIV7 EXTI_PRIVCFGR1_PRIV7_Msk
#define EXTI_PRIVCFGR1_PRIV8_Pos (8U)
#define EXTI_PRIVCFGR1_PRIV8_Msk (0x1U << EXTI_PRIVCFGR1_PRIV8_Pos)  // 0x00000100
#define EXTI_PRIVCFGR1_PRIV8 EXTI_PRIVCFGR1_PRIV8_Msk
#define EXTI_PRIVCFGR1_PRIV9_Pos (9U)
#define EXTI_PRIVCFGR1_PRIV9_Msk (0x1U << EXTI_PRIVCFGR1_PRIV9_Pos)  // 0x00000200
#define EXTI_PRIVCFGR1_PRIV9 EXTI_PRIVCFGR1_PRIV9_Msk
#define EXTI_PRIVCFGR1_PRIV10_Pos (10U)
#define EXTI_PRIVCFGR1_PRIV10_Msk (0x1U << EXTI_PRIVCFGR1_PRIV10_Pos)  // 0x00000400
#define EXTI_PRIVCFGR1_PRIV10 EXTI_PRIVCFGR1_PRIV10_Msk
#define EXTI_PRIVCFGR1_PRIV11_Pos (11U)
#define EXTI_PRIVCFGR1_PRIV11_Msk (0x1U << EXTI_PRIVCFGR1_PRIV11_Pos)  // 0x00000800
#define EXTI_PRIVCFGR1_PRIV11 EXTI_PRIVCFGR1_PRIV11_Msk
#define EXTI_PRIVCFGR1_PRIV12_Pos (12U)
#define EXTI_PRIVCFGR1_PRIV12_Msk (0x1U << EXTI_PRIVCFGR1_PRIV12_Pos)  // 0x00001000
#define EXTI_PRIVCFGR1_PRIV12 EXTI_PRIVCFGR1_PRIV12_Msk
#define EXTI_PRIVCFGR1_PRIV13_Pos (13U)
#define EXTI_PRIVCFGR1_PRIV13_Msk (0x1U << EXTI_PRIVCFGR1_PRIV13_Pos)  // 0x00002000
#define EXTI_PRIVCFGR1_PRIV13 EXTI_PRIVCFGR1_PRIV13_Msk
#define EXTI_PRIVCFGR1_PRIV14_Pos (14U)
#define EXTI_PRIVCFGR1_PRIV14_Msk (0x1U << EXTI_PRIVCFGR1_PRIV14_Pos)  // 0x00004000
#define EXTI_PRIVCFGR1_PRIV14 EXTI_PRIVCFGR1_PRIV14_Msk
#define EXTI_PRIVCFGR1_PRIV15_Pos (15U)
#define EXTI_PRIVCFGR1_PRIV15_Msk (0x1U << EXTI_PRIVCFGR1_PRIV15_Pos)  // 0x00008000
#define EXTI_PRIVCFGR1_PRIV15 EXTI_PRIVCFGR1_PRIV15_Msk
#define EXTI_PRIVCFGR1_PRIV16_Pos (16U)
#define EXTI_PRIVCFGR1_PRIV16_Msk (0x1U << EXTI_PRIVCFGR1_PRIV16_Pos)  // 0x00010000
#define EXTI_PRIVCFGR1_PRIV16 EXTI_PRIVCFGR1_PRIV16_Msk
#define EXTI_PRIVCFGR1_PRIV17_Pos (17U)
#define EXTI_PRIVCFGR1_PRIV17_Msk (0x1U << EXTI_PRIVCFGR1_PRIV17_Pos)  // 0x00020000
#define EXTI_PRIVCFGR1_PRIV17 EXTI_PRIVCFGR1_PRIV17_Msk
#define EXTI_PRIVCFGR1_PRIV18_Pos (18U)
#define EXTI_PRIVCFGR1_PRIV18_Msk (0x1U << EXTI_PRIVCFGR1_PRIV18_Pos)  // 0x00040000
#define EXTI_PRIVCFGR1_PRIV18 EXTI_PRIVCFGR1_PRIV18_Msk
#define EXTI_PRIVCFGR1_PRIV19_Pos (19U)
#define EXTI_PRIVCFGR1_PRIV19_Msk (0x1U << EXTI_PRIVCFGR1_PRIV19_Pos)  // 0x00080000
#define EXTI_PRIVCFGR1_PRIV19 EXTI_PRIVCFGR1_PRIV19_Msk
#define EXTI_PRIVCFGR1_PRIV20_Pos (20U)
#define EXTI_PRIVCFGR1_PRIV20_Msk (0x1U << EXTI_PRIVCFGR1_PRIV20_Pos)  // 0x00100000
#define EXTI_PRIVCFGR1_PRIV20 EXTI_PRIVCFGR1_PRIV20_Msk
#define EXTI_PRIVCFGR1_PRIV21_Pos (21U)
#define EXTI_PRIVCFGR1_PRIV21_Msk (0x1U << EXTI_PRIVCFGR1_PRIV21_Pos)  // 0x00200000
#define EXTI_PRIVCFGR1_PRIV21 EXTI_PRIVCFGR1_PRIV21_Msk
#define EXTI_PRIVCFGR1_PRIV22_Pos (22U)
#define EXTI_PRIVCFGR1_PRIV22_Msk (0x1U << EXTI_PRIVCFGR1_PRIV22_Pos)  // 0x00400000
#define EXTI_PRIVCFGR1_PRIV22 EXTI_PRIVCFGR1_PRIV22_Msk
#define EXTI_PRIVCFGR1_PRIV23_Pos (23U)
#define EXTI_PRIVCFGR1_PRIV23_Msk (0x1U << EXTI_PRIVCFGR1_PRIV23_Pos)  // 0x00800000
#define EXTI_PRIVCFGR1_PRIV23 EXTI_PRIVCFGR1_PRIV23_Msk
#define EXTI_PRIVCFGR1_PRIV24_Pos (24U)
#define EXTI_PRIVCFGR1_PRIV24_Msk (0x1U << EXTI_PRIVCFGR1_PRIV24_Pos)  // 0x01000000
#define EXTI_PRIVCFGR1_PRIV24 EXTI_PRIVCFGR1_PRIV24_Msk
#define EXTI_PRIVCFGR1_PRIV25_Pos (25U)
#define EXTI_PRIVCFGR1_PRIV25_Msk (0x1U << EXTI_PRIVCFGR1_PRIV25_Pos)  // 0x02000000
#define EXTI_PRIVCFGR1_PRIV25 EXTI_PRIVCFGR1_PRIV25_Msk

// EXTICR[0..3] (EXTICR1..4): one 8-bit port selector per line, four lines per register.
// Port code 0 = GPIOA, 1 = GPIOB, ... 8 = GPIOI.
#define EXTI_EXTICR1_EXTI0_Pos (0U)
#define EXTI_EXTICR1_EXTI0_Msk (0xFFU << EXTI_EXTICR1_EXTI0_Pos)  // 0x000000FF
#define EXTI_EXTICR1_EXTI0 EXTI_EXTICR1_EXTI0_Msk
#define EXTI_EXTICR1_EXTI1_Pos (8U)
#define EXTI_EXTICR1_EXTI1_Msk (0xFFU << EXTI_EXTICR1_EXTI1_Pos)  // 0x0000FF00
#define EXTI_EXTICR1_EXTI1 EXTI_EXTICR1_EXTI1_Msk
#define EXTI_EXTICR1_EXTI2_Pos (16U)
#define EXTI_EXTICR1_EXTI2_Msk (0xFFU << EXTI_EXTICR1_EXTI2_Pos)  // 0x00FF0000
#define EXTI_EXTICR1_EXTI2 EXTI_EXTICR1_EXTI2_Msk
#define EXTI_EXTICR1_EXTI3_Pos (24U)
#define EXTI_EXTICR1_EXTI3_Msk (0xFFU << EXTI_EXTICR1_EXTI3_Pos)  // 0xFF000000
#define EXTI_EXTICR1_EXTI3 EXTI_EXTICR1_EXTI3_Msk

#define EXTI_EXTICR2_EXTI4_Pos (0U)
#define EXTI_EXTICR2_EXTI4_Msk (0xFFU << EXTI_EXTICR2_EXTI4_Pos)  // 0x000000FF
#define EXTI_EXTICR2_EXTI4 EXTI_EXTICR2_EXTI4_Msk
#define EXTI_EXTICR2_EXTI5_Pos (8U)
#define EXTI_EXTICR2_EXTI5_Msk (0xFFU << EXTI_EXTICR2_EXTI5_Pos)  // 0x0000FF00
#define EXTI_EXTICR2_EXTI5 EXTI_EXTICR2_EXTI5_Msk
#define EXTI_EXTICR2_EXTI6_Pos (16U)
#define EXTI_EXTICR2_EXTI6_Msk (0xFFU << EXTI_EXTICR2_EXTI6_Pos)  // 0x00FF0000
#define EXTI_EXTICR2_EXTI6 EXTI_EXTICR2_EXTI6_Msk
#define EXTI_EXTICR2_EXTI7_Pos (24U)
#define EXTI_EXTICR2_EXTI7_Msk (0xFFU << EXTI_EXTICR2_EXTI7_Pos)  // 0xFF000000
#define EXTI_EXTICR2_EXTI7 EXTI_EXTICR2_EXTI7_Msk

#define EXTI_EXTICR3_EXTI8_Pos (0U)
#define EXTI_EXTICR3_EXTI8_Msk (0xFFU << EXTI_EXTICR3_EXTI8_Pos)  // 0x000000FF
#define EXTI_EXTICR3_EXTI8 EXTI_EXTICR3_EXTI8_Msk
#define EXTI_EXTICR3_EXTI9_Pos (8U)
#define EXTI_EXTICR3_EXTI9_Msk (0xFFU << EXTI_EXTICR3_EXTI9_Pos)  // 0x0000FF00
#define EXTI_EXTICR3_EXTI9 EXTI_EXTICR3_EXTI9_Msk
#define EXTI_EXTICR3_EXTI10_Pos (16U)
#define EXTI_EXTICR3_EXTI10_Msk (0xFFU << EXTI_EXTICR3_EXTI10_Pos)  // 0x00FF0000
#define EXTI_EXTICR3_EXTI10 EXTI_EXTICR3_EXTI10_Msk
#define EXTI_EXTICR3_EXTI11_Pos (24U)
#define EXTI_EXTICR3_EXTI11_Msk (0xFFU << EXTI_EXTICR3_EXTI11_Pos)  // 0xFF000000
#define EXTI_EXTICR3_EXTI11 EXTI_EXTICR3_EXTI11_Msk

#define EXTI_EXTICR4_EXTI12_Pos (0U)
#define EXTI_EXTICR4_EXTI12_Msk (0xFFU << EXTI_EXTICR4_EXTI12_Pos)  // 0x000000FF
#define EXTI_EXTICR4_EXTI12 EXTI_EXTICR4_EXTI12_Msk
#define EXTI_EXTICR4_EXTI13_Pos (8U)
#define EXTI_EXTICR4_EXTI13_Msk (0xFFU << EXTI_EXTICR4_EXTI13_Pos)  // 0x0000FF00
#define EXTI_EXTICR4_EXTI13 EXTI_EXTICR4_EXTI13_Msk
#define EXTI_EXTICR4_EXTI14_Pos (16U)
#define EXTI_EXTICR4_EXTI14_Msk (0xFFU << EXTI_EXTICR4_EXTI14_Pos)  // 0x00FF0000
#define EXTI_EXTICR4_EXTI14 EXTI_EXTICR4_EXTI14_Msk
#define EXTI_EXTICR4_EXTI15_Pos (24U)
#define EXTI_EXTICR4_EXTI15_Msk (0xFFU << EXTI_EXTICR4_EXTI15_Pos)  // 0xFF000000
#define EXTI_EXTICR4_EXTI15 EXTI_EXTICR4_EXTI15_Msk

// LOCKR
#define EXTI_LOCKR_LOCK_Pos (0U)
#define EXTI_LOCKR_LOCK_Msk (0x1U << EXTI_LOCKR_LOCK_Pos)  // 0x00000001
#define EXTI_LOCKR_LOCK EXTI_LOCKR_LOCK_Msk

// IMR1: interrupt mask per line (1 = enabled)
#define EXTI_IMR1_IM0_Pos (0U)
#define EXTI_IMR1_IM0_Msk (0x1U << EXTI_IMR1_IM0_Pos)  // 0x00000001
#define EXTI_IMR1_IM0 EXTI_IMR1_IM0_Msk
#define EXTI_IMR1_IM1_Pos (1U)
#define EXTI_IMR1_IM1_Msk (0x1U << EXTI_IMR1_IM1_Pos)  // 0x00000002
#define EXTI_IMR1_IM1 EXTI_IMR1_IM1_Msk
#define EXTI_IMR1_IM2_Pos (2U)
#define EXTI_IMR1_IM2_Msk (0x1U << EXTI_IMR1_IM2_Pos)  // 0x00000004
#define EXTI_IMR1_IM2 EXTI_IMR1_IM2_Msk
#define EXTI_IMR1_IM3_Pos (3U)
#define EXTI_IMR1_IM3_Msk (0x1U << EXTI_IMR1_IM3_Pos)  // 0x00000008
#define EXTI_IMR1_IM3 EXTI_IMR1_IM3_Msk
#define EXTI_IMR1_IM4_Pos (4U)
#define EXTI_IMR1_IM4_Msk (0x1U << EXTI_IMR1_IM4_Pos)  // 0x00000010
#define EXTI_IMR1_IM4 EXTI_IMR1_IM4_Msk
#define EXTI_IMR1_IM5_Pos (5U)
#define EXTI_IMR1_IM5_Msk (0x1U << EXTI_IMR1_IM5_Pos)  // 0x00000020
#define EXTI_IMR1_IM5 EXTI_IMR1_IM5_Msk
#define EXTI_IMR1_IM6_Pos (6U)
#define EXTI_IMR1_IM6_Msk (0x1U << EXTI_IMR1_IM6_Pos)  // 0x00000040
#define EXTI_IMR1_IM6 EXTI_IMR1_IM6_Msk
#define EXTI_IMR1_IM7_Pos (7U)
#define EXTI_IMR1_IM7_Msk (0x1U << EXTI_IMR1_IM7_Pos)  // 0x00000080
#define EXTI_IMR1_IM7 EXTI_IMR1_IM7_Msk
#define EXTI_IMR1_IM8_Pos (8U)
#define EXTI_IMR1_IM8_Msk (0x1U << EXTI_IMR1_IM8_Pos)  // 0x00000100
#define EXTI_IMR1_IM8 EXTI_IMR1_IM8_Msk
#define EXTI_IMR1_IM9_Pos (9U)
#define EXTI_IMR1_IM9_Msk (0x1U << EXTI_IMR1_IM9_Pos)  // 0x00000200
#define EXTI_IMR1_IM9 EXTI_IMR1_IM9_Msk
#define EXTI_IMR1_IM10_Pos (10U)
#define EXTI_IMR1_IM10_Msk (0x1U << EXTI_IMR1_IM10_Pos)  // 0x00000400
#define EXTI_IMR1_IM10 EXTI_IMR1_IM10_Msk
#define EXTI_IMR1_IM11_Pos (11U)
#define EXTI_IMR1_IM11_Msk (0x1U << EXTI_IMR1_IM11_Pos)  // 0x00000800
#define EXTI_IMR1_IM11 EXTI_IMR1_IM11_Msk
#define EXTI_IMR1_IM12_Pos (12U)
#define EXTI_IMR1_IM12_Msk (0x1U << EXTI_IMR1_IM12_Pos)  // 0x00001000
#define EXTI_IMR1_IM12 EXTI_IMR1_IM12_Msk
#define EXTI_IMR1_IM13_Pos (13U)
#define EXTI_IMR1_IM13_Msk (0x1U << EXTI_IMR1_IM13_Pos)  // 0x00002000
#define EXTI_IMR1_IM13 EXTI_IMR1_IM13_Msk
#define EXTI_IMR1_IM14_Pos (14U)
#define EXTI_IMR1_IM14_Msk (0x1U << EXTI_IMR1_IM14_Pos)  // 0x00004000
#define EXTI_IMR1_IM14 EXTI_IMR1_IM14_Msk
#define EXTI_IMR1_IM15_Pos (15U)
#define EXTI_IMR1_IM15_Msk (0x1U << EXTI_IMR1_IM15_Pos)  // 0x00008000
#define EXTI_IMR1_IM15 EXTI_IMR1_IM15_Msk
#define EXTI_IMR1_IM16_Pos (16U)
#define EXTI_IMR1_IM16_Msk (0x1U << EXTI_IMR1_IM16_Pos)  // 0x00010000
#define EXTI_IMR1_IM16 EXTI_IMR1_IM16_Msk
#define EXTI_IMR1_IM17_Pos (17U)
#define EXTI_IMR1_IM17_Msk (0x1U << EXTI_IMR1_IM17_Pos)  // 0x00020000
#define EXTI_IMR1_IM17 EXTI_IMR1_IM17_Msk
#define EXTI_IMR1_IM18_Pos (18U)
#define EXTI_IMR1_IM18_Msk (0x1U << EXTI_IMR1_IM18_Pos)  // 0x00040000
#define EXTI_IMR1_IM18 EXTI_IMR1_IM18_Msk
#define EXTI_IMR1_IM19_Pos (19U)
#define EXTI_IMR1_IM19_Msk (0x1U << EXTI_IMR1_IM19_Pos)  // 0x00080000
#define EXTI_IMR1_IM19 EXTI_IMR1_IM19_Msk
#define EXTI_IMR1_IM20_Pos (20U)
#define EXTI_IMR1_IM20_Msk (0x1U << EXTI_IMR1_IM20_Pos)  // 0x00100000
#define EXTI_IMR1_IM20 EXTI_IMR1_IM20_Msk
#define EXTI_IMR1_IM21_Pos (21U)
#define EXTI_IMR1_IM21_Msk (0x1U << EXTI_IMR1_IM21_Pos)  // 0x00200000
#define EXTI_IMR1_IM21 EXTI_IMR1_IM21_Msk
#define EXTI_IMR1_IM22_Pos (22U)
#define EXTI_IMR1_IM22_Msk (0x1U << EXTI_IMR1_IM22_Pos)  // 0x00400000
#define EXTI_IMR1_IM22 EXTI_IMR1_IM22_Msk
#define EXTI_IMR1_IM23_Pos (23U)
#define EXTI_IMR1_IM23_Msk (0x1U << EXTI_IMR1_IM23_Pos)  // 0x00800000
#define EXTI_IMR1_IM23 EXTI_IMR1_IM23_Msk
#define EXTI_IMR1_IM24_Pos (24U)
#define EXTI_IMR1_IM24_Msk (0x1U << EXTI_IMR1_IM24_Pos)  // 0x01000000
#define EXTI_IMR1_IM24 EXTI_IMR1_IM24_Msk
#define EXTI_IMR1_IM25_Pos (25U)
#define EXTI_IMR1_IM25_Msk (0x1U << EXTI_IMR1_IM25_Pos)  // 0x02000000
#define EXTI_IMR1_IM25 EXTI_IMR1_IM25_Msk

// EMR1: event mask per line (1 = enabled)
#define EXTI_EMR1_EM0_Pos (0U)
#define EXTI_EMR1_EM0_Msk (0x1U << EXTI_EMR1_EM0_Pos)  // 0x00000001
#define EXTI_EMR1_EM0 EXTI_EMR1_EM0_Msk
#define EXTI_EMR1_EM1_Pos (1U)
#define EXTI_EMR1_EM1_Msk (0x1U << EXTI_EMR1_EM1_Pos)  // 0x00000002
#define EXTI_EMR1_EM1 EXTI_EMR1_EM1_Msk
#define EXTI_EMR1_EM2_Pos (2U)
#define EXTI_EMR1_EM2_Msk (0x1U << EXTI_EMR1_EM2_Pos)  // 0x00000004
#define EXTI_EMR1_EM2 EXTI_EMR1_EM2_Msk
#define EXTI_EMR1_EM3_Pos (3U)
#define EXTI_EMR1_EM3_Msk (0x1U << EXTI_EMR1_EM3_Pos)  // 0x00000008
#define EXTI_EMR1_EM3 EXTI_EMR1_EM3_Msk
#define EXTI_EMR1_EM4_Pos (4U)
#define EXTI_EMR1_EM4_Msk (0x1U << EXTI_EMR1_EM4_Pos)  // 0x00000010
#define EXTI_EMR1_EM4 EXTI_EMR1_EM4_Msk
#define EXTI_EMR1_EM5_Pos (5U)
#define EXTI_EMR1_EM5_Msk (0x1U << EXTI_EMR1_EM5_Pos)  // 0x00000020
#define EXTI_EMR1_EM5 EXTI_EMR1_EM5_Msk
#define EXTI_EMR1_EM6_Pos (6U)
#define EXTI_EMR1_EM6_Msk (0x1U << EXTI_EMR1_EM6_Pos)  // 0x00000040
#define EXTI_EMR1_EM6 EXTI_EMR1_EM6_Msk
#define EXTI_EMR1_EM7_Pos (7U)
#define EXTI_EMR1_EM7_Msk (0x1U << EXTI_EMR1_EM7_Pos)  // 0x00000080
#define EXTI_EMR1_EM7 EXTI_EMR1_EM7_Msk
#define EXTI_EMR1_EM8_Pos (8U)
#define EXTI_EMR1_EM8_Msk (0x1U << EXTI_EMR1_EM8_Pos)  // 0x00000100
#define EXTI_EMR1_EM8 EXTI_EMR1_EM8_Msk
#define EXTI_EMR1_EM9_Pos (9U)
#define EXTI_EMR1_EM9_Msk (0x1U << EXTI_EMR1_EM9_Pos)  // 0x00000200
#define EXTI_EMR1_EM9 EXTI_EMR1_EM9_Msk
#define EXTI_EMR1_EM10_Pos (10U)
#define EXTI_EMR1_EM10_Msk (0x1U << EXTI_EMR1_EM10_Pos)  // 0x00000400
#define EXTI_EMR1_EM10 EXTI_EMR1_EM10_Msk
#define EXTI_EMR1_EM11_Pos (11U)
#define EXTI_EMR1_EM11_Msk (0x1U << EXTI_EMR1_EM11_Pos)  // 0x00000800
#define EXTI_EMR1_EM11 EXTI_EMR1_EM11_Msk
#define EXTI_EMR1_EM12_Pos (12U)
#define EXTI_EMR1_EM12_Msk (0x1U << EXTI_EMR1_EM12_Pos)  // 0x00001000
#define EXTI_EMR1_EM12 EXTI_EMR1_EM12_Msk
#define EXTI_EMR1_EM13_Pos (13U)
#define EXTI_EMR1_EM13_Msk (0x1U << EXTI_EMR1_EM13_Pos)  // 0x00002000
#define EXTI_EMR1_EM13 EXTI_EMR1_EM13_Msk
#define EXTI_EMR1_EM14_Pos (14U)
#define EXTI_EMR1_EM14_Msk (0x1U << EXTI_EMR1_EM14_Pos)  // 0x00004000
#define EXTI_EMR1_EM14 EXTI_EMR1_EM14_Msk
#define EXTI_EMR1_EM15_Pos (15U)
#define EXTI_EMR1_EM15_Msk (0x1U << EXTI_EMR1_EM15_Pos)  // 0x00008000
#define EXTI_EMR1_EM15 EXTI_EMR1_EM15_Msk
#define EXTI_EMR1_EM16_Pos (16U)
#define EXTI_EMR1_EM16_Msk (0x1U << EXTI_EMR1_EM16_Pos)  // 0x00010000
#define EXTI_EMR1_EM16 EXTI_EMR1_EM16_Msk
#define EXTI_EMR1_EM17_Pos (17U)
#define EXTI_EMR1_EM17_Msk (0x1U << EXTI_EMR1_EM17_Pos)  // 0x00020000
#define EXTI_EMR1_EM17 EXTI_EMR1_EM17_Msk
#define EXTI_EMR1_EM18_Pos (18U)
#define EXTI_EMR1_EM18_Msk (0x1U << EXTI_EMR1_EM18_Pos)  // 0x00040000
#define EXTI_EMR1_EM18 EXTI_EMR1_EM18_Msk
#define EXTI_EMR1_EM19_Pos (19U)
#define EXTI_EMR1_EM19_Msk (0x1U << EXTI_EMR1_EM19_Pos)  // 0x00080000
#define EXTI_EMR1_EM19 EXTI_EMR1_EM19_Msk
#define EXTI_EMR1_EM20_Pos (20U)
#define EXTI_EMR1_EM20_Msk (0x1U << EXTI_EMR1_EM20_Pos)  // 0x00100000
#define EXTI_EMR1_EM20 EXTI_EMR1_EM20_Msk
#define EXTI_EMR1_EM21_Pos (21U)
#define EXTI_EMR1_EM21_Msk (0x1U << EXTI_EMR1_EM21_Pos)  // 0x00200000
#define EXTI_EMR1_EM21 EXTI_EMR1_EM21_Msk
#define EXTI_EMR1_EM22_Pos (22U)
#define EXTI_EMR1_EM22_Msk (0x1U << EXTI_EMR1_EM22_Pos)  // 0x00400000
#define EXTI_EMR1_EM22 EXTI_EMR1_EM22_Msk
#define EXTI_EMR1_EM23_Pos (23U)
#define EXTI_EMR1_EM23_Msk (0x1U << EXTI_EMR1_EM23_Pos)  // 0x00800000
#define EXTI_EMR1_EM23 EXTI_EMR1_EM23_Msk
#define EXTI_EMR1_EM24_Pos (24U)
#define EXTI_EMR1_EM24_Msk (0x1U << EXTI_EMR1_EM24_Pos)  // 0x01000000
#define EXTI_EMR1_EM24 EXTI_EMR1_EM24_Msk
#define EXTI_EMR1_EM25_Pos (25U)
#define EXTI_EMR1_EM25_Msk (0x1U << EXTI_EMR1_EM25_Pos)  // 0x02000000
#define EXTI_EMR1_EM25 EXTI_EMR1_EM25_Msk

// ============================================================================================
// ICACHE fields
// ============================================================================================

// CR. EN reads 1 until a disable has completed. CACHEINV is cleared by hardware once the
// invalidate starts (SR.BUSYF). WAYSEL (0 direct-mapped, 1 2-way) is writable only while EN = 0.
#define ICACHE_CR_EN_Pos (0U)
#define ICACHE_CR_EN_Msk (0x1U << ICACHE_CR_EN_Pos)  // 0x00000001
#define ICACHE_CR_EN ICACHE_CR_EN_Msk
#define ICACHE_CR_CACHEINV_Pos (1U)
#define ICACHE_CR_CACHEINV_Msk (0x1U << ICACHE_CR_CACHEINV_Pos)  // 0x00000002
#define ICACHE_CR_CACHEINV ICACHE_CR_CACHEINV_Msk
#define ICACHE_CR_WAYSEL_Pos (2U)
#define ICACHE_CR_WAYSEL_Msk (0x1U << ICACHE_CR_WAYSEL_Pos)  // 0x00000004
#define ICACHE_CR_WAYSEL ICACHE_CR_WAYSEL_Msk
#define ICACHE_CR_HITMEN_Pos (16U)
#define ICACHE_CR_HITMEN_Msk (0x1U << ICACHE_CR_HITMEN_Pos)  // 0x00010000
#define ICACHE_CR_HITMEN ICACHE_CR_HITMEN_Msk
#define ICACHE_CR_MISSMEN_Pos (17U)
#define ICACHE_CR_MISSMEN_Msk (0x1U << ICACHE_CR_MISSMEN_Pos)  // 0x00020000
#define ICACHE_CR_MISSMEN ICACHE_CR_MISSMEN_Msk
#define ICACHE_CR_HITMRST_Pos (18U)
#define ICACHE_CR_HITMRST_Msk (0x1U << ICACHE_CR_HITMRST_Pos)  // 0x00040000
#define ICACHE_CR_HITMRST ICACHE_CR_HITMRST_Msk
#define ICACHE_CR_MISSMRST_Pos (19U)
#define ICACHE_CR_MISSMRST_Msk (0x1U << ICACHE_CR_MISSMRST_Pos)  // 0x00080000
#define ICACHE_CR_MISSMRST ICACHE_CR_MISSMRST_Msk

// SR: BUSYF while a full invalidate runs, BSYENDF when it ends
#define ICACHE_SR_BUSYF_Pos (0U)
#define ICACHE_SR_BUSYF_Msk (0x1U << ICACHE_SR_BUSYF_Pos)  // 0x00000001
#define ICACHE_SR_BUSYF ICACHE_SR_BUSYF_Msk
#define ICACHE_SR_BSYENDF_Pos (1U)
#define ICACHE_SR_BSYENDF_Msk (0x1U << ICACHE_SR_BSYENDF_Pos)  // 0x00000002
#define ICACHE_SR_BSYENDF ICACHE_SR_BSYENDF_Msk
#define ICACHE_SR_ERRF_Pos (2U)
#define ICACHE_SR_ERRF_Msk (0x1U << ICACHE_SR_ERRF_Pos)  // 0x00000004
#define ICACHE_SR_ERRF ICACHE_SR_ERRF_Msk

// IER
#define ICACHE_IER_BSYENDIE_Pos (1U)
#define ICACHE_IER_BSYENDIE_Msk (0x1U << ICACHE_IER_BSYENDIE_Pos)  // 0x00000002
#define ICACHE_IER_BSYENDIE ICACHE_IER_BSYENDIE_Msk
#define ICACHE_IER_ERRIE_Pos (2U)
#define ICACHE_IER_ERRIE_Msk (0x1U << ICACHE_IER_ERRIE_Pos)  // 0x00000004
#define ICACHE_IER_ERRIE ICACHE_IER_ERRIE_Msk

// FCR: write 1 to clear the SR flag
#define ICACHE_FCR_CBSYENDF_Pos (1U)
#define ICACHE_FCR_CBSYENDF_Msk (0x1U << ICACHE_FCR_CBSYENDF_Pos)  // 0x00000002
#define ICACHE_FCR_CBSYENDF ICACHE_FCR_CBSYENDF_Msk
#define ICACHE_FCR_CERRF_Pos (2U)
#define ICACHE_FCR_CERRF_Msk (0x1U << ICACHE_FCR_CERRF_Pos)  // 0x00000004
#define ICACHE_FCR_CERRF ICACHE_FCR_CERRF_Msk

// HMONR
#define ICACHE_HMONR_HITMON_Pos (0U)
#define ICACHE_HMONR_HITMON_Msk (0xFFFFFFFFU << ICACHE_HMONR_HITMON_Pos)  // 0xFFFFFFFF
#define ICACHE_HMONR_HITMON ICACHE_HMONR_HITMON_Msk

// MMONR
#define ICACHE_MMONR_MISSMON_Pos (0U)
#define ICACHE_MMONR_MISSMON_Msk (0xFFFFU << ICACHE_MMONR_MISSMON_Pos)  // 0x0000FFFF
#define ICACHE_MMONR_MISSMON ICACHE_MMONR_MISSMON_Msk

// CRR0..CRR3: remapped regions
#define ICACHE_CRR0_BASEADDR_Pos (0U)
#define ICACHE_CRR0_BASEADDR_Msk (0xFFU << ICACHE_CRR0_BASEADDR_Pos)  // 0x000000FF
#define ICACHE_CRR0_BASEADDR ICACHE_CRR0_BASEADDR_Msk
#define ICACHE_CRR0_RSIZE_Pos (9U)
#define ICACHE_CRR0_RSIZE_Msk (0x7U << ICACHE_CRR0_RSIZE_Pos)  // 0x00000E00
#define ICACHE_CRR0_RSIZE ICACHE_CRR0_RSIZE_Msk
#define ICACHE_CRR0_REN_Pos (15U)
#define ICACHE_CRR0_REN_Msk (0x1U << ICACHE_CRR0_REN_Pos)  // 0x00008000
#define ICACHE_CRR0_REN ICACHE_CRR0_REN_Msk
#define ICACHE_CRR0_REMAPADDR_Pos (16U)
#define ICACHE_CRR0_REMAPADDR_Msk (0x7FFU << ICACHE_CRR0_REMAPADDR_Pos)  // 0x07FF0000
#define ICACHE_CRR0_REMAPADDR ICACHE_CRR0_REMAPADDR_Msk
#define ICACHE_CRR0_MSTSEL_Pos (28U)
#define ICACHE_CRR0_MSTSEL_Msk (0x1U << ICACHE_CRR0_MSTSEL_Pos)  // 0x10000000
#define ICACHE_CRR0_MSTSEL ICACHE_CRR0_MSTSEL_Msk
#define ICACHE_CRR0_HBURST_Pos (31U)
#define ICACHE_CRR0_HBURST_Msk (0x1U << ICACHE_CRR0_HBURST_Pos)  // 0x80000000
#define ICACHE_CRR0_HBURST ICACHE_CRR0_HBURST_Msk

#define ICACHE_CRR1_BASEADDR_Pos (0U)
#define ICACHE_CRR1_BASEADDR_Msk (0xFFU << ICACHE_CRR1_BASEADDR_Pos)  // 0x000000FF
#define ICACHE_CRR1_BASEADDR ICACHE_CRR1_BASEADDR_Msk
#define ICACHE_CRR1_RSIZE_Pos (9U)
#define ICACHE_CRR1_RSIZE_Msk (0x7U << ICACHE_CRR1_RSIZE_Pos)  // 0x00000E00
#define ICACHE_CRR1_RSIZE ICACHE_CRR1_RSIZE_Msk
#define ICACHE_CRR1_REN_Pos (15U)
#define ICACHE_CRR1_REN_Msk (0x1U << ICACHE_CRR1_REN_Pos)  // 0x00008000
#define ICACHE_CRR1_REN ICACHE_CRR1_REN_Msk
#define ICACHE_CRR1_REMAPADDR_Pos (16U)
#define ICACHE_CRR1_REMAPADDR_Msk (0x7FFU << ICACHE_CRR1_REMAPADDR_Pos)  // 0x07FF0000
#define ICACHE_CRR1_REMAPADDR ICACHE_CRR1_REMAPADDR_Msk
#define ICACHE_CRR1_MSTSEL_Pos (28U)
#define ICACHE_CRR1_MSTSEL_Msk (0x1U << ICACHE_CRR1_MSTSEL_Pos)  // 0x10000000
#define ICACHE_CRR1_MSTSEL ICACHE_CRR1_MSTSEL_Msk
#define ICACHE_CRR1_HBURST_Pos (31U)
#define ICACHE_CRR1_HBURST_Msk (0x1U << ICACHE_CRR1_HBURST_Pos)  // 0x80000000
#define ICACHE_CRR1_HBURST ICACHE_CRR1_HBURST_Msk

#define ICACHE_CRR2_BASEADDR_Pos (0U)
#define ICACHE_CRR2_BASEADDR_Msk (0xFFU << ICACHE_CRR2_BASEADDR_Pos)  // 0x000000FF
#define ICACHE_CRR2_BASEADDR ICACHE_CRR2_BASEADDR_Msk
#define ICACHE_CRR2_RSIZE_Pos (9U)
#define ICACHE_CRR2_RSIZE_Msk (0x7U << ICACHE_CRR2_RSIZE_Pos)  // 0x00000E00
#define ICACHE_CRR2_RSIZE ICACHE_CRR2_RSIZE_Msk
#define ICACHE_CRR2_REN_Pos (15U)
#define ICACHE_CRR2_REN_Msk (0x1U << ICACHE_CRR2_REN_Pos)  // 0x00008000
#define ICACHE_CRR2_REN ICACHE_CRR2_REN_Msk
#define ICACHE_CRR2_REMAPADDR_Pos (16U)
#define ICACHE_CRR2_REMAPADDR_Msk (0x7FFU << ICACHE_CRR2_REMAPADDR_Pos)  // 0x07FF0000
#define ICACHE_CRR2_REMAPADDR ICACHE_CRR2_REMAPADDR_Msk
#define ICACHE_CRR2_MSTSEL_Pos (28U)
#define ICACHE_CRR2_MSTSEL_Msk (0x1U << ICACHE_CRR2_MSTSEL_Pos)  // 0x10000000
#define ICACHE_CRR2_MSTSEL ICACHE_CRR2_MSTSEL_Msk
#define ICACHE_CRR2_HBURST_Pos (31U)
#define ICACHE_CRR2_HBURST_Msk (0x1U << ICACHE_CRR2_HBURST_Pos)  // 0x80000000
#define ICACHE_CRR2_HBURST ICACHE_CRR2_HBURST_Msk

#define ICACHE_CRR3_BASEADDR_Pos (0U)
#define ICACHE_CRR3_BASEADDR_Msk (0xFFU << ICACHE_CRR3_BASEADDR_Pos)  // 0x000000FF
#define ICACHE_CRR3_BASEADDR ICACHE_CRR3_BASEADDR_Msk
#define ICACHE_CRR3_RSIZE_Pos (9U)
#define ICACHE_CRR3_RSIZE_Msk (0x7U << ICACHE_CRR3_RSIZE_Pos)  // 0x00000E00
#define ICACHE_CRR3_RSIZE ICACHE_CRR3_RSIZE_Msk
#define ICACHE_CRR3_REN_Pos (15U)
#define ICACHE_CRR3_REN_Msk (0x1U << ICACHE_CRR3_REN_Pos)  // 0x00008000
#define ICACHE_CRR3_REN ICACHE_CRR3_REN_Msk
#define ICACHE_CRR3_REMAPADDR_Pos (16U)
#define ICACHE_CRR3_REMAPADDR_Msk (0x7FFU << ICACHE_CRR3_REMAPADDR_Pos)  // 0x07FF0000
#define ICACHE_CRR3_REMAPADDR ICACHE_CRR3_REMAPADDR_Msk
#define ICACHE_CRR3_MSTSEL_Pos (28U)
#define ICACHE_CRR3_MSTSEL_Msk (0x1U << ICACHE_CRR3_MSTSEL_Pos)  // 0x10000000
#define ICACHE_CRR3_MSTSEL ICACHE_CRR3_MSTSEL_Msk
#define ICACHE_CRR3_HBURST_Pos (31U)
#define ICACHE_CRR3_HBURST_Msk (0x1U << ICACHE_CRR3_HBURST_Pos)  // 0x80000000
#define ICACHE_CRR3_HBURST ICACHE_CRR3_HBURST_Msk

// ============================================================================================
// USART / LPUART fields
// ============================================================================================

// LPUART1 has the same register layout but lacks: CR1 OVER8/RTOIE/EOBIE; CR2 SLVEN/LBDL/LBDIE/
// LBCL/CPHA/CPOL/CLKEN/LINEN/ABREN/ABRMOD/RTOEN; CR3 IREN/IRLP/NACK/SCEN/ONEBIT/SCARCNT; ISR LBDF/
// RTOF/EOBF/ABRE/ABRF/UDR/TCBGT; RQR ABRRQ; GTPR and RTOR. Its BRR is 20 bits wide.

// CR1. Word length M1:M0 = 00 8 bits, 01 9 bits, 10 7 bits.
#define USART_CR1_UE_Pos (0U)
#define USART_CR1_UE_Msk (0x1U << USART_CR1_UE_Pos)  // 0x00000001
#define USART_CR1_UE USART_CR1_UE_Msk
#define USART_CR1_UESM_Pos (1U)
#define USART_CR1_UESM_Msk (0x1U << USART_CR1_UESM_Pos)  // 0x00000002
#define USART_CR1_UESM USART_CR1_UESM_Msk
#define USART_CR1_RE_Pos (2U)
#define USART_CR1_RE_Msk (0x1U << USART_CR1_RE_Pos)  // 0x00000004
#define USART_CR1_RE USART_CR1_RE_Msk
#define USART_CR1_TE_Pos (3U)
#define USART_CR1_TE_Msk (0x1U << USART_CR1_TE_Pos)  // 0x00000008
#define USART_CR1_TE USART_CR1_TE_Msk
#define USART_CR1_IDLEIE_Pos (4U)
#define USART_CR1_IDLEIE_Msk (0x1U << USART_CR1_IDLEIE_Pos)  // 0x00000010
#define USART_CR1_IDLEIE USART_CR1_IDLEIE_Msk
#define USART_CR1_RXNEIE_RXFNEIE_Pos (5U)
#define USART_CR1_RXNEIE_RXFNEIE_Msk (0x1U << USART_CR1_RXNEIE_RXFNEIE_Pos)  // 0x00000020
#define USART_CR1_RXNEIE_RXFNEIE USART_CR1_RXNEIE_RXFNEIE_Msk
#define USART_CR1_TCIE_Pos (6U)
#define USART_CR1_TCIE_Msk (0x1U << USART_CR1_TCIE_Pos)  // 0x00000040
#define USART_CR1_TCIE USART_CR1_TCIE_Msk
#define USART_CR1_TXEIE_TXFNFIE_Pos (7U)
#define USART_CR1_TXEIE_TXFNFIE_Msk (0x1U << USART_CR1_TXEIE_TXFNFIE_Pos)  // 0x00000080
#define USART_CR1_TXEIE_TXFNFIE USART_CR1_TXEIE_TXFNFIE_Msk
#define USART_CR1_PEIE_Pos (8U)
#define USART_CR1_PEIE_Msk (0x1U << USART_CR1_PEIE_Pos)  // 0x00000100
#define USART_CR1_PEIE USART_CR1_PEIE_Msk
#define USART_CR1_PS_Pos (9U)
#define USART_CR1_PS_Msk (0x1U << USART_CR1_PS_Pos)  // 0x00000200
#define USART_CR1_PS USART_CR1_PS_Msk
#define USART_CR1_PCE_Pos (10U)
#define USART_CR1_PCE_Msk (0x1U << USART_CR1_PCE_Pos)  // 0x00000400
#define USART_CR1_PCE USART_CR1_PCE_Msk
#define USART_CR1_WAKE_Pos (11U)
#define USART_CR1_WAKE_Msk (0x1U << USART_CR1_WAKE_Pos)  // 0x00000800
#define USART_CR1_WAKE USART_CR1_WAKE_Msk
#define USART_CR1_M0_Pos (12U)
#define USART_CR1_M0_Msk (0x1U << USART_CR1_M0_Pos)  // 0x00001000
#define USART_CR1_M0 USART_CR1_M0_Msk
#define USART_CR1_MME_Pos (13U)
#define USART_CR1_MME_Msk (0x1U << USART_CR1_MME_Pos)  // 0x00002000
#define USART_CR1_MME USART_CR1_MME_Msk
#define USART_CR1_CMIE_Pos (14U)
#define USART_CR1_CMIE_Msk (0x1U << USART_CR1_CMIE_Pos)  // 0x00004000
#define USART_CR1_CMIE USART_CR1_CMIE_Msk
#define USART_CR1_OVER8_Pos (15U)
#define USART_CR1_OVER8_Msk (0x1U << USART_CR1_OVER8_Pos)  // 0x00008000
#define USART_CR1_OVER8 USART_CR1_OVER8_Msk
#define USART_CR1_DEDT_Pos (16U)
#define USART_CR1_DEDT_Msk (0x1FU << USART_CR1_DEDT_Pos)  // 0x001F0000
#define USART_CR1_DEDT USART_CR1_DEDT_Msk
#define USART_CR1_DEDT_0 (0x1U << USART_CR1_DEDT_Pos)
#define USART_CR1_DEDT_1 (0x2U << USART_CR1_DEDT_Pos)
#define USART_CR1_DEDT_2 (0x4U << USART_CR1_DEDT_Pos)
#define USART_CR1_DEDT_3 (0x8U << USART_CR1_DEDT_Pos)
#define USART_CR1_DEDT_4 (0x10U << USART_CR1_DEDT_Pos)
#define USART_CR1_DEAT_Pos (21U)
#define USART_CR1_DEAT_Msk (0x1FU << USART_CR1_DEAT_Pos)  // 0x03E00000
#define USART_CR1_DEAT USART_CR1_DEAT_Msk
#define USART_CR1_DEAT_0 (0x1U << USART_CR1_DEAT_Pos)
#define USART_CR1_DEAT_1 (0x2U << USART_CR1_DEAT_Pos)
#define USART_CR1_DEAT_2 (0x4U << USART_CR1_DEAT_Pos)
#define USART_CR1_DEAT_3 (0x8U << USART_CR1_DEAT_Pos)
#define USART_CR1_DEAT_4 (0x10U << USART_CR1_DEAT_Pos)
#define USART_CR1_RTOIE_Pos (26U)
#define USART_CR1_RTOIE_Msk (0x1U << USART_CR1_RTOIE_Pos)  // 0x04000000
#define USART_CR1_RTOIE USART_CR1_RTOIE_Msk
#define USART_CR1_EOBIE_Pos (27U)
#define USART_CR1_EOBIE_Msk (0x1U << USART_CR1_EOBIE_Pos)  // 0x08000000
#define USART_CR1_EOBIE USART_CR1_EOBIE_Msk
#define USART_CR1_M1_Pos (28U)
#define USART_CR1_M1_Msk (0x1U << USART_CR1_M1_Pos)  // 0x10000000
#define USART_CR1_M1 USART_CR1_M1_Msk
#define USART_CR1_FIFOEN_Pos (29U)
#define USART_CR1_FIFOEN_Msk (0x1U << USART_CR1_FIFOEN_Pos)  // 0x20000000
#define USART_CR1_FIFOEN USART_CR1_FIFOEN_Msk
#define USART_CR1_TXFEIE_Pos (30U)
#define USART_CR1_TXFEIE_Msk (0x1U << USART_CR1_TXFEIE_Pos)  // 0x40000000
#define USART_CR1_TXFEIE USART_CR1_TXFEIE_Msk
#define USART_CR1_RXFFIE_Pos (31U)
#define USART_CR1_RXFFIE_Msk (0x1U << USART_CR1_RXFFIE_Pos)  // 0x80000000
#define USART_CR1_RXFFIE USART_CR1_RXFFIE_Msk

// CR2. STOP: 00 1 bit, 01 0.5, 10 2, 11 1.5.
#define USART_CR2_SLVEN_Pos (0U)
#define USART_CR2_SLVEN_Msk (0x1U << USART_CR2_SLVEN_Pos)  // 0x00000001
#define USART_CR2_SLVEN USART_CR2_SLVEN_Msk
#define USART_CR2_DIS_NSS_Pos (3U)
#define USART_CR2_DIS_NSS_Msk (0x1U << USART_CR2_DIS_NSS_Pos)  // 0x00000008
#define USART_CR2_DIS_NSS USART_CR2_DIS_NSS_Msk
#define USART_CR2_ADDM7_Pos (4U)
#define USART_CR2_ADDM7_Msk (0x1U << USART_CR2_ADDM7_Pos)  // 0x00000010
#define USART_CR2_ADDM7 USART_CR2_ADDM7_Msk
#define USART_CR2_LBDL_Pos (5U)
#define USART_CR2_LBDL_Msk (0x1U << USART_CR2_LBDL_Pos)  // 0x00000020
#define USART_CR2_LBDL USART_CR2_LBDL_Msk
#define USART_CR2_LBDIE_Pos (6U)
#define USART_CR2_LBDIE_Msk (0x1U << USART_CR2_LBDIE_Pos)  // 0x00000040
#define USART_CR2_LBDIE USART_CR2_LBDIE_Msk
#define USART_CR2_LBCL_Pos (8U)
#define USART_CR2_LBCL_Msk (0x1U << USART_CR2_LBCL_Pos)  // 0x00000100
#define USART_CR2_LBCL USART_CR2_LBCL_Msk
#define USART_CR2_CPHA_Pos (9U)
#define USART_CR2_CPHA_Msk (0x1U << USART_CR2_CPHA_Pos)  // 0x00000200
#define USART_CR2_CPHA USART_CR2_CPHA_Msk
#define USART_CR2_CPOL_Pos (10U)
#define USART_CR2_CPOL_Msk (0x1U << USART_CR2_CPOL_Pos)  // 0x00000400
#define USART_CR2_CPOL USART_CR2_CPOL_Msk
#define USART_CR2_CLKEN_Pos (11U)
#define USART_CR2_CLKEN_Msk (0x1U << USART_CR2_CLKEN_Pos)  // 0x00000800
#define USART_CR2_CLKEN USART_CR2_CLKEN_Msk
#define USART_CR2_STOP_Pos (12U)
#define USART_CR2_STOP_Msk (0x3U << USART_CR2_STOP_Pos)  // 0x00003000
#define USART_CR2_STOP USART_CR2_STOP_Msk
#define USART_CR2_STOP_0 (0x1U << USART_CR2_STOP_Pos)
#define USART_CR2_STOP_1 (0x2U << USART_CR2_STOP_Pos)
#define USART_CR2_LINEN_Pos (14U)
#define USART_CR2_LINEN_Msk (0x1U << USART_CR2_LINEN_Pos)  // 0x00004000
#define USART_CR2_LINEN USART_CR2_LINEN_Msk
#define USART_CR2_SWAP_Pos (15U)
#define USART_CR2_SWAP_Msk (0x1U << USART_CR2_SWAP_Pos)  // 0x00008000
#define USART_CR2_SWAP USART_CR2_SWAP_Msk
#define USART_CR2_RXINV_Pos (16U)
#define USART_CR2_RXINV_Msk (0x1U << USART_CR2_RXINV_Pos)  // 0x00010000
#define USART_CR2_RXINV USART_CR2_RXINV_Msk
#define USART_CR2_TXINV_Pos (17U)
#define USART_CR2_TXINV_Msk (0x1U << USART_CR2_TXINV_Pos)  // 0x00020000
#define USART_CR2_TXINV USART_CR2_TXINV_Msk
#define USART_CR2_DATAINV_Pos (18U)
#define USART_CR2_DATAINV_Msk (0x1U << USART_CR2_DATAINV_Pos)  // 0x00040000
#define USART_CR2_DATAINV USART_CR2_DATAINV_Msk
#define USART_CR2_MSBFIRST_Pos (19U)
#define USART_CR2_MSBFIRST_Msk (0x1U << USART_CR2_MSBFIRST_Pos)  // 0x00080000
#define USART_CR2_MSBFIRST USART_CR2_MSBFIRST_Msk
#define USART_CR2_ABREN_Pos (20U)
#define USART_CR2_ABREN_Msk (0x1U << USART_CR2_ABREN_Pos)  // 0x00100000
#define USART_CR2_ABREN USART_CR2_ABREN_Msk
#define USART_CR2_ABRMOD_Pos (21U)
#define USART_CR2_ABRMOD_Msk (0x3U << USART_CR2_ABRMOD_Pos)  // 0x00600000
#define USART_CR2_ABRMOD USART_CR2_ABRMOD_Msk
#define USART_CR2_ABRMOD_0 (0x1U << USART_CR2_ABRMOD_Pos)
#define USART_CR2_ABRMOD_1 (0x2U << USART_CR2_ABRMOD_Pos)
#define USART_CR2_RTOEN_Pos (23U)
#define USART_CR2_RTOEN_Msk (0x1U << USART_CR2_RTOEN_Pos)  // 0x00800000
#define USART_CR2_RTOEN USART_CR2_RTOEN_Msk
#define USART_CR2_ADD_Pos (24U)
#define USART_CR2_ADD_Msk (0xFFU << USART_CR2_ADD_Pos)  // 0xFF000000
#define USART_CR2_ADD USART_CR2_ADD_Msk
#define USART_CR2_ADD_0 (0x1U << USART_CR2_ADD_Pos)
#define USART_CR2_ADD_1 (0x2U << USART_CR2_ADD_Pos)
#define USART_CR2_ADD_2 (0x4U << USART_CR2_ADD_Pos)
#define USART_CR2_ADD_3 (0x8U << USART_CR2_ADD_Pos)
#define USART_CR2_ADD_4 (0x10U << USART_CR2_ADD_Pos)
#define USART_CR2_ADD_5 (0x20U << USART_CR2_ADD_Pos)
#define USART_CR2_ADD_6 (0x40U << USART_CR2_ADD_Pos)
#define USART_CR2_ADD_7 (0x80U << USART_CR2_ADD_Pos)

// CR3. This part has no wake-up from stop fields (bits 22..20 reserved).
#define USART_CR3_EIE_Pos (0U)
#define USART_CR3_EIE_Msk (0x1U << USART_CR3_EIE_Pos)  // 0x00000001
#define USART_CR3_EIE USART_CR3_EIE_Msk
#define USART_CR3_IREN_Pos (1U)
#define USART_CR3_IREN_Msk (0x1U << USART_CR3_IREN_Pos)  // 0x00000002
#define USART_CR3_IREN USART_CR3_IREN_Msk
#define USART_CR3_IRLP_Pos (2U)
#define USART_CR3_IRLP_Msk (0x1U << USART_CR3_IRLP_Pos)  // 0x00000004
#define USART_CR3_IRLP USART_CR3_IRLP_Msk
#define USART_CR3_HDSEL_Pos (3U)
#define USART_CR3_HDSEL_Msk (0x1U << USART_CR3_HDSEL_Pos)  // 0x00000008
#define USART_CR3_HDSEL USART_CR3_HDSEL_Msk
#define USART_CR3_NACK_Pos (4U)
#define USART_CR3_NACK_Msk (0x1U << USART_CR3_NACK_Pos)  // 0x00000010
#define USART_CR3_NACK USART_CR3_NACK_Msk
#define USART_CR3_SCEN_Pos (5U)
#define USART_CR3_SCEN_Msk (0x1U << USART_CR3_SCEN_Pos)  // 0x00000020
#define USART_CR3_SCEN USART_CR3_SCEN_Msk
#define USART_CR3_DMAR_Pos (6U)
#define USART_CR3_DMAR_Msk (0x1U << USART_CR3_DMAR_Pos)  // 0x00000040
#define USART_CR3_DMAR USART_CR3_DMAR_Msk
#define USART_CR3_DMAT_Pos (7U)
#define USART_CR3_DMAT_Msk (0x1U << USART_CR3_DMAT_Pos)  // 0x00000080
#define USART_CR3_DMAT USART_CR3_DMAT_Msk
#define USART_CR3_RTSE_Pos (8U)
#define USART_CR3_RTSE_Msk (0x1U << USART_CR3_RTSE_Pos)  // 0x00000100
#define USART_CR3_RTSE USART_CR3_RTSE_Msk
#define USART_CR3_CTSE_Pos (9U)
#define USART_CR3_CTSE_Msk (0x1U << USART_CR3_CTSE_Pos)  // 0x00000200
#define USART_CR3_CTSE USART_CR3_CTSE_Msk
#define USART_CR3_CTSIE_Pos (10U)
#define USART_CR3_CTSIE_Msk (0x1U << USART_CR3_CTSIE_Pos)  // 0x00000400
#define USART_CR3_CTSIE USART_CR3_CTSIE_Msk
#define USART_CR3_ONEBIT_Pos (11U)
#define USART_CR3_ONEBIT_Msk (0x1U << USART_CR3_ONEBIT_Pos)  // 0x00000800
#define USART_CR3_ONEBIT USART_CR3_ONEBIT_Msk
#define USART_CR3_OVRDIS_Pos (12U)
#define USART_CR3_OVRDIS_Msk (0x1U << USART_CR3_OVRDIS_Pos)  // 0x00001000
#define USART_CR3_OVRDIS USART_CR3_OVRDIS_Msk
#define USART_CR3_DDRE_Pos (13U)
#define USART_CR3_DDRE_Msk (0x1U << USART_CR3_DDRE_Pos)  // 0x00002000
#define USART_CR3_DDRE USART_CR3_DDRE_Msk
#define USART_CR3_DEM_Pos (14U)
#define USART_CR3_DEM_Msk (0x1U << USART_CR3_DEM_Pos)  // 0x00004000
#define USART_CR3_DEM USART_CR3_DEM_Msk
#define USART_CR3_DEP_Pos (15U)
#define USART_CR3_DEP_Msk (0x1U << USART_CR3_DEP_Pos)  // 0x00008000
#define USART_CR3_DEP USART_CR3_DEP_Msk
#define USART_CR3_SCARCNT_Pos (17U)
#define USART_CR3_SCARCNT_Msk (0x7U << USART_CR3_SCARCNT_Pos)  // 0x000E0000
#define USART_CR3_SCARCNT USART_CR3_SCARCNT_Msk
#define USART_CR3_SCARCNT_0 (0x1U << USART_CR3_SCARCNT_Pos)
#define USART_CR3_SCARCNT_1 (0x2U << USART_CR3_SCARCNT_Pos)
#define USART_CR3_SCARCNT_2 (0x4U << USART_CR3_SCARCNT_Pos)
#define USART_CR3_TXFTIE_Pos (23U)
#define USART_CR3_TXFTIE_Msk (0x1U << USART_CR3_TXFTIE_Pos)  // 0x00800000
#define USART_CR3_TXFTIE USART_CR3_TXFTIE_Msk
#define USART_CR3_TCBGTIE_Pos (24U)
#define USART_CR3_TCBGTIE_Msk (0x1U << USART_CR3_TCBGTIE_Pos)  // 0x01000000
#define USART_CR3_TCBGTIE USART_CR3_TCBGTIE_Msk
#define USART_CR3_RXFTCFG_Pos (25U)
#define USART_CR3_RXFTCFG_Msk (0x7U << USART_CR3_RXFTCFG_Pos)  // 0x0E000000
#define USART_CR3_RXFTCFG USART_CR3_RXFTCFG_Msk
#define USART_CR3_RXFTCFG_0 (0x1U << USART_CR3_RXFTCFG_Pos)
#define USART_CR3_RXFTCFG_1 (0x2U << USART_CR3_RXFTCFG_Pos)
#define USART_CR3_RXFTCFG_2 (0x4U << USART_CR3_RXFTCFG_Pos)
#define USART_CR3_RXFTIE_Pos (28U)
#define USART_CR3_RXFTIE_Msk (0x1U << USART_CR3_RXFTIE_Pos)  // 0x10000000
#define USART_CR3_RXFTIE USART_CR3_RXFTIE_Msk
#define USART_CR3_TXFTCFG_Pos (29U)
#define USART_CR3_TXFTCFG_Msk (0x7U << USART_CR3_TXFTCFG_Pos)  // 0xE0000000
#define USART_CR3_TXFTCFG USART_CR3_TXFTCFG_Msk
#define USART_CR3_TXFTCFG_0 (0x1U << USART_CR3_TXFTCFG_Pos)
#define USART_CR3_TXFTCFG_1 (0x2U << USART_CR3_TXFTCFG_Pos)
#define USART_CR3_TXFTCFG_2 (0x4U << USART_CR3_TXFTCFG_Pos)

// BRR (USART: 16 bits)
#define USART_BRR_BRR_Pos (0U)
#define USART_BRR_BRR_Msk (0xFFFFU << USART_BRR_BRR_Pos)  // 0x0000FFFF
#define USART_BRR_BRR USART_BRR_BRR_Msk

// BRR (LPUART: 20 bits)
#define LPUART_BRR_BRR_Pos (0U)
#define LPUART_BRR_BRR_Msk (0xFFFFFU << LPUART_BRR_BRR_Pos)  // 0x000FFFFF
#define LPUART_BRR_BRR LPUART_BRR_BRR_Msk

// GTPR
#define USART_GTPR_PSC_Pos (0U)
#define USART_GTPR_PSC_Msk (0xFFU << USART_GTPR_PSC_Pos)  // 0x000000FF
#define USART_GTPR_PSC USART_GTPR_PSC_Msk
#define USART_GTPR_GT_Pos (8U)
#define USART_GTPR_GT_Msk (0xFFU << USART_GTPR_GT_Pos)  // 0x0000FF00
#define USART_GTPR_GT USART_GTPR_GT_Msk

// RTOR
#define USART_RTOR_RTO_Pos (0U)
#define USART_RTOR_RTO_Msk (0xFFFFFFU << USART_RTOR_RTO_Pos)  // 0x00FFFFFF
#define USART_RTOR_RTO USART_RTOR_RTO_Msk
#define USART_RTOR_BLEN_Pos (24U)
#define USART_RTOR_BLEN_Msk (0xFFU << USART_RTOR_BLEN_Pos)  // 0xFF000000
#define USART_RTOR_BLEN USART_RTOR_BLEN_Msk

// RQR (write-only). RXFRQ discards the received data and clears RXNE; TXFRQ flushes the TX FIFO.
#define USART_RQR_ABRRQ_Pos (0U)
#define USART_RQR_ABRRQ_Msk (0x1U << USART_RQR_ABRRQ_Pos)  // 0x00000001
#define USART_RQR_ABRRQ USART_RQR_ABRRQ_Msk
#define USART_RQR_SBKRQ_Pos (1U)
#define USART_RQR_SBKRQ_Msk (0x1U << USART_RQR_SBKRQ_Pos)  // 0x00000002
#define USART_RQR_SBKRQ USART_RQR_SBKRQ_Msk
#define USART_RQR_MMRQ_Pos (2U)
#define USART_RQR_MMRQ_Msk (0x1U << USART_RQR_MMRQ_Pos)  // 0x00000004
#define USART_RQR_MMRQ USART_RQR_MMRQ_Msk
#define USART_RQR_RXFRQ_Pos (3U)
#define USART_RQR_RXFRQ_Msk (0x1U << USART_RQR_RXFRQ_Pos)  // 0x00000008
#define USART_RQR_RXFRQ USART_RQR_RXFRQ_Msk
#define USART_RQR_TXFRQ_Pos (4U)
#define USART_RQR_TXFRQ_Msk (0x1U << USART_RQR_TXFRQ_Pos)  // 0x00000010
#define USART_RQR_TXFRQ USART_RQR_TXFRQ_Msk

// ISR. TEACK/REACK follow CR1.TE/RE. Bit 20 is reserved on this part.
#define USART_ISR_PE_Pos (0U)
#define USART_ISR_PE_Msk (0x1U << USART_ISR_PE_Pos)  // 0x00000001
#define USART_ISR_PE USART_ISR_PE_Msk
#define USART_ISR_FE_Pos (1U)
#define USART_ISR_FE_Msk (0x1U << USART_ISR_FE_Pos)  // 0x00000002
#define USART_ISR_FE USART_ISR_FE_Msk
#define USART_ISR_NE_Pos (2U)
#define USART_ISR_NE_Msk (0x1U << USART_ISR_NE_Pos)  // 0x00000004
#define USART_ISR_NE USART_ISR_NE_Msk
#define USART_ISR_ORE_Pos (3U)
#define USART_ISR_ORE_Msk (0x1U << USART_ISR_ORE_Pos)  // 0x00000008
#define USART_ISR_ORE USART_ISR_ORE_Msk
#define USART_ISR_IDLE_Pos (4U)
#define USART_ISR_IDLE_Msk (0x1U << USART_ISR_IDLE_Pos)  // 0x00000010
#define USART_ISR_IDLE USART_ISR_IDLE_Msk
#define USART_ISR_RXNE_RXFNE_Pos (5U)
#define USART_ISR_RXNE_RXFNE_Msk (0x1U << USART_ISR_RXNE_RXFNE_Pos)  // 0x00000020
#define USART_ISR_RXNE_RXFNE USART_ISR_RXNE_RXFNE_Msk
#define USART_ISR_TC_Pos (6U)
#define USART_ISR_TC_Msk (0x1U << USART_ISR_TC_Pos)  // 0x00000040
#define USART_ISR_TC USART_ISR_TC_Msk
#define USART_ISR_TXE_TXFNF_Pos (7U)
#define USART_ISR_TXE_TXFNF_Msk (0x1U << USART_ISR_TXE_TXFNF_Pos)  // 0x00000080
#define USART_ISR_TXE_TXFNF USART_ISR_TXE_TXFNF_Msk
#define USART_ISR_LBDF_Pos (8U)
#define USART_ISR_LBDF_Msk (0x1U << USART_ISR_LBDF_Pos)  // 0x00000100
#define USART_ISR_LBDF USART_ISR_LBDF_Msk
#define USART_ISR_CTSIF_Pos (9U)
#define USART_ISR_CTSIF_Msk (0x1U << USART_ISR_CTSIF_Pos)  // 0x00000200
#define USART_ISR_CTSIF USART_ISR_CTSIF_Msk
#define USART_ISR_CTS_Pos (10U)
#define USART_ISR_CTS_Msk (0x1U << USART_ISR_CTS_Pos)  // 0x00000400
#define USART_ISR_CTS USART_ISR_CTS_Msk
#define USART_ISR_RTOF_Pos (11U)
#define USART_ISR_RTOF_Msk (0x1U << USART_ISR_RTOF_Pos)  // 0x00000800
#define USART_ISR_RTOF USART_ISR_RTOF_Msk
#define USART_ISR_EOBF_Pos (12U)
#define USART_ISR_EOBF_Msk (0x1U << USART_ISR_EOBF_Pos)  // 0x00001000
#define USART_ISR_EOBF USART_ISR_EOBF_Msk
#define USART_ISR_UDR_Pos (13U)
#define USART_ISR_UDR_Msk (0x1U << USART_ISR_UDR_Pos)  // 0x00002000
#define USART_ISR_UDR USART_ISR_UDR_Msk
#define USART_ISR_ABRE_Pos (14U)
#define USART_ISR_ABRE_Msk (0x1U << USART_ISR_ABRE_Pos)  // 0x00004000
#define USART_ISR_ABRE USART_ISR_ABRE_Msk
#define USART_ISR_ABRF_Pos (15U)
#define USART_ISR_ABRF_Msk (0x1U << USART_ISR_ABRF_Pos)  // 0x00008000
#define USART_ISR_ABRF USART_ISR_ABRF_Msk
#define USART_ISR_BUSY_Pos (16U)
#define USART_ISR_BUSY_Msk (0x1U << USART_ISR_BUSY_Pos)  // 0x00010000
#define USART_ISR_BUSY USART_ISR_BUSY_Msk
#define USART_ISR_CMF_Pos (17U)
#define USART_ISR_CMF_Msk (0x1U << USART_ISR_CMF_Pos)  // 0x00020000
#define USART_ISR_CMF USART_ISR_CMF_Msk
#define USART_ISR_SBKF_Pos (18U)
#define USART_ISR_SBKF_Msk (0x1U << USART_ISR_SBKF_Pos)  // 0x00040000
#define USART_ISR_SBKF USART_ISR_SBKF_Msk
#define USART_ISR_RWU_Pos (19U)
#define USART_ISR_RWU_Msk (0x1U << USART_ISR_RWU_Pos)  // 0x00080000
#define USART_ISR_RWU USART_ISR_RWU_Msk
#define USART_ISR_TEACK_Pos (21U)
#define USART_ISR_TEACK_Msk (0x1U << USART_ISR_TEACK_Pos)  // 0x00200000
#define USART_ISR_TEACK USART_ISR_TEACK_Msk
#define USART_ISR_REACK_Pos (22U)
#define USART_ISR_REACK_Msk (0x1U << USART_ISR_REACK_Pos)  // 0x00400000
#define USART_ISR_REACK USART_ISR_REACK_Msk
#define USART_ISR_TXFE_Pos (23U)
#define USART_ISR_TXFE_Msk (0x1U << USART_ISR_TXFE_Pos)  // 0x00800000
#define USART_ISR_TXFE USART_ISR_TXFE_Msk
#define USART_ISR_RXFF_Pos (24U)
#define USART_ISR_RXFF_Msk (0x1U << USART_ISR_RXFF_Pos)  // 0x01000000
#define USART_ISR_RXFF USART_ISR_RXFF_Msk
#define USART_ISR_TCBGT_Pos (25U)
#define USART_ISR_TCBGT_Msk (0x1U << USART_ISR_TCBGT_Pos)  // 0x02000000
#define USART_ISR_TCBGT USART_ISR_TCBGT_Msk
#define USART_ISR_RXFT_Pos (26U)
#define USART_ISR_RXFT_Msk (0x1U << USART_ISR_RXFT_Pos)  // 0x04000000
#define USART_ISR_RXFT USART_ISR_RXFT_Msk
#define USART_ISR_TXFT_Pos (27U)
#define USART_ISR_TXFT_Msk (0x1U << USART_ISR_TXFT_Pos)  // 0x08000000
#define USART_ISR_TXFT USART_ISR_TXFT_Msk

// ICR: write 1 to clear the ISR flag
#define USART_ICR_PECF_Pos (0U)
#define USART_ICR_PECF_Msk (0x1U << USART_ICR_PECF_Pos)  // 0x00000001
#define USART_ICR_PECF USART_ICR_PECF_Msk
#define USART_ICR_FECF_Pos (1U)
#define USART_ICR_FECF_Msk (0x1U << USART_ICR_FECF_Pos)  // 0x00000002
#define USART_ICR_FECF USART_ICR_FECF_Msk
#define USART_ICR_NECF_Pos (2U)
#define USART_ICR_NECF_Msk (0x1U << USART_ICR_NECF_Pos)  // 0x00000004
#define USART_ICR_NECF USART_ICR_NECF_Msk
#define USART_ICR_ORECF_Pos (3U)
#define USART_ICR_ORECF_Msk (0x1U << USART_ICR_ORECF_Pos)  // 0x00000008
#define USART_ICR_ORECF USART_ICR_ORECF_Msk
#define USART_ICR_IDLECF_Pos (4U)
#define USART_ICR_IDLECF_Msk (0x1U << USART_ICR_IDLECF_Pos)  // 0x00000010
#define USART_ICR_IDLECF USART_ICR_IDLECF_Msk
#define USART_ICR_TXFECF_Pos (5U)
#define USART_ICR_TXFECF_Msk (0x1U << USART_ICR_TXFECF_Pos)  // 0x00000020
#define USART_ICR_TXFECF USART_ICR_TXFECF_Msk
#define USART_ICR_TCCF_Pos (6U)
#define USART_ICR_TCCF_Msk (0x1U << USART_ICR_TCCF_Pos)  // 0x00000040
#define USART_ICR_TCCF USART_ICR_TCCF_Msk
#define USART_ICR_TCBGTCF_Pos (7U)
#define USART_ICR_TCBGTCF_Msk (0x1U << USART_ICR_TCBGTCF_Pos)  // 0x00000080
#define USART_ICR_TCBGTCF USART_ICR_TCBGTCF_Msk
#define USART_ICR_LBDCF_Pos (8U)
#define USART_ICR_LBDCF_Msk (0x1U << USART_ICR_LBDCF_Pos)  // 0x00000100
#define USART_ICR_LBDCF USART_ICR_LBDCF_Msk
#define USART_ICR_CTSCF_Pos (9U)
#define USART_ICR_CTSCF_Msk (0x1U << USART_ICR_CTSCF_Pos)  // 0x00000200
#define USART_ICR_CTSCF USART_ICR_CTSCF_Msk
#define USART_ICR_RTOCF_Pos (11U)
#define USART_ICR_RTOCF_Msk (0x1U << USART_ICR_RTOCF_Pos)  // 0x00000800
#define USART_ICR_RTOCF USART_ICR_RTOCF_Msk
#define USART_ICR_EOBCF_Pos (12U)
#define USART_ICR_EOBCF_Msk (0x1U << USART_ICR_EOBCF_Pos)  // 0x00001000
#define USART_ICR_EOBCF USART_ICR_EOBCF_Msk
#define USART_ICR_UDRCF_Pos (13U)
#define USART_ICR_UDRCF_Msk (0x1U << USART_ICR_UDRCF_Pos)  // 0x00002000
#define USART_ICR_UDRCF USART_ICR_UDRCF_Msk
#define USART_ICR_CMCF_Pos (17U)
#define USART_ICR_CMCF_Msk (0x1U << USART_ICR_CMCF_Pos)  // 0x00020000
#define USART_ICR_CMCF USART_ICR_CMCF_Msk

// RDR
#define USART_RDR_RDR_Pos (0U)
#define USART_RDR_RDR_Msk (0x1FFU << USART_RDR_RDR_Pos)  // 0x000001FF
#define USART_RDR_RDR USART_RDR_RDR_Msk

// TDR
#define USART_TDR_TDR_Pos (0U)
#define USART_TDR_TDR_Msk (0x1FFU << USART_TDR_TDR_Pos)  // 0x000001FF
#define USART_TDR_TDR USART_TDR_TDR_Msk

// PRESC: kernel clock divider code
#define USART_PRESC_PRESCALER_Pos (0U)
#define USART_PRESC_PRESCALER_Msk (0xFU << USART_PRESC_PRESCALER_Pos)  // 0x0000000F
#define USART_PRESC_PRESCALER USART_PRESC_PRESCALER_Msk
#define USART_PRESC_PRESCALER_0 (0x1U << USART_PRESC_PRESCALER_Pos)
#define USART_PRESC_PRESCALER_1 (0x2U << USART_PRESC_PRESCALER_Pos)
#define USART_PRESC_PRESCALER_2 (0x4U << USART_PRESC_PRESCALER_Pos)
#define USART_PRESC_PRESCALER_3 (0x8U << USART_PRESC_PRESCALER_Pos)

// AUTOCR
#define USART_AUTOCR_TDN_Pos (0U)
#define USART_AUTOCR_TDN_Msk (0xFFFFU << USART_AUTOCR_TDN_Pos)  // 0x0000FFFF
#define USART_AUTOCR_TDN USART_AUTOCR_TDN_Msk
#define USART_AUTOCR_TRIGPOL_Pos (16U)
#define USART_AUTOCR_TRIGPOL_Msk (0x1U << USART_AUTOCR_TRIGPOL_Pos)  // 0x00010000
#define USART_AUTOCR_TRIGPOL USART_AUTOCR_TRIGPOL_Msk
#define USART_AUTOCR_TRIGEN_Pos (17U)
#define USART_AUTOCR_TRIGEN_Msk (0x1U << USART_AUTOCR_TRIGEN_Pos)  // 0x00020000
#define USART_AUTOCR_TRIGEN USART_AUTOCR_TRIGEN_Msk
#define USART_AUTOCR_IDLEDIS_Pos (18U)
#define USART_AUTOCR_IDLEDIS_Msk (0x1U << USART_AUTOCR_IDLEDIS_Pos)  // 0x00040000
#define USART_AUTOCR_IDLEDIS USART_AUTOCR_IDLEDIS_Msk
#define USART_AUTOCR_TRIGSEL_Pos (19U)
#define USART_AUTOCR_TRIGSEL_Msk (0xFU << USART_AUTOCR_TRIGSEL_Pos)  // 0x00780000
#define USART_AUTOCR_TRIGSEL USART_AUTOCR_TRIGSEL_Msk
#define USART_AUTOCR_TRIGSEL_0 (0x1U << USART_AUTOCR_TRIGSEL_Pos)
#define USART_AUTOCR_TRIGSEL_1 (0x2U << USART_AUTOCR_TRIGSEL_Pos)
#define USART_AUTOCR_TRIGSEL_2 (0x4U << USART_AUTOCR_TRIGSEL_Pos)
#define USART_AUTOCR_TRIGSEL_3 (0x8U << USART_AUTOCR_TRIGSEL_Pos)
#define USART_AUTOCR_TECLREN_Pos (31U)
#define USART_AUTOCR_TECLREN_Msk (0x1U << USART_AUTOCR_TECLREN_Pos)  // 0x80000000
#define USART_AUTOCR_TECLREN USART_AUTOCR_TECLREN_Msk

// ============================================================================================
// GPDMA1 channel fields
// ============================================================================================

// CLBAR: linked-list base address (upper half)
#define DMA_CLBAR_LBA_Pos (16U)
#define DMA_CLBAR_LBA_Msk (0xFFFFU << DMA_CLBAR_LBA_Pos)  // 0xFFFF0000
#define DMA_CLBAR_LBA DMA_CLBAR_LBA_Msk

// CFCR: write 1 to clear the CSR flag
#define DMA_CFCR_TCF_Pos (8U)
#define DMA_CFCR_TCF_Msk (0x1U << DMA_CFCR_TCF_Pos)  // 0x00000100
#define DMA_CFCR_TCF DMA_CFCR_TCF_Msk
#define DMA_CFCR_HTF_Pos (9U)
#define DMA_CFCR_HTF_Msk (0x1U << DMA_CFCR_HTF_Pos)  // 0x00000200
#define DMA_CFCR_HTF DMA_CFCR_HTF_Msk
#define DMA_CFCR_DTEF_Pos (10U)
#define DMA_CFCR_DTEF_Msk (0x1U << DMA_CFCR_DTEF_Pos)  // 0x00000400
#define DMA_CFCR_DTEF DMA_CFCR_DTEF_Msk
#define DMA_CFCR_ULEF_Pos (11U)
#define DMA_CFCR_ULEF_Msk (0x1U << DMA_CFCR_ULEF_Pos)  // 0x00000800
#define DMA_CFCR_ULEF DMA_CFCR_ULEF_Msk
#define DMA_CFCR_USEF_Pos (12U)
#define DMA_CFCR_USEF_Msk (0x1U << DMA_CFCR_USEF_Pos)  // 0x00001000
#define DMA_CFCR_USEF DMA_CFCR_USEF_Msk
#define DMA_CFCR_SUSPF_Pos (13U)
#define DMA_CFCR_SUSPF_Msk (0x1U << DMA_CFCR_SUSPF_Pos)  // 0x00002000
#define DMA_CFCR_SUSPF DMA_CFCR_SUSPF_Msk
#define DMA_CFCR_TOF_Pos (14U)
#define DMA_CFCR_TOF_Msk (0x1U << DMA_CFCR_TOF_Pos)  // 0x00004000
#define DMA_CFCR_TOF DMA_CFCR_TOF_Msk

// CSR
#define DMA_CSR_IDLEF_Pos (0U)
#define DMA_CSR_IDLEF_Msk (0x1U << DMA_CSR_IDLEF_Pos)  // 0x00000001
#define DMA_CSR_IDLEF DMA_CSR_IDLEF_Msk
#define DMA_CSR_TCF_Pos (8U)
#define DMA_CSR_TCF_Msk (0x1U << DMA_CSR_TCF_Pos)  // 0x00000100
#define DMA_CSR_TCF DMA_CSR_TCF_Msk
#define DMA_CSR_HTF_Pos (9U)
#define DMA_CSR_HTF_Msk (0x1U << DMA_CSR_HTF_Pos)  // 0x00000200
#define DMA_CSR_HTF DMA_CSR_HTF_Msk
#define DMA_CSR_DTEF_Pos (10U)
#define DMA_CSR_DTEF_Msk (0x1U << DMA_CSR_DTEF_Pos)  // 0x00000400
#define DMA_CSR_DTEF DMA_CSR_DTEF_Msk
#define DMA_CSR_ULEF_Pos (11U)
#define DMA_CSR_ULEF_Msk (0x1U << DMA_CSR_ULEF_Pos)  // 0x00000800
#define DMA_CSR_ULEF DMA_CSR_ULEF_Msk
#define DMA_CSR_USEF_Pos (12U)
#define DMA_CSR_USEF_Msk (0x1U << DMA_CSR_USEF_Pos)  // 0x00001000
#define DMA_CSR_USEF DMA_CSR_USEF_Msk
#define DMA_CSR_SUSPF_Pos (13U)
#define DMA_CSR_SUSPF_Msk (0x1U << DMA_CSR_SUSPF_Pos)  // 0x00002000
#define DMA_CSR_SUSPF DMA_CSR_SUSPF_Msk
#define DMA_CSR_TOF_Pos (14U)
#define DMA_CSR_TOF_Msk (0x1U << DMA_CSR_TOF_Pos)  // 0x00004000
#define DMA_CSR_TOF DMA_CSR_TOF_Msk
#define DMA_CSR_FIFOL_Pos (16U)
#define DMA_CSR_FIFOL_Msk (0xFFU << DMA_CSR_FIFOL_Pos)  // 0x00FF0000
#define DMA_CSR_FIFOL DMA_CSR_FIFOL_Msk

// CCR. RESET is write-only.
#define DMA_CCR_EN_Pos (0U)
#define DMA_CCR_EN_Msk (0x1U << DMA_CCR_EN_Pos)  // 0x00000001
#define DMA_CCR_EN DMA_CCR_EN_Msk
#define DMA_CCR_RESET_Pos (1U)
#define DMA_CCR_RESET_Msk (0x1U << DMA_CCR_RESET_Pos)  // 0x00000002
#define DMA_CCR_RESET DMA_CCR_RESET_Msk
#define DMA_CCR_SUSP_Pos (2U)
#define DMA_CCR_SUSP_Msk (0x1U << DMA_CCR_SUSP_Pos)  // 0x00000004
#define DMA_CCR_SUSP DMA_CCR_SUSP_Msk
#define DMA_CCR_TCIE_Pos (8U)
#define DMA_CCR_TCIE_Msk (0x1U << DMA_CCR_TCIE_Pos)  // 0x00000100
#define DMA_CCR_TCIE DMA_CCR_TCIE_Msk
#define DMA_CCR_HTIE_Pos (9U)
#define DMA_CCR_HTIE_Msk (0x1U << DMA_CCR_HTIE_Pos)  // 0x00000200
#define DMA_CCR_HTIE DMA_CCR_HTIE_Msk
#define DMA_CCR_DTEIE_Pos (10U)
#define DMA_CCR_DTEIE_Msk (0x1U << DMA_CCR_DTEIE_Pos)  // 0x00000400
#define DMA_CCR_DTEIE DMA_CCR_DTEIE_Msk
#define DMA_CCR_ULEIE_Pos (11U)
#define DMA_CCR_ULEIE_Msk (0x1U << DMA_CCR_ULEIE_Pos)  // 0x00000800
#define DMA_CCR_ULEIE DMA_CCR_ULEIE_Msk
#define DMA_CCR_USEIE_Pos (12U)
#define DMA_CCR_USEIE_Msk (0x1U << DMA_CCR_USEIE_Pos)  // 0x00001000
#define DMA_CCR_USEIE DMA_CCR_USEIE_Msk
#define DMA_CCR_SUSPIE_Pos (13U)
#define DMA_CCR_SUSPIE_Msk (0x1U << DMA_CCR_SUSPIE_Pos)  // 0x00002000
#define DMA_CCR_SUSPIE DMA_CCR_SUSPIE_Msk
#define DMA_CCR_TOIE_Pos (14U)
#define DMA_CCR_TOIE_Msk (0x1U << DMA_CCR_TOIE_Pos)  // 0x00004000
#define DMA_CCR_TOIE DMA_CCR_TOIE_Msk
#define DMA_CCR_LSM_Pos (16U)
#define DMA_CCR_LSM_Msk (0x1U << DMA_CCR_LSM_Pos)  // 0x00010000
#define DMA_CCR_LSM DMA_CCR_LSM_Msk
#define DMA_CCR_LAP_Pos (17U)
#define DMA_CCR_LAP_Msk (0x1U << DMA_CCR_LAP_Pos)  // 0x00020000
#define DMA_CCR_LAP DMA_CCR_LAP_Msk
#define DMA_CCR_PRIO_Pos (22U)
#define DMA_CCR_PRIO_Msk (0x3U << DMA_CCR_PRIO_Pos)  // 0x00C00000
#define DMA_CCR_PRIO DMA_CCR_PRIO_Msk
#define DMA_CCR_PRIO_0 (0x1U << DMA_CCR_PRIO_Pos)
#define DMA_CCR_PRIO_1 (0x2U << DMA_CCR_PRIO_Pos)

// CTR1
#define DMA_CTR1_SDW_LOG2_Pos (0U)
#define DMA_CTR1_SDW_LOG2_Msk (0x3U << DMA_CTR1_SDW_LOG2_Pos)  // 0x00000003
#define DMA_CTR1_SDW_LOG2 DMA_CTR1_SDW_LOG2_Msk
#define DMA_CTR1_SDW_LOG2_0 (0x1U << DMA_CTR1_SDW_LOG2_Pos)
#define DMA_CTR1_SDW_LOG2_1 (0x2U << DMA_CTR1_SDW_LOG2_Pos)
#define DMA_CTR1_SINC_Pos (3U)
#define DMA_CTR1_SINC_Msk (0x1U << DMA_CTR1_SINC_Pos)  // 0x00000008
#define DMA_CTR1_SINC DMA_CTR1_SINC_Msk
#define DMA_CTR1_SBL_1_Pos (4U)
#define DMA_CTR1_SBL_1_Msk (0x3FU << DMA_CTR1_SBL_1_Pos)  // 0x000003F0
#define DMA_CTR1_SBL_1 DMA_CTR1_SBL_1_Msk
#define DMA_CTR1_SBL_1_0 (0x1U << DMA_CTR1_SBL_1_Pos)
#define DMA_CTR1_SBL_1_1 (0x2U << DMA_CTR1_SBL_1_Pos)
#define DMA_CTR1_SBL_1_2 (0x4U << DMA_CTR1_SBL_1_Pos)
#define DMA_CTR1_SBL_1_3 (0x8U << DMA_CTR1_SBL_1_Pos)
#define DMA_CTR1_SBL_1_4 (0x10U << DMA_CTR1_SBL_1_Pos)
#define DMA_CTR1_SBL_1_5 (0x20U << DMA_CTR1_SBL_1_Pos)
#define DMA_CTR1_PAM_Pos (11U)
#define DMA_CTR1_PAM_Msk (0x3U << DMA_CTR1_PAM_Pos)  // 0x00001800
#define DMA_CTR1_PAM DMA_CTR1_PAM_Msk
#define DMA_CTR1_PAM_0 (0x1U << DMA_CTR1_PAM_Pos)
#define DMA_CTR1_PAM_1 (0x2U << DMA_CTR1_PAM_Pos)
#define DMA_CTR1_SBX_Pos (13U)
#define DMA_CTR1_SBX_Msk (0x1U << DMA_CTR1_SBX_Pos)  // 0x00002000
#define DMA_CTR1_SBX DMA_CTR1_SBX_Msk
#define DMA_CTR1_SAP_Pos (14U)
#define DMA_CTR1_SAP_Msk (0x1U << DMA_CTR1_SAP_Pos)  // 0x00004000
#define DMA_CTR1_SAP DMA_CTR1_SAP_Msk
#define DMA_CTR1_SSEC_Pos (15U)
#define DMA_CTR1_SSEC_Msk (0x1U << DMA_CTR1_SSEC_Pos)  // 0x00008000
#define DMA_CTR1_SSEC DMA_CTR1_SSEC_Msk
#define DMA_CTR1_DDW_LOG2_Pos (16U)
#define DMA_CTR1_DDW_LOG2_Msk (0x3U << DMA_CTR1_DDW_LOG2_Pos)  // 0x00030000
#define DMA_CTR1_DDW_LOG2 DMA_CTR1_DDW_LOG2_Msk
#define DMA_CTR1_DDW_LOG2_0 (0x1U << DMA_CTR1_DDW_LOG2_Pos)
#define DMA_CTR1_DDW_LOG2_1 (0x2U << DMA_CTR1_DDW_LOG2_Pos)
#define DMA_CTR1_DINC_Pos (19U)
#define DMA_CTR1_DINC_Msk (0x1U << DMA_CTR1_DINC_Pos)  // 0x00080000
#define DMA_CTR1_DINC DMA_CTR1_DINC_Msk
#define DMA_CTR1_DBL_1_Pos (20U)
#define DMA_CTR1_DBL_1_Msk (0x3FU << DMA_CTR1_DBL_1_Pos)  // 0x03F00000
#define DMA_CTR1_DBL_1 DMA_CTR1_DBL_1_Msk
#define DMA_CTR1_DBL_1_0 (0x1U << DMA_CTR1_DBL_1_Pos)
#define DMA_CTR1_DBL_1_1 (0x2U << DMA_CTR1_DBL_1_Pos)
#define DMA_CTR1_DBL_1_2 (0x4U << DMA_CTR1_DBL_1_Pos)
#define DMA_CTR1_DBL_1_3 (0x8U << DMA_CTR1_DBL_1_Pos)
#define DMA_CTR1_DBL_1_4 (0x10U << DMA_CTR1_DBL_1_Pos)
#define DMA_CTR1_DBL_1_5 (0x20U << DMA_CTR1_DBL_1_Pos)
#define DMA_CTR1_DBX_Pos (26U)
#define DMA_CTR1_DBX_Msk (0x1U << DMA_CTR1_DBX_Pos)  // 0x04000000
#define DMA_CTR1_DBX DMA_CTR1_DBX_Msk
#define DMA_CTR1_DHX_Pos (27U)
#define DMA_CTR1_DHX_Msk (0x1U << DMA_CTR1_DHX_Pos)  // 0x08000000
#define DMA_CTR1_DHX DMA_CTR1_DHX_Msk
#define DMA_CTR1_DAP_Pos (30U)
#define DMA_CTR1_DAP_Msk (0x1U << DMA_CTR1_DAP_Pos)  // 0x40000000
#define DMA_CTR1_DAP DMA_CTR1_DAP_Msk
#define DMA_CTR1_DSEC_Pos (31U)
#define DMA_CTR1_DSEC_Msk (0x1U << DMA_CTR1_DSEC_Pos)  // 0x80000000
#define DMA_CTR1_DSEC DMA_CTR1_DSEC_Msk

// CTR2
#define DMA_CTR2_REQSEL_Pos (0U)
#define DMA_CTR2_REQSEL_Msk (0x7FU << DMA_CTR2_REQSEL_Pos)  // 0x0000007F
#define DMA_CTR2_REQSEL DMA_CTR2_REQSEL_Msk
#define DMA_CTR2_REQSEL_0 (0x1U << DMA_CTR2_REQSEL_Pos)
#define DMA_CTR2_REQSEL_1 (0x2U << DMA_CTR2_REQSEL_Pos)
#define DMA_CTR2_REQSEL_2 (0x4U << DMA_CTR2_REQSEL_Pos)
#define DMA_CTR2_REQSEL_3 (0x8U << DMA_CTR2_REQSEL_Pos)
#define DMA_CTR2_REQSEL_4 (0x10U << DMA_CTR2_REQSEL_Pos)
#define DMA_CTR2_REQSEL_5 (0x20U << DMA_CTR2_REQSEL_Pos)
#define DMA_CTR2_REQSEL_6 (0x40U << DMA_CTR2_REQSEL_Pos)
#define DMA_CTR2_SWREQ_Pos (9U)
#define DMA_CTR2_SWREQ_Msk (0x1U << DMA_CTR2_SWREQ_Pos)  // 0x00000200
#define DMA_CTR2_SWREQ DMA_CTR2_SWREQ_Msk
#define DMA_CTR2_DREQ_Pos (10U)
#define DMA_CTR2_DREQ_Msk (0x1U << DMA_CTR2_DREQ_Pos)  // 0x00000400
#define DMA_CTR2_DREQ DMA_CTR2_DREQ_Msk
#define DMA_CTR2_BREQ_Pos (11U)
#define DMA_CTR2_BREQ_Msk (0x1U << DMA_CTR2_BREQ_Pos)  // 0x00000800
#define DMA_CTR2_BREQ DMA_CTR2_BREQ_Msk
#define DMA_CTR2_TRIGM_Pos (14U)
#define DMA_CTR2_TRIGM_Msk (0x3U << DMA_CTR2_TRIGM_Pos)  // 0x0000C000
#define DMA_CTR2_TRIGM DMA_CTR2_TRIGM_Msk
#define DMA_CTR2_TRIGM_0 (0x1U << DMA_CTR2_TRIGM_Pos)
#define DMA_CTR2_TRIGM_1 (0x2U << DMA_CTR2_TRIGM_Pos)
#define DMA_CTR2_TRIGSEL_Pos (16U)
#define DMA_CTR2_TRIGSEL_Msk (0x3FU << DMA_CTR2_TRIGSEL_Pos)  // 0x003F0000
#define DMA_CTR2_TRIGSEL DMA_CTR2_TRIGSEL_Msk
#define DMA_CTR2_TRIGSEL_0 (0x1U << DMA_CTR2_TRIGSEL_Pos)
#define DMA_CTR2_TRIGSEL_1 (0x2U << DMA_CTR2_TRIGSEL_Pos)
#define DMA_CTR2_TRIGSEL_2 (0x4U << DMA_CTR2_TRIGSEL_Pos)
#define DMA_CTR2_TRIGSEL_3 (0x8U << DMA_CTR2_TRIGSEL_Pos)
#define DMA_CTR2_TRIGSEL_4 (0x10U << DMA_CTR2_TRIGSEL_Pos)
#define DMA_CTR2_TRIGSEL_5 (0x20U << DMA_CTR2_TRIGSEL_Pos)
#define DMA_CTR2_TRIGPOL_Pos (24U)
#define DMA_CTR2_TRIGPOL_Msk (0x3U << DMA_CTR2_TRIGPOL_Pos)  // 0x03000000
#define DMA_CTR2_TRIGPOL DMA_CTR2_TRIGPOL_Msk
#define DMA_CTR2_TRIGPOL_0 (0x1U << DMA_CTR2_TRIGPOL_Pos)
#define DMA_CTR2_TRIGPOL_1 (0x2U << DMA_CTR2_TRIGPOL_Pos)
#define DMA_CTR2_TCEM_Pos (30U)
#define DMA_CTR2_TCEM_Msk (0x3U << DMA_CTR2_TCEM_Pos)  // 0xC0000000
#define DMA_CTR2_TCEM DMA_CTR2_TCEM_Msk
#define DMA_CTR2_TCEM_0 (0x1U << DMA_CTR2_TCEM_Pos)
#define DMA_CTR2_TCEM_1 (0x2U << DMA_CTR2_TCEM_Pos)

// CBR1 (BRC and the DEC bits on channels 12..15 only)
#define DMA_CBR1_BNDT_Pos (0U)
#define DMA_CBR1_BNDT_Msk (0xFFFFU << DMA_CBR1_BNDT_Pos)  // 0x0000FFFF
#define DMA_CBR1_BNDT DMA_CBR1_BNDT_Msk
#define DMA_CBR1_BRC_Pos (16U)
#define DMA_CBR1_BRC_Msk (0x7FFU << DMA_CBR1_BRC_Pos)  // 0x07FF0000
#define DMA_CBR1_BRC DMA_CBR1_BRC_Msk
#define DMA_CBR1_SDEC_Pos (28U)
#define DMA_CBR1_SDEC_Msk (0x1U << DMA_CBR1_SDEC_Pos)  // 0x10000000
#define DMA_CBR1_SDEC DMA_CBR1_SDEC_Msk
#define DMA_CBR1_DDEC_Pos (29U)
#define DMA_CBR1_DDEC_Msk (0x1U << DMA_CBR1_DDEC_Pos)  // 0x20000000
#define DMA_CBR1_DDEC DMA_CBR1_DDEC_Msk
#define DMA_CBR1_BRSDEC_Pos (30U)
#define DMA_CBR1_BRSDEC_Msk (0x1U << DMA_CBR1_BRSDEC_Pos)  // 0x40000000
#define DMA_CBR1_BRSDEC DMA_CBR1_BRSDEC_Msk
#define DMA_CBR1_BRDDEC_Pos (31U)
#define DMA_CBR1_BRDDEC_Msk (0x1U << DMA_CBR1_BRDDEC_Pos)  // 0x80000000
#define DMA_CBR1_BRDDEC DMA_CBR1_BRDDEC_Msk

// CSAR
#define DMA_CSAR_SA_Pos (0U)
#define DMA_CSAR_SA_Msk (0xFFFFFFFFU << DMA_CSAR_SA_Pos)  // 0xFFFFFFFF
#define DMA_CSAR_SA DMA_CSAR_SA_Msk

// CDAR
#define DMA_CDAR_DA_Pos (0U)
#define DMA_CDAR_DA_Msk (0xFFFFFFFFU << DMA_CDAR_DA_Pos)  // 0xFFFFFFFF
#define DMA_CDAR_DA DMA_CDAR_DA_Msk

// CBR2 (channels 12..15 only)
#define DMA_CBR2_BRSAO_Pos (0U)
#define DMA_CBR2_BRSAO_Msk (0xFFFFU << DMA_CBR2_BRSAO_Pos)  // 0x0000FFFF
#define DMA_CBR2_BRSAO DMA_CBR2_BRSAO_Msk
#define DMA_CBR2_BRDAO_Pos (16U)
#define DMA_CBR2_BRDAO_Msk (0xFFFFU << DMA_CBR2_BRDAO_Pos)  // 0xFFFF0000
#define DMA_CBR2_BRDAO DMA_CBR2_BRDAO_Msk

// CLLR (UB2, UT3 on channels 12..15 only)
#define DMA_CLLR_LA_Pos (2U)
#define DMA_CLLR_LA_Msk (0x3FFFU << DMA_CLLR_LA_Pos)  // 0x0000FFFC
#define DMA_CLLR_LA DMA_CLLR_LA_Msk
#define DMA_CLLR_ULL_Pos (16U)
#define DMA_CLLR_ULL_Msk (0x1U << DMA_CLLR_ULL_Pos)  // 0x00010000
#define DMA_CLLR_ULL DMA_CLLR_ULL_Msk
#define DMA_CLLR_UB2_Pos (25U)
#define DMA_CLLR_UB2_Msk (0x1U << DMA_CLLR_UB2_Pos)  // 0x02000000
#define DMA_CLLR_UB2 DMA_CLLR_UB2_Msk
#define DMA_CLLR_UT3_Pos (26U)
#define DMA_CLLR_UT3_Msk (0x1U << DMA_CLLR_UT3_Pos)  // 0x04000000
#define DMA_CLLR_UT3 DMA_CLLR_UT3_Msk
#define DMA_CLLR_UDA_Pos (27U)
#define DMA_CLLR_UDA_Msk (0x1U << DMA_CLLR_UDA_Pos)  // 0x08000000
#define DMA_CLLR_UDA DMA_CLLR_UDA_Msk
#define DMA_CLLR_USA_Pos (28U)
#define DMA_CLLR_USA_Msk (0x1U << DMA_CLLR_USA_Pos)  // 0x10000000
#define DMA_CLLR_USA DMA_CLLR_USA_Msk
#define DMA_CLLR_UB1_Pos (29U)
#define DMA_CLLR_UB1_Msk (0x1U << DMA_CLLR_UB1_Pos)  // 0x20000000
#define DMA_CLLR_UB1 DMA_CLLR_UB1_Msk
#define DMA_CLLR_UT2_Pos (30U)
#define DMA_CLLR_UT2_Msk (0x1U << DMA_CLLR_UT2_Pos)  // 0x40000000
#define DMA_CLLR_UT2 DMA_CLLR_UT2_Msk
#define DMA_CLLR_UT1_Pos (31U)
#define DMA_CLLR_UT1_Msk (0x1U << DMA_CLLR_UT1_Pos)  // 0x80000000
#define DMA_CLLR_UT1 DMA_CLLR_UT1_Msk

#endif

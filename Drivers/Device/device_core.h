// Cortex-M33 core peripherals of the MCU: the system control space blocks the firmware and the
// board model use (SysTick, NVIC, SCB, the auxiliary control registers and the FPU context
// control), at their architectural addresses, with the architectural field constants.
//
// Configuration of this core: 4 implemented priority bits (the upper nibble of every 8-bit
// priority field), single-precision FPU present and used, 126 device interrupts (NVIC words 0..3
// and priority bytes 0..125 are backed; the rest of the architectural arrays is RAZ/WI).
//
// Same conventions as device_regs.h: reg32_t / reg8_t fields, U-suffixed 32-bit constants,
// NAME_Pos / NAME_Msk pairs, and a static_assert for every register offset.
#ifndef OVRIMO_DEVICE_CORE_H
#define OVRIMO_DEVICE_CORE_H

#include <stddef.h>
#include <stdint.h>

#include "device_access.h"

#define __NVIC_PRIO_BITS (4U)
#define __FPU_PRESENT (1U)
#define __FPU_USED (1U)
#define __VTOR_PRESENT (1U)

// System control space and the blocks inside it.
#define SCS_BASE (0xE000E000U)
#define SCnSCB_BASE (SCS_BASE)
#define SysTick_BASE (SCS_BASE + 0x0010U)
#define NVIC_BASE (SCS_BASE + 0x0100U)
#define SCB_BASE (SCS_BASE + 0x0D00U)
#define FPU_BASE (SCS_BASE + 0x0F30U)

// Registers of the system control space outside the SCB.
struct SCnSCB_Type {
  uint32_t RESERVED0[1];
  reg32_t ICTR;  // 0x004, interrupt controller type (read-only)
  reg32_t ACTLR;  // 0x008, auxiliary control, implementation defined
};
static_assert(offsetof(SCnSCB_Type, ICTR) == 0x004U);
static_assert(offsetof(SCnSCB_Type, ACTLR) == 0x008U);
static_assert(sizeof(SCnSCB_Type) == 0xCU);

// SysTick timer (24-bit down counter).
struct SysTick_Type {
  reg32_t CTRL;  // 0x000
  reg32_t LOAD;  // 0x004
  reg32_t VAL;  // 0x008
  reg32_t CALIB;  // 0x00C, read-only
};
static_assert(offsetof(SysTick_Type, CTRL) == 0x000U);
static_assert(offsetof(SysTick_Type, LOAD) == 0x004U);
static_assert(offsetof(SysTick_Type, VAL) == 0x008U);
static_assert(offsetof(SysTick_Type, CALIB) == 0x00CU);
static_assert(sizeof(SysTick_Type) == 0x10U);

// Nested vectored interrupt controller, at NVIC_BASE (0xE000E100).
struct NVIC_Type {
  reg32_t ISER[16];  // 0x000, set-enable, one bit per interrupt
  uint32_t RESERVED0[16];
  reg32_t ICER[16];  // 0x080, clear-enable
  uint32_t RESERVED1[16];
  reg32_t ISPR[16];  // 0x100, set-pending
  uint32_t RESERVED2[16];
  reg32_t ICPR[16];  // 0x180, clear-pending
  uint32_t RESERVED3[16];
  reg32_t IABR[16];  // 0x200, active
  uint32_t RESERVED4[16];
  reg32_t ITNS[16];  // 0x280, target non-secure (secure state only)
  uint32_t RESERVED5[16];
  reg8_t IPR[496];  // 0x300, one priority byte per interrupt
  uint32_t RESERVED6[580];
  reg32_t STIR;  // 0xE00, software trigger (write-only)
};
static_assert(offsetof(NVIC_Type, ISER) == 0x000U);
static_assert(offsetof(NVIC_Type, ICER) == 0x080U);
static_assert(offsetof(NVIC_Type, ISPR) == 0x100U);
static_assert(offsetof(NVIC_Type, ICPR) == 0x180U);
static_assert(offsetof(NVIC_Type, IABR) == 0x200U);
static_assert(offsetof(NVIC_Type, ITNS) == 0x280U);
static_assert(offsetof(NVIC_Type, IPR) == 0x300U);
static_assert(offsetof(NVIC_Type, STIR) == 0xE00U);
static_assert(sizeof(NVIC_Type) == 0xE04U);

// System control block, at SCB_BASE (0xE000ED00), up to the coprocessor access registers.
struct SCB_Type {
  reg32_t CPUID;  // 0x000, read-only
  reg32_t ICSR;  // 0x004
  reg32_t VTOR;  // 0x008
  reg32_t AIRCR;  // 0x00C, writes need SCB_AIRCR_VECTKEY_WRITE in VECTKEY
  reg32_t SCR;  // 0x010
  reg32_t CCR;  // 0x014
  reg8_t SHPR[12];  // 0x018, priority byte of system exception n is SHPR[n - 4]
  reg32_t SHCSR;  // 0x024
  reg32_t CFSR;  // 0x028
  reg32_t HFSR;  // 0x02C
  reg32_t DFSR;  // 0x030
  reg32_t MMFAR;  // 0x034
  reg32_t BFAR;  // 0x038
  reg32_t AFSR;  // 0x03C
  reg32_t ID_PFR[2];  // 0x040
  reg32_t ID_DFR;  // 0x048
  reg32_t ID_AFR;  // 0x04C
  reg32_t ID_MMFR[4];  // 0x050
  reg32_t ID_ISAR[6];  // 0x060
  reg32_t CLIDR;  // 0x078
  reg32_t CTR;  // 0x07C
  reg32_t CCSIDR;  // 0x080
  reg32_t CSSELR;  // 0x084
  reg32_t CPACR;  // 0x088
  reg32_t NSACR;  // 0x08C
};
static_assert(offsetof(SCB_Type, CPUID) == 0x000U);
static_assert(offsetof(SCB_Type, ICSR) == 0x004U);
static_assert(offsetof(SCB_Type, VTOR) == 0x008U);
static_assert(offsetof(SCB_Type, AIRCR) == 0x00CU);
static_assert(offsetof(SCB_Type, SCR) == 0x010U);
static_assert(offsetof(SCB_Type, CCR) == 0x014U);
static_assert(offsetof(SCB_Type, SHPR) == 0x018U);
static_assert(offsetof(SCB_Type, SHCSR) == 0x024U);
static_assert(offsetof(SCB_Type, CFSR) == 0x028U);
static_assert(offsetof(SCB_Type, HFSR) == 0x02CU);
static_assert(offsetof(SCB_Type, DFSR) == 0x030U);
static_assert(offsetof(SCB_Type, MMFAR) == 0x034U);
static_assert(offsetof(SCB_Type, BFAR) == 0x038U);
static_assert(offsetof(SCB_Type, AFSR) == 0x03CU);
static_assert(offsetof(SCB_Type, ID_PFR) == 0x040U);
static_assert(offsetof(SCB_Type, ID_DFR) == 0x048U);
static_assert(offsetof(SCB_Type, ID_AFR) == 0x04CU);
static_assert(offsetof(SCB_Type, ID_MMFR) == 0x050U);
static_assert(offsetof(SCB_Type, ID_ISAR) == 0x060U);
static_assert(offsetof(SCB_Type, CLIDR) == 0x078U);
static_assert(offsetof(SCB_Type, CTR) == 0x07CU);
static_assert(offsetof(SCB_Type, CCSIDR) == 0x080U);
static_assert(offsetof(SCB_Type, CSSELR) == 0x084U);
static_assert(offsetof(SCB_Type, CPACR) == 0x088U);
static_assert(offsetof(SCB_Type, NSACR) == 0x08CU);
static_assert(sizeof(SCB_Type) == 0x90U);

// Floating-point context control, at FPU_BASE (0xE000EF30).
struct FPU_Type {
  uint32_t RESERVED0[1];
  reg32_t FPCCR;  // 0x004
  reg32_t FPCAR;  // 0x008
  reg32_t FPDSCR;  // 0x00C
  reg32_t MVFR0;  // 0x010
  reg32_t MVFR1;  // 0x014
  reg32_t MVFR2;  // 0x018
};
static_assert(offsetof(FPU_Type, FPCCR) == 0x004U);
static_assert(offsetof(FPU_Type, FPCAR) == 0x008U);
static_assert(offsetof(FPU_Type, FPDSCR) == 0x00CU);
static_assert(offsetof(FPU_Type, MVFR0) == 0x010U);
static_assert(offsetof(FPU_Type, MVFR1) == 0x014U);
static_assert(offsetof(FPU_Type, MVFR2) == 0x018U);
static_assert(sizeof(FPU_Type) == 0x1CU);

#define SCnSCB DEVICE_BLOCK(SCnSCB_Type, SCnSCB_BASE)
#define SysTick DEVICE_BLOCK(SysTick_Type, SysTick_BASE)
#define NVIC DEVICE_BLOCK(NVIC_Type, NVIC_BASE)
#define SCB DEVICE_BLOCK(SCB_Type, SCB_BASE)
#define FPU DEVICE_BLOCK(FPU_Type, FPU_BASE)

static_assert(SysTick_BASE == 0xE000E010U && NVIC_BASE == 0xE000E100U && SCB_BASE == 0xE000ED00U);
static_assert(NVIC_BASE + offsetof(NVIC_Type, STIR) == 0xE000EF00U);
static_assert(SCB_BASE + offsetof(SCB_Type, CPACR) == 0xE000ED88U);
static_assert(FPU_BASE + offsetof(FPU_Type, FPCCR) == 0xE000EF34U);

// ============================================================================================
// Field constants
// ============================================================================================

// ICTR: number of 32-interrupt groups - 1
#define SCnSCB_ICTR_INTLINESNUM_Pos (0U)
#define SCnSCB_ICTR_INTLINESNUM_Msk (0xFU << SCnSCB_ICTR_INTLINESNUM_Pos)  // 0x0000000F
#define SCnSCB_ICTR_INTLINESNUM SCnSCB_ICTR_INTLINESNUM_Msk

// SysTick CTRL. CLKSOURCE: 1 processor clock, 0 the external reference (on this MCU the clock
// chosen by RCC_CCIPR1_SYSTICKSEL). COUNTFLAG reads 1 once the counter has reached 0 since the
// last read.
#define SysTick_CTRL_ENABLE_Pos (0U)
#define SysTick_CTRL_ENABLE_Msk (0x1U << SysTick_CTRL_ENABLE_Pos)  // 0x00000001
#define SysTick_CTRL_ENABLE SysTick_CTRL_ENABLE_Msk
#define SysTick_CTRL_TICKINT_Pos (1U)
#define SysTick_CTRL_TICKINT_Msk (0x1U << SysTick_CTRL_TICKINT_Pos)  // 0x00000002
#define SysTick_CTRL_TICKINT SysTick_CTRL_TICKINT_Msk
#define SysTick_CTRL_CLKSOURCE_Pos (2U)
#define SysTick_CTRL_CLKSOURCE_Msk (0x1U << SysTick_CTRL_CLKSOURCE_Pos)  // 0x00000004
#define SysTick_CTRL_CLKSOURCE SysTick_CTRL_CLKSOURCE_Msk
#define SysTick_CTRL_COUNTFLAG_Pos (16U)
#define SysTick_CTRL_COUNTFLAG_Msk (0x1U << SysTick_CTRL_COUNTFLAG_Pos)  // 0x00010000
#define SysTick_CTRL_COUNTFLAG SysTick_CTRL_COUNTFLAG_Msk

// LOAD
#define SysTick_LOAD_RELOAD_Pos (0U)
#define SysTick_LOAD_RELOAD_Msk (0xFFFFFFU << SysTick_LOAD_RELOAD_Pos)  // 0x00FFFFFF
#define SysTick_LOAD_RELOAD SysTick_LOAD_RELOAD_Msk

// VAL
#define SysTick_VAL_CURRENT_Pos (0U)
#define SysTick_VAL_CURRENT_Msk (0xFFFFFFU << SysTick_VAL_CURRENT_Pos)  // 0x00FFFFFF
#define SysTick_VAL_CURRENT SysTick_VAL_CURRENT_Msk

// CALIB
#define SysTick_CALIB_TENMS_Pos (0U)
#define SysTick_CALIB_TENMS_Msk (0xFFFFFFU << SysTick_CALIB_TENMS_Pos)  // 0x00FFFFFF
#define SysTick_CALIB_TENMS SysTick_CALIB_TENMS_Msk
#define SysTick_CALIB_SKEW_Pos (30U)
#define SysTick_CALIB_SKEW_Msk (0x1U << SysTick_CALIB_SKEW_Pos)  // 0x40000000
#define SysTick_CALIB_SKEW SysTick_CALIB_SKEW_Msk
#define SysTick_CALIB_NOREF_Pos (31U)
#define SysTick_CALIB_NOREF_Msk (0x1U << SysTick_CALIB_NOREF_Pos)  // 0x80000000
#define SysTick_CALIB_NOREF SysTick_CALIB_NOREF_Msk

// STIR
#define NVIC_STIR_INTID_Pos (0U)
#define NVIC_STIR_INTID_Msk (0x1FFU << NVIC_STIR_INTID_Pos)  // 0x000001FF
#define NVIC_STIR_INTID NVIC_STIR_INTID_Msk

// CPUID (PARTNO 0xD21 is Cortex-M33)
#define SCB_CPUID_REVISION_Pos (0U)
#define SCB_CPUID_REVISION_Msk (0xFU << SCB_CPUID_REVISION_Pos)  // 0x0000000F
#define SCB_CPUID_REVISION SCB_CPUID_REVISION_Msk
#define SCB_CPUID_PARTNO_Pos (4U)
#define SCB_CPUID_PARTNO_Msk (0xFFFU << SCB_CPUID_PARTNO_Pos)  // 0x0000FFF0
#define SCB_CPUID_PARTNO SCB_CPUID_PARTNO_Msk
#define SCB_CPUID_ARCHITECTURE_Pos (16U)
#define SCB_CPUID_ARCHITECTURE_Msk (0xFU << SCB_CPUID_ARCHITECTURE_Pos)  // 0x000F0000
#define SCB_CPUID_ARCHITECTURE SCB_CPUID_ARCHITECTURE_Msk
#define SCB_CPUID_VARIANT_Pos (20U)
#define SCB_CPUID_VARIANT_Msk (0xFU << SCB_CPUID_VARIANT_Pos)  // 0x00F00000
#define SCB_CPUID_VARIANT SCB_CPUID_VARIANT_Msk
#define SCB_CPUID_IMPLEMENTER_Pos (24U)
#define SCB_CPUID_IMPLEMENTER_Msk (0xFFU << SCB_CPUID_IMPLEMENTER_Pos)  // 0xFF000000
#define SCB_CPUID_IMPLEMENTER SCB_CPUID_IMPLEMENTER_Msk

// ICSR
#define SCB_ICSR_VECTACTIVE_Pos (0U)
#define SCB_ICSR_VECTACTIVE_Msk (0x1FFU << SCB_ICSR_VECTACTIVE_Pos)  // 0x000001FF
#define SCB_ICSR_VECTACTIVE SCB_ICSR_VECTACTIVE_Msk
#define SCB_ICSR_RETTOBASE_Pos (11U)
#define SCB_ICSR_RETTOBASE_Msk (0x1U << SCB_ICSR_RETTOBASE_Pos)  // 0x00000800
#define SCB_ICSR_RETTOBASE SCB_ICSR_RETTOBASE_Msk
#define SCB_ICSR_VECTPENDING_Pos (12U)
#define SCB_ICSR_VECTPENDING_Msk (0x1FFU << SCB_ICSR_VECTPENDING_Pos)  // 0x001FF000
#define SCB_ICSR_VECTPENDING SCB_ICSR_VECTPENDING_Msk
#define SCB_ICSR_ISRPENDING_Pos (22U)
#define SCB_ICSR_ISRPENDING_Msk (0x1U << SCB_ICSR_ISRPENDING_Pos)  // 0x00400000
#define SCB_ICSR_ISRPENDING SCB_ICSR_ISRPENDING_Msk
#define SCB_ICSR_ISRPREEMPT_Pos (23U)
#define SCB_ICSR_ISRPREEMPT_Msk (0x1U << SCB_ICSR_ISRPREEMPT_Pos)  // 0x00800000
#define SCB_ICSR_ISRPREEMPT SCB_ICSR_ISRPREEMPT_Msk
#define SCB_ICSR_STTNS_Pos (24U)
#define SCB_ICSR_STTNS_Msk (0x1U << SCB_ICSR_STTNS_Pos)  // 0x01000000
#define SCB_ICSR_STTNS SCB_ICSR_STTNS_Msk
#define SCB_ICSR_PENDSTCLR_Pos (25U)
#define SCB_ICSR_PENDSTCLR_Msk (0x1U << SCB_ICSR_PENDSTCLR_Pos)  // 0x02000000
#define SCB_ICSR_PENDSTCLR SCB_ICSR_PENDSTCLR_Msk
#define SCB_ICSR_PENDSTSET_Pos (26U)
#define SCB_ICSR_PENDSTSET_Msk (0x1U << SCB_ICSR_PENDSTSET_Pos)  // 0x04000000
#define SCB_ICSR_PENDSTSET SCB_ICSR_PENDSTSET_Msk
#define SCB_ICSR_PENDSVCLR_Pos (27U)
#define SCB_ICSR_PENDSVCLR_Msk (0x1U << SCB_ICSR_PENDSVCLR_Pos)  // 0x08000000
#define SCB_ICSR_PENDSVCLR SCB_ICSR_PENDSVCLR_Msk
#define SCB_ICSR_PENDSVSET_Pos (28U)
#define SCB_ICSR_PENDSVSET_Msk (0x1U << SCB_ICSR_PENDSVSET_Pos)  // 0x10000000
#define SCB_ICSR_PENDSVSET SCB_ICSR_PENDSVSET_Msk
#define SCB_ICSR_PENDNMICLR_Pos (30U)
#define SCB_ICSR_PENDNMICLR_Msk (0x1U << SCB_ICSR_PENDNMICLR_Pos)  // 0x40000000
#define SCB_ICSR_PENDNMICLR SCB_ICSR_PENDNMICLR_Msk
#define SCB_ICSR_PENDNMISET_Pos (31U)
#define SCB_ICSR_PENDNMISET_Msk (0x1U << SCB_ICSR_PENDNMISET_Pos)  // 0x80000000
#define SCB_ICSR_PENDNMISET SCB_ICSR_PENDNMISET_Msk

// VTOR. The table must be aligned to a power of two not below its size: 142 words need 1 KB.
#define SCB_VTOR_TBLOFF_Pos (7U)
#define SCB_VTOR_TBLOFF_Msk (0x1FFFFFFU << SCB_VTOR_TBLOFF_Pos)  // 0xFFFFFF80
#define SCB_VTOR_TBLOFF SCB_VTOR_TBLOFF_Msk

// AIRCR. A write takes effect only with SCB_AIRCR_VECTKEY_WRITE in VECTKEY; reads return
// SCB_AIRCR_VECTKEY_READ there.
#define SCB_AIRCR_VECTCLRACTIVE_Pos (1U)
#define SCB_AIRCR_VECTCLRACTIVE_Msk (0x1U << SCB_AIRCR_VECTCLRACTIVE_Pos)  // 0x00000002
#define SCB_AIRCR_VECTCLRACTIVE SCB_AIRCR_VECTCLRACTIVE_Msk
#define SCB_AIRCR_SYSRESETREQ_Pos (2U)
#define SCB_AIRCR_SYSRESETREQ_Msk (0x1U << SCB_AIRCR_SYSRESETREQ_Pos)  // 0x00000004
#define SCB_AIRCR_SYSRESETREQ SCB_AIRCR_SYSRESETREQ_Msk
#define SCB_AIRCR_SYSRESETREQS_Pos (3U)
#define SCB_AIRCR_SYSRESETREQS_Msk (0x1U << SCB_AIRCR_SYSRESETREQS_Pos)  // 0x00000008
#define SCB_AIRCR_SYSRESETREQS SCB_AIRCR_SYSRESETREQS_Msk
#define SCB_AIRCR_PRIGROUP_Pos (8U)
#define SCB_AIRCR_PRIGROUP_Msk (0x7U << SCB_AIRCR_PRIGROUP_Pos)  // 0x00000700
#define SCB_AIRCR_PRIGROUP SCB_AIRCR_PRIGROUP_Msk
#define SCB_AIRCR_PRIGROUP_0 (0x1U << SCB_AIRCR_PRIGROUP_Pos)
#define SCB_AIRCR_PRIGROUP_1 (0x2U << SCB_AIRCR_PRIGROUP_Pos)
#define SCB_AIRCR_PRIGROUP_2 (0x4U << SCB_AIRCR_PRIGROUP_Pos)
#define SCB_AIRCR_BFHFNMINS_Pos (13U)
#define SCB_AIRCR_BFHFNMINS_Msk (0x1U << SCB_AIRCR_BFHFNMINS_Pos)  // 0x00002000
#define SCB_AIRCR_BFHFNMINS SCB_AIRCR_BFHFNMINS_Msk
#define SCB_AIRCR_PRIS_Pos (14U)
#define SCB_AIRCR_PRIS_Msk (0x1U << SCB_AIRCR_PRIS_Pos)  // 0x00004000
#define SCB_AIRCR_PRIS SCB_AIRCR_PRIS_Msk
#define SCB_AIRCR_ENDIANNESS_Pos (15U)
#define SCB_AIRCR_ENDIANNESS_Msk (0x1U << SCB_AIRCR_ENDIANNESS_Pos)  // 0x00008000
#define SCB_AIRCR_ENDIANNESS SCB_AIRCR_ENDIANNESS_Msk
#define SCB_AIRCR_VECTKEY_Pos (16U)
#define SCB_AIRCR_VECTKEY_Msk (0xFFFFU << SCB_AIRCR_VECTKEY_Pos)  // 0xFFFF0000
#define SCB_AIRCR_VECTKEY SCB_AIRCR_VECTKEY_Msk

#define SCB_AIRCR_VECTKEYSTAT_Pos SCB_AIRCR_VECTKEY_Pos
#define SCB_AIRCR_VECTKEYSTAT_Msk SCB_AIRCR_VECTKEY_Msk
#define SCB_AIRCR_VECTKEY_WRITE (0x05FAU)
#define SCB_AIRCR_VECTKEY_READ (0xFA05U)

// SCR
#define SCB_SCR_SLEEPONEXIT_Pos (1U)
#define SCB_SCR_SLEEPONEXIT_Msk (0x1U << SCB_SCR_SLEEPONEXIT_Pos)  // 0x00000002
#define SCB_SCR_SLEEPONEXIT SCB_SCR_SLEEPONEXIT_Msk
#define SCB_SCR_SLEEPDEEP_Pos (2U)
#define SCB_SCR_SLEEPDEEP_Msk (0x1U << SCB_SCR_SLEEPDEEP_Pos)  // 0x00000004
#define SCB_SCR_SLEEPDEEP SCB_SCR_SLEEPDEEP_Msk
#define SCB_SCR_SLEEPDEEPS_Pos (3U)
#define SCB_SCR_SLEEPDEEPS_Msk (0x1U << SCB_SCR_SLEEPDEEPS_Pos)  // 0x00000008
#define SCB_SCR_SLEEPDEEPS SCB_SCR_SLEEPDEEPS_Msk
#define SCB_SCR_SEVONPEND_Pos (4U)
#define SCB_SCR_SEVONPEND_Msk (0x1U << SCB_SCR_SEVONPEND_Pos)  // 0x00000010
#define SCB_SCR_SEVONPEND SCB_SCR_SEVONPEND_Msk

// CCR (DC, IC, BP concern core caches, which this core does not have)
#define SCB_CCR_USERSETMPEND_Pos (1U)
#define SCB_CCR_USERSETMPEND_Msk (0x1U << SCB_CCR_USERSETMPEND_Pos)  // 0x00000002
#define SCB_CCR_USERSETMPEND SCB_CCR_USERSETMPEND_Msk
#define SCB_CCR_UNALIGN_TRP_Pos (3U)
#define SCB_CCR_UNALIGN_TRP_Msk (0x1U << SCB_CCR_UNALIGN_TRP_Pos)  // 0x00000008
#define SCB_CCR_UNALIGN_TRP SCB_CCR_UNALIGN_TRP_Msk
#define SCB_CCR_DIV_0_TRP_Pos (4U)
#define SCB_CCR_DIV_0_TRP_Msk (0x1U << SCB_CCR_DIV_0_TRP_Pos)  // 0x00000010
#define SCB_CCR_DIV_0_TRP SCB_CCR_DIV_0_TRP_Msk
#define SCB_CCR_BFHFNMIGN_Pos (8U)
#define SCB_CCR_BFHFNMIGN_Msk (0x1U << SCB_CCR_BFHFNMIGN_Pos)  // 0x00000100
#define SCB_CCR_BFHFNMIGN SCB_CCR_BFHFNMIGN_Msk
#define SCB_CCR_STKOFHFNMIGN_Pos (10U)
#define SCB_CCR_STKOFHFNMIGN_Msk (0x1U << SCB_CCR_STKOFHFNMIGN_Pos)  // 0x00000400
#define SCB_CCR_STKOFHFNMIGN SCB_CCR_STKOFHFNMIGN_Msk
#define SCB_CCR_DC_Pos (16U)
#define SCB_CCR_DC_Msk (0x1U << SCB_CCR_DC_Pos)  // 0x00010000
#define SCB_CCR_DC SCB_CCR_DC_Msk
#define SCB_CCR_IC_Pos (17U)
#define SCB_CCR_IC_Msk (0x1U << SCB_CCR_IC_Pos)  // 0x00020000
#define SCB_CCR_IC SCB_CCR_IC_Msk
#define SCB_CCR_BP_Pos (18U)
#define SCB_CCR_BP_Msk (0x1U << SCB_CCR_BP_Pos)  // 0x00040000
#define SCB_CCR_BP SCB_CCR_BP_Msk

// SHCSR
#define SCB_SHCSR_MEMFAULTACT_Pos (0U)
#define SCB_SHCSR_MEMFAULTACT_Msk (0x1U << SCB_SHCSR_MEMFAULTACT_Pos)  // 0x00000001
#define SCB_SHCSR_MEMFAULTACT SCB_SHCSR_MEMFAULTACT_Msk
#define SCB_SHCSR_BUSFAULTACT_Pos (1U)
#define SCB_SHCSR_BUSFAULTACT_Msk (0x1U << SCB_SHCSR_BUSFAULTACT_Pos)  // 0x00000002
#define SCB_SHCSR_BUSFAULTACT SCB_SHCSR_BUSFAULTACT_Msk
#define SCB_SHCSR_HARDFAULTACT_Pos (2U)
#define SCB_SHCSR_HARDFAULTACT_Msk (0x1U << SCB_SHCSR_HARDFAULTACT_Pos)  // 0x00000004
#define SCB_SHCSR_HARDFAULTACT SCB_SHCSR_HARDFAULTACT_Msk
#define SCB_SHCSR_USGFAULTACT_Pos (3U)
#define SCB_SHCSR_USGFAULTACT_Msk (0x1U << SCB_SHCSR_USGFAULTACT_Pos)  // 0x00000008
#define SCB_SHCSR_USGFAULTACT SCB_SHCSR_USGFAULTACT_Msk
#define SCB_SHCSR_SECUREFAULTACT_Pos (4U)
#define SCB_SHCSR_SECUREFAULTACT_Msk (0x1U << SCB_SHCSR_SECUREFAULTACT_Pos)  // 0x00000010
#define SCB_SHCSR_SECUREFAULTACT SCB_SHCSR_SECUREFAULTACT_Msk
#define SCB_SHCSR_NMIACT_Pos (5U)
#define SCB_SHCSR_NMIACT_Msk (0x1U << SCB_SHCSR_NMIACT_Pos)  // 0x00000020
#define SCB_SHCSR_NMIACT SCB_SHCSR_NMIACT_Msk
#define SCB_SHCSR_SVCALLACT_Pos (7U)
#define SCB_SHCSR_SVCALLACT_Msk (0x1U << SCB_SHCSR_SVCALLACT_Pos)  // 0x00000080
#define SCB_SHCSR_SVCALLACT SCB_SHCSR_SVCALLACT_Msk
#define SCB_SHCSR_MONITORACT_Pos (8U)
#define SCB_SHCSR_MONITORACT_Msk (0x1U << SCB_SHCSR_MONITORACT_Pos)  // 0x00000100
#define SCB_SHCSR_MONITORACT SCB_SHCSR_MONITORACT_Msk
#define SCB_SHCSR_PENDSVACT_Pos (10U)
#define SCB_SHCSR_PENDSVACT_Msk (0x1U << SCB_SHCSR_PENDSVACT_Pos)  // 0x00000400
#define SCB_SHCSR_PENDSVACT SCB_SHCSR_PENDSVACT_Msk
#define SCB_SHCSR_SYSTICKACT_Pos (11U)
#define SCB_SHCSR_SYSTICKACT_Msk (0x1U << SCB_SHCSR_SYSTICKACT_Pos)  // 0x00000800
#define SCB_SHCSR_SYSTICKACT SCB_SHCSR_SYSTICKACT_Msk
#define SCB_SHCSR_USGFAULTPENDED_Pos (12U)
#define SCB_SHCSR_USGFAULTPENDED_Msk (0x1U << SCB_SHCSR_USGFAULTPENDED_Pos)  // 0x00001000
#define SCB_SHCSR_USGFAULTPENDED SCB_SHCSR_USGFAULTPENDED_Msk
#define SCB_SHCSR_MEMFAULTPENDED_Pos (13U)
#define SCB_SHCSR_MEMFAULTPENDED_Msk (0x1U << SCB_SHCSR_MEMFAULTPENDED_Pos)  // 0x00002000
#define SCB_SHCSR_MEMFAULTPENDED SCB_SHCSR_MEMFAULTPENDED_Msk
#define SCB_SHCSR_BUSFAULTPENDED_Pos (14U)
#define SCB_SHCSR_BUSFAULTPENDED_Msk (0x1U << SCB_SHCSR_BUSFAULTPENDED_Pos)  // 0x00004000
#define SCB_SHCSR_BUSFAULTPENDED SCB_SHCSR_BUSFAULTPENDED_Msk
#define SCB_SHCSR_SVCALLPENDED_Pos (15U)
#define SCB_SHCSR_SVCALLPENDED_Msk (0x1U << SCB_SHCSR_SVCALLPENDED_Pos)  // 0x00008000
#define SCB_SHCSR_SVCALLPENDED SCB_SHCSR_SVCALLPENDED_Msk
#define SCB_SHCSR_MEMFAULTENA_Pos (16U)
#define SCB_SHCSR_MEMFAULTENA_Msk (0x1U << SCB_SHCSR_MEMFAULTENA_Pos)  // 0x00010000
#define SCB_SHCSR_MEMFAULTENA SCB_SHCSR_MEMFAULTENA_Msk
#define SCB_SHCSR_BUSFAULTENA_Pos (17U)
#define SCB_SHCSR_BUSFAULTENA_Msk (0x1U << SCB_SHCSR_BUSFAULTENA_Pos)  // 0x00020000
#define SCB_SHCSR_BUSFAULTENA SCB_SHCSR_BUSFAULTENA_Msk
#define SCB_SHCSR_USGFAULTENA_Pos (18U)
#define SCB_SHCSR_USGFAULTENA_Msk (0x1U << SCB_SHCSR_USGFAULTENA_Pos)  // 0x00040000
#define SCB_SHCSR_USGFAULTENA SCB_SHCSR_USGFAULTENA_Msk
#define SCB_SHCSR_SECUREFAULTENA_Pos (19U)
#define SCB_SHCSR_SECUREFAULTENA_Msk (0x1U << SCB_SHCSR_SECUREFAULTENA_Pos)  // 0x00080000
#define SCB_SHCSR_SECUREFAULTENA SCB_SHCSR_SECUREFAULTENA_Msk
#define SCB_SHCSR_SECUREFAULTPENDED_Pos (20U)
#define SCB_SHCSR_SECUREFAULTPENDED_Msk (0x1U << SCB_SHCSR_SECUREFAULTPENDED_Pos)  // 0x00100000
#define SCB_SHCSR_SECUREFAULTPENDED SCB_SHCSR_SECUREFAULTPENDED_Msk
#define SCB_SHCSR_HARDFAULTPENDED_Pos (21U)
#define SCB_SHCSR_HARDFAULTPENDED_Msk (0x1U << SCB_SHCSR_HARDFAULTPENDED_Pos)  // 0x00200000
#define SCB_SHCSR_HARDFAULTPENDED SCB_SHCSR_HARDFAULTPENDED_Msk

// CFSR: MemManage (byte 0), BusFault (byte 1) and UsageFault (half-word 1) status
#define SCB_CFSR_MEMFAULTSR_Pos (0U)
#define SCB_CFSR_MEMFAULTSR_Msk (0xFFU << SCB_CFSR_MEMFAULTSR_Pos)  // 0x000000FF
#define SCB_CFSR_MEMFAULTSR SCB_CFSR_MEMFAULTSR_Msk
#define SCB_CFSR_BUSFAULTSR_Pos (8U)
#define SCB_CFSR_BUSFAULTSR_Msk (0xFFU << SCB_CFSR_BUSFAULTSR_Pos)  // 0x0000FF00
#define SCB_CFSR_BUSFAULTSR SCB_CFSR_BUSFAULTSR_Msk
#define SCB_CFSR_USGFAULTSR_Pos (16U)
#define SCB_CFSR_USGFAULTSR_Msk (0xFFFFU << SCB_CFSR_USGFAULTSR_Pos)  // 0xFFFF0000
#define SCB_CFSR_USGFAULTSR SCB_CFSR_USGFAULTSR_Msk

#define SCB_CFSR_IACCVIOL_Pos (0U)
#define SCB_CFSR_IACCVIOL_Msk (0x1U << SCB_CFSR_IACCVIOL_Pos)  // 0x00000001
#define SCB_CFSR_IACCVIOL SCB_CFSR_IACCVIOL_Msk
#define SCB_CFSR_DACCVIOL_Pos (1U)
#define SCB_CFSR_DACCVIOL_Msk (0x1U << SCB_CFSR_DACCVIOL_Pos)  // 0x00000002
#define SCB_CFSR_DACCVIOL SCB_CFSR_DACCVIOL_Msk
#define SCB_CFSR_MUNSTKERR_Pos (3U)
#define SCB_CFSR_MUNSTKERR_Msk (0x1U << SCB_CFSR_MUNSTKERR_Pos)  // 0x00000008
#define SCB_CFSR_MUNSTKERR SCB_CFSR_MUNSTKERR_Msk
#define SCB_CFSR_MSTKERR_Pos (4U)
#define SCB_CFSR_MSTKERR_Msk (0x1U << SCB_CFSR_MSTKERR_Pos)  // 0x00000010
#define SCB_CFSR_MSTKERR SCB_CFSR_MSTKERR_Msk
#define SCB_CFSR_MLSPERR_Pos (5U)
#define SCB_CFSR_MLSPERR_Msk (0x1U << SCB_CFSR_MLSPERR_Pos)  // 0x00000020
#define SCB_CFSR_MLSPERR SCB_CFSR_MLSPERR_Msk
#define SCB_CFSR_MMARVALID_Pos (7U)
#define SCB_CFSR_MMARVALID_Msk (0x1U << SCB_CFSR_MMARVALID_Pos)  // 0x00000080
#define SCB_CFSR_MMARVALID SCB_CFSR_MMARVALID_Msk
#define SCB_CFSR_IBUSERR_Pos (8U)
#define SCB_CFSR_IBUSERR_Msk (0x1U << SCB_CFSR_IBUSERR_Pos)  // 0x00000100
#define SCB_CFSR_IBUSERR SCB_CFSR_IBUSERR_Msk
#define SCB_CFSR_PRECISERR_Pos (9U)
#define SCB_CFSR_PRECISERR_Msk (0x1U << SCB_CFSR_PRECISERR_Pos)  // 0x00000200
#define SCB_CFSR_PRECISERR SCB_CFSR_PRECISERR_Msk
#define SCB_CFSR_IMPRECISERR_Pos (10U)
#define SCB_CFSR_IMPRECISERR_Msk (0x1U << SCB_CFSR_IMPRECISERR_Pos)  // 0x00000400
#define SCB_CFSR_IMPRECISERR SCB_CFSR_IMPRECISERR_Msk
#define SCB_CFSR_UNSTKERR_Pos (11U)
#define SCB_CFSR_UNSTKERR_Msk (0x1U << SCB_CFSR_UNSTKERR_Pos)  // 0x00000800
#define SCB_CFSR_UNSTKERR SCB_CFSR_UNSTKERR_Msk
#define SCB_CFSR_STKERR_Pos (12U)
#define SCB_CFSR_STKERR_Msk (0x1U << SCB_CFSR_STKERR_Pos)  // 0x00001000
#define SCB_CFSR_STKERR SCB_CFSR_STKERR_Msk
#define SCB_CFSR_LSPERR_Pos (13U)
#define SCB_CFSR_LSPERR_Msk (0x1U << SCB_CFSR_LSPERR_Pos)  // 0x00002000
#define SCB_CFSR_LSPERR SCB_CFSR_LSPERR_Msk
#define SCB_CFSR_BFARVALID_Pos (15U)
#define SCB_CFSR_BFARVALID_Msk (0x1U << SCB_CFSR_BFARVALID_Pos)  // 0x00008000
#define SCB_CFSR_BFARVALID SCB_CFSR_BFARVALID_Msk
#define SCB_CFSR_UNDEFINSTR_Pos (16U)
#define SCB_CFSR_UNDEFINSTR_Msk (0x1U << SCB_CFSR_UNDEFINSTR_Pos)  // 0x00010000
#define SCB_CFSR_UNDEFINSTR SCB_CFSR_UNDEFINSTR_Msk
#define SCB_CFSR_INVSTATE_Pos (17U)
#define SCB_CFSR_INVSTATE_Msk (0x1U << SCB_CFSR_INVSTATE_Pos)  // 0x00020000
#define SCB_CFSR_INVSTATE SCB_CFSR_INVSTATE_Msk
#define SCB_CFSR_INVPC_Pos (18U)
#define SCB_CFSR_INVPC_Msk (0x1U << SCB_CFSR_INVPC_Pos)  // 0x00040000
#define SCB_CFSR_INVPC SCB_CFSR_INVPC_Msk
#define SCB_CFSR_NOCP_Pos (19U)
#define SCB_CFSR_NOCP_Msk (0x1U << SCB_CFSR_NOCP_Pos)  // 0x00080000
#define SCB_CFSR_NOCP SCB_CFSR_NOCP_Msk
#define SCB_CFSR_STKOF_Pos (20U)
#define SCB_CFSR_STKOF_Msk (0x1U << SCB_CFSR_STKOF_Pos)  // 0x00100000
#define SCB_CFSR_STKOF SCB_CFSR_STKOF_Msk
#define SCB_CFSR_UNALIGNED_Pos (24U)
#define SCB_CFSR_UNALIGNED_Msk (0x1U << SCB_CFSR_UNALIGNED_Pos)  // 0x01000000
#define SCB_CFSR_UNALIGNED SCB_CFSR_UNALIGNED_Msk
#define SCB_CFSR_DIVBYZERO_Pos (25U)
#define SCB_CFSR_DIVBYZERO_Msk (0x1U << SCB_CFSR_DIVBYZERO_Pos)  // 0x02000000
#define SCB_CFSR_DIVBYZERO SCB_CFSR_DIVBYZERO_Msk

// HFSR
#define SCB_HFSR_VECTTBL_Pos (1U)
#define SCB_HFSR_VECTTBL_Msk (0x1U << SCB_HFSR_VECTTBL_Pos)  // 0x00000002
#define SCB_HFSR_VECTTBL SCB_HFSR_VECTTBL_Msk
#define SCB_HFSR_FORCED_Pos (30U)
#define SCB_HFSR_FORCED_Msk (0x1U << SCB_HFSR_FORCED_Pos)  // 0x40000000
#define SCB_HFSR_FORCED SCB_HFSR_FORCED_Msk
#define SCB_HFSR_DEBUGEVT_Pos (31U)
#define SCB_HFSR_DEBUGEVT_Msk (0x1U << SCB_HFSR_DEBUGEVT_Pos)  // 0x80000000
#define SCB_HFSR_DEBUGEVT SCB_HFSR_DEBUGEVT_Msk

// DFSR
#define SCB_DFSR_HALTED_Pos (0U)
#define SCB_DFSR_HALTED_Msk (0x1U << SCB_DFSR_HALTED_Pos)  // 0x00000001
#define SCB_DFSR_HALTED SCB_DFSR_HALTED_Msk
#define SCB_DFSR_BKPT_Pos (1U)
#define SCB_DFSR_BKPT_Msk (0x1U << SCB_DFSR_BKPT_Pos)  // 0x00000002
#define SCB_DFSR_BKPT SCB_DFSR_BKPT_Msk
#define SCB_DFSR_DWTTRAP_Pos (2U)
#define SCB_DFSR_DWTTRAP_Msk (0x1U << SCB_DFSR_DWTTRAP_Pos)  // 0x00000004
#define SCB_DFSR_DWTTRAP SCB_DFSR_DWTTRAP_Msk
#define SCB_DFSR_VCATCH_Pos (3U)
#define SCB_DFSR_VCATCH_Msk (0x1U << SCB_DFSR_VCATCH_Pos)  // 0x00000008
#define SCB_DFSR_VCATCH SCB_DFSR_VCATCH_Msk
#define SCB_DFSR_EXTERNAL_Pos (4U)
#define SCB_DFSR_EXTERNAL_Msk (0x1U << SCB_DFSR_EXTERNAL_Pos)  // 0x00000010
#define SCB_DFSR_EXTERNAL SCB_DFSR_EXTERNAL_Msk

// CPACR: 0b11 per coprocessor is full access; the FPU is CP10 and CP11 together
#define SCB_CPACR_CP10_Pos (20U)
#define SCB_CPACR_CP10_Msk (0x3U << SCB_CPACR_CP10_Pos)  // 0x00300000
#define SCB_CPACR_CP10 SCB_CPACR_CP10_Msk
#define SCB_CPACR_CP10_0 (0x1U << SCB_CPACR_CP10_Pos)
#define SCB_CPACR_CP10_1 (0x2U << SCB_CPACR_CP10_Pos)
#define SCB_CPACR_CP11_Pos (22U)
#define SCB_CPACR_CP11_Msk (0x3U << SCB_CPACR_CP11_Pos)  // 0x00C00000
#define SCB_CPACR_CP11 SCB_CPACR_CP11_Msk
#define SCB_CPACR_CP11_0 (0x1U << SCB_CPACR_CP11_Pos)
#define SCB_CPACR_CP11_1 (0x2U << SCB_CPACR_CP11_Pos)

#define SCB_CPACR_FPU_FULL_ACCESS (SCB_CPACR_CP10_Msk | SCB_CPACR_CP11_Msk)  // 0x00F00000

// NSACR
#define SCB_NSACR_CP10_Pos (10U)
#define SCB_NSACR_CP10_Msk (0x1U << SCB_NSACR_CP10_Pos)  // 0x00000400
#define SCB_NSACR_CP10 SCB_NSACR_CP10_Msk
#define SCB_NSACR_CP11_Pos (11U)
#define SCB_NSACR_CP11_Msk (0x1U << SCB_NSACR_CP11_Pos)  // 0x00000800
#define SCB_NSACR_CP11 SCB_NSACR_CP11_Msk

// FPCCR
#define FPU_FPCCR_LSPACT_Pos (0U)
#define FPU_FPCCR_LSPACT_Msk (0x1U << FPU_FPCCR_LSPACT_Pos)  // 0x00000001
#define FPU_FPCCR_LSPACT FPU_FPCCR_LSPACT_Msk
#define FPU_FPCCR_USER_Pos (1U)
#define FPU_FPCCR_USER_Msk (0x1U << FPU_FPCCR_USER_Pos)  // 0x00000002
#define FPU_FPCCR_USER FPU_FPCCR_USER_Msk
#define FPU_FPCCR_S_Pos (2U)
#define FPU_FPCCR_S_Msk (0x1U << FPU_FPCCR_S_Pos)  // 0x00000004
#define FPU_FPCCR_S FPU_FPCCR_S_Msk
#define FPU_FPCCR_THREAD_Pos (3U)
#define FPU_FPCCR_THREAD_Msk (0x1U << FPU_FPCCR_THREAD_Pos)  // 0x00000008
#define FPU_FPCCR_THREAD FPU_FPCCR_THREAD_Msk
#define FPU_FPCCR_HFRDY_Pos (4U)
#define FPU_FPCCR_HFRDY_Msk (0x1U << FPU_FPCCR_HFRDY_Pos)  // 0x00000010
#define FPU_FPCCR_HFRDY FPU_FPCCR_HFRDY_Msk
#define FPU_FPCCR_MMRDY_Pos (5U)
#define FPU_FPCCR_MMRDY_Msk (0x1U << FPU_FPCCR_MMRDY_Pos)  // 0x00000020
#define FPU_FPCCR_MMRDY FPU_FPCCR_MMRDY_Msk
#define FPU_FPCCR_BFRDY_Pos (6U)
#define FPU_FPCCR_BFRDY_Msk (0x1U << FPU_FPCCR_BFRDY_Pos)  // 0x00000040
#define FPU_FPCCR_BFRDY FPU_FPCCR_BFRDY_Msk
#define FPU_FPCCR_SFRDY_Pos (7U)
#define FPU_FPCCR_SFRDY_Msk (0x1U << FPU_FPCCR_SFRDY_Pos)  // 0x00000080
#define FPU_FPCCR_SFRDY FPU_FPCCR_SFRDY_Msk
#define FPU_FPCCR_MONRDY_Pos (8U)
#define FPU_FPCCR_MONRDY_Msk (0x1U << FPU_FPCCR_MONRDY_Pos)  // 0x00000100
#define FPU_FPCCR_MONRDY FPU_FPCCR_MONRDY_Msk
#define FPU_FPCCR_SPLIMVIOL_Pos (9U)
#define FPU_FPCCR_SPLIMVIOL_Msk (0x1U << FPU_FPCCR_SPLIMVIOL_Pos)  // 0x00000200
#define FPU_FPCCR_SPLIMVIOL FPU_FPCCR_SPLIMVIOL_Msk
#define FPU_FPCCR_UFRDY_Pos (10U)
#define FPU_FPCCR_UFRDY_Msk (0x1U << FPU_FPCCR_UFRDY_Pos)  // 0x00000400
#define FPU_FPCCR_UFRDY FPU_FPCCR_UFRDY_Msk
#define FPU_FPCCR_TS_Pos (26U)
#define FPU_FPCCR_TS_Msk (0x1U << FPU_FPCCR_TS_Pos)  // 0x04000000
#define FPU_FPCCR_TS FPU_FPCCR_TS_Msk
#define FPU_FPCCR_CLRONRETS_Pos (27U)
#define FPU_FPCCR_CLRONRETS_Msk (0x1U << FPU_FPCCR_CLRONRETS_Pos)  // 0x08000000
#define FPU_FPCCR_CLRONRETS FPU_FPCCR_CLRONRETS_Msk
#define FPU_FPCCR_CLRONRET_Pos (28U)
#define FPU_FPCCR_CLRONRET_Msk (0x1U << FPU_FPCCR_CLRONRET_Pos)  // 0x10000000
#define FPU_FPCCR_CLRONRET FPU_FPCCR_CLRONRET_Msk
#define FPU_FPCCR_LSPENS_Pos (29U)
#define FPU_FPCCR_LSPENS_Msk (0x1U << FPU_FPCCR_LSPENS_Pos)  // 0x20000000
#define FPU_FPCCR_LSPENS FPU_FPCCR_LSPENS_Msk
#define FPU_FPCCR_LSPEN_Pos (30U)
#define FPU_FPCCR_LSPEN_Msk (0x1U << FPU_FPCCR_LSPEN_Pos)  // 0x40000000
#define FPU_FPCCR_LSPEN FPU_FPCCR_LSPEN_Msk
#define FPU_FPCCR_ASPEN_Pos (31U)
#define FPU_FPCCR_ASPEN_Msk (0x1U << FPU_FPCCR_ASPEN_Pos)  // 0x80000000
#define FPU_FPCCR_ASPEN FPU_FPCCR_ASPEN_Msk

// FPCAR
#define FPU_FPCAR_ADDRESS_Pos (3U)
#define FPU_FPCAR_ADDRESS_Msk (0x1FFFFFFFU << FPU_FPCAR_ADDRESS_Pos)  // 0xFFFFFFF8
#define FPU_FPCAR_ADDRESS FPU_FPCAR_ADDRESS_Msk

// FPDSCR
#define FPU_FPDSCR_RMode_Pos (22U)
#define FPU_FPDSCR_RMode_Msk (0x3U << FPU_FPDSCR_RMode_Pos)  // 0x00C00000
#define FPU_FPDSCR_RMode FPU_FPDSCR_RMode_Msk
#define FPU_FPDSCR_RMode_0 (0x1U << FPU_FPDSCR_RMode_Pos)
#define FPU_FPDSCR_RMode_1 (0x2U << FPU_FPDSCR_RMode_Pos)
#define FPU_FPDSCR_FZ_Pos (24U)
#define FPU_FPDSCR_FZ_Msk (0x1U << FPU_FPDSCR_FZ_Pos)  // 0x01000000
#define FPU_FPDSCR_FZ FPU_FPDSCR_FZ_Msk
#define FPU_FPDSCR_DN_Pos (25U)
#define FPU_FPDSCR_DN_Msk (0x1U << FPU_FPDSCR_DN_Pos)  // 0x02000000
#define FPU_FPDSCR_DN FPU_FPDSCR_DN_Msk
#define FPU_FPDSCR_AHP_Pos (26U)
#define FPU_FPDSCR_AHP_Msk (0x1U << FPU_FPDSCR_AHP_Pos)  // 0x04000000
#define FPU_FPDSCR_AHP FPU_FPDSCR_AHP_Msk

#endif

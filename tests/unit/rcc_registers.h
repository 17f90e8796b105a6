// Bus addresses of the clock registers the clock-driver tests name, from the register block's
// layout.
#pragma once

#include <cstddef>
#include <cstdint>

#include "hal.h"

namespace ovrimo::test {

constexpr std::uint32_t rcc_reg(std::size_t offset) { return RCC_BASE_NS + static_cast<std::uint32_t>(offset); }

inline constexpr std::uint32_t kCr = rcc_reg(offsetof(RCC_TypeDef, CR));
inline constexpr std::uint32_t kIcscr1 = rcc_reg(offsetof(RCC_TypeDef, ICSCR1));
inline constexpr std::uint32_t kCfgr1 = rcc_reg(offsetof(RCC_TypeDef, CFGR1));
inline constexpr std::uint32_t kCfgr2 = rcc_reg(offsetof(RCC_TypeDef, CFGR2));
inline constexpr std::uint32_t kCfgr3 = rcc_reg(offsetof(RCC_TypeDef, CFGR3));
inline constexpr std::uint32_t kPll1Cfgr = rcc_reg(offsetof(RCC_TypeDef, PLL1CFGR));
inline constexpr std::uint32_t kPll1Divr = rcc_reg(offsetof(RCC_TypeDef, PLL1DIVR));
inline constexpr std::uint32_t kPll1Fracr = rcc_reg(offsetof(RCC_TypeDef, PLL1FRACR));
inline constexpr std::uint32_t kPll2Cfgr = rcc_reg(offsetof(RCC_TypeDef, PLL2CFGR));
inline constexpr std::uint32_t kPll2Divr = rcc_reg(offsetof(RCC_TypeDef, PLL2DIVR));
inline constexpr std::uint32_t kPll2Fracr = rcc_reg(offsetof(RCC_TypeDef, PLL2FRACR));
inline constexpr std::uint32_t kPll3Cfgr = rcc_reg(offsetof(RCC_TypeDef, PLL3CFGR));
inline constexpr std::uint32_t kPll3Divr = rcc_reg(offsetof(RCC_TypeDef, PLL3DIVR));
inline constexpr std::uint32_t kPll3Fracr = rcc_reg(offsetof(RCC_TypeDef, PLL3FRACR));
inline constexpr std::uint32_t kCier = rcc_reg(offsetof(RCC_TypeDef, CIER));
inline constexpr std::uint32_t kAhb3Enr = rcc_reg(offsetof(RCC_TypeDef, AHB3ENR));
inline constexpr std::uint32_t kCcipr1 = rcc_reg(offsetof(RCC_TypeDef, CCIPR1));
inline constexpr std::uint32_t kCcipr2 = rcc_reg(offsetof(RCC_TypeDef, CCIPR2));
inline constexpr std::uint32_t kCcipr3 = rcc_reg(offsetof(RCC_TypeDef, CCIPR3));
inline constexpr std::uint32_t kBdcr = rcc_reg(offsetof(RCC_TypeDef, BDCR));
inline constexpr std::uint32_t kCsr = rcc_reg(offsetof(RCC_TypeDef, CSR));

}  // namespace ovrimo::test

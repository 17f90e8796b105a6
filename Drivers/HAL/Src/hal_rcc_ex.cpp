// Clock driver extension: peripheral kernel-clock selectors, PLL2/PLL3 set-up, and the PLL and
// kernel-clock frequency queries.
#include "hal_rcc_ex.h"

#include "hal.h"
#include "hal_rcc_internal.h"

namespace {

// ---------------------------------------------------------------------------------------------
// PLL2 / PLL3. Both have PLL1's register layout without the boost divider, so one routine serves
// both; the field constants of PLL1 give the positions.
// ---------------------------------------------------------------------------------------------

struct AuxPll {
  reg32_t& cfgr;
  reg32_t& divr;
  reg32_t& fracr;
  uint32_t on;
  uint32_t ready;
};

struct AuxPllRequest {
  uint32_t source, m, n, p, q, r, rge, fracn, outputs;
};

constexpr uint32_t kPllDivrReserved = 0x80800000U;
constexpr uint32_t kPllOutputs = RCC_PLL1CFGR_PLL1PEN | RCC_PLL1CFGR_PLL1QEN | RCC_PLL1CFGR_PLL1REN;

HAL_StatusTypeDef aux_pll_config(const AuxPll& pll, const AuxPllRequest& req) {
  CLEAR_BIT(RCC->CR, pll.on);
  HAL_StatusTypeDef status = wait_flag(RCC->CR, pll.ready, false, PLL2_TIMEOUT_VALUE);
  if (status != HAL_OK) {
    return status;
  }
  MODIFY_REG(pll.cfgr, RCC_PLL1CFGR_PLL1SRC | RCC_PLL1CFGR_PLL1M,
             (req.source & RCC_PLL1CFGR_PLL1SRC) | (((req.m - 1U) << RCC_PLL1CFGR_PLL1M_Pos) & RCC_PLL1CFGR_PLL1M));
  WRITE_REG(pll.divr, (READ_REG(pll.divr) & kPllDivrReserved) | ((req.n - 1U) & RCC_PLL1DIVR_PLL1N) |
                          (((req.p - 1U) << RCC_PLL1DIVR_PLL1P_Pos) & RCC_PLL1DIVR_PLL1P) |
                          (((req.q - 1U) << RCC_PLL1DIVR_PLL1Q_Pos) & RCC_PLL1DIVR_PLL1Q) |
                          (((req.r - 1U) << RCC_PLL1DIVR_PLL1R_Pos) & RCC_PLL1DIVR_PLL1R));
  MODIFY_REG(pll.cfgr, RCC_PLL1CFGR_PLL1RGE, req.rge & RCC_PLL1CFGR_PLL1RGE);
  // Outputs are only ever added: another peripheral may already run from one of them.
  SET_BIT(pll.cfgr, req.outputs & kPllOutputs);
  CLEAR_BIT(pll.cfgr, RCC_PLL1CFGR_PLL1FRACEN);
  MODIFY_REG(pll.fracr, RCC_PLL1FRACR_PLL1FRACN,
             (req.fracn << RCC_PLL1FRACR_PLL1FRACN_Pos) & RCC_PLL1FRACR_PLL1FRACN);
  SET_BIT(pll.cfgr, RCC_PLL1CFGR_PLL1FRACEN);
  SET_BIT(RCC->CR, pll.on);
  return wait_flag(RCC->CR, pll.ready, true, PLL2_TIMEOUT_VALUE);
}

struct PllFrequencies {
  uint32_t p, q, r;
};

// Output frequencies from the live registers, with the system clock query's arithmetic. Source
// "none" is computed from MSIS, as for source MSI.
PllFrequencies pll_frequencies(const reg32_t& cfgr_reg, const reg32_t& divr_reg, const reg32_t& fracr_reg) {
  const uint32_t divr = READ_REG(divr_reg);
  const uint32_t cfgr = READ_REG(cfgr_reg);
  const uint32_t fracr = READ_REG(fracr_reg);
  float input;
  switch (cfgr & RCC_PLL1CFGR_PLL1SRC) {
    case RCC_PLLSOURCE_HSI:
      input = static_cast<float>(HSI_VALUE);
      break;
    case RCC_PLLSOURCE_HSE:
      input = static_cast<float>(HSE_VALUE);
      break;
    default:
      input = static_cast<float>(MSIRangeTable[__HAL_RCC_GET_MSI_RANGE() >> RCC_ICSCR1_MSISRANGE_Pos]);
      break;
  }
  const float vco = pll_vco(input, cfgr, divr, fracr);
  auto output = [&](uint32_t enable, uint32_t field, uint32_t pos) -> uint32_t {
    return ((cfgr & enable) == 0U) ? 0U : pll_output(vco, divr, field, pos);
  };
  return PllFrequencies{output(RCC_PLL1CFGR_PLL1PEN, RCC_PLL1DIVR_PLL1P, RCC_PLL1DIVR_PLL1P_Pos),
                        output(RCC_PLL1CFGR_PLL1QEN, RCC_PLL1DIVR_PLL1Q, RCC_PLL1DIVR_PLL1Q_Pos),
                        output(RCC_PLL1CFGR_PLL1REN, RCC_PLL1DIVR_PLL1R, RCC_PLL1DIVR_PLL1R_Pos)};
}

}  // namespace

extern "C" {

// File-internal; the record's outputs are added to the ones already enabled.
static HAL_StatusTypeDef RCCEx_PLL2_Config(const RCC_PLL2InitTypeDef* pll2) {
  return aux_pll_config(AuxPll{RCC->PLL2CFGR, RCC->PLL2DIVR, RCC->PLL2FRACR, RCC_CR_PLL2ON, RCC_CR_PLL2RDY},
                        AuxPllRequest{pll2->PLL2Source, pll2->PLL2M, pll2->PLL2N, pll2->PLL2P, pll2->PLL2Q,
                                      pll2->PLL2R, pll2->PLL2RGE, pll2->PLL2FRACN, pll2->PLL2ClockOut});
}

static HAL_StatusTypeDef RCCEx_PLL3_Config(const RCC_PLL3InitTypeDef* pll3) {
  return aux_pll_config(AuxPll{RCC->PLL3CFGR, RCC->PLL3DIVR, RCC->PLL3FRACR, RCC_CR_PLL3ON, RCC_CR_PLL3RDY},
                        AuxPllRequest{pll3->PLL3Source, pll3->PLL3M, pll3->PLL3N, pll3->PLL3P, pll3->PLL3Q,
                                      pll3->PLL3R, pll3->PLL3RGE, pll3->PLL3FRACN, pll3->PLL3ClockOut});
}

}  // extern "C"

namespace {

// One call of the kernel-clock configuration. `ret` is the result of the last source action or
// value check and is never reset, so once a source has failed every later selector that depends
// on `ret` keeps its old value; `status` keeps the first failure for the caller.
class KernelClockRequest {
 public:
  explicit KernelClockRequest(const RCC_PeriphCLKInitTypeDef& request) : req_(request) {}

  bool wants(uint64_t periph) const { return (req_.PeriphClockSelection & periph) != 0U; }

  // A selector that any value may go into: written as is, cut to its field.
  void plain(uint64_t periph, reg32_t& reg, uint32_t field, uint32_t value) {
    if (wants(periph)) {
      MODIFY_REG(reg, field, value & field);
    }
  }

  // A selector whose source needed an action first (its result is already in ret_).
  void gated(reg32_t& reg, uint32_t field, uint32_t value) {
    if (ret_ == HAL_OK) {
      MODIFY_REG(reg, field, value & field);
    } else {
      fail(ret_);
    }
  }

  void fail(HAL_StatusTypeDef status) {
    if (status_ == HAL_OK) {
      status_ = status;
    }
  }

  HAL_StatusTypeDef pll2() { return ret_ = RCCEx_PLL2_Config(&req_.PLL2); }
  HAL_StatusTypeDef pll3() { return ret_ = RCCEx_PLL3_Config(&req_.PLL3); }
  void refuse() { ret_ = HAL_ERROR; }
  void set_ret(HAL_StatusTypeDef ret) { ret_ = ret; }
  HAL_StatusTypeDef ret() const { return ret_; }
  HAL_StatusTypeDef status() const { return status_; }

 private:
  const RCC_PeriphCLKInitTypeDef& req_;
  HAL_StatusTypeDef ret_ = HAL_OK;
  HAL_StatusTypeDef status_ = HAL_OK;
};

// SAI1 and SAI2 share their source choices at different field positions.
void sai_source(KernelClockRequest& k, uint32_t value, uint32_t pll1, uint32_t pll2, uint32_t pll3,
                uint32_t pin, uint32_t hsi) {
  if (value == pll1) {
    SET_BIT(RCC->PLL1CFGR, RCC_PLL1CFGR_PLL1PEN);
  } else if (value == pll2) {
    k.pll2();
  } else if (value == pll3) {
    k.pll3();
  } else if ((value != pin) && (value != hsi)) {
    k.refuse();
  }
}

// MDF1 and ADF1 likewise.
void filter_source(KernelClockRequest& k, uint32_t value, uint32_t hclk, uint32_t pll1, uint32_t pll3,
                   uint32_t pin, uint32_t msik) {
  if (value == pll1) {
    SET_BIT(RCC->PLL1CFGR, RCC_PLL1CFGR_PLL1PEN);
  } else if (value == pll3) {
    k.pll3();
  } else if ((value != hclk) && (value != pin) && (value != msik)) {
    k.refuse();
  }
}

// Changing the RTC clock means resetting the whole backup domain; it is done only when a clock
// other than the requested one is already selected.
void rtc_source(KernelClockRequest& k, uint32_t value) {
  PwrClockScope pwr_clock;
  SET_BIT(PWR->DBPR, PWR_DBPR_DBP);
  if (wait_flag(PWR->DBPR, PWR_DBPR_DBP, true, RCC_DBP_TIMEOUT_VALUE) != HAL_OK) {
    k.set_ret(HAL_TIMEOUT);
    k.fail(HAL_TIMEOUT);
  } else {
    const uint32_t current = READ_BIT(RCC->BDCR, RCC_BDCR_RTCSEL);
    if ((current != 0U) && (current != (value & RCC_BDCR_RTCSEL))) {
      const uint32_t saved = READ_REG(RCC->BDCR) & ~RCC_BDCR_RTCSEL;
      SET_BIT(RCC->BDCR, RCC_BDCR_BDRST);
      CLEAR_BIT(RCC->BDCR, RCC_BDCR_BDRST);
      WRITE_REG(RCC->BDCR, saved);
      // The reset stopped the LSE; the saved settings restart it.
      if ((saved & RCC_BDCR_LSEON) != 0U) {
        if (wait_flag(RCC->BDCR, RCC_BDCR_LSERDY, true, RCC_LSE_TIMEOUT_VALUE) != HAL_OK) {
          k.set_ret(HAL_TIMEOUT);
        }
      }
    }
    k.gated(RCC->BDCR, RCC_BDCR_RTCSEL, value);
  }
}

}  // namespace

extern "C" {

HAL_StatusTypeDef HAL_RCCEx_PeriphCLKConfig(const RCC_PeriphCLKInitTypeDef* pPeriphClkInit) {
  if (pPeriphClkInit == nullptr) {
    return HAL_ERROR;
  }
  const RCC_PeriphCLKInitTypeDef& p = *pPeriphClkInit;
  KernelClockRequest k(p);

  k.plain(RCC_PERIPHCLK_USART1, RCC->CCIPR1, RCC_CCIPR1_USART1SEL, p.Usart1ClockSelection);
  k.plain(RCC_PERIPHCLK_USART2, RCC->CCIPR1, RCC_CCIPR1_USART2SEL, p.Usart2ClockSelection);
  k.plain(RCC_PERIPHCLK_USART3, RCC->CCIPR1, RCC_CCIPR1_USART3SEL, p.Usart3ClockSelection);
  k.plain(RCC_PERIPHCLK_UART4, RCC->CCIPR1, RCC_CCIPR1_UART4SEL, p.Uart4ClockSelection);
  k.plain(RCC_PERIPHCLK_UART5, RCC->CCIPR1, RCC_CCIPR1_UART5SEL, p.Uart5ClockSelection);
  k.plain(RCC_PERIPHCLK_LPUART1, RCC->CCIPR3, RCC_CCIPR3_LPUART1SEL, p.Lpuart1ClockSelection);
  k.plain(RCC_PERIPHCLK_I2C1, RCC->CCIPR1, RCC_CCIPR1_I2C1SEL, p.I2c1ClockSelection);
  k.plain(RCC_PERIPHCLK_I2C2, RCC->CCIPR1, RCC_CCIPR1_I2C2SEL, p.I2c2ClockSelection);
  k.plain(RCC_PERIPHCLK_I2C3, RCC->CCIPR3, RCC_CCIPR3_I2C3SEL, p.I2c3ClockSelection);
  k.plain(RCC_PERIPHCLK_I2C4, RCC->CCIPR1, RCC_CCIPR1_I2C4SEL, p.I2c4ClockSelection);
  k.plain(RCC_PERIPHCLK_LPTIM1, RCC->CCIPR3, RCC_CCIPR3_LPTIM1SEL, p.Lptim1ClockSelection);
  k.plain(RCC_PERIPHCLK_LPTIM2, RCC->CCIPR1, RCC_CCIPR1_LPTIM2SEL, p.Lptim2ClockSelection);
  k.plain(RCC_PERIPHCLK_LPTIM34, RCC->CCIPR3, RCC_CCIPR3_LPTIM34SEL, p.Lptim34ClockSelection);

  if (k.wants(RCC_PERIPHCLK_SAI1)) {
    sai_source(k, p.Sai1ClockSelection, RCC_SAI1CLKSOURCE_PLL1, RCC_SAI1CLKSOURCE_PLL2, RCC_SAI1CLKSOURCE_PLL3,
               RCC_SAI1CLKSOURCE_PIN, RCC_SAI1CLKSOURCE_HSI);
    k.gated(RCC->CCIPR2, RCC_CCIPR2_SAI1SEL, p.Sai1ClockSelection);
  }
  if (k.wants(RCC_PERIPHCLK_SAI2)) {
    sai_source(k, p.Sai2ClockSelection, RCC_SAI2CLKSOURCE_PLL1, RCC_SAI2CLKSOURCE_PLL2, RCC_SAI2CLKSOURCE_PLL3,
               RCC_SAI2CLKSOURCE_PIN, RCC_SAI2CLKSOURCE_HSI);
    k.gated(RCC->CCIPR2, RCC_CCIPR2_SAI2SEL, p.Sai2ClockSelection);
  }
  if (k.wants(RCC_PERIPHCLK_ADCDAC)) {
    const uint32_t v = p.AdcDacClockSelection;
    if (v == RCC_ADCDACCLKSOURCE_PLL2) {
      k.pll2();
    } else if ((v != RCC_ADCDACCLKSOURCE_HCLK) && (v != RCC_ADCDACCLKSOURCE_SYSCLK) &&
               (v != RCC_ADCDACCLKSOURCE_HSE) && (v != RCC_ADCDACCLKSOURCE_HSI) && (v != RCC_ADCDACCLKSOURCE_MSIK)) {
      k.refuse();
    }
    k.gated(RCC->CCIPR3, RCC_CCIPR3_ADCDACSEL, v);
  }
  if (k.wants(RCC_PERIPHCLK_MDF1)) {
    filter_source(k, p.Mdf1ClockSelection, RCC_MDF1CLKSOURCE_HCLK, RCC_MDF1CLKSOURCE_PLL1, RCC_MDF1CLKSOURCE_PLL3,
                  RCC_MDF1CLKSOURCE_PIN, RCC_MDF1CLKSOURCE_MSIK);
    k.gated(RCC->CCIPR2, RCC_CCIPR2_MDF1SEL, p.Mdf1ClockSelection);
  }
  if (k.wants(RCC_PERIPHCLK_ADF1)) {
    filter_source(k, p.Adf1ClockSelection, RCC_ADF1CLKSOURCE_HCLK, RCC_ADF1CLKSOURCE_PLL1, RCC_ADF1CLKSOURCE_PLL3,
                  RCC_ADF1CLKSOURCE_PIN, RCC_ADF1CLKSOURCE_MSIK);
    k.gated(RCC->CCIPR3, RCC_CCIPR3_ADF1SEL, p.Adf1ClockSelection);
  }
  if (k.wants(RCC_PERIPHCLK_RTC)) {
    rtc_source(k, p.RTCClockSelection);
  }
  if (k.wants(RCC_PERIPHCLK_ICLK)) {
    const uint32_t v = p.IclkClockSelection;
    if (v == RCC_ICLK_CLKSOURCE_PLL2) {
      k.pll2();
    } else if (v == RCC_ICLK_CLKSOURCE_PLL1) {
      SET_BIT(RCC->PLL1CFGR, RCC_PLL1CFGR_PLL1QEN);
    } else if ((v != RCC_ICLK_CLKSOURCE_HSI48) && (v != RCC_ICLK_CLKSOURCE_MSIK)) {
      k.refuse();
    }
    k.gated(RCC->CCIPR1, RCC_CCIPR1_ICLKSEL, v);
  }
  if (k.wants(RCC_PERIPHCLK_RNG)) {
    const uint32_t v = p.RngClockSelection;
    if ((v != RCC_RNGCLKSOURCE_HSI48) && (v != RCC_RNGCLKSOURCE_HSI48_DIV2) && (v != RCC_RNGCLKSOURCE_HSI)) {
      k.refuse();
    }
    k.gated(RCC->CCIPR2, RCC_CCIPR2_RNGSEL, v);
  }
  k.plain(RCC_PERIPHCLK_SAES, RCC->CCIPR2, RCC_CCIPR2_SAESSEL, p.SaesClockSelection);
  if (k.wants(RCC_PERIPHCLK_SDMMC)) {
    if (p.SdmmcClockSelection == RCC_SDMMCCLKSOURCE_PLL1) {
      SET_BIT(RCC->PLL1CFGR, RCC_PLL1CFGR_PLL1PEN);
    }
    MODIFY_REG(RCC->CCIPR2, RCC_CCIPR2_SDMMCSEL, p.SdmmcClockSelection & RCC_CCIPR2_SDMMCSEL);
  }
  k.plain(RCC_PERIPHCLK_SPI1, RCC->CCIPR1, RCC_CCIPR1_SPI1SEL, p.Spi1ClockSelection);
  k.plain(RCC_PERIPHCLK_SPI2, RCC->CCIPR1, RCC_CCIPR1_SPI2SEL, p.Spi2ClockSelection);
  k.plain(RCC_PERIPHCLK_SPI3, RCC->CCIPR3, RCC_CCIPR3_SPI3SEL, p.Spi3ClockSelection);
  if (k.wants(RCC_PERIPHCLK_OSPI)) {
    const uint32_t v = p.OspiClockSelection;
    if (v == RCC_OSPICLKSOURCE_PLL1) {
      SET_BIT(RCC->PLL1CFGR, RCC_PLL1CFGR_PLL1QEN);
    } else if (v == RCC_OSPICLKSOURCE_PLL2) {
      k.pll2();
    } else if ((v != RCC_OSPICLKSOURCE_SYSCLK) && (v != RCC_OSPICLKSOURCE_MSIK)) {
      k.refuse();
    }
    k.gated(RCC->CCIPR2, RCC_CCIPR2_OCTOSPISEL, v);
  }
  if (k.wants(RCC_PERIPHCLK_FDCAN1)) {
    const uint32_t v = p.Fdcan1ClockSelection;
    if (v == RCC_FDCAN1CLKSOURCE_PLL1) {
      SET_BIT(RCC->PLL1CFGR, RCC_PLL1CFGR_PLL1QEN);
    } else if (v == RCC_FDCAN1CLKSOURCE_PLL2) {
      k.pll2();
    } else if (v != RCC_FDCAN1CLKSOURCE_HSE) {
      k.refuse();
    }
    k.gated(RCC->CCIPR1, RCC_CCIPR1_FDCANSEL, v);
  }
  k.plain(RCC_PERIPHCLK_DAC1, RCC->CCIPR3, RCC_CCIPR3_DAC1SEL, p.Dac1ClockSelection);

  return k.status();
}

void HAL_RCCEx_GetPLL1ClockFreq(PLL1_ClocksTypeDef* PLL1_Clocks) {
  const PllFrequencies f = pll_frequencies(RCC->PLL1CFGR, RCC->PLL1DIVR, RCC->PLL1FRACR);
  PLL1_Clocks->PLL1_P_Frequency = f.p;
  PLL1_Clocks->PLL1_Q_Frequency = f.q;
  PLL1_Clocks->PLL1_R_Frequency = f.r;
}

void HAL_RCCEx_GetPLL2ClockFreq(PLL2_ClocksTypeDef* PLL2_Clocks) {
  const PllFrequencies f = pll_frequencies(RCC->PLL2CFGR, RCC->PLL2DIVR, RCC->PLL2FRACR);
  PLL2_Clocks->PLL2_P_Frequency = f.p;
  PLL2_Clocks->PLL2_Q_Frequency = f.q;
  PLL2_Clocks->PLL2_R_Frequency = f.r;
}

void HAL_RCCEx_GetPLL3ClockFreq(PLL3_ClocksTypeDef* PLL3_Clocks) {
  const PllFrequencies f = pll_frequencies(RCC->PLL3CFGR, RCC->PLL3DIVR, RCC->PLL3FRACR);
  PLL3_Clocks->PLL3_P_Frequency = f.p;
  PLL3_Clocks->PLL3_Q_Frequency = f.q;
  PLL3_Clocks->PLL3_R_Frequency = f.r;
}

}  // extern "C"

namespace {

// ---------------------------------------------------------------------------------------------
// Kernel-clock frequencies: every selector is a small field whose value indexes a list of sources.
// ---------------------------------------------------------------------------------------------

enum Source : uint8_t {
  kNone,  // a field value that names no source
  kPclk1, kPclk2, kPclk3, kHclk, kSysclk,
  kHsi, kHse, kHseDiv32, kHsi48, kHsi48Div2, kShsi, kShsiDiv2, kLse, kLsi, kMsik, kPin,
  kPll1P, kPll1Q, kPll2P, kPll2Q, kPll2R, kPll3P, kPll3Q,
  kClk48,  // the ICLK selection
};

enum SelectorReg : uint8_t { kCcipr1, kCcipr2, kCcipr3, kBdcr };

struct Selector {
  uint64_t periph;
  SelectorReg reg;
  uint8_t pos;
  uint8_t mask;  // field mask after the shift
  Source sources[8];
};

// In the order the peripherals are looked up.
constexpr Selector kSelectors[] = {
    {RCC_PERIPHCLK_RTC, kBdcr, RCC_BDCR_RTCSEL_Pos, 0x3U, {kNone, kLse, kLsi, kHseDiv32}},
    {RCC_PERIPHCLK_SAI1, kCcipr2, RCC_CCIPR2_SAI1SEL_Pos, 0x7U, {kPll2P, kPll3P, kPll1P, kPin, kHsi}},
    {RCC_PERIPHCLK_SAI2, kCcipr2, RCC_CCIPR2_SAI2SEL_Pos, 0x7U, {kPll2P, kPll3P, kPll1P, kPin, kHsi}},
    {RCC_PERIPHCLK_SAES, kCcipr2, RCC_CCIPR2_SAESSEL_Pos, 0x1U, {kShsi, kShsiDiv2}},
    {RCC_PERIPHCLK_ICLK, kCcipr1, RCC_CCIPR1_ICLKSEL_Pos, 0x3U, {kHsi48, kPll2Q, kPll1Q, kMsik}},
    {RCC_PERIPHCLK_SDMMC, kCcipr2, RCC_CCIPR2_SDMMCSEL_Pos, 0x1U, {kClk48, kPll1P}},
    {RCC_PERIPHCLK_USART1, kCcipr1, RCC_CCIPR1_USART1SEL_Pos, 0x3U, {kPclk2, kSysclk, kHsi, kLse}},
    {RCC_PERIPHCLK_USART2, kCcipr1, RCC_CCIPR1_USART2SEL_Pos, 0x3U, {kPclk1, kSysclk, kHsi, kLse}},
    {RCC_PERIPHCLK_USART3, kCcipr1, RCC_CCIPR1_USART3SEL_Pos, 0x3U, {kPclk1, kSysclk, kHsi, kLse}},
    {RCC_PERIPHCLK_UART4, kCcipr1, RCC_CCIPR1_UART4SEL_Pos, 0x3U, {kPclk1, kSysclk, kHsi, kLse}},
    {RCC_PERIPHCLK_UART5, kCcipr1, RCC_CCIPR1_UART5SEL_Pos, 0x3U, {kPclk1, kSysclk, kHsi, kLse}},
    {RCC_PERIPHCLK_LPUART1, kCcipr3, RCC_CCIPR3_LPUART1SEL_Pos, 0x7U, {kPclk3, kSysclk, kHsi, kLse, kMsik}},
    {RCC_PERIPHCLK_ADCDAC, kCcipr3, RCC_CCIPR3_ADCDACSEL_Pos, 0x7U, {kHclk, kSysclk, kPll2R, kHse, kHsi, kMsik}},
    {RCC_PERIPHCLK_MDF1, kCcipr2, RCC_CCIPR2_MDF1SEL_Pos, 0x7U, {kHclk, kPll1P, kPll3Q, kPin, kMsik}},
    {RCC_PERIPHCLK_ADF1, kCcipr3, RCC_CCIPR3_ADF1SEL_Pos, 0x7U, {kHclk, kPll1P, kPll3Q, kPin, kMsik}},
    {RCC_PERIPHCLK_I2C1, kCcipr1, RCC_CCIPR1_I2C1SEL_Pos, 0x3U, {kPclk1, kSysclk, kHsi, kMsik}},
    {RCC_PERIPHCLK_I2C2, kCcipr1, RCC_CCIPR1_I2C2SEL_Pos, 0x3U, {kPclk1, kSysclk, kHsi, kMsik}},
    {RCC_PERIPHCLK_I2C3, kCcipr3, RCC_CCIPR3_I2C3SEL_Pos, 0x3U, {kPclk3, kSysclk, kHsi, kMsik}},
    {RCC_PERIPHCLK_I2C4, kCcipr1, RCC_CCIPR1_I2C4SEL_Pos, 0x3U, {kPclk1, kSysclk, kHsi, kMsik}},
    {RCC_PERIPHCLK_LPTIM34, kCcipr3, RCC_CCIPR3_LPTIM34SEL_Pos, 0x3U, {kMsik, kLsi, kHsi, kLse}},
    {RCC_PERIPHCLK_LPTIM1, kCcipr3, RCC_CCIPR3_LPTIM1SEL_Pos, 0x3U, {kMsik, kLsi, kHsi, kLse}},
    {RCC_PERIPHCLK_LPTIM2, kCcipr1, RCC_CCIPR1_LPTIM2SEL_Pos, 0x3U, {kPclk1, kLsi, kHsi, kLse}},
    {RCC_PERIPHCLK_FDCAN1, kCcipr1, RCC_CCIPR1_FDCANSEL_Pos, 0x3U, {kHse, kPll1Q, kPll2P, kNone}},
    {RCC_PERIPHCLK_SPI1, kCcipr1, RCC_CCIPR1_SPI1SEL_Pos, 0x3U, {kPclk2, kSysclk, kHsi, kMsik}},
    {RCC_PERIPHCLK_SPI2, kCcipr1, RCC_CCIPR1_SPI2SEL_Pos, 0x3U, {kPclk1, kSysclk, kHsi, kMsik}},
    {RCC_PERIPHCLK_SPI3, kCcipr3, RCC_CCIPR3_SPI3SEL_Pos, 0x3U, {kPclk3, kSysclk, kHsi, kMsik}},
    {RCC_PERIPHCLK_OSPI, kCcipr2, RCC_CCIPR2_OCTOSPISEL_Pos, 0x3U, {kSysclk, kMsik, kPll1Q, kPll2Q}},
    {RCC_PERIPHCLK_DAC1, kCcipr3, RCC_CCIPR3_DAC1SEL_Pos, 0x1U, {kLse, kLsi}},
    {RCC_PERIPHCLK_RNG, kCcipr2, RCC_CCIPR2_RNGSEL_Pos, 0x3U, {kHsi48, kHsi48Div2, kHsi, kNone}},
};

static_assert(RCC_CCIPR1_USART2SEL == (0x3U << RCC_CCIPR1_USART2SEL_Pos));
static_assert(RCC_CCIPR3_ADCDACSEL == (0x7U << RCC_CCIPR3_ADCDACSEL_Pos));
static_assert(RCC_BDCR_RTCSEL == (0x3U << RCC_BDCR_RTCSEL_Pos));

uint32_t selector_register(SelectorReg reg) {
  switch (reg) {
    case kCcipr1:
      return READ_REG(RCC->CCIPR1);
    case kCcipr2:
      return READ_REG(RCC->CCIPR2);
    case kCcipr3:
      return READ_REG(RCC->CCIPR3);
    case kBdcr:
      return READ_REG(RCC->BDCR);
  }
  return 0U;
}

const Selector* find_selector(uint64_t periph) {
  for (const Selector& s : kSelectors) {
    if (s.periph == periph) {
      return &s;
    }
  }
  return nullptr;
}

uint32_t if_ready(const reg32_t& reg, uint32_t ready, uint32_t hz) { return (READ_BIT(reg, ready) != 0U) ? hz : 0U; }

uint32_t msik_frequency() {
  if (READ_BIT(RCC->CR, RCC_CR_MSIKRDY) == 0U) {
    return 0U;
  }
  const uint32_t index = (READ_BIT(RCC->ICSCR1, RCC_ICSCR1_MSIRGSEL) != 0U)
                             ? (READ_BIT(RCC->ICSCR1, RCC_ICSCR1_MSIKRANGE) >> RCC_ICSCR1_MSIKRANGE_Pos)
                             : (READ_BIT(RCC->CSR, RCC_CSR_MSIKSRANGE) >> RCC_CSR_MSIKSRANGE_Pos);
  return MSIRangeTable[index];
}

uint32_t lsi_frequency() {
  const uint32_t bdcr = READ_REG(RCC->BDCR);
  if ((bdcr & RCC_BDCR_LSIRDY) == 0U) {
    return 0U;
  }
  return ((bdcr & RCC_BDCR_LSIPREDIV) != 0U) ? (LSI_VALUE / 128U) : LSI_VALUE;
}

uint32_t selector_frequency(const Selector& s);

uint32_t source_frequency(Source source) {
  switch (source) {
    case kNone:
      return 0U;
    case kPclk1:
      return HAL_RCC_GetPCLK1Freq();
    case kPclk2:
      return HAL_RCC_GetPCLK2Freq();
    case kPclk3:
      return HAL_RCC_GetPCLK3Freq();
    case kHclk:
      return HAL_RCC_GetHCLKFreq();
    case kSysclk:
      return HAL_RCC_GetSysClockFreq();
    case kHsi:
      return if_ready(RCC->CR, RCC_CR_HSIRDY, HSI_VALUE);
    case kHse:
      return if_ready(RCC->CR, RCC_CR_HSERDY, HSE_VALUE);
    case kHseDiv32:
      return if_ready(RCC->CR, RCC_CR_HSERDY, HSE_VALUE / 32U);
    case kHsi48:
      return if_ready(RCC->CR, RCC_CR_HSI48RDY, HSI48_VALUE);
    case kHsi48Div2:
      return if_ready(RCC->CR, RCC_CR_HSI48RDY, HSI48_VALUE / 2U);
    case kShsi:
      return if_ready(RCC->CR, RCC_CR_SHSIRDY, HSI_VALUE);
    case kShsiDiv2:
      return if_ready(RCC->CR, RCC_CR_SHSIRDY, HSI_VALUE / 2U);
    case kLse:
      return if_ready(RCC->BDCR, RCC_BDCR_LSERDY, LSE_VALUE);
    case kLsi:
      return lsi_frequency();
    case kMsik:
      return msik_frequency();
    case kPin:
      return EXTERNAL_SAI1_CLOCK_VALUE;
    case kPll1P:
    case kPll1Q: {
      PLL1_ClocksTypeDef pll;
      HAL_RCCEx_GetPLL1ClockFreq(&pll);
      return (source == kPll1P) ? pll.PLL1_P_Frequency : pll.PLL1_Q_Frequency;
    }
    case kPll2P:
    case kPll2Q:
    case kPll2R: {
      PLL2_ClocksTypeDef pll;
      HAL_RCCEx_GetPLL2ClockFreq(&pll);
      return (source == kPll2P) ? pll.PLL2_P_Frequency
                                : ((source == kPll2Q) ? pll.PLL2_Q_Frequency : pll.PLL2_R_Frequency);
    }
    case kPll3P:
    case kPll3Q: {
      PLL3_ClocksTypeDef pll;
      HAL_RCCEx_GetPLL3ClockFreq(&pll);
      return (source == kPll3P) ? pll.PLL3_P_Frequency : pll.PLL3_Q_Frequency;
    }
    case kClk48:
      return selector_frequency(*find_selector(RCC_PERIPHCLK_ICLK));
  }
  return 0U;
}

uint32_t selector_frequency(const Selector& s) {
  const uint32_t index = (selector_register(s.reg) >> s.pos) & s.mask;
  return source_frequency(s.sources[index]);
}

}  // namespace

extern "C" {

uint32_t HAL_RCCEx_GetPeriphCLKFreq(uint64_t PeriphClk) {
  // Exactly one peripheral: a value with several bits set matches no entry and yields 0.
  const Selector* s = find_selector(PeriphClk);
  return (s != nullptr) ? selector_frequency(*s) : 0U;
}

}  // extern "C"

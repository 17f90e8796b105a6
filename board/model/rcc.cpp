#include "model/rcc.h"

#include "model/pwr.h"

namespace ovrimo::model {

namespace {
// Register offsets.
constexpr std::uint32_t kCr = 0x000, kIcscr1 = 0x008, kCfgr1 = 0x01C, kCfgr2 = 0x020, kCfgr3 = 0x024;
constexpr std::uint32_t kCier = 0x050, kCifr = 0x054, kCicr = 0x058;
constexpr std::uint32_t kCcipr1 = 0x0E0, kCcipr3 = 0x0E8, kBdcr = 0x0F0, kCsr = 0x0F4;
constexpr std::uint32_t pll_cfgr(unsigned pll) { return 0x028 + 4 * (pll - 1); }
constexpr std::uint32_t pll_divr(unsigned pll) { return 0x034 + 8 * (pll - 1); }
constexpr std::uint32_t pll_fracr(unsigned pll) { return 0x038 + 8 * (pll - 1); }

// CR.
constexpr std::uint32_t kMsisOn = 1u << 0, kMsisRdy = 1u << 2, kMsikOn = 1u << 4, kMsikRdy = 1u << 5;
constexpr std::uint32_t kHsiOn = 1u << 8, kHsiRdy = 1u << 10, kHsi48On = 1u << 12, kHsi48Rdy = 1u << 13;
constexpr std::uint32_t kShsiOn = 1u << 14, kShsiRdy = 1u << 15, kHseOn = 1u << 16, kHseRdy = 1u << 17;
constexpr std::uint32_t pll_on(unsigned pll) { return 1u << (24 + 2 * (pll - 1)); }
constexpr std::uint32_t pll_rdy(unsigned pll) { return 1u << (25 + 2 * (pll - 1)); }
// MSISON, MSIKERON, MSIPLLEN, MSIKON, MSIPLLSEL, MSIPLLFAST, HSION, HSIKERON, HSI48ON, SHSION,
// HSEON, HSEBYP, CSSON, HSEEXT, PLL1ON, PLL2ON, PLL3ON; the ready flags are the model's.
constexpr std::uint32_t kCrWritable = 0x151D53DB;

// ICSCR1 / CSR.
constexpr std::uint32_t kMsiRgSel = 1u << 23;
constexpr std::uint32_t kCsrRmvf = 1u << 23;
constexpr std::uint32_t kCsrResetFlags = 0xFE000000;  // OBLRSTF .. LPWRRSTF (bit 24 reserved)

// CFGR1.
constexpr std::uint32_t kSwMask = 0x3, kSwsMask = 0xC;
constexpr unsigned kSwsPos = 2;
constexpr std::uint32_t kSwMsis = 0, kSwHsi = 1, kSwHse = 2, kSwPll1 = 3;

// CFGR2 / CFGR3 bus clock disables.
constexpr std::uint32_t kApb1Dis = 1u << 19, kApb2Dis = 1u << 20, kApb3Dis = 1u << 17;

// PLLxCFGR.
constexpr std::uint32_t kPllSrcMask = 0x3, kPllFracEn = 1u << 4;
constexpr std::uint32_t kPllPEn = 1u << 16, kPllQEn = 1u << 17, kPllREn = 1u << 18;
// Fields the chip only accepts while the PLL is off and unlocked: source, input range, M, MBOOST.
constexpr std::uint32_t kPllLockedFields = 0x0000FF0F;

// BDCR.
constexpr std::uint32_t kLseOn = 1u << 0, kLseRdy = 1u << 1, kLseSysEn = 1u << 7, kRtcSelMask = 3u << 8;
constexpr std::uint32_t kLseSysRdy = 1u << 11, kBdRst = 1u << 16, kLsiOn = 1u << 26, kLsiRdy = 1u << 27;
constexpr std::uint32_t kLsiPrediv = 1u << 28;
// LSEON, LSEBYP, LSEDRV, LSECSSON, LSESYSEN, RTCSEL, LSEGFON, RTCEN, BDRST, LSCOEN, LSCOSEL, LSION,
// LSIPREDIV.
constexpr std::uint32_t kBdcrWritable = 0x170193BD;

// CIFR / CIER / CICR bits.
constexpr std::uint32_t kIfLsi = 1u << 0, kIfLse = 1u << 1, kIfMsis = 1u << 2, kIfHsi = 1u << 3;
constexpr std::uint32_t kIfHse = 1u << 4, kIfHsi48 = 1u << 5, kIfMsik = 1u << 11, kIfShsi = 1u << 12;
constexpr std::uint32_t if_pll(unsigned pll) { return 1u << (5 + pll); }
constexpr std::uint32_t kInterruptBits = 0x00001DFF;  // ready flags 0..8, CSS 10, MSIK 11, SHSI 12

// Nominal MSI frequencies by range code, shared by MSIS and MSIK when ICSCR1 holds the range.
constexpr std::array<std::uint32_t, 16> kMsiRangeHz = {48'000'000, 24'000'000, 16'000'000, 12'000'000,
                                                        4'000'000,  2'000'000,  1'330'000,  1'000'000,
                                                        3'072'000,  1'536'000,  1'024'000,  768'000,
                                                        400'000,    200'000,    133'000,    100'000};
// The standby ranges of CSR hold codes 4..8 only. Their code 6 is 1.5 MHz, not the 1.33 MHz of
// the ICSCR1 code 6: the register descriptions give the two tables that way and we follow them.
constexpr std::uint32_t csr_msi_range_hz(std::uint32_t code) {
  switch (code) {
    case 4: return 4'000'000;
    case 5: return 2'000'000;
    case 6: return 1'500'000;
    case 7: return 1'000'000;
    case 8: return 3'072'000;
    default: return 0;
  }
}

// AHB prescaler: codes 0..7 divide by 1, then 2, 4, 8, 16, 64, 128, 256, 512 (no 32).
constexpr std::array<unsigned, 16> kAhbShift = {0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 6, 7, 8, 9};
// APB prescalers: codes 0..3 divide by 1, then 2, 4, 8, 16.
constexpr std::array<unsigned, 8> kApbShift = {0, 0, 0, 0, 1, 2, 3, 4};

// USART instances by non-secure base address.
constexpr std::uint32_t kUsart1 = 0x40013800, kUsart2 = 0x40004400, kUsart3 = 0x40004800;
constexpr std::uint32_t kUart4 = 0x40004C00, kUart5 = 0x40005000, kLpuart1 = 0x46002400;
constexpr std::uint32_t kSecureAlias = 0x10000000;
}  // namespace

Rcc::Rcc(Scheduler& scheduler, RccTiming timing) : Peripheral("RCC", kBase, 0x400), scheduler_(scheduler), timing_(timing) {
  constexpr std::uint32_t kAll = 0xFFFFFFFFu;
  struct Def {
    const char* name;
    std::uint32_t offset;
    std::uint32_t reset;
    Access access;
    std::uint32_t writable;
  };
  static constexpr Def kRegisters[] = {
      {"CR", kCr, 0x00000035, Access::ReadWrite, kCrWritable},
      // MSICAL0..3 are factory calibration; MSIBIAS, MSIRGSEL and the two ranges are software's.
      {"ICSCR1", kIcscr1, 0x44000000, Access::ReadWrite, 0xFFC00000},
      {"ICSCR2", 0x00C, 0x00084210, Access::ReadWrite, 0x000FFFFF},  // MSITRIM0..3
      {"ICSCR3", 0x010, 0x00100000, Access::ReadWrite, 0x001F0000},  // HSITRIM; HSICAL read-only
      {"CRRCR", 0x014, 0, Access::ReadOnly, 0},                      // HSI48CAL
      // SW, STOPWUCK, STOPKERWUCK, MCOSEL, MCOPRE; SWS is the model's.
      {"CFGR1", kCfgr1, 0, Access::ReadWrite, 0x7F000033},
      // HPRE, PPRE1, PPRE2, the DPRE bits of the reset value (plain storage), AHB/APB disables.
      {"CFGR2", kCfgr2, 0x00006000, Access::ReadWrite, 0x001F777F},
      {"CFGR3", kCfgr3, 0, Access::ReadWrite, 0x00030070},  // PPRE3, AHB3DIS, APB3DIS
      {"PLL1CFGR", pll_cfgr(1), 0, Access::ReadWrite, 0x0007FF1F},
      {"PLL2CFGR", pll_cfgr(2), 0, Access::ReadWrite, 0x00070F1F},  // no MBOOST
      {"PLL3CFGR", pll_cfgr(3), 0, Access::ReadWrite, 0x00070F1F},
      {"PLL1DIVR", pll_divr(1), 0x01010280, Access::ReadWrite, 0x7F7FFFFF},
      {"PLL1FRACR", pll_fracr(1), 0, Access::ReadWrite, 0x0000FFF8},
      {"PLL2DIVR", pll_divr(2), 0x01010280, Access::ReadWrite, 0x7F7FFFFF},
      {"PLL2FRACR", pll_fracr(2), 0, Access::ReadWrite, 0x0000FFF8},
      {"PLL3DIVR", pll_divr(3), 0x01010280, Access::ReadWrite, 0x7F7FFFFF},
      {"PLL3FRACR", pll_fracr(3), 0, Access::ReadWrite, 0x0000FFF8},
      {"CIER", kCier, 0, Access::ReadWrite, kInterruptBits & ~(1u << 10)},
      {"CIFR", kCifr, 0, Access::ReadOnly, 0},
      {"CICR", kCicr, 0, Access::WriteOnly, kInterruptBits},
      {"AHB1RSTR", 0x060, 0, Access::ReadWrite, kAll},
      {"AHB2RSTR1", 0x064, 0, Access::ReadWrite, kAll},
      {"AHB2RSTR2", 0x068, 0, Access::ReadWrite, kAll},
      {"AHB3RSTR", 0x06C, 0, Access::ReadWrite, kAll},
      {"APB1RSTR1", 0x074, 0, Access::ReadWrite, kAll},
      {"APB1RSTR2", 0x078, 0, Access::ReadWrite, kAll},
      {"APB2RSTR", 0x07C, 0, Access::ReadWrite, kAll},
      {"APB3RSTR", 0x080, 0, Access::ReadWrite, kAll},
      {"AHB1ENR", 0x088, 0xD0200100, Access::ReadWrite, kAll},
      {"AHB2ENR1", 0x08C, 0xC0000000, Access::ReadWrite, kAll},
      {"AHB2ENR2", 0x090, 0x80000000, Access::ReadWrite, kAll},
      {"AHB3ENR", 0x094, 0x80000000, Access::ReadWrite, kAll},
      {"APB1ENR1", 0x09C, 0, Access::ReadWrite, kAll},
      {"APB1ENR2", 0x0A0, 0, Access::ReadWrite, kAll},
      {"APB2ENR", 0x0A4, 0, Access::ReadWrite, kAll},
      {"APB3ENR", 0x0A8, 0, Access::ReadWrite, kAll},
      {"AHB1SMENR", 0x0B0, kAll, Access::ReadWrite, kAll},
      {"AHB2SMENR1", 0x0B4, kAll, Access::ReadWrite, kAll},
      {"AHB2SMENR2", 0x0B8, kAll, Access::ReadWrite, kAll},
      {"AHB3SMENR", 0x0BC, kAll, Access::ReadWrite, kAll},
      {"APB1SMENR1", 0x0C4, kAll, Access::ReadWrite, kAll},
      {"APB1SMENR2", 0x0C8, kAll, Access::ReadWrite, kAll},
      {"APB2SMENR", 0x0CC, kAll, Access::ReadWrite, kAll},
      {"APB3SMENR", 0x0D0, kAll, Access::ReadWrite, kAll},
      {"SRDAMR", 0x0D8, 0, Access::ReadWrite, kAll},
      {"CCIPR1", kCcipr1, 0, Access::ReadWrite, 0xEFFFFFFF},  // bit 28 reserved
      {"CCIPR2", 0x0E4, 0, Access::ReadWrite, 0x00307FE7},    // fields of peripherals this part has
      {"CCIPR3", kCcipr3, 0, Access::ReadWrite, 0x0007FFDF},  // bit 5 reserved
      {"BDCR", kBdcr, 0, Access::ReadWrite, kBdcrWritable},
      // The standby ranges are software's; RMVF is an action bit handled below; flags are the model's.
      {"CSR", kCsr, 0x0C004400, Access::ReadWrite, 0x0000FF00},
      {"SECCFGR", 0x110, 0, Access::ReadWrite, kAll},
      {"PRIVCFGR", 0x114, 0, Access::ReadWrite, kAll},
  };
  for (const Def& d : kRegisters)
    regs_.define({d.name, d.offset, d.reset, d.access, d.writable}).on_write([this](std::uint32_t, std::uint32_t) {
      settle();
    });

  regs_.at(kCr).on_write([this](std::uint32_t old, std::uint32_t) { on_cr_write(old); });
  for (unsigned pll = 1; pll <= 3; ++pll) {
    regs_.at(pll_cfgr(pll)).on_write([this, pll](std::uint32_t old, std::uint32_t) { on_pll_cfgr_write(pll, old); });
    regs_.at(pll_divr(pll)).on_write([this, pll](std::uint32_t old, std::uint32_t) {
      // N and the output dividers are frozen while the PLL runs or is still locked.
      if (bit(kCr, pll_on(pll) | pll_rdy(pll))) regs_.at(pll_divr(pll)).set(old);
      settle();
    });
  }
  regs_.at(kBdcr).on_write([this](std::uint32_t old, std::uint32_t) { on_bdcr_write(old); });
  regs_.at(kCsr).on_write([this](std::uint32_t old, std::uint32_t written) { on_csr_write(old, written); });
  regs_.at(kCicr).on_write([this](std::uint32_t, std::uint32_t written) {
    regs_.at(kCifr).clear_bits(written & kInterruptBits);
  });
  for (std::uint32_t offset : {0x060u, 0x064u, 0x068u, 0x06Cu, 0x074u, 0x078u, 0x07Cu, 0x080u})
    regs_.at(offset).on_write([this, offset](std::uint32_t old, std::uint32_t) {
      const std::uint32_t asserted = regs_.at(offset).value() & ~old;
      if (asserted != 0)
        for (auto& listener : reset_listeners_) listener(offset, asserted);
    });

  // Ready flags, each with the condition under which the oscillator or PLL runs.
  const RccTiming& t = timing_;
  auto cr_bit = [this](std::uint32_t mask) { return [this, mask] { return bit(kCr, mask); }; };
  flags_ = {
      {kCr, kMsisRdy, kIfMsis, t.msi_startup, t.oscillator_stop, cr_bit(kMsisOn)},
      {kCr, kMsikRdy, kIfMsik, t.msi_startup, t.oscillator_stop, cr_bit(kMsikOn)},
      {kCr, kHsiRdy, kIfHsi, t.hsi_startup, t.oscillator_stop, cr_bit(kHsiOn)},
      {kCr, kHsi48Rdy, kIfHsi48, t.hsi48_startup, t.oscillator_stop, cr_bit(kHsi48On)},
      {kCr, kShsiRdy, kIfShsi, t.shsi_startup, t.oscillator_stop, cr_bit(kShsiOn)},
      {kCr, kHseRdy, kIfHse, t.hse_startup, t.oscillator_stop, cr_bit(kHseOn)},
      {kBdcr, kLseRdy, kIfLse, t.lse_startup, t.oscillator_stop, [this] { return bit(kBdcr, kLseOn); }},
      {kBdcr, kLseSysRdy, 0, t.lsesys_startup, t.oscillator_stop,
       [this] { return bit(kBdcr, kLseSysEn) && bit(kBdcr, kLseRdy); }},
      {kBdcr, kLsiRdy, kIfLsi, t.lsi_startup, t.oscillator_stop, [this] { return bit(kBdcr, kLsiOn); }},
  };
  // A PLL locks only on a running input and loses lock when the input stops.
  for (unsigned pll = 1; pll <= 3; ++pll)
    flags_.push_back({kCr, pll_rdy(pll), if_pll(pll), t.pll_lock, t.oscillator_stop,
                      [this, pll] { return bit(kCr, pll_on(pll)) && pll_input_ready(pll); }});

  last_tree_ = snapshot();
}

void Rcc::cancel_all() {
  for (ReadyFlag& f : flags_) {
    scheduler_.cancel(f.event);
    f.event = 0;
  }
  scheduler_.cancel(switch_event_);
  switch_event_ = 0;
}

void Rcc::reset() {
  cancel_all();
  Peripheral::reset();
  last_tree_ = snapshot();
  for (auto& listener : clock_listeners_) listener();
}

bool Rcc::clock_enabled(std::uint32_t enr_offset, std::uint32_t mask) const {
  return (regs_.at(enr_offset).value() & mask) == mask;
}

bool Rcc::backup_domain_writable() const { return pwr_ != nullptr && pwr_->backup_domain_writable(); }

// ---------------------------------------------------------------------------------------------
// Write behaviour

void Rcc::on_cr_write(std::uint32_t old) {
  // An oscillator that clocks the system, directly or through PLL1, keeps running; so does PLL1
  // while it is the system clock. The chip ignores the attempt to clear these enables.
  const std::uint32_t sws = (value(kCfgr1) & kSwsMask) >> kSwsPos;
  const std::uint32_t pll_source = value(pll_cfgr(1)) & kPllSrcMask;
  const bool via_pll = sws == kSwPll1;
  std::uint32_t in_use = 0;
  if (sws == kSwMsis || (via_pll && pll_source == 1)) in_use |= kMsisOn;
  if (sws == kSwHsi || (via_pll && pll_source == 2)) in_use |= kHsiOn;
  if (sws == kSwHse || (via_pll && pll_source == 3)) in_use |= kHseOn;
  if (via_pll) in_use |= pll_on(1);
  regs_.at(kCr).set_bits(old & in_use);
  settle();
}

void Rcc::on_pll_cfgr_write(unsigned pll, std::uint32_t old) {
  Register& cfgr = regs_.at(pll_cfgr(pll));
  if (bit(kCr, pll_on(pll) | pll_rdy(pll)))
    cfgr.set((cfgr.value() & ~kPllLockedFields) | (old & kPllLockedFields));
  // The R output is the system clock while PLL1 drives it; it stays enabled.
  if (pll == 1 && ((value(kCfgr1) & kSwsMask) >> kSwsPos) == kSwPll1) cfgr.set_bits(old & kPllREn);
  settle();
}

void Rcc::on_bdcr_write(std::uint32_t old) {
  Register& bdcr = regs_.at(kBdcr);
  if (!backup_domain_writable()) {
    bdcr.set(old);  // write-protected backup domain
    return;
  }
  std::uint32_t v = bdcr.value();
  if (v & kBdRst) {
    // Backup-domain reset: while BDRST is held everything else is at its reset value, the LSE
    // and LSI stop at once.
    v = kBdRst;
  } else if ((old & kRtcSelMask) != 0) {
    // The RTC clock is chosen once; only a backup-domain reset frees the selection again.
    v = (v & ~kRtcSelMask) | (old & kRtcSelMask);
  }
  bdcr.set(v);
  settle();
}

void Rcc::on_csr_write(std::uint32_t old, std::uint32_t written) {
  Register& csr = regs_.at(kCsr);
  std::uint32_t v = csr.value();
  // The standby ranges only hold codes 4..8; another code leaves the field as it was.
  for (unsigned pos : {8u, 12u}) {
    const std::uint32_t code = (v >> pos) & 0xFu;
    if (code < 4 || code > 8) v = (v & ~(0xFu << pos)) | (old & (0xFu << pos));
  }
  if (written & kCsrRmvf) v &= ~kCsrResetFlags;
  csr.set(v);
  settle();
}

// ---------------------------------------------------------------------------------------------
// Ready flags and the system clock switch

void Rcc::settle() {
  settle_flags();
  settle_switch();
  notify_if_changed();
}

void Rcc::settle_flags() {
  for (std::size_t i = 0; i < flags_.size(); ++i) {
    ReadyFlag& f = flags_[i];
    const bool want = f.wanted();
    const bool is = bit(f.offset, f.ready);
    if (want == is) {
      scheduler_.cancel(f.event);
      f.event = 0;
      continue;
    }
    if (f.event != 0 && scheduler_.pending(f.event) && f.target == want) continue;
    scheduler_.cancel(f.event);
    f.target = want;
    f.event = scheduler_.after(want ? f.rise : f.fall, [this, i] {
      ReadyFlag& flag = flags_[i];
      flag.event = 0;
      if (flag.wanted() != flag.target) return settle();
      regs_.at(flag.offset).assign_bits(flag.ready, flag.target);
      if (flag.target && (value(kCier) & flag.cifr) != 0) regs_.at(kCifr).set_bits(flag.cifr);
      settle();
    });
  }
}

bool Rcc::source_ready(std::uint32_t sw) const {
  switch (sw) {
    case kSwMsis: return bit(kCr, kMsisRdy);
    case kSwHsi: return bit(kCr, kHsiRdy);
    case kSwHse: return bit(kCr, kHseRdy);
    default: return bit(kCr, pll_rdy(1)) && bit(pll_cfgr(1), kPllREn);
  }
}

void Rcc::settle_switch() {
  const std::uint32_t cfgr1 = value(kCfgr1);
  const std::uint32_t sw = cfgr1 & kSwMask;
  const std::uint32_t sws = (cfgr1 & kSwsMask) >> kSwsPos;
  // A source that is not ready is not switched to; the switch happens once it becomes ready.
  if (sw == sws || !source_ready(sw)) {
    scheduler_.cancel(switch_event_);
    switch_event_ = 0;
    return;
  }
  if (switch_event_ != 0 && scheduler_.pending(switch_event_)) return;  // same SW: re-checked when it fires
  switch_event_ = scheduler_.after(timing_.switch_delay, [this] {
    switch_event_ = 0;
    Register& cfgr = regs_.at(kCfgr1);
    const std::uint32_t target = cfgr.value() & kSwMask;
    if (source_ready(target)) cfgr.set((cfgr.value() & ~kSwsMask) | (target << kSwsPos));
    settle();
  });
}

Rcc::TreeSnapshot Rcc::snapshot() const {
  using O = PllOutput;
  return TreeSnapshot{{sysclk_hz(), computed_hclk_hz(), pclk1_hz(), pclk2_hz(), pclk3_hz(), systick_external_hz(),
                       usart_kernel_hz(kUsart1), usart_kernel_hz(kUsart2), usart_kernel_hz(kUsart3),
                       usart_kernel_hz(kUart4), usart_kernel_hz(kUart5), usart_kernel_hz(kLpuart1), msis_hz(),
                       msik_hz(), hsi16_hz(), hsi48_hz(), hse_hz(), lsi_hz(), lse_hz(), pll_hz(1, O::P),
                       pll_hz(1, O::Q), pll_hz(1, O::R), pll_hz(2, O::P), pll_hz(2, O::Q), pll_hz(2, O::R),
                       pll_hz(3, O::P), pll_hz(3, O::Q), pll_hz(3, O::R)}};
}

void Rcc::notify_if_changed() {
  const TreeSnapshot now = snapshot();
  if (now == last_tree_) return;
  last_tree_ = now;
  for (auto& listener : clock_listeners_) listener();
}

// ---------------------------------------------------------------------------------------------
// Clock tree

std::uint32_t Rcc::msis_hz() const {
  if (!bit(kCr, kMsisRdy)) return 0;
  if (bit(kIcscr1, kMsiRgSel)) return kMsiRangeHz[value(kIcscr1) >> 28];
  return csr_msi_range_hz((value(kCsr) >> 12) & 0xFu);
}

std::uint32_t Rcc::msik_hz() const {
  if (!bit(kCr, kMsikRdy)) return 0;
  if (bit(kIcscr1, kMsiRgSel)) return kMsiRangeHz[(value(kIcscr1) >> 24) & 0xFu];
  return csr_msi_range_hz((value(kCsr) >> 8) & 0xFu);
}

std::uint32_t Rcc::hsi16_hz() const { return bit(kCr, kHsiRdy) ? kHsi16Hz : 0; }
std::uint32_t Rcc::hsi48_hz() const { return bit(kCr, kHsi48Rdy) ? kHsi48Hz : 0; }
std::uint32_t Rcc::hse_hz() const { return bit(kCr, kHseRdy) ? timing_.hse_hz : 0; }
std::uint32_t Rcc::lse_hz() const { return bit(kBdcr, kLseRdy) ? kLseHz : 0; }
std::uint32_t Rcc::lsi_hz() const {
  if (!bit(kBdcr, kLsiRdy)) return 0;
  return bit(kBdcr, kLsiPrediv) ? kLsiHz / 128 : kLsiHz;
}

std::uint32_t Rcc::pll_input_hz(unsigned pll) const {
  switch (value(pll_cfgr(pll)) & kPllSrcMask) {
    case 1: return msis_hz();
    case 2: return hsi16_hz();
    case 3: return hse_hz();
    default: return 0;
  }
}

bool Rcc::pll_input_ready(unsigned pll) const { return pll_input_hz(pll) != 0; }

std::uint64_t Rcc::pll_vco_hz(unsigned pll) const {
  if (pll < 1 || pll > 3) return 0;
  const std::uint32_t cfgr = value(pll_cfgr(pll));
  const std::uint64_t m = ((cfgr >> 8) & 0xFu) + 1;
  const std::uint64_t n = (value(pll_divr(pll)) & 0x1FFu) + 1;
  const std::uint64_t frac = (cfgr & kPllFracEn) ? (value(pll_fracr(pll)) >> 3) & 0x1FFFu : 0;
  // VCO = input / M * (N + FRACN / 8192), in integers to keep fractional settings exact.
  return static_cast<std::uint64_t>(pll_input_hz(pll)) * (n * 8192 + frac) / (m * 8192);
}

std::uint32_t Rcc::pll_hz(unsigned pll, PllOutput output) const {
  if (pll < 1 || pll > 3 || !bit(kCr, pll_rdy(pll))) return 0;
  const std::uint32_t cfgr = value(pll_cfgr(pll));
  const std::uint32_t divr = value(pll_divr(pll));
  std::uint32_t enable = 0, divider = 0;
  switch (output) {
    case PllOutput::P: enable = kPllPEn, divider = ((divr >> 9) & 0x7Fu) + 1; break;
    case PllOutput::Q: enable = kPllQEn, divider = ((divr >> 16) & 0x7Fu) + 1; break;
    case PllOutput::R: enable = kPllREn, divider = ((divr >> 24) & 0x7Fu) + 1; break;
  }
  if ((cfgr & enable) == 0) return 0;
  return static_cast<std::uint32_t>(pll_vco_hz(pll) / divider);
}

std::uint32_t Rcc::epod_boost_input_hz() const {
  const std::uint32_t code = (value(pll_cfgr(1)) >> 12) & 0xFu;
  if (code > 8) return 0;  // reserved codes
  return pll_input_hz(1) / (code == 0 ? 1u : 2u * code);
}

std::uint32_t Rcc::source_hz(std::uint32_t sw) const {
  switch (sw) {
    case kSwMsis: return msis_hz();
    case kSwHsi: return hsi16_hz();
    case kSwHse: return hse_hz();
    default: return pll_hz(1, PllOutput::R);
  }
}

std::uint32_t Rcc::sysclk_hz() const { return source_hz((value(kCfgr1) & kSwsMask) >> kSwsPos); }

std::uint32_t Rcc::computed_hclk_hz() const { return sysclk_hz() >> kAhbShift[value(kCfgr2) & 0xFu]; }

std::uint32_t Rcc::pclk1_hz() const {
  if (bit(kCfgr2, kApb1Dis)) return 0;
  return computed_hclk_hz() >> kApbShift[(value(kCfgr2) >> 4) & 0x7u];
}

std::uint32_t Rcc::pclk2_hz() const {
  if (bit(kCfgr2, kApb2Dis)) return 0;
  return computed_hclk_hz() >> kApbShift[(value(kCfgr2) >> 8) & 0x7u];
}

std::uint32_t Rcc::pclk3_hz() const {
  if (bit(kCfgr3, kApb3Dis)) return 0;
  return computed_hclk_hz() >> kApbShift[(value(kCfgr3) >> 4) & 0x7u];
}

std::uint32_t Rcc::systick_external_hz() const {
  switch ((value(kCcipr1) >> 22) & 0x3u) {
    case 0: return computed_hclk_hz() / 8;
    case 1: return lsi_hz();
    case 2: return lse_hz();
    default: return 0;  // reserved selection: no clock
  }
}

std::uint32_t Rcc::usart_kernel_hz(std::uint32_t usart_base) const {
  const std::uint32_t base = usart_base & ~kSecureAlias;
  if (base == kLpuart1) {
    switch (value(kCcipr3) & 0x7u) {
      case 0: return pclk3_hz();
      case 1: return sysclk_hz();
      case 2: return hsi16_hz();
      case 3: return lse_hz();
      case 4: return msik_hz();
      default: return 0;
    }
  }
  unsigned pos = 0;
  switch (base) {
    case kUsart1: pos = 0; break;
    case kUsart2: pos = 2; break;
    case kUsart3: pos = 4; break;
    case kUart4: pos = 6; break;
    case kUart5: pos = 8; break;
    default: return 0;
  }
  switch ((value(kCcipr1) >> pos) & 0x3u) {
    case 0: return base == kUsart1 ? pclk2_hz() : pclk1_hz();
    case 1: return sysclk_hz();
    case 2: return hsi16_hz();
    default: return lse_hz();
  }
}

}  // namespace ovrimo::model

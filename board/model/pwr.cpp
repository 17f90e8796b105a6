#include "model/pwr.h"

namespace ovrimo::model {

namespace {
constexpr std::uint32_t kCr3 = 0x08, kVosr = 0x0C, kDbpr = 0x28, kSr = 0x38, kSvmsr = 0x3C, kWusr = 0x44,
                        kWuscr = 0x48;

constexpr std::uint32_t kVosrBoostRdy = 1u << 14;
constexpr std::uint32_t kVosrVosRdy = 1u << 15;
constexpr unsigned kVosPos = 16;
constexpr std::uint32_t kVosMask = 3u << kVosPos;
constexpr std::uint32_t kVosrBoostEn = 1u << 18;

constexpr std::uint32_t kSvmsrRegs = 1u << 1;
constexpr std::uint32_t kSvmsrActVosRdy = 1u << 15;
constexpr std::uint32_t kCr3RegSel = 1u << 1;

constexpr std::uint32_t kSrCssf = 1u << 0;
constexpr std::uint32_t kSrStopF = 1u << 1;
constexpr std::uint32_t kSrSbf = 1u << 2;
}  // namespace

Pwr::Pwr(Scheduler& scheduler, PwrTiming timing)
    : Peripheral("PWR", kBase, 0x400), scheduler_(scheduler), timing_(timing) {
  constexpr std::uint32_t kAll = 0xFFFFFFFFu;
  // name, offset, reset, access, writable bits
  regs_.define({"CR1", 0x00, 0, Access::ReadWrite, 0x00000FE7});  // LPMS, RRSBx, ULPMEN, SRAMxPD
  regs_.define({"CR2", 0x04, 0, Access::ReadWrite, kAll});
  regs_.define({"CR3", 0x08, 0, Access::ReadWrite, 0x00000006})  // REGSEL, FSTEN
      .on_write([this](std::uint32_t old, std::uint32_t) { on_cr3_write(old); });
  regs_.define({"VOSR", kVosr, 0x00008000, Access::ReadWrite, kVosMask | kVosrBoostEn})
      .on_write([this](std::uint32_t old, std::uint32_t) { on_vosr_write(old); });
  regs_.define({"SVMCR", 0x10, 0, Access::ReadWrite, 0x7F0000F0});  // PVDE, PVDLS, monitors
  regs_.define({"WUCR1", 0x14, 0, Access::ReadWrite, kAll});
  regs_.define({"WUCR2", 0x18, 0, Access::ReadWrite, kAll});
  regs_.define({"WUCR3", 0x1C, 0, Access::ReadWrite, kAll});
  regs_.define({"BDCR1", 0x20, 0, Access::ReadWrite, kAll});
  regs_.define({"BDCR2", 0x24, 0, Access::ReadWrite, kAll});
  regs_.define({"DBPR", kDbpr, 0, Access::ReadWrite, 0x1});
  regs_.define({"UCPDR", 0x2C, 0, Access::ReadWrite, kAll});
  regs_.define({"SECCFGR", 0x30, 0, Access::ReadWrite, kAll});
  regs_.define({"PRIVCFGR", 0x34, 0, Access::ReadWrite, kAll});
  // CSSF is an action bit: writing 1 clears the stop and standby flags; it reads 0.
  regs_.define({"SR", kSr, 0, Access::ReadWrite, 0}).on_write([this](std::uint32_t, std::uint32_t written) {
    if (written & kSrCssf) regs_.at(kSr).clear_bits(kSrStopF | kSrSbf);
  });
  regs_.define({"SVMSR", kSvmsr, 0x00008000, Access::ReadOnly, 0});
  regs_.define({"BDSR", 0x40, 0, Access::ReadOnly, 0});
  regs_.define({"WUSR", kWusr, 0, Access::ReadOnly, 0});
  regs_.define({"WUSCR", kWuscr, 0, Access::WriteOnly, kAll})
      .on_write([this](std::uint32_t, std::uint32_t written) { regs_.at(kWusr).clear_bits(written); });
  regs_.define({"APCR", 0x4C, 0, Access::ReadWrite, kAll});
  static constexpr const char* kPull[] = {"PUCRA", "PDCRA", "PUCRB", "PDCRB", "PUCRC", "PDCRC",
                                          "PUCRD", "PDCRD", "PUCRE", "PDCRE", "PUCRF", "PDCRF",
                                          "PUCRG", "PDCRG", "PUCRH", "PDCRH", "PUCRI", "PDCRI"};
  std::uint32_t offset = 0x50;
  for (const char* name : kPull) {
    regs_.define({name, offset, 0, Access::ReadWrite, kAll});
    offset += 4;
  }
  regs_.define({"CR4", 0xA8, 0, Access::ReadWrite, kAll});
  regs_.define({"CR5", 0xAC, 0, Access::ReadWrite, kAll});
}

void Pwr::cancel_all() {
  for (Scheduler::EventId* id : {&vos_event_, &boost_event_, &regulator_event_}) {
    scheduler_.cancel(*id);
    *id = 0;
  }
}

void Pwr::reset() {
  cancel_all();
  Peripheral::reset();
}

bool Pwr::backup_domain_writable() const { return regs_.at(kDbpr).any(1u); }
unsigned Pwr::requested_range() const { return regs_.at(kVosr).field(kVosMask, kVosPos); }
unsigned Pwr::active_range() const { return regs_.at(kSvmsr).field(kVosMask, kVosPos); }
bool Pwr::range_ready() const { return regs_.at(kVosr).any(kVosrVosRdy) && regs_.at(kSvmsr).any(kSvmsrActVosRdy); }
bool Pwr::boost_ready() const { return regs_.at(kVosr).any(kVosrBoostRdy); }

void Pwr::on_vosr_write(std::uint32_t old) {
  Register& vosr = regs_.at(kVosr);
  // A new range request: the regulator leaves the old range, both ready flags drop until the
  // new level is reached. Rewriting the range already requested changes nothing.
  if ((vosr.value() & kVosMask) != (old & kVosMask)) {
    scheduler_.cancel(vos_event_);
    vosr.clear_bits(kVosrVosRdy);
    regs_.at(kSvmsr).clear_bits(kSvmsrActVosRdy);
    vos_event_ = scheduler_.after(timing_.vos_transition, [this] {
      vos_event_ = 0;
      Register& vosr_now = regs_.at(kVosr);
      Register& svmsr = regs_.at(kSvmsr);
      svmsr.set((svmsr.value() & ~kVosMask) | (vosr_now.value() & kVosMask));
      svmsr.set_bits(kSvmsrActVosRdy);
      vosr_now.set_bits(kVosrVosRdy);
    });
  }
  // The booster is ready a while after it is enabled and stops at once when disabled.
  if (vosr.any(kVosrBoostEn)) {
    if (!vosr.any(kVosrBoostRdy) && !scheduler_.pending(boost_event_))
      boost_event_ = scheduler_.after(timing_.boost_startup, [this] {
        boost_event_ = 0;
        regs_.at(kVosr).set_bits(kVosrBoostRdy);
      });
  } else {
    scheduler_.cancel(boost_event_);
    boost_event_ = 0;
    vosr.clear_bits(kVosrBoostRdy);
  }
}

void Pwr::on_cr3_write(std::uint32_t old) {
  if (((regs_.at(kCr3).value() ^ old) & kCr3RegSel) == 0) return;
  scheduler_.cancel(regulator_event_);
  regulator_event_ = scheduler_.after(timing_.regulator_switch, [this] {
    regulator_event_ = 0;
    regs_.at(kSvmsr).assign_bits(kSvmsrRegs, regs_.at(kCr3).any(kCr3RegSel));
  });
}

}  // namespace ovrimo::model

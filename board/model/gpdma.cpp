#include "model/gpdma.h"

namespace ovrimo::model {

Gpdma::Gpdma(Scheduler& scheduler, GpdmaTiming timing)
    : Peripheral("GPDMA1", kBase, 0x1000), scheduler_(scheduler), timing_(timing) {
  regs_.define({"SECCFGR", 0x00, 0, Access::ReadWrite, 0xFFFFu});
  regs_.define({"PRIVCFGR", 0x04, 0, Access::ReadWrite, 0xFFFFu});
  regs_.define({"RCFGLOCKR", 0x08, 0, Access::ReadWrite, 0xFFFFu});
  regs_.define({"MISR", 0x0C, 0, Access::ReadOnly});
  regs_.define({"SMISR", 0x10, 0, Access::ReadOnly});

  struct ChannelRegister {
    const char* name;
    std::uint32_t offset;
    std::uint32_t reset;
    Access access;
    std::uint32_t writable;
    bool two_dimensional_only;
  };
  static constexpr ChannelRegister kChannelRegisters[] = {
      {"LBAR", kClbar, 0, Access::ReadWrite, 0xFFFF0000u, false},
      {"FCR", kCfcr, 0, Access::WriteOnly, kCsrFlags, false},
      {"SR", kCsr, kCsrIdlef, Access::ReadOnly, 0, false},
      {"CR", kCcr, 0, Access::ReadWrite, 0x00C37F05u, false},  // RESET is write-only: never stored
      {"TR1", kCtr1, 0, Access::ReadWrite, 0xFFFFFFFFu, false},
      {"TR2", kCtr2, 0, Access::ReadWrite, 0xFFFFFFFFu, false},
      {"BR1", kCbr1, 0, Access::ReadWrite, 0xFFFFFFFFu, false},
      {"SAR", kCsar, 0, Access::ReadWrite, 0xFFFFFFFFu, false},
      {"DAR", kCdar, 0, Access::ReadWrite, 0xFFFFFFFFu, false},
      {"TR3", kCtr3, 0, Access::ReadWrite, 0xFFFFFFFFu, true},
      {"BR2", kCbr2, 0, Access::ReadWrite, 0xFFFFFFFFu, true},
      {"LLR", kCllr, 0, Access::ReadWrite, 0xFFFFFFFCu, false},
  };
  for (unsigned ch = 0; ch < kChannels; ++ch) {
    for (const ChannelRegister& r : kChannelRegisters) {
      if (r.two_dimensional_only && ch < 12) continue;
      names_.push_back("C" + std::to_string(ch) + r.name);
      Register& reg = regs_.define({names_.back(), channel_base(ch) + r.offset, r.reset, r.access, r.writable});
      if (r.offset == kCfcr) {
        reg.on_write([this, ch](std::uint32_t, std::uint32_t written) {
          channels_[ch].csr->clear_bits(written & kCsrFlags);
        });
      } else if (r.offset == kCcr) {
        reg.on_write([this, ch](std::uint32_t old, std::uint32_t written) { on_ccr_write(ch, old, written); });
      }
    }
    channels_[ch].csr = &regs_.at(channel_base(ch) + kCsr);
    channels_[ch].ccr = &regs_.at(channel_base(ch) + kCcr);
  }
}

void Gpdma::reset() {
  Peripheral::reset();
  for (Channel& channel : channels_) {
    scheduler_.cancel(channel.suspend_event);
    channel.suspend_event = 0;
  }
}

void Gpdma::on_ccr_write(unsigned ch, std::uint32_t old, std::uint32_t written) {
  Channel& channel = channels_[ch];
  Register& ccr = *channel.ccr;
  Register& csr = *channel.csr;
  if ((written & kCcrReset) != 0) {
    // The channel stops and forgets its transfer; its flags stay for software to clear.
    scheduler_.cancel(channel.suspend_event);
    channel.suspend_event = 0;
    ccr.clear_bits(kCcrEn | kCcrSusp);
    csr.clear_bits(kCsrFifol);
    csr.set_bits(kCsrIdlef);
    return;
  }
  // Software cannot clear EN: a running channel stops only by suspend and reset.
  if ((old & kCcrEn) != 0) ccr.set_bits(kCcrEn);
  const std::uint32_t now = ccr.value();
  if ((old & kCcrEn) == 0 && (now & kCcrEn) != 0 && (now & kCcrSusp) == 0) csr.clear_bits(kCsrIdlef);
  if ((old & kCcrSusp) == 0 && (now & kCcrSusp) != 0) {
    scheduler_.cancel(channel.suspend_event);
    channel.suspend_event = 0;
    if (!channel.suspend_stuck) {
      channel.suspend_event = scheduler_.after(timing_.suspend_delay, [this, ch] {
        channels_[ch].suspend_event = 0;
        channels_[ch].csr->set_bits(kCsrSuspf | kCsrIdlef);
      });
    }
  } else if ((old & kCcrSusp) != 0 && (now & kCcrSusp) == 0) {
    scheduler_.cancel(channel.suspend_event);
    channel.suspend_event = 0;
    if ((now & kCcrEn) != 0) csr.clear_bits(kCsrIdlef);  // resumed
  }
}

}  // namespace ovrimo::model

// General-purpose DMA controller: the channel registers the UART abort path uses.
//
// The model moves no data. A channel that software enables stays busy (IDLEF clear) until it is
// suspended or reset; a suspend request is acknowledged with SUSPF and IDLEF after a short
// delay; RESET returns the channel to idle. That is what stopping a transfer relies on.
#pragma once

#include <array>
#include <deque>
#include <string>

#include "model/peripheral.h"
#include "model/time.h"

namespace ovrimo::model {

struct GpdmaTiming {
  // From CxCR.SUSP to CxSR.SUSPF: the channel finishes its current single transfer first. Not
  // checked against the datasheet.
  Time suspend_delay = 1 * kMicrosecond;
};

class Gpdma : public Peripheral {
 public:
  static constexpr std::uint32_t kBase = 0x40020000;
  static constexpr unsigned kChannels = 16;

  // Channel register offsets, relative to the channel's base.
  static constexpr std::uint32_t kClbar = 0x00, kCfcr = 0x0C, kCsr = 0x10, kCcr = 0x14, kCtr1 = 0x40,
                                 kCtr2 = 0x44, kCbr1 = 0x48, kCsar = 0x4C, kCdar = 0x50, kCtr3 = 0x54,
                                 kCbr2 = 0x58, kCllr = 0x7C;
  static constexpr std::uint32_t kCcrEn = 1u << 0, kCcrReset = 1u << 1, kCcrSusp = 1u << 2;
  static constexpr std::uint32_t kCsrIdlef = 1u << 0, kCsrSuspf = 1u << 13, kCsrFlags = 0x7F00u,
                                 kCsrFifol = 0xFFu << 16;

  static constexpr std::uint32_t channel_base(unsigned channel) { return 0x50 + 0x80 * channel; }

  explicit Gpdma(Scheduler& scheduler, GpdmaTiming timing = {});

  void reset() override;

  // Channel register value by offset, for tests.
  std::uint32_t channel_reg(unsigned channel, std::uint32_t offset) const {
    return regs_.at(channel_base(channel) + offset).value();
  }

  // Fault injection: a channel that never acknowledges a suspend request.
  void set_suspend_stuck(unsigned channel, bool stuck) { channels_.at(channel).suspend_stuck = stuck; }

 private:
  struct Channel {
    Register* csr = nullptr;
    Register* ccr = nullptr;
    Scheduler::EventId suspend_event = 0;
    bool suspend_stuck = false;
  };

  void on_ccr_write(unsigned channel, std::uint32_t old, std::uint32_t written);

  Scheduler& scheduler_;
  GpdmaTiming timing_;
  std::deque<std::string> names_;  // register names, kept alive for the bank
  std::array<Channel, kChannels> channels_{};
};

}  // namespace ovrimo::model

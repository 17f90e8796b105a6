// Power control: voltage scaling ranges and their ready flags, the EPOD booster, backup-domain
// protection and the low-power flags.
#pragma once

#include "model/peripheral.h"
#include "model/time.h"

namespace ovrimo::model {

// Settling times of the regulator. Not checked against the datasheet (no timing table was
// available to us); they sit well inside the 50 us the driver allows for a range change.
struct PwrTiming {
  Time vos_transition = 20 * kMicrosecond;  // VOS written -> VOSRDY / ACTVOSRDY
  Time boost_startup = 30 * kMicrosecond;   // BOOSTEN -> BOOSTRDY
  Time regulator_switch = 20 * kMicrosecond;  // CR3.REGSEL -> SVMSR.REGS
};

class Pwr : public Peripheral {
 public:
  static constexpr std::uint32_t kBase = 0x46020800;

  explicit Pwr(Scheduler& scheduler, PwrTiming timing = {});

  void reset() override;

  // DBPR.DBP: backup-domain registers (RCC BDCR among them) accept writes.
  bool backup_domain_writable() const;
  // Voltage range codes as in VOSR.VOS / SVMSR.ACTVOS (0 = range 4 ... 3 = range 1).
  unsigned requested_range() const;
  unsigned active_range() const;
  bool range_ready() const;
  bool boost_ready() const;

  const PwrTiming& timing() const { return timing_; }

 private:
  void on_vosr_write(std::uint32_t old);
  void on_cr3_write(std::uint32_t old);
  void cancel_all();

  Scheduler& scheduler_;
  PwrTiming timing_;
  Scheduler::EventId vos_event_ = 0;
  Scheduler::EventId boost_event_ = 0;
  Scheduler::EventId regulator_event_ = 0;
};

}  // namespace ovrimo::model

// Instruction cache controller: enable and disable with the completion delay of a disable,
// full invalidation with its busy and busy-end flags, and the configuration registers.
//
// The cache contents are not modelled (every fetch behaves as a miss), so the hit and miss
// monitors stay at zero.
#pragma once

#include "model/peripheral.h"
#include "model/time.h"

namespace ovrimo::model {

// How long the controller takes. Not checked against the datasheet (no timing figure for the
// cache was available to us): orders of magnitude only, kept short so that a disable completes
// well within the firmware's 1 ms limit.
struct ICacheTiming {
  Time disable = 1 * kMicrosecond;     // EN keeps reading 1 this long after software clears it
  Time invalidate = 4 * kMicrosecond;  // BUSYF set to BSYENDF set
};

// Injected faults: the controller never finishes what it was asked to do.
struct ICacheFaults {
  bool disable_hangs = false;     // a disable never completes: EN reads 1 for ever
  bool invalidate_hangs = false;  // an invalidate never ends: BUSYF stays set
};

class ICache : public Peripheral {
 public:
  static constexpr std::uint32_t kBase = 0x40030400;

  explicit ICache(Scheduler& scheduler, ICacheTiming timing = {});

  void reset() override;

  const ICacheTiming& timing() const { return timing_; }
  void set_timing(const ICacheTiming& timing) { timing_ = timing; }
  ICacheFaults faults;

  // True while a disable request is in progress (EN written 0, still reading 1).
  bool disabling() const { return disable_requested_; }
  bool invalidating() const;

 private:
  void write_cr(std::uint32_t old_value, std::uint32_t written);
  void start_invalidate();
  void finish_disable();
  void finish_invalidate();
  void cancel_events();

  Scheduler& scheduler_;
  ICacheTiming timing_;
  bool disable_requested_ = false;
  Scheduler::EventId disable_event_ = 0;
  Scheduler::EventId invalidate_event_ = 0;
};

}  // namespace ovrimo::model

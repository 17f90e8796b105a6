// Instruction cache controller: enable and disable with the completion delay of a disable,
// full invalidation with its busy and busy-end flags, the configuration registers, and the cache
// lines themselves.
//
// The cache sits on the code bus and serves data reads of flash as well as instruction fetches,
// and flash erase and programming neither update nor drop its lines: a word read after an erase
// or a program returns the old contents while the line is cached (reported by users of this MCU
// family; disabling the cache around the operation, or a reset, cured it). The model keeps the
// lines of the data reads that go through it (8 KB of 16-byte lines, direct-mapped or 2-way by
// WAYSEL with the least recently used way replaced), fills them on a read while EN is set and no
// invalidate runs, and drops them only on CACHEINV, a reset or a change of WAYSEL. Instruction
// fetches are not modelled, nor their evictions: a stale line lives until an invalidate or a
// conflicting data read, the worst case firmware must survive.
#pragma once

#include <array>
#include <vector>

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

// What the cache does where no document says. The defaults are the pessimistic choice.
struct ICacheBehaviour {
  // Whether a completed disable also invalidates the lines. Undocumented: by default the lines
  // survive, so firmware that relies on a disable to drop them reads stale data after the next
  // enable.
  bool disable_drops_lines = false;
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
  ICacheBehaviour behaviour;

  // A data read of flash through the code bus: served from a line when one holds the address,
  // else from `array` (flash contents from the flash base), filling a line while the cache is
  // on. `offset` is from the flash base; the access may be 1, 2 or 4 bytes.
  std::uint32_t read_flash(const std::vector<std::uint8_t>& array, std::uint32_t offset, unsigned size);
  // True when a read of `offset` now would be served by a line, not by the flash.
  bool holds(std::uint32_t offset) const;
  // Number of valid lines (for tests).
  unsigned valid_lines() const;

  // True while a disable request is in progress (EN written 0, still reading 1).
  bool disabling() const { return disable_requested_; }
  bool invalidating() const;

 private:
  void write_cr(std::uint32_t old_value, std::uint32_t written);
  void start_invalidate();
  void finish_disable();
  void finish_invalidate();
  void cancel_events();
  void drop_lines();

  Scheduler& scheduler_;
  ICacheTiming timing_;
  bool disable_requested_ = false;
  Scheduler::EventId disable_event_ = 0;
  Scheduler::EventId invalidate_event_ = 0;

  static constexpr std::uint32_t kLineSize = 16;
  static constexpr unsigned kLines = 8 * 1024 / kLineSize;
  struct Line {
    bool valid = false;
    std::uint32_t base = 0;  // flash offset of the line's first byte
    std::array<std::uint8_t, kLineSize> data{};
  };
  // The line holding `offset`, filled from `array` on a miss.
  const Line& line_for(const std::vector<std::uint8_t>& array, std::uint32_t offset, bool& hit);
  // Direct-mapped: line i is set i. 2-way: set s holds lines 2s and 2s+1.
  std::array<Line, kLines> lines_{};
  std::array<std::uint8_t, kLines / 2> lru_{};  // 2-way: the way to replace next, per set
};

}  // namespace ovrimo::model

#include "model/icache.h"

namespace ovrimo::model {

namespace {
constexpr std::uint32_t kCr = 0x00, kSr = 0x04, kHmonr = 0x10, kMmonr = 0x14;

constexpr std::uint32_t kCrEn = 1u << 0;
constexpr std::uint32_t kCrCacheInv = 1u << 1;
constexpr std::uint32_t kCrWaySel = 1u << 2;
constexpr std::uint32_t kCrHitMen = 1u << 16;
constexpr std::uint32_t kCrMissMen = 1u << 17;
constexpr std::uint32_t kCrHitMrst = 1u << 18;
constexpr std::uint32_t kCrMissMrst = 1u << 19;

constexpr std::uint32_t kSrBusyF = 1u << 0;
constexpr std::uint32_t kSrBsyEndF = 1u << 1;
constexpr std::uint32_t kSrErrF = 1u << 2;

// BASEADDR, RSIZE, REN, REMAPADDR, MSTSEL, HBURST of the region configuration registers.
constexpr std::uint32_t kCrrWritable = 0x97FF8EFF;
}  // namespace

ICache::ICache(Scheduler& scheduler, ICacheTiming timing)
    : Peripheral("ICACHE", kBase, 0x400), scheduler_(scheduler), timing_(timing) {
  // CR has rules per bit (EN takes effect late on disable, WAYSEL only while off), so the
  // write hook applies every bit itself.
  regs_.define({"CR", 0x00, kCrWaySel, Access::ReadWrite, 0})
      .on_write([this](std::uint32_t old_value, std::uint32_t written) { write_cr(old_value, written); });
  regs_.define({"SR", 0x04, kSrBusyF, Access::ReadOnly, 0});
  regs_.define({"IER", 0x08, 0, Access::ReadWrite, kSrBsyEndF | kSrErrF});
  regs_.define({"FCR", 0x0C, 0, Access::WriteOnly}).on_write([this](std::uint32_t, std::uint32_t written) {
    regs_.at(kSr).clear_bits(written & (kSrBsyEndF | kSrErrF));
  });
  regs_.define({"HMONR", 0x10, 0, Access::ReadOnly, 0});
  regs_.define({"MMONR", 0x14, 0, Access::ReadOnly, 0});
  regs_.define({"CRR0", 0x20, 0x200, Access::ReadWrite, kCrrWritable});
  regs_.define({"CRR1", 0x24, 0x200, Access::ReadWrite, kCrrWritable});
  regs_.define({"CRR2", 0x28, 0x200, Access::ReadWrite, kCrrWritable});
  regs_.define({"CRR3", 0x2C, 0x200, Access::ReadWrite, kCrrWritable});
  reset();
}

void ICache::reset() {
  cancel_events();
  Peripheral::reset();
  // SR resets with BUSYF set: the controller invalidates the cache after every reset.
  start_invalidate();
}

bool ICache::invalidating() const { return regs_.at(kSr).any(kSrBusyF); }

void ICache::cancel_events() {
  scheduler_.cancel(disable_event_);
  scheduler_.cancel(invalidate_event_);
  disable_event_ = 0;
  invalidate_event_ = 0;
  disable_requested_ = false;
}

void ICache::write_cr(std::uint32_t old_value, std::uint32_t written) {
  Register& cr = regs_.at(kCr);
  const bool was_enabled = (old_value & kCrEn) != 0;  // as software read it, disable pending or not

  cr.assign_bits(kCrHitMen, written & kCrHitMen);
  cr.assign_bits(kCrMissMen, written & kCrMissMen);
  cr.assign_bits(kCrHitMrst, written & kCrHitMrst);
  cr.assign_bits(kCrMissMrst, written & kCrMissMrst);
  if (written & kCrHitMrst) regs_.at(kHmonr).set(0);
  if (written & kCrMissMrst) regs_.at(kMmonr).set(0);

  // The associativity can only change while the cache reads as off.
  if (!was_enabled) cr.assign_bits(kCrWaySel, written & kCrWaySel);

  if (written & kCrEn) {
    cr.set_bits(kCrEn);  // enabling takes effect at once, and withdraws a pending disable
    scheduler_.cancel(disable_event_);
    disable_event_ = 0;
    disable_requested_ = false;
  } else if (was_enabled && !disable_requested_) {
    disable_requested_ = true;
    if (!faults.disable_hangs) disable_event_ = scheduler_.after(timing_.disable, [this] { finish_disable(); });
  }

  // CACHEINV starts a full invalidate; the controller clears it as BUSYF rises.
  if ((written & kCrCacheInv) && !invalidating()) start_invalidate();
  cr.clear_bits(kCrCacheInv);
}

void ICache::finish_disable() {
  disable_event_ = 0;
  disable_requested_ = false;
  regs_.at(kCr).clear_bits(kCrEn);
  // Switching off invalidates the cache, so that the next enable starts clean.
  if (!invalidating()) start_invalidate();
}

void ICache::start_invalidate() {
  // BSYENDF of an earlier invalidate stays until software clears it through FCR.
  regs_.at(kSr).set_bits(kSrBusyF);
  scheduler_.cancel(invalidate_event_);
  invalidate_event_ = faults.invalidate_hangs ? 0 : scheduler_.after(timing_.invalidate, [this] { finish_invalidate(); });
}

void ICache::finish_invalidate() {
  invalidate_event_ = 0;
  Register& sr = regs_.at(kSr);
  sr.clear_bits(kSrBusyF);
  sr.set_bits(kSrBsyEndF);
}

}  // namespace ovrimo::model

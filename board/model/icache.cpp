#include "model/icache.h"

#include <algorithm>

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

  // The associativity can only change while the cache reads as off; the lines of the old
  // arrangement mean nothing in the new one.
  if (!was_enabled && ((old_value ^ written) & kCrWaySel) != 0) {
    cr.assign_bits(kCrWaySel, written & kCrWaySel);
    drop_lines();
  }

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
  if (behaviour.disable_drops_lines && !invalidating()) start_invalidate();
}

void ICache::start_invalidate() {
  // BSYENDF of an earlier invalidate stays until software clears it through FCR.
  regs_.at(kSr).set_bits(kSrBusyF);
  drop_lines();
  scheduler_.cancel(invalidate_event_);
  invalidate_event_ = faults.invalidate_hangs ? 0 : scheduler_.after(timing_.invalidate, [this] { finish_invalidate(); });
}

void ICache::finish_invalidate() {
  invalidate_event_ = 0;
  Register& sr = regs_.at(kSr);
  sr.clear_bits(kSrBusyF);
  sr.set_bits(kSrBsyEndF);
}

void ICache::drop_lines() {
  for (Line& line : lines_) line.valid = false;
}

unsigned ICache::valid_lines() const {
  unsigned n = 0;
  for (const Line& line : lines_) n += line.valid ? 1u : 0u;
  return n;
}

std::uint32_t ICache::read_flash(const std::vector<std::uint8_t>& array, std::uint32_t offset, unsigned size) {
  // Lines are filled only while the cache is on and no invalidate is running; a disabled cache
  // passes reads straight to flash and leaves its lines as they are.
  Register& cr = regs_.at(kCr);
  const bool active = cr.any(kCrEn) && !invalidating();
  std::uint32_t value = 0;
  for (unsigned i = 0; i < size; ++i) {
    const std::uint32_t at = offset + i;
    if (at >= array.size()) break;
    std::uint8_t byte = array[at];
    if (active) {
      bool hit = false;
      const Line& line = line_for(array, at, hit);
      byte = line.data[at - line.base];
      if (i == 0) {
        Register& monitor = regs_.at(hit ? kHmonr : kMmonr);
        const std::uint32_t limit = hit ? 0xFFFFFFFFu : 0xFFFFu;
        if (cr.any(hit ? kCrHitMen : kCrMissMen) && monitor.value() < limit) monitor.set(monitor.value() + 1);
      }
    }
    value |= std::uint32_t{byte} << (8 * i);
  }
  return value;
}

bool ICache::holds(std::uint32_t offset) const {
  if (!regs_.at(kCr).any(kCrEn) || invalidating()) return false;
  const std::uint32_t base = offset & ~(kLineSize - 1);
  const bool two_way = regs_.at(kCr).any(kCrWaySel);
  const unsigned set = (base / kLineSize) % (two_way ? kLines / 2 : kLines);
  const Line* ways = two_way ? &lines_[2 * set] : &lines_[set];
  for (unsigned w = 0; w < (two_way ? 2u : 1u); ++w)
    if (ways[w].valid && ways[w].base == base) return true;
  return false;
}

const ICache::Line& ICache::line_for(const std::vector<std::uint8_t>& array, std::uint32_t offset, bool& hit) {
  const std::uint32_t base = offset & ~(kLineSize - 1);
  const bool two_way = regs_.at(kCr).any(kCrWaySel);
  const unsigned set = (base / kLineSize) % (two_way ? kLines / 2 : kLines);
  Line* ways = two_way ? &lines_[2 * set] : &lines_[set];
  const unsigned nways = two_way ? 2 : 1;
  for (unsigned w = 0; w < nways; ++w) {
    if (ways[w].valid && ways[w].base == base) {
      if (two_way) lru_[set] = static_cast<std::uint8_t>(1 - w);
      hit = true;
      return ways[w];
    }
  }
  hit = false;
  const unsigned victim = two_way ? lru_[set] : 0;
  Line& line = ways[victim];
  line.valid = true;
  line.base = base;
  const std::size_t n = std::min<std::size_t>(kLineSize, array.size() - base);
  std::copy_n(array.begin() + base, n, line.data.begin());
  if (two_way) lru_[set] = static_cast<std::uint8_t>(1 - victim);
  return line;
}

}  // namespace ovrimo::model

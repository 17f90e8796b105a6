// The physical address space of the MCU as the model sees it.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ovrimo::model {

// Anything that answers loads and stores in an address range.
class BusTarget {
 public:
  virtual ~BusTarget() = default;
  virtual std::uint32_t read(std::uint32_t offset, unsigned size) = 0;
  virtual void write(std::uint32_t offset, std::uint32_t value, unsigned size) = 0;
  // True when a read of `offset` changes nothing and returns what the previous read returned
  // unless a write or a scheduled event came in between: the mere passing of time does not
  // change it. A runner may then skip a polling loop over such reads up to the next event.
  // Unknown targets say no.
  virtual bool steady_read(std::uint32_t /*offset*/) const { return false; }
};

// An access that no peripheral or memory answers: on the chip a bus fault.
class BusError : public std::runtime_error {
 public:
  BusError(std::uint32_t address, bool is_write)
      : std::runtime_error(describe(address, is_write)), address_(address), is_write_(is_write) {}
  std::uint32_t address() const { return address_; }
  bool is_write() const { return is_write_; }

 private:
  static std::string describe(std::uint32_t address, bool is_write);
  std::uint32_t address_;
  bool is_write_;
};

struct BusAccess {
  std::uint32_t address;
  std::uint32_t value;
  unsigned size;
  bool is_write;
  const std::string* region;  // name of the region that answered
};

class Bus {
 public:
  // `clocked` (optional) says whether the region's bus clock is on; while it is off the region
  // reads as zero and ignores writes, as a peripheral does on the chip.
  void map(std::string name, std::uint32_t base, std::uint32_t size, BusTarget& target,
           std::function<bool()> clocked = {});

  std::uint32_t read(std::uint32_t address, unsigned size);
  void write(std::uint32_t address, std::uint32_t value, unsigned size);

  // See BusTarget::steady_read. A region whose bus clock is off reads zero until a write turns
  // the clock on, so it is steady; an unmapped address is not (the read faults).
  bool steady_read(std::uint32_t address) const;

  // True when some region answers `address`.
  bool mapped(std::uint32_t address) const { return find(address) != nullptr; }
  std::string region_name(std::uint32_t address) const;

  // Observer of every access (tracing); empty to switch off.
  void set_observer(std::function<void(const BusAccess&)> observer) { observer_ = std::move(observer); }

 private:
  struct Region {
    std::string name;
    std::uint32_t base;
    std::uint32_t size;
    BusTarget* target;
    std::function<bool()> clocked;
  };
  const Region* find(std::uint32_t address) const;

  std::vector<Region> regions_;
  // Polling hits the same register over and over: the region found last is tried first.
  mutable std::size_t last_found_ = 0;
  std::function<void(const BusAccess&)> observer_;
};

}  // namespace ovrimo::model

#include "model/bus.h"

#include <cstdio>

namespace ovrimo::model {

std::string BusError::describe(std::uint32_t address, bool is_write) {
  char text[96];
  std::snprintf(text, sizeof text, "bus fault: %s of unmapped address 0x%08X",
                is_write ? "write" : "read", static_cast<unsigned>(address));
  return text;
}

void Bus::map(std::string name, std::uint32_t base, std::uint32_t size, BusTarget& target,
              std::function<bool()> clocked) {
  for (const Region& r : regions_) {
    const std::uint64_t end = std::uint64_t{base} + size;
    const std::uint64_t r_end = std::uint64_t{r.base} + r.size;
    if (base < r_end && r.base < end) throw std::logic_error("bus regions overlap: " + name + " and " + r.name);
  }
  regions_.push_back(Region{std::move(name), base, size, &target, std::move(clocked)});
}

const Bus::Region* Bus::find(std::uint32_t address) const {
  if (last_found_ < regions_.size() && address - regions_[last_found_].base < regions_[last_found_].size)
    return &regions_[last_found_];
  for (std::size_t i = 0; i < regions_.size(); ++i) {
    if (address - regions_[i].base < regions_[i].size) {
      last_found_ = i;
      return &regions_[i];
    }
  }
  return nullptr;
}

std::string Bus::region_name(std::uint32_t address) const {
  const Region* r = find(address);
  return r ? r->name : std::string("unmapped");
}

std::uint32_t Bus::read(std::uint32_t address, unsigned size) {
  const Region* r = find(address);
  if (r == nullptr) throw BusError(address, false);
  std::uint32_t value = 0;
  if (!r->clocked || r->clocked()) value = r->target->read(address - r->base, size);
  if (observer_) observer_(BusAccess{address, value, size, false, &r->name});
  return value;
}

bool Bus::steady_read(std::uint32_t address) const {
  const Region* r = find(address);
  if (r == nullptr) return false;
  if (r->clocked && !r->clocked()) return true;
  return r->target->steady_read(address - r->base);
}

void Bus::write(std::uint32_t address, std::uint32_t value, unsigned size) {
  const Region* r = find(address);
  if (r == nullptr) throw BusError(address, true);
  if (observer_) observer_(BusAccess{address, value, size, true, &r->name});
  if (!r->clocked || r->clocked()) r->target->write(address - r->base, value, size);
}

}  // namespace ovrimo::model

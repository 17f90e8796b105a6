#include "model/register_bank.h"

#include <stdexcept>

namespace ovrimo::model {

std::uint32_t Register::software_read() {
  if (def_.access == Access::WriteOnly) return 0;
  return read_hook_ ? read_hook_(value_) : value_;
}

void Register::software_write(std::uint32_t written, std::uint32_t lane_mask) {
  const std::uint32_t old = value_;
  const std::uint32_t mask = def_.writable & lane_mask;
  switch (def_.access) {
    case Access::ReadWrite:
      value_ = (value_ & ~mask) | (written & mask);
      break;
    case Access::Write1Clear:
      value_ &= ~(written & mask);
      break;
    case Access::ReadOnly:
    case Access::WriteOnly:
      break;
  }
  if (write_hook_) write_hook_(old, written & lane_mask);
}

Register& RegisterBank::define(const RegisterDef& def) {
  if (def.offset % 4 != 0) throw std::logic_error("register offset not word aligned");
  auto [it, inserted] = regs_.emplace(def.offset, Register(def));
  if (!inserted) throw std::logic_error("two registers at one offset");
  const std::size_t word = def.offset >> 2;
  if (word >= by_word_.size()) by_word_.resize(word + 1, nullptr);
  by_word_[word] = &it->second;
  return it->second;
}

Register& RegisterBank::at(std::uint32_t offset) {
  Register* r = lookup(offset);
  if (r == nullptr) throw std::out_of_range("no register at offset");
  return *r;
}

const Register& RegisterBank::at(std::uint32_t offset) const {
  const Register* r = lookup(offset);
  if (r == nullptr) throw std::out_of_range("no register at offset");
  return *r;
}

Register* RegisterBank::find(std::uint32_t offset) { return lookup(offset); }

Register& RegisterBank::named(std::string_view name) {
  for (auto& [offset, reg] : regs_)
    if (reg.name() == name) return reg;
  throw std::out_of_range("no register named " + std::string(name));
}

const Register& RegisterBank::named(std::string_view name) const {
  for (const auto& [offset, reg] : regs_)
    if (reg.name() == name) return reg;
  throw std::out_of_range("no register named " + std::string(name));
}

namespace {
std::uint32_t lane_mask_for(std::uint32_t offset, unsigned size) {
  const unsigned shift = (offset & 3u) * 8u;
  const std::uint32_t lanes = size >= 4 ? 0xFFFFFFFFu : ((1u << (size * 8u)) - 1u);
  return lanes << shift;
}
}  // namespace

std::uint32_t RegisterBank::read(std::uint32_t offset, unsigned size) {
  Register* reg = find(offset);
  if (reg == nullptr) return 0;  // reserved: read as zero
  const std::uint32_t word = reg->software_read();
  const unsigned shift = (offset & 3u) * 8u;
  return (word & lane_mask_for(offset, size)) >> shift;
}

void RegisterBank::write(std::uint32_t offset, std::uint32_t value, unsigned size) {
  Register* reg = find(offset);
  if (reg == nullptr) return;  // reserved: write ignored
  const unsigned shift = (offset & 3u) * 8u;
  const std::uint32_t lanes = lane_mask_for(offset, size);
  reg->software_write((value << shift) & lanes, lanes);
}

void RegisterBank::reset() {
  for (auto& [offset, reg] : regs_) reg.reset();
}

}  // namespace ovrimo::model

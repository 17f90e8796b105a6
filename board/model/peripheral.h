// Base of every register-mapped peripheral model.
#pragma once

#include <cstdint>
#include <string>

#include "model/bus.h"
#include "model/register_bank.h"

namespace ovrimo::model {

class Peripheral : public BusTarget {
 public:
  Peripheral(std::string name, std::uint32_t base, std::uint32_t size)
      : name_(std::move(name)), base_(base), size_(size) {}

  const std::string& name() const { return name_; }
  std::uint32_t base() const { return base_; }
  std::uint32_t size() const { return size_; }

  std::uint32_t read(std::uint32_t offset, unsigned size) override { return regs_.read(offset, size); }
  void write(std::uint32_t offset, std::uint32_t value, unsigned size) override {
    regs_.write(offset, value, size);
  }
  // A register computed or changed by its read (a read hook) is not steady; a stored one is.
  bool steady_read(std::uint32_t offset) const override { return regs_.steady_read(offset); }

  // Return to the reset state (power-on, or a pulse on the peripheral's RCC reset line).
  virtual void reset() { regs_.reset(); }

  RegisterBank& regs() { return regs_; }
  const RegisterBank& regs() const { return regs_; }
  // Register value by name, for tests and traces.
  std::uint32_t reg(std::string_view register_name) const { return regs_.named(register_name).value(); }

 protected:
  RegisterBank regs_;

 private:
  std::string name_;
  std::uint32_t base_;
  std::uint32_t size_;
};

}  // namespace ovrimo::model

// Register-description helpers for peripheral models.
//
// A model lists its registers once (name, offset, reset value, access kind, writable bits) and
// attaches behaviour to the few that have any; the bank then handles the bus side: sub-word
// accesses, read-only and write-only bits, write-1-to-clear flags and reserved offsets
// (read as zero, writes ignored), so that a model reads like the register map it implements.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <vector>
#include <string>
#include <string_view>

namespace ovrimo::model {

enum class Access {
  ReadWrite,     // writable bits take the written value
  ReadOnly,      // writes are ignored
  WriteOnly,     // reads return 0; the written value only reaches the write hook
  Write1Clear,   // writing 1 to a writable bit clears it; 0 leaves it
};

struct RegisterDef {
  std::string_view name;
  std::uint32_t offset;
  std::uint32_t reset = 0;
  Access access = Access::ReadWrite;
  std::uint32_t writable = 0xFFFFFFFFu;  // bits software may change; the rest are the model's
};

class Register {
 public:
  using WriteHook = std::function<void(std::uint32_t old_value, std::uint32_t written)>;
  using ReadHook = std::function<std::uint32_t(std::uint32_t stored)>;

  explicit Register(const RegisterDef& def) : def_(def), value_(def.reset) {}

  const RegisterDef& def() const { return def_; }
  std::string_view name() const { return def_.name; }

  // The value the hardware holds; models change it directly, bypassing access rules and hooks.
  std::uint32_t value() const { return value_; }
  void set(std::uint32_t v) { value_ = v; }
  void set_bits(std::uint32_t mask) { value_ |= mask; }
  void clear_bits(std::uint32_t mask) { value_ &= ~mask; }
  void assign_bits(std::uint32_t mask, bool on) { on ? set_bits(mask) : clear_bits(mask); }
  bool any(std::uint32_t mask) const { return (value_ & mask) != 0; }
  std::uint32_t field(std::uint32_t mask, unsigned pos) const { return (value_ & mask) >> pos; }
  void reset() { value_ = def_.reset; }

  // Called after a software write has been applied, with the value before it and the value
  // written (already limited to the byte lanes of a sub-word access).
  Register& on_write(WriteHook hook) {
    write_hook_ = std::move(hook);
    return *this;
  }
  // Replaces what software reads (for values computed at read time).
  Register& on_read(ReadHook hook) {
    read_hook_ = std::move(hook);
    return *this;
  }

  std::uint32_t software_read();
  bool has_read_hook() const { return static_cast<bool>(read_hook_); }
  void software_write(std::uint32_t written, std::uint32_t lane_mask);

 private:
  RegisterDef def_;
  std::uint32_t value_;
  WriteHook write_hook_;
  ReadHook read_hook_;
};

class RegisterBank {
 public:
  Register& define(const RegisterDef& def);

  Register& at(std::uint32_t offset);
  const Register& at(std::uint32_t offset) const;
  Register* find(std::uint32_t offset);
  Register& named(std::string_view name);
  const Register& named(std::string_view name) const;
  bool contains(std::uint32_t offset) const { return lookup(offset) != nullptr; }
  // Reserved offsets read as zero and stored registers as stored; only a read hook can make a
  // read change something or depend on the moment.
  bool steady_read(std::uint32_t offset) const {
    const Register* r = lookup(offset);
    return r == nullptr || !r->has_read_hook();
  }

  // Bus side. `size` is 1, 2 or 4 bytes; offsets of a sub-word access select the byte lanes.
  std::uint32_t read(std::uint32_t offset, unsigned size);
  void write(std::uint32_t offset, std::uint32_t value, unsigned size);

  void reset();

  const std::map<std::uint32_t, Register>& all() const { return regs_; }

 private:
  Register* lookup(std::uint32_t offset) const {
    const std::size_t word = offset >> 2;
    return word < by_word_.size() ? by_word_[word] : nullptr;
  }

  std::map<std::uint32_t, Register> regs_;
  // Every access looks its register up: by word offset, into the map's nodes (which never move).
  std::vector<Register*> by_word_;
};

}  // namespace ovrimo::model

#include "emu/wait_skip.h"

#include <unicorn/unicorn.h>

namespace ovrimo::emu {

namespace {

constexpr auto register_ids() {
  std::array<int, 13 + 7 + 32> ids{};
  std::size_t n = 0;
  for (int r = UC_ARM_REG_R0; r <= UC_ARM_REG_R12; ++r) ids[n++] = r;
  for (int r : {UC_ARM_REG_SP, UC_ARM_REG_LR, UC_ARM_REG_XPSR, UC_ARM_REG_CONTROL, UC_ARM_REG_PRIMASK,
                UC_ARM_REG_BASEPRI, UC_ARM_REG_FPSCR})
    ids[n++] = r;
  for (int s = 0; s < 32; ++s) ids[n++] = UC_ARM_REG_S0 + s;
  return ids;
}

}  // namespace

WaitSkip::Registers WaitSkip::read_registers(uc_struct* uc) {
  static auto ids = register_ids();
  Registers values{};
  std::array<void*, kRegisters> pointers{};
  for (std::size_t i = 0; i < kRegisters; ++i) pointers[i] = &values[i];
  // With CONTROL.FPCA clear no floating-point instruction ran since the last exception, and
  // none runs between two reads the loop makes without one: S0-S31 cannot tell them apart.
  constexpr std::size_t kCore = kRegisters - 32;
  constexpr std::size_t kControl = 16;
  static_assert(kCore == 20);
  if (uc_reg_read_batch(uc, ids.data(), pointers.data(), static_cast<int>(kCore)) != UC_ERR_OK) values.fill(0);
  if ((values[kControl] & (1u << 2)) != 0 &&
      uc_reg_read_batch(uc, ids.data() + kCore, pointers.data() + kCore, 32) != UC_ERR_OK)
    values.fill(0);
  return values;
}

std::optional<WaitSkip::Iteration> WaitSkip::observe(const Read& read, uc_struct* uc, unsigned cycles_per_instruction) {
  Record now{read, read_registers(uc)};
  auto same = [&now](const Record& r) {
    const Read& a = r.read;
    const Read& b = now.read;
    return a.pc == b.pc && a.address == b.address && a.size == b.size && a.value == b.value && a.hz == b.hz &&
           a.stores == b.stores && a.next_event == b.next_event && r.registers == now.registers;
  };
  auto plain = [cycles_per_instruction](const Read& from, const Read& to) {
    return to.executed > from.executed && to.at - from.at == model::cycles_to_time(
        (to.executed - from.executed) * cycles_per_instruction, to.hz);
  };
  std::optional<Iteration> iteration;
  for (std::size_t i = records_.size(); i-- > 0;) {
    if (!same(records_[i])) continue;
    bool stretches_plain = true;
    for (std::size_t j = i; j < records_.size(); ++j)
      stretches_plain = stretches_plain &&
                        plain(records_[j].read, j + 1 < records_.size() ? records_[j + 1].read : read);
    if (stretches_plain) {
      const Read& from = records_[i].read;
      iteration = Iteration{read.executed - from.executed, read.steps - from.steps, read.at - from.at};
    }
    break;
  }
  if (records_.size() == kHistory) records_.erase(records_.begin());
  records_.push_back(std::move(now));
  return iteration;
}

void WaitSkip::jumped(const Iteration& iterations) {
  Record current = std::move(records_.back());
  current.read.executed += iterations.instructions;
  current.read.steps += iterations.steps;
  current.read.at += iterations.duration;
  records_.assign(1, std::move(current));
}

std::uint64_t WaitSkip::iterations_before(model::Time now, model::Time duration, model::Time horizon) {
  if (duration == 0 || horizon <= now) return 0;
  // Iteration j (j >= 1) reads at now + j * duration; iterations 1..k are jumped over and k + 1
  // must still read before the horizon.
  const std::uint64_t reads_before = (horizon - now - 1) / duration;
  return reads_before > 0 ? reads_before - 1 : 0;
}

}  // namespace ovrimo::emu

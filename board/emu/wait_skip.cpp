#include "emu/wait_skip.h"

#include <algorithm>

#include "emu/emulator.h"

namespace ovrimo::emu {

std::optional<WaitSkip::Iteration> WaitSkip::observe(const Read& read, const std::function<Registers()>& registers,
                                                     unsigned cycles_per_instruction) {
  // Reading the CPU's registers costs more than the rest of a read, so it is done only where
  // a later read at the same place may be compared with this one: at a place where a loop came
  // round before, or, while no such place is among the records, where this one already read.
  // A polling loop reads several registers a turn; once it has been recognised at one of its
  // reads, only that one needs the CPU's registers.
  const bool at_loop = is_loop_pc(read.pc);
  bool compare = at_loop;
  if (!compare) {
    bool loop_on_record = false;
    for (std::size_t i = 0; i < count_; ++i) {
      const Record& r = record(i);
      loop_on_record = loop_on_record || r.at_loop;
      compare = compare || r.read.pc == read.pc;
    }
    compare = compare && !loop_on_record;
  }
  if (compare) registers_ = registers();
  auto same = [&](const Record& r) {
    const Read& a = r.read;
    const Read& b = read;
    return r.compared && a.pc == b.pc && a.address == b.address && a.size == b.size && a.value == b.value &&
           a.hz == b.hz && a.stores == b.stores && a.next_event == b.next_event && r.registers == registers_;
  };
  auto plain = [cycles_per_instruction](const Read& from, const Read& to) {
    return to.executed > from.executed && to.at - from.at == model::cycles_to_time(
        (to.executed - from.executed) * cycles_per_instruction, to.hz);
  };
  std::optional<Iteration> iteration;
  for (std::size_t i = compare ? count_ : 0; i-- > 0;) {
    if (!same(record(i))) continue;
    bool stretches_plain = true;
    for (std::size_t j = i; j < count_; ++j)
      stretches_plain = stretches_plain && plain(record(j).read, j + 1 < count_ ? record(j + 1).read : read);
    if (stretches_plain) {
      const Read& from = record(i).read;
      iteration = Iteration{read.executed - from.executed, read.steps - from.steps, read.at - from.at};
    }
    break;
  }
  // The new record goes where the oldest was once the ring is full.
  Record& slot = record(count_ % kHistory);
  if (count_ == kHistory)
    first_ = (first_ + 1) % kHistory;
  else
    ++count_;
  slot.read = read;
  slot.at_loop = at_loop;
  slot.compared = compare;
  if (compare) slot.registers = registers_;  // left as it was otherwise: never compared
  if (iteration && !at_loop) {
    loop_pcs_[next_loop_pc_] = read.pc;
    next_loop_pc_ = (next_loop_pc_ + 1) % loop_pcs_.size();
  }
  return iteration;
}

bool WaitSkip::is_loop_pc(std::uint32_t pc) const {
  return std::find(loop_pcs_.begin(), loop_pcs_.end(), pc) != loop_pcs_.end();
}

void WaitSkip::jumped(const Iteration& iterations) {
  Record current = record(count_ - 1);
  current.read.executed += iterations.instructions;
  current.read.steps += iterations.steps;
  current.read.at += iterations.duration;
  first_ = 0;
  count_ = 1;
  records_[0] = current;
}

std::uint64_t WaitSkip::iterations_before(model::Time now, model::Time duration, model::Time horizon) {
  if (duration == 0 || horizon <= now) return 0;
  // Iteration j (j >= 1) ends with the read at now + j * duration, its other reads lie before
  // that; iterations 1..k are jumped over, so now + k * duration must still be before the
  // horizon. The CPU goes on from there as if it had made the k-th read then.
  return (horizon - now - 1) / duration;
}

void Emulator::jump_over_wait(std::uint32_t address, unsigned size, std::uint32_t value) {
  const WaitSkip::Read read{last_pc_,    address,      size,         value,
                            executed_,   steps_,       board_.now(), anchor_hz_,
                            sram_stores(), board_.time().next_event_time()};
  const auto iteration = wait_skip_.observe(read, [this] { return wait_registers(); }, options_.cycles_per_instruction);
  if (!iteration || !read.next_event) return;
  // Nothing may be due between slices: a stop, a fault, output to scan, or an exception, even
  // one only PRIMASK holds back (the loop might unmask it).
  if (slice_ending_ || pending_fault_ || pending_exc_return_ || handoff_stop_ || output_unscanned()) return;
  model::Core& core = board_.core();
  const std::uint32_t primask = core.primask;
  core.primask = 0;
  const bool exception = core.next_exception().has_value();
  core.primask = primask;
  if (exception) return;

  model::Time horizon = *read.next_event;
  if (time_limit_) {
    // Slices keep their full length: the last ones before the limit are cut to it.
    const model::Time margin = model::cycles_to_time(
        (std::uint64_t{options_.slice_instructions} + 1) * options_.cycles_per_instruction, anchor_hz_);
    horizon = std::min(horizon, *time_limit_ > margin ? *time_limit_ - margin : 0);
  }
  if (output_stop_) horizon = std::min(horizon, output_stop_->at);
  if (real_time_ != nullptr) horizon = std::min(horizon, real_time_allows());
  const std::uint64_t k = WaitSkip::iterations_before(board_.now(), iteration->duration, horizon);
  if (k == 0) return;

  const WaitSkip::Iteration jump{k * iteration->instructions, k * iteration->steps, k * iteration->duration};
  board_.time().advance_to(board_.now() + jump.duration);
  executed_ += jump.instructions;
  skipped_ += jump.instructions;
  steps_ += jump.steps;
  anchor_time_ = board_.now();
  anchor_executed_ = executed_;
  // The slice budget ends where running them would have left it: slice boundaries passed on the
  // way had nothing to do.
  if (jump.steps <= slice_left_) {
    slice_left_ -= static_cast<std::uint32_t>(jump.steps);
  } else {
    const std::uint64_t into = (jump.steps - slice_left_) % options_.slice_instructions;
    slice_left_ = into == 0 ? 0 : options_.slice_instructions - static_cast<std::uint32_t>(into);
  }
  wait_skip_.jumped(jump);
  // Input from outside is looked for every so many slices; the jump stands for many of them.
  if (real_time_ != nullptr) poll_countdown_ = 1;
}

}  // namespace ovrimo::emu

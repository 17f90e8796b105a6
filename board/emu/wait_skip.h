// Recognises a polling wait and says how much of it may be jumped over.
//
// A polling loop reads steady registers (whose values change only through a write or a scheduled
// event, see model::Bus::steady_read) until a value changes. When an instruction reads the same
// register as at an earlier read, sees the same value, and finds the whole core state as it was
// then, with only steady reads in between and no store, no other register access, no exception
// and no event, the loop is bound to repeat that turn, instruction for instruction and cycle for
// cycle, until something outside it happens: the next event. The emulator then moves
// the instruction count and board time on by whole iterations at once, which is what running
// them would have done.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "model/time.h"

namespace ovrimo::emu {

class WaitSkip {
 public:
  // A read of a steady register and what surrounds it.
  struct Read {
    std::uint32_t pc = 0;  // of the loading instruction
    std::uint32_t address = 0;
    unsigned size = 0;
    std::uint32_t value = 0;
    std::uint64_t executed = 0;  // instruction count, the loading instruction included
    std::uint64_t steps = 0;     // instructions counted against slices (an IT block is one)
    model::Time at = 0;          // board time after the access
    std::uint64_t hz = 0;        // core clock
    std::uint64_t stores = 0;    // SRAM stores so far
    std::optional<model::Time> next_event;
  };
  // One turn of the loop.
  struct Iteration {
    std::uint64_t instructions = 0;
    std::uint64_t steps = 0;
    model::Time duration = 0;
  };

  // Something a polling loop does not do happened (a store to a register or flash, a read with
  // a side effect, an exception, a change from outside): the next read starts a new record.
  void forget() { count_ = 0; }

  // Compares `read` and the CPU's registers with the steady reads since the last forget() and
  // records them; returns the iteration since the earlier read the loop came round to in the
  // same state, if each stretch between the reads took the plain cost of its instructions
  // (`cycles_per_instruction` at the core clock: no stalled access).
  // R0-R12, SP, LR, xPSR (flags and IT state), CONTROL, PRIMASK, BASEPRI; FPSCR, S0-S31 (zero
  // while CONTROL.FPCA is clear: then no floating-point instruction ran since the last exception,
  // and none runs between two reads the loop makes without one).
  static constexpr std::size_t kRegisters = 13 + 7 + 32;
  using Registers = std::array<std::uint32_t, kRegisters>;
  std::optional<Iteration> observe(const Read& read, const std::function<Registers()>& registers,
                                   unsigned cycles_per_instruction);

  // After a jump over whole iterations: the current read, moved on, is the only record.
  void jumped(const Iteration& iterations);

  // How many whole iterations of `duration` may be jumped over from `now` so that every read
  // they contain lies strictly before `horizon`.
  static std::uint64_t iterations_before(model::Time now, model::Time duration, model::Time horizon);

 private:
  struct Record {
    Read read;
    bool at_loop = false;   // at a place where a loop was recognised before
    bool compared = false;  // the registers were read
    Registers registers;
  };
  bool is_loop_pc(std::uint32_t pc) const;
  // The steady reads since the last forget(), oldest first, in a ring; a loop longer than this
  // many reads is not recognised.
  static constexpr std::size_t kHistory = 16;
  Record& record(std::size_t i) { return records_[(first_ + i) % kHistory]; }
  std::array<Record, kHistory> records_{};
  std::size_t first_ = 0, count_ = 0;
  Registers registers_{};  // the CPU's, at the read being observed
  // Where loops were recognised lately (the oldest is replaced); 0 is no instruction's address
  // in flash or SRAM.
  std::array<std::uint32_t, 8> loop_pcs_{};
  std::size_t next_loop_pc_ = 0;
};

}  // namespace ovrimo::emu

#include "emu/emulator.h"

#include <unicorn/unicorn.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "emu/emulator_internal.h"


namespace ovrimo::emu {

using namespace detail;

namespace {

int unicorn_id(CoreRegister r) {
  switch (r) {
    case CoreRegister::R0: return UC_ARM_REG_R0;
    case CoreRegister::R1: return UC_ARM_REG_R1;
    case CoreRegister::R2: return UC_ARM_REG_R2;
    case CoreRegister::R3: return UC_ARM_REG_R3;
    case CoreRegister::R4: return UC_ARM_REG_R4;
    case CoreRegister::R5: return UC_ARM_REG_R5;
    case CoreRegister::R6: return UC_ARM_REG_R6;
    case CoreRegister::R7: return UC_ARM_REG_R7;
    case CoreRegister::R8: return UC_ARM_REG_R8;
    case CoreRegister::R9: return UC_ARM_REG_R9;
    case CoreRegister::R10: return UC_ARM_REG_R10;
    case CoreRegister::R11: return UC_ARM_REG_R11;
    case CoreRegister::R12: return UC_ARM_REG_R12;
    case CoreRegister::SP: return UC_ARM_REG_SP;
    case CoreRegister::LR: return UC_ARM_REG_LR;
    case CoreRegister::PC: return UC_ARM_REG_PC;
    case CoreRegister::XPSR: return UC_ARM_REG_XPSR;
    case CoreRegister::PRIMASK: return UC_ARM_REG_PRIMASK;
    case CoreRegister::CONTROL: return UC_ARM_REG_CONTROL;
    case CoreRegister::FPSCR: return UC_ARM_REG_FPSCR;
  }
  return UC_ARM_REG_INVALID;
}

}  // namespace

Emulator::Emulator(model::Board& board, EmulatorOptions options)
    : board_(board),
      options_(options),
      application_start_(options.bootloader_base + options.bootloader_size),
      sram_(kSramSize, 0),
      alive_(std::make_shared<Emulator*>(this)) {
  if (options_.slice_instructions == 0) options_.slice_instructions = 1;
  if (board_.flash_array().bytes().size() != kFlashSize) throw std::logic_error("flash array of unexpected size");
  if (options_.cpu == EmulatorOptions::Cpu::Unicorn)
    open_unicorn();
  else
    open_interpreter();
  board_.flash().on_flash_changed([alive = alive_](std::uint32_t address, std::uint32_t size) {
    if (*alive != nullptr) (*alive)->flash_changed(address, size);
  });
}

Emulator::~Emulator() {
  *alive_ = nullptr;
  if (trace_ != nullptr) board_.bus().set_observer({});
  if (uc_ != nullptr) uc_close(uc_);
}

// ---------------------------------------------------------------------------------------------
// Registers and memory

// Registers are named by Unicorn's numbers on either core.
std::uint32_t Emulator::reg(int id) const {
  if (core_) return interpreter_reg(*core_, id);
  std::uint32_t value = 0;
  uc_reg_read(uc_, id, &value);
  return value;
}

// Unicorn takes bit 0 of a value written to the PC as the Thumb state, which an M-profile core
// never leaves: every PC write carries it.
void Emulator::set_reg(int id, std::uint32_t value) {
  if (id == UC_ARM_REG_PC) value |= 1u;
  if (core_)
    set_interpreter_reg(*core_, id, value);
  else
    uc_reg_write(uc_, id, &value);
}

std::uint32_t Emulator::core_register(CoreRegister r) const { return reg(unicorn_id(r)); }
void Emulator::set_core_register(CoreRegister r, std::uint32_t value) {
  set_reg(unicorn_id(r), value);
  if (r == CoreRegister::PC) {
    last_pc_ = kNoPc;  // a jump from outside is not a loop
    it_block_bytes_ = 0;
  }
}

float Emulator::fp_register(unsigned s) const {
  if (s > 31) throw std::out_of_range("no such FP register");
  return std::bit_cast<float>(reg(UC_ARM_REG_S0 + static_cast<int>(s)));
}

void Emulator::set_fp_register(unsigned s, float value) {
  if (s > 31) throw std::out_of_range("no such FP register");
  set_reg(UC_ARM_REG_S0 + static_cast<int>(s), std::bit_cast<std::uint32_t>(value));
}


void Emulator::write_memory(std::uint32_t address, std::span<const std::uint8_t> bytes) {
  if (inside(address, bytes.size(), kFlashBase, kFlashSize)) {
    std::copy(bytes.begin(), bytes.end(), board_.flash_array().bytes().begin() + (address - kFlashBase));
    flash_changed(address, static_cast<std::uint32_t>(bytes.size()));
  } else if (inside(address, bytes.size(), kSramBase, kSramSize)) {
    std::copy(bytes.begin(), bytes.end(), sram_.begin() + (address - kSramBase));
  } else {
    throw std::out_of_range("no memory at " + hex32(address) + " for " + std::to_string(bytes.size()) + " bytes");
  }
}

std::vector<std::uint8_t> Emulator::read_memory(std::uint32_t address, std::uint32_t size) const {
  const std::uint8_t* from;
  if (inside(address, size, kFlashBase, kFlashSize)) {
    from = board_.flash_array().bytes().data() + (address - kFlashBase);
  } else if (inside(address, size, kSramBase, kSramSize)) {
    from = sram_.data() + (address - kSramBase);
  } else {
    throw std::out_of_range("no memory at " + hex32(address) + " for " + std::to_string(size) + " bytes");
  }
  return std::vector<std::uint8_t>(from, from + size);
}

std::uint32_t Emulator::read_word(std::uint32_t address) const {
  const auto b = read_memory(address, 4);
  return std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 | std::uint32_t{b[3]} << 24;
}

void Emulator::write_word(std::uint32_t address, std::uint32_t value) {
  const std::uint8_t b[4] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                             static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
  write_memory(address, b);
}

// ---------------------------------------------------------------------------------------------
// Starting the CPU

void Emulator::reset() {
  board_.power_on_reset();
  // The vector table register starts at the boot address, as the chip's boot configuration sets
  // it; the model's core resets it to zero.
  board_.bus().write(kVtorAddress, kFlashBase, 4);
  for (int r = UC_ARM_REG_R0; r <= UC_ARM_REG_R12; ++r) set_reg(r, 0);
  for (unsigned s = 0; s < 32; ++s) set_fp_register(s, 0.0f);
  set_reg(UC_ARM_REG_FPSCR, 0);
  set_reg(UC_ARM_REG_LR, 0xFFFFFFFFu);
  set_reg(UC_ARM_REG_CONTROL, 0);
  boot_image(kFlashBase);
  handed_off_ = false;
}

void Emulator::boot_image(std::uint32_t vector_table) {
  board_.bus().write(kVtorAddress, vector_table, 4);
  const std::uint32_t msp = read_word(vector_table);
  const std::uint32_t entry = read_word(vector_table + 4);
  set_reg(UC_ARM_REG_XPSR, kXpsrThumb);
  set_reg(UC_ARM_REG_CONTROL, 0);
  set_reg(UC_ARM_REG_MSP, msp);
  set_reg(UC_ARM_REG_SP, msp);
  set_reg(UC_ARM_REG_PC, entry | 1u);
  set_reg(UC_ARM_REG_PRIMASK, board_.core().primask);
  primask_seen_ = board_.core().primask;
  board_.core().msp = msp;
  frames_.clear();
  last_pc_ = kNoPc;
  it_block_bytes_ = 0;
  handoff_stop_ = false;
  pending_fault_.reset();
  pending_exc_return_.reset();
  started_ = true;
  if ((entry & 1u) == 0) fault("the entry " + hex32(entry) + " in the vector table at " + hex32(vector_table) +
                               " is not a Thumb address", entry);
}

// ---------------------------------------------------------------------------------------------
// Around each instruction

// The end of a slice, a stop asked for, a branch to itself, the hand-off: false when the
// instruction at `pc` must not run now.
[[gnu::noinline]] bool Emulator::may_run(std::uint32_t pc) {
  if ((slice_left_ == 0 && !next_slice_in_place()) || slice_ending_) {
    // Ends the slice before this instruction executes. A stop asked for by a callback during
    // the previous instruction also takes effect here, so this one must not be counted.
    return false;
  }
  if (pc == last_pc_) {
    // Only a branch to itself executes the same instruction twice in a row: nothing can
    // change but time.
    spinning_ = true;
    return false;
  }
  if (hands_off_at(pc)) {
    record_handoff(pc | 1u);
    if (stop_at_handoff_) {
      handoff_stop_ = true;
      return false;
    }
  }
  return true;
}

// A data read of the application's flash goes through the code bus, where the instruction cache
// may answer with a line older than the array.
void Emulator::read_application_flash(std::uint32_t address, std::uint8_t* bytes, unsigned size) {
  wait_skip_.forget();  // the instruction cache may change
  for (unsigned i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(board_.bus().read(address + i, 1));
  // A double ECC error raises the NMI, taken right after this load.
  if (board_.core().is_pending(model::kExcNmi)) end_slice();
}

std::uint64_t Emulator::sram_stores() const { return core_ ? core_->direct_stores() : sram_stores_; }

// ---------------------------------------------------------------------------------------------
// Bus side

void Emulator::sync_time() {
  const std::uint64_t cycles = (executed_ - anchor_executed_) * options_.cycles_per_instruction + extra_cycles_;
  const model::Time t = anchor_time_ + model::cycles_to_time(cycles, anchor_hz_);
  if (t > board_.now()) board_.time().advance_to(t);
  anchor_time_ = board_.now();
  anchor_executed_ = executed_;
  extra_cycles_ = 0;
  const std::uint64_t hz = board_.rcc().hclk_hz();
  anchor_hz_ = hz != 0 ? hz : 4000000;
}

void Emulator::charge_cycles(std::uint64_t cycles) { extra_cycles_ += cycles; }

std::uint32_t Emulator::bus_read(std::uint32_t address, unsigned size) {
  sync_time();
  std::uint32_t value = 0;
  try {
    value = board_.bus().read(address, size);
  } catch (const model::BusError& e) {
    fault(e.what(), address);
  }
  // A stalled access moves time on by itself; the next instruction starts after it.
  anchor_time_ = std::max(anchor_time_, board_.now());
  if (options_.skip_waits && trace_ == nullptr) {
    if (board_.bus().steady_read(address))
      jump_over_wait(address, size, value);
    else
      wait_skip_.forget();
  }
  return value;
}


void Emulator::bus_write(std::uint32_t address, std::uint32_t value, unsigned size) {
  wait_skip_.forget();
  sync_time();
  try {
    board_.bus().write(address, value, size);
  } catch (const model::BusError& e) {
    fault(e.what(), address);
  }
  anchor_time_ = std::max(anchor_time_, board_.now());
}

// Unicorn executes and reads a copy of flash, the interpreter the array itself.
void Emulator::refresh_flash(std::uint32_t address, std::uint32_t size) {
  if (uc_ == nullptr) return;
  const std::uint32_t offset = address - kFlashBase;
  if (offset >= kFlashSize) return;
  size = std::min(size, kFlashSize - offset);
  check(uc_mem_write(uc_, address, board_.flash_array().bytes().data() + offset, size), "copy flash");
}

void Emulator::flash_changed(std::uint32_t address, std::uint32_t size) {
  // Data reads see the change at once; translated code of the range must go before the CPU runs
  // it again, which happens between slices, and the current slice ends at the next instruction
  // so that no stale translation runs in the meantime.
  refresh_flash(address, size);
  wait_skip_.forget();
  stale_code_.emplace_back(address, size);
  end_slice();
}

// Every instruction of an IT block takes its cycle, executed or skipped, but Unicorn reports only
// those whose condition passes. So the IT instruction charges the whole block, and the code hook
// ignores the reports from inside it (it_block_start_, it_block_bytes_).
void Emulator::count_it_block(std::uint32_t pc) {
  const std::uint8_t* code;
  std::uint32_t available;
  if (pc - kFlashBase < kFlashSize - 1) {
    code = board_.flash_array().bytes().data() + (pc - kFlashBase);
    available = kFlashSize - (pc - kFlashBase);
  } else if (pc - kSramBase < kSramSize - 1) {
    code = sram_.data() + (pc - kSramBase);
    available = kSramSize - (pc - kSramBase);
  } else {
    return;
  }
  const unsigned mask = code[0] & 0xFu;
  if (code[1] != 0xBF || mask == 0) return;  // not IT (0xBF with a mask of 0 is a hint)
  const unsigned count = 4u - static_cast<unsigned>(std::countr_zero(mask));
  executed_ += count;
  // The block's extent: a first halfword 0b11101..., 0b11110... or 0b11111... starts a 32-bit
  // instruction.
  std::uint32_t offset = 2;
  for (unsigned i = 0; i < count && offset + 1 < available; ++i)
    offset += (code[offset + 1] >> 3) >= 0x1D ? 4u : 2u;
  it_block_start_ = pc + 2;
  it_block_bytes_ = offset - 2;
}

// Only the code hook stops the CPU, before an instruction: a stop asked for inside a memory
// callback makes Unicorn abandon the access and execute the instruction again later, which would
// repeat a register access and its side effects.
void Emulator::end_slice() { slice_ending_ = true; }

void Emulator::drop_stale_code() {
  if (uc_ == nullptr) return;
  for (auto [address, size] : stale_code_)
    if (size != 0) uc_ctl_remove_cache(uc_, std::uint64_t{address}, std::uint64_t{address} + size);
  stale_code_.clear();
}

std::uint32_t Emulator::current_pc() const { return reg(UC_ARM_REG_PC); }

void Emulator::fault(std::string what, std::optional<std::uint32_t> address, std::optional<std::uint32_t> pc) {
  if (!pending_fault_) pending_fault_ = PendingFault{std::move(what), pc ? *pc : current_pc(), address};
  end_slice();
}

// ---------------------------------------------------------------------------------------------
// Running

void Emulator::sync_special_registers_to_model() {
  primask_seen_ = reg(UC_ARM_REG_PRIMASK) & 1u;
  board_.core().primask = primask_seen_;
  board_.core().msp = reg(UC_ARM_REG_MSP);
}

void Emulator::record_handoff(std::uint32_t entry) {
  sync_time();
  sync_special_registers_to_model();
  board_.core().record_handoff(entry, board_.now());
  handed_off_ = true;
  handoff_from_ = last_pc_;
  trace_line("hand-off to " + where(entry & ~1u) + " from " + where(last_pc_));
}

std::string Emulator::handoff_text() const {
  const auto& h = board_.core().handoff;
  if (!h) return "hand-off";
  char text[160];
  std::snprintf(text, sizeof text, " to 0x%08X with VTOR 0x%08X, MSP 0x%08X, PRIMASK %u, SysTick CTRL 0x%X",
                static_cast<unsigned>(h->entry), static_cast<unsigned>(h->vtor), static_cast<unsigned>(h->msp),
                static_cast<unsigned>(h->primask), static_cast<unsigned>(h->systick_ctrl));
  return "jump from " + where(handoff_from_) + text;
}

RunResult Emulator::stop(StopReason reason, std::string detail, std::optional<std::uint32_t> address) {
  sync_special_registers_to_model();
  RunResult r;
  r.reason = reason;
  r.detail = std::move(detail);
  r.at = board_.now();
  r.pc = current_pc();
  r.address = address;
  trace_line(std::string("stop: ") + to_string(reason) + ": " + r.detail);
  return r;
}

RunResult Emulator::fault_result(const PendingFault& f) {
  std::string detail = f.what + " at PC " + where(f.pc);
  const int active = board_.core().active_exception();
  if (active != 0) detail += ", in the " + exception_name(active) + " handler";
  RunResult r = stop(StopReason::Fault, detail, f.address);
  r.pc = f.pc;
  return r;
}

RunResult Emulator::run() {
  if (!started_) throw std::logic_error("Emulator::run: reset() or boot_image() first");
  stop_requested_.store(false);

  // The flash array may have been changed directly since the last run (a test, a loader).
  refresh_flash(kFlashBase, kFlashSize);
  stale_code_.clear();
  if (uc_ != nullptr) uc_ctl_remove_cache(uc_, std::uint64_t{kFlashBase}, std::uint64_t{kFlashBase} + kFlashSize);

  if (board_.core().primask != primask_seen_) {
    set_reg(UC_ARM_REG_PRIMASK, board_.core().primask);
    primask_seen_ = board_.core().primask;
  }
  anchor_time_ = board_.now();
  anchor_executed_ = executed_;
  extra_cycles_ = 0;
  sync_time();  // takes the current core clock
  wait_skip_.forget();  // registers and memory may have been changed from outside

  if (pending_fault_) {
    const PendingFault f = *pending_fault_;
    pending_fault_.reset();
    return fault_result(f);
  }
  for (;;) {
    if (stop_requested_.load()) return stop(StopReason::Interrupted, "stopped on request");
    if (time_limit_ && board_.now() >= *time_limit_)
      return stop(StopReason::TimeLimit, "virtual time limit reached");
    // A pending exception is taken before the next instruction, also at the start of a run.
    if (auto exception = board_.core().next_exception()) {
      if (auto result = take_exception(*exception)) return *result;
    }
    drop_stale_code();
    slice_left_ = options_.slice_instructions;
    if (time_limit_) {
      // The last slice ends on the limit, not up to a slice after it.
      const std::uint64_t cycles = model::time_to_cycles(*time_limit_ - board_.now(), anchor_hz_);
      const std::uint64_t instructions = cycles / std::max(1u, options_.cycles_per_instruction);
      if (instructions == 0) {
        board_.time().advance_to(*time_limit_);
        anchor_time_ = board_.now();
        continue;
      }
      if (instructions < slice_left_) slice_left_ = static_cast<std::uint32_t>(instructions);
    }
    slice_ending_ = false;
    spinning_ = false;
    if (auto result = core_ ? run_interpreter_slice() : run_unicorn_slice()) return *result;
  }
}

// What every slice ends with, on either core.
std::optional<RunResult> Emulator::after_slice(bool wait_for_interrupt) {
  if (handoff_stop_) {
    handoff_stop_ = false;
    return stop(StopReason::HandOff, handoff_text());
  }
  if (pending_exc_return_) {
    const std::uint32_t value = *pending_exc_return_;
    pending_exc_return_.reset();
    if (auto r = exception_return(value)) return r;
  }

  primask_seen_ = reg(UC_ARM_REG_PRIMASK) & 1u;
  board_.core().primask = primask_seen_;

  if (auto r = scan_output()) return r;
  if (trace_ != nullptr) trace_pins();
  if (real_time_ != nullptr) throttle();

  if (spinning_) return idle();
  if (wait_for_interrupt) return sleep();
  return std::nullopt;
}

// Leaving the CPU and starting it again costs more than a slice of instructions. When the end of
// a slice has nothing to do (no exception to take, no stop, no output to watch, no code to
// drop, no real time to keep to), the next slice starts here, with the same bookkeeping.
bool Emulator::next_slice_in_place() {
  if (real_time_ != nullptr || trace_ != nullptr || slice_ending_ || pending_fault_ || pending_exc_return_ ||
      handoff_stop_ || !stale_code_.empty() || stop_requested_.load())
    return false;
  sync_time();
  if (slice_ending_ || !stale_code_.empty()) return false;  // an event changed the flash
  primask_seen_ = reg(UC_ARM_REG_PRIMASK) & 1u;
  board_.core().primask = primask_seen_;
  scan_line_log();
  if (output_stop_ && board_.now() >= output_stop_->at) return false;
  if (time_limit_ && model::time_to_cycles(*time_limit_ - std::min(*time_limit_, board_.now()), anchor_hz_) /
                             std::max(1u, options_.cycles_per_instruction) <
                         options_.slice_instructions)
    return false;
  if (board_.core().next_exception()) return false;
  slice_left_ = options_.slice_instructions;
  return true;
}

std::optional<RunResult> Emulator::idle() {
  const std::uint32_t pc = current_pc();
  const int active = board_.core().active_exception();
  if (board_.core().next_exception()) return std::nullopt;  // taken before the next slice
  if (active != 0)
    return stop(StopReason::Fault, "endless loop in the " + exception_name(active) + " handler at " + where(pc));
  if (primask_seen_ != 0) return stop(StopReason::MaskedSpin, "endless loop with interrupts masked at " + where(pc));

  // Thread mode, interrupts enabled: only an event can change anything, so skip to it.
  if (!wait_for_event())
    return stop(StopReason::Stalled, "endless loop at " + where(pc) + " with nothing left that could end it");
  return std::nullopt;
}

std::uint16_t Emulator::read_memory_or_zero(std::uint32_t address) const {
  try {
    const auto b = read_memory(address, 2);
    return static_cast<std::uint16_t>(b[0] | b[1] << 8);
  } catch (const std::out_of_range&) {
    return 0;
  }
}

std::optional<RunResult> Emulator::sleep() {
  // WFI wakes on any exception that would pre-empt, PRIMASK or not; until then only an event can
  // change anything. Waking without one is allowed, so the program simply carries on after the
  // next event.
  model::Core& core = board_.core();
  const std::uint32_t primask = core.primask;
  core.primask = 0;
  const bool wakes = core.next_exception().has_value();
  core.primask = primask;
  if (wakes) return std::nullopt;
  if (!wait_for_event())
    return stop(StopReason::Stalled,
                "waiting for an interrupt (WFI) at " + where(current_pc()) + " that nothing can raise any more");
  return std::nullopt;
}

}  // namespace ovrimo::emu

// The Unicorn engine as the emulator's CPU: its callbacks, its memory map and one slice on it.
#include <unicorn/unicorn.h>

#include <algorithm>
#include <array>

#include "emu/emulator.h"
#include "emu/emulator_internal.h"

namespace ovrimo::emu {

using namespace detail;

namespace {

const char* cpu_exception_text(std::uint32_t number) {
  switch (number) {
    case kCpuUndefined: return "undefined instruction";
    case kCpuSvc: return kSvcText;
    case kCpuPrefetchAbort: return "instruction fetch fault";
    case kCpuDataAbort: return "data access fault";
    case kCpuBreakpoint: return kBreakpointText;
    case kCpuNoCoprocessor: return "coprocessor (FPU) access refused";
    case kCpuInvalidState: return kInvalidStateText;
    case kCpuStackLimit: return "stack limit violation";
    case kCpuUnaligned: return kUnalignedText;
    default: return "processor exception";
  }
}

constexpr auto wait_register_ids() {
  std::array<int, WaitSkip::kRegisters> ids{};
  std::size_t n = 0;
  for (int r = UC_ARM_REG_R0; r <= UC_ARM_REG_R12; ++r) ids[n++] = r;
  for (int r : {UC_ARM_REG_SP, UC_ARM_REG_LR, UC_ARM_REG_XPSR, UC_ARM_REG_CONTROL, UC_ARM_REG_PRIMASK,
                UC_ARM_REG_BASEPRI})
    ids[n++] = r;
  ids[n++] = UC_ARM_REG_FPSCR;
  for (int s = 0; s < 32; ++s) ids[n++] = UC_ARM_REG_S0 + s;
  return ids;
}

}  // namespace

WaitSkip::Registers Emulator::wait_registers() const {
  if (core_) return interpreter_wait_registers(*core_);
  WaitSkip::Registers values{};
  constexpr std::size_t kCore = WaitSkip::kRegisters - 33;
  constexpr std::size_t kControl = 16;
  static_assert(kCore == 19);
  static const auto ids = wait_register_ids();
  std::array<void*, WaitSkip::kRegisters> pointers{};
  for (std::size_t i = 0; i < WaitSkip::kRegisters; ++i) pointers[i] = &values[i];
  // FPSCR is read through a helper that costs as much as the rest together.
  if (uc_reg_read_batch(uc_, const_cast<int*>(ids.data()), pointers.data(), static_cast<int>(kCore)) != UC_ERR_OK)
    values.fill(0);
  if ((values[kControl] & kControlFpca) != 0 &&
      uc_reg_read_batch(uc_, const_cast<int*>(ids.data()) + kCore, pointers.data() + kCore, 33) != UC_ERR_OK)
    values.fill(0);
  return values;
}

// Unicorn's callbacks, with its exact signatures, forwarding to the emulator.
struct Hooks {
  static void code(uc_engine* uc, std::uint64_t address, std::uint32_t size, void* user) {
    auto* self = static_cast<Emulator*>(user);
    const auto pc = static_cast<std::uint32_t>(address);
    if (!self->before_instruction(pc, size == 2 && self->may_be_it(pc))) uc_emu_stop(uc);
  }

  static void sram_store(uc_engine*, uc_mem_type, std::uint64_t, int, std::int64_t, void* user) {
    ++static_cast<Emulator*>(user)->sram_stores_;
  }

  static std::uint64_t mmio_read(uc_engine*, std::uint64_t offset, unsigned size, void* user) {
    auto* window = static_cast<Emulator::MmioWindow*>(user);
    return window->self->bus_read(window->base + static_cast<std::uint32_t>(offset), size);
  }

  static void mmio_write(uc_engine*, std::uint64_t offset, unsigned size, std::uint64_t value, void* user) {
    auto* window = static_cast<Emulator::MmioWindow*>(user);
    window->self->bus_write(window->base + static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(value), size);
  }

  // Flash is mapped read-only: a store lands here instead of in the array, and the FLASH
  // controller model decides what it does. Returning true lets the CPU carry on.
  static bool flash_store(uc_engine*, uc_mem_type, std::uint64_t address, int size, std::int64_t value, void* user) {
    auto* self = static_cast<Emulator*>(user);
    const std::uint32_t mask = size >= 4 ? 0xFFFFFFFFu : (1u << (8 * size)) - 1u;
    self->bus_write(static_cast<std::uint32_t>(address), static_cast<std::uint32_t>(value) & mask,
                    static_cast<unsigned>(size));
    return true;
  }

  // The CPU's copy of the application's flash is made what the code bus answers just before the
  // load takes it. Only this region is hooked: the bootloader reads it rarely (metadata, vectors,
  // read-back), its own constants never.
  static void application_read(uc_engine* uc, uc_mem_type, std::uint64_t address, int size, std::int64_t,
                               void* user) {
    auto* self = static_cast<Emulator*>(user);
    const auto a = static_cast<std::uint32_t>(address);
    std::uint8_t seen[8];
    std::uint8_t served[8];
    const auto n = static_cast<unsigned>(std::min(size, 8));
    if (uc_mem_read(uc, a, seen, n) != UC_ERR_OK) return;
    self->read_application_flash(a, served, n);
    if (!std::equal(seen, seen + n, served)) uc_mem_write(uc, a, served, n);
  }

  static void application_store(uc_engine* uc, uc_mem_type type, std::uint64_t address, int size, std::int64_t value,
                                void* user) {
    (void)flash_store(uc, type, address, size, value, user);
  }

  static bool unmapped(uc_engine*, uc_mem_type type, std::uint64_t address, int, std::int64_t, void* user) {
    auto* self = static_cast<Emulator*>(user);
    const auto a = static_cast<std::uint32_t>(address);
    switch (type) {
      case UC_MEM_FETCH_UNMAPPED: self->fault(fetch_fault_text(a), a, self->last_pc_); break;
      case UC_MEM_WRITE_UNMAPPED: self->fault(write_fault_text(a), a); break;
      default: self->fault(read_fault_text(a), a); break;
    }
    return false;
  }

  static void interrupt(uc_engine* uc, std::uint32_t number, void* user) {
    auto* self = static_cast<Emulator*>(user);
    if (number == kCpuExceptionExit) {
      // A branch to an EXC_RETURN value: the PC holds it without its bit 0.
      self->pending_exc_return_ = self->reg(UC_ARM_REG_PC) | 1u;
    } else {
      self->fault(cpu_exception_text(number), std::nullopt);
    }
    // No instruction follows at the PC the CPU holds now: stop here.
    uc_emu_stop(uc);
  }
};

void Emulator::open_unicorn() {
  check(uc_open(UC_ARCH_ARM, static_cast<uc_mode>(UC_MODE_THUMB | UC_MODE_MCLASS), &uc_), "open the CPU");
  check(uc_ctl_set_cpu_model(uc_, UC_CPU_ARM_CORTEX_M33), "select the Cortex-M33");

  // The CPU's own copy of flash, read-only to it: a store is refused and handed to the FLASH
  // model (Unicorn lets a store into memory mapped from our own buffer through even when the
  // mapping is read-only, so the copy is Unicorn's).
  //
  // The application's part is the exception: data reads there go through the code bus and the
  // instruction cache (see application_read), and the CPU's copy of it must be rewritten during
  // a load. Unicorn flushes its TLB when it writes a read-only page from outside, which breaks the
  // load in progress, so that part is mapped writable and every store into it is handed to the
  // FLASH model by a write hook instead; the copy the store leaves behind is corrected by the
  // next read.
  const std::uint32_t app = application_base();
  check(uc_mem_map(uc_, kFlashBase, app - kFlashBase, UC_PROT_READ | UC_PROT_EXEC), "map flash");
  if (app != kFlashBase + kFlashSize)
    check(uc_mem_map(uc_, app, kFlashBase + kFlashSize - app, UC_PROT_ALL), "map application flash");
  check(uc_mem_map_ptr(uc_, kSramBase, kSramSize, UC_PROT_ALL, sram_.data()), "map SRAM");
  for (auto [base, size] : {std::pair{kPeripheralBase, kPeripheralSize}, std::pair{kScsBase, kScsSize}}) {
    windows_.push_back(std::make_unique<MmioWindow>(MmioWindow{this, base}));
    check(uc_mmio_map(uc_, base, size, Hooks::mmio_read, windows_.back().get(), Hooks::mmio_write,
                      windows_.back().get()),
          "map the register space");
  }

  uc_hook hook;
  check(uc_hook_add(uc_, &hook, UC_HOOK_CODE, reinterpret_cast<void*>(Hooks::code), this, 1, 0), "hook code");
  check(uc_hook_add(uc_, &hook, UC_HOOK_MEM_WRITE_PROT, reinterpret_cast<void*>(Hooks::flash_store), this,
                    std::uint64_t{kFlashBase}, std::uint64_t{kFlashBase} + kFlashSize - 1),
        "hook flash stores");
  if (app != kFlashBase + kFlashSize) {
    check(uc_hook_add(uc_, &hook, UC_HOOK_MEM_READ, reinterpret_cast<void*>(Hooks::application_read), this,
                      std::uint64_t{app}, std::uint64_t{kFlashBase} + kFlashSize - 1),
          "hook application flash reads");
    check(uc_hook_add(uc_, &hook, UC_HOOK_MEM_WRITE, reinterpret_cast<void*>(Hooks::application_store), this,
                      std::uint64_t{app}, std::uint64_t{kFlashBase} + kFlashSize - 1),
          "hook application flash stores");
  }
  if (options_.skip_waits)
    check(uc_hook_add(uc_, &hook, UC_HOOK_MEM_WRITE, reinterpret_cast<void*>(Hooks::sram_store), this,
                      std::uint64_t{kSramBase}, std::uint64_t{kSramBase} + kSramSize - 1),
          "hook SRAM stores");
  check(uc_hook_add(uc_, &hook, UC_HOOK_MEM_UNMAPPED, reinterpret_cast<void*>(Hooks::unmapped), this, 1, 0),
        "hook unmapped accesses");
  check(uc_hook_add(uc_, &hook, UC_HOOK_INTR, reinterpret_cast<void*>(Hooks::interrupt), this, 1, 0),
        "hook processor exceptions");
}

std::optional<RunResult> Emulator::run_unicorn_slice() {
  const uc_err err = uc_emu_start(uc_, current_pc() | 1u, 0, 0, 0);
  sync_time();
  drop_stale_code();
  if (pending_fault_) {
    const PendingFault f = *pending_fault_;
    pending_fault_.reset();
    return fault_result(f);
  }
  if (err != UC_ERR_OK) {
    const std::uint32_t pc = current_pc();
    if (err == UC_ERR_INSN_INVALID) {
      // Unicorn stops after WFE and YIELD as if they were undefined; they are hints, counted by
      // the code hook like any instruction. The PC is then past them, where a real undefined
      // instruction leaves it on the instruction itself.
      const auto before = read_memory_or_zero(pc - 2);
      if (before != kWfe && before != kYield) return fault_result({"undefined instruction", pc, std::nullopt});
      return after_slice(false);
    }
    return fault_result({std::string("CPU stopped: ") + uc_strerror(err), pc, std::nullopt});
  }
  // The CPU halted on its own before its budget: that is WFI.
  return after_slice(slice_left_ > 0 && !slice_ending_ && !spinning_ && !handoff_stop_ && !pending_exc_return_);
}

}  // namespace ovrimo::emu

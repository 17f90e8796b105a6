#include "emu/emulator.h"

#include <unicorn/unicorn.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace ovrimo::emu {

namespace {

constexpr std::uint32_t kPeripheralBase = 0x40000000, kPeripheralSize = 0x20000000;
constexpr std::uint32_t kScsBase = 0xE000E000, kScsSize = 0x1000;
constexpr std::uint32_t kVtorAddress = 0xE000ED08;
constexpr std::uint32_t kNoPc = 0xFFFFFFFFu;
constexpr std::uint16_t kWfe = 0xBF20, kYield = 0xBF10;

// Numbers Unicorn reports to its interrupt hook (its CPU core's exception numbering).
constexpr std::uint32_t kCpuUndefined = 1, kCpuSvc = 2, kCpuPrefetchAbort = 3, kCpuDataAbort = 4,
                        kCpuBreakpoint = 7, kCpuExceptionExit = 8, kCpuNoCoprocessor = 17,
                        kCpuInvalidState = 18, kCpuStackLimit = 19, kCpuUnaligned = 22;

constexpr std::uint32_t kXpsrIt = 0x0600FC00u;  // IT[1:0] in bits 26:25, IT[7:2] in bits 15:10
constexpr std::uint32_t kXpsrThumb = 1u << 24;
constexpr std::uint32_t kXpsrRealigned = 1u << 9;
constexpr std::uint32_t kIpsrMask = 0x1FFu;
constexpr std::uint32_t kControlSpsel = 1u << 1, kControlFpca = 1u << 2, kControlSfpa = 1u << 3;
// EXC_RETURN: bit 4 set for a frame without FP registers, bit 3 for a return to thread mode,
// bit 2 for the process stack.
constexpr std::uint32_t kExcReturnBase = 0xFFFFFFE1u;
constexpr std::uint32_t kExcReturnBasicFrame = 1u << 4, kExcReturnThread = 1u << 3, kExcReturnPsp = 1u << 2;
constexpr std::uint32_t kBasicFrameWords = 8, kExtendedFrameWords = 26;

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

const char* cpu_exception_text(std::uint32_t number) {
  switch (number) {
    case kCpuUndefined: return "undefined instruction";
    case kCpuSvc: return "supervisor call (SVC), which this board does not use";
    case kCpuPrefetchAbort: return "instruction fetch fault";
    case kCpuDataAbort: return "data access fault";
    case kCpuBreakpoint: return "breakpoint instruction (BKPT)";
    case kCpuNoCoprocessor: return "coprocessor (FPU) access refused";
    case kCpuInvalidState: return "invalid state (branch without the Thumb bit)";
    case kCpuStackLimit: return "stack limit violation";
    case kCpuUnaligned: return "unaligned access";
    default: return "processor exception";
  }
}

std::string hex32(std::uint32_t v) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(v));
  return text;
}

void check(uc_err err, const char* what) {
  if (err != UC_ERR_OK) throw std::runtime_error(std::string("CPU emulator: cannot ") + what + ": " + uc_strerror(err));
}

model::Time wall_to_time(std::chrono::steady_clock::duration d) {
  return static_cast<model::Time>(std::chrono::duration_cast<std::chrono::nanoseconds>(d).count()) *
         model::kNanosecond;
}

}  // namespace

// Unicorn's callbacks, with its exact signatures, forwarding to the emulator.
struct Hooks {
  static void code(uc_engine* uc, std::uint64_t address, std::uint32_t size, void* user) {
    auto* self = static_cast<Emulator*>(user);
    const auto pc = static_cast<std::uint32_t>(address);
    // An instruction of the IT block the IT instruction has already charged: the CPU cannot stop
    // inside the block, and counting it again would make the count depend on its condition.
    if (pc - self->it_block_start_ < self->it_block_bytes_) return;
    self->it_block_bytes_ = 0;
    if ((self->slice_left_ == 0 && !self->next_slice_in_place()) || self->slice_ending_) {
      // Ends the slice before this instruction executes. A stop asked for by a callback during
      // the previous instruction also takes effect here, so this one must not be counted.
      uc_emu_stop(uc);
      return;
    }
    if (pc == self->last_pc_) {
      // Only a branch to itself executes the same instruction twice in a row: nothing can
      // change but time.
      self->spinning_ = true;
      uc_emu_stop(uc);
      return;
    }
    if (!self->handed_off_ && self->in_bootloader(self->last_pc_) && self->in_application_flash(pc)) {
      self->record_handoff(pc | 1u);
      if (self->stop_at_handoff_) {
        self->handoff_stop_ = true;
        uc_emu_stop(uc);
        return;
      }
    }
    --self->slice_left_;
    ++self->steps_;
    ++self->executed_;
    self->last_pc_ = pc;
    if (size == 2) self->count_it_block(pc);
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

  // A data read of the application's flash goes through the code bus, where the instruction
  // cache may answer with a line older than the array. The CPU's copy of those bytes is made
  // what the bus answers just before the load takes them. Only this region is hooked: the
  // bootloader reads it rarely (metadata, vectors, read-back), its own constants never.
  static void application_read(uc_engine* uc, uc_mem_type, std::uint64_t address, int size, std::int64_t,
                               void* user) {
    auto* self = static_cast<Emulator*>(user);
    self->wait_skip_.forget();  // the instruction cache may change
    const auto a = static_cast<std::uint32_t>(address);
    std::uint8_t seen[8];
    std::uint8_t served[8];
    const auto n = static_cast<unsigned>(std::min(size, 8));
    if (uc_mem_read(uc, a, seen, n) != UC_ERR_OK) return;
    for (unsigned i = 0; i < n; ++i) served[i] = static_cast<std::uint8_t>(self->board_.bus().read(a + i, 1));
    if (!std::equal(seen, seen + n, served)) uc_mem_write(uc, a, served, n);
    // A double ECC error raises the NMI, taken right after this load.
    if (self->board_.core().is_pending(model::kExcNmi)) self->end_slice();
  }

  static void application_store(uc_engine* uc, uc_mem_type type, std::uint64_t address, int size, std::int64_t value,
                                void* user) {
    (void)flash_store(uc, type, address, size, value, user);
  }

  static bool unmapped(uc_engine*, uc_mem_type type, std::uint64_t address, int, std::int64_t, void* user) {
    auto* self = static_cast<Emulator*>(user);
    const auto a = static_cast<std::uint32_t>(address);
    switch (type) {
      case UC_MEM_FETCH_UNMAPPED:
        self->fault("jump to " + hex32(a) + ", where no memory is", a, self->last_pc_);
        break;
      case UC_MEM_WRITE_UNMAPPED: self->fault("bus fault: write of unmapped address " + hex32(a), a); break;
      default: self->fault("bus fault: read of unmapped address " + hex32(a), a); break;
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

Emulator::Emulator(model::Board& board, EmulatorOptions options)
    : board_(board), options_(options), sram_(kSramSize, 0), alive_(std::make_shared<Emulator*>(this)) {
  if (options_.slice_instructions == 0) options_.slice_instructions = 1;
  check(uc_open(UC_ARCH_ARM, static_cast<uc_mode>(UC_MODE_THUMB | UC_MODE_MCLASS), &uc_), "open the CPU");
  check(uc_ctl_set_cpu_model(uc_, UC_CPU_ARM_CORTEX_M33), "select the Cortex-M33");

  if (board_.flash_array().bytes().size() != kFlashSize) throw std::logic_error("flash array of unexpected size");
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

  board_.flash().on_flash_changed([alive = alive_](std::uint32_t address, std::uint32_t size) {
    if (*alive != nullptr) (*alive)->flash_changed(address, size);
  });
}

Emulator::~Emulator() {
  *alive_ = nullptr;
  if (trace_ != nullptr) board_.bus().set_observer({});
  uc_close(uc_);
}

// ---------------------------------------------------------------------------------------------
// Registers and memory

std::uint32_t Emulator::reg(int id) const {
  std::uint32_t value = 0;
  uc_reg_read(uc_, id, &value);
  return value;
}

// Unicorn takes bit 0 of a value written to the PC as the Thumb state, which an M-profile core
// never leaves: every PC write carries it.
void Emulator::set_reg(int id, std::uint32_t value) {
  if (id == UC_ARM_REG_PC) value |= 1u;
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
  float value = 0;
  uc_reg_read(uc_, UC_ARM_REG_S0 + static_cast<int>(s), &value);
  return value;
}

void Emulator::set_fp_register(unsigned s, float value) {
  if (s > 31) throw std::out_of_range("no such FP register");
  uc_reg_write(uc_, UC_ARM_REG_S0 + static_cast<int>(s), &value);
}

namespace {
bool inside(std::uint32_t address, std::uint64_t size, std::uint32_t base, std::uint32_t region) {
  return address >= base && std::uint64_t{address} - base + size <= region;
}
}  // namespace

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
// Loading

void Emulator::load_elf(const std::filesystem::path& path) { load_elf(ElfImage::read_file(path)); }

void Emulator::load_elf(const ElfImage& image) {
  // Erase every flash page a segment touches first, then place all segments: two segments may
  // share a page.
  std::vector<std::uint8_t>& flash = board_.flash_array().bytes();
  for (const ElfSegment& s : image.segments()) {
    const bool in_flash = inside(s.load_address, s.bytes.size(), kFlashBase, kFlashSize);
    const bool in_sram = inside(s.load_address, s.bytes.size(), kSramBase, kSramSize);
    if (!in_flash && !in_sram)
      throw ImageError("segment at " + hex32(s.load_address) + " (" + std::to_string(s.bytes.size()) +
                       " bytes) lies outside flash and SRAM");
    if (in_flash) {
      const std::uint32_t page = model::FlashArray::kPageSize;
      const std::uint32_t first = (s.load_address - kFlashBase) / page * page;
      const std::uint32_t end = (s.load_address - kFlashBase + static_cast<std::uint32_t>(s.bytes.size()) + page - 1) / page * page;
      std::fill(flash.begin() + first, flash.begin() + end, 0xFF);
    }
  }
  for (const ElfSegment& s : image.segments()) write_memory(s.load_address, s.bytes);
  symbols_.add(image.symbols());
}

void Emulator::load_flash_image(std::uint32_t address, std::span<const std::uint8_t> bytes) {
  if (!inside(address, bytes.size(), kFlashBase, kFlashSize))
    throw ImageError("image of " + std::to_string(bytes.size()) + " bytes at " + hex32(address) +
                     " does not fit in flash");
  std::vector<std::uint8_t>& flash = board_.flash_array().bytes();
  const std::uint32_t page = model::FlashArray::kPageSize;
  const std::uint32_t first = (address - kFlashBase) / page * page;
  const std::uint32_t end = (address - kFlashBase + static_cast<std::uint32_t>(bytes.size()) + page - 1) / page * page;
  std::fill(flash.begin() + first, flash.begin() + end, 0xFF);
  write_memory(address, bytes);
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


void Emulator::jump_over_wait(std::uint32_t address, unsigned size, std::uint32_t value) {
  const WaitSkip::Read read{last_pc_,    address,      size,         value,
                            executed_,   steps_,       board_.now(), anchor_hz_,
                            sram_stores_, board_.time().next_event_time()};
  const auto iteration = wait_skip_.observe(read, uc_, options_.cycles_per_instruction);
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

void Emulator::refresh_flash(std::uint32_t address, std::uint32_t size) {
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

void Emulator::set_real_time_source(RealTimeSource* source) {
  real_time_ = source;
  real_base_wall_ = std::chrono::steady_clock::now();
  real_base_virtual_ = board_.now();
  real_ahead_ = 0;
  poll_countdown_ = 1;
}

void Emulator::set_trace(std::ostream* out) {
  trace_ = out;
  if (trace_ == nullptr) {
    board_.bus().set_observer({});
    return;
  }
  board_.bus().set_observer([this](const model::BusAccess& a) {
    char text[128];
    std::snprintf(text, sizeof text, "%s %-12s 0x%08X %s 0x%0*X", a.is_write ? "write" : "read ",
                  a.region->c_str(), static_cast<unsigned>(a.address), a.is_write ? "<-" : "->",
                  static_cast<int>(2 * a.size), static_cast<unsigned>(a.value));
    trace_line(text);
  });
  pin_trace_seen_.assign(9, 0);
  for (unsigned i = 0; i < 9; ++i) pin_trace_seen_[i] = board_.gpio(static_cast<char>('A' + i)).trace().size();
}

void Emulator::trace_line(const std::string& text) {
  if (trace_ == nullptr) return;
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "[%14.9f] ", model::to_seconds(board_.now()));
  *trace_ << stamp << text << '\n';
}

void Emulator::trace_pins() {
  for (unsigned i = 0; i < 9; ++i) {
    const auto& events = board_.gpio(static_cast<char>('A' + i)).trace();
    for (std::size_t k = pin_trace_seen_[i]; k < events.size(); ++k) {
      char text[64];
      std::snprintf(text, sizeof text, "pin P%c%u -> %s", 'A' + i, events[k].pin, model::to_string(events[k].drive));
      trace_line(text);
    }
    pin_trace_seen_[i] = events.size();
  }
}

std::string Emulator::exception_name(int exception) {
  switch (exception) {
    case 2: return "NMI";
    case 3: return "HardFault";
    case 4: return "MemManage";
    case 5: return "BusFault";
    case 6: return "UsageFault";
    case 7: return "SecureFault";
    case 11: return "SVCall";
    case 12: return "DebugMonitor";
    case 14: return "PendSV";
    case 15: return "SysTick";
    default: return exception >= 16 ? "IRQ " + std::to_string(exception - 16) : "exception " + std::to_string(exception);
  }
}

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
  uc_ctl_remove_cache(uc_, std::uint64_t{kFlashBase}, std::uint64_t{kFlashBase} + kFlashSize);

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
    const uc_err err = uc_emu_start(uc_, current_pc() | 1u, 0, 0, 0);
    if (auto result = after_slice(err)) return *result;
  }
}

std::optional<RunResult> Emulator::after_slice(int uc_error) {
  sync_time();
  drop_stale_code();
  if (pending_fault_) {
    const PendingFault f = *pending_fault_;
    pending_fault_.reset();
    return fault_result(f);
  }
  bool wait_for_interrupt = false;
  if (uc_error != UC_ERR_OK) {
    const auto err = static_cast<uc_err>(uc_error);
    const std::uint32_t pc = current_pc();
    if (err == UC_ERR_INSN_INVALID) {
      // Unicorn stops after WFE and YIELD as if they were undefined; they are hints. The PC is
      // then past them, where a real undefined instruction leaves it on the instruction itself.
      const auto before = read_memory_or_zero(pc - 2);
      if (before != kWfe && before != kYield) return fault_result({"undefined instruction", pc, std::nullopt});
      ++executed_;
    } else {
      return fault_result({std::string("CPU stopped: ") + uc_strerror(err), pc, std::nullopt});
    }
  } else if (slice_left_ > 0 && !slice_ending_ && !spinning_ && !handoff_stop_ && !pending_exc_return_) {
    // The CPU halted on its own before its budget: that is WFI.
    wait_for_interrupt = true;
  }
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

std::optional<RunResult> Emulator::scan_output() {
  scan_line_log();
  if (output_stop_ && board_.now() >= output_stop_->at) {
    std::string detail = std::move(output_stop_->detail);
    output_stop_.reset();
    return stop(StopReason::OutputMatched, detail);
  }
  return std::nullopt;
}

bool Emulator::output_unscanned() const {
  const auto& log = board_.usart2().line_log();
  if (line_scan_ >= log.size()) return false;
  const model::LineByte& b = log[line_scan_];
  return b.direction != model::LineByte::Direction::FromDevice || b.outcome != model::LineByte::Outcome::InFlight;
}

void Emulator::scan_line_log() {
  const auto& log = board_.usart2().line_log();
  while (line_scan_ < log.size()) {
    const model::LineByte& b = log[line_scan_];
    if (b.direction == model::LineByte::Direction::FromDevice) {
      if (b.outcome == model::LineByte::Outcome::InFlight) break;
      if (b.outcome == model::LineByte::Outcome::Delivered) {
        const char c = static_cast<char>(b.value & 0xFF);
        if (c == '\r' || c == '\n') {
          if (!line_text_.empty()) {
            lines_.push_back(PrintedLine{line_text_, line_start_, b.end});
            line_text_.clear();
            ++line_scan_;
            if (line_watch_ && !output_stop_ && line_watch_(lines_.back())) {
              // Stop once the rest of the line ending (CR LF) has had time to leave as well.
              output_stop_ = OutputStop{board_.now() + 2 * board_.usart2().frame_time(),
                                        "printed \"" + lines_.back().text + "\""};
            }
            continue;
          }
        } else {
          if (line_text_.empty()) line_start_ = b.start;
          line_text_ += c;
        }
      }
    }
    ++line_scan_;
  }
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

bool Emulator::wait_for_event() {
  std::optional<model::Time> target = board_.time().next_event_time();
  if (time_limit_ && (!target || *time_limit_ < *target)) target = time_limit_;
  if (output_stop_ && (!target || output_stop_->at < *target)) target = output_stop_->at;
  if (real_time_ != nullptr) {
    // Input may come from outside at any moment: follow real time.
    auto allowed = [this] { return real_time_allows(); };
    const model::Time a = allowed();
    if (!target || *target > a) {
      const model::Time wait = target ? *target - a : 20 * model::kMillisecond;
      real_time_->wait(std::chrono::microseconds(std::clamp<model::Time>(wait / model::kMicrosecond, 1, 20000)));
      real_time_->poll();
      target = target ? std::min(*target, allowed()) : allowed();
    }
  } else if (!target) {
    return false;
  }
  if (*target > board_.now()) {
    board_.time().advance_to(*target);
    anchor_time_ = board_.now();
    wait_skip_.forget();
  }
  return true;
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

model::Time Emulator::real_time_allows() const {
  return real_base_virtual_ + wall_to_time(std::chrono::steady_clock::now() - real_base_wall_) + real_ahead_;
}

void Emulator::throttle() {
  if (--poll_countdown_ == 0) {
    poll_countdown_ = 256;
    real_time_->poll();
  }
  auto allowed = [this] { return real_time_allows(); };
  if (real_time_->input_in_flight()) {
    // Run flat out while input is queued; remember how far ahead that took us so that
    // the wait that follows still counts from here.
    const model::Time a = allowed();
    if (board_.now() > a) real_ahead_ += board_.now() - a;
    return;
  }
  while (!stop_requested_.load()) {
    const model::Time a = allowed();
    if (board_.now() <= a) break;
    const model::Time ahead = board_.now() - a;
    real_time_->wait(std::chrono::microseconds(std::clamp<model::Time>(ahead / model::kMicrosecond, 1, 20000)));
    real_time_->poll();
    if (real_time_->input_in_flight()) break;
  }
}

// ---------------------------------------------------------------------------------------------
// Exceptions

std::optional<RunResult> Emulator::take_exception(int exception) {
  const bool from_handler = board_.core().active_exception() != 0;
  std::uint32_t control = reg(UC_ARM_REG_CONTROL);
  const std::uint32_t pc = current_pc();
  if (!from_handler && (control & kControlSpsel) != 0)
    return fault_result({"exception while running on the process stack, which the emulator does not support", pc,
                         std::nullopt});
  const bool fp = (control & kControlFpca) != 0;
  const std::uint32_t words = fp ? kExtendedFrameWords : kBasicFrameWords;
  const std::uint32_t sp = reg(UC_ARM_REG_SP);
  const bool realign = (sp & 4u) != 0;
  const std::uint32_t frame = (sp - 4 * words) & ~7u;
  if (!inside(frame, 4 * words, kSramBase, kSramSize))
    return fault_result({"exception entry (" + exception_name(exception) + ") with the stack pointer at " + hex32(sp) +
                             ", outside SRAM",
                         pc, sp});

  const std::uint32_t xpsr = reg(UC_ARM_REG_XPSR);
  std::vector<std::uint32_t> values = {reg(UC_ARM_REG_R0), reg(UC_ARM_REG_R1),  reg(UC_ARM_REG_R2),
                                       reg(UC_ARM_REG_R3), reg(UC_ARM_REG_R12), reg(UC_ARM_REG_LR),
                                       pc,                 (xpsr & ~kXpsrRealigned) | (realign ? kXpsrRealigned : 0u)};
  if (fp) {
    for (int s = 0; s < 16; ++s) values.push_back(reg(UC_ARM_REG_S0 + s));
    values.push_back(reg(UC_ARM_REG_FPSCR));
    values.push_back(0);  // reserved word that keeps the frame a multiple of 8 bytes
  }
  for (std::uint32_t i = 0; i < words; ++i) write_word(frame + 4 * i, values[i]);

  const std::uint32_t vtor = board_.core().scb().vtor();
  const std::uint32_t vector_address = vtor + 4u * static_cast<std::uint32_t>(exception);
  std::uint32_t vector;
  try {
    vector = read_word(vector_address);
  } catch (const std::out_of_range&) {
    return fault_result({"vector of " + exception_name(exception) + " at " + hex32(vector_address) +
                             " (VTOR " + hex32(vtor) + ") is not in memory",
                         pc, vector_address});
  }
  if ((vector & 1u) == 0)
    return fault_result({"vector of " + exception_name(exception) + " at " + hex32(vector_address) + " holds " +
                             hex32(vector) + ", not a Thumb address",
                         pc, vector_address});

  const std::uint32_t exc_return =
      kExcReturnBase | (fp ? 0u : kExcReturnBasicFrame) | (from_handler ? 0u : kExcReturnThread);
  set_reg(UC_ARM_REG_SP, frame);
  set_reg(UC_ARM_REG_LR, exc_return);
  set_reg(UC_ARM_REG_XPSR, (xpsr & ~(kXpsrIt | kIpsrMask | kXpsrRealigned)) | static_cast<std::uint32_t>(exception));
  control &= ~(kControlFpca | kControlSfpa);
  set_reg(UC_ARM_REG_CONTROL, control);
  set_reg(UC_ARM_REG_PC, vector | 1u);
  board_.core().exception_entry(exception);
  wait_skip_.forget();
  frames_.push_back(Frame{exception});
  last_pc_ = kNoPc;
  it_block_bytes_ = 0;
  charge_cycles(options_.exception_cycles);
  if (trace_ != nullptr)
    trace_line("exception " + exception_name(exception) + " taken at " + where(pc) + ", handler " +
               where(vector & ~1u) + (fp ? ", FP context stacked" : ""));
  return std::nullopt;
}

std::optional<RunResult> Emulator::exception_return(std::uint32_t exc_return) {
  const std::uint32_t from = last_pc_;
  if (frames_.empty()) {
    if (!handed_off_ && in_bootloader(from)) {
      // The hand-off jumped to an entry word that is an EXC_RETURN pattern, typically erased flash.
      record_handoff(exc_return);
      if (stop_at_handoff_) return stop(StopReason::HandOff, handoff_text());
    }
    return fault_result({"branch to " + hex32(exc_return) + " outside an exception handler", from, exc_return});
  }
  const bool fp = (exc_return & kExcReturnBasicFrame) == 0;
  const bool to_thread = (exc_return & kExcReturnThread) != 0;
  if ((exc_return & kExcReturnPsp) != 0)
    return fault_result({"exception return to the process stack, which the emulator does not support", from,
                         exc_return});
  const std::uint32_t words = fp ? kExtendedFrameWords : kBasicFrameWords;
  const std::uint32_t frame = reg(UC_ARM_REG_SP);
  if (!inside(frame, 4 * words, kSramBase, kSramSize))
    return fault_result({"exception return with the stack pointer at " + hex32(frame) + ", outside SRAM", from, frame});
  std::vector<std::uint32_t> values(words);
  for (std::uint32_t i = 0; i < words; ++i) values[i] = read_word(frame + 4 * i);
  const std::uint32_t xpsr = values[7];
  const int returning = frames_.back().exception;
  const bool frame_in_thread = (xpsr & kIpsrMask) == 0;
  if (to_thread != (frames_.size() == 1) || to_thread != frame_in_thread)
    return fault_result({"exception return " + hex32(exc_return) + " from " + exception_name(returning) +
                             " does not match the stacked state",
                         from, exc_return});
  if ((xpsr & kXpsrThumb) == 0)
    return fault_result({"exception return to a stacked xPSR without the Thumb bit", from, frame});

  static constexpr int kStacked[] = {UC_ARM_REG_R0, UC_ARM_REG_R1, UC_ARM_REG_R2, UC_ARM_REG_R3, UC_ARM_REG_R12, UC_ARM_REG_LR};
  for (int i = 0; i < 6; ++i) set_reg(kStacked[i], values[static_cast<std::size_t>(i)]);
  std::uint32_t control = reg(UC_ARM_REG_CONTROL);
  if (fp) {
    for (int s = 0; s < 16; ++s) set_reg(UC_ARM_REG_S0 + s, values[8 + static_cast<std::size_t>(s)]);
    set_reg(UC_ARM_REG_FPSCR, values[24]);
    control |= kControlFpca | kControlSfpa;
  } else {
    control &= ~(kControlFpca | kControlSfpa);
  }
  set_reg(UC_ARM_REG_CONTROL, control);
  set_reg(UC_ARM_REG_XPSR, xpsr & ~kXpsrRealigned);
  set_reg(UC_ARM_REG_SP, frame + 4 * words + ((xpsr & kXpsrRealigned) ? 4u : 0u));
  set_reg(UC_ARM_REG_PC, values[6] | 1u);
  board_.core().exception_return(returning);
  wait_skip_.forget();
  frames_.pop_back();
  last_pc_ = kNoPc;
  it_block_bytes_ = 0;
  charge_cycles(options_.exception_cycles);
  if (trace_ != nullptr) trace_line("return from " + exception_name(returning) + " to " + where(values[6] & ~1u));
  return std::nullopt;
}

}  // namespace ovrimo::emu

// Runs a real Cortex-M33 image (Thumb-2 machine code) on the board model.
//
// A CPU core executes the instructions: our own interpreter (ThumbCore) by default, or the Unicorn
// engine, which is kept to check the interpreter against. Everything else a core does around
// them is done here, because neither does it:
// - Memory: SRAM is plain memory; flash is executed from the model's own flash array, mapped
//   read-only so that every store into it goes to the FLASH controller model, which decides what
//   is programmed. After each program or erase the translated code of that range is dropped, so
//   freshly written code is the code that runs. The peripheral range and the core's system
//   control space (SysTick, NVIC, SCB) are routed to the board's bus.
// - Time: the CPU runs in slices of a bounded number of instructions, one core cycle each, and
//   the model's virtual time is brought up to date before every register access, so a register
//   read sees the instant at which the instruction executes.
// - Exceptions: between slices the core model says which exception to take (PRIMASK, priorities,
//   pending state). Entry pushes the frame (with the floating-point registers when the
//   interrupted code had used them, and the IT state in the stacked xPSR), loads EXC_RETURN and
//   the vector from VTOR; a branch to EXC_RETURN unstacks.
// - Stops: the hand-off (the PC leaves the bootloader's region for the application's), a virtual
//   time limit, a line printed on USART2, or a fault, which is reported with the PC, the address
//   involved and the symbol of the code that was running instead of hanging.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "emu/elf.h"
#include "emu/real_time.h"
#include "emu/thumb_core.h"
#include "emu/wait_skip.h"
#include "model/board.h"
#include "model/run.h"

struct uc_struct;

namespace ovrimo::emu {

using model::StopReason;
using model::to_string;

struct RunResult {
  StopReason reason = StopReason::TimeLimit;
  std::string detail;                  // one line for a human
  model::Time at = 0;                  // virtual time when the run ended
  std::uint32_t pc = 0;                // where the CPU stopped (or faulted)
  std::optional<std::uint32_t> address;  // the data or target address of a fault
};

// A line the firmware printed on USART2, split at CR and LF (empty lines are not kept).
struct PrintedLine {
  std::string text;
  model::Time start = 0;  // start bit of its first character
  model::Time end = 0;    // end of its terminator
};

enum class CoreRegister { R0, R1, R2, R3, R4, R5, R6, R7, R8, R9, R10, R11, R12, SP, LR, PC, XPSR, PRIMASK, CONTROL, FPSCR };

struct EmulatorOptions {
  // Instructions per slice: the longest delay before a pending exception is taken. At 4 MHz,
  // 64 instructions are 16 us, well below one character time at 115200 baud (87.5 us).
  unsigned slice_instructions = 64;
  // Core cycles charged per instruction executed (the CPU model has no cycle table).
  unsigned cycles_per_instruction = 1;
  // Core cycles of an exception entry and of a return (Cortex-M33 without wait states).
  unsigned exception_cycles = 12;
  // The bootloader's flash region: a jump from it into flash above it is the hand-off.
  std::uint32_t bootloader_base = 0x08000000;
  std::uint32_t bootloader_size = 0x10000;
  // Jump over the iterations of a polling wait that are bound to repeat until the next event
  // (see WaitSkip). Every count and time is the same either way; off, each one runs.
  bool skip_waits = true;
  // The CPU core. Unicorn translates code into host code, but telling which instruction of a
  // translated block makes a register access takes a callback per instruction, which makes it
  // several times slower here than the interpreter; every count and time is the same on both.
  enum class Cpu { Interpreter, Unicorn };
  Cpu cpu = Cpu::Interpreter;
};

class Emulator {
 public:
  static constexpr std::uint32_t kSramBase = 0x20000000;
  static constexpr std::uint32_t kSramSize = 768 * 1024;
  static constexpr std::uint32_t kFlashBase = model::FlashArray::kBase;
  static constexpr std::uint32_t kFlashSize = model::FlashArray::kSize;

  explicit Emulator(model::Board& board, EmulatorOptions options = {});
  ~Emulator();
  Emulator(const Emulator&) = delete;
  Emulator& operator=(const Emulator&) = delete;

  model::Board& board() { return board_; }
  const EmulatorOptions& options() const { return options_; }

  // Images. Loading writes the flash array directly, as a programmer does, and takes the
  // symbols for fault reports. Segments must lie in flash or SRAM. Throws ImageError.
  void load_elf(const ElfImage& image);
  void load_elf(const std::filesystem::path& path);
  // A raw image at `address` in flash: the pages it touches are erased first, as a programmer
  // does, so the rest of those pages reads 0xFF.
  void load_flash_image(std::uint32_t address, std::span<const std::uint8_t> bytes);
  // Names for fault reports, of an image placed by other means than load_elf.
  void add_symbols(const std::vector<ElfSymbol>& symbols) { symbols_.add(symbols); }

  // Memory as the CPU sees it (flash and SRAM), for tests and tools.
  void write_memory(std::uint32_t address, std::span<const std::uint8_t> bytes);
  std::vector<std::uint8_t> read_memory(std::uint32_t address, std::uint32_t size) const;
  std::uint32_t read_word(std::uint32_t address) const;
  void write_word(std::uint32_t address, std::uint32_t value);

  // Power-on reset of the board and the core; MSP and PC from the vector table at the start of
  // flash. SRAM keeps its contents (as it does across a reset on the board).
  void reset();
  // Starts the image whose vector table is at `vector_table` as a hand-off would leave the core:
  // VTOR set to it, MSP from word 0, PC from word 1; PRIMASK as the core model holds it.
  void boot_image(std::uint32_t vector_table);

  std::uint32_t core_register(CoreRegister r) const;
  void set_core_register(CoreRegister r, std::uint32_t value);
  float fp_register(unsigned s) const;
  void set_fp_register(unsigned s, float value);

  // Stop conditions for run().
  void set_time_limit(std::optional<model::Time> at) { time_limit_ = at; }
  void set_stop_at_handoff(bool stop) { stop_at_handoff_ = stop; }
  // Called for each line the firmware completes on USART2; returning true ends the run.
  void set_line_watch(std::function<bool(const PrintedLine&)> watch) { line_watch_ = std::move(watch); }
  void set_real_time_source(RealTimeSource* source);
  // Register accesses, exceptions and pin edges, one line each (nullptr: off).
  void set_trace(std::ostream* out);
  // May be called from a signal handler: the run ends at the next slice.
  void request_stop() { stop_requested_.store(true); }

  RunResult run();

  // What happened so far.
  const SymbolTable& symbols() const { return symbols_; }
  std::uint64_t instructions() const { return executed_; }
  // Of those, the ones jumped over in polling waits rather than run.
  std::uint64_t skipped_instructions() const { return skipped_; }
  bool handed_off() const { return handed_off_; }
  const std::vector<PrintedLine>& printed_lines() const { return lines_; }

 private:
  friend struct Hooks;
  friend class CoreHost;

  struct MmioWindow {
    Emulator* self;
    std::uint32_t base;
  };
  struct PendingFault {
    std::string what;
    std::uint32_t pc;
    std::optional<std::uint32_t> address;
  };
  struct Frame {
    int exception;
  };

  // Before each instruction: false when it must not run now (the end of a slice, a stop, a
  // branch to itself, the hand-off).
  // `may_be_it`: the instruction may be IT (its first halfword is 0xBFxx); 16-bit only.
  bool before_instruction(std::uint32_t pc, bool may_be_it);
  bool may_be_it(std::uint32_t pc) const;
  bool may_run(std::uint32_t pc);
  // A data read of the application's flash, through the code bus and the instruction cache.
  void read_application_flash(std::uint32_t address, std::uint8_t* bytes, unsigned size);
  std::uint64_t sram_stores() const;
  // The registers a polling wait is recognised by (see WaitSkip::Registers).
  WaitSkip::Registers wait_registers() const;
  // One slice on the CPU core in use; nullopt while the run goes on.
  std::optional<RunResult> run_unicorn_slice();
  std::optional<RunResult> run_interpreter_slice();
  std::optional<RunResult> after_slice(bool wait_for_interrupt);
  void open_unicorn();
  void open_interpreter();
  std::uint32_t bus_read(std::uint32_t address, unsigned size);
  void bus_write(std::uint32_t address, std::uint32_t value, unsigned size);
  void flash_changed(std::uint32_t address, std::uint32_t size);
  void refresh_flash(std::uint32_t address, std::uint32_t size);
  void count_it_block(std::uint32_t pc);
  // At a read of a steady register: jumps over the iterations of a polling wait that can only
  // repeat until the next event.
  void jump_over_wait(std::uint32_t address, unsigned size, std::uint32_t value);
  // True when the next slice boundary would find printed output to scan.
  bool output_unscanned() const;
  // Board time that real time allows, with a real-time source.
  model::Time real_time_allows() const;
  // Ends the slice at the next instruction boundary (from a callback).
  void end_slice();
  // Records the first fault of a slice and ends the slice.
  void fault(std::string what, std::optional<std::uint32_t> address, std::optional<std::uint32_t> pc = std::nullopt);
  std::uint32_t current_pc() const;

  // Virtual time: brings the model up to the instruction being executed.
  void sync_time();
  void charge_cycles(std::uint64_t cycles);

  // Between slices.
  bool next_slice_in_place();
  std::optional<RunResult> take_exception(int exception);
  std::optional<RunResult> exception_return(std::uint32_t exc_return);
  std::optional<RunResult> idle();
  std::optional<RunResult> sleep();
  // Moves virtual time to the next moment anything can happen (an event, the time limit, or real
  // time with an outside peer); false when nothing ever can.
  bool wait_for_event();
  std::uint16_t read_memory_or_zero(std::uint32_t address) const;
  std::optional<RunResult> scan_output();
  void scan_line_log();
  std::string handoff_text() const;
  void throttle();
  void trace_pins();
  void drop_stale_code();
  RunResult stop(StopReason reason, std::string detail, std::optional<std::uint32_t> address = std::nullopt);
  RunResult fault_result(const PendingFault& f);
  void record_handoff(std::uint32_t entry);
  void sync_special_registers_to_model();

  std::uint32_t reg(int id) const;
  void set_reg(int id, std::uint32_t value);
  bool in_bootloader(std::uint32_t pc) const { return pc - options_.bootloader_base < options_.bootloader_size; }
  // Flash above the bootloader's region, where the application lives.
  bool in_application_flash(std::uint32_t pc) const {
    return pc >= application_start_ && pc < kFlashBase + kFlashSize;
  }
  // The first instruction the CPU runs in the application's flash, coming from the bootloader.
  // Asked before every instruction: nearly all run in the bootloader, which the first test
  // rules out.
  bool hands_off_at(std::uint32_t pc) const {
    return in_application_flash(pc) && !handed_off_ && in_bootloader(last_pc_);
  }
  // Where the application's flash starts: above the bootloader, on a 4 KB mapping boundary;
  // the end of flash when there is no such place.
  std::uint32_t application_base() const {
    const std::uint64_t start = std::uint64_t{options_.bootloader_base} + options_.bootloader_size;
    const bool usable = start > kFlashBase && start < std::uint64_t{kFlashBase} + kFlashSize && (start & 0xFFFu) == 0;
    return usable ? static_cast<std::uint32_t>(start) : kFlashBase + kFlashSize;
  }
  std::string where(std::uint32_t pc) const { return symbols_.describe(pc); }
  static std::string exception_name(int exception);
  void trace_line(const std::string& text);

  model::Board& board_;
  EmulatorOptions options_;
  // Above the bootloader's region (bootloader_base + bootloader_size), looked at before every
  // instruction.
  std::uint32_t application_start_;
  uc_struct* uc_ = nullptr;              // with Cpu::Unicorn
  std::unique_ptr<ThumbCore> core_;      // with Cpu::Interpreter
  std::unique_ptr<ThumbCore::Host> core_host_;
  std::vector<std::uint8_t> sram_;
  std::vector<std::unique_ptr<MmioWindow>> windows_;
  std::shared_ptr<Emulator*> alive_;  // the flash listener outlives us on the board

  SymbolTable symbols_;
  bool started_ = false;

  // Slice accounting (touched by the code hook on every instruction).
  std::uint64_t executed_ = 0;
  std::uint64_t steps_ = 0;  // instructions counted against slices: an IT block counts once
  std::uint32_t slice_left_ = 0;
  std::uint32_t last_pc_ = 0xFFFFFFFFu;
  // The instructions after the last IT instruction that belong to its block.
  std::uint32_t it_block_start_ = 0;
  std::uint32_t it_block_bytes_ = 0;
  bool slice_ending_ = false;
  bool spinning_ = false;
  bool handoff_stop_ = false;
  bool handed_off_ = false;
  std::uint32_t handoff_from_ = 0;
  bool stop_at_handoff_ = false;

  // Time anchor: virtual time of the instruction count `anchor_executed_`.
  model::Time anchor_time_ = 0;
  std::uint64_t anchor_executed_ = 0;
  std::uint64_t anchor_hz_ = 4000000;
  std::uint64_t extra_cycles_ = 0;  // exception entries and returns since the anchor

  WaitSkip wait_skip_;
  std::uint64_t sram_stores_ = 0;
  std::uint64_t skipped_ = 0;

  std::optional<PendingFault> pending_fault_;
  std::optional<std::uint32_t> pending_exc_return_;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> stale_code_;
  std::uint32_t primask_seen_ = 0;

  // Exceptions the emulator entered, innermost last, to check returns against.
  std::vector<Frame> frames_;

  std::optional<model::Time> time_limit_;
  std::function<bool(const PrintedLine&)> line_watch_;
  std::vector<PrintedLine> lines_;
  std::string line_text_;
  model::Time line_start_ = 0;
  std::size_t line_scan_ = 0;
  struct OutputStop {
    model::Time at;
    std::string detail;
  };
  std::optional<OutputStop> output_stop_;
  std::atomic<bool> stop_requested_{false};

  RealTimeSource* real_time_ = nullptr;
  std::chrono::steady_clock::time_point real_base_wall_{};
  model::Time real_base_virtual_ = 0;
  model::Time real_ahead_ = 0;
  unsigned poll_countdown_ = 0;

  std::ostream* trace_ = nullptr;
  std::vector<std::size_t> pin_trace_seen_;
};

}  // namespace ovrimo::emu

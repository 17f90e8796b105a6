// An interpreter for the Cortex-M33's instruction set: Thumb-2 (ARMv8-M Mainline) with the
// single-precision FPU, as the compiler emits it for this board.
//
// It executes instructions and nothing else. Memory it can reach directly (flash to fetch and
// read, SRAM) is given to it as host buffers; every other access goes to its Host, as does the
// question whether the next instruction may run. Exception entry and return, time and the
// peripherals are the emulator's: the core stops and says why (a branch to an EXC_RETURN value,
// WFI, a fault) and the emulator carries on from there.
//
// Why our own: a CPU emulator that translates code cannot say at which instruction of a
// translated block a register access happens without a callback per instruction, which costs
// more than interpreting the instruction does. Here the exact instruction is always known.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

namespace ovrimo::emu {

class ThumbCore {
 public:
  class Host {
   public:
    virtual ~Host() = default;
    // Before each instruction (the IT instruction's block included) when run() is called without
    // a check of its own; false: the core stops without executing it.
    virtual bool before(std::uint32_t /*pc*/, unsigned /*size*/) { return true; }
    // Accesses outside the core's direct memory. false: nothing answers there (a bus fault).
    virtual bool read(std::uint32_t address, unsigned size, std::uint32_t& value) = 0;
    virtual bool write(std::uint32_t address, unsigned size, std::uint32_t value) = 0;
  };

  enum class Exit {
    Stopped,          // Host::before said no; the PC is at that instruction
    WaitForInterrupt, // after WFI
    Hint,             // after WFE or YIELD: a polling loop's hint that others may run
    ExceptionReturn,  // a branch to an EXC_RETURN value in handler mode: exc_return() has it
    Undefined,        // the PC is at the instruction
    InvalidState,     // a branch to an address without the Thumb bit; fault_address() has it
    Svc,
    Breakpoint,
    Unaligned,        // an access that must be aligned was not; fault_address() has it
    DataFault,        // nothing answered a load or store; fault_address() has it
    FetchFault,       // no memory to fetch from at the PC
  };

  // Registers. R13 is the stack pointer in use; the other one is kept in msp or psp.
  struct State {
    std::array<std::uint32_t, 16> r{};
    bool n = false, z = false, c = false, v = false, q = false;
    std::uint8_t it = 0;       // ITSTATE: the condition in the top four bits, the mask below
    std::uint32_t ipsr = 0;    // the active exception number
    std::uint32_t primask = 0, basepri = 0, faultmask = 0, control = 0;
    std::uint32_t msp = 0, psp = 0, msplim = 0, psplim = 0;
    std::array<std::uint32_t, 32> s{};  // S0-S31, as bits
    std::uint32_t fpscr = 0;
  };

  explicit ThumbCore(Host& host) : host_(host) {}

  State& state() { return state_; }
  const State& state() const { return state_; }

  // xPSR as the architecture packs it: flags, IT state, Thumb bit, exception number.
  std::uint32_t xpsr() const;
  void set_xpsr(std::uint32_t value);
  // The stack pointers by name, whichever one is in use.
  std::uint32_t msp() const;
  std::uint32_t psp() const;
  void set_msp(std::uint32_t value);
  void set_psp(std::uint32_t value);
  void set_control(std::uint32_t value);  // switches the stack pointer when SPSEL changes

  // Memory the core reaches without asking the host.
  void map_fetch(std::uint32_t base, std::uint32_t size, const std::uint8_t* bytes);
  void map_read(std::uint32_t base, std::uint32_t size, const std::uint8_t* bytes);
  void map_read_write(std::uint32_t base, std::uint32_t size, std::uint8_t* bytes);

  // Runs from state().r[15] until something ends it.
  Exit run();
  // The same with `before(pc, size, first halfword)` asked instead of Host::before: the
  // emulator's own check, inlined into the loop, as it runs before every instruction.
  template <class Before>
  Exit run(Before&& before);

  std::uint32_t fault_address() const { return fault_address_; }
  std::uint32_t exc_return() const { return exc_return_; }
  // Stores into read-write memory so far.
  std::uint64_t direct_stores() const { return direct_stores_; }
  // An exception entry or return clears the exclusive monitor.
  void clear_exclusive() { exclusive_ = false; }

 private:
  struct Region {
    std::uint32_t base = 0, size = 0;  // size 0: nowhere
    std::uint8_t* bytes = nullptr;
    bool holds(std::uint32_t address, unsigned length) const {
      // In 64 bits, so that one comparison suffices and an empty region holds nothing.
      return std::int64_t{address - base} <= std::int64_t{size} - length;
    }
  };
  // A fault inside an instruction unwinds to run(), which reports it.
  struct Stop {
    Exit exit;
  };

  // The halfword at `address`, from the region the last fetch came from if it is there.
  bool fetch16(std::uint32_t address, std::uint16_t& half) {
    if (code_.holds(address, 2)) {
      std::memcpy(&half, code_.bytes + (address - code_.base), 2);
      return true;
    }
    return fetch_slow(address, half);
  }
  bool fetch_slow(std::uint32_t address, std::uint16_t& half);
  void advance_it() {
    state_.it = (state_.it & 0x7u) == 0 ? 0 : static_cast<std::uint8_t>((state_.it & 0xE0u) | ((state_.it << 1) & 0x1Fu));
  }
  // Most accesses are to SRAM or to the first read-only region (the code's constants): those
  // are looked at first, without a call.
  std::uint32_t load(std::uint32_t address, unsigned size) {
    std::uint32_t value = 0;
    if (read_write_.holds(address, size)) {
      std::memcpy(&value, read_write_.bytes + (address - read_write_.base), size);  // little-endian host
      return value;
    }
    if (read_[0].holds(address, size)) {
      std::memcpy(&value, read_[0].bytes + (address - read_[0].base), size);
      return value;
    }
    return load_slow(address, size);
  }
  void store(std::uint32_t address, unsigned size, std::uint32_t value) {
    if (read_write_.holds(address, size)) {
      std::memcpy(read_write_.bytes + (address - read_write_.base), &value, size);
      ++direct_stores_;
      return;
    }
    store_slow(address, size, value);
  }
  std::uint32_t load_slow(std::uint32_t address, unsigned size);
  void store_slow(std::uint32_t address, unsigned size, std::uint32_t value);
  // The 16-bit forms that move several registers, apart: their register arrays would make every
  // instruction's call frame larger.
  void push_pop16(std::uint16_t op);
  void load_store_multiple16(std::uint16_t op);
  // Consecutive words from or to `address` for the registers in `list` (R15's value, if it is
  // in the list, to `pc_value`, for the caller to branch to); the address after the last word.
  std::uint32_t load_registers(std::uint32_t address, unsigned list, std::uint32_t& pc_value);
  std::uint32_t store_registers(std::uint32_t address, unsigned list);
  std::uint32_t load_exclusive(std::uint32_t address, unsigned size);
  std::uint32_t store_exclusive(std::uint32_t address, unsigned size, std::uint32_t value);
  // WFI, WFE, YIELD end run() after the instruction; the other hints do nothing here.
  void hint(unsigned number);
  // REV (0), REV16 (1), REVSH (3).
  static std::uint32_t reverse_bytes(unsigned kind, std::uint32_t v);
  void exit_after(Exit exit) {
    pending_exit_ = exit;
    exiting_ = true;
  }
  std::uint32_t load_aligned(std::uint32_t address, unsigned size);
  void store_aligned(std::uint32_t address, unsigned size, std::uint32_t value);
  [[noreturn]] void fault(Exit exit, std::uint32_t address = 0);

  bool condition(unsigned cond) const;
  bool in_it_block() const { return (state_.it & 0xF) != 0; }
  bool last_in_it_block() const { return (state_.it & 0xF) == 0x8; }
  void set_nz(std::uint32_t result) {
    state_.n = (result >> 31) != 0;
    state_.z = result == 0;
  }
  std::uint32_t add_with_carry(std::uint32_t x, std::uint32_t y, bool carry, bool set_flags);

  // Branches that may leave through an EXC_RETURN value; bx_write is BX/BLX/POP/LDR/LDM to PC.
  void branch_to(std::uint32_t target) { next_pc_ = target & ~1u; }
  void bx_write(std::uint32_t target);
  void write_reg(unsigned d, std::uint32_t value);  // R15 as a load's branch, the rest plain
  std::uint32_t read_reg(unsigned n) const;         // R15 reads as the instruction's address + 4

  void execute16(std::uint16_t op);
  void execute32(std::uint16_t hw1, std::uint16_t hw2);
  void data_processing_modified_immediate(std::uint16_t hw1, std::uint16_t hw2);
  void data_processing_plain_immediate(std::uint16_t hw1, std::uint16_t hw2);
  void data_processing_shifted_register(std::uint16_t hw1, std::uint16_t hw2);
  void data_processing_register(std::uint16_t hw1, std::uint16_t hw2);
  void multiply(std::uint16_t hw1, std::uint16_t hw2);
  void long_multiply_divide(std::uint16_t hw1, std::uint16_t hw2);
  void branches_and_control(std::uint16_t hw1, std::uint16_t hw2);
  void load_store_multiple(std::uint16_t hw1, std::uint16_t hw2);
  void load_store_dual_exclusive(std::uint16_t hw1, std::uint16_t hw2);
  void load_store_single(std::uint16_t hw1, std::uint16_t hw2);
  void system_register_move(std::uint16_t hw1, std::uint16_t hw2);
  void floating_point(std::uint16_t hw1, std::uint16_t hw2);
  void fp_data_processing(std::uint16_t hw1, std::uint16_t hw2);
  void fp_load_store(std::uint16_t hw1, std::uint16_t hw2);
  std::uint32_t special_register(unsigned sysm) const;
  void set_special_register(unsigned sysm, unsigned mask, std::uint32_t value);
  void logical_result(unsigned d, std::uint32_t result, bool carry, bool set_flags);

  Host& host_;
  State state_;
  Region fetch_[3]{};
  Region read_[3]{};
  Region read_write_{};
  Region code_{};  // where the last fetch came from
  unsigned fetch_count_ = 0, read_count_ = 0;

  // Of the instruction being executed.
  std::uint32_t pc_ = 0;
  std::uint32_t next_pc_ = 0;
  Exit pending_exit_ = Exit::Stopped;
  bool exiting_ = false;

  std::uint32_t fault_address_ = 0;
  std::uint32_t exc_return_ = 0;
  std::uint64_t direct_stores_ = 0;
  bool exclusive_ = false;
  std::uint32_t exclusive_address_ = 0;
};

template <class Before>
ThumbCore::Exit ThumbCore::run(Before&& before) {
  State& s = state_;
  try {
    for (;;) {
      pc_ = s.r[15] & ~1u;
      std::uint16_t hw1;
      if (!fetch16(pc_, hw1)) {
        fault_address_ = pc_;
        return Exit::FetchFault;
      }
      const bool wide = (hw1 >> 11) >= 0x1D;
      std::uint16_t hw2 = 0;
      if (wide && !fetch16(pc_ + 2, hw2)) {
        fault_address_ = pc_ + 2;
        return Exit::FetchFault;
      }
      if (!before(pc_, wide ? 4u : 2u, hw1)) return Exit::Stopped;
      next_pc_ = pc_ + (wide ? 4u : 2u);
      if (s.it == 0) {
        if (wide)
          execute32(hw1, hw2);
        else
          execute16(hw1);
      } else {
        // Inside an IT block: the instruction runs if its condition holds, and the block moves
        // on either way.
        if (condition(s.it >> 4)) {
          if (wide)
            execute32(hw1, hw2);
          else
            execute16(hw1);
        }
        advance_it();
      }
      s.r[15] = next_pc_;
      if (exiting_) {
        exiting_ = false;
        return pending_exit_;
      }
    }
  } catch (const Stop& stop) {
    // The PC stays at the instruction that faulted.
    s.r[15] = pc_;
    return stop.exit;
  }
}

}  // namespace ovrimo::emu

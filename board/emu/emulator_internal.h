// What the emulator's source files share: the core's architectural constants and small helpers.
// Not part of the emulator's interface.
#pragma once

#include <unicorn/unicorn.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "emu/emulator.h"
#include "model/time.h"

namespace ovrimo::emu::detail {

inline constexpr std::uint32_t kPeripheralBase = 0x40000000, kPeripheralSize = 0x20000000;
inline constexpr std::uint32_t kScsBase = 0xE000E000, kScsSize = 0x1000;
inline constexpr std::uint32_t kVtorAddress = 0xE000ED08;
inline constexpr std::uint32_t kNoPc = 0xFFFFFFFFu;
inline constexpr std::uint16_t kWfe = 0xBF20, kYield = 0xBF10;

// Numbers Unicorn reports to its interrupt hook (its CPU core's exception numbering).
inline constexpr std::uint32_t kCpuUndefined = 1, kCpuSvc = 2, kCpuPrefetchAbort = 3, kCpuDataAbort = 4,
                        kCpuBreakpoint = 7, kCpuExceptionExit = 8, kCpuNoCoprocessor = 17,
                        kCpuInvalidState = 18, kCpuStackLimit = 19, kCpuUnaligned = 22;

inline constexpr std::uint32_t kXpsrIt = 0x0600FC00u;  // IT[1:0] in bits 26:25, IT[7:2] in bits 15:10
inline constexpr std::uint32_t kXpsrThumb = 1u << 24;
inline constexpr std::uint32_t kXpsrRealigned = 1u << 9;
inline constexpr std::uint32_t kIpsrMask = 0x1FFu;
inline constexpr std::uint32_t kControlSpsel = 1u << 1, kControlFpca = 1u << 2, kControlSfpa = 1u << 3;
// EXC_RETURN: bit 4 set for a frame without FP registers, bit 3 for a return to thread mode,
// bit 2 for the process stack.
inline constexpr std::uint32_t kExcReturnBase = 0xFFFFFFE1u;
inline constexpr std::uint32_t kExcReturnBasicFrame = 1u << 4, kExcReturnThread = 1u << 3, kExcReturnPsp = 1u << 2;
inline constexpr std::uint32_t kBasicFrameWords = 8, kExtendedFrameWords = 26;

inline std::string hex32(std::uint32_t v) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(v));
  return text;
}

inline void check(uc_err err, const char* what) {
  if (err != UC_ERR_OK) throw std::runtime_error(std::string("CPU emulator: cannot ") + what + ": " + uc_strerror(err));
}

inline model::Time wall_to_time(std::chrono::steady_clock::duration d) {
  return static_cast<model::Time>(std::chrono::duration_cast<std::chrono::nanoseconds>(d).count()) *
         model::kNanosecond;
}


inline constexpr const char* kSvcText = "supervisor call (SVC), which this board does not use";
inline constexpr const char* kBreakpointText = "breakpoint instruction (BKPT)";
inline constexpr const char* kInvalidStateText = "invalid state (branch without the Thumb bit)";
inline constexpr const char* kUnalignedText = "unaligned access";
inline std::string fetch_fault_text(std::uint32_t a) { return "jump to " + hex32(a) + ", where no memory is"; }
inline std::string read_fault_text(std::uint32_t a) { return "bus fault: read of unmapped address " + hex32(a); }
inline std::string write_fault_text(std::uint32_t a) { return "bus fault: write of unmapped address " + hex32(a); }

// The registers of the interpreter, by Unicorn's numbers.
std::uint32_t interpreter_reg(const ThumbCore& core, int id);
void set_interpreter_reg(ThumbCore& core, int id, std::uint32_t value);
// The registers a polling wait is recognised by, from the interpreter (see WaitSkip::Registers).
WaitSkip::Registers interpreter_wait_registers(const ThumbCore& core);

inline bool inside(std::uint32_t address, std::uint64_t size, std::uint32_t base, std::uint32_t region) {
  return address >= base && std::uint64_t{address} - base + size <= region;
}

}  // namespace ovrimo::emu::detail

namespace ovrimo::emu {

// Called before every instruction on either core. Nearly every instruction is only counted: what
// else may happen before one is looked at apart (may_run), so that this stays short.
inline bool Emulator::before_instruction(std::uint32_t pc, bool may_be_it) {
  if (it_block_bytes_ != 0) {
    // An instruction of the IT block the IT instruction has already charged: the CPU cannot
    // stop inside the block, and counting it again would make the count depend on its
    // condition.
    if (pc - it_block_start_ < it_block_bytes_) return true;
    it_block_bytes_ = 0;
  }
  if ((slice_left_ == 0 || slice_ending_ || pc == last_pc_ || hands_off_at(pc)) && !may_run(pc)) return false;
  --slice_left_;
  ++steps_;
  ++executed_;
  last_pc_ = pc;
  if (may_be_it) count_it_block(pc);
  return true;
}

// Most instructions are 16-bit and few of them IT: the flash byte that rules it out is looked at
// without a call.
inline bool Emulator::may_be_it(std::uint32_t pc) const {
  const std::uint32_t in_flash = pc - kFlashBase;
  return in_flash >= kFlashSize - 1 || board_.flash_array().bytes()[in_flash + 1] == 0xBF;
}

}  // namespace ovrimo::emu

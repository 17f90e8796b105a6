// Exception entry and return: the stack frame, EXC_RETURN and the core model's bookkeeping.
#include "emu/emulator.h"

#include <unicorn/unicorn.h>

#include <vector>

#include "emu/emulator_internal.h"

namespace ovrimo::emu {

using namespace detail;

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
  // The local exclusive monitor does not survive an exception entry or return: a STREX after one
  // fails. (Unicorn's monitor is its own, out of reach.)
  if (core_) core_->clear_exclusive();
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
  if (core_) core_->clear_exclusive();
  wait_skip_.forget();
  frames_.pop_back();
  last_pc_ = kNoPc;
  it_block_bytes_ = 0;
  charge_cycles(options_.exception_cycles);
  if (trace_ != nullptr) trace_line("return from " + exception_name(returning) + " to " + where(values[6] & ~1u));
  return std::nullopt;
}
}  // namespace ovrimo::emu

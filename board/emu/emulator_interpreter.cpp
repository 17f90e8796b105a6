// The interpreter (ThumbCore) as the emulator's CPU: what it reaches directly, what it asks the
// board for, and one slice on it.
#include <unicorn/unicorn.h>

#include <algorithm>

#include "emu/emulator.h"
#include "emu/emulator_internal.h"

namespace ovrimo::emu {

using namespace detail;

// Everything the interpreter does not reach directly: register windows, stores into flash (the
// FLASH controller decides what they do) and data reads of the application's flash (through the
// instruction cache).
class CoreHost final : public ThumbCore::Host {
 public:
  explicit CoreHost(Emulator& emulator) : e_(emulator) {}

  bool read(std::uint32_t address, unsigned size, std::uint32_t& value) override {
    if (in_registers(address)) {
      value = e_.bus_read(address, size);
      return true;
    }
    if (inside(address, size, Emulator::kFlashBase, Emulator::kFlashSize)) {
      std::uint8_t bytes[4] = {};
      e_.read_application_flash(address, bytes, size);
      value = std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
              std::uint32_t{bytes[3]} << 24;
      return true;
    }
    e_.fault(read_fault_text(address), address, e_.current_pc());
    return false;
  }

  bool write(std::uint32_t address, unsigned size, std::uint32_t value) override {
    if (in_registers(address) || inside(address, size, Emulator::kFlashBase, Emulator::kFlashSize)) {
      e_.bus_write(address, value, size);
      return true;
    }
    e_.fault(write_fault_text(address), address, e_.current_pc());
    return false;
  }

 private:
  static bool in_registers(std::uint32_t address) {
    return address - kPeripheralBase < kPeripheralSize || address - kScsBase < kScsSize;
  }
  Emulator& e_;
};

void Emulator::open_interpreter() {
  core_host_ = std::make_unique<CoreHost>(*this);
  core_ = std::make_unique<ThumbCore>(*core_host_);
  std::uint8_t* flash = board_.flash_array().bytes().data();
  core_->map_fetch(kFlashBase, kFlashSize, flash);
  core_->map_fetch(kSramBase, kSramSize, sram_.data());
  // The application's flash is read through the bus: the instruction cache stands between.
  core_->map_read(kFlashBase, application_base() - kFlashBase, flash);
  core_->map_read_write(kSramBase, kSramSize, sram_.data());
  core_->state().control = 0;
}

std::optional<RunResult> Emulator::run_interpreter_slice() {
  // 0xBFxx is IT (or a hint, which count_it_block tells apart).
  const ThumbCore::Exit exit = core_->run([this](std::uint32_t pc, unsigned, std::uint16_t first) {
    return before_instruction(pc, (first >> 8) == 0xBF);
  });
  sync_time();
  if (pending_fault_) {
    const PendingFault f = *pending_fault_;
    pending_fault_.reset();
    return fault_result(f);
  }
  const std::uint32_t pc = current_pc();
  switch (exit) {
    case ThumbCore::Exit::Stopped: return after_slice(false);
    case ThumbCore::Exit::WaitForInterrupt: return after_slice(true);
    case ThumbCore::Exit::Hint:
      // A hint ends the slice as it does on Unicorn, which stops after WFE and YIELD.
      return after_slice(false);
    case ThumbCore::Exit::ExceptionReturn:
      pending_exc_return_ = core_->exc_return();
      return after_slice(false);
    case ThumbCore::Exit::FetchFault:
      return fault_result({fetch_fault_text(core_->fault_address()), last_pc_, core_->fault_address()});
    case ThumbCore::Exit::Undefined: return fault_result({"undefined instruction", pc, std::nullopt});
    case ThumbCore::Exit::InvalidState: return fault_result({kInvalidStateText, pc, core_->fault_address()});
    case ThumbCore::Exit::Svc: return fault_result({kSvcText, pc, std::nullopt});
    case ThumbCore::Exit::Breakpoint: return fault_result({kBreakpointText, pc, std::nullopt});
    case ThumbCore::Exit::Unaligned: return fault_result({kUnalignedText, pc, core_->fault_address()});
    case ThumbCore::Exit::DataFault: break;  // reported by the host through pending_fault_
  }
  return fault_result({read_fault_text(core_->fault_address()), pc, core_->fault_address()});
}

namespace detail {

WaitSkip::Registers interpreter_wait_registers(const ThumbCore& core) {
  WaitSkip::Registers values{};
  const ThumbCore::State& s = core.state();
  std::copy(s.r.begin(), s.r.begin() + 15, values.begin());  // R0-R12, SP, LR
  values[15] = core.xpsr();
  values[16] = s.control;
  values[17] = s.primask;
  values[18] = s.basepri;
  if ((s.control & kControlFpca) != 0) {
    values[19] = s.fpscr;
    std::copy(s.s.begin(), s.s.end(), values.begin() + 20);
  }
  return values;
}

std::uint32_t interpreter_reg(const ThumbCore& core, int id) {
  const ThumbCore::State& s = core.state();
  if (id >= UC_ARM_REG_R0 && id <= UC_ARM_REG_R12) return s.r[static_cast<std::size_t>(id - UC_ARM_REG_R0)];
  if (id >= UC_ARM_REG_S0 && id <= UC_ARM_REG_S31) return s.s[static_cast<std::size_t>(id - UC_ARM_REG_S0)];
  switch (id) {
    case UC_ARM_REG_SP: return s.r[13];
    case UC_ARM_REG_LR: return s.r[14];
    case UC_ARM_REG_PC: return s.r[15];
    case UC_ARM_REG_XPSR: return core.xpsr();
    case UC_ARM_REG_MSP: return core.msp();
    case UC_ARM_REG_PSP: return core.psp();
    case UC_ARM_REG_PRIMASK: return s.primask;
    case UC_ARM_REG_BASEPRI: return s.basepri;
    case UC_ARM_REG_FAULTMASK: return s.faultmask;
    case UC_ARM_REG_CONTROL: return s.control;
    case UC_ARM_REG_FPSCR: return s.fpscr;
    default: throw std::logic_error("no such register in the interpreter: " + std::to_string(id));
  }
}

void set_interpreter_reg(ThumbCore& core, int id, std::uint32_t value) {
  ThumbCore::State& s = core.state();
  if (id >= UC_ARM_REG_R0 && id <= UC_ARM_REG_R12) {
    s.r[static_cast<std::size_t>(id - UC_ARM_REG_R0)] = value;
    return;
  }
  if (id >= UC_ARM_REG_S0 && id <= UC_ARM_REG_S31) {
    s.s[static_cast<std::size_t>(id - UC_ARM_REG_S0)] = value;
    return;
  }
  switch (id) {
    case UC_ARM_REG_SP: s.r[13] = value; return;
    case UC_ARM_REG_LR: s.r[14] = value; return;
    case UC_ARM_REG_PC: s.r[15] = value & ~1u; return;
    case UC_ARM_REG_XPSR: core.set_xpsr(value); return;
    case UC_ARM_REG_MSP: core.set_msp(value); return;
    case UC_ARM_REG_PSP: core.set_psp(value); return;
    case UC_ARM_REG_PRIMASK: s.primask = value & 1u; return;
    case UC_ARM_REG_BASEPRI: s.basepri = value & 0xFFu; return;
    case UC_ARM_REG_FAULTMASK: s.faultmask = value & 1u; return;
    case UC_ARM_REG_CONTROL: core.set_control(value); return;
    case UC_ARM_REG_FPSCR: s.fpscr = value; return;
    default: throw std::logic_error("no such register in the interpreter: " + std::to_string(id));
  }
}

}  // namespace detail

}  // namespace ovrimo::emu

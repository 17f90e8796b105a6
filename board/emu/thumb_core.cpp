#include "emu/thumb_core.h"

#include <bit>
#include <cstring>

namespace ovrimo::emu {

namespace {

constexpr std::uint32_t bits(std::uint32_t value, unsigned high, unsigned low) {
  return (value >> low) & ((2u << (high - low)) - 1u);
}
constexpr bool bit(std::uint32_t value, unsigned n) { return ((value >> n) & 1u) != 0; }
constexpr std::uint32_t sign_extend(std::uint32_t value, unsigned width) {
  const std::uint32_t m = 1u << (width - 1);
  return (value ^ m) - m;
}

enum Shift : unsigned { kLsl = 0, kLsr = 1, kAsr = 2, kRor = 3, kRrx = 4 };

// The shifter: result and carry out of `value` shifted by `amount` (any amount, as a register
// gives it).
std::uint32_t shift_c(std::uint32_t value, unsigned type, unsigned amount, bool carry_in, bool& carry) {
  carry = carry_in;
  if (type == kRrx) {
    carry = (value & 1u) != 0;
    return (value >> 1) | (carry_in ? 0x80000000u : 0u);
  }
  if (amount == 0) return value;
  switch (type) {
    case kLsl:
      if (amount > 32) { carry = false; return 0; }
      carry = ((value >> (32 - amount)) & 1u) != 0;
      return amount == 32 ? 0 : value << amount;
    case kLsr:
      if (amount > 32) { carry = false; return 0; }
      carry = ((value >> (amount - 1)) & 1u) != 0;
      return amount == 32 ? 0 : value >> amount;
    case kAsr: {
      if (amount >= 32) {
        carry = (value >> 31) != 0;
        return carry ? 0xFFFFFFFFu : 0u;
      }
      carry = ((value >> (amount - 1)) & 1u) != 0;
      return static_cast<std::uint32_t>(static_cast<std::int32_t>(value) >> amount);
    }
    default: {
      const unsigned r = amount % 32;
      const std::uint32_t result = r == 0 ? value : std::rotr(value, static_cast<int>(r));
      carry = (result >> 31) != 0;
      return result;
    }
  }
}

// The shift an instruction encodes in its type and five-bit amount.
void decode_imm_shift(unsigned type, unsigned imm5, unsigned& shift, unsigned& amount) {
  shift = type;
  amount = imm5;
  if (type == kLsr || type == kAsr) {
    if (imm5 == 0) amount = 32;
  } else if (type == kRor && imm5 == 0) {
    shift = kRrx;
    amount = 1;
  }
}

std::uint32_t expand_imm_c(std::uint32_t imm12, bool carry_in, bool& carry) {
  carry = carry_in;
  if (bits(imm12, 11, 10) == 0) {
    const std::uint32_t b = imm12 & 0xFFu;
    switch (bits(imm12, 9, 8)) {
      case 0: return b;
      case 1: return b << 16 | b;
      case 2: return b << 24 | b << 8;
      default: return b << 24 | b << 16 | b << 8 | b;
    }
  }
  const std::uint32_t value = std::rotr(0x80u | (imm12 & 0x7Fu), static_cast<int>(bits(imm12, 11, 7)));
  carry = (value >> 31) != 0;
  return value;
}

std::uint32_t read_le(const std::uint8_t* p, unsigned size) {
  switch (size) {
    case 1: return p[0];
    case 2: return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8;
    default: {
      std::uint32_t v;
      std::memcpy(&v, p, 4);
      return v;
    }
  }
}

constexpr unsigned kControlSpsel = 1u << 1;

}  // namespace

// ---------------------------------------------------------------------------------------------
// State

std::uint32_t ThumbCore::xpsr() const {
  const State& s = state_;
  const std::uint32_t it = s.it;
  return (s.n ? 1u << 31 : 0u) | (s.z ? 1u << 30 : 0u) | (s.c ? 1u << 29 : 0u) | (s.v ? 1u << 28 : 0u) |
         (s.q ? 1u << 27 : 0u) | (it & 3u) << 25 | 1u << 24 | (it >> 2) << 10 | (s.ipsr & 0x1FFu);
}

void ThumbCore::set_xpsr(std::uint32_t value) {
  State& s = state_;
  s.n = bit(value, 31);
  s.z = bit(value, 30);
  s.c = bit(value, 29);
  s.v = bit(value, 28);
  s.q = bit(value, 27);
  s.it = static_cast<std::uint8_t>(bits(value, 26, 25) | bits(value, 15, 10) << 2);
  s.ipsr = value & 0x1FFu;
}

// Thread mode with SPSEL set runs on the process stack; handler mode always on the main one.
static bool on_process_stack(const ThumbCore::State& s) { return s.ipsr == 0 && (s.control & kControlSpsel) != 0; }

std::uint32_t ThumbCore::msp() const { return on_process_stack(state_) ? state_.msp : state_.r[13]; }
std::uint32_t ThumbCore::psp() const { return on_process_stack(state_) ? state_.r[13] : state_.psp; }

void ThumbCore::set_msp(std::uint32_t value) {
  if (on_process_stack(state_))
    state_.msp = value;
  else
    state_.r[13] = value;
}

void ThumbCore::set_psp(std::uint32_t value) {
  if (on_process_stack(state_))
    state_.r[13] = value;
  else
    state_.psp = value;
}

void ThumbCore::set_control(std::uint32_t value) {
  const std::uint32_t main = msp(), process = psp();
  state_.control = value;
  state_.msp = main;
  state_.psp = process;
  state_.r[13] = on_process_stack(state_) ? process : main;
}

void ThumbCore::map_fetch(std::uint32_t base, std::uint32_t size, const std::uint8_t* bytes) {
  fetch_[fetch_count_++] = Region{base, size, const_cast<std::uint8_t*>(bytes)};
}

void ThumbCore::map_read(std::uint32_t base, std::uint32_t size, const std::uint8_t* bytes) {
  read_[read_count_++] = Region{base, size, const_cast<std::uint8_t*>(bytes)};
}

void ThumbCore::map_read_write(std::uint32_t base, std::uint32_t size, std::uint8_t* bytes) {
  read_write_ = Region{base, size, bytes};
  read_[read_count_++] = read_write_;
}

// ---------------------------------------------------------------------------------------------
// Memory

void ThumbCore::fault(Exit exit, std::uint32_t address) {
  fault_address_ = address;
  throw Stop{exit};
}

std::uint32_t ThumbCore::load_slow(std::uint32_t address, unsigned size) {
  for (unsigned i = 0; i < read_count_; ++i) {
    const Region& r = read_[i];
    if (r.holds(address, size)) return read_le(r.bytes + (address - r.base), size);
  }
  std::uint32_t value = 0;
  if ((address & (size - 1)) != 0 && size > 1) {
    // An unaligned access is made of byte accesses; each one may find a different place.
    for (unsigned i = 0; i < size; ++i) {
      std::uint32_t byte = 0;
      if (!host_.read(address + i, 1, byte)) fault(Exit::DataFault, address + i);
      value |= (byte & 0xFFu) << (8 * i);
    }
    return value;
  }
  if (!host_.read(address, size, value)) fault(Exit::DataFault, address);
  return size == 4 ? value : value & ((1u << (8 * size)) - 1u);
}

void ThumbCore::store_slow(std::uint32_t address, unsigned size, std::uint32_t value) {
  if ((address & (size - 1)) != 0 && size > 1) {
    for (unsigned i = 0; i < size; ++i)
      if (!host_.write(address + i, 1, (value >> (8 * i)) & 0xFFu)) fault(Exit::DataFault, address + i);
    return;
  }
  if (!host_.write(address, size, size == 4 ? value : value & ((1u << (8 * size)) - 1u)))
    fault(Exit::DataFault, address);
}

std::uint32_t ThumbCore::load_aligned(std::uint32_t address, unsigned size) {
  if ((address & (size - 1)) != 0) fault(Exit::Unaligned, address);
  return load(address, size);
}

void ThumbCore::store_aligned(std::uint32_t address, unsigned size, std::uint32_t value) {
  if ((address & (size - 1)) != 0) fault(Exit::Unaligned, address);
  store(address, size, value);
}

// ---------------------------------------------------------------------------------------------
// Helpers of execution

bool ThumbCore::condition(unsigned cond) const {
  const State& s = state_;
  bool result;
  switch (cond >> 1) {
    case 0: result = s.z; break;
    case 1: result = s.c; break;
    case 2: result = s.n; break;
    case 3: result = s.v; break;
    case 4: result = s.c && !s.z; break;
    case 5: result = s.n == s.v; break;
    case 6: result = s.n == s.v && !s.z; break;
    default: return true;
  }
  return (cond & 1u) != 0 ? !result : result;
}

std::uint32_t ThumbCore::add_with_carry(std::uint32_t x, std::uint32_t y, bool carry, bool set_flags) {
  const std::uint64_t unsigned_sum = std::uint64_t{x} + y + (carry ? 1u : 0u);
  const auto result = static_cast<std::uint32_t>(unsigned_sum);
  if (set_flags) {
    set_nz(result);
    state_.c = (unsigned_sum >> 32) != 0;
    state_.v = (((x ^ result) & (y ^ result)) >> 31) != 0;
  }
  return result;
}

std::uint32_t ThumbCore::read_reg(unsigned n) const { return n == 15 ? pc_ + 4 : state_.r[n]; }

// A value loaded into the PC, or given to BX or BLX: in handler mode a value in the EXC_RETURN
// range returns from the exception; otherwise bit 0 must be set, as the M profile runs Thumb only.
void ThumbCore::bx_write(std::uint32_t target) {
  if (state_.ipsr != 0 && (target >> 24) == 0xFFu) {
    exc_return_ = target;
    exit_after(Exit::ExceptionReturn);
    next_pc_ = target & ~1u;
    return;
  }
  if ((target & 1u) == 0) {
    // The architecture takes a UsageFault (INVSTATE) at the target.
    fault(Exit::InvalidState, target);
  }
  next_pc_ = target & ~1u;
}

void ThumbCore::write_reg(unsigned d, std::uint32_t value) {
  if (d == 15)
    bx_write(value);
  else
    state_.r[d] = value;
}

void ThumbCore::logical_result(unsigned d, std::uint32_t result, bool carry, bool set_flags) {
  if (d == 15) {
    branch_to(result);
  } else {
    state_.r[d] = result;
  }
  if (set_flags) {
    set_nz(result);
    state_.c = carry;
  }
}

// ---------------------------------------------------------------------------------------------
// The loop

ThumbCore::Exit ThumbCore::run() {
  return run([this](std::uint32_t pc, unsigned size, std::uint16_t) { return host_.before(pc, size); });
}

bool ThumbCore::fetch_slow(std::uint32_t address, std::uint16_t& half) {
  for (unsigned i = 0; i < fetch_count_; ++i) {
    const Region& r = fetch_[i];
    if (r.holds(address, 2)) {
      code_ = r;
      half = static_cast<std::uint16_t>(read_le(r.bytes + (address - r.base), 2));
      return true;
    }
  }
  return false;
}

// ---------------------------------------------------------------------------------------------
// 16-bit instructions

void ThumbCore::execute16(std::uint16_t op) {
  State& s = state_;
  const bool set_flags = !in_it_block();
  switch (op >> 12) {
    case 0x0:
    case 0x1: {
      const unsigned d = op & 7u, m = bits(op, 5, 3);
      const unsigned kind = bits(op, 12, 11);
      if (kind < 3) {  // LSL, LSR, ASR by an immediate
        unsigned shift, amount;
        decode_imm_shift(kind, bits(op, 10, 6), shift, amount);
        bool carry;
        const std::uint32_t result = shift_c(s.r[m], shift, amount, s.c, carry);
        s.r[d] = result;
        if (set_flags) {
          set_nz(result);
          s.c = carry;
        }
        return;
      }
      const std::uint32_t operand = bit(op, 10) ? bits(op, 8, 6) : s.r[bits(op, 8, 6)];
      if (bit(op, 9))
        s.r[d] = add_with_carry(s.r[m], ~operand, true, set_flags);
      else
        s.r[d] = add_with_carry(s.r[m], operand, false, set_flags);
      return;
    }
    case 0x2:
    case 0x3: {
      const unsigned d = bits(op, 10, 8);
      const std::uint32_t imm = op & 0xFFu;
      switch (bits(op, 12, 11)) {
        case 0:
          s.r[d] = imm;
          if (set_flags) set_nz(imm);
          return;
        case 1: add_with_carry(s.r[d], ~imm, true, true); return;
        case 2: s.r[d] = add_with_carry(s.r[d], imm, false, set_flags); return;
        default: s.r[d] = add_with_carry(s.r[d], ~imm, true, set_flags); return;
      }
    }
    case 0x4: {
      if (bit(op, 11)) {  // LDR (literal)
        const std::uint32_t address = ((pc_ + 4) & ~3u) + (op & 0xFFu) * 4;
        s.r[bits(op, 10, 8)] = load(address, 4);
        return;
      }
      if (bit(op, 10)) {  // special data processing and branch exchange
        const unsigned m = bits(op, 6, 3);
        const unsigned d = bits(op, 2, 0) | (bit(op, 7) ? 8u : 0u);
        switch (bits(op, 9, 8)) {
          case 0: {
            const std::uint32_t result = add_with_carry(read_reg(d), read_reg(m), false, false);
            if (d == 15) branch_to(result); else s.r[d] = result;
            return;
          }
          case 1: add_with_carry(read_reg(d), ~read_reg(m), true, true); return;
          case 2:
            if (d == 15) branch_to(read_reg(m)); else s.r[d] = read_reg(m);
            return;
          default: {
            const std::uint32_t target = read_reg(m);
            if (bit(op, 7)) s.r[14] = (pc_ + 2) | 1u;  // BLX
            bx_write(target);
            return;
          }
        }
      }
      // Data processing on low registers.
      const unsigned d = op & 7u, m = bits(op, 5, 3);
      const std::uint32_t a = s.r[d], b = s.r[m];
      bool carry = s.c;
      switch (bits(op, 9, 6)) {
        case 0x0: logical_result(d, a & b, carry, set_flags); return;
        case 0x1: logical_result(d, a ^ b, carry, set_flags); return;
        // The shift runs before logical_result reads its carry out: the order in which a call's
        // arguments are evaluated is unspecified.
        case 0x2: case 0x3: case 0x4: case 0x7: {
          static constexpr unsigned kTypes[] = {kLsl, kLsr, kAsr, 0, 0, kRor};
          const std::uint32_t result = shift_c(a, kTypes[bits(op, 9, 6) - 2], b & 0xFFu, s.c, carry);
          logical_result(d, result, carry, set_flags);
          return;
        }
        case 0x5: s.r[d] = add_with_carry(a, b, s.c, set_flags); return;
        case 0x6: s.r[d] = add_with_carry(a, ~b, s.c, set_flags); return;
        case 0x8: set_nz(a & b); return;
        case 0x9: s.r[d] = add_with_carry(~b, 0, true, set_flags); return;  // RSB #0 (NEG)
        case 0xA: add_with_carry(a, ~b, true, true); return;
        case 0xB: add_with_carry(a, b, false, true); return;
        case 0xC: logical_result(d, a | b, carry, set_flags); return;
        case 0xD:
          s.r[d] = a * b;
          if (set_flags) set_nz(s.r[d]);
          return;
        case 0xE: logical_result(d, a & ~b, carry, set_flags); return;
        default: logical_result(d, ~b, carry, set_flags); return;
      }
    }
    case 0x5: {  // load and store with a register offset
      const unsigned t = op & 7u;
      const std::uint32_t address = s.r[bits(op, 5, 3)] + s.r[bits(op, 8, 6)];
      switch (bits(op, 11, 9)) {
        case 0: store(address, 4, s.r[t]); return;
        case 1: store(address, 2, s.r[t]); return;
        case 2: store(address, 1, s.r[t]); return;
        case 3: s.r[t] = sign_extend(load(address, 1), 8); return;
        case 4: s.r[t] = load(address, 4); return;
        case 5: s.r[t] = load(address, 2); return;
        case 6: s.r[t] = load(address, 1); return;
        default: s.r[t] = sign_extend(load(address, 2), 16); return;
      }
    }
    case 0x6:
    case 0x7: {  // word and byte with an immediate offset
      const unsigned t = op & 7u;
      const bool byte = bit(op, 12);
      const std::uint32_t address = s.r[bits(op, 5, 3)] + bits(op, 10, 6) * (byte ? 1u : 4u);
      if (bit(op, 11))
        s.r[t] = load(address, byte ? 1 : 4);
      else
        store(address, byte ? 1 : 4, s.r[t]);
      return;
    }
    case 0x8: {
      const unsigned t = op & 7u;
      const std::uint32_t address = s.r[bits(op, 5, 3)] + bits(op, 10, 6) * 2;
      if (bit(op, 11))
        s.r[t] = load(address, 2);
      else
        store(address, 2, s.r[t]);
      return;
    }
    case 0x9: {
      const unsigned t = bits(op, 10, 8);
      const std::uint32_t address = s.r[13] + (op & 0xFFu) * 4;
      if (bit(op, 11))
        s.r[t] = load(address, 4);
      else
        store(address, 4, s.r[t]);
      return;
    }
    case 0xA: {
      const std::uint32_t imm = (op & 0xFFu) * 4;
      s.r[bits(op, 10, 8)] = bit(op, 11) ? s.r[13] + imm : ((pc_ + 4) & ~3u) + imm;
      return;
    }
    case 0xB: {
      switch (bits(op, 11, 8)) {
        case 0x0: {
          const std::uint32_t imm = (op & 0x7Fu) * 4;
          s.r[13] = bit(op, 7) ? s.r[13] - imm : s.r[13] + imm;
          return;
        }
        case 0x1: case 0x3: case 0x9: case 0xB: {  // CBZ, CBNZ
          const bool zero = s.r[op & 7u] == 0;
          if (zero != bit(op, 11)) branch_to(pc_ + 4 + ((bit(op, 9) ? 0x40u : 0u) | bits(op, 7, 3) << 1));
          return;
        }
        case 0x2: {
          const std::uint32_t m = s.r[bits(op, 5, 3)];
          std::uint32_t& d = s.r[op & 7u];
          switch (bits(op, 7, 6)) {
            case 0: d = sign_extend(m & 0xFFFFu, 16); return;
            case 1: d = sign_extend(m & 0xFFu, 8); return;
            case 2: d = m & 0xFFFFu; return;
            default: d = m & 0xFFu; return;
          }
        }
        case 0x4: case 0x5: case 0xC: case 0xD: push_pop16(op); return;
        case 0x6:
          if ((op & 0xFFE8u) == 0xB660u) {  // CPS
            const std::uint32_t value = bit(op, 4) ? 1u : 0u;
            if (bit(op, 1)) s.primask = value;
            if (bit(op, 0)) s.faultmask = value;
            return;
          }
          fault(Exit::Undefined);
        case 0xA:
          if (bits(op, 7, 6) == 2) fault(Exit::Undefined);  // HLT: no halting debug here
          s.r[op & 7u] = reverse_bytes(bits(op, 7, 6), s.r[bits(op, 5, 3)]);
          return;
        case 0xE: fault(Exit::Breakpoint);
        case 0xF: {
          if ((op & 0xFu) != 0) {  // IT
            s.it = static_cast<std::uint8_t>(op & 0xFFu);
            return;
          }
          hint(bits(op, 7, 4));
          return;
        }
        default: fault(Exit::Undefined);
      }
    }
    case 0xC: load_store_multiple16(op); return;
    case 0xD: {
      const unsigned cond = bits(op, 11, 8);
      if (cond == 0xE) fault(Exit::Undefined);  // UDF
      if (cond == 0xF) fault(Exit::Svc);
      if (condition(cond)) branch_to(pc_ + 4 + sign_extend((op & 0xFFu) << 1, 9));
      return;
    }
    default:  // 0xE: B
      branch_to(pc_ + 4 + sign_extend((op & 0x7FFu) << 1, 12));
      return;
  }
}

void ThumbCore::push_pop16(std::uint16_t op) {
  State& s = state_;
  if (!bit(op, 11)) {  // PUSH
    const unsigned list = (op & 0xFFu) | (bit(op, 8) ? 0x4000u : 0u);
    if (list == 0) fault(Exit::Undefined);
    const std::uint32_t start = s.r[13] - 4u * static_cast<unsigned>(std::popcount(list));
    store_registers(start, list);
    s.r[13] = start;
    return;
  }
  // POP
  const unsigned list = (op & 0xFFu) | (bit(op, 8) ? 0x8000u : 0u);
  if (list == 0) fault(Exit::Undefined);
  std::uint32_t pc_value = 0;
  s.r[13] = load_registers(s.r[13], list, pc_value);
  if (bit(list, 15)) bx_write(pc_value);
}

void ThumbCore::load_store_multiple16(std::uint16_t op) {
  State& s = state_;
  const unsigned n = bits(op, 10, 8);
  const unsigned list = op & 0xFFu;
  if (list == 0) fault(Exit::Undefined);
  if (bit(op, 11)) {  // LDM
    std::uint32_t pc_value = 0;
    const std::uint32_t end = load_registers(s.r[n], list, pc_value);
    if (!bit(list, n)) s.r[n] = end;
  } else {  // STM
    s.r[n] = store_registers(s.r[n], list);
  }
}

std::uint32_t ThumbCore::load_registers(std::uint32_t address, unsigned list, std::uint32_t& pc_value) {
  // Every word is loaded before a register changes: a fault part-way leaves them as they were.
  std::uint32_t values[16];
  for (unsigned r = 0; r < 16; ++r)
    if (bit(list, r)) {
      values[r] = load_aligned(address, 4);
      address += 4;
    }
  for (unsigned r = 0; r < 15; ++r)
    if (bit(list, r)) state_.r[r] = values[r];
  if (bit(list, 15)) pc_value = values[15];
  return address;
}

std::uint32_t ThumbCore::store_registers(std::uint32_t address, unsigned list) {
  for (unsigned r = 0; r < 15; ++r)
    if (bit(list, r)) {
      store_aligned(address, 4, state_.r[r]);
      address += 4;
    }
  return address;
}

void ThumbCore::hint(unsigned number) {
  switch (number) {
    case 1: case 2: exit_after(Exit::Hint); return;  // YIELD, WFE
    case 3: exit_after(Exit::WaitForInterrupt); return;
    default: return;  // NOP, SEV and unallocated hints
  }
}

std::uint32_t ThumbCore::reverse_bytes(unsigned kind, std::uint32_t v) {
  switch (kind) {
    case 0: return __builtin_bswap32(v);                                           // REV
    case 1: return (v & 0xFF00FF00u) >> 8 | (v & 0x00FF00FFu) << 8;                // REV16
    default: return sign_extend((v & 0xFFu) << 8 | (v >> 8 & 0xFFu), 16);          // REVSH
  }
}

// ---------------------------------------------------------------------------------------------
// 32-bit instructions

void ThumbCore::execute32(std::uint16_t hw1, std::uint16_t hw2) {
  switch (bits(hw1, 12, 11)) {
    case 1:
      if (bit(hw1, 10)) {
        floating_point(hw1, hw2);
      } else if (bit(hw1, 9)) {
        data_processing_shifted_register(hw1, hw2);
      } else if (bit(hw1, 6)) {
        load_store_dual_exclusive(hw1, hw2);
      } else {
        load_store_multiple(hw1, hw2);
      }
      return;
    case 2:
      if (bit(hw2, 15))
        branches_and_control(hw1, hw2);
      else if (bit(hw1, 9))
        data_processing_plain_immediate(hw1, hw2);
      else
        data_processing_modified_immediate(hw1, hw2);
      return;
    default:
      if (bit(hw1, 10)) {
        floating_point(hw1, hw2);
      } else if (bits(hw1, 9, 8) == 0 || bits(hw1, 9, 8) == 1) {
        load_store_single(hw1, hw2);
      } else if (bits(hw1, 9, 8) == 2) {
        data_processing_register(hw1, hw2);
      } else if (bits(hw1, 9, 7) == 6) {
        multiply(hw1, hw2);
      } else if (bits(hw1, 9, 7) == 7) {
        long_multiply_divide(hw1, hw2);
      } else {
        fault(Exit::Undefined);
      }
      return;
  }
}

// AND, BIC, ORR, ORN, EOR, ADD, ADC, SBC, SUB, RSB and their compares, with `operand` as the
// second operand and `carry` as the shifter's carry out.
#define OVRIMO_DATA_PROCESSING(op, n, d, set_flags, operand, carry)                               \
  do {                                                                                            \
    State& st = state_;                                                                           \
    const std::uint32_t a = (n) == 15 ? 0u : st.r[n];                                             \
    switch (op) {                                                                                 \
      case 0x0:                                                                                   \
        if ((d) == 15 && (set_flags)) { set_nz(a & (operand)); st.c = (carry); return; }          \
        logical_result(d, a & (operand), carry, set_flags);                                       \
        return;                                                                                   \
      case 0x1: logical_result(d, a & ~(operand), carry, set_flags); return;                      \
      case 0x2: logical_result(d, a | (operand), carry, set_flags); return;                       \
      case 0x3: logical_result(d, a | ~(operand), carry, set_flags); return;                      \
      case 0x4:                                                                                   \
        if ((d) == 15 && (set_flags)) { set_nz(a ^ (operand)); st.c = (carry); return; }          \
        logical_result(d, a ^ (operand), carry, set_flags);                                       \
        return;                                                                                   \
      case 0x8:                                                                                   \
        if ((d) == 15 && (set_flags)) { add_with_carry(a, operand, false, true); return; }        \
        st.r[d] = add_with_carry((n) == 15 ? 0u : st.r[n], operand, false, set_flags);            \
        return;                                                                                   \
      case 0xA: st.r[d] = add_with_carry(a, operand, st.c, set_flags); return;                    \
      case 0xB: st.r[d] = add_with_carry(a, ~(operand), st.c, set_flags); return;                 \
      case 0xD:                                                                                   \
        if ((d) == 15 && (set_flags)) { add_with_carry(a, ~(operand), true, true); return; }      \
        st.r[d] = add_with_carry(a, ~(operand), true, set_flags);                                 \
        return;                                                                                   \
      case 0xE: st.r[d] = add_with_carry(~a, operand, true, set_flags); return;                   \
      default: fault(Exit::Undefined);                                                            \
    }                                                                                             \
  } while (false)

void ThumbCore::data_processing_modified_immediate(std::uint16_t hw1, std::uint16_t hw2) {
  const unsigned op = bits(hw1, 8, 5), n = hw1 & 0xFu, d = bits(hw2, 11, 8);
  const bool set_flags = bit(hw1, 4);
  const std::uint32_t imm12 = (bit(hw1, 10) ? 0x800u : 0u) | bits(hw2, 14, 12) << 8 | (hw2 & 0xFFu);
  bool carry;
  const std::uint32_t imm = expand_imm_c(imm12, state_.c, carry);
  if ((op == 0x2 || op == 0x3) && n == 15) {  // MOV, MVN
    logical_result(d, op == 0x2 ? imm : ~imm, carry, set_flags);
    return;
  }
  if (op == 0x8 && n == 13 && d != 15) {  // ADD SP, SP, #imm
    state_.r[d] = add_with_carry(state_.r[13], imm, false, set_flags);
    return;
  }
  OVRIMO_DATA_PROCESSING(op, n, d, set_flags, imm, carry);
}

void ThumbCore::data_processing_shifted_register(std::uint16_t hw1, std::uint16_t hw2) {
  const unsigned op = bits(hw1, 8, 5), n = hw1 & 0xFu, d = bits(hw2, 11, 8), m = hw2 & 0xFu;
  const bool set_flags = bit(hw1, 4);
  unsigned shift, amount;
  decode_imm_shift(bits(hw2, 5, 4), bits(hw2, 14, 12) << 2 | bits(hw2, 7, 6), shift, amount);
  bool carry;
  const std::uint32_t operand = shift_c(state_.r[m], shift, amount, state_.c, carry);
  if ((op == 0x2 || op == 0x3) && n == 15) {  // MOV and the shifts by an immediate, MVN
    logical_result(d, op == 0x2 ? operand : ~operand, carry, set_flags);
    return;
  }
  if (op == 0x6) fault(Exit::Undefined);  // PKHBT, PKHTB: not used here
  OVRIMO_DATA_PROCESSING(op, n, d, set_flags, operand, carry);
}

#undef OVRIMO_DATA_PROCESSING

void ThumbCore::data_processing_plain_immediate(std::uint16_t hw1, std::uint16_t hw2) {
  State& s = state_;
  const unsigned n = hw1 & 0xFu, d = bits(hw2, 11, 8);
  const std::uint32_t imm12 = (bit(hw1, 10) ? 0x800u : 0u) | bits(hw2, 14, 12) << 8 | (hw2 & 0xFFu);
  const unsigned lsb = bits(hw2, 14, 12) << 2 | bits(hw2, 7, 6);
  const unsigned field = hw2 & 0x1Fu;
  switch (bits(hw1, 8, 4)) {
    case 0x00:  // ADDW, ADR
      s.r[d] = n == 15 ? ((pc_ + 4) & ~3u) + imm12 : s.r[n] + imm12;
      return;
    case 0x0A:  // SUBW, ADR
      s.r[d] = n == 15 ? ((pc_ + 4) & ~3u) - imm12 : s.r[n] - imm12;
      return;
    case 0x04: s.r[d] = n << 12 | imm12; return;  // MOVW
    case 0x0C: s.r[d] = (s.r[d] & 0xFFFFu) | (n << 12 | imm12) << 16; return;  // MOVT
    case 0x10: case 0x12: case 0x18: case 0x1A: {  // SSAT, USAT
      const bool is_signed = bits(hw1, 8, 4) <= 0x12;
      if (bit(hw1, 5) && lsb == 0) fault(Exit::Undefined);  // SSAT16, USAT16
      bool carry_unused;
      const auto value = static_cast<std::int64_t>(static_cast<std::int32_t>(
          shift_c(s.r[n], bit(hw1, 5) ? kAsr : kLsl, lsb, s.c, carry_unused)));
      std::int64_t low, high;
      if (is_signed) {
        high = (std::int64_t{1} << field) - 1;
        low = -(std::int64_t{1} << field);
      } else {
        high = (std::int64_t{1} << field) - 1;
        low = 0;
      }
      std::int64_t result = value;
      if (result > high) result = high;
      if (result < low) result = low;
      if (result != value) s.q = true;
      s.r[d] = static_cast<std::uint32_t>(result);
      return;
    }
    case 0x14: case 0x1C: {  // SBFX, UBFX
      const unsigned width = field + 1;
      if (lsb + width > 32) fault(Exit::Undefined);
      const std::uint32_t value = (s.r[n] >> lsb) & (width == 32 ? 0xFFFFFFFFu : (1u << width) - 1u);
      s.r[d] = bits(hw1, 8, 4) == 0x14 ? sign_extend(value, width) : value;
      return;
    }
    case 0x16: {  // BFI, BFC
      const unsigned msb = field;
      if (msb < lsb) fault(Exit::Undefined);
      const unsigned width = msb - lsb + 1;
      const std::uint32_t mask = (width == 32 ? 0xFFFFFFFFu : (1u << width) - 1u) << lsb;
      const std::uint32_t source = n == 15 ? 0u : s.r[n] << lsb;
      s.r[d] = (s.r[d] & ~mask) | (source & mask);
      return;
    }
    default: fault(Exit::Undefined);
  }
}

void ThumbCore::data_processing_register(std::uint16_t hw1, std::uint16_t hw2) {
  State& s = state_;
  const unsigned op1 = bits(hw1, 7, 4), op2 = bits(hw2, 7, 4);
  const unsigned n = hw1 & 0xFu, d = bits(hw2, 11, 8), m = hw2 & 0xFu;
  if (op1 < 8 && op2 == 0) {  // LSL, LSR, ASR, ROR by a register
    bool carry;
    const std::uint32_t result = shift_c(s.r[n], bits(hw1, 6, 5), s.r[m] & 0xFFu, s.c, carry);
    logical_result(d, result, carry, bit(hw1, 4));
    return;
  }
  if (op1 < 8 && (op2 & 8u) != 0) {  // extend, and extend and add
    const std::uint32_t rotated = std::rotr(s.r[m], static_cast<int>(bits(hw2, 5, 4) * 8));
    std::uint32_t value;
    switch (op1) {
      case 0: value = sign_extend(rotated & 0xFFFFu, 16); break;
      case 1: value = rotated & 0xFFFFu; break;
      case 4: value = sign_extend(rotated & 0xFFu, 8); break;
      case 5: value = rotated & 0xFFu; break;
      default: fault(Exit::Undefined);
    }
    s.r[d] = n == 15 ? value : s.r[n] + value;
    return;
  }
  if ((op1 & 0xCu) == 0x8 && (op2 & 0xCu) == 0x8) {
    const std::uint32_t v = s.r[m];
    switch (bits(hw1, 5, 4) << 2 | bits(hw2, 5, 4)) {
      case 0x4: case 0x5: case 0x7: s.r[d] = reverse_bytes(bits(hw2, 5, 4), v); return;
      case 0x6: {
        std::uint32_t r = 0;
        for (unsigned i = 0; i < 32; ++i)
          if (bit(v, i)) r |= 1u << (31 - i);
        s.r[d] = r;
        return;
      }
      case 0xC: s.r[d] = static_cast<std::uint32_t>(std::countl_zero(v)); return;
      default: fault(Exit::Undefined);
    }
  }
  fault(Exit::Undefined);
}

void ThumbCore::multiply(std::uint16_t hw1, std::uint16_t hw2) {
  State& s = state_;
  const unsigned n = hw1 & 0xFu, a = bits(hw2, 15, 12), d = bits(hw2, 11, 8), m = hw2 & 0xFu;
  if (bits(hw1, 6, 4) != 0) fault(Exit::Undefined);
  const std::uint32_t product = s.r[n] * s.r[m];
  switch (bits(hw2, 5, 4)) {
    case 0: s.r[d] = a == 15 ? product : s.r[a] + product; return;
    case 1: s.r[d] = s.r[a] - product; return;
    default: fault(Exit::Undefined);
  }
}

void ThumbCore::long_multiply_divide(std::uint16_t hw1, std::uint16_t hw2) {
  State& s = state_;
  const unsigned n = hw1 & 0xFu, lo = bits(hw2, 15, 12), hi = bits(hw2, 11, 8), m = hw2 & 0xFu;
  const std::uint32_t x = s.r[n], y = s.r[m];
  const std::uint64_t accumulated = std::uint64_t{s.r[hi]} << 32 | s.r[lo];
  std::uint64_t result;
  switch (bits(hw1, 6, 4) << 4 | bits(hw2, 7, 4)) {
    case 0x00:
      result = static_cast<std::uint64_t>(std::int64_t{static_cast<std::int32_t>(x)} * static_cast<std::int32_t>(y));
      break;
    case 0x20: result = std::uint64_t{x} * y; break;
    case 0x40:
      result = accumulated +
               static_cast<std::uint64_t>(std::int64_t{static_cast<std::int32_t>(x)} * static_cast<std::int32_t>(y));
      break;
    case 0x60: result = accumulated + std::uint64_t{x} * y; break;
    case 0x66: result = std::uint64_t{x} * y + s.r[lo] + s.r[hi]; break;  // UMAAL
    case 0x1F: {                                                          // SDIV
      const auto a = static_cast<std::int32_t>(x), b = static_cast<std::int32_t>(y);
      s.r[hi] = b == 0 ? 0u : (a == INT32_MIN && b == -1) ? x : static_cast<std::uint32_t>(a / b);
      return;
    }
    case 0x3F: s.r[hi] = y == 0 ? 0u : x / y; return;  // UDIV
    default: fault(Exit::Undefined);
  }
  s.r[lo] = static_cast<std::uint32_t>(result);
  s.r[hi] = static_cast<std::uint32_t>(result >> 32);
}

void ThumbCore::branches_and_control(std::uint16_t hw1, std::uint16_t hw2) {
  State& s = state_;
  const unsigned op1 = bits(hw2, 14, 12);
  const bool sign = bit(hw1, 10);
  if ((op1 & 5u) == 0) {
    const unsigned op = bits(hw1, 10, 4);
    if ((op & 0x38u) != 0x38u) {  // B<cond> (T3)
      const std::uint32_t imm = (sign ? 1u : 0u) << 20 | (bit(hw2, 11) ? 1u : 0u) << 19 |
                                (bit(hw2, 13) ? 1u : 0u) << 18 | bits(hw1, 5, 0) << 12 | (hw2 & 0x7FFu) << 1;
      if (condition(bits(hw1, 9, 6))) branch_to(pc_ + 4 + sign_extend(imm, 21));
      return;
    }
    if (op1 == 2 && op == 0x7F) fault(Exit::Undefined);  // UDF.W
    if (op1 != 0) fault(Exit::Undefined);
    switch (op) {
      case 0x38: case 0x39:  // MSR
        set_special_register(hw2 & 0xFFu, bits(hw2, 11, 10), s.r[hw1 & 0xFu]);
        return;
      case 0x3A:
        hint(hw2 & 0xFFu);
        return;
      case 0x3B:  // CLREX, DSB, DMB, ISB
        if (bits(hw2, 7, 4) == 2) exclusive_ = false;
        return;
      case 0x3E: case 0x3F:  // MRS
        s.r[bits(hw2, 11, 8)] = special_register(hw2 & 0xFFu);
        return;
      default: fault(Exit::Undefined);
    }
  }
  if ((op1 & 1u) == 0) fault(Exit::Undefined);  // BLX (immediate): ARM state, which M never has
  const bool i1 = !(bit(hw2, 13) ^ sign), i2 = !(bit(hw2, 11) ^ sign);
  const std::uint32_t imm = (sign ? 1u : 0u) << 24 | (i1 ? 1u : 0u) << 23 | (i2 ? 1u : 0u) << 22 |
                            bits(hw1, 9, 0) << 12 | (hw2 & 0x7FFu) << 1;
  if (bit(hw2, 14)) s.r[14] = (pc_ + 4) | 1u;  // BL
  branch_to(pc_ + 4 + sign_extend(imm, 25));
}

std::uint32_t ThumbCore::special_register(unsigned sysm) const {
  const State& s = state_;
  const std::uint32_t xpsr_value = xpsr();
  switch (sysm) {
    case 0: case 1: case 2: case 3: case 5: case 6: case 7: {
      std::uint32_t value = 0;
      if ((sysm & 4u) == 0) value |= xpsr_value & 0xF8000000u;
      if ((sysm & 1u) != 0) value |= xpsr_value & 0x1FFu;
      return value;  // EPSR reads as zero
    }
    case 8: return msp();
    case 9: return psp();
    case 10: return s.msplim;
    case 11: return s.psplim;
    case 16: return s.primask;
    case 17: case 18: return s.basepri;
    case 19: return s.faultmask;
    case 20: return s.control;
    default: return 0;
  }
}

void ThumbCore::set_special_register(unsigned sysm, unsigned mask, std::uint32_t value) {
  State& s = state_;
  switch (sysm) {
    case 0: case 1: case 2: case 3:
      if ((mask & 2u) != 0) {
        s.n = bit(value, 31);
        s.z = bit(value, 30);
        s.c = bit(value, 29);
        s.v = bit(value, 28);
        s.q = bit(value, 27);
      }
      return;
    case 8: set_msp(value & ~3u); return;
    case 9: set_psp(value & ~3u); return;
    case 10: s.msplim = value & ~7u; return;
    case 11: s.psplim = value & ~7u; return;
    case 16: s.primask = value & 1u; return;
    case 17: s.basepri = value & 0xFFu; return;
    case 18:
      if ((value & 0xFFu) != 0 && (s.basepri == 0 || (value & 0xFFu) < s.basepri)) s.basepri = value & 0xFFu;
      return;
    case 19: s.faultmask = value & 1u; return;
    case 20:
      // Privileged code may change SPSEL (thread mode only), nPRIV and FPCA.
      set_control((s.control & ~0x7u) | (value & (s.ipsr == 0 ? 0x7u : 0x5u)) | (s.ipsr == 0 ? 0u : s.control & 2u));
      return;
    default: return;
  }
}

void ThumbCore::load_store_multiple(std::uint16_t hw1, std::uint16_t hw2) {
  State& s = state_;
  const unsigned n = hw1 & 0xFu;
  const bool load_op = bit(hw1, 4), writeback = bit(hw1, 5);
  const unsigned kind = bits(hw1, 8, 7);
  if (kind != 1 && kind != 2) fault(Exit::Undefined);  // SRS, RFE: not in M
  const unsigned list = hw2;
  if (list == 0) fault(Exit::Undefined);
  const unsigned count = static_cast<unsigned>(std::popcount(list));
  const std::uint32_t start = kind == 1 ? s.r[n] : s.r[n] - 4 * count;
  const std::uint32_t end = kind == 1 ? s.r[n] + 4 * count : start;
  if (load_op) {
    std::uint32_t pc_value = 0;
    load_registers(start, list, pc_value);
    if (writeback && !bit(list, n)) s.r[n] = end;
    if (bit(list, 15)) bx_write(pc_value);
  } else {
    store_registers(start, list);
    if (writeback) s.r[n] = end;
  }
}

std::uint32_t ThumbCore::load_exclusive(std::uint32_t address, unsigned size) {
  const std::uint32_t value = load_aligned(address, size);
  exclusive_ = true;
  exclusive_address_ = address;
  return value;
}

// The status a STREX writes: 0 when it stored, 1 when the monitor no longer held the address.
std::uint32_t ThumbCore::store_exclusive(std::uint32_t address, unsigned size, std::uint32_t value) {
  if ((address & (size - 1)) != 0) fault(Exit::Unaligned, address);
  const bool pass = exclusive_ && exclusive_address_ == address;
  if (pass) store(address, size, value);
  exclusive_ = false;
  return pass ? 0u : 1u;
}

void ThumbCore::load_store_dual_exclusive(std::uint16_t hw1, std::uint16_t hw2) {
  State& s = state_;
  const unsigned op1 = bits(hw1, 8, 7), op2 = bits(hw1, 5, 4), op3 = bits(hw2, 7, 4);
  const unsigned n = hw1 & 0xFu, t = bits(hw2, 15, 12), t2 = bits(hw2, 11, 8);
  if (op1 == 0 && op2 == 0) {  // STREX
    s.r[t2] = store_exclusive(s.r[n] + (hw2 & 0xFFu) * 4, 4, s.r[t]);
    return;
  }
  if (op1 == 0 && op2 == 1) {  // LDREX
    s.r[t] = load_exclusive(s.r[n] + (hw2 & 0xFFu) * 4, 4);
    return;
  }
  if (op1 == 1 && op2 == 0) {  // STREXB, STREXH
    if (op3 != 4 && op3 != 5) fault(Exit::Undefined);
    s.r[hw2 & 0xFu] = store_exclusive(s.r[n], op3 == 4 ? 1 : 2, s.r[t]);
    return;
  }
  if (op1 == 1 && op2 == 1) {
    const unsigned m = hw2 & 0xFu;
    if (op3 == 0 || op3 == 1) {  // TBB, TBH
      const std::uint32_t base = read_reg(n);
      const std::uint32_t offset = op3 == 0 ? load(base + s.r[m], 1) : load(base + 2 * s.r[m], 2);
      branch_to(pc_ + 4 + 2 * offset);
      return;
    }
    if (op3 == 4 || op3 == 5) {  // LDREXB, LDREXH
      s.r[t] = load_exclusive(s.r[n], op3 == 4 ? 1 : 2);
      return;
    }
    fault(Exit::Undefined);
  }
  // LDRD, STRD
  const bool index = bit(hw1, 8), add = bit(hw1, 7), writeback = bit(hw1, 5), load_op = bit(hw1, 4);
  const std::uint32_t imm = (hw2 & 0xFFu) * 4;
  const std::uint32_t base = n == 15 ? (pc_ + 4) & ~3u : s.r[n];
  const std::uint32_t offset_address = add ? base + imm : base - imm;
  const std::uint32_t address = index ? offset_address : base;
  if (load_op) {
    const std::uint32_t first = load_aligned(address, 4);
    const std::uint32_t second = load_aligned(address + 4, 4);
    s.r[t] = first;
    s.r[t2] = second;
  } else {
    store_aligned(address, 4, s.r[t]);
    store_aligned(address + 4, 4, s.r[t2]);
  }
  if (writeback) s.r[n] = offset_address;
}

void ThumbCore::load_store_single(std::uint16_t hw1, std::uint16_t hw2) {
  State& s = state_;
  const unsigned size_code = bits(hw1, 6, 5);
  if (size_code == 3) fault(Exit::Undefined);
  const unsigned size = 1u << size_code;
  const bool load_op = bit(hw1, 4), is_signed = bit(hw1, 8);
  if (!load_op && is_signed) fault(Exit::Undefined);
  const unsigned n = hw1 & 0xFu, t = bits(hw2, 15, 12);
  std::uint32_t address;
  bool writeback = false;
  std::uint32_t offset_address = 0;
  if (n == 15) {
    if (!load_op) fault(Exit::Undefined);
    const std::uint32_t base = (pc_ + 4) & ~3u;
    address = bit(hw1, 7) ? base + (hw2 & 0xFFFu) : base - (hw2 & 0xFFFu);
  } else if (bit(hw1, 7)) {
    address = s.r[n] + (hw2 & 0xFFFu);
  } else if (bit(hw2, 11)) {
    const bool index = bit(hw2, 10), add = bit(hw2, 9);
    writeback = bit(hw2, 8);
    if (!index && !writeback) fault(Exit::Undefined);
    const std::uint32_t imm = hw2 & 0xFFu;
    offset_address = add ? s.r[n] + imm : s.r[n] - imm;
    address = index ? offset_address : s.r[n];
  } else if (bits(hw2, 11, 6) == 0) {
    address = s.r[n] + (s.r[hw2 & 0xFu] << bits(hw2, 5, 4));
  } else {
    fault(Exit::Undefined);
  }
  if (load_op && t == 15 && size != 4) return;  // PLD, PLI: hints, no access
  if (load_op) {
    std::uint32_t value = load(address, size);
    if (is_signed) value = sign_extend(value, 8 * size);
    if (writeback) s.r[n] = offset_address;
    write_reg(t, value);
  } else {
    store(address, size, s.r[t]);
    if (writeback) s.r[n] = offset_address;
  }
}

}  // namespace ovrimo::emu

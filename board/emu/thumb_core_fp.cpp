// The single-precision floating-point unit: moves, loads and stores, arithmetic, compares and
// conversions. Arithmetic runs on the host's IEEE 754 single precision in the rounding mode
// FPSCR selects, and the host's exception flags become FPSCR's cumulative ones, with what the FPU
// does differently on top: flush-to-zero, and underflow found before rounding.
#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "emu/thumb_core.h"

namespace ovrimo::emu {

namespace {

constexpr std::uint32_t bits(std::uint32_t value, unsigned high, unsigned low) {
  return (value >> low) & ((2u << (high - low)) - 1u);
}
constexpr bool bit(std::uint32_t value, unsigned n) { return ((value >> n) & 1u) != 0; }

constexpr std::uint32_t kFpscrIoc = 1u << 0, kFpscrDzc = 1u << 1, kFpscrOfc = 1u << 2, kFpscrUfc = 1u << 3,
                        kFpscrIxc = 1u << 4, kFpscrIdc = 1u << 7, kFpscrFz = 1u << 24;
constexpr std::uint32_t kSign = 0x80000000u;
constexpr unsigned kControlFpca = 1u << 2, kControlSfpa = 1u << 3;

float as_float(std::uint32_t v) { return std::bit_cast<float>(v); }
std::uint32_t as_bits(float f) { return std::bit_cast<std::uint32_t>(f); }

bool is_nan(std::uint32_t v) { return (v & 0x7F800000u) == 0x7F800000u && (v & 0x7FFFFFu) != 0; }
bool is_signalling_nan(std::uint32_t v) { return is_nan(v) && (v & 0x400000u) == 0; }
bool is_subnormal(std::uint32_t v) { return (v & 0x7F800000u) == 0 && (v & 0x7FFFFFu) != 0; }
bool is_zero(std::uint32_t v) { return (v & 0x7FFFFFFFu) == 0; }
bool is_infinite(std::uint32_t v) { return (v & 0x7FFFFFFFu) == 0x7F800000u; }

// Runs host arithmetic in FPSCR's rounding mode and collects its exception flags into FPSCR.
class HostFloat {
 public:
  explicit HostFloat(std::uint32_t& fpscr) : fpscr_(fpscr), saved_(std::fegetround()) {
    static constexpr int kModes[] = {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO};
    std::fesetround(kModes[bits(fpscr, 23, 22)]);
    std::feclearexcept(FE_ALL_EXCEPT);
  }
  ~HostFloat() {
    const int raised = std::fetestexcept(FE_ALL_EXCEPT);
    if ((raised & FE_INVALID) != 0) fpscr_ |= kFpscrIoc;
    if ((raised & FE_DIVBYZERO) != 0) fpscr_ |= kFpscrDzc;
    if ((raised & FE_OVERFLOW) != 0) fpscr_ |= kFpscrOfc;
    if ((raised & FE_UNDERFLOW) != 0) fpscr_ |= kFpscrUfc;
    if ((raised & FE_INEXACT) != 0) fpscr_ |= kFpscrIxc;
    std::fesetround(saved_);
  }
  HostFloat(const HostFloat&) = delete;
  HostFloat& operator=(const HostFloat&) = delete;

 private:
  std::uint32_t& fpscr_;
  int saved_;
};

// A NaN result as the FPU gives it: with FPSCR.DN the default NaN, otherwise the first
// signalling, else the first quiet operand NaN, made quiet.
bool nan_result(std::uint32_t fpscr, std::initializer_list<std::uint32_t> operands, std::uint32_t& result) {
  const std::uint32_t* chosen = nullptr;
  for (const std::uint32_t& v : operands)
    if (is_signalling_nan(v)) {
      chosen = &v;
      break;
    }
  if (chosen == nullptr)
    for (const std::uint32_t& v : operands)
      if (is_nan(v)) {
        chosen = &v;
        break;
      }
  if (chosen == nullptr) return false;
  result = bit(fpscr, 25) ? 0x7FC00000u : (*chosen | 0x400000u);
  return true;
}

}  // namespace

void ThumbCore::floating_point(std::uint16_t hw1, std::uint16_t hw2) {
  // Coprocessors 10 and 11 are the FPU; no other coprocessor exists.
  // The v8 additions (VSEL, VRINT*, ...) and Advanced SIMD are not used here.
  if (bits(hw2, 11, 9) != 5 || bit(hw1, 12) || bits(hw1, 9, 8) == 3) throw Stop{Exit::Undefined};
  state_.control |= kControlFpca | kControlSfpa;
  if (bits(hw1, 9, 8) == 2) {
    if (bit(hw2, 4)) {
      // Transfers between core and FP registers.
      const unsigned t = bits(hw2, 15, 12);
      const unsigned opc = bits(hw1, 7, 5);
      const bool to_core = bit(hw1, 4);
      if (bit(hw2, 8)) throw Stop{Exit::Undefined};  // scalar moves of D registers
      if (opc == 0) {  // VMOV between a core register and a single
        const unsigned sn = (hw1 & 0xFu) << 1 | (bit(hw2, 7) ? 1u : 0u);
        if (to_core)
          write_reg(t, state_.s[sn]);
        else
          state_.s[sn] = state_.r[t];
        return;
      }
      if (opc == 7 && (hw1 & 0xFu) == 1) {  // VMRS, VMSR with FPSCR
        if (to_core) {
          if (t == 15) {
            const std::uint32_t f = state_.fpscr;
            state_.n = bit(f, 31);
            state_.z = bit(f, 30);
            state_.c = bit(f, 29);
            state_.v = bit(f, 28);
          } else {
            state_.r[t] = state_.fpscr;
          }
        } else {
          state_.fpscr = state_.r[t] & 0xF7C0009Fu;
        }
        return;
      }
      throw Stop{Exit::Undefined};
    }
    fp_data_processing(hw1, hw2);
    return;
  }
  if (bits(hw1, 9, 5) == 2) {  // VMOV between two core registers and two singles or a double
    const unsigned t = bits(hw2, 15, 12), t2 = hw1 & 0xFu;
    const unsigned m = (hw2 & 0xFu);
    const unsigned first = bit(hw2, 8) ? (m | (bit(hw2, 5) ? 16u : 0u)) * 2 : m << 1 | (bit(hw2, 5) ? 1u : 0u);
    if (first + 1 > 31) throw Stop{Exit::Undefined};
    if (bit(hw1, 4)) {
      state_.r[t] = state_.s[first];
      state_.r[t2] = state_.s[first + 1];
    } else {
      state_.s[first] = state_.r[t];
      state_.s[first + 1] = state_.r[t2];
    }
    return;
  }
  fp_load_store(hw1, hw2);
}

void ThumbCore::fp_load_store(std::uint16_t hw1, std::uint16_t hw2) {
  State& s = state_;
  const bool index = bit(hw1, 8), add = bit(hw1, 7), writeback = bit(hw1, 5), load_op = bit(hw1, 4);
  const bool is_double = bit(hw2, 8);
  const unsigned n = hw1 & 0xFu;
  const unsigned vd = bits(hw2, 15, 12), d_bit = bit(hw1, 6) ? 1u : 0u;
  const unsigned first = is_double ? (d_bit << 4 | vd) * 2 : vd << 1 | d_bit;
  const std::uint32_t imm8 = hw2 & 0xFFu;
  if (index && !writeback) {  // VLDR, VSTR
    const std::uint32_t base = n == 15 ? (pc_ + 4) & ~3u : s.r[n];
    const std::uint32_t address = add ? base + imm8 * 4 : base - imm8 * 4;
    const unsigned words = is_double ? 2 : 1;
    if (first + words > 32) throw Stop{Exit::Undefined};
    for (unsigned i = 0; i < words; ++i) {
      if (load_op)
        s.s[first + i] = load_aligned(address + 4 * i, 4);
      else
        store_aligned(address + 4 * i, 4, s.s[first + i]);
    }
    return;
  }
  // VLDM, VSTM (VPUSH and VPOP among them): increment after, or decrement before with write-back.
  if (index == add || (index && !writeback)) throw Stop{Exit::Undefined};
  const unsigned words = imm8;
  if (words == 0 || first + words > 32 || (is_double && (words & 1u) != 0)) throw Stop{Exit::Undefined};
  const std::uint32_t start = add ? s.r[n] : s.r[n] - 4 * words;
  for (unsigned i = 0; i < words; ++i) {
    if (load_op)
      s.s[first + i] = load_aligned(start + 4 * i, 4);
    else
      store_aligned(start + 4 * i, 4, s.s[first + i]);
  }
  if (writeback) s.r[n] = add ? s.r[n] + 4 * words : start;
}

void ThumbCore::fp_data_processing(std::uint16_t hw1, std::uint16_t hw2) {
  State& st = state_;
  if (bit(hw2, 8)) throw Stop{Exit::Undefined};  // double precision: this FPU has none
  const unsigned d = bits(hw2, 15, 12) << 1 | (bit(hw1, 6) ? 1u : 0u);
  const unsigned n = (hw1 & 0xFu) << 1 | (bit(hw2, 7) ? 1u : 0u);
  const unsigned m = (hw2 & 0xFu) << 1 | (bit(hw2, 5) ? 1u : 0u);
  const bool op = bit(hw2, 6);
  const unsigned opc1 = (bit(hw1, 7) ? 4u : 0u) | bits(hw1, 5, 4);
  const unsigned opc2 = hw1 & 0xFu;
  std::uint32_t& fpscr = st.fpscr;
  std::uint32_t vd = st.s[d], vn = st.s[n], vm = st.s[m];
  std::uint32_t result;
  if (opc1 == 4 && op) throw Stop{Exit::Undefined};

  // With FPSCR.FZ the FPU takes subnormal inputs as zeros of their sign, and says so in IDC;
  // moves, VABS and VNEG only copy bits.
  const bool flush = (fpscr & kFpscrFz) != 0;
  auto flush_input = [&](std::uint32_t& v) {
    if (flush && is_subnormal(v)) {
      v &= kSign;
      fpscr |= kFpscrIdc;
    }
  };
  if (opc1 != 7) {
    flush_input(vn);
    flush_input(vm);
    if (opc1 == 0 || opc1 == 1 || opc1 == 5 || opc1 == 6) flush_input(vd);
  } else if (op) {
    if (opc2 == 1 && bit(hw2, 7)) flush_input(vm);          // VSQRT
    if (opc2 == 4 || opc2 == 5) flush_input(vd);            // VCMP
    if (opc2 == 4 || opc2 == 12 || opc2 == 13) flush_input(vm);  // VCMP, VCVT to an integer
  }

  // Arithmetic: `compute` on host floats; NaN operands propagate as the FPU propagates them.
  auto arithmetic = [&](std::initializer_list<std::uint32_t> operands, auto compute) {
    std::uint32_t nan;
    if (nan_result(fpscr, operands, nan)) {
      for (std::uint32_t v : operands)
        if (is_signalling_nan(v)) fpscr |= kFpscrIoc;
      return nan;
    }
    std::uint32_t raised = fpscr & ~0x9Fu;  // the rounding mode; this operation's flags to come
    std::uint32_t r;
    {
      HostFloat host(raised);
      volatile float value = compute();
      r = as_bits(value);
    }
    if (is_nan(r)) r = 0x7FC00000u;  // an invalid operation gives the default NaN
    // The FPU finds a result too small for the normal range before rounding it, the host after:
    // one that rounded up to the smallest normal is tiny too, as rounding toward zero shows.
    bool tiny = is_subnormal(r) || (is_zero(r) && (raised & kFpscrUfc) != 0);
    if ((r & ~kSign) == 0x00800000u && (raised & kFpscrIxc) != 0) {
      std::uint32_t toward_zero = fpscr | 3u << 22;
      HostFloat host(toward_zero);
      volatile float value = compute();
      tiny = (as_bits(value) & ~kSign) < 0x00800000u;
    }
    if (tiny && flush) {
      // FZ: a zero of the result's sign, and an underflow that is never inexact.
      r &= kSign;
      raised = kFpscrUfc;
    } else if (tiny && (raised & kFpscrIxc) != 0) {
      raised |= kFpscrUfc;
    }
    fpscr |= raised & 0x9Fu;
    return r;
  };
  // The compiler takes float arithmetic to have no side effects: it could compute it before
  // HostFloat sets the rounding mode, or once for two rounding modes. Operands read from volatile
  // objects keep each computation where it is written.
  const volatile float a = as_float(vn), b = as_float(vm), acc = as_float(vd);

  switch (opc1) {
    case 0: {  // VMLA, VMLS: a product rounded, then added
      std::uint32_t product = arithmetic({vn, vm}, [&] { return a * b; });
      if (op) product ^= 0x80000000u;
      const volatile float p = as_float(product);
      result = arithmetic({vd, product}, [&] { return acc + p; });
      break;
    }
    case 1: {  // VNMLS (op 0), VNMLA (op 1)
      std::uint32_t product = arithmetic({vn, vm}, [&] { return a * b; });
      if (op) product ^= 0x80000000u;
      const volatile float p = as_float(product);
      const std::uint32_t negated = vd ^ 0x80000000u;
      const volatile float minus_acc = as_float(negated);
      result = arithmetic({negated, product}, [&] { return minus_acc + p; });
      break;
    }
    case 2:
      result = arithmetic({vn, vm}, [&] { return a * b; });
      if (op) result ^= kSign;  // VNMUL negates whatever the product is, a NaN too
      break;
    case 3:
      result = op ? arithmetic({vn, vm}, [&] { return a - b; }) : arithmetic({vn, vm}, [&] { return a + b; });
      break;
    case 4: result = arithmetic({vn, vm}, [&] { return a / b; }); break;
    case 5:    // VFNMS (op 0): -d + n*m; VFNMA (op 1): -d - n*m; fused
    case 6: {  // VFMA (op 0): d + n*m; VFMS (op 1): d - n*m
      // The negations come first, as sign flips: a NaN operand propagates negated.
      const std::uint32_t addend = opc1 == 5 ? vd ^ kSign : vd, factor = op ? vn ^ kSign : vn;
      if (is_nan(addend) && !is_signalling_nan(addend) &&
          ((is_infinite(factor) && is_zero(vm)) || (is_zero(factor) && is_infinite(vm)))) {
        // 0 * infinity is invalid even where the addend is a quiet NaN, and gives the default NaN.
        fpscr |= kFpscrIoc;
        result = 0x7FC00000u;
        break;
      }
      const volatile float x = as_float(factor), z = as_float(addend);
      result = arithmetic({addend, factor, vm}, [&] { return std::fma(x, b, z); });
      break;
    }
    default: {
      if (!op) {  // VMOV (immediate)
        const std::uint32_t imm8 = (hw1 & 0xFu) << 4 | (hw2 & 0xFu);
        const bool b6 = bit(imm8, 6);
        result = (bit(imm8, 7) ? 0x80000000u : 0u) | (b6 ? 0u : 0x40000000u) | (b6 ? 0x3E000000u : 0u) |
                 bits(imm8, 5, 4) << 23 | (imm8 & 0xFu) << 19;
        break;
      }
      const bool op7 = bit(hw2, 7);
      switch (opc2) {
        case 0: result = op7 ? vm & 0x7FFFFFFFu : vm; break;            // VABS, VMOV
        case 1:
          if (!op7) {
            result = vm ^ 0x80000000u;  // VNEG
          } else {
            const volatile float x = as_float(vm);
            result = arithmetic({vm}, [&] { return std::sqrt(x); });  // VSQRT
          }
          break;
        case 4: case 5: {  // VCMP, VCMPE
          const std::uint32_t other = opc2 == 5 ? 0u : vm;
          const float x = as_float(vd), y = as_float(other);
          std::uint32_t flags;
          if (is_nan(vd) || is_nan(other)) {
            flags = 0x3u;
            if (op7 || is_signalling_nan(vd) || is_signalling_nan(other)) fpscr |= kFpscrIoc;
          } else if (x == y) {
            flags = 0x6u;
          } else if (x < y) {
            flags = 0x8u;
          } else {
            flags = 0x2u;
          }
          fpscr = (fpscr & 0x0FFFFFFFu) | flags << 28;
          return;
        }
        case 8: {  // VCVT from a signed (op7) or unsigned integer
          const volatile std::uint32_t v = vm;
          HostFloat host(fpscr);
          volatile float value = op7 ? static_cast<float>(static_cast<std::int32_t>(v)) : static_cast<float>(v);
          result = as_bits(value);
          break;
        }
        case 12: case 13: {  // VCVT, VCVTR to an unsigned (12) or signed (13) integer
          const bool to_signed = opc2 == 13;
          const volatile float x = as_float(vm);
          if (is_nan(vm)) {
            fpscr |= kFpscrIoc;
            result = 0;
            break;
          }
          double rounded;
          if (op7) {
            rounded = std::trunc(static_cast<double>(x));
          } else {
            HostFloat host(fpscr);
            rounded = std::nearbyint(static_cast<double>(x));
          }
          const double low = to_signed ? -2147483648.0 : 0.0;
          const double high = to_signed ? 2147483647.0 : 4294967295.0;
          if (rounded < low || rounded > high) {
            fpscr |= kFpscrIoc;
            rounded = rounded < low ? low : high;
          } else if (rounded != static_cast<double>(x)) {
            fpscr |= kFpscrIxc;
          }
          result = to_signed ? static_cast<std::uint32_t>(static_cast<std::int32_t>(rounded))
                             : static_cast<std::uint32_t>(rounded);
          break;
        }
        default: throw Stop{Exit::Undefined};
      }
      break;
    }
  }
  st.s[d] = result;
}

}  // namespace ovrimo::emu

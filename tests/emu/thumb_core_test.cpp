// ThumbCore against Unicorn: random valid encodings of every instruction class the interpreter
// decodes, alone and in short sequences (IT blocks, branches, stack and exclusive pairs), run on
// both CPUs from the same registers, flags, FP state and memory. Both must leave the same R0-R15,
// xPSR flags and IT state, S0-S31, FPSCR, PRIMASK, FAULTMASK and data memory behind.
#include <gtest/gtest.h>
#include <unicorn/unicorn.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <ostream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "emu/thumb_core.h"

namespace ovrimo::emu {
namespace {

constexpr std::uint32_t kCodeBase = 0x01000000, kCodeSize = 0x4000, kStart = kCodeBase + 0x2000;
constexpr std::uint32_t kDataBase = 0x20000000, kDataSize = 0x4000;
// Unicorn decodes the instruction after the last one it counts, wherever a branch went: it gets
// (zero-filled) memory everywhere a B.W or a table branch can reach.
constexpr std::uint32_t kUnicornCodeSize = 0x03000000;
constexpr std::uint32_t kClrex = kCodeBase + 0x10000;  // Unicorn only: resets its monitor
// Around a sequence, in turn: ADDS r7, #1, so that running through it leaves a trace, and B to
// the next halfword, which ends Unicorn's translation block there and keeps translations short.
constexpr std::uint16_t kFiller[] = {0x3701, 0xE7FF};
constexpr std::uint16_t kLow = 0x00FF, kAny = 0x5FFF;  // r0-r7; r0-r12 and lr
constexpr std::uint32_t kXpsrCompared = 0xFE00FC00u;   // N Z C V Q and the IT state

std::string hex(std::uint32_t v) {
  char text[12];
  std::snprintf(text, sizeof text, "%08x", v);
  return text;
}

struct Reject {};  // the generator cannot finish this case validly; it draws another

struct Machine {
  std::array<std::uint32_t, 16> r{};
  std::uint32_t xpsr = 0, fpscr = 0, primask = 0, faultmask = 0;
  std::array<std::uint32_t, 32> s{};
  std::vector<std::uint8_t> data;
  bool completed = false;
  std::string how;  // why it did not complete
};

struct Case {
  std::vector<std::uint16_t> halves;
  std::vector<std::uint32_t> insns;  // as printed: hw1 << 16 | hw2, or the halfword
  unsigned steps = 0;                        // instructions to run
  bool it_block = false, exclusive = false;  // Unicorn's monitor to reset before
  Machine start;
  std::vector<std::pair<std::uint32_t, std::uint8_t>> code_bytes;  // table entries placed in code
};

// Builds one case. Registers an instruction takes an address or a branch target from get their
// value here; they are taken fresh (neither written by an earlier instruction of the case nor given
// a value for another), so that a sequence cannot make them point anywhere else.
struct Gen {
  std::mt19937& rng;
  Case& c;
  bool in_it = false, branch_ok = true, seq = false, branched = false, sp_moved = false;
  std::uint16_t written = 0, assigned = 1u << 13;

  std::uint32_t u32() { return rng(); }
  unsigned below(unsigned n) { return static_cast<unsigned>(rng() % n); }
  bool one_in(unsigned n) { return below(n) == 0; }
  std::uint32_t pc() const { return kStart + 2 * static_cast<std::uint32_t>(c.halves.size()); }
  unsigned reg(unsigned mask) {
    if (mask == 0) throw Reject{};
    for (;;)
      if (const unsigned r = below(16); (mask >> r & 1u) != 0) return r;
  }
  unsigned dest(unsigned mask = kAny) {
    const unsigned r = reg(mask);
    written |= static_cast<std::uint16_t>(1u << r);
    return r;
  }
  unsigned fresh(unsigned mask, std::uint32_t value) {
    const unsigned r = reg(mask & ~(written | assigned));
    assigned |= static_cast<std::uint16_t>(1u << r);
    c.start.r[r] = value;
    return r;
  }
  // Into the data memory, with room around for any offset an instruction adds or write-back makes.
  std::uint32_t pointer_value(unsigned align) { return (kDataBase + 0x1000 + below(0x1000)) & ~(align - 1); }
  unsigned pointer(unsigned mask, unsigned align) { return fresh(mask, pointer_value(align)); }
  // Code away from the instructions of the case: the filler there runs if a sequence goes on.
  std::uint32_t near_target() {
    return one_in(2) ? kStart + 0x100 + 2 * below(0x300) : kStart - 0x800 + 2 * below(0x3C0);
  }
  unsigned target(unsigned mask) { return fresh(mask, near_target() | 1u); }
  // A branch offset for a signed field of `bits` bits; within the code and clear of the case's
  // instructions where the sequence goes on at the target.
  std::int32_t offset(unsigned bits) {
    const std::int32_t max = (1 << (bits - 1)) - 2;
    branched = true;
    if (!seq) return static_cast<std::int32_t>(u32() << (32 - bits)) >> (32 - bits) & ~1;
    const auto forward = static_cast<unsigned>(std::min(max, 0x7FE));
    const auto back = static_cast<unsigned>(std::min(max, 0x800));
    return one_in(2) ? 2 * static_cast<std::int32_t>(below(forward / 2 + 1))
                     : -0x80 - 2 * static_cast<std::int32_t>(below((back - 0x80) / 2));
  }
  void poke(std::uint32_t address, unsigned size, std::uint32_t value) {
    for (unsigned i = 0; i < size; ++i)
      c.start.data.at(address - kDataBase + i) = static_cast<std::uint8_t>(value >> 8 * i);
  }
  std::uint32_t value() {
    static constexpr std::uint32_t kEdges[] = {0, 1, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 0x80000001u, 0xFFFFu};
    switch (below(8)) {
      case 0: return below(40);  // shift amounts around 32
      case 1: return kEdges[below(7)];
      case 2: return 0u - below(256);
      default: return u32();
    }
  }
  std::uint32_t fp_value() {
    static constexpr std::uint32_t kEdges[] = {0,           0x80000000u, 0x3F800000u, 0xBF800000u,
                                               0x7F800000u, 0xFF800000u, 0x7F7FFFFFu, 0x00800000u,
                                               0x4F000000u, 0xCF000000u, 0x4F800000u, 0x3F000000u};
    const std::uint32_t sign = u32() & 0x80000000u;
    switch (below(10)) {
      case 0: return kEdges[below(12)];
      case 1: return sign | 0x7FC00000u | (u32() & 0x3FFFFFu);             // quiet NaN
      case 2: return sign | 0x7F800000u | ((u32() & 0x3FFFFFu) | 1u);      // signalling NaN
      case 3: return sign | (u32() & 0x7FFFFFu);                          // subnormal
      case 4: return std::bit_cast<std::uint32_t>(static_cast<float>(static_cast<int>(u32() % 2001) - 1000) / 2);
      case 5: return u32();
      default: return sign | (100 + below(60)) << 23 | (u32() & 0x7FFFFFu);
    }
  }
  void emit16(unsigned op) {
    c.halves.push_back(static_cast<std::uint16_t>(op));
    c.insns.push_back(op);
    ++c.steps;
  }
  void emit32(unsigned hw1, unsigned hw2) {
    c.halves.push_back(static_cast<std::uint16_t>(hw1));
    c.halves.push_back(static_cast<std::uint16_t>(hw2));
    c.insns.push_back(hw1 << 16 | hw2);
    ++c.steps;
  }
};

// Instruction generators. Each emits one valid instruction (branches only where g.branch_ok).

void shift_add_sub16(Gen& g) {
  switch (g.below(3)) {
    case 0: {  // LSL, LSR, ASR (immediate)
      const unsigned op = g.below(3), m = g.reg(kLow), d = g.dest(kLow);
      unsigned imm = g.below(32);
      if (g.in_it && op == 0 && imm == 0) imm = 1;  // MOVS Rd, Rm cannot be in an IT block
      return g.emit16(op << 11 | imm << 6 | m << 3 | d);
    }
    case 1: {  // ADD, SUB with a register or a 3-bit immediate
      const unsigned n = g.reg(kLow), d = g.dest(kLow);
      return g.emit16(0x1800 | g.below(4) << 9 | g.below(8) << 6 | n << 3 | d);
    }
    default: {  // MOV, CMP, ADD, SUB with an 8-bit immediate
      const unsigned op = g.below(4), d = op == 1 ? g.reg(kLow) : g.dest(kLow);
      return g.emit16(0x2000 | op << 11 | d << 8 | g.below(256));
    }
  }
}

void data_processing16(Gen& g) {
  const unsigned op = g.below(16), m = g.reg(kLow);
  const unsigned d = op == 8 || op == 10 || op == 11 ? g.reg(kLow) : g.dest(kLow);  // TST CMP CMN
  g.emit16(0x4000 | op << 6 | m << 3 | d);
}

void high_registers16(Gen& g) {
  switch (g.below(g.branch_ok ? 6 : 3)) {
    case 0: {  // ADD Rdn, Rm (SP as the destination would need an aligned result)
      const unsigned m = g.reg(0xFFFF), d = g.dest();
      return g.emit16(0x4400 | (d >> 3) << 7 | m << 3 | (d & 7));
    }
    case 1: {  // CMP with a high register
      const unsigned n = g.reg(0x7FFF), m = g.reg(n < 8 ? 0x7F00 : 0x7FFF);
      return g.emit16(0x4500 | (n >> 3) << 7 | m << 3 | (n & 7));
    }
    case 2: {
      const unsigned m = g.reg(0xFFFF), d = g.dest();
      return g.emit16(0x4600 | (d >> 3) << 7 | m << 3 | (d & 7));
    }
    case 3: {  // ADD PC, Rm
      const unsigned m = g.fresh(kAny, g.near_target() - (g.pc() + 4));
      g.branched = true;
      return g.emit16(0x4487 | m << 3);
    }
    case 4: g.branched = true; return g.emit16(0x4687 | g.target(kAny) << 3);  // MOV PC, Rm
    default: g.branched = true; return g.emit16(0x4700 | g.below(2) << 7 | g.target(kAny) << 3);  // BX, BLX
  }
}

void load_store16(Gen& g) {
  static constexpr unsigned kRegisterSizes[] = {4, 2, 1, 1, 4, 2, 1, 2};  // STR STRH STRB LDRSB LDR LDRH LDRB LDRSH
  switch (g.below(5)) {
    case 0: return g.emit16(0x4800 | g.dest(kLow) << 8 | g.below(256));  // LDR (literal)
    case 1: {
      const unsigned op = g.below(8), align = g.one_in(2) ? kRegisterSizes[op] : 1;
      const unsigned n = g.pointer(kLow, align), m = g.fresh(kLow, g.below(0x400) & ~(align - 1));
      const unsigned t = op >= 3 ? g.dest(kLow) : g.reg(kLow);
      return g.emit16(0x5000 | op << 9 | m << 6 | n << 3 | t);
    }
    case 2: case 3: {  // word, byte, halfword with a 5-bit offset
      const unsigned kind = g.below(3), load = g.below(2), size = kind == 0 ? 4 : kind == 1 ? 1 : 2;
      const unsigned n = g.pointer(kLow, g.one_in(2) ? size : 1), t = load != 0 ? g.dest(kLow) : g.reg(kLow);
      const unsigned base = kind == 0 ? 0x6000 : kind == 1 ? 0x7000 : 0x8000;
      return g.emit16(base | load << 11 | g.below(32) << 6 | n << 3 | t);
    }
    default: {  // SP-relative
      const unsigned load = g.below(2), t = load != 0 ? g.dest(kLow) : g.reg(kLow);
      return g.emit16(0x9000 | load << 11 | t << 8 | g.below(256));
    }
  }
}

void misc16(Gen& g) {
  static constexpr unsigned kRev[] = {0, 1, 3};
  switch (g.below(4)) {
    case 0: return g.emit16(0xA000 | g.dest(kLow) << 8 | g.below(256));  // ADR
    case 1: return g.emit16(0xA800 | g.dest(kLow) << 8 | g.below(256));  // ADD Rd, SP, #imm
    case 2: g.sp_moved = true; return g.emit16(0xB000 | g.below(256));    // ADD, SUB SP, SP, #imm
    default: {                                                            // extends, REV REV16 REVSH
      const unsigned m = g.reg(kLow), d = g.dest(kLow);
      return g.emit16((g.one_in(2) ? 0xB200 | g.below(4) << 6 : 0xBA00 | kRev[g.below(3)] << 6) | m << 3 | d);
    }
  }
}

void multiple16(Gen& g) {
  const unsigned load = g.below(2);
  if (g.one_in(2)) {  // LDM, STM: Rn in a store list only as its lowest register
    const unsigned n = g.pointer(kLow, 4);
    unsigned list = 1 + g.below(255);
    if (load == 0 && (list >> n & 1u) != 0 && (list & ((1u << n) - 1)) != 0) list &= ~(1u << n);
    if (list == 0) throw Reject{};
    if (load != 0) g.written |= static_cast<std::uint16_t>(list);
    return g.emit16(0xC000 | load << 11 | n << 8 | list);
  }
  unsigned list = g.below(256), extra = g.below(2);  // PUSH {.., LR}, POP {.., PC}
  if (load != 0 && extra != 0 && (!g.branch_ok || g.sp_moved)) extra = 0;
  if (list == 0 && extra == 0) list = 1u << g.below(8);
  if (load != 0) {
    g.written |= static_cast<std::uint16_t>(list);
    if (extra != 0) {
      g.poke(g.c.start.r[13] + 4 * static_cast<unsigned>(std::popcount(list)), 4, g.near_target() | 1u);
      g.branched = true;
    }
  }
  g.sp_moved = true;
  g.emit16((load != 0 ? 0xBC00 : 0xB400) | extra << 8 | list);
}

void branch(Gen& g) {  // B<cond> and CBZ may not be in an IT block; B only as its last instruction
  const unsigned kind = g.in_it ? g.below(2) : g.below(5);
  if (kind == 0) return g.emit16(0xE000 | (static_cast<unsigned>(g.offset(12)) >> 1 & 0x7FFu));
  if (kind == 1 || kind == 2) {  // B.W, BL; B<cond>.W
    const bool cond = kind == 2;
    const auto off = static_cast<std::uint32_t>(g.offset(cond ? 21 : 25));
    const unsigned s = off >> 31, imm11 = off >> 1 & 0x7FF;
    if (cond)
      return g.emit32(0xF000 | s << 10 | g.below(14) << 6 | (off >> 12 & 0x3F),
                      0x8000 | (off >> 18 & 1) << 13 | (off >> 19 & 1) << 11 | imm11);
    const unsigned j1 = (~(off >> 23) ^ s) & 1, j2 = (~(off >> 22) ^ s) & 1;
    return g.emit32(0xF000 | s << 10 | (off >> 12 & 0x3FF), 0x9000 | g.below(2) << 14 | j1 << 13 | j2 << 11 | imm11);
  }
  if (kind == 3) return g.emit16(0xD000 | g.below(14) << 8 | (static_cast<unsigned>(g.offset(9)) >> 1 & 0xFF));
  const unsigned n = g.one_in(2) ? g.fresh(kLow, 0) : g.reg(kLow), off = g.below(64);  // CBZ, CBNZ
  g.branched = true;
  g.emit16(0xB100 | g.below(2) << 11 | (off >> 5) << 9 | (off & 31) << 3 | n);
}

void data_processing32(Gen& g, bool shifted) {
  static constexpr unsigned kOps[] = {0, 1, 2, 3, 4, 8, 10, 11, 13, 14}, kCompares[] = {0, 4, 8, 13};
  unsigned op = kOps[g.below(10)], s = g.below(2), n, d;
  switch (g.below(5)) {
    case 0: op = kCompares[g.below(4)], s = 1, d = 15, n = g.reg(op >= 8 ? 0x7FFF : kAny); break;  // TST TEQ CMN CMP
    case 1: op = 2 + g.below(2), n = 15, d = g.dest(); break;                                       // MOV MVN
    default: n = g.reg(op == 8 || op == 13 ? 0x7FFF : kAny), d = g.dest(); break;                 // SP: ADD SUB only
  }
  if (shifted) {
    const unsigned m = g.reg(kAny), imm5 = g.below(32);
    return g.emit32(0xEA00 | op << 5 | s << 4 | n, (imm5 >> 2) << 12 | d << 8 | (imm5 & 3) << 6 | g.below(4) << 4 | m);
  }
  unsigned imm12 = g.below(4096);
  if ((imm12 & 0xC00) == 0 && (imm12 & 0x300) != 0 && (imm12 & 0xFF) == 0) imm12 |= 1;  // a replicated zero byte
  g.emit32(0xF000 | (imm12 >> 11) << 10 | op << 5 | s << 4 | n, (imm12 >> 8 & 7) << 12 | d << 8 | (imm12 & 0xFF));
}
void modified_immediate32(Gen& g) { data_processing32(g, false); }
void shifted_register32(Gen& g) { data_processing32(g, true); }

void plain_immediate32(Gen& g) {
  unsigned op, n, imm = g.below(4096);  // op: hw1 bits 8-4; imm: i:imm3:imm8
  switch (g.below(7)) {
    case 0: op = g.one_in(2) ? 0x00 : 0x0A, n = g.one_in(3) ? 15 : g.reg(0x7FFF); break;  // ADDW SUBW ADR
    case 1: case 2: {  // MOVW MOVT
      const unsigned imm16 = g.below(0x10000);
      op = g.one_in(2) ? 0x04 : 0x0C, n = imm16 >> 12, imm = imm16 & 0xFFF;
      break;
    }
    case 3: {  // SSAT USAT; an arithmetic shift by 0 would be SSAT16 / USAT16
      const unsigned sh = g.below(2), amount = sh != 0 ? 1 + g.below(31) : g.below(32);
      op = (g.one_in(2) ? 0x10 : 0x18) | sh << 1, n = g.reg(kAny);
      imm = (amount >> 2) << 8 | (amount & 3) << 6 | g.below(32);
      break;
    }
    case 4: {  // SBFX UBFX
      const unsigned lsb = g.below(32), width = 1 + g.below(32 - lsb);
      op = g.one_in(2) ? 0x14 : 0x1C, n = g.reg(kAny), imm = (lsb >> 2) << 8 | (lsb & 3) << 6 | (width - 1);
      break;
    }
    default: {  // BFI BFC
      const unsigned lsb = g.below(32), msb = lsb + g.below(32 - lsb);
      op = 0x16, n = g.one_in(3) ? 15 : g.reg(kAny), imm = (lsb >> 2) << 8 | (lsb & 3) << 6 | msb;
      break;
    }
  }
  const unsigned d = g.dest();
  g.emit32(0xF200 | (imm >> 11) << 10 | op << 4 | n, (imm >> 8 & 7) << 12 | d << 8 | (imm & 0xFF));
}

void register_ops32(Gen& g) {
  static constexpr unsigned kExtends[] = {0, 1, 4, 5}, kMisc[][2] = {{1, 0}, {1, 1}, {1, 2}, {1, 3}, {3, 0}};
  const unsigned m = g.reg(kAny);
  switch (g.below(3)) {
    case 0: {  // LSL LSR ASR ROR by a register
      const unsigned n = g.reg(kAny), d = g.dest();
      return g.emit32(0xFA00 | g.below(8) << 4 | n, 0xF000 | d << 8 | m);
    }
    case 1: {  // SXTAH UXTAH SXTAB UXTAB, and without the add
      const unsigned n = g.one_in(2) ? 15 : g.reg(kAny), d = g.dest();
      return g.emit32(0xFA00 | kExtends[g.below(4)] << 4 | n, 0xF080 | d << 8 | g.below(4) << 4 | m);
    }
    default: {  // REV REV16 RBIT REVSH CLZ
      const auto& op = kMisc[g.below(5)];
      const unsigned d = g.dest();
      return g.emit32(0xFA80 | op[0] << 4 | m, 0xF080 | d << 8 | op[1] << 4 | m);
    }
  }
}

void multiply32(Gen& g) {
  static constexpr unsigned kLong[][2] = {{0, 0}, {2, 0}, {4, 0}, {6, 0}, {6, 6}, {1, 15}, {3, 15}};
  if (g.one_in(3)) {  // MUL MLA MLS
    const unsigned n = g.reg(kAny), m = g.reg(kAny), op = g.below(2), a = op == 0 && g.one_in(2) ? 15 : g.reg(kAny);
    const unsigned d = g.dest();
    return g.emit32(0xFB00 | n, a << 12 | d << 8 | op << 4 | m);
  }
  const auto& op = kLong[g.below(7)];  // SMULL UMULL SMLAL UMLAL UMAAL SDIV UDIV
  if (op[1] == 15) {  // dividing by 0 and -1, and INT_MIN by -1, as often as by the rest
    const unsigned n = g.one_in(3) ? g.fresh(kAny, 0x80000000u) : g.reg(kAny);
    const unsigned m = g.one_in(2) ? g.fresh(kAny, g.one_in(2) ? 0u : 0xFFFFFFFFu) : g.reg(kAny);
    return g.emit32(0xFB80 | op[0] << 4 | n, 0xF0F0 | g.dest() << 8 | m);
  }
  const unsigned n = g.reg(kAny), m = g.reg(kAny), lo = g.dest(), hi = g.dest(kAny & ~(1u << lo));
  g.emit32(0xFB80 | op[0] << 4 | n, lo << 12 | hi << 8 | op[1] << 4 | m);
}

void system32(Gen& g) {
  static constexpr unsigned kReads[] = {0, 1, 2, 3, 5, 6, 7, 16, 17, 18, 19, 20};
  static constexpr unsigned kBarriers[] = {0xF3AF8000, 0xF3BF8F5F, 0xF3BF8F4F, 0xF3BF8F2F, 0xF3BF8F6F};
  switch (g.below(g.in_it ? 4 : 5)) {
    case 0: {
      const unsigned sysm = kReads[g.below(12)];
      return g.emit32(0xF3EF, 0x8000 | g.dest() << 8 | sysm);  // MRS
    }
    case 1: return g.emit32(0xF380 | g.reg(kAny), 0x8800 | g.below(4));                    // MSR APSR_nzcvq
    case 2: return g.emit32(0xF380 | g.reg(kAny), 0x8800 | (g.one_in(2) ? 16 : 19));       // MSR PRIMASK, FAULTMASK
    case 3: {  // NOP, barriers, CLREX; Unicorn loses the IT state at an ISB, which ends its block
      const unsigned op = kBarriers[g.below(g.in_it ? 3 : 5)];
      return g.emit32(op >> 16, op & 0xFFFF);
    }
    default: return g.emit16(0xB660 | g.below(2) << 4 | (1 + g.below(3)));  // CPSIE, CPSID
  }
}

void load_store32(Gen& g) {
  static constexpr unsigned kKinds[][2] = {{2, 0}, {1, 0}, {0, 0}, {1, 1}, {0, 1}};  // size, signed
  const auto& kind = kKinds[g.below(5)];
  const unsigned size = 1u << kind[0], load = kind[1] != 0 ? 1 : g.below(2);
  const unsigned align = g.one_in(2) ? size : 1, form = g.below(load != 0 ? 4 : 3);
  unsigned hw1 = 0xF800 | kind[1] << 8 | kind[0] << 5 | load << 4, tail, n;
  bool writeback = false, hint_ok = true;
  std::uint32_t address = 0;
  switch (form) {
    case 0: {  // 12-bit offset
      n = g.pointer(kAny, align);
      tail = g.below(4096) & ~(align - 1);
      hw1 |= 0x80 | n, address = g.c.start.r[n] + tail;
      break;
    }
    case 1: {  // 8-bit offset, pre- or post-indexed with write-back, or negative
      const unsigned p = g.below(2), w = p == 0 ? 1 : g.below(2), u = g.below(2), imm8 = g.below(256) & ~(align - 1);
      n = g.pointer(kAny, align);
      writeback = w != 0, hint_ok = p == 1 && u == 0 && w == 0;
      tail = 0x800 | p << 10 | u << 9 | w << 8 | imm8, hw1 |= n;
      address = g.c.start.r[n] + (p == 0 ? 0 : u != 0 ? imm8 : 0u - imm8);
      break;
    }
    case 2: {  // register offset
      n = g.pointer(kAny, align);
      const unsigned shift = g.below(4), m = g.fresh(kAny, (g.below(0x400) & ~(align - 1)) >> shift);
      tail = shift << 4 | m, hw1 |= n, address = g.c.start.r[n] + (g.c.start.r[m] << shift);
      break;
    }
    default: n = 15, tail = g.below(4096), hw1 |= g.below(2) << 7 | 15; break;  // literal
  }
  unsigned t;
  const unsigned others = kAny & ~(writeback ? 1u << n : 0u);
  if (load != 0 && size == 4 && form < 3 && g.branch_ok && g.one_in(6)) {  // LDR PC
    t = 15, g.branched = true;
    g.poke(address, 4, g.near_target() | 1u);
  } else if (load != 0 && size < 4 && hint_ok && g.one_in(8)) {
    t = 15;  // PLD, PLI and the unallocated hints
  } else {
    t = load != 0 ? g.dest(others) : g.reg(others);
  }
  g.emit32(hw1, t << 12 | tail);
}

void dual_exclusive32(Gen& g) {
  switch (g.below(g.branch_ok ? 5 : 4)) {
    case 0: case 1: {  // LDRD STRD
      const unsigned load = g.below(2), p = g.below(2), w = p == 0 ? 1 : g.below(2);
      const bool literal = load != 0 && p != 0 && w == 0 && g.one_in(4);
      const unsigned n = literal ? 15 : g.pointer(kAny, 4), others = kAny & ~(w != 0 ? 1u << n : 0u);
      const unsigned t = load != 0 ? g.dest(others) : g.reg(others);
      const unsigned t2 = load != 0 ? g.dest(others & ~(1u << t)) : g.reg(others);
      return g.emit32(0xE840 | p << 8 | g.below(2) << 7 | w << 5 | load << 4 | n, t << 12 | t2 << 8 | g.below(256));
    }
    case 2: {  // LDREX LDREXB LDREXH
      const unsigned size = 1u << g.below(3), n = g.pointer(kAny, size), t = g.dest();
      g.c.exclusive = true;
      if (size == 4) return g.emit32(0xE850 | n, t << 12 | 0xF00 | g.below(256));
      return g.emit32(0xE8D0 | n, t << 12 | 0xF0F | (size == 1 ? 0x40 : 0x50));
    }
    case 3: {  // STREX without a reservation: fails
      const unsigned size = 1u << g.below(3), n = g.pointer(kAny, size), t = g.reg(kAny & ~(1u << n));
      const unsigned d = g.dest(kAny & ~(1u << n | 1u << t));
      g.c.exclusive = true;
      if (size == 4) return g.emit32(0xE840 | n, t << 12 | d << 8 | g.below(256));
      return g.emit32(0xE8C0 | n, t << 12 | 0xF00 | (size == 1 ? 0x40 : 0x50) | d);
    }
    default: {  // TBB TBH
      const unsigned h = g.below(2), n = g.one_in(2) ? 15 : g.pointer(kAny, 1);
      const unsigned m = g.fresh(kAny & ~(1u << n), g.below(0x100));
      if (g.seq) {  // an entry that stays in the code, and does not lead onto itself
        const std::uint32_t entry = (n == 15 ? g.pc() + 4 : g.c.start.r[n]) + (g.c.start.r[m] << h);
        const unsigned value = g.below(h != 0 ? 0x200 : 0x100);
        if (n == 15 && (g.pc() + 4 + 2 * value) >> 2 == entry >> 2) throw Reject{};
        for (unsigned i = 0; i <= h; ++i) {
          if (n == 15)
            g.c.code_bytes.emplace_back(entry + i, static_cast<std::uint8_t>(value >> 8 * i));
          else
            g.poke(entry + i, 1, value >> 8 * i);
        }
      }
      g.branched = true;
      return g.emit32(0xE8D0 | n, 0xF000 | h << 4 | m);
    }
  }
}

void multiple32(Gen& g) {  // LDM STM, IA and DB, PUSH.W POP.W
  const unsigned load = g.below(2), db = g.below(2), sp = g.one_in(4), n = sp != 0 ? 13 : g.pointer(kAny, 4);
  const unsigned wb = sp != 0 || g.one_in(2) ? 1 : 0;
  unsigned list = g.below(0x10000) & 0x5FFF & ~(wb != 0 ? 1u << n : 0u);
  const bool pc = load != 0 && g.branch_ok && !(sp != 0 && g.sp_moved) && g.one_in(4);
  if (pc) list = (list & ~0x4000u) | 0x8000u;
  const auto count = static_cast<unsigned>(std::popcount(list));
  if (count < 2) throw Reject{};
  if (pc) {
    g.poke(g.c.start.r[n] + (db != 0 ? 0u - 4 : 4 * (count - 1)), 4, g.near_target() | 1u);
    g.branched = true;
  }
  if (load != 0) g.written |= static_cast<std::uint16_t>(list & 0x7FFF);
  if (wb != 0) g.written |= static_cast<std::uint16_t>(1u << n);
  if (n == 13 && wb != 0) g.sp_moved = true;
  g.emit32(0xE800 | (db != 0 ? 0x100 : 0x80) | wb << 5 | load << 4 | n, list);
}

// Single-precision register fields: Sd in Vd:D, Sn in Vn:N, Sm in Vm:M.
void emit_fp(Gen& g, unsigned hw1, unsigned hw2, unsigned d, unsigned n, unsigned m) {
  g.emit32(hw1 | (d & 1) << 6 | n >> 1, hw2 | (d >> 1) << 12 | (n & 1) << 7 | (m & 1) << 5 | m >> 1);
}

void fp_moves(Gen& g) {
  const unsigned to_core = g.below(2);
  switch (g.below(6)) {
    case 0: {  // VMOV between a core register and a single
      const unsigned s = g.below(32), t = to_core != 0 ? g.dest() : g.reg(kAny);
      return g.emit32(0xEE00 | to_core << 4 | s >> 1, t << 12 | 0x0A10 | (s & 1) << 7);
    }
    case 1: case 2: {  // VMOV between two core registers and two singles or a double
      const bool dbl = g.one_in(2);
      const unsigned m = dbl ? g.below(16) : g.below(31), t = to_core != 0 ? g.dest() : g.reg(kAny);
      const unsigned t2 = to_core != 0 ? g.dest(kAny & ~(1u << t)) : g.reg(kAny);
      return g.emit32(0xEC40 | to_core << 4 | t2, t << 12 | (dbl ? 0x0B10 | m : 0x0A10 | (m & 1) << 5 | m >> 1));
    }
    case 3: {  // VMOV (immediate)
      const unsigned imm8 = g.below(256);
      return emit_fp(g, 0xEEB0 | imm8 >> 4, 0x0A00 | (imm8 & 15), g.below(32), 0, 0);
    }
    case 4: return emit_fp(g, 0xEEB0, 0x0A40, g.below(32), 0, g.below(32));  // VMOV (register)
    default: {                                                              // VMRS (APSR_nzcv too), VMSR
      const unsigned t = to_core != 0 ? (g.one_in(3) ? 15 : g.dest()) : g.reg(kAny);
      return g.emit32(to_core != 0 ? 0xEEF1 : 0xEEE1, t << 12 | 0x0A10);
    }
  }
}

void fp_arithmetic(Gen& g) {  // VMLA VMLS VNMLS VNMLA VMUL VNMUL VADD VSUB VDIV VFNMS VFNMA VFMA VFMS; VABS VNEG VSQRT
  static constexpr unsigned kBinary[][2] = {{0xEE00, 0x0A00}, {0xEE00, 0x0A40}, {0xEE10, 0x0A00}, {0xEE10, 0x0A40},
                                            {0xEE20, 0x0A00}, {0xEE20, 0x0A40}, {0xEE30, 0x0A00}, {0xEE30, 0x0A40},
                                            {0xEE80, 0x0A00}, {0xEE90, 0x0A00}, {0xEE90, 0x0A40}, {0xEEA0, 0x0A00},
                                            {0xEEA0, 0x0A40}};
  static constexpr unsigned kUnary[][2] = {{0xEEB0, 0x0AC0}, {0xEEB1, 0x0A40}, {0xEEB1, 0x0AC0}};
  const unsigned d = g.below(32), n = g.below(32), m = g.below(32);
  if (g.one_in(3)) {
    // All operands special: 0 * infinity, infinity - infinity, NaN + 0 * infinity, ...; or results
    // at the bottom of the normal range, such as FLT_MIN * (1 - 2^-24), which rounds up to FLT_MIN.
    const std::uint32_t kSpecial[] = {0, 0x7F800000u, 0x7FC00000u | (g.u32() & 0x3FFFFFu),
                                      0x7F800001u | (g.u32() & 0x3FFFFFu), g.u32() & 0x7FFFFFu, 0x3F800000u};
    static constexpr std::uint32_t kTiny[] = {0, 0x00800000u, 0x3F7FFFFFu, 0x33800000u};
    const bool tiny = g.one_in(2);
    for (const unsigned r : {d, n, m})
      g.c.start.s[r] = (g.u32() & 0x80000000u) | (tiny ? kTiny[g.below(4)] : kSpecial[g.below(6)]);
  }
  if (g.one_in(5)) {
    const auto& op = kUnary[g.below(3)];
    return emit_fp(g, op[0], op[1], d, 0, m);
  }
  const auto& op = kBinary[g.below(13)];
  emit_fp(g, op[0], op[1], d, n, m);
}

void fp_compare_convert(Gen& g) {  // VCMP{E} (register, #0); VCVT{R} to U32/S32; VCVT from U32/S32
  static constexpr unsigned kOps[][2] = {{0xEEB4, 0x0A40}, {0xEEB4, 0x0AC0}, {0xEEB5, 0x0A40}, {0xEEB5, 0x0AC0},
                                         {0xEEBC, 0x0A40}, {0xEEBC, 0x0AC0}, {0xEEBD, 0x0A40}, {0xEEBD, 0x0AC0},
                                         {0xEEB8, 0x0A40}, {0xEEB8, 0x0AC0}};
  const unsigned i = g.below(10), m = i == 2 || i == 3 ? 0 : g.below(32);
  if (i >= 8 && g.one_in(2)) g.c.start.s[m] = g.value();  // integers as integers
  emit_fp(g, kOps[i][0], kOps[i][1], g.below(32), 0, m);
}

void fp_load_store(Gen& g) {
  const unsigned load = g.below(2), dbl = g.below(2), limit = dbl != 0 ? 16 : 32, d = g.below(limit);
  const unsigned dfield = dbl != 0 ? ((d >> 4) << 6 | (d & 15) << 12) : ((d & 1) << 6 | (d >> 1) << 12);
  const unsigned size = dbl != 0 ? 0x0B00 : 0x0A00;
  switch (g.below(3)) {
    case 0: {  // VLDR VSTR, literal too
      const unsigned n = load != 0 && g.one_in(4) ? 15 : g.pointer(kAny, 4);
      return g.emit32(0xED00 | g.below(2) << 7 | load << 4 | n | (dfield & 0x40),
                      (dfield & 0xF000) | size | g.below(256));
    }
    case 1: {  // VLDM VSTM: increment after, with or without write-back, or decrement before with it
      const unsigned n = g.pointer(kAny, 4), mode = g.below(3), count = 1 + g.below(limit - d);
      if (mode != 0) g.written |= static_cast<std::uint16_t>(1u << n);
      const unsigned puw = mode == 0 ? 0x080 : mode == 1 ? 0x0A0 : 0x120;
      return g.emit32(0xEC00 | puw | load << 4 | n | (dfield & 0x40), (dfield & 0xF000) | size | count << dbl);
    }
    default: {  // VPUSH VPOP
      const unsigned count = 1 + g.below(limit - d);
      g.sp_moved = true;
      return g.emit32((load != 0 ? 0xECBD : 0xED2D) | (dfield & 0x40), (dfield & 0xF000) | size | count << dbl);
    }
  }
}

using Generator = void (*)(Gen&);
constexpr Generator kConditional[] = {shift_add_sub16,  data_processing16, high_registers16,     load_store16,
                                      misc16,           multiple16,        modified_immediate32, shifted_register32,
                                      plain_immediate32, register_ops32,    multiply32,           load_store32,
                                      dual_exclusive32, multiple32,        fp_moves,             fp_arithmetic,
                                      fp_compare_convert, fp_load_store,   system32};

void it_block(Gen& g) {
  const unsigned firstcond = g.below(15), mask = firstcond == 14 ? 8 : 1 + g.below(15);
  const unsigned count = 4 - static_cast<unsigned>(std::countr_zero(mask));
  g.emit16(0xBF00 | firstcond << 4 | mask);
  g.c.it_block = true;
  g.in_it = true;
  for (unsigned i = 0; i < count; ++i) {
    g.branch_ok = i + 1 == count;
    if (g.branch_ok && g.one_in(4))
      branch(g);
    else
      kConditional[g.below(std::size(kConditional))](g);
  }
  g.in_it = false, g.branch_ok = false;
  if (g.branched)
    ++g.c.steps;  // the filler at the target, or after the block
  else
    kConditional[g.below(std::size(kConditional))](g);
}

void branch_sequence(Gen& g) {  // a compare, then any kind of branch, then the filler where it went
  g.branch_ok = false;
  if (g.one_in(2)) {
    g.emit16(0x4280 | g.below(64));  // CMP Rn, Rm
  } else if (g.one_in(2)) {
    emit_fp(g, 0xEEB4, 0x0A40, g.below(32), 0, g.below(32));  // VCMP, VMRS APSR_nzcv
    g.emit32(0xEEF1, 0xFA10);
  }
  g.branch_ok = true;
  static constexpr Generator kBranching[] = {branch,       high_registers16, multiple16,
                                             load_store32, dual_exclusive32, multiple32};
  kBranching[g.below(std::size(kBranching))](g);
  if (!g.branched) throw Reject{};
  ++g.c.steps;
}

void stack_sequence(Gen& g) {  // pushes and pops of either size, of core and FP registers
  for (unsigned i = 0, n = 2 + g.below(3); i < n; ++i) {
    switch (g.below(3)) {
      case 0: {
        const unsigned load = g.below(2), list = 1 + g.below(255);
        if (load != 0) g.written |= static_cast<std::uint16_t>(list);
        g.emit16((load != 0 ? 0xBC00 : 0xB400) | list);
        break;
      }
      case 1: {
        const unsigned load = g.below(2), list = (g.below(0x10000) & 0x5FFF) | 3;
        if (load != 0) g.written |= static_cast<std::uint16_t>(list);
        g.emit32(load != 0 ? 0xE8BD : 0xE92D, list);
        break;
      }
      default: {
        const unsigned d = g.below(32), count = 1 + g.below(32 - d);
        emit_fp(g, g.one_in(2) ? 0xECBD : 0xED2D, 0x0A00 | count, d, 0, 0);
        break;
      }
    }
  }
}

void exclusive_sequence(Gen& g) {  // LDREX{B,H}, perhaps a change and a CLREX, STREX{B,H} to the same place
  const unsigned size = 1u << g.below(3), n = g.pointer(kAny, size), imm = size == 4 ? g.below(64) : 0;
  const unsigned t = g.dest(kAny & ~(1u << n));
  g.c.exclusive = true;
  const unsigned kind = size == 4 ? 0 : size == 1 ? 0x40 : 0x50;
  if (size == 4)
    g.emit32(0xE850 | n, t << 12 | 0xF00 | imm);
  else
    g.emit32(0xE8D0 | n, t << 12 | 0xF0F | kind);
  if (g.one_in(2)) g.emit32(0xF100 | t, t << 8 | g.below(256));  // ADD Rt, Rt, #imm
  if (g.one_in(4)) g.emit32(0xF3BF, 0x8F2F);                      // CLREX
  for (unsigned i = 0, stores = 1 + g.below(2); i < stores; ++i) {  // a second one fails
    const unsigned source = g.reg(kAny & ~(1u << n)), d = g.dest(kAny & ~(1u << n | 1u << source));
    if (size == 4)
      g.emit32(0xE840 | n, source << 12 | d << 8 | imm);
    else
      g.emit32(0xE8C0 | n, source << 12 | 0xF00 | kind | d);
  }
}

class Unicorn {
 public:
  Unicorn() {
    check(uc_open(UC_ARCH_ARM, static_cast<uc_mode>(UC_MODE_THUMB | UC_MODE_MCLASS), &uc_));
    check(uc_ctl_set_cpu_model(uc_, UC_CPU_ARM_CORTEX_M33));
    check(uc_mem_map(uc_, 0, kUnicornCodeSize, UC_PROT_ALL));
    check(uc_mem_map(uc_, kDataBase, kDataSize, UC_PROT_ALL));
    static constexpr std::uint16_t kClrexCode[] = {0xF3BF, 0x8F2F};
    check(uc_mem_write(uc_, kClrex, kClrexCode, sizeof kClrexCode));
    uc_hook hook;
    check(uc_hook_add(uc_, &hook, UC_HOOK_INTR, reinterpret_cast<void*>(&Unicorn::exception), this, 1, 0));
  }
  ~Unicorn() { uc_close(uc_); }
  Unicorn(const Unicorn&) = delete;
  Unicorn& operator=(const Unicorn&) = delete;

  Machine run(const Case& c, const std::vector<std::uint8_t>& code, std::uint32_t until) {
    const Machine& in = c.start;
    if (c.exclusive) check(uc_emu_start(uc_, kClrex | 1u, 0, 0, 1));
    check(uc_mem_write(uc_, kCodeBase, code.data(), code.size()));
    check(uc_ctl_remove_cache(uc_, kCodeBase, kCodeBase + kCodeSize));
    check(uc_mem_write(uc_, kDataBase, in.data.data(), in.data.size()));
    for (int i = 0; i < 13; ++i) set(UC_ARM_REG_R0 + i, in.r[static_cast<std::size_t>(i)]);
    set(UC_ARM_REG_SP, in.r[13]);
    set(UC_ARM_REG_LR, in.r[14]);
    for (int i = 0; i < 32; ++i) set(UC_ARM_REG_S0 + i, in.s[static_cast<std::size_t>(i)]);
    // An FP context is active (FPCA, and SFPA as Unicorn runs Secure): otherwise the first FP
    // instruction would start a new one and load FPSCR from FPDSCR, which is no instruction's doing.
    set(UC_ARM_REG_CONTROL, 0xC);
    set(UC_ARM_REG_XPSR, in.xpsr | 1u << 24);
    set(UC_ARM_REG_FPSCR, in.fpscr);
    set(UC_ARM_REG_PRIMASK, in.primask);
    set(UC_ARM_REG_FAULTMASK, in.faultmask);
    set(UC_ARM_REG_BASEPRI, 0);
    exception_ = -1;
    const uc_err err = uc_emu_start(uc_, kStart | 1u, until, 0, c.steps);
    Machine out;
    out.completed = err == UC_ERR_OK && exception_ < 0;
    if (!out.completed) out.how = exception_ >= 0 ? "exception " + std::to_string(exception_) : uc_strerror(err);
    for (int i = 0; i < 13; ++i) out.r[static_cast<std::size_t>(i)] = get(UC_ARM_REG_R0 + i);
    out.r[13] = get(UC_ARM_REG_SP), out.r[14] = get(UC_ARM_REG_LR), out.r[15] = get(UC_ARM_REG_PC);
    for (int i = 0; i < 32; ++i) out.s[static_cast<std::size_t>(i)] = get(UC_ARM_REG_S0 + i);
    out.xpsr = get(UC_ARM_REG_XPSR) & kXpsrCompared;
    out.fpscr = get(UC_ARM_REG_FPSCR);
    out.primask = get(UC_ARM_REG_PRIMASK), out.faultmask = get(UC_ARM_REG_FAULTMASK);
    out.data.resize(kDataSize);
    check(uc_mem_read(uc_, kDataBase, out.data.data(), kDataSize));
    return out;
  }

 private:
  static void exception(uc_engine* uc, std::uint32_t number, void* self) {
    static_cast<Unicorn*>(self)->exception_ = static_cast<int>(number);
    uc_emu_stop(uc);
  }
  static void check(uc_err err) {
    if (err != UC_ERR_OK) throw std::runtime_error(uc_strerror(err));
  }
  void set(int id, std::uint32_t value) { check(uc_reg_write(uc_, id, &value)); }
  std::uint32_t get(int id) {
    std::uint32_t value = 0;
    check(uc_reg_read(uc_, id, &value));
    return value;
  }

  uc_engine* uc_ = nullptr;
  int exception_ = -1;
};

Machine run_core(const Case& c, std::vector<std::uint8_t>& code) {
  struct Budget final : ThumbCore::Host {
    unsigned left;
    explicit Budget(unsigned n) : left(n) {}
    bool before(std::uint32_t, unsigned) override { return left != 0 && (--left, true); }
    bool read(std::uint32_t, unsigned, std::uint32_t&) override { return false; }
    bool write(std::uint32_t, unsigned, std::uint32_t) override { return false; }
  } host(c.steps);
  Machine out;
  out.data = c.start.data;
  ThumbCore core(host);
  core.map_fetch(kCodeBase, kCodeSize, code.data());
  core.map_read(kCodeBase, kCodeSize, code.data());
  core.map_read_write(kDataBase, kDataSize, out.data.data());
  ThumbCore::State& s = core.state();
  s.r = c.start.r, s.r[15] = kStart, s.s = c.start.s, s.fpscr = c.start.fpscr;
  s.primask = c.start.primask, s.faultmask = c.start.faultmask, s.control = 0xC;  // as Unicorn's
  core.set_xpsr(c.start.xpsr | 1u << 24);
  const ThumbCore::Exit exit = core.run();
  // Past the last instruction a branch may have gone where the core has no code: that is no fault.
  out.completed = exit == ThumbCore::Exit::Stopped || (exit == ThumbCore::Exit::FetchFault && host.left == 0);
  if (!out.completed)
    out.how = "exit " + std::to_string(static_cast<int>(exit)) + " at pc " + hex(s.r[15]) + ", address " +
              hex(core.fault_address());
  out.r = s.r, out.s = s.s, out.xpsr = core.xpsr() & kXpsrCompared, out.fpscr = s.fpscr;
  out.primask = s.primask, out.faultmask = s.faultmask;
  return out;
}

// Empty when both agree; otherwise what differs, with the values before.
std::string differences(const Machine& before, const Machine& core, const Machine& uc) {
  std::string out;
  auto item = [&](const char* name, std::uint32_t index, std::uint32_t was, std::uint32_t a, std::uint32_t b) {
    if (a == b) return;
    out += "\n  " + (name + (index == ~0u ? std::string() : name[0] == 'b' ? hex(index) : std::to_string(index)));
    out += ": core " + hex(a) + ", unicorn " + hex(b) + " (before " + hex(was) + ")";
  };
  if (core.completed != uc.completed)
    return "\n  core " + (core.completed ? std::string("completed") : core.how) + ", unicorn " +
           (uc.completed ? std::string("completed") : uc.how);
  if (!core.completed) return out;
  for (unsigned i = 0; i < 16; ++i) item("r", i, before.r[i], core.r[i], uc.r[i]);
  item("xPSR", ~0u, before.xpsr, core.xpsr, uc.xpsr);
  for (unsigned i = 0; i < 32; ++i) item("s", i, before.s[i], core.s[i], uc.s[i]);
  item("FPSCR", ~0u, before.fpscr, core.fpscr, uc.fpscr);
  item("PRIMASK", ~0u, before.primask, core.primask, uc.primask);
  item("FAULTMASK", ~0u, before.faultmask, core.faultmask, uc.faultmask);
  if (core.data == uc.data) return out;
  for (std::uint32_t i = 0, shown = 0; i < kDataSize && shown < 8; ++i)
    if (core.data[i] != uc.data[i]) {
      item("byte at ", kDataBase + i, before.data[i], core.data[i], uc.data[i]);
      ++shown;
    }
  return out;
}

struct Class {
  const char* name;
  Generator generate;
  bool sequence;
};

constexpr Class kClasses[] = {
    {"ShiftAddSub16", shift_add_sub16, false},   {"DataProcessing16", data_processing16, false},
    {"HighRegisters16", high_registers16, false}, {"LoadStore16", load_store16, false},
    {"Misc16", misc16, false},                   {"Multiple16", multiple16, false},
    {"Branch", branch, false},                   {"ModifiedImmediate32", modified_immediate32, false},
    {"ShiftedRegister32", shifted_register32, false}, {"PlainImmediate32", plain_immediate32, false},
    {"RegisterOps32", register_ops32, false},    {"Multiply32", multiply32, false},
    {"System", system32, false},                 {"LoadStore32", load_store32, false},
    {"DualExclusiveTable32", dual_exclusive32, false}, {"Multiple32", multiple32, false},
    {"FpMoves", fp_moves, false},                {"FpArithmetic", fp_arithmetic, false},
    {"FpCompareConvert", fp_compare_convert, false}, {"FpLoadStore", fp_load_store, false},
    {"ItBlock", it_block, true},                 {"BranchSequence", branch_sequence, true},
    {"StackSequence", stack_sequence, true},     {"ExclusiveSequence", exclusive_sequence, true},
};

void PrintTo(const Class& klass, std::ostream* out) { *out << klass.name; }

constexpr unsigned kCases = 3000;

class ThumbCoreDifferential : public testing::TestWithParam<Class> {};

TEST_P(ThumbCoreDifferential, AgreesWithUnicorn) {
  const Class& klass = GetParam();
  std::uint32_t seed = 2166136261u;  // FNV-1a of the name: each class its own fixed sequence
  for (const char* p = klass.name; *p != 0; ++p) seed = (seed ^ static_cast<unsigned char>(*p)) * 16777619u;
  std::mt19937 rng(seed);
  std::vector<std::uint8_t> random_code(kCodeSize), filler_code(kCodeSize), pool(4 * kDataSize);
  for (auto& b : random_code) b = static_cast<std::uint8_t>(rng());
  for (auto& b : pool) b = static_cast<std::uint8_t>(rng());
  for (std::size_t i = 0; i < kCodeSize; i += 2)
    filler_code[i] = kFiller[i / 2 % 2] & 0xFF, filler_code[i + 1] = kFiller[i / 2 % 2] >> 8;
  Unicorn unicorn;
  unsigned mismatches = 0, completed = 0;
  for (unsigned n = 0; n < kCases; ++n) {
    Case c;
    for (;;) {
      c = Case{};
      Machine& m = c.start;
      for (auto& r : m.r) r = rng();
      const std::size_t from = rng() % (pool.size() - kDataSize);
      m.data.assign(pool.begin() + static_cast<std::ptrdiff_t>(from),
                    pool.begin() + static_cast<std::ptrdiff_t>(from + kDataSize));
      Gen g{rng, c};
      g.seq = klass.sequence;
      for (unsigned i = 0; i < 15; ++i) m.r[i] = g.value();
      m.r[13] = (kDataBase + 0x1400 + g.below(0x1800)) & ~7u;
      for (auto& s : m.s) s = g.fp_value();
      m.xpsr = rng() & 0xF8000000u;
      // NZCV, cumulative flags (clear half the time, so that raising them shows), RMode, FZ, DN, AHP
      m.fpscr = (rng() & 0xF7C00000u) | (g.one_in(2) ? rng() & 0x9Fu : 0u);
      m.primask = g.below(2), m.faultmask = g.below(2);
      try {
        klass.generate(g);
        break;
      } catch (const Reject&) {
      }
    }
    std::vector<std::uint8_t> code = klass.sequence ? filler_code : random_code;
    for (std::size_t i = 0; i < c.halves.size(); ++i) {
      code[0x2000 + 2 * i] = static_cast<std::uint8_t>(c.halves[i]);
      code[0x2000 + 2 * i + 1] = static_cast<std::uint8_t>(c.halves[i] >> 8);
    }
    for (const auto& [address, byte] : c.code_bytes) code.at(address - kCodeBase) = byte;
    const Machine core = run_core(c, code);
    // Unicorn does not count an instruction whose condition fails in an IT block. After an IT
    // block it runs to where the core stopped, with the count as a bound: a condition or branch
    // the core gets wrong still leaves a different PC or different registers.
    const Machine uc = unicorn.run(c, code, c.it_block && core.completed ? core.r[15] : 0);
    completed += uc.completed ? 1 : 0;
    if (const std::string diff = differences(c.start, core, uc); !diff.empty() && ++mismatches <= 10) {
      std::string text = klass.name;
      text += ", case " + std::to_string(n) + ":";
      for (const std::uint32_t i : c.insns) text += " " + (i > 0xFFFF ? hex(i) : hex(i).substr(4));
      text += "\n  before:";
      for (unsigned i = 0; i < 15; ++i) text += " r" + std::to_string(i) + "=" + hex(c.start.r[i]);
      text += " xPSR=" + hex(c.start.xpsr) + " FPSCR=" + hex(c.start.fpscr) + "\n  before:";
      for (unsigned i = 0; i < 32; ++i) text += " s" + std::to_string(i) + "=" + hex(c.start.s[i]);
      ADD_FAILURE() << text << diff;
    }
  }
  EXPECT_EQ(mismatches, 0u) << klass.name;
  // Every case is valid and runs to its end: one that faulted on both would have tested nothing.
  EXPECT_EQ(completed, kCases) << klass.name;
}

INSTANTIATE_TEST_SUITE_P(Classes, ThumbCoreDifferential, testing::ValuesIn(kClasses),
                         [](const testing::TestParamInfo<Class>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ovrimo::emu

#include "model/rcc.h"

#include <array>

namespace ovrimo::model {

namespace {
constexpr std::array<std::uint32_t, 16> kMsiRangeHz = {48'000'000, 24'000'000, 16'000'000, 12'000'000,
                                                        4'000'000,  2'000'000,  1'330'000,  1'000'000,
                                                        3'072'000,  1'536'000,  1'024'000,  768'000,
                                                        400'000,    200'000,    133'000,    100'000};
}  // namespace

Rcc::Rcc(Scheduler& scheduler, RccTiming timing) : Peripheral("RCC", kBase, 0x400), scheduler_(scheduler), timing_(timing) {
  struct Def {
    const char* name;
    std::uint32_t offset;
    std::uint32_t reset;
  };
  static constexpr Def kRegisters[] = {
      {"CR", 0x000, 0x00000035},        {"ICSCR1", 0x008, 0x44000000},     {"ICSCR2", 0x00C, 0x00084210},
      {"ICSCR3", 0x010, 0x00100000},    {"CRRCR", 0x014, 0},               {"CFGR1", 0x01C, 0},
      {"CFGR2", 0x020, 0x00006000},     {"CFGR3", 0x024, 0},               {"PLL1CFGR", 0x028, 0},
      {"PLL2CFGR", 0x02C, 0},           {"PLL3CFGR", 0x030, 0},            {"PLL1DIVR", 0x034, 0x01010280},
      {"PLL1FRACR", 0x038, 0},          {"PLL2DIVR", 0x03C, 0x01010280},   {"PLL2FRACR", 0x040, 0},
      {"PLL3DIVR", 0x044, 0x01010280},  {"PLL3FRACR", 0x048, 0},           {"CIER", 0x050, 0},
      {"CIFR", 0x054, 0},               {"CICR", 0x058, 0},                {"AHB1RSTR", 0x060, 0},
      {"AHB2RSTR1", 0x064, 0},          {"AHB2RSTR2", 0x068, 0},           {"AHB3RSTR", 0x06C, 0},
      {"APB1RSTR1", 0x074, 0},          {"APB1RSTR2", 0x078, 0},           {"APB2RSTR", 0x07C, 0},
      {"APB3RSTR", 0x080, 0},           {"AHB1ENR", 0x088, 0xD0200100},    {"AHB2ENR1", 0x08C, 0xC0000000},
      {"AHB2ENR2", 0x090, 0x80000000},  {"AHB3ENR", 0x094, 0x80000000},    {"APB1ENR1", 0x09C, 0},
      {"APB1ENR2", 0x0A0, 0},           {"APB2ENR", 0x0A4, 0},             {"APB3ENR", 0x0A8, 0},
      {"AHB1SMENR", 0x0B0, 0xFFFFFFFF}, {"AHB2SMENR1", 0x0B4, 0xFFFFFFFF}, {"AHB2SMENR2", 0x0B8, 0xFFFFFFFF},
      {"AHB3SMENR", 0x0BC, 0xFFFFFFFF}, {"APB1SMENR1", 0x0C4, 0xFFFFFFFF}, {"APB1SMENR2", 0x0C8, 0xFFFFFFFF},
      {"APB2SMENR", 0x0CC, 0xFFFFFFFF}, {"APB3SMENR", 0x0D0, 0xFFFFFFFF}, {"SRDAMR", 0x0D8, 0},
      {"CCIPR1", 0x0E0, 0},             {"CCIPR2", 0x0E4, 0},              {"CCIPR3", 0x0E8, 0},
      {"BDCR", 0x0F0, 0},               {"CSR", 0x0F4, 0x0C004400},        {"SECCFGR", 0x110, 0},
      {"PRIVCFGR", 0x114, 0},
  };
  for (const Def& d : kRegisters) regs_.define({d.name, d.offset, d.reset}).on_write([this](std::uint32_t, std::uint32_t) {
    notify_clock_change();
  });
  for (std::uint32_t offset : {0x060u, 0x064u, 0x068u, 0x06Cu, 0x074u, 0x078u, 0x07Cu, 0x080u})
    regs_.at(offset).on_write([this, offset](std::uint32_t old, std::uint32_t) {
      const std::uint32_t asserted = regs_.at(offset).value() & ~old;
      if (asserted != 0)
        for (auto& listener : reset_listeners_) listener(offset, asserted);
    });
}

void Rcc::reset() {
  Peripheral::reset();
  notify_clock_change();
}

void Rcc::notify_clock_change() {
  for (auto& listener : clock_listeners_) listener();
}

bool Rcc::clock_enabled(std::uint32_t enr_offset, std::uint32_t mask) const {
  return (regs_.at(enr_offset).value() & mask) == mask;
}

std::uint32_t Rcc::sysclk_hz() const {
  const std::uint32_t icscr1 = regs_.at(0x008).value();
  const bool from_icscr1 = (icscr1 >> 23) & 1u;
  const std::uint32_t range = from_icscr1 ? (icscr1 >> 28) & 0xFu : (regs_.at(0x0F4).value() >> 12) & 0xFu;
  return kMsiRangeHz[range];
}

std::uint32_t Rcc::hclk_hz() const { return sysclk_hz(); }
std::uint32_t Rcc::pclk1_hz() const { return hclk_hz(); }
std::uint32_t Rcc::pclk2_hz() const { return hclk_hz(); }
std::uint32_t Rcc::pclk3_hz() const { return hclk_hz(); }
std::uint32_t Rcc::systick_external_hz() const { return hclk_hz() / 8; }
std::uint32_t Rcc::usart_kernel_hz(std::uint32_t) const { return pclk1_hz(); }

}  // namespace ovrimo::model

#include "model/board.h"

namespace ovrimo::model {

namespace {
// RCC enable and reset register offsets.
constexpr std::uint32_t kAhb1Enr = 0x088, kAhb2Enr1 = 0x08C, kAhb3Enr = 0x094;
constexpr std::uint32_t kApb1Enr1 = 0x09C, kApb3Enr = 0x0A8;
constexpr std::uint32_t kAhb1Rstr = 0x060, kAhb2Rstr1 = 0x064, kAhb3Rstr = 0x06C;
constexpr std::uint32_t kApb1Rstr1 = 0x074, kApb3Rstr = 0x080;
}  // namespace

Board::Board(BoardConfig config)
    : rcc_(scheduler_, config.rcc),
      core_(scheduler_, rcc_),
      pwr_(scheduler_, config.pwr),
      flash_(scheduler_, flash_array_),
      icache_(scheduler_),
      usart2_("USART2", Usart::kUsart2Base, scheduler_, rcc_),
      lpuart1_("LPUART1", Usart::kLpuart1Base, scheduler_, rcc_),
      gpdma1_(scheduler_),
      code_bus_flash_(flash_array_, flash_, icache_) {
  // BDCR writes are gated by the power controller's backup-domain protection.
  rcc_.attach_pwr(&pwr_);
  // A double ECC error of a flash read raises the NMI.
  flash_.on_ecc_error([this] { core_.set_pending(kExcNmi, true); });

  bus_.map("FLASH memory", FlashArray::kBase, FlashArray::kSize, code_bus_flash_);

  map_peripheral(rcc_);
  map_peripheral(pwr_, kAhb3Enr, 1u << 2);
  map_peripheral(flash_, kAhb1Enr, 1u << 8);
  for (unsigned i = 0; i < gpio_.size(); ++i) {
    gpio_[i] = std::make_unique<GpioPort>(i, scheduler_);
    map_peripheral(*gpio_[i], kAhb2Enr1, 1u << i);
    map_reset_line(*gpio_[i], kAhb2Rstr1, 1u << i);
  }
  map_peripheral(lpgpio1_, kAhb3Enr, 1u << 0);
  map_reset_line(lpgpio1_, kAhb3Rstr, 1u << 0);
  map_peripheral(exti_);
  map_peripheral(icache_);
  map_peripheral(usart2_, kApb1Enr1, 1u << 17);
  map_reset_line(usart2_, kApb1Rstr1, 1u << 17);
  map_peripheral(lpuart1_, kApb3Enr, 1u << 6);
  map_reset_line(lpuart1_, kApb3Rstr, 1u << 6);
  map_peripheral(gpdma1_, kAhb1Enr, 1u << 0);
  map_reset_line(gpdma1_, kAhb1Rstr, 1u << 0);

  core_.map_registers(bus_);

  rcc_.on_peripheral_reset([this](std::uint32_t rstr_offset, std::uint32_t asserted) {
    for (const ResetLine& line : reset_lines_)
      if (line.rstr_offset == rstr_offset && (asserted & line.mask) != 0) line.peripheral->reset();
  });
}

Board::~Board() = default;

void Board::map_peripheral(Peripheral& p, std::uint32_t enr_offset, std::uint32_t enr_mask) {
  std::function<bool()> clocked;
  if (enr_mask != 0) clocked = [this, enr_offset, enr_mask] { return rcc_.clock_enabled(enr_offset, enr_mask); };
  bus_.map(p.name(), p.base(), p.size(), p, std::move(clocked));
}

void Board::map_reset_line(Peripheral& p, std::uint32_t rstr_offset, std::uint32_t mask) {
  reset_lines_.push_back(ResetLine{rstr_offset, mask, &p});
}

void Board::power_on_reset() {
  rcc_.reset();
  core_.reset();
  pwr_.reset();
  flash_.reset();
  for (auto& port : gpio_) port->reset();
  lpgpio1_.reset();
  exti_.reset();
  icache_.reset();
  usart2_.reset();
  lpuart1_.reset();
  gpdma1_.reset();
}

}  // namespace ovrimo::model

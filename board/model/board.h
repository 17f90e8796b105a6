// The Ovrimo board: the MCU's peripherals that the firmware touches, on one bus, in one virtual
// time. Both runners (the native binding and the emulator) drive the same Board, so every
// behaviour is modelled once.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "model/bus.h"
#include "model/core.h"
#include "model/exti.h"
#include "model/flash.h"
#include "model/gpdma.h"
#include "model/gpio.h"
#include "model/icache.h"
#include "model/pwr.h"
#include "model/rcc.h"
#include "model/time.h"
#include "model/usart.h"

namespace ovrimo::model {

struct BoardConfig {
  RccTiming rcc;
  PwrTiming pwr;
};

class Board {
 public:
  explicit Board(BoardConfig config = {});
  Board(const Board&) = delete;
  Board& operator=(const Board&) = delete;
  ~Board();

  Scheduler& time() { return scheduler_; }
  Time now() const { return scheduler_.now(); }
  Bus& bus() { return bus_; }

  Core& core() { return core_; }
  Rcc& rcc() { return rcc_; }
  Pwr& pwr() { return pwr_; }
  FlashArray& flash_array() { return flash_array_; }
  FlashController& flash() { return flash_; }
  GpioPort& gpio(char port) { return *gpio_.at(static_cast<std::size_t>(port - 'A')); }
  LpGpio& lpgpio1() { return lpgpio1_; }
  Exti& exti() { return exti_; }
  ICache& icache() { return icache_; }
  Usart& usart2() { return usart2_; }
  Usart& lpuart1() { return lpuart1_; }
  Gpdma& gpdma1() { return gpdma1_; }

  // Power-on reset of every peripheral and the core; flash contents survive, as on the chip.
  void power_on_reset();

  // Duration of `cycles` core clock cycles at the current HCLK.
  Time core_cycles(std::uint64_t cycles) const { return cycles_to_time(cycles, rcc_.hclk_hz()); }

 private:
  void map_peripheral(Peripheral& p, std::uint32_t enr_offset = 0, std::uint32_t enr_mask = 0);
  void map_reset_line(Peripheral& p, std::uint32_t rstr_offset, std::uint32_t mask);

  Scheduler scheduler_;
  Bus bus_;
  Rcc rcc_;
  Core core_;
  Pwr pwr_;
  FlashArray flash_array_;
  FlashController flash_;
  std::array<std::unique_ptr<GpioPort>, 9> gpio_;
  LpGpio lpgpio1_;
  Exti exti_;
  ICache icache_;
  Usart usart2_;
  Usart lpuart1_;
  Gpdma gpdma1_;

  // Flash as the code bus presents it: data reads go through the instruction cache, stores to
  // the array (and so to the FLASH controller). A read that reaches a quad-word with broken ECC
  // is reported by the controller and fills no line.
  class CodeBusFlash : public BusTarget {
   public:
    CodeBusFlash(FlashArray& array, FlashController& controller, ICache& icache)
        : array_(array), controller_(controller), icache_(icache) {}
    std::uint32_t read(std::uint32_t offset, unsigned size) override {
      if (!icache_.holds(offset) && !controller_.check_read(offset, size)) return array_.read(offset, size);
      return icache_.read_flash(array_.bytes(), offset, size);
    }
    void write(std::uint32_t offset, std::uint32_t value, unsigned size) override { array_.write(offset, value, size); }

   private:
    FlashArray& array_;
    FlashController& controller_;
    ICache& icache_;
  };
  CodeBusFlash code_bus_flash_;

  struct ResetLine {
    std::uint32_t rstr_offset;
    std::uint32_t mask;
    Peripheral* peripheral;
  };
  std::vector<ResetLine> reset_lines_;
};

}  // namespace ovrimo::model

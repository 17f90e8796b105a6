// General-purpose I/O ports and the low-power port LPGPIO1.
//
// Besides the registers, a port keeps a time-stamped trace of what each pin drives onto the
// board. A pin's drive is one of:
//   Low, High   the pin is an output (MODER = 01) and drives that level: push-pull drives both
//               levels, open-drain drives Low only;
//   Released    nobody in the MCU drives the pin: input, analog, or an open-drain output whose
//               ODR bit is 1 (the board's pull-up or load decides the level);
//   Alternate   the pin is handed to a peripheral (MODER = 10); the level is that peripheral's.
// An event is recorded whenever the drive of a pin changes, whatever caused it (ODR, BSRR, BRR,
// MODER, OTYPER, a reset of the port). The drive at construction is the reset state and is not
// recorded; `drive(pin)` answers for the present.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <vector>

#include "model/peripheral.h"
#include "model/time.h"

namespace ovrimo::model {

enum class PinMode : std::uint8_t { Input = 0, Output = 1, Alternate = 2, Analog = 3 };
enum class PinDrive : std::uint8_t { Released, Low, High, Alternate };

const char* to_string(PinDrive drive);

struct PinEvent {
  Time time;
  unsigned pin;
  PinDrive drive;

  bool operator==(const PinEvent&) const = default;
};
std::ostream& operator<<(std::ostream& os, const PinEvent& event);

class GpioPort : public Peripheral {
 public:
  static constexpr std::uint32_t kBaseA = 0x42020000;
  static constexpr std::uint32_t kStride = 0x400;
  static constexpr unsigned kPins = 16;

  // `index` 0 is port A, 8 is port I.
  GpioPort(unsigned index, Scheduler& scheduler);

  unsigned index() const { return index_; }
  char letter() const { return static_cast<char>('A' + index_); }

  void reset() override;

  // Pin state as the board sees it.
  PinMode mode(unsigned pin) const;
  PinDrive drive(unsigned pin) const { return drive_.at(pin); }
  // The level the pin drives, when it drives one (push-pull output, or open-drain output low).
  std::optional<bool> output_level(unsigned pin) const;

  // Level applied to the pin from outside (a test playing the board). It is what IDR reads for
  // input and alternate-function pins, and for an open-drain output that is released.
  void apply_level(unsigned pin, bool level);
  // Stop applying a level: the pin floats again (IDR then follows the pull-up/down, 0 without).
  void float_pin(unsigned pin);

  const std::vector<PinEvent>& trace() const { return trace_; }
  std::vector<PinEvent> trace(unsigned pin) const;
  void clear_trace() { trace_.clear(); }

 private:
  void update_pins();
  PinDrive compute_drive(unsigned pin) const;
  bool input_level(unsigned pin) const;

  unsigned index_;
  Scheduler& scheduler_;
  std::array<PinDrive, kPins> drive_{};
  std::array<std::optional<bool>, kPins> applied_{};
  std::vector<PinEvent> trace_;
};

// LPGPIO1: 16 pins with a one-bit mode (0 input, 1 output), routed to pins of the ordinary
// ports through their alternate function 11. The routing itself is not modelled: IDR reads the
// ODR bit of an output pin and 0 (or an applied level) for an input pin.
class LpGpio : public Peripheral {
 public:
  static constexpr std::uint32_t kBase = 0x46020000;
  LpGpio();

  void reset() override;
  void apply_level(unsigned pin, bool level);
  void float_pin(unsigned pin);

 private:
  void update_idr();
  std::array<std::optional<bool>, 16> applied_{};
};

}  // namespace ovrimo::model

#include "model/gpio.h"

#include <stdexcept>

namespace ovrimo::model {

namespace {

constexpr std::uint32_t kPinMask = 0xFFFF;
constexpr std::uint32_t kModer = 0x00, kOtyper = 0x04, kPupdr = 0x0C, kIdr = 0x10, kOdr = 0x14;

// Reset values that differ per port: the debug pins of ports A and B come up in their
// alternate function, with the speeds and pulls the debug interface wants.
struct PortReset {
  std::uint32_t moder;
  std::uint32_t ospeedr;
  std::uint32_t pupdr;
};

PortReset port_reset(unsigned index) {
  switch (index) {
    case 0: return {0xABFFFFFF, 0x0C000000, 0x64000000};
    case 1: return {0xFFFFFEBF, 0x000000C0, 0x00000100};
    default: return {0xFFFFFFFF, 0x00000000, 0x00000000};
  }
}

void check_pin(unsigned pin) {
  if (pin >= GpioPort::kPins) throw std::out_of_range("GPIO pin number above 15");
}

}  // namespace

const char* to_string(PinDrive drive) {
  switch (drive) {
    case PinDrive::Released: return "released";
    case PinDrive::Low: return "low";
    case PinDrive::High: return "high";
    case PinDrive::Alternate: return "alternate";
  }
  return "?";
}

std::ostream& operator<<(std::ostream& os, const PinEvent& event) {
  return os << "pin " << event.pin << " " << to_string(event.drive) << " at " << event.time << " ps";
}

GpioPort::GpioPort(unsigned index, Scheduler& scheduler)
    : Peripheral(std::string("GPIO") + static_cast<char>('A' + index), kBaseA + kStride * index, kStride),
      index_(index),
      scheduler_(scheduler) {
  const PortReset r = port_reset(index);
  auto pins_changed = [this](std::uint32_t, std::uint32_t) { update_pins(); };

  regs_.define({"MODER", 0x00, r.moder}).on_write(pins_changed);
  regs_.define({"OTYPER", 0x04, 0, Access::ReadWrite, kPinMask}).on_write(pins_changed);
  regs_.define({"OSPEEDR", 0x08, r.ospeedr});
  regs_.define({"PUPDR", 0x0C, r.pupdr}).on_write(pins_changed);
  regs_.define({"IDR", 0x10, 0, Access::ReadOnly, 0});
  regs_.define({"ODR", 0x14, 0, Access::ReadWrite, kPinMask}).on_write(pins_changed);
  // One store sets and clears pins without a read: a pin named in both halves ends up set.
  regs_.define({"BSRR", 0x18, 0, Access::WriteOnly}).on_write([this](std::uint32_t, std::uint32_t written) {
    Register& odr = regs_.at(kOdr);
    const std::uint32_t set = written & kPinMask;
    const std::uint32_t clear = (written >> 16) & kPinMask;
    odr.set((odr.value() & ~clear) | set);
    update_pins();
  });
  // Stored only: the lock key sequence is not modelled, so configuration is never frozen.
  regs_.define({"LCKR", 0x1C, 0, Access::ReadWrite, 0x0001FFFF});
  regs_.define({"AFRL", 0x20, 0});
  regs_.define({"AFRH", 0x24, 0});
  regs_.define({"BRR", 0x28, 0, Access::WriteOnly}).on_write([this](std::uint32_t, std::uint32_t written) {
    regs_.at(kOdr).clear_bits(written & kPinMask);
    update_pins();
  });
  regs_.define({"HSLVR", 0x2C, 0, Access::ReadWrite, kPinMask});
  regs_.define({"SECCFGR", 0x30, 0x0000FFFF, Access::ReadWrite, kPinMask});

  for (unsigned pin = 0; pin < kPins; ++pin) drive_[pin] = compute_drive(pin);
  update_pins();
}

void GpioPort::reset() {
  Peripheral::reset();
  update_pins();  // pins that were driven are released, and that is recorded
}

PinMode GpioPort::mode(unsigned pin) const {
  check_pin(pin);
  return static_cast<PinMode>((regs_.at(kModer).value() >> (2 * pin)) & 3u);
}

std::optional<bool> GpioPort::output_level(unsigned pin) const {
  switch (drive(pin)) {
    case PinDrive::Low: return false;
    case PinDrive::High: return true;
    default: return std::nullopt;
  }
}

void GpioPort::apply_level(unsigned pin, bool level) {
  check_pin(pin);
  applied_[pin] = level;
  update_pins();
}

void GpioPort::float_pin(unsigned pin) {
  check_pin(pin);
  applied_[pin].reset();
  update_pins();
}

std::vector<PinEvent> GpioPort::trace(unsigned pin) const {
  std::vector<PinEvent> events;
  for (const PinEvent& e : trace_)
    if (e.pin == pin) events.push_back(e);
  return events;
}

PinDrive GpioPort::compute_drive(unsigned pin) const {
  const bool odr = (regs_.at(kOdr).value() >> pin) & 1u;
  const bool open_drain = (regs_.at(kOtyper).value() >> pin) & 1u;
  switch (mode(pin)) {
    case PinMode::Output:
      if (!odr) return PinDrive::Low;
      return open_drain ? PinDrive::Released : PinDrive::High;
    case PinMode::Alternate:
      return PinDrive::Alternate;
    case PinMode::Input:
    case PinMode::Analog:
      break;
  }
  return PinDrive::Released;
}

bool GpioPort::input_level(unsigned pin) const {
  if (applied_[pin]) return *applied_[pin];
  return ((regs_.at(kPupdr).value() >> (2 * pin)) & 3u) == 1u;  // pull-up reads 1, else 0
}

void GpioPort::update_pins() {
  std::uint32_t idr = 0;
  for (unsigned pin = 0; pin < kPins; ++pin) {
    const PinDrive now = compute_drive(pin);
    if (now != drive_[pin]) {
      drive_[pin] = now;
      trace_.push_back(PinEvent{scheduler_.now(), pin, now});
    }
    bool level = false;
    switch (now) {
      case PinDrive::Low: level = false; break;
      case PinDrive::High: level = true; break;
      case PinDrive::Released:
      case PinDrive::Alternate:
        // The analog mode switches the input buffer off: the pin reads 0 whatever is applied.
        level = mode(pin) != PinMode::Analog && input_level(pin);
        break;
    }
    if (level) idr |= 1u << pin;
  }
  regs_.at(kIdr).set(idr);
}

// ---------------------------------------------------------------------------------------------

LpGpio::LpGpio() : Peripheral("LPGPIO1", kBase, 0x400) {
  auto changed = [this](std::uint32_t, std::uint32_t) { update_idr(); };
  regs_.define({"MODER", 0x00, 0, Access::ReadWrite, kPinMask}).on_write(changed);
  regs_.define({"IDR", 0x10, 0, Access::ReadOnly, 0});
  regs_.define({"ODR", 0x14, 0, Access::ReadWrite, kPinMask}).on_write(changed);
  regs_.define({"BSRR", 0x18, 0, Access::WriteOnly}).on_write([this](std::uint32_t, std::uint32_t written) {
    Register& odr = regs_.at(kOdr);
    odr.set((odr.value() & ~((written >> 16) & kPinMask)) | (written & kPinMask));
    update_idr();
  });
  regs_.define({"BRR", 0x28, 0, Access::WriteOnly}).on_write([this](std::uint32_t, std::uint32_t written) {
    regs_.at(kOdr).clear_bits(written & kPinMask);
    update_idr();
  });
}

void LpGpio::reset() {
  Peripheral::reset();
  update_idr();
}

void LpGpio::apply_level(unsigned pin, bool level) {
  check_pin(pin);
  applied_[pin] = level;
  update_idr();
}

void LpGpio::float_pin(unsigned pin) {
  check_pin(pin);
  applied_[pin].reset();
  update_idr();
}

void LpGpio::update_idr() {
  const std::uint32_t outputs = regs_.at(kModer).value();
  std::uint32_t idr = regs_.at(kOdr).value() & outputs;
  for (unsigned pin = 0; pin < 16; ++pin)
    if (!((outputs >> pin) & 1u) && applied_[pin].value_or(false)) idr |= 1u << pin;
  regs_.at(kIdr).set(idr);
}

}  // namespace ovrimo::model

// GPIO driver.
#include "hal_gpio.h"

namespace {

// A pin of an ordinary port: the one asked for, or the one that carries an LPGPIO1 pin.
struct PortPin {
  GPIO_TypeDef* port;
  uint32_t pin;
};

bool is_lpgpio1(const GPIO_TypeDef* GPIOx) {
  const uint32_t address = device_address(GPIOx);
  return address == LPGPIO1_BASE_NS || address == LPGPIO1_BASE_S;
}

bool is_output_or_af(uint32_t mode) {
  return mode == GPIO_MODE_OUTPUT_PP || mode == GPIO_MODE_AF_PP || mode == GPIO_MODE_OUTPUT_OD ||
         mode == GPIO_MODE_AF_OD;
}

void set_field2(reg32_t& reg, uint32_t pin, uint32_t value) {
  MODIFY_REG(reg, 0x3U << (pin * 2U), (value & 0x3U) << (pin * 2U));
}

void set_afr(GPIO_TypeDef* port, uint32_t pin, uint32_t alternate) {
  const uint32_t shift = (pin & 0x7U) * 4U;
  MODIFY_REG(port->AFR[pin >> 3U], 0xFU << shift, (alternate & 0xFU) << shift);
}

// Sets or clears the bit of `line` in an EXTI register, from `on`.
void set_line(reg32_t& reg, uint32_t line, bool on) {
  uint32_t value = READ_REG(reg);
  value &= ~(1U << line);
  if (on) {
    value |= 1U << line;
  }
  WRITE_REG(reg, value);
}

void route_exti(const PortPin& target, uint32_t mode) {
  const uint32_t line = target.pin;
  const uint32_t shift = (line & 0x3U) * 8U;
  // Port codes fit 4 bits; the upper half of each 8-bit selector stays as it is.
  MODIFY_REG(EXTI->EXTICR[line >> 2U], 0x0FU << shift, GPIO_GET_INDEX(target.port) << shift);
  set_line(EXTI->RTSR1, line, (mode & RISING_EDGE) != 0U);
  set_line(EXTI->FTSR1, line, (mode & FALLING_EDGE) != 0U);
  set_line(EXTI->EMR1, line, (mode & GPIO_MODE_EVT) != 0U);
  set_line(EXTI->IMR1, line, (mode & GPIO_MODE_IT) != 0U);
}

// Takes the line of the pin off the EXTI, but only when the line is routed to this very port:
// the same line number belongs to the pins of the same number on every other port.
void release_exti(const PortPin& target) {
  const uint32_t line = target.pin;
  const uint32_t shift = (line & 0x3U) * 8U;
  const uint32_t routed = (READ_REG(EXTI->EXTICR[line >> 2U]) >> shift) & 0x0FU;
  if (routed != GPIO_GET_INDEX(target.port)) {
    return;
  }
  CLEAR_BIT(EXTI->IMR1, 1U << line);
  CLEAR_BIT(EXTI->EMR1, 1U << line);
  CLEAR_BIT(EXTI->RTSR1, 1U << line);
  CLEAR_BIT(EXTI->FTSR1, 1U << line);
  CLEAR_BIT(EXTI->EXTICR[line >> 2U], 0xFFU << shift);
}

}  // namespace

extern "C" {

const LPGPIO_MapTypeDef LPGPIO_Map[GPIO_NUMBER] = {
    {GPIOA, 1U},  {GPIOA, 3U},  {GPIOA, 6U},  {GPIOB, 1U},  {GPIOB, 10U}, {GPIOC, 2U},
    {GPIOD, 13U}, {GPIOD, 2U},  {GPIOC, 10U}, {GPIOB, 0U},  {GPIOC, 12U}, {GPIOB, 3U},
    {GPIOB, 4U},  {GPIOE, 0U},  {GPIOE, 2U},  {GPIOE, 3U},
};

void HAL_GPIO_Init(GPIO_TypeDef* GPIOx, const GPIO_InitTypeDef* pGPIO_Init) {
  const uint32_t pins = pGPIO_Init->Pin;
  const uint32_t mode = pGPIO_Init->Mode;
  // Positions above 15 do not exist; stopping there keeps every shift inside the register.
  for (uint32_t position = 0U; position < GPIO_NUMBER && (pins >> position) != 0U; ++position) {
    if ((pins & (1U << position)) == 0U) {
      continue;
    }
    PortPin target{GPIOx, position};
    if (is_lpgpio1(GPIOx)) {
      MODIFY_REG(LPGPIO1->MODER, 1U << position, (mode & 0x1U) << position);
      target = PortPin{LPGPIO_Map[position].GPIO_PORT, LPGPIO_Map[position].Pin_Pos};
      set_afr(target.port, target.pin, GPIO_AF11_LPGPIO1);
      set_field2(target.port->MODER, target.pin, GPIO_MODE_AF_PP & GPIO_MODE);
    } else {
      if (mode == GPIO_MODE_AF_PP || mode == GPIO_MODE_AF_OD) {
        set_afr(target.port, target.pin, pGPIO_Init->Alternate);
      }
      set_field2(target.port->MODER, target.pin, mode & GPIO_MODE);
    }

    if (is_output_or_af(mode)) {
      // Speed and pull are limited to their 2-bit fields so that a bad value cannot spill into
      // the neighbouring pin.
      set_field2(target.port->OSPEEDR, target.pin, pGPIO_Init->Speed);
      MODIFY_REG(target.port->OTYPER, 1U << target.pin, ((mode & GPIO_OUTPUT_TYPE) >> 4U) << target.pin);
    }
    if (mode != GPIO_MODE_ANALOG) {
      set_field2(target.port->PUPDR, target.pin, pGPIO_Init->Pull);
    }
    if ((mode & EXTI_MODE) != 0U) {
      route_exti(target, mode);
    }
  }
}

void HAL_GPIO_DeInit(GPIO_TypeDef* GPIOx, uint32_t GPIO_Pin) {
  for (uint32_t position = 0U; position < GPIO_NUMBER && (GPIO_Pin >> position) != 0U; ++position) {
    if ((GPIO_Pin & (1U << position)) == 0U) {
      continue;
    }
    PortPin target{GPIOx, position};
    if (is_lpgpio1(GPIOx)) {
      CLEAR_BIT(LPGPIO1->MODER, 1U << position);
      target = PortPin{LPGPIO_Map[position].GPIO_PORT, LPGPIO_Map[position].Pin_Pos};
    }
    // An LPGPIO1 pin may have routed its carrying pin to the EXTI: that is undone as well.
    release_exti(target);

    // Back to the reset configuration; the output data register keeps its value.
    set_field2(target.port->MODER, target.pin, GPIO_MODE_ANALOG);
    set_afr(target.port, target.pin, 0U);
    set_field2(target.port->OSPEEDR, target.pin, GPIO_SPEED_FREQ_LOW);
    CLEAR_BIT(target.port->OTYPER, 1U << target.pin);
    set_field2(target.port->PUPDR, target.pin, GPIO_NOPULL);
  }
}

void HAL_GPIO_WritePin(GPIO_TypeDef* GPIOx, uint16_t GPIO_Pin, GPIO_PinState PinState) {
  // One store to the set or the reset register: no read, nothing to protect.
  if (PinState != GPIO_PIN_RESET) {
    WRITE_REG(GPIOx->BSRR, static_cast<uint32_t>(GPIO_Pin));
  } else {
    WRITE_REG(GPIOx->BRR, static_cast<uint32_t>(GPIO_Pin));
  }
}

}  // extern "C"

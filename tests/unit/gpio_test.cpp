// GPIO driver against the board model: register fields after each call, EXTI routing, and what
// the pins drive over time.
#include <gtest/gtest.h>

#include <vector>

#include "firmware_fixture.h"
#include "hal_gpio.h"

namespace ovrimo::test {
namespace {

using model::PinDrive;
using model::PinEvent;

constexpr uint32_t kAllPortClocks = 0x1FFU;  // RCC_AHB2ENR1 GPIOA..GPIOI

// A board with every port clocked and a binding attached; records the firmware's bus accesses
// on request.
class GpioDriver : public FirmwareTest {
 protected:
  GpioDriver() {
    write32(RCC_BASE + offsetof(RCC_TypeDef, AHB2ENR1), kAllPortClocks);
    write32(RCC_BASE + offsetof(RCC_TypeDef, AHB3ENR), RCC_AHB3ENR_LPGPIO1EN);
  }

  uint32_t reg(char port, const char* name) { return board.gpio(port).reg(name); }
  static uint32_t field2(uint32_t value, uint32_t pin) { return (value >> (2U * pin)) & 3U; }

  void record() {
    accesses_.clear();
    board.bus().set_observer([this](const BusAccess& a) { accesses_.push_back(a); });
  }
  std::vector<BusAccess> accesses_in(uint32_t base, uint32_t size) {
    board.bus().set_observer({});
    std::vector<BusAccess> in;
    for (const BusAccess& a : accesses_)
      if (a.address - base < size) in.push_back(a);
    return in;
  }

  std::vector<BusAccess> accesses_;
};

TEST_F(GpioDriver, InitTouchesOnlyTheNamedPinsAndTheFieldsItsModeOwns) {
  GPIO_InitTypeDef init{};
  init.Pin = GPIO_PIN_15;
  init.Mode = GPIO_MODE_OUTPUT_OD;
  init.Pull = GPIO_PULLUP;
  init.Speed = GPIO_SPEED_FREQ_HIGH;
  HAL_GPIO_Init(GPIOC, &init);
  EXPECT_EQ(reg('C', "MODER"), 0x7FFFFFFFU);  // pin 15 output, the rest still analog
  EXPECT_EQ(reg('C', "OTYPER"), 0x8000U);
  EXPECT_EQ(reg('C', "OSPEEDR"), 0x80000000U);
  EXPECT_EQ(reg('C', "PUPDR"), 0x40000000U);

  init.Mode = GPIO_MODE_OUTPUT_PP;
  init.Speed = GPIO_SPEED_FREQ_MEDIUM;
  HAL_GPIO_Init(GPIOC, &init);
  EXPECT_EQ(reg('C', "OTYPER"), 0U);
  EXPECT_EQ(reg('C', "OSPEEDR"), 0x40000000U);

  // Input: speed and output type stay as they were, the pull changes.
  init.Mode = GPIO_MODE_OUTPUT_OD;
  HAL_GPIO_Init(GPIOC, &init);
  init.Mode = GPIO_MODE_INPUT;
  init.Speed = GPIO_SPEED_FREQ_VERY_HIGH;
  init.Pull = GPIO_PULLDOWN;
  HAL_GPIO_Init(GPIOC, &init);
  EXPECT_EQ(field2(reg('C', "MODER"), 15), 0U);
  EXPECT_EQ(reg('C', "OTYPER"), 0x8000U);
  EXPECT_EQ(reg('C', "OSPEEDR"), 0x40000000U);
  EXPECT_EQ(reg('C', "PUPDR"), 0x80000000U);

  // Analog: the pull stays as well.
  init.Mode = GPIO_MODE_ANALOG;
  init.Pull = GPIO_NOPULL;
  HAL_GPIO_Init(GPIOC, &init);
  EXPECT_EQ(reg('C', "MODER"), 0xFFFFFFFFU);
  EXPECT_EQ(reg('C', "OTYPER"), 0x8000U);
  EXPECT_EQ(reg('C', "OSPEEDR"), 0x40000000U);
  EXPECT_EQ(reg('C', "PUPDR"), 0x80000000U);

  // The USART2 pins: alternate function 7 in the low AFR register, nothing else of the port.
  init = GPIO_InitTypeDef{GPIO_PIN_5 | GPIO_PIN_6, GPIO_MODE_AF_PP, GPIO_NOPULL, GPIO_SPEED_FREQ_LOW, GPIO_AF7_USART2};
  HAL_GPIO_Init(GPIOD, &init);
  EXPECT_EQ(reg('D', "AFRL"), 0x07700000U);
  EXPECT_EQ(reg('D', "AFRH"), 0U);
  EXPECT_EQ(reg('D', "MODER"), 0xFFFFEBFFU);

  // Out-of-range values do not reach a neighbour: speed 7 and pull 6 stay in pin 1's fields,
  // and mask bits above pin 15 configure nothing.
  init = GPIO_InitTypeDef{0x00030002U, GPIO_MODE_OUTPUT_PP, 6U, 7U, 0U};
  HAL_GPIO_Init(GPIOE, &init);
  EXPECT_EQ(reg('E', "MODER"), 0xFFFFFFF7U);
  EXPECT_EQ(reg('E', "OSPEEDR"), 0x0000000CU);
  EXPECT_EQ(reg('E', "PUPDR"), 0x00000008U);
}

TEST_F(GpioDriver, DeInitRestoresResetFieldsAndReleasesOnlyItsOwnExtiLine) {
  // The status pin in the most configured state there is, driven high.
  GPIO_InitTypeDef init{GPIO_PIN_0, GPIO_MODE_AF_OD, GPIO_PULLUP, GPIO_SPEED_FREQ_VERY_HIGH, 5U};
  HAL_GPIO_Init(GPIOF, &init);
  HAL_GPIO_WritePin(GPIOF, GPIO_PIN_0, GPIO_PIN_SET);
  // Line 0 belongs to port C and is armed.
  EXTI->EXTICR[0] = 2U;
  EXTI->RTSR1 = 1U;
  EXTI->IMR1 = 1U;

  record();
  HAL_GPIO_DeInit(GPIOF, GPIO_PIN_0);
  for (const BusAccess& a : accesses_in(EXTI_BASE, 0x400)) EXPECT_FALSE(a.is_write) << std::hex << a.address;
  EXPECT_EQ(reg('F', "MODER"), 0xFFFFFFFFU);
  EXPECT_EQ(reg('F', "AFRL"), 0U);
  EXPECT_EQ(reg('F', "OSPEEDR"), 0U);
  EXPECT_EQ(reg('F', "OTYPER"), 0U);
  EXPECT_EQ(reg('F', "PUPDR"), 0U);
  EXPECT_EQ(reg('F', "ODR"), 1U);  // output data is not the configuration
  EXPECT_EQ(board.exti().reg("EXTICR1"), 2U);
  EXPECT_EQ(board.exti().reg("RTSR1"), 1U);
  EXPECT_EQ(board.exti().reg("IMR1"), 1U);

  // A pin routed to the EXTI: its line is set up from the mode, and released by the port that
  // owns it, not by another port with a pin of the same number.
  init = GPIO_InitTypeDef{GPIO_PIN_3, GPIO_MODE_IT_FALLING, GPIO_PULLUP, 0U, 0U};
  HAL_GPIO_Init(GPIOI, &init);
  EXPECT_EQ(board.exti().port_of_line(3), 8U);
  EXPECT_EQ(board.exti().reg("FTSR1"), 1U << 3);
  EXPECT_EQ(board.exti().reg("RTSR1"), 1U);  // line 0 untouched, line 3 no rising edge
  EXPECT_EQ(board.exti().reg("IMR1"), (1U << 3) | 1U);
  EXPECT_EQ(board.exti().reg("EMR1"), 0U);
  init.Mode = GPIO_MODE_EVT_RISING_FALLING;
  HAL_GPIO_Init(GPIOI, &init);
  EXPECT_EQ(board.exti().reg("RTSR1"), (1U << 3) | 1U);
  EXPECT_EQ(board.exti().reg("EMR1"), 1U << 3);
  EXPECT_EQ(board.exti().reg("IMR1"), 1U);
  HAL_GPIO_DeInit(GPIOB, GPIO_PIN_3);
  EXPECT_EQ(board.exti().reg("EMR1"), 1U << 3);
  HAL_GPIO_DeInit(GPIOI, GPIO_PIN_3);
  EXPECT_EQ(board.exti().reg("EXTICR1"), 2U);
  EXPECT_EQ(board.exti().reg("RTSR1"), 1U);
  EXPECT_EQ(board.exti().reg("FTSR1"), 0U);
  EXPECT_EQ(board.exti().reg("EMR1"), 0U);
  EXPECT_EQ(board.exti().reg("IMR1"), 1U);
}

TEST_F(GpioDriver, PinWrittenLowBeforeInitDrivesLowFromTheMomentItIsAnOutput) {
  // The board outputs' order: level first, then the mode.
  HAL_GPIO_WritePin(GPIOF, 0x1E01U, GPIO_PIN_RESET);
  HAL_GPIO_WritePin(GPIOF, GPIO_PIN_5, GPIO_PIN_SET);  // an unrelated pin's output data
  EXPECT_TRUE(board.gpio('F').trace().empty());
  GPIO_InitTypeDef init{GPIO_PIN_0, GPIO_MODE_OUTPUT_PP, GPIO_NOPULL, GPIO_SPEED_FREQ_LOW, 0U};
  const auto init_called = board.now();
  HAL_GPIO_Init(GPIOF, &init);
  const auto init_returned = board.now();
  init = GPIO_InitTypeDef{0x1E00U, GPIO_MODE_OUTPUT_OD, GPIO_NOPULL, GPIO_SPEED_FREQ_LOW, 0U};
  HAL_GPIO_Init(GPIOF, &init);
  EXPECT_EQ(reg('F', "ODR"), 1U << 5);  // Init never writes the output data

  record();
  const auto raised = board.now();  // the store is the first access: its effect is at once
  HAL_GPIO_WritePin(GPIOF, GPIO_PIN_0, GPIO_PIN_SET);
  const std::vector<BusAccess> store = accesses_in(GPIOF_BASE, 0x400);
  ASSERT_EQ(store.size(), 1U);  // one store, no read
  EXPECT_TRUE(store[0].is_write);
  EXPECT_EQ(store[0].address, GPIOF_BASE + offsetof(GPIO_TypeDef, BSRR));

  const std::vector<PinEvent> pin0 = board.gpio('F').trace(0);
  ASSERT_EQ(pin0.size(), 2U);
  EXPECT_EQ(pin0[0].drive, PinDrive::Low);
  EXPECT_GT(pin0[0].time, init_called);
  EXPECT_LT(pin0[0].time, init_returned);
  EXPECT_EQ(pin0[1], (PinEvent{raised, 0, PinDrive::High}));
  for (unsigned pin : {9U, 10U, 11U, 12U}) {
    ASSERT_EQ(board.gpio('F').trace(pin).size(), 1U) << pin;
    EXPECT_EQ(board.gpio('F').trace(pin)[0].drive, PinDrive::Low);
  }
  HAL_GPIO_WritePin(GPIOF, 0x1E00U, GPIO_PIN_SET);  // open-drain: released, never high
  EXPECT_EQ(board.gpio('F').drive(12), PinDrive::Released);
  record();
  HAL_GPIO_WritePin(GPIOF, GPIO_PIN_0, GPIO_PIN_RESET);
  const std::vector<BusAccess> clear = accesses_in(GPIOF_BASE, 0x400);
  ASSERT_EQ(clear.size(), 1U);
  EXPECT_TRUE(clear[0].is_write);
  EXPECT_EQ(clear[0].address, GPIOF_BASE + offsetof(GPIO_TypeDef, BRR));
  EXPECT_EQ(reg('F', "ODR"), (1U << 5) | 0x1E00U);
}

TEST_F(GpioDriver, LowPowerPinsConfigureTheirCarryingPin) {
  EXPECT_EQ(GPIO_GET_INDEX(GPIOA), 0U);
  EXPECT_EQ(GPIO_GET_INDEX(GPIOF), 5U);
  EXPECT_EQ(GPIO_GET_INDEX(GPIOI), 8U);

  // LPGPIO1 pin 6 is carried by PD13, pin 0 by PA1.
  GPIO_InitTypeDef init{GPIO_PIN_6 | GPIO_PIN_0, GPIO_MODE_OUTPUT_OD, GPIO_PULLDOWN, GPIO_SPEED_FREQ_HIGH, 0U};
  HAL_GPIO_Init(HAL_GPIO_LPGPIO1, &init);
  EXPECT_EQ(board.lpgpio1().reg("MODER"), 0x41U);
  EXPECT_EQ(field2(reg('D', "MODER"), 13), 2U);
  EXPECT_EQ((reg('D', "AFRH") >> 20) & 0xFU, 11U);
  EXPECT_EQ(reg('D', "OTYPER"), 1U << 13);
  EXPECT_EQ(field2(reg('D', "OSPEEDR"), 13), 2U);
  EXPECT_EQ(field2(reg('D', "PUPDR"), 13), 2U);
  EXPECT_EQ(field2(reg('A', "MODER"), 1), 2U);
  EXPECT_EQ((reg('A', "AFRL") >> 4) & 0xFU, 11U);
  EXPECT_EQ(reg('D', "MODER") | (3U << 26), 0xFFFFFFFFU);  // nothing else of port D

  HAL_GPIO_WritePin(HAL_GPIO_LPGPIO1, GPIO_PIN_6, GPIO_PIN_SET);
  EXPECT_EQ(board.lpgpio1().reg("ODR"), 0x40U);

  HAL_GPIO_DeInit(HAL_GPIO_LPGPIO1, GPIO_PIN_6);
  EXPECT_EQ(board.lpgpio1().reg("MODER"), 0x01U);
  EXPECT_EQ(reg('D', "MODER"), 0xFFFFFFFFU);
  EXPECT_EQ(reg('D', "AFRH"), 0U);
  EXPECT_EQ(reg('D', "OTYPER"), 0U);
  EXPECT_EQ(reg('D', "OSPEEDR"), 0U);
  EXPECT_EQ(reg('D', "PUPDR"), 0U);
  EXPECT_EQ(field2(reg('A', "MODER"), 1), 2U);
}

}  // namespace
}  // namespace ovrimo::test

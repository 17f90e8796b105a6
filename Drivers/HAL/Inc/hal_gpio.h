// GPIO driver: pin configuration, return to the reset configuration, and output writes for the
// ordinary ports GPIOA..GPIOI and the low-power port LPGPIO1.
#ifndef OVRIMO_HAL_GPIO_H
#define OVRIMO_HAL_GPIO_H

#include "hal_def.h"

// Pins, as bit masks.
#define GPIO_PIN_0 ((uint16_t)0x0001U)
#define GPIO_PIN_1 ((uint16_t)0x0002U)
#define GPIO_PIN_2 ((uint16_t)0x0004U)
#define GPIO_PIN_3 ((uint16_t)0x0008U)
#define GPIO_PIN_4 ((uint16_t)0x0010U)
#define GPIO_PIN_5 ((uint16_t)0x0020U)
#define GPIO_PIN_6 ((uint16_t)0x0040U)
#define GPIO_PIN_7 ((uint16_t)0x0080U)
#define GPIO_PIN_8 ((uint16_t)0x0100U)
#define GPIO_PIN_9 ((uint16_t)0x0200U)
#define GPIO_PIN_10 ((uint16_t)0x0400U)
#define GPIO_PIN_11 ((uint16_t)0x0800U)
#define GPIO_PIN_12 ((uint16_t)0x1000U)
#define GPIO_PIN_13 ((uint16_t)0x2000U)
#define GPIO_PIN_14 ((uint16_t)0x4000U)
#define GPIO_PIN_15 ((uint16_t)0x8000U)
#define GPIO_PIN_All ((uint16_t)0xFFFFU)

// Pins per port.
#define GPIO_NUMBER 16U

// The parts a Mode value is made of.
#define GPIO_MODE 0x00000003U         // MODER value (bits 1..0)
#define GPIO_OUTPUT_TYPE 0x00000010U  // OTYPER value (bit 4)
#define GPIO_MODE_IT 0x00010000U      // EXTI interrupt line enabled
#define GPIO_MODE_EVT 0x00020000U     // EXTI event line enabled
#define RISING_EDGE 0x00100000U
#define FALLING_EDGE 0x00200000U
#define EXTI_MODE 0x10000000U         // the pin is connected to the EXTI at all

#define GPIO_MODE_INPUT 0x00000000U
#define GPIO_MODE_OUTPUT_PP 0x00000001U
#define GPIO_MODE_OUTPUT_OD 0x00000011U
#define GPIO_MODE_AF_PP 0x00000002U
#define GPIO_MODE_AF_OD 0x00000012U
#define GPIO_MODE_ANALOG 0x00000003U
#define GPIO_MODE_IT_RISING 0x10110000U
#define GPIO_MODE_IT_FALLING 0x10210000U
#define GPIO_MODE_IT_RISING_FALLING 0x10310000U
#define GPIO_MODE_EVT_RISING 0x10120000U
#define GPIO_MODE_EVT_FALLING 0x10220000U
#define GPIO_MODE_EVT_RISING_FALLING 0x10320000U

#define GPIO_NOPULL 0x00000000U
#define GPIO_PULLUP 0x00000001U
#define GPIO_PULLDOWN 0x00000002U

#define GPIO_SPEED_FREQ_LOW 0x00000000U
#define GPIO_SPEED_FREQ_MEDIUM 0x00000001U
#define GPIO_SPEED_FREQ_HIGH 0x00000002U
#define GPIO_SPEED_FREQ_VERY_HIGH 0x00000003U

// Alternate functions used on this board.
#define GPIO_AF7_USART2 ((uint8_t)0x07U)
#define GPIO_AF11_LPGPIO1 ((uint8_t)0x0BU)

// Index of a port (A = 0 .. I = 8) from its register block, as the EXTI port selectors count.
#define GPIO_GET_INDEX(__GPIOx__) ((device_address(__GPIOx__) & ~GPIOA_BASE) >> 10U)

extern "C" {

typedef struct {
  uint32_t Pin;        // GPIO_PIN_x mask
  uint32_t Mode;       // GPIO_MODE_*
  uint32_t Pull;       // GPIO_NOPULL, GPIO_PULLUP, GPIO_PULLDOWN
  uint32_t Speed;      // GPIO_SPEED_FREQ_*
  uint32_t Alternate;  // alternate function 0..15, used by the GPIO_MODE_AF_* modes
} GPIO_InitTypeDef;

typedef enum {
  GPIO_PIN_RESET = 0U,
  GPIO_PIN_SET,
} GPIO_PinState;

// Which ordinary pin carries each LPGPIO1 pin (through its alternate function 11).
typedef struct {
  GPIO_TypeDef* GPIO_PORT;
  uint32_t Pin_Pos;
} LPGPIO_MapTypeDef;

extern const LPGPIO_MapTypeDef LPGPIO_Map[GPIO_NUMBER];

// LPGPIO1 is given to these operations as its GPIO_TypeDef view (see HAL_GPIO_LPGPIO1); the
// registers they use there sit at the offsets of the GPIO registers of the same name.
void HAL_GPIO_Init(GPIO_TypeDef* GPIOx, const GPIO_InitTypeDef* pGPIO_Init);
void HAL_GPIO_DeInit(GPIO_TypeDef* GPIOx, uint32_t GPIO_Pin);
void HAL_GPIO_WritePin(GPIO_TypeDef* GPIOx, uint16_t GPIO_Pin, GPIO_PinState PinState);

}  // extern "C"

// LPGPIO1 as a port argument of the operations above.
#define HAL_GPIO_LPGPIO1 (reinterpret_cast<GPIO_TypeDef*>(LPGPIO1))

#endif

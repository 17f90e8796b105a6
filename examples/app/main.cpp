// Sample application: proves the hand-off. It brings USART2 up itself (the bootloader leaves it
// reset), prints its own version and the bootloader's, then idles.
#include <stdint.h>

#include "app_image.h"
#include "device.h"

namespace {

struct Revision {
  uint8_t major;
  uint8_t minor;
  uint8_t patch;
};

struct Metadata {
  uint32_t magic;
  Revision revision;
  uint8_t reserved;
};

// The hand-off leaves the clock tree at reset: 4 MHz from MSIS on every bus.
constexpr uint32_t kPclk1Hz = 4000000U;
constexpr uint32_t kBaud = 115200U;

void uart_init() {
  SET_BIT(RCC->AHB2ENR1, RCC_AHB2ENR1_GPIODEN);
  SET_BIT(RCC->APB1ENR1, RCC_APB1ENR1_USART2EN);
  (void)READ_REG(RCC->APB1ENR1);  // the clocks run once the enable write has completed
  // USART2 kernel clock from PCLK1, whatever the bootloader selected.
  CLEAR_BIT(RCC->CCIPR1, RCC_CCIPR1_USART2SEL);
  // PD5 (TX) and PD6 (RX): alternate function 7.
  MODIFY_REG(GPIOD->MODER, GPIO_MODER_MODE5 | GPIO_MODER_MODE6, GPIO_MODER_MODE5_1 | GPIO_MODER_MODE6_1);
  MODIFY_REG(GPIOD->AFR[0], GPIO_AFRL_AFSEL5 | GPIO_AFRL_AFSEL6,
             (7U << GPIO_AFRL_AFSEL5_Pos) | (7U << GPIO_AFRL_AFSEL6_Pos));
  WRITE_REG(USART2->BRR, (kPclk1Hz + kBaud / 2U) / kBaud);  // 35: 114 286 baud
  WRITE_REG(USART2->CR1, USART_CR1_TE | USART_CR1_RE | USART_CR1_UE);
  while (READ_BIT(USART2->ISR, USART_ISR_TEACK) == 0U) {
  }
}

void put_char(char c) {
  while (READ_BIT(USART2->ISR, USART_ISR_TXE_TXFNF) == 0U) {
  }
  WRITE_REG(USART2->TDR, static_cast<uint8_t>(c));
}

void put_text(const char* text) {
  while (*text != '\0') put_char(*text++);
}

void put_hex_byte(uint8_t value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  put_char(kDigits[value >> 4]);
  put_char(kDigits[value & 0xFU]);
}

void put_revision(Revision r) {
  put_hex_byte(r.major);
  put_char('.');
  put_hex_byte(r.minor);
  put_char('.');
  put_hex_byte(r.patch);
}

}  // namespace

extern "C" {

// Read by the bootloader to show the installed version.
__attribute__((section(".app_meta"), used)) const Metadata app_metadata = {
    APP_MAGIC, {APP_VERSION_MAJOR, APP_VERSION_MINOR, APP_VERSION_PATCH}, 0xFFU};

// The bootloader's version, left in RAM that neither program initialises.
__attribute__((section(".noinit"))) volatile Revision bl_rev;

int main() {
  const Revision bootloader = {bl_rev.major, bl_rev.minor, bl_rev.patch};
  uart_init();
  put_text("Ovrimo sample application ");
  put_revision(app_metadata.revision);
  put_text(", bootloader ");
  put_revision(bootloader);
  put_text("\r\n");
  while (READ_BIT(USART2->ISR, USART_ISR_TC) == 0U) {
  }
  __enable_irq();
  for (;;) {
    __asm volatile("b .");  // idle; an emulator sees a branch to itself and skips ahead
  }
}

}  // extern "C"

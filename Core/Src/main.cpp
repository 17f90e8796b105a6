// The boot manager: board bring-up, the update prompt, and either an XMODEM update or the
// hand-off to the installed application.
#include "main.h"

#include <stdio.h>

#include "flash.h"
#include "hal.h"
#include "vt100.h"
#include "xmodem.h"

namespace {

constexpr uint32_t kAnswerTimeoutMs = 15000U;

}  // namespace

extern "C" {

uint8_t AppRevision[3];
// Last in RAM and never initialised by start-up, so the application still finds it after the jump.
__attribute__((section(".noinit"))) rev_t bl_rev;

// A metadata block that cannot be read (broken ECC after a power cut) counts as absent.
bool app_is_valid(void) {
  uint32_t magic = 0U;
  return flash_read_app_word(APP_META_BASE, &magic) && (magic == APP_MAGIC);
}

// The three bytes after the magic, from one word read; unreadable, they show as erased.
void read_app_rev(uint8_t* rev_out) {
  uint32_t word = 0xFFFFFFFFU;
  if (!flash_read_app_word(APP_META_BASE + 4U, &word)) {
    word = 0xFFFFFFFFU;
  }
  rev_out[0] = static_cast<uint8_t>(word);
  rev_out[1] = static_cast<uint8_t>(word >> 8);
  rev_out[2] = static_cast<uint8_t>(word >> 16);
}

void Error_Handler(void) {
  __disable_irq();
  for (;;) {
    __NOP();
  }
}

void boot_bring_up(void) {
  (void)HAL_Init();
  SystemClock_Config();
  MX_GPIO_Init();
  MX_ICACHE_Init();
  MX_USART2_UART_Init();

  HAL_GPIO_WritePin(BOOT_STATUS_GPIO_Port, BOOT_STATUS_Pin, GPIO_PIN_SET);
}

}  // extern "C"

int main(void) {
  boot_bring_up();

  // Cleared once: after a failed transfer the operator still sees what went wrong.
  TERMINAL_BACK_BLACK;
  TERMINAL_DISPLAY_CLEAR;
  TERMINAL_RESET_CURSOR;

  for (;;) {
    // Read afresh each pass: a failed transfer may have erased or rewritten the block.
    read_app_rev(AppRevision);

    puts(CLI_FONT_YELLOW "Ovrimo - Bootloader\r");
    TERMINAL_FONT_WHITE;
    printf("%-12s (%02x.%02x.%02x)\r\n", "BL Version:", MAJOR, MINOR, REV);
    printf("%-12s (%02x.%02x.%02x)\r\n", "Firmware Version:", AppRevision[0], AppRevision[1], AppRevision[2]);
    puts("Send 'Y' to update Ovrimo Application Firmware or 'N' to boot Now (15s):\r");

    uint8_t pData = 0U;
    const HAL_StatusTypeDef answer = HAL_UART_Receive(&huart2, &pData, 1U, kAnswerTimeoutMs);

    if ((answer == HAL_OK) && ((pData == 'Y') || (pData == 'y'))) {
      puts(CLI_FONT_BLUE "Transfer Ovrimo Application Firmware Binary (.bin) via XMODEM now ...\r");
      xmodem_receive();
      printf(CLI_FONT_RED "Failed... Please try again.\r\n" CLI_FONT_WHITE);
    } else {
      puts(CLI_FONT_GREEN "Loading Ovrimo Application Firmware ...\r");
      bl_rev.major = MAJOR;
      bl_rev.minor = MINOR;
      bl_rev.patch = REV;
      // An update cut short leaves a half image whose vectors look usable. Its metadata block, at
      // the end of the image's first 512 KB, comes with the last blocks: without it, no jump.
      if (app_is_valid()) {
        flash_jump_to_app();
      }
      // Only an image that cannot be started comes back here: stay in the menu.
      printf(CLI_FONT_RED "No valid application - please update.\r\n" CLI_FONT_WHITE);
    }
  }
}

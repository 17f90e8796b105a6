// The application region: erase, block writer with read-back, and the hand-off.
#include "flash.h"

#include "hal.h"
#include "hal_flash.h"
#include "hal_flash_ex.h"
#include "hal_gpio.h"
#include "hal_icache.h"
#include "hal_rcc.h"
#include "hal_uart.h"
#include "main.h"

namespace {

constexpr uint32_t kPageShift = 13U;  // 8 KB pages
constexpr uint32_t kWordsPerQuadWord = 4U;
constexpr uint32_t kQuadWordBytes = 16U;

// Set around the one load of flash_read_app_word: only then is a double ECC error expected and
// survivable. Any other is a fault of the bootloader's own flash.
volatile bool ecc_read_in_progress = false;
volatile bool ecc_read_failed = false;

// True when the quad-word programmed at `address` reads back as `expected`, word by word in
// address order.
bool reads_back(uint32_t address, const uint32_t* expected) {
  for (uint32_t w = 0U; w < kWordsPerQuadWord; ++w) {
    uint32_t value = 0U;
    if (!flash_read_app_word(address + 4U * w, &value) || (value != expected[w])) {
      return false;
    }
  }
  return true;
}

// Words 0 and 1 of the image, when both can be read and can be a stack pointer and an entry.
bool app_vectors(uint32_t* stack, uint32_t* entry) {
  if (!flash_read_app_word(FLASH_APP_START_ADDRESS, stack) || !flash_read_app_word(FLASH_APP_START_ADDRESS + 4U, entry)) {
    return false;
  }
  return app_image::vectors_usable(*stack, *entry);
}

}  // namespace

extern "C" bool flash_read_app_word(uint32_t address, uint32_t* value) {
  ecc_read_failed = false;
  ecc_read_in_progress = true;
  __DSB();
  *value = device_read32(address);
  // The NMI of a failed read has been taken once the load has completed.
  __DSB();
  __ISB();
  ecc_read_in_progress = false;
  return !ecc_read_failed;
}

extern "C" bool flash_ecc_error_taken(void) {
  if (!ecc_read_in_progress || ((FLASH->ECCR & FLASH_ECCR_ECCD) == 0U)) {
    return false;
  }
  // ECCD clears by writing 1; the interrupt enable keeps its value, ECCC is left alone.
  FLASH->ECCR = (FLASH->ECCR & FLASH_ECCR_ECCIE) | FLASH_ECCR_ECCD;
  ecc_read_failed = true;
  return true;
}

extern "C" flash_status flash_erase(uint32_t address) {
  FLASH_EraseInitTypeDef erase_init = {};
  uint32_t error = 0U;

  (void)HAL_FLASH_Unlock();
  flash_status result = FLASH_ERROR;

  // Only the application region may be erased: below it lives the bootloader itself, above the
  // end of bank 1 the page arithmetic no longer means anything.
  if (address < FLASH_APP_START_ADDRESS || address > FLASH_BANK1_END) {
    (void)HAL_FLASH_Lock();
    return FLASH_ERROR;
  }

  const uint32_t start_page = (address - FLASH_BASE) >> kPageShift;
  erase_init.TypeErase = FLASH_TYPEERASE_PAGES;
  erase_init.Page = start_page;
  erase_init.Banks = FLASH_BANK_1;
  // Stops one page short of the end of bank 1: the last page keeps its contents across updates.
  erase_init.NbPages = (FLASH_BANK1_END - address) >> kPageShift;

  if (HAL_FLASHEx_Erase(&erase_init, &error) == HAL_OK) {
    result = FLASH_OK;
  }
  // The instruction cache also serves data reads of flash and does not see the erase: until its
  // lines are dropped, the metadata or the vectors may still read as they were before. A failed
  // erase may have cleared some pages, so the lines go in every case.
  if (HAL_ICACHE_Invalidate() != HAL_OK) {
    result = FLASH_ERROR;
  }

  (void)HAL_FLASH_Lock();
  return result;
}

extern "C" flash_status flash_write(uint32_t address, const uint32_t* data, uint32_t length_words) {
  uint8_t result = FLASH_OK;

  (void)HAL_FLASH_Unlock();

  // The instruction cache also serves data reads of flash and does not see programming: a line
  // filled before (the erased words, the metadata the menu read) would answer the read-back with
  // the old contents. Dropped once here, before the block's first program, every line of the
  // block is filled afterwards only by the read-back of a quad-word that has been programmed, so
  // no read of the region can find an old line once this returns. Cheaper than an invalidate per
  // quad-word, and the same guarantee: nothing else reads the region while a block is written.
  if (HAL_ICACHE_Invalidate() != HAL_OK) {
    (void)HAL_FLASH_Lock();
    return FLASH_ERROR_READBACK;
  }

  for (uint32_t i = 0U; (i + 3U < length_words) && (result == FLASH_OK); i += kWordsPerQuadWord) {
    if (address >= FLASH_APP_END_ADDRESS) {
      result |= FLASH_ERROR_SIZE;
      break;
    }

    const uint32_t* const quadword = &data[i];

    // Program: the driver reads its four words straight from the caller's block, which stays
    // untouched until we return, so no copy of them is needed.
    if (HAL_FLASH_Program(FLASH_TYPEPROGRAM_QUADWORD, address, reinterpret_cast<uintptr_t>(quadword)) != HAL_OK) {
      result |= FLASH_ERROR_WRITE;
    } else if (!reads_back(address, quadword)) {
      // Read back: what the flash now holds, not what we meant to write.
      result |= FLASH_ERROR_READBACK;
    }
    address += kQuadWordBytes;
  }

  (void)HAL_FLASH_Lock();
  return static_cast<flash_status>(result);
}

extern "C" bool flash_app_vectors_usable(void) {
  uint32_t stack = 0U;
  uint32_t entry = 0U;
  return app_vectors(&stack, &entry);
}

extern "C" void flash_jump_to_app(void) {
  // An interrupted update leaves erased or unreadable vector words: jumping there would run
  // garbage with the board already shut down. Refuse before anything is touched.
  uint32_t app_stack = 0U;
  uint32_t jump_to_app = 0U;
  if (!app_vectors(&app_stack, &jump_to_app)) {
    return;
  }

  // The application learns which bootloader started it, whichever path led here.
  bl_rev.major = MAJOR;
  bl_rev.minor = MINOR;
  bl_rev.patch = REV;

  HAL_GPIO_WritePin(BOOT_STATUS_GPIO_Port, BOOT_STATUS_Pin, GPIO_PIN_RESET);
  (void)HAL_RCC_DeInit();

  // From here on nothing may interrupt: the vector table and the stack are about to change.
  __disable_irq();

  HAL_GPIO_DeInit(BOOT_STATUS_GPIO_Port, BOOT_STATUS_Pin);
  (void)HAL_ICACHE_Disable();
  (void)HAL_UART_DeInit(&huart2);
  (void)HAL_DeInit();

  SCB->VTOR = FLASH_APP_START_ADDRESS;

  // The stack pointer, SysTick, the NVIC and the jump are one routine below the compiler, so that
  // nothing touches the old stack once the new one is loaded.
  device_start_image(app_stack, jump_to_app);
}

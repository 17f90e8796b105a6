// The application region of the internal flash: its erase, its block writer with read-back, and
// the hand-off to the application stored there.
#ifndef OVRIMO_MCU_BOOT_FLASH_H
#define OVRIMO_MCU_BOOT_FLASH_H

#include "app_image.h"
#include "hal_def.h"

// No quad-word may start at or above this address.
#define FLASH_APP_END_ADDRESS ((uint32_t)(FLASH_BANK1_END - 0x10U))

extern "C" {

typedef enum : uint8_t {
  FLASH_OK = 0x00U,
  FLASH_ERROR_SIZE = 0x01U,
  FLASH_ERROR_WRITE = 0x02U,
  FLASH_ERROR_READBACK = 0x04U,
  FLASH_ERROR = 0xFFU,
} flash_status;

// Erases from the page holding `address` up to, not including, the last page of bank 1.
flash_status flash_erase(uint32_t address);
// Programs whole quad-words of `data` from the 16-byte aligned `address`, checking each by reading
// it back; stops at the first failing quad-word.
flash_status flash_write(uint32_t address, const uint32_t* data, uint32_t length_words);
// Reads the word at `address` of the application region into `value`. False when the read met a
// double ECC error (a quad-word whose programming or erase a power cut interrupted): `value` then
// means nothing, and the word counts as unreadable.
bool flash_read_app_word(uint32_t address, uint32_t* value);
// For the NMI handler: true when the NMI is the double ECC error of a flash_read_app_word in
// progress, which it has now cleared and reported to that read.
bool flash_ecc_error_taken(void);
// True when words 0 and 1 of the application image can be read and can be a stack pointer and a
// reset handler.
bool flash_app_vectors_usable(void);
// Leaves the bootloader for the application. Returns, having changed nothing, only when the
// image's first two words cannot be a stack pointer and an entry (erased or half-written flash).
void flash_jump_to_app(void);

}  // extern "C"

#endif

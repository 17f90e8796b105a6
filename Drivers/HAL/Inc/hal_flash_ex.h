// Internal flash driver, erase half: pages of one bank or whole banks.
#ifndef OVRIMO_HAL_FLASH_EX_H
#define OVRIMO_HAL_FLASH_EX_H

#include "hal_def.h"

// Erase types: the control register bits that select them.
#define FLASH_TYPEERASE_PAGES FLASH_NSCR_PER
#define FLASH_TYPEERASE_MASSERASE (FLASH_NSCR_MER1 | FLASH_NSCR_MER2)
static_assert(FLASH_TYPEERASE_PAGES == 0x2U && FLASH_TYPEERASE_MASSERASE == 0x8004U);

extern "C" {

// An erase request; the caller zeroes it, fills it and passes it by pointer.
typedef struct {
  uint32_t TypeErase;  // FLASH_TYPEERASE_PAGES or FLASH_TYPEERASE_MASSERASE
  uint32_t Banks;      // FLASH_BANK_1, FLASH_BANK_2 or (mass erase) FLASH_BANK_BOTH
  uint32_t Page;       // first page, counted from 0 within the bank
  uint32_t NbPages;    // number of pages
} FLASH_EraseInitTypeDef;

// Erases what `pEraseInit` asks for. For a page erase `*PageError` is 0xFFFFFFFF when every page
// was erased, else the number of the page that failed (the pages after it are not erased).
HAL_StatusTypeDef HAL_FLASHEx_Erase(FLASH_EraseInitTypeDef* pEraseInit, uint32_t* PageError);

// Internal steps: start the erase; the caller waits for it.
void FLASH_PageErase(uint32_t Page, uint32_t Banks);
void FLASH_MassErase(uint32_t Banks);

}  // extern "C"

#endif

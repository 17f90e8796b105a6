// XMODEM receiver (CRC-16, 128- and 1024-byte blocks) writing the application region.
#ifndef OVRIMO_MCU_BOOT_XMODEM_H
#define OVRIMO_MCU_BOOT_XMODEM_H

#include "hal_def.h"

// Protocol bytes.
#define X_SOH ((uint8_t)0x01U)
#define X_STX ((uint8_t)0x02U)
#define X_EOT ((uint8_t)0x04U)
#define X_ACK ((uint8_t)0x06U)
#define X_NAK ((uint8_t)0x15U)
#define X_CAN ((uint8_t)0x18U)
#define X_C ((uint8_t)0x43U)

// Block layout.
#define X_PACKET_128_SIZE ((uint16_t)128U)
#define X_PACKET_1024_SIZE ((uint16_t)1024U)
#define X_PACKET_NUMBER_SIZE ((uint16_t)2U)
#define X_PACKET_CRC_SIZE ((uint16_t)2U)
#define X_PACKET_NUMBER_INDEX ((uint16_t)0U)
#define X_PACKET_NUMBER_COMPLEMENT_INDEX ((uint16_t)1U)
#define X_PACKET_CRC_HIGH_INDEX ((uint16_t)0U)
#define X_PACKET_CRC_LOW_INDEX ((uint16_t)1U)

// Errors allowed in one whole transfer; the last one cancels it.
#define X_MAX_ERRORS ((uint8_t)3U)
// After an error the rest of a broken frame is read and dropped until the line has been quiet
// this long, so that none of its bytes is taken for a header; the drain ends after the limit in
// any case (a sender that never stops).
#define X_PURGE_QUIET_MS ((uint16_t)100U)
#define X_PURGE_LIMIT_MS ((uint16_t)3000U)
// An EOT ends the transfer only when nothing follows it for this long (some 20 character times):
// an EOT from a sender is followed by silence until our ACK, a 0x04 inside a frame is not.
#define X_EOT_QUIET_MS ((uint16_t)2U)
// Start requests sent before the receiver gives up waiting for the first block.
#define X_START_RETRIES 90

extern "C" {

typedef enum : uint8_t {
  X_OK = 0x00U,
  X_ERROR_CRC = 0x01U,
  X_ERROR_NUMBER = 0x02U,
  X_ERROR_UART = 0x04U,
  X_ERROR_FLASH = 0x08U,
  X_ERROR = 0xFFU,
} xmodem_status;

// Runs one transfer. Returns only when it failed; a completed one ends in the hand-off.
void xmodem_receive(void);

// CRC-16/XMODEM (polynomial 0x1021, initial 0, no reflection, no final XOR).
uint16_t xmodem_calc_crc(const uint8_t* data, uint16_t length);

}  // extern "C"

#endif

// XMODEM receiver: CRC-16 variant, 128- and 1024-byte blocks in any mix, each block programmed
// into the application region as soon as it has been checked.
#include "xmodem.h"

#include <stdio.h>

#include "flash.h"
#include "uart.h"

// Transfer state, reset by every xmodem_receive.
static uint8_t xmodem_packet_number = 1U;
static uint32_t xmodem_actual_flash_address = 0U;
static uint8_t x_first_packet_received = 0U;
// The image's first quad-word, its stack pointer and entry words, held back from the first block
// and programmed only when the sender ends the transfer: until then the region holds erased
// vectors, which the hand-off refuses, whatever else has been written and however the transfer
// stops.
static uint32_t x_vector_words[4];

namespace {

constexpr uint16_t kCrcPolynomial = 0x1021U;

// The CRC register after four bit steps on a register whose top nibble is `nibble` and the rest
// zero. Four bits per lookup keep the table at 32 bytes of flash.
struct CrcNibbleTable {
  uint16_t value[16];
  constexpr CrcNibbleTable() : value() {
    for (uint16_t nibble = 0U; nibble < 16U; ++nibble) {
      uint16_t crc = static_cast<uint16_t>(nibble << 12);
      for (uint8_t bit = 0U; bit < 4U; ++bit) {
        crc = static_cast<uint16_t>(((crc & 0x8000U) != 0U) ? ((crc << 1) ^ kCrcPolynomial) : (crc << 1));
      }
      value[nibble] = crc;
    }
  }
};

constexpr CrcNibbleTable kCrcNibbles;

inline uint16_t crc_update(uint16_t crc, uint8_t byte) {
  crc = static_cast<uint16_t>((crc << 4) ^ kCrcNibbles.value[(crc >> 12) ^ (byte >> 4)]);
  crc = static_cast<uint16_t>((crc << 4) ^ kCrcNibbles.value[(crc >> 12) ^ (byte & 0x0FU)]);
  return crc;
}

// The data bytes of a block, one at a time under the single deadline of the whole read, with the
// CRC brought up to date while the next byte is still on the line: when the last byte is in, the
// check is done and the sender waits only for the flash. Each byte's CRC work has to fit in the
// time of one character, or RDR overruns.
uart_status receive_data(uint8_t* data, uint16_t size, uint16_t* crc) {
  uint16_t value = 0U;
  *crc = value;
  if (size == 0U) {
    return UART_ERROR;  // as the driver refuses a read of nothing
  }
  const uint32_t start = uart_receive_start();
  for (uint16_t i = 0U; i < size; ++i) {
    if (uart_receive_next(&data[i], start) != UART_OK) {
      return UART_ERROR;
    }
    value = crc_update(value, data[i]);
  }
  *crc = value;
  return UART_OK;
}

}  // namespace

extern "C" {

xmodem_status xmodem_handle_packet(uint8_t header);
xmodem_status xmodem_error_handler(uint8_t* error_number, uint8_t max_error_number);

void xmodem_receive(void) {
  xmodem_status status = X_OK;
  uint8_t error_number = 0U;
  int retries = X_START_RETRIES;
  // Set by a refused block, cleared by an accepted one. A sender repeats a refused block; it ends
  // the transfer only once its last block has been taken. A 0x04 right after a refused block is
  // what the broken frame left over (its last byte, held back by a stall past our timeout and
  // followed by silence while the sender waits for the answer to its whole frame), not an EOT.
  uint8_t block_refused = 0U;

  x_first_packet_received = 0U;
  xmodem_packet_number = 1U;
  xmodem_actual_flash_address = FLASH_APP_START_ADDRESS;

  while (status == X_OK) {
    uint8_t header = 0U;
    const uart_status comm_status = uart_receive(&header, 1U);

    if ((comm_status != UART_OK) && (x_first_packet_received == 0U)) {
      // Nothing yet: keep asking the sender to start, for about a minute and a half.
      (void)uart_transmit_ch(X_C);
      retries--;
      if (retries == 0) {
        puts("Timeout waiting for XMODEM Start - Please Retry\r");
        return;
      }
    } else if (comm_status != UART_OK) {
      status = xmodem_error_handler(&error_number, X_MAX_ERRORS);
    }

    xmodem_status packet_status = X_ERROR;
    switch (header) {
      case X_SOH:
      case X_STX:
        packet_status = xmodem_handle_packet(header);
        block_refused = (packet_status == X_OK) ? 0U : 1U;
        if (packet_status == X_OK) {
          (void)uart_transmit_ch(X_ACK);
        } else if (packet_status == X_ERROR_FLASH) {
          // The region is no longer what the sender thinks it is: give up at once.
          error_number = X_MAX_ERRORS;
          status = xmodem_error_handler(&error_number, X_MAX_ERRORS);
        } else {
          status = xmodem_error_handler(&error_number, X_MAX_ERRORS);
        }
        break;
      case X_EOT: {
        uint8_t after = 0U;
        if ((block_refused != 0U) || (uart_receive_within(&after, X_EOT_QUIET_MS) == UART_OK)) {
          // More bytes, or a block still owed: a 0x04 of a broken frame, not the sender's end of
          // transmission.
          status = xmodem_error_handler(&error_number, X_MAX_ERRORS);
          break;
        }
        // Once the region has been erased, only a first block taken in this transfer gives it
        // vectors: with none (the first block refused, then EOT) there is no image, and the
        // words held back are those of an earlier transfer, which would start erased flash.
        const bool erased_without_image =
            (x_first_packet_received != 0U) && (xmodem_actual_flash_address == FLASH_APP_START_ADDRESS);
        if (erased_without_image || ((x_first_packet_received != 0U) &&
                                     (flash_write(FLASH_APP_START_ADDRESS, x_vector_words, 4U) != FLASH_OK))) {
          // The image cannot start: tell the sender it failed rather than acknowledge its end.
          (void)uart_transmit_ch(X_CAN);
          (void)uart_transmit_ch(X_CAN);
          status = X_ERROR;
          break;
        }
        (void)uart_transmit_ch(X_ACK);
        (void)uart_transmit_str(reinterpret_cast<const uint8_t*>("\n\rFirmware updated!\n\r"));
        (void)uart_transmit_str(reinterpret_cast<const uint8_t*>("Jumping to user application...\n\r"));
        flash_jump_to_app();
        // Back here only when the image cannot be started: the transfer has failed.
        status = X_ERROR;
        break;
      }
      case X_CAN:
        status = X_ERROR;
        break;
      default:
        if (comm_status == UART_OK) {
          // A stray byte where a header belongs.
          status = xmodem_error_handler(&error_number, X_MAX_ERRORS);
        }
        break;
    }
    (void)packet_status;
  }
}

xmodem_status xmodem_handle_packet(uint8_t header) {
  uint8_t status = X_OK;
  uint16_t size = 0U;
  uint8_t received_packet_number[X_PACKET_NUMBER_SIZE];
  // Words, so that the block can go to the flash writer as they are; received as bytes.
  uint32_t received_packet_data[X_PACKET_1024_SIZE / 4U];
  uint8_t received_packet_crc[X_PACKET_CRC_SIZE];
  uint8_t* const data_bytes = reinterpret_cast<uint8_t*>(received_packet_data);

  if (header == X_SOH) {
    size = X_PACKET_128_SIZE;
  } else if (header == X_STX) {
    size = X_PACKET_1024_SIZE;
  } else {
    status = X_ERROR;
  }

  uint16_t crc_calculated = 0U;
  uint8_t comm_status = UART_OK;
  comm_status |= uart_receive(received_packet_number, X_PACKET_NUMBER_SIZE);
  comm_status |= receive_data(data_bytes, size, &crc_calculated);
  comm_status |= uart_receive(received_packet_crc, X_PACKET_CRC_SIZE);

  const uint16_t crc_received = static_cast<uint16_t>((received_packet_crc[X_PACKET_CRC_HIGH_INDEX] << 8) |
                                                      received_packet_crc[X_PACKET_CRC_LOW_INDEX]);

  if (comm_status != UART_OK) {
    status |= X_ERROR_UART;
  }

  // The region is erased by the first block that arrives whole, before its checks: a sender that
  // got this far is talking to us, and the repetition of a refused first block must find erased
  // flash.
  if ((status == X_OK) && (x_first_packet_received == 0U)) {
    if (flash_erase(FLASH_APP_START_ADDRESS) == FLASH_OK) {
      x_first_packet_received = 1U;
    } else {
      status |= X_ERROR_FLASH;
    }
  }

  if (status == X_OK) {
    if (received_packet_number[X_PACKET_NUMBER_INDEX] != xmodem_packet_number) {
      status |= X_ERROR_NUMBER;
    }
    if ((received_packet_number[X_PACKET_NUMBER_INDEX] + received_packet_number[X_PACKET_NUMBER_COMPLEMENT_INDEX]) !=
        255) {
      status |= X_ERROR_NUMBER;
    }
    if (crc_calculated != crc_received) {
      status |= X_ERROR_CRC;
    }
  }

  if (status == X_OK) {
    uint32_t skipped = 0U;
    if (xmodem_actual_flash_address == FLASH_APP_START_ADDRESS) {
      for (uint32_t w = 0U; w < 4U; ++w) {
        x_vector_words[w] = received_packet_data[w];
      }
      skipped = 4U;
    }
    if (flash_write(xmodem_actual_flash_address + 4U * skipped, &received_packet_data[skipped], size / 4U - skipped) !=
        FLASH_OK) {
      status |= X_ERROR_FLASH;
    }
  }

  if (status == X_OK) {
    xmodem_packet_number++;
    xmodem_actual_flash_address += size;
  }

  return static_cast<xmodem_status>(status);
}

xmodem_status xmodem_error_handler(uint8_t* error_number, uint8_t max_error_number) {
  (*error_number)++;
  if (*error_number >= max_error_number) {
    (void)uart_transmit_ch(X_CAN);
    (void)uart_transmit_ch(X_CAN);
    return X_ERROR;
  }
  // Whatever is still on its way belongs to the refused frame (a sender that stalled mid-block
  // sends the rest of it later): drop it all before asking again, so that no byte of it, a 0x04
  // in particular, is read as the next header. A sender that gives up meanwhile has said so.
  uint8_t last[2];
  uart_drain(X_PURGE_QUIET_MS, X_PURGE_LIMIT_MS, last);
  if ((last[0] == X_CAN) && (last[1] == X_CAN)) {
    return X_ERROR;
  }
  (void)uart_transmit_ch(X_NAK);
  return X_OK;
}

uint16_t xmodem_calc_crc(const uint8_t* data, uint16_t length) {
  uint16_t crc = 0U;
  for (uint16_t i = 0U; i < length; ++i) {
    crc = crc_update(crc, data[i]);
  }
  return crc;
}

}  // extern "C"

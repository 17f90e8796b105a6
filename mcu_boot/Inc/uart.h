// The XMODEM receiver's byte link: three blocking calls on huart2, each bounded by UART_TIMEOUT.
#ifndef OVRIMO_MCU_BOOT_UART_H
#define OVRIMO_MCU_BOOT_UART_H

#include "hal_def.h"

extern "C" {

typedef enum : uint8_t {
  UART_OK = 0x00U,
  UART_ERROR = 0xFFU,
} uart_status;

// Milliseconds allowed for each whole call (not per byte).
#define UART_TIMEOUT ((uint16_t)1000U)

// Receives exactly `length` bytes; on UART_ERROR the buffer contents are not to be relied on.
uart_status uart_receive(uint8_t* data, uint16_t length);
// A read fetched one byte per call, so that the caller can work between bytes, under the one
// deadline a whole uart_receive would have: every byte must arrive within UART_TIMEOUT of the
// moment uart_receive_start returned.
uint32_t uart_receive_start(void);
// Receives the read's next byte; UART_ERROR once the read's deadline has passed with no byte
// waiting, or on an overrun.
uart_status uart_receive_next(uint8_t* data, uint32_t start);
// Waits at most `timeout_ms` for one byte.
uart_status uart_receive_within(uint8_t* data, uint16_t timeout_ms);
// Reads and discards bytes until none has arrived for `quiet_ms`, or for at most `limit_ms` in
// all. `last` receives the last two bytes discarded, the latest in last[1] (0 where none came).
void uart_drain(uint16_t quiet_ms, uint16_t limit_ms, uint8_t last[2]);
// Sends a NUL-terminated string (without the NUL), then pauses 5 ms.
uart_status uart_transmit_str(const uint8_t* data);
// Sends one byte with no pause, so a protocol reply leaves at once.
uart_status uart_transmit_ch(uint8_t data);

}  // extern "C"

#endif

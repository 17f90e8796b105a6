// System-call hooks of the C library: standard output goes to USART2, one character at a time;
// there is no file system and no input.
#include <errno.h>
#include <sys/stat.h>

#include "hal.h"
#include "hal_uart.h"
#include "main.h"

namespace {

constexpr uint32_t kPutcharTimeoutMs = 1000U;
// A pause after every character, so that slow terminals keep up with the dialogue.
constexpr uint32_t kPutcharPauseMs = 5U;

}  // namespace

extern "C" {

int __io_putchar(int ch);
int _write(int file, char* ptr, int len);
int _read(int file, char* ptr, int len);
int _close(int file);
int _fstat(int file, struct stat* st);
int _isatty(int file);
int _lseek(int file, int ptr, int dir);

int __io_putchar(int ch) {
  uint8_t byte = static_cast<uint8_t>(ch);
  // A character the port does not take in time is lost; the console carries on.
  (void)HAL_UART_Transmit(&huart2, &byte, 1U, kPutcharTimeoutMs);
  HAL_Delay(kPutcharPauseMs);
  return ch;
}

int _write(int file, char* ptr, int len) {
  (void)file;  // standard output and standard error share the port
  for (int DataIdx = 0; DataIdx < len; DataIdx++) {
    (void)__io_putchar(ptr[DataIdx]);
  }
  return len;
}

int _read(int file, char* ptr, int len) {
  (void)file;
  (void)ptr;
  (void)len;
  // Nothing ever feeds standard input: report end of file instead of inventing bytes.
  return 0;
}

int _close(int file) {
  (void)file;
  return -1;
}

int _fstat(int file, struct stat* st) {
  (void)file;
  // A character device: the library then line-buffers standard output.
  st->st_mode = S_IFCHR;
  return 0;
}

int _isatty(int file) {
  (void)file;
  return 1;
}

int _lseek(int file, int ptr, int dir) {
  (void)file;
  (void)ptr;
  (void)dir;
  return 0;
}

}  // extern "C"

// The boot manager.
#include "main.h"

extern "C" void Error_Handler(void) {
  __disable_irq();
  for (;;) {
    __NOP();
  }
}

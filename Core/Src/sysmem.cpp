// The C library's heap: from the end of .bss upward, never into the stack's minimum reserve.
#include <errno.h>
#include <stddef.h>
#include <stdint.h>
#include <string.h>

extern "C" {

// Linker symbols: addresses only, no storage.
extern uint8_t _end;            // first byte after .bss
extern uint8_t _estack;         // top of RAM
extern uint8_t _Min_Stack_Size;  // its address is the size of the stack reserve

void* _sbrk(ptrdiff_t incr);

static uint8_t* __sbrk_heap_end = nullptr;

void* _sbrk(ptrdiff_t incr) {
  const uintptr_t max_heap = reinterpret_cast<uintptr_t>(&_estack) - reinterpret_cast<uintptr_t>(&_Min_Stack_Size);

  if (__sbrk_heap_end == nullptr) {
    __sbrk_heap_end = &_end;
  }

  if (reinterpret_cast<uintptr_t>(__sbrk_heap_end) + static_cast<uintptr_t>(incr) > max_heap) {
    errno = ENOMEM;
    // The library's failure value is the all-ones pointer.
    void* failed;
    memset(&failed, 0xFF, sizeof failed);
    return failed;
  }

  uint8_t* const prev_heap_end = __sbrk_heap_end;
  __sbrk_heap_end += incr;
  return prev_heap_end;
}

}  // extern "C"

#include "native/binding.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "device_access.h"

extern "C" {
void SysTick_Handler(void);
void NMI_Handler(void);
extern volatile uint32_t uwTick;
}

namespace ovrimo::native {

namespace {

Binding* g_current = nullptr;

// Address windows: register objects live at host addresses inside these reservations (never
// accessible: a stray dereference faults at once) and their offset names the device address.
struct Window {
  std::uint32_t device_base;
  std::uint32_t size;
  char* host_base;
};

Window make_window(std::uint32_t device_base, std::uint32_t size) {
  void* p = mmap(nullptr, size, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (p == MAP_FAILED) {
    std::fprintf(stderr, "native binding: cannot reserve the register window\n");
    std::abort();
  }
  return Window{device_base, size, static_cast<char*>(p)};
}

const Window& peripheral_window() {
  static const Window w = make_window(0x40000000u, 0x20000000u);  // peripherals and their secure aliases
  return w;
}
const Window& core_window() {
  static const Window w = make_window(0xE0000000u, 0x00100000u);  // private peripheral bus
  return w;
}

char std_text[160];
const char* describe(const char* what, std::uint32_t value) {
  std::snprintf(std_text, sizeof std_text, "%s 0x%08X", what, static_cast<unsigned>(value));
  return std_text;
}

}  // namespace

Binding::Binding(model::Board& board, Costs costs)
    : board_(board), costs_(costs), time_limit_(board.now() + 600 * model::kSecond) {
  if (g_current != nullptr) {
    std::fprintf(stderr, "native binding: a board is already attached\n");
    std::abort();
  }
  g_current = this;
}

Binding::~Binding() { g_current = nullptr; }

Binding& Binding::current() {
  if (g_current == nullptr) {
    std::fprintf(stderr, "native binding: firmware touched the device with no board attached\n");
    std::abort();
  }
  return *g_current;
}

void Binding::set_skip_polling(bool on) {
  skip_polling_ = on;
  forget_polling();
}

RunResult Binding::run(const std::function<void()>& firmware) {
  forget_polling();
  exceptions_may_have_changed();
  RunResult result;
  try {
    firmware();
    result.reason = StopReason::Returned;
  } catch (const Stop& stop) {
    result.reason = stop.reason();
    result.detail = stop.what();
  }
  in_delivery_ = false;
  result.at = board_.now();
  return result;
}

void Binding::check_time_limit() {
  if (board_.now() >= time_limit_) throw Stop(StopReason::TimeLimit, "virtual time limit reached");
}

model::Time Binding::cycles_time(std::uint32_t cycles) {
  const std::uint32_t hz = board_.rcc().hclk_hz();
  CycleCost& slot = cycle_costs_[cycles % cycle_costs_.size()];
  if (slot.cycles != cycles || slot.hz != hz) slot = CycleCost{cycles, hz, board_.core_cycles(cycles)};
  return slot.time;
}

void Binding::spend(std::uint32_t cycles) {
  board_.time().advance(cycles_time(cycles));
  check_time_limit();
  if (exceptions_checked_ != board_.time().events_run()) deliver_exceptions();
}

void Binding::deliver_exceptions() {
  if (in_delivery_) return;  // handlers run to completion; nothing here pre-empts them
  while (auto exception = board_.core().next_exception()) {
    model::Core& core = board_.core();
    core.exception_entry(*exception);
    void (*handler)(void) = nullptr;
    if (*exception == model::kExcSysTick) handler = SysTick_Handler;
    if (*exception == model::kExcNmi) handler = NMI_Handler;
    if (handler == nullptr) {
      throw Stop(StopReason::Fault, describe("exception taken with no handler but an endless loop: number", static_cast<std::uint32_t>(*exception)));
    }
    watch_.event();  // the loop it interrupted may well go on as before
    in_delivery_ = true;
    board_.time().advance(cycles_time(costs_.exception_cycles));
    handler();
    in_delivery_ = false;
    core.exception_return(*exception);
  }
  exceptions_checked_ = board_.time().events_run();
}

void Binding::watch_read(std::uint32_t address, std::uint32_t value, unsigned size, std::uint32_t cycles) {
  if (!skip_polling_ || in_delivery_) return;
  // Only reads made since the last event can predict the next ones.
  const std::uint64_t events = board_.time().events_run();
  if (events != watched_events_) {
    watch_.event();
    watched_events_ = events;
  }
  watch_.note(PollingWatch::Read{address, value, static_cast<std::uint8_t>(size), cycles_time(cycles)});
}

void Binding::skip_wait() {
  if (!skip_polling_ || in_delivery_ || board_.time().events_run() != watched_events_) return;
  const std::optional<model::Time> period = watch_.period();
  if (!period) return;
  // Nothing can change a watched read before the next event, and no access may reach the time
  // limit unseen: whole repetitions that end strictly before both are the same accesses with the
  // same values, only not executed.
  const model::Time now = board_.now();
  model::Time bound = time_limit_;
  if (const auto next = board_.time().next_event_time()) bound = std::min(bound, *next);
  if (bound <= now) return;
  const model::Time repetitions = (bound - now - 1) / *period;
  if (repetitions == 0) return;
  board_.time().advance_to(now + repetitions * *period);
  ++skipped_.waits;
  skipped_.time += repetitions * *period;
}

std::uint32_t Binding::read(std::uint32_t address, unsigned size) {
  std::uint32_t value = 0;
  try {
    value = board_.bus().read(address, size);
  } catch (const model::BusError& e) {
    throw Stop(StopReason::Fault, e.what());
  }
  if (board_.bus().steady_read(address)) {
    watch_read(address, value, size, costs_.register_access_cycles);
  } else {
    forget_polling();
    exceptions_may_have_changed();
  }
  spend(costs_.register_access_cycles);
  skip_wait();
  return value;
}

void Binding::write(std::uint32_t address, std::uint32_t value, unsigned size) {
  forget_polling();
  exceptions_may_have_changed();
  try {
    board_.bus().write(address, value, size);
  } catch (const model::BusError& e) {
    throw Stop(StopReason::Fault, e.what());
  }
  spend(costs_.register_access_cycles);
}

void Binding::set_primask(std::uint32_t value) {
  forget_polling();
  exceptions_may_have_changed();
  board_.core().primask = value & 1u;
  spend(1);  // unmasking lets a pending SysTick in at once, as on the core
}

void Binding::nop() {
  forget_polling();
  if (board_.core().primask != 0) {
    // Nothing can leave a loop that has masked interrupts: the firmware has stopped for good.
    throw Stop(StopReason::MaskedSpin, "endless loop with interrupts masked");
  }
  if (in_delivery_) {
    // A handler that waits spins for ever: nothing the system takes pre-empts one here.
    throw Stop(StopReason::Fault, describe("endless loop in the handler of exception", static_cast<std::uint32_t>(board_.core().active_exception())));
  }
  spend(costs_.nop_cycles);
}

void Binding::barrier() {
  forget_polling();
  spend(1);
}

std::uint32_t Binding::get_tick() {
  // The tick is read after its cost: a SysTick taken meanwhile is already counted.
  spend(costs_.get_tick_cycles);
  const std::uint32_t tick = uwTick;
  watch_read(0, tick, 0, costs_.get_tick_cycles);
  skip_wait();
  return tick;
}

void Binding::start_image(std::uint32_t main_stack, std::uint32_t entry) {
  // The same register writes as the target routine, in the same order.
  model::Core& core = board_.core();
  core.msp = main_stack;
  write(0xE000E010u, 0, 4);  // SysTick CTRL
  write(0xE000E014u, 0, 4);  // LOAD
  write(0xE000E018u, 0, 4);  // VAL
  for (std::uint32_t word = 0; word < 8; ++word) {
    write(0xE000E180u + 4 * word, 0xFFFFFFFFu, 4);  // ICER
    write(0xE000E280u + 4 * word, 0xFFFFFFFFu, 4);  // ICPR
  }
  core.record_handoff(entry, board_.now());
  throw Stop(StopReason::HandOff, describe("jump to application entry", entry));
}

}  // namespace ovrimo::native

using ovrimo::native::Binding;

uint32_t ovrimo_native_read(uint32_t address, unsigned size) { return Binding::current().read(address, size); }
void ovrimo_native_write(uint32_t address, uint32_t value, unsigned size) {
  Binding::current().write(address, value, size);
}

void* ovrimo_native_window(uint32_t address) {
  for (const auto* w : {&ovrimo::native::peripheral_window(), &ovrimo::native::core_window()})
    if (address - w->device_base < w->size) return w->host_base + (address - w->device_base);
  std::fprintf(stderr, "native binding: no register window for 0x%08X\n", static_cast<unsigned>(address));
  std::abort();
}

uint32_t ovrimo_native_device_address(const void* host_address) {
  const char* p = static_cast<const char*>(host_address);
  for (const auto* w : {&ovrimo::native::peripheral_window(), &ovrimo::native::core_window()})
    if (p >= w->host_base && p < w->host_base + w->size)
      return w->device_base + static_cast<uint32_t>(p - w->host_base);
  std::fprintf(stderr, "native binding: register object outside the windows\n");
  std::abort();
}

void ovrimo_native_set_primask(uint32_t value) { Binding::current().set_primask(value); }
uint32_t ovrimo_native_get_primask(void) { return Binding::current().board().core().primask; }
void ovrimo_native_set_msp(uint32_t value) { Binding::current().board().core().msp = value; }
uint32_t ovrimo_native_get_msp(void) { return Binding::current().board().core().msp; }
void ovrimo_native_nop(void) { Binding::current().nop(); }
void ovrimo_native_barrier(void) { Binding::current().barrier(); }

uint32_t ovrimo_native_ldrex(uint32_t address) {
  Binding& b = Binding::current();
  // Armed before the access is paid for: an exception taken meanwhile clears it, as on the core.
  b.board().core().monitor_set(address);
  return b.read(address, 4);
}

uint32_t ovrimo_native_strex(uint32_t value, uint32_t address) {
  Binding& b = Binding::current();
  if (!b.board().core().monitor_store_ok(address)) return 1;  // an exception came between: retry
  b.write(address, value, 4);
  return 0;
}

void ovrimo_native_clrex(void) { Binding::current().board().core().monitor_clear(); }

void ovrimo_native_start_image(uint32_t main_stack, uint32_t entry) {
  Binding::current().start_image(main_stack, entry);
}

// The native build's time base: the same uwTick the SysTick handler advances, with a little
// virtual time spent per call so that polling loops make progress.
extern "C" uint32_t HAL_GetTick(void) { return Binding::current().get_tick(); }

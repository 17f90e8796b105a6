// How a run of firmware on the board ended. Both runners, the native binding and the emulator,
// report with these reasons, so tests and tools read one vocabulary whichever ran the code.
#pragma once

namespace ovrimo::model {

enum class StopReason {
  Returned,       // the firmware function returned (native runs of single calls)
  HandOff,        // control passed to the application image
  OutputMatched,  // a line printed on USART2 satisfied the line watch
  TimeLimit,      // virtual time reached the limit
  Fault,          // an access nobody answers, an undefined instruction, a spinning handler, ...
  MaskedSpin,     // an endless loop with interrupts masked (Error_Handler and kin)
  Stalled,        // an endless loop waiting for an event that nothing can produce any more
  Interrupted,    // stopped from outside
};

constexpr const char* to_string(StopReason reason) {
  switch (reason) {
    case StopReason::Returned: return "returned";
    case StopReason::HandOff: return "hand-off to the application";
    case StopReason::OutputMatched: return "expected output";
    case StopReason::TimeLimit: return "time limit";
    case StopReason::Fault: return "fault";
    case StopReason::MaskedSpin: return "endless loop with interrupts masked";
    case StopReason::Stalled: return "waiting for ever";
    case StopReason::Interrupted: return "interrupted";
  }
  return "?";
}

}  // namespace ovrimo::model

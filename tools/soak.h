// A soak of application updates over a noisy line: the update of `ovrimo demo`, many times, at a
// range of bit error rates (with lost frames, made-up frames and stalls in proportion), each run
// from its own fixed seed. Every run has to end one of two ways: the exact image in flash and the
// new application running, or the board's cancel and its menu. Anything else (a success claimed
// over different flash contents, a board that ends in neither state) breaks the invariant.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "update_demo.h"

namespace ovrimo::tools {

struct SoakSettings {
  UpdateDemoOptions update;           // images, block sizes, baud, board-time limit
  std::vector<double> rates;          // bit error rates, per data bit, both directions
  unsigned updates_per_rate = 12;
  // Lost, made-up and stalled frames per frame, as multiples of the bit error rate.
  double drop_ratio = 1, insert_ratio = 1, pause_ratio = 1;
  model::Time pause_min = 10 * model::kMillisecond;
  model::Time pause_max = 1500 * model::kMillisecond;
  std::uint64_t seed = 1;
};

struct SoakCase {
  std::size_t level = 0;  // index into SoakSettings::rates
  std::uint64_t seed = 0;
};

enum class SoakVerdict { Updated, Cancelled, Broken };

// Why a cancelled update failed, the first that applies.
enum class SoakCause {
  None,
  LostAck,         // an ACK to the sender was lost or damaged: it repeated a block the board had
  FalseCanToSender,  // noise made a CAN that stopped the sender
  FalseCanToBoard,   // the board ended on a CAN the sender never sent
  SenderGaveUp,      // ten tries at one block
  RefusedBlocks,     // three blocks damaged, cut short or stalled beyond the board's patience
};

struct SoakResult {
  SoakCase what;
  SoakVerdict verdict = SoakVerdict::Broken;
  SoakCause cause = SoakCause::None;
  std::string detail;  // Broken: what happened instead
  double board_seconds = 0;
  std::size_t faults = 0;   // noise events in both directions
  std::size_t resends = 0;  // blocks the sender sent again
};

const char* to_string(SoakVerdict verdict);
const char* to_string(SoakCause cause);

std::vector<SoakCase> soak_cases(const SoakSettings& settings);
// The update of one case: the settings' update with the case's noise.
UpdateDemoOptions soak_update(const SoakSettings& settings, const SoakCase& what);
// Runs one update on the emulated board and judges it.
SoakResult run_soak_case(const SoakSettings& settings, const SoakCase& what);
// Judges a finished update.
SoakResult judge(UpdateDemo& demo, const SoakCase& what);

// One line, for a worker process to hand its result over.
std::string encode(const SoakResult& result);
std::optional<SoakResult> decode(std::string_view line);

// The image of the short soak: the code part of `image` (its metadata block and the erased bytes
// before it dropped), filled with 0xFF to whole 1024-byte blocks. The bootloader starts it right
// after the transfer, so a run takes a few blocks instead of 512.
std::vector<std::uint8_t> code_part(const std::vector<std::uint8_t>& image);

}  // namespace ovrimo::tools

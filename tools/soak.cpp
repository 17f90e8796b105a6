#include "soak.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "app_image.h"

namespace ovrimo::tools {

namespace {

using model::LineByte;
using peers::NoisyLine;
using peers::XmodemSender;

constexpr std::string_view kFailedText = "Failed... Please try again.";

}  // namespace

const char* to_string(SoakVerdict verdict) {
  switch (verdict) {
    case SoakVerdict::Updated: return "updated";
    case SoakVerdict::Cancelled: return "cancelled";
    case SoakVerdict::Broken: return "BROKEN";
  }
  return "?";
}

const char* to_string(SoakCause cause) {
  switch (cause) {
    case SoakCause::None: return "-";
    case SoakCause::LostAck: return "lost ACK";
    case SoakCause::FalseCanToSender: return "false CAN to sender";
    case SoakCause::FalseCanToBoard: return "false CAN to board";
    case SoakCause::SenderGaveUp: return "sender gave up";
    case SoakCause::RefusedBlocks: return "3 refused blocks";
  }
  return "?";
}

std::vector<SoakCase> soak_cases(const SoakSettings& settings) {
  std::vector<SoakCase> cases;
  for (std::size_t level = 0; level < settings.rates.size(); ++level)
    for (unsigned i = 0; i < settings.updates_per_rate; ++i)
      cases.push_back(SoakCase{level, settings.seed + 1000 * level + i});
  return cases;
}

UpdateDemoOptions soak_update(const SoakSettings& settings, const SoakCase& what) {
  UpdateDemoOptions options = settings.update;
  const double rate = settings.rates.at(what.level);
  if (rate <= 0) return options;
  const peers::LineNoise noise{.bit_error_rate = rate,
                               .drop_rate = rate * settings.drop_ratio,
                               .insert_rate = rate * settings.insert_ratio,
                               .pause_rate = rate * settings.pause_ratio,
                               .pause_min = settings.pause_min,
                               .pause_max = settings.pause_max};
  options.noise = UpdateDemoOptions::Noise{noise, noise, what.seed};
  return options;
}

SoakResult run_soak_case(const SoakSettings& settings, const SoakCase& what) {
  UpdateDemo demo(soak_update(settings, what));
  demo.run(nullptr);
  return judge(demo, what);
}

SoakResult judge(UpdateDemo& demo, const SoakCase& what) {
  SoakResult r;
  r.what = what;
  r.board_seconds = model::to_seconds(demo.run_end().board - demo.run_start().board);
  const NoisyLine* noise = demo.noisy_line();
  if (noise != nullptr) r.faults = noise->faults().size();
  for (const auto& t : demo.sender().transmissions()) r.resends += t.attempt > 0 ? 1 : 0;

  const auto& image = demo.new_image();
  const auto& flash = demo.board().flash_array().bytes();
  const std::size_t offset = app_image::kBase - model::FlashArray::kBase;
  const bool exact = std::equal(image.begin(), image.end(), flash.begin() + static_cast<std::ptrdiff_t>(offset));

  std::optional<model::Time> failed_at;
  bool updated_line = false;
  for (const auto& line : demo.emulator().printed_lines()) {
    if (!failed_at && line.text.find(kFailedText) != std::string::npos) failed_at = line.end;
    if (line.text.find("Firmware updated!") != std::string::npos) updated_line = true;
  }
  const bool handed_off = demo.emulator().handed_off();
  if (handed_off || updated_line) {
    if (!exact) {
      r.detail = "the board reported success but the flash differs from the image";
      return r;
    }
    const auto& version = demo.new_version();
    if (!demo.app_line() || (version && demo.app_line()->find(to_string(*version)) == std::string::npos)) {
      r.detail = "the new application did not report its version after the hand-off";
      return r;
    }
    r.verdict = SoakVerdict::Updated;
    return r;
  }
  if (!failed_at) {
    r.detail = "neither the hand-off nor the menu after a failure (" + std::string(emu::to_string(demo.result().reason)) +
               ": " + demo.result().detail + ")";
    return r;
  }
  r.verdict = SoakVerdict::Cancelled;

  bool board_cancelled = false;
  for (const LineByte& b : demo.board().usart2().line_log())
    if (b.direction == LineByte::Direction::FromDevice && b.value == XmodemSender::kCan && b.end <= *failed_at)
      board_cancelled = true;
  bool ack_lost = false, false_can = false;
  if (noise != nullptr) {
    for (const auto& f : noise->faults()) {
      if (f.at > *failed_at || f.direction != NoisyLine::Direction::FromDevice) continue;
      const bool damaged = f.kind == NoisyLine::Fault::Kind::Drop || f.kind == NoisyLine::Fault::Kind::Flip;
      if (damaged && f.original == XmodemSender::kAck) ack_lost = true;
      if ((f.kind == NoisyLine::Fault::Kind::Flip || f.kind == NoisyLine::Fault::Kind::Insert) &&
          f.arrived == XmodemSender::kCan)
        false_can = true;
    }
  }
  if (ack_lost) {
    r.cause = SoakCause::LostAck;
  } else if (false_can && demo.sender().state() == XmodemSender::State::Cancelled) {
    r.cause = SoakCause::FalseCanToSender;
  } else if (!board_cancelled) {
    r.cause = demo.sender().state() == XmodemSender::State::GaveUp ? SoakCause::SenderGaveUp
                                                                    : SoakCause::FalseCanToBoard;
  } else {
    r.cause = SoakCause::RefusedBlocks;
  }
  return r;
}

std::string encode(const SoakResult& r) {
  std::string detail = r.detail;
  std::replace(detail.begin(), detail.end(), '\n', ' ');
  std::ostringstream out;
  out << r.what.level << ' ' << r.what.seed << ' ' << static_cast<int>(r.verdict) << ' ' << static_cast<int>(r.cause)
      << ' ' << r.board_seconds << ' ' << r.faults << ' ' << r.resends << ' ' << detail << '\n';
  return out.str();
}

std::optional<SoakResult> decode(std::string_view line) {
  std::istringstream in{std::string(line)};
  SoakResult r;
  int verdict = -1, cause = -1;
  if (!(in >> r.what.level >> r.what.seed >> verdict >> cause >> r.board_seconds >> r.faults >> r.resends))
    return std::nullopt;
  if (verdict < 0 || verdict > static_cast<int>(SoakVerdict::Broken) || cause < 0 ||
      cause > static_cast<int>(SoakCause::RefusedBlocks))
    return std::nullopt;
  r.verdict = static_cast<SoakVerdict>(verdict);
  r.cause = static_cast<SoakCause>(cause);
  std::getline(in >> std::ws, r.detail);
  return r;
}

std::vector<std::uint8_t> code_part(const std::vector<std::uint8_t>& image) {
  std::size_t end = std::min<std::size_t>(image.size(), app_image::kMetaOffset);
  while (end > 0 && image[end - 1] == 0xFF) --end;
  std::vector<std::uint8_t> code(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(end));
  code.resize((end + 1023) / 1024 * 1024, 0xFF);
  return code;
}

}  // namespace ovrimo::tools

#include "power_cut.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <stdexcept>

#include "app_image.h"

namespace ovrimo::tools {

namespace {

using model::FlashOperation;
using model::Time;

// What the bootloader prints when it refuses to start what it holds, and its question.
constexpr std::string_view kNoApplication = "No valid application - please update.";
constexpr std::string_view kQuestion = "Send 'Y'";
// The operator's 'N' comes this long after the question; the board then starts the application or
// refuses well within the limit (its own question would wait 15 s).
constexpr Time kAnswerAfter = 20 * model::kMillisecond;
constexpr Time kPowerOnLimit = 10 * model::kSecond;

Time middle(const FlashOperation& op) { return op.started + (op.ends - op.started) / 2; }

// Control characters (the colour escapes of the console) left out, for a one-line report.
std::string printable(std::string_view text) {
  std::string out;
  bool escape = false;
  for (char c : text) {
    if (c == '\x1b') {
      escape = true;
    } else if (escape) {
      escape = (c < '@' || c > '~') || c == '[';
    } else if (static_cast<unsigned char>(c) >= 0x20) {
      out.push_back(c);
    }
  }
  return out;
}

class PointChooser {
 public:
  explicit PointChooser(const UpdateTimeline& t) : t_(t) {}

  std::vector<CutPoint> choose(std::size_t spread) {
    before_erase();
    erases();
    programs();
    before_acks();
    metadata();
    after_eot();
    hand_off();
    const Time from = t_.transfer_start, to = t_.eot_ack;
    for (std::size_t k = 0; k < spread; ++k) {
      const Time at = from + static_cast<Time>((static_cast<long double>(k) + 0.5L) * static_cast<long double>(to - from) /
                                               static_cast<long double>(spread));
      add(CutKind::Spread, at, "spread point " + std::to_string(k + 1) + " of " + std::to_string(spread));
    }
    std::stable_sort(points_.begin(), points_.end(), [](const CutPoint& a, const CutPoint& b) { return a.at < b.at; });
    return std::move(points_);
  }

 private:
  const FlashOperation* find(const std::function<bool(const FlashOperation&)>& match) const {
    const auto it = std::find_if(t_.operations.begin(), t_.operations.end(), match);
    return it == t_.operations.end() ? nullptr : &*it;
  }
  const FlashOperation* program_at(std::uint32_t address) const {
    return find([address](const FlashOperation& op) {
      return op.kind == FlashOperation::Kind::Program && op.address == address;
    });
  }
  // Start of the ACK frame of plan step `step`: the board has decided on the block by then.
  Time ack_start(std::size_t step) const { return t_.acks[step].at - t_.char_time; }
  // How many ACKs the sender has had at `at`.
  std::size_t acks_before(Time at) const {
    return static_cast<std::size_t>(std::count_if(t_.acks.begin(), t_.acks.end(), [at](const BlockAck& a) { return a.at <= at; }));
  }
  // The operations the board ran for block `step`, after the previous block's ACK.
  std::vector<const FlashOperation*> block_operations(std::size_t step) const {
    const Time from = step == 0 ? t_.transfer_start : t_.acks[step - 1].at;
    const Time to = ack_start(step);
    std::vector<const FlashOperation*> out;
    for (const FlashOperation& op : t_.operations)
      if (op.kind == FlashOperation::Kind::Program && op.started >= from && op.started < to) out.push_back(&op);
    return out;
  }
  std::optional<std::size_t> block_of(const FlashOperation& op) const {
    for (std::size_t step = 0; step < t_.blocks; ++step)
      if (op.started < ack_start(step)) return step;
    return std::nullopt;
  }

  void add(CutKind kind, Time at, std::string what) { points_.push_back(CutPoint{kind, at, std::move(what), false, {}, {}}); }
  // Aimed at the middle of `op`, which must then be running.
  void add_during(CutKind kind, const FlashOperation* op, const std::string& what) {
    if (op == nullptr) return;
    const Time at = middle(*op);
    points_.push_back(CutPoint{kind, at, what + ", halfway", true, *op, acks_before(at)});
  }
  // Aimed where no operation runs and the sender has had `acks` ACKs.
  void add_idle(CutKind kind, Time at, const std::string& what) {
    points_.push_back(CutPoint{kind, at, what, true, std::nullopt, acks_before(at)});
  }

  // Nothing of the old application is gone yet: the board must still start it.
  void before_erase() {
    const auto* first = find([](const FlashOperation& op) { return op.kind == FlashOperation::Kind::PageErase; });
    if (first == nullptr || first->started <= t_.transfer_start) return;
    add_idle(CutKind::BeforeErase, t_.transfer_start / 2, "halfway from power-on to the transfer's start");
    add_idle(CutKind::BeforeErase, t_.transfer_start + (first->started - t_.transfer_start) / 2, "block 1 arriving");
    add_idle(CutKind::BeforeErase, first->started - model::kMicrosecond, "just before the first erase");
  }

  void erases() {
    const std::uint32_t pages[] = {app_image::kBase, app_image::kBase + 32 * app_image::kPageSize,
                                   APP_META_BASE & ~(app_image::kPageSize - 1), app_image::kErasedEnd - app_image::kPageSize};
    for (std::uint32_t page : pages) {
      const auto* op = find([page](const FlashOperation& o) {
        return o.kind == FlashOperation::Kind::PageErase && o.address == page;
      });
      const unsigned number = (page - model::FlashArray::kBase) / app_image::kPageSize;
      add_during(CutKind::Erase, op, "erase of page " + std::to_string(number));
    }
  }

  void programs() {
    if (t_.blocks < 4) return;
    const auto first = block_operations(0);
    if (!first.empty()) add_during(CutKind::Program, first.front(), "first quad-word of block 1 programmed");
    for (std::size_t step : {t_.blocks / 2, t_.blocks - 2}) {
      const auto ops = block_operations(step);
      if (!ops.empty())
        add_during(CutKind::Program, ops[ops.size() / 2], "a quad-word in the middle of block " + std::to_string(step + 1));
    }
    // The held-back vectors, written when the EOT arrives.
    const auto* vectors = find([this](const FlashOperation& op) {
      return op.kind == FlashOperation::Kind::Program && op.address == app_image::kBase && op.started > ack_start(t_.blocks - 1);
    });
    add_during(CutKind::Program, vectors, "the vector quad-word written at the EOT");
  }

  void before_acks() {
    if (t_.blocks < 4) return;
    for (std::size_t step : {std::size_t{0}, std::size_t{1}, t_.blocks / 2, t_.blocks - 2}) {
      const auto ops = block_operations(step);
      if (ops.empty()) continue;
      const Time from = ops.back()->ends, to = ack_start(step);
      if (to > from) add_idle(CutKind::BeforeAck, from + (to - from) / 2, "block " + std::to_string(step + 1) + " written, before its ACK");
    }
  }

  void metadata() {
    const auto* magic = program_at(APP_META_BASE);
    if (magic == nullptr) return;
    if (const auto* before = program_at(APP_META_BASE - 16); before != nullptr && magic->started > before->ends)
      add_idle(CutKind::Metadata, before->ends + (magic->started - before->ends) / 2, "just before the metadata block");
    add_during(CutKind::Metadata, magic, "the metadata's magic and version quad-word");
    add_during(CutKind::Metadata, program_at(APP_META_BASE + 16), "the metadata block's second quad-word");
    add_during(CutKind::Metadata, program_at(APP_META_BASE + app_image::kMetaSize - 16), "the metadata block's last quad-word");
    if (const auto step = block_of(*magic)) {
      const auto ops = block_operations(*step);
      const Time from = ops.back()->ends, to = ack_start(*step);
      if (to > from)
        add_idle(CutKind::Metadata, from + (to - from) / 2,
                 "the metadata's block " + std::to_string(*step + 1) + " written, before its ACK");
    }
  }

  void after_eot() {
    for (Time after : {1 * model::kMicrosecond, 100 * model::kMicrosecond, 1 * model::kMillisecond})
      add_idle(CutKind::AfterEotAck, t_.eot_ack + after, std::to_string(after / model::kMicrosecond) + " us after the EOT's ACK");
  }

  void hand_off() {
    if (t_.handoff <= t_.eot_ack) return;
    const Time span = t_.handoff - t_.eot_ack;
    add_idle(CutKind::HandOff, t_.eot_ack + span / 2, "halfway from the EOT's ACK to the jump");
    add_idle(CutKind::HandOff, t_.eot_ack + span - span / 8, "the board being shut down for the jump");
    add_idle(CutKind::HandOff, t_.handoff - 1 * model::kMicrosecond, "just before the jump");
    add_idle(CutKind::HandOff, t_.handoff + 1 * model::kMicrosecond, "just after the jump");
    if (t_.app_line > t_.handoff)
      add_idle(CutKind::HandOff, t_.handoff + (t_.app_line - t_.handoff) / 2, "the application starting");
  }

  const UpdateTimeline& t_;
  std::vector<CutPoint> points_;
};

bool same_operation(const std::optional<FlashOperation>& a, const std::optional<FlashOperation>& b) {
  if (!a || !b) return a.has_value() == b.has_value();
  return a->kind == b->kind && a->address == b->address && a->started == b->started;
}

}  // namespace

const char* to_string(CutKind kind) {
  switch (kind) {
    case CutKind::BeforeErase: return "before the first erase";
    case CutKind::Erase: return "the middle of a page erase";
    case CutKind::Program: return "the middle of a quad-word program";
    case CutKind::BeforeAck: return "a block written, before its ACK";
    case CutKind::Metadata: return "the metadata block";
    case CutKind::AfterEotAck: return "right after the EOT's ACK";
    case CutKind::HandOff: return "the hand-off";
    case CutKind::Spread: return "spread over the transfer";
  }
  return "?";
}

const char* to_string(PowerOnOutcome outcome) {
  switch (outcome) {
    case PowerOnOutcome::OldApplication: return "old application started";
    case PowerOnOutcome::NewApplication: return "new application started";
    case PowerOnOutcome::NoApplicationPrompt: return "prompt, no valid application";
    case PowerOnOutcome::Bad: return "BAD";
  }
  return "?";
}

std::vector<CutPoint> choose_cut_points(const UpdateTimeline& timeline, std::size_t spread) {
  return PointChooser(timeline).choose(spread);
}

// ---------------------------------------------------------------------------------------------

void RunStopper::stop_all() {
  stopped_.store(true);
  const std::lock_guard lock(mutex_);
  for (emu::Emulator* e : running_) e->request_stop();
}

RunStopper::Registration::Registration(RunStopper* stopper, emu::Emulator& emulator)
    : stopper_(stopper), emulator_(&emulator) {
  if (stopper_ == nullptr) return;
  const std::lock_guard lock(stopper_->mutex_);
  stopper_->running_.push_back(emulator_);
}

RunStopper::Registration::~Registration() {
  if (stopper_ == nullptr) return;
  const std::lock_guard lock(stopper_->mutex_);
  std::erase(stopper_->running_, emulator_);
}

// ---------------------------------------------------------------------------------------------

PowerCutCampaign::PowerCutCampaign(UpdateDemoOptions update) : update_(std::move(update)) {
  bootloader_ = read_image_for(update_.bootloader, whole_flash(model::FlashArray::kBase, true));
  old_image_ = read_image_for(update_.from, flash_above_bootloader()).bytes;
  new_image_ = read_image_for(update_.to, flash_above_bootloader()).bytes;
}

UpdateTimeline PowerCutCampaign::record(RunStopper* stopper) const {
  UpdateDemo demo(update_);
  UpdateTimeline t;
  demo.board().flash().on_operation_started([&t](const FlashOperation& op) { t.operations.push_back(op); });
  {
    const RunStopper::Registration registration(stopper, demo.emulator());
    if (stopper == nullptr || !stopper->stopped()) demo.run(nullptr);
  }
  if (stopper != nullptr && stopper->stopped()) throw CampaignInterrupted();
  if (!demo.failure().empty()) throw std::runtime_error("the update without a power cut fails: " + demo.failure());
  t.acks = demo.acks();
  t.blocks = demo.block_count();
  if (t.acks.size() != t.blocks + 1)
    throw std::runtime_error("the update without a power cut needed blocks sent again: cut points would not be repeatable");
  t.char_time = demo.transfer_char_time();
  t.transfer_start = demo.transfer_start()->board;
  t.eot_ack = t.acks.back().at;
  t.handoff = demo.board().core().handoff->when;
  t.end = demo.board().now();
  t.app_line = t.end;
  for (const emu::PrintedLine& line : demo.emulator().printed_lines())
    if (line.start >= t.handoff) {
      t.app_line = line.start;
      break;
    }
  return t;
}

bool PowerCutCampaign::holds(const model::FlashContents& flash, const std::vector<std::uint8_t>& image) {
  const std::uint32_t offset = app_image::kBase - model::FlashArray::kBase;
  if (offset + image.size() > flash.bytes.size()) return false;
  if (!std::equal(image.begin(), image.end(), flash.bytes.begin() + offset)) return false;
  const auto broken = flash.broken_ecc.lower_bound(offset);
  return broken == flash.broken_ecc.end() || *broken >= offset + image.size();
}

PowerOnOutcome PowerCutCampaign::power_on(const model::FlashContents& flash, std::string& detail,
                                          model::FlashContents* after, RunStopper* stopper) const {
  model::Board board;
  emu::Emulator emulator(board);
  program_flash(emulator, bootloader_);  // for its symbols: the flash is replaced as a whole
  board.flash_array().restore(flash);
  emulator.reset();

  bool answered = false, refused = false;
  std::optional<std::string> app_line;
  emulator.set_line_watch([&](const emu::PrintedLine& line) {
    const auto& handoff = board.core().handoff;
    if (handoff && line.start >= handoff->when) {
      app_line = line.text;
      return true;
    }
    if (line.text.find(kNoApplication) != std::string::npos) refused = true;
    if (line.text.find(kQuestion) == std::string::npos) return false;
    if (refused) return true;  // back at the question
    if (!answered) {
      // 'N' takes the path the 15 s timeout takes, without the wait.
      board.usart2().send_to_device(std::string_view("N"), line.end + kAnswerAfter, model::LineFormat{});
      answered = true;
    }
    return false;
  });
  emulator.set_time_limit(board.now() + kPowerOnLimit);
  emu::RunResult r;
  {
    const RunStopper::Registration registration(stopper, emulator);
    if (stopper != nullptr && stopper->stopped()) throw CampaignInterrupted();
    r = emulator.run();
  }
  if (r.reason == emu::StopReason::Interrupted) throw CampaignInterrupted();
  const model::FlashContents now = board.flash_array().contents();
  if (after != nullptr) *after = now;

  const auto& handoff = board.core().handoff;
  if (r.reason == emu::StopReason::OutputMatched && app_line) {
    detail = printable(*app_line);
    const auto old_version = this->old_version(), new_version = this->new_version();
    if (new_version && app_line->find(to_string(*new_version)) != std::string::npos && holds(now, new_image_))
      return PowerOnOutcome::NewApplication;
    if (old_version && app_line->find(to_string(*old_version)) != std::string::npos && holds(now, old_image_))
      return PowerOnOutcome::OldApplication;
    detail = "started an application (\"" + detail + "\") from a region that holds neither image whole";
    return PowerOnOutcome::Bad;
  }
  if (r.reason == emu::StopReason::OutputMatched && refused && !handoff) {
    detail = std::string(kNoApplication);
    return PowerOnOutcome::NoApplicationPrompt;
  }
  detail = std::string(to_string(r.reason)) + ": " + r.detail;
  if (handoff) {
    char text[96];
    std::snprintf(text, sizeof text, " (after a jump to 0x%08X)", static_cast<unsigned>(handoff->entry));
    detail += text;
  }
  return PowerOnOutcome::Bad;
}

CutResult PowerCutCampaign::run(const CutPoint& point, bool follow_up, RunStopper* stopper) const {
  CutResult result;
  result.point = point;
  model::FlashContents left;
  {
    UpdateDemoOptions options = update_;
    options.limit = point.at;
    UpdateDemo demo(options);
    {
      const RunStopper::Registration registration(stopper, demo.emulator());
      if (stopper != nullptr && stopper->stopped()) throw CampaignInterrupted();
      demo.run(nullptr);
    }
    const auto reason = demo.result().reason;
    if (reason == emu::StopReason::Interrupted) throw CampaignInterrupted();
    result.cut_at = demo.board().now();
    result.interrupted = demo.board().flash().running_operation();
    result.acks_at_cut = demo.acks().size();
    result.on_target = (!point.check_operation || same_operation(result.interrupted, point.operation)) &&
                       (!point.acks || *point.acks == result.acks_at_cut);
    if (reason != emu::StopReason::TimeLimit && reason != emu::StopReason::OutputMatched) {
      result.outcome = PowerOnOutcome::Bad;
      result.detail = "before the cut, the update ended with " + std::string(to_string(reason)) + ": " +
                      demo.result().detail;
      return result;
    }
    demo.board().power_on_reset();  // the cut: an operation in progress is abandoned
    left = demo.board().flash_array().contents();
  }
  result.broken_quad_words = left.broken_ecc.size();

  model::FlashContents after;
  result.outcome = power_on(left, result.detail, &after, stopper);
  if (!follow_up) return result;

  UpdateDemoOptions options = update_;
  options.flash = std::move(after);
  UpdateDemo demo(options);
  {
    const RunStopper::Registration registration(stopper, demo.emulator());
    if (stopper != nullptr && stopper->stopped()) throw CampaignInterrupted();
    demo.run(nullptr);
  }
  if (demo.result().reason == emu::StopReason::Interrupted) throw CampaignInterrupted();
  result.follow_up_failure = demo.failure();
  if (result.follow_up_failure.empty() && !demo.board().flash_array().broken_quad_words().empty())
    result.follow_up_failure = "the update left quad-words with broken ECC, first at offset " +
                               std::to_string(*demo.board().flash_array().broken_quad_words().begin());
  result.follow_up_updated = result.follow_up_failure.empty();
  return result;
}

}  // namespace ovrimo::tools

#include "update_demo.h"

#include <time.h>

#include <algorithm>
#include <cstdio>

namespace ovrimo::tools {

namespace {

using peers::XmodemSender;

// The bootloader's question; the operator answers once it is complete.
constexpr std::string_view kPromptText = "Send 'Y'";
// The board's line when it starts a transfer; its question after that means it is back at the menu.
constexpr std::string_view kTransferText = "via XMODEM now";

bool finished(XmodemSender::State s) {
  return s == XmodemSender::State::Done || s == XmodemSender::State::Cancelled ||
         s == XmodemSender::State::GaveUp || s == XmodemSender::State::PlanExhausted;
}

}  // namespace

// ---------------------------------------------------------------------------------------------

// The far end of USART2: the operator at the terminal, who reads the menu, types 'Y' and then
// lets the XMODEM sender do the talking until the transfer is over. What the board prints goes
// to the view; the protocol bytes become a progress line instead.
class UpdateDemo::Operator : public model::LinePeer {
 public:
  Operator(UpdateDemo& demo, ConsoleView* view) : demo_(demo), view_(view) {}

  void on_byte_from_device(std::uint16_t value, model::Time time) override {
    const auto byte = static_cast<std::uint8_t>(value);
    switch (phase_) {
      case Phase::Menu: menu(byte, time); return;
      case Phase::Answered: answered(byte, time); return;
      case Phase::Transfer: transfer(byte, time); return;
      case Phase::After: after(byte); return;
    }
  }

  void on_detach() override {
    if (phase_ != Phase::Menu) demo_.sender_end().on_detach();
    LinePeer::on_detach();
  }

  bool answered_prompt() const { return phase_ != Phase::Menu; }
  // Nothing the board does from here on can make the update happen: the transfer ended without
  // success, or the board asked again instead of taking the answer. Set at a line's end.
  bool outcome_clear() const { return given_up_; }

 private:
  enum class Phase { Menu, Answered, Transfer, After };

  void show(std::uint8_t byte) {
    if (view_ != nullptr) view_->device_byte(byte);
  }

  void menu(std::uint8_t byte, model::Time time) {
    show(byte);
    // The prompt is complete with its line feed (the bootloader ends its lines with CR LF).
    if (byte != '\n') {
      if (byte != '\r') text_.push_back(static_cast<char>(byte));
      return;
    }
    const bool prompt = text_.find(kPromptText) != std::string::npos;
    text_.clear();
    if (!prompt) return;
    const model::LineFormat format{demo_.options_.baud};
    line_->send_to_device(std::string_view("Y"), time + demo_.options_.answer_after, format);
    if (view_ != nullptr) {
      char note[96];
      std::snprintf(note, sizeof note, "[ovrimo demo: the operator types 'Y', %.1f s after the prompt]",
                    model::to_seconds(demo_.options_.answer_after));
      view_->note(note);
    }
    phase_ = Phase::Answered;
    // The sender listens from now on and starts on the bootloader's first 'C'.
    demo_.sender_end().on_attach(*line_);
  }

  void answered(std::uint8_t byte, model::Time time) {
    demo_.sender_end().on_byte_from_device(byte, time);
    if (demo_.sender_->state() == XmodemSender::State::WaitingStart) {
      // The prompt again means the answer was not taken, as after a transfer.
      if (byte != XmodemSender::kC) after(byte);
      return;
    }
    phase_ = Phase::Transfer;
    demo_.transfer_start_ = demo_.mark();
    demo_.transfer_hclk_hz_ = demo_.board_->rcc().hclk_hz();
    demo_.transfer_char_time_ = demo_.board_->usart2().frame_time();
    report(false);
    if (finished(demo_.sender_->state())) end_transfer();
  }

  void transfer(std::uint8_t byte, model::Time time) {
    const std::size_t step = demo_.sender_->current_step();
    const auto state = demo_.sender_->state();
    demo_.sender_end().on_byte_from_device(byte, time);
    if (byte == XmodemSender::kAck &&
        (demo_.sender_->current_step() != step || demo_.sender_->state() != state)) {
      demo_.acks_.push_back(BlockAck{step, time});
      report(false);
    }
    if (finished(demo_.sender_->state())) end_transfer();
  }

  // After a completed transfer the board starts the new image; its prompt again means it did not
  // (known as soon as the prompt's words are out, not at the end of its line).
  void after(std::uint8_t byte) {
    show(byte);
    if (byte == '\n' || byte == '\r') {
      text_.clear();
      return;
    }
    text_.push_back(static_cast<char>(byte));
    if (text_.ends_with(kPromptText)) given_up_ = true;
  }

  void end_transfer() {
    text_.clear();
    if (demo_.sender_->state() != XmodemSender::State::Done) given_up_ = true;
    demo_.transfer_end_ = demo_.mark();
    report(true);
    if (view_ != nullptr) view_->end_status();
    phase_ = Phase::After;
  }

  // The progress line: blocks and bytes acknowledged, board time since the transfer started.
  void report(bool final) {
    if (view_ == nullptr) return;
    const auto& plan = demo_.sender_->plan();
    std::size_t blocks = 0, bytes = 0;
    for (const BlockAck& ack : demo_.acks_) {
      if (ack.step < plan.size() && plan[ack.step].kind == XmodemSender::Step::Kind::Block) {
        ++blocks;
        bytes += plan[ack.step].bytes.size();
      }
    }
    std::size_t resends = 0;
    for (const auto& t : demo_.sender_->transmissions()) resends += t.attempt > 0 ? 1 : 0;
    const double elapsed = model::to_seconds(demo_.board_->now() - demo_.transfer_start_->board);
    const std::size_t total = demo_.blocks_;
    // On a log, a line at each quarter and at the end.
    const std::size_t quarter = blocks * 4 / std::max<std::size_t>(total, 1);
    const bool milestone = final || (quarter > last_quarter_ && blocks < total);
    last_quarter_ = std::max(last_quarter_, quarter);
    if (!final && view_->style() == ConsoleView::Style::Terminal && blocks % 4 != 0 && blocks != total) return;

    char text[200];
    if (!final) {
      std::snprintf(text, sizeof text, "[XMODEM: %zu/%zu blocks, %zu bytes acknowledged, %.2f s of board time]",
                    blocks, total, bytes, elapsed);
    } else if (demo_.sender_->state() == XmodemSender::State::Done) {
      std::snprintf(text, sizeof text,
                    "[XMODEM: done, %zu blocks, %zu bytes and EOT acknowledged in %.2f s of board time "
                    "(%.0f bytes/s), %zu resends]",
                    blocks, bytes, elapsed, elapsed > 0 ? static_cast<double>(bytes) / elapsed : 0.0, resends);
    } else {
      std::snprintf(text, sizeof text, "[XMODEM: stopped (%s) after %zu/%zu blocks, %.2f s of board time]",
                    peers::to_string(demo_.sender_->state()), blocks, total, elapsed);
    }
    view_->status(text, milestone);
  }

  UpdateDemo& demo_;
  ConsoleView* view_;
  Phase phase_ = Phase::Menu;
  std::string text_;
  std::size_t last_quarter_ = 0;
  bool given_up_ = false;
};

// ---------------------------------------------------------------------------------------------

UpdateDemo::UpdateDemo(UpdateDemoOptions options) : options_(std::move(options)) {
  // A larger image than the application region may still be sent, to see it refused; only one
  // that cannot be in flash above the bootloader is a mistake of the command line.
  const AppImage bootloader = read_image_for(options_.bootloader, whole_flash(model::FlashArray::kBase, true));
  AppImage from;
  if (!options_.flash) from = read_image_for(options_.from, flash_above_bootloader());
  const AppImage to = read_image_for(options_.to, flash_above_bootloader());
  for (std::size_t size : options_.block_sizes)
    if (size != 128 && size != 1024) throw InputFileError("block sizes are 128 or 1024, not " + std::to_string(size));
  if (options_.block_sizes.empty()) options_.block_sizes = {1024};
  from_image_ = from.bytes;
  to_image_ = to.bytes;
  to_version_ = image_version(to_image_);

  board_ = std::make_unique<model::Board>();
  emu::EmulatorOptions emulator_options;
  emulator_options.skip_waits = options_.skip_waits;
  if (options_.unicorn) emulator_options.cpu = emu::EmulatorOptions::Cpu::Unicorn;
  emulator_ = std::make_unique<emu::Emulator>(*board_, emulator_options);
  try {
    program_flash(*emulator_, bootloader);  // its symbols too, for fault reports, in either case
    require_vector_table(*emulator_, model::FlashArray::kBase, options_.bootloader.string(), bootloader);
    if (options_.flash) board_->flash_array().restore(*options_.flash);
    else program_flash(*emulator_, from);
  } catch (const std::exception& e) {
    throw InputFileError(e.what());
  }

  XmodemSender::Options sender_options;
  sender_options.format = model::LineFormat{options_.baud};
  sender_ = std::make_unique<XmodemSender>(sender_options);
  sender_->add_image(to_image_, options_.block_sizes);
  blocks_ = sender_->plan().size();
  sender_->add_eot();
  if (options_.noise) {
    noisy_ = std::make_unique<peers::NoisyLine>(*sender_, options_.noise->to_board, options_.noise->from_board,
                                                options_.noise->seed);
  }

  board_->flash().on_flash_changed(
      [this](std::uint32_t, std::uint32_t size) { flash_changes_.push_back(FlashChange{board_->now(), size}); });
}

UpdateDemo::~UpdateDemo() {
  if (board_) board_->usart2().detach();
}

model::LinePeer& UpdateDemo::sender_end() {
  if (noisy_) return *noisy_;
  return *sender_;
}

Mark UpdateDemo::mark() const {
  timespec cpu{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
  return Mark{std::chrono::steady_clock::now(), static_cast<double>(cpu.tv_sec) + static_cast<double>(cpu.tv_nsec) * 1e-9,
              emulator_->instructions(), board_->now()};
}

void UpdateDemo::run(ConsoleView* view) {
  operator_ = std::make_unique<Operator>(*this, view);
  board_->usart2().attach(*operator_);
  emulator_->reset();
  emulator_->set_time_limit(board_->now() + options_.limit);
  emulator_->set_line_watch([this, transfer_line = false](const emu::PrintedLine& line) mutable {
    if (operator_->outcome_clear()) return true;
    // Back at the menu, whatever the sender believes (noise may have kept the board's cancel
    // from it, or made one up).
    if (transfer_line && line.text.find(kPromptText) != std::string::npos) return true;
    if (line.text.find(kTransferText) != std::string::npos) transfer_line = true;
    const auto& handoff = board_->core().handoff;
    if (!handoff || line.start < handoff->when) return false;
    app_line_ = line.text;
    return true;
  });
  run_start_ = mark();
  result_ = emulator_->run();
  run_end_ = mark();
  if (view != nullptr) view->finish();
  check_outcome();
}

void UpdateDemo::check_outcome() {
  failure_.clear();
  auto fail = [this](std::string text) {
    if (result_.reason == emu::StopReason::Fault || result_.reason == emu::StopReason::MaskedSpin ||
        result_.reason == emu::StopReason::Interrupted)
      text += " (the run ended with: " + std::string(emu::to_string(result_.reason)) + ": " + result_.detail + ")";
    failure_ = std::move(text);
  };
  if (!operator_->answered_prompt()) return fail("the bootloader's prompt never appeared");
  if (sender_->state() == XmodemSender::State::WaitingStart) {
    char text[200];
    std::snprintf(text, sizeof text, "the board did not understand the answer 'Y' sent at %u baud: it %s", options_.baud,
                  emulator_->handed_off() ? "went on to start the installed application"
                                          : "never asked for the image");
    return fail(text);
  }
  if (sender_->state() != XmodemSender::State::Done) {
    return fail("the update did not complete: the sender " + std::string(peers::to_string(sender_->state())) +
                " after " + std::to_string(acks_.size()) + " of " + std::to_string(blocks_) + " blocks");
  }
  const auto& flash = board_->flash_array().bytes();
  const std::size_t offset = kAppAddress - model::FlashArray::kBase;
  const auto mismatch = std::mismatch(to_image_.begin(), to_image_.end(), flash.begin() + static_cast<std::ptrdiff_t>(offset));
  if (mismatch.first != to_image_.end()) {
    const auto at = static_cast<std::uint32_t>(mismatch.first - to_image_.begin());
    return fail("the application region differs from the new image, first at " + hex32(kAppAddress + at));
  }
  if (!emulator_->handed_off()) return fail("the bootloader did not hand off to the application after the update");
  if (!app_line_) return fail("the application printed no line after the hand-off");
  if (to_version_ && app_line_->find(to_string(*to_version_)) == std::string::npos)
    return fail("the application reports \"" + *app_line_ + "\", not version " + to_string(*to_version_));
}

}  // namespace ovrimo::tools

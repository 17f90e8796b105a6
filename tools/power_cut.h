// Power cuts during an application update, on the real bootloader image in the emulator.
//
// The update of `ovrimo demo` is run once through to learn when everything happens (each erase
// and program from the flash model, each ACK from the line). A cut point is a board time; for each
// one a fresh board runs the same update up to that time and loses its power there: the flash
// keeps what the cut left, a half-programmed quad-word or a half-erased page with ECC that matches
// nothing included. A second fresh board is powered on from exactly that flash and answered 'N'
// (the path its prompt's timeout takes): it must start a complete application, old or new, or
// stay at its prompt saying there is no valid application; anything else (a fault, a hang, a jump
// into a half-written image) is a defect. From the flash it ends with, an update must then succeed.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "emu/emulator.h"
#include "image_file.h"
#include "model/flash.h"
#include "update_demo.h"

namespace ovrimo::tools {

// What a cut point aims at.
enum class CutKind {
  BeforeErase,  // the old application still whole: booting, the prompt, block 1 arriving
  Erase,        // the middle of a page erase of the application region
  Program,      // the middle of a quad-word program
  BeforeAck,    // a block programmed and read back, its ACK not yet sent
  Metadata,     // the programming of the metadata block (magic word and version)
  AfterEotAck,  // the EOT acknowledged, the new vectors written
  HandOff,      // between the EOT's ACK and the new application's first line
  Spread,       // evenly spread over the transfer, wherever that falls
};
inline constexpr CutKind kCutKinds[] = {CutKind::BeforeErase, CutKind::Erase,       CutKind::Program, CutKind::BeforeAck, CutKind::Metadata,
                                        CutKind::AfterEotAck, CutKind::HandOff, CutKind::Spread};
const char* to_string(CutKind kind);

struct CutPoint {
  CutKind kind = CutKind::Spread;
  model::Time at = 0;  // board time of the cut
  std::string what;    // for a person: "erase of page 8, halfway"
  // What must be true at the cut for the point to have hit its aim (checked, not assumed): the
  // operation running (or none), and how many ACKs the sender has had.
  bool check_operation = false;
  std::optional<model::FlashOperation> operation;
  std::optional<std::size_t> acks;
};

// The update, run once through without a cut.
struct UpdateTimeline {
  std::vector<model::FlashOperation> operations;  // in the order they started
  std::vector<BlockAck> acks;                     // blocks, then the EOT
  std::size_t blocks = 0;
  model::Time char_time = 0;       // one frame on the line
  model::Time transfer_start = 0;  // the receiver's 'C' taken
  model::Time eot_ack = 0;         // end of the EOT's ACK frame
  model::Time handoff = 0;
  model::Time app_line = 0;        // start of the new application's first line
  model::Time end = 0;
};

// Cut points at each aim (a few of each kind) and `spread` points evenly spread from the start of
// the transfer to the EOT's ACK, in time order.
std::vector<CutPoint> choose_cut_points(const UpdateTimeline& timeline, std::size_t spread);

enum class PowerOnOutcome { OldApplication, NewApplication, NoApplicationPrompt, Bad };
const char* to_string(PowerOnOutcome outcome);

struct CutResult {
  CutPoint point;
  model::Time cut_at = 0;                              // when the power went
  std::optional<model::FlashOperation> interrupted;    // the operation the cut abandoned
  std::size_t acks_at_cut = 0;
  bool on_target = false;                              // the point's checks held at the cut
  std::size_t broken_quad_words = 0;                   // ECC matching nothing after the cut
  PowerOnOutcome outcome = PowerOnOutcome::Bad;
  std::string detail;                                  // the application's line, or what went wrong
  std::optional<bool> follow_up_updated;               // empty when no update followed
  std::string follow_up_failure;
};

// Thrown by the campaign's runs once a RunStopper has stopped them.
class CampaignInterrupted : public std::runtime_error {
 public:
  CampaignInterrupted() : std::runtime_error("interrupted") {}
};

// Stops the runs in progress from another thread (an interruption).
class RunStopper {
 public:
  void stop_all();
  bool stopped() const { return stopped_.load(); }

  class Registration {
   public:
    Registration(RunStopper* stopper, emu::Emulator& emulator);
    ~Registration();
    Registration(const Registration&) = delete;
    Registration& operator=(const Registration&) = delete;

   private:
    RunStopper* stopper_;
    emu::Emulator* emulator_;
  };

 private:
  std::atomic<bool> stopped_{false};
  std::mutex mutex_;
  std::vector<emu::Emulator*> running_;
};

class PowerCutCampaign {
 public:
  // Reads the images; throws InputFileError.
  explicit PowerCutCampaign(UpdateDemoOptions update);

  const UpdateDemoOptions& update() const { return update_; }
  std::optional<AppVersion> old_version() const { return image_version(old_image_); }
  std::optional<AppVersion> new_version() const { return image_version(new_image_); }

  // The update once through. Throws std::runtime_error when it does not succeed: cuts of an
  // update that fails anyway prove nothing.
  UpdateTimeline record(RunStopper* stopper = nullptr) const;
  // The cut, the power-on from what it left and, if asked, an update from there. Safe to call
  // from several threads at once: every run has its own board.
  CutResult run(const CutPoint& point, bool follow_up, RunStopper* stopper = nullptr) const;

  // A board powered on from `flash` and answered 'N': what it starts, or why it is bad. `after`
  // receives the flash as the board left it.
  PowerOnOutcome power_on(const model::FlashContents& flash, std::string& detail, model::FlashContents* after,
                          RunStopper* stopper) const;

 private:
  // Whether the application region holds exactly `image`, with every ECC intact.
  static bool holds(const model::FlashContents& flash, const std::vector<std::uint8_t>& image);

  UpdateDemoOptions update_;
  AppImage bootloader_;
  std::vector<std::uint8_t> old_image_;
  std::vector<std::uint8_t> new_image_;
};

}  // namespace ovrimo::tools

// Power cuts during an update on the real image: one cut at each aim of the campaign and two
// spread ones, each followed by a power-on from exactly what the cut left, one also by an update.
#include <gtest/gtest.h>

#include <map>

#include "emu/emu_support.h"
#include "power_cut.h"
#include "update_cli.h"

namespace ovrimo::tools {
namespace {

using emu::testing::firmware_file;

class PowerCutSlow : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"bootloader.elf", "app-01.02.03.bin", "app-01.02.04.bin"}) ASSERT_ARTEFACT(firmware_file(name));
    UpdateDemoOptions options;
    options.bootloader = firmware_file("bootloader.elf");
    options.from = firmware_file("app-01.02.03.bin");
    options.to = firmware_file("app-01.02.04.bin");
    campaign = std::make_unique<PowerCutCampaign>(options);
  }
  std::unique_ptr<PowerCutCampaign> campaign;
};

TEST_F(PowerCutSlow, EachAimLeavesACompleteApplicationOrThePromptAndAnUpdateFollows) {
  const UpdateTimeline timeline = campaign->record();
  const auto points = choose_cut_points(timeline, 2);
  std::map<std::string, const CutPoint*> by_what;
  for (const CutPoint& p : points) by_what[p.what] = &p;

  struct Case {
    std::string what;
    PowerOnOutcome outcome;
    std::size_t broken;  // quad-words the cut left with broken ECC
    bool follow_up = false;
  };
  const Case cases[] = {
      {"just before the first erase", PowerOnOutcome::OldApplication, 0},
      {"erase of page 8, halfway", PowerOnOutcome::NoApplicationPrompt, 512},
      {"first quad-word of block 1 programmed, halfway", PowerOnOutcome::NoApplicationPrompt, 1},
      {"block 1 written, before its ACK", PowerOnOutcome::NoApplicationPrompt, 0},
      // The whole image but its vectors is in flash, the metadata unreadable: the board must
      // neither start it nor give up on the update that mends it.
      {"the metadata's magic and version quad-word, halfway", PowerOnOutcome::NoApplicationPrompt, 1, true},
      // Everything written, the vectors cut: the metadata says 01.02.04, the vectors are unreadable.
      {"the vector quad-word written at the EOT, halfway", PowerOnOutcome::NoApplicationPrompt, 1},
      {"1 us after the EOT's ACK", PowerOnOutcome::NewApplication, 0},
      {"just before the jump", PowerOnOutcome::NewApplication, 0},
      {"spread point 1 of 2", PowerOnOutcome::NoApplicationPrompt, 0},
      {"spread point 2 of 2", PowerOnOutcome::NoApplicationPrompt, 0},
  };
  std::map<CutKind, int> kinds;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(by_what.count(c.what), 1u);
    const CutResult r = campaign->run(*by_what[c.what], c.follow_up);
    ++kinds[r.point.kind];
    EXPECT_TRUE(r.on_target) << r.acks_at_cut << " ACKs, cut at " << model::to_seconds(r.cut_at) << " s";
    EXPECT_EQ(r.outcome, c.outcome) << to_string(r.outcome) << ": " << r.detail;
    EXPECT_EQ(r.broken_quad_words, c.broken);
    EXPECT_EQ(r.follow_up_updated, c.follow_up ? std::optional<bool>(true) : std::nullopt) << r.follow_up_failure;
  }
  EXPECT_EQ(kinds.size(), std::size(kCutKinds));
}

}  // namespace
}  // namespace ovrimo::tools

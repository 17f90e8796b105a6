// `ovrimo image` as an engineer runs it on a fresh build: the verdicts and the exit status.
#include <gtest/gtest.h>

#include <string>

#include "tool_support.h"

namespace ovrimo::emu {
namespace {

using testing::firmware_file;
using testing::slurp;
using ImageCli = testing::ToolTest;

std::size_t count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST_F(ImageCli, StampMakesAnUnstampedBuildPassEveryCheck) {
  const auto bin = firmware_file("app-01.02.04.bin");
  ASSERT_ARTEFACT(bin);
  const auto plain = dir / "plain.bin", stamped = dir / "stamped.bin";
  testing::spill(plain, slurp(bin).substr(0, 9000));

  const testing::Outcome before = ovrimo("image info " + plain.string());
  EXPECT_EQ(before.status, 2) << before.out;
  EXPECT_EQ(count(before.out, "FAIL"), 1u) << before.out;  // only the metadata block is missing
  EXPECT_NE(before.out.find("version     none"), std::string::npos) << before.out;

  const testing::Outcome stamp = ovrimo("image stamp " + plain.string() + " " + stamped.string() + " --version 1.2.5");
  ASSERT_EQ(stamp.status, 0) << stamp.out << stamp.err;
  const testing::Outcome after = ovrimo("image info " + stamped.string());
  EXPECT_EQ(after.status, 0) << after.out;
  EXPECT_EQ(count(after.out, "FAIL"), 0u) << after.out;
  EXPECT_NE(after.out.find("version     01.02.05"), std::string::npos) << after.out;
  EXPECT_EQ(slurp(stamped).size(), 512u * 1024);

  // An image with its own bytes where the block goes is left alone, and nothing is written.
  const auto full = dir / "full.bin";
  testing::spill(full, slurp(bin).substr(0, 0x7FF00) + std::string(0x100, 'x'));
  const testing::Outcome refused = ovrimo("image stamp " + full.string() + " " + (dir / "out.bin").string() + " --version 1.0.0");
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("the image's own bytes occupy the metadata block: 0x0808FF00 holds 0x78"),
            std::string::npos)
      << refused.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "out.bin"));
}

}  // namespace
}  // namespace ovrimo::emu

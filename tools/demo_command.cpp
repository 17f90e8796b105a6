// `ovrimo demo`: an application update on the emulated board, as the operator sees it.
#include <CLI/CLI.hpp>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "commands.h"
#include "update_cli.h"
#include "update_demo.h"

namespace ovrimo::tools {

namespace {

enum DemoStatus { kUpdated = 0, kBadInput = 1, kNotUpdated = 2, kInterrupted = 5 };

std::atomic<UpdateDemo*> g_demo{nullptr};

extern "C" void stop_demo_on_signal(int) {
  if (UpdateDemo* d = g_demo.load()) d->request_stop();
}

int run_demo(const UpdateFiles& files, const std::string& limit, bool readable) {
  UpdateDemoOptions options = resolve(files);
  std::unique_ptr<UpdateDemo> demo;
  try {
    options.limit = parse_board_seconds(limit, "--limit");
    demo = std::make_unique<UpdateDemo>(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ovrimo demo: %s\n", e.what());
    return kBadInput;
  }
  ConsoleView view(stdout, readable ? ConsoleView::Style::Readable : ConsoleView::style_for(stdout));
  const auto from_version = demo->old_version();
  std::string intro = "[ovrimo demo: " + options.bootloader.filename().string() + " on the emulated board, application " +
                      (from_version ? to_string(*from_version) : options.from.filename().string()) +
                      " installed; update to " +
                      (demo->new_version() ? to_string(*demo->new_version()) : options.to.filename().string()) +
                      " over XMODEM]";
  view.note(intro);

  g_demo.store(demo.get());
  std::signal(SIGINT, stop_demo_on_signal);
  std::signal(SIGTERM, stop_demo_on_signal);
  std::signal(SIGPIPE, SIG_IGN);
  demo->run(&view);
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  g_demo.store(nullptr);

  const Mark& start = demo->run_start();
  const Mark& end = demo->run_end();
  const double wall = std::chrono::duration<double>(end.wall - start.wall).count();
  const double board = model::to_seconds(end.board - start.board);
  std::fprintf(stderr, "ovrimo demo: %.2f s of board time in %.2f s (%.1f times real time)\n", board, wall,
               wall > 0 ? board / wall : 0.0);
  if (demo->result().reason == emu::StopReason::Interrupted) {
    std::fprintf(stderr, "ovrimo demo: interrupted\n");
    return kInterrupted;
  }
  if (!demo->failure().empty()) {
    std::fprintf(stderr, "ovrimo demo: FAILED: %s\n", demo->failure().c_str());
    return kNotUpdated;
  }
  std::fprintf(stderr, "ovrimo demo: updated to %s and handed off\n",
               demo->new_version() ? to_string(*demo->new_version()).c_str() : "the new image");
  return kUpdated;
}

}  // namespace

void add_demo_command(CLI::App& app, CommandRunner& run) {
  auto files = std::make_shared<UpdateFiles>();
  auto limit = std::make_shared<std::string>("120");
  auto readable = std::make_shared<bool>(false);
  CLI::App* demo = app.add_subcommand(
      "demo",
      "Update the sample application on the emulated board, start to finish.\n\n"
      "The real bootloader image boots with the --from application installed and asks whether to\n"
      "update; the demo answers 'Y', sends the --to image with an XMODEM sender (on the board's virtual\n"
      "time, in this process), the bootloader programs it and hands off, and the new application\n"
      "prints its line. The console is shown as the operator sees it: on a terminal as it is, colours\n"
      "and all; otherwise with escape sequences as readable markers (⟨bold yellow⟩, ⟨clear screen⟩).\n"
      "The XMODEM bytes themselves are summed up in a progress line.\n\n"
      "The images default to the firmware preset's build directory (build/firmware beside the\n"
      "build/host this tool was built in, or $OVRIMO_FIRMWARE_DIR).");
  add_update_options(*demo, *files);
  demo->add_option("--limit", *limit, "Give up after this many seconds of board time (default 120)");
  demo->add_flag("--readable", *readable, "Show escape sequences as markers even on a terminal");
  demo->footer(
      "Exit status:\n"
      "  0  the update completed, the flash holds the new image, the bootloader handed off and the\n"
      "     application printed the new image's version\n"
      "  1  bad command line or an image that cannot be read or loaded\n"
      "  2  any of the above did not happen (standard error says which)\n"
      "  5  interrupted (Ctrl-C or SIGTERM)\n");
  demo->callback([&run, files, limit, readable] {
    run = [files, limit, readable] { return run_demo(*files, *limit, *readable); };
  });
}

}  // namespace ovrimo::tools

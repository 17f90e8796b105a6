// ovrimo: the host side of the Ovrimo board kit, one executable with a subcommand per tool.
#include <CLI/CLI.hpp>

#include <cstdio>

#include "commands.h"

int main(int argc, char** argv) {
  CLI::App app{"Ovrimo board kit: run firmware on the emulated board, and the host tools around it."};
  app.require_subcommand(1);
  ovrimo::tools::CommandRunner run;
  ovrimo::tools::add_board_command(app, run);
  ovrimo::tools::add_demo_command(app, run);
  ovrimo::tools::add_bench_command(app, run);
  ovrimo::tools::add_image_command(app, run);
  ovrimo::tools::add_upload_command(app, run);
  ovrimo::tools::add_soak_command(app, run);
  ovrimo::tools::add_power_cut_command(app, run);
  if (argc > 1 && argv[1][0] != '-') {
    // CLI11 would only say that a subcommand is required.
    try {
      (void)app.get_subcommand(argv[1]);
    } catch (const CLI::OptionNotFound&) {
      std::fprintf(stderr, "ovrimo: no command \"%s\"; the commands are board, demo, bench, image, upload, soak and power-cut (ovrimo --help)\n",
                   argv[1]);
      return 1;
    }
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // Help is not an error; every other command-line problem is status 1, as --help documents.
    return app.exit(e) == 0 ? 0 : 1;
  }
  return run ? run() : 1;
}

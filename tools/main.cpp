// ovrimo: the host side of the Ovrimo board kit, one executable with a subcommand per tool.
#include <CLI/CLI.hpp>

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
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // Help is not an error; every other command-line problem is status 1, as --help documents.
    return app.exit(e) == 0 ? 0 : 1;
  }
  return run ? run() : 1;
}

// ovrimo: the host side of the Ovrimo board kit, one executable with a subcommand per tool.
#include <CLI/CLI.hpp>

#include "commands.h"

int main(int argc, char** argv) {
  CLI::App app{"Ovrimo board kit: run firmware on the emulated board, and the host tools around it."};
  app.require_subcommand(1);
  ovrimo::tools::CommandRunner run;
  ovrimo::tools::add_board_command(app, run);
  CLI11_PARSE(app, argc, argv);
  return run ? run() : 1;
}

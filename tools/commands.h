// The subcommands of the `ovrimo` host tool. Each one lives in its own file and adds itself to
// the command line; the one chosen leaves behind what to run, whose result is the exit status.
#pragma once

#include <functional>

namespace CLI {
class App;
}

namespace ovrimo::tools {

using CommandRunner = std::function<int()>;

// `ovrimo board`: runs a firmware image on the emulated board.
void add_board_command(CLI::App& app, CommandRunner& run);
// `ovrimo demo`: an application update on the emulated board, shown as the operator sees it.
void add_demo_command(CLI::App& app, CommandRunner& run);
// `ovrimo bench`: the same update, measured.
void add_bench_command(CLI::App& app, CommandRunner& run);
// `ovrimo image`: checks an application image, stamps its version into it.
void add_image_command(CLI::App& app, CommandRunner& run);
// `ovrimo upload`: updates boards over their serial ports.
void add_upload_command(CLI::App& app, CommandRunner& run);
// `ovrimo soak`: many updates over a noisy line, every outcome checked.
void add_soak_command(CLI::App& app, CommandRunner& run);
// `ovrimo power-cut`: power cuts at many points of an update, and what the board does after each.
void add_power_cut_command(CLI::App& app, CommandRunner& run);

}  // namespace ovrimo::tools

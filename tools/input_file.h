// What the user hands the tool on its command line: image files and board-time figures, checked
// before anything is read or run, so that a mistake is a message naming the file or the value,
// not a hang, an exhausted memory or a firmware fault.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/time.h"

namespace ovrimo::tools {

class InputFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The bytes of a regular file of at most `max_size` bytes. A directory, a FIFO or a device is
// refused before it is opened (a FIFO would block, /dev/zero never ends), and so is a file
// larger than the place it is meant for. Throws InputFileError naming the file.
std::vector<std::uint8_t> read_input_file(const std::filesystem::path& path, std::uintmax_t max_size,
                                          const std::string& meant_for);

// The longest board time an option may ask for: virtual time counts picoseconds in 64 bits
// (about 213 days), and a limit is added to the time already passed.
constexpr double kMaxBoardSeconds = 1e7;

// A number of seconds of board time: finite, above zero and at most kMaxBoardSeconds.
// Throws InputFileError with a message that names the option.
model::Time parse_board_seconds(const std::string& text, const std::string& option);

}  // namespace ovrimo::tools

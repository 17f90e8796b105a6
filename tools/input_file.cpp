#include "input_file.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace ovrimo::tools {

std::vector<std::uint8_t> read_input_file(const std::filesystem::path& path, std::uintmax_t max_size,
                                          const std::string& meant_for) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (!fs::exists(status)) throw InputFileError(path.string() + ": no such file");
  if (fs::is_directory(status)) throw InputFileError(path.string() + ": is a directory, not a file");
  if (!fs::is_regular_file(status))
    throw InputFileError(path.string() + ": not a regular file (a FIFO, a device or a socket cannot be an image)");
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec) throw InputFileError(path.string() + ": " + ec.message());
  if (size > max_size)
    throw InputFileError(path.string() + ": " + std::to_string(size) + " bytes, more than the " +
                         std::to_string(max_size) + " of " + meant_for);
  std::ifstream in(path, std::ios::binary);
  if (!in) throw InputFileError(path.string() + ": cannot open: " + std::strerror(errno));
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

model::Time parse_board_seconds(const std::string& text, const std::string& option) {
  const char* begin = text.c_str();
  char* end = nullptr;
  const double seconds = std::strtod(begin, &end);
  if (text.empty() || end != begin + text.size() || !std::isfinite(seconds))
    throw InputFileError(option + " takes a number of seconds of board time, not \"" + text + "\"");
  if (!(seconds > 0) || seconds > kMaxBoardSeconds)
    throw InputFileError(option + " " + text + ": board time goes from above 0 to at most " +
                         std::to_string(static_cast<long long>(kMaxBoardSeconds)) + " s");
  const auto t = static_cast<model::Time>(std::round(seconds * static_cast<double>(model::kSecond)));
  if (t == 0) throw InputFileError(option + " " + text + ": less than the picosecond board time is counted in");
  return t;
}

}  // namespace ovrimo::tools

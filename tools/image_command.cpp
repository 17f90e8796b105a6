// `ovrimo image info FILE` and `ovrimo image stamp IN OUT --version X.Y.Z`.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>

#include "commands.h"
#include "image_file.h"

namespace ovrimo::tools {

namespace {

constexpr int kImageFails = 2;

constexpr const char* kImageStatusHelp =
    "Exit status:\n"
    "  0  every check passed\n"
    "  1  bad command line\n"
    "  2  the file cannot be read as an image, an image check failed (one line each), or the\n"
    "     image cannot be stamped\n";

struct ImageOptions {
  std::string file;
  std::string out;
  std::string version;
};

int info(const ImageOptions& o) {
  try {
    const AppImage image = read_image(o.file);
    print_image_report(std::cout, o.file, image);
    return check_image(image).all_passed() ? 0 : kImageFails;
  } catch (const ImageFileError& e) {
    std::cerr << "ovrimo image: " << e.what() << "\n";
    return kImageFails;
  }
}

int stamp(const ImageOptions& o) {
  const auto version = parse_version(o.version);
  if (!version) {
    std::cerr << "ovrimo image stamp: --version takes MAJOR.MINOR.PATCH, each 0 to 255 (e.g. 1.2.4), not \""
              << o.version << "\"\n";
    return 1;
  }
  try {
    AppImage image = read_image(o.file);
    stamp_image(image, *version);
    // Beside the target, then renamed: OUT may be IN, and a failed write leaves neither half done.
    const std::filesystem::path out = o.out, temporary = o.out + ".tmp";
    {
      std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
      file.write(reinterpret_cast<const char*>(image.bytes.data()), static_cast<std::streamsize>(image.bytes.size()));
      if (!file) throw ImageFileError(temporary.string() + ": cannot write");
    }
    std::error_code ec;
    std::filesystem::rename(temporary, out, ec);
    if (ec) throw ImageFileError(o.out + ": cannot replace: " + ec.message());
    std::cout << "stamped " << to_string(*version) << " (as the menu shows it) into " << o.out << " (raw binary for "
              << hex32(app_image::kBase) << ")\n";
    AppImage written = read_image(out);
    print_image_report(std::cout, o.out, written);
    return check_image(written).all_passed() ? 0 : kImageFails;
  } catch (const ImageFileError& e) {
    std::cerr << "ovrimo image stamp: " << e.what() << "\n";
    return kImageFails;
  }
}

}  // namespace

void add_image_command(CLI::App& app, CommandRunner& run) {
  auto options = std::make_shared<ImageOptions>();
  CLI::App* image = app.add_subcommand("image", "Check an application image, or stamp its version into it.");
  image->require_subcommand(1);

  CLI::App* info_command = image->add_subcommand(
      "info",
      "Show what the bootloader will see of an application image (raw binary for 0x08010000, ELF or Intel\n"
      "HEX): its size, initial stack pointer, entry, version and SHA-256, and whether it fits the region an\n"
      "update erases, passes the bootloader's check of its vectors, carries the metadata block and keeps\n"
      "everything inside the application region.");
  info_command->add_option("file", options->file, "Image file")->required();
  info_command->footer(kImageStatusHelp);
  info_command->callback([&run, options] { run = [options] { return info(*options); }; });

  CLI::App* stamp_command = image->add_subcommand(
      "stamp",
      "Write the metadata block (magic word and version, at 0x0808FF00) into an image and save it as a raw\n"
      "binary for 0x08010000, padded with 0xFF to the end of the block. Refuses an image that is too large,\n"
      "lies partly outside the application region, or has its own bytes where the block goes.");
  stamp_command->add_option("in", options->file, "Image to stamp: raw binary, ELF or Intel HEX")->required();
  stamp_command->add_option("out", options->out, "Stamped raw binary to write (may be the input)")->required();
  stamp_command->add_option("--version", options->version,
                            "MAJOR.MINOR.PATCH, each 0 to 255; the menu shows each as two hex digits")
      ->required();
  stamp_command->footer(kImageStatusHelp);
  stamp_command->callback([&run, options] { run = [options] { return stamp(*options); }; });
}

}  // namespace ovrimo::tools

#include "app/command_line.h"

#include <string_view>

#include "quillet_version.h"

namespace {

constexpr char kUsage[] = "Usage: Quillet [--help | --version]";

constexpr char kHelp[] =
    "Usage: Quillet [--help | --version]\n"
    "Opens the Quillet Calculator: vectors, complex numbers and the roots of polynomials\n"
    "of degree 2 to 4, each in its own dialog.\n"
    "\n"
    "  -h, --help  print this help and exit\n"
    "  --version   print the version and exit\n"
    "\n"
    "Any other argument is refused with exit status 2. For calculations from a shell or a\n"
    "script, see quillet-calc --help.\n";

// The argument as it can be shown on a terminal: a control byte, which could retitle or clear
// it, is written as \xNN.
void PrintShown(std::string_view argument, std::FILE* err) {
  for (const char c : argument) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F)
      std::fprintf(err, "\\x%02X", byte);
    else
      std::fputc(c, err);
  }
}

}  // namespace

std::optional<int> AnswerCommandLine(std::span<const char* const> arguments, std::FILE* out,
                                     std::FILE* err) {
  if (arguments.empty())
    return std::nullopt;
  const std::string_view first = arguments.front();
  if (arguments.size() == 1 && (first == "--help" || first == "-h")) {
    std::fputs(kHelp, out);
    return 0;
  }
  if (arguments.size() == 1 && first == "--version") {
    std::fputs("Quillet " QUILLET_VERSION "\n", out);
    return 0;
  }
  const std::string_view refused =
      first == "--help" || first == "-h" || first == "--version" ? arguments[1] : first;
  std::fputs("Quillet: unexpected argument '", err);
  PrintShown(refused, err);
  std::fprintf(err, "'. %s\n", kUsage);
  return 2;
}

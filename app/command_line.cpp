#include "app/command_line.h"

#include <array>
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
    "The options of every Qt program, such as -style NAME, -platform NAME, -display DISPLAY\n"
    "and -reverse, go to Qt. Any other argument is refused with exit status 2. For\n"
    "calculations from a shell or a script, see quillet-calc --help.\n";

// The options that QGuiApplication and QApplication take from the command line, also written
// with two dashes, and whether each is followed by a value.
struct QtOption {
  std::string_view name;
  bool takesValue;
};
constexpr std::array kQtOptions = {
    QtOption{"platform", true},        QtOption{"platformpluginpath", true},
    QtOption{"platformtheme", true},   QtOption{"plugin", true},
    QtOption{"qwindowgeometry", true}, QtOption{"qwindowicon", true},
    QtOption{"qwindowtitle", true},    QtOption{"session", true},
    QtOption{"display", true},         QtOption{"geometry", true},
    QtOption{"style", true},           QtOption{"stylesheet", true},
    QtOption{"reverse", false},        QtOption{"widgetcount", false},
    QtOption{"nograb", false},         QtOption{"dograb", false},
};

// The option `argument` names, or null when it names none. "-style=NAME" carries its value.
const QtOption* QtOptionNamed(std::string_view argument, bool& valueAttached) {
  if (!argument.starts_with('-'))
    return nullptr;
  argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
  const size_t equals = argument.find('=');
  valueAttached = equals != std::string_view::npos;
  const std::string_view name = argument.substr(0, equals);
  for (const QtOption& option : kQtOptions) {
    if (option.name == name && (!valueAttached || option.takesValue))
      return &option;
  }
  return nullptr;
}

// The first argument that is neither one of Qt's options nor the value of one, or the option
// that lacks its value; null when Qt takes the whole command line.
const char* FirstNotForQt(std::span<const char* const> arguments) {
  for (size_t i = 0; i < arguments.size(); ++i) {
    bool valueAttached = false;
    const QtOption* option = QtOptionNamed(arguments[i], valueAttached);
    if (!option)
      return arguments[i];
    if (option->takesValue && !valueAttached && ++i == arguments.size())
      return arguments[i - 1];
  }
  return nullptr;
}

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
  const bool ownOption = first == "--help" || first == "-h" || first == "--version";
  const char* const notForQt = FirstNotForQt(arguments);
  if (!ownOption && !notForQt)
    return std::nullopt;
  const std::string_view refused = ownOption ? arguments[1] : notForQt;
  std::fputs("Quillet: unexpected argument '", err);
  PrintShown(refused, err);
  std::fprintf(err, "'. %s\n", kUsage);
  return 2;
}

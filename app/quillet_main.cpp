#include <span>

#include "app/command_line.h"
#include "winsys/afxwin.h"
#include "winsys/startup.h"

namespace {

// The desktop entry's name, by which docks and software centres match the program's windows
// to its launcher.
constexpr char kDesktopApplicationId[] = "org.quillet.Quillet";

}  // namespace

// The program's entry: the command line is answered without a window; with no arguments the
// framework's start-up does everything.
int main(int argc, char** argv) {
  const std::span<const char* const> arguments(argv + (argc > 0 ? 1 : 0),
                                               argc > 0 ? static_cast<size_t>(argc - 1) : 0);
  if (const std::optional<int> status = AnswerCommandLine(arguments, stdout, stderr))
    return *status;
  SetDesktopApplicationId(kDesktopApplicationId);
  return AfxWinMain(argc, argv);
}

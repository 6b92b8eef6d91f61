#include "cli/help_text.h"

#include "cli/operation_names.h"
#include "common/result_text.h"
#include "complex/complex_ops.h"
#include "vector/vector_ops.h"

namespace {

std::string OperationTable(const char* const* names, const char* const* aliases, int count) {
  std::string table;
  for (int i = 0; i < count; ++i)
    table += ResultText("  %2d  %-24s %s\n", i, names[i], aliases[i]);
  return table;
}

}  // namespace

const std::string& UsageText() {
  static const std::string usage =
      "usage: quillet-calc [--json] roots C...\n"
      "       quillet-calc [--json] complex OP XR XI [YR YI [ZR ZI]]\n"
      "       quillet-calc [--json] vector 2d|3d OP X... Y...\n"
      "       quillet-calc [--json] -\n"
      "       quillet-calc --help | --version\n";
  return usage;
}

std::string HelpText() {
  return UsageText() +
         "\n"
         "The calculators of Quillet Calculator in a terminal.\n"
         "\n"
         "  roots     3, 4 or 5 coefficients from the highest power down: the roots of a\n"
         "            quadratic, cubic or quartic polynomial\n"
         "  complex   an operation on X, Y and Z, given as real and imaginary parts;\n"
         "            the parts not given are 0\n"
         "  vector    an operation on X and Y, with 2 or 3 components each\n"
         "  -         one calculation a line from standard input, in the same words;\n"
         "            double quotes group an operation that has blanks (\"X / Y\")\n"
         "  --json    one JSON object a calculation, with everything it shows in order\n"
         "\n"
         "Numbers are read as the calculators read their boxes: the leading number of a\n"
         "word, or 0. An operation is its list position, its list entry without regard to\n"
         "case or blanks, or its alias.\n"
         "\n"
         "Complex operations:\n" +
         OperationTable(kComplexOperationNames, kComplexAliases, kComplexOperationCount) +
         "\n"
         "Vector operations:\n" +
         OperationTable(kVectorOperationNames, kVectorAliases, kVectorOperationCount) +
         "\n"
         "Exit status: 0 when every calculation gave a result, 1 when one ended in an\n"
         "input error, 2 for a usage error.\n";
}

std::string VersionText() {
  return "quillet-calc " QUILLET_VERSION "\n";
}

#include "cli/help_text.h"

#include "cli/operation_names.h"
#include "common/result_text.h"
#include "complex/complex_ops.h"
#include "quillet_version.h"
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
      "usage: quillet-calc [OPTIONS] roots C...\n"
      "       quillet-calc [OPTIONS] complex OP XR XI [YR YI [ZR ZI]]\n"
      "       quillet-calc [OPTIONS] vector 2d|3d OP X... Y...\n"
      "       quillet-calc [OPTIONS] -\n"
      "       quillet-calc -h | --help | --version\n"
      "options: --json  --lenient  --digits N\n";
  return usage;
}

std::string HelpText() {
  return UsageText() +
         "\n"
         "The calculators of Quillet Calculator in a terminal.\n"
         "\n"
         "  roots         3, 4 or 5 coefficients from the highest power down: the roots of a\n"
         "                quadratic, cubic or quartic polynomial\n"
         "  complex       an operation on X, Y and Z, given as real and imaginary parts;\n"
         "                the parts not given are 0\n"
         "  vector        an operation on X and Y, with 2 or 3 components each\n"
         "  -             one calculation a line from standard input, in the same words;\n"
         "                double quotes group an operation that has blanks (\"X / Y\");\n"
         "                a line longer than 65536 bytes is refused\n"
         "\n"
         "  --json        one JSON object a calculation, with everything it shows in order\n"
         "  --lenient     read numbers as C's atof reads them: the leading number of a\n"
         "                word, or 0 (1/3 is 1, abc is 0)\n"
         "  --digits N    every result with N significant digits (1 to 17) instead of 5,\n"
         "                its number fields N - 5 characters wider\n"
         "  -h, --help    this text\n"
         "  --version     the version\n"
         "\n"
         "Options may stand anywhere. A number word reads as a calculator's box reads its\n"
         "text: a number, with an optional sign, '.' for the decimals and an optional\n"
         "exponent (2.5, -1e-3, .5), or arithmetic on numbers: + - * /, ^ for powers\n"
         "(2^3^2 is 512, -2^2 is -4), parentheses, pi, e, and sqrt cbrt exp ln log10 sin\n"
         "cos tan asin acos atan abs with their argument in parentheses (radians), as in\n"
         "1/3, 2*pi or \"sqrt(2) / 2\"; the shell needs quotes around blanks and\n"
         "parentheses. Anything else is a usage error that names the word, its position\n"
         "(the calculator's name is word 1) and why: not a number (two, 2,5, 0x10, 1e,\n"
         "nan, inf, an empty word), too large for a double (1e999), not a finite number\n"
         "(1/0, sqrt(-1)), unbalanced parentheses, or nested deeper than 100 levels. A\n"
         "number too small for a double reads as 0 or the nearest subnormal. An\n"
         "operation is its list position, its list entry without regard to case or\n"
         "blanks, or its alias.\n"
         "\n"
         "Complex operations:\n" +
         OperationTable(kComplexOperationNames, kComplexAliases, kComplexOperationCount) +
         "\n"
         "Vector operations:\n" +
         OperationTable(kVectorOperationNames, kVectorAliases, kVectorOperationCount) +
         "\n"
         "JSON: each calculation is one line, {\"events\":[...]}, with its events in order:\n"
         "  {\"message\":TEXT}   a message\n"
         "  {\"roots\":TEXT,\"values\":[{\"re\":R,\"im\":I,\"radius\":D,\"isolated\":B},...]}\n"
         "                     the Roots box; each root shown at full precision, with the\n"
         "                     radius of a disc around it that holds a true root, and\n"
         "                     whether that disc meets no other root's disc\n"
         "  {\"result\":TEXT,\"values\":{NAME:NUMBER,...}}\n"
         "                     a complex or vector result and the numbers its text shows:\n"
         "                     complex: re, im (with its own sign), magnitude, or radians\n"
         "                     and degrees for the phase; vector: x_magnitude, y_magnitude;\n"
         "                     the direction cosines x_cos_x, x_cos_y, x_cos_z, y_cos_x,\n"
         "                     y_cos_y, y_cos_z; i, j, k and magnitude of a sum, difference\n"
         "                     or cross product; dot; radians and degrees of the angle\n"
         "  {\"set\":{\"box\":BOX,\"text\":TEXT}}   a coefficient box given a text\n"
         "  {\"error\":TEXT}     a usage error, in place of the events\n"
         "Numbers are the shortest that read back to the same double; JSON has no infinity\n"
         "or not-a-number, so these are the strings \"inf\", \"-inf\", \"nan\", \"-nan\".\n"
         "\n"
         "Exit status: 0 when every calculation gave a result, 1 when one ended in an\n"
         "input error, 2 for a usage error, 3 when reading standard input or writing the\n"
         "output failed (reported in one line on standard error; nothing more is done).\n";
}

std::string VersionText() {
  return "quillet-calc " QUILLET_VERSION "\n";
}

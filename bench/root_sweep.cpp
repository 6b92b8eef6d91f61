// Judges what two versions of the solvers and numpy.roots show for the corpora of
// bench/root_texts against reference roots (long double, then quadruple precision), class by
// class: how many cases miss the five-digit bar, and how many show other texts than the
// original formula wherever its digits were right. See bench/run_root_sweep.sh.
//   root_sweep N BEFORE_SHOWN AFTER_SHOWN NUMPY_ROOTS
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "poly/cubic.h"
#include "poly/quartic.h"
#include "poly/roots_text.h"
#include "tests/poly/root_corpora.h"

namespace {

std::string Unescaped(const std::string& text) {
  std::string out;
  for (size_t k = 0; k < text.size(); ++k) {
    if (text[k] == '\\' && k + 1 < text.size() && (text[k + 1] == 'r' || text[k + 1] == 'n')) {
      out += text[++k] == 'r' ? '\r' : '\n';
    } else {
      out += text[k];
    }
  }
  return out;
}

struct Shown {
  bool refused = false;
  bool message = false;
  std::vector<std::string> texts;
};

Shown ReadShown(const std::string& line) {
  Shown shown;
  std::string rest = line.substr(line.find(' ') + 1);
  if (rest == "refused") {
    shown.refused = true;
    return shown;
  }
  for (size_t at = 0, bar; (bar = rest.find('|', at)) != std::string::npos; at = bar + 1) {
    const std::string item = rest.substr(at, bar - at);
    if (item.rfind("message ", 0) == 0)
      shown.message = true;
    else
      shown.texts.push_back(Unescaped(item));
  }
  return shown;
}

bool AllRight(const std::vector<std::string>& texts, const std::vector<ReferenceRoot>& truth) {
  for (const std::string& text : texts)
    if (!ShowsTrueRoots(ReadRoots(text), truth))
      return false;
  return !texts.empty();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: root_sweep N BEFORE_SHOWN AFTER_SHOWN NUMPY_ROOTS\n");
    return 2;
  }
  const int count = std::atoi(argv[1]);
  std::ifstream before_file(argv[2]), after_file(argv[3]), numpy_file(argv[4]);
  std::printf("%-28s %6s %7s %7s %7s %7s %7s %8s %8s %8s %8s\n", "class", "cases", "refused",
              "undeter", "before", "after", "numpy", "messages", "orig_ok", "ord_bef", "ord_aft");
  for (int k = 0; k <= static_cast<int>(RootClass::WholeRangeCoefficients); ++k) {
    const RootClass root_class = static_cast<RootClass>(k);
    Draw draw(90000 + k);
    int refused = 0, undetermined = 0, before_wrong = 0, after_wrong = 0, numpy_wrong = 0;
    int messages = 0, original_right = 0, before_other = 0, after_other = 0;
    for (int n = 0; n < count; ++n) {
      const RootCase c = DrawRootCase(root_class, draw);
      std::string before_line, after_line, numpy_line;
      std::getline(before_file, before_line);
      std::getline(after_file, after_line);
      std::getline(numpy_file, numpy_line);
      const Shown before = ReadShown(before_line), after = ReadShown(after_line);
      if (after.refused) {
        ++refused;
        continue;
      }
      const std::vector<ReferenceRoot> truth = ReferenceRootsOf(c);
      if (!Determined(truth)) {
        ++undetermined;
        continue;
      }
      messages += before.message;
      before_wrong += !AllRight(before.texts, truth);
      if (!AllRight(after.texts, truth)) {
        ++after_wrong;
        std::fprintf(stderr, "%s: %s\n", ClassName(root_class), after_line.c_str());
      }
      // numpy's parts below the threshold are taken as 0, as the solvers clean theirs up.
      std::vector<std::complex<double>> numpy;
      // strtod, unlike operator>>, reads "inf", "nan" and subnormal numbers.
      std::istringstream parts(numpy_line);
      for (std::string re, im; parts >> re >> im;) {
        const auto clean = [](const std::string& word) {
          const double x = std::strtod(word.c_str(), nullptr);
          return std::fabs(x) < 1e-8 ? 0.0 : Printed(x);
        };
        numpy.push_back({clean(re), clean(im)});
      }
      numpy_wrong += !ShowsTrueRoots(numpy, truth);
      const std::vector<std::string> original = OriginalTexts(c.coefficients);
      if (!original.empty() && after.texts[0][0] != ' ' && AllRight(original, truth)) {
        ++original_right;
        before_other += before.texts != original;
        after_other += after.texts != original;
      }
    }
    std::printf("%-28s %6d %7d %7d %7d %7d %7d %8d %8d %8d %8d\n", ClassName(root_class), count,
                refused, undetermined, before_wrong, after_wrong, numpy_wrong, messages,
                original_right, before_other, after_other);
  }
  return 0;
}

// Writes the polynomial corpora of the hard classes, or what the solvers show for them, one
// case a line, for bench/root_sweep to judge (see bench/run_root_sweep.sh):
//   root_texts corpus N   the coefficient boxes of N cases of each class
//   root_texts shown N    the Roots box texts of each case, escaped, "|" between two texts;
//                         "refused" where only a message is shown, "message ..." before them
// It uses the solvers' public call only, so that it builds on earlier versions too.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "poly/polynomial.h"
#include "tests/poly/root_corpora.h"

namespace {

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text)
    out += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || (std::strcmp(argv[1], "corpus") != 0 && std::strcmp(argv[1], "shown") != 0)) {
    std::fprintf(stderr, "usage: root_texts corpus|shown N\n");
    return 2;
  }
  const bool corpus = std::strcmp(argv[1], "corpus") == 0;
  const int count = std::atoi(argv[2]);
  for (int k = 0; k <= static_cast<int>(RootClass::WholeRangeCoefficients); ++k) {
    const RootClass root_class = static_cast<RootClass>(k);
    Draw draw(90000 + k);
    for (int n = 0; n < count; ++n) {
      const RootCase c = DrawRootCase(root_class, draw);
      std::string line = ClassName(root_class);
      if (corpus) {
        for (double coefficient : c.coefficients)
          line += ResultText(" %.17g", coefficient);
      } else {
        const PolyEffects effects = CalculatePolynomial(c.coefficients);
        line += ' ';
        bool any_roots = false;
        for (const PolyEffect& effect : effects) {
          if (effect.kind == PolyEffect::Kind::Message)
            line += "message " + Escaped(effect.text) + "|";
          if (effect.kind == PolyEffect::Kind::ShowRoots) {
            line += Escaped(effect.text) + "|";
            any_roots = true;
          }
        }
        if (!any_roots)
          line = std::string(ClassName(root_class)) + " refused";
      }
      std::printf("%s\n", line.c_str());
    }
  }
  return 0;
}

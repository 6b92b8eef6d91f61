// Judges what a build of quillet-calc shows (its --json lines) for a corpus of polynomials
// against roots certified by ball arithmetic (tests/poly/certified_roots.h), class by class:
// wrong printed digits, discs that hold no root, isolated discs that do not hold exactly one,
// and discs more than ten times wider than (|p(z)| / |c[n]|)^(1/n). See
// bench/run_certified_sweep.sh.
//   certified_sweep corpus N     N polynomials of each class, one "CLASS roots C..." line each
//   certified_sweep CORPUS JSON [NUMPY]  the judgement, JSON holding quillet-calc's lines for
//                                CORPUS, NUMPY numpy.roots' "re im ..." lines (numpy_roots.py)
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/poly/certified_corpora.h"
#include "tests/poly/certified_roots.h"
#include "tests/poly/root_corpora.h"

namespace {

struct Shown {
  std::string text;
  std::vector<RootValue> values;
};

// A JSON string from `at` (just after its opening quote), with the escapes that the texts use.
std::string ReadString(const std::string& line, size_t& at) {
  std::string out;
  for (; at < line.size() && line[at] != '"'; ++at) {
    if (line[at] != '\\') {
      out += line[at];
      continue;
    }
    const char escaped = line[++at];
    out += escaped == 'r' ? '\r' : escaped == 'n' ? '\n' : escaped;
  }
  ++at;
  return out;
}

double ReadNumber(const std::string& line, const std::string& key, size_t from) {
  size_t at = line.find("\"" + key + "\":", from) + key.size() + 3;
  if (line[at] == '"')
    ++at;
  return std::strtod(line.c_str() + at, nullptr);
}

std::vector<Shown> ReadEvents(const std::string& line) {
  std::vector<Shown> events;
  for (size_t at = line.find("{\"roots\":\""); at != std::string::npos;
       at = line.find("{\"roots\":\"", at)) {
    at += 10;
    Shown shown;
    shown.text = ReadString(line, at);
    const size_t end = line.find(']', at);
    for (size_t v = line.find("{\"re\":", at); v != std::string::npos && v < end;
         v = line.find("{\"re\":", v + 1)) {
      RootValue value;
      value.re = ReadNumber(line, "re", v);
      value.im = ReadNumber(line, "im", v);
      value.radius = ReadNumber(line, "radius", v);
      value.isolated = line.compare(line.find("\"isolated\":", v) + 11, 4, "true") == 0;
      shown.values.push_back(value);
    }
    events.push_back(shown);
  }
  return events;
}

struct Tally {
  int polynomials = 0, wrong = 0, numpy_wrong = 0, discs = 0, empty = 0, unknown = 0, isolated = 0,
      isolated_wrong = 0, loose = 0, loose_beyond_rounding = 0, infinite = 0;
  std::vector<std::string> examples;
};

// (prod_k |z - root_k|)^(1/n), which is (|p(z)| / |c[n]|)^(1/n), from the certified roots.
long double RootOfModulus(const std::vector<ReferenceRoot>& truth, double re, double im) {
  long double log_sum = 0;
  for (const ReferenceRoot& t : truth)
    log_sum += std::log(std::abs(t.value - LongRoot(re, im)));
  return std::exp(log_sum / truth.size());
}

void PrintCase(const char* name, const std::vector<std::string>& boxes) {
  std::printf("%s roots", name);
  for (const std::string& box : boxes)
    std::printf(" %s", box.c_str());
  std::printf("\n");
}

void PrintCorpus(int cases) {
  for (CertifiedClass c :
       {CertifiedClass::Digits17, CertifiedClass::Mignotte, CertifiedClass::MultipleDyadic}) {
    Draw draw(31000 + static_cast<uint32_t>(c));
    for (int n = 0; n < cases; ++n)
      PrintCase(CertifiedClassName(c), DrawCertifiedCase(c, draw));
  }
  for (RootClass c : {RootClass::Cluster1e3, RootClass::MultipleRoots, RootClass::WideCoefficients,
                      RootClass::WholeRange, RootClass::WholeRangeCoefficients}) {
    Draw draw(32000 + static_cast<uint32_t>(c));
    for (int n = 0; n < cases; ++n)
      PrintCase(ClassName(c), DrawRootCase(c, draw).boxes);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "corpus") {
    PrintCorpus(std::atoi(argv[2]));
    return 0;
  }
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: certified_sweep corpus N | certified_sweep CORPUS JSON [NUMPY]\n");
    return 2;
  }
  std::ifstream corpus(argv[1]), json(argv[2]);
  std::ifstream numpy(argc == 4 ? argv[3] : "/dev/null");
  std::map<std::string, Tally> tallies;
  std::string line, output;
  while (std::getline(corpus, line) && std::getline(json, output)) {
    std::istringstream words(line);
    std::string name, word;
    words >> name >> word;
    std::vector<double> c;
    while (words >> word)
      c.push_back(std::strtod(word.c_str(), nullptr));
    std::string numpy_line;
    std::getline(numpy, numpy_line);
    Tally& tally = tallies[name];
    const std::vector<Shown> events = ReadEvents(output);
    if (events.empty())
      continue;
    ++tally.polynomials;
    const CertifiedRoots roots(c);
    const std::vector<ReferenceRoot> truth = roots.Reference();
    if (!numpy_line.empty()) {
      std::istringstream parts(numpy_line);
      std::vector<std::complex<double>> printed;
      for (double re, im; parts >> re >> im;)
        printed.push_back({Printed(re), Printed(im)});
      tally.numpy_wrong += !ShowsTrueRoots(printed, truth);
    }
    bool wrong = false;
    for (const Shown& shown : events) {
      wrong = wrong || !ShowsTrueRoots(ReadRoots(shown.text), truth);
      for (const RootValue& v : shown.values) {
        ++tally.discs;
        tally.infinite += !std::isfinite(v.radius);
        const Verdict holds = roots.Holds(v.re, v.im, v.radius);
        tally.empty += holds == Verdict::No;
        tally.unknown += holds == Verdict::Unknown;
        if (v.isolated) {
          ++tally.isolated;
          const CertifiedRoots::Count count = roots.RootsIn(v.re, v.im, v.radius);
          tally.isolated_wrong += !(count.surely == 1 && count.possibly == 1);
        }
        const long double bound = RootOfModulus(truth, v.re, v.im);
        // A disc cannot be proven much smaller than the rounding of its centre.
        tally.loose_beyond_rounding +=
            std::isfinite(v.radius) &&
            v.radius > 10 * std::max(bound, 0x1p-53L * std::abs(LongRoot(v.re, v.im)));
        if (std::isfinite(v.radius) && v.radius > 10 * bound) {
          ++tally.loose;
          if (tally.loose <= 2) {
            char disc[160];
            std::snprintf(disc, sizeof disc,
                          "loose disc (%.17g, %.17g) radius %.3g for %.3Lg: ", v.re, v.im, v.radius,
                          bound);
            tally.examples.push_back(disc + line);
          }
        }
      }
    }
    tally.wrong += wrong;
    if (wrong && tally.examples.size() < 6)
      tally.examples.push_back("wrong digits: " + line);
  }
  std::printf("%-28s %6s %6s %6s %7s %6s %6s %8s %9s %6s %7s %6s\n", "class", "polys", "wrong",
              "numpy", "discs", "empty", "unsure", "isolated", "iso_wrong", "loose", "loose_u",
              "inf");
  for (const auto& [name, t] : tallies)
    std::printf("%-28s %6d %6d %6d %7d %6d %6d %8d %9d %6d %7d %6d\n", name.c_str(), t.polynomials,
                t.wrong, t.numpy_wrong, t.discs, t.empty, t.unknown, t.isolated, t.isolated_wrong,
                t.loose, t.loose_beyond_rounding, t.infinite);
  for (const auto& [name, t] : tallies)
    for (const std::string& example : t.examples)
      std::printf("%s\n", example.c_str());
}

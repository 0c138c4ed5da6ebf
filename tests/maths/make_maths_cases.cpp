// Writes the case files of maths_cases_test: for each function, hard
// arguments with their correctly rounded results from MPFR, as IEEE 754 bit
// patterns in hexadecimal. Half of them are drawn from every generator of
// hard arguments in turn (the reduction worst cases first for the
// trigonometric functions), half are the arguments whose exact values lie
// nearest the midpoint between two doubles among many candidates.
// Usage: make_maths_cases <folder>

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/maths/hard_arguments.h"
#include "tests/maths/mpfr_reference.h"

namespace {

using numoria::maths_test::Arguments;
using numoria::maths_test::Bits;
using numoria::maths_test::Function;

constexpr std::size_t kCandidates = 200000;

std::size_t CasesOf(Function f) {
  switch (f) {
    case Function::kSin:
    case Function::kCos:
    case Function::kTan: return 1800;
    default: return 1400;
  }
}

std::vector<Arguments> Choose(Function f) {
  const std::size_t total = CasesOf(f);
  std::vector<Arguments> chosen = numoria::maths_test::HardArguments(f, total / 2, 1);
  std::set<std::pair<std::uint64_t, std::uint64_t>> seen;
  for (const auto& a : chosen) seen.insert({Bits(a.x), Bits(a.y)});
  std::vector<std::pair<double, Arguments>> ranked;
  for (const auto& a : numoria::maths_test::HardArguments(f, kCandidates, 2)) {
    if (seen.insert({Bits(a.x), Bits(a.y)}).second) {
      ranked.emplace_back(numoria::maths_test::DistanceToMidpoint(f, a.x, a.y), a);
    }
  }
  const std::size_t hardest = std::min(ranked.size(), total - chosen.size());
  std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(hardest), ranked.end(),
                    [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 0; i < hardest; ++i) chosen.push_back(ranked[i].second);
  return chosen;
}

bool Write(Function f, const std::string& folder) {
  const std::string path = folder + "/" + std::string(Name(f)) + ".txt";
  std::FILE* out = std::fopen(path.c_str(), "w");
  if (out == nullptr) return false;
  std::fprintf(out, "# %s: argument%s and the correctly rounded result, as IEEE 754 double bit\n"
               "# patterns in hexadecimal (from MPFR, by make_maths_cases)\n",
               Name(f).data(), Binary(f) ? "s" : "");
  for (const auto& [x, y] : Choose(f)) {
    const double want = numoria::maths_test::CorrectlyRounded(f, x, y);
    std::fprintf(out, "%016" PRIx64, Bits(x));
    if (Binary(f)) std::fprintf(out, " %016" PRIx64, Bits(y));
    std::fprintf(out, " %016" PRIx64 "\n", Bits(want));
  }
  return std::fclose(out) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  for (const Function f : numoria::maths_test::kFunctions) {
    if (!Write(f, argv[1])) {
      std::fprintf(stderr, "cannot write the cases of %s in %s\n", Name(f).data(), argv[1]);
      return 1;
    }
  }
  return 0;
}

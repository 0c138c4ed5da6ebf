// CalculateString against muparser on the same formulas. muparser is used the
// way a one-shot evaluator is: one parser, and for every evaluation SetExpr
// then Eval, since a formula typed into the panel is evaluated once.

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <array>
#include <cctype>
#include <string>
#include <string_view>

#include "expression/evaluator.h"

namespace {

struct Formula {
  std::string name;
  std::string text;  // ASCII, as CalculateString reads it (names in capitals)
};

// Numbers and the four operators, cut to exactly `length` characters.
std::string Chain(std::size_t length) {
  constexpr std::array<std::string_view, 8> kNumbers = {"12.5", "3",   "7.25", "45",
                                                        "9",    "0.5", "1024", "6"};
  constexpr std::string_view kOperators = "+*-/";
  std::string chain;
  for (std::size_t i = 0; chain.size() < length; ++i) {
    chain += kNumbers[i % kNumbers.size()];
    chain += kOperators[i % kOperators.size()];
  }
  chain.resize(length);
  while (!std::isdigit(static_cast<unsigned char>(chain.back()))) chain.back() = '1';
  return chain;
}

std::string Nested(std::size_t depth) {
  return std::string(depth, '(') + "1" + std::string(depth, ')');
}

std::u16string Widen(std::string_view text) { return {text.begin(), text.end()}; }

// muparser spells its functions in lower case.
std::string ForMuparser(std::string text) {
  for (const std::string_view name : {"SIN", "COS", "TAN", "LN", "EXP"}) {
    for (auto at = text.find(name); at != std::string::npos; at = text.find(name, at)) {
      for (std::size_t i = 0; i < name.size(); ++i, ++at) {
        text[at] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[at])));
      }
    }
  }
  return text;
}

void SetRate(benchmark::State& state, std::size_t length) {
  state.counters["chars/s"] =
      benchmark::Counter(static_cast<double>(length) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
}

void Numoria(benchmark::State& state, const std::string& text) {
  const std::u16string formula = Widen(text);
  for (auto _ : state) {
    bool good = false;
    benchmark::DoNotOptimize(numoria::CalculateString(formula, good, 1.0));
    benchmark::DoNotOptimize(good);
    if (!good) {
      state.SkipWithError("formula failed");
      break;
    }
  }
  SetRate(state, text.size());
}

void Muparser(benchmark::State& state, const std::string& text) {
  const std::string formula = ForMuparser(text);
  mu::Parser parser;
  double x = 1.0;
  try {
    parser.DefineVar("X", &x);
    for (auto _ : state) {
      parser.SetExpr(formula);
      benchmark::DoNotOptimize(parser.Eval());
    }
  } catch (const mu::Parser::exception_type& e) {
    state.SkipWithError(("muparser: " + e.GetMsg()).c_str());
  }
  SetRate(state, text.size());
}

}  // namespace

int main(int argc, char** argv) {
  const std::array<Formula, 6> formulas = {{
      {"short", "2*(3+4)"},
      {"typical", "SIN(X)*2+(1024)/3-(5.5*7-2)/(3+4)"},
      {"chain_4000", Chain(4000)},
      {"chain_32700", Chain(32700)},
      {"nested_1000", Nested(1000)},
      {"nested_16382", Nested(16382)},
  }};
  for (const Formula& f : formulas) {
    benchmark::RegisterBenchmark(("numoria/" + f.name).c_str(), Numoria, f.text);
    benchmark::RegisterBenchmark(("muparser/" + f.name).c_str(), Muparser, f.text);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}

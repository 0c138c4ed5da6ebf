// The seven functions of maths/maths.h beside glibc's on the same arguments,
// two sets of 4,096 for each function: ordinary (the ranges a formula meets)
// and hard (near multiples of pi/2, thresholds, huge, subnormal, exact
// powers, random bit patterns; from the maths tests' generators). A mix of
// the two costs the mean of the two. Time per call is the time per iteration
// over 4,096.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "maths/maths.h"
#include "tests/maths/hard_arguments.h"

namespace {

using numoria::maths_test::Arguments;
using numoria::maths_test::Function;

constexpr std::size_t kArguments = 4096;

// Ordinary arguments: what book-keepers' formulas mostly hold.
Arguments Ordinary(Function f, std::mt19937_64& g) {
  const auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(g); };
  switch (f) {
    case Function::kSin:
    case Function::kCos:
    case Function::kTan: return {uniform(-10, 10), 0};
    case Function::kAtan: return {uniform(-100, 100), 0};
    case Function::kLog: return {std::exp2(uniform(-30, 30)), 0};
    case Function::kExp: return {uniform(-700, 700), 0};
    case Function::kPow: return {uniform(0.01, 100), uniform(-20, 20)};
  }
  return {};
}

std::vector<Arguments> OrdinaryArguments(Function f) {
  std::mt19937_64 engine(20261208);
  std::vector<Arguments> arguments(kArguments);
  for (auto& a : arguments) a = Ordinary(f, engine);
  return arguments;
}

// Shuffled, so the reduction worst cases that lead the list are spread out.
std::vector<Arguments> Hard(Function f) {
  auto arguments = numoria::maths_test::HardArguments(f, kArguments, 7);
  std::shuffle(arguments.begin(), arguments.end(), std::mt19937_64(20261208));
  return arguments;
}

template <typename Call>
void Run(benchmark::State& state, const std::vector<Arguments>& arguments, Call call) {
  for (auto _ : state) {
    double sum = 0;
    for (const auto& [x, y] : arguments) sum += call(x, y);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * arguments.size()));
}

template <typename Ours, typename Glibc>
void Register(Function f, Ours ours, Glibc glibc) {
  for (const bool hard : {false, true}) {
    const auto arguments = hard ? Hard(f) : OrdinaryArguments(f);
    const std::string name = std::string(Name(f)) + (hard ? "/hard" : "/ordinary");
    benchmark::RegisterBenchmark((name + "/numoria").c_str(),
                                 [=](benchmark::State& s) { Run(s, arguments, ours); });
    benchmark::RegisterBenchmark((name + "/glibc").c_str(),
                                 [=](benchmark::State& s) { Run(s, arguments, glibc); });
  }
}

void RegisterAll() {
  namespace m = numoria::maths;
  Register(Function::kSin, [](double x, double) { return m::Sin(x); }, [](double x, double) { return std::sin(x); });
  Register(Function::kCos, [](double x, double) { return m::Cos(x); }, [](double x, double) { return std::cos(x); });
  Register(Function::kTan, [](double x, double) { return m::Tan(x); }, [](double x, double) { return std::tan(x); });
  Register(Function::kAtan, [](double x, double) { return m::Atan(x); },
           [](double x, double) { return std::atan(x); });
  Register(Function::kLog, [](double x, double) { return m::Log(x); }, [](double x, double) { return std::log(x); });
  Register(Function::kExp, [](double x, double) { return m::Exp(x); }, [](double x, double) { return std::exp(x); });
  Register(Function::kPow, [](double x, double y) { return m::Pow(x, y); },
           [](double x, double y) { return std::pow(x, y); });
}

}  // namespace

int main(int argc, char** argv) {
  RegisterAll();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

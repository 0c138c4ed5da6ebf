// The long comparison with MPFR, beyond what the unit suite can afford: N
// arguments a function (default 100,000,000) from the maths tests' generators
// of hard arguments, in blocks of a million shared by two threads. Prints for
// each function the count of results not correctly rounded and the largest
// error in ulps, with the argument that gave it.
// Usage: maths_long_run [N] [function...]

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "tests/maths/hard_arguments.h"
#include "tests/maths/mpfr_reference.h"

namespace {

using numoria::maths_test::Function;
using numoria::maths_test::Tally;

constexpr std::uint64_t kBlock = 1000000;
constexpr int kThreads = 2;

// Block b of f: the fixed reduction worst cases lead block 0.
Tally CheckBlock(Function f, std::uint64_t b, std::uint64_t size) {
  const auto arguments = b == 0 ? numoria::maths_test::HardArguments(f, size, 0x10a9)
                                : numoria::maths_test::GeneratedArguments(f, size, 0x10a9 + b);
  Tally tally;
  for (const auto& [x, y] : arguments) tally.Add(numoria::maths_test::Compare(f, x, y), x, y);
  return tally;
}

Tally CheckFunction(Function f, std::uint64_t n) {
  const std::uint64_t blocks = (n + kBlock - 1) / kBlock;
  std::vector<Tally> tallies(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (std::uint64_t b = t; b < blocks; b += kThreads) {
        tallies[t].Merge(CheckBlock(f, b, std::min(kBlock, n - b * kBlock)));
      }
    });
  }
  for (auto& thread : threads) thread.join();
  for (int t = 1; t < kThreads; ++t) tallies[0].Merge(tallies[t]);
  return tallies[0];
}

}  // namespace

int main(int argc, char** argv) {
  const std::uint64_t n = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100000000;
  std::printf("%-5s %12s %14s %10s  %s\n", "", "arguments", "not correct", "max ulp", "worst argument");
  for (const Function f : numoria::maths_test::kFunctions) {
    if (argc > 2 && std::find(argv + 2, argv + argc, std::string_view(Name(f))) == argv + argc) continue;
    const auto start = std::chrono::steady_clock::now();
    const Tally tally = CheckFunction(f, n);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%-5s %12" PRIu64 " %14" PRIu64 " %10.3g  ", Name(f).data(), tally.count,
                tally.misrounded, tally.max_ulps);
    if (tally.misrounded > 0) {
      std::printf(Binary(f) ? "(%a, %a)" : "(%a)", tally.worst_x, tally.worst_y);
    }
    std::printf("  [%.0f s]\n", took.count());
    std::fflush(stdout);
  }
  return 0;
}

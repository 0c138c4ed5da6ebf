// Runs a fuzz target without libFuzzer, so that the unit suite checks its
// invariants with any compiler: every file named on the command line or held
// in a folder named there, then --random=N inputs of random bytes drawn from
// a fixed seed. A broken invariant aborts, as under the fuzzer.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Run(const std::vector<std::uint8_t>& input) { LLVMFuzzerTestOneInput(input.data(), input.size()); }

[[nodiscard]] std::vector<std::uint8_t> Contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

[[nodiscard]] std::vector<std::filesystem::path> Files(const std::filesystem::path& named) {
  if (!std::filesystem::is_directory(named)) return {named};
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(named)) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  constexpr std::string_view kRandom = "--random=";
  std::size_t files = 0;
  std::size_t random_inputs = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg.starts_with(kRandom)) {
      random_inputs = std::stoul(std::string(arg.substr(kRandom.size())));
      continue;
    }
    if (!std::filesystem::exists(arg)) {
      std::fprintf(stderr, "no such file or folder: %s\n", argv[i]);
      return 2;
    }
    for (const auto& file : Files(arg)) {
      Run(Contents(file));
      ++files;
    }
  }
  std::mt19937 engine(20240611);
  std::vector<std::uint8_t> input;
  for (std::size_t n = 0; n < random_inputs; ++n) {
    input.resize(engine() % 200);
    for (std::uint8_t& byte : input) byte = static_cast<std::uint8_t>(engine());
    Run(input);
  }
  std::printf("%zu files and %zu random inputs: every check held\n", files, random_inputs);
  return 0;
}

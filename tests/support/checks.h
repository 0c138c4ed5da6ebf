#pragma once

// Small checks shared by the test folders.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

#include "textnum/runtime_error.h"

namespace numoria::testing {

// Readable traces for UTF-16 inputs (non-ASCII shown as '?').
[[nodiscard]] inline std::string Narrow(std::u16string_view text) {
  std::string out;
  for (const char16_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return out;
}

// Runs action and checks it raises RuntimeError with the given number.
template <typename Action>
void ExpectError(ErrorNumber want, Action&& action) {
  try {
    action();
    ADD_FAILURE() << "no error raised, wanted " << static_cast<int>(want);
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), static_cast<int>(want));
  }
}

// Bit for bit: the sign of zero and the last bit count.
inline void ExpectSameBits(double got, double want) {
  EXPECT_EQ(std::bit_cast<std::uint64_t>(got), std::bit_cast<std::uint64_t>(want))
      << got << " want " << want;
}

}  // namespace numoria::testing

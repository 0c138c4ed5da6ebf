#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "textnum/textnum.h"

namespace numoria {
namespace {

// Rounds half to even whatever the floating-point rounding mode: the IEEE
// remainder by 1 is exact and picks the even neighbour on a tie.
template <typename Int>
[[nodiscard]] Int RoundToInteger(double value) {
  if (!std::isfinite(value)) {
    throw RuntimeError(ErrorNumber::kOverflow);
  }
  const double whole = value - std::remainder(value, 1.0);
  if (whole < std::numeric_limits<Int>::min() || whole > std::numeric_limits<Int>::max()) {
    throw RuntimeError(ErrorNumber::kOverflow);
  }
  return static_cast<Int>(whole);
}

}  // namespace

std::u16string IntegerText(std::int16_t value) {
  std::array<char, 8> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return {buffer.data(), end};
}

std::int16_t ToInt16(double value) { return RoundToInteger<std::int16_t>(value); }
std::int16_t ToInt16(std::u16string_view text) { return ToInt16(StrictNumber(text)); }
std::int32_t ToInt32(double value) { return RoundToInteger<std::int32_t>(value); }
std::int32_t ToInt32(std::u16string_view text) { return ToInt32(StrictNumber(text)); }

}  // namespace numoria

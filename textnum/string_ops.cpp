#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "textnum/textnum.h"

namespace numoria {
namespace {

void RequireNonNegative(std::int32_t n) {
  if (n < 0) {
    throw RuntimeError(ErrorNumber::kInvalidArgument);
  }
}

void RequirePosition(std::int32_t start) {
  if (start < 1) {
    throw RuntimeError(ErrorNumber::kInvalidArgument);
  }
}

}  // namespace

std::u16string Left(std::u16string_view s, std::int32_t n) {
  RequireNonNegative(n);
  return std::u16string(s.substr(0, static_cast<std::size_t>(n)));
}

std::u16string Right(std::u16string_view s, std::int32_t n) {
  RequireNonNegative(n);
  const std::size_t count = std::min(s.size(), static_cast<std::size_t>(n));
  return std::u16string(s.substr(s.size() - count));
}

std::u16string Mid(std::u16string_view s, std::int32_t start, std::int32_t n) {
  RequirePosition(start);
  RequireNonNegative(n);
  const auto offset = static_cast<std::size_t>(start) - 1;
  if (offset >= s.size()) {
    return {};
  }
  return std::u16string(s.substr(offset, static_cast<std::size_t>(n)));
}

std::u16string Mid(std::u16string_view s, std::int32_t start) {
  RequirePosition(start);
  const auto offset = static_cast<std::size_t>(start) - 1;
  if (offset >= s.size()) {
    return {};
  }
  return std::u16string(s.substr(offset));
}

std::int32_t InStr(std::u16string_view s, std::u16string_view sub) {
  if (s.empty()) {
    return 0;
  }
  // An empty sub is found at the first position.
  const std::size_t found = s.find(sub);
  return found == std::u16string_view::npos ? 0 : static_cast<std::int32_t>(found) + 1;
}

std::int32_t Len(std::u16string_view s) { return static_cast<std::int32_t>(s.size()); }

}  // namespace numoria

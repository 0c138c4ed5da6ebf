#pragma once

// What every fuzz target shares: turning the fuzzer's bytes into UTF-16 texts
// and numbers, and stopping with a readable report when an invariant breaks.
// A broken invariant calls abort(), which libFuzzer records as a crash and
// saves the input that caused it.

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace numoria::fuzz {

using Bytes = std::span<const std::uint8_t>;

// Pairs of bytes as little-endian UTF-16 code units; an odd last byte is
// dropped.
[[nodiscard]] inline std::u16string Utf16(Bytes bytes) {
  std::u16string text;
  text.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    text.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
  }
  return text;
}

// Each byte picks one character of the alphabet, so short inputs reach the
// deep rules of a grammar instead of failing at the first stray code unit.
[[nodiscard]] inline std::u16string FromAlphabet(Bytes bytes, std::u16string_view alphabet) {
  std::u16string text;
  text.reserve(bytes.size());
  for (const std::uint8_t byte : bytes) {
    text.push_back(alphabet[byte % alphabet.size()]);
  }
  return text;
}

// A little-endian integer of sizeof(T) bytes from the front of bytes (zeros
// where bytes run out), and the bytes behind it.
template <typename T>
[[nodiscard]] T TakeInteger(Bytes& bytes) {
  std::make_unsigned_t<T> value = 0;
  for (std::size_t i = 0; i < sizeof(T) && i < bytes.size(); ++i) {
    value |= static_cast<std::make_unsigned_t<T>>(static_cast<std::make_unsigned_t<T>>(bytes[i]) << (8 * i));
  }
  bytes = bytes.subspan(std::min(sizeof(T), bytes.size()));
  return static_cast<T>(value);
}

// The bits of a double, so results compare exactly: -0 differs from 0.
[[nodiscard]] inline std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

// The text with every code unit outside printable ASCII written as \uXXXX.
[[nodiscard]] inline std::string Printable(std::u16string_view text) {
  std::string out;
  for (const char16_t c : text) {
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      out.push_back(static_cast<char>(c));
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
      out += escaped;
    }
  }
  return out;
}

[[noreturn]] inline void Fail(const char* invariant, std::u16string_view input) {
  std::fprintf(stderr, "\nBROKEN: %s\nINPUT: \"%s\"\n", invariant, Printable(input).c_str());
  std::abort();
}

inline void Check(bool holds, const char* invariant, std::u16string_view input) {
  if (!holds) {
    Fail(invariant, input);
  }
}

}  // namespace numoria::fuzz

#pragma once

#include <exception>
#include <string>

namespace numoria {

// The numbered run-time errors every conversion and calculation raises.
enum class ErrorNumber : int {
  kInvalidArgument = 5,
  kOverflow = 6,
  kDivisionByZero = 11,
  kTypeMismatch = 13,
};

// A numbered run-time error. The description is the user-facing Chinese text
// for the number; handlers show it, the core never does.
class RuntimeError : public std::exception {
 public:
  explicit RuntimeError(ErrorNumber number) noexcept : number_(number) {}

  [[nodiscard]] int number() const noexcept { return static_cast<int>(number_); }
  [[nodiscard]] ErrorNumber kind() const noexcept { return number_; }
  [[nodiscard]] std::u16string description() const;
  [[nodiscard]] const char* what() const noexcept override;

 private:
  ErrorNumber number_;
};

}  // namespace numoria

#include "textnum/runtime_error.h"

namespace numoria {

std::u16string RuntimeError::description() const {
  switch (number_) {
    case ErrorNumber::kInvalidArgument:
      return u"无效的过程调用或参数";
    case ErrorNumber::kOverflow:
      return u"溢出";
    case ErrorNumber::kDivisionByZero:
      return u"除数为零";
    case ErrorNumber::kTypeMismatch:
      return u"类型不匹配";
  }
  return u"运行时错误";
}

const char* RuntimeError::what() const noexcept {
  switch (number_) {
    case ErrorNumber::kInvalidArgument:
      return "invalid procedure call or argument";
    case ErrorNumber::kOverflow:
      return "overflow";
    case ErrorNumber::kDivisionByZero:
      return "division by zero";
    case ErrorNumber::kTypeMismatch:
      return "type mismatch";
  }
  return "run-time error";
}

}  // namespace numoria

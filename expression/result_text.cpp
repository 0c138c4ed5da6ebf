#include "expression/result_text.h"

namespace numoria {

std::u16string ResultNumber(std::u16string_view caption) {
  if (!caption.starts_with(kResultPrefix)) return {};
  return std::u16string(caption.substr(kResultPrefix.size()));
}

}  // namespace numoria

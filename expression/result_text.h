#pragma once

// Label2's caption after an evaluation, and the number it carries.

#include <string>
#include <string_view>

namespace numoria {

// What Label2 shows before the number of a successful evaluation.
inline constexpr std::u16string_view kResultPrefix = u"计算结果为: ";

// The number a caption of Label2 shows: the text after kResultPrefix, or an
// empty text while it shows the hint or "公式有错误".
[[nodiscard]] std::u16string ResultNumber(std::u16string_view caption);

}  // namespace numoria

#pragma once

// The number Labxj's caption carries.

#include <string>
#include <string_view>

namespace numoria {

// The current price a caption of Labxj shows, without its "元": an empty
// text while the caption is empty or asks for a correct price.
[[nodiscard]] std::u16string CurrentPriceNumber(std::u16string_view caption);

}  // namespace numoria

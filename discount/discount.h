#pragma once

// The discount calculator's rule: a price and a discount in tenths give the
// current price, written as its number followed by "元".

#include <cstdint>
#include <string>
#include <string_view>

namespace numoria {

// price * discount / 10, with the digits of the plain product.
[[nodiscard]] double CurrentPrice(double price, std::int16_t discount);

// Labxj's caption for a price text and a discount: the current price and
// "元", or a prompt when the price text is not a number.
[[nodiscard]] std::u16string CurrentPriceText(std::u16string_view price_text,
                                              std::int16_t discount);

// The current price a caption of Labxj shows, without its "元": an empty
// text while the caption is empty or asks for a correct price.
[[nodiscard]] std::u16string CurrentPriceNumber(std::u16string_view caption);

}  // namespace numoria

#pragma once

// The small fonts compiled into the program (resources/numoria.qrc): subsets
// of Noto Serif CJK SC and Noto Sans CJK SC holding just the characters of the
// window's own texts, made by resources/make_fonts.py. Text the user types may
// need characters they lack; those come from the installed full faces.

#include <array>
#include <string_view>

namespace numoria {

struct EmbeddedFont {
  std::string_view resource;  // Qt resource path
  std::u16string_view family;
  std::u16string_view cut_from;  // the installed face it is a subset of
};

inline constexpr EmbeddedFont kSongFont{":/numoria/fonts/NumoriaSong.ttf", u"Numoria Song",
                                        u"Noto Serif CJK SC"};
inline constexpr EmbeddedFont kRoundFont{":/numoria/fonts/NumoriaRound.ttf", u"Numoria Round",
                                         u"Noto Sans CJK SC"};
inline constexpr std::array kEmbeddedFonts{kSongFont, kRoundFont};

}  // namespace numoria

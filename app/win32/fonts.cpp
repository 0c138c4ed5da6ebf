#include "app/win32/fonts.h"

#include <algorithm>
#include <array>

#include "app/win32/dpi.h"
#include "app/win32/resource_ids.h"
#include "app/win32/wide.h"

namespace numoria::win32 {
namespace {

// A face and the faces to use in its place, best first: its English name,
// then a face of the same kind, then the compiled-in subset of the window's
// own texts (Numoria Song for the Song face, Numoria Round for the rounded
// and decorative ones).
struct StandIns {
  std::u16string_view face;
  std::array<std::u16string_view, 3> by;
};

constexpr std::array kStandIns{
    StandIns{u"宋体", {u"SimSun", u"NSimSun", u"Numoria Song"}},
    StandIns{u"黑体", {u"SimHei", u"Microsoft YaHei", u"Tahoma"}},
    StandIns{u"幼圆", {u"YouYuan", u"Numoria Round", u""}},
    StandIns{u"华文琥珀", {u"STHupo", u"Numoria Round", u""}},
    StandIns{u"MS Sans Serif", {u"Microsoft Sans Serif", u"Arial", u"Tahoma"}},
};

[[nodiscard]] bool FaceInstalled(std::u16string_view face) {
  if (face.empty() || face.size() >= LF_FACESIZE) return false;
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  std::copy(face.begin(), face.end(), wanted.lfFaceName);
  bool found = false;
  const HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(
      screen, &wanted,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found_flag) -> int {
        *reinterpret_cast<bool*>(found_flag) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

void AddFontResource(HINSTANCE instance, int id) {
  const HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));
  if (found == nullptr) return;
  const HGLOBAL loaded = LoadResource(instance, found);
  void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) return;
  DWORD count = 0;
  // Private to the process and kept for its whole life, like the window.
  AddFontMemResourceEx(data, SizeofResource(instance, found), nullptr, &count);
}

}  // namespace

void LoadEmbeddedFonts(HINSTANCE instance) {
  [[maybe_unused]] static const bool loaded = [instance] {
    AddFontResource(instance, NUMORIA_FONT_SONG);
    AddFontResource(instance, NUMORIA_FONT_ROUND);
    return true;
  }();
}

std::wstring InstalledFace(std::u16string_view face) {
  if (FaceInstalled(face)) return Wide(face);
  const auto entry = std::find_if(kStandIns.begin(), kStandIns.end(),
                                  [&](const StandIns& s) { return s.face == face; });
  if (entry != kStandIns.end()) {
    for (const auto stand_in : entry->by) {
      if (FaceInstalled(stand_in)) return Wide(stand_in);
    }
  }
  return Wide(face);
}

HFONT FontCache::Get(const window::Font& font, UINT dpi) {
  const auto key = std::make_tuple(font.face, font.point_tenths, font.weight, dpi);
  if (const auto it = fonts_.find(key); it != fonts_.end()) return it->second.get();
  LOGFONTW wanted{};
  wanted.lfHeight = FontHeight(font.point_tenths, dpi);
  wanted.lfWeight = font.weight;
  // The font mapper ranks the character set above the face name: asking for
  // GB2312 could give another face than the one named.
  wanted.lfCharSet = DEFAULT_CHARSET;
  wanted.lfQuality = CLEARTYPE_QUALITY;
  const std::wstring face = InstalledFace(font.face);
  std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), wanted.lfFaceName);
  const HFONT made = CreateFontIndirectW(&wanted);
  fonts_.emplace(key, Font(made));
  return made;
}

}  // namespace numoria::win32

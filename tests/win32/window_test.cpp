// The binding of the Win32 window: a notification reaches the tools and what
// they write reaches the controls. The tools' rules are tested without a
// window; these tables only check that the messages get through.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <vector>

#include "app/win32/clipboard.h"
#include "app/win32/text_box.h"
#include "tests/win32/window_fixture.h"

namespace numoria::win32::testing {
namespace {

TEST_F(WindowTest, KeypadClicksReachTheDisplay) {
  for (const auto key : {u"Digits(1)", u"Digits(2)", u"Plus", u"Digits(3)", u"Equals"}) Click(key);
  EXPECT_EQ(Text(u"Display"), u"15");
}

TEST_F(WindowTest, KeyboardPressesTheFocusedKeypad) {
  const HWND key = Control(u"Digits(5)");
  SetFocus(key);
  for (const wchar_t c : std::wstring(L"12+3=")) SendMessageW(key, WM_CHAR, c, 1);
  EXPECT_EQ(Text(u"Display"), u"15");
  EXPECT_EQ(GetFocus(), key);
  SendMessageW(key, WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_EQ(Text(u"Display"), u"");
}

TEST_F(WindowTest, TextBoxNotificationsReachTheTools) {
  struct Case {
    std::u16string_view box;
    std::u16string_view typed;
    std::u16string_view shown_in;
    std::u16string_view shown;
  };
  const std::vector<Case> cases{
      {u"Text3", u"1001", u"Text4", u"壹仟零壹元"},
      {u"Text3", u"１２．５", u"Text4", u"壹拾贰元伍角"},  // an input method's full width
      {u"Text3", u"1.2.3", u"Text4", u"金额格式有误"},     // the converter's refusal
      {u"Text2", u"100", u"Labxj", u""},                   // no Change handler
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed.begin(), c.typed.end()));
    SetText(c.box, u"");
    Type(c.box, c.typed);
    EXPECT_EQ(Text(c.shown_in), c.shown);
  }
}

TEST_F(WindowTest, ImeCharactersAreFoldedLikeTyped) {
  for (const wchar_t c : std::wstring(L"（１＋２）"))
    SendMessageW(Control(u"Text1"), WM_IME_CHAR, c, 1);
  EXPECT_EQ(Text(u"Text1"), u"(1+2)");
  Click(u"Command1");
  EXPECT_EQ(Text(u"Label2"), u"计算结果为: 3");
}

TEST_F(WindowTest, AutoSizeLabelFollowsItsCaption) {
  RECT before;
  GetWindowRect(Control(u"Label2"), &before);
  SetText(u"Text1", u"2*(3+4)");
  Click(u"Command1");
  EXPECT_EQ(Text(u"Label2"), u"计算结果为: 14");
  RECT after;
  GetWindowRect(Control(u"Label2"), &after);
  EXPECT_EQ(after.left, before.left);
  EXPECT_LT(after.right, before.right);
}

TEST_F(WindowTest, PastesAreCleanedAndCutToTheLimit) {
  struct Case {
    std::u16string_view box;
    std::u16string_view before;
    std::u16string_view clipboard;
    std::u16string_view after;
  };
  const std::vector<Case> cases{
      {u"Text3", u"", u" ￥1,234.50\r\n", u"1234.50"},
      {u"Text3", u"123456789", u"456", u"123456789"},  // too long: refused whole
      {u"Text1", u"", u" 2*3\r\n+1 ", u"2*3 +1"},
      {u"Text4", u"", u" x", u" x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.clipboard.begin(), c.clipboard.end()));
    SetText(c.box, c.before);
    SendMessageW(Control(c.box), EM_SETSEL, c.before.size(), c.before.size());
    SetClipboardText(form_, c.clipboard);
    SendMessageW(Control(c.box), WM_PASTE, 0, 0);
    EXPECT_EQ(Text(c.box), c.after);
  }
}

// The menu entry of the given text.
[[nodiscard]] UINT CommandOf(HMENU menu, std::wstring_view text) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t item[64]{};
    GetMenuStringW(menu, static_cast<UINT>(i), item, 64, MF_BYPOSITION);
    if (std::wstring_view(item).substr(0, text.size()) == text) return GetMenuItemID(menu, i);
  }
  return 0;
}

TEST_F(WindowTest, ChequeFormCopiesFromMenuAndKeysAndShowsInTip) {
  const HWND words = Control(u"Text4");
  const Menu before = TextBoxMenu(words, numoria::Control::kText4, Window());
  EXPECT_NE(GetMenuState(before.get(), CommandOf(before.get(), L"复制票据金额"), MF_BYCOMMAND) &
                MF_GRAYED,
            0u);
  Type(u"Text3", u"12");
  const Menu menu = TextBoxMenu(words, numoria::Control::kText4, Window());
  const UINT with_currency = CommandOf(menu.get(), L"复制票据金额（含人民币）");
  EXPECT_EQ(GetMenuState(menu.get(), with_currency, MF_BYCOMMAND) & MF_GRAYED, 0u);
  RunTextBoxCommand(words, with_currency, Window());
  EXPECT_EQ(ClipboardText(form_), u"人民币壹拾贰元整");

  BYTE keys[256]{};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  SendMessageW(words, WM_KEYDOWN, 'C', 1);
  SendMessageW(words, WM_CHAR, 0x03, 1);
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(ClipboardText(form_), u"壹拾贰元整");

  wchar_t tip[128]{};
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  info.hwnd = form_;
  info.uId = reinterpret_cast<UINT_PTR>(words);
  info.lpszText = tip;
  const HWND tooltip = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr);
  SendMessageW(tooltip, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(std::wstring(tip), L"票据写法：壹拾贰元整");
}

TEST_F(WindowTest, EditMenusAreChinese) {
  for (const auto box : {numoria::Control::kText1, numoria::Control::kText3}) {
    const Menu menu = TextBoxMenu(Control(window::Describe(box).name), box, Window());
    const int count = GetMenuItemCount(menu.get());
    ASSERT_GT(count, 5);
    for (int i = 0; i < count; ++i) {
      wchar_t item[64]{};
      if (GetMenuStringW(menu.get(), static_cast<UINT>(i), item, 64, MF_BYPOSITION) == 0) continue;
      SCOPED_TRACE(i);
      EXPECT_GE(item[0], 0x4E00);  // a Chinese word first
    }
  }
}

}  // namespace
}  // namespace numoria::win32::testing

// What other programs see of the window: the control IDs and texts, the
// scroll bar's messages, the overflow box, the clock, the focus and the
// amount box's limit.

#include <vector>

#include "tests/win32/window_fixture.h"

namespace numoria::win32::testing {
namespace {

using window::Kind;

TEST_F(WindowTest, EveryControlIsAChildWithItsIdTextAndClass) {
  wchar_t class_name[32]{};
  GetClassNameW(form_, class_name, 32);
  EXPECT_NE(std::wstring(class_name), L"#32770");
  EXPECT_EQ(GetAncestor(form_, GA_ROOT), form_);
  EXPECT_EQ(WindowText(form_), u"Numoria");
  for (const window::ControlDescription& entry : window::Description()) {
    // The clock's label has its own test: its text changes on every tick.
    if (entry.kind == Kind::kForm || entry.kind == Kind::kTimer || entry.kind == Kind::kAction ||
        entry.name == u"Label12") {
      continue;
    }
    SCOPED_TRACE(std::string(entry.name.begin(), entry.name.end()));
    const HWND control = Control(entry.name);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(IsChild(form_, control));
    EXPECT_EQ(Text(entry.name), entry.caption);
    GetClassNameW(control, class_name, 32);
    const std::wstring expected = entry.kind == Kind::kTextBox      ? L"Edit"
                                  : entry.kind == Kind::kButton     ? L"Button"
                                  : entry.kind == Kind::kHScrollBar ? L"ScrollBar"
                                  : entry.kind == Kind::kLabel      ? L"Static"
                                                                    : class_name;
    EXPECT_EQ(CompareStringOrdinal(class_name, -1, expected.c_str(), -1, TRUE), CSTR_EQUAL);
  }
}

TEST_F(WindowTest, ScrollBarChangesOnlyOnCompletedSteps) {
  struct Step {
    WORD code;
    short position;
    int value;
    std::u16string_view discount;
  };
  // Range 0 to 10, steps of 1; the thumb's drag changes nothing, neither the
  // bar nor the discount, until it ends.
  // clang-format off
  const std::vector<Step> steps{
      {SB_THUMBTRACK, 4, 0, u""}, {SB_THUMBPOSITION, 4, 4, u"4折"}, {SB_LINELEFT, 0, 3, u"3折"},
      {SB_PAGERIGHT, 0, 4, u"4折"}, {SB_THUMBTRACK, 7, 4, u"4折"}, {SB_THUMBPOSITION, 7, 7, u"7折"},
      {SB_ENDSCROLL, 0, 7, u"7折"}, {SB_LINERIGHT, 0, 8, u"8折"}, {SB_PAGELEFT, 0, 7, u"7折"},
      {SB_RIGHT, 0, 10, u"10折"}, {SB_LINERIGHT, 0, 10, u"10折"}, {SB_LEFT, 0, 0, u"0折"},
      {SB_LINELEFT, 0, 0, u"0折"},
  };
  // clang-format on
  const HWND bar = Control(u"HScroll1");
  for (const Step& step : steps) {
    SCOPED_TRACE(step.code);
    SendMessageW(GetParent(bar), WM_HSCROLL, MAKEWPARAM(step.code, step.position),
                 reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(SendMessageW(bar, SBM_GETPOS, 0, 0), step.value);
    EXPECT_EQ(Text(u"Labzhe"), step.discount);
  }
}

// The box the keypad shows on an error, as the system's hooks see it open.
struct SeenBox {
  std::wstring caption;
  std::wstring text;
  std::wstring button;
  bool owner_enabled = true;
  int count = 0;
};

SeenBox* g_seen = nullptr;  // the hook procedure has no context of its own

LRESULT CALLBACK CloseBox(int code, WPARAM wparam, LPARAM lparam) {
  const auto box = reinterpret_cast<HWND>(wparam);
  wchar_t text[256]{};
  if (code == HCBT_ACTIVATE && g_seen != nullptr && GetClassNameW(box, text, 256) > 0 &&
      std::wstring_view(text) == L"#32770") {
    GetWindowTextW(box, text, 256);
    g_seen->caption = text;
    GetDlgItemTextW(box, 0xFFFF, text, 256);
    g_seen->text = text;
    GetDlgItemTextW(box, IDOK, text, 256);
    g_seen->button = text;
    g_seen->owner_enabled = IsWindowEnabled(GetWindow(box, GW_OWNER)) != FALSE;
    ++g_seen->count;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

TEST_F(WindowTest, OverflowBoxIsOwnedChineseAndModal) {
  SeenBox seen;
  g_seen = &seen;
  const HHOOK hook = SetWindowsHookExW(WH_CBT, CloseBox, nullptr, GetCurrentThreadId());
  SetText(u"Display", u"4.9E-324");
  Click(u"Over");
  UnhookWindowsHookEx(hook);
  g_seen = nullptr;
  EXPECT_EQ(seen.count, 1);
  EXPECT_EQ(seen.caption, L"Numoria");
  EXPECT_EQ(seen.text.rfind(L"此操作产生如下错误：", 0), 0u);
  EXPECT_EQ(seen.button, L"确定");
  EXPECT_FALSE(seen.owner_enabled);
  EXPECT_EQ(Text(u"Display"), u"ERROR");
}

TEST_F(WindowTest, ClockIsEmptyUntilTheFirstTick) {
  EXPECT_EQ(Text(u"Label12"), u"");
  SendMessageW(form_, WM_TIMER, 1, 0);
  EXPECT_NE(Text(u"Label12"), u"");
}

TEST_F(WindowTest, TabOrderRunsOverTheWholeWindow) {
  // The keypad's digits, Digits(9) down to Digits(0), lie between the two runs.
  using Run = std::vector<std::u16string_view>;
  for (const Run& run : {Run{u"Equals", u"Div", u"Times", u"Minus", u"Plus", u"DotBttn", u"clear",
                             u"Over", u"PlusMinus", u"Digits(9)"},
                         Run{u"Digits(0)", u"Text1", u"Command1", u"Text2", u"HScroll1", u"Text3",
                             u"Text4", u"Equals"}}) {
    for (std::size_t i = 0; i + 1 < run.size(); ++i) {
      EXPECT_EQ(GetNextDlgTabItem(form_, Control(run[i]), FALSE), Control(run[i + 1]));
    }
  }
  EXPECT_EQ(GetNextDlgTabItem(form_, Control(u"Equals"), TRUE), Control(u"Text4"));
}

TEST_F(WindowTest, AmountBoxHasTheFocusAndTakesTenTypedCharacters) {
  EXPECT_EQ(GetFocus(), Control(u"Text3"));
  Type(u"Text3", u"123456789012");
  EXPECT_EQ(Text(u"Text3"), u"1234567890");
}

}  // namespace
}  // namespace numoria::win32::testing

#include "app/window_description.h"

#include <algorithm>
#include <array>

namespace numoria::window {
namespace {

constexpr Font kWindowFont{u"宋体", 90, 400, 134};
constexpr Font kTitleFont{u"华文琥珀", 180, 400, 134};
constexpr Font kRoundFont{u"幼圆", 105, 400, 134};
constexpr Font kClockFont{u"宋体", 105, 400, 134};
constexpr Font kKeyFont{u"黑体", 105, 700, 134};
constexpr Font kDotKeyFont{u"黑体", 120, 700, 134};
constexpr Font kDisplayFont{u"MS Sans Serif", 135, 400, 0};

constexpr Colour kFrameBack = Fixed(0xC0FFFF);
constexpr Colour kFrameCaption = Fixed(0x8080FF);
constexpr Colour kGreen = Fixed(0x008000);

// The fields every control has; the helpers below add what their kind needs.
constexpr ControlDescription Entry(Control id, std::u16string_view name, Kind kind,
                                   std::u16string_view parent, std::u16string_view caption,
                                   Twips geometry, int tab_index) {
  ControlDescription c;
  c.id = id;
  c.name = name;
  c.kind = kind;
  c.parent = parent;
  c.caption = caption;
  c.geometry = geometry;
  c.tab_index = tab_index;
  return c;
}

constexpr ControlDescription Frame(Control id, std::u16string_view name, std::u16string_view caption, Twips geometry,
                            int tab_index) {
  ControlDescription c = Entry(id, name, Kind::kFrame, u"Form1", caption, geometry, tab_index);
  c.fore = kFrameCaption;
  c.back = kFrameBack;
  return c;
}

// A keypad key in Frame1.
constexpr ControlDescription Key(Control id, std::u16string_view name, std::u16string_view caption, Twips geometry,
                          int tab_index, std::u16string_view accessible_name = {},
                          Font font = kKeyFont) {
  ControlDescription c = Entry(id, name, Kind::kButton, u"Frame1", caption, geometry, tab_index);
  c.font = font;
  c.accessible_name = accessible_name;
  return c;
}

// A transparent label in the window's font and default text colour.
constexpr ControlDescription PanelLabel(Control id, std::u16string_view name, std::u16string_view parent,
                                 std::u16string_view caption, Twips geometry, int tab_index,
                                 bool auto_size = false) {
  ControlDescription c = Entry(id, name, Kind::kLabel, parent, caption, geometry, tab_index);
  c.transparent = true;
  c.auto_size = auto_size;
  return c;
}

// A transparent label straight on the window, with a colour and font of its own.
constexpr ControlDescription WindowLabel(Control id, std::u16string_view name, std::u16string_view caption,
                                  Twips geometry, int tab_index, Font font, Colour fore) {
  ControlDescription c = Entry(id, name, Kind::kLabel, u"Form1", caption, geometry, tab_index);
  c.font = font;
  c.fore = fore;
  c.transparent = true;
  return c;
}

constexpr ControlDescription TextBox(Control id, std::u16string_view name,
                                     std::u16string_view parent, Twips geometry, int tab_index,
                                     std::u16string_view accessible_name, Input input,
                                     std::span<const Control> menu = {}) {
  ControlDescription c = Entry(id, name, Kind::kTextBox, parent, u"", geometry, tab_index);
  c.accessible_name = accessible_name;
  c.input = input;
  c.menu = menu;
  return c;
}

// An entry of a context menu; menu_of lists it in its `menu`.
constexpr ControlDescription Action(Control id, std::u16string_view name,
                                    std::u16string_view caption, bool enabled = true,
                                    Shortcut shortcut = {}) {
  ControlDescription c = Entry(id, name, Kind::kAction, u"Form1", caption, {}, kNoTabIndex);
  c.enabled = enabled;
  c.shortcut = shortcut;
  return c;
}

// A label whose number the user can select and copy from its context menu.
constexpr ControlDescription Copying(ControlDescription c, CopyRule rule,
                                     std::span<const Control> menu) {
  c.copy = rule;
  c.menu = menu;
  return c;
}

// The cheque form of Text3's amount heads the menus of Text3 and Text4; the
// first action also answers Ctrl+Shift+C in either box. Both stay disabled
// until an amount can stand on a cheque.
constexpr std::array kChequeMenu{Control::kCopyChequeAmount, Control::kCopyChequeAmountRmb};
constexpr std::array kDisplayMenu{Control::kCopyDisplay};
constexpr std::array kResultMenu{Control::kCopyLabel2};
constexpr std::array kPriceMenu{Control::kCopyLabxj};

constexpr ControlDescription Form() {
  ControlDescription c = Entry(Control::kForm1, u"Form1", Kind::kForm, u"", u"Numoria", {0, 0, 9510, 6105}, kNoTabIndex);
  c.font = kWindowFont;
  c.back = System(SystemColour::kButtonFace);
  return c;
}

// A label that shows a result, read by what it shows, and by its own name
// while it is empty.
constexpr ControlDescription OutputLabel(Control id, std::u16string_view name,
                                         std::u16string_view parent, Twips geometry,
                                         int tab_index, std::u16string_view empty_caption_name) {
  ControlDescription c = Entry(id, name, Kind::kLabel, parent, u"", geometry, tab_index);
  c.empty_caption_name = empty_caption_name;
  return c;
}

// The keypad's display: the one opaque label, white, bordered, right-aligned,
// keeping the newest digits of a long number in view.
constexpr ControlDescription Display() {
  ControlDescription c = OutputLabel(Control::kDisplay, u"Display", u"Frame1",
                                     {240, 360, 3735, 495}, 21, u"计算器显示");
  c.font = kDisplayFont;
  c.back = System(SystemColour::kHighlightText);
  c.alignment = Alignment::kRight;
  c.border = Border::kFixedSingle;
  c.keeps_tail = true;
  return Copying(c, CopyRule::kWhole, kDisplayMenu);
}

// The discount calculator's outputs, transparent in the window's font.
constexpr ControlDescription PriceLabel(Control id, std::u16string_view name, Twips geometry,
                                        int tab_index, std::u16string_view empty_caption_name) {
  ControlDescription c = OutputLabel(id, name, u"Frame3", geometry, tab_index, empty_caption_name);
  c.transparent = true;
  c.shown_whole = true;
  return c;
}

// The converter's output: the capital amount, whole however long.
constexpr ControlDescription AmountWords() {
  ControlDescription c = TextBox(Control::kText4, u"Text4", u"Frame4", {5400, 240, 3495, 270}, 41,
                                 u"大写金额", Input::kAsTyped, kChequeMenu);
  c.shown_whole = true;
  return c;
}

constexpr ControlDescription DiscountBar() {
  ControlDescription c =
      Entry(Control::kHScroll1, u"HScroll1", Kind::kHScrollBar, u"Frame3", u"", {240, 1080, 3855, 255}, 36);
  c.accessible_name = u"折扣";
  c.range = {0, 10, 1, 1};
  return c;
}

constexpr ControlDescription Clock() {
  ControlDescription c = Entry(Control::kTimer1, u"Timer1", Kind::kTimer, u"Form1", u"", {}, kNoTabIndex);
  c.interval_ms = 600;
  return c;
}

constexpr std::array kControls{
    Form(),
    WindowLabel(Control::kLabel1_0, u"Label1(0)", u"  N u m o r i a", {3360, 120, 3015, 375}, 0, kTitleFont,
                Fixed(0xFF0000)),

    Frame(Control::kFrame1, u"Frame1", u"按键式计算器", {240, 720, 4335, 3975}, 1),
    Display(),
    Key(Control::kDigits1, u"Digits(1)", u"1", {240, 1080, 495, 495}, 19, u"数字 1"),
    Key(Control::kDigits2, u"Digits(2)", u"2", {960, 1080, 495, 495}, 18, u"数字 2"),
    Key(Control::kDigits3, u"Digits(3)", u"3", {1800, 1080, 495, 495}, 17, u"数字 3"),
    Key(Control::kDigits4, u"Digits(4)", u"4", {240, 1800, 495, 495}, 16, u"数字 4"),
    Key(Control::kDigits5, u"Digits(5)", u"5", {960, 1800, 495, 495}, 15, u"数字 5"),
    Key(Control::kDigits6, u"Digits(6)", u"6", {1800, 1800, 495, 495}, 14, u"数字 6"),
    Key(Control::kDigits7, u"Digits(7)", u"7", {240, 2520, 495, 495}, 13, u"数字 7"),
    Key(Control::kDigits8, u"Digits(8)", u"8", {960, 2520, 495, 495}, 12, u"数字 8"),
    Key(Control::kDigits9, u"Digits(9)", u"9", {1800, 2520, 495, 495}, 11, u"数字 9"),
    Key(Control::kClear, u"clear", u"C", {240, 3240, 495, 555}, 8, u"清除"),
    Key(Control::kDigits0, u"Digits(0)", u"0", {960, 3240, 495, 495}, 20, u"数字 0"),
    Key(Control::kDotBttn, u"DotBttn", u".", {1800, 3240, 495, 525}, 7, u"小数点", kDotKeyFont),
    Key(Control::kPlusMinus, u"PlusMinus", u"+\\-", {2520, 1200, 615, 375}, 10, u"正负号"),
    Key(Control::kOver, u"Over", u"1/x", {3360, 1200, 615, 375}, 9, u"倒数"),
    Key(Control::kPlus, u"Plus", u" + ", {2520, 1920, 615, 375}, 6, u"加"),
    Key(Control::kMinus, u"Minus", u" - ", {3360, 1920, 615, 375}, 5, u"减"),
    Key(Control::kTimes, u"Times", u" * ", {2520, 2640, 615, 375}, 4, u"乘"),
    Key(Control::kDiv, u"Div", u" / ", {3360, 2640, 615, 375}, 3, u"除"),
    Key(Control::kEquals, u"Equals", u" = ", {2520, 3360, 1455, 375}, 2, u"等于"),

    Frame(Control::kFrame2, u"Frame2", u"表达式计算器", {4800, 720, 4455, 2055}, 22),
    Copying(PanelLabel(Control::kLabel2, u"Label2", u"Frame2", u"输入表达式(数字不能带正负号)",
                       {240, 360, 2520, 180}, 25, true),
            CopyRule::kResultNumber, kResultMenu),
    TextBox(Control::kText1, u"Text1", u"Frame2", {240, 840, 2895, 375}, 23, u"表达式", Input::kLine),
    Entry(Control::kCommand1, u"Command1", Kind::kButton, u"Frame2", u"计 算", {3360, 840, 975, 375}, 24),
    PanelLabel(Control::kLabel1_1, u"Label1(1)", u"Frame2", u"说明：用于四则混合运算，可嵌套多层小括号。",
               {240, 1440, 3780, 180}, 26, true),
    PanelLabel(Control::kLabel3, u"Label3", u"Frame2", u"×用*代替，÷用/代替。", {720, 1680, 3135, 255}, 27),

    Frame(Control::kFrame3, u"Frame3", u"计算打折", {4800, 2880, 4455, 1815}, 28),
    PanelLabel(Control::kLabel4, u"Label4", u"Frame3", u"原价：", {240, 360, 615, 255}, 29),
    TextBox(Control::kText2, u"Text2", u"Frame3", {1200, 360, 1095, 270}, 35, u"原价", Input::kPrice),
    PanelLabel(Control::kLabel5, u"Label5", u"Frame3", u"元", {2400, 360, 375, 255}, 30),
    PanelLabel(Control::kLabel6, u"Label6", u"Frame3", u"打折：", {240, 720, 615, 255}, 31),
    PriceLabel(Control::kLabzhe, u"Labzhe", {1200, 720, 1455, 255}, 32, u"打折"),
    DiscountBar(),
    PanelLabel(Control::kLabel8, u"Label8", u"Frame3", u"现价：", {240, 1440, 615, 255}, 33),
    Copying(PriceLabel(Control::kLabxj, u"Labxj", {1200, 1440, 1455, 255}, 34, u"现价"),
            CopyRule::kCurrentPrice, kPriceMenu),

    Frame(Control::kFrame4, u"Frame4", u"小写金额转换为大写金额", {240, 4800, 9015, 615}, 37),
    PanelLabel(Control::kLabel7, u"Label7", u"Frame4", u"请输入数字：", {120, 240, 1215, 255}, 38),
    TextBox(Control::kText3, u"Text3", u"Frame4", {1320, 240, 2175, 270}, 40, u"小写金额", Input::kAmount,
            kChequeMenu),
    PanelLabel(Control::kLabel9, u"Label9", u"Frame4", u"转换为大写金额：", {3840, 240, 1455, 255}, 39),
    AmountWords(),

    WindowLabel(Control::kLabel11, u"Label11", u"现在是", {1080, 5640, 735, 375}, 43, kRoundFont, kGreen),
    WindowLabel(Control::kLabel12, u"Label12", u"", {1800, 5640, 2775, 375}, 44, kClockFont, kGreen),
    WindowLabel(Control::kLabel10, u"Label10", u"Orvend制作，欢迎使用。", {5640, 5640, 2415, 375}, 42, kRoundFont,
                kGreen),
    Clock(),

    Action(Control::kCopyChequeAmount, u"CopyChequeAmount", u"复制票据金额", false,
           Shortcut{u'C', true, true}),
    Action(Control::kCopyChequeAmountRmb, u"CopyChequeAmountRmb", u"复制票据金额（含人民币）", false),
    Action(Control::kCopyDisplay, u"CopyDisplay", u"复制"),
    Action(Control::kCopyLabel2, u"CopyLabel2", u"复制"),
    Action(Control::kCopyLabxj, u"CopyLabxj", u"复制"),
};

constexpr bool ParentsComeFirst() {
  for (std::size_t i = 1; i < kControls.size(); ++i) {
    const auto before = std::span(kControls).first(i);
    if (std::none_of(before.begin(), before.end(),
                     [&](const ControlDescription& c) { return c.name == kControls[i].parent; })) {
      return false;
    }
  }
  return kControls.front().kind == Kind::kForm;
}

// The tab indexes form one sequence 0, 1, 2, ... over the whole window.
constexpr bool TabIndexesAreOneSequence() {
  int count = 0;
  for (const auto& c : kControls) count += c.tab_index != kNoTabIndex ? 1 : 0;
  for (int index = 0; index < count; ++index) {
    if (std::count_if(kControls.begin(), kControls.end(),
                      [&](const ControlDescription& c) { return c.tab_index == index; }) != 1) {
      return false;
    }
  }
  return true;
}

constexpr bool WholePixels() {
  return std::all_of(kControls.begin(), kControls.end(), [](const ControlDescription& c) {
    const Twips& g = c.geometry;
    return g.left % kTwipsPerPixel == 0 && g.top % kTwipsPerPixel == 0 &&
           g.width % kTwipsPerPixel == 0 && g.height % kTwipsPerPixel == 0;
  });
}

// Every control constant has its entry, at its own place, under a name no
// other entry has.
constexpr bool OneEntryPerConstant() {
  if (kControls.size() != kControlCount) return false;
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    if (IndexOf(kControls[i].id) != i) return false;
    for (std::size_t j = 0; j < i; ++j) {
      if (kControls[j].name == kControls[i].name) return false;
    }
  }
  return true;
}

// Only actions head menus, and every action heads one.
constexpr bool MenusHoldActions() {
  for (const auto& action : kControls) {
    if (action.kind != Kind::kAction) continue;
    if (std::none_of(kControls.begin(), kControls.end(), [&](const ControlDescription& c) {
          return std::find(c.menu.begin(), c.menu.end(), action.id) != c.menu.end();
        })) {
      return false;
    }
  }
  return std::all_of(kControls.begin(), kControls.end(), [](const ControlDescription& c) {
    return std::all_of(c.menu.begin(), c.menu.end(), [](Control entry) {
      return kControls[IndexOf(entry)].kind == Kind::kAction;
    });
  });
}

static_assert(ParentsComeFirst());
static_assert(TabIndexesAreOneSequence());
static_assert(WholePixels());
static_assert(OneEntryPerConstant());
static_assert(MenusHoldActions());

}  // namespace

std::span<const ControlDescription> Description() { return kControls; }

const ControlDescription& Describe(Control control) { return kControls[IndexOf(control)]; }

std::u16string_view AccessibleName(const ControlDescription& entry, std::u16string_view caption) {
  if (!entry.accessible_name.empty()) return entry.accessible_name;
  return caption.empty() ? entry.empty_caption_name : std::u16string_view();
}

std::optional<Control> ControlNamed(std::u16string_view name) {
  const auto it = std::find_if(kControls.begin(), kControls.end(),
                               [&](const ControlDescription& c) { return c.name == name; });
  if (it == kControls.end()) return std::nullopt;
  return it->id;
}

Control MenuHost(Control action) {
  for (const ControlDescription& c : kControls) {
    if (std::find(c.menu.begin(), c.menu.end(), action) != c.menu.end()) return c.id;
  }
  return action;
}

}  // namespace numoria::window

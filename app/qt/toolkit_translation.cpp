#include "app/qt/toolkit_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>
#include <array>
#include <string_view>

namespace numoria {
namespace {

// Where Qt's translation words a text otherwise than Chinese desktops do
// today (撤消 for 撤销, 滚动至此 for 滚动到这里), the current word.
struct Wording {
  std::string_view context;
  std::string_view source;
  std::u16string_view text;
};

constexpr std::array kWordings{
    Wording{"QLineEdit", "&Undo", u"撤销(&U)"},
    Wording{"QWidgetTextControl", "&Undo", u"撤销(&U)"},
    Wording{"QScrollBar", "Scroll here", u"滚动到这里"},
};

class CurrentWording final : public QTranslator {
 public:
  using QTranslator::QTranslator;

  [[nodiscard]] bool isEmpty() const override { return false; }

  [[nodiscard]] QString translate(const char* context, const char* source,
                                  const char* /*disambiguation*/, int /*n*/) const override {
    if (context == nullptr || source == nullptr) return {};
    for (const Wording& w : kWordings) {
      if (w.context == context && w.source == source) {
        return QString::fromUtf16(w.text.data(), static_cast<qsizetype>(w.text.size()));
      }
    }
    return {};
  }
};

}  // namespace

void InstallToolkitTranslation() {
  // The translators live as long as the process, like the application they
  // serve; Qt's file is mapped in place, not read into memory. The one
  // installed last is asked first.
  [[maybe_unused]] static const bool installed = [] {
    QCoreApplication* app = QCoreApplication::instance();
    auto* qt = new QTranslator(app);
    if (!qt->load(QStringLiteral("qtbase_zh_CN"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      return false;
    }
    QCoreApplication::installTranslator(qt);
    QCoreApplication::installTranslator(new CurrentWording(app));
    return true;
  }();
}

}  // namespace numoria

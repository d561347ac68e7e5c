#include "gui/qt_text.h"

#include "text/gbk.h"

#include <QList>

namespace zeruda::gui {

QString fromGbk(std::string_view gbk) { return QString::fromStdString(text::displayUtf8(gbk)); }

QString shownText(std::string_view gbk) {
  QString text = fromGbk(gbk);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

std::string toGbk(const QString& text) {
  auto whole = text::utf8ToGbk(text.toStdString());
  if (whole.ok()) return whole.value();
  std::string kept;
  for (uint codePoint : text.toUcs4()) {
    char32_t single = codePoint;
    auto one = text::utf8ToGbk(QString::fromUcs4(&single, 1).toStdString());
    if (one.ok()) kept += one.value();
  }
  return kept;
}

}  // namespace zeruda::gui

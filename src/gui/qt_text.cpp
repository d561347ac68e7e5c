#include "gui/qt_text.h"

#include "text/characters.h"
#include "text/gbk.h"

#include <QList>

namespace zeruda::gui {

QString fromGbk(std::string_view gbk) {
  auto whole = text::gbkToUtf8(gbk);
  if (whole.ok()) return QString::fromStdString(whole.value());
  QString shown;
  for (std::size_t pos = 0; pos < gbk.size();) {
    std::size_t length = text::charLength(gbk, pos);
    auto one = text::gbkToUtf8(gbk.substr(pos, length));
    shown += one.ok() ? QString::fromStdString(one.value()) : QString(QChar::ReplacementCharacter);
    pos += length;
  }
  return shown;
}

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

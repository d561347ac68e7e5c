#include "gui/name_box_limits.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace zeruda::gui {

void limitNameBox(QLineEdit* box, std::size_t maxCharacters) {
  // GBK has no character outside the basic plane, so a character is one QChar.
  box->setMaxLength(static_cast<int>(maxCharacters));
  static const QRegularExpression kNoControlCharacter(QStringLiteral("[^\\x00-\\x1f\\x7f]*"));
  box->setValidator(new QRegularExpressionValidator(kNoControlCharacter, box));
}

}  // namespace zeruda::gui

#include "gui/style.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyleFactory>

namespace zeruda::gui {

void applyLightStyle(QApplication& app) {
  app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

  QPalette palette = app.palette();
  palette.setColor(QPalette::Window, QColor(0xF4, 0xF7, 0xFB));
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::AlternateBase, QColor(0xEC, 0xEC, 0xEC));
  palette.setColor(QPalette::Button, QColor(0xE8, 0xEE, 0xF6));
  palette.setColor(QPalette::Highlight, QColor(0x3A, 0x7B, 0xD5));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::WindowText, QColor(0x20, 0x28, 0x34));
  palette.setColor(QPalette::Text, QColor(0x20, 0x28, 0x34));
  palette.setColor(QPalette::ButtonText, QColor(0x20, 0x28, 0x34));
  // Greyed controls must look greyed: they stand for features still to come.
  const QColor greyed(0x9A, 0xA3, 0xAE);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Disabled, role, greyed);
  }
  palette.setColor(QPalette::Disabled, QPalette::Base, QColor(0xF0, 0xF2, 0xF5));
  app.setPalette(palette);

  // Chinese first: the Noto CJK family reads well at small sizes.
  QFont font(QStringLiteral("Noto Sans CJK SC"), 9);
  font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans CJK"),
                    QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("sans-serif")});
  app.setFont(font);

  app.setStyleSheet(QStringLiteral(
      "QToolBar { background: #dfe8f3; border-bottom: 1px solid #b9c7d8; spacing: 2px; }"
      "QToolBar QToolButton { padding: 2px 4px; }"
      "QToolBar QToolButton:hover { background: #cbdcf0; }"
      "QGroupBox { border: 1px solid #c3cfdd; border-radius: 3px; margin-top: 8px; }"
      "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; color: #2d5c94; }"
      "QGroupBox#分组框5, QGroupBox#分组框2 { margin-top: 0px; }"
      "QGroupBox#分组框5 QPushButton { padding: 1px 10px; }"
      "QStatusBar { background: #e7eef6; border-top: 1px solid #c3cfdd; }"));
}

}  // namespace zeruda::gui

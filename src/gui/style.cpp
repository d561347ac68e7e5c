#include "gui/style.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPolygonF>
#include <QProxyStyle>
#include <QStatusBar>
#include <QStyleFactory>
#include <QStyleOption>

namespace zeruda::gui {
namespace {

const QColor kToolbarColour(0xDF, 0xE8, 0xF3);
const QColor kToolbarLine(0xB9, 0xC7, 0xD8);
const QColor kStatusBarColour(0xE7, 0xEE, 0xF6);
const QColor kFrameLine(0xC3, 0xCF, 0xDD);
const QRgb kGroupTitle = qRgb(0x2D, 0x5C, 0x94);

// Fusion with the program's colours on the toolbar, the status bar and the group
// boxes. Drawn by a style rather than a style sheet: a style sheet makes every
// widget of the window go through Qt's sheet machinery, which cost the start-up more
// than building the window itself.
class LightStyle : public QProxyStyle {
 public:
  LightStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    if (element != CE_ToolBar) {
      QProxyStyle::drawControl(element, option, painter, widget);
      return;
    }
    const QRect& area = option->rect;
    painter->fillRect(area, kToolbarColour);
    painter->setPen(kToolbarLine);
    painter->drawLine(area.bottomLeft(), area.bottomRight());
  }

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element != PE_FrameGroupBox) {
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      return;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(kFrameLine);
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter->restore();
  }

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_GroupBox_TextLabelColor) return static_cast<int>(kGroupTitle);
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }

  // The toolbar's overflow button, drawn here: Qt's own comes from image files whose
  // reading loads every image-format plugin at start-up, for a button rarely shown.
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override {
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton) {
      return QProxyStyle::standardIcon(icon, option, widget);
    }
    QPixmap chevron(16, 16);
    chevron.fill(Qt::transparent);
    QPainter painter(&chevron);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kToolbarLine.darker(160), 1.6));
    if (icon == SP_ToolBarVerticalExtensionButton) painter.rotate(90), painter.translate(0, -16);
    for (int x : {4, 9})
      painter.drawPolyline(QPolygonF({QPointF(x, 4), QPointF(x + 4, 8), QPointF(x, 12)}));
    painter.end();
    return QIcon(chevron);
  }

  void polish(QWidget* widget) override {
    QProxyStyle::polish(widget);
    if (auto* bar = qobject_cast<QStatusBar*>(widget)) {
      QPalette palette = bar->palette();
      palette.setColor(QPalette::Window, kStatusBarColour);
      bar->setPalette(palette);
      bar->setAutoFillBackground(true);
    }
  }
  using QProxyStyle::polish;
};

}  // namespace

void applyLightStyle(QApplication& app) {
  app.setStyle(new LightStyle);  // the application takes ownership

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
}

}  // namespace zeruda::gui

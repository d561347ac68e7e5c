#include "gui/picture_painter.h"

#include "gui/qt_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <cmath>

namespace zeruda::gui {
namespace {

QColor qColour(Rgb c) { return QColor(c.r, c.g, c.b); }

QPen strokePen(Rgb colour, double width, bool dashed) {
  QPen pen(qColour(colour), width);
  pen.setCapStyle(dashed ? Qt::FlatCap : Qt::RoundCap);
  // The same 4-on 3-off dash as the SVG writer; Qt counts it in pen widths.
  if (dashed) pen.setDashPattern({4 / width, 3 / width});
  return pen;
}

void paintBox(QPainter& painter, const pictures::Box& box) {
  painter.setPen(box.stroke ? strokePen(*box.stroke, box.strokeWidth, box.dashed)
                            : QPen(Qt::NoPen));
  painter.setBrush(box.fill ? QBrush(qColour(*box.fill)) : QBrush(Qt::NoBrush));
  painter.drawRoundedRect(QRectF(box.x, box.y, box.width, box.height), box.radius, box.radius);
}

void paintText(QPainter& painter, const pictures::Text& text, QFont font) {
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(text.size))));
  font.setBold(text.bold);
  painter.setFont(font);
  painter.setPen(qColour(text.colour));
  const QString shown = fromGbk(text.text);
  const double width = QFontMetricsF(font).horizontalAdvance(shown);
  double x = text.x;
  if (text.anchor == pictures::Anchor::Middle) x -= width / 2;
  if (text.anchor == pictures::Anchor::End) x -= width;
  painter.drawText(QPointF(x, text.y), shown);
}

}  // namespace

void paintPicture(QPainter& painter, const pictures::Picture& picture, const QFont& font) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.fillRect(QRectF(0, 0, picture.width, picture.height), qColour(picture.background));
  for (const pictures::Box& box : picture.boxes) paintBox(painter, box);
  for (const pictures::Line& line : picture.lines) {
    painter.setPen(strokePen(line.colour, line.width, false));
    painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
  }
  for (const pictures::Text& text : picture.texts) paintText(painter, text, font);
  painter.restore();
}

QImage pictureImage(const pictures::Picture& picture, const QFont& font, double scale) {
  QImage image(std::max(1, static_cast<int>(std::ceil(picture.width * scale))),
               std::max(1, static_cast<int>(std::ceil(picture.height * scale))),
               QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.scale(scale, scale);
  paintPicture(painter, picture, font);
  return image;
}

}  // namespace zeruda::gui

#pragma once

#include "gui/picture_view.h"
#include "gui/qt_text.h"
#include "pictures/picture.h"

#include <QFile>
#include <QImage>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace zeruda::gui::test {

inline int colourDistance(QColor a, Rgb b) {
  return std::abs(a.red() - b.r) + std::abs(a.green() - b.g) + std::abs(a.blue() - b.b);
}

// Where the view painted its model wrong, one line per shape; empty when every
// filled box shows its fill just inside its left edge and every text has ink of its
// colour where the model places it. The view's grab is compared with the model the
// view holds, so the caller also compares that model with the core's.
inline QStringList paintingFaults(PictureView& view) {
  const pictures::Picture& picture = view.picture();
  const QImage shot = view.grab().toImage();
  const QTransform toView = view.pictureTransform();
  QStringList faults;
  for (std::size_t i = 0; i < picture.boxes.size(); ++i) {
    const pictures::Box& box = picture.boxes[i];
    if (!box.fill || box.width < 8 || box.height < 8) continue;
    // Just inside the left edge, halfway down: clear of the stroke and of any word
    // centred in the box.
    const QPointF inside(box.x + (box.stroke ? box.strokeWidth : 0) + 2, box.y + box.height / 2);
    // A later box painted over this spot hides it.
    const bool covered = std::any_of(
        picture.boxes.begin() + i + 1, picture.boxes.end(), [&](const pictures::Box& later) {
          return QRectF(later.x, later.y, later.width, later.height).contains(inside);
        });
    const QPoint at = toView.map(inside).toPoint();
    if (!covered && colourDistance(shot.pixelColor(at), *box.fill) > 24) {
      faults << QStringLiteral("box %1 at %2,%3").arg(i).arg(at.x()).arg(at.y());
    }
  }
  for (const pictures::Text& text : picture.texts) {
    const double width = pictures::textWidth(text.text, text.size);
    double left = text.x;
    if (text.anchor == pictures::Anchor::Middle) left -= width / 2;
    if (text.anchor == pictures::Anchor::End) left -= width;
    const QRect area =
        toView.mapRect(QRectF(left, text.y - 0.9 * text.size, width, text.size)).toAlignedRect();
    bool inked = false;
    for (int y = area.top(); y <= area.bottom() && !inked; ++y) {
      for (int x = area.left(); x <= area.right() && !inked; ++x) {
        inked =
            shot.rect().contains(x, y) && colourDistance(shot.pixelColor(x, y), text.colour) < 80;
      }
    }
    if (!inked) faults << QStringLiteral("text ") + fromGbk(text.text);
  }
  return faults;
}

// Whether a PDF holds an image of `width` pixels: how the printed report carries its
// picture (drawn at three times its size).
inline bool pdfHoldsImageOfWidth(const QString& file, int width) {
  QFile pdf(file);
  if (!pdf.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = pdf.readAll();
  return bytes.startsWith("%PDF-") && bytes.contains("/Subtype /Image") &&
         bytes.contains("/Width " + QByteArray::number(width) + "\n");
}

}  // namespace zeruda::gui::test

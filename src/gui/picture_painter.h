#pragma once

#include "pictures/picture.h"

#include <QFont>
#include <QImage>

class QPainter;

namespace zeruda::gui {

// Paints a picture model in picture units: the caller's transform places and scales
// it. Texts take `font`'s family at the model's sizes.
void paintPicture(QPainter& painter, const pictures::Picture& picture, const QFont& font);

// The picture on its background at `scale` device pixels per picture unit.
QImage pictureImage(const pictures::Picture& picture, const QFont& font, double scale);

}  // namespace zeruda::gui

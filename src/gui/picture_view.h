#pragma once

#include "pictures/picture.h"

#include <QTransform>
#include <QWidget>

namespace zeruda::gui {

class UiServices;

// Shows one picture model, scaled down to fit when space is short, and offers it as
// a PNG or SVG file from its context menu (through the save dialog of UiServices).
class PictureView : public QWidget {
  Q_OBJECT
 public:
  // `name` is the control's name.
  PictureView(UiServices& services, const QString& name, QWidget* parent = nullptr);

  void setPicture(pictures::Picture picture);
  const pictures::Picture& picture() const { return picture_; }

  // Picture units to this widget's pixels, as painted.
  QTransform pictureTransform() const;

  // The width the picture takes when the view is `height` pixels high: its own width
  // at full size, less when it must shrink to fit; 0 while there is no picture.
  int widthFor(int height) const;

  void saveAsPng();
  void saveAsSvg();

 signals:
  void pictureChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double scaleFor(int height) const;
  void saveFile(const QString& filter, const QString& suffix, const QByteArray& bytes);

  UiServices& services_;
  pictures::Picture picture_;
  QAction* savePng_ = nullptr;
  QAction* saveSvg_ = nullptr;
};

}  // namespace zeruda::gui

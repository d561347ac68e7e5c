#pragma once

#include "gui/picture_view.h"

#include <QResizeEvent>

namespace zeruda::gui {

// A text box (QTextEdit or QPlainTextEdit) that shows a picture beside its text,
// inside its own frame: the picture takes a strip on the left and the text the rest.
// The box keeps the geometry its window gives it; only its text area narrows.
template <class TextBox>
class PictureTextBox : public TextBox {
 public:
  PictureTextBox(PictureView* view, QWidget* parent) : TextBox(parent), view_(view) {
    view_->setParent(this);
    QObject::connect(view_, &PictureView::pictureChanged, this, [this] { placeView(); });
  }

  PictureView* view() const { return view_; }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    TextBox::resizeEvent(event);
    placeView();
  }

 private:
  void placeView() {
    const int frame = this->frameWidth();
    const int height = this->height() - 2 * frame;
    const int width = view_->widthFor(height);
    this->setViewportMargins(width, 0, 0, 0);
    view_->setGeometry(frame, frame, width, height);
    view_->setVisible(width > 0);
  }

  PictureView* view_;
};

}  // namespace zeruda::gui

#include "gui/picture_view.h"

#include "gui/picture_painter.h"
#include "gui/ui_services.h"
#include "pictures/svg_writer.h"

#include <QAction>
#include <QBuffer>
#include <QPainter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

namespace zeruda::gui {
namespace {

constexpr int kPadding = 4;
// PNG files are drawn at twice the screen size, so they stay sharp when enlarged.
constexpr double kPngScale = 2;

}  // namespace

PictureView::PictureView(UiServices& services, const QString& name, QWidget* parent)
    : QWidget(parent), services_(services) {
  setObjectName(name);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  savePng_ = new QAction(QStringLiteral("保存为PNG图片…"), this);
  saveSvg_ = new QAction(QStringLiteral("保存为SVG图片…"), this);
  connect(savePng_, &QAction::triggered, this, &PictureView::saveAsPng);
  connect(saveSvg_, &QAction::triggered, this, &PictureView::saveAsSvg);
  addAction(savePng_);
  addAction(saveSvg_);
  setPicture({});
}

void PictureView::setPicture(pictures::Picture picture) {
  picture_ = std::move(picture);
  const bool shown = picture_.width > 0 && picture_.height > 0;
  savePng_->setEnabled(shown);
  saveSvg_->setEnabled(shown);
  update();
  emit pictureChanged();
}

double PictureView::scaleFor(int height) const {
  if (picture_.height <= 0) return 0;
  return std::clamp((height - 2 * kPadding) / picture_.height, 0.0, 1.0);
}

int PictureView::widthFor(int height) const {
  const double scale = scaleFor(height);
  if (scale <= 0) return 0;
  return static_cast<int>(std::ceil(picture_.width * scale)) + 2 * kPadding;
}

QTransform PictureView::pictureTransform() const {
  const double scale = scaleFor(height());
  const double left = (width() - picture_.width * scale) / 2;
  return QTransform::fromTranslate(std::round(left), kPadding).scale(scale, scale);
}

void PictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (picture_.height <= 0) return;
  painter.setTransform(pictureTransform());
  paintPicture(painter, picture_, font());
}

void PictureView::saveAsPng() {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  pictureImage(picture_, font(), kPngScale).save(&buffer, "PNG");
  saveFile(QStringLiteral("*.png"), QStringLiteral("png"), bytes);
}

void PictureView::saveAsSvg() {
  saveFile(QStringLiteral("*.svg"), QStringLiteral("svg"),
           QByteArray::fromStdString(pictures::svgDocument(picture_)));
}

void PictureView::saveFile(const QString& filter, const QString& suffix, const QByteArray& bytes) {
  const std::optional<QString> file = services_.chooseSaveFile(window(), filter, suffix, {});
  if (!file) return;
  QSaveFile out(*file);
  if (!bytes.isEmpty() && out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() &&
      out.commit()) {
    return;
  }
  services_.showMessage(window(), MessageIcon::Warning, QStringLiteral("提示"),
                        QStringLiteral("图片保存失败：") + *file);
}

}  // namespace zeruda::gui

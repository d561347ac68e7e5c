#include "gui/gbk_browser.h"

#include "gui/qt_text.h"

#include <QFile>
#include <QTextDocument>
#include <QUrl>

namespace zeruda::gui {

GbkBrowser::GbkBrowser(const QString& name, QWidget* parent) : QTextBrowser(parent) {
  setObjectName(name);
  setOpenLinks(false);
}

void GbkBrowser::showFile(const QString& path) {
  const QUrl url = QUrl::fromLocalFile(path);
  if (source() == url) {
    reload();
  } else {
    setSource(url);
  }
}

QVariant GbkBrowser::loadResource(int type, const QUrl& name) {
  if (type != QTextDocument::HtmlResource || !name.isLocalFile()) {
    return QTextBrowser::loadResource(type, name);
  }
  QFile file(name.toLocalFile());
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  return fromGbk(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace zeruda::gui

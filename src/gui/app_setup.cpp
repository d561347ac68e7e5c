#include "gui/app_setup.h"

#include "embedded/kProgramIcon.h"
#include "gui/style.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTranslator>

namespace zeruda::gui {

void prepareApplication(QApplication& app) {
  applyLightStyle(app);
  // Month and weekday names, and every date Qt formats, in Chinese.
  QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
  loadQtChinese(app);
  app.setWindowIcon(programIcon());
}

bool loadQtChinese(QApplication& app) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QApplication::installTranslator(translator);
  return true;
}

QIcon programIcon() {
  QSvgRenderer renderer(QByteArray::fromRawData(data::kProgramIcon.data(),
                                                static_cast<qsizetype>(data::kProgramIcon.size())));
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace zeruda::gui

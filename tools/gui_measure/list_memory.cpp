// Resident memory of the program with a full result list: a generation left to run
// to its 2000-row cap, the wait message closed by itself once the rows are in. Also
// reports the longest time the event loop went without turning while rows arrived.
#include "app/session.h"
#include "gui/app_setup.h"
#include "gui/main_window.h"
#include "gui/ui_services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <cstdio>

namespace {

QByteArray statusLine(const char* key) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return {};
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith(key)) return line.simplified();
  }
  return {};
}

void fill(QWidget& window, const char* box, const char* text) {
  window.findChild<QLineEdit*>(QString::fromUtf8(box))->setText(QString::fromUtf8(text));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  zeruda::gui::prepareApplication(app);
  zeruda::gui::QtUiServices services;
  zeruda::app::Session session;
  session.ownTableFiles();
  services.profileFile = session.profile().path();
  zeruda::gui::MainWindow window(services, session);
  window.startUp();
  window.show();
  std::printf("started:    %s\n", statusLine("VmRSS").constData());

  fill(window, "公司法人姓", "张");
  fill(window, "公司法人名", "三");
  fill(window, "公司前缀", "成都");
  fill(window, "公司后缀", "科技有限公司");
  auto* list = window.findChild<QTreeView*>(QStringLiteral("公司备选名超级列表框"));

  QElapsedTimer clock;
  qint64 lastTurn = 0;
  qint64 longestPause = 0;
  QTimer heartbeat;
  QObject::connect(&heartbeat, &QTimer::timeout, &app, [&] {
    longestPause = std::max(longestPause, clock.elapsed() - lastTurn);
    lastTurn = clock.elapsed();
    if (list->model()->rowCount() < 2000) return;
    if (auto* wait = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) wait->accept();
  });
  QTimer::singleShot(200, &app, [&] {
    clock.start();
    heartbeat.start(5);
    window.findChild<QPushButton*>(QStringLiteral("按钮公司取名"))->click();
    std::printf("rows:       %d in %lld ms, longest event-loop pause %lld ms\n",
                list->model()->rowCount(), clock.elapsed(), longestPause);
    QTimer::singleShot(500, &app, [&] {
      list->scrollToTop();
      list->scrollToBottom();
      std::printf("2000 rows:  %s, peak %s\n", statusLine("VmRSS").constData(),
                  statusLine("VmHWM").constData());
      window.close();
    });
  });
  return app.exec();
}

#include "gui/name_report_window.h"

#include "gui/widgets.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeruda::gui {

NameReportWindow::NameReportWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("测名报告"));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  report = new QPlainTextEdit(this);
  report->setObjectName(QStringLiteral("编辑框测名报告"));
  report->setReadOnly(true);
  layout->addWidget(report);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  closeButton = makeButton(this, QStringLiteral("按钮测名关闭"), QStringLiteral("关闭"));
  buttons->addWidget(closeButton);
  layout->addLayout(buttons);
  connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
  resize(560, 480);
}

void NameReportWindow::showReport(const QString& name, const QString& text) {
  setWindowTitle(QStringLiteral("测名报告：") + name);
  report->setPlainText(text);
  report->moveCursor(QTextCursor::Start);
}

}  // namespace zeruda::gui

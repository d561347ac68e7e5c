#include "gui/lookup_window.h"

#include "actions/character_actions.h"
#include "gui/qt_text.h"
#include "gui/ui_services.h"
#include "gui/widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zeruda::gui {

LookupWindow::LookupWindow(UiServices& services, storage::TableSet& tables, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), tables_(tables) {
  setObjectName(QStringLiteral("汉字五行属性查询"));
  setWindowTitle(QStringLiteral("汉字五行属性查询"));
  setAttribute(Qt::WA_DeleteOnClose);

  auto* grid = new QGridLayout(this);
  grid->addWidget(makeLabel(this, QStringLiteral("请输入要查询的字：")), 0, 0);
  input = makeLineEdit(this, QStringLiteral("编辑框输入"));
  grid->addWidget(input, 0, 1);
  query = makeButton(this, QStringLiteral("按钮1"), QStringLiteral("查询"));
  query->setDefault(true);
  grid->addWidget(query, 0, 2);
  grid->addWidget(makeLabel(this, QStringLiteral("所属五行：")), 1, 0);
  result = new QLabel(this);
  result->setObjectName(QStringLiteral("标签结果"));
  grid->addWidget(result, 1, 1, 1, 2);

  connect(query, &QPushButton::clicked, this, &LookupWindow::lookUp);
  connect(input, &QLineEdit::returnPressed, this, &LookupWindow::lookUp);
  resize(360, 110);
}

void LookupWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  input->clear();
  result->clear();
  input->setFocus(Qt::OtherFocusReason);
}

void LookupWindow::lookUp() {
  actions::Context context{tables_, nullptr};
  const auto answer = actions::lookUpElement(toGbk(input->text()), context);
  if (!answer.ok()) {
    input->selectAll();
    showUserMessage(services_, this, userMessageOf(answer.failure()));
    return;
  }
  result->setText(fromGbk(answer.value()));
}

}  // namespace zeruda::gui

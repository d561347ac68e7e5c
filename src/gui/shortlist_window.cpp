#include "gui/shortlist_window.h"

#include "actions/shortlist_action.h"
#include "app/session.h"
#include "generation/export.h"
#include "gui/calendar_bridge.h"
#include "gui/evaluation_window.h"
#include "gui/field_controls.h"
#include "gui/qt_text.h"
#include "gui/secondary_window.h"
#include "gui/shortlist_model.h"
#include "gui/ui_services.h"
#include "gui/widgets.h"
#include "shortlist/shortlist_export.h"
#include "storage/character_table.h"
#include "text/gbk_literal.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace zeruda::gui {

ShortlistWindow::ShortlistWindow(UiServices& services, app::Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), session_(session) {
  setObjectName(QStringLiteral("批量评测"));
  setWindowTitle(QStringLiteral("批量评测"));
  setAttribute(Qt::WA_DeleteOnClose);

  names = new QPlainTextEdit(this);
  names->setObjectName(QStringLiteral("编辑框批量名字"));
  names->setPlaceholderText(
      QStringLiteral("每行一个名字：全名（如 成都华通科技有限公司）或只是名字主体（如 华通）"));
  names->setFixedHeight(120);
  score = makeButton(this, QStringLiteral("按钮批量评测"), QStringLiteral("开始评测"));
  exportCsv = makeButton(this, QStringLiteral("按钮批量导出"), QStringLiteral("导出到EXCEL"));
  base = makeLabel(this, {});
  base->setObjectName(QStringLiteral("标签批量吉数"));

  model_ = new ShortlistModel(this);
  sorted_ = new QSortFilterProxyModel(this);
  sorted_->setSourceModel(model_);
  sorted_->setSortRole(ShortlistModel::kSortRole);
  table = new QTableView(this);
  table->setObjectName(QStringLiteral("批量评测列表框"));
  table->setModel(sorted_);
  table->setSortingEnabled(true);
  table->sortByColumn(0, Qt::AscendingOrder);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);

  auto* commands = new QHBoxLayout;
  commands->addWidget(score);
  commands->addWidget(base);
  commands->addStretch();
  commands->addWidget(exportCsv);
  auto* rows = new QVBoxLayout(this);
  rows->addWidget(names);
  rows->addLayout(commands);
  rows->addWidget(table, 1);

  connect(score, &QPushButton::clicked, this, &ShortlistWindow::scoreNames);
  connect(exportCsv, &QPushButton::clicked, this, &ShortlistWindow::exportTable);
  connect(table, &QAbstractItemView::doubleClicked, this, &ShortlistWindow::openRow);
  resize(860, 560);
}

void ShortlistWindow::scoreNames() {
  using namespace text::literals;
  actions::ShortlistLines pasted;
  const std::vector<Error> refused = pasted.addText(names->toPlainText().toStdString());
  actions::Context context{session_.tables(), &session_.profile()};
  const auto ranked = actions::rankShortlist(pasted, std::nullopt, context);
  if (!ranked.ok()) {
    showUserMessage(services_, this, refusalBox(ranked.failure(), "提示"_gbk));
    return;
  }
  base->setText(QStringLiteral("按法人资料的吉数 %1 评分").arg(session_.profile().baseScore()));
  std::vector<shortlist::ScoredName> scored;
  for (std::size_t rank = 0; rank < ranked.value().size(); ++rank) {
    scored.push_back(ranked.value().at(rank));
  }
  model_->setNames(std::move(scored));
  if (!refused.empty()) {
    std::string lines;
    for (const Error& line : refused) lines += line.message + "\n";
    showUserMessage(services_, this, {lines, "提示"_gbk, MessageIcon::Information, {}});
  }
  table->sortByColumn(0, Qt::AscendingOrder);
  table->resizeColumnsToContents();
}

void ShortlistWindow::openRow(const QModelIndex& index) {
  if (!index.isValid()) return;
  const shortlist::ScoredName& name = model_->names()[sorted_->mapToSource(index).row()];
  EvaluationWindow::SelectedRow selected;
  selected.body = fromGbk(name.body());
  selected.stars = name.rated ? fromGbk(numerology::starText(name.stars)) : QString();
  selected.ownAffixes = !name.parts.bare;
  selected.prefix = fromGbk(name.parts.crown + name.parts.region);
  selected.suffix = fromGbk(name.parts.industry + name.parts.form);
  openSecondary(evaluation_, *this, [this] {
    return new EvaluationWindow(services_, session_, this);
  })->restore(selected);
}

void ShortlistWindow::exportTable() {
  const QString suggested =
      fromGbk(shortlist::shortlistFileName(fromQDate(services_.currentDateTime().date())));
  const auto file =
      services_.chooseSaveFile(this, QStringLiteral("*.csv"), QStringLiteral("csv"), suggested);
  if (!file) return;
  // The file follows the table as sorted.
  std::vector<std::size_t> order;
  for (int row = 0; row < sorted_->rowCount(); ++row) {
    order.push_back(static_cast<std::size_t>(sorted_->mapToSource(sorted_->index(row, 0)).row()));
  }
  const auto written = shortlist::exportShortlist(file->toStdString(), model_->names(), order);
  showUserMessage(services_, this,
                  generation::exportMessage(written, toGbk(QDir::toNativeSeparators(*file))));
}

}  // namespace zeruda::gui

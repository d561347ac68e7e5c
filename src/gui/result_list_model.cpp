#include "gui/result_list_model.h"

#include "actions/name_report.h"
#include "generation/column_order.h"
#include "gui/findings_tip.h"
#include "gui/qt_text.h"
#include "gui/result_columns.h"
#include "registration/name_check.h"

#include <QColor>

namespace zeruda::gui {

ResultListModel::ResultListModel(QObject* parent) : QAbstractTableModel(parent) {}

// What the row's 字号 carries from its run (reading, meanings, stars, warnings), then
// what the registration rules say about the name, worked out when the pointer rests
// on its row: the list itself and its exports stay as they are.
QString ResultListModel::rowTip(const generation::CandidateRow& row) {
  using generation::Column;
  const std::string body = actions::listedBodyText(row);
  const QString head = body.empty() ? QString() : fromGbk(body) + QLatin1Char('\n');
  const auto findings = registration::checkName(
      registration::partsOfListed(row.cell(Column::FullName), row.cell(Column::Body)));
  if (findings.empty()) return head + QStringLiteral("登记提示：未见与企业名称登记规则不符之处");
  return head + QStringLiteral("登记提示：\n") + findingsTip(findings);
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ResultListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(generation::kColumnCount);
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return fromGbk(rows_[index.row()].cells[index.column()]);
    case Qt::ToolTipRole:
      return rowTip(rows_[index.row()]);
    case Qt::BackgroundRole:
      // By the row's own number, so the colours stay put however the view scrolls.
      return resultRowBackground(index.row() + 1);
    case kSortRole: {
      const generation::CandidateRow& row = rows_[index.row()];
      const auto column = static_cast<generation::Column>(index.column());
      if (auto number = generation::columnSortNumber(row, column)) return *number;
      const std::string& cell = row.cell(column);
      return QString::fromLatin1(cell.data(), static_cast<qsizetype>(cell.size()));
    }
    default:
      return {};
  }
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  // A first click on a header sorts smallest first.
  if (role == Qt::InitialSortOrderRole) return Qt::AscendingOrder;
  if (role != Qt::DisplayRole) return {};
  return resultColumnCaptions()[static_cast<std::size_t>(section)];
}

void ResultListModel::append(const generation::CandidateRow& row) {
  const int at = rowCount();
  beginInsertRows({}, at, at);
  rows_.push_back(row);
  endInsertRows();
}

void ResultListModel::append(std::vector<generation::CandidateRow> rows) {
  if (rows.empty()) return;
  const int first = rowCount();
  beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
  rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()),
               std::make_move_iterator(rows.end()));
  endInsertRows();
}

void ResultListModel::clear() {
  beginResetModel();
  rows_.clear();
  endResetModel();
}

SortedResults::SortedResults(ResultListModel* rows, QObject* parent)
    : QSortFilterProxyModel(parent), rows_(rows) {
  setSourceModel(rows);
  setSortRole(ResultListModel::kSortRole);
  // The text keys are bytes: compared as they are, never folded.
  setSortCaseSensitivity(Qt::CaseSensitive);
  setSortLocaleAware(false);
}

QVariant SortedResults::data(const QModelIndex& index, int role) const {
  // Grey and white alternate down the list as shown, sorted or not.
  if (role == Qt::BackgroundRole && index.isValid()) return resultRowBackground(index.row() + 1);
  return QSortFilterProxyModel::data(index, role);
}

std::vector<generation::CandidateRow> SortedResults::shownRows() const {
  std::vector<generation::CandidateRow> shown;
  shown.reserve(static_cast<std::size_t>(rowCount()));
  for (int row = 0; row < rowCount(); ++row) {
    shown.push_back(rows_->rows()[static_cast<std::size_t>(mapToSource(index(row, 0)).row())]);
  }
  return shown;
}

const generation::CandidateRow* SortedResults::rowAt(int row) const {
  const QModelIndex source = mapToSource(index(row, 0));
  if (!source.isValid()) return nullptr;
  return &rows_->rows()[static_cast<std::size_t>(source.row())];
}

}  // namespace zeruda::gui

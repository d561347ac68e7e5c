#include "gui/result_list_model.h"

#include "gui/findings_tip.h"
#include "gui/qt_text.h"
#include "gui/result_columns.h"
#include "registration/name_check.h"

#include <QColor>

namespace zeruda::gui {

ResultListModel::ResultListModel(QObject* parent) : QAbstractTableModel(parent) {}

// What the registration rules say about a listed name, worked out when the pointer
// rests on its row: the list itself and its exports stay as they are.
QString ResultListModel::rowTip(const generation::CandidateRow& row) {
  using generation::Column;
  const auto findings = registration::checkName(
      registration::partsOfListed(row.cell(Column::FullName), row.cell(Column::Body)));
  if (findings.empty()) return QStringLiteral("登记提示：未见与企业名称登记规则不符之处");
  return QStringLiteral("登记提示：\n") + findingsTip(findings);
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
    default:
      return {};
  }
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= columnCount()) {
    return {};
  }
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

}  // namespace zeruda::gui

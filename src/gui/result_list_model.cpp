#include "gui/result_list_model.h"

#include "gui/qt_text.h"

#include <QColor>

namespace zeruda::gui {

ResultListModel::ResultListModel(QObject* parent) : QAbstractTableModel(parent) {}

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
    case Qt::BackgroundRole:
      // By the row's own number, so the colours stay put however the view scrolls.
      return QColor::fromRgb(generation::rowBackground(index.row() + 1));
    default:
      return {};
  }
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= columnCount()) {
    return {};
  }
  return fromGbk(generation::columnCaptions()[section]);
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

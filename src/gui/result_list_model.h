#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <vector>

// moc cannot parse the C++20 library headers the core's row type pulls in.
#ifndef Q_MOC_RUN
#include "generation/candidate_row.h"
#endif

namespace zeruda::gui {

// The company result list: the engine's rows as they arrived, seven GBK cells each,
// shown through the core's captions and row colours. The model keeps the rows
// themselves, so export and the evaluation window read exactly what is listed.
class ResultListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  // What a column sorts by: the core's number for 编号, the stroke columns and 星级;
  // for the texts their GBK bytes, one character per byte, so that comparing them
  // compares the bytes (pinyin order for the common characters).
  static constexpr int kSortRole = Qt::UserRole;

  explicit ResultListModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  void append(const generation::CandidateRow& row);
  void append(std::vector<generation::CandidateRow> rows);
  void clear();
  const std::vector<generation::CandidateRow>& rows() const { return rows_; }

 private:
  static QString rowTip(const generation::CandidateRow& row);

  std::vector<generation::CandidateRow> rows_;
};

// The result list as the page shows it: sorted by the column whose header was last
// clicked (in arrival order until then), rows arriving meanwhile put in their sorted
// place, and the row colours following the rows as shown.
class SortedResults : public QSortFilterProxyModel {
  Q_OBJECT
 public:
  explicit SortedResults(ResultListModel* rows, QObject* parent = nullptr);

  QVariant data(const QModelIndex& index, int role) const override;

  // The rows in the order shown, for export.
  std::vector<generation::CandidateRow> shownRows() const;
  // The row shown at `row`; null when there is none.
  const generation::CandidateRow* rowAt(int row) const;

 private:
  ResultListModel* rows_;
};

}  // namespace zeruda::gui

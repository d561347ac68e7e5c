#pragma once

#include <QAbstractTableModel>
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

}  // namespace zeruda::gui

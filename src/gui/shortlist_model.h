#pragma once

#include <QAbstractTableModel>
#include <vector>

// moc cannot parse the C++20 library headers the core's types pull in.
#ifndef Q_MOC_RUN
#include "shortlist/shortlist.h"
#endif

namespace zeruda::gui {

// The judged shortlist as the 批量评测 table shows it: 序号, 全名, 主体名, 星级, 分数,
// 登记提示, the findings with their sources as each row's tooltip.
class ShortlistModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  // What the table sorts by: numbers for 序号, 星级 and 分数, otherwise the GBK bytes
  // of the text, one character per byte.
  static constexpr int kSortRole = Qt::UserRole;

  explicit ShortlistModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  void setNames(std::vector<shortlist::ScoredName> names);
  const std::vector<shortlist::ScoredName>& names() const { return names_; }

 private:
  QVariant sortKey(int row, int column) const;

  std::vector<shortlist::ScoredName> names_;
};

}  // namespace zeruda::gui

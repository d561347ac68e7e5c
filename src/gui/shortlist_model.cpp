#include "gui/shortlist_model.h"

#include "gui/findings_tip.h"
#include "gui/qt_text.h"
#include "shortlist/shortlist_export.h"

#include <array>

namespace zeruda::gui {
namespace {

enum ShortlistColumn { kRank, kName, kBody, kStars, kScore, kFindings, kColumns };

const std::array<QString, kColumns> kCaptions = {
    QStringLiteral("序号"), QStringLiteral("全名"), QStringLiteral("主体名"),
    QStringLiteral("星级"), QStringLiteral("分数"), QStringLiteral("登记提示")};

QString rowTip(const shortlist::ScoredName& name) {
  QStringList parts;
  if (!name.rated) parts << QStringLiteral("主体名须为2至4个汉字，未评星级");
  parts << (name.findings.empty() ? QStringLiteral("登记提示：未见与企业名称登记规则不符之处")
                                  : QStringLiteral("登记提示：\n") + findingsTip(name.findings));
  return parts.join(QLatin1Char('\n'));
}

}  // namespace

ShortlistModel::ShortlistModel(QObject* parent) : QAbstractTableModel(parent) {}

int ShortlistModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(names_.size());
}

int ShortlistModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant ShortlistModel::sortKey(int row, int column) const {
  const shortlist::ScoredName& name = names_[row];
  switch (column) {
    case kRank:
      return row;
    case kStars:
      return name.stars;
    case kScore:
      return name.rated ? name.score : -1.0;
    default: {
      // Texts by their GBK bytes, one character per byte: pinyin order for the common
      // characters, as the result list sorts them.
      const std::string cell = shortlist::shortlistCells(
          name, static_cast<std::size_t>(row) + 1)[static_cast<std::size_t>(column)];
      return QString::fromLatin1(cell.data(), static_cast<qsizetype>(cell.size()));
    }
  }
}

QVariant ShortlistModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const shortlist::ScoredName& name = names_[index.row()];
  switch (role) {
    case Qt::DisplayRole: {
      if (index.column() == kStars && !name.rated) return QStringLiteral("未评");
      const auto cells = shortlist::shortlistCells(name, static_cast<std::size_t>(index.row()) + 1);
      return fromGbk(cells[static_cast<std::size_t>(index.column())]);
    }
    case Qt::ToolTipRole:
      return rowTip(name);
    case kSortRole:
      return sortKey(index.row(), index.column());
    default:
      return {};
  }
}

QVariant ShortlistModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return {};
  // A first click on a header sorts smallest first.
  if (role == Qt::InitialSortOrderRole) return Qt::AscendingOrder;
  if (role != Qt::DisplayRole) return {};
  return kCaptions[section];
}

void ShortlistModel::setNames(std::vector<shortlist::ScoredName> names) {
  beginResetModel();
  names_ = std::move(names);
  endResetModel();
}

}  // namespace zeruda::gui

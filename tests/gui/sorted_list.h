#pragma once

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QTest>

namespace zeruda::gui::test {

// Clicks the header of `column` as a user does.
inline void clickHeader(QHeaderView* header, int column) {
  const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                      header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
}

// The numbers a cell shows, left to right ("12,8-6" is 12 8 6); a cell with stars is
// its count of stars.
inline QList<int> numbersOf(const QString& cell) {
  const QString star = QString::fromUtf8("☆");
  if (cell.contains(star)) return {static_cast<int>(cell.count(star))};
  QList<int> numbers;
  static const QRegularExpression digits(QStringLiteral("\\d+"));
  for (const auto& match : digits.globalMatch(cell)) numbers << match.captured().toInt();
  return numbers;
}

// Whether `column` runs in `order` down the list, its cells read as numbers.
inline bool runsInOrder(const QAbstractItemModel& model, int column, Qt::SortOrder order) {
  for (int row = 1; row < model.rowCount(); ++row) {
    const QList<int> above = numbersOf(model.index(row - 1, column).data().toString());
    const QList<int> below = numbersOf(model.index(row, column).data().toString());
    if (order == Qt::AscendingOrder ? below < above : above < below) return false;
  }
  return true;
}

}  // namespace zeruda::gui::test

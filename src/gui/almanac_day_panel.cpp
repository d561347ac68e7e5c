#include "gui/almanac_day_panel.h"

#include "almanac/almanac.h"
#include "almanac/traditional_day.h"
#include "calendar/ganzhi.h"
#include "gui/qt_text.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zeruda::gui {
namespace {

QLabel* makeListLabel(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

const QColor kLuckyInk(0xC0, 0x1C, 0x1C);

QTableWidget* makeHourTable(QWidget* parent) {
  auto* table = new QTableWidget(3, calendar::kBranchCount, parent);
  table->setObjectName(QStringLiteral("表格时辰"));
  table->setVerticalHeaderLabels(
      {QStringLiteral("时柱"), QStringLiteral("值神"), QStringLiteral("吉凶")});
  QStringList branches;
  for (int b = 0; b < calendar::kBranchCount; ++b) {
    branches << fromGbk(calendar::branchText(static_cast<calendar::Branch>(b))) +
                    QStringLiteral("时");
  }
  table->setHorizontalHeaderLabels(branches);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setFocusPolicy(Qt::NoFocus);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  const int row = table->fontMetrics().height() + 6;
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->verticalHeader()->setDefaultSectionSize(row);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Two characters a cell: the twelve hours fit side by side at the window's width.
  const int cell = table->fontMetrics().horizontalAdvance(QStringLiteral("甲子")) + 8;
  table->horizontalHeader()->setMinimumSectionSize(cell);
  table->setFixedHeight(table->horizontalHeader()->sizeHint().height() + 3 * row +
                        2 * table->frameWidth());
  return table;
}

}  // namespace

AlmanacDayPanel::AlmanacDayPanel(QWidget* parent) : QWidget(parent) {
  dayFavourable = makeListLabel(this, QStringLiteral("标签日宜"));
  dayUnfavourable = makeListLabel(this, QStringLiteral("标签日忌"));
  clash = makeListLabel(this, QStringLiteral("标签冲煞"));
  pengzu = makeListLabel(this, QStringLiteral("标签彭祖百忌"));
  luckyGods = makeListLabel(this, QStringLiteral("标签吉神宜趋"));
  fiends = makeListLabel(this, QStringLiteral("标签凶煞宜忌"));
  dayGod = makeListLabel(this, QStringLiteral("标签值神"));
  hours = makeHourTable(this);
  auto* form = new QFormLayout;
  form->setContentsMargins(0, 0, 0, 0);
  form->addRow(QStringLiteral("宜："), dayFavourable);
  form->addRow(QStringLiteral("忌："), dayUnfavourable);
  form->addRow(QStringLiteral("冲煞："), clash);
  form->addRow(QStringLiteral("彭祖百忌："), pengzu);
  form->addRow(QStringLiteral("吉神宜趋："), luckyGods);
  form->addRow(QStringLiteral("凶煞宜忌："), fiends);
  form->addRow(QStringLiteral("值神："), dayGod);
  // The rows keep their own heights; what room is left stays below the hours.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(form);
  layout->addWidget(hours);
  layout->addStretch(1);
}

void AlmanacDayPanel::showDay(const almanac::AlmanacDay& day) {
  const almanac::TraditionalTexts texts =
      day.traditional ? almanac::traditionalTexts(*day.traditional) : almanac::TraditionalTexts{};
  dayFavourable->setText(fromGbk(texts.favourable));
  dayUnfavourable->setText(fromGbk(texts.unfavourable));
  clash->setText(fromGbk(texts.clash));
  pengzu->setText(fromGbk(texts.pengzu));
  luckyGods->setText(fromGbk(texts.luckyGods));
  fiends->setText(fromGbk(texts.fiends));
  dayGod->setText(fromGbk(texts.dayGod));
  for (int b = 0; b < calendar::kBranchCount; ++b) {
    for (int row : {kPillarRow, kGodRow, kLuckRow}) {
      hours->setItem(row, b, new QTableWidgetItem);
      hours->item(row, b)->setTextAlignment(Qt::AlignCenter);
    }
    if (!day.traditional) continue;
    const almanac::AlmanacHour& hour = day.traditional->hours[static_cast<std::size_t>(b)];
    hours->item(kPillarRow, b)->setText(fromGbk(hour.pillar.text()));
    hours->item(kGodRow, b)->setText(fromGbk(hour.god));
    hours->item(kLuckRow, b)->setText(fromGbk(almanac::luckText(hour.lucky)));
    if (hour.lucky) hours->item(kLuckRow, b)->setForeground(kLuckyInk);
  }
}

}  // namespace zeruda::gui

#pragma once

#include <QWidget>

class QLabel;
class QTableWidget;

namespace zeruda::almanac {
struct AlmanacDay;
}

namespace zeruda::gui {

// What the traditional almanac tables say of one day: its 宜 and 忌 lists, 冲 and 煞,
// the 彭祖百忌 sayings, lucky gods and fiends, the day's god and the twelve hours. The
// almanac's day page and the perpetual calendar's day pane both show it.
class AlmanacDayPanel : public QWidget {
  Q_OBJECT
 public:
  explicit AlmanacDayPanel(QWidget* parent = nullptr);

  // Rows of 表格时辰; its columns are the hours 子 … 亥.
  enum HourRow { kPillarRow, kGodRow, kLuckRow };

  QLabel* dayFavourable = nullptr;    // 标签日宜
  QLabel* dayUnfavourable = nullptr;  // 标签日忌
  QLabel* clash = nullptr;            // 标签冲煞
  QLabel* pengzu = nullptr;           // 标签彭祖百忌
  QLabel* luckyGods = nullptr;        // 标签吉神宜趋
  QLabel* fiends = nullptr;           // 标签凶煞宜忌
  QLabel* dayGod = nullptr;           // 标签值神
  QTableWidget* hours = nullptr;      // 表格时辰

  // The day's reading; all empty for a day the tables do not reach.
  void showDay(const almanac::AlmanacDay& day);
};

}  // namespace zeruda::gui

#pragma once

#include <QWidget>
#include <filesystem>

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace zeruda::gui {

class LunarDateBox;

// The almanac's page 选吉日开业: the days after the date in the almanac's date box that
// suit opening a business for the legal representative saved in the profile, best
// first, each with its weekday, lucky hours, good points and cautions, and the days
// left out for clashing with the legal representative.
class OpeningDaysPage : public QWidget {
  Q_OBJECT
 public:
  // `start` is the almanac's date box, 农历日期框1; the page reads it at each search,
  // and the legal representative from `profileFile`.
  OpeningDaysPage(LunarDateBox* start, std::filesystem::path profileFile,
                  QWidget* parent = nullptr);

  // Columns of 开业吉日列表框.
  enum Column {
    kDateColumn,
    kWeekdayColumn,
    kOfficerColumn,
    kDayPillarColumn,
    kLuckyHoursColumn,
    kReasonsColumn,
    kCautionsColumn
  };

  QSpinBox* days = nullptr;      // 开业天数框: 7 … 365 days after the start
  QLabel* person = nullptr;      // 标签开业法人: who the days are chosen for
  QPushButton* query = nullptr;  // 按钮开业查询 "查询"
  QLabel* summary = nullptr;     // 标签开业结果: how many days, or why none were sought
  QTreeWidget* found = nullptr;  // 开业吉日列表框
  QListWidget* leftOut =
      nullptr;  // 开业不取列表框: the days left out for a clash, each with its note

  // Reads the saved legal representative again and lists their days.
  void search();

 private:
  LunarDateBox* start_;
  std::filesystem::path profileFile_;
};

}  // namespace zeruda::gui

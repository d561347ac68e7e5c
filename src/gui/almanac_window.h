#pragma once

#include <QDate>
#include <QWidget>
#include <filesystem>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace zeruda::gui {

class AlmanacDayPanel;
class LunarDateBox;
class OpeningDaysPage;

// The almanac 黄历吉日: one day's stems and branches, officer, Nayin, 宜 and 忌 with the
// traditional tables' reading of the day, a search of the coming days for those that
// favour (or forbid) an activity, and the days that suit opening a business for the
// saved legal representative.
class AlmanacWindow : public QWidget {
  Q_OBJECT
 public:
  // Opens on the date of `shown`: today, when the toolbar opens it. The opening days
  // are chosen for the legal representative saved in `profileFile`.
  AlmanacWindow(QDate shown, const std::filesystem::path& profileFile, QWidget* parent = nullptr);

  // Page indexes of 选择夹1.
  enum Page { kDayPage, kSearchPage, kOpeningPage };

  QTabWidget* tabs = nullptr;           // 选择夹1: 黄历查询, 选日子, 选吉日开业
  LunarDateBox* dateBox = nullptr;      // 农历日期框1
  QPushButton* dayQuery = nullptr;      // 按钮黄历查询 "查询"
  QLabel* dateLine = nullptr;           // 标签黄历
  QLabel* pillarsLine = nullptr;        // 标签岁次
  QLabel* nayin = nullptr;              // 标签五行
  QLabel* favourable = nullptr;         // 标签吉事
  QLabel* unfavourable = nullptr;       // 标签禁忌
  AlmanacDayPanel* dayLists = nullptr;  // 黄历每日宜忌: the traditional tables' reading
  QComboBox* range = nullptr;           // 组合框1
  QComboBox* column = nullptr;          // 组合框2: 宜, 忌
  QComboBox* activity = nullptr;        // 组合框宜忌: officer activities, then the day lists'

  QPushButton* searchButton = nullptr;  // 按钮日子查询 "查询"
  QListWidget* found = nullptr;         // 选择列表框1
  OpeningDaysPage* opening = nullptr;   // 选吉日开业

  // The day display of the date in the box.
  void showDay();
  // The search from the date in the box.
  void search();

 private:
  QWidget* buildDayPage();
  QWidget* buildSearchPage();
};

}  // namespace zeruda::gui

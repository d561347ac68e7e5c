#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace zeruda::gui {

class AlmanacDayPanel;
class LunarDateBox;
class LunarMonthView;
class UiServices;

// The perpetual calendar 万年历: a lunar and a Gregorian month view, today's date,
// lunar date and pillars on a calendar card, date and time to four pillars, the lunar
// date and almanac of the selected day and the solar terms of its year.
class CalendarWindow : public QWidget {
  Q_OBJECT
 public:
  explicit CalendarWindow(UiServices& services, QWidget* parent = nullptr);

  // Page indexes of 选择夹1.
  enum Page { kLunarPage, kGregorianPage, kCardPage };

  QTabWidget* tabs = nullptr;                  // 选择夹1
  QRadioButton* gregorianView = nullptr;       // 单选框1 "公历视图"
  QRadioButton* lunarView = nullptr;           // 单选框2 "农历视图"
  QPushButton* refresh = nullptr;              // 按钮10 "刷新"
  LunarMonthView* lunarMonth = nullptr;        // 农历月历1
  QLabel* lunarDateLine = nullptr;             // 透明标签11
  QPushButton* lunarToday = nullptr;           // 按钮2 "今天"
  QTabWidget* sideTabs = nullptr;              // 选择夹当日: 当日宜忌, 节气, 说明
  AlmanacDayPanel* dayLists = nullptr;         // 万年历每日宜忌: the selected day's almanac
  QPushButton* terms = nullptr;                // 按钮7 "节气"
  QListWidget* termList = nullptr;             // 选择列表框1
  QPlainTextEdit* lunarArticle = nullptr;      // 编辑框1
  LunarDateBox* lunarDateBox = nullptr;        // 农历日期框1
  QSpinBox* lunarHour = nullptr;               // 公历时1
  QSpinBox* lunarMinute = nullptr;             // 公历分1
  QSpinBox* lunarSecond = nullptr;             // 公历秒1
  QPushButton* pillars = nullptr;              // 按钮8 "四柱"
  QLineEdit* lunarPillars = nullptr;           // 立春编辑框3
  LunarMonthView* gregorianMonth = nullptr;    // 月历1
  QComboBox* monthChooser = nullptr;           // 组合框2
  QPushButton* gregorianToday = nullptr;       // 按钮5 "今天"
  QPlainTextEdit* gregorianArticle = nullptr;  // 编辑框公历
  LunarDateBox* gregorianDate = nullptr;       // 公历日期框
  QSpinBox* gregorianHour = nullptr;           // 公历时编辑框
  QSpinBox* gregorianMinute = nullptr;         // 公历分编辑框
  QSpinBox* gregorianSecond = nullptr;         // 公历秒编辑框
  QLineEdit* gregorianPillars = nullptr;       // 公历柱编辑框
  QLabel* todayYearMonth = nullptr;            // 透明标签1
  QLabel* todayDay = nullptr;                  // 透明标签2
  QLabel* todayLunar = nullptr;                // 透明标签5
  QLabel* todayPillars = nullptr;              // 透明标签6

  // Today's date, lunar date and pillars of the present moment on the card; today is
  // marked anew in the month views.
  void showToday();

 private:
  QWidget* buildLunarPage();
  QWidget* buildGregorianPage();
  QWidget* buildCardPage();
  void connectControls();
  void showSelectedDay();
  void followShownMonth(int year, int month);
  void listTerms();
  void convertGregorian();
  void convertLunar();
  void goToToday();

  UiServices& services_;
};

}  // namespace zeruda::gui

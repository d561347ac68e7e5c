#include "gui/calendar_window.h"

#include "almanac/almanac.h"
#include "almanac/calendar_articles.h"
#include "almanac/perpetual_calendar.h"
#include "calendar/date_pattern.h"
#include "gui/almanac_day_panel.h"
#include "gui/calendar_bridge.h"
#include "gui/lunar_date_box.h"
#include "gui/lunar_month_view.h"
#include "gui/qt_text.h"
#include "gui/ui_services.h"
#include "gui/widgets.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace zeruda::gui {
namespace {

QSpinBox* makeTimeBox(QWidget* parent, const QString& name, int last, int value) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setRange(0, last);
  box->setValue(value);
  return box;
}

QLineEdit* makeResultBox(QWidget* parent, const QString& name) {
  auto* box = makeLineEdit(parent, name);
  box->setReadOnly(true);
  box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("甲子 甲子 甲子 甲子")) +
                       16);
  return box;
}

QPlainTextEdit* makeArticleBox(QWidget* parent, const QString& name, std::string_view gbk) {
  auto* box = new QPlainTextEdit(shownText(gbk), parent);
  box->setObjectName(name);
  box->setReadOnly(true);
  return box;
}

// Date and time boxes, the button that converts them and the box for the pillars, in a
// row: [date] [h]时 [m]分 [s]秒 [button] [pillars].
QHBoxLayout* conversionRow(QWidget* parent, QWidget* date, QSpinBox* hour, QSpinBox* minute,
                           QSpinBox* second, QPushButton* button, QLineEdit* result) {
  auto* row = new QHBoxLayout;
  row->addWidget(date);
  for (auto [box, unit] :
       {std::pair{hour, "时"}, std::pair{minute, "分"}, std::pair{second, "秒"}}) {
    row->addWidget(box);
    row->addWidget(makeLabel(parent, QString::fromUtf8(unit)));
  }
  if (button != nullptr) row->addWidget(button);
  row->addWidget(result, 1);
  return row;
}

}  // namespace

CalendarWindow::CalendarWindow(UiServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services) {
  setObjectName(QStringLiteral("万年历"));
  setWindowTitle(QStringLiteral("万年历"));
  setAttribute(Qt::WA_DeleteOnClose);

  auto* top = new QHBoxLayout;
  gregorianView = new QRadioButton(QStringLiteral("公历视图"), this);
  gregorianView->setObjectName(QStringLiteral("单选框1"));
  lunarView = new QRadioButton(QStringLiteral("农历视图"), this);
  lunarView->setObjectName(QStringLiteral("单选框2"));
  lunarView->setChecked(true);
  refresh = makeButton(this, QStringLiteral("按钮10"), QStringLiteral("刷新"));
  top->addWidget(gregorianView);
  top->addWidget(lunarView);
  top->addStretch(1);
  top->addWidget(refresh);

  tabs = new QTabWidget(this);
  tabs->setObjectName(QStringLiteral("选择夹1"));
  tabs->addTab(buildLunarPage(), QStringLiteral("农历"));
  tabs->addTab(buildGregorianPage(), QStringLiteral("公历"));
  tabs->addTab(buildCardPage(), QStringLiteral("日历牌"));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(tabs, 1);
  connectControls();
  resize(980, 640);

  showToday();
  showSelectedDay();
  listTerms();
  convertLunar();
  convertGregorian();
}

QWidget* CalendarWindow::buildLunarPage() {
  auto* page = new QWidget(this);
  const QDate today = services_.currentDateTime().date();
  lunarMonth =
      new LunarMonthView(QStringLiteral("农历月历1"), today, LunarMonthView::DayNames::Lunar, page);
  lunarDateLine = new QLabel(page);
  lunarDateLine->setObjectName(QStringLiteral("透明标签11"));
  lunarToday = makeButton(page, QStringLiteral("按钮2"), QStringLiteral("今天"));
  terms = makeButton(page, QStringLiteral("按钮7"), QStringLiteral("节气"));
  termList = new QListWidget(page);
  termList->setObjectName(QStringLiteral("选择列表框1"));
  lunarArticle = makeArticleBox(page, QStringLiteral("编辑框1"), almanac::lunarCalendarArticle());

  lunarDateBox = new LunarDateBox(QStringLiteral("农历日期框1"), page);
  lunarDateBox->setEntry(DateEntry::Lunar);
  lunarDateBox->setDate(fromQDate(today));
  lunarHour = makeTimeBox(page, QStringLiteral("公历时1"), 23, 23);
  lunarMinute = makeTimeBox(page, QStringLiteral("公历分1"), 59, 59);
  lunarSecond = makeTimeBox(page, QStringLiteral("公历秒1"), 59, 59);
  pillars = makeButton(page, QStringLiteral("按钮8"), QStringLiteral("四柱"));
  lunarPillars = makeResultBox(page, QStringLiteral("立春编辑框3"));

  auto* dayLine = new QHBoxLayout;
  dayLine->addWidget(lunarDateLine, 1);
  dayLine->addWidget(lunarToday);
  auto* left = new QVBoxLayout;
  left->addWidget(lunarMonth, 1);
  left->addLayout(dayLine);
  dayLists = new AlmanacDayPanel(page);
  dayLists->setObjectName(QStringLiteral("万年历每日宜忌"));
  dayLists->setContentsMargins(6, 6, 6, 6);
  // The selected day's almanac, the year's terms and the article share the right side.
  auto* dayScroll = new QScrollArea(page);
  dayScroll->setWidgetResizable(true);
  dayScroll->setFrameShape(QFrame::NoFrame);
  dayScroll->setWidget(dayLists);
  auto* termPage = new QWidget(page);
  auto* termLayout = new QVBoxLayout(termPage);
  termLayout->addWidget(terms);
  termLayout->addWidget(termList, 1);
  sideTabs = new QTabWidget(page);
  sideTabs->setObjectName(QStringLiteral("选择夹当日"));
  sideTabs->addTab(dayScroll, QStringLiteral("当日宜忌"));
  sideTabs->addTab(termPage, QStringLiteral("节气"));
  sideTabs->addTab(lunarArticle, QStringLiteral("说明"));
  auto* right = new QVBoxLayout;
  right->addWidget(sideTabs, 1);
  auto* grid = new QGridLayout(page);
  grid->addLayout(left, 0, 0);
  grid->addLayout(right, 0, 1);
  grid->addLayout(
      conversionRow(page, lunarDateBox, lunarHour, lunarMinute, lunarSecond, pillars, lunarPillars),
      1, 0, 1, 2);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  return page;
}

QWidget* CalendarWindow::buildGregorianPage() {
  auto* page = new QWidget(this);
  const QDate today = services_.currentDateTime().date();
  gregorianMonth = new LunarMonthView(QStringLiteral("月历1"), today,
                                      LunarMonthView::DayNames::EventsOnly, page);
  QStringList months;
  for (const char* name : {"一月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月",
                           "十月", "十一月", "十二月"}) {
    months << QString::fromUtf8(name);
  }
  monthChooser = makeComboBox(page, QStringLiteral("组合框2"), months, today.month() - 1);
  gregorianToday = makeButton(page, QStringLiteral("按钮5"), QStringLiteral("今天"));
  gregorianArticle =
      makeArticleBox(page, QStringLiteral("编辑框公历"), almanac::gregorianCalendarArticle());

  // The same box as the other date boxes, so it takes typed dates the same way.
  gregorianDate = new LunarDateBox(QStringLiteral("公历日期框"), page);
  gregorianDate->setEntry(DateEntry::Gregorian);
  gregorianDate->setDisplayPattern(fromGbk(calendar::almanacDateBoxPattern()));
  gregorianDate->setDate(fromQDate(today));
  gregorianHour = makeTimeBox(page, QStringLiteral("公历时编辑框"), 23, 23);
  gregorianMinute = makeTimeBox(page, QStringLiteral("公历分编辑框"), 59, 59);
  gregorianSecond = makeTimeBox(page, QStringLiteral("公历秒编辑框"), 59, 59);
  gregorianPillars = makeResultBox(page, QStringLiteral("公历柱编辑框"));

  auto* chooser = new QHBoxLayout;
  chooser->addWidget(makeLabel(page, QStringLiteral("月份")));
  chooser->addWidget(monthChooser);
  chooser->addStretch(1);
  chooser->addWidget(gregorianToday);
  auto* left = new QVBoxLayout;
  left->addLayout(chooser);
  left->addWidget(gregorianMonth, 1);
  auto* grid = new QGridLayout(page);
  grid->addLayout(left, 0, 0);
  grid->addWidget(gregorianArticle, 0, 1);
  grid->addLayout(conversionRow(page, gregorianDate, gregorianHour, gregorianMinute,
                                gregorianSecond, nullptr, gregorianPillars),
                  1, 0, 1, 2);
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(1, 2);
  return page;
}

QWidget* CalendarWindow::buildCardPage() {
  auto* page = new QWidget(this);
  auto makeCardLabel = [page](const QString& name, double scale) {
    auto* label = new QLabel(page);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    label->setFont(font);
    return label;
  };
  todayYearMonth = makeCardLabel(QStringLiteral("透明标签1"), 1.8);
  todayDay = makeCardLabel(QStringLiteral("透明标签2"), 7.0);
  QFont dayFont = todayDay->font();
  dayFont.setBold(true);
  todayDay->setFont(dayFont);
  todayLunar = makeCardLabel(QStringLiteral("透明标签5"), 1.5);
  todayPillars = makeCardLabel(QStringLiteral("透明标签6"), 1.5);
  auto* layout = new QVBoxLayout(page);
  layout->addStretch(1);
  for (QLabel* label : {todayYearMonth, todayDay, todayLunar, todayPillars}) {
    layout->addWidget(label);
  }
  layout->addStretch(1);
  return page;
}

void CalendarWindow::connectControls() {
  connect(gregorianView, &QRadioButton::toggled, this, [this](bool on) {
    if (on) tabs->setCurrentIndex(kGregorianPage);
  });
  connect(lunarView, &QRadioButton::toggled, this, [this](bool on) {
    if (on) tabs->setCurrentIndex(kLunarPage);
  });
  connect(tabs, &QTabWidget::currentChanged, this, [this](int page) {
    if (page == kGregorianPage) gregorianView->setChecked(true);
    if (page == kLunarPage) lunarView->setChecked(true);
  });
  connect(refresh, &QPushButton::clicked, this, &CalendarWindow::showToday);
  connect(lunarMonth, &QCalendarWidget::selectionChanged, this, [this] {
    showSelectedDay();
    listTerms();
  });
  connect(lunarMonth, &QCalendarWidget::currentPageChanged, this,
          &CalendarWindow::followShownMonth);
  connect(lunarToday, &QPushButton::clicked, this, &CalendarWindow::goToToday);
  connect(terms, &QPushButton::clicked, this, &CalendarWindow::listTerms);
  connect(gregorianToday, &QPushButton::clicked, this, &CalendarWindow::goToToday);
  connect(gregorianMonth, &QCalendarWidget::currentPageChanged, this,
          [this](int, int month) { monthChooser->setCurrentIndex(month - 1); });
  connect(monthChooser, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index >= 0) gregorianMonth->setCurrentPage(gregorianMonth->yearShown(), index + 1);
  });
  connect(pillars, &QPushButton::clicked, this, [this] {
    convertLunar();
    convertGregorian();
  });
  // The pillars follow the boxes as they change.
  connect(lunarDateBox, &LunarDateBox::dateChanged, this, &CalendarWindow::convertLunar);
  for (QSpinBox* box : {lunarHour, lunarMinute, lunarSecond}) {
    connect(box, &QSpinBox::valueChanged, this, &CalendarWindow::convertLunar);
  }
  connect(gregorianDate, &LunarDateBox::dateChanged, this, &CalendarWindow::convertGregorian);
  for (QSpinBox* box : {gregorianHour, gregorianMinute, gregorianSecond}) {
    connect(box, &QSpinBox::valueChanged, this, &CalendarWindow::convertGregorian);
  }
}

void CalendarWindow::showToday() {
  const QDateTime now = services_.currentDateTime();
  const almanac::TodayTexts texts = almanac::todayTexts(calendar::DateTime::of(
      fromQDate(now.date()), now.time().hour(), now.time().minute(), now.time().second()));
  todayYearMonth->setText(fromGbk(texts.yearMonth));
  todayDay->setText(fromGbk(texts.day));
  QPalette palette = todayDay->palette();
  palette.setColor(QPalette::WindowText,
                   QColor(texts.dayColour.r, texts.dayColour.g, texts.dayColour.b));
  todayDay->setPalette(palette);
  todayLunar->setText(fromGbk(texts.lunar));
  todayPillars->setText(fromGbk(texts.pillars));
  lunarMonth->setToday(now.date());
  gregorianMonth->setToday(now.date());
}

void CalendarWindow::showSelectedDay() {
  const calendar::Date day = fromQDate(lunarMonth->selectedDate());
  lunarDateLine->setText(fromGbk(almanac::lunarDateLine(day)));
  dayLists->showDay(almanac::almanacDay(day));
}

// Paging to another month takes the selection along (the same day of the month, within
// the calendar's range), so the lunar date line and the term list speak of the month
// on show rather than of a day the view no longer shows.
void CalendarWindow::followShownMonth(int year, int month) {
  const QDate selected = lunarMonth->selectedDate();
  if (selected.year() == year && selected.month() == month) return;
  const QDate first(year, month, 1);
  const QDate day(year, month, std::min(selected.day(), first.daysInMonth()));
  lunarMonth->setSelectedDate(
      std::clamp(day, lunarMonth->minimumDate(), lunarMonth->maximumDate()));
}

void CalendarWindow::listTerms() {
  termList->clear();
  for (const std::string& line : almanac::solarTermList(lunarMonth->selectedDate().year())) {
    termList->addItem(fromGbk(line));
  }
}

void CalendarWindow::convertGregorian() {
  const calendar::DateTime moment =
      calendar::DateTime::of(gregorianDate->date(), gregorianHour->value(),
                             gregorianMinute->value(), gregorianSecond->value());
  gregorianPillars->setText(fromGbk(almanac::pillarsLine(moment)));
}

void CalendarWindow::convertLunar() {
  const calendar::DateTime moment = calendar::DateTime::of(
      lunarDateBox->date(), lunarHour->value(), lunarMinute->value(), lunarSecond->value());
  lunarPillars->setText(fromGbk(almanac::pillarsLine(moment)));
}

void CalendarWindow::goToToday() {
  const QDate today = services_.currentDateTime().date();
  lunarMonth->setSelectedDate(today);
  lunarMonth->setCurrentPage(today.year(), today.month());
  gregorianMonth->setSelectedDate(today);
  gregorianMonth->setCurrentPage(today.year(), today.month());
}

}  // namespace zeruda::gui

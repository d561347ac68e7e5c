#include "gui/almanac_window.h"

#include "actions/calendar_actions.h"
#include "actions/field_names.h"
#include "actions/inputs.h"
#include "almanac/almanac.h"
#include "calendar/date_pattern.h"
#include "gui/almanac_day_panel.h"
#include "gui/lunar_date_box.h"
#include "gui/opening_days_page.h"
#include "gui/qt_text.h"
#include "gui/widgets.h"

#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace zeruda::gui {
namespace {

QLabel* makeTextLabel(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

// The activities of the search: the officer texts' own, then, after a line, those of
// the traditional day lists, each carrying whether the day lists are searched for it.
void fillActivities(QComboBox* box) {
  for (const std::string& a : almanac::almanacActivities()) box->addItem(fromGbk(a), false);
  box->insertSeparator(box->count());
  for (const std::string& a : almanac::traditionalAlmanacActivities()) {
    box->addItem(fromGbk(a), true);
  }
  box->setCurrentText(fromGbk(almanac::defaultAlmanacActivity()));
  box->setMaxVisibleItems(20);
}

}  // namespace

AlmanacWindow::AlmanacWindow(QDate shown, const std::filesystem::path& profileFile, QWidget* parent)
    : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("黄历吉日"));
  setWindowTitle(QStringLiteral("黄历吉日"));
  setAttribute(Qt::WA_DeleteOnClose);

  dateBox = new LunarDateBox(QStringLiteral("农历日期框1"), this);
  dateBox->setEntry(DateEntry::Gregorian);
  dateBox->setDisplayPattern(fromGbk(calendar::almanacDateBoxPattern()));
  dateBox->setDate({shown.year(), shown.month(), shown.day()});
  dayQuery = makeButton(this, QStringLiteral("按钮黄历查询"), QStringLiteral("查询"));
  auto* top = new QHBoxLayout;
  top->addWidget(makeLabel(this, QStringLiteral("日期")));
  top->addWidget(dateBox);
  top->addWidget(dayQuery);
  top->addStretch(1);

  tabs = new QTabWidget(this);
  tabs->setObjectName(QStringLiteral("选择夹1"));
  tabs->addTab(buildDayPage(), QStringLiteral("黄历查询"));
  tabs->addTab(buildSearchPage(), QStringLiteral("选日子"));
  opening = new OpeningDaysPage(dateBox, profileFile, this);
  tabs->addTab(opening, QStringLiteral("选吉日开业"));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(tabs, 1);

  connect(dayQuery, &QPushButton::clicked, this, &AlmanacWindow::showDay);
  connect(dateBox, &LunarDateBox::dateChanged, this, &AlmanacWindow::showDay);
  connect(searchButton, &QPushButton::clicked, this, &AlmanacWindow::search);
  // Like the search, the opening-day list comes forward with its results.
  connect(opening->query, &QPushButton::clicked, this,
          [this] { tabs->setCurrentIndex(kOpeningPage); });
  resize(640, 580);
  showDay();
}

QWidget* AlmanacWindow::buildDayPage() {
  auto* page = new QWidget(this);
  dateLine = makeTextLabel(page, QStringLiteral("标签黄历"));
  pillarsLine = makeTextLabel(page, QStringLiteral("标签岁次"));
  nayin = makeTextLabel(page, QStringLiteral("标签五行"));
  favourable = makeTextLabel(page, QStringLiteral("标签吉事"));
  unfavourable = makeTextLabel(page, QStringLiteral("标签禁忌"));
  // The traditional tables' reading in a box of its own, named as tradition.
  auto* traditional = new QGroupBox(QStringLiteral("黄历旧说：每日宜忌、冲煞、时辰"), page);
  dayLists = new AlmanacDayPanel(traditional);
  dayLists->setObjectName(QStringLiteral("黄历每日宜忌"));
  (new QVBoxLayout(traditional))->addWidget(dayLists);
  auto* form = new QFormLayout(page);
  form->addRow(QStringLiteral("黄历："), dateLine);
  form->addRow(QStringLiteral("岁次："), pillarsLine);
  form->addRow(QStringLiteral("纳音："), nayin);
  form->addRow(QStringLiteral("吉事："), favourable);
  form->addRow(QStringLiteral("禁忌："), unfavourable);
  form->addRow(traditional);
  // The day's lists run long on some days: the page scrolls rather than cut them.
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("黄历查询滚动区"));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidget(page);
  return scroll;
}

QWidget* AlmanacWindow::buildSearchPage() {
  auto* page = new QWidget(this);
  QStringList ranges;
  for (const almanac::SearchRange& r : almanac::searchRanges()) ranges << fromGbk(r.caption);
  range = makeComboBox(page, QStringLiteral("组合框1"), ranges);
  column =
      makeComboBox(page, QStringLiteral("组合框2"), {QStringLiteral("宜"), QStringLiteral("忌")});
  activity = makeComboBox(page, QStringLiteral("组合框宜忌"), {});
  fillActivities(activity);
  searchButton = makeButton(page, QStringLiteral("按钮日子查询"), QStringLiteral("查询"));
  found = new QListWidget(page);
  found->setObjectName(QStringLiteral("选择列表框1"));

  auto* choices = new QHBoxLayout;
  choices->addWidget(range);
  choices->addWidget(column);
  choices->addWidget(activity);
  choices->addWidget(searchButton);
  choices->addStretch(1);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(choices);
  layout->addWidget(found, 1);
  return page;
}

void AlmanacWindow::showDay() {
  const almanac::AlmanacDay day = almanac::almanacDay(dateBox->date());
  dateLine->setText(fromGbk(day.dateLine));
  pillarsLine->setText(fromGbk(day.pillarsLine));
  nayin->setText(fromGbk(day.nayin));
  favourable->setText(fromGbk(day.favourable));
  unfavourable->setText(fromGbk(day.unfavourable));
  dayLists->showDay(day);
  tabs->setCurrentIndex(kDayPage);
}

void AlmanacWindow::search() {
  found->clear();
  tabs->setCurrentIndex(kSearchPage);
  const auto ranges = almanac::searchRanges();
  actions::AlmanacSearchRequest request;
  request.from = calendar::isoDate(dateBox->date());
  request.range = actions::numberText(
      ranges[static_cast<std::size_t>(std::max(range->currentIndex(), 0))].days);
  request.activity = toGbk(activity->currentText());
  request.avoid = column->currentIndex() != 0;
  request.dayLists = activity->currentData().toBool();
  const auto answer = actions::searchAlmanac(request);
  if (!answer.ok()) {
    // The list says why it stays empty: the activity box takes typed text too.
    new QListWidgetItem(fromGbk(actions::namedMessage(answer.failure())), found);
    return;
  }
  for (const calendar::Date& day : answer.value().days) {
    auto* item = new QListWidgetItem(fromGbk(almanac::almanacDateText(day)), found);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
}

}  // namespace zeruda::gui

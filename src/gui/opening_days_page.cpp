#include "gui/opening_days_page.h"

#include "actions/calendar_actions.h"
#include "actions/field_names.h"
#include "actions/inputs.h"
#include "almanac/almanac.h"
#include "almanac/opening_days.h"
#include "calendar/ganzhi.h"
#include "calendar/lunar.h"
#include "calendar/pillars.h"
#include "gui/calendar_bridge.h"
#include "gui/lunar_date_box.h"
#include "gui/qt_text.h"
#include "gui/widgets.h"
#include "profile/legal_birth.h"
#include "profile/profile.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <optional>

namespace zeruda::gui {
namespace {

// The legal representative as the page names them; nothing when none is saved.
std::optional<profile::SavedLegalPerson> showPerson(QLabel* label,
                                                    const std::filesystem::path& profileFile) {
  auto saved = profile::savedLegalPerson(profileFile);
  if (!saved) {
    label->setText(
        QStringLiteral("法人：尚未保存。请先在公司取名页填写法人资料并取名，再来选日子。"));
  } else {
    label->setText(QStringLiteral("法人：%1　生于%2")
                       .arg(fromGbk(saved->name), fromGbk(calendar::dateTimeText(saved->birth))));
  }
  return saved;
}

QStringList shownTexts(const std::vector<std::string>& texts) {
  QStringList shown;
  for (const std::string& text : texts) shown << fromGbk(text);
  return shown;
}

QString hourNames(const std::vector<almanac::AlmanacHour>& hours) {
  QStringList names;
  for (const almanac::AlmanacHour& hour : hours)
    names << fromGbk(calendar::branchText(hour.branch));
  return names.join(QStringLiteral("、"));
}

QTreeWidgetItem* dayItem(const almanac::OpeningDay& day) {
  const QStringList reasons = shownTexts(day.reasons);
  const QStringList cautions = shownTexts(day.cautions);
  const QString date = fromGbk(almanac::almanacDateText(day.date));
  const QString hours = hourNames(day.luckyHours);
  auto* item = new QTreeWidgetItem(
      QStringList{date, fromGbk(day.weekday), fromGbk(almanac::officerText(day.officer)),
                  fromGbk(day.pillars[2].text()), hours, reasons.join(QStringLiteral("；")),
                  cautions.join(QStringLiteral("；"))});
  // The reasons and cautions run past the column's edge in any but a very wide window:
  // the pointer on the row shows them whole, one to a line.
  QString tip = date + QLatin1Char(' ') + fromGbk(day.weekday) + QLatin1Char('\n') +
                reasons.join(QLatin1Char('\n'));
  if (!cautions.isEmpty()) {
    tip += QStringLiteral("\n留意：") + cautions.join(QStringLiteral("\n留意："));
  }
  tip += QStringLiteral("\n吉时：") + hours;
  for (int column = 0; column < item->columnCount(); ++column) item->setToolTip(column, tip);
  return item;
}

}  // namespace

OpeningDaysPage::OpeningDaysPage(LunarDateBox* start, std::filesystem::path profileFile,
                                 QWidget* parent)
    : QWidget(parent), start_(start), profileFile_(std::move(profileFile)) {
  days = new QSpinBox(this);
  days->setObjectName(QStringLiteral("开业天数框"));
  days->setRange(almanac::kFewestOpeningDays, almanac::kMostOpeningDays);
  days->setValue(60);
  days->setSuffix(QStringLiteral(" 天"));
  query = makeButton(this, QStringLiteral("按钮开业查询"), QStringLiteral("查询"));
  person = new QLabel(this);
  person->setObjectName(QStringLiteral("标签开业法人"));
  person->setWordWrap(true);
  summary = new QLabel(this);
  summary->setObjectName(QStringLiteral("标签开业结果"));
  summary->setWordWrap(true);
  found = new QTreeWidget(this);
  found->setObjectName(QStringLiteral("开业吉日列表框"));
  found->setRootIsDecorated(false);
  found->setHeaderLabels({QStringLiteral("日期"), QStringLiteral("星期"), QStringLiteral("值神"),
                          QStringLiteral("日柱"), QStringLiteral("吉时"), QStringLiteral("理由"),
                          QStringLiteral("留意")});
  leftOut = new QListWidget(this);
  leftOut->setObjectName(QStringLiteral("开业不取列表框"));
  leftOut->setMaximumHeight(leftOut->fontMetrics().height() * 5);

  auto* choices = new QHBoxLayout;
  choices->addWidget(makeLabel(this, QStringLiteral("日期框所示之后")));
  choices->addWidget(days);
  choices->addWidget(query);
  choices->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choices);
  layout->addWidget(person);
  layout->addWidget(summary);
  layout->addWidget(found, 1);
  layout->addWidget(makeLabel(this, QStringLiteral("冲法人年支或日支而不取的日子：")));
  layout->addWidget(leftOut);

  connect(query, &QPushButton::clicked, this, &OpeningDaysPage::search);
  showPerson(person, profileFile_);
}

void OpeningDaysPage::search() {
  found->clear();
  leftOut->clear();
  summary->clear();
  if (!showPerson(person, profileFile_)) return;
  actions::OpeningDaysRequest request;
  request.from = calendar::isoDate(start_->date());
  request.days = actions::numberText(days->value());
  const auto answer = actions::openingDays(request, profileFile_);
  if (!answer.ok()) {
    summary->setText(fromGbk(actions::namedMessage(answer.failure())));
    return;
  }
  const std::vector<almanac::OpeningDay>& openingDays = answer.value().days;
  for (const almanac::OpeningDay& day : openingDays) found->addTopLevelItem(dayItem(day));
  for (int column :
       {kDateColumn, kWeekdayColumn, kOfficerColumn, kDayPillarColumn, kLuckyHoursColumn}) {
    found->resizeColumnToContents(column);
  }
  // The reasons run long: the column shows their start, the row's tooltip the rest.
  found->setColumnWidth(kReasonsColumn, found->fontMetrics().horizontalAdvance(
                                            QStringLiteral("值开日；宜交易、契券")));
  for (const almanac::LeftOutDay& day : answer.value().leftOut) {
    leftOut->addItem(fromGbk(almanac::almanacDateText(day.date)) + QStringLiteral("　") +
                     fromGbk(day.note));
  }
  summary->setText(QStringLiteral("按黄历旧说，宜开业的日子共 %1 天；宜开市的在前，忌开市的在后。")
                       .arg(static_cast<qlonglong>(openingDays.size())));
}

}  // namespace zeruda::gui

#include "gui/personal_naming.h"

#include "actions/inputs.h"
#include "actions/name_report.h"
#include "app/session.h"
#include "calendar/date_time.h"
#include "gui/field_controls.h"
#include "gui/lunar_date_box.h"
#include "gui/name_report_window.h"
#include "gui/pages.h"
#include "gui/qt_text.h"
#include "gui/secondary_window.h"
#include "gui/ui_services.h"
#include "personal/copy_names.h"
#include "personal/naming_texts.h"
#include "run/random_source.h"
#include "text/gbk_literal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <tuple>

namespace zeruda::gui {

using namespace text::literals;

namespace {

// Where a listed name keeps what 测名 needs of it.
constexpr int kGivenRole = Qt::UserRole + 1;
constexpr int kSurnameRole = Qt::UserRole + 2;

// A row of the candidate list. Its one column sorts by the name's stars, then by the
// name's GBK bytes (pinyin order for the common characters).
class NameItem : public QTreeWidgetItem {
 public:
  // `detail`: what the row carries in full, its tooltip and the detail pane's text.
  NameItem(const personal::NameRow& row, const QString& surname, const QString& detail)
      : QTreeWidgetItem({fromGbk(row.text)}),
        stars_(row.stars),
        bytes_(QString::fromLatin1(row.text.data(), static_cast<qsizetype>(row.text.size()))) {
    setData(0, Qt::UserRole, row.recordNumber);
    setData(0, kGivenRole, fromGbk(row.given));
    setData(0, kSurnameRole, surname);
    setToolTip(0, detail);
  }

  bool operator<(const QTreeWidgetItem& other) const override {
    const auto* name = dynamic_cast<const NameItem*>(&other);
    if (name == nullptr) return QTreeWidgetItem::operator<(other);
    return std::tie(stars_, bytes_) < std::tie(name->stars_, name->bytes_);
  }

 private:
  int stars_;
  QString bytes_;
};

}  // namespace

PersonalNaming::PersonalNaming(PersonalPage& page, UiServices& services, app::Session& session,
                               std::function<void(const QString&)> showStatus, QObject* parent)
    : QObject(parent),
      seedSource(run::millisecondTickSeed),
      page_(page),
      services_(services),
      session_(session),
      showStatus_(std::move(showStatus)) {
  // The level box serves the tick box beside it, the position and character boxes
  // the fixed-character tick box.
  page_.starLevel->setEnabled(page_.pickLevel->isChecked());
  connect(page_.pickLevel, &QCheckBox::toggled, page_.starLevel, &QWidget::setEnabled);
  for (QWidget* box :
       {static_cast<QWidget*>(page_.fixedPosition), static_cast<QWidget*>(page_.fixedCharacter)}) {
    box->setEnabled(page_.fixCharacter->isChecked());
    connect(page_.fixCharacter, &QCheckBox::toggled, box, &QWidget::setEnabled);
  }
  for (QRadioButton* length : {page_.lengthOne, page_.lengthTwo, page_.lengthThree}) {
    connect(length, &QRadioButton::toggled, this, &PersonalNaming::followLength);
  }
  // Arrival order until the header is clicked; a second click reverses the order.
  // The list sorts only from that click on: sorting on, it would place even the rows
  // of an unsorted list by its own rule.
  QHeaderView* header = page_.candidates->header();
  page_.candidates->headerItem()->setData(0, Qt::InitialSortOrderRole, Qt::AscendingOrder);
  header->setSortIndicator(-1, Qt::AscendingOrder);
  header->setSortIndicatorShown(true);
  header->setSectionsClickable(true);
  connect(header, &QHeaderView::sortIndicatorChanged, page_.candidates, [this] {
    if (!page_.candidates->isSortingEnabled()) page_.candidates->setSortingEnabled(true);
  });
  connect(page_.start, &QPushButton::clicked, this, &PersonalNaming::start);
  connect(page_.copyNames, &QPushButton::clicked, this, &PersonalNaming::copyNames);
  connect(page_.judge, &QPushButton::clicked, this, &PersonalNaming::judgeTyped);
  connect(page_.candidates, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    judgeListed(item->data(0, kSurnameRole).toString(), item->data(0, kGivenRole).toString());
  });
  connect(page_.recommended, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    judgeListed(item->data(kSurnameRole).toString(), item->data(kGivenRole).toString());
  });
  // The pane shows the name last chosen in either list, by key or by click (a click
  // on a list's current name after one in the other list changes no current item).
  auto showTree = [this](QTreeWidgetItem* item) {
    if (item) page_.nameDetail->setPlainText(item->toolTip(0));
  };
  auto showList = [this](QListWidgetItem* item) {
    if (item) page_.nameDetail->setPlainText(item->toolTip());
  };
  connect(page_.candidates, &QTreeWidget::currentItemChanged, this, showTree);
  connect(page_.candidates, &QTreeWidget::itemClicked, this, showTree);
  connect(page_.recommended, &QListWidget::currentItemChanged, this, showList);
  connect(page_.recommended, &QListWidget::itemClicked, this, showList);
}

PersonalNaming::~PersonalNaming() { stopNaming(); }

personal::PersonalForm PersonalNaming::readForm() const {
  personal::PersonalForm form;
  form.surname = toGbk(page_.surname->text());
  form.gender =
      page_.gender->currentIndex() == 1 ? personal::Gender::Female : personal::Gender::Male;
  form.birthMoment = calendar::DateTime::of(page_.birthDate->date(), page_.hour->currentIndex(),
                                            page_.minute->currentIndex(), 0);
  form.givenLength = page_.lengthOne->isChecked() ? 1 : page_.lengthThree->isChecked() ? 3 : 2;
  // The position box lists 一 二 三, the level box one to five stars.
  if (page_.fixCharacter->isChecked()) {
    form.fixed = personal::FixedCharacter{page_.fixedPosition->currentIndex() + 1,
                                          toGbk(page_.fixedCharacter->text())};
  }
  if (page_.pickLevel->isChecked()) form.wantedStars = page_.starLevel->currentIndex() + 1;
  return form;
}

actions::PersonalRequest PersonalNaming::readRequest() const {
  actions::PersonalRequest request;
  const personal::PersonalForm form = readForm();
  request.surname = form.surname;
  request.gender = personal::genderText(form.gender);
  request.birthDate = calendar::isoDate(form.birthMoment.date());
  request.birthTime = toGbk(QStringLiteral("%1:%2")
                                .arg(form.birthMoment.hour, 2, 10, QLatin1Char('0'))
                                .arg(form.birthMoment.minute, 2, 10, QLatin1Char('0')));
  request.givenLength = actions::numberText(form.givenLength);
  if (form.fixed) {
    request.fixedPosition = actions::numberText(form.fixed->position);
    request.fixed = form.fixed->character;
  }
  if (form.wantedStars) request.level = actions::numberText(*form.wantedStars);
  request.seed = actions::numberText(seedSource());
  request.road = toGbk(page_.road->currentText());
  return request;
}

void PersonalNaming::stopNaming() {
  worker_.reset();
  wait_.reset();
}

// A shorter name moves the fixed position onto its last character.
void PersonalNaming::followLength() {
  const int length = readForm().givenLength;
  page_.fixedPosition->setCurrentIndex(
      personal::fixedPositionFor(length, page_.fixedPosition->currentIndex() + 1) - 1);
}

void PersonalNaming::clearLists() {
  if (inbox_) inbox_->close();
  page_.candidates->clear();
  page_.recommended->clear();
  page_.nameDetail->clear();
}

void PersonalNaming::refuse(const UserMessage& message) {
  showUserMessage(services_, page_.window(), message);
  // A refused entry is selected whole, ready to be typed over.
  if (message.focus == Field::None) return;
  if (auto* box = page_.findChild<QLineEdit*>(controlNameOf(message.focus))) box->selectAll();
}

void PersonalNaming::start() {
  // The wait message keeps the window's input away while a run goes; a request that
  // comes anyway (a direct call) starts nothing.
  if (running()) return;
  clearLists();
  actions::Context context{session_.tables(), &session_.profile()};
  const auto request = actions::checkPersonal(readRequest(), context);
  if (!request.ok()) {
    refuse(refusalBox(request.failure(), "提示"_gbk));
    return;
  }
  if (beforeStart) beforeStart();

  // Names are made on the worker's thread and handed to this thread's event loop,
  // so the lists only ever change here and the window keeps painting meanwhile.
  inbox_ = std::make_shared<BurstInbox<personal::NameRow>>(
      this, [this](std::vector<personal::NameRow> rows) { append(std::move(rows)); });
  // The end comes through the event loop too, behind the run's last names. The
  // worker's thread is joined before this object goes, so `this` outlives the call;
  // a call still queued when it goes is dropped with it.
  const int number = ++runNumber_;
  auto finished = [this, number](const actions::RunEnd&) {
    QMetaObject::invokeMethod(
        this, [this, number] { finishRun(number); }, Qt::QueuedConnection);
  };
  const actions::PersonalStart& start = request.value();
  note_ = start.naming.note;
  listedSurname_ = fromGbk(start.naming.settings.surname);
  showStatus_(fromGbk(personal::namingStatus()));
  auto deliver = [inbox = inbox_, handedOver = onRowHandedOver,
                  count = 0](std::span<const personal::NameRow> rows) mutable {
    for (const personal::NameRow& row : rows) {
      inbox->post(row);
      if (handedOver) handedOver(++count);
    }
  };
  worker_ = std::make_unique<run::RunThread<actions::RunEnd>>(
      [this, start,
       sink = actions::BatchSink<personal::NameRow>(std::move(deliver))](run::StopFlag& stop) {
        actions::Context context{session_.tables(), &session_.profile()};
        return actions::runPersonal(start, context, sink, stop, 1);
      },
      finished);

  // The wait message is up while the worker runs; closing it stops the worker, and
  // a worker that ends by itself takes it down.
  wait_ = openUserWaitMessage(services_, page_.window(), start.naming.waitMessage);
  connect(wait_.get(), &WaitMessage::userClosed, this, [this] {
    if (worker_) worker_->requestStop();
  });
}

void PersonalNaming::finishRun(int number) {
  // A run stopped without its end reported (the window closing) has nothing more
  // to say.
  if (number != runNumber_ || !worker_) return;
  const actions::RunEnd outcome = worker_->wait();
  stopNaming();
  // A note on the characters typed outlasts the run's own word.
  showStatus_(fromGbk(!note_.empty()   ? note_
                      : outcome.capped ? personal::namesMadeStatus(outcome.rows)
                                       : personal::personalSlogan()));
  if (outcome.message) refuse(userMessageOf(*outcome.message));
  emit runEnded();
}

void PersonalNaming::append(std::vector<personal::NameRow> rows) {
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(rows.size()));
  const std::string surname = toGbk(listedSurname_);
  for (const personal::NameRow& row : rows) {
    const QString detail = fromGbk(actions::listedNameText(surname, row));
    items << new NameItem(row, listedSurname_, detail);
    if (row.recommended) {
      auto* pick = new QListWidgetItem(fromGbk(row.text), page_.recommended);
      pick->setData(Qt::UserRole, row.recordNumber);
      pick->setData(kGivenRole, fromGbk(row.given));
      pick->setData(kSurnameRole, listedSurname_);
      pick->setToolTip(detail);
    }
  }
  page_.candidates->addTopLevelItems(items);
  // A sorted list puts rows all over it, and the view stays where the user has it.
  if (page_.candidates->header()->sortIndicatorSection() < 0) page_.candidates->scrollToBottom();
}

void PersonalNaming::judgeTyped() {
  judge(page_.judgedSurname->text(), page_.judgedGiven->text(), true);
}

void PersonalNaming::judgeListed(const QString& surname, const QString& given) {
  judge(surname, given, false);
}

void PersonalNaming::judge(const QString& surname, const QString& given, bool typedName) {
  // A run reads the tables on its own thread; the wait message keeps the user away
  // meanwhile, and a direct call judges nothing.
  if (running()) return;
  const actions::PersonalRequest person = readRequest();
  actions::NameJudgementRequest request;
  request.surname = toGbk(surname);
  request.given = toGbk(given);
  request.gender = person.gender;
  request.birthDate = person.birthDate;
  request.birthTime = person.birthTime;
  actions::Context context{session_.tables(), &session_.profile()};
  const auto answer = actions::judgeName(request, context);
  if (!answer.ok()) {
    UserMessage box = refusalBox(answer.failure(), "提示"_gbk);
    // The typed surname has its own box; the mapping names the page's.
    const bool ownSurname = typedName && box.focus == Field::PersonSurname;
    if (ownSurname) box.focus = Field::None;
    refuse(box);
    if (ownSurname) {
      page_.judgedSurname->setFocus();
      page_.judgedSurname->selectAll();
    }
    return;
  }
  NameReportWindow* window = openSecondary(report_, *page_.window(),
                                           [this] { return new NameReportWindow(page_.window()); });
  window->showReport(fromGbk(answer.value().surname + answer.value().given),
                     fromGbk(actions::nameReportText(answer.value())));
}

void PersonalNaming::copyNames() {
  std::vector<std::string> names;
  for (int i = 0; i < page_.candidates->topLevelItemCount(); ++i) {
    names.push_back(toGbk(page_.candidates->topLevelItem(i)->text(0)));
  }
  personal::CopyOutcome outcome = personal::CopyOutcome::NothingToCopy;
  if (!names.empty()) {
    outcome = services_.copyToClipboard(fromGbk(personal::namesClipboardText(names)))
                  ? personal::CopyOutcome::Copied
                  : personal::CopyOutcome::Failed;
  }
  showUserMessage(services_, page_.window(), personal::copyNamesMessage(outcome));
}

}  // namespace zeruda::gui

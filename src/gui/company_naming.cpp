#include "gui/company_naming.h"

#include "actions/inputs.h"
#include "actions/name_report.h"
#include "app/session.h"
#include "calendar/date_time.h"
#include "calendar/ganzhi.h"
#include "generation/export.h"
#include "generation/request.h"
#include "generation/request_checks.h"
#include "gui/calendar_bridge.h"
#include "gui/company_page.h"
#include "gui/field_controls.h"
#include "gui/lunar_date_box.h"
#include "gui/qt_text.h"
#include "gui/result_list_model.h"
#include "gui/row_inbox.h"
#include "gui/ui_services.h"
#include "text/gbk_literal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTreeView>

namespace zeruda::gui {
namespace {

// A box gets a new text only when it differs, so the cursor of an unchanged box
// stays where the user left it.
void putText(QLineEdit* box, const std::string& gbk) {
  const QString text = fromGbk(gbk);
  if (box->text() != text) box->setText(text);
}

}  // namespace

CompanyNaming::CompanyNaming(CompanyPage& page, UiServices& services, app::Session& session,
                             QObject* parent)
    : QObject(parent),
      seedSource(run::millisecondTickSeed),
      page_(page),
      services_(services),
      session_(session),
      model_(new ResultListModel(this)),
      sorted_(new SortedResults(model_, this)) {
  page_.results->setModel(sorted_);
  // Arrival order until a header is clicked; a second click on it reverses the order.
  page_.results->header()->setSortIndicator(-1, Qt::AscendingOrder);
  page_.results->setSortingEnabled(true);
  connect(page_.generate, &QPushButton::clicked, this, &CompanyNaming::generate);
  connect(page_.stop, &QPushButton::clicked, this, [this] {
    if (engine_) engine_->requestStop();
  });
  connect(page_.exportCsv, &QPushButton::clicked, this,
          [this] { exportList(generation::ExportFormat::Csv); });
  connect(page_.exportText, &QPushButton::clicked, this,
          [this] { exportList(generation::ExportFormat::Txt); });
  connect(page_.exportRich, &QPushButton::clicked, this, &CompanyNaming::exportRichList);
  // The rich export has nothing to add to an empty list.
  const auto rowsChanged = [this] { page_.exportRich->setEnabled(sorted_->rowCount() > 0); };
  connect(sorted_, &QAbstractItemModel::rowsInserted, this, rowsChanged);
  connect(sorted_, &QAbstractItemModel::rowsRemoved, this, rowsChanged);
  connect(sorted_, &QAbstractItemModel::modelReset, this, rowsChanged);
  // The selected row's 字号 in full, as its tooltip opens.
  connect(
      page_.results->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
      [this](const QModelIndex& current) {
        const auto* row = current.isValid() ? sorted_->rowAt(current.row()) : nullptr;
        page_.bodyDetail->setPlainText(row ? fromGbk(actions::listedBodyText(*row)) : QString());
      });
  connect(page_.autoPick, &QCheckBox::clicked, this, &CompanyNaming::autoPickClicked);
  connect(page_.results, &QTreeView::doubleClicked, this, [this] {
    if (page_.results->currentIndex().isValid()) emit rowActivated();
  });
  // Each new row comes into view as it arrives. A sorted list puts rows all over it,
  // and the view stays where the user has it.
  connect(sorted_, &QAbstractItemModel::rowsInserted, page_.results, [this] {
    if (page_.results->header()->sortIndicatorSection() < 0) page_.results->scrollToBottom();
  });
}

CompanyNaming::~CompanyNaming() {
  // The page may be gone already: only the run and its message end here.
  engine_.reset();
  wait_.reset();
}

actions::GenerateRequest CompanyNaming::readRequest() const {
  actions::GenerateRequest request;
  request.surname = toGbk(page_.surname->text());
  request.givenName = toGbk(page_.givenName->text());
  request.prefix = toGbk(page_.prefix->text());
  request.suffix = toGbk(page_.suffix->text());
  request.birthDate = calendar::isoDate(page_.birthDate->date());
  request.birthTime = toGbk(QStringLiteral("%1:%2")
                                .arg(page_.hour->currentIndex(), 2, 10, QLatin1Char('0'))
                                .arg(page_.minute->currentIndex(), 2, 10, QLatin1Char('0')));
  request.shopName = page_.shopName->isChecked();
  request.takeAsTyped = page_.takeAsTyped->isChecked();
  request.autoElements = page_.matchFavourable->isChecked();
  // The favourable elements replace the ticked ones.
  for (std::size_t i = 0; i < page_.elements.size() && !request.autoElements; ++i) {
    const auto element = static_cast<calendar::Element>(i);
    if (page_.elements[i]->isChecked())
      request.elements.emplace_back(calendar::elementText(element));
  }
  request.bodyLength = toGbk(page_.middleCount->currentText());
  // The boxes past the body's length are hidden: what they may still hold is no input.
  const int length = page_.middleCount->currentText().toInt();
  for (int i = 0; i < length && i < static_cast<int>(request.fixed.size()); ++i) {
    const auto box = static_cast<std::size_t>(i);
    if (!page_.fixed[box]->text().isEmpty()) request.fixed[box] = toGbk(page_.fixed[box]->text());
  }
  // The level box lists one to five stars.
  if (page_.autoPick->isChecked()) {
    request.minimumStars = actions::numberText(page_.autoPickLevel->currentIndex() + 1);
  }
  request.seed = actions::numberText(seedSource());
  request.road = toGbk(page_.road->currentText());
  return request;
}

generation::CompanyForm CompanyNaming::readForm() const {
  generation::CompanyForm form;
  form.surname = toGbk(page_.surname->text());
  form.givenName = toGbk(page_.givenName->text());
  form.prefix = toGbk(page_.prefix->text());
  form.suffix = toGbk(page_.suffix->text());
  for (std::size_t i = 0; i < form.fixed.size(); ++i) form.fixed[i] = toGbk(page_.fixed[i]->text());
  form.shopName = page_.shopName->isChecked();
  form.autoElements = page_.matchFavourable->isChecked();
  // The element boxes stand in the order 金 木 水 火 土, the order of the set.
  for (std::size_t i = 0; i < page_.elements.size(); ++i) {
    if (page_.elements[i]->isChecked())
      form.wantedElements.insert(static_cast<calendar::Element>(i));
  }
  form.takeAsTyped = page_.takeAsTyped->isChecked();
  // The level box lists one to five stars.
  if (page_.autoPick->isChecked()) form.minimumStars = page_.autoPickLevel->currentIndex() + 1;
  form.bodyLength = page_.middleCount->currentText().toInt();
  form.birthMoment = calendar::DateTime::of(page_.birthDate->date(), page_.hour->currentIndex(),
                                            page_.minute->currentIndex(), 0);
  return form;
}

void CompanyNaming::writeForm(const generation::CompanyForm& form) {
  putText(page_.surname, form.surname);
  putText(page_.givenName, form.givenName);
  putText(page_.prefix, form.prefix);
  putText(page_.suffix, form.suffix);
  for (std::size_t i = 0; i < form.fixed.size(); ++i) putText(page_.fixed[i], form.fixed[i]);
  for (std::size_t i = 0; i < page_.elements.size(); ++i) {
    page_.elements[i]->setChecked(form.wantedElements.contains(static_cast<calendar::Element>(i)));
  }
}

void CompanyNaming::stopGeneration() {
  engine_.reset();
  wait_.reset();
  page_.stop->setEnabled(true);
}

void CompanyNaming::generate() {
  // The wait message keeps the window's input away while a run goes; a request that
  // comes anyway (a direct call) starts nothing.
  if (running()) return;
  using namespace text::literals;
  actions::Context context{session_.tables(), &session_.profile()};
  const actions::GenerateChecked checked = actions::checkGenerate(readRequest(), context);
  writeForm(checked.form);
  if (!checked.start.ok()) {
    showUserMessage(services_, page_.window(), refusalBox(checked.start.failure(), "系统提示"_gbk));
    return;
  }
  const actions::GenerateStart& start = checked.start.value();
  if (onRequestPassed) onRequestPassed(checked.form, start.engine.chartSummary);
  listedForm_ = checked.form;
  startRun(start);
}

void CompanyNaming::startRun(const actions::GenerateStart& start) {
  // A run left from before ends first, rows of its still on their way included;
  // then the list starts empty.
  stopGeneration();
  if (inbox_) inbox_->close();
  model_->clear();
  // Rows are produced on the engine's thread and handed to this thread's event loop,
  // so the list only ever changes here and the window keeps painting while they
  // pour in.
  inbox_ = std::make_shared<RowInbox>(model_);
  auto deliver = [inbox = inbox_, handedOver = onRowHandedOver,
                  count = 0](std::span<const generation::CandidateRow> rows) mutable {
    for (const generation::CandidateRow& row : rows) {
      inbox->post(row);
      if (handedOver) handedOver(++count);
    }
  };
  // The end comes through the event loop too, behind the run's last rows. The engine
  // thread is joined before this object goes, so `this` outlives the call; a call
  // still queued when it goes is dropped with it.
  const int number = ++runNumber_;
  auto finished = [this, number](const actions::RunEnd&) {
    QMetaObject::invokeMethod(
        this, [this, number] { finishRun(number); }, Qt::QueuedConnection);
  };
  engine_ = std::make_unique<run::RunThread<actions::RunEnd>>(
      [this, start, sink = actions::BatchSink<generation::CandidateRow>(std::move(deliver))](
          run::StopFlag& stop) {
        actions::Context context{session_.tables(), &session_.profile()};
        return actions::runGenerate(start, context, sink, stop, 1);
      },
      finished);

  // The wait message is up while the engine runs and is the way to stop it: the
  // page's stop button behind it cannot be reached meanwhile, so it says so.
  page_.stop->setEnabled(false);
  wait_ = openUserWaitMessage(services_, page_.window(), start.engine.waitMessage);
  connect(wait_.get(), &WaitMessage::userClosed, this, [this] {
    if (engine_) engine_->requestStop();
  });
}

void CompanyNaming::finishRun(int number) {
  // A run stopped without its end reported (a new run, the window closing) has
  // nothing more to say.
  if (number != runNumber_ || !engine_) return;
  const actions::RunEnd run = engine_->wait();
  stopGeneration();
  if (run.capped && showStatus) showStatus(fromGbk(generation::namesMadeStatus(run.rows)));
  if (run.message) showUserMessage(services_, page_.window(), userMessageOf(*run.message));
  emit runEnded();
}

void CompanyNaming::exportList(generation::ExportFormat format) {
  const bool csv = format == generation::ExportFormat::Csv;
  const generation::CompanyForm named = listedForm_ ? *listedForm_ : readForm();
  const std::string suggested = generation::exportFileName(
      named.prefix, named.bodyLength, fromQDate(services_.currentDateTime().date()), format);
  const std::optional<QString> file = services_.chooseSaveFile(
      page_.window(), csv ? QStringLiteral("*.csv") : QStringLiteral("*.txt"),
      csv ? QStringLiteral("csv") : QStringLiteral("txt"), fromGbk(suggested));
  if (!file) return;
  const auto written = generation::exportRows(std::filesystem::path(file->toStdString()),
                                              sorted_->shownRows(), format);
  showUserMessage(services_, page_.window(),
                  generation::exportMessage(written, toGbk(QDir::toNativeSeparators(*file))));
}

void CompanyNaming::exportRichList() {
  const generation::CompanyForm named = listedForm_ ? *listedForm_ : readForm();
  std::string suggested = generation::exportFileName(named.prefix, named.bodyLength,
                                                     fromQDate(services_.currentDateTime().date()),
                                                     generation::ExportFormat::Csv);
  suggested.insert(suggested.size() - 4, toGbk(QStringLiteral("_详细")));
  const std::optional<QString> file = services_.chooseSaveFile(
      page_.window(), QStringLiteral("*.csv"), QStringLiteral("csv"), fromGbk(suggested));
  if (!file) return;
  const auto written =
      actions::exportRichRows(std::filesystem::path(file->toStdString()), sorted_->shownRows());
  showUserMessage(services_, page_.window(),
                  generation::exportMessage(written, toGbk(QDir::toNativeSeparators(*file))));
}

void CompanyNaming::autoPickClicked(bool ticked) {
  if (auto warning = generation::autoPickToggled(ticked)) {
    showUserMessage(services_, page_.window(), *warning);
  }
}

}  // namespace zeruda::gui

#include "gui/main_window.h"

#include "app/reference_lists.h"
#include "app/session.h"
#include "calendar/lunar.h"
#include "calendar/pillars.h"
#include "chart/chart_report.h"
#include "chart/element_strength.h"
#include "gui/almanac_window.h"
#include "gui/calendar_window.h"
#include "gui/company_naming.h"
#include "gui/company_page.h"
#include "gui/duplicate_name_window.h"
#include "gui/evaluation_window.h"
#include "gui/library_commands.h"
#include "gui/lookup_window.h"
#include "gui/lunar_date_box.h"
#include "gui/pages.h"
#include "gui/personal_naming.h"
#include "gui/picture_view.h"
#include "gui/qt_text.h"
#include "gui/report_printing.h"
#include "gui/secondary_window.h"
#include "gui/shortlist_window.h"
#include "gui/ui_services.h"
#include "gui/web_commands.h"
#include "gui/window_layout.h"
#include "gui/window_texts.h"
#include "pictures/element_chart.h"
#include "profile/profile.h"
#include "profile/profile_restore.h"
#include "web/lookup_address.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <functional>

namespace zeruda::gui {
namespace {

// The bars above and below the pages take 55 pixels together, so the tab control's
// height of H - 55 fills the space between them exactly.
constexpr int kToolbarHeight = 33;
constexpr int kStatusBarHeight = 22;

// The result list keeps room for its header and five rows at the smallest size.
constexpr int kMinimumListHeight = 120;

// Columns of the result list the secondary windows read: 全名, 主体名 and 星级.
constexpr int kFullNameColumn = 1;
constexpr int kBodyColumn = 2;
constexpr int kStarsColumn = 6;

}  // namespace

MainWindow::MainWindow(UiServices& services, app::Session& session, Build build, QWidget* parent)
    : QMainWindow(parent), services_(services), session_(session) {
  setWindowTitle(kMainWindowTitle);
  buildToolbar();
  buildCompanyPage();
  buildStatusBar();
  resize(864, 640);
  // Otherwise the first paint queues the rest (event()).
  if (build == Build::Whole) buildRemainingPages();
}

MainWindow::~MainWindow() = default;

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::Paint && !built_) {
    // Queued, so that the first paint reaches the screen before the rest is built;
    // a second paint before then queues a call that finds everything built.
    QTimer::singleShot(0, this, &MainWindow::buildRemainingPages);
  }
  return QMainWindow::event(event);
}

void MainWindow::buildToolbar() {
  toolbar_ = addToolBar(QStringLiteral("工具条"));
  toolbar_->setObjectName(QStringLiteral("工具条1"));
  toolbar_->setMovable(false);
  toolbar_->setFloatable(false);
  toolbar_->setFixedHeight(kToolbarHeight);
  toolbar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  toolbar_->setContextMenuPolicy(Qt::PreventContextMenu);

  struct Button {
    QString caption;
    std::function<void()> command;  // empty: the window behind it is not built yet
  };
  const std::array<Button, 12> buttons = {{
      {QStringLiteral("个人取名"), [this] { showPage(kPersonal); }},
      {QStringLiteral("公司取名"), [this] { showPage(kCompany); }},
      {QStringLiteral("名字查重"), [this] { openDuplicateName(); }},
      {QStringLiteral("生辰八字"),
       [this] {
         showPage(kChart);
         showChartReport();
       }},
      {QStringLiteral("名字评测"), [this] { openEvaluation(); }},
      {QStringLiteral("81数理"), [this] { showPage(kNumbers); }},
      {QStringLiteral("三才配置"), [this] { showPage(kTalents); }},
      {QStringLiteral("五行查询"), [this] { openLookup(); }},
      {QStringLiteral("万年历"), [this] { openCalendar(); }},
      {QStringLiteral("黄历吉日"), [this] { openAlmanac(); }},
      {QStringLiteral("使用说明"),
       [this] { services_.showMessage(this, MessageIcon::None, kSystemCaption, kQuickUseText); }},
      {QStringLiteral("退出"), [this] { close(); }},
  }};
  for (const Button& button : buttons) {
    QAction* action = toolbar_->addAction(button.caption);
    if (button.command) {
      connect(action, &QAction::triggered, this, button.command);
    } else {
      action->setEnabled(false);
    }
  }
}

void MainWindow::buildCompanyPage() {
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("选择夹1"));
  tabs_->setDocumentMode(true);
  auto* central = new QWidget(this);
  tabs_->setParent(central);
  setCentralWidget(central);

  company_ = new CompanyPage(tabs_);
  pages_[kCompany] = company_;
  const std::array<QString, 8> captions = {
      QStringLiteral("取名"),         QStringLiteral("三才表"),      QStringLiteral("81数理表"),
      QStringLiteral("生辰八字"),     QStringLiteral("公司取名"),    QStringLiteral("取名知识"),
      QStringLiteral("法人生辰八字"), QStringLiteral("公司取名知识")};
  for (int page = 0; page < int(captions.size()); ++page) {
    if (page == kCompany) {
      tabs_->addTab(company_, captions[page]);
      continue;
    }
    // The tab is there from the start; its page comes into the holder later.
    auto* holder = new QWidget(tabs_);
    auto* fill = new QVBoxLayout(holder);
    fill->setContentsMargins(0, 0, 0, 0);
    holders_[page] = holder;
    tabs_->addTab(holder, captions[page]);
  }

  naming_ = new CompanyNaming(*company_, services_, session_, this);
  connect(naming_, &CompanyNaming::rowActivated, this, &MainWindow::openEvaluation);
  naming_->onRequestPassed = [this](const generation::CompanyForm& form,
                                    const std::string& summary) {
    buildRemainingPages();
    legalChart_->chart->setPlainText(shownText(summary));
    // The chart page shows the same person.
    chart_->surname->setText(fromGbk(form.surname));
    chart_->givenName->setText(fromGbk(form.givenName));
    chart_->birthDate->setDate(form.birthMoment.date());
    chart_->hour->setCurrentIndex(form.birthMoment.hour);
    chart_->minute->setCurrentIndex(form.birthMoment.minute);
  };
  connect(company_->shortlist, &QPushButton::clicked, this, &MainWindow::openShortlist);
  showPage(kCompany);
  // A tab chosen before the rest is built builds it.
  connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::buildRemainingPages);
}

void MainWindow::buildStatusBar() {
  statusBar()->setObjectName(QStringLiteral("状态条1"));
  statusBar()->setFixedHeight(kStatusBarHeight);
  statusBar()->setSizeGripEnabled(true);
  statusText_ = new QLabel(kStatusSlogan, statusBar());
  statusText_->setMinimumWidth(0);
  statusText_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  statusBar()->insertWidget(0, statusText_, 1);
  naming_->showStatus = [this](const QString& text) { statusText_->setText(text); };

  // The quick menu pops up from the status bar's corner and on a right click on the
  // window; its entries come with the other pages.
  quickMenuOpener_ = new QToolButton(statusBar());
  quickMenuOpener_->setText(QStringLiteral("快速菜单"));
  quickMenuOpener_->setPopupMode(QToolButton::InstantPopup);
  quickMenuOpener_->setAutoRaise(true);
  statusBar()->addPermanentWidget(quickMenuOpener_);
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    buildRemainingPages();
    quickMenu_->popup(mapToGlobal(at));
  });
  // F1 anywhere in the window; a shortcut of its own, so the menu's texts stay as they are.
  connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
          &MainWindow::showQuickHelp);
}

void MainWindow::buildRemainingPages() {
  if (built_) return;
  built_ = true;
  personal_ = new PersonalPage(holders_[kPersonal]);
  chart_ = new ChartPage(services_, holders_[kChart]);
  knowledge_ = new KnowledgePage(holders_[kKnowledge]);
  legalChart_ = new LegalChartPage(holders_[kLegalChart]);
  articles_ = new ArticlesPage(holders_[kArticles]);
  pages_ = {personal_,
            makeTablePage(QStringLiteral("超级列表框三才"),
                          {QStringLiteral("序号"), QStringLiteral("三才1"), QStringLiteral("三才2"),
                           QStringLiteral("三才3"), QStringLiteral("三才评语")},
                          4, holders_[kTalents]),
            makeTablePage(QStringLiteral("超级列表框数理"),
                          {QStringLiteral("数理"), QStringLiteral("吉否"), QStringLiteral("描述"),
                           QStringLiteral("基业"), QStringLiteral("家庭"), QStringLiteral("健康"),
                           QStringLiteral("含意")},
                          2, holders_[kNumbers]),
            chart_,
            company_,
            knowledge_,
            legalChart_,
            articles_};
  for (int page = 0; page < int(pages_.size()); ++page) {
    if (holders_[page] != nullptr) holders_[page]->layout()->addWidget(pages_[page]);
  }

  connect(knowledge_->back, &QPushButton::clicked, this, [this] { showPage(kCompany); });
  library_ = new LibraryCommands(*this, *articles_, *knowledge_, services_, session_.folder());
  connect(company_->knowledge, &QPushButton::clicked, library_,
          &LibraryCommands::showKnowledgePage);
  connect(company_->law, &QPushButton::clicked, library_, &LibraryCommands::showLawGuide);
  connect(tabs_, &QTabWidget::currentChanged, library_, &LibraryCommands::fillEmptyPage);
  connect(chart_->compute, &QPushButton::clicked, this, &MainWindow::showChartReport);
  personalNaming_ = new PersonalNaming(
      *personal_, services_, session_, [this](const QString& text) { statusText_->setText(text); },
      this);
  personalNaming_->beforeStart = [this] { naming_->stopGeneration(); };
  connect(chart_->copy, &QPushButton::clicked, this, &MainWindow::copyChartReport);
  connect(chart_->print, &QPushButton::clicked, this, &MainWindow::printChartReport);
  // Pages are laid out when they come to the front; place their controls then.
  connect(tabs_, &QTabWidget::currentChanged, this, [this] { applyLayout(); });
  buildQuickMenu();
  if (startedUp_) finishStartUp();
  setMinimumSize(usableMinimumSize());
  applyLayout();
  // The page the user chose while it was being built comes up with its content.
  if (tabs_->currentIndex() != kCompany) library_->fillEmptyPage(tabs_->currentIndex());
}

void MainWindow::buildQuickMenu() {
  quickMenu_ = new QMenu(QStringLiteral("快速菜单"), this);
  quickMenu_->setObjectName(QStringLiteral("快速菜单"));
  connect(quickMenu_->addAction(QStringLiteral("使用说明")), &QAction::triggered, this,
          &MainWindow::showQuickHelp);

  // The naming advice is not built yet: its entry is shown greyed.
  quickMenu_->addAction(QStringLiteral("五行平衡取名建议"))->setEnabled(false);
  QMenu* documents = quickMenu_->addMenu(QStringLiteral("相关文档"));
  connect(documents->addAction(QStringLiteral("公司创立相关文档")), &QAction::triggered, library_,
          [this] { library_->openDocument("other/docs-founding"); });
  connect(documents->addAction(QStringLiteral("公司常用文档")), &QAction::triggered, library_,
          [this] { library_->openDocument("other/docs-common"); });
  connect(quickMenu_->addAction(QStringLiteral("公司取名知识")), &QAction::triggered, library_,
          &LibraryCommands::showKnowledgePage);
  quickMenu_->addSeparator();
  QMenu* other = library_->addGroups(quickMenu_);
  other->addSeparator();
  connect(other->addAction(QStringLiteral("商标在线查询")), &QAction::triggered, this,
          &MainWindow::openTrademarkSearch);
  connect(other->addAction(QStringLiteral("使用帮助")), &QAction::triggered, this,
          &MainWindow::showQuickHelp);
  quickMenuOpener_->setMenu(quickMenu_);
}

void MainWindow::showQuickHelp() {
  services_.showMessage(this, MessageIcon::None, kSystemCaption, kQuickHelpText);
}

void MainWindow::showPage(Page page) { tabs_->setCurrentIndex(page); }

void MainWindow::startUp() {
  saved_ = std::make_unique<profile::StartupRestore>(
      profile::restoreOnStartup(session_.profile().path()));
  restoreCompanyPage();
  company_->middleCount->setCurrentText(QStringLiteral("2"));
  company_->showFixedBoxesFor(2);
  showPage(kCompany);
  // The user starts with the legal representative's surname, not with the tab row.
  company_->surname->setFocus(Qt::OtherFocusReason);
  // Files kept somewhere else than the data folder, or nowhere: said once, where the
  // slogan would stand, until a run has news of its own.
  if (!session_.folderNotice().empty()) {
    statusText_->setText(fromGbk(session_.folderNotice()));
    statusText_->setToolTip(statusText_->text());
  }
  startedUp_ = true;
  if (built_) finishStartUp();
}

void MainWindow::finishStartUp() {
  fillReferenceList(QStringLiteral("超级列表框三才"), true);
  fillReferenceList(QStringLiteral("超级列表框数理"), false);
  restoreOtherPages();
}

void MainWindow::fillReferenceList(const QString& listName, bool threeTalents) {
  auto* list = findChild<QTreeWidget*>(listName);
  list->clear();
  auto rows = threeTalents ? app::threeTalentsListRows(session_.tables())
                           : app::numberLuckListRows(session_.tables());
  if (!rows) {
    services_.showMessage(this, MessageIcon::Warning, kSystemCaption, fromGbk(rows.error()));
    return;
  }
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(rows.value().size()));
  for (const app::ListRow& row : rows.value()) {
    auto* item = new QTreeWidgetItem;
    for (std::size_t column = 0; column < row.cells.size(); ++column) {
      item->setText(static_cast<int>(column), fromGbk(row.cells[column]));
    }
    item->setData(0, Qt::UserRole, row.recordNumber);
    items << item;
  }
  list->addTopLevelItems(items);
}

void MainWindow::restoreCompanyPage() {
  const profile::StartupRestore& saved = *saved_;
  company_->surname->setText(fromGbk(saved.surname));
  company_->givenName->setText(fromGbk(saved.givenName));
  company_->prefix->setText(fromGbk(saved.regionPrefix));
  company_->suffix->setText(fromGbk(saved.tradeSuffix));
  company_->birthDate->setDate(saved.birth.date());
  company_->hour->setCurrentIndex(saved.hour);
  company_->minute->setCurrentIndex(saved.minute);
}

void MainWindow::restoreOtherPages() {
  const profile::StartupRestore& saved = *saved_;
  const QDate today = QDate::currentDate();
  personal_->birthDate->setDate({today.year(), today.month(), today.day()});
  chart_->birthDate->setDate(saved.birth.date());
  chart_->hour->setCurrentIndex(saved.hour);
  chart_->minute->setCurrentIndex(saved.minute);
  chart_->surname->setText(fromGbk(saved.surname));
  chart_->givenName->setText(fromGbk(saved.givenName));
  legalChart_->chart->setPlainText(shownText(saved.chartSummary));
}

QSize MainWindow::usableMinimumSize() const {
  // The resize rule is linear: how much narrower or lower than the window each
  // control is stays the same at every size, so any size tells the differences.
  constexpr int kWidth = 864, kHeight = 640;
  const MainWindowLayout at =
      mainWindowLayout(kWidth, kHeight, kHeight - kStatusBarHeight, ArticlesPage::kTreeWidth);
  int width = std::max(company_->groupMinimumWidth() + kWidth - at.companyGroupWidth,
                       company_->exportStripMinimumWidth() + kWidth - at.exportGroupWidth);
  if (chart_ != nullptr) {
    width = std::max(width, chart_->inputsMinimumWidth() + kWidth - at.chartInputGroupWidth);
  }
  int height = kMinimumListHeight + kHeight - at.resultListHeight;
  // Pages laid out by a layout fill the tab control below its tabs.
  const int tabBar = tabs_->tabBar()->sizeHint().height();
  for (const QWidget* page : pages_) {
    if (const QLayout* layout = page != nullptr ? page->layout() : nullptr) {
      width = std::max(width, layout->minimumSize().width() + kWidth - at.tabsWidth);
      height = std::max(height, layout->minimumSize().height() + tabBar + kHeight - at.tabsHeight);
    }
  }
  return {width, height};
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  applyLayout();
}

void MainWindow::applyLayout() {
  const MainWindowLayout layout =
      mainWindowLayout(width(), height(), statusBar()->y(), ArticlesPage::kTreeWidth);
  tabs_->resize(layout.tabsWidth, layout.tabsHeight);
  company_->applyLayout(layout);
  if (!built_) return;
  chart_->applyLayout(layout, height());
  knowledge_->applyLayout(layout);
  articles_->applyLayout(layout);
}

void MainWindow::openEvaluation() {
  EvaluationWindow::SelectedRow selected;
  const QModelIndex current = company_->results->currentIndex();
  if (current.isValid()) {
    const QAbstractItemModel* rows = current.model();
    selected.body = rows->index(current.row(), kBodyColumn).data().toString();
    selected.stars = rows->index(current.row(), kStarsColumn).data().toString();
  }
  openSecondary(evaluation_, *this, [this] {
    return new EvaluationWindow(services_, session_, this);
  })->restore(selected);
}

void MainWindow::openDuplicateName() {
  QString fullName;
  const QModelIndex current = company_->results->currentIndex();
  if (current.isValid()) {
    fullName = current.model()->index(current.row(), kFullNameColumn).data().toString();
  }
  const bool wasOpen = !duplicateName_.isNull();
  auto* window = openSecondary(duplicateName_, *this, [&] {
    return new DuplicateNameWindow(services_, session_.folder(), fullName, this);
  });
  // Reopened with another row selected: that row's name replaces the old one.
  if (wasOpen && !fullName.isEmpty()) window->name->setText(fullName);
}

// The notice comes first; the connection is not asked, the browser shows its own
// page when the computer is offline.
void MainWindow::openTrademarkSearch() {
  services_.showMessage(this, MessageIcon::None, kSystemCaption, kTrademarkNotice);
  browse(services_, this,
         web::lookupAddress(web::Site::Trademark, configuredHosts(session_.folder())));
}

void MainWindow::openCalendar() {
  openSecondary(calendar_, *this, [this] { return new CalendarWindow(services_, this); });
}

void MainWindow::openAlmanac() {
  openSecondary(almanac_, *this, [this] {
    return new AlmanacWindow(services_.currentDateTime().date(), session_.profile().path(), this);
  });
}

void MainWindow::openLookup() {
  openSecondary(lookup_, *this,
                [this] { return new LookupWindow(services_, session_.tables(), this); });
}

void MainWindow::openShortlist() {
  openSecondary(shortlist_, *this,
                [this] { return new ShortlistWindow(services_, session_, this); });
}

// The chart page always reports on the person of the company page: their inputs are
// copied over first, then the report replaces the box.
void MainWindow::showChartReport() {
  buildRemainingPages();
  chart_->hour->setCurrentIndex(company_->hour->currentIndex());
  chart_->minute->setCurrentIndex(company_->minute->currentIndex());
  chart_->surname->setText(company_->surname->text());
  chart_->birthDate->setDate(company_->birthDate->date());
  chart_->givenName->setText(company_->givenName->text());

  const calendar::Date date = chart_->birthDate->date();
  const calendar::DateTime moment =
      calendar::DateTime::of(date, chart_->hour->currentIndex(), chart_->minute->currentIndex());
  chart_->report->setPlainText(
      shownText(chart::birthChartReport(moment, calendar::solarToLunar(date))));
  chart_->picture->setPicture(
      pictures::elementChart(calendar::fourPillars(moment), chart::elementStrength(moment)));
}

void MainWindow::printChartReport() {
  // Made at the first print: a printer asks the print system for its queues, which
  // the start-up need not wait for.
  if (!chartPrinter_) chartPrinter_ = std::make_unique<QPrinter>();
  if (!services_.setUpPrinter(this, *chartPrinter_)) return;
  printReportWithPicture(*chartPrinter_, *chart_->report->document(), chart_->picture->picture(),
                         chart_->picture->font());
}

void MainWindow::copyChartReport() {
  const QString caption = QStringLiteral("提示！");
  if (services_.copyToClipboard(chart_->report->toPlainText())) {
    services_.showMessage(this, MessageIcon::Information, caption,
                          QStringLiteral("信息已成功复制到剪贴板"));
  } else {
    services_.showMessage(this, MessageIcon::Warning, caption,
                          QStringLiteral("复制失败！请稍后再试。"));
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The tables are closed and their files removed only once no worker reads them.
  naming_->stopGeneration();
  if (personalNaming_ != nullptr) personalNaming_->stopNaming();
  session_.end();
  event->accept();
}

}  // namespace zeruda::gui

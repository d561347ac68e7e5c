#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class QLabel;
class QMenu;
class QPrinter;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace zeruda::app {
class Session;
}
namespace zeruda::profile {
struct StartupRestore;
}

namespace zeruda::gui {

class AlmanacWindow;
class ArticlesPage;
class CalendarWindow;
class ChartPage;
class CompanyNaming;
class CompanyPage;
class DuplicateNameWindow;
class EvaluationWindow;
class KnowledgePage;
class LegalChartPage;
class LibraryCommands;
class LookupWindow;
class PersonalNaming;
class PersonalPage;
class ShortlistWindow;
class UiServices;

// The one window the user works in: toolbar, the eight pages, the status bar and
// the quick menu. Handlers only read controls, call the core and write back. The
// session (the working folder, the tables, the profile) must outlive the window;
// closing the window ends it.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // How much the constructor builds: the whole window, or the company page with the
  // bars and the tab row first and the other pages once the window has painted, so
  // that the program shows itself sooner. Either way, what is not built yet is built
  // the moment something asks for it.
  enum class Build { Whole, CompanyPageFirst };

  MainWindow(UiServices& services, app::Session& session, Build build = Build::Whole,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // Page indexes of 选择夹1, in their order.
  enum Page { kPersonal, kTalents, kNumbers, kChart, kCompany, kKnowledge, kLegalChart, kArticles };
  void showPage(Page page);

  // The second start-up stage, once the window exists and its session holds the
  // table files: the two reference lists, the saved legal representative and the
  // controls' first state (those of pages not built yet when they are built).
  void startUp();

  // Builds the pages the constructor left for later; does nothing once they are built.
  void buildRemainingPages();

  // The smallest size at which every page keeps its controls apart and the result
  // list shows a few rows; the window is never made smaller.
  QSize usableMinimumSize() const;

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildToolbar();
  void buildCompanyPage();
  void buildStatusBar();
  void buildQuickMenu();
  void showQuickHelp();
  void applyLayout();
  void finishStartUp();
  void fillReferenceList(const QString& listName, bool threeTalents);
  void restoreCompanyPage();
  void restoreOtherPages();
  void openEvaluation();
  void openLookup();
  void openDuplicateName();
  void openTrademarkSearch();
  void openShortlist();
  void openCalendar();
  void openAlmanac();
  void showChartReport();
  void copyChartReport();
  void printChartReport();

  UiServices& services_;
  app::Session& session_;
  QToolBar* toolbar_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QMenu* quickMenu_ = nullptr;
  QToolButton* quickMenuOpener_ = nullptr;
  QLabel* statusText_ = nullptr;  // the status bar's first pane
  // Each tab's page, and for the pages built later the empty holder in the tab row.
  std::array<QWidget*, 8> pages_{};
  std::array<QWidget*, 8> holders_{};
  bool built_ = false;  // every page is built
  bool startedUp_ = false;
  // What start-up read from the saved profile, kept for the pages built later.
  std::unique_ptr<profile::StartupRestore> saved_;
  PersonalPage* personal_ = nullptr;
  PersonalNaming* personalNaming_ = nullptr;
  ChartPage* chart_ = nullptr;
  CompanyPage* company_ = nullptr;
  CompanyNaming* naming_ = nullptr;
  KnowledgePage* knowledge_ = nullptr;
  LegalChartPage* legalChart_ = nullptr;
  ArticlesPage* articles_ = nullptr;
  LibraryCommands* library_ = nullptr;
  // The chart page's printer, kept so a second job starts from the first's setup.
  std::unique_ptr<QPrinter> chartPrinter_;
  // The secondary windows, one of each kind while open.
  QPointer<EvaluationWindow> evaluation_;
  QPointer<LookupWindow> lookup_;
  QPointer<CalendarWindow> calendar_;
  QPointer<AlmanacWindow> almanac_;
  QPointer<ShortlistWindow> shortlist_;
  QPointer<DuplicateNameWindow> duplicateName_;
};

}  // namespace zeruda::gui

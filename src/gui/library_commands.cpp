#include "gui/library_commands.h"

#include "gui/article_viewer.h"
#include "gui/gbk_browser.h"
#include "gui/main_window.h"
#include "gui/pages.h"
#include "gui/qt_text.h"
#include "gui/secondary_window.h"
#include "gui/ui_services.h"
#include "gui/web_commands.h"
#include "gui/window_texts.h"
#include "library/catalogue.h"
#include "library/knowledge_tree.h"
#include "library/page_files.h"
#include "storage/working_folder.h"
#include "web/lookup_address.h"
#include "web/online_article.h"

#include <QAction>
#include <QDateTime>
#include <QFutureWatcher>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QtConcurrent/QtConcurrentRun>
#include <optional>

namespace zeruda::gui {
namespace {

// An article is worth a short wait only: after this our own page is shown instead.
constexpr std::chrono::seconds kArticleFetchTimeout{15};

}  // namespace

LibraryCommands::LibraryCommands(MainWindow& window, ArticlesPage& articles,
                                 KnowledgePage& knowledge, UiServices& services,
                                 const storage::WorkingFolder& folder)
    : QObject(&window),
      window_(window),
      articles_(articles),
      knowledge_(knowledge),
      services_(services),
      folder_(folder) {
  // Selection, not the current item: the tree makes its first entry current
  // unasked, and a click on the heading must still show the default text.
  connect(articles_.tree, &QTreeWidget::itemSelectionChanged, this, [this] {
    const QList<QTreeWidgetItem*> selected = articles_.tree->selectedItems();
    if (!selected.isEmpty()) showTreeArticle(selected.first());
  });
}

QMenu* LibraryCommands::addGroups(QMenu* quickMenu) {
  QMenu* last = nullptr;
  for (const library::MenuGroup& group : library::quickMenuGroups()) {
    last = quickMenu->addMenu(fromGbk(group.name));
    for (const library::LibraryEntry& entry : group.entries) {
      QAction* action = last->addAction(fromGbk(entry.title));
      connect(action, &QAction::triggered, this, [this, entry] { openEntry(entry); });
    }
  }
  return last;
}

void LibraryCommands::showKnowledgePage() {
  QTreeWidget* tree = articles_.tree;
  const QSignalBlocker quiet(tree);
  tree->clear();
  int position = 0;
  for (std::string_view title : library::treeTitles()) {
    auto* item = new QTreeWidgetItem(tree, {fromGbk(title)});
    item->setData(0, Qt::UserRole, ++position);
  }
  window_.showPage(MainWindow::kArticles);
  showInKnowledgeBrowser(library::pageOf(library::startText()));
}

void LibraryCommands::showLawGuide() {
  knowledge_.text->setPlainText(shownText(library::lawGuide().text));
  window_.showPage(MainWindow::kKnowledge);
}

void LibraryCommands::fillEmptyPage(int page) {
  if (page == MainWindow::kKnowledge && knowledge_.text->document()->isEmpty()) {
    showLawGuide();
  } else if (page == MainWindow::kArticles && articles_.tree->topLevelItemCount() == 0) {
    showKnowledgePage();
  }
}

void LibraryCommands::showTreeArticle(QTreeWidgetItem* item) {
  if (item == nullptr) return;
  const library::ArticleSource* text = library::treeText(item->data(0, Qt::UserRole).toInt());
  if (text != nullptr) showInKnowledgeBrowser(library::pageOf(*text));
}

void LibraryCommands::showInKnowledgeBrowser(const library::ArticlePage& page) {
  const Result<std::filesystem::path> written = library::writePage(page, folder_);
  if (!written) return reportFailure(written.error());
  articles_.article->showFile(QString::fromStdString(written.value().string()));
}

void LibraryCommands::openEntry(const library::LibraryEntry& entry) {
  ++openCommands_;
  const QDate today = services_.currentDateTime().date();
  if (entry.kind == library::EntryKind::kHistoryToday) {
    browse(services_, &window_,
           web::historyTodayAddress(configuredHosts(folder_), today.month(), today.day()));
    return;
  }
  if (entry.source != nullptr &&
      library::roleOf(*entry.source) == library::SourceRole::kOnlineStandIn) {
    return openOnlinePage(*entry.source);
  }
  openPage(library::pageFor(entry, today.year()));
}

void LibraryCommands::openDocument(std::string_view sourceId) {
  ++openCommands_;
  library::ArticlePage page = library::pageOf(library::requiredSource(sourceId));
  page.file = library::kFolkFile;
  openPage(page);
}

void LibraryCommands::openPage(const library::ArticlePage& page) {
  const Result<std::filesystem::path> opened = library::openArticle(page, folder_);
  if (!opened) return reportFailure(opened.error());
  openViewer();
}

// An online page comes from the configured article server, fetched on a thread of
// its own while the window stays responsive. With no server, no network, or a fetch
// that fails, our own page stands in for it.
void LibraryCommands::openOnlinePage(const library::ArticleSource& standIn) {
  const web::WebHosts hosts = configuredHosts(folder_);
  const int number = standIn.order;
  if (!web::articleAddress(hosts, number) || !services_.networkConnected()) {
    return openPage(library::pageOf(standIn));
  }
  using Fetched = std::optional<std::string>;
  auto* watcher = new QFutureWatcher<Fetched>(this);
  connect(watcher, &QFutureWatcher<Fetched>::finished, this,
          [this, watcher, source = &standIn, command = openCommands_] {
            watcher->deleteLater();
            if (command != openCommands_) return;
            const Fetched body = watcher->result();
            if (body && library::openFetchedPage(library::kFolkFile, *body, folder_))
              return openViewer();
            openPage(library::pageOf(*source));
          });
  watcher->setFuture(QtConcurrent::run([client = httpClient(), hosts, number] {
    return web::fetchArticle(*client, hosts, number);
  }));
}

std::shared_ptr<const web::HttpClient> LibraryCommands::httpClient() {
  if (!client_) {
    client_ = std::make_shared<const web::HttpClient>(folder_.file(web::kCookieFileName),
                                                      kArticleFetchTimeout);
  }
  return client_;
}

void LibraryCommands::openViewer() {
  if (viewer_ == nullptr) {
    viewer_ = new ArticleViewer(services_, &window_);
  } else {
    viewer_->goHome();
  }
  showOverOwner(*viewer_, window_);
}

// The old page would still be on disk and in the viewer: saying so is better than
// showing it as if it were the one asked for.
void LibraryCommands::reportFailure(const std::string& gbkMessage) {
  services_.showMessage(&window_, MessageIcon::Warning, kSystemCaption, fromGbk(gbkMessage));
}

}  // namespace zeruda::gui

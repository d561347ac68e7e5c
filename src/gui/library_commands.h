#pragma once

#include "gui/article_viewer.h"
#include "library/library_entries.h"

#include <QObject>
#include <QPointer>
#include <memory>
#include <string_view>

class QMenu;
class QTreeWidgetItem;

namespace zeruda::storage {
class WorkingFolder;
}

namespace zeruda::web {
class HttpClient;
}

namespace zeruda::gui {

class ArticlesPage;
class KnowledgePage;
class MainWindow;
class UiServices;

// The reference library on the main window: the quick menu's article groups, the
// 公司取名知识 page with its tree, the legal guide on the 取名知识 page, and the
// article viewer they open.
class LibraryCommands : public QObject {
  Q_OBJECT
 public:
  // Pages are written to, and cookies kept in, `folder`, which must outlive this.
  LibraryCommands(MainWindow& window, ArticlesPage& articles, KnowledgePage& knowledge,
                  UiServices& services, const storage::WorkingFolder& folder);

  // Adds the group menus to the quick menu and returns the last, 其它功能, for the
  // window's own entries.
  QMenu* addGroups(QMenu* quickMenu);

  // 按钮取名知识 and the menu's 公司取名知识: the tree filled, the page shown with its
  // start text.
  void showKnowledgePage();

  // 按钮相关法律: the guide to the legal rules in 超级编辑框知识相关, that page shown.
  void showLawGuide();

  // A knowledge page chosen from the tab row with nothing in it yet gets what its
  // button would have put there: 取名知识 the guide to the legal rules (its box's only
  // text), 公司取名知识 the tree and the start text. Any other page is left alone.
  void fillEmptyPage(int page);

  void openEntry(const library::LibraryEntry& entry);

  // 公司常用文档 ("other/docs-common") and 公司创立相关文档 ("other/docs-founding"): our
  // page on those documents in the viewer, written to yxzs.htm.
  void openDocument(std::string_view sourceId);

  // The viewer window while it is open.
  ArticleViewer* viewer() const { return viewer_; }

 private:
  void showTreeArticle(QTreeWidgetItem* item);
  void showInKnowledgeBrowser(const library::ArticlePage& page);
  void openPage(const library::ArticlePage& page);
  void openOnlinePage(const library::ArticleSource& standIn);
  void openViewer();
  void reportFailure(const std::string& gbkMessage);
  std::shared_ptr<const web::HttpClient> httpClient();

  MainWindow& window_;
  ArticlesPage& articles_;
  KnowledgePage& knowledge_;
  UiServices& services_;
  const storage::WorkingFolder& folder_;
  QPointer<ArticleViewer> viewer_;
  // Counts the open commands, so that a fetch that ends late never covers the page of
  // a later command.
  int openCommands_ = 0;
  // Shared with the fetches still running, which may outlive the window.
  std::shared_ptr<const web::HttpClient> client_;
};

}  // namespace zeruda::gui

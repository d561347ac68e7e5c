#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace zeruda::app {
class Session;
}

namespace zeruda::gui {

class EvaluationWindow;
class ShortlistModel;
class UiServices;

// The 批量评测 window: names pasted one a line, each rated on the legal
// representative's base score and checked against the registration rules, in a
// table to sort, open in the evaluation window and export.
class ShortlistWindow : public QWidget {
  Q_OBJECT
 public:
  // The session gives the tables and the saved profile's base score; it must
  // outlive the window.
  ShortlistWindow(UiServices& services, app::Session& session, QWidget* parent = nullptr);

  // Scores the names in the paste box.
  void scoreNames();

  QPlainTextEdit* names = nullptr;   // 编辑框批量名字
  QPushButton* score = nullptr;      // 按钮批量评测
  QLabel* base = nullptr;            // 标签批量吉数
  QTableView* table = nullptr;       // 批量评测列表框
  QPushButton* exportCsv = nullptr;  // 按钮批量导出

 private:
  void openRow(const QModelIndex& index);
  void exportTable();

  UiServices& services_;
  app::Session& session_;
  ShortlistModel* model_ = nullptr;
  QSortFilterProxyModel* sorted_ = nullptr;
  QPointer<EvaluationWindow> evaluation_;  // the one report window of the list
};

}  // namespace zeruda::gui

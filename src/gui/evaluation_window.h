#pragma once

#include <QPrinter>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTextBrowser;
class QTextEdit;

namespace zeruda::app {
class Session;
}

namespace zeruda::gui {

class LunarDateBox;
class PictureView;
class UiServices;

// The evaluation window 公司名字评测: one company name judged in full. Its boxes are
// filled when it opens; the report runs on whatever they hold.
class EvaluationWindow : public QWidget {
  Q_OBJECT
 public:
  // The session gives the saved profile, the tables and the folder of the report
  // page; it must outlive the window.
  EvaluationWindow(UiServices& services, app::Session& session, QWidget* parent = nullptr);

  // The row selected in the main window's result list when the window opened: its
  // body and its stars, which the report keeps when the body is unchanged.
  struct SelectedRow {
    QString body;
    QString stars;
    // A name from the shortlist brings its own prefix and suffix; the saved
    // profile's fill the boxes otherwise.
    bool ownAffixes = false;
    QString prefix = {};
    QString suffix = {};
  };

  // Fills the boxes from the saved profile and the selected row, then runs the
  // report once the window has settled.
  void restore(const SelectedRow& selected);

  // The report on the boxes as they stand.
  void runReport();

  QLineEdit* surname = nullptr;       // 公司法人姓
  QLineEdit* givenName = nullptr;     // 公司法人名
  QLineEdit* prefix = nullptr;        // 公司前缀
  QLineEdit* suffix = nullptr;        // 公司后缀
  LunarDateBox* birthDate = nullptr;  // 公司法人农历日期框
  QComboBox* hour = nullptr;          // 公司法人组合框时
  QComboBox* minute = nullptr;        // 公司法人组合框分
  QLineEdit* body = nullptr;          // 编辑框名字主体
  QPushButton* evaluate = nullptr;    // 按钮评测
  QTextEdit* report = nullptr;        // 超级编辑框1
  PictureView* diagram = nullptr;     // 五格剖象图, inside the report box beside its text
  QTextBrowser* page = nullptr;       // 超文本浏览框1
  QPushButton* print = nullptr;       // 按钮2
  QPushButton* copy = nullptr;        // 按钮评测复制

  // 打印机1: the window's printer, kept so a second job starts from the first's setup.
  QPrinter& printer() { return printer_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void printReport();
  void copyReport();

  UiServices& services_;
  app::Session& session_;
  QPrinter printer_;
  SelectedRow selected_;
};

}  // namespace zeruda::gui

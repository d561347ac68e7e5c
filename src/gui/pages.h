#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace zeruda::gui {

class GbkBrowser;
class LunarDateBox;
class PictureView;
class UiServices;
struct MainWindowLayout;

// The 取名 page: the person, the wanted name, the candidate and recommendation lists.
class PersonalPage : public QWidget {
  Q_OBJECT
 public:
  explicit PersonalPage(QWidget* parent = nullptr);

  QLineEdit* surname = nullptr;         // 编辑框姓
  QComboBox* gender = nullptr;          // 组合框性别
  QComboBox* dateEntry = nullptr;       // 组合框公农转换
  LunarDateBox* birthDate = nullptr;    // 农历日期框取名
  QComboBox* hour = nullptr;            // 组合框时
  QComboBox* minute = nullptr;          // 组合框分
  QRadioButton* lengthOne = nullptr;    // 单选框字数一
  QRadioButton* lengthTwo = nullptr;    // 单选框字数二
  QRadioButton* lengthThree = nullptr;  // 单选框字数三
  QCheckBox* fixCharacter = nullptr;    // 选择框固定字
  QComboBox* fixedPosition = nullptr;   // 组合框固定字选择
  QLineEdit* fixedCharacter = nullptr;  // 编辑框固定字
  QCheckBox* pickLevel = nullptr;       // 选择框星级
  QComboBox* starLevel = nullptr;       // 组合框星级
  QComboBox* road = nullptr;  // 组合框取名方式: 诗词典籍, 佳字组合, 按笔画随机
  QPushButton* start = nullptr;          // 按钮电脑取名
  QTreeWidget* candidates = nullptr;     // 超级列表框姓名备选
  QListWidget* recommended = nullptr;    // 列表框姓名推荐
  QPlainTextEdit* nameDetail = nullptr;  // 名字详情: the selected name's reading, source, stars
  QPushButton* copyNames = nullptr;      // 按钮复制名字
  // 测名: a name one already has, judged on the page's gender and birth.
  QLineEdit* judgedSurname = nullptr;  // 测名姓
  QLineEdit* judgedGiven = nullptr;    // 测名名
  QPushButton* judge = nullptr;        // 按钮测名
};

// The 三才表 and 81数理表 pages: one read-only list each, and below it the whole text
// of the selected row (box listName + "详情"), which the columns cut short. The first
// `shortColumns` columns hold short cells and are narrow.
QWidget* makeTablePage(const QString& listName, const QStringList& headers, int shortColumns,
                       QWidget* parent);

// The 生辰八字 page: the person's inputs in 分组框2 and the report box, with the
// element chart beside the report's text.
class ChartPage : public QWidget {
  Q_OBJECT
 public:
  explicit ChartPage(UiServices& services, QWidget* parent = nullptr);
  void applyLayout(const MainWindowLayout& layout, int windowHeight);

  // The narrowest 分组框2 at which its inputs stay apart.
  int inputsMinimumWidth() const;

  QLineEdit* surname = nullptr;       // 编辑框八字姓
  QLineEdit* givenName = nullptr;     // 编辑框八字姓1
  QComboBox* gender = nullptr;        // 组合框八字性别
  QComboBox* dateEntry = nullptr;     // 组合框八字公农转换
  LunarDateBox* birthDate = nullptr;  // 农历日期框八字
  QComboBox* hour = nullptr;          // 组合框八字时
  QComboBox* minute = nullptr;        // 组合框八字分
  QPushButton* compute = nullptr;     // 按钮八字计算
  QPlainTextEdit* report = nullptr;   // 编辑框八字命理
  PictureView* picture = nullptr;     // 八字五行图, inside the report box
  QPushButton* copy = nullptr;        // 按钮八字复制
  QPushButton* print = nullptr;       // 按钮八字打印

 private:
  QGroupBox* inputs_ = nullptr;  // 分组框2
};

// The 取名知识 page: a long read-only text and a way back.
class KnowledgePage : public QWidget {
  Q_OBJECT
 public:
  explicit KnowledgePage(QWidget* parent = nullptr);
  void applyLayout(const MainWindowLayout& layout);

  QPlainTextEdit* text = nullptr;  // 超级编辑框知识相关
  QPushButton* back = nullptr;     // 按钮返回
};

// The 法人生辰八字 page: the legal representative's chart summary.
class LegalChartPage : public QWidget {
  Q_OBJECT
 public:
  explicit LegalChartPage(QWidget* parent = nullptr);
  QPlainTextEdit* chart = nullptr;  // 公司法人八字编辑框
};

// The 公司取名知识 page: the knowledge tree and the article chosen in it.
class ArticlesPage : public QWidget {
  Q_OBJECT
 public:
  explicit ArticlesPage(QWidget* parent = nullptr);
  void applyLayout(const MainWindowLayout& layout);

  static constexpr int kTreeWidth = 220;

  QTreeWidget* tree = nullptr;    // 树型框1
  GbkBrowser* article = nullptr;  // 超文本浏览框2
  QPushButton* more = nullptr;    // 按钮4
};

}  // namespace zeruda::gui

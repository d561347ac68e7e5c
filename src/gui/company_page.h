#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QPlainTextEdit;
class QTreeView;

namespace zeruda::gui {

class LunarDateBox;
struct MainWindowLayout;

// The 公司取名 page: the legal representative and the wanted name in group 分组框4,
// the result list, and the export strip 分组框5.
class CompanyPage : public QWidget {
  Q_OBJECT
 public:
  explicit CompanyPage(QWidget* parent = nullptr);

  void applyLayout(const MainWindowLayout& layout);

  // The narrowest 分组框4 and 分组框5 at which no control of theirs covers another.
  int groupMinimumWidth() const;
  int exportStripMinimumWidth() const;

  // Boxes 3 and 4 are shown only when the body is long enough to use them.
  void showFixedBoxesFor(int middleCount);

  QLineEdit* surname = nullptr;          // 公司法人姓
  QLineEdit* givenName = nullptr;        // 公司法人名
  QComboBox* dateEntry = nullptr;        // 公司法人组合框公农转换
  LunarDateBox* birthDate = nullptr;     // 公司法人农历日期框
  QComboBox* hour = nullptr;             // 公司法人组合框时
  QComboBox* minute = nullptr;           // 公司法人组合框分
  QLineEdit* prefix = nullptr;           // 公司前缀
  QLineEdit* suffix = nullptr;           // 公司后缀
  QCheckBox* shopName = nullptr;         // 选择框1
  QCheckBox* takeAsTyped = nullptr;      // 选择框8
  QComboBox* middleCount = nullptr;      // 公司中间字数
  QComboBox* road = nullptr;             // 公司组合框取名方式: 词库佳名, 字库随机
  std::array<QLineEdit*, 4> fixed{};     // 公司编辑框固定字1 … 4
  QCheckBox* matchFavourable = nullptr;  // 选择框2
  std::array<QCheckBox*, 5> elements{};  // 选择框3 … 7: 金 木 水 火 土
  QPushButton* generate = nullptr;       // 按钮公司取名
  QPushButton* stop = nullptr;           // 按钮6
  QTreeView* results = nullptr;          // 公司备选名超级列表框
  QPlainTextEdit* bodyDetail = nullptr;  // 字号详情: the selected row's reading, meanings, stars
  QGroupBox* exportGroup = nullptr;      // 分组框5
  QCheckBox* autoPick = nullptr;         // 公司选择框星级
  QComboBox* autoPickLevel = nullptr;    // 公司组合框星级
  QPushButton* exportText = nullptr;     // 按钮3
  QPushButton* exportCsv = nullptr;      // 按钮2
  QPushButton* exportRich = nullptr;     // 按钮导出详细: disabled while the list is empty
  QPushButton* knowledge = nullptr;      // 按钮取名知识
  QPushButton* law = nullptr;            // 按钮相关法律
  QPushButton* shortlist = nullptr;      // 按钮打开批量评测

 private:
  void buildForm();
  void buildExportStrip();

  QGroupBox* group_ = nullptr;  // 分组框4
  QWidget* form_ = nullptr;
};

}  // namespace zeruda::gui

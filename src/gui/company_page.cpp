#include "gui/company_page.h"

#include "gui/chinese_key_filter.h"
#include "gui/lunar_date_box.h"
#include "gui/name_box_limits.h"
#include "gui/result_columns.h"
#include "gui/widgets.h"
#include "gui/window_layout.h"
#include "text/field_limits.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace zeruda::gui {
namespace {

// Where the form ends and the list begins inside 分组框4; the list's height comes
// from the window's layout rule and ends just above the export strip.
constexpr int kFormTop = 18;
constexpr int kListTop = 180;
// The export strip is one row of buttons under the list.
constexpr int kExportStripHeight = 28;

QHBoxLayout* row(QVBoxLayout* rows) {
  auto* line = new QHBoxLayout;
  line->setSpacing(6);
  rows->addLayout(line);
  return line;
}

QLineEdit* nameBox(QWidget* parent, const QString& name, std::size_t maxCharacters, int width,
                   const QString& text = {}) {
  QLineEdit* box = makeLineEdit(parent, name, text);
  box->setFixedWidth(width);
  ChineseKeyFilter::attachTo(box);
  limitNameBox(box, maxCharacters);
  return box;
}

}  // namespace

CompanyPage::CompanyPage(QWidget* parent) : QWidget(parent) {
  group_ = new QGroupBox(QStringLiteral("法人信息与公司名称设置"), this);
  group_->setObjectName(QStringLiteral("分组框4"));
  group_->move(5, 2);
  buildForm();

  results = new QTreeView(group_);
  results->setObjectName(QStringLiteral("公司备选名超级列表框"));
  results->setRootIsDecorated(false);
  results->setUniformRowHeights(true);
  results->setAllColumnsShowFocus(true);
  results->setSelectionMode(QAbstractItemView::SingleSelection);
  results->setSelectionBehavior(QAbstractItemView::SelectRows);
  results->setEditTriggers(QAbstractItemView::NoEditTriggers);
  results->header()->setStretchLastSection(false);
  results->move(5, kListTop);
  // The selected row in full beside the list, whose columns show only its cells.
  bodyDetail = new QPlainTextEdit(group_);
  bodyDetail->setObjectName(QStringLiteral("字号详情"));
  bodyDetail->setReadOnly(true);
  bodyDetail->setPlaceholderText(
      QStringLiteral("选中一个备选名，在这里查看字号的读音、字义、星级的算法和提醒"));

  buildExportStrip();

  connect(middleCount, &QComboBox::currentTextChanged, this,
          [this](const QString& count) { showFixedBoxesFor(count.toInt()); });
  connect(dateEntry, &QComboBox::currentIndexChanged, birthDate,
          [this](int index) { birthDate->setEntry(static_cast<DateEntry>(index)); });
}

void CompanyPage::buildForm() {
  form_ = new QWidget(group_);
  form_->move(8, kFormTop);
  auto* rows = new QVBoxLayout(form_);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->setSpacing(3);

  QHBoxLayout* person = row(rows);
  person->addWidget(makeLabel(form_, QStringLiteral("法人姓：")));
  person->addWidget(
      surname = nameBox(form_, QStringLiteral("公司法人姓"), text::kMaxSurnameCharacters, 70));
  person->addWidget(makeLabel(form_, QStringLiteral("法人名：")));
  person->addWidget(
      givenName = nameBox(form_, QStringLiteral("公司法人名"), text::kMaxGivenNameCharacters, 70));
  person->addWidget(makeLabel(form_, QStringLiteral("出生日期：")));
  person->addWidget(dateEntry = makeComboBox(form_, QStringLiteral("公司法人组合框公农转换"),
                                             {QStringLiteral("农历"), QStringLiteral("公历")}, 1));
  person->addWidget(birthDate = new LunarDateBox(QStringLiteral("公司法人农历日期框"), form_));
  person->addWidget(makeLabel(form_, QStringLiteral("时：")));
  person->addWidget(hour =
                        makeComboBox(form_, QStringLiteral("公司法人组合框时"), numberItems(23)));
  person->addWidget(makeLabel(form_, QStringLiteral("分：")));
  person->addWidget(minute =
                        makeComboBox(form_, QStringLiteral("公司法人组合框分"), numberItems(59)));
  person->addStretch();

  QHBoxLayout* company = row(rows);
  company->addWidget(makeLabel(form_, QStringLiteral("地域前缀：")));
  company->addWidget(prefix = nameBox(form_, QStringLiteral("公司前缀"), text::kMaxPrefixCharacters,
                                      100, QStringLiteral("成都")));
  company->addWidget(makeLabel(form_, QStringLiteral("行业后缀：")));
  company->addWidget(suffix = nameBox(form_, QStringLiteral("公司后缀"), text::kMaxSuffixCharacters,
                                      150, QStringLiteral("科技有限公司")));
  company->addStretch();

  QHBoxLayout* options = row(rows);
  options->addWidget(shopName = makeCheckBox(form_, QStringLiteral("选择框1"),
                                             QStringLiteral("取店铺名、品牌名")));
  options->addWidget(
      takeAsTyped = makeCheckBox(
          form_, QStringLiteral("选择框8"),
          QStringLiteral("不判断输入是否为中文(当输入中文汉字，软件不能正确识别时才勾选此项)")));
  options->addStretch();

  QHBoxLayout* body = row(rows);
  body->addWidget(makeLabel(form_, QStringLiteral("取名方式：")));
  body->addWidget(road = makeComboBox(form_, QStringLiteral("公司组合框取名方式"),
                                      {QStringLiteral("词库佳名"), QStringLiteral("字库随机")}));
  body->addSpacing(12);
  body->addWidget(makeLabel(form_, QStringLiteral("中间字个数：")));
  body->addWidget(
      middleCount = makeComboBox(form_, QStringLiteral("公司中间字数"),
                                 {QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}));
  body->addSpacing(12);
  body->addWidget(makeLabel(form_, QStringLiteral("固定某字(一般不设定)")));
  for (int i = 0; i < 4; ++i) {
    fixed[i] = nameBox(form_, QStringLiteral("公司编辑框固定字%1").arg(i + 1),
                       text::kMaxFixedCharacters, 34);
    body->addWidget(fixed[i]);
  }
  body->addWidget(makeLabel(form_, QStringLiteral("←把需要固定的某个字输入到左侧对应的框中")));
  body->addStretch();

  QHBoxLayout* wanted = row(rows);
  wanted->addWidget(makeLabel(form_, QStringLiteral("包含五行：")));
  const std::array<QString, 5> captions = {QStringLiteral("金"), QStringLiteral("木"),
                                           QStringLiteral("水"), QStringLiteral("火"),
                                           QStringLiteral("土")};
  for (int i = 0; i < 5; ++i) {
    elements[i] = makeCheckBox(form_, QStringLiteral("选择框%1").arg(i + 3), captions[i]);
    wanted->addWidget(elements[i]);
  }
  wanted->addWidget(makeLabel(
      form_, QStringLiteral("(一般不需人工设定，通常情况下可直接勾选  【自动匹配喜用神】)")));
  wanted->addStretch();

  QHBoxLayout* commands = row(rows);
  commands->addWidget(matchFavourable = makeCheckBox(form_, QStringLiteral("选择框2"),
                                                     QStringLiteral("自动匹配喜用神")));
  commands->addStretch();
  commands->addWidget(
      generate = makeButton(form_, QStringLiteral("按钮公司取名"), QStringLiteral("点击开始")));
  commands->addWidget(stop = makeButton(form_, QStringLiteral("按钮6"), QStringLiteral("停止")));
  generate->setDefault(true);
  startOnEnter(generate, {surname,     givenName,       dateEntry,   birthDate,   hour,
                          minute,      prefix,          suffix,      shopName,    takeAsTyped,
                          road,        middleCount,     fixed[0],    fixed[1],    fixed[2],
                          fixed[3],    matchFavourable, elements[0], elements[1], elements[2],
                          elements[3], elements[4]});
}

void CompanyPage::buildExportStrip() {
  exportGroup = new QGroupBox(this);
  exportGroup->setObjectName(QStringLiteral("分组框5"));
  exportGroup->move(10, 0);
  auto* strip = new QHBoxLayout(exportGroup);
  strip->setContentsMargins(8, 1, 8, 1);
  strip->addWidget(autoPick = makeCheckBox(exportGroup, QStringLiteral("公司选择框星级"),
                                           QStringLiteral("自动挑选星级不低于")));
  strip->addWidget(autoPickLevel =
                       makeComboBox(exportGroup, QStringLiteral("公司组合框星级"), starItems()));
  strip->addStretch();
  strip->addWidget(exportText = makeButton(exportGroup, QStringLiteral("按钮3"),
                                           QStringLiteral("导出到文本文件")));
  strip->addWidget(
      exportCsv = makeButton(exportGroup, QStringLiteral("按钮2"), QStringLiteral("导出到EXCEL")));
  strip->addWidget(exportRich = makeButton(exportGroup, QStringLiteral("按钮导出详细"),
                                           QStringLiteral("导出详细CSV")));
  exportRich->setEnabled(false);
  strip->addWidget(shortlist = makeButton(exportGroup, QStringLiteral("按钮打开批量评测"),
                                          QStringLiteral("批量评测")));
  strip->addWidget(knowledge = makeButton(exportGroup, QStringLiteral("按钮取名知识"),
                                          QStringLiteral("取名知识")));
  strip->addWidget(
      law = makeButton(exportGroup, QStringLiteral("按钮相关法律"), QStringLiteral("相关法律")));
}

int CompanyPage::groupMinimumWidth() const {
  // The form sits 8 pixels in from each side of the group.
  return form_->layout()->minimumSize().width() + 16;
}

int CompanyPage::exportStripMinimumWidth() const { return exportGroup->minimumSizeHint().width(); }

void CompanyPage::showFixedBoxesFor(int count) {
  fixed[2]->setVisible(count >= 3);
  fixed[3]->setVisible(count >= 4);
}

void CompanyPage::applyLayout(const MainWindowLayout& layout) {
  group_->resize(layout.companyGroupWidth, layout.companyGroupHeight);
  form_->resize(layout.companyGroupWidth - 16, kListTop - kFormTop - 4);
  results->resize(layout.resultListWidth, layout.resultListHeight);
  bodyDetail->setGeometry(results->x() + layout.resultListWidth + kDetailGap, kListTop,
                          layout.bodyDetailWidth, layout.resultListHeight);
  // The columns share the list as they would share a page narrower by the pane.
  const auto widths =
      resultColumnWidths(std::max(layout.tabsWidth - layout.bodyDetailWidth - kDetailGap, 0));
  for (std::size_t column = 0; column < widths.size(); ++column) {
    results->header()->resizeSection(static_cast<int>(column), widths[column]);
  }
  exportGroup->setGeometry(exportGroup->x(), layout.exportGroupTop, layout.exportGroupWidth,
                           kExportStripHeight);
}

}  // namespace zeruda::gui

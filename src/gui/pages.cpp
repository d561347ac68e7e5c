#include "gui/pages.h"

#include "gui/chinese_key_filter.h"
#include "gui/gbk_browser.h"
#include "gui/lunar_date_box.h"
#include "gui/name_box_limits.h"
#include "gui/picture_text_box.h"
#include "gui/picture_view.h"
#include "gui/widgets.h"
#include "gui/window_layout.h"
#include "text/field_limits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zeruda::gui {
namespace {

QRadioButton* makeRadio(QWidget* parent, const QString& name, const QString& caption) {
  auto* radio = new QRadioButton(caption, parent);
  radio->setObjectName(name);
  return radio;
}

QPlainTextEdit* makeTextBox(QWidget* parent, const QString& name) {
  auto* box = new QPlainTextEdit(parent);
  box->setObjectName(name);
  box->setReadOnly(true);
  return box;
}

// "第　　　　个字固定为" leaves room for the position selector, which sits in the gap.
QCheckBox* fixedPositionBox(QWidget* parent, QComboBox** position) {
  QCheckBox* box =
      makeCheckBox(parent, QStringLiteral("选择框固定字"), QStringLiteral("第　　　　个字固定为"));
  *position = makeComboBox(box, QStringLiteral("组合框固定字选择"),
                           {QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三")});
  const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                        box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
  const int gap = box->fontMetrics().horizontalAdvance(QStringLiteral("　　　　"));
  (*position)->setGeometry(indicator + box->fontMetrics().horizontalAdvance(QStringLiteral("第")),
                           0, gap, box->sizeHint().height());
  return box;
}

// A 公农转换 combo box switches its date box between lunar and Gregorian entry.
void followEntryChoice(QComboBox* entry, LunarDateBox* box) {
  QObject::connect(entry, &QComboBox::currentIndexChanged, box,
                   [box](int index) { box->setEntry(static_cast<DateEntry>(index)); });
}

}  // namespace

PersonalPage::PersonalPage(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  auto* person = new QHBoxLayout;
  person->addWidget(makeLabel(this, QStringLiteral("姓氏：")));
  surname = makeLineEdit(this, QStringLiteral("编辑框姓"));
  ChineseKeyFilter::attachTo(surname);
  limitNameBox(surname, text::kMaxSurnameCharacters);
  person->addWidget(surname);
  person->addWidget(makeLabel(this, QStringLiteral("性别：")));
  person->addWidget(gender = makeComboBox(this, QStringLiteral("组合框性别"),
                                          {QStringLiteral("男"), QStringLiteral("女")}));
  person->addWidget(makeLabel(this, QStringLiteral("出生日期：")));
  dateEntry = makeComboBox(this, QStringLiteral("组合框公农转换"),
                           {QStringLiteral("农历"), QStringLiteral("公历")}, 1);
  person->addWidget(dateEntry);
  person->addWidget(birthDate = new LunarDateBox(QStringLiteral("农历日期框取名"), this));
  followEntryChoice(dateEntry, birthDate);
  person->addWidget(makeLabel(this, QStringLiteral("时：")));
  person->addWidget(hour = makeComboBox(this, QStringLiteral("组合框时"), numberItems(23)));
  person->addWidget(makeLabel(this, QStringLiteral("分：")));
  person->addWidget(minute = makeComboBox(this, QStringLiteral("组合框分"), numberItems(59)));
  person->addStretch();
  grid->addLayout(person, 0, 0, 1, 2);

  auto* wanted = new QHBoxLayout;
  lengthOne = makeRadio(this, QStringLiteral("单选框字数一"), QStringLiteral("名一字"));
  lengthTwo = makeRadio(this, QStringLiteral("单选框字数二"), QStringLiteral("名两字"));
  lengthThree = makeRadio(this, QStringLiteral("单选框字数三"), QStringLiteral("名三字"));
  lengthTwo->setChecked(true);
  for (QRadioButton* length : {lengthOne, lengthTwo, lengthThree}) wanted->addWidget(length);
  wanted->addWidget(fixCharacter = fixedPositionBox(this, &fixedPosition));
  fixedCharacter = makeLineEdit(this, QStringLiteral("编辑框固定字"));
  fixedCharacter->setFixedWidth(34);
  ChineseKeyFilter::attachTo(fixedCharacter);
  limitNameBox(fixedCharacter, text::kMaxFixedCharacters);
  wanted->addWidget(fixedCharacter);
  pickLevel = makeCheckBox(this, QStringLiteral("选择框星级"), QStringLiteral("推荐星级"));
  wanted->addWidget(pickLevel);
  wanted->addWidget(starLevel = makeComboBox(this, QStringLiteral("组合框星级"), starItems(), 3));
  wanted->addWidget(makeLabel(this, QStringLiteral("取名方式：")));
  wanted->addWidget(road = makeComboBox(this, QStringLiteral("组合框取名方式"),
                                        {QStringLiteral("诗词典籍"), QStringLiteral("佳字组合"),
                                         QStringLiteral("按笔画随机")}));
  wanted->addStretch();
  start = makeButton(this, QStringLiteral("按钮电脑取名"), QStringLiteral("开始取名"));
  wanted->addWidget(start);
  grid->addLayout(wanted, 1, 0, 1, 2);
  startOnEnter(start, {surname, gender, dateEntry, birthDate, hour, minute, lengthOne, lengthTwo,
                       lengthThree, fixCharacter, fixedPosition, fixedCharacter, pickLevel,
                       starLevel, road});

  candidates = new QTreeWidget(this);
  candidates->setObjectName(QStringLiteral("超级列表框姓名备选"));
  candidates->setHeaderLabels({QStringLiteral("备选名字")});
  candidates->setRootIsDecorated(false);
  candidates->setUniformRowHeights(true);
  grid->addWidget(candidates, 2, 0);
  recommended = new QListWidget(this);
  recommended->setObjectName(QStringLiteral("列表框姓名推荐"));
  recommended->setUniformItemSizes(true);
  // The selected name in full beside the lists, whose rows show only name and stars.
  auto* side = new QVBoxLayout;
  side->addWidget(recommended, 1);
  nameDetail = makeTextBox(this, QStringLiteral("名字详情"));
  nameDetail->setPlaceholderText(
      QStringLiteral("选中一个名字，在这里查看它的读音、字义、出处、提醒和星级的算法"));
  side->addWidget(nameDetail, 1);
  grid->addLayout(side, 2, 1);
  copyNames = makeButton(this, QStringLiteral("按钮复制名字"), QStringLiteral("复制备选名字"));
  auto* judging = new QHBoxLayout;
  judging->addWidget(makeLabel(this, QStringLiteral("测名　姓：")));
  judging->addWidget(judgedSurname = makeLineEdit(this, QStringLiteral("测名姓")));
  judging->addWidget(makeLabel(this, QStringLiteral("名：")));
  judging->addWidget(judgedGiven = makeLineEdit(this, QStringLiteral("测名名")));
  for (QLineEdit* name : {judgedSurname, judgedGiven}) {
    name->setFixedWidth(64);
    ChineseKeyFilter::attachTo(name);
  }
  limitNameBox(judgedSurname, text::kMaxSurnameCharacters);
  limitNameBox(judgedGiven, text::kMaxGivenNameCharacters);
  judge = makeButton(this, QStringLiteral("按钮测名"), QStringLiteral("测名"));
  judge->setToolTip(
      QStringLiteral("按上面的性别和出生时间测这个名字；双击备选或推荐的名字也可测名"));
  judging->addWidget(judge);
  judging->addStretch();
  grid->addLayout(judging, 3, 0);
  startOnEnter(judge, {judgedSurname, judgedGiven});
  grid->addWidget(copyNames, 3, 1, Qt::AlignRight);
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(1, 1);
}

QWidget* makeTablePage(const QString& listName, const QStringList& headers, int shortColumns,
                       QWidget* parent) {
  auto* page = new QWidget(parent);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(4, 4, 4, 4);
  auto* list = new QTreeWidget(page);
  list->setObjectName(listName);
  list->setHeaderLabels(headers);
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setAllColumnsShowFocus(true);
  list->setWordWrap(false);
  // Numbers and single elements need little room; the texts get the rest.
  for (int column = 0; column < shortColumns; ++column) {
    list->header()->resizeSection(column,
                                  list->fontMetrics().horizontalAdvance(headers[column]) + 24);
  }
  layout->addWidget(list, 3);

  // The long texts do not fit their columns: the selected row is shown whole below,
  // its short cells on one line and each text on a line of its own.
  QPlainTextEdit* detail = makeTextBox(page, listName + QStringLiteral("详情"));
  detail->setPlaceholderText(QStringLiteral("选中一行，在这里查看它的全部内容"));
  layout->addWidget(detail, 2);
  QObject::connect(list, &QTreeWidget::currentItemChanged, detail,
                   [detail, headers, shortColumns](QTreeWidgetItem* row) {
                     if (row == nullptr) return detail->clear();
                     QStringList shortCells, lines;
                     for (int column = 0; column < headers.size(); ++column) {
                       const QString cell =
                           headers[column] + QStringLiteral("：") + row->text(column);
                       (column < shortColumns ? shortCells : lines) << cell;
                     }
                     lines.prepend(shortCells.join(QStringLiteral("　　")));
                     detail->setPlainText(lines.join(QLatin1Char('\n')));
                   });
  return page;
}

ChartPage::ChartPage(UiServices& services, QWidget* parent) : QWidget(parent) {
  picture = new PictureView(services, QStringLiteral("八字五行图"));
  report = new PictureTextBox<QPlainTextEdit>(picture, this);
  report->setObjectName(QStringLiteral("编辑框八字命理"));
  report->setReadOnly(true);
  report->move(5, 2);

  inputs_ = new QGroupBox(this);
  inputs_->setObjectName(QStringLiteral("分组框2"));
  inputs_->move(5, 0);
  auto* line = new QHBoxLayout(inputs_);
  line->setContentsMargins(6, 2, 6, 2);
  line->addWidget(makeLabel(inputs_, QStringLiteral("姓：")));
  line->addWidget(surname = makeLineEdit(inputs_, QStringLiteral("编辑框八字姓")));
  line->addWidget(makeLabel(inputs_, QStringLiteral("名：")));
  line->addWidget(givenName = makeLineEdit(inputs_, QStringLiteral("编辑框八字姓1")));
  for (QLineEdit* name : {surname, givenName}) {
    name->setFixedWidth(64);
    ChineseKeyFilter::attachTo(name);
  }
  limitNameBox(surname, text::kMaxSurnameCharacters);
  limitNameBox(givenName, text::kMaxGivenNameCharacters);
  line->addWidget(makeLabel(inputs_, QStringLiteral("性别：")));
  line->addWidget(gender = makeComboBox(inputs_, QStringLiteral("组合框八字性别"),
                                        {QStringLiteral("男"), QStringLiteral("女")}));
  line->addWidget(makeLabel(inputs_, QStringLiteral("出生日期：")));
  line->addWidget(dateEntry = makeComboBox(inputs_, QStringLiteral("组合框八字公农转换"),
                                           {QStringLiteral("农历"), QStringLiteral("公历")}, 1));
  line->addWidget(birthDate = new LunarDateBox(QStringLiteral("农历日期框八字"), inputs_));
  followEntryChoice(dateEntry, birthDate);
  line->addWidget(makeLabel(inputs_, QStringLiteral("时：")));
  line->addWidget(hour = makeComboBox(inputs_, QStringLiteral("组合框八字时"), numberItems(23)));
  line->addWidget(makeLabel(inputs_, QStringLiteral("分：")));
  line->addWidget(minute = makeComboBox(inputs_, QStringLiteral("组合框八字分"), numberItems(59)));
  line->addStretch();

  compute = makeButton(this, QStringLiteral("按钮八字计算"), QStringLiteral("查看八字"));
  copy = makeButton(this, QStringLiteral("按钮八字复制"), QStringLiteral("复制生辰八字"));
  print = makeButton(this, QStringLiteral("按钮八字打印"), QStringLiteral("打印"));
}

int ChartPage::inputsMinimumWidth() const { return inputs_->minimumSizeHint().width(); }

void ChartPage::applyLayout(const MainWindowLayout& layout, int windowHeight) {
  report->resize(layout.chartReportWidth, layout.chartReportHeight);
  // The inputs sit between the report and the buttons.
  inputs_->setGeometry(5, windowHeight - 146, layout.chartInputGroupWidth,
                       layout.bottomButtonsTop - (windowHeight - 146) - 2);
  const int buttonWidth = copy->sizeHint().width();
  compute->setGeometry(layout.chartInputGroupWidth - 2 * buttonWidth - 4, layout.bottomButtonsTop,
                       buttonWidth, compute->sizeHint().height());
  copy->setGeometry(layout.chartInputGroupWidth - buttonWidth + 5, layout.bottomButtonsTop,
                    buttonWidth, copy->sizeHint().height());
  print->setGeometry(compute->x() - buttonWidth - 9, layout.bottomButtonsTop, buttonWidth,
                     print->sizeHint().height());
}

KnowledgePage::KnowledgePage(QWidget* parent) : QWidget(parent) {
  text = makeTextBox(this, QStringLiteral("超级编辑框知识相关"));
  text->move(10, 5);
  back = makeButton(this, QStringLiteral("按钮返回"), QStringLiteral("返回"));
}

void KnowledgePage::applyLayout(const MainWindowLayout& layout) {
  text->resize(layout.knowledgeTextWidth, layout.knowledgeTextHeight);
  back->setGeometry(layout.knowledgeTextWidth + 10 - back->sizeHint().width(),
                    layout.bottomButtonsTop, back->sizeHint().width(), back->sizeHint().height());
}

LegalChartPage::LegalChartPage(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  chart = makeTextBox(this, QStringLiteral("公司法人八字编辑框"));
  layout->addWidget(chart);
}

ArticlesPage::ArticlesPage(QWidget* parent) : QWidget(parent) {
  tree = new QTreeWidget(this);
  tree->setObjectName(QStringLiteral("树型框1"));
  tree->setHeaderHidden(true);
  tree->setGeometry(5, 5, kTreeWidth, 100);
  article = new GbkBrowser(QStringLiteral("超文本浏览框2"), this);
  article->move(235, 5);
  more = makeButton(this, QStringLiteral("按钮4"), QStringLiteral("更多资料下载"));
  // Downloading more material has no source to download from: greyed.
  more->setEnabled(false);
}

void ArticlesPage::applyLayout(const MainWindowLayout& layout) {
  tree->resize(tree->width(), layout.articleTreeHeight);
  article->resize(layout.articleViewWidth, layout.articleViewHeight);
  more->setGeometry(5, layout.bottomButtonsTop, more->sizeHint().width(),
                    more->sizeHint().height());
}

}  // namespace zeruda::gui

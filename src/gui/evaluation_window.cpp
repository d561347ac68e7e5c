#include "gui/evaluation_window.h"

#include "actions/name_actions.h"
#include "app/company_evaluation.h"
#include "app/session.h"
#include "gui/chinese_key_filter.h"
#include "gui/field_controls.h"
#include "gui/lunar_date_box.h"
#include "gui/name_box_limits.h"
#include "gui/picture_text_box.h"
#include "gui/picture_view.h"
#include "gui/qt_text.h"
#include "gui/report_printing.h"
#include "gui/ui_services.h"
#include "gui/widgets.h"
#include "gui/window_layout.h"
#include "numerology/company_report.h"
#include "pictures/grid_diagram.h"
#include "profile/profile.h"
#include "profile/profile_restore.h"
#include "shortlist/registration_section.h"
#include "text/field_limits.h"
#include "text/gbk_literal.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>

namespace zeruda::gui {
namespace {

constexpr int kInputsHeight = 64;
// Tall enough for the five-grid diagram at full size beside the text.
constexpr int kReportHeight = 470;
const QString kCaption = QStringLiteral("提示");

// A report piece's look: 12-point type in the piece's colour, which the core gives
// as a Windows colour value (blue in the high byte, red in the low).
QTextCharFormat pieceFormat(Rgb colour) {
  QTextCharFormat format;
  format.setFontPointSize(12);
  format.setForeground(QColor(colour.r, colour.g, colour.b));
  return format;
}

}  // namespace

EvaluationWindow::EvaluationWindow(UiServices& services, app::Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), session_(session) {
  setObjectName(QStringLiteral("公司名字评测"));
  setWindowTitle(QStringLiteral("公司名字评测"));
  setAttribute(Qt::WA_DeleteOnClose);

  auto* inputs = new QWidget(this);
  inputs->setGeometry(10, 4, 680, kInputsHeight);
  auto* grid = new QGridLayout(inputs);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(4);
  auto nameBox = [inputs](const QString& name, int width) {
    QLineEdit* box = makeLineEdit(inputs, name);
    box->setFixedWidth(width);
    ChineseKeyFilter::attachTo(box);
    return box;
  };
  // Each label keeps a gap from the box before it, so no label reads as part of it.
  auto field = [inputs](QHBoxLayout* line, const QString& label, QWidget* box) {
    if (line->count() > 0) line->addSpacing(10);
    line->addWidget(makeLabel(inputs, label));
    line->addWidget(box);
  };
  auto* person = new QHBoxLayout;
  field(person, QStringLiteral("法人姓："), surname = nameBox(QStringLiteral("公司法人姓"), 60));
  field(person, QStringLiteral("法人名："), givenName = nameBox(QStringLiteral("公司法人名"), 60));
  field(person, QStringLiteral("出生日期："),
        birthDate = new LunarDateBox(QStringLiteral("公司法人农历日期框"), inputs));
  field(person, QStringLiteral("时："),
        hour = makeComboBox(inputs, QStringLiteral("公司法人组合框时"), numberItems(23)));
  field(person, QStringLiteral("分："),
        minute = makeComboBox(inputs, QStringLiteral("公司法人组合框分"), numberItems(59)));
  person->addStretch();
  grid->addLayout(person, 0, 0);
  auto* name = new QHBoxLayout;
  field(name, QStringLiteral("地域前缀："), prefix = nameBox(QStringLiteral("公司前缀"), 80));
  field(name, QStringLiteral("名字主体："), body = nameBox(QStringLiteral("编辑框名字主体"), 90));
  field(name, QStringLiteral("行业后缀："), suffix = nameBox(QStringLiteral("公司后缀"), 120));
  name->addSpacing(10);
  name->addWidget(evaluate =
                      makeButton(inputs, QStringLiteral("按钮评测"), QStringLiteral("开始评测")));
  name->addStretch();
  grid->addLayout(name, 1, 0);
  // The body has the report's own word on its length.
  limitNameBox(surname, text::kMaxSurnameCharacters);
  limitNameBox(givenName, text::kMaxGivenNameCharacters);
  limitNameBox(prefix, text::kMaxPrefixCharacters);
  limitNameBox(suffix, text::kMaxSuffixCharacters);

  diagram = new PictureView(services_, QStringLiteral("五格剖象图"));
  report = new PictureTextBox<QTextEdit>(diagram, this);
  report->setObjectName(QStringLiteral("超级编辑框1"));
  report->setReadOnly(true);
  report->setGeometry(10, kInputsHeight + 10, 680, kReportHeight);

  copy = makeButton(this, QStringLiteral("按钮评测复制"), QStringLiteral("复制评测结果"));
  print = makeButton(this, QStringLiteral("按钮2"), QStringLiteral("打   印"));
  page = new QTextBrowser(this);
  page->setObjectName(QStringLiteral("超文本浏览框1"));

  startOnEnter(evaluate, {surname, givenName, birthDate, hour, minute, prefix, body, suffix});
  connect(evaluate, &QPushButton::clicked, this, &EvaluationWindow::runReport);
  connect(copy, &QPushButton::clicked, this, &EvaluationWindow::copyReport);
  connect(print, &QPushButton::clicked, this, &EvaluationWindow::printReport);
  resize(980, 720);
}

void EvaluationWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const EvaluationLayout layout = evaluationLayout(width(), report->geometry().bottom() + 1);
  report->resize(layout.reportWidth, report->height());
  copy->setGeometry(10, layout.copyButtonTop, copy->sizeHint().width(), copy->sizeHint().height());
  print->setGeometry(copy->geometry().right() + 8, layout.copyButtonTop, print->sizeHint().width(),
                     print->sizeHint().height());
  const int pageTop = copy->geometry().bottom() + 8;
  page->setGeometry(10, pageTop, layout.reportWidth, height() - pageTop - 10);
}

void EvaluationWindow::restore(const SelectedRow& selected) {
  selected_ = selected;
  const profile::EvaluationRestore saved =
      profile::restoreIntoEvaluation(session_.profile().path());
  surname->setText(fromGbk(saved.surname));
  givenName->setText(fromGbk(saved.givenName));
  prefix->setText(selected.ownAffixes ? selected.prefix : fromGbk(saved.regionPrefix));
  suffix->setText(selected.ownAffixes ? selected.suffix : fromGbk(saved.tradeSuffix));
  birthDate->setDate(saved.birth.date());
  hour->setCurrentIndex(saved.hour);
  minute->setCurrentIndex(saved.minute);
  body->setText(selected.body);
  QTimer::singleShot(0, this, &EvaluationWindow::runReport);
}

void EvaluationWindow::runReport() {
  using namespace text::literals;
  actions::ReportRequest request;
  request.body = toGbk(body->text());
  request.prefix = toGbk(prefix->text());
  request.suffix = toGbk(suffix->text());
  request.selectedBody = toGbk(selected_.body);
  request.selectedStars = toGbk(selected_.stars);
  actions::Context context{session_.tables(), &session_.profile()};
  const actions::ReportAnswer answer = actions::report(request, context);
  body->setText(fromGbk(answer.body));
  if (!answer.report.ok()) {
    showUserMessage(services_, this, refusalBox(answer.report.failure(), "提示"_gbk));
    return;
  }
  const numerology::CompanyReport& made = answer.report.value();
  report->clear();
  QTextCursor end(report->document());
  for (const numerology::ReportPiece& piece : made.pieces) {
    end.movePosition(QTextCursor::End);
    end.insertText(shownText(piece.text), pieceFormat(piece.colour));
  }
  diagram->setPicture(pictures::gridDiagram(made.name));
  const std::filesystem::path written = app::writeReportPage(made, session_.folder());
  if (!written.empty()) {
    page->setSource(QUrl::fromLocalFile(QString::fromStdString(written.string())));
    page->reload();
  }
}

void EvaluationWindow::printReport() {
  if (!services_.setUpPrinter(this, printer_)) return;
  printReportWithPicture(printer_, *report->document(), diagram->picture(), diagram->font());
}

void EvaluationWindow::copyReport() {
  if (services_.copyToClipboard(report->toPlainText())) {
    services_.showMessage(this, MessageIcon::Information, kCaption,
                          QStringLiteral("复制成功！您可以把评测结果粘贴到其他文件中！"));
  } else {
    services_.showMessage(this, MessageIcon::Warning, kCaption,
                          QStringLiteral("复制失败！请稍后再试。"));
  }
}

}  // namespace zeruda::gui

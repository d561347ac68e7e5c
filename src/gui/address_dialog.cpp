#include "gui/address_dialog.h"

#include "gui/ui_services.h"
#include "gui/widgets.h"
#include "gui/window_texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace zeruda::gui {
namespace {

// A long address wraps to at most this many lines before the box scrolls.
constexpr int kMostAddressLines = 6;

}  // namespace

AddressDialog::AddressDialog(UiServices& services, const QString& shown, QWidget* parent)
    : QDialog(parent), services_(services), shown_(shown) {
  setObjectName(QStringLiteral("链接对话框"));
  setWindowTitle(kSystemCaption);

  address = new QTextEdit(this);
  address->setObjectName(QStringLiteral("编辑框链接"));
  address->setReadOnly(true);
  address->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  address->setAcceptRichText(false);
  // An address has no spaces to break at: any character may end a line.
  address->setWordWrapMode(QTextOption::WrapAnywhere);
  address->setPlainText(shown);
  address->selectAll();
  const int width = fontMetrics().averageCharWidth() * 48;
  address->setFixedWidth(width);
  // Laid out now, at the box's width, to learn how many lines the address takes.
  address->document()->setTextWidth(width - 2 * address->frameWidth());
  const int lineHeight = fontMetrics().lineSpacing();
  const int textHeight = std::min(static_cast<int>(address->document()->size().height()),
                                  kMostAddressLines * lineHeight + 8);
  address->setFixedHeight(textHeight + 2 * address->frameWidth());

  copy = makeButton(this, QStringLiteral("按钮复制链接"), QStringLiteral("复制链接"));
  copy->setDefault(true);
  ok = makeButton(this, QStringLiteral("按钮确定"), QStringLiteral("确定"));
  copied = new QLabel(this);
  copied->setObjectName(QStringLiteral("标签复制结果"));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(copied, 1);
  buttons->addWidget(copy);
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(makeLabel(this, QStringLiteral("未能打开浏览器，请手动访问：")));
  layout->addWidget(address);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(copy, &QPushButton::clicked, this, &AddressDialog::copyAddress);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AddressDialog::copyAddress() {
  copied->setText(services_.copyToClipboard(shown_) ? QStringLiteral("链接已复制到剪贴板")
                                                    : QStringLiteral("复制失败！请稍后再试。"));
}

}  // namespace zeruda::gui

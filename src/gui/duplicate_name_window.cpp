#include "gui/duplicate_name_window.h"

#include "gui/qt_text.h"
#include "gui/web_commands.h"
#include "gui/widgets.h"
#include "web/lookup_address.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zeruda::gui {
namespace {

const QString kExplanation = QStringLiteral(
    "重名查询说明：\n"
    "1、由于全国工商数据并未对公众开放方便查询的接口，故软件暂时不能直接查询工商数据库中的重名。\n"
    "2、每天都有无数新公司注册与注销，基于以上原因，目前没有任何一款软件能真正查询到重名。\n"
    "3、我们目前提供自动切换到百度与360搜索查重名的功能。\n"
    "4、点中生成的名字，再点重名查询就可将生成的名字自动匹配到此界面输入框中。\n"
    "5、以后如果政策允许，软件会及时升级，为您提供更好的使用体验。");

}  // namespace

DuplicateNameWindow::DuplicateNameWindow(UiServices& services, const storage::WorkingFolder& folder,
                                         const QString& fullName, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), folder_(folder) {
  setObjectName(QStringLiteral("重名查询"));
  setWindowTitle(QStringLiteral("重名查询"));
  setAttribute(Qt::WA_DeleteOnClose);

  auto* grid = new QGridLayout(this);
  explanation = new QPlainTextEdit(kExplanation, this);
  explanation->setObjectName(QStringLiteral("编辑框1"));
  explanation->setReadOnly(true);
  grid->addWidget(explanation, 0, 0, 1, 4);

  auto* label = makeLabel(this, QStringLiteral("公司名称"));
  label->setObjectName(QStringLiteral("标签1"));
  grid->addWidget(label, 1, 0);
  name = makeLineEdit(this, QStringLiteral("公司名字"));
  name->setText(fullName);
  grid->addWidget(name, 1, 1, 1, 3);

  struct Button {
    QPushButton** control;
    const char* formName;
    QString caption;
    web::Site site;
  };
  const Button buttons[] = {
      {&baidu, "按钮1", QStringLiteral("百度查询"), web::Site::Baidu},
      {&so360, "按钮2", QStringLiteral("360查询"), web::Site::So360},
      {&alibaba, "按钮3", QStringLiteral("阿里巴巴查询"), web::Site::Alibaba},
      {&registry, "按钮4", QStringLiteral("国家企业信用信息公示系统"), web::Site::Register},
  };
  int column = 0;
  for (const Button& button : buttons) {
    *button.control = makeButton(this, QString::fromUtf8(button.formName), button.caption);
    grid->addWidget(*button.control, 2, column++);
    connect(*button.control, &QPushButton::clicked, this,
            [this, site = button.site] { search(site); });
  }
  resize(560, 300);
}

void DuplicateNameWindow::search(web::Site site) {
  if (!confirmConnected(services_, this)) return;
  browse(services_, this, web::lookupAddress(site, configuredHosts(folder_), toGbk(name->text())));
}

}  // namespace zeruda::gui

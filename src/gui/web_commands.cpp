#include "gui/web_commands.h"

#include "gui/ui_services.h"
#include "storage/working_folder.h"
#include "web/web_hosts.h"

#include <QUrl>

namespace zeruda::gui {

web::WebHosts configuredHosts(const storage::WorkingFolder& folder) {
  return web::WebHosts::load(folder.file(web::kWebConfigFileName));
}

bool confirmConnected(UiServices& services, QWidget* parent) {
  if (services.networkConnected()) return true;
  services.showMessage(parent, MessageIcon::Warning, QStringLiteral("未检测到网络"),
                       QStringLiteral("您的电脑未连接网络，请连接后再试！"));
  return false;
}

void browse(UiServices& services, QWidget* parent, const std::string& address) {
  // Our addresses are percent-encoded ASCII already: Qt takes them as they are.
  const QUrl url = QUrl::fromEncoded(QByteArray::fromStdString(address), QUrl::StrictMode);
  if (services.openInBrowser(url)) return;
  services.showAddress(parent, QString::fromStdString(address));
}

}  // namespace zeruda::gui

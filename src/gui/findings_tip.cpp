#include "gui/findings_tip.h"

#include "gui/qt_text.h"

#include <QStringList>

namespace zeruda::gui {

QString findingsTip(const std::vector<registration::Finding>& findings) {
  QStringList lines;
  for (const registration::Finding& finding : findings) {
    lines << QStringLiteral("【%1】%2（%3）")
                 .arg(fromGbk(registration::levelText(finding.level)), fromGbk(finding.reason),
                      fromGbk(finding.source));
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace zeruda::gui

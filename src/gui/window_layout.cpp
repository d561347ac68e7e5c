#include "gui/window_layout.h"

#include "gui/result_columns.h"

#include <algorithm>

namespace zeruda::gui {

MainWindowLayout mainWindowLayout(int width, int height, int statusBarTop, int articleTreeWidth) {
  MainWindowLayout layout;
  layout.tabsWidth = width;
  layout.tabsHeight = height - 55;
  layout.companyGroupWidth = width - 10;
  layout.companyGroupHeight = height - 120;
  // The list and the 字号详情 pane share W-20, kDetailGap pixels apart.
  const int shared = resultListWidth(width);
  layout.bodyDetailWidth = shared / 4;
  layout.resultListWidth = std::max(shared - layout.bodyDetailWidth - kDetailGap, 0);
  layout.resultListHeight = layout.tabsHeight - 250;
  layout.exportGroupWidth = width - 20;
  layout.exportGroupTop = statusBarTop - 90;
  layout.articleTreeHeight = height - 150;
  layout.articleViewWidth = width - articleTreeWidth - 30;
  layout.articleViewHeight = height - 150;
  layout.knowledgeTextWidth = width - 25;
  layout.knowledgeTextHeight = height - 180;
  layout.bottomButtonsTop = statusBarTop - 90;
  layout.chartInputGroupWidth = width - 10;
  layout.chartReportWidth = width - 10;
  layout.chartReportHeight = height - 150;
  return layout;
}

EvaluationLayout evaluationLayout(int windowWidth, int reportBottom) {
  return {windowWidth - 20, reportBottom + 10};
}

ViewerLayout viewerLayout(int windowWidth, int windowHeight) {
  return {windowWidth - 20, windowHeight - 120};
}

}  // namespace zeruda::gui

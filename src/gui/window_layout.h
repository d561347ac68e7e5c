#pragma once

namespace zeruda::gui {

// Sizes the main window gives its resizable controls, recomputed on every resize
// from the window's width W and height H, the top S of its status bar and the
// current width of the article tree. Tops are in the window's own coordinates.
// Nothing is clamped: a tiny window gets whatever the arithmetic gives.
struct MainWindowLayout {
  int tabsWidth = 0, tabsHeight = 0;                  // 选择夹1
  int companyGroupWidth = 0, companyGroupHeight = 0;  // 分组框4
  int resultListWidth = 0, resultListHeight = 0;      // 公司备选名超级列表框
  int bodyDetailWidth = 0;  // 字号详情: beside the list, a quarter of the room they share
  int exportGroupWidth = 0, exportGroupTop = 0;         // 分组框5
  int articleTreeHeight = 0;                            // 树型框1
  int articleViewWidth = 0, articleViewHeight = 0;      // 超文本浏览框2
  int knowledgeTextWidth = 0, knowledgeTextHeight = 0;  // 超级编辑框知识相关
  int bottomButtonsTop = 0;                             // 按钮4, 按钮返回, 按钮八字复制
  int chartInputGroupWidth = 0;                         // 分组框2
  int chartReportWidth = 0, chartReportHeight = 0;      // 编辑框八字命理
};

inline constexpr int kDetailGap = 6;  // between the result list and the 字号详情 pane

MainWindowLayout mainWindowLayout(int width, int height, int statusBarTop, int articleTreeWidth);

// The evaluation window's report box and copy button follow its size.
struct EvaluationLayout {
  int reportWidth = 0;
  int copyButtonTop = 0;
};

EvaluationLayout evaluationLayout(int windowWidth, int reportBottom);

// The article viewer's browser box takes the window less 20 pixels across and 120
// down.
struct ViewerLayout {
  int browserWidth = 0;
  int browserHeight = 0;
};

ViewerLayout viewerLayout(int windowWidth, int windowHeight);

}  // namespace zeruda::gui

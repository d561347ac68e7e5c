#pragma once

class QApplication;

namespace zeruda::gui {

// The program's own light look: Fusion with a pale palette, a CJK font, and a
// little colour on the group boxes and the toolbar.
void applyLightStyle(QApplication& app);

}  // namespace zeruda::gui

#pragma once

class QApplication;
class QIcon;

namespace zeruda::gui {

// What the program sets on the application before its first window: the light
// look, Qt's own dialogs, menus and calendars in Chinese whatever the system
// language (Debian's qt6-translations-l10n holds Qt's texts), and the icon.
void prepareApplication(QApplication& app);

// Loads Qt's Chinese texts for its standard dialogs and context menus; false when
// they are not installed, and the dialogs then stay in English.
bool loadQtChinese(QApplication& app);

// The program's mark, drawn from its SVG at the sizes a desktop asks for.
QIcon programIcon();

}  // namespace zeruda::gui

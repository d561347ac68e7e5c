#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zeruda::gui {

// The core speaks GBK, Qt speaks Unicode; every crossing goes through these two.

// A GBK text from the core or from a file. Bytes that are not GBK (a damaged profile,
// say) show as U+FFFD instead of stopping the program.
QString fromGbk(std::string_view gbk);

// What the user typed, as GBK. Characters that GBK cannot carry (emoji, rare
// characters outside the code page) are left out: the core could not count them.
std::string toGbk(const QString& text);

// A GBK text for a text box: CR LF line ends become the bare line feeds Qt's boxes
// expect.
QString shownText(std::string_view gbk);

}  // namespace zeruda::gui

#pragma once

#include "pictures/picture.h"

class QFont;
class QPrinter;
class QTextDocument;

namespace zeruda::gui {

// Prints a report as one job with its picture at the head of the first page, centred
// and at its screen size, the report's text following below it.
void printReportWithPicture(QPrinter& printer, const QTextDocument& report,
                            const pictures::Picture& picture, const QFont& font);

}  // namespace zeruda::gui

#include "gui/report_printing.h"

#include "gui/picture_painter.h"

#include <QPrinter>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <memory>

namespace zeruda::gui {
namespace {

// The picture goes to the printer as an image three times its screen size: sharp on
// paper, and a page of the document lays it out like any other image.
constexpr double kPrintScale = 3;

}  // namespace

void printReportWithPicture(QPrinter& printer, const QTextDocument& report,
                            const pictures::Picture& picture, const QFont& font) {
  std::unique_ptr<QTextDocument> document(report.clone());
  if (picture.width > 0 && picture.height > 0) {
    const QString name = QStringLiteral("zeruda-picture:report");
    document->addResource(QTextDocument::ImageResource, QUrl(name),
                          pictureImage(picture, font, kPrintScale));
    QTextImageFormat image;
    image.setName(name);
    image.setWidth(picture.width);
    image.setHeight(picture.height);
    QTextCursor cursor(document.get());
    cursor.movePosition(QTextCursor::Start);
    cursor.insertImage(image);
    cursor.insertBlock();
    cursor.movePosition(QTextCursor::Start);
    QTextBlockFormat centred = cursor.blockFormat();
    centred.setAlignment(Qt::AlignHCenter);
    centred.setBottomMargin(12);
    cursor.setBlockFormat(centred);
  }
  document->print(&printer);
}

}  // namespace zeruda::gui

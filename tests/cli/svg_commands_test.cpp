// The --svg pictures of the command line, read back with a real XML parser.
#include "cli/cli.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <algorithm>
#include <sstream>

namespace {

struct Run {
  int code = 0;
  QString out;
  QString err;
};

Run runCli(const QStringList& args) {
  std::vector<std::string> arguments;
  for (const QString& arg : args) arguments.push_back(arg.toStdString());
  std::ostringstream out, err;
  const int code = zeruda::cli::runCli(arguments, out, err);
  return {code, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
}

// The texts of a well-formed SVG document in document order; fails the test when
// the parser finds fault with it.
QStringList svgTexts(const QString& file) {
  QFile svg(file);
  if (!svg.open(QIODevice::ReadOnly)) return {QStringLiteral("<unreadable>")};
  QXmlStreamReader reader(&svg);
  QStringList texts;
  bool sawRoot = false;
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement) continue;
    if (!sawRoot) {
      sawRoot = reader.name() == QStringLiteral("svg") &&
                reader.namespaceUri() == QStringLiteral("http://www.w3.org/2000/svg");
    }
    if (reader.name() == QStringLiteral("text")) texts << reader.readElementText();
  }
  if (reader.hasError() || !sawRoot) return {QStringLiteral("<not SVG: ") + reader.errorString()};
  return texts;
}

bool holdsRun(const QStringList& texts, const QStringList& run) {
  return std::search(texts.begin(), texts.end(), run.begin(), run.end()) != texts.end();
}

}  // namespace

class SvgCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void gridsWritesTheDiagramOfTheWorkedExample() {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("g.svg"));
    const Run run =
        runCli({QStringLiteral("grids"), QString::fromUtf8("华通"), QStringLiteral("--svg"), file});
    QCOMPARE(run.code, 0);
    const QStringList texts = svgTexts(file);
    const QList<QStringList> runs = {
        {QString::fromUtf8("华"), QStringLiteral("14")},
        {QString::fromUtf8("通"), QStringLiteral("14")},
        QString::fromUtf8("天格 15 土 吉").split(' '),
        QString::fromUtf8("人格 28 金 凶").split(' '),
        QString::fromUtf8("地格 15 土 吉").split(' '),
        QString::fromUtf8("总格 28 金 凶").split(' '),
        QString::fromUtf8("外格 1 木 吉").split(' '),
    };
    for (const QStringList& expected : runs) {
      QVERIFY2(holdsRun(texts, expected), qPrintable(expected.join(' ') + " / " + texts.join(' ')));
    }
  }

  // Scores as the report's 同类 and 异类 lines print them ("金 1.2，土 3.4， 共计 …").
  void chartWritesTheFiveScoresTheReportPrints() {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("c.svg"));
    const Run report =
        runCli({QStringLiteral("chart"), QStringLiteral("1985-06-15"), QStringLiteral("08:30")});
    const Run run = runCli({QStringLiteral("chart"), QStringLiteral("1985-06-15"),
                            QStringLiteral("08:30"), QStringLiteral("--svg"), file});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out, report.out);
    const QStringList texts = svgTexts(file);
    const QString line = report.out.section(QString::fromUtf8("〖同类得分〗："), 1, 1)
                             .section(QString::fromUtf8("〖综合旺衰得分〗"), 0, 0);
    QRegularExpression score(QString::fromUtf8("([木火土金水]) ([0-9.]+)"));
    int found = 0;
    for (auto match = score.globalMatch(line); match.hasNext();) {
      const auto m = match.next();
      QVERIFY2(holdsRun(texts, {m.captured(2), m.captured(1)}), qPrintable(m.captured(0)));
      ++found;
    }
    QCOMPARE(found, 5);
  }

  void aBodyThatIsNoNameGetsNoDiagram() {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("g.svg"));
    const Run run =
        runCli({QStringLiteral("grids"), QString::fromUtf8("华"), QStringLiteral("--svg"), file});
    QCOMPARE(run.code, 1);
    QVERIFY(!QFile::exists(file));
  }
};

QTEST_GUILESS_MAIN(SvgCommandsTest)
#include "svg_commands_test.moc"

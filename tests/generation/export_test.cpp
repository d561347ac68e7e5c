#include "generation/export.h"

#include "support/temp_folder.h"
#include "support/text_support.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <string>
#include <vector>

namespace zeruda::generation {
namespace {

using test::gbk;
using test::utf8;

CandidateRow row(std::initializer_list<const char*> utf8Cells) {
  CandidateRow built;
  std::size_t i = 0;
  for (const char* cell : utf8Cells) built.cells[i++] = gbk(cell);
  return built;
}

const CandidateRow kThreeCharacterRow =
    row({"1", "成都华通达科技有限公司", "华通达", "6,10-6", "14,14-16", "水-火-火", "☆☆"});
const CandidateRow kShopRow = row({"2", "鑫源", "鑫源", "24,13", "24,14", "金-水", "☆☆☆☆☆"});

TEST(CsvText, StartsWithTheHeaderAndEndsEveryLineWithCrLf) {
  const std::vector<CandidateRow> rows = {kThreeCharacterRow, kShopRow};
  EXPECT_EQ(utf8(csvText(rows)),
            "序号,全名,主体名,汉字笔画,康熙笔画,五行,星级\r\n"
            "1,成都华通达科技有限公司,华通达,6―10-6,14―14-16,水-火-火,☆☆\r\n"
            "2,鑫源,鑫源,24―13,24―14,金-水,☆☆☆☆☆\r\n");
}

TEST(CsvText, ReplacesCommasInEveryCellButTheFirst) {
  const std::vector<CandidateRow> rows = {row({"1,2", "a,b", "c,d", "12,8-6", "e,", ",f", ",,"})};
  EXPECT_EQ(utf8(csvText(rows)),
            "序号,全名,主体名,汉字笔画,康熙笔画,五行,星级\r\n"
            "\"1,2\",a―b,c―d,12―8-6,e―,―f,――\r\n");
}

// What a typed prefix, a fixed character taken as typed or a pasted shortlist name
// may hold: nothing of it may start a formula or break the row.
TEST(CsvLine, NeutralisesFormulasAndQuotesWhatWouldBreakTheRow) {
  const struct {
    const char* name;
    const char* cell;
    const char* written;
  } cases[] = {
      {"formula", "=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
      {"plus", "+1", "'+1"},
      {"minus", "-1", "'-1"},
      {"at", "@SUM(A1)", "'@SUM(A1)"},
      {"quoted formula after a comma", "\"=cmd|calc\",华为", "\"\"\"=cmd|calc\"\"―华为\""},
      {"tab", "华\t为", "\"华\t为\""},
      {"line break", "华\r\n为", "\"华\r\n为\""},
      {"tab before a formula", "\t=1", "\"'\t=1\""},
      {"carriage return before a formula", "\r=1", "\"'\r=1\""},
      {"formula sign inside", "华-为=1", "华-为=1"},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> cells = {"1", gbk(c.cell)};
    EXPECT_EQ(utf8(csvLine(cells)), std::string("1,") + c.written + "\r\n") << c.name;
  }
}

TEST(CsvText, TheDashIsTheGbkCharacterA844) {
  const std::vector<CandidateRow> rows = {row({"1", "", "", "12,8", "", "", ""})};
  EXPECT_NE(csvText(rows).find("12\xA8\x44"
                               "8"),
            std::string::npos);
}

TEST(CsvText, ReplacesACommaByteEvenAfterALeadByte) {
  // A cell taken as typed may hold bytes that are no GBK text; a comma byte there
  // would still split the line.
  CandidateRow odd;
  odd.cells[0] = "1";
  odd.cells[1] = "\x81,x";
  const std::vector<CandidateRow> rows = {odd};
  EXPECT_NE(csvText(rows).find("\r\n1,\x81\xA8\x44x,"), std::string::npos);
}

TEST(CsvText, OfAnEmptyListHoldsOnlyTheHeader) {
  EXPECT_EQ(utf8(csvText({})), "序号,全名,主体名,汉字笔画,康熙笔画,五行,星级\r\n");
}

TEST(CsvText, OfAFullListHasOneLineMoreThanRows) {
  std::vector<CandidateRow> rows(2000, kThreeCharacterRow);
  const std::string csv = csvText(rows);
  std::size_t lines = 0;
  for (std::size_t pos = 0; (pos = csv.find("\r\n", pos)) != std::string::npos; pos += 2) ++lines;
  EXPECT_EQ(lines, 2001u);
  EXPECT_EQ(csv.substr(csv.size() - 2), "\r\n");
  EXPECT_EQ(csv.find('\n'), csv.find("\r\n") + 1);
}

TEST(TxtText, PadsEveryCellAndKeepsCommas) {
  const std::vector<CandidateRow> rows = {kThreeCharacterRow, kShopRow};
  const std::string five = "     ";
  const std::string expected = " 1" + five + "成都华通达科技有限公司" + five + "华通达" + five +
                               "6,10-6" + five + "14,14-16" + five + "水-火-火" + five + "☆☆" +
                               five + "    \r\n" + "2" + five + "鑫源" + five + "鑫源" + five +
                               "24,13" + five + "24,14" + five + "金-水" + five + "☆☆☆☆☆" + five +
                               "    \r\n";
  EXPECT_EQ(utf8(txtText(rows)), expected);
}

TEST(TxtText, OnlyTheFirstLineBeginsWithASpace) {
  const std::vector<CandidateRow> rows = {kShopRow, kShopRow, kShopRow};
  const std::string txt = txtText(rows);
  ASSERT_EQ(txt.front(), ' ');
  for (std::size_t pos = 0; (pos = txt.find("\r\n", pos)) != std::string::npos; pos += 2) {
    if (pos + 2 < txt.size()) {
      EXPECT_EQ(txt[pos + 2], '2') << "line after byte " << pos;
    }
  }
}

TEST(TxtText, OfAnEmptyListIsOneSpace) { EXPECT_EQ(txtText({}), " "); }

class ExportRows : public testing::Test {
 protected:
  test::TempFolder folder_;
};

TEST_F(ExportRows, WritesTheTextWholeAndSaysSo) {
  const std::vector<CandidateRow> rows = {kThreeCharacterRow, kShopRow};
  const auto file = folder_ / "names.csv";
  test::writeFile(file, "an older and much longer list that must not survive in part");
  const UserMessage message = exportMessage(exportRows(file, rows, ExportFormat::Csv));
  EXPECT_EQ(utf8(message.text), "导出成功　　");
  EXPECT_EQ(utf8(exportMessage(Done{}, gbk("/home/用户/成都_两字.csv")).text),
            "导出成功　　/home/用户/成都_两字.csv");
  EXPECT_EQ(utf8(message.caption), "特别提示");
  EXPECT_EQ(message.icon, MessageIcon::Information);
  EXPECT_EQ(test::readFile(file), csvText(rows));
}

TEST_F(ExportRows, WritesTheTxtForm) {
  const std::vector<CandidateRow> rows = {kShopRow};
  const auto file = folder_ / "names.txt";
  EXPECT_TRUE(exportRows(file, rows, ExportFormat::Txt).ok());
  EXPECT_EQ(test::readFile(file), txtText(rows));
}

TEST_F(ExportRows, AFailedWriteIsReportedAsAFailure) {
  const std::vector<CandidateRow> rows = {kShopRow};
  const auto file = folder_ / "no such folder" / "names.csv";
  const UserMessage message = exportMessage(exportRows(file, rows, ExportFormat::Csv));
  EXPECT_EQ(utf8(message.text).rfind("导出失败：", 0), 0u) << utf8(message.text);
  EXPECT_GT(message.text.size(), gbk("导出失败：").size());  // the reason follows
  EXPECT_EQ(utf8(message.caption), "特别提示");
  EXPECT_EQ(message.icon, MessageIcon::Warning);
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(ExportRows, AFolderInTheWayIsAFailure) {
  const auto file = folder_ / "names.csv";
  std::filesystem::create_directory(file);
  EXPECT_FALSE(exportRows(file, {}, ExportFormat::Csv).ok());
  EXPECT_TRUE(std::filesystem::is_directory(file));
}

struct FileNameCase {
  const char* what;
  const char* prefix;
  int bodyLength;
  ExportFormat format;
  const char* expected;
};

TEST(ExportFileName, NamesThePrefixTheLengthAndTheDay) {
  const FileNameCase cases[] = {
      {"the usual", "成都", 2, ExportFormat::Csv, "成都_两字_2026-12-09.csv"},
      {"text and four", "北京", 4, ExportFormat::Txt, "北京_四字_2026-12-09.txt"},
      {"no prefix", "", 3, ExportFormat::Csv, "备选名_三字_2026-12-09.csv"},
      {"barred bytes", "a/b:c*?", 2, ExportFormat::Csv, "a_b_c___两字_2026-12-09.csv"},
      // 乗 (81 5C) ends in a backslash and 亅 (81 7C) in "|": each stays whole.
      {"trail bytes", "乗亅", 2, ExportFormat::Csv, "乗亅_两字_2026-12-09.csv"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(utf8(exportFileName(gbk(c.prefix), c.bodyLength, {2026, 12, 9}, c.format)),
              c.expected)
        << c.what;
  }
}

}  // namespace
}  // namespace zeruda::generation

#include "storage/table_text.h"

#include "storage/built_in_tables.h"
#include "storage/packed_table_text.h"
#include "storage/table_files.h"
#include "storage/table_store.h"
#include "support/temp_folder.h"
#include "support/text_support.h"
#include "text/gbk.h"

#include <gtest/gtest.h>

namespace zeruda::storage {
namespace {

using test::gbk;

// A table source as the build embeds it: GBK, its first line (the comment) left out.
std::string embeddedSource(std::string_view alias) {
  const std::string utf8 =
      test::readFile(std::string(ZERUDA_DATA_DIR) + "/tables/" + std::string(alias) + ".tsv");
  return text::toGbk(utf8.substr(utf8.find('\n') + 1));
}

TEST(ReadTableText, GivesWhatTheBuiltTableFileHolds) {
  for (std::string_view alias : kTableAliases) {
    const std::string file = std::string(alias) + ".dat";
    auto fromText = readTableText(embeddedSource(alias), file);
    auto fromFile = TableStore::openInMemory(builtInTableBlock(alias).value(), file);
    ASSERT_TRUE(fromText.ok()) << alias;
    ASSERT_TRUE(fromFile.ok()) << alias;
    const auto& fields = fromFile.value()->fields();
    ASSERT_EQ(fromText.value().fields.size(), fields.size()) << alias;
    for (std::size_t i = 0; i < fields.size(); ++i) {
      EXPECT_EQ(fromText.value().fields[i].name, fields[i].name) << alias;
      EXPECT_EQ(fromText.value().fields[i].integer, fields[i].integer) << alias;
    }
    EXPECT_EQ(fromText.value().records, fromFile.value()->takeRecords()) << alias;
  }
}

TEST(ReadTableText, RefusesADamagedSource) {
  struct Row {
    const char* name;
    std::string source;
  };
  const Row rows[] = {
      {"empty", ""},
      {"unnamed field", "a\t\n1\t2\n"},
      {"record too short", gbk("汉字\t笔画:integer\n") + gbk("华\n")},
      {"record too long", gbk("汉字\t笔画:integer\n") + gbk("华\t6\t7\n")},
      {"not a whole number", gbk("汉字\t笔画:integer\n") + gbk("华\t六\n")},
  };
  for (const Row& row : rows) {
    auto read = readTableText(row.source, "zk.dat");
    ASSERT_FALSE(read.ok()) << row.name;
    EXPECT_EQ(read.error(), gbk("数据文件已损坏：zk.dat")) << row.name;
  }
}

TEST(ReadTableText, WritesWholeNumbersPlainAndSkipsEmptyLines) {
  auto read = readTableText(gbk("名\t数:integer\r\n甲\t007\r\n\r\n乙\t-3\n"), "t.dat");
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.value().records, (std::vector<TableRecord>{{gbk("甲"), "7"}, {gbk("乙"), "-3"}}));
}

// The dictionary packed as the browser edition carries it gives its text back
// byte for byte, in well under half the bytes; a packed block cut short or
// altered is refused, not read as a smaller table.
TEST(PackedTableText, GivesTheDictionaryBackWhole) {
  const std::string text = embeddedSource("zk");
  const auto packed = packTableText(text);
  ASSERT_TRUE(packed);
  EXPECT_LT(packed->size(), text.size() / 2);
  EXPECT_EQ(unpackTableText(*packed), text);
  EXPECT_FALSE(unpackTableText(packed->substr(0, packed->size() - 1)));
  EXPECT_FALSE(unpackTableText(*packed + "x"));
  EXPECT_FALSE(unpackTableText(text));
}

TEST(PackedTableText, RefusesTextsOfAnotherForm) {
  const std::string fine = gbk("字\t笔画\n啊\t1\n阿\t2\n");
  EXPECT_EQ(unpackTableText(packTableText(fine).value()), fine);
  for (const char* other : {"字\t笔画\n阿\t2\n啊\t1\n",     // not in GBK code order
                            "字\t笔画\n啊\t1\n啊\t1\n",     // a character twice
                            "字\t笔画\nab\t1\n",            // not a character
                            "字\t笔画\n啊阿\t1\n",          // two of them
                            "字\t笔画\n啊\t1\n阿\t2\t3\n",  // a cell too many
                            "字\t笔画\n啊\t1",              // no last line end
                            "字\t笔画\n"}) {                // no rows
    EXPECT_FALSE(packTableText(gbk(other))) << other;
  }
}

}  // namespace
}  // namespace zeruda::storage

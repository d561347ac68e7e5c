#include "storage/data_table.h"

#include "storage/built_in_tables.h"
#include "storage/table_files.h"
#include "storage/working_folder.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"
#include "support/text_support.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <set>
#include <sstream>
#include <thread>

namespace zeruda::storage {
namespace {

namespace fs = std::filesystem;
using test::gbk;
using test::utf8;

// A started window's tables: working folder chosen in a sandbox, table files owned.
class Tables : public testing::Test {
 protected:
  DataTable open(std::string_view alias) {
    auto table = tables_.open(alias);
    EXPECT_TRUE(table.ok()) << utf8(table.ok() ? "" : table.error());
    return table.value();
  }
  std::filesystem::path file(std::string_view alias) const { return tableFile(folder_, alias); }

  test::SandboxedRoots sandbox_;
  WorkingFolder folder_ = chooseDriveRoot(systemRoots());
  TableSet tables_{ownedTableFiles(folder_)};
};

std::vector<std::string> inUtf8(const std::vector<std::string>& texts) {
  std::vector<std::string> out;
  for (const auto& text : texts) out.push_back(utf8(text));
  return out;
}

TEST_F(Tables, StartUpWritesEveryBuiltTableIntoTheWorkingFolder) {
  for (auto alias : kTableAliases) {
    EXPECT_TRUE(fs::is_regular_file(file(alias))) << alias;
    EXPECT_EQ(test::readFile(file(alias)), builtInTableBlock(alias).value()) << alias;
  }
}

TEST_F(Tables, TheNumberLuckTableHoldsNumbersOneTo81WithSevenFields) {
  DataTable sl = open("sl");
  EXPECT_EQ(inUtf8(sl.fieldNames()),
            (std::vector<std::string>{"数理", "吉否", "描述", "基业", "家庭", "健康", "含意"}));
  ASSERT_EQ(sl.recordCount(), 81);
  for (int number = 1; number <= 81; ++number, sl.moveNext()) {
    EXPECT_EQ(sl.recordNumber(), number);
    EXPECT_EQ(sl.field(1).value(), std::to_string(number));
  }
  EXPECT_TRUE(sl.eof());
  EXPECT_EQ(sl.recordNumber(), 82);
}

TEST_F(Tables, TheThreeTalentsTableHoldsAll125Combinations) {
  DataTable sc = open("sc");
  ASSERT_EQ(sc.recordCount(), 125);
  const std::set<std::string> elements = {"木", "火", "土", "金", "水"};
  std::set<std::string> combinations;
  for (; !sc.eof(); sc.moveNext()) {
    std::string combination;
    for (int field = 1; field <= 3; ++field) {
      std::string element = utf8(sc.field(field).value());
      EXPECT_TRUE(elements.contains(element)) << element;
      combination += element;
    }
    combinations.insert(combination);
    EXPECT_FALSE(sc.field(gbk("三才评语")).value().empty());
  }
  EXPECT_EQ(combinations.size(), 125u);
}

// The records of a table source as its lines give them (UTF-8 fields).
std::vector<std::vector<std::string>> sourceRecords(const std::string& alias) {
  std::ifstream in(std::string(ZERUDA_DATA_DIR) + "/tables/" + alias + ".tsv");
  std::vector<std::vector<std::string>> records;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (number <= 2) continue;
    std::vector<std::string> fields;
    std::stringstream cells(line);
    for (std::string cell; std::getline(cells, cell, '\t');) fields.push_back(cell);
    records.push_back(fields);
  }
  return records;
}

TEST_F(Tables, TheCharacterTableFindsEveryCharacterOfItsSourceWithItsFields) {
  const auto source = sourceRecords("zk");
  ASSERT_GT(source.size(), 20000u);
  DataTable zk = open("zk");
  EXPECT_EQ(inUtf8(zk.fieldNames()), (std::vector<std::string>{"汉字", "笔画", "五行", "拼音"}));
  ASSERT_EQ(zk.recordCount(), static_cast<int>(source.size()));
  for (std::size_t i = 0; i < source.size(); ++i) {
    auto element = zk.lookup(gbk("汉字"), gbk(source[i][0]), gbk("五行"));
    ASSERT_TRUE(element.ok() && element.value()) << source[i][0];
    EXPECT_EQ(utf8(*element.value()), source[i][2]) << source[i][0];
    EXPECT_EQ(zk.field(gbk("笔画")).value(), source[i][1]) << source[i][0];
  }
  EXPECT_EQ(zk.lookup(gbk("汉字"), "A", gbk("五行")).value(), std::nullopt);
}

TEST_F(Tables, FieldsReadTheSameByNameAndByNumber) {
  DataTable sl = open("sl");
  sl.moveTo(28);
  const auto names = sl.fieldNames();
  for (int number = 1; number <= 7; ++number) {
    EXPECT_EQ(sl.field(number).value(), sl.field(names[number - 1]).value()) << number;
  }
  EXPECT_EQ(sl.record().value().size(), 7u);
}

struct BadRead {
  const char* name;
  int number;
  const char* field;
  const char* message;
};

class TableReads : public Tables, public testing::WithParamInterface<BadRead> {};

TEST_P(TableReads, AFieldThatIsNotThereIsAnError) {
  DataTable sl = open("sl");
  auto value = GetParam().field ? sl.field(gbk(GetParam().field)) : sl.field(GetParam().number);
  ASSERT_FALSE(value.ok());
  EXPECT_EQ(utf8(value.error()), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TableReads,
    testing::Values(BadRead{"NumberZero", 0, nullptr, "数据表中没有此字段：0"},
                    BadRead{"NumberPastTheLast", 8, nullptr, "数据表中没有此字段：8"},
                    BadRead{"UnknownName", 0, "姓名", "数据表中没有此字段：姓名"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Tables, ReadingPastTheLastRecordIsAnError) {
  DataTable sl = open("sl");
  EXPECT_FALSE(sl.moveTo(82));
  EXPECT_TRUE(sl.eof());
  EXPECT_FALSE(sl.field(1).ok());
}

TEST_F(Tables, OpeningAgainStartsAtTheFirstRecord) {
  DataTable sl = open("sl");
  sl.moveTo(40);
  open("sc");
  EXPECT_EQ(sl.recordNumber(), 40);
  open("sl");
  EXPECT_EQ(sl.recordNumber(), 1);
}

TEST_F(Tables, LocateFindsTheFirstRecordWithTheValue) {
  DataTable sc = open("sc");
  // The source lists the 25 combinations starting with 木 first, then 火.
  ASSERT_TRUE(sc.locate(gbk("三才1"), gbk("火")).value());
  EXPECT_EQ(sc.recordNumber(), 26);
  EXPECT_FALSE(sc.locate(gbk("三才1"), gbk("龘")).value());
  EXPECT_TRUE(sc.eof());
}

TEST_F(Tables, LookupGivesTheWantedFieldOfTheFirstMatch) {
  DataTable sl = open("sl");
  auto description = sl.lookup(gbk("数理"), "28", gbk("描述"));
  sl.moveTo(28);
  EXPECT_EQ(description.value(), sl.field(gbk("描述")).value());
  EXPECT_EQ(sl.lookup(gbk("数理"), "82", gbk("描述")).value(), std::nullopt);
  EXPECT_FALSE(sl.lookup(gbk("数理"), "1", gbk("五行")).ok());
}

TEST_F(Tables, UnknownAliasesAreRefused) {
  auto table = tables_.open("qq");
  ASSERT_FALSE(table.ok());
  EXPECT_EQ(utf8(table.error()), "未知的数据表：qq");
}

TEST_F(Tables, AFileGoneWhileTheProgramRunsIsWrittenAgainAndOpened) {
  fs::remove(file("sc"));
  EXPECT_EQ(open("sc").recordCount(), 125);
  EXPECT_EQ(test::readFile(file("sc")), builtInTableBlock("sc").value());
}

TEST_F(Tables, AFileThatCannotBeWrittenAgainIsReportedByName) {
  fs::remove(file("sc"));
  fs::create_directory(file("sc"));  // nothing can be renamed over a folder
  auto table = tables_.open("sc");
  ASSERT_FALSE(table.ok());
  EXPECT_EQ(utf8(table.error()), "无法写入文件：sc.dat（不是普通文件）");
}

// A link in a table file's place, at start or while the program runs, is replaced
// by a table file of ours; what it points to is never written.
TEST_F(Tables, ALinkInATableFilesPlaceIsReplacedNeverWrittenThrough) {
  const fs::path notes = sandbox_.folder() / "notes.txt";
  test::writeFile(notes, "my notes");
  for (const char* alias : {"sl", "xm"}) {
    fs::remove(file(alias));
    fs::create_symlink(notes, file(alias));
  }
  TableSet started(ownedTableFiles(folder_));
  EXPECT_FALSE(fs::is_symlink(file("sl"))) << "replaced at start";
  fs::remove(file("zk"));
  fs::create_symlink(notes, file("zk"));
  for (const char* alias : {"sl", "xm", "zk"}) {
    EXPECT_TRUE(started.open(alias).ok()) << alias;
    EXPECT_FALSE(fs::is_symlink(file(alias))) << alias;
  }
  EXPECT_TRUE(
      started.open("xm").value().append({"a", "1", "2", "3", "4", "5", "6", "7", "8", "9"}).ok());
  EXPECT_EQ(test::readFile(notes), "my notes");
}

TEST(TablesBeforeStart, TheOwnerCannotOpenBeforeAWorkingFolderIsChosen) {
  TableSet tables(ownedTableFiles(WorkingFolder()));
  auto table = tables.open("sl");
  ASSERT_FALSE(table.ok());
  EXPECT_EQ(utf8(table.error()), "尚未选定工作文件夹");
}

TEST(TablesInMemory, NeitherReadNorTouchTheFoldersFiles) {
  test::SandboxedRoots sandbox;
  const WorkingFolder folder = chooseDriveRoot(systemRoots());
  test::writeFile(tableFile(folder, "sl"), "scribbled over by someone");
  {
    TableSet tables(builtInTables());
    auto xm = tables.open("xm");
    ASSERT_TRUE(xm.ok());
    EXPECT_TRUE(xm.value().append({"a", "1", "2", "3", "4", "5", "6", "7", "8", "9"}).ok());
    EXPECT_EQ(tables.open("sl").value().recordCount(), 81);
  }
  EXPECT_EQ(test::readFile(tableFile(folder, "sl")), "scribbled over by someone");
  EXPECT_FALSE(fs::exists(tableFile(folder, "xm")));
}

std::vector<std::string> gridRecord(const char* name, int stars) {
  return {gbk(name), "15", "28", "15", "28", "1", "5", "8", "5", std::to_string(stars)};
}

TEST_F(Tables, TheScratchTableTakesRecordsAndGivesThemBack) {
  DataTable xm = open("xm");
  EXPECT_EQ(inUtf8(xm.fieldNames()),
            (std::vector<std::string>{"姓名", "天格", "人格", "地格", "总格", "外格", "天才",
                                      "人才", "地才", "星数"}));
  EXPECT_EQ(xm.recordCount(), 0);
  EXPECT_EQ(xm.append(gridRecord("华通", 5)).value(), 1);
  EXPECT_EQ(xm.append(gridRecord("明远", 3)).value(), 2);
  EXPECT_EQ(xm.recordNumber(), 2) << "append moves to the new record";
  EXPECT_EQ(utf8(xm.field(gbk("姓名")).value()), "明远");
  EXPECT_EQ(xm.field(gbk("星数")).value(), "3");
  xm.moveTo(1);
  EXPECT_EQ(utf8(xm.field(1).value()), "华通");
}

TEST_F(Tables, AppendedRecordsAreInTheFileBeforeTheCallReturns) {
  DataTable xm = open("xm");
  xm.append(gridRecord("华通", 5));
  xm.append(gridRecord("明远", 3));
  tables_.closeAll();
  xm = open("xm");
  ASSERT_EQ(xm.recordCount(), 2);
  xm.moveTo(2);
  EXPECT_EQ(utf8(xm.field(gbk("姓名")).value()), "明远");
}

TEST_F(Tables, EmptyingRemovesEveryRecordFromTheFile) {
  DataTable xm = open("xm");
  xm.append(gridRecord("华通", 5));
  ASSERT_TRUE(xm.empty().ok());
  EXPECT_EQ(xm.recordCount(), 0);
  EXPECT_TRUE(xm.eof());
  EXPECT_EQ(xm.append(gridRecord("明远", 3)).value(), 1) << "numbering starts again";
  tables_.closeAll();
  EXPECT_EQ(open("xm").recordCount(), 1);
}

TEST_F(Tables, AppendRefusesRecordsThatDoNotFit) {
  DataTable xm = open("xm");
  auto record = gridRecord("华通", 5);
  record[9] = "five";
  EXPECT_EQ(utf8(xm.append(record).error()), "此字段只能存放整数：星数");
  record.pop_back();
  EXPECT_FALSE(xm.append(record).ok());
  record = gridRecord("华通", 5);
  record[0] = "\xFF\xFF";
  EXPECT_FALSE(xm.append(record).ok());
  EXPECT_EQ(xm.recordCount(), 0);
}

TEST_F(Tables, AHandleOfAClosedTableReadsNothing) {
  DataTable sl = open("sl");
  tables_.closeAll();
  EXPECT_TRUE(sl.eof());
  EXPECT_EQ(sl.recordCount(), 0);
  ASSERT_FALSE(sl.field(1).ok());
  EXPECT_EQ(utf8(sl.field(1).error()), "数据表未打开：sl");
}

TEST_F(Tables, LookupsFromTwoThreadsAtOnceAllFindTheirRecords) {
  DataTable sl = open("sl");
  auto worker = [&](int first, int* misses) {
    for (int round = 0; round < 200; ++round) {
      for (int number = first; number <= 81; number += 2) {
        auto found = sl.lookup(gbk("数理"), std::to_string(number), gbk("数理"));
        if (!found.ok() || found.value() != std::to_string(number)) ++*misses;
      }
    }
  };
  int missesA = 0, missesB = 0;
  std::thread a(worker, 1, &missesA), b(worker, 2, &missesB);
  a.join();
  b.join();
  EXPECT_EQ(missesA + missesB, 0);
}

TEST_F(Tables, TheOwnerDeletesTheFiveTableFilesAndNothingElseWhenItGoes) {
  DataTable sl = open("sl");
  test::writeFile(folder_.file("shengchen.ini"), "[法人资料]\r\n");
  tables_.useSource(builtInTables());
  for (auto alias : kTableAliases) EXPECT_FALSE(fs::exists(file(alias))) << alias;
  EXPECT_TRUE(fs::exists(folder_.file("shengchen.ini")));
  EXPECT_TRUE(fs::exists(folder_.file("1.txt")));
  EXPECT_FALSE(sl.field(1).ok()) << "closed before its file went";
  EXPECT_EQ(open("sl").recordCount(), 81) << "in memory now";
  EXPECT_FALSE(fs::exists(file("sl")));
}

// Damage done to a good table file, as a disk or a careless hand might do it.
struct Damage {
  const char* name;
  std::string (*apply)(std::string file);
};

std::string overwrite(std::string file, std::size_t at, std::string_view bytes) {
  file.replace(at, bytes.size(), bytes);
  return file;
}

class DamagedTable : public Tables, public testing::WithParamInterface<Damage> {};

TEST_P(DamagedTable, IsWrittenAgainFromTheBuiltInCopyAndOpened) {
  const std::string good(builtInTableBlock("sl").value());
  test::writeFile(file("sl"), GetParam().apply(good));
  TableSet started(ownedTableFiles(folder_));  // a file that is there is kept until opened
  EXPECT_EQ(started.open("sl").value().recordCount(), 81);
  EXPECT_EQ(test::readFile(file("sl")), good);
}

// The reason the file could not be written again is what the user needs (here a
// file-size limit, the way a full disk refuses): not that the file is missing.
TEST_F(Tables, AMissingFileThatCannotBeWrittenAgainSaysWhy) {
  fs::remove(file("sc"));
  const int code = test::runWithFileSizeLimit(16, [&] {
    auto table = tables_.open("sc");
    return !table.ok() && utf8(table.error()) == "无法写入文件：sc.dat（文件超过允许的大小）" ? 0
                                                                                              : 3;
  });
  EXPECT_EQ(code, 0);
}

TEST_F(Tables, ADamagedFileThatCannotBeWrittenAgainIsReportedByName) {
  test::writeFile(file("sl"), "not a table");
  pid_t child = ::fork();
  if (child == 0) {
    // A file-size limit makes the rewrite fail the way a full disk does.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{16, 16};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    auto table = tables_.open("sl");
    ::_exit(!table.ok() && utf8(table.error()) == "无法写入文件：sl.dat（文件超过允许的大小）" ? 0
                                                                                               : 3);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedTable,
    testing::Values(
        Damage{"Text", [](std::string) { return std::string("not a table\r\n"); }},
        Damage{"Empty", [](std::string) { return std::string(); }},
        Damage{"CutInHalf", [](std::string f) { return f.substr(0, f.size() / 2); }},
        Damage{"HeaderScribbled",
               [](std::string f) { return overwrite(f, 0, "XXXXXXXXXXXXXXXX"); }},
        // The end of a page holds record contents.
        Damage{"PageScribbled",
               [](std::string f) { return overwrite(f, 4 * 4096 - 64, std::string(64, '\xFF')); }},
        // Header offsets 60 (user version) and 68 (application id), big-endian.
        Damage{"SomeoneElsesDatabase",
               [](std::string f) { return overwrite(f, 68, std::string(4, '\0')); }},
        Damage{"OtherLayoutVersion",
               [](std::string f) { return overwrite(f, 60, std::string("\0\0\0\x02", 4)); }}),
    [](const auto& info) { return std::string(info.param.name); });

// Tables kept in plain vectors, as a build without SQLite keeps them: only "sl",
// with two fields and two records; every open is counted.
class PlainSource final : public TableSource {
 public:
  class PlainTable final : public StoredTable {
   public:
    const std::vector<TableField>& fields() const override { return fields_; }
    std::vector<TableRecord> takeRecords() override { return {{"1", gbk("吉")}, {"2", gbk("凶")}}; }
    Result<TableRecord> append(const TableRecord& values) override { return values; }
    Result<std::vector<TableRecord>> appendAll(const std::vector<TableRecord>& records) override {
      return records;
    }
    Result<Done> clear() override { return Done{}; }

   private:
    std::vector<TableField> fields_ = {{gbk("数理"), true}, {gbk("吉否"), false}};
  };

  explicit PlainSource(int* opens) : opens_(opens) {}
  Result<std::unique_ptr<StoredTable>> open(std::string_view alias) override {
    ++*opens_;
    if (alias != "sl") return Error{gbk("数据文件不存在：") + std::string(alias) + ".dat"};
    return std::unique_ptr<StoredTable>(std::make_unique<PlainTable>());
  }

 private:
  int* opens_;
};

TEST(TableSetOverAnySource, ReadsAndAppendsOnceOpenedAndGivesTheSourcesError) {
  int opens = 0;
  TableSet tables(std::make_unique<PlainSource>(&opens));
  DataTable sl = tables.open("sl").value();
  EXPECT_EQ(utf8(sl.lookup(gbk("数理"), "2", gbk("吉否")).value().value()), "凶");
  EXPECT_EQ(sl.append({"3", gbk("吉")}).value(), 3);
  EXPECT_EQ(utf8(sl.lookup(gbk("数理"), "3", gbk("吉否")).value().value()), "吉");
  EXPECT_EQ(tables.open("sl").value().recordCount(), 3);
  EXPECT_EQ(opens, 1) << "an open table is not asked for again";
  auto zk = tables.open("zk");
  ASSERT_FALSE(zk.ok());
  EXPECT_EQ(utf8(zk.error()), "数据文件不存在：zk.dat");
  tables.closeAll();
  EXPECT_EQ(tables.open("sl").value().recordCount(), 2) << "opened anew from the source";
}

}  // namespace
}  // namespace zeruda::storage

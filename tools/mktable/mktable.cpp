// zeruda_mktable: builds one data table (an SQLite database file) from its readable
// source while the program is built.
//
//   zeruda_mktable INPUT.tsv OUTPUT.db
//
// INPUT is UTF-8 text: line 1 a "# " comment saying where the data comes from,
// line 2 the tab-separated field names, then one record per line. A field name
// may end in ":integer" to store whole numbers; every other field is text.
// Text is stored as UTF-8 so the tables stay readable with the sqlite3 shell; every
// text must also exist in GBK, the program's own encoding, or the build fails.
//
// Identical input gives identical bytes: the database is written from scratch with
// fixed page size, encoding and header fields, in one pass without a journal, and
// records keep their line order. (SQLite writes its own version number into the
// header, so the same SQLite library is part of "identical input".)
#include "storage/table_format.h"

#include <iconv.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using zeruda::storage::kIntegerFieldSuffix;
using zeruda::storage::kTableApplicationId;
using zeruda::storage::kTableLayoutVersion;

struct Field {
  std::string name;
  bool integer = false;
};

struct Source {
  std::string comment;
  std::vector<Field> fields;
  std::vector<std::vector<std::string>> records;
};

// What stops the build, and the source line to blame (0 when no one line is).
class Failure {
 public:
  explicit Failure(std::string message, int line = 0) : message_(std::move(message)), line_(line) {}
  const std::string& message() const { return message_; }
  int line() const { return line_; }

 private:
  std::string message_;
  int line_;
};

std::vector<std::string> splitTabs(std::string_view line) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    std::size_t tab = line.find('\t', start);
    parts.emplace_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return parts;
    start = tab + 1;
  }
}

bool convertsToGbk(const std::string& utf8) {
  static iconv_t cd = iconv_open("GBK", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw Failure("iconv cannot convert UTF-8 to GBK");
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::string in = utf8;
  std::string out(in.size() * 2 + 8, '\0');
  char* src = in.data();
  std::size_t srcLeft = in.size();
  char* dst = out.data();
  std::size_t dstLeft = out.size();
  return iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1);
}

bool isWholeNumber(std::string_view text) {
  if (!text.empty() && text[0] == '-') text.remove_prefix(1);
  if (text.empty() || text.size() > 18) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

Field parseFieldName(const std::string& raw, int column) {
  Field field{raw, false};
  if (raw.size() > kIntegerFieldSuffix.size() &&
      raw.compare(raw.size() - kIntegerFieldSuffix.size(), kIntegerFieldSuffix.size(),
                  kIntegerFieldSuffix) == 0) {
    field.name = raw.substr(0, raw.size() - kIntegerFieldSuffix.size());
    field.integer = true;
  }
  if (field.name.empty()) throw Failure("field " + std::to_string(column) + " has no name", 2);
  if (!convertsToGbk(field.name)) throw Failure("field name " + field.name + " is not in GBK", 2);
  return field;
}

void checkValue(const Field& field, const std::string& value, int lineNumber) {
  const std::string where = "field " + field.name;
  if (field.integer && !isWholeNumber(value)) {
    throw Failure(where + ": \"" + value + "\" is not a whole number", lineNumber);
  }
  if (!field.integer && !convertsToGbk(value)) {
    throw Failure(where + ": text is not valid UTF-8 within GBK", lineNumber);
  }
}

Source readSource(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Failure("cannot read " + path);
  Source source;
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (lineNumber == 1) {
      if (line.rfind("# ", 0) != 0) throw Failure("must be a \"# \" comment", 1);
      source.comment = line.substr(2);
    } else if (lineNumber == 2) {
      int column = 0;
      for (const auto& name : splitTabs(line))
        source.fields.push_back(parseFieldName(name, ++column));
    } else if (!line.empty()) {
      auto values = splitTabs(line);
      if (values.size() != source.fields.size()) {
        throw Failure("has " + std::to_string(values.size()) + " fields where the header names " +
                          std::to_string(source.fields.size()),
                      lineNumber);
      }
      for (std::size_t i = 0; i < values.size(); ++i)
        checkValue(source.fields[i], values[i], lineNumber);
      source.records.push_back(std::move(values));
    }
  }
  if (lineNumber < 2) throw Failure("the field names are missing", 2);
  return source;
}

std::string quoted(const std::string& name) {
  std::string out = "\"";
  for (char c : name) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

class Database {
 public:
  explicit Database(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
      throw Failure("cannot create " + path);
    }
  }
  ~Database() { sqlite3_close(db_); }
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  void run(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
      std::string text = message ? message : "unknown error";
      sqlite3_free(message);
      throw Failure("SQLite: " + text + " in: " + sql);
    }
  }

  sqlite3_stmt* prepare(const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
      throw Failure(std::string("SQLite: ") + sqlite3_errmsg(db_));
    }
    return statement;
  }

  void step(sqlite3_stmt* statement) {
    if (sqlite3_step(statement) != SQLITE_DONE) {
      throw Failure(std::string("SQLite: ") + sqlite3_errmsg(db_));
    }
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
  }

 private:
  sqlite3* db_ = nullptr;
};

void insertRecords(Database& db, const Source& source) {
  std::string sql = "INSERT INTO records VALUES (";
  for (std::size_t i = 0; i < source.fields.size(); ++i) sql += i ? ",?" : "?";
  sql += ")";
  sqlite3_stmt* insert = db.prepare(sql);
  for (const auto& record : source.records) {
    for (std::size_t i = 0; i < record.size(); ++i) {
      const int slot = static_cast<int>(i) + 1;
      if (source.fields[i].integer) {
        sqlite3_bind_int64(insert, slot, std::stoll(record[i]));
      } else {
        sqlite3_bind_text(insert, slot, record[i].data(), static_cast<int>(record[i].size()),
                          SQLITE_TRANSIENT);
      }
    }
    db.step(insert);
  }
  sqlite3_finalize(insert);
}

void insertAbout(Database& db, const Source& source, const std::string& inputName) {
  sqlite3_stmt* insert = db.prepare("INSERT INTO about VALUES (?, ?)");
  const std::pair<std::string, std::string> rows[] = {
      {"made_by", "tools/mktable"}, {"source", inputName}, {"comment", source.comment}};
  for (const auto& [key, value] : rows) {
    sqlite3_bind_text(insert, 1, key.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 2, value.c_str(), -1, SQLITE_TRANSIENT);
    db.step(insert);
  }
  sqlite3_finalize(insert);
}

void writeDatabase(const Source& source, const std::string& path, const std::string& inputName) {
  Database db(path);
  // Settings that decide the file's bytes are set explicitly, not left to defaults.
  db.run("PRAGMA page_size = 4096; PRAGMA encoding = 'UTF-8'; PRAGMA auto_vacuum = NONE;");
  db.run("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;");
  db.run("PRAGMA application_id = " + std::to_string(kTableApplicationId) +
         "; PRAGMA user_version = " + std::to_string(kTableLayoutVersion) + ";");
  db.run("BEGIN");
  std::string create = "CREATE TABLE records (";
  for (std::size_t i = 0; i < source.fields.size(); ++i) {
    if (i) create += ", ";
    create += quoted(source.fields[i].name) + (source.fields[i].integer ? " INTEGER" : " TEXT");
  }
  db.run(create + ")");
  db.run("CREATE TABLE about (key TEXT, value TEXT)");
  insertRecords(db, source);
  insertAbout(db, source, inputName);
  db.run("COMMIT");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: zeruda_mktable INPUT.tsv OUTPUT.db\n";
    return 2;
  }
  const std::string input = argv[1], output = argv[2];
  // Only the file name goes into the table, so the bytes do not depend on where the
  // sources are checked out.
  const std::string inputName = std::filesystem::path(input).filename().string();
  const std::string partial = output + ".partial";
  std::error_code ignored;
  try {
    Source source = readSource(input);
    std::filesystem::remove(partial);
    writeDatabase(source, partial, inputName);
    std::filesystem::rename(partial, output);
  } catch (const Failure& failure) {
    std::filesystem::remove(partial, ignored);
    // "path:line: what", the form editors and build logs know how to follow.
    const std::string line = failure.line() > 0 ? ":" + std::to_string(failure.line()) : "";
    std::cerr << "zeruda_mktable: " << input << line << ": " << failure.message() << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::filesystem::remove(partial, ignored);
    std::cerr << "zeruda_mktable: " << input << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}

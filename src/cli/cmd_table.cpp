// zeruda-cli table ALIAS: a data table as tab-separated lines, field names first.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/command_list.h"
#include "cli/command_session.h"
#include "cli/terminal.h"
#include "storage/table_source.h"

#include <algorithm>

namespace zeruda::cli {
namespace {

// A cell on one line: tabs, line breaks and backslashes are written as escapes.
std::string cell(std::string_view gbk) {
  std::string text = fromGbk(gbk), out;
  for (char c : text) {
    switch (c) {
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out += c;
    }
  }
  return out;
}

void printLine(std::ostream& out, const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) out << (i ? "\t" : "") << cell(cells[i]);
  out << '\n';
}

}  // namespace

int runTable(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args parsed(args, {});
  parsed.expectPositional(1, "ALIAS");
  const std::string& alias = parsed.positional()[0];
  if (std::find(storage::kTableAliases.begin(), storage::kTableAliases.end(), alias) ==
      storage::kTableAliases.end()) {
    throw UsageError("unknown table '" + alias + "' (sl, sc, xm, gs or zk)");
  }
  CommandSession session(err);
  auto opened = session.tables().open(alias);
  if (!opened.ok()) {
    err << "zeruda-cli table: " << fromGbk(opened.error()) << '\n';
    return kExitRefused;
  }
  storage::DataTable table = opened.value();
  printLine(out, table.fieldNames());
  for (; !table.eof(); table.moveNext()) {
    auto record = table.record();
    if (!record.ok()) {
      err << "zeruda-cli table: " << fromGbk(record.error()) << '\n';
      return kExitRefused;
    }
    printLine(out, record.value());
  }
  return kExitOk;
}

}  // namespace zeruda::cli

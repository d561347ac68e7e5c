// zeruda-cli article list | show TITLE [N]: the reference library's built-in pages.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/command_list.h"
#include "cli/terminal.h"
#include "library/library_entries.h"

#include <chrono>

namespace zeruda::cli {
namespace {

constexpr std::string_view kUsage =
    "usage: zeruda-cli article list\n"
    "       zeruda-cli article show TITLE [N]\n"
    "list: one line per built-in page: title, file (yxzs.htm, mszs.htm, qmzs.htm or -)\n"
    "      and menu group (公司取名知识 for the knowledge tree's texts), tab-separated.\n"
    "show: the page's text without markup; N picks among pages sharing the title (1).\n";

int currentYear() {
  const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  return static_cast<int>(std::chrono::year_month_day(today).year());
}

// Terminal lines end in a bare line feed.
std::string terminalText(std::string_view gbk) {
  std::string text = fromGbk(gbk), out;
  for (char c : text) {
    if (c != '\r') out += c;
  }
  return out;
}

int list(std::ostream& out) {
  for (const library::LibraryEntry& page : library::listedPages()) {
    out << fromGbk(page.title) << '\t' << page.file << '\t' << fromGbk(page.group) << '\n';
  }
  return kExitOk;
}

int show(const Args& parsed, std::ostream& out, std::ostream& err) {
  const auto& words = parsed.positional();
  if (words.size() < 2 || words.size() > 3) throw UsageError("show needs TITLE and at most N");
  const std::string title = argToGbk(words[1], "TITLE");
  const int wanted = words.size() == 3 ? parseInt(words[2], 1, 99, "N") : 1;
  int seen = 0;
  for (const library::LibraryEntry& page : library::listedPages()) {
    if (page.title != title || ++seen != wanted) continue;
    out << terminalText(library::pageFor(page, currentYear()).text);
    return kExitOk;
  }
  err << "zeruda-cli article: "
      << (seen == 0 ? "no page titled " + words[1]
                    : "only " + std::to_string(seen) + " page(s) titled " + words[1])
      << '\n';
  return kExitRefused;
}

}  // namespace

int runArticle(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const Args parsed(args, {}, {"help"});
  if (parsed.flag("help")) {
    out << kUsage;
    return kExitOk;
  }
  const auto& words = parsed.positional();
  if (!words.empty() && words[0] == "list" && words.size() == 1) return list(out);
  if (!words.empty() && words[0] == "show") return show(parsed, out, err);
  throw UsageError("expected 'list' or 'show TITLE [N]' (see --help)");
}

}  // namespace zeruda::cli

#include "markdown.h"

#include "text/markup_escape.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

namespace zeruda::articles {
namespace {

constexpr std::string_view kEol = "\r\n";
constexpr std::array<std::string_view, 4> kHeaderKeys = {"title", "file", "group", "order"};
constexpr std::array<std::string_view, 4> kFiles = {"yxzs.htm", "mszs.htm", "qmzs.htm", "-"};

[[noreturn]] void fail(int line, const std::string& what) { throw FormatError(line, what); }

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::string_view trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// Refuses the Markdown the format leaves out, so it never reaches a page as litter.
void checkInline(std::string_view text, int line) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (c == '\t') fail(line, "tab character");
    if (c == '`') fail(line, "code markup");
    if (c == '<' &&
        (std::isalpha(static_cast<unsigned char>(next)) || next == '/' || next == '!')) {
      fail(line, "raw HTML");
    }
    if ((c == ']' && next == '(') || (c == '!' && next == '[')) fail(line, "link or image");
  }
}

// A line's text with its **bold** runs, as HTML or as plain text.
std::string renderInline(std::string_view text, int line, bool html) {
  checkInline(text, line);
  std::string out;
  bool bold = false;
  std::size_t start = 0;
  while (true) {
    const std::size_t mark = text.find("**", start);
    const std::string_view piece = text.substr(start, mark - start);
    out += html ? zeruda::text::escapeMarkup(piece) : std::string(piece);
    if (mark == std::string_view::npos) break;
    bold = !bold;
    if (html) out += bold ? "<b>" : "</b>";
    start = mark + 2;
  }
  if (bold) fail(line, "unclosed **");
  return out;
}

std::vector<std::string_view> tableCells(std::string_view row, int line) {
  if (row.size() < 2 || row.back() != '|') fail(line, "table row must begin and end with |");
  std::vector<std::string_view> cells;
  std::size_t start = 1;
  while (start < row.size()) {
    const std::size_t bar = row.find('|', start);
    cells.push_back(trim(row.substr(start, bar - start)));
    start = bar + 1;
  }
  return cells;
}

bool isSeparatorCell(std::string_view cell) {
  if (!cell.empty() && cell.front() == ':') cell.remove_prefix(1);
  if (!cell.empty() && cell.back() == ':') cell.remove_suffix(1);
  return !cell.empty() && cell.find_first_not_of('-') == std::string_view::npos;
}

// The number of a "12. " item, or 0 when the line is not one.
int itemNumber(std::string_view line) {
  std::size_t digits = 0;
  while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))) ++digits;
  if (digits == 0 || digits > 3 || line.substr(digits, 2) != ". ") return 0;
  return std::stoi(std::string(line.substr(0, digits)));
}

class BodyRenderer {
 public:
  explicit BodyRenderer(std::string title) { text_ = title + std::string(kEol); }

  void line(std::string_view source, int number) {
    number_ = number;
    if (source.empty()) return close();
    if (source.front() == ' ') fail(number, "indented line (nothing nests)");
    if (source.starts_with("### ")) return heading(source.substr(4), "h4");
    if (source.starts_with("## ")) return heading(source.substr(3), "h3");
    if (source.front() == '#') fail(number, "only ## and ### headings");
    if (source.front() == '>') fail(number, "block quote");
    if (source.starts_with("* ") || source.starts_with("+ ")) fail(number, "list items use \"- \"");
    if (source.starts_with("- ")) return item(source.substr(2), Block::kBullets, 0);
    if (const int n = itemNumber(source)) {
      return item(source.substr(source.find(' ') + 1), Block::kNumbers, n);
    }
    if (source.front() == '|') return tableRow(source);
    if (source.find('|') != std::string_view::npos) fail(number, "| outside a table");
    close();
    startBlock();
    html_ += "<p>" + renderInline(source, number, true) + "</p>" + std::string(kEol);
    text_ += renderInline(source, number, false) + std::string(kEol);
  }

  void finish(Article& article) {
    close();
    if (!hadBlock_) fail(number_, "empty body");
    article.bodyHtml = std::move(html_);
    article.text = std::move(text_);
  }

 private:
  enum class Block { kNone, kBullets, kNumbers, kTableHead, kTableRule, kTableBody };

  // Every block is set off from the one before by an empty line in the plain text.
  void startBlock() {
    text_ += kEol;
    hadBlock_ = true;
  }

  void heading(std::string_view title, const char* tag) {
    close();
    startBlock();
    if (trim(title).empty()) fail(number_, "empty heading");
    html_ += std::string("<") + tag + ">" + renderInline(title, number_, true) + "</" + tag + ">" +
             std::string(kEol);
    text_ += renderInline(title, number_, false) + std::string(kEol);
  }

  void item(std::string_view content, Block kind, int n) {
    if (trim(content).empty()) fail(number_, "empty list item");
    if (block_ != kind) {
      close();
      startBlock();
      block_ = kind;
      if (kind == Block::kBullets) {
        html_ += "<ul>" + std::string(kEol);
      } else {
        html_ += (n == 1 ? std::string("<ol>") : "<ol start=\"" + std::to_string(n) + "\">") +
                 std::string(kEol);
      }
    }
    html_ += "<li>" + renderInline(content, number_, true) + "</li>" + std::string(kEol);
    text_ += (kind == Block::kBullets ? std::string("\xC2\xB7 ") : std::to_string(n) + ". ") +
             renderInline(content, number_, false) + std::string(kEol);
  }

  void tableRow(std::string_view row) {
    const std::vector<std::string_view> cells = tableCells(row, number_);
    if (block_ == Block::kTableHead) {
      if (cells.size() != columns_) fail(number_, "separator row has another cell count");
      for (std::string_view cell : cells) {
        if (!isSeparatorCell(cell)) fail(number_, "second table row must be |---|");
      }
      block_ = Block::kTableRule;
      return;
    }
    const bool head = block_ != Block::kTableRule && block_ != Block::kTableBody;
    if (head) {
      close();
      startBlock();
      columns_ = cells.size();
      html_ += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">" + std::string(kEol);
    } else if (cells.size() != columns_) {
      fail(number_, "table row has " + std::to_string(cells.size()) + " cells, the header " +
                        std::to_string(columns_));
    }
    const char* tag = head ? "th" : "td";
    html_ += "<tr>";
    std::string plain;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      html_ +=
          std::string("<") + tag + ">" + renderInline(cells[i], number_, true) + "</" + tag + ">";
      plain += (i ? "\t" : "") + renderInline(cells[i], number_, false);
    }
    html_ += "</tr>" + std::string(kEol);
    text_ += plain + std::string(kEol);
    block_ = head ? Block::kTableHead : Block::kTableBody;
  }

  void close() {
    switch (block_) {
      case Block::kBullets:
        html_ += "</ul>" + std::string(kEol);
        break;
      case Block::kNumbers:
        html_ += "</ol>" + std::string(kEol);
        break;
      case Block::kTableHead:
        fail(number_, "table without a |---| row");
      case Block::kTableRule:
      case Block::kTableBody:
        html_ += "</table>" + std::string(kEol);
        break;
      case Block::kNone:
        break;
    }
    block_ = Block::kNone;
  }

  std::string html_, text_;
  Block block_ = Block::kNone;
  std::size_t columns_ = 0;
  int number_ = 0;
  bool hadBlock_ = false;
};

std::string headerValue(std::string_view line, std::string_view key, int number) {
  if (!line.starts_with(key) || line.substr(key.size(), 2) != ": ") {
    fail(number, "header line must be \"" + std::string(key) + ": ...\"");
  }
  const std::string_view value = trim(line.substr(key.size() + 2));
  if (value.empty()) fail(number, "empty " + std::string(key));
  return std::string(value);
}

int parseOrder(const std::string& value, int line) {
  if (value.find_first_not_of("0123456789") != std::string::npos || value.size() > 4) {
    fail(line, "order must be a whole number");
  }
  return std::stoi(value);
}

}  // namespace

Article parseArticle(std::string_view source) {
  const std::vector<std::string_view> lines = splitLines(source);
  if (lines.size() <= kHeaderKeys.size() || lines[kHeaderKeys.size()] != "---") {
    fail(static_cast<int>(kHeaderKeys.size()) + 1, "header must be four lines, then ---");
  }
  Article article;
  std::array<std::string, 4> values;
  for (std::size_t i = 0; i < kHeaderKeys.size(); ++i) {
    values[i] = headerValue(lines[i], kHeaderKeys[i], static_cast<int>(i) + 1);
  }
  article.title = values[0];
  article.file = values[1];
  article.group = values[2];
  article.order = parseOrder(values[3], 4);
  if (std::find(kFiles.begin(), kFiles.end(), article.file) == kFiles.end()) {
    fail(2, "file must be yxzs.htm, mszs.htm, qmzs.htm or -");
  }
  checkInline(article.title, 1);

  BodyRenderer body(article.title);
  for (std::size_t i = kHeaderKeys.size() + 1; i < lines.size(); ++i) {
    body.line(lines[i], static_cast<int>(i) + 1);
  }
  body.finish(article);
  return article;
}

}  // namespace zeruda::articles

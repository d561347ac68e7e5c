#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace zeruda::articles {

// A source that breaks the article format, and the line that breaks it (0 when no
// one line is to blame), so the build stops pointing at the place to mend.
class FormatError : public std::runtime_error {
 public:
  FormatError(int line, const std::string& what) : std::runtime_error(what), line_(line) {}
  explicit FormatError(const std::string& what) : FormatError(0, what) {}
  int line() const { return line_; }

 private:
  int line_;
};

// One article source: the header block, and its body rendered twice.
struct Article {
  std::string title;
  std::string file;  // "yxzs.htm", "mszs.htm", "qmzs.htm" or "-"
  std::string group;
  int order = 0;
  std::string bodyHtml;  // the HTML inside <body>, CR LF line ends
  std::string text;      // the same without markup, CR LF line ends
};

// Parses a whole source (UTF-8, LF line ends): a header of title, file, group and
// order lines, a "---" line, then a body in our Markdown subset (## and ### headings,
// one-line paragraphs, "- " and "1. " items, **bold**, pipe tables). Anything else is
// a FormatError: a converter that guessed would hide mistakes in the texts.
Article parseArticle(std::string_view source);

}  // namespace zeruda::articles

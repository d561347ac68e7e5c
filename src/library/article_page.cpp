#include "library/article_page.h"

namespace zeruda::library {
namespace {

std::string escapeHtml(std::string_view gbk) {
  std::string out;
  for (char c : gbk) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace

ArticlePage pageOf(const ArticleSource& source) {
  return {std::string(source.title), std::string(source.file), std::string(source.bodyHtml),
          std::string(source.text)};
}

std::string pageDocument(const ArticlePage& page) {
  // GBK and ASCII share the markup's bytes, so the frame is put together as it is.
  const std::string title = escapeHtml(page.title);
  return "\r\n<html>\r\n<head>\r\n"
         "<meta http-equiv=\"Content-Language\" content=\"zh-cn\">\r\n"
         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n"
         "<title>" +
         title +
         "</title>\r\n</head>\r\n"
         "<body topmargin=\"20\" leftmargin=\"20\" rightmargin=\"20\" bottommargin=\"20\">\r\n"
         "<h2>" +
         title + "</h2>\r\n" + page.bodyHtml + "</body>\r\n</html>\r\n";
}

}  // namespace zeruda::library

#include "library/article_page.h"

#include "text/markup_escape.h"

namespace zeruda::library {

ArticlePage pageOf(const ArticleSource& source) {
  return {std::string(source.title), std::string(source.file), std::string(source.bodyHtml),
          std::string(source.text)};
}

std::string pageDocument(const ArticlePage& page) {
  // GBK and ASCII share the markup's bytes, so the frame is put together as it is.
  const std::string title = text::escapeMarkup(page.title);
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

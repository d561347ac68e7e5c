#include "cli/terminal.h"

#include "cli/command.h"
#include "text/gbk.h"

namespace zeruda::cli {

std::string argToGbk(std::string_view utf8, std::string_view what) {
  auto converted = text::utf8ToGbk(utf8);
  if (!converted.ok()) {
    throw UsageError(std::string(what) + " is not valid UTF-8 text within GBK (" +
                     converted.error() + ")");
  }
  return std::move(converted).value();
}

std::string fromGbk(std::string_view gbk) { return text::displayUtf8(gbk); }

}  // namespace zeruda::cli

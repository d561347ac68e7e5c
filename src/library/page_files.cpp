#include "library/page_files.h"

#include "storage/atomic_file.h"
#include "storage/working_folder.h"
#include "text/gbk_literal.h"

namespace zeruda::library {

using namespace text::literals;

namespace {

// Set and read by the user-interface thread only.
std::string& address() {
  static std::string shown;
  return shown;
}

}  // namespace

Result<std::filesystem::path> writePage(const ArticlePage& page) {
  if (page.file != kFolkFile && page.file != kTablesFile && page.file != kKnowledgeFile) {
    return Error{"这一页不写入文件："_gbk + page.title};
  }
  const std::filesystem::path path = storage::workingPath(page.file);
  if (path.empty()) return Error{"工作文件夹尚未选定"_gbk};
  const Result<Done> written = storage::writeFileAtomically(path, pageDocument(page));
  if (!written) return Error{written.error()};
  return path;
}

Result<std::filesystem::path> openArticle(const ArticlePage& page) {
  Result<std::filesystem::path> written = writePage(page);
  if (written) setViewerAddress(written.value().string());
  return written;
}

const std::string& viewerAddress() { return address(); }

void setViewerAddress(std::string shown) { address() = std::move(shown); }

}  // namespace zeruda::library

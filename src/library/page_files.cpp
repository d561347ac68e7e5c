#include "library/page_files.h"

#include "storage/atomic_file.h"
#include "text/gbk_literal.h"

namespace zeruda::library {

using namespace text::literals;

namespace {

// Set and read by the user-interface thread only.
std::string& address() {
  static std::string shown;
  return shown;
}

bool isPageFile(std::string_view file) {
  return file == kFolkFile || file == kTablesFile || file == kKnowledgeFile;
}

Result<std::filesystem::path> writeDocument(std::string_view file, std::string_view document,
                                            const storage::WorkingFolder& folder) {
  const std::filesystem::path path = folder.file(file);
  if (path.empty()) return Error{"工作文件夹尚未选定"_gbk};
  const Result<Done> written = storage::writeOwnedFile(path, document);
  if (!written) return written.failure();
  return path;
}

}  // namespace

Result<std::filesystem::path> writePage(const ArticlePage& page,
                                        const storage::WorkingFolder& folder) {
  if (!isPageFile(page.file)) return Error{"这一页不写入文件："_gbk + page.title};
  return writeDocument(page.file, pageDocument(page), folder);
}

Result<std::filesystem::path> openFetchedPage(std::string_view file, std::string_view document,
                                              const storage::WorkingFolder& folder) {
  if (!isPageFile(file)) return Error{"这一页不写入文件："_gbk + std::string(file)};
  Result<std::filesystem::path> written = writeDocument(file, document, folder);
  if (written) setViewerAddress(written.value().string());
  return written;
}

Result<std::filesystem::path> openArticle(const ArticlePage& page,
                                          const storage::WorkingFolder& folder) {
  Result<std::filesystem::path> written = writePage(page, folder);
  if (written) setViewerAddress(written.value().string());
  return written;
}

const std::string& viewerAddress() { return address(); }

void setViewerAddress(std::string shown) { address() = std::move(shown); }

}  // namespace zeruda::library

#pragma once

#include "library/article_page.h"
#include "storage/working_folder.h"
#include "text/result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zeruda::library {

// Writes the page's whole document over its file in the working folder and returns
// the file's path. A page without a file, or no working folder, is an error, as is
// a failed write (the old file then stays as it was).
Result<std::filesystem::path> writePage(const ArticlePage& page,
                                        const storage::WorkingFolder& folder);

// Opening an article: its page is written and the viewer address set to the file.
Result<std::filesystem::path> openArticle(const ArticlePage& page,
                                          const storage::WorkingFolder& folder);

// Opening a page fetched online: its bytes are written as they came over `file` (one
// of the page files) and the viewer address set to it.
Result<std::filesystem::path> openFetchedPage(std::string_view file, std::string_view document,
                                              const storage::WorkingFolder& folder);

// The address the article viewer shows: a local file path or a web address.
const std::string& viewerAddress();
void setViewerAddress(std::string address);

}  // namespace zeruda::library

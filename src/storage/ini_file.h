#pragma once

#include "storage/ini_document.h"
#include "text/result.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace zeruda::storage {

// The INI file as a document. A missing or unreadable file reads as an empty one.
// The file is GBK; a file that starts with the UTF-8 byte-order mark (an editor
// saved it as UTF-8) is read as UTF-8 and converted, so its values are not lost and
// the next write stores it as GBK again.
IniDocument loadIniFile(const std::filesystem::path& file);

// One value, as the Windows profile functions read it: empty when the file, the
// section or the key is missing.
std::string readProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key);

// Changes the file in one step: loads it, lets `change` edit the document, and
// writes the whole file back atomically (GBK, "\r\n" line ends, no byte-order
// mark), creating it when missing. The file is one of the working folder's own: a
// link in its place is neither read nor written through, but replaced. Changes from threads of this
// program and from other processes of it (an advisory lock on the file's folder) are serialised, so
// none is lost. Nothing is written when `change` fails.
Result<Done> updateIniFile(const std::filesystem::path& file,
                           const std::function<Result<Done>(IniDocument&)>& change);

// One value, written as the Windows profile functions write it; the file and the
// section are created when missing.
Result<Done> writeProfileString(const std::filesystem::path& file, std::string_view section,
                                std::string_view key, std::string_view value);

}  // namespace zeruda::storage

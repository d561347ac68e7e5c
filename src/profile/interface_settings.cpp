#include "profile/interface_settings.h"

#include "storage/ini_file.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

namespace zeruda::profile {
namespace {

using namespace text::literals;

const std::string& exportFolderKey() { return "导出目录"_gbk; }

}  // namespace

const std::string& interfaceSection() { return "界面"_gbk; }

std::filesystem::path readExportFolder(const std::filesystem::path& file) {
  // File names here are UTF-8, the profile's values GBK.
  auto folder =
      text::gbkToUtf8(storage::readProfileString(file, interfaceSection(), exportFolderKey()));
  return folder ? std::filesystem::path(folder.value()) : std::filesystem::path();
}

Result<Done> writeExportFolder(const std::filesystem::path& file,
                               const std::filesystem::path& folder) {
  auto value = text::utf8ToGbk(folder.string());
  if (!value) return value.failure();
  return storage::writeProfileString(file, interfaceSection(), exportFolderKey(), value.value());
}

}  // namespace zeruda::profile

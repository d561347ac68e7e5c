#include "app/folder_notice.h"

#include "text/gbk.h"
#include "text/gbk_literal.h"

namespace zeruda::app {
namespace {

using namespace text::literals;

// A path inside a GBK text: the file system's UTF-8 converted, its bytes kept as
// they are where they do not convert.
std::string pathText(const std::filesystem::path& path) {
  auto converted = text::utf8ToGbk(path.string());
  return converted.ok() ? std::move(converted).value() : path.string();
}

}  // namespace

std::string workingFolderNotice(const storage::WorkingFolder& folder,
                                const storage::WorkingRoots& roots) {
  std::string why;
  switch (folder.placement()) {
    case storage::Placement::Primary:
      return {};
    case storage::Placement::NoPrimary:
      why = "没有设置主文件夹（HOME），找不到数据文件夹"_gbk;
      break;
    case storage::Placement::PrimaryNotWritable:
      why = "数据文件夹 "_gbk + pathText(storage::workingFolderUnder(roots.primary)) +
            " 无法写入"_gbk;
      break;
  }
  if (folder.root().empty()) {
    return why + "，临时文件夹中的 "_gbk + pathText(roots.fallback) +
           " 又不是只属于本用户的文件夹：本次运行不保存任何工作文件（法人资料等）。"_gbk;
  }
  return why + "：本次运行的工作文件（法人资料等）存放在只有本用户能进入的临时文件夹 "_gbk +
         pathText(folder.path()) + "，重启电脑后可能丢失。"_gbk;
}

}  // namespace zeruda::app

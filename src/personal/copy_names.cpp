#include "personal/copy_names.h"

#include "text/gbk_literal.h"

namespace zeruda::personal {

using namespace text::literals;

std::string namesClipboardText(std::span<const std::string> names) {
  std::string text;
  for (const auto& name : names) {
    text += name;
    text += "\r\n";
  }
  return text;
}

UserMessage copyNamesMessage(CopyOutcome outcome) {
  switch (outcome) {
    case CopyOutcome::NothingToCopy:
      return {"没有可复制的名字！"_gbk, "提示"_gbk, MessageIcon::Warning, {}};
    case CopyOutcome::Copied:
      return {"复制名字成功！"_gbk, "提示"_gbk, MessageIcon::Information, {}};
    case CopyOutcome::Failed:
      break;
  }
  return {"复制名字失败！"_gbk, "提示"_gbk, MessageIcon::Warning, {}};
}

}  // namespace zeruda::personal

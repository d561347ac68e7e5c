// The registration splitter: any line is cut without harm into parts that all come
// from the name (nothing invented, nothing counted twice; a region in brackets is
// taken out and the rest read as one), and a GBK name into parts of whole characters.
#include "property.h"
#include "registration/name_parts.h"
#include "text/characters.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace zeruda::text::literals;

// What stands in full-width brackets in `text`, and the text without them: the
// splitter reads bracketed regions apart from the rest.
struct Brackets {
  std::vector<std::string> groups;  // what each pair holds, in order
  std::string inside;               // all of them in one
  std::string outside;
};

Brackets brackets(std::string_view text) {
  Brackets read;
  const std::string& open = "（"_gbk;
  const std::string& close = "）"_gbk;
  // Searched from a place in the whole text, not in what is left of it: character
  // boundaries are counted from the text's start.
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t at = zeruda::text::findCharacterAware(text, open, pos);
    const std::size_t end =
        at == std::string_view::npos ? at : zeruda::text::findCharacterAware(text, close, at);
    if (end == std::string_view::npos) break;
    read.outside += text.substr(pos, at - pos);
    read.groups.emplace_back(text.substr(at + open.size(), end - at - open.size()));
    read.inside += read.groups.back();
    pos = end + close.size();
  }
  if (pos < text.size()) read.outside += text.substr(pos);
  return read;
}

// Whether `text` is some of `groups` put together, each whole and in their order.
bool joinsSomeOf(std::string_view text, const std::vector<std::string>& groups) {
  std::vector<bool> reached(text.size() + 1, false);  // where a join of groups can end
  reached[0] = true;
  for (const std::string& group : groups) {
    std::vector<bool> next = reached;
    for (std::size_t at = 0; at + group.size() <= text.size(); ++at) {
      if (reached[at] && text.substr(at, group.size()) == group) next[at + group.size()] = true;
    }
    reached = std::move(next);
  }
  return reached[text.size()];
}

// A part taken from the name: a run of it, or of it read without its brackets, or
// two runs where a bracketed mark read apart was put back behind its part
// (合伙企业 + （有限合伙）).
bool fromName(const std::string& part, const std::string& name) {
  if (name.find(part) != std::string::npos) return true;
  const Brackets whole = brackets(name);
  if (whole.outside.find(brackets(part).outside) != std::string::npos) return true;
  const std::string& open = "（"_gbk;
  const std::size_t mark = part.rfind(open);
  return mark != std::string::npos && name.find(part.substr(0, mark)) != std::string::npos &&
         name.find(part.substr(mark)) != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view name(reinterpret_cast<const char*>(data), size);
  const zeruda::registration::NameParts parts = zeruda::registration::splitFullName(name);
  const std::string& written = parts.written;
  std::size_t total = 0;
  const bool wholeGbk = zeruda::text::gbkToUtf8(written).ok();
  // The region after the trade name: a division at its end, or what some of its
  // brackets hold, in their order.
  FUZZ_PROPERTY(written.find(parts.regionAfter) != std::string::npos ||
                joinsSomeOf(parts.regionAfter, brackets(written).groups));
  total += parts.regionAfter.size();
  for (const std::string* part :
       {&parts.crown, &parts.region, &parts.body, &parts.industry, &parts.form, &parts.branch}) {
    total += part->size();
    FUZZ_PROPERTY(fromName(*part, written));
    if (wholeGbk) FUZZ_PROPERTY(zeruda::text::gbkToUtf8(*part).ok());
  }
  FUZZ_PROPERTY(total <= written.size());
  FUZZ_PROPERTY(parts.fullName() == written);
  // The same name cut again is cut the same way.
  FUZZ_PROPERTY(splitOf(zeruda::registration::splitFullName(name)) == splitOf(parts));
  return 0;
}

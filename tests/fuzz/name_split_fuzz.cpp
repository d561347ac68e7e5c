// The registration splitter: any line is cut without harm into parts that all come
// from the name (nothing invented, nothing counted twice; a region in brackets is
// taken out and the rest read as one), and a GBK name into parts of whole characters.
#include "property.h"
#include "registration/name_parts.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace zeruda::text::literals;

// The name with its bracketed region taken out, as the splitter reads the rest.
std::string withoutRegionAfter(const zeruda::registration::NameParts& parts) {
  std::string name = parts.written;
  if (parts.regionAfter.empty()) return name;
  const std::string bracketed = "（"_gbk + parts.regionAfter + "）"_gbk;
  const std::size_t at = name.find(bracketed);
  if (at != std::string::npos) name.erase(at, bracketed.size());
  return name;
}

// A part taken from the name: a run of it (or of it without its bracketed region),
// or two runs where a bracketed mark read apart was put back behind its part
// (合伙企业 + （有限合伙）).
bool fromName(const std::string& part, const std::string& name, const std::string& rest) {
  if (name.find(part) != std::string::npos || rest.find(part) != std::string::npos) return true;
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
  const std::string rest = withoutRegionAfter(parts);
  std::size_t total = 0;
  const bool wholeGbk = zeruda::text::gbkToUtf8(written).ok();
  for (const std::string* part : {&parts.crown, &parts.region, &parts.body, &parts.industry,
                                  &parts.form, &parts.regionAfter, &parts.branch}) {
    total += part->size();
    FUZZ_PROPERTY(fromName(*part, written, rest));
    if (wholeGbk) FUZZ_PROPERTY(zeruda::text::gbkToUtf8(*part).ok());
  }
  FUZZ_PROPERTY(total <= written.size());
  FUZZ_PROPERTY(parts.fullName() == written);
  // The same name cut again is cut the same way.
  FUZZ_PROPERTY(splitOf(zeruda::registration::splitFullName(name)) == splitOf(parts));
  return 0;
}

// The page's request reader: any bytes are read without harm, and a text it hands out
// as GBK is exactly the UTF-8 the page sent, so nothing typed is changed on the way in.
#include "property.h"
#include "text/gbk.h"
#include "wasm/request.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using zeruda::Field;
using zeruda::wasm::Request;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view json(reinterpret_cast<const char*>(data), size);
  const auto request = Request::parse(json);
  const auto again = Request::parse(json);
  FUZZ_PROPERTY(request.ok() == again.ok());
  if (!request.ok()) {
    FUZZ_PROPERTY(request.error() == again.error() && !request.error().empty());
    return 0;
  }
  // The keys the seeds use; the fuzzer finds its way to them.
  for (std::string_view key : {"surname", "given", "lines", "count", "raw", "x"}) {
    const auto utf8 = request.value().utf8(key, Field::None);
    const auto gbk = request.value().text(key, Field::None);
    if (utf8.ok() && gbk.ok()) {
      FUZZ_PROPERTY(zeruda::text::toUtf8(gbk.value()) == utf8.value());
    }
    // A text the reader hands out is UTF-8 the GBK tables can say whether they hold.
    if (utf8.ok()) FUZZ_PROPERTY(zeruda::text::utf8ToGbk(utf8.value()).ok() == gbk.ok());
    (void)request.value().number(key, Field::None);
    (void)request.value().flag(key, Field::None);
    (void)request.value().texts(key, Field::None);
  }
  return 0;
}

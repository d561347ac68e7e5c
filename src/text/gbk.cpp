#include "text/gbk.h"

#include "text/characters.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace zeruda::text {
namespace {

constexpr char32_t kEuro = 0x20AC;  // the only character the converter makes 0x80 of

Error cannotConvert(const char* what, std::size_t offset) {
  return Error{std::string(what) + ": byte " + std::to_string(offset) +
               " starts a character that cannot be converted"};
}

// One converter per direction and thread: iconv handles carry shift state and are
// not safe to share, and opening one per call costs more than the conversion.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (valid()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  Result<std::string> convert(std::string_view input, const char* what) {
    if (!valid()) return Error{std::string("no converter for ") + what};
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string in(input);
    std::string out(in.size() * 2 + 8, '\0');
    char* src = in.data();
    size_t srcLeft = in.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    while (srcLeft > 0) {
      if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1)) break;
      if (errno == E2BIG) {
        size_t used = out.size() - dstLeft;
        out.resize(out.size() * 2);
        dst = out.data() + used;
        dstLeft = out.size() - used;
        continue;
      }
      size_t offset = static_cast<size_t>(src - in.data());
      if (errno != EINVAL) return cannotConvert(what, offset);
      return Error{std::string(what) + ": byte " + std::to_string(offset) +
                   " ends in an incomplete character"};
    }
    out.resize(out.size() - dstLeft);
    return out;
  }

 private:
  iconv_t cd_;
};

std::string orAbort(Result<std::string> result) {
  if (!result.ok()) {
    std::fprintf(stderr, "zeruda: internal text conversion failed: %s\n", result.error().c_str());
    std::abort();
  }
  return std::move(result).value();
}

}  // namespace

Result<std::string> utf8ToGbk(std::string_view utf8) {
  thread_local Converter converter("GBK", "UTF-8");
  auto converted = converter.convert(utf8, "UTF-8 to GBK");
  // In valid UTF-8 these three bytes are € and nothing else.
  if (auto euro = utf8.find("\xE2\x82\xAC"); converted.ok() && euro != std::string_view::npos) {
    return cannotConvert("UTF-8 to GBK", euro);
  }
  return converted;
}

Result<std::string> gbkToUtf8(std::string_view gbk) {
  thread_local Converter converter("UTF-8", "GBK");
  return converter.convert(gbk, "GBK to UTF-8");
}

Result<std::wstring> gbkToWide(std::string_view gbk) {
  thread_local Converter converter("WCHAR_T", "GBK");
  auto bytes = converter.convert(gbk, "GBK to wide text");
  if (!bytes.ok()) return Error{bytes.error()};
  const std::string& raw = bytes.value();
  std::wstring wide(raw.size() / sizeof(wchar_t), L'\0');
  std::memcpy(wide.data(), raw.data(), wide.size() * sizeof(wchar_t));
  return wide;
}

Result<std::string> wideToGbk(std::wstring_view wide) {
  thread_local Converter converter("GBK", "WCHAR_T");
  auto converted = converter.convert(
      std::string_view(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t)),
      "wide text to GBK");
  if (auto euro = wide.find(static_cast<wchar_t>(kEuro));
      converted.ok() && euro != std::wstring_view::npos) {
    return cannotConvert("wide text to GBK", euro * sizeof(wchar_t));
  }
  return converted;
}

std::string displayUtf8(std::string_view gbk) {
  auto whole = gbkToUtf8(gbk);
  if (whole.ok()) return std::move(whole).value();
  std::string shown;
  for (std::size_t pos = 0; pos < gbk.size();) {
    const std::size_t length = charLength(gbk, pos);
    auto one = gbkToUtf8(gbk.substr(pos, length));
    shown += one.ok() ? one.value() : std::string("\xEF\xBF\xBD");  // U+FFFD
    pos += length;
  }
  return shown;
}

std::string toGbk(std::string_view utf8) { return orAbort(utf8ToGbk(utf8)); }
std::string toUtf8(std::string_view gbk) { return orAbort(gbkToUtf8(gbk)); }

}  // namespace zeruda::text

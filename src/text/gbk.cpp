#include "text/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace zeruda::text {
namespace {

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
      return Error{std::string(what) + ": byte " + std::to_string(offset) +
                   (errno == EINVAL ? " ends in an incomplete character"
                                    : " starts a character that cannot be converted")};
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
  return converter.convert(utf8, "UTF-8 to GBK");
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
  return converter.convert(
      std::string_view(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t)),
      "wide text to GBK");
}

std::string toGbk(std::string_view utf8) { return orAbort(utf8ToGbk(utf8)); }
std::string toUtf8(std::string_view gbk) { return orAbort(gbkToUtf8(gbk)); }

}  // namespace zeruda::text

#include "web/curl_library.h"

#include "text/gbk_literal.h"

#include <dlfcn.h>

namespace zeruda::web {
namespace {

using namespace text::literals;

// Leaves `missing` naming the first function that is not there.
template <typename Function>
void lookUp(void* library, const char* name, Function& function, std::string& missing) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  if (function == nullptr && missing.empty()) missing = name;
}

}  // namespace

Result<CurlLibrary> openCurl(const char* fileName) {
  CurlLibrary curl;
  // Never closed: a fetch may still run on some thread while the program ends.
  void* library = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    // dlerror's words are ASCII, which GBK holds as they are.
    const char* why = dlerror();
    return Error{"无法载入网络库："_gbk + (why != nullptr ? why : fileName)};
  }
  std::string missing;
  lookUp(library, "curl_global_init", curl.globalInit, missing);
  lookUp(library, "curl_easy_init", curl.easyInit, missing);
  lookUp(library, "curl_easy_setopt", curl.easySetopt, missing);
  lookUp(library, "curl_easy_perform", curl.easyPerform, missing);
  lookUp(library, "curl_easy_getinfo", curl.easyGetinfo, missing);
  lookUp(library, "curl_easy_strerror", curl.easyStrerror, missing);
  lookUp(library, "curl_easy_cleanup", curl.easyCleanup, missing);
  lookUp(library, "curl_slist_append", curl.slistAppend, missing);
  lookUp(library, "curl_slist_free_all", curl.slistFreeAll, missing);
  if (!missing.empty()) {
    return Error{"网络库 "_gbk + fileName + " 中没有 "_gbk + missing};
  }
  return curl;
}

const Result<CurlLibrary>& curlLibrary() {
  static const Result<CurlLibrary> curl = []() -> Result<CurlLibrary> {
    Result<CurlLibrary> loaded = openCurl(kCurlFileName);
    // The one-time set-up must happen before threads fetch; it is never undone.
    if (loaded.ok() && loaded.value().globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
      return Error{"网络库无法启动"_gbk};
    }
    return loaded;
  }();
  return curl;
}

}  // namespace zeruda::web

#include "web/curl_library.h"

#include <dlfcn.h>

namespace zeruda::web {
namespace {

// Leaves `missing` naming the first function that is not there.
template <typename Function>
void lookUp(void* library, const char* name, Function& function, std::string& missing) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  if (function == nullptr && missing.empty()) missing = name;
}

}  // namespace

CurlLibrary openCurl(const char* fileName) {
  CurlLibrary curl;
  // Never closed: a fetch may still run on some thread while the program ends.
  void* library = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    const char* why = dlerror();
    curl.error = std::string("the network library could not be loaded: ") +
                 (why != nullptr ? why : fileName);
    return curl;
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
    curl.error = std::string("the network library ") + fileName + " has no " + missing;
  }
  return curl;
}

const CurlLibrary& curlLibrary() {
  static const CurlLibrary curl = [] {
    CurlLibrary loaded = openCurl(kCurlFileName);
    // The one-time set-up must happen before threads fetch; it is never undone.
    if (loaded.ok() && loaded.globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
      loaded.error = "the network library could not start";
    }
    return loaded;
  }();
  return curl;
}

}  // namespace zeruda::web

#pragma once

#include "text/result.h"

#include <curl/curl.h>

#include <string>

namespace zeruda::web {

// The libcurl functions the HTTP client calls, looked up by name when the library is
// loaded. libcurl brings a score of libraries (TLS, Kerberos, LDAP...) whose loading
// costs more than most commands' whole work, so it is loaded at the first fetch, not
// at start-up.
struct CurlLibrary {
  decltype(&curl_global_init) globalInit = nullptr;
  decltype(&curl_easy_init) easyInit = nullptr;
  decltype(&curl_easy_setopt) easySetopt = nullptr;
  decltype(&curl_easy_perform) easyPerform = nullptr;
  decltype(&curl_easy_getinfo) easyGetinfo = nullptr;
  decltype(&curl_easy_strerror) easyStrerror = nullptr;
  decltype(&curl_easy_cleanup) easyCleanup = nullptr;
  decltype(&curl_slist_append) slistAppend = nullptr;
  decltype(&curl_slist_free_all) slistFreeAll = nullptr;
};

// The shared object of libcurl's current interface.
inline constexpr const char* kCurlFileName = "libcurl.so.4";

// Loads `fileName` and looks up every function, or says (GBK) why it cannot be used;
// the library stays loaded for the program's lifetime. Does not run libcurl's one-time
// set-up.
Result<CurlLibrary> openCurl(const char* fileName);

// libcurl, loaded and set up on the first call; later calls, from any thread, return
// the same result.
const Result<CurlLibrary>& curlLibrary();

}  // namespace zeruda::web

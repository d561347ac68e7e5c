#include "web/curl_library.h"

#include <gtest/gtest.h>

namespace zeruda::web {
namespace {

TEST(CurlLibrary, AMissingOrForeignLibrarySaysWhyAndTheRealOneLoads) {
  struct Row {
    const char* name;
    const char* fileName;
    std::string error;  // a part of the error; empty when the library must load
  };
  const Row rows[] = {
      {"missing", "libzeruda-no-such-library.so.0",
       "the network library could not be loaded: libzeruda-no-such-library.so.0"},
      {"no curl in it", "libc.so.6", "the network library libc.so.6 has no curl_global_init"},
      {"libcurl", kCurlFileName, ""},
  };
  for (const Row& row : rows) {
    const CurlLibrary curl = openCurl(row.fileName);
    if (row.error.empty()) {
      EXPECT_TRUE(curl.ok()) << row.name << ": " << curl.error;
      EXPECT_NE(curl.slistFreeAll, nullptr) << row.name;
    } else {
      EXPECT_NE(curl.error.find(row.error), std::string::npos) << row.name << ": " << curl.error;
    }
  }
}

}  // namespace
}  // namespace zeruda::web

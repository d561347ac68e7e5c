#include "web/curl_library.h"

#include "support/text_support.h"

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
       "无法载入网络库：libzeruda-no-such-library.so.0"},
      {"no curl in it", "libc.so.6", "网络库 libc.so.6 中没有 curl_global_init"},
      {"libcurl", kCurlFileName, ""},
  };
  for (const Row& row : rows) {
    const Result<CurlLibrary> curl = openCurl(row.fileName);
    if (row.error.empty()) {
      ASSERT_TRUE(curl.ok()) << row.name << ": " << test::utf8(curl.error());
      EXPECT_NE(curl.value().slistFreeAll, nullptr) << row.name;
    } else {
      ASSERT_FALSE(curl.ok()) << row.name;
      EXPECT_NE(test::utf8(curl.error()).find(row.error), std::string::npos)
          << row.name << ": " << test::utf8(curl.error());
    }
  }
}

}  // namespace
}  // namespace zeruda::web

#pragma once

#include <string>
#include <string_view>

namespace zeruda::cli {

// A small JSON writer for the --json outputs: it places the commas, the caller
// places the structure. Strings are given as GBK and written as UTF-8.
class Json {
 public:
  Json& beginObject();
  Json& endObject();
  Json& beginArray();
  Json& endArray();
  Json& key(std::string_view name);  // name in UTF-8
  Json& string(std::string_view gbk);
  Json& number(long long value);
  Json& number(double value);  // shortest text that reads back as the same double
  Json& null();

  const std::string& text() const { return out_; }

 private:
  void separate();
  std::string out_;
  bool needComma_ = false;
};

}  // namespace zeruda::cli

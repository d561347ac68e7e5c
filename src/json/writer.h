#pragma once

#include <string>
#include <string_view>

namespace zeruda::json {

// A small JSON writer: it places the commas, the caller places the structure.
// Strings are given as GBK and written as UTF-8.
class Writer {
 public:
  Writer& beginObject();
  Writer& endObject();
  Writer& beginArray();
  Writer& endArray();
  Writer& key(std::string_view name);  // name in UTF-8
  Writer& string(std::string_view gbk);
  Writer& number(long long value);
  Writer& number(double value);  // shortest text that reads back as the same double
  Writer& null();

  const std::string& text() const { return out_; }

 private:
  void separate();
  Writer& open(char bracket);
  Writer& close(char bracket);
  std::string out_;
  bool needComma_ = false;
};

}  // namespace zeruda::json

#include "cli/json.h"

#include <charconv>
#include <cstdio>

#include "cli/terminal.h"

namespace zeruda::cli {

void Json::separate() {
  if (needComma_) out_ += ',';
  needComma_ = true;
}

Json& Json::beginObject() {
  separate();
  out_ += '{';
  needComma_ = false;
  return *this;
}

Json& Json::endObject() {
  out_ += '}';
  needComma_ = true;
  return *this;
}

Json& Json::beginArray() {
  separate();
  out_ += '[';
  needComma_ = false;
  return *this;
}

Json& Json::endArray() {
  out_ += ']';
  needComma_ = true;
  return *this;
}

Json& Json::null() {
  separate();
  out_ += "null";
  return *this;
}

Json& Json::key(std::string_view name) {
  separate();
  out_ += '"';
  out_ += name;
  out_ += "\":";
  needComma_ = false;
  return *this;
}

Json& Json::string(std::string_view gbk) {
  separate();
  out_ += '"';
  for (char c : fromGbk(gbk)) {
    switch (c) {
      case '"':
        out_ += "\\\"";
        break;
      case '\\':
        out_ += "\\\\";
        break;
      case '\n':
        out_ += "\\n";
        break;
      case '\r':
        out_ += "\\r";
        break;
      case '\t':
        out_ += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned char>(c));
          out_ += buf;
        } else {
          out_ += c;
        }
    }
  }
  out_ += '"';
  return *this;
}

Json& Json::number(long long value) {
  separate();
  out_ += std::to_string(value);
  return *this;
}

Json& Json::number(double value) {
  separate();
  char buf[32];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  out_.append(buf, ec == std::errc() ? end : buf);
  return *this;
}

}  // namespace zeruda::cli

#include "json/writer.h"

#include "text/gbk.h"
#include "text/number_text.h"

#include <cstdio>

namespace zeruda::json {

void Writer::separate() {
  if (needComma_) out_ += ',';
  needComma_ = true;
}

Writer& Writer::open(char bracket) {
  separate();
  out_ += bracket;
  needComma_ = false;
  return *this;
}

Writer& Writer::close(char bracket) {
  out_ += bracket;
  needComma_ = true;
  return *this;
}

Writer& Writer::beginObject() { return open('{'); }
Writer& Writer::endObject() { return close('}'); }
Writer& Writer::beginArray() { return open('['); }
Writer& Writer::endArray() { return close(']'); }

Writer& Writer::null() {
  separate();
  out_ += "null";
  return *this;
}

Writer& Writer::key(std::string_view name) {
  separate();
  out_ += '"';
  out_ += name;
  out_ += "\":";
  needComma_ = false;
  return *this;
}

Writer& Writer::string(std::string_view gbk) {
  separate();
  out_ += '"';
  for (char c : text::displayUtf8(gbk)) {
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

Writer& Writer::number(long long value) {
  separate();
  out_ += std::to_string(value);
  return *this;
}

Writer& Writer::number(double value) {
  separate();
  out_ += text::shortestNumberText(value);
  return *this;
}

}  // namespace zeruda::json

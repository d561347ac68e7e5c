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

namespace {

// The escape of a byte JSON may not hold as it is; nothing for one it may.
std::string_view escapeOf(char c, char (&code)[8]) {
  switch (c) {
    case '"':
      return "\\\"";
    case '\\':
      return "\\\\";
    case '\n':
      return "\\n";
    case '\r':
      return "\\r";
    case '\t':
      return "\\t";
    default:
      if (static_cast<unsigned char>(c) >= 0x20) return {};
      std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned char>(c));
      return code;
  }
}

}  // namespace

Writer& Writer::string(std::string_view gbk) {
  separate();
  out_ += '"';
  const std::string utf8 = text::displayUtf8(gbk);
  // Runs of bytes that need no escape are copied whole: rows carry long texts.
  std::size_t plain = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    char code[8];
    const std::string_view escape = escapeOf(utf8[i], code);
    if (escape.empty()) continue;
    out_.append(utf8, plain, i - plain);
    out_ += escape;
    plain = i + 1;
  }
  out_.append(utf8, plain, std::string::npos);
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

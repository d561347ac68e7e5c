#include "wasm/request.h"

#include "actions/inputs.h"

#include "text/gbk.h"
#include "text/gbk_literal.h"

#include <charconv>

namespace zeruda::wasm {

using namespace text::literals;

// Reads the JSON text of a request; any fault is "请求不是有效的JSON对象".
class RequestReader {
 public:
  explicit RequestReader(std::string_view json) : json_(json) {}

  Result<Request> read() {
    Request request;
    if (!readObject(request) || (skipSpace(), pos_ != json_.size())) return malformed();
    return request;
  }

 private:
  using Value = Request::Value;

  static Error malformed() { return Error{"请求不是有效的JSON对象"_gbk}; }

  void skipSpace() {
    while (pos_ < json_.size() && std::string_view(" \t\r\n").find(json_[pos_]) != npos) ++pos_;
  }
  bool take(char c) {
    skipSpace();
    if (pos_ >= json_.size() || json_[pos_] != c) return false;
    ++pos_;
    return true;
  }
  bool takeWord(std::string_view word) {
    if (json_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }

  bool readObject(Request& request) {
    if (!take('{')) return false;
    if (take('}')) return true;
    do {
      std::string key;
      Value value;
      if (!readString(key) || !take(':') || !readValue(value, true)) return false;
      request.values_[key] = std::move(value);
    } while (take(','));
    return take('}');
  }

  bool readValue(Value& value, bool listAllowed) {
    skipSpace();
    if (pos_ >= json_.size()) return false;
    const char c = json_[pos_];
    if (c == '"') {
      value.kind = Value::Kind::Text;
      return readString(value.scalar);
    }
    if (c == '[' && listAllowed) return readList(value);
    if (takeWord("true") || takeWord("false")) {
      value.kind = Value::Kind::Boolean;
      value.boolean = c == 't';
      return true;
    }
    if (takeWord("null")) return true;
    const std::size_t start = pos_;
    while (pos_ < json_.size() && std::string_view("+-.0123456789eE").find(json_[pos_]) != npos) {
      ++pos_;
    }
    value.kind = Value::Kind::Number;
    value.scalar = std::string(json_.substr(start, pos_ - start));
    return pos_ > start;
  }

  bool readList(Value& value) {
    value.kind = Value::Kind::List;
    ++pos_;
    if (take(']')) return true;
    do {
      value.items.emplace_back();
      if (!readValue(value.items.back(), false)) return false;
    } while (take(','));
    return take(']');
  }

  bool readString(std::string& out) {
    if (!take('"')) return false;
    while (pos_ < json_.size()) {
      const char c = json_[pos_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        out += c;
      } else if (!readEscape(out)) {
        return false;
      }
    }
    return false;
  }

  bool readEscape(std::string& out) {
    if (pos_ >= json_.size()) return false;
    const char c = json_[pos_++];
    const std::string_view simple = "\"\\/bfnrt";
    const std::string_view meant = "\"\\/\b\f\n\r\t";
    if (const auto at = simple.find(c); at != npos) {
      out += meant[at];
      return true;
    }
    if (c != 'u') return false;
    auto unit = readHex();
    if (!unit) return false;
    char32_t code = *unit;
    if (code >= 0xD800 && code < 0xDC00) {  // a surrogate pair
      if (!takeWord("\\u")) return false;
      const auto low = readHex();
      if (!low || *low < 0xDC00 || *low >= 0xE000) return false;
      code = 0x10000 + ((code - 0xD800) << 10) + (*low - 0xDC00);
    } else if (code >= 0xDC00 && code < 0xE000) {
      return false;
    }
    appendUtf8(out, code);
    return true;
  }

  std::optional<char32_t> readHex() {
    if (pos_ + 4 > json_.size()) return std::nullopt;
    unsigned value = 0;
    const char* first = json_.data() + pos_;
    const auto [end, error] = std::from_chars(first, first + 4, value, 16);
    if (error != std::errc() || end != first + 4) return std::nullopt;
    pos_ += 4;
    return static_cast<char32_t>(value);
  }

  static void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  static constexpr auto npos = std::string_view::npos;
  std::string_view json_;
  std::size_t pos_ = 0;
};

namespace {

Error wrongKind(Field field, const char* wanted) {
  return actions::refusal(field, text::toGbk(wanted));
}

}  // namespace

Result<Request> Request::parse(std::string_view json) { return RequestReader(json).read(); }

const Request::Value* Request::find(std::string_view key) const {
  const auto found = values_.find(key);
  if (found == values_.end() || found->second.kind == Value::Kind::Null) return nullptr;
  return &found->second;
}

Result<std::string> Request::text(std::string_view key, Field field) const {
  auto value = optionalText(key, field);
  if (!value.ok()) return value.failure();
  return value.value().value_or("");
}

Result<std::optional<std::string>> Request::optionalText(std::string_view key, Field field) const {
  const Value* value = find(key);
  if (value == nullptr) return std::optional<std::string>();
  if (value->kind != Value::Kind::Text) return wrongKind(field, "应为文字");
  auto gbk = actions::gbkText(value->scalar, field);
  if (!gbk.ok()) return gbk.failure();
  return std::optional<std::string>(std::move(gbk).value());
}

Result<std::optional<std::string>> Request::number(std::string_view key, Field field) const {
  const Value* value = find(key);
  if (value == nullptr) return std::optional<std::string>();
  if (value->kind == Value::Kind::Number) return std::optional<std::string>(value->scalar);
  if (value->kind != Value::Kind::Text) return wrongKind(field, "应是整数");
  return optionalText(key, field);
}

Result<bool> Request::flag(std::string_view key, Field field) const {
  const Value* value = find(key);
  if (value == nullptr) return false;
  if (value->kind != Value::Kind::Boolean) return wrongKind(field, "应为“是”或“否”");
  return value->boolean;
}

Result<std::vector<std::string>> Request::texts(std::string_view key, Field field) const {
  const Value* value = find(key);
  std::vector<std::string> texts;
  if (value == nullptr) return texts;
  const std::vector<Value> single = {*value};
  for (const Value& item : value->kind == Value::Kind::List ? value->items : single) {
    if (item.kind != Value::Kind::Text) return wrongKind(field, "应为文字");
    auto gbk = actions::gbkText(item.scalar, field);
    if (!gbk.ok()) return gbk.failure();
    texts.push_back(std::move(gbk).value());
  }
  return texts;
}

Result<std::string> Request::utf8(std::string_view key, Field field) const {
  const Value* value = find(key);
  if (value == nullptr) return std::string();
  if (value->kind != Value::Kind::Text) return wrongKind(field, "应为文字");
  return value->scalar;
}

}  // namespace zeruda::wasm

#include "text/gbk.h"

#include "text/characters.h"
#include "text/gbk_table.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <type_traits>

namespace zeruda::text {
namespace {

namespace table = gbk_table;

constexpr char32_t kEuro = 0x20AC;

enum class Flaw { none, unconvertible, incomplete };

Error flawAt(const char* what, Flaw flaw, std::size_t offset) {
  return Error{std::string(what) + ": byte " + std::to_string(offset) +
               (flaw == Flaw::incomplete ? " ends in an incomplete character"
                                         : " starts a character that cannot be converted")};
}

// One character read from the input: what it is and how many bytes it took.
struct Read {
  char32_t character = 0;
  std::size_t length = 1;
  Flaw flaw = Flaw::none;
};

constexpr Read kUnconvertible{0, 1, Flaw::unconvertible};
constexpr Read kIncomplete{0, 1, Flaw::incomplete};

unsigned byteAt(std::string_view text, std::size_t pos) {
  return static_cast<unsigned char>(text[pos]);
}

// Bytes 0x80 and 0xFF start no character. Some converters read a lone 0x80 as €;
// everywhere else in the program it is the first half of a character.
Read readGbk(std::string_view gbk, std::size_t pos) {
  const unsigned first = byteAt(gbk, pos);
  if (first < 0x80) return {first, 1};
  const unsigned lead = first - table::kFirstLead;  // wraps below the first lead byte
  if (lead >= table::kLeadCount) return kUnconvertible;
  if (pos + 1 == gbk.size()) return kIncomplete;
  const unsigned trail = byteAt(gbk, pos + 1) - table::kFirstTrail;  // wraps likewise
  const char16_t character = trail < table::kTrailCount ? table::kToUnicode[lead][trail] : 0;
  if (character == 0) return kUnconvertible;
  return {character, 2};
}

// The length of the UTF-8 sequence that a byte leads and the bits of the character
// it carries; length 0 for a byte that leads none. The old five- and six-byte forms
// (beyond Unicode) count, so that one cut short by the end of the text is incomplete.
struct Sequence {
  std::size_t length = 0;
  char32_t bits = 0;
};

Sequence sequenceLedBy(unsigned lead) {
  if (lead >= 0xC2 && lead < 0xE0) return {2, lead & 0x1F};
  if ((lead & 0xF0) == 0xE0) return {3, lead & 0x0F};
  if ((lead & 0xF8) == 0xF0) return {4, lead & 0x07};
  if (lead >= 0xF8 && lead <= 0xFD) return {lead < 0xFC ? 5u : 6u, 0};
  return {};
}

bool isContinuation(unsigned byte) { return (byte & 0xC0) == 0x80; }

// A sequence that the end of the text cuts short is incomplete only while every byte
// after its lead is a continuation byte; overlong forms, surrogates and code points
// beyond U+10FFFF are refused.
Read readUtf8(std::string_view utf8, std::size_t pos) {
  const unsigned lead = byteAt(utf8, pos);
  if (lead < 0x80) return {lead, 1};
  const Sequence sequence = sequenceLedBy(lead);
  if (sequence.length == 0) return kUnconvertible;
  const std::size_t available = std::min(sequence.length, utf8.size() - pos);
  char32_t character = sequence.bits;
  for (std::size_t i = 1; i < available; ++i) {
    if (!isContinuation(byteAt(utf8, pos + i))) return kUnconvertible;
    character = (character << 6) | (byteAt(utf8, pos + i) & 0x3F);
  }
  if (available < sequence.length) return kIncomplete;
  const bool overlong = sequence.length > 2 && (character >> (5 * sequence.length - 4)) == 0;
  const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
  if (sequence.length > 4 || overlong || surrogate || character > 0x10FFFF) return kUnconvertible;
  return {character, sequence.length};
}

// readUtf8 for the common case of Chinese text, a well-formed three-byte sequence;
// anything else goes the long way.
Read readUtf8Quickly(std::string_view utf8, std::size_t pos) {
  const unsigned lead = byteAt(utf8, pos);
  if (lead < 0x80) return {lead, 1};
  if ((lead & 0xF0) == 0xE0 && utf8.size() - pos >= 3 && isContinuation(byteAt(utf8, pos + 1)) &&
      isContinuation(byteAt(utf8, pos + 2))) {
    const char32_t character =
        (lead & 0x0F) << 12 | (byteAt(utf8, pos + 1) & 0x3F) << 6 | (byteAt(utf8, pos + 2) & 0x3F);
    if (character >= 0x800 && (character < 0xD800 || character > 0xDFFF)) return {character, 3};
  }
  return readUtf8(utf8, pos);
}

// Writes one character at `at` and returns the place after it.
char* writeUtf8(char* at, char32_t c) {
  if (c < 0x80) {
    *at++ = static_cast<char>(c);
  } else if (c < 0x800) {
    *at++ = static_cast<char>(0xC0 | (c >> 6));
    *at++ = static_cast<char>(0x80 | (c & 0x3F));
  } else {  // every GBK character lies in the Basic Multilingual Plane
    *at++ = static_cast<char>(0xE0 | (c >> 12));
    *at++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *at++ = static_cast<char>(0x80 | (c & 0x3F));
  }
  return at;
}

wchar_t* writeWide(wchar_t* at, char32_t c) {
  *at = static_cast<wchar_t>(c);
  return at + 1;
}

// GBK text built character by character into room for the longest possible result.
class GbkWriter {
 public:
  explicit GbkWriter(std::size_t maxSize) : out_(maxSize, '\0'), end_(out_.data()) {}

  // False when GBK lacks the character, which starts at `offset` of the input.
  bool put(char32_t c, std::size_t offset) {
    if (c < 0x80) {
      *end_++ = static_cast<char>(c);
      return true;
    }
    if (c >= table::kFirstTag && c <= table::kLastTag) return true;
    if (c == kEuro) {
      if (!euroAt_) euroAt_ = offset;
      return true;
    }
    const std::uint16_t code = c <= 0xFFFF ? table::kToGbk[table::kPageOf[c >> 8]][c & 0xFF] : 0;
    if (code == 0) return false;
    *end_++ = static_cast<char>(code >> 8);
    *end_++ = static_cast<char>(code & 0xFF);
    return true;
  }

  // A € is named only when the rest of the text converts, so a text that holds one
  // and another flaw names the other flaw, as it always has.
  Result<std::string> finish(const char* what) && {
    if (euroAt_) return flawAt(what, Flaw::unconvertible, *euroAt_);
    out_.resize(static_cast<std::size_t>(end_ - out_.data()));
    return std::move(out_);
  }

 private:
  std::string out_;
  char* end_;
  std::optional<std::size_t> euroAt_;
};

// Decodes into `out`, which has room for the longest possible result, through
// `write`, which stores one character and returns the place after it.
template <typename Text, typename Write>
Result<Text> decodeGbk(std::string_view gbk, const char* what, Text out, Write write) {
  auto* end = out.data();
  for (std::size_t pos = 0; pos < gbk.size();) {
    const Read read = readGbk(gbk, pos);
    if (read.flaw != Flaw::none) return flawAt(what, read.flaw, pos);
    end = write(end, read.character);
    pos += read.length;
  }
  out.resize(static_cast<std::size_t>(end - out.data()));
  return out;
}

std::string orAbort(Result<std::string> result) {
  if (!result.ok()) {
    std::fprintf(stderr, "zeruda: internal text conversion failed: %s\n", result.error().c_str());
    std::abort();
  }
  return std::move(result).value();
}

}  // namespace

// No character takes more bytes in GBK than in UTF-8.
Result<std::string> utf8ToGbk(std::string_view utf8) {
  constexpr const char* kWhat = "UTF-8 to GBK";
  GbkWriter out(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const Read read = readUtf8Quickly(utf8, pos);
    if (read.flaw != Flaw::none) return flawAt(kWhat, read.flaw, pos);
    if (!out.put(read.character, pos)) return flawAt(kWhat, Flaw::unconvertible, pos);
    pos += read.length;
  }
  return std::move(out).finish(kWhat);
}

// Two GBK bytes make at most three UTF-8 bytes, one byte one.
Result<std::string> gbkToUtf8(std::string_view gbk) {
  return decodeGbk(gbk, "GBK to UTF-8", std::string(gbk.size() / 2 * 3 + 1, '\0'), writeUtf8);
}

Result<std::wstring> gbkToWide(std::string_view gbk) {
  return decodeGbk(gbk, "GBK to wide text", std::wstring(gbk.size(), L'\0'), writeWide);
}

// Offsets count bytes of the wide text, as for the other directions.
Result<std::string> wideToGbk(std::wstring_view wide) {
  constexpr const char* kWhat = "wide text to GBK";
  GbkWriter out(wide.size() * 2);
  for (std::size_t i = 0; i < wide.size(); ++i) {
    const auto c = static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(wide[i]));
    if (!out.put(c, i * sizeof(wchar_t))) {
      return flawAt(kWhat, Flaw::unconvertible, i * sizeof(wchar_t));
    }
  }
  return std::move(out).finish(kWhat);
}

std::string displayUtf8(std::string_view gbk) {
  auto whole = gbkToUtf8(gbk);
  if (whole.ok()) return std::move(whole).value();
  std::string shown;
  for (std::size_t pos = 0; pos < gbk.size();) {
    const std::size_t length = charLength(gbk, pos);
    auto one = gbkToUtf8(gbk.substr(pos, length));
    shown += one.ok() ? one.value() : std::string("\xEF\xBF\xBD");  // U+FFFD
    pos += length;
  }
  return shown;
}

std::string toGbk(std::string_view utf8) { return orAbort(utf8ToGbk(utf8)); }
std::string toUtf8(std::string_view gbk) { return orAbort(gbkToUtf8(gbk)); }

}  // namespace zeruda::text

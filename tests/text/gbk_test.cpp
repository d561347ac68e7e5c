#include "text/gbk.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "support/text_support.h"
#include "text/gbk_literal.h"

namespace zeruda::text {
namespace {

using namespace literals;

constexpr std::string_view kEuroUtf8 = "\xE2\x82\xAC";

// The C library's converter, the reference for every code: the tables come from it
// while building, the reading and writing around them do not. Its answers are put
// in the program's words.
class CLibrary {
 public:
  CLibrary(const char* to, const char* from, std::string what)
      : cd_(iconv_open(to, from)), what_(std::move(what)) {}
  ~CLibrary() { iconv_close(cd_); }
  CLibrary(const CLibrary&) = delete;
  CLibrary& operator=(const CLibrary&) = delete;

  // For the short inputs here (a few characters).
  Result<std::string> convert(std::string input) const {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char out[64];
    char* src = input.data();
    std::size_t srcLeft = input.size();
    char* dst = out;
    std::size_t dstLeft = sizeof out;
    if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1)) {
      return std::string(out, dst);
    }
    return failure(static_cast<std::size_t>(src - input.data()), errno == EINVAL);
  }

  Error failure(std::size_t offset, bool incomplete = false) const {
    return Error{what_ + ": byte " + std::to_string(offset) +
                 (incomplete ? " ends in an incomplete character"
                             : " starts a character that cannot be converted")};
  }

 private:
  iconv_t cd_;
  std::string what_;
};

std::string outcome(const Result<std::string>& result) {
  return result.ok() ? "converts to " + result.value() : result.error();
}
std::string outcome(const Result<std::wstring>& result) {
  return result.ok() ? outcome(std::string(reinterpret_cast<const char*>(result.value().data()),
                                           result.value().size() * sizeof(wchar_t)))
                     : result.error();
}

// The first disagreements of a sweep: a broken table shows a few codes, not thousands.
class Disagreements {
 public:
  template <typename Ours>
  void check(std::string_view input, const Ours& ours, const Result<std::string>& expected) {
    const bool sameFailure = !ours.ok() && !expected.ok() && ours.error() == expected.error();
    if (sameFailure || outcome(ours) == outcome(expected) || found_.size() == 10) return;
    found_.push_back(testing::PrintToString(input) + ": " + outcome(ours) + " instead of " +
                     outcome(expected));
  }
  std::string list() const { return testing::PrintToString(found_); }
  bool none() const { return found_.empty(); }

 private:
  std::vector<std::string> found_;
};

// The C library reads a byte 0x80 that starts a character as €, which is not ours.
std::optional<std::size_t> euroByteAt(std::string_view gbk) {
  if (gbk[0] == '\x80') return 0;
  if (gbk.size() == 2 && gbk[0] >= 0 && gbk[1] == '\x80') return 1;
  return std::nullopt;
}

// Every one- and two-byte input, so every lead byte with every trail byte.
TEST(Gbk, EveryCodeConvertsAsTheCLibraryDoes) {
  const CLibrary toUtf8("UTF-8", "GBK", "GBK to UTF-8");
  const CLibrary toWide("WCHAR_T", "GBK", "GBK to wide text");
  Disagreements disagreements;
  for (unsigned code = 0; code < 0x10000 + 0x100; ++code) {
    const std::string input = code < 0x100 ? std::string(1, static_cast<char>(code))
                                           : std::string{static_cast<char>(code >> 8 & 0xFF),
                                                         static_cast<char>(code & 0xFF)};
    const auto euroAt = euroByteAt(input);
    const auto expect = [&](const CLibrary& reference) {
      return euroAt ? reference.failure(*euroAt) : reference.convert(input);
    };
    const auto utf8 = gbkToUtf8(input);
    disagreements.check(input, utf8, expect(toUtf8));
    disagreements.check(input, gbkToWide(input), expect(toWide));
    if (utf8.ok()) disagreements.check(input, utf8ToGbk(utf8.value()), input);
  }
  EXPECT_TRUE(disagreements.none()) << disagreements.list();
}

std::string utf8Of(char32_t c) {
  constexpr unsigned char kLeadMarks[] = {0x00, 0xC0, 0xE0, 0xF0};
  const int tail = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
  std::string bytes(1, static_cast<char>(kLeadMarks[tail] | c >> (6 * tail)));
  for (int i = tail - 1; i >= 0; --i) bytes += static_cast<char>(0x80 | (c >> (6 * i) & 0x3F));
  return bytes;
}

// Every Unicode scalar from UTF-8 and back, and from wide text, which shares the
// writing, over the Basic Multilingual Plane (where every GBK character lies); €
// stays refused.
TEST(Gbk, EveryCharacterConvertsAsTheCLibraryDoes) {
  const CLibrary fromUtf8("GBK", "UTF-8", "UTF-8 to GBK");
  const CLibrary fromWide("GBK", "WCHAR_T", "wide text to GBK");
  Disagreements disagreements;
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (c == 0xD800) c = 0xE000;
    const std::string utf8 = utf8Of(c);
    const bool euro = c == 0x20AC;
    const auto gbk = utf8ToGbk(utf8);
    disagreements.check(utf8, gbk, euro ? fromUtf8.failure(0) : fromUtf8.convert(utf8));
    if (gbk.ok() && !gbk.value().empty()) disagreements.check(utf8, gbkToUtf8(gbk.value()), utf8);
    if (c > 0xFFFF) continue;
    const std::wstring wide(1, static_cast<wchar_t>(c));
    const std::string wideBytes(reinterpret_cast<const char*>(wide.data()), sizeof(wchar_t));
    disagreements.check(utf8, wideToGbk(wide),
                        euro ? fromWide.failure(0) : fromWide.convert(wideBytes));
  }
  EXPECT_TRUE(disagreements.none()) << disagreements.list();
}

// Malformed UTF-8 fails at the byte and with the words the C library's reading gives.
TEST(Gbk, MalformedUtf8FailsWhereTheCLibraryDoes) {
  const CLibrary reference("GBK", "UTF-8", "UTF-8 to GBK");
  const std::vector<std::pair<const char*, std::string>> rows = {
      {"overlong two bytes", "a\xC0\x80"},
      {"overlong three bytes", "\xE0\x9F\xBF"},
      {"overlong four bytes", "\xF0\x8F\xBF\xBF"},
      {"surrogate", "\xED\xA0\x80"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80"},
      {"four-byte lead beyond Unicode", "\xF5\x80\x80\x80"},
      {"five-byte form", "\xF8\x88\x80\x80\x80"},
      {"lone continuation byte", "a\x80"},
      {"byte FE", "\xFE"},
      {"cut short at the end", "华\xE5\x8D"},
      {"overlong cut short at the end", "\xE0\x80"},
      {"surrogate cut short at the end", "\xED\xA0"},
      {"five-byte form cut short at the end", "\xF8\x88"},
      {"cut short before a letter",
       "\xE5\x8D"
       "a"},
      {"€ then a flaw", "€华\xFF"},
      {"€ then a character outside GBK", "€😀"},
      {"€ then a cut-short end", "€\xE5"},
      {"tag characters left out", "a\U000E0041b"},
  };
  for (const auto& [name, input] : rows) {
    auto expected = reference.convert(input);
    if (expected.ok() && input.find(kEuroUtf8) != std::string::npos) {
      expected = reference.failure(input.find(kEuroUtf8));
    }
    EXPECT_EQ(outcome(utf8ToGbk(input)), outcome(expected)) << name;
  }
}

TEST(Gbk, ChineseCharactersTakeTwoBytes) {
  auto converted = utf8ToGbk("华通");
  ASSERT_TRUE(converted.ok());
  EXPECT_EQ(converted.value(), "\xBB\xAA\xCD\xA8");
}

TEST(Gbk, RoundTripKeepsAsciiAndFullWidthPunctuation) {
  const std::string original = "成都abc 1　―，";
  auto gbk = utf8ToGbk(original);
  ASSERT_TRUE(gbk.ok());
  auto back = gbkToUtf8(gbk.value());
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(back.value(), original);
}

TEST(Gbk, DashAndFullWidthSpaceHaveTheirKnownCodes) {
  EXPECT_EQ("―"_gbk, "\xA8\x44");
  EXPECT_EQ("　"_gbk, "\xA1\xA1");
}

TEST(Gbk, CharacterOutsideGbkIsAnErrorNotAQuestionMark) {
  auto converted = utf8ToGbk("华😀");
  ASSERT_FALSE(converted.ok());
  EXPECT_NE(converted.error().find("byte 3"), std::string::npos) << converted.error();
}

TEST(Gbk, TheEuroSignIsRefusedLikeAnyCharacterOutsideGbk) {
  // The converter's one-byte 0x80 for it would read as the first half of a character.
  auto converted = utf8ToGbk("华€天府");
  ASSERT_FALSE(converted.ok());
  EXPECT_NE(converted.error().find("byte 3 starts a character that cannot be converted"),
            std::string::npos)
      << converted.error();
  EXPECT_FALSE(wideToGbk(L"\u20AC").ok());
}

TEST(Gbk, DisplayShowsWhatIsNotGbkAsReplacementAndTheRestAsItIs) {
  EXPECT_EQ(displayUtf8("\xBB\xAA"
                        "a\xCD\xA8"),
            "华a通");
  EXPECT_EQ(displayUtf8("\xBB\xAA"
                        "a\xCD\xA8\xFF"),
            "华a通\uFFFD");
}

TEST(Gbk, MalformedUtf8IsAnError) {
  EXPECT_FALSE(utf8ToGbk("\xE5\x8D").ok());
  EXPECT_FALSE(utf8ToGbk("\xFF").ok());
}

TEST(Gbk, MalformedGbkIsAnError) { EXPECT_FALSE(gbkToUtf8("\xBB").ok()); }

TEST(Gbk, LiteralIsConvertedOnceAndKept) {
  const std::string& first = "成都"_gbk;
  const std::string& second = "成都"_gbk;
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(first.size(), 4u);
}

TEST(Gbk, LongTextConvertsWhole) {
  std::string longText;
  for (int i = 0; i < 5000; ++i) longText += "龘a";
  auto gbk = utf8ToGbk(longText);
  ASSERT_TRUE(gbk.ok());
  EXPECT_EQ(gbk.value().size(), 15000u);
}

}  // namespace
}  // namespace zeruda::text

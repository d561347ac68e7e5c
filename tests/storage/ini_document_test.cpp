#include "storage/ini_document.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::storage {
namespace {

using test::gbk;
using test::utf8;

struct GetCase {
  const char* name;
  std::string file;  // as it lies on disk
  const char* section;
  const char* key;
  const char* expected;
};

class IniGet : public testing::TestWithParam<GetCase> {};

TEST_P(IniGet, ReadsAsTheWindowsProfileFunctionsDo) {
  const auto& c = GetParam();
  EXPECT_EQ(utf8(IniDocument::parse(gbk(c.file)).get(gbk(c.section), gbk(c.key))), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, IniGet,
    testing::Values(
        GetCase{"Plain", "[法人资料]\r\n法人姓=张\r\n", "法人资料", "法人姓", "张"},
        GetCase{"EmptyFile", "", "法人资料", "法人姓", ""},
        GetCase{"MissingSection", "[先天八字]\r\n姓氏=李\r\n", "法人资料", "姓氏", ""},
        GetCase{"MissingKey", "[法人资料]\r\n法人名=三\r\n", "法人资料", "法人姓", ""},
        GetCase{"KeyOfAnotherSection", "[a]\r\nk=1\r\n[b]\r\nj=2\r\n", "a", "j", ""},
        GetCase{"SectionCaseIgnored", "[Main]\r\nKey=v\r\n", "MAIN", "key", "v"},
        GetCase{"BlanksAroundNamesAndValue", "  [ s ]  \r\n\t k \t=  v w \t\r\n", "s", "k", "v w"},
        GetCase{"DoubleQuotesRemoved", "[s]\r\nk=\"  v  \"\r\n", "s", "k", "  v  "},
        GetCase{"SingleQuotesRemoved", "[s]\r\nk='v'\r\n", "s", "k", "v"},
        GetCase{"UnmatchedQuotesKept", "[s]\r\nk=\"v'\r\n", "s", "k", "\"v'"},
        GetCase{"EqualsInValue", "[s]\r\nk=a=b\r\n", "s", "k", "a=b"},
        GetCase{"EmptyValue", "[s]\r\nk=\r\n", "s", "k", ""},
        GetCase{"FirstDuplicateKeyWins", "[s]\r\nk=1\r\nk=2\r\n", "s", "k", "1"},
        GetCase{"FirstDuplicateSectionWins", "[s]\r\nk=1\r\n[s]\r\nk=2\r\n", "s", "k", "1"},
        GetCase{"KeyBeforeAnySectionIgnored", "k=0\r\n[s]\r\nk=1\r\n", "s", "k", "1"},
        GetCase{"CommentIgnored", "[s]\r\n;k=0\r\nk=1\r\n", "s", "k", "1"},
        GetCase{"UnterminatedHeaderIsNoSection", "[s\r\nk=1\r\n", "s", "k", ""},
        GetCase{"UnterminatedHeaderDoesNotEndSection", "[s]\r\n[t\r\nk=1\r\n", "s", "k", "1"},
        GetCase{"LineWithoutEqualsSkipped", "[s]\r\ngarbage line\r\nk=1\r\n", "s", "k", "1"},
        GetCase{"UnixLineEnds", "[s]\nk=1\nj=2\n", "s", "j", "2"},
        GetCase{"OldMacLineEnds", "[s]\rk=1\rj=2\r", "s", "j", "2"},
        GetCase{"NoFinalLineEnd", "[s]\r\nk=last", "s", "k", "last"},
        GetCase{"ZeroByteEndsTheValue", std::string("[s]\r\nk=ab\0cd\r\n", 14), "s", "k", "ab"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniGet, LetterCaseIsNotFoldedInsideTwoByteCharacters) {
  // "\xB0\x41" and "\xB0\x61" are two different GBK characters whose second bytes
  // happen to be the ASCII codes of "A" and "a".
  IniDocument document = IniDocument::parse("[\xB0\x41]\r\nk=1\r\n");
  EXPECT_EQ(document.get("\xB0\x41", "k"), "1");
  EXPECT_EQ(document.get("\xB0\x61", "k"), "");
}

TEST(IniGet, ABracketAsSecondByteDoesNotCloseTheSectionName) {
  // "\x81\x5D" is a GBK character whose second byte is "]".
  IniDocument document = IniDocument::parse("[\x81\x5D\xB0\xA1]\r\nk=1\r\n");
  EXPECT_EQ(document.get("\x81\x5D\xB0\xA1", "k"), "1");
}

struct LimitCase {
  const char* name;
  std::string value;
  std::size_t expectedBytes;
};

class IniValueLimit : public testing::TestWithParam<LimitCase> {};

TEST_P(IniValueLimit, GivesWhatA10240ByteBufferHolds) {
  IniDocument document = IniDocument::parse("[s]\r\nk=" + GetParam().value + "\r\n");
  std::string value = document.get("s", "k");
  EXPECT_EQ(value.size(), GetParam().expectedBytes);
  EXPECT_EQ(value, GetParam().value.substr(0, GetParam().expectedBytes));
}

// 啊 is "\xB0\xA1" in GBK.
INSTANTIATE_TEST_SUITE_P(
    Lengths, IniValueLimit,
    testing::Values(LimitCase{"Short", std::string(100, 'a'), 100},
                    LimitCase{"JustFits", std::string(10239, 'a'), 10239},
                    LimitCase{"OneTooLong", std::string(10240, 'a'), 10239},
                    LimitCase{"FarTooLong", std::string(50000, 'a'), 10239},
                    // 10,239 bytes would end inside a character: that half is left out.
                    LimitCase{"TwoByteCharacters",
                              [] {
                                std::string s;
                                for (int i = 0; i < 6000; ++i) s += "\xB0\xA1";
                                return s;
                              }(),
                              10238},
                    LimitCase{"OddStartThenCharacters",
                              [] {
                                std::string s = "a";
                                for (int i = 0; i < 6000; ++i) s += "\xB0\xA1";
                                return s;
                              }(),
                              10239}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniSet, CreatesTheSectionInAnEmptyFile) {
  IniDocument document;
  ASSERT_TRUE(document.set(gbk("法人资料"), gbk("法人姓"), gbk("张")).ok());
  EXPECT_EQ(utf8(document.text()), "[法人资料]\r\n法人姓=张\r\n");
}

TEST(IniSet, AddsKeysAtTheEndOfTheirSectionAndSectionsAtTheEnd) {
  IniDocument document = IniDocument::parse("[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n");
  document.set("a", "z", "3");
  document.set("c", "w", "4");
  EXPECT_EQ(document.text(), "[a]\r\nx=1\r\nz=3\r\n\r\n[b]\r\ny=2\r\n\r\n[c]\r\nw=4\r\n");
}

TEST(IniSet, ReplacesAKeyWhereItStandsAndKeepsEveryOtherLine) {
  IniDocument document =
      IniDocument::parse("; kept comment\n[a]\nx = old \ngarbage\n[b]\nx=other\n");
  document.set("A", "X", "new");
  EXPECT_EQ(document.text(), "; kept comment\r\n[a]\r\nX=new\r\ngarbage\r\n[b]\r\nx=other\r\n");
}

struct RefusedCase {
  const char* name;
  std::string section;
  std::string key;
  std::string value;
};

class IniSetRefuses : public testing::TestWithParam<RefusedCase> {};

TEST_P(IniSetRefuses, WhatWouldBreakTheLinesAndChangesNothing) {
  IniDocument document = IniDocument::parse("[s]\r\nk=1\r\n");
  EXPECT_FALSE(document.set(GetParam().section, GetParam().key, GetParam().value).ok());
  EXPECT_EQ(document.text(), "[s]\r\nk=1\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, IniSetRefuses,
    testing::Values(RefusedCase{"LineBreakInValue", "s", "k", "1\r\n[s]\r\nk=2"},
                    RefusedCase{"NewlineInValue", "s", "k", "a\nb"},
                    RefusedCase{"ZeroInValue", "s", "k", std::string("a\0b", 3)},
                    RefusedCase{"EqualsInKey", "s", "k=j", "1"},
                    RefusedCase{"BracketOpensKey", "s", "[k", "1"},
                    RefusedCase{"SemicolonOpensKey", "s", ";k", "1"},
                    RefusedCase{"EmptyKey", "s", "", "1"},
                    RefusedCase{"BlankAroundKey", "s", " k", "1"},
                    RefusedCase{"BracketInSection", "s]x", "k", "1"},
                    // A lone lead byte at the end would take the "]" as its second byte.
                    RefusedCase{"SectionEndsInLeadByte", "s\xB0", "k", "1"},
                    RefusedCase{"EmptySection", "", "k", "1"}),
    [](const auto& info) { return std::string(info.param.name); });

// Every value the checks above let through reads back exactly as it was given.
TEST(IniSet, WhatIsWrittenReadsBackExactly) {
  const struct {
    const char* name;
    std::string value;
  } cases[] = {
      {"plain", "plain"},
      {"blanks around", "  spaced  "},
      {"a tab at the end", "folder\t"},
      {"single quotes around", "'a'"},
      {"double quotes around", "\"a\""},
      {"quotes and blanks", " \"a\" "},
      {"one quote", "\"a"},
      {"only a quote pair", "\"\""},
      {"empty", ""},
      {"at the length limit", std::string(kProfileValueLimit, 'x')},
      {"GBK", gbk("  成都 ")},
  };
  for (const auto& c : cases) {
    IniDocument document;
    ASSERT_TRUE(document.set("s", "k", c.value).ok()) << c.name;
    EXPECT_EQ(IniDocument::parse(document.text()).get("s", "k"), c.value) << c.name;
  }
}

TEST(IniSet, RefusesAValueThatWouldReadBackCutShort) {
  IniDocument document;
  const Result<Done> set = document.set("s", "k", std::string(kProfileValueLimit + 1, 'x'));
  ASSERT_FALSE(set.ok());
  EXPECT_NE(utf8(set.error()).find("太长"), std::string::npos);
}

}  // namespace
}  // namespace zeruda::storage

#pragma once

#include "text/result.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zeruda::storage {

// The longest value a read gives back: the program reads values through a buffer of
// 10,240 bytes, one of which holds the terminating zero.
inline constexpr std::size_t kProfileValueLimit = 10239;

// The text of an INI file (GBK bytes), read and changed the way the Windows profile
// functions do it:
// - "[section]" lines open sections, "key=value" lines belong to the section above;
//   blank lines, ";" comments and lines without "=" are kept but carry no value;
// - section and key names match without regard to ASCII letter case;
// - the first matching section and the first matching key in it win;
// - values lose surrounding blanks and one pair of surrounding quotes.
// Lines the program does not touch are written back as they were read.
class IniDocument {
 public:
  IniDocument() = default;
  // Any bytes are accepted; "\r\n", "\n" and a lone "\r" all end a line.
  static IniDocument parse(std::string_view bytes);

  // The value, or an empty text when the section or key is missing; cut to
  // kProfileValueLimit bytes, never inside a two-byte character.
  std::string get(std::string_view section, std::string_view key) const;

  // Sets the value, adding the key at the end of its section and the section at the
  // end of the text when missing. Names and values that would break the line
  // structure (line breaks, "=" in a key, a section name whose line would not give
  // it back, a zero byte, an empty name) are refused, so a value can never smuggle
  // in lines of its own. A value is stored so that get() gives it back exactly:
  // one with surrounding blanks or surrounding quotes is written inside a pair of
  // quotes; one longer than kProfileValueLimit is refused.
  Result<Done> set(std::string_view section, std::string_view key, std::string_view value);

  // The text with "\r\n" after every line.
  std::string text() const;

 private:
  struct Found {
    std::size_t sectionLine;  // npos: no such section
    std::size_t keyLine;      // npos: no such key in it
    std::size_t insertAt;     // where a new key of the section goes
  };
  Found find(std::string_view section, std::string_view key) const;

  std::vector<std::string> lines_;
};

}  // namespace zeruda::storage

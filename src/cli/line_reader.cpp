#include "cli/line_reader.h"

#include <string_view>

namespace zeruda::cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool startsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

}  // namespace

bool LineReader::next(std::string& line, bool& tooLong) {
  std::streambuf* source = in_.rdbuf();
  line.clear();
  tooLong = false;
  // One more than the limit is kept, for the "\r" of a "\r\n" line end.
  std::size_t characters = 0;
  bool any = false;
  for (int c = source->sbumpc(); c != std::char_traits<char>::eof(); c = source->sbumpc()) {
    any = true;
    if (c == '\n') break;
    const char byte = static_cast<char>(c);
    if (startsCharacter(byte)) ++characters;
    if (characters <= max_ + 1) line += byte;
  }
  if (!any) {
    in_.setstate(std::ios::eofbit);
    return false;
  }
  if (++number_ == 1 && std::string_view(line).starts_with(kByteOrderMark)) {
    line.erase(0, kByteOrderMark.size());
    --characters;
  }
  if (!line.empty() && line.back() == '\r' && characters <= max_ + 1) {
    line.pop_back();
    --characters;
  }
  tooLong = characters > max_;
  return true;
}

}  // namespace zeruda::cli

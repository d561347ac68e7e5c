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
  lineBytes_ = 0;
  if (budget_ == 0) return false;
  // What is kept stops a little past both limits: room for a byte-order mark and
  // the "\r" of a "\r\n" line end, which are taken off below.
  const std::size_t keepCharacters = max_ + 2;
  const std::size_t keepBytes = maxBytes() + kByteOrderMark.size() + 1;
  std::size_t characters = 0;
  std::size_t bytes = 0;
  bool any = false;
  for (int c = source->sbumpc(); c != std::char_traits<char>::eof(); c = source->sbumpc()) {
    any = true;
    ++lineBytes_;
    if (c == '\n') break;
    const char byte = static_cast<char>(c);
    if (startsCharacter(byte)) ++characters;
    ++bytes;
    if (characters <= keepCharacters && bytes <= keepBytes) line += byte;
    if (lineBytes_ >= budget_) break;
  }
  budget_ -= lineBytes_;
  if (!any) {
    in_.setstate(std::ios::eofbit);
    return false;
  }
  if (++number_ == 1 && std::string_view(line).starts_with(kByteOrderMark)) {
    line.erase(0, kByteOrderMark.size());
    --characters;
    bytes -= kByteOrderMark.size();
  }
  if (!line.empty() && line.back() == '\r' && line.size() == bytes) {
    line.pop_back();
    --characters;
    --bytes;
  }
  tooLong = characters > max_ || bytes > maxBytes();
  return true;
}

}  // namespace zeruda::cli

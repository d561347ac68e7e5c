// The readers of a shortlist's lines: the command line's (a file of UTF-8 lines, with
// a limit per line) and the window's (pasted GBK text, a name a line).
#include "cli/line_reader.h"
#include "property.h"
#include "shortlist/shortlist.h"
#include "text/gbk.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kLimit = 8;  // characters: small, so that inputs pass it often

// The lines as the reader promises them, split the plain way: at every "\n", a
// "\r" before it taken off, a byte-order mark at the start of the first taken off,
// nothing kept of a last empty line.
std::vector<std::string> plainLines(std::string_view bytes) {
  std::vector<std::string> lines;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string line(bytes.substr(0, end));
    if (lines.empty() && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
  }
  return lines;
}

std::size_t characters(std::string_view line) {
  std::size_t count = 0;
  for (unsigned char byte : line) count += (byte & 0xC0) != 0x80;
  return count;
}

void checkLineReader(std::string_view bytes) {
  std::istringstream in{std::string(bytes)};
  zeruda::cli::LineReader reader(in, kLimit);
  const std::vector<std::string> expected = plainLines(bytes);
  std::string line;
  bool tooLong = false;
  std::size_t count = 0;
  std::size_t read = 0;
  while (reader.next(line, tooLong)) {
    read += reader.lineBytes();
    FUZZ_PROPERTY(count < expected.size());
    const std::string& whole = expected[count++];
    FUZZ_PROPERTY(reader.number() == count);
    // Nothing kept beyond what the limits need, whatever the bytes.
    FUZZ_PROPERTY(line.size() <= reader.maxBytes() + 4);
    const bool longer = characters(whole) > kLimit || whole.size() > reader.maxBytes();
    FUZZ_PROPERTY(tooLong == longer);
    if (!tooLong) FUZZ_PROPERTY(line == whole);
  }
  FUZZ_PROPERTY(count == expected.size());
  FUZZ_PROPERTY(read == bytes.size());
  // Held to a budget, it reads no byte past it, however long the line.
  std::istringstream again{std::string(bytes)};
  zeruda::cli::LineReader budgeted(again, kLimit, bytes.size() / 2);
  std::size_t within = 0;
  while (budgeted.next(line, tooLong)) within += budgeted.lineBytes();
  FUZZ_PROPERTY(within == bytes.size() / 2);
}

// A name a line: none empty, none with a line break. Of GBK text (what the window
// hands over; other bytes have no characters to find blanks among) the names have
// no blanks left, and pasted again, one a line, give the same names.
void checkPastedNames(std::string_view bytes) {
  const std::vector<std::string> names = zeruda::shortlist::shortlistNames(bytes);
  const bool gbk = zeruda::text::gbkToUtf8(bytes).ok();
  std::string again;
  for (const std::string& name : names) {
    FUZZ_PROPERTY(!name.empty());
    FUZZ_PROPERTY(name.find_first_of("\r\n") == std::string::npos);
    if (gbk) FUZZ_PROPERTY(zeruda::shortlist::shortlistName(name) == name);
    again += name + "\r\n";
  }
  if (gbk) FUZZ_PROPERTY(zeruda::shortlist::shortlistNames(again) == names);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  checkLineReader(bytes);
  checkPastedNames(bytes);
  return 0;
}

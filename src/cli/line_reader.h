#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>

namespace zeruda::cli {

// The lines of a UTF-8 input one at a time, each without its "\n" and "\r\n", the
// first without a byte-order mark. A line is kept only up to a limit of characters,
// and of bytes (the most those characters can take): of a longer one only the fact
// is kept, however long it is, so a stray huge line costs no memory. Bytes of every
// kind count towards the byte limit, so a run of bytes that start no character
// (broken UTF-8) is held to it too.
class LineReader {
 public:
  // The most bytes one UTF-8 character takes.
  static constexpr std::size_t kBytesPerCharacter = 4;

  // No more than `maxTotalBytes` of the input are read, however long its last line:
  // an endless input (a device) then ends too.
  LineReader(std::istream& in, std::size_t maxCharacters, std::size_t maxTotalBytes = SIZE_MAX)
      : in_(in), max_(maxCharacters), budget_(maxTotalBytes) {}

  // The next line into `line`; false at the end of the input. `tooLong` tells that
  // the line had more characters than the limit, or more bytes than maxBytes()
  // (`line` is then cut short).
  bool next(std::string& line, bool& tooLong);
  // The number of the line last read, from 1.
  std::size_t number() const { return number_; }
  // The bytes the line last read took in the input, its line end included.
  std::size_t lineBytes() const { return lineBytes_; }
  // The byte limit of a line.
  std::size_t maxBytes() const { return max_ * kBytesPerCharacter; }

 private:
  std::istream& in_;
  std::size_t max_;
  std::size_t budget_;
  std::size_t number_ = 0;
  std::size_t lineBytes_ = 0;
};

}  // namespace zeruda::cli

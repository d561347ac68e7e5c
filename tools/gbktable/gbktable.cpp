// zeruda_gbktable: writes the GBK tables the program converts with (declared in
// text/gbk_table.h) as a C++ source, read off the build machine's C library while
// the program is built.
//
//   zeruda_gbktable OUT.cpp
//
// The program itself carries no converter: the C libraries of the browser build and
// of Windows toolchains have no GBK in their iconv, while every Linux build machine's
// glibc has. The tool fails when that converter does something the tables cannot
// hold, so a different C library cannot change the program's GBK unnoticed.
#include "text/gbk_table.h"

#include <gnu/libc-version.h>
#include <iconv.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace zeruda::text::gbk_table;

constexpr char32_t kEuro = 0x20AC;  // the converter's one single-byte extension, 0x80

// What the tables cannot hold, or a file that cannot be written.
using Failure = std::runtime_error;

std::string hex(std::uint32_t value, int digits = 4) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*X", digits, static_cast<unsigned>(value));
  return text;
}

// One iconv direction; each call converts a whole input from a fresh state.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw Failure(std::string("the C library cannot convert ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // The output, or false when the converter refuses the input.
  bool convert(std::string input, std::string& output) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char buffer[32];
    char* src = input.data();
    std::size_t srcLeft = input.size();
    char* dst = buffer;
    std::size_t dstLeft = sizeof buffer;
    if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) return false;
    output.assign(buffer, static_cast<std::size_t>(dst - buffer));
    return true;
  }

 private:
  iconv_t cd_;
};

std::string utf32(char32_t c) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((c >> (8 * i)) & 0xFF);
  return bytes;
}

// The one character that UTF-32LE bytes hold, or false when they hold another count.
bool oneCharacter(const std::string& bytes, char32_t& c) {
  if (bytes.size() != 4) return false;
  c = 0;
  for (int i = 3; i >= 0; --i) c = (c << 8) | static_cast<unsigned char>(bytes[i]);
  return true;
}

using DecodeTable = std::array<std::array<char16_t, kTrailCount>, kLeadCount>;

DecodeTable readDecoding(Converter& decoder) {
  DecodeTable table{};
  std::string output;
  for (unsigned lead = 0; lead < kLeadCount; ++lead) {
    for (unsigned trail = 0; trail < kTrailCount; ++trail) {
      const std::string code{static_cast<char>(kFirstLead + lead),
                             static_cast<char>(kFirstTrail + trail)};
      if (!decoder.convert(code, output)) continue;
      char32_t c = 0;
      if (!oneCharacter(output, c) || c < 0x80 || c > 0xFFFF) {
        throw Failure("GBK " + hex((kFirstLead + lead) * 256 + kFirstTrail + trail) +
                      " does not stand for one character of the Basic Multilingual Plane");
      }
      table[lead][trail] = static_cast<char16_t>(c);
    }
  }
  return table;
}

bool isTag(char32_t c) { return c >= kFirstTag && c <= kLastTag; }

// Every character the converter gives a two-byte code, by its code.
std::map<char32_t, std::uint16_t> readEncoding(Converter& encoder) {
  std::map<char32_t, std::uint16_t> codes;
  std::string output;
  for (char32_t c = 0x80; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const bool converted = encoder.convert(utf32(c), output);
    if (isTag(c) != (converted && output.empty())) {
      throw Failure("U+" + hex(c) + ": the program leaves out exactly the tag characters, " +
                    "the converter does not");
    }
    if (!converted || output.empty()) continue;
    if (output.size() == 1 && c == kEuro && output[0] == '\x80') continue;
    const unsigned lead = static_cast<unsigned char>(output[0]) - kFirstLead;
    if (output.size() != 2 || lead >= kLeadCount || c > 0xFFFF) {
      throw Failure("U+" + hex(c) + " has no two-byte code of the Basic Multilingual Plane");
    }
    codes[c] = static_cast<std::uint16_t>((output[0] & 0xFF) << 8 | (output[1] & 0xFF));
  }
  return codes;
}

void checkAscii(Converter& decoder, Converter& encoder) {
  std::string output;
  for (char32_t c = 0; c < 0x80; ++c) {
    const std::string byte(1, static_cast<char>(c));
    char32_t back = 0;
    if (!encoder.convert(utf32(c), output) || output != byte || !decoder.convert(byte, output) ||
        !oneCharacter(output, back) || back != c) {
      throw Failure("ASCII " + hex(c) + " is not its own GBK code");
    }
  }
}

// Writes values in braces, `perLine` to a line, in hexadecimal of their type's width.
template <typename Values>
void writeBraced(std::ostream& out, const Values& values, std::size_t perLine) {
  constexpr int kDigits = 2 * sizeof(values[0]);
  out << "{";
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i % perLine == 0 && i > 0) out << "\n   ";
    out << "0x" << hex(values[i], kDigits) << (i + 1 < values.size() ? "," : "");
  }
  out << "}";
}

void writeSource(std::ostream& out, const DecodeTable& decoding,
                 const std::map<char32_t, std::uint16_t>& encoding) {
  std::array<std::uint8_t, 256> pageOf{};
  std::vector<std::array<std::uint16_t, 256>> pages(1);  // page 0: no character
  for (const auto& [c, code] : encoding) {
    if (pageOf[c >> 8] == 0) {
      pageOf[c >> 8] = static_cast<std::uint8_t>(pages.size());
      pages.emplace_back();
    }
    pages[pageOf[c >> 8]][c & 0xFF] = code;
  }
  out << "// Generated by zeruda_gbktable from the GBK converter of glibc "
      << gnu_get_libc_version() << "; do not edit.\n"
      << "#include \"text/gbk_table.h\"\n\n"
      << "namespace zeruda::text::gbk_table {\n\n// clang-format off\n"
      << "const char16_t kToUnicode[kLeadCount][kTrailCount] = {\n";
  for (const auto& row : decoding) {
    out << "  ";
    writeBraced(out, row, 12);
    out << ",\n";
  }
  out << "};\n\nconst std::uint8_t kPageOf[256] = ";
  writeBraced(out, pageOf, 16);
  out << ";\n\nconst std::uint16_t kToGbk[][256] = {\n";
  for (const auto& page : pages) {
    out << "  ";
    writeBraced(out, page, 16);
    out << ",\n";
  }
  out << "};\n// clang-format on\n\n}  // namespace zeruda::text::gbk_table\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: zeruda_gbktable OUT.cpp\n";
    return 2;
  }
  try {
    Converter decoder("UTF-32LE", "GBK");
    Converter encoder("GBK", "UTF-32LE");
    checkAscii(decoder, encoder);
    const DecodeTable decoding = readDecoding(decoder);
    const auto encoding = readEncoding(encoder);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    writeSource(out, decoding, encoding);
    if (!out.flush()) throw Failure(std::string("cannot write ") + argv[1]);
  } catch (const Failure& failure) {
    std::cerr << "zeruda_gbktable: " << failure.what() << "\n";
    return 1;
  }
  return 0;
}

#pragma once

#include <cstdint>

// The GBK code page as tables, generated while building by tools/gbktable (the
// definitions live in the generated gbk_table.cpp).
namespace zeruda::text::gbk_table {

// A two-byte code is a lead byte 0x81-0xFE followed by a trail byte 0x40-0xFE.
inline constexpr unsigned kFirstLead = 0x81;
inline constexpr unsigned kLeadCount = 126;
inline constexpr unsigned kFirstTrail = 0x40;
inline constexpr unsigned kTrailCount = 191;

// The character of each two-byte code, 0 where the code stands for none.
extern const char16_t kToUnicode[kLeadCount][kTrailCount];

// The two-byte code of a character c of the Basic Multilingual Plane (GBK has
// none beyond it) is kToGbk[kPageOf[c >> 8]][c & 0xFF], 0 where GBK lacks c.
// Page 0 of kToGbk is all zero: the page of every block with no GBK character.
extern const std::uint8_t kPageOf[256];
extern const std::uint16_t kToGbk[][256];

// Invisible language tags: they carry no text, and conversion to GBK leaves them out.
inline constexpr char32_t kFirstTag = 0xE0000;
inline constexpr char32_t kLastTag = 0xE007F;

}  // namespace zeruda::text::gbk_table

#include "text/number_text.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace zeruda::text {
namespace {

// A positive finite number as digits d1 d2 … dn (no trailing zeros) and the
// exponent e of d1.d2…dn × 10^e.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

bool readsBack(const char* text, double magnitude) {
  return std::strtod(text, nullptr) == magnitude;
}

// Moves the last printed digit of a "d.ddde+XX" text one unit up or down; false when
// the carry or borrow would reach the leading digit's place.
bool stepLastDigit(std::string& text, int step) {
  for (std::size_t i = text.find('e'); i-- > 0;) {
    char& c = text[i];
    if (!std::isdigit(static_cast<unsigned char>(c))) continue;
    const char wrapped = step > 0 ? '9' : '0';
    if (c != wrapped) {
      c = static_cast<char>(c + step);
      return i > 0 || c != '0';
    }
    c = step > 0 ? '0' : '9';
  }
  return false;
}

// The fewest significant digits that read back as `magnitude`. printf rounds
// correctly, so the nearest text of each length comes first; beside a power of two
// the doubles below lie closer together than those above, and there the next text up
// may read back where the nearest does not. 17 digits always read back. Texts are read
// back in the locale they were written in, and only digits and exponent are kept, so a
// decimal comma changes nothing.
std::string shortestExponentText(double magnitude) {
  char buffer[40];
  for (int precision = 0; precision < 16; ++precision) {
    std::snprintf(buffer, sizeof buffer, "%.*e", precision, magnitude);
    if (readsBack(buffer, magnitude)) return buffer;
    for (int step : {1, -1}) {
      std::string neighbour = buffer;
      if (stepLastDigit(neighbour, step) && readsBack(neighbour.c_str(), magnitude)) {
        return neighbour;
      }
    }
  }
  std::snprintf(buffer, sizeof buffer, "%.16e", magnitude);
  return buffer;
}

Decimal shortestDecimal(double magnitude) {
  const std::string text = shortestExponentText(magnitude);
  const std::size_t e = text.find('e');
  Decimal decimal;
  for (char c : std::string_view(text).substr(0, e)) {
    if (std::isdigit(static_cast<unsigned char>(c))) decimal.digits += c;
  }
  while (decimal.digits.size() > 1 && decimal.digits.back() == '0') decimal.digits.pop_back();
  decimal.exponent = std::atoi(text.c_str() + e + 1);
  return decimal;
}

std::string withExponent(const Decimal& d) {
  std::string text(1, d.digits[0]);
  if (d.digits.size() > 1) text += '.' + d.digits.substr(1);
  const int magnitude = std::abs(d.exponent);
  text += d.exponent < 0 ? "e-" : "e+";
  if (magnitude < 10) text += '0';
  return text + std::to_string(magnitude);
}

// Plain notation. A whole number is written with all its digits as printf writes it,
// not with the shortest digits padded by zeros: to_chars does the same.
std::string plain(const Decimal& d, double magnitude) {
  const int count = static_cast<int>(d.digits.size());
  if (d.exponent < 0) return "0." + std::string(-d.exponent - 1, '0') + d.digits;
  if (d.exponent >= count - 1) {
    char whole[320];  // the largest double has 309 digits
    std::snprintf(whole, sizeof whole, "%.0f", magnitude);
    return whole;
  }
  const auto point = static_cast<std::size_t>(d.exponent + 1);
  return d.digits.substr(0, point) + '.' + d.digits.substr(point);
}

// Whole numbers and halves below 100000, which the star counts are made of, written at
// once: their plain text is the shortest and no longer than the scientific one.
bool smallHalf(double magnitude) {
  const double twice = magnitude * 2;
  return magnitude < 100000 && std::trunc(twice) == twice;
}

std::string smallHalfText(double magnitude) {
  const auto whole = static_cast<long long>(magnitude);
  return std::to_string(whole) + (static_cast<double>(whole) == magnitude ? "" : ".5");
}

}  // namespace

std::string shortestNumberText(double value) {
  const std::string sign = std::signbit(value) ? "-" : "";
  if (std::isnan(value)) return sign + "nan";
  if (std::isinf(value)) return sign + "inf";
  if (smallHalf(std::fabs(value))) return sign + smallHalfText(std::fabs(value));
  const Decimal decimal = shortestDecimal(std::fabs(value));
  std::string fixed = plain(decimal, std::fabs(value));
  std::string scientific = withExponent(decimal);
  return sign + (fixed.size() <= scientific.size() ? fixed : scientific);
}

}  // namespace zeruda::text

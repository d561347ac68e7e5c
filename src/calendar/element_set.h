#pragma once

#include "calendar/ganzhi.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace zeruda::calendar {

// Some of the five elements, each at most once, in the order they were added: the
// order a chart lists them in ("金土" for 同类, 木 火 土 金 水 for the missing ones),
// which is the order their text shows. Two sets are equal when they hold the same
// elements, whatever their order.
class ElementSet {
 public:
  constexpr ElementSet() = default;
  constexpr ElementSet(std::initializer_list<Element> elements) {
    for (Element element : elements) insert(element);
  }
  explicit constexpr ElementSet(std::span<const Element> elements) {
    for (Element element : elements) insert(element);
  }
  // The elements a GBK text names, in its order; other characters are passed over.
  static ElementSet inText(std::string_view gbk);

  constexpr void insert(Element element) {
    if (contains(element)) return;
    order_[size_++] = element;
    bits_ = static_cast<std::uint8_t>(bits_ | bit(element));
  }
  constexpr bool contains(Element element) const { return (bits_ & bit(element)) != 0; }
  constexpr int size() const { return size_; }
  constexpr bool empty() const { return size_ == 0; }
  constexpr const Element* begin() const { return order_.data(); }
  constexpr const Element* end() const { return order_.data() + size_; }
  constexpr bool operator==(const ElementSet& other) const { return bits_ == other.bits_; }

  // The elements' characters joined, in the set's order (GBK): "金土".
  std::string text() const;

 private:
  static constexpr std::uint8_t bit(Element element) {
    return static_cast<std::uint8_t>(1u << static_cast<unsigned>(element));
  }
  std::array<Element, kElementCount> order_{};
  std::uint8_t size_ = 0;
  std::uint8_t bits_ = 0;
};

}  // namespace zeruda::calendar

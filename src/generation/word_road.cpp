#include "generation/word_road.h"

#include "generation/trade_words.h"
#include "naming/road_screen.h"
#include "registration/famous_names.h"

#include <algorithm>
#include <string>

namespace zeruda::generation {

namespace {

// The layouts a body of each length may take, as (start, word) segments.
std::vector<std::vector<std::pair<int, bool>>> layoutsFor(int length) {
  switch (length) {
    case 2:
      return {{{0, true}}};
    case 3:
      return {{{0, true}, {2, false}}, {{0, false}, {1, true}}};
    case 4:
      return {{{0, true}, {2, true}}};
    default:
      return {};
  }
}

bool doubleByte(std::string_view unit) {
  return unit.size() == 2 && static_cast<unsigned char>(unit[0]) >= 0x81;
}

int drawIndex(std::size_t size, run::DrawInteger& draw) {
  return size == 1 ? 0 : draw(0, static_cast<int>(size) - 1);
}

}  // namespace

WordRoad::WordRoad(const EngineSettings& settings) : length_(settings.bodyLength) {
  for (std::size_t i = 0; i < fixed_.size(); ++i) fixed_[i] = settings.fixed[i];
  if (settings.prefix.size() >= 2) {
    const auto last = std::string_view(settings.prefix).substr(settings.prefix.size() - 2);
    if (doubleByte(last)) before_ = last;
  }
  if (const auto first = std::string_view(settings.suffix).substr(0, 2); doubleByte(first)) {
    after_ = first;
  }
  for (const auto& shape : layoutsFor(length_)) {
    Layout layout;
    for (const auto& [start, word] : shape) {
      Segment segment{start, word, {}};
      if (word) {
        for (const auto candidate : tradeWords()) {
          const auto& one = fixed_[static_cast<std::size_t>(start)];
          const auto& two = fixed_[static_cast<std::size_t>(start + 1)];
          if ((one.empty() || candidate.substr(0, 2) == one) &&
              (two.empty() || candidate.substr(2, 2) == two)) {
            segment.words.push_back(candidate);
          }
        }
      }
      layout.push_back(std::move(segment));
    }
    layouts_.push_back(std::move(layout));
  }
}

std::array<std::string_view, 4> WordRoad::draw(run::DrawInteger& draw) const {
  std::array<std::string_view, 4> body{};
  if (layouts_.empty()) return body;
  const Layout& layout = layouts_[static_cast<std::size_t>(drawIndex(layouts_.size(), draw))];
  const auto words = tradeWords();
  for (const Segment& segment : layout) {
    const int width = segment.word ? 2 : 1;
    std::string_view word;
    if (!segment.words.empty()) {
      word = segment.words[static_cast<std::size_t>(drawIndex(segment.words.size(), draw))];
    }
    for (int i = 0; i < width; ++i) {
      const auto position = static_cast<std::size_t>(segment.start + i);
      if (!fixed_[position].empty()) {
        body[position] = fixed_[position];
      } else if (!word.empty()) {
        body[position] = word.substr(static_cast<std::size_t>(i) * 2, 2);
      } else {
        // A character alone takes the place it has in a word: one that ends words
        // (达, 源) at the end of the body, one that begins them (华, 金) elsewhere, as
        // often as the words use it there.
        const std::string_view from =
            words[static_cast<std::size_t>(drawIndex(words.size(), draw))];
        body[position] = from.substr(static_cast<int>(position) + 1 == length_ ? 2 : 0, 2);
      }
    }
  }
  return body;
}

bool WordRoad::accepts(std::span<const std::string_view> body) const {
  for (std::size_t i = 1; i < body.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (body[i] == body[j]) return false;
    }
  }
  std::string text;
  for (const auto character : body) text += character;
  if (!registration::FamousNames::builtIn().withTradeName(text).empty()) return false;
  std::array<std::string_view, 6> heard{};
  std::size_t count = 0;
  if (!before_.empty()) heard[count++] = before_;
  for (const auto character : body.first(std::min<std::size_t>(body.size(), 4))) {
    heard[count++] = character;
  }
  if (!after_.empty()) heard[count++] = after_;
  return naming::screenedAvoidWord(std::span(heard).first(count)) == nullptr;
}

}  // namespace zeruda::generation

#include "cli/dictionary_characters.h"

#include "cli/command.h"
#include "cli/terminal.h"
#include "dictionary/strokes.h"
#include "text/characters.h"

#include <string>

namespace zeruda::cli {

void requireDictionaryCharacters(std::string_view gbk, std::string_view what) {
  if (gbk.empty()) throw OutOfRange(std::string(what) + " is empty");
  for (std::size_t pos = 0; pos < gbk.size();) {
    const std::size_t length = text::charLength(gbk, pos);
    const std::string_view unit = gbk.substr(pos, length);
    if (length != 2 || dictionary::kangxiStrokes(unit) == 0) {
      throw OutOfRange(std::string(what) + ": '" + fromGbk(unit) +
                       "' is not a Chinese character the dictionary has");
    }
    pos += length;
  }
}

}  // namespace zeruda::cli

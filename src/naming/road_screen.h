#pragma once

#include "naming/avoid_words.h"

#include <span>
#include <string_view>

namespace zeruda::naming {

// The word to avoid that a drawn name holds or is heard as, so the naming roads leave
// it out; nothing when it is clear. `characters` are the whole name's characters in
// order (two GBK bytes each), surname or prefix first. A character is refused only
// for itself (史 is a surname, not 屎); the whole name and every run of two or more
// characters in it are compared with the words to avoid by their characters, by their
// readings with tones and by their readings without tones. A character outside the
// name facts is heard by the dictionary's toneless reading only.
//
// The name judgement will take this screen's place: it hears the same words and says
// more about them.
const AvoidWord* screenedAvoidWord(std::span<const std::string_view> characters);

}  // namespace zeruda::naming

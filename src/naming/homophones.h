#pragma once

#include "naming/avoid_words.h"
#include "naming/name_readings.h"

#include <string>
#include <vector>

namespace zeruda::naming {

// A word to avoid that a name holds or is heard as.
struct HeardWord {
  enum class How { Written, SameTones, OtherTones };
  const AvoidWord* word = nullptr;
  std::string heardIn;  // the characters of the name it is heard in (GBK)
  How how = How::Written;
};

// Every word to avoid that a run of the name's characters holding a given character
// spells or sounds like, tone for tone or with other tones (the full name and each
// adjacent pair among them), and each single character to avoid the given name holds;
// each word once, the longest runs first.
std::vector<HeardWord> heardWords(const NameSound& sound);

// The warning of one (GBK); a 谐音 names the word heard: "谐音：“杜子腾”音近“肚子疼”（dù zi
// téng）".
std::string heardWordWarning(const HeardWord& heard);

}  // namespace zeruda::naming

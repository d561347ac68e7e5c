#pragma once

#include "naming/name_readings.h"

#include <string>
#include <vector>

namespace zeruda::naming {

// What a name's sound gives the naming custom to say (GBK texts): warnings where the
// custom counts it a flaw, notes where it only remarks on it.
struct SoundFindings {
  std::vector<int> tones;   // one per syllable: 1-4, 0 where neutral or unknown
  std::string tonePattern;  // 平 (tones 1, 2) and 仄 (3, 4) in order, ？ where unknown
  std::vector<std::string> warnings;
  std::vector<std::string> notes;
};

// The tones (three alike in a row, two 3rd tones in a row, the tone the name ends on),
// 双声 and 叠韵 of the surname with the given name's first character, and syllables
// heard twice.
SoundFindings soundFindings(const NameSound& sound);

// The initial of a toneless syllable ("zh" of "zhang", "" of "an").
std::string_view initialOf(std::string_view tonelessSyllable);

}  // namespace zeruda::naming

#pragma once

#include "naming/judgement.h"

#include <string_view>

namespace zeruda::generation {

// What the naming custom says of a company's 字号 (GBK), beside its numerology: its
// reading with tones, each character's meaning, the words to avoid it holds or is
// heard as, characters outside the 通用规范汉字表, whether it is one of the curated
// 字号 words, and the well-known enterprises that use it.
naming::NameJudgement judgeBody(std::string_view body);

}  // namespace zeruda::generation

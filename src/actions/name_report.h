#pragma once

#include "actions/name_judgement.h"

#include <string>

namespace zeruda::actions {

// The personal name report as text (GBK, one item a line): reading, tones, meanings,
// source, the five grids and three talents with their luck, the stars and how they
// were counted when a birth was given, then the warnings and the notes.
std::string nameReportText(const NameJudgementAnswer& answer);

}  // namespace zeruda::actions

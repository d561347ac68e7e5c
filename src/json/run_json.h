#pragma once

#include "generation/candidate_row.h"
#include "personal/request.h"
#include "personal/worker.h"

#include <span>
#include <string>

namespace zeruda::json {

// Company names as the result list shows them: one object per row, its seven cells
// as texts under sequence, full_name, body, written_strokes, kangxi_strokes,
// elements and stars, then for a row a run gave the judgement of its 字号 (pinyin,
// tones, tone_pattern, meanings, source, warnings, notes) and star_parts.
std::string generateJson(std::span<const generation::CandidateRow> rows);

// A personal naming run: the person's pillars, missing elements and base score, each
// name with its stars, score, grids, judgement (reading, meanings, source, warnings)
// and star_parts, the names new to the recommendation list,
// and the notes on the request (a character outside the table of standard characters).
std::string personalJson(const personal::NamingStart& start,
                         std::span<const personal::NameRow> rows);

}  // namespace zeruda::json

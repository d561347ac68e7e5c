#pragma once

#include "actions/name_judgement.h"
#include "generation/candidate_row.h"
#include "personal/worker.h"
#include "text/result.h"

#include <filesystem>
#include <span>

#include <string>

namespace zeruda::actions {

// The personal name report as text (GBK, one item a line): reading, tones, meanings,
// source, the five grids and three talents with their luck, the stars and how they
// were counted when a birth was given, then the warnings and the notes.
std::string nameReportText(const NameJudgementAnswer& answer);

// What a name listed by a personal run carries, as its tooltip and detail show it
// (GBK, one item a line, no break after the last): the report's reading, tones,
// meanings and source, how its stars were counted and passed their threshold, then
// the warnings and the notes.
std::string listedNameText(const std::string& surname, const personal::NameRow& row);

// The same for a company run's row, of its 字号 (no source): reading, tones, meanings,
// how its stars were counted, warnings and notes. Empty for a row not from a run.
std::string listedBodyText(const generation::CandidateRow& row);

// The company result list's rich export (GBK, CSV lines as the plain export writes
// them): the plain export's seven columns, then the 字号's 拼音, 字义 (each character's
// meaning, " / " between them), 提示 (warnings, then notes) and 星级计算, worded as
// listedBodyText words them. A row without a judgement leaves the four empty.
std::string richCsvText(std::span<const generation::CandidateRow> rows);

// Writes richCsvText to `file`, replacing it whole; the reason (GBK) when it is not in
// place.
Result<Done> exportRichRows(const std::filesystem::path& file,
                            std::span<const generation::CandidateRow> rows);

}  // namespace zeruda::actions

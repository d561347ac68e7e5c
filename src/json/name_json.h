#pragma once

#include "actions/name_judgement.h"
#include "numerology/grids.h"
#include "shortlist/shortlist.h"

#include <span>
#include <string>
#include <string_view>

namespace zeruda::json {

// Each unit of a GBK text: written and Kangxi strokes, traditional form, pinyin.
std::string charsJson(std::string_view text);

// A body's two parts with their strokes, its eight grid numbers, three talents and
// their luck.
std::string gridsJson(std::string_view body, const numerology::NameGrids& record);

// A judged shortlist in its order, every name kept: each name's rank (its place, from
// 1), split (body, region, industry, form, branch; empty texts where none), stars,
// score and its parts (null when the body could not be rated) and its registration
// findings.
std::string scoreJson(std::span<const shortlist::ScoredName> names);

// One element of that array, the name at place `rank` (from 1), so that a long list
// can be written name by name: "[", the elements joined by ",", "]".
std::string scoredNameJson(const shortlist::ScoredName& name, std::size_t rank);

// The personal name report (测名): the name, its reading (pinyin with tones), tones and
// their pattern, the meaning of each given character, its verse source (absent when
// none), warnings and notes, its two parts with strokes, the eight grid numbers, the
// luck of the five grids, the three talents and their luck, and when a birth was
// given its stars with star_parts: the parts `score` gives, their sum, the rounded sum,
// the threshold it passed (null for one star) and the chart's missing elements.
std::string nameJudgementJson(const actions::NameJudgementAnswer& answer);

}  // namespace zeruda::json

#include "actions/name_report.h"

#include "generation/export.h"

#include "numerology/number_luck.h"
#include "numerology/rating.h"
#include "pictures/palette.h"
#include "storage/atomic_file.h"
#include "text/gbk_literal.h"
#include "text/number_text.h"

#include <array>
#include <vector>

namespace zeruda::actions {

using namespace text::literals;

namespace {

std::string number(double value) { return text::shortestNumberText(value); }

// `label`: what `name` is ("姓名：", or "字号：" for a company's); `characters`: the
// given name's or the 字号's, one per meaning.
std::string judgementLines(const std::string& label, const std::string& name,
                           const std::vector<std::string>& characters,
                           const naming::NameJudgement& judged) {
  std::string out = label + name + "（"_gbk + judged.pinyin + "）\n"_gbk;
  out += "声调："_gbk;
  for (std::size_t k = 0; k < judged.tones.size(); ++k) {
    out += (k ? " " : "") + std::to_string(judged.tones[k]);
  }
  out += "（"_gbk + judged.tonePattern + "）\n"_gbk;
  for (std::size_t k = 0; k < characters.size() && k < judged.meanings.size(); ++k) {
    out += (k == 0 ? "字义："_gbk : "      ") + characters[k] + ' ';
    out += judged.meanings[k];
    out += '\n';
  }
  if (const naming::Verse* verse = judged.source) {
    out += "出处：《"_gbk + std::string(verse->book) + "·"_gbk + std::string(verse->title) +
           "》（"_gbk + std::string(verse->dynasty) + "·"_gbk + std::string(verse->author) +
           "）："_gbk + std::string(verse->clause) + '\n';
  }
  return out;
}

std::string gridLines(const numerology::NameGrids& record) {
  static const std::array<std::string, 5> kNames = {"天格"_gbk, "人格"_gbk, "地格"_gbk, "总格"_gbk,
                                                    "外格"_gbk};
  std::string out = "五格："_gbk;
  for (std::size_t k = 0; k < kNames.size(); ++k) {
    out += (k ? "  " : "") + kNames[k] + std::to_string(record.grids[k]) + ' ' +
           pictures::luckWord(numerology::numberLuck(record.grids[k]));
  }
  const std::string talents = numerology::threeTalents(record.grids);
  return out + "\n三才："_gbk + talents + ' ' +
         pictures::luckWord(numerology::threeTalentsLuck(talents)) + '\n';
}

// How the stars were counted, as the star line shows it inside its brackets.
std::string starCounting(const StarCount& count) {
  const numerology::ScoreParts& p = count.parts;
  std::string grids;
  for (double luck : p.grids) grids += (grids.empty() ? "" : "+") + number(luck);
  std::string out = "基数 "_gbk + number(p.base) + " + 三才 "_gbk + number(p.talents) +
                    " + 五格 "_gbk + grids + " + 五行 "_gbk + number(p.elements) + " = "_gbk +
                    number(p.sum()) + "，四舍五入为 "_gbk + std::to_string(count.rounded);
  if (count.threshold) {
    out += "，超过 "_gbk + std::to_string(*count.threshold) + " 得 "_gbk +
           std::to_string(count.stars) + " 星"_gbk;
  }
  return out;
}

std::string starLine(const StarCount& count) {
  return "星级："_gbk + numerology::starText(count.stars) + "（"_gbk + starCounting(count) +
         "）\n"_gbk;
}

// A company row's stars as the run rated them, from its parts.
StarCount rowStars(const generation::CandidateRow& row) {
  const long long rounded = numerology::roundHalfAway(row.parts.sum());
  const int stars = numerology::starsForScore(static_cast<double>(rounded));
  return StarCount{row.parts, rounded, stars, numerology::starThreshold(stars), {}};
}

std::vector<std::string> bodyCharacters(const std::string& body) {
  std::vector<std::string> characters;
  // A 字号 is whole two-byte characters, as the company runs draw them.
  for (std::size_t at = 0; at + 1 < body.size(); at += 2) characters.push_back(body.substr(at, 2));
  return characters;
}

std::string joined(const std::vector<std::string>& texts) {
  std::string out;
  for (const std::string& t : texts) out += (out.empty() ? "" : " / ") + t;
  return out;
}

std::string remarkLines(const naming::NameJudgement& judged) {
  std::string out;
  for (const std::string& warning : judged.warnings) out += "提醒："_gbk + warning + '\n';
  for (const std::string& note : judged.notes) out += "说明："_gbk + note + '\n';
  return out;
}

}  // namespace

std::string nameReportText(const NameJudgementAnswer& answer) {
  std::vector<std::string> characters;
  for (const auto& part : answer.record.givenPart) characters.push_back(part.character);
  std::string out =
      judgementLines("姓名："_gbk, answer.surname + answer.given, characters, answer.judgement) +
      gridLines(answer.record);
  if (answer.stars) out += starLine(*answer.stars);
  return out + remarkLines(answer.judgement);
}

std::string listedNameText(const std::string& surname, const personal::NameRow& row) {
  std::vector<std::string> characters;
  // The worker's given names are whole two-byte characters.
  for (std::size_t at = 0; at + 1 < row.given.size(); at += 2) {
    characters.push_back(row.given.substr(at, 2));
  }
  std::string out;
  if (row.judgement)
    out = judgementLines("姓名："_gbk, surname + row.given, characters, *row.judgement);
  out += starLine(
      StarCount{row.parts, row.score, row.stars, numerology::starThreshold(row.stars), {}});
  if (row.judgement) out += remarkLines(*row.judgement);
  // No line break after the last line: a tooltip would show it as an empty line.
  if (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

std::string listedBodyText(const generation::CandidateRow& row) {
  using generation::Column;
  const std::string& body = row.cell(Column::Body);
  std::string out;
  // The stars follow from the parts as the run rated them; a row read back from a
  // file has no parts and so no star line.
  if (row.judgement) {
    out = judgementLines("字号："_gbk, body, bodyCharacters(body), *row.judgement);
    out += starLine(rowStars(row));
    out += remarkLines(*row.judgement);
  }
  if (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

std::string richCsvText(std::span<const generation::CandidateRow> rows) {
  std::string out = "序号,全名,主体名,汉字笔画,康熙笔画,五行,星级,拼音,字义,提示,星级计算\r\n"_gbk;
  for (const auto& row : rows) {
    std::vector<std::string> cells(row.cells.begin(), row.cells.end());
    if (const naming::NameJudgement* judged = row.judgement.get()) {
      const auto characters = bodyCharacters(row.cell(generation::Column::Body));
      std::vector<std::string> meanings;
      for (std::size_t k = 0; k < characters.size() && k < judged->meanings.size(); ++k) {
        meanings.push_back(characters[k] + ' ' + std::string(judged->meanings[k]));
      }
      std::vector<std::string> remarks = judged->warnings;
      remarks.insert(remarks.end(), judged->notes.begin(), judged->notes.end());
      cells.push_back(judged->pinyin);
      cells.push_back(joined(meanings));
      cells.push_back(joined(remarks));
      cells.push_back(starCounting(rowStars(row)));
    } else {
      cells.resize(cells.size() + 4);
    }
    out += generation::csvLine(cells);
  }
  return out;
}

Result<Done> exportRichRows(const std::filesystem::path& file,
                            std::span<const generation::CandidateRow> rows) {
  auto written = storage::writeFileAtomically(file, richCsvText(rows));
  if (!written) return written.failure();
  return Done{};
}

}  // namespace zeruda::actions

// The command table. Each command lives in a file of its own beside this one.
#include <array>

#include "cli/command.h"
#include "cli/command_list.h"

namespace zeruda::cli {

std::span<const Command> commands() {
  static const std::array kCommands = {
      Command{"chars", "TEXT [--json]", runChars,
              "strokes (written and Kangxi), traditional form and pinyin of each character"},
      Command{"grids", "BODY [--json] [--svg FILE]", runGrids,
              "the five grids and three talents of a name body, with their luck"},
      Command{"demo", "", runDemo, "a short tour of what the program computes"},
      Command{"element", "TEXT", runElement,
              "the five-element attribute of each character, from the lists and the table"},
      Command{"rate", "BODY [--base N]", runRate, "the star rating of a company-name body"},
      Command{"report", "BODY [--prefix P] [--suffix S] [--base N]", runReport,
              "the full company-name report of a body"},
      Command{"score", "FILE|- [--base N] [--json] [--csv OUT]", runScore,
              "a shortlist of names rated and checked against the registration rules, best first"},
      Command{"calendar", "--from DATE --to DATE [--time TIME]", runCalendar,
              "the lunar date and four pillars of every day in a range"},
      Command{"terms", "YEAR", runTerms, "the 24 solar terms of a year with their moments"},
      Command{"month", "YYYY-MM [--today DATE]", runMonth,
              "a month as a grid of weeks, each day with its lunar day beneath"},
      Command{"almanac", "DATE [--json] | --from DATE --to DATE [--json]", runAlmanac,
              "the almanac of a day, or one line per day of a range"},
      Command{"almanac-search",
              "--from DATE --range 7|15|30|60|90|180 --activity TEXT [--avoid] [--lists]",
              runAlmanacSearch, "the days within a range that favour (or disfavour) an activity"},
      Command{"opening-days", "--from DATE --days N [--birth DATE --time HH:MM] [--json]",
              runOpeningDays,
              "the days fit for opening a business, best first, with their reasons"},
      Command{"chart", "DATE TIME [--json] [--svg FILE]", runChart,
              "the birth-chart report of a birth moment"},
      Command{"paths", "", runPaths, "where the program keeps its working files"},
      Command{"profile", "", runProfile, "the saved legal-person and birth-chart profile"},
      Command{"table", "ALIAS", runTable,
              "a built-in data table (sl, sc, xm, gs, zk) as tab-separated lines"},
      Command{"generate",
              "--surname S --given G --birth DATE --time TIME [--prefix P] [--suffix S] [--shop] "
              "[--raw] [--length 2|3|4] [--fixed1 C] [--fixed2 C] [--fixed3 C] [--fixed4 C] "
              "[--element E]... [--auto-elements] [--min-stars N] [--count N] [--seed N] "
              "[--road words|pool] [--csv FILE] [--txt FILE] [--rich-csv FILE] [--json]",
              runGenerate,
              "company names as the company page generates them, one row per line (with "
              "--json, one JSON array); --rich-csv writes the CSV's columns with each 字号's "
              "reading, meanings, warnings and star counting"},
      Command{"personal",
              "--surname S --gender 男|女 --birth DATE --time TIME --length 1|2|3 "
              "[--fixed-pos 1|2|3 --fixed C] [--level 1-5] [--count N] [--seed N] "
              "[--road verse|pairs|strokes] [--json]",
              runPersonal, "given names for a child, rated on the child's birth chart"},
      Command{"name", "SURNAME GIVEN [--gender 男|女] [--birth DATE --time TIME] [--json]", runName,
              "the report of a person's name: reading, meanings, tones, 谐音, source, grids and "
              "(with a birth) stars"},
      Command{"article", "list | show TITLE [N]", runArticle,
              "the reference library's pages: their list, or one page's text"},
      Command{"web-url", "baidu|360|alibaba|trademark NAME", runWebUrl,
              "the address a lookup button opens for a name"},
      Command{"fetch", "URL [--method M] [--header H]... [--data D] [--proxy P] [--headers]",
              runFetch, "an HTTP request as the program makes it; the body on stdout"},
  };
  return kCommands;
}

}  // namespace zeruda::cli

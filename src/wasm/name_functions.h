#pragma once

#include "wasm/functions.h"

// The page functions on names: each answers as the command named beside it.
namespace zeruda::wasm {

// grids {body}: `zeruda-cli grids BODY --json`.
Result<Reply> gridsFunction(const Request& request);
// gridSvg {body}: the five-grid diagram that `grids BODY --svg FILE` writes.
Result<Reply> gridSvgFunction(const Request& request);
// rate {body, base}: `zeruda-cli rate BODY --base N`.
Result<Reply> rateFunction(const Request& request, actions::Context& context);
// report {body, prefix, suffix, base}: `zeruda-cli report BODY …`.
Result<Reply> reportFunction(const Request& request, actions::Context& context);
// score {lines, base}: `zeruda-cli score - --base N --json` with the lines on its input.
Result<Reply> scoreFunction(const Request& request, actions::Context& context);
// name {surname, given, gender, birth, time}: `zeruda-cli name SURNAME GIVEN --json` with
// --gender, --birth and --time for the keys given.
Result<Reply> nameFunction(const Request& request, actions::Context& context);
// shortlist {lines, base}: the same list, best first, handed to `sink` in pieces of
// at most kShortlistPieceNames names (each piece a JSON list as score gives), so that
// a page takes a long list a little at a time; the answer is only the count by
// standing, {"names", "usable", "needs_approval", "unusable"}.
inline constexpr std::size_t kShortlistPieceNames = 200;
Result<Reply> shortlistFunction(const Request& request, actions::Context& context,
                                const RowSink& sink);
// shortlistCsv {lines, base}: the CSV that `zeruda-cli score - --csv FILE` writes.
Result<Reply> shortlistCsvFunction(const Request& request, actions::Context& context);

}  // namespace zeruda::wasm

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

}  // namespace zeruda::wasm

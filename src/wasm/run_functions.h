#pragma once

#include "wasm/functions.h"

// The two generators, run on the calling thread (the page's worker) until they have
// made `count` rows or stop by themselves; each row goes to `rows` as it is made.
namespace zeruda::wasm {

// generate {surname, given, birth, time, prefix, suffix, length, fixed1-4, element,
// auto_elements, min_stars, shop, raw, count, seed}: `zeruda-cli generate … --json`.
Result<Reply> generateFunction(const Request& request, actions::Context& context,
                               const RowSink& rows);

// personal {surname, gender, birth, time, length, fixed_pos, fixed, level, count,
// seed}: `zeruda-cli personal … --json`.
Result<Reply> personalFunction(const Request& request, actions::Context& context,
                               const RowSink& rows);

}  // namespace zeruda::wasm

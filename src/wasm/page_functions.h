#pragma once

#include "wasm/functions.h"

// What the page needs beyond the command line's outputs.
namespace zeruda::wasm {

// prepare {}: opens every table of the page's session, so that the first request
// does not wait for them to be read (a worker does this while it waits for a run).
Result<Reply> prepareFunction(const Request& request, actions::Context& context);

// resultCsv {cells}: the result list's CSV as the core writes it, from the rows'
// seven cells one after another; UTF-8 here, where the desktop writes GBK.
Result<Reply> resultCsvFunction(const Request& request);

// resultRichCsv {cells}: the rich export of the same rows, each row's seven cells then
// the eight parts its stars were added from as its run gave them (base, talents, the
// five grids, elements; all eight empty for a row without them). The 字号 is judged
// again, as the run judged it.
Result<Reply> resultRichCsvFunction(const Request& request);

// articles {}: the library's pages the browser edition carries, [{id, title}]: the
// guide to the legal rules and the knowledge tree's pages on registering a name.
Result<Reply> articlesFunction(const Request& request);

// article {id}: one of those pages, {title, html}.
Result<Reply> articleFunction(const Request& request);

}  // namespace zeruda::wasm

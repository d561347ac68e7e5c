// The module's entry points for the page's script: one call per page function, its
// request as JSON, its answer kept until the next call.
#include "text/gbk.h"
#include "wasm/functions.h"

#include <emscripten/emscripten.h>

#include <string>

namespace {

std::string& lastAnswer() {
  static std::string answer;
  return answer;
}

// The page's one session, begun at its first call: the working folder (in the
// module's memory), the profile the requests write and the tables.
zeruda::app::Session& session() {
  static zeruda::app::Session pageSession;
  return pageSession;
}

// Hands the rows of a run to the script (Module.onRow) while the run goes on.
EM_JS(void, sendRows, (const char* json), {
  if (Module.onRow) Module.onRow(UTF8ToString(json));
});

}  // namespace

extern "C" {

// Runs page function `name` on the UTF-8 JSON `request`. Gives 0 when the answer
// (zeruda_answer) is JSON, 1 when it is plain text, 2 when it is a refusal's message.
EMSCRIPTEN_KEEPALIVE int zeruda_call(const char* name, const char* request) {
  using namespace zeruda;
  auto parsed = wasm::Request::parse(request);
  auto reply = parsed.ok()
                   ? wasm::callFunction(name, parsed.value(), session(),
                                        [](const std::string& rows) { sendRows(rows.c_str()); })
                   : Result<wasm::Reply>(Error{parsed.error()});
  if (!reply.ok()) {
    lastAnswer() = text::displayUtf8(reply.error());
    return 2;
  }
  const bool json = reply.value().kind == wasm::Reply::Kind::Json;
  lastAnswer() = std::move(reply).value().utf8;
  return json ? 0 : 1;
}

// The answer of the last call, UTF-8.
EMSCRIPTEN_KEEPALIVE const char* zeruda_answer() { return lastAnswer().c_str(); }
}

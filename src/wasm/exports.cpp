// The module's entry points for the page's script: one call per page function, its
// request as JSON, its answer kept until the next call. Requests and answers stay on
// the module's heap with their lengths: the stack is small, and an answer may hold
// any byte, a NUL too.
#include "actions/field_names.h"
#include "app/session.h"
#include "embedded/deferred_data.h"
#include "text/gbk.h"
#include "wasm/functions.h"

#include <emscripten/emscripten.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace {

std::string& lastAnswer() {
  static std::string answer;
  return answer;
}

// The notes of the last answer, UTF-8, one a line.
std::string& lastNotes() {
  static std::string notes;
  return notes;
}

// The field of the last refusal, as the page's script knows it (empty: none).
std::string& lastField() {
  static std::string field;
  return field;
}

// The page's one session, begun at its first call: the tables. The page keeps no
// profile: what it remembers between visits it keeps itself.
zeruda::actions::Context& context() {
  static zeruda::app::Session pageSession;
  static zeruda::actions::Context pageContext{pageSession.tables(), nullptr};
  return pageContext;
}

// Hands the rows of a run to the script (Module.onRow) while the run goes on.
EM_JS(void, sendRows, (const char* json), {
  if (Module.onRow) Module.onRow(UTF8ToString(json));
});

// A deferred block read before the page provided it: the call stops here, and the
// page, which provides each call's blocks first, starts a fresh module.
EM_JS(void, stopForMissingData, (const char* name),
      { throw new Error('zeruda-needs ' + UTF8ToString(name)); });

}  // namespace

void zeruda::data::missingData(const char* name) {
  stopForMissingData(name);
  __builtin_unreachable();
}

extern "C" {

// Hands the module the deferred block `name` (a file of the site), `length` bytes
// at `bytes`, copied; a block already there is kept as it is.
EMSCRIPTEN_KEEPALIVE void zeruda_provide(const char* name, const char* bytes, std::size_t length) {
  zeruda::data::provideData(name, std::string(bytes, length));
}

// Runs page function `name` on the UTF-8 JSON `request` of `requestLength` bytes.
// Gives 0 when the answer (zeruda_answer) is JSON, 1 when it is plain text, 2 when it
// is a refusal's message, which names its field as the command line's does; the
// field itself is then zeruda_field's.
EMSCRIPTEN_KEEPALIVE int zeruda_call(const char* name, const char* request,
                                     std::size_t requestLength) {
  using namespace zeruda;
  auto parsed = wasm::Request::parse(std::string_view(request, requestLength));
  auto reply = parsed.ok()
                   ? wasm::callFunction(name, parsed.value(), context(),
                                        [](const std::string& rows) { sendRows(rows.c_str()); })
                   : Result<wasm::Reply>(parsed.failure());
  lastNotes().clear();
  lastField().clear();
  if (!reply.ok()) {
    lastAnswer() = text::displayUtf8(actions::namedMessage(reply.failure()));
    lastField() = actions::fieldKey(reply.failure().field);
    return 2;
  }
  for (const std::string& note : reply.value().notes) {
    lastNotes() += text::displayUtf8(note) + '\n';
  }
  const bool json = reply.value().kind == wasm::Reply::Kind::Json;
  lastAnswer() = std::move(reply).value().utf8;
  return json ? 0 : 1;
}

// The answer of the last call, UTF-8, of zeruda_answer_length bytes.
EMSCRIPTEN_KEEPALIVE const char* zeruda_answer() { return lastAnswer().data(); }
EMSCRIPTEN_KEEPALIVE std::size_t zeruda_answer_length() { return lastAnswer().size(); }

// The field the last refusal is about ("birth_date"), or "".
EMSCRIPTEN_KEEPALIVE const char* zeruda_field() { return lastField().c_str(); }

// What the last call said beside its answer (refused lines, notes), UTF-8, one a line.
EMSCRIPTEN_KEEPALIVE const char* zeruda_notes() { return lastNotes().c_str(); }
}

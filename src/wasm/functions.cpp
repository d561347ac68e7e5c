#include "wasm/functions.h"

#include "text/gbk_literal.h"
#include "wasm/calendar_functions.h"

namespace zeruda::wasm {

using namespace text::literals;

Result<Reply> callFunction(std::string_view name, const Request& request, const RowSink&) {
  if (name == "month") return monthFunction(request);
  return Error{"没有这个功能："_gbk + std::string(name)};
}

}  // namespace zeruda::wasm

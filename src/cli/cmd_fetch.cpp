// zeruda-cli fetch URL: one request of the program's HTTP client, body on stdout.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/command_list.h"
#include "cli/command_session.h"
#include "cli/terminal.h"
#include "text/result.h"
#include "web/http_client.h"

namespace zeruda::cli {

int runFetch(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const Args parsed(args, {"method", "header", "data", "proxy"}, {"headers"});
  parsed.expectPositional(1, "URL");
  web::HttpRequest request;
  request.address = parsed.positional()[0];
  request.method = parsed.value("method").value_or("GET");
  request.proxy = parsed.value("proxy").value_or("");
  request.postData = parsed.value("data").value_or("");
  for (const std::string& header : parsed.values("header")) request.headers += header + "\r\n";

  // Cookies live in the working folder, as for the window.
  const CommandSession session(err);
  const web::HttpClient client(session.folder().file(web::kCookieFileName));
  const Result<web::HttpResponse> fetched = client.fetch(request);
  if (!fetched) {
    err << "zeruda-cli fetch: " << fromGbk(fetched.error()) << '\n';
    return kExitRefused;
  }
  const web::HttpResponse& response = fetched.value();
  // The body goes out as it came: it is the site's text, in the site's encoding. An
  // error page too, but the command then fails.
  out << response.body;
  out.flush();
  if (parsed.flag("headers")) err << response.headers;
  if (response.errorStatus()) {
    err << "zeruda-cli fetch: HTTP " << response.status << '\n';
    return kExitRefused;
  }
  return kExitOk;
}

}  // namespace zeruda::cli

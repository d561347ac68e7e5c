#pragma once

#include "text/result.h"

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>

namespace zeruda::web {

// The file in the working folder where the cookies of successful fetches are kept.
inline constexpr std::string_view kCookieFileName = "cookies.txt";

// The agent every request names.
inline constexpr std::string_view kUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

struct HttpRequest {
  std::string address;   // "http://host[:port]/path", "https://…", or without a scheme
  std::string method;    // GET or POST in any letter case; empty means GET
  std::string proxy;     // "host:port" of an http proxy; empty for a direct connection
  std::string headers;   // the caller's lines; the fetch leaves the completed text here
  std::string postData;  // sent as the body of a POST
};

// The final answer of the server: whatever its status, what it sent.
struct HttpResponse {
  static constexpr long kFirstErrorStatus = 400;

  std::string body;     // what the server sent
  std::string headers;  // the final response's raw header lines, whole, each ending "\r\n"
  long status = 0;      // the HTTP status
  bool errorStatus() const { return status >= kFirstErrorStatus; }
};

// Fetches one address, blocking the calling thread until the answer is in or the
// timeout has passed, so callers with a window run it on a thread of its own.
//
// Redirects are followed (http and https only). Every cookie the responses of a
// successful fetch set is kept in the cookie file and sent again to its site on
// later fetches; a fetch that fails keeps none. Fetches of one client run one at a
// time, so the cookie file never loses a write to a fetch running beside it.
class HttpClient {
 public:
  // The longest body kept: a server that sends more is cut off and the fetch fails,
  // instead of filling the memory.
  static constexpr std::size_t kBodyLimit = std::size_t{64} << 20;
  static constexpr std::chrono::milliseconds kDefaultTimeout = std::chrono::seconds(30);

  // An empty cookie file keeps cookies for the client's lifetime only.
  explicit HttpClient(std::filesystem::path cookieFile,
                      std::chrono::milliseconds timeout = kDefaultTimeout);

  // Methods other than GET and POST, an address that cannot be split, a refused
  // connection, a timeout, a header line too long and an answer that names two
  // different lengths are errors that say why (in English, for the command line). An
  // answer with an error status is an answer: it keeps its body, and counts as a
  // failed fetch for the cookies.
  Result<HttpResponse> fetch(HttpRequest& request) const;

 private:
  std::filesystem::path cookieFile_;
  std::chrono::milliseconds timeout_;
  mutable std::mutex fetching_;
};

}  // namespace zeruda::web

#include "web/http_client.h"

#include "storage/atomic_file.h"
#include "text/gbk_literal.h"
#include "web/curl_library.h"
#include "web/request_headers.h"
#include "web/web_address.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <optional>
#include <string>

namespace zeruda::web {
namespace {

using namespace text::literals;

constexpr std::chrono::milliseconds kConnectTimeout = std::chrono::seconds(15);
constexpr long kMostRedirects = 10;

// Handles and lists exist only once the library is loaded.
struct EasyDeleter {
  void operator()(CURL* handle) const { curlLibrary().value().easyCleanup(handle); }
};
struct ListDeleter {
  void operator()(curl_slist* list) const { curlLibrary().value().slistFreeAll(list); }
};
using EasyHandle = std::unique_ptr<CURL, EasyDeleter>;
using HeaderList = std::unique_ptr<curl_slist, ListDeleter>;

// What the callbacks fill while the transfer runs.
struct Transfer {
  std::string body;
  std::string headers;
  bool bodyTooLong = false;
  bool headersEnded = false;          // the current response's blank line has come
  std::optional<std::string> length;  // its Content-Length, once given
  bool lengthsDiffer = false;
};

std::size_t takeBody(char* data, std::size_t size, std::size_t count, void* user) {
  auto* transfer = static_cast<Transfer*>(user);
  const std::size_t bytes = size * count;
  if (transfer->body.size() + bytes > HttpClient::kBodyLimit) {
    transfer->bodyTooLong = true;
    return 0;  // stops the transfer
  }
  transfer->body.append(data, bytes);
  return bytes;
}

std::string upperCase(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return upper;
}

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// A response that names two lengths for its body cannot be read safely: which of
// them ends it decides where the next answer begins. Equal values, on one line or
// on several, are harmless. False when the line names a length unlike an earlier one.
bool lengthAgrees(std::string_view line, std::optional<std::string>& length) {
  constexpr std::string_view kName = "CONTENT-LENGTH:";
  if (line.size() < kName.size() || upperCase(line.substr(0, kName.size())) != kName) return true;
  std::string_view values = line.substr(kName.size());
  while (!values.empty()) {
    const auto comma = values.find(',');
    const std::string value(trimmed(values.substr(0, comma)));
    if (length && *length != value) return false;
    length = value;
    values = comma == std::string_view::npos ? std::string_view() : values.substr(comma + 1);
  }
  return true;
}

// Called once per header line. A status line starts a new response (after a
// redirect or an interim answer): only the final response's headers are returned.
std::size_t takeHeader(char* data, std::size_t size, std::size_t count, void* user) {
  auto* transfer = static_cast<Transfer*>(user);
  const std::string_view line(data, size * count);
  if (line.starts_with("HTTP/")) {
    transfer->headers.clear();
    transfer->headersEnded = false;
    transfer->length.reset();
  } else if (trimmed(line).empty()) {
    transfer->headersEnded = true;
  } else if (!lengthAgrees(line, transfer->length)) {
    transfer->lengthsDiffer = true;
    return 0;  // stops the transfer
  }
  transfer->headers.append(line);
  return line.size();
}

// libcurl takes a header line of up to CURL_MAX_HTTP_HEADER bytes; a longer one
// stops the transfer, in older versions as "out of memory" without a word more.
// Before the headers have ended that is what happened, not a lack of memory.
constexpr auto kCurlTooLarge = static_cast<CURLcode>(100);  // CURLE_TOO_LARGE, libcurl 8.6

std::string failureText(CURLcode code, const Transfer& transfer, const char* errorText,
                        const CurlLibrary& curl) {
  if (transfer.bodyTooLong) return "回答超过长度上限"_gbk;
  if (transfer.lengthsDiffer) return "回答给出两个不同的长度（Content-Length）"_gbk;
  // libcurl's own words are ASCII, which GBK holds as they are.
  if (errorText[0] != '\0') return "网络请求失败："_gbk + errorText;
  if (!transfer.headersEnded && (code == CURLE_OUT_OF_MEMORY || code == kCurlTooLarge)) {
    return "回答的一行头部超过客户端接受的 "_gbk + std::to_string(CURL_MAX_HTTP_HEADER / 1024) +
           " KB"_gbk;
  }
  return "网络请求失败："_gbk + curl.easyStrerror(code);
}

HeaderList curlHeaderList(const CurlLibrary& curl, std::string_view headers) {
  curl_slist* list = nullptr;
  auto append = [&](const std::string& line) {
    if (curl_slist* longer = curl.slistAppend(list, line.c_str())) list = longer;
  };
  for (const std::string& line : headerLines(headers)) append(line);
  // libcurl would otherwise hold a large POST back for a "100 Continue" first.
  append("Expect:");
  return HeaderList(list);
}

}  // namespace

HttpClient::HttpClient(std::filesystem::path cookieFile, std::chrono::milliseconds timeout)
    : cookieFile_(std::move(cookieFile)), timeout_(timeout) {}

Result<HttpResponse> HttpClient::fetch(HttpRequest& request) const {
  request.method = request.method.empty() ? "GET" : upperCase(request.method);
  if (request.method != "GET" && request.method != "POST") {
    return Error{"不支持的请求方法："_gbk + request.method};
  }
  const auto address = splitAddress(request.address);
  if (!address) return Error{"不是 http 或 https 地址："_gbk + request.address};
  request.headers =
      completeRequestHeaders(request.headers, request.method, request.address, request.postData);
  const Result<CurlLibrary>& library = curlLibrary();
  if (!library.ok()) return library.failure();
  const CurlLibrary& curl = library.value();

  // Everything the handle points to outlives it.
  const HeaderList headerList = curlHeaderList(curl, request.headers);
  const std::string url = address->text();
  const std::string agent(kUserAgent);
  const std::string cookies = cookieFile_.string();
  Transfer transfer;
  char errorText[CURL_ERROR_SIZE] = {};

  // Held until the handle is gone: libcurl writes the cookie file when it closes.
  const std::lock_guard lock(fetching_);
  const EasyHandle easy(curl.easyInit());
  if (!easy) return Error{"网络库无法发起请求"_gbk};
  CURL* handle = easy.get();

  curl.easySetopt(handle, CURLOPT_URL, url.c_str());
  curl.easySetopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
  curl.easySetopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl.easySetopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
  curl.easySetopt(handle, CURLOPT_MAXREDIRS, kMostRedirects);
  curl.easySetopt(handle, CURLOPT_USERAGENT, agent.c_str());
  // An empty proxy means a direct connection, whatever the environment says.
  curl.easySetopt(handle, CURLOPT_PROXY, request.proxy.c_str());
  curl.easySetopt(handle, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
  curl.easySetopt(handle, CURLOPT_HTTPHEADER, headerList.get());
  curl.easySetopt(handle, CURLOPT_COOKIEFILE, cookies.c_str());
  curl.easySetopt(handle, CURLOPT_NOSIGNAL, 1L);
  curl.easySetopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(timeout_.count()));
  curl.easySetopt(handle, CURLOPT_CONNECTTIMEOUT_MS,
                  static_cast<long>(std::min(timeout_, kConnectTimeout).count()));
  curl.easySetopt(handle, CURLOPT_WRITEFUNCTION, takeBody);
  curl.easySetopt(handle, CURLOPT_WRITEDATA, &transfer);
  curl.easySetopt(handle, CURLOPT_HEADERFUNCTION, takeHeader);
  curl.easySetopt(handle, CURLOPT_HEADERDATA, &transfer);
  curl.easySetopt(handle, CURLOPT_ERRORBUFFER, errorText);
  if (request.method == "POST") {
    curl.easySetopt(handle, CURLOPT_POST, 1L);
    curl.easySetopt(handle, CURLOPT_POSTFIELDSIZE_LARGE,
                    static_cast<curl_off_t>(request.postData.size()));
    curl.easySetopt(handle, CURLOPT_POSTFIELDS, request.postData.data());
  } else {
    curl.easySetopt(handle, CURLOPT_HTTPGET, 1L);
  }

  const CURLcode code = curl.easyPerform(handle);
  if (code != CURLE_OK) return Error{failureText(code, transfer, errorText, curl)};
  HttpResponse response;
  curl.easyGetinfo(handle, CURLINFO_RESPONSE_CODE, &response.status);
  // libcurl writes the cookie file when the handle goes: naming it only now keeps
  // every cookie of a failed fetch out of it.
  if (!response.errorStatus() && !cookies.empty()) {
    // The cookie file is one of the working folder's own: libcurl must not write
    // through a link put in its place.
    storage::removeLinkAt(cookieFile_);
    curl.easySetopt(handle, CURLOPT_COOKIEJAR, cookies.c_str());
  }
  response.body = std::move(transfer.body);
  response.headers = std::move(transfer.headers);
  return response;
}

}  // namespace zeruda::web

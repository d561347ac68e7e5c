#include "web/request_headers.h"

#include <algorithm>
#include <cctype>

namespace zeruda::web {
namespace {

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The raw lines, split at "\r\n" or a bare "\n" or "\r".
std::vector<std::string_view> rawLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    const std::size_t next = text.substr(end, 2) == "\r\n" ? end + 2 : end + 1;
    text.remove_prefix(next);
  }
  return lines;
}

std::string_view nameOf(std::string_view line) {
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos) return {};
  std::string_view name = line.substr(0, colon);
  while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
  return name;
}

}  // namespace

bool hasHeader(std::string_view headers, std::string_view name) {
  const auto lines = rawLines(headers);
  return std::any_of(lines.begin(), lines.end(), [name](std::string_view line) {
    return equalIgnoringCase(nameOf(line), name);
  });
}

std::vector<std::string> headerLines(std::string_view headers) {
  std::vector<std::string> lines;
  for (const std::string_view line : rawLines(headers)) {
    if (!nameOf(line).empty()) lines.emplace_back(line);
  }
  return lines;
}

std::string completeRequestHeaders(std::string_view headers, std::string_view method,
                                   std::string_view address, std::string_view postData) {
  const bool post = method == "POST";
  std::string completed;
  for (const std::string& line : headerLines(headers)) {
    if (post && equalIgnoringCase(nameOf(line), "Content-Length")) continue;
    completed += line + "\r\n";
  }
  auto addWhenAbsent = [&completed](std::string_view name, std::string_view line) {
    if (!hasHeader(completed, name)) completed.append(line).append("\r\n");
  };
  addWhenAbsent("Accept", kAcceptHeader);
  addWhenAbsent("Referer", "Referer: " + std::string(address));
  addWhenAbsent("Accept-Language", kAcceptLanguageHeader);
  if (post) {
    if (!postData.empty()) addWhenAbsent("Content-Type", kFormContentType);
    completed += "Content-Length: " + std::to_string(postData.size()) + "\r\n";
  }
  return completed;
}

}  // namespace zeruda::web

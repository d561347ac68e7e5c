#include "web/web_address.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace zeruda::web {
namespace {

constexpr int kHttpPort = 80;
constexpr int kHttpsPort = 443;
constexpr int kHighestPort = 65535;

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

int defaultPort(std::string_view scheme) { return scheme == "https" ? kHttpsPort : kHttpPort; }

// The port after the host's last ":", outside the brackets of an IPv6 literal.
std::optional<std::size_t> portColon(std::string_view hostAndPort) {
  const std::size_t colon = hostAndPort.rfind(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::size_t bracket = hostAndPort.rfind(']');
  if (bracket != std::string_view::npos && bracket > colon) return std::nullopt;
  return colon;
}

std::optional<int> parsePort(std::string_view digits) {
  int port = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
  if (error != std::errc{} || end != digits.data() + digits.size() || port < 1 ||
      port > kHighestPort) {
    return std::nullopt;
  }
  return port;
}

}  // namespace

std::string WebAddress::text() const {
  std::string address = scheme + "://" + host;
  if (port != defaultPort(scheme)) address += ":" + std::to_string(port);
  return address + path;
}

std::optional<WebAddress> splitAddress(std::string_view address) {
  WebAddress parts;
  // A "://" counts only before the path: "a.com/go?to=http://b" has no scheme.
  std::size_t schemeEnd = address.find("://");
  if (schemeEnd != std::string_view::npos &&
      address.substr(0, schemeEnd).find_first_of("/?#") != std::string_view::npos) {
    schemeEnd = std::string_view::npos;
  }
  if (schemeEnd == std::string_view::npos || startsWithIgnoringCase(address, "http://")) {
    parts.scheme = "http";
  } else if (startsWithIgnoringCase(address, "https://")) {
    parts.scheme = "https";
  } else {
    return std::nullopt;
  }
  if (schemeEnd != std::string_view::npos) address.remove_prefix(schemeEnd + 3);

  const std::size_t pathStart = address.find_first_of("/?#");
  std::string_view hostAndPort = address.substr(0, pathStart);
  if (pathStart == std::string_view::npos) {
    parts.path = "/";
  } else {
    parts.path = std::string(address.substr(pathStart));
    if (parts.path.front() != '/') parts.path.insert(0, "/");
  }

  parts.port = defaultPort(parts.scheme);
  if (const auto colon = portColon(hostAndPort)) {
    const auto port = parsePort(hostAndPort.substr(*colon + 1));
    if (!port) return std::nullopt;
    parts.port = *port;
    hostAndPort = hostAndPort.substr(0, *colon);
  }
  if (hostAndPort.empty()) return std::nullopt;
  parts.host = std::string(hostAndPort);
  return parts;
}

}  // namespace zeruda::web

#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace zeruda::test {

// A request as the server read it.
struct ReceivedRequest {
  std::string head;  // request line and header lines, each ending "\r\n"
  std::string body;
};

// A listening socket on 127.0.0.1 with a port the system picks; nothing else can
// reach it, and the tests never leave the machine.
inline int listenOnLoopback(int& port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in at{};
  at.sin_family = AF_INET;
  at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof at;
  if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&at), sizeof at) != 0 ||
      ::listen(fd, 8) != 0 || ::getsockname(fd, reinterpret_cast<sockaddr*>(&at), &length) != 0) {
    throw std::runtime_error("cannot listen on 127.0.0.1");
  }
  port = ntohs(at.sin_port);
  return fd;
}

// A tiny HTTP server on a thread of its own: one request per connection, answered
// by `respond` with the whole raw response (status line, headers, body).
class LocalServer {
 public:
  using Respond = std::function<std::string(const ReceivedRequest&)>;

  explicit LocalServer(Respond respond)
      : respond_(std::move(respond)),
        listener_(listenOnLoopback(port_)),
        thread_([this] { serve(); }) {}
  ~LocalServer() {
    stop_ = true;
    thread_.join();
    ::close(listener_);
  }
  LocalServer(const LocalServer&) = delete;
  LocalServer& operator=(const LocalServer&) = delete;

  int port() const { return port_; }
  std::string address(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
  }
  std::vector<ReceivedRequest> requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
  }

 private:
  void serve() {
    while (!stop_) {
      pollfd waiting{listener_, POLLIN, 0};
      if (::poll(&waiting, 1, 20) <= 0) continue;
      const int connection = ::accept(listener_, nullptr, nullptr);
      if (connection < 0) continue;
      ReceivedRequest request = readRequest(connection);
      {
        const std::lock_guard lock(mutex_);
        requests_.push_back(request);
      }
      writeAll(connection, respond_(request));
      ::close(connection);
    }
  }

  static ReceivedRequest readRequest(int connection) {
    std::string data;
    char buffer[65536];
    std::size_t headEnd = std::string::npos;
    std::size_t wanted = 0;
    while (headEnd == std::string::npos || data.size() < headEnd + 4 + wanted) {
      const ssize_t got = ::recv(connection, buffer, sizeof buffer, 0);
      if (got <= 0) break;
      data.append(buffer, static_cast<std::size_t>(got));
      if (headEnd == std::string::npos && (headEnd = data.find("\r\n\r\n")) != std::string::npos) {
        wanted = contentLength(data.substr(0, headEnd));
      }
    }
    if (headEnd == std::string::npos) return {data, {}};
    return {data.substr(0, headEnd + 2), data.substr(headEnd + 4)};
  }

  static std::size_t contentLength(std::string head) {
    std::transform(head.begin(), head.end(), head.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::size_t at = head.find("\r\ncontent-length:");
    return at == std::string::npos ? 0 : std::stoul(head.substr(at + 17));
  }

  static void writeAll(int connection, std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t sent = ::send(connection, bytes.data(), bytes.size(), MSG_NOSIGNAL);
      if (sent <= 0) return;
      bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
  }

  Respond respond_;
  int port_ = 0;
  int listener_;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<ReceivedRequest> requests_;
  std::thread thread_;
};

// "HTTP/1.1 200 OK" with the header lines given and the body's length.
inline std::string okResponse(std::string_view body, std::string_view headerLines = {}) {
  return "HTTP/1.1 200 OK\r\nConnection: close\r\n" + std::string(headerLines) +
         "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + std::string(body);
}

}  // namespace zeruda::test

#include "tests/shell/loopback_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace {

// Waits up to `ms` for `fd` to become readable.
bool readable(int fd, int ms) {
  pollfd p{fd, POLLIN, 0};
  return ::poll(&p, 1, ms) > 0;
}

QByteArray reasonOf(int status) {
  switch (status) {
    case 200: return "OK";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
  }
}

}  // namespace

TLoopbackHttpServer::TLoopbackHttpServer() {
  listen_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listen_ < 0) throw std::runtime_error("socket");
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);  // 127.0.0.1 only
  addr.sin_port = 0;                               // an ephemeral port
  if (::bind(listen_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(listen_, 8) != 0) {
    ::close(listen_);
    throw std::runtime_error("bind");
  }
  socklen_t len = sizeof addr;
  ::getsockname(listen_, reinterpret_cast<sockaddr*>(&addr), &len);
  port_ = ntohs(addr.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

TLoopbackHttpServer::~TLoopbackHttpServer() {
  stop_ = true;
  thread_.join();
  for (int fd : held_) ::close(fd);
  ::close(listen_);
}

void TLoopbackHttpServer::SetAnswer(const TAnswer& answer) {
  std::lock_guard lock(mutex_);
  answer_ = answer;
}

QString TLoopbackHttpServer::Site() const { return QStringLiteral("http://127.0.0.1:%1").arg(port_); }

QByteArray TLoopbackHttpServer::LastRequest() const {
  std::lock_guard lock(mutex_);
  return last_request_;
}

int TLoopbackHttpServer::RequestCount() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void TLoopbackHttpServer::Serve() {
  while (!stop_) {
    if (!readable(listen_, 20)) continue;
    const int client = ::accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client >= 0) Handle(client);
  }
}

void TLoopbackHttpServer::Handle(int client) {
  // The request head, read for at most two seconds.
  QByteArray head;
  char buffer[4096];
  for (int waited = 0; !head.contains("\r\n\r\n") && waited < 2000 && !stop_; waited += 20) {
    if (!readable(client, 20)) continue;
    const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    head.append(buffer, n);
  }
  TAnswer answer;
  {
    std::lock_guard lock(mutex_);
    last_request_ = head;
    ++requests_;
    answer = answer_;
  }
  if (answer.NeverAnswer) {
    held_.push_back(client);
    return;
  }
  QByteArray reply = "HTTP/1.0 " + QByteArray::number(answer.Status) + ' ' + reasonOf(answer.Status) + "\r\n";
  reply += "Content-Type: text/html\r\nContent-Length: " + QByteArray::number(answer.Body.size()) +
           "\r\nConnection: close\r\n\r\n" + answer.Body;
  for (qsizetype sent = 0; sent < reply.size();) {
    const ssize_t n = ::send(client, reply.constData() + sent, reply.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) break;
    sent += n;
  }
  ::close(client);
}

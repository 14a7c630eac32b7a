#include "platform/os/http_get.h"
#include "tests/shell/loopback_http_server.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A loopback port nobody listens on: bound, then closed again.
int closedLoopbackPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  socklen_t len = sizeof addr;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
  ::close(fd);
  return ntohs(addr.sin_port);
}

THttpGetOptions shortTimeouts() {
  THttpGetOptions o;
  o.ConnectTimeoutMs = 500;
  o.TotalTimeoutMs = 400;
  return o;
}

}  // namespace

TEST(HttpGet, SendsOneHttp10GetWithTheClientsHeadersAndNoCookies) {
  TLoopbackHttpServer server;
  server.SetAnswer({200, "VER. 1.002", false});
  const THttpReply reply = HttpGet(server.Site() + QStringLiteral("/home/x.asp?nomesw=KQ82K03"));
  ASSERT_TRUE(reply.Ok) << reply.Error.toStdString();
  EXPECT_EQ(reply.Status, 200);
  EXPECT_EQ(reply.Body, QByteArray("VER. 1.002"));

  const QByteArray head = server.LastRequest();
  EXPECT_TRUE(head.startsWith("GET /home/x.asp?nomesw=KQ82K03 HTTP/1.0\r\n")) << head.toStdString();
  EXPECT_TRUE(head.contains("\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n")) << head.toStdString();
  EXPECT_TRUE(head.contains("\r\nAccept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"))
      << head.toStdString();
  EXPECT_FALSE(head.toLower().contains("\r\ncookie:"));
  EXPECT_EQ(server.RequestCount(), 1);
}

TEST(HttpGet, EveryFailureGivesAnEmptyUnsuccessfulReply) {
  TLoopbackHttpServer server;
  struct Case {
    const char* what;
    TLoopbackHttpServer::TAnswer answer;
    QString url;
    long status;
  };
  const QString site = server.Site();
  const Case cases[] = {
      {"HTTP 404 with a body", {404, "VER. 9.999", false}, site + "/v", 404},
      {"HTTP 500", {500, "oops", false}, site + "/v", 500},
      {"server never answers", {200, "", true}, site + "/v", 0},
      {"nobody listens", {}, QStringLiteral("http://127.0.0.1:%1/v").arg(closedLoopbackPort()), 0},
      {"not a web address", {}, QStringLiteral("file:///etc/hostname"), 0},
  };
  for (const Case& c : cases) {
    server.SetAnswer(c.answer);
    const THttpReply reply = HttpGet(c.url, shortTimeouts());
    EXPECT_FALSE(reply.Ok) << c.what;
    EXPECT_TRUE(reply.Body.isEmpty()) << c.what;
    EXPECT_EQ(reply.Status, c.status) << c.what;
    EXPECT_FALSE(reply.Error.isEmpty()) << c.what;
  }
}

TEST(HttpGet, RefusesAReplyLargerThanItsLimit) {
  TLoopbackHttpServer server;
  server.SetAnswer({200, QByteArray(kHttpMaxBodyBytes + 10, 'x'), false});
  const THttpReply reply = HttpGet(server.Site() + "/big");
  EXPECT_FALSE(reply.Ok);
  EXPECT_TRUE(reply.Body.isEmpty());
}

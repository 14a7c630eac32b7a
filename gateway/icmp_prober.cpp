#include "gateway/icmp_prober.h"

#include "platform/rtl/exceptions.h"
#include "platform/rtl/strings.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr uint8_t kEcho_Reply = 0;
constexpr uint8_t kEcho_Request = 8;
constexpr size_t kICMP_Header = 8;
constexpr size_t kReceive_Buffer = 1024 + 60 + kICMP_Header;  // packet size, IP header, ICMP header

class TSocket {
public:
  TSocket(int fd, bool raw) : fd_(fd), raw_(raw) {}
  ~TSocket() {
    if (fd_ >= 0) ::close(fd_);
  }
  TSocket(const TSocket&) = delete;
  TSocket& operator=(const TSocket&) = delete;
  int Fd() const { return fd_; }
  bool Raw() const { return raw_; }

private:
  int fd_;
  bool raw_;
};

[[noreturn]] void Fail(const QString& what, int error, bool permission = false) {
  throw EEchoSendError(QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(error))), error,
                       permission);
}

// An unprivileged ICMP socket where the system allows it (net.ipv4.ping_group_range),
// else a raw socket (needs CAP_NET_RAW).
std::unique_ptr<TSocket> Open_Socket() {
  int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
  if (fd >= 0) return std::make_unique<TSocket>(fd, false);
  const int dgramError = errno;
  fd = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
  if (fd >= 0) return std::make_unique<TSocket>(fd, true);
  if (errno == EPERM || errno == EACCES || dgramError == EACCES)
    Fail(QStringLiteral("No permission to send ICMP echo requests (allow ping sockets in "
                        "net.ipv4.ping_group_range or give the program CAP_NET_RAW)"),
         errno, true);
  Fail(QStringLiteral("Cannot open an ICMP socket"), errno);
}

uint16_t Checksum(const uint8_t* data, size_t length) {
  uint32_t sum = 0;
  for (size_t i = 0; i + 1 < length; i += 2) sum += static_cast<uint32_t>(data[i] << 8 | data[i + 1]);
  if (length % 2) sum += static_cast<uint32_t>(data[length - 1] << 8);
  while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<uint16_t>(~sum);
}

uint16_t Raw_U16(const uint8_t* p) {
  uint16_t v;
  std::memcpy(&v, p, 2);
  return v;
}

bool Parse_Part(const QString& text, uint8_t& part) {
  const QString t = Trim(text);
  if (t.isEmpty() || t.size() > 3) return false;
  int value = 0;
  for (QChar c : t) {
    if (c < u'0' || c > u'9') return false;
    value = value * 10 + (c.unicode() - u'0');
  }
  if (value > 255) return false;
  part = static_cast<uint8_t>(value);
  return true;
}

}  // namespace

bool Parse_IPv4_Address(const QString& text, uint32_t& address) {
  const QStringList parts = text.split(u'.');
  if (parts.size() != 4) return false;
  uint32_t a = 0;
  for (const QString& p : parts) {
    uint8_t part = 0;
    if (!Parse_Part(p, part)) return false;
    a = a << 8 | part;
  }
  address = a;
  return true;
}

int Echo_Reply_Data_Bytes(const uint8_t* packet, size_t length, bool withIpHeader, uint32_t source, uint32_t target,
                          uint16_t identifier, uint16_t sequence) {
  if (source != target) return -1;
  size_t offset = 0;
  if (withIpHeader) {
    if (length < 20 || packet[0] >> 4 != 4) return -1;
    offset = static_cast<size_t>(packet[0] & 0x0F) * 4;
    if (offset < 20 || packet[9] != IPPROTO_ICMP) return -1;
  }
  if (length < offset + kICMP_Header) return -1;
  const uint8_t* icmp = packet + offset;
  if (icmp[0] != kEcho_Reply) return -1;
  if (Raw_U16(icmp + 4) != identifier || Raw_U16(icmp + 6) != sequence) return -1;
  return static_cast<int>(length - offset - kICMP_Header);
}

int TIcmpEchoProber::Echo(const QString& host, const QByteArray& data, int timeoutMs) {
  uint32_t target = 0;
  if (!Parse_IPv4_Address(host, target))
    throw Exception(QStringLiteral("\"%1\" is not an IPv4 address of four numbers 0 to 255.").arg(host));
  const std::unique_ptr<TSocket> socket = Open_Socket();

  // The request: type 8, our identifier and the next sequence number, the data.
  const uint16_t sequence = htons(++sequence_);
  const uint16_t identifier = htons(static_cast<uint16_t>(::getpid()));  // the kernel sets it on ping sockets
  std::vector<uint8_t> request(kICMP_Header + static_cast<size_t>(std::min<qsizetype>(data.size(), 1024)));
  request[0] = kEcho_Request;
  std::memcpy(&request[4], &identifier, 2);
  std::memcpy(&request[6], &sequence, 2);
  std::memcpy(request.data() + kICMP_Header, data.constData(), request.size() - kICMP_Header);
  const uint16_t checksum = htons(Checksum(request.data(), request.size()));
  std::memcpy(&request[2], &checksum, 2);

  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_addr.s_addr = htonl(target);
  if (::sendto(socket->Fd(), request.data(), request.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to) < 0)
    Fail(QStringLiteral("Cannot send the echo request to %1").arg(host), errno);

  // On a ping socket the identifier is the socket's local port.
  uint16_t expectedId = identifier;
  if (!socket->Raw()) {
    sockaddr_in local{};
    socklen_t size = sizeof local;
    if (::getsockname(socket->Fd(), reinterpret_cast<sockaddr*>(&local), &size) == 0) expectedId = local.sin_port;
  }

  // Wait for our reply until the time-out; other packets are read and dropped.
  using std::chrono::steady_clock;
  const steady_clock::time_point deadline = steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  uint8_t buffer[kReceive_Buffer];
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - steady_clock::now()).count();
    if (left <= 0) return 0;
    pollfd p{socket->Fd(), POLLIN, 0};
    const int ready = ::poll(&p, 1, static_cast<int>(left));
    if (ready < 0 && errno == EINTR) continue;
    if (ready < 0) Fail(QStringLiteral("Cannot wait for the echo reply"), errno);
    if (ready == 0) return 0;
    sockaddr_in from{};
    socklen_t fromSize = sizeof from;
    const ssize_t n = ::recvfrom(socket->Fd(), buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &fromSize);
    if (n < 0) continue;  // e.g. an ICMP error queued on the socket: not a reply
    const int bytes = Echo_Reply_Data_Bytes(buffer, static_cast<size_t>(n), socket->Raw(), ntohl(from.sin_addr.s_addr),
                                            target, expectedId, sequence);
    if (bytes >= 0) return bytes;
  }
}

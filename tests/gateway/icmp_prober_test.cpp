// The ICMP echo prober: address parsing, reply matching, and one real echo on the
// loopback address where the machine permits ICMP sockets.
#include "gateway/icmp_prober.h"
#include "platform/os/clock.h"
#include "platform/rtl/exceptions.h"

#include <arpa/inet.h>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

TEST(IcmpProber, ParsesFourDecimalPartsOnly) {
  struct Case {
    const char* text;
    bool ok;
    uint32_t address;
  };
  const Case cases[] = {
      {"127.0.0.1", true, 0x7F000001},
      {"010.000.002.009", true, 0x0A000209},  // leading zeros are decimal, not octal
      {" 127 . 0.0. 1 ", true, 0x7F000001},
      {"255.255.255.255", true, 0xFFFFFFFF},
      {"256.0.0.1", false, 0},
      {"127.0.1", false, 0},
      {"127.0.0.1.5", false, 0},
      {"127.0..1", false, 0},
      {"0x7F.0.0.1", false, 0},
      {"+1.0.0.1", false, 0},
      {"localhost", false, 0},
      {"", false, 0},
      {"1000.0.0.1", false, 0},
  };
  for (const Case& c : cases) {
    uint32_t a = 0;
    EXPECT_EQ(Parse_IPv4_Address(QString::fromLatin1(c.text), a), c.ok) << c.text;
    if (c.ok) EXPECT_EQ(a, c.address) << c.text;
  }
}

TEST(IcmpProber, OnlyOurEchoReplyFromTheTargetCounts) {
  const uint16_t id = htons(0x1234);
  const uint16_t seq = htons(7);
  const uint32_t target = 0x7F000001;
  // An ICMP packet: type, code, checksum, identifier, sequence, 5 data bytes.
  auto icmp = [](uint8_t type, uint16_t ident, uint16_t sequence) {
    std::vector<uint8_t> p(8 + 5, 0xAB);
    p[0] = type;
    p[1] = 0;
    std::memcpy(&p[4], &ident, 2);
    std::memcpy(&p[6], &sequence, 2);
    return p;
  };
  auto withIp = [](std::vector<uint8_t> p, uint8_t protocol = 1) {
    std::vector<uint8_t> ip(20, 0);
    ip[0] = 0x45;
    ip[9] = protocol;
    ip.insert(ip.end(), p.begin(), p.end());
    return ip;
  };
  struct Case {
    const char* what;
    std::vector<uint8_t> packet;
    bool raw;
    uint32_t source;
    int bytes;
  };
  const Case cases[] = {
      {"reply", icmp(0, id, seq), false, target, 5},
      {"reply behind an IP header", withIp(icmp(0, id, seq)), true, target, 5},
      {"our own request", withIp(icmp(8, id, seq)), true, target, -1},
      {"unreachable message", icmp(3, id, seq), false, target, -1},
      {"other sequence", icmp(0, id, htons(6)), false, target, -1},
      {"other identifier", icmp(0, htons(1), seq), false, target, -1},
      {"other sender", icmp(0, id, seq), false, 0x7F000002, -1},
      {"truncated", std::vector<uint8_t>{0, 0, 0, 0}, false, target, -1},
      {"not ICMP", withIp(icmp(0, id, seq), 17), true, target, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Echo_Reply_Data_Bytes(c.packet.data(), c.packet.size(), c.raw, c.source, target, id, seq), c.bytes)
        << c.what;
  }
}

TEST(IcmpProber, AddressesThatAreNoIPv4NumbersAreErrors) {
  TIcmpEchoProber prober;
  EXPECT_THROW(prober.Echo("localhost", "x", 50), Exception);  // no name lookup
  EXPECT_THROW(prober.Echo("300.1.1.1", "x", 50), Exception);
}

// Loopback only: never any other address.
TEST(IcmpProber, RealEchoOnLoopback) {
  TIcmpEchoProber prober;
  int bytes = 0;
  try {
    bytes = prober.Echo("127.0.0.1", "127.0.0.1", kEcho_Timeout_Ms);
  } catch (const Exception& e) {
    GTEST_SKIP() << "no ICMP socket here: " << e.Message.toStdString();
  }
  EXPECT_EQ(bytes, 9);
  // The whole check finds the loopback address with the real clock.
  TSystemClock clock;
  const TEcho_Result r = Send_Ping(prober, clock, "127.0.0.1", [] {});
  EXPECT_TRUE(r.Found) << r.Error.toStdString();
  EXPECT_EQ(r.Replies, 2);
}

#include "app/routines/ip_address.h"

#include <gtest/gtest.h>

namespace {

TEST(SplitIPAddress, PartsAndValidity) {
  struct Case {
    const char* text;
    bool ok;
    QStringList parts;
  };
  const Case cases[] = {
      {"192.168.1.125", true, {"192", "168", "1", "125"}},
      {"  192 . 168 .1 .  5  ", true, {"192", "168", "1", "5"}},
      {"0.0.0.0", true, {"0", "0", "0", "0"}},
      {"255.255.255.255", true, {"255", "255", "255", "255"}},
      {"1.2.3.256", false, {"1", "2", "3", "256"}},
      {"1.2.3.-1", false, {"1", "2", "3", "-1"}},
      {"1.2.3", false, {"1", "2", "", ""}},          // third dot missing: part 3 not found
      {"1.2.3.4.5", false, {"1", "2", "3", "4.5"}},  // the fourth part keeps the rest
      {"a.2.3.4", false, {"a", "2", "3", "4"}},
      {"1..3.4", false, {"1", "", "3", "4"}},
      {"1234", false, {"", "", "", ""}},
      {"", false, {"", "", "", ""}},
  };
  for (const Case& c : cases) {
    QString p1 = "x", p2 = "x", p3 = "x", p4 = "x";
    EXPECT_EQ(Split_IP_Address(QString::fromUtf8(c.text), p1, p2, p3, p4), c.ok) << c.text;
    EXPECT_EQ(QStringList({p1, p2, p3, p4}), c.parts) << c.text;
  }
}

TEST(IPTextToBytes, TrueMeansError) {
  struct Case {
    const char* text;
    bool error;
    uint8_t bytes[4];
  };
  const Case cases[] = {
      {"192.168.1.125", false, {192, 168, 1, 125}},
      {"10.0.0.300", true, {10, 0, 0, 0}},  // the bad byte is 0, the others are read
      {"300.1.2.3", true, {0, 1, 2, 3}},
      {"1.2.3", true, {1, 2, 0, 3}},         // no third dot: part 3 is empty
      {"1.2.3.4.5", true, {1, 2, 3, 0}},     // the fourth part "4.5" is no number
      {"1.2.3.4 ", true, {1, 2, 3, 0}},      // no trimming
      {" 1.2.3.4", false, {1, 2, 3, 4}},     // the number reader skips leading blanks
      {"$A.0x10.3.4", false, {10, 16, 3, 4}},
  };
  for (const Case& c : cases) {
    uint8_t b[4] = {9, 9, 9, 9};
    EXPECT_EQ(IP_Text_To_Bytes(QString::fromUtf8(c.text), b[0], b[1], b[2], b[3]), c.error) << c.text;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(b[i], c.bytes[i]) << c.text << " byte " << i + 1;
  }
  uint8_t b[4] = {7, 7, 7, 7};
  EXPECT_TRUE(IP_Text_To_Bytes(QString(), b[0], b[1], b[2], b[3]));
  EXPECT_EQ((std::vector<int>{b[0], b[1], b[2], b[3]}), (std::vector<int>{7, 7, 7, 7})) << "empty text changed the bytes";
}

TEST(IPPortTextToBytes, AllOrNothing) {
  struct Case {
    const char* text;
    bool ok;
    uint8_t bytes[4];
    uint16_t port;
  };
  const Case cases[] = {
      {"192.168.1.10:502", true, {192, 168, 1, 10}, 502},
      {" 192 . 168 . 1 . 10 : 47808 ", true, {192, 168, 1, 10}, 47808},
      {"1.2.3.4:0", true, {1, 2, 3, 4}, 0},
      {"1.2.3.4:65535", true, {1, 2, 3, 4}, 65535},
      {"1.2.3.4:65536", false, {}, 0},
      {"192.168.1.10", false, {}, 0},
      {"1.2.3.4:", false, {}, 0},
      {"1.2.3.256:502", false, {}, 0},
      {"1.2.3:502", false, {}, 0},
      {"1.2.3.4:502:1", false, {}, 0},
      {"", false, {}, 0},
  };
  for (const Case& c : cases) {
    uint8_t b[4] = {9, 9, 9, 9};
    uint16_t port = 9;
    EXPECT_EQ(IP_Port_Text_To_Bytes(QString::fromUtf8(c.text), b[0], b[1], b[2], b[3], port), c.ok) << c.text;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(b[i], c.bytes[i]) << c.text << " byte " << i + 1;
    EXPECT_EQ(port, c.port) << c.text;
  }
}

}  // namespace

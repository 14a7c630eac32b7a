#include "app/routines/snmp_checks.h"
#include "app/routines/wifi_protocols.h"

#include <gtest/gtest.h>

namespace {

TEST(CheckOIDText, FirstFaultGivesTheCode) {
  struct Case {
    QString text;
    int code;
  };
  const QString longest = QStringLiteral("1.").repeated(30) + QStringLiteral("1");  // 61 characters
  const Case cases[] = {
      {QStringLiteral("1.3.6.1.2.1.1.5.0"), 0},
      {QStringLiteral("4294967295.0"), 0},
      {QStringLiteral("0000000000000000000000000001"), 0},  // leading zeros are still 1
      {QStringLiteral("7"), 0},
      {longest, 0},
      {longest + QStringLiteral("1"), 1},  // 62 characters
      {QString(62, u'a'), 1},                         // length is checked first
      {QStringLiteral("1.3.6.a"), 2},
      {QStringLiteral("1.3. 6"), 2},
      {QStringLiteral(".1.3"), 3},
      {QStringLiteral("."), 3},
      {QStringLiteral("1.3."), 4},
      {QStringLiteral("1..3"), 5},
      {QStringLiteral("1.4294967296"), 6},
      {QStringLiteral("99999999999999999999.1"), 6},  // beyond a 64-bit number
      {QString(), 2},                                 // the empty text names no object
  };
  for (const Case& c : cases) EXPECT_EQ(Check_OID_Text(c.text), c.code) << c.text.toStdString();
}

TEST(CheckSNMPPassword, LengthThenCharacters) {
  struct Case {
    const char* text;
    bool shortText;
    int code;
  };
  const Case cases[] = {
      {"abc1234", false, 2},          {"abc1234", true, 0},   {"abcd1234", false, 0},
      {"abcdefghij12345", false, 0},  {"abcdefghij123456", false, 1}, {"abcdefghij123456", true, 1},
      {"", true, 2},                  {"", false, 2},         {"a", true, 0},
      {"abcd 1234", false, 3},        {"abcd-1234", false, 3}, {"abc\xC3\xA9" "1234", false, 3},
      {"_", true, 3},                 {"1234567", false, 2},  {"ZZZZ9999", false, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Check_SNMP_Password(QString::fromUtf8(c.text), c.shortText), c.code) << c.text << " short " << c.shortText;
}

TEST(SNMPSecurityLevelCode, TrimmedAndUpperCased) {
  struct Case {
    const char* text;
    int code;
  };
  const Case cases[] = {
      {"Auth NoPriv", 1}, {"  auth nopriv ", 1}, {"Auth Priv", 3}, {"AUTH PRIV", 3},
      {"", -1},           {"   ", -1},           {"NoAuth NoPriv", 0}, {"AuthPriv", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(SNMP_Security_Level_Code(QString::fromUtf8(c.text)), c.code) << c.text;
}

TEST(WiFiProtocols, OnlyMQTT) {
  QString name1 = "x", name2 = "x";
  EXPECT_EQ(Get_WiFi_Protocols(name1, name2), 1);
  EXPECT_EQ(name1, QStringLiteral("MQTT"));
  EXPECT_EQ(name2, QString());
}

}  // namespace

#include "app/shell/version_check.h"
#include "app/shell/web_links.h"
#include "app/state/comon.h"
#include "tests/shell/loopback_http_server.h"

#include <gtest/gtest.h>

TEST(VersionCheck, ConvVersionTakesCharacters1345AfterTheFirstBlank) {
  struct Case {
    QString text;
    int expected;
  };
  const Case cases[] = {
      {"1.001", 1001},
      {"VER. 1.002", 1002},
      {"VER.   2.345  ", 2345},  // the part after the blank is trimmed
      {"VER. 1.00", -1},         // shorter than five characters
      {"VER. x.yyy", -1},        // no number
      {"VER. 1.0 1", -1},        // a blank among the digits
      {"", -1},
      {"VER. 0.000", 0},
      {"VER. 12.34", -1},        // characters 1, 3, 4, 5 are "1", ".", "3", "4"
      {"2.5001", 2500},          // characters past the fifth are not read
  };
  for (const Case& c : cases) EXPECT_EQ(Conv_Version(c.text), c.expected) << c.text.toStdString();
}

TEST(VersionCheck, OnlyALargerReadableVersionIsNewer) {
  struct Case {
    QString reply;
    bool newer;
  };
  const Case cases[] = {
      {"VER. 1.002", true},       {"  VER. 2.000\r\n", true}, {"VER. 1.001", false},
      {"VER. 1.000", false},      {"VER. 0.000", false},      {"ver. 0.000", false},
      {"", false},                {"   ", false},             {"<html><body>Not here</body></html>", false},
      {"VER. abcde", false},
  };
  for (const Case& c : cases) EXPECT_EQ(Is_Newer_Version(c.reply), c.newer) << c.reply.toStdString();
}

TEST(VersionCheck, TimerRunsOnlyWithBothInternetOptions) {
  EXPECT_TRUE(Version_Timer_Wanted(true, true));
  EXPECT_FALSE(Version_Timer_Wanted(true, false));
  EXPECT_FALSE(Version_Timer_Wanted(false, true));
  EXPECT_FALSE(Version_Timer_Wanted(false, false));
}

// The version query against a loopback server standing in for the maker's site.
class VersionQuery : public ::testing::Test {
protected:
  void SetUp() override {
    Set_Maker_Site(server.Site());
    Set_Version_Timeouts(500, 400);
  }
  void TearDown() override {
    Set_Maker_Site(QString());
    Set_Version_Timeouts(0, 0);
  }
  TLoopbackHttpServer server;
};

TEST_F(VersionQuery, AsksForTheSoftwareCodeAndReadsTheReply) {
  struct Case {
    const char* what;
    TLoopbackHttpServer::TAnswer answer;
    bool newer;
  };
  const Case cases[] = {
      {"newer", {200, "VER. 1.002", false}, true},
      {"equal", {200, "VER. 1.001", false}, false},
      {"older", {200, "VER. 1.000", false}, false},
      {"none", {200, "VER. 0.000", false}, false},
      {"empty reply", {200, "", false}, false},
      {"HTTP 404", {404, "VER. 9.999", false}, false},
      {"never answers", {200, "", true}, false},
  };
  for (const Case& c : cases) {
    server.SetAnswer(c.answer);
    EXPECT_EQ(Check_Version(), c.newer) << c.what;
    EXPECT_TRUE(server.LastRequest().startsWith("GET /home/download/GetversionSW.asp?nomesw=KQ82K03 HTTP/1.0"))
        << c.what;
  }
  EXPECT_EQ(server.RequestCount(), 7);
}

TEST(WebLinks, PointAtTheMakersSite) {
  const QString site = QStringLiteral("http://") + QString::fromUtf16(kMaker_Domain);
  EXPECT_EQ(Home_Page_Link(), site + "/HOME/default.asp?frompg=KQ82K03");
  EXPECT_EQ(Download_Page_Link(), site + "/Home/download/download.asp#KV82K03");
  EXPECT_EQ(Version_Query_Link(), site + "/home/download/GetversionSW.asp?nomesw=KQ82K03");
}

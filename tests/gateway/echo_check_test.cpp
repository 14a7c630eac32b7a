// The echo check with a fake prober and a manual clock.
#include "gateway/echo_check.h"
#include "platform/os/clock.h"
#include "platform/rtl/exceptions.h"

#include <gtest/gtest.h>
#include <functional>
#include <vector>

namespace {

// Answers each try as its script says: the reply's data bytes (0: silence for the
// whole time-out), or -1 to raise an error. Past the script it stays silent.
class TFake_Prober : public TEchoProber {
public:
  TFake_Prober(TManualClock& clock, std::vector<int> script) : clock_(clock), script_(std::move(script)) {}

  int Echo(const QString& host, const QByteArray& data, int timeoutMs) override {
    hosts.push_back(host);
    payloads.push_back(data);
    const size_t i = calls++;
    const int answer = i < script_.size() ? script_[i] : 0;
    if (answer < 0) throw Exception(QStringLiteral("Operation not permitted"));
    clock_.Advance(answer > 0 ? replyDelay : timeoutMs);  // silence lasts the whole time-out
    return answer;
  }

  int replyDelay = 2;
  size_t calls = 0;
  std::vector<QString> hosts;
  std::vector<QByteArray> payloads;

private:
  TManualClock& clock_;
  std::vector<int> script_;
};

struct TCheck_Run {
  TEcho_Result result;
  int64_t elapsed;
  int processed;
};

TCheck_Run Check(std::vector<int> script, int replyDelay = 2) {
  TManualClock clock;
  TFake_Prober prober(clock, std::move(script));
  prober.replyDelay = replyDelay;
  int processed = 0;
  const TEcho_Result r = Send_Ping(prober, clock, QStringLiteral("127.0.0.1"), [&] { ++processed; });
  EXPECT_EQ(static_cast<int>(prober.calls), r.Tries);
  return {r, clock.TickCount(), processed};
}

}  // namespace

TEST(EchoCheck, ImmediateRepliesFindTheDeviceAfterTwoRequests) {
  const TCheck_Run run = Check({32, 32, 32});
  EXPECT_TRUE(run.result.Found);
  EXPECT_EQ(run.result.ping_res, 1);
  EXPECT_EQ(run.result.Tries, 2);
  EXPECT_EQ(run.result.Replies, 2);
  EXPECT_EQ(run.elapsed, 2 * (2 + 10));  // each reply, then one 10 ms step
  EXPECT_EQ(run.processed, 2);
}

TEST(EchoCheck, NoReplyGivesUpAfterAboutThirteenTries) {
  const TCheck_Run run = Check({});
  EXPECT_FALSE(run.result.Found);
  EXPECT_EQ(run.result.ping_res, 2);  // "Device Not Found!"
  EXPECT_EQ(run.result.Tries, 13);    // 12 x 410 ms = 4920 is not past 5000 yet
  EXPECT_EQ(run.elapsed, 13 * 410);
  EXPECT_TRUE(run.result.Error.isEmpty());
}

TEST(EchoCheck, TheLastReplyEventDecides) {
  // Only the 13th request is answered, 300 ms late: past 5000 ms it is the last one.
  std::vector<int> lastOnly(12, 0);
  lastOnly.push_back(8);
  const TCheck_Run last = Check(lastOnly, 300);
  EXPECT_TRUE(last.result.Found);
  EXPECT_EQ(last.result.Tries, 13);
  EXPECT_EQ(last.result.Replies, 1);
  EXPECT_EQ(last.elapsed, 12 * 410 + 310);

  // Answered at once, the 13th reply ends before 5000 ms, so a 14th request follows;
  // its silence is the last event.
  const TCheck_Run early = Check(lastOnly);
  EXPECT_FALSE(early.result.Found);
  EXPECT_EQ(early.result.Tries, 14);

  const TCheck_Run firstOnly = Check({8});  // answered once, then silence: not found
  EXPECT_FALSE(firstOnly.result.Found);
  EXPECT_EQ(firstOnly.result.ping_res, 2);
  EXPECT_EQ(firstOnly.result.Replies, 1);

  const TCheck_Run gap = Check({8, 0, 0, 8});  // two replies with silence between
  EXPECT_TRUE(gap.result.Found);
  EXPECT_EQ(gap.result.Tries, 4);
}

TEST(EchoCheck, ProberErrorsEndTheCheck) {
  const TCheck_Run first = Check({-1});
  EXPECT_FALSE(first.result.Found);
  EXPECT_EQ(first.result.ping_res, 0);  // "Error!!! Check the Ip Address"
  EXPECT_EQ(first.result.Tries, 1);
  EXPECT_EQ(first.result.Error, "Operation not permitted");

  const TCheck_Run later = Check({0, 0, -1});  // after two silent tries the status stays 2
  EXPECT_FALSE(later.result.Found);
  EXPECT_EQ(later.result.ping_res, 2);
  EXPECT_EQ(later.result.Tries, 3);
}

TEST(EchoCheck, RequestsCarryTheAddressText) {
  TManualClock clock;
  TFake_Prober prober(clock, {4, 4});
  Send_Ping(prober, clock, QStringLiteral("10.0.0.7"), [] {});
  ASSERT_EQ(prober.calls, 2u);
  EXPECT_EQ(prober.hosts[0], "10.0.0.7");
  EXPECT_EQ(prober.payloads[1], "10.0.0.7");
}

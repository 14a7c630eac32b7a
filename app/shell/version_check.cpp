#include "app/shell/version_check.h"

#include "app/shell/web_links.h"
#include "app/state/comon.h"
#include "platform/os/http_get.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

namespace {

THttpGetOptions& queryOptions() {
  static THttpGetOptions options;
  return options;
}

}  // namespace

int Conv_Version(const QString& Ver_str) {
  const int blank = Pos(QStringLiteral(" "), Ver_str);
  const QString t = Trim(blank > 0 ? Copy(Ver_str, blank + 1, Ver_str.size()) : Ver_str);
  if (t.size() < 5) return -1;
  const QString digits = Copy(t, 1, 1) + Copy(t, 3, 1) + Copy(t, 4, 1) + Copy(t, 5, 1);
  int32_t value = 0;
  return TryStrToInt(digits, value) ? value : -1;
}

bool Is_Newer_Version(const QString& reply) {
  const QString r = UpperCase(Trim(reply));
  if (r.isEmpty() || r == QLatin1String("VER. 0.000")) return false;
  const int local = Conv_Version(QString::fromUtf16(kSW_Version));
  const int remote = Conv_Version(Trim(reply));
  return local != -1 && remote != -1 && local < remote;
}

bool Check_Version() {
  const THttpReply reply = HttpGet(Version_Query_Link(), queryOptions());
  // A failed request leaves the reply empty.
  return Is_Newer_Version(reply.Ok ? QString::fromLatin1(reply.Body) : QString());
}

bool Version_Timer_Wanted(bool enableInternet, bool enableUpdate) { return enableInternet && enableUpdate; }

void Set_Version_Timeouts(int64_t connectMs, int64_t totalMs) {
  queryOptions().ConnectTimeoutMs = connectMs > 0 ? connectMs : kHttpConnectTimeoutMs;
  queryOptions().TotalTimeoutMs = totalMs > 0 ? totalMs : kHttpTotalTimeoutMs;
}

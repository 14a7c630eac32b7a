#include "gateway/echo_check.h"

#include "platform/os/clock.h"
#include "platform/rtl/exceptions.h"

#include <QCoreApplication>
#include <QThread>

namespace {

void Process_Application_Messages() {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || QThread::currentThread() != app->thread()) return;
  QCoreApplication::processEvents();
}

// The reply handler: data means the device answered.
void PingReply(TEcho_Result& result, int bytesReceived) { result.ping_res = bytesReceived > 0 ? 1 : 2; }

}  // namespace

TEcho_Result Send_Ping(TEchoProber& prober, TClock& clock, const QString& host,
                       const std::function<void()>& processMessages, const std::function<bool()>& stopRequested) {
  const std::function<void()> process = processMessages ? processMessages : Process_Application_Messages;
  // 1-2. Start.
  TEcho_Result result;
  const int64_t start = clock.TickCount();
  const QByteArray data = host.toLatin1();
  try {
    // 3. One request per try until two replies or the total time is up.
    for (;;) {
      const int64_t tryStart = clock.TickCount();
      ++result.Tries;
      PingReply(result, prober.Echo(host, data, kEcho_Timeout_Ms));
      do {
        clock.Sleep(kEcho_Step_Ms);
        process();
        if (stopRequested && stopRequested()) {
          result.Cancelled = true;
          return result;
        }
      } while (result.ping_res == 0 && clock.TickCount() - tryStart <= kEcho_Timeout_Ms);
      if (result.ping_res == 1) ++result.Replies;
      if (result.Replies >= kEcho_Replies_Wanted || clock.TickCount() - start > kEcho_Total_Ms) break;
    }
  } catch (const EEchoSendError& e) {
    result.Error = e.Message;
    result.Send_Failed = true;
    result.Send_Errno = e.Errno;
    result.No_Permission = e.Permission;
    return result;
  } catch (const Exception& e) {
    result.Error = e.Message;
    return result;
  } catch (const std::exception& e) {
    result.Error = QString::fromLocal8Bit(e.what());
    return result;
  }
  // 4. Found when the last reply event carried data.
  result.Found = result.ping_res == 1;
  return result;
}

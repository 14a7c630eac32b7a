// The update dialog's echo check (Send_Ping): ICMP echo requests to the entered
// device address until two replies came or about 5 s have passed. The prober (the
// ICMP echo client) and the clock are injected, so the loop is tested without a
// network and without waiting.
#pragma once

#include "platform/rtl/exceptions.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

class TClock;

inline constexpr int kEcho_Timeout_Ms = 400;     // receive time-out of one request
inline constexpr int kEcho_Total_Ms = 5000;      // the check ends after this
inline constexpr int kEcho_Step_Ms = 10;         // wait step between requests
inline constexpr int kEcho_Replies_Wanted = 2;

// Raised by a prober when an echo request cannot be sent at all (no permission for
// ICMP, no route to the network): the address may well be right, so the dialog
// tells this cause rather than asking to check the address.
class EEchoSendError : public Exception {
public:
  EEchoSendError(const QString& message, int error, bool permission)
      : Exception(message), Errno(error), Permission(permission) {}
  int Errno;        // the system's error number
  bool Permission;  // no ICMP socket may be opened by this user
};

// Stands for the ICMP echo client: sends one echo request and waits for its reply.
class TEchoProber {
public:
  virtual ~TEchoProber() = default;
  // Sends one echo request carrying `data` to `host` and waits at most `timeoutMs`.
  // Returns the number of data bytes in the reply, 0 when none came in time. Raises
  // an Exception for an address that is not valid and EEchoSendError when the
  // request cannot be sent (no permission, no route).
  virtual int Echo(const QString& host, const QByteArray& data, int timeoutMs) = 0;
};

// Outcome of the check. ping_res is the status of the last reply event: 0 none,
// 1 a reply with data, 2 a reply event without data (no answer in time).
struct TEcho_Result {
  bool Found = false;
  int32_t ping_res = 0;
  int Tries = 0;
  int Replies = 0;
  QString Error;  // the cause when the check ended with an error
  bool Send_Failed = false;  // the error was EEchoSendError
  int Send_Errno = 0;
  bool No_Permission = false;
  bool Cancelled = false;  // stopped on request before its end
};

// Runs the check on `host`. `processMessages` lets the application handle its
// pending events between requests (the application's event processing when empty).
// `stopRequested`, asked after each handling of events, ends the check at once
// (Cancelled, not found) when it answers true: the user closed the dialog.
TEcho_Result Send_Ping(TEchoProber& prober, TClock& clock, const QString& host,
                       const std::function<void()>& processMessages = {},
                       const std::function<bool()>& stopRequested = {});

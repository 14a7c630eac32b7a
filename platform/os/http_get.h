// One HTTP GET (stands for the class library's HTTP client component as the
// program sets it up: HTTP/1.0, a fixed user agent and accept header, cookies off).
// The request blocks the calling thread; a connect and a total time-out bound it.
// Any failure - no address, refused, timed out, an HTTP error status - gives an
// unsuccessful reply with an empty body.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

inline constexpr const char* kHttpUserAgent = "Mozilla/3.0 (compatible; Indy Library)";
inline constexpr const char* kHttpAccept = "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";

inline constexpr int64_t kHttpConnectTimeoutMs = 10000;
inline constexpr int64_t kHttpTotalTimeoutMs = 20000;
// Larger bodies are refused: the replies the program asks for are a line of text.
inline constexpr int64_t kHttpMaxBodyBytes = 1 << 20;

struct THttpGetOptions {
  int64_t ConnectTimeoutMs = kHttpConnectTimeoutMs;
  int64_t TotalTimeoutMs = kHttpTotalTimeoutMs;
};

struct THttpReply {
  bool Ok = false;     // a 2xx answer arrived whole
  long Status = 0;     // the HTTP status when one arrived, else 0
  QByteArray Body;     // the answer's body; empty unless Ok
  QString Error;       // why it failed (for logs; never shown as a box)
};

// GETs an http:// or https:// address. Redirects are not followed.
THttpReply HttpGet(const QString& url, const THttpGetOptions& options = {});

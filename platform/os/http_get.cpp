#include "platform/os/http_get.h"

#include <curl/curl.h>

#include <mutex>

namespace {

void initCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct TBodySink {
  QByteArray body;
  bool tooLarge = false;
};

size_t appendBody(char* data, size_t size, size_t count, void* user) {
  auto* sink = static_cast<TBodySink*>(user);
  const size_t n = size * count;
  if (sink->body.size() + static_cast<int64_t>(n) > kHttpMaxBodyBytes) {
    sink->tooLarge = true;
    return 0;  // makes curl stop with a write error
  }
  sink->body.append(data, static_cast<qsizetype>(n));
  return n;
}

// A curl easy handle that is cleaned up on every path.
struct TCurl {
  CURL* handle = curl_easy_init();
  curl_slist* headers = nullptr;
  ~TCurl() {
    if (headers) curl_slist_free_all(headers);
    if (handle) curl_easy_cleanup(handle);
  }
};

}  // namespace

THttpReply HttpGet(const QString& url, const THttpGetOptions& options) {
  THttpReply reply;
  const QByteArray address = url.toUtf8();
  if (!(url.startsWith(QLatin1String("http://")) || url.startsWith(QLatin1String("https://")))) {
    reply.Error = QStringLiteral("not a web address: ") + url;
    return reply;
  }
  initCurlOnce();
  TCurl curl;
  if (!curl.handle) {
    reply.Error = QStringLiteral("no HTTP client");
    return reply;
  }
  TBodySink sink;
  char errorText[CURL_ERROR_SIZE] = {};
  CURL* h = curl.handle;
  curl.headers = curl_slist_append(curl.headers, (QByteArray("Accept: ") + kHttpAccept).constData());

  curl_easy_setopt(h, CURLOPT_URL, address.constData());
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
  curl_easy_setopt(h, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
  curl_easy_setopt(h, CURLOPT_USERAGENT, kHttpUserAgent);
  curl_easy_setopt(h, CURLOPT_HTTPHEADER, curl.headers);
  curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(h, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(options.ConnectTimeoutMs));
  curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(options.TotalTimeoutMs));
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, appendBody);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &sink);
  curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorText);
  // No cookie engine: CURLOPT_COOKIEFILE is never set.

  const CURLcode rc = curl_easy_perform(h);
  long status = 0;
  curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
  reply.Status = status;
  if (rc != CURLE_OK) {
    reply.Error = sink.tooLarge ? QStringLiteral("reply too large")
                                : QString::fromUtf8(errorText[0] ? errorText : curl_easy_strerror(rc));
    return reply;
  }
  if (status < 200 || status > 299) {
    reply.Error = QStringLiteral("HTTP status %1").arg(status);
    return reply;
  }
  reply.Ok = true;
  reply.Body = sink.body;
  return reply;
}

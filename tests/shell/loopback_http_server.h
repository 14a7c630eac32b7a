// A tiny HTTP server on 127.0.0.1 and an ephemeral port, for the tests of the
// version query. It answers every request with the set status and body, or - when
// told to - reads the request and never answers. It stops when destroyed.
#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

class TLoopbackHttpServer {
public:
  struct TAnswer {
    int Status = 200;
    QByteArray Body;
    bool NeverAnswer = false;
  };

  TLoopbackHttpServer();
  ~TLoopbackHttpServer();
  TLoopbackHttpServer(const TLoopbackHttpServer&) = delete;
  TLoopbackHttpServer& operator=(const TLoopbackHttpServer&) = delete;

  void SetAnswer(const TAnswer& answer);
  // "http://127.0.0.1:<port>"
  QString Site() const;
  int Port() const { return port_; }
  // The head (request line and headers) of the last request, as received.
  QByteArray LastRequest() const;
  int RequestCount() const;

private:
  void Serve();
  void Handle(int client);

  int listen_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  TAnswer answer_;
  QByteArray last_request_;
  int requests_ = 0;
  std::vector<int> held_;  // connections left unanswered until the server stops
  std::thread thread_;
};

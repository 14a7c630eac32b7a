// The stand-in of the outside OPC UA browse library for the tests: which of its
// builds the program finds (the whole library, one without opcua_return_variable,
// or none) and what its next browse finds (its description file, named by the
// OPC_UA_SEARCH_STANDIN environment variable).
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class OPC_UA_StandIn {
public:
  enum class Build { Full, Without_Return, None };

  // Points the program at `build` and describes an empty browse.
  explicit OPC_UA_StandIn(Build build = Build::Full);
  ~OPC_UA_StandIn();
  OPC_UA_StandIn(const OPC_UA_StandIn&) = delete;
  OPC_UA_StandIn& operator=(const OPC_UA_StandIn&) = delete;

  // The description's lines ("delay_ms=...", "var=...", ...); the request the next
  // browse gets is logged and read by Request().
  void Describe(const QStringList& lines);
  // The logged request, one "field=value" per line; empty before a browse.
  QStringList Request() const;

  // Waits (pumping events) until no scan thread runs any more; false after 10 s.
  static bool Wait_For_Scans();

private:
  QTemporaryDir dir_;
};

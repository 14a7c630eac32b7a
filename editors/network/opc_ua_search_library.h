// One browse of an OPC UA server through the outside library "OPC_UA_Search"
// (app/routines/opc_ua_search.h), run off the GUI thread so that the scan dialog
// stays responsive and can be cancelled or time out.
//
// A scan loads the library (libOPC_UA_Search.so from the program's folder first,
// then along the system's library search path), finds its two functions, asks it
// to browse, takes every result and releases the library again. Every text of a
// result is copied while the library is loaded: nothing it handed out is read
// after it is released. One scan at a time uses the library; a scan started while
// an earlier one is still inside it waits its turn. A scan the dialog gave up on
// (cancelled, timed out) finishes on its own thread and keeps nothing.
#pragma once

#include "app/routines/opc_ua_search.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// The request, its texts held by the scan itself (converted to the system's 8-bit
// encoding), so that nothing of the caller needs to stay alive.
struct TOPC_UA_Scan_Request {
  QString Server_Address;
  int Auth = 0;  // 0 anonymous, 1 user name and password, 2 certificate
  QString User_Name;
  QString Password;
  QString Certificate;
  QString Private_Key;
  int Security_Type = 0;    // 0 to 2
  int Security_Policy = 0;  // 0 to 5
};

// One variable found, with its texts copied out of the library.
class TOPC_UA_Scan_Result {
public:
  TOPC_UA_Scan_Result() = default;
  // Copies the record and the three texts it points to (a null pointer reads as
  // the empty text).
  explicit TOPC_UA_Scan_Result(const opcua_structure& record);

  // The record with its text pointers on this result's own copies (valid while
  // this result lives and is not changed).
  opcua_structure Record() const;
  QString Display_Name() const;
  QString String_Name() const;
  QString Byte_String() const;
  int Access_Level() const { return record_.accessLevel; }

private:
  opcua_structure record_{};
  std::string stringName_;
  std::string byteString_;
  std::string displayName_;
};

enum class TOPC_UA_Scan_State {
  Running,
  Done,           // the browse answered; Results() holds what it found
  No_Library,     // the library could not be loaded
  No_Functions,   // the library lacks one of the two functions
};

class TOPC_UA_Scan {
public:
  // Starts a scan on a thread of its own.
  static std::shared_ptr<TOPC_UA_Scan> Start(const TOPC_UA_Scan_Request& request);

  TOPC_UA_Scan_State State() const { return state_.load(); }
  bool Finished() const { return State() != TOPC_UA_Scan_State::Running; }
  // The results once the scan is Done (empty before).
  std::vector<TOPC_UA_Scan_Result> Results() const;
  // The caller no longer waits: the scan stops at its next step (it cannot break
  // into a call of the library) and keeps no results.
  void Abandon() { abandoned_ = true; }

  // The number of scans whose thread has not ended yet, abandoned ones included.
  static int Running();

  // The most results a scan takes from one browse.
  static constexpr int kMax_Results = 65535;

private:
  explicit TOPC_UA_Scan(const TOPC_UA_Scan_Request& request);
  void Run();

  QByteArray address_, user_, password_, cert_, key_;
  QStringList candidates_;  // taken on the caller's thread
  opcua_server_to_discover request_{};
  std::atomic<TOPC_UA_Scan_State> state_{TOPC_UA_Scan_State::Running};
  std::atomic<bool> abandoned_{false};
  mutable std::mutex results_lock_;
  std::vector<TOPC_UA_Scan_Result> results_;
};

// Where the library is looked for, in order: the library file in the program's
// folder, then its bare name for the system's search path.
QStringList OPC_UA_Search_Candidates();
// Tests put another folder in the program's place; an empty text removes it.
void Set_OPC_UA_Search_Folder(const QString& folder);

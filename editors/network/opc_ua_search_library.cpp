#include "editors/network/opc_ua_search_library.h"

#include "platform/os/data_root.h"
#include "platform/os/dynamic_library.h"

#include <QDir>
#include <thread>

namespace {

// One scan at a time is inside the library.
std::mutex library_lock;
std::atomic<int> running_scans{0};

QString& folder_override() {
  static QString folder;
  return folder;
}

std::string Copied(const char* text) { return text ? std::string(text) : std::string(); }

}  // namespace

QStringList OPC_UA_Search_Candidates() {
  const QString folder = folder_override().isEmpty() ? ProgramFolder() : folder_override();
  const QString name = QStringLiteral(OPC_UA_SEARCH_LIBRARY);
  return {QDir(folder).filePath(name), name};
}

void Set_OPC_UA_Search_Folder(const QString& folder) { folder_override() = folder; }

// ---------------------------------------------------------------------------

TOPC_UA_Scan_Result::TOPC_UA_Scan_Result(const opcua_structure& record)
    : record_(record),
      stringName_(Copied(record.stringname)),
      byteString_(Copied(record.byteString)),
      displayName_(Copied(record.displayName)) {
  record_.stringname = nullptr;
  record_.byteString = nullptr;
  record_.displayName = nullptr;
}

opcua_structure TOPC_UA_Scan_Result::Record() const {
  opcua_structure r = record_;
  r.stringname = stringName_.c_str();
  r.byteString = byteString_.c_str();
  r.displayName = displayName_.c_str();
  return r;
}

QString TOPC_UA_Scan_Result::Display_Name() const { return QString::fromLocal8Bit(displayName_); }
QString TOPC_UA_Scan_Result::String_Name() const { return QString::fromLocal8Bit(stringName_); }
QString TOPC_UA_Scan_Result::Byte_String() const { return QString::fromLocal8Bit(byteString_); }

// ---------------------------------------------------------------------------

TOPC_UA_Scan::TOPC_UA_Scan(const TOPC_UA_Scan_Request& r)
    : address_(r.Server_Address.toLocal8Bit()),
      user_(r.User_Name.toLocal8Bit()),
      password_(r.Password.toLocal8Bit()),
      cert_(r.Certificate.toLocal8Bit()),
      key_(r.Private_Key.toLocal8Bit()),
      candidates_(OPC_UA_Search_Candidates()) {
  request_.server_address = address_.constData();
  request_.user_pass_auth_flag = r.Auth;
  request_.username = user_.constData();
  request_.password = password_.constData();
  request_.cert = cert_.constData();
  request_.priv_key = key_.constData();
  request_.security_type = r.Security_Type;
  request_.security_policy = r.Security_Policy;
}

std::shared_ptr<TOPC_UA_Scan> TOPC_UA_Scan::Start(const TOPC_UA_Scan_Request& request) {
  std::shared_ptr<TOPC_UA_Scan> scan(new TOPC_UA_Scan(request));
  ++running_scans;
  std::thread([scan] {
    scan->Run();
    --running_scans;
  }).detach();
  return scan;
}

int TOPC_UA_Scan::Running() { return running_scans.load(); }

std::vector<TOPC_UA_Scan_Result> TOPC_UA_Scan::Results() const {
  std::lock_guard<std::mutex> lock(results_lock_);
  return results_;
}

void TOPC_UA_Scan::Run() {
  std::lock_guard<std::mutex> turn(library_lock);
  if (abandoned_) {
    state_ = TOPC_UA_Scan_State::Done;
    return;
  }
  TDynamicLibrary library;
  if (!library.Load(candidates_)) {
    state_ = TOPC_UA_Scan_State::No_Library;
    return;
  }
  const auto begin = reinterpret_cast<opcua_client_begin_fn>(library.Symbol(OPC_UA_SEARCH_BEGIN));
  const auto next = reinterpret_cast<opcua_return_variable_fn>(library.Symbol(OPC_UA_SEARCH_RETURN));
  if (!begin || !next) {
    state_ = TOPC_UA_Scan_State::No_Functions;
    return;
  }
  const int32_t count = begin(request_);
  std::vector<TOPC_UA_Scan_Result> found;
  for (int32_t i = 0; i < count && i < kMax_Results && !abandoned_; ++i) {
    opcua_structure record{};
    next(&record, i);
    found.emplace_back(record);  // the texts are copied before the next call
  }
  if (!abandoned_) {
    std::lock_guard<std::mutex> lock(results_lock_);
    results_ = std::move(found);
  }
  library.Free();
  state_ = TOPC_UA_Scan_State::Done;
}

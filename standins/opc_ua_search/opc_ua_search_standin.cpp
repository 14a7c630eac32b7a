// A deterministic stand-in for the outside OPC UA browse library, built by the
// project for its tests: it answers the library's two functions
// (app/routines/opc_ua_search.h) from a small description file instead of a
// server, so that every kind of result can be produced on any machine.
//
// The environment variable OPC_UA_SEARCH_STANDIN names the description file; it is
// read again at every opcua_client_begin. Without it the browse finds nothing.
// One setting per line; blank lines and lines starting with "#" are skipped:
//   delay_ms=N        opcua_client_begin waits N milliseconds before it answers
//   count=N           opcua_client_begin answers N instead of the number of variables
//                     (0 or a negative number: nothing found)
//   request_log=PATH  the request record is written to PATH, one field per line
//                     ("address=", "auth=", "user=", "password=", "cert=", "key=",
//                     "security_type=", "security_policy="; line breaks in a text
//                     written as "\n")
//   var=NS|KIND|IDENTIFIER|DATATYPE|ACCESS|DISPLAY NAME
//                     one variable found: namespace index; identifier kind
//                     ("numeric", "string", "guid", "bytestring" or a number);
//                     the identifier (a decimal number, a text, or a GUID as
//                     8-4-4-4-12 hexadecimal digits); the data type code (any
//                     number, also one the program does not know); the access
//                     level bits; the display name (the rest of the line)
//
// Like many C libraries it hands out texts in buffers of its own that the next
// call overwrites, so a caller that keeps the pointers instead of the texts sees
// the wrong names. Built with OPC_UA_STANDIN_WITHOUT_RETURN it lacks
// opcua_return_variable, as a library of another version might.
#include "app/routines/opc_ua_search.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

struct TVariable {
  opcua_structure Record{};
  std::string StringName;
  std::string ByteString;
  std::string DisplayName;
};

struct TBrowse {
  int Delay_Ms = 0;
  bool Count_Given = false;
  int Count = 0;
  std::string Request_Log;
  std::vector<TVariable> Variables;
};

std::mutex state_lock;
TBrowse last_browse;
// The buffers the texts of the last returned record point into.
std::string returned_string, returned_bytes, returned_name;

std::vector<std::string> Split(const std::string& text, char separator, size_t parts) {
  std::vector<std::string> out;
  size_t from = 0;
  while (out.size() + 1 < parts) {
    const size_t at = text.find(separator, from);
    if (at == std::string::npos) break;
    out.push_back(text.substr(from, at - from));
    from = at + 1;
  }
  out.push_back(text.substr(from));
  return out;
}

long Number(const std::string& text) { return std::strtol(text.c_str(), nullptr, 0); }

unsigned long Hex(const std::string& text) { return std::strtoul(text.c_str(), nullptr, 16); }

void Parse_Guid(const std::string& text, opcua_structure& r) {
  const std::vector<std::string> g = Split(text, '-', 5);
  if (g.size() < 5) return;
  r.guide1 = uint32_t(Hex(g[0]));
  r.guide2 = uint16_t(Hex(g[1]));
  r.guide3 = uint16_t(Hex(g[2]));
  const std::string last = g[3] + g[4];
  for (size_t i = 0; i < 8 && 2 * i + 1 < last.size(); ++i) r.guide4[i] = uint8_t(Hex(last.substr(2 * i, 2)));
}

int Kind(const std::string& text) {
  if (text == "numeric") return OPCUA_ID_NUMERIC;
  if (text == "string") return OPCUA_ID_STRING;
  if (text == "guid") return OPCUA_ID_GUID;
  if (text == "bytestring") return OPCUA_ID_BYTESTRING;
  return int(Number(text));
}

TVariable Parse_Variable(const std::string& text) {
  TVariable v;
  const std::vector<std::string> f = Split(text, '|', 6);
  if (f.size() < 6) return v;
  opcua_structure& r = v.Record;
  r.nameSpaceIndex = uint16_t(Number(f[0]));
  r.identifierType = uint16_t(Kind(f[1]));
  switch (r.identifierType) {
    case OPCUA_ID_NUMERIC: r.numeric = uint32_t(std::strtoul(f[2].c_str(), nullptr, 10)); break;
    case OPCUA_ID_STRING: v.StringName = f[2]; break;
    case OPCUA_ID_GUID: Parse_Guid(f[2], r); break;
    case OPCUA_ID_BYTESTRING: v.ByteString = f[2]; break;
    default: break;
  }
  r.dataType = int32_t(Number(f[3]));
  r.accessLevel = uint8_t(Number(f[4]));
  v.DisplayName = f[5];
  return v;
}

TBrowse Read_Description() {
  TBrowse browse;
  const char* path = std::getenv("OPC_UA_SEARCH_STANDIN");
  if (!path || !*path) return browse;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq);
    const std::string value = line.substr(eq + 1);
    if (key == "delay_ms") browse.Delay_Ms = int(Number(value));
    else if (key == "count") browse.Count_Given = true, browse.Count = int(Number(value));
    else if (key == "request_log") browse.Request_Log = value;
    else if (key == "var") browse.Variables.push_back(Parse_Variable(value));
  }
  return browse;
}

std::string Escaped(const char* text) {
  std::string out;
  for (const char* p = text ? text : ""; *p; ++p) {
    if (*p == '\n') out += "\\n";
    else if (*p == '\r') out += "\\r";
    else out += *p;
  }
  return out;
}

void Log_Request(const std::string& path, const opcua_server_to_discover& r) {
  std::ofstream out(path, std::ios::trunc);
  out << "address=" << Escaped(r.server_address) << "\n"
      << "auth=" << r.user_pass_auth_flag << "\n"
      << "user=" << Escaped(r.username) << "\n"
      << "password=" << Escaped(r.password) << "\n"
      << "cert=" << Escaped(r.cert) << "\n"
      << "key=" << Escaped(r.priv_key) << "\n"
      << "security_type=" << r.security_type << "\n"
      << "security_policy=" << r.security_policy << "\n";
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) int32_t opcua_client_begin(opcua_server_to_discover request) {
  TBrowse browse = Read_Description();
  if (!browse.Request_Log.empty()) Log_Request(browse.Request_Log, request);
  if (browse.Delay_Ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(browse.Delay_Ms));
  const int32_t count = browse.Count_Given ? browse.Count : int32_t(browse.Variables.size());
  std::lock_guard<std::mutex> lock(state_lock);
  last_browse = std::move(browse);
  return count;
}

#ifndef OPC_UA_STANDIN_WITHOUT_RETURN
__attribute__((visibility("default"))) int32_t opcua_return_variable(opcua_structure* result, int32_t index) {
  std::lock_guard<std::mutex> lock(state_lock);
  if (!result) return -1;
  if (index < 0 || size_t(index) >= last_browse.Variables.size()) {
    std::memset(result, 0, sizeof *result);
    returned_name.clear();
    result->displayName = returned_name.c_str();
    return -1;
  }
  const TVariable& v = last_browse.Variables[size_t(index)];
  *result = v.Record;
  returned_string = v.StringName;
  returned_bytes = v.ByteString;
  returned_name = v.DisplayName;
  result->stringname = returned_string.c_str();
  result->stringLength = uint32_t(returned_string.size());
  result->byteString = returned_bytes.c_str();
  result->byteStringLength = uint32_t(returned_bytes.size());
  result->displayName = returned_name.c_str();
  result->displayNameLength = uint32_t(returned_name.size());
  return 0;
}
#endif

}  // extern "C"

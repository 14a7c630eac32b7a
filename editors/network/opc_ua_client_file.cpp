#include "editors/network/opc_ua_client_file.h"

#include "app/language/language.h"
#include "editors/network/opc_ua_format.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"
#include "platform/xml/xml_document.h"

#include <algorithm>

namespace {

const QString kRoot = QStringLiteral("OPC_UA_Client");
const QString kServer_List = QStringLiteral("OPC_UA_Server_List");
const QString kServer = QStringLiteral("OPC_UA_Server");
const QString kVariables = QStringLiteral("OPC_UA_Variables");
const QString kRead_Var = QStringLiteral("OPC_UA_Read_Var");
const QString kWrite_Var = QStringLiteral("OPC_UA_Write_Var");
const QString kVariable = QStringLiteral("Variable");

QString Yes_No(bool on) { return on ? QStringLiteral("Y") : QStringLiteral("N"); }
QString One_Zero(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

// ---------------------------------------------------------------------------
// Reading

// An attribute that must be there; its absence stops the reading.
QString Bare(const TXMLNode& node, const QString& name) {
  if (!node.HasAttribute(name))
    throw EMissingAttribute(QStringLiteral("The element \"%1\" has no attribute \"%2\".").arg(node.NodeName(), name));
  return node.Attribute(name);
}

bool Flag(const TXMLNode& node, const QString& name) { return node.Attribute(name) == u"1"; }

TXMLNode Child(const TXMLNode& parent, const QString& name) {
  TXMLNode child = parent.ChildByName(name);
  if (!child) throw EFileError(QStringLiteral("The element \"%1\" is missing.").arg(name));
  return child;
}

// The variables of one list element, each appended before its attributes are read
// (so a variable that stops the reading stays with what was read of it), in the
// order that reads the identifier type before the identifier.
int Read_Variables(const TXMLNode& element, TOPC_UA_Variable_List& list) {
  const QList<TXMLNode> nodes = element.ChildElements();
  for (int i = 0; i < int(nodes.size()) && i < kOV_Rows; ++i) {
    const TXMLNode& node = nodes[i];
    list.push_back(std::make_unique<TOPC_UA_Variable>());
    TOPC_UA_Variable& v = *list.back();
    v.Enable = Flag(node, QStringLiteral("Enable"));
    v.DispalyName = Bare(node, QStringLiteral("DisplayName"));
    v.SetNodeType(Bare(node, QStringLiteral("NodeType")));
    v.SetNodeID(Bare(node, QStringLiteral("NodeID")));
    v.SetVarType(Bare(node, QStringLiteral("VarType")));
    v.nameSpaceIndex = uint16_t(StrToIntDef(Bare(node, QStringLiteral("NameSpaceIndex")), 0));
    v.VarArray = node.AttributeDef(QStringLiteral("VarArray"), QStringLiteral("Variable"));
    v.Start = node.AttributeDef(QStringLiteral("Start"), QStringLiteral("0"));
    v.Len = node.AttributeDef(QStringLiteral("Length"), QStringLiteral("0"));
    v.OnChange = Yes_No(Flag(node, QStringLiteral("OnChange")));
    v.OnCMD = Yes_No(Flag(node, QStringLiteral("OnCMD")));
    v.OnTimer = Yes_No(Flag(node, QStringLiteral("OnTimer")));
    v.Time = Bare(node, QStringLiteral("Time"));
    v.Position = Bare(node, QStringLiteral("Position"));
    v.Mnemonic = Bare(node, QStringLiteral("Mnemonic"));
  }
  return std::max(0, int(nodes.size()) - kOV_Rows);
}

void Read_Servers(const TXMLDocument& doc, TOPC_UA_Server_List& servers, TEditorLoad& load) {
  const TXMLNode root = doc.DocumentElement();
  if (!root || root.NodeName() != kRoot)
    throw EFileError(QStringLiteral("The file holds no OPC UA client configuration (its root element is not \"%1\").")
                         .arg(kRoot));
  for (const TXMLNode& node : Child(root, kServer_List).ChildElements()) {
    servers.push_back(std::make_unique<TOPC_UA_Server>());
    TOPC_UA_Server& s = *servers.back();
    s.Enable = Flag(node, QStringLiteral("Enable"));
    s.ServerAddress = Bare(node, QStringLiteral("ServerAddress"));
    s.Authorization = Bare(node, QStringLiteral("Authorization"));
    s.UserName = Bare(node, QStringLiteral("UserName"));
    s.Password = Bare(node, QStringLiteral("Password"));
    s.Certificate = Bare(node, QStringLiteral("Certificate"));
    s.PrivateKey = Bare(node, QStringLiteral("PrivateKey"));
    s.SecurityType = Bare(node, QStringLiteral("SecurityType"));
    s.SecurityPolicy = Bare(node, QStringLiteral("SecurityPolicy"));
    s.Mnemonic = Bare(node, QStringLiteral("Mnemonic"));
    const TXMLNode variables = Child(node, kVariables);
    load.Surplus += Read_Variables(Child(variables, kRead_Var), s.Var_List_R);
    load.Surplus += Read_Variables(Child(variables, kWrite_Var), s.Var_List_W);
  }
}

template <typename F>
TEditorLoad Read_With(TOPC_UA_Server_List& servers, F&& loadDocument) {
  Free_Servers(servers);
  TEditorLoad load;
  load.Found = true;
  TXMLDocument doc;
  try {
    loadDocument(doc);
    Read_Servers(doc, servers, load);
  } catch (const EMissingAttribute& e) {
    load.Failure = e.Message;
    load.Box = QString::fromUtf16(kConversion_Error_Text);
  } catch (const EFileError& e) {
    load.Failure = e.Message;
    load.Box = e.Message;
  }
  return load;
}

// ---------------------------------------------------------------------------
// Writing

// Sets an attribute, refusing a text that no XML file can hold.
void Put(TXMLNode& node, const QString& name, const QString& value, const QString& where) {
  if (!IsXmlText(value))
    throw EFileError(QStringLiteral("%1: the %2 holds a character that the file cannot store.").arg(where, name));
  node.SetAttribute(name, value);
}

void Write_Variables(TXMLNode parent, const TOPC_UA_Variable_List& list, bool read, const QString& server) {
  int number = 0;
  for (const auto& v : list) {
    const QString where = QStringLiteral("%1, %2 variable %3").arg(server, read ? u"read" : u"write").arg(++number);
    TXMLNode node = parent.AddChild(kVariable);
    Put(node, QStringLiteral("Enable"), One_Zero(v->Enable), where);
    Put(node, QStringLiteral("DisplayName"), v->DispalyName, where);
    Put(node, QStringLiteral("NodeType"), v->NodeType(), where);
    Put(node, QStringLiteral("NodeID"), v->NodeID(), where);
    Put(node, QStringLiteral("VarType"), v->VarType(), where);
    Put(node, QStringLiteral("NameSpaceIndex"), IntToStr(v->nameSpaceIndex), where);
    Put(node, QStringLiteral("VarArray"), read ? v->VarArray : QStringLiteral("Var"), where);
    Put(node, QStringLiteral("Start"), read ? v->Start : QStringLiteral("0"), where);
    Put(node, QStringLiteral("Length"), read ? v->Len : QStringLiteral("0"), where);
    Put(node, QStringLiteral("OnChange"), One_Zero(v->OnChange == u"Y"), where);
    Put(node, QStringLiteral("OnCMD"), One_Zero(v->OnCMD == u"Y"), where);
    Put(node, QStringLiteral("OnTimer"), One_Zero(v->OnTimer == u"Y"), where);
    Put(node, QStringLiteral("Time"), v->Time, where);
    Put(node, QStringLiteral("Position"), v->Position, where);
    Put(node, QStringLiteral("Mnemonic"), v->Mnemonic, where);
  }
}

void Build_Document(TXMLDocument& doc, const TOPC_UA_Server_List& servers) {
  doc.Clear();
  TXMLNode list = doc.AddRoot(kRoot).AddChild(kServer_List);
  int number = 0;
  for (const auto& s : servers) {
    const QString where = QStringLiteral("Server %1").arg(++number);
    TXMLNode node = list.AddChild(kServer);
    Put(node, QStringLiteral("Enable"), One_Zero(s->Enable), where);
    Put(node, QStringLiteral("ServerAddress"), s->ServerAddress, where);
    Put(node, QStringLiteral("Authorization"), s->Authorization, where);
    Put(node, QStringLiteral("UserName"), s->UserName, where);
    Put(node, QStringLiteral("Password"), s->Password, where);
    Put(node, QStringLiteral("Certificate"), s->Certificate, where);
    Put(node, QStringLiteral("PrivateKey"), s->PrivateKey, where);
    Put(node, QStringLiteral("SecurityType"), s->SecurityType, where);
    Put(node, QStringLiteral("SecurityPolicy"), s->SecurityPolicy, where);
    Put(node, QStringLiteral("Mnemonic"), s->Mnemonic, where);
    TXMLNode variables = node.AddChild(kVariables);
    Write_Variables(variables.AddChild(kRead_Var), s->Var_List_R, true, where);
    Write_Variables(variables.AddChild(kWrite_Var), s->Var_List_W, false, where);
  }
}

int32_t Number(const QString& text) { return StrToIntDef(text, -1); }

bool Is_String_Type(const TOPC_UA_Variable& v) { return v.dataType == 11 || v.dataType == 14; }

bool Is_Array(const TOPC_UA_Variable& v) { return UpperCase(Trim(v.VarArray)) == u"ARRAY"; }

// The faults of one enabled read variable: the text of the first, 0 when none.
int Check_Read(const TOPC_UA_Variable& v) {
  if (Trim(v.VarArray).isEmpty()) return 4211;
  if (!Is_Array(v)) {
    if (Is_String_Type(v)) {
      if (Number(v.Start) < 0) return 4212;
      if (Number(v.Len) < 0) return 4213;
    }
  } else {
    if (Is_String_Type(v)) return 4214;
    if (Number(v.Start) < 0) return 4215;
    if (Number(v.Len) < 0) return 4216;
  }
  if (Trim(v.Time).isEmpty()) return 4197;
  if (Number(v.Time) < 1) return 4198;
  if (Trim(v.Position).isEmpty()) return 4199;
  const int32_t p = Number(v.Position);
  if (p < 0 || p > kOV_Last_Position) return 4200;
  return 0;
}

int Check_Write(const TOPC_UA_Variable& v) {
  if (v.OnTimer == u"Y") {
    if (Trim(v.Time).isEmpty()) return 4201;
    if (Number(v.Time) < 1) return 4202;
  }
  if (Trim(v.Position).isEmpty()) return 4203;
  const int32_t p = Number(v.Position);
  if (p < 0 || p > kOV_Last_Position) return 4204;
  return 0;
}

struct TVarTypeLength {
  const char16_t* Name;  // upper case
  int Bytes;
};
constexpr TVarTypeLength kType_Lengths[] = {
    {u"BOOLEAN", 1}, {u"INT8", 1},   {u"UINT8", 1},  {u"INT16", 2},    {u"UINT16", 2},     {u"INT32", 4},
    {u"UINT32", 4},  {u"FLOAT", 4},  {u"INT64", 8},  {u"UINT64", 8},   {u"DOUBLE", 8},     {u"DATETIME", 8},
    {u"GUID", 16},   {u"STRING", 20}, {u"BYTESTRING", 20},
};

int64_t Variable_End(const TOPC_UA_Variable& v, bool read) {
  return int64_t(std::max<int32_t>(0, StrToIntDef(v.Position, 0))) + Variable_Size(v, read);
}

}  // namespace

// ---------------------------------------------------------------------------

TEditorLoad Load_OPC_UA_Client(const QString& path, TOPC_UA_Server_List& servers) {
  if (path.isEmpty() || !FileExists(path)) {
    Free_Servers(servers);
    return {};
  }
  return Read_With(servers, [&](TXMLDocument& doc) { doc.LoadFromFile(path); });
}

TEditorLoad Read_OPC_UA_Client(const QString& text, TOPC_UA_Server_List& servers) {
  return Read_With(servers, [&](TXMLDocument& doc) { doc.LoadFromText(text); });
}

void Save_OPC_UA_Client(const QString& path, const TOPC_UA_Server_List& servers) {
  TXMLDocument doc;
  Build_Document(doc, servers);
  doc.SaveToFile(path);
}

QString OPC_UA_Client_Text(const TOPC_UA_Server_List& servers) {
  TXMLDocument doc;
  Build_Document(doc, servers);
  return doc.SaveToText();
}

void Show_Variables(const TOPC_UA_Variable_List& list, bool read, TEditorTable& table) {
  int row = 1;
  for (const auto& v : list) {
    if (row >= table.RowCount()) break;
    table.SetCell(kOV_Enable, row, Yes_No(v->Enable));
    table.SetCell(kOV_DisplayName, row, v->DispalyName);
    table.SetCell(kOV_NodeType, row, v->NodeType());
    table.SetCell(kOV_NodeID, row, v->NodeID());
    table.SetCell(kOV_VarType, row, v->VarType());
    table.SetCell(kOV_NameSpace, row, IntToStr(v->nameSpaceIndex));
    table.SetCell(7, row, read ? v->VarArray : v->OnChange);
    table.SetCell(8, row, read ? v->Start : v->OnCMD);
    table.SetCell(9, row, read ? v->Len : v->OnTimer);
    table.SetCell(kOV_Time, row, v->Time);
    table.SetCell(kOV_Position, row, v->Position);
    table.SetCell(kOV_Mnemonic, row, v->Mnemonic);
    ++row;
  }
}

void Store_Variables(const TEditorTable& table, bool read, TOPC_UA_Variable_List& list) {
  Free_Variables(list);
  for (int row = 1; row < table.RowCount() && !table.Cell(kOV_DisplayName, row).isEmpty(); ++row) {
    list.push_back(std::make_unique<TOPC_UA_Variable>());
    TOPC_UA_Variable& v = *list.back();
    v.Enable = table.Cell(kOV_Enable, row) == u"Y";
    v.DispalyName = table.Cell(kOV_DisplayName, row);
    v.SetNodeType(table.Cell(kOV_NodeType, row));
    v.SetNodeID(table.Cell(kOV_NodeID, row));
    v.SetVarType(table.Cell(kOV_VarType, row));
    v.nameSpaceIndex = uint16_t(StrToIntDef(table.Cell(kOV_NameSpace, row), 0));
    if (read) {
      v.OnChange = v.OnCMD = v.OnTimer = QStringLiteral("N");
      v.VarArray = table.Cell(kOV_VarArray, row);
      v.Start = table.Cell(kOV_Start, row);
      v.Len = table.Cell(kOV_Len, row);
    } else {
      v.OnChange = table.Cell(kOV_OnChange, row);
      v.OnCMD = table.Cell(kOV_OnCMD, row);
      v.OnTimer = table.Cell(kOV_OnTimer, row);
    }
    v.Time = table.Cell(kOV_Time, row);
    v.Position = table.Cell(kOV_Position, row);
    v.Mnemonic = table.Cell(kOV_Mnemonic, row);
  }
}

void Erase_Variables(TEditorTable& table) {
  for (int row = 1; row < table.RowCount(); ++row) {
    table.SetCell(0, row, IntToStr(row));
    table.SetCell(kOV_Enable, row, QStringLiteral("Y"));
    for (int col = kOV_Enable + 1; col < table.ColCount(); ++col) table.SetCell(col, row, QString());
  }
}

std::optional<TOPC_UA_Check_Failure> Check_OPC_UA_Client(const TOPC_UA_Server_List& servers) {
  for (int s = 0; s < int(servers.size()); ++s) {
    for (const bool read : {true, false}) {
      const TOPC_UA_Variable_List& list = read ? servers[size_t(s)]->Var_List_R : servers[size_t(s)]->Var_List_W;
      for (int i = 0; i < int(list.size()); ++i) {
        const TOPC_UA_Variable& v = *list[size_t(i)];
        if (!v.Enable) continue;
        if (const int text = read ? Check_Read(v) : Check_Write(v)) return TOPC_UA_Check_Failure{s + 1, i + 1, text};
      }
    }
  }
  return std::nullopt;
}

QString OPC_UA_Check_Message(const TOPC_UA_Check_Failure& failure) {
  return Format_Numbers(Lang_Text(failure.Text), {failure.Server, failure.Variable, kOV_Last_Position});
}

int GetLenVarType(const QString& type) {
  const QString upper = UpperCase(type);
  for (const TVarTypeLength& t : kType_Lengths)
    if (upper == QString::fromUtf16(t.Name)) return t.Bytes;
  return 0;
}

int64_t Variable_Size(const TOPC_UA_Variable& v, bool read) {
  const int64_t bytes = GetLenVarType(v.VarType());
  if (!read || !Is_Array(v)) return bytes;
  const int32_t elements = StrToIntDef(v.Len, 0);
  return elements >= 1 ? bytes * elements : bytes;
}

TOPC_UA_Starts Start_Position(const TOPC_UA_Server_List& servers, int index) {
  TOPC_UA_Starts starts;
  for (int s = 0; s < index && s < int(servers.size()); ++s) {
    for (const auto& v : servers[size_t(s)]->Var_List_R) starts.Read = std::max(starts.Read, Variable_End(*v, true));
    for (const auto& v : servers[size_t(s)]->Var_List_W) starts.Write = std::max(starts.Write, Variable_End(*v, false));
  }
  return starts;
}

void Auto_Position(TOPC_UA_Server_List& servers, int index) {
  if (index < 0 || index >= int(servers.size())) return;
  TOPC_UA_Starts next = Start_Position(servers, index);
  TOPC_UA_Server& server = *servers[size_t(index)];
  for (const auto& v : server.Var_List_R) {
    v->Position = IntToStr(next.Read);
    next.Read += Variable_Size(*v, true);
  }
  for (const auto& v : server.Var_List_W) {
    v->Position = IntToStr(next.Write);
    next.Write += Variable_Size(*v, false);
  }
}

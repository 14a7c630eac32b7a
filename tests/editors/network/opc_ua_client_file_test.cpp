// The OPC UA client's file and rules without the form: the nested file with two
// servers written and read back, the reading rules (flags, defaults, a missing
// attribute or element, another root), the variable tables stored and shown, the
// OK check case by case, and the automatic positions after every earlier server.
#include "editors/network/opc_ua_client_file.h"

#include "app/state/comon.h"
#include "platform/os/files.h"
#include "tests/support/project_fixture.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

using OPC_UA_Client_File = ProjectTest;

std::unique_ptr<TOPC_UA_Variable> Variable(const QString& name, const QString& type, const QString& position,
                                           const QString& nodeType = "Numeric", const QString& nodeId = "1") {
  auto v = std::make_unique<TOPC_UA_Variable>();
  v->Enable = true;
  v->DispalyName = name;
  v->SetNodeType(nodeType);
  v->SetNodeID(nodeId);
  v->SetVarType(type);
  v->VarArray = "Variable";
  v->Start = "0";
  v->Len = "0";
  v->OnChange = v->OnCMD = v->OnTimer = "N";
  v->Time = "100";
  v->Position = position;
  return v;
}

TOPC_UA_Server& Add_Server(TOPC_UA_Server_List& list, const QString& address) {
  list.push_back(std::make_unique<TOPC_UA_Server>());
  list.back()->ServerAddress = address;
  list.back()->Authorization = "Anonymous";
  list.back()->SecurityType = "None";
  list.back()->SecurityPolicy = "None";
  return *list.back();
}

// Two servers: the first reads a GUID node and writes a string node on a timer, the
// second (disabled, certificate) reads a byte-string array and writes nothing.
TOPC_UA_Server_List Two_Servers() {
  TOPC_UA_Server_List list;
  TOPC_UA_Server& a = Add_Server(list, "opc.tcp://127.0.0.1:4840");
  a.Enable = true;
  a.Authorization = "Username and Password";
  a.UserName = "operator";
  a.Password = "pa\"ss";
  a.Mnemonic = "Line 1";
  a.Var_List_R.push_back(Variable("Level", "Double", "0", "Guid", "6ba7b810-9dad-11d1-80b4-00c04fd430c8"));
  a.Var_List_R.back()->nameSpaceIndex = 3;
  a.Var_List_W.push_back(Variable("Setpoint", "Int16", "10", "String", "ns=2;s=Set<point>"));
  a.Var_List_W.back()->OnTimer = "Y";
  a.Var_List_W.back()->OnChange = "Y";
  TOPC_UA_Server& b = Add_Server(list, "opc.tcp://127.0.0.2:4841");
  b.Authorization = "Certificate";
  b.Certificate = "-----BEGIN CERTIFICATE-----\r\nMIIB\r\n-----END CERTIFICATE-----";
  b.PrivateKey = "KEY";
  b.SecurityType = "Sign and Encrypt";
  b.SecurityPolicy = "AES 256 SHA 256 RSA PSS";
  b.Var_List_R.push_back(Variable("Raw", "UInt8", "8", "ByteString", "AQID"));
  b.Var_List_R.back()->VarArray = "Array";
  b.Var_List_R.back()->Len = "16";
  b.Var_List_R.back()->Enable = false;
  return list;
}

const char* const kTwo_Servers_File =
    "<OPC_UA_Client>\n"
    "  <OPC_UA_Server_List>\n"
    "    <OPC_UA_Server Enable=\"1\" ServerAddress=\"opc.tcp://127.0.0.1:4840\" Authorization=\"Username and "
    "Password\" UserName=\"operator\" Password=\"pa&quot;ss\" Certificate=\"\" PrivateKey=\"\" SecurityType=\"None\" "
    "SecurityPolicy=\"None\" Mnemonic=\"Line 1\">\n"
    "      <OPC_UA_Variables>\n"
    "        <OPC_UA_Read_Var>\n"
    "          <Variable Enable=\"1\" DisplayName=\"Level\" NodeType=\"Guid\" "
    "NodeID=\"6BA7B810-9DAD-11D1-80B4-00C04FD430C8\" VarType=\"Double\" NameSpaceIndex=\"3\" VarArray=\"Variable\" "
    "Start=\"0\" Length=\"0\" OnChange=\"0\" OnCMD=\"0\" OnTimer=\"0\" Time=\"100\" Position=\"0\" Mnemonic=\"\" />\n"
    "        </OPC_UA_Read_Var>\n"
    "        <OPC_UA_Write_Var>\n"
    "          <Variable Enable=\"1\" DisplayName=\"Setpoint\" NodeType=\"String\" NodeID=\"ns=2;s=Set&lt;point>\" "
    "VarType=\"Int16\" NameSpaceIndex=\"0\" VarArray=\"Var\" Start=\"0\" Length=\"0\" OnChange=\"1\" OnCMD=\"0\" "
    "OnTimer=\"1\" Time=\"100\" Position=\"10\" Mnemonic=\"\" />\n"
    "        </OPC_UA_Write_Var>\n"
    "      </OPC_UA_Variables>\n"
    "    </OPC_UA_Server>\n"
    "    <OPC_UA_Server Enable=\"0\" ServerAddress=\"opc.tcp://127.0.0.2:4841\" Authorization=\"Certificate\" "
    "UserName=\"\" Password=\"\" Certificate=\"-----BEGIN CERTIFICATE-----&#13;&#10;MIIB&#13;&#10;-----END "
    "CERTIFICATE-----\" PrivateKey=\"KEY\" SecurityType=\"Sign and Encrypt\" SecurityPolicy=\"AES 256 SHA 256 RSA "
    "PSS\" Mnemonic=\"\">\n"
    "      <OPC_UA_Variables>\n"
    "        <OPC_UA_Read_Var>\n"
    "          <Variable Enable=\"0\" DisplayName=\"Raw\" NodeType=\"ByteString\" NodeID=\"AQID\" VarType=\"UInt8\" "
    "NameSpaceIndex=\"0\" VarArray=\"Array\" Start=\"0\" Length=\"16\" OnChange=\"0\" OnCMD=\"0\" OnTimer=\"0\" "
    "Time=\"100\" Position=\"8\" Mnemonic=\"\" />\n"
    "        </OPC_UA_Read_Var>\n"
    "        <OPC_UA_Write_Var />\n"
    "      </OPC_UA_Variables>\n"
    "    </OPC_UA_Server>\n"
    "  </OPC_UA_Server_List>\n"
    "</OPC_UA_Client>\n";

// Every field of every server and variable, for comparing two lists.
QStringList Dump(const TOPC_UA_Server_List& list) {
  QStringList out;
  for (const auto& s : list) {
    out << QStringList{s->Enable ? "1" : "0", s->ServerAddress, s->Authorization, s->UserName, s->Password,
                       s->Certificate, s->PrivateKey, s->SecurityType, s->SecurityPolicy, s->Mnemonic}
               .join('|');
    for (const auto* vars : {&s->Var_List_R, &s->Var_List_W})
      for (const auto& v : *vars)
        out << QStringList{v->Enable ? "1" : "0", v->DispalyName, v->NodeType(), v->NodeID(), v->VarType(),
                           QString::number(v->nameSpaceIndex), v->VarArray, v->Start, v->Len, v->OnChange, v->OnCMD,
                           v->OnTimer, v->Time, v->Position, v->Mnemonic}
                   .join('|');
  }
  return out;
}

}  // namespace

TEST_F(OPC_UA_Client_File, TwoServersAreWrittenAsTheNestedFileAndReadBack) {
  const TOPC_UA_Server_List servers = Two_Servers();
  Save_OPC_UA_Client(File_OPC_UA_Client, servers);
  EXPECT_EQ(ReadFileWhole(File_OPC_UA_Client).toStdString(), std::string(kTwo_Servers_File));

  TOPC_UA_Server_List loaded;
  const TEditorLoad load = Load_OPC_UA_Client(File_OPC_UA_Client, loaded);
  EXPECT_TRUE(load.Found);
  EXPECT_TRUE(load.Failure.isEmpty()) << load.Failure.toStdString();
  QStringList expected = Dump(servers);
  // Read back, the read variable's write flags are what the file says ("0": not set)
  // and the write variable's Var/Array, Start and Length are the file's.
  expected[2].replace("|Int16|0|Variable|0|0|Y|N|Y|", "|Int16|0|Var|0|0|Y|N|Y|");
  EXPECT_EQ(Dump(loaded), expected);
  EXPECT_EQ(loaded[0]->Var_List_R[0]->guide4[7], 0xC8);
}

TEST_F(OPC_UA_Client_File, ReadingRules) {
  // Flags are set exactly by "1"; Var/Array, Start and Length have defaults.
  TOPC_UA_Server_List list;
  TEditorLoad load = Read_OPC_UA_Client(
      "<OPC_UA_Client><OPC_UA_Server_List><Server Enable=\"Y\" ServerAddress=\"a\" Authorization=\"\" UserName=\"\" "
      "Password=\"\" Certificate=\"\" PrivateKey=\"\" SecurityType=\"\" SecurityPolicy=\"\" Mnemonic=\"\">"
      "<OPC_UA_Variables><OPC_UA_Read_Var><V Enable=\"1\" DisplayName=\"x\" NodeType=\"Guid\" NodeID=\"1-2\" "
      "VarType=\"float\" NameSpaceIndex=\"70000\" OnChange=\"1\" Time=\"\" Position=\"\" Mnemonic=\"\"/>"
      "</OPC_UA_Read_Var><OPC_UA_Write_Var/></OPC_UA_Variables></Server></OPC_UA_Server_List></OPC_UA_Client>",
      list);
  EXPECT_TRUE(load.Failure.isEmpty());
  ASSERT_EQ(list.size(), 1u);
  EXPECT_FALSE(list[0]->Enable);
  const TOPC_UA_Variable& v = *list[0]->Var_List_R.at(0);
  EXPECT_EQ(v.NodeID(), "00000001-0002-0000-0000-000000000000");
  EXPECT_EQ(v.VarType(), "Float");
  EXPECT_EQ(v.nameSpaceIndex, 70000 % 65536);
  EXPECT_EQ(QStringList({v.VarArray, v.Start, v.Len, v.OnChange, v.OnCMD, v.OnTimer}),
            QStringList({"Variable", "0", "0", "Y", "N", "N"}));

  // A missing attribute stops the reading: what was read before stays.
  load = Read_OPC_UA_Client(
      "<OPC_UA_Client><OPC_UA_Server_List><S Enable=\"1\" ServerAddress=\"a\" Authorization=\"Anonymous\" "
      "UserName=\"\" Password=\"\" Certificate=\"\" PrivateKey=\"\" SecurityType=\"None\" SecurityPolicy=\"None\" "
      "Mnemonic=\"\"><OPC_UA_Variables><OPC_UA_Read_Var>"
      "<V DisplayName=\"first\" NodeType=\"Numeric\" NodeID=\"5\" VarType=\"Int8\" NameSpaceIndex=\"0\" Time=\"1\" "
      "Position=\"0\" Mnemonic=\"\"/><V DisplayName=\"second\" NodeType=\"Numeric\" NodeID=\"6\"/>"
      "</OPC_UA_Read_Var><OPC_UA_Write_Var/></OPC_UA_Variables></S>"
      "<S Enable=\"1\" ServerAddress=\"never read\"/></OPC_UA_Server_List></OPC_UA_Client>",
      list);
  EXPECT_EQ(load.Box, "Could not convert variant of type (Null) into type (OleStr)");
  EXPECT_TRUE(load.Failure.contains("VarType")) << load.Failure.toStdString();
  ASSERT_EQ(list.size(), 1u);
  ASSERT_EQ(list[0]->Var_List_R.size(), 2u);
  EXPECT_EQ(list[0]->Var_List_R[1]->NodeID(), "6");
  EXPECT_TRUE(list[0]->Var_List_W.empty());

  // Another root is no configuration; a missing list element stops the reading.
  load = Read_OPC_UA_Client("<OPC_UA_Server><OPC_UA_Server_List/></OPC_UA_Server>", list);
  EXPECT_FALSE(load.Failure.isEmpty());
  EXPECT_TRUE(list.empty());
  load = Read_OPC_UA_Client(
      "<OPC_UA_Client><OPC_UA_Server_List><S Enable=\"1\" ServerAddress=\"a\" Authorization=\"\" UserName=\"\" "
      "Password=\"\" Certificate=\"\" PrivateKey=\"\" SecurityType=\"\" SecurityPolicy=\"\" Mnemonic=\"\"/>"
      "</OPC_UA_Server_List></OPC_UA_Client>",
      list);
  EXPECT_EQ(load.Failure, "The element \"OPC_UA_Variables\" is missing.");
  EXPECT_EQ(list.size(), 1u);
  // Not well-formed: nothing read.
  load = Read_OPC_UA_Client("<OPC_UA_Client><OPC_UA_Server_List>", list);
  EXPECT_FALSE(load.Failure.isEmpty());
  EXPECT_TRUE(list.empty());
  // No file: no failure, no server.
  QFile::remove(File_OPC_UA_Client);
  load = Load_OPC_UA_Client(File_OPC_UA_Client, list);
  EXPECT_FALSE(load.Found);
  EXPECT_TRUE(load.Failure.isEmpty());
}

TEST_F(OPC_UA_Client_File, ListsBeyondTheTablesAreCutAndCounted) {
  QString text = "<OPC_UA_Client><OPC_UA_Server_List><S Enable=\"1\" ServerAddress=\"a\" Authorization=\"\" "
                 "UserName=\"\" Password=\"\" Certificate=\"\" PrivateKey=\"\" SecurityType=\"\" SecurityPolicy=\"\" "
                 "Mnemonic=\"\"><OPC_UA_Variables><OPC_UA_Read_Var>";
  for (int i = 0; i < kOV_Rows + 3; ++i)
    text += QStringLiteral("<V DisplayName=\"v%1\" NodeType=\"Numeric\" NodeID=\"%1\" VarType=\"Int8\" "
                           "NameSpaceIndex=\"0\" Time=\"1\" Position=\"0\" Mnemonic=\"\"/>")
                .arg(i);
  text += "</OPC_UA_Read_Var><OPC_UA_Write_Var/></OPC_UA_Variables></S></OPC_UA_Server_List></OPC_UA_Client>";
  TOPC_UA_Server_List list;
  const TEditorLoad load = Read_OPC_UA_Client(text, list);
  EXPECT_TRUE(load.Failure.isEmpty());
  EXPECT_EQ(load.Surplus, 3);
  EXPECT_EQ(list[0]->Var_List_R.size(), size_t(kOV_Rows));
}

TEST_F(OPC_UA_Client_File, TextsAFileCannotHoldAreRefusedAndTheOldFileStays) {
  WriteFileWhole(File_OPC_UA_Client, "old");
  TOPC_UA_Server_List list = Two_Servers();
  list[1]->Mnemonic = QString("bell") + QChar(7);
  EXPECT_THROW(Save_OPC_UA_Client(File_OPC_UA_Client, list), EFileError);
  EXPECT_EQ(ReadFileWhole(File_OPC_UA_Client), "old");
}

TEST_F(OPC_UA_Client_File, VariableTablesAreStoredNormalisedUpToTheFirstEmptyDisplayName) {
  TTextTable table(kOV_Columns, 6);
  Erase_Variables(table);
  const QStringList rows[] = {
      // Enable, Display Name, Node Type, Node ID, Var Type, NS, Var/Array, Start, Length, Time, Position, Mnemonic
      {"Y", "a", "guid", "6ba7b810-9dad-11d1-80b4-00c04fd430c8", "double", "2x", "Array", "1", "4", "100", "0", "m"},
      {"N", " ", "Opaque", "12", "Char", "70000", "", "", "", "", "", ""},
      {"Y", "", "Numeric", "1", "Int8", "0", "", "", "", "", "", ""},
      {"Y", "lost", "Numeric", "1", "Int8", "0", "", "", "", "", "", ""},
  };
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < rows[r].size(); ++c) table.SetCell(c + 1, r + 1, rows[r][c]);
  TOPC_UA_Variable_List list;
  Store_Variables(table, true, list);
  ASSERT_EQ(list.size(), 2u);  // a name of blanks counts; the rows after the empty one are dropped
  TTextTable shown(kOV_Columns, 6);
  Erase_Variables(shown);
  Show_Variables(list, true, shown);
  EXPECT_EQ(shown.RowTexts(1), (QStringList{"Y", "a", "Guid", "6BA7B810-9DAD-11D1-80B4-00C04FD430C8", "Double", "0",
                                             "Array", "1", "4", "100", "0", "m"}));
  EXPECT_EQ(shown.RowTexts(2), (QStringList{"N", " ", "Numeric", "12", "Boolean", "4464", "", "", "", "", "", ""}));
  EXPECT_EQ(shown.RowTexts(3), (QStringList{"Y", "", "", "", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(list[0]->OnChange, "N");

  // The write table takes its flags and leaves Var/Array, Start and Length empty.
  table.SetCell(7, 1, "Y");
  table.SetCell(9, 1, "N");
  Store_Variables(table, false, list);
  EXPECT_EQ(QStringList({list[0]->OnChange, list[0]->OnTimer, list[0]->VarArray, list[0]->Len}),
            QStringList({"Y", "N", "", ""}));
}

TEST_F(OPC_UA_Client_File, ChecksNameServerAndVariableOfTheFirstFault) {
  struct Case {
    const char* name;
    bool read;
    std::function<void(TOPC_UA_Variable&)> change;
    QString message;
  } cases[] = {
      {"read passes", true, [](TOPC_UA_Variable&) {}, ""},
      {"empty Var/Array", true, [](TOPC_UA_Variable& v) { v.VarArray = " "; },
       "Error in Server Number 2 in Read Variable 2!! Var/Array cannot be empty"},
      {"single Int16 ignores Start", true, [](TOPC_UA_Variable& v) { v.Start = "abc"; }, ""},
      {"single String checks Start", true,
       [](TOPC_UA_Variable& v) {
         v.SetVarType("String");
         v.Start = "abc";
       },
       "Error in Server Number 2 in Read Variable 2!! Start byte is Wrong"},
      {"single ByteString checks Length", true,
       [](TOPC_UA_Variable& v) {
         v.SetVarType("ByteString");
         v.Len = "-3";
       },
       "Error in Server Number 2 in Read Variable 2!! Length is Wrong"},
      {"string array", true,
       [](TOPC_UA_Variable& v) {
         v.SetVarType("ByteString");
         v.VarArray = " array ";
       },
       "Error in Server Number 2 in Read Variable 2!! The String and ByteString cannot be Array"},
      {"array Start", true,
       [](TOPC_UA_Variable& v) {
         v.VarArray = "ARRAY";
         v.Start = "";
       },
       "Error in Server Number 2 in Read Variable 2!! Start byte is Wrong"},
      {"array Length", true,
       [](TOPC_UA_Variable& v) {
         v.VarArray = "Array";
         v.Len = "x";
       },
       "Error in Server Number 2 in Read Variable 2!! Length is Wrong"},
      {"read empty Time", true, [](TOPC_UA_Variable& v) { v.Time = " "; },
       "Error in Server Number 2 in Read Variable 2!! Time cannot be empty"},
      {"read Time 0", true, [](TOPC_UA_Variable& v) { v.Time = "0"; },
       "Error in Server Number 2 in Read Variable 2!! Time must be major to 0"},
      {"read empty Position", true, [](TOPC_UA_Variable& v) { v.Position = ""; },
       "Error in Server Number 2 in Read Variable 2!! Position cannot be empty"},
      {"read Position 1500", true, [](TOPC_UA_Variable& v) { v.Position = "1500"; },
       "Error in Server Number 2 in Read Variable 2!! Position must be between 0 and 1499"},
      {"read Position 0x5DB", true, [](TOPC_UA_Variable& v) { v.Position = "0x5DB"; }, ""},
      {"disabled read unchecked", true,
       [](TOPC_UA_Variable& v) {
         v.Enable = false;
         v.Position = "-1";
       },
       ""},
      {"write passes", false, [](TOPC_UA_Variable&) {}, ""},
      {"write Time without timer", false, [](TOPC_UA_Variable& v) { v.Time = ""; }, ""},
      {"write Time with timer", false,
       [](TOPC_UA_Variable& v) {
         v.OnTimer = "Y";
         v.Time = "";
       },
       "Error in Server Number 2 in Write Variable 2!! Time cannot be empty"},
      {"write Time 0 with timer", false,
       [](TOPC_UA_Variable& v) {
         v.OnTimer = "Y";
         v.Time = "0";
       },
       "Error in Server Number 2 in Write Variable 2!! Time must be major to 0"},
      {"write empty Position", false, [](TOPC_UA_Variable& v) { v.Position = " "; },
       "Error in Server Number 2 in Write Variable 2!! Position cannot be empty"},
      {"write Position 1500", false, [](TOPC_UA_Variable& v) { v.Position = "1500"; },
       "Error in Server Number 2 in Write Variable 2!! Position must be between 0 and 1499"},
      {"write Position 1499", false, [](TOPC_UA_Variable& v) { v.Position = "1499"; }, ""},
  };
  for (const Case& c : cases) {
    TOPC_UA_Server_List list;
    Add_Server(list, "a").Var_List_R.push_back(Variable("ok", "Int32", "0"));
    TOPC_UA_Server& s = Add_Server(list, "b");  // disabled servers are checked too
    for (auto* vars : {&s.Var_List_R, &s.Var_List_W}) {
      vars->push_back(Variable("ok", "Int16", "0"));
      vars->push_back(Variable("x", "Int16", "4"));
    }
    // A fault of the write list comes after every read variable.
    s.Var_List_W.front()->Position = c.read ? "9999" : "0";
    c.change(*(c.read ? s.Var_List_R : s.Var_List_W)[1]);
    const std::optional<TOPC_UA_Check_Failure> failure = Check_OPC_UA_Client(list);
    const QString expected =
        c.read && c.message.isEmpty() ? "Error in Server Number 2 in Write Variable 1!! Position must be between 0 and 1499"
                                      : c.message;
    EXPECT_EQ(failure ? OPC_UA_Check_Message(*failure) : QString(), expected) << c.name;
  }
  TOPC_UA_Server_List none;
  EXPECT_FALSE(Check_OPC_UA_Client(none));
}

TEST_F(OPC_UA_Client_File, AutomaticPositionsStartAfterEveryEarlierServerWithArrays) {
  EXPECT_EQ(GetLenVarType("datetime"), 8);
  EXPECT_EQ(GetLenVarType("GUID"), 16);
  EXPECT_EQ(GetLenVarType("String"), 20);
  EXPECT_EQ(GetLenVarType("Char"), 0);

  TOPC_UA_Server_List list;
  TOPC_UA_Server& first = Add_Server(list, "a");
  first.Var_List_R.push_back(Variable("i", "Int32", "0"));
  first.Var_List_R.push_back(Variable("d", "Double", "10"));  // ends at 18
  first.Var_List_W.push_back(Variable("w", "String", "100"));  // ends at 120 whatever its Length
  TOPC_UA_Server& second = Add_Server(list, "b");
  second.Var_List_R.push_back(Variable("a", "UInt16", "40"));
  second.Var_List_R.back()->VarArray = "array";
  second.Var_List_R.back()->Len = "10";  // 20 bytes: ends at 60
  second.Var_List_R.push_back(Variable("off", "Int8", "abc"));  // not a number: 0 + 1
  second.Var_List_R.back()->Enable = false;
  TOPC_UA_Server& third = Add_Server(list, "c");
  third.Var_List_R.push_back(Variable("g", "Guid", "7"));
  third.Var_List_R.push_back(Variable("arr", "Int32", "7"));
  third.Var_List_R.back()->VarArray = "Array";
  third.Var_List_R.back()->Len = "3";
  third.Var_List_R.push_back(Variable("b", "Boolean", "7"));
  third.Var_List_W.push_back(Variable("t", "DateTime", "7"));
  third.Var_List_W.push_back(Variable("u", "UInt8", "7"));

  EXPECT_EQ(Start_Position(list, 0).Read, 0);
  EXPECT_EQ(Start_Position(list, 1).Read, 18);  // after the first server's Double at 10
  // The third server starts after the highest end over both earlier servers, the
  // second server's array counted whole.
  EXPECT_EQ(Start_Position(list, 2).Read, 60);
  EXPECT_EQ(Start_Position(list, 2).Write, 120);
  Auto_Position(list, 2);
  EXPECT_EQ(third.Var_List_R[0]->Position, "60");
  EXPECT_EQ(third.Var_List_R[1]->Position, "76");
  EXPECT_EQ(third.Var_List_R[2]->Position, "88");
  EXPECT_EQ(third.Var_List_W[0]->Position, "120");
  EXPECT_EQ(third.Var_List_W[1]->Position, "128");
  // The first server starts at 0, disabled variables included.
  Auto_Position(list, 0);
  EXPECT_EQ(first.Var_List_R[1]->Position, "4");
}

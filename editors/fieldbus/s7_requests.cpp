#include "editors/fieldbus/s7_requests.h"

#include "app/routines/ip_address.h"
#include "app/state/comon.h"
#include "platform/rtl/strings.h"

namespace {

// Columns of both tables up to the Poll Time.
enum : int {
  kEnable = 1, kPLC_Address, kPLC_Port, kPLC_Type, kRack, kSlot, kData_Type, kData_Identifier, kDB_Number,
  kPLC_Area, kPLC_Add, kPLC_Bit, kPoll_Time
};

// What the two tables' checks differ in: the last columns and the texts, in the
// order of the checks.
struct TS7Rules {
  int32_t Min_Poll;
  int Position_Col;
  int Bit_Col;
  // Address, port, connections, type, rack, slot, data type, identifier, DB number,
  // area, PLC address, PLC bit, poll time, position, start bit.
  int Texts[15];
};

constexpr TS7Rules kRead_Rules{1, 14, 15, {5171, 5172, 5187, 5173, 5221, 5222, 5174, 5175, 5205, 5206, 5207, 5208,
                                           5176, 5177, 5178}};
constexpr TS7Rules kWrite_Rules{0, 16, 17, {5179, 5180, 5188, 5181, 5223, 5224, 5182, 5183, 5209, 5210, 5211, 5212,
                                            5184, 5185, 5186}};

bool Filled(const TEditorTable& t, int col, int row) { return !Trim(t.Cell(col, row)).isEmpty(); }

std::optional<TRowCheckFailure> Check_Request(const TS7Rules& r, const TEditorTable& t, int row,
                                              TS7Connections& connections) {
  uint8_t b1 = 0, b2 = 0, b3 = 0, b4 = 0;
  if (IP_Text_To_Bytes(t.Cell(kPLC_Address, row), b1, b2, b3, b4)) return Row_Fault(r.Texts[0]);
  if (!In_Range(t.Cell(kPLC_Port, row), 0, 65535)) return Row_Fault(r.Texts[1]);
  if (connections.Check_IP_Port(b1, b2, b3, b4, Cell_Number(t.Cell(kPLC_Port, row))) == -1) return Row_Fault(r.Texts[2]);
  if (!Filled(t, kPLC_Type, row)) return Row_Fault(r.Texts[3]);
  if (!In_Range(t.Cell(kRack, row), 0, 3)) return Row_Fault(r.Texts[4]);
  if (!In_Range(t.Cell(kSlot, row), 0, 31)) return Row_Fault(r.Texts[5]);
  if (!Filled(t, kData_Type, row)) return Row_Fault(r.Texts[6]);
  if (!Filled(t, kData_Identifier, row)) return Row_Fault(r.Texts[7]);
  if (!In_Range(t.Cell(kDB_Number, row), 0, 65535)) return Row_Fault(r.Texts[8]);
  if (!Filled(t, kPLC_Area, row)) return Row_Fault(r.Texts[9]);
  if (!In_Range(t.Cell(kPLC_Add, row), 0, 65535)) return Row_Fault(r.Texts[10]);
  if (!Filled(t, kPLC_Bit, row)) return Row_Fault(r.Texts[11]);
  if (!In_Range(t.Cell(kPoll_Time, row), r.Min_Poll, 100000000)) return Row_Fault(r.Texts[12]);
  if (!In_Range(t.Cell(r.Position_Col, row), 0, kS7_Area - 1)) return Row_Fault(r.Texts[13], IntToStr(kS7_Area - 1));
  if (!Filled(t, r.Bit_Col, row)) return Row_Fault(r.Texts[14]);
  return std::nullopt;
}

std::optional<TRowCheckFailure> Check_Table(const TS7Rules& r, const TEditorTable& t, TS7Connections& connections) {
  for (int row = 1; row < t.RowCount() && Filled(t, kPLC_Address, row); ++row) {
    if (Trim(t.Cell(kEnable, row)) != u"Y") continue;
    if (std::optional<TRowCheckFailure> failure = Check_Request(r, t, row, connections)) {
      failure->Row = row;
      return failure;
    }
  }
  return std::nullopt;
}

// --- The description ----------------------------------------------------------

const QStringList kBits = {"0", "1", "2", "3", "4", "5", "6", "7"};

TEditorColumnSpec Text(int title, int hint, int width, TEditorAttribute attribute) {
  return {.Title = title, .Hint = hint, .Width = width, .Attribute = attribute};
}
TEditorColumnSpec Check(int title, int hint, int width, const char* attribute) {
  return {.Title = title, .Hint = hint, .Width = width, .Editor = edDataCheckBox, .Attribute = attribute};
}
TEditorColumnSpec List(int title, int hint, int width, const char* attribute, QStringList choices) {
  return {.Title = title, .Hint = hint, .Width = width, .Editor = edComboList, .Attribute = attribute,
          .Items = TColumnItems::Choices, .Choices = choices};
}
TEditorColumnSpec Positions(int title, int hint) {
  return {.Title = title, .Hint = hint, .Width = 60, .Editor = edComboList, .Attribute = "Position",
          .Items = TColumnItems::Positions};
}

// Columns 0 to 13, which both tables share: titles and hints by table.
QList<TEditorColumnSpec> Request_Columns(const int titles[14], const int hints[13]) {
  return {
      {.Title = titles[0], .Width = 40},
      {.Title = titles[1], .Hint = hints[0], .Width = 50, .Editor = edDataCheckBox, .Attribute = {"Enable", "Y"}},
      Text(titles[2], hints[1], 100, "PLC_Address"),
      Text(titles[3], hints[2], 60, "PLC_Port"),
      List(titles[4], hints[3], 80, "PLC_Type", {"Logo0BA8", "S7200", "S7300", "S7400", "S71200", "S71500"}),
      Text(titles[5], hints[4], 45, {"Rack", "0"}),
      Text(titles[6], hints[5], 45, {"Slot", "0"}),
      List(titles[7], hints[6], 75, "Data_Type", {"Bit", "Byte", "Char", "Word", "Int", "DWord", "DInt", "Real"}),
      List(titles[8], hints[7], 95, "Data_Identifier", {"OB", "DB", "SDB", "FC", "SFC", "FB", "SFB"}),
      Text(titles[9], hints[8], 75, "DB_Number"),
      List(titles[10], hints[9], 160, "PLC_Area",
           {"Direct peripheral access (P)", "Inputs (I)", "Output (Q)", "Flags (M) (Merker)"}),
      Text(titles[11], hints[10], 60, "PLC_Add"),
      List(titles[12], hints[11], 55, "PLC_Bit", kBits),
      Text(titles[13], hints[12], 65, "PollTime"),
  };
}

TEditorTableSpec Table(const char* group, const char* sheet, int caption, const char* grid) {
  TEditorTableSpec t{.Group = group, .Sheet = sheet, .SheetCaption = caption, .Grid = grid, .Rows = 512};
  t.KeyColumn = kPLC_Address;
  t.EnableColumn = kEnable;
  t.Area = kS7_Area;
  return t;
}

TTableEditorSpec Make_Spec() {
  TTableEditorSpec s{.FormName = QStringLiteral("FS7_Protocol_Set_Access"), .ClientWidth = 1350, .Caption = 5100,
                     .Description = 5101};
  for (int i = 0; i < 6; ++i) {
    s.ButtonCaptions[i] = 5102 + i;
    s.ButtonHints[i] = 5108 + i;
  }
  s.Root = QStringLiteral("S7_Protocol");
  s.Version = QStringLiteral("1.000");
  s.Path = &File_S7_Protocol;
  s.RowPrefix = 5170;
  s.Hints = THintColumns::Real;
  s.KeepOtherHints = true;
  Set_Message_Texts(s, 5225);

  constexpr int readTitles[] = {5116, 5117, 5118, 5119, 5120, 5213, 5214, 5121, 5122, 5189, 5190, 5191, 5192, 5123};
  constexpr int readHints[] = {5144, 5145, 5146, 5147, 5217, 5218, 5148, 5149, 5197, 5198, 5199, 5200, 5150};
  TEditorTableSpec read = Table("S7_Protocol_Read", "TS_S7_Read", 5114, "ECG_S7_Read");
  read.Columns = Request_Columns(readTitles, readHints);
  read.Columns.append({Positions(5124, 5151), List(5125, 5152, 60, "Bit", kBits), Check(5126, 5153, 45, "Swap"),
                       Check(5127, 5154, 75, "SwapWord"), Text(5128, 5155, 140, "Mnemonic")});

  constexpr int writeTitles[] = {5129, 5130, 5131, 5132, 5133, 5215, 5216, 5134, 5135, 5193, 5194, 5195, 5196, 5136};
  constexpr int writeHints[] = {5156, 5157, 5158, 5159, 5219, 5220, 5160, 5161, 5201, 5202, 5203, 5204, 5162};
  TEditorTableSpec write = Table("S7_Protocol_Write", "TS_S7_Write", 5115, "ECG_S7_Write");
  write.Columns = Request_Columns(writeTitles, writeHints);
  write.Columns.append({Check(5137, 5163, 70, "OnChange"), Check(5138, 5164, 60, "OnCMD"), Positions(5139, 5165),
                        List(5140, 5166, 60, "Bit", kBits), Check(5141, 5167, 45, "Swap"),
                        Check(5142, 5168, 75, "SwapWord"), Text(5143, 5169, 140, "Mnemonic")});
  s.Tables = {read, write};
  return s;
}

}  // namespace

const TTableEditorSpec S7_Spec = Make_Spec();

int TS7Connections::Check_IP_Port(uint8_t b1, uint8_t b2, uint8_t b3, uint8_t b4, int p) {
  for (int i = 0; i < kS7_Connections; ++i) {
    TIPPort& e = array_ip_Port[size_t(i)];
    if (e.IP1 == -1) {
      e = TIPPort{b1, b2, b3, b4, p};
      return i;
    }
    if (e.IP1 == b1 && e.IP2 == b2 && e.IP3 == b3 && e.IP4 == b4 && e.Port == p) return i;
  }
  return -1;
}

std::optional<TRowCheckFailure> Check_S7_Tables(const TEditorTable& read, const TEditorTable& write) {
  TS7Connections connections;
  if (auto failure = Check_Table(kRead_Rules, read, connections)) return failure;
  return Check_Table(kWrite_Rules, write, connections);
}

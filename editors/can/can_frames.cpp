#include "editors/can/can_frames.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "platform/rtl/strings.h"

namespace {

// What the two tables' checks differ in: where the cells are and which texts say
// what. A time column is checked always (receive TimeOut) or only while the
// OnTimer cell, trimmed and upper-cased, is "Y" (transmit Time).
struct TCANFrameRules {
  int Type;
  int Dim;
  int OnTimer;  // 0: the time is always checked
  int Time;
  int Byte1;
  int CobID11_Text;
  int CobID29_Text;
  int Dim_Text;
  int Time_Text;
  int Byte_Texts[8];
  int Close_Text;  // " or None" after a byte's limit
};

constexpr TCANFrameRules kReceive_Rules{
    kCANR_Type, kCANR_Dim, 0, kCANR_TimeOut, kCANR_Byte1, 2445, 2446, 2447, 2448,
    {2449, 2451, 2452, 2453, 2454, 2455, 2456, 2457}, 2450};
constexpr TCANFrameRules kTransmit_Rules{
    kCANT_Type, kCANT_Dim, kCANT_OnTimer, kCANT_Time, kCANT_Byte1, 2548, 2549, 2550, 2551,
    {2552, 2554, 2555, 2556, 2557, 2558, 2559, 2560}, 2553};

std::optional<TRowCheckFailure> Check_Frame(const TCANFrameRules& rules, const TEditorTable& t, int row,
                                            const TRowCheckRun& run) {
  // 1. The identifier by its type.
  const QString cobId = t.Cell(2, row);
  if (Trim(t.Cell(rules.Type, row)) == QString::fromUtf16(kCAN_Type_11)) {
    if (!In_Range(cobId, 0, 2047)) return Row_Fault(rules.CobID11_Text);
  } else if (!In_Range(cobId, 0, 0x1FFFFFFF)) {
    return Row_Fault(rules.CobID29_Text);
  }
  // 2.
  if (!In_Range(t.Cell(rules.Dim, row), 1, 8)) return Row_Fault(rules.Dim_Text);
  // 3.
  const bool timed = rules.OnTimer == 0 || UpperCase(Trim(t.Cell(rules.OnTimer, row))) == u"Y";
  if (timed && !In_Range(t.Cell(rules.Time, row), 0, 100000000)) return Row_Fault(rules.Time_Text);
  // 4. The bytes within the length: "None", empty, or a position of the area.
  const int dim = Cell_Number(t.Cell(rules.Dim, row));
  for (int k = 0; k < dim; ++k) {
    const QString text = t.Cell(rules.Byte1 + k, row);
    const QString trimmed = Trim(text);
    if (trimmed.isEmpty() || trimmed == u"None") continue;
    if (!In_Range(text, 0, run.Area - 1))
      return Row_Fault(rules.Byte_Texts[k], IntToStr(run.Area - 1) + Lang_Text(rules.Close_Text));
  }
  return std::nullopt;
}

// The transmit Time read without default, then "0" when it was missing and the
// row's OnTimer, as just read, is exactly "Y".
void Read_Transmit_Row(const TXMLNode& element, const TEditorTableLayout& layout, TEditorTable& cells, int row) {
  Read_Editor_Row(element, layout, cells, row, true);
  if (!element.HasAttribute(QStringLiteral("Time")))
    cells.SetCell(kCANT_Time, row, cells.Cell(kCANT_OnTimer, row) == u"Y" ? QStringLiteral("0") : QString());
}

const QStringList kTypes = {QString::fromUtf16(kCAN_Type_11), QString::fromUtf16(kCAN_Type_29)};

// Byte k (0..7) of a frame: a pick list of "None" and the area's positions.
TEditorColumnSpec Byte_Column(int title, int hint, int k) {
  return {.Title = title + k,
          .Hint = hint + k,
          .Width = 48,
          .Editor = edComboList,
          .Attribute = {QStringLiteral("Byte%1").arg(k + 1), QString()},
          .Items = TColumnItems::None_And_Positions};
}

// A table of 512 frames: `head` the columns up to the bytes (Enable, CobID, Type,
// Dim and the table's own), then the eight byte positions and the Mnemonic. The key
// is the CobID, trimmed; Enable is upper-cased before it is compared.
TEditorTableSpec Frame_Table(const char* grid, QList<TEditorColumnSpec> head, int byteTitle, int byteHint,
                             const TEditorColumnSpec& mnemonic, int area, int deleteText, TRowCheck check) {
  TEditorTableSpec t{.Grid = QString::fromLatin1(grid), .Rows = 512};
  t.Columns = std::move(head);
  for (int k = 0; k < 8; ++k) t.Columns.append(Byte_Column(byteTitle, byteHint, k));
  t.Columns.append(mnemonic);
  t.KeyColumn = 2;
  t.EnableColumn = 1;
  t.EnableUpperCase = true;
  t.Area = area;
  t.DeleteQuestion = deleteText;
  t.Check = check;
  return t;
}

TEditorTableSpec Receive_Table() {
  return Frame_Table(
      "ECG_CAN_Receive",
      {{.Title = 2408, .Width = 40},
       {.Title = 2409, .Hint = 2429, .Width = 50, .Editor = edDataCheckBox, .Attribute = {"Enable", "Y"}},
       {.Title = 2410, .Hint = 2430, .Width = 90, .Attribute = {"COBID", ""}},
       {.Title = 2411, .Hint = 2431, .Width = 90, .Editor = edComboList, .Attribute = {"CAN_Type", ""},
        .Items = TColumnItems::Choices, .Choices = kTypes},
       {.Title = 2412, .Hint = 2432, .Width = 70, .Attribute = {"Dim", ""}},
       {.Title = 2413, .Hint = 2434, .Width = 75, .Attribute = {"TimeOut", "0"}}},
      2414, 2435, {.Title = 2422, .Hint = 2443, .Width = 185, .Attribute = {"Mnemonic", ""}}, 2000, 2458,
      Check_With<kReceive_Rules, Check_Frame>);
}

TEditorTableSpec Transmit_Table() {
  TEditorTableSpec t = Frame_Table(
      "ECG_CAN_Transmit",
      {{.Title = 2508, .Width = 40},
       {.Title = 2509, .Hint = 2531, .Width = 50, .Editor = edDataCheckBox, .Attribute = {"Enable", "Y"}},
       {.Title = 2510, .Hint = 2532, .Width = 90, .Attribute = {"COBID", ""}},
       {.Title = 2511, .Hint = 2533, .Width = 90, .Editor = edComboList, .Attribute = {"CAN_Type", "2.0A (11 bits)"},
        .Items = TColumnItems::Choices, .Choices = kTypes},
       {.Title = 2512, .Hint = 2534, .Width = 70, .Attribute = {"Dim", ""}},
       {.Title = 2513, .Hint = 2535, .Width = 65, .Editor = edDataCheckBox, .Attribute = {"OnChange", "Y"}},
       {.Title = 2562, .Hint = 2563, .Width = 50, .Editor = edDataCheckBox, .Attribute = {"OnCMD", "N"}},
       {.Title = 2514, .Hint = 2536, .Width = 55, .Editor = edDataCheckBox, .Attribute = {"OnTimer", "N"}},
       {.Title = 2515, .Hint = 2537, .Width = 70, .Attribute = {"Time", ""}}},
      2516, 2538, {.Title = 2524, .Hint = 2546, .Width = 110, .Attribute = {"Mnemonic", ""}}, 2500, 2561,
      Check_With<kTransmit_Rules, Check_Frame>);
  t.Reader = Read_Transmit_Row;
  return t;
}

TTableEditorSpec Frame_Editor(int first, int firstHint, const QString& name, int width, const QString& root,
                              QString* path, int rowPrefix, int messages, TEditorTableSpec table) {
  TTableEditorSpec s{.FormName = name, .ClientWidth = width};
  Set_Frame_Texts(s, first, firstHint);
  s.Root = root;
  s.Version = QStringLiteral("1.000");
  s.Path = path;
  s.RowPrefix = rowPrefix;
  s.RowSelect = false;
  Set_Message_Texts(s, messages);
  s.Tables = {std::move(table)};
  return s;
}

}  // namespace

const TTableEditorSpec Receive_CAN_Spec = Frame_Editor(2400, 2423, QStringLiteral("FReceiveCAN"), 1010,
                                                       QStringLiteral("Receive_Frames"), &File_CAN_Rec_Frames, 2444, 2459,
                                                       Receive_Table());
const TTableEditorSpec Transmit_CAN_Spec = Frame_Editor(2500, 2525, QStringLiteral("FTransmitCAN"), 1100,
                                                        QStringLiteral("Transmit_Frames"), &File_CAN_Send_Frames, 2547, 2564,
                                                        Transmit_Table());

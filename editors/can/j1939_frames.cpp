#include "editors/can/j1939_frames.h"

#include "app/state/comon.h"
#include "platform/rtl/strings.h"

#include <iterator>

namespace {

// --- Checks -----------------------------------------------------------------

// Where a receive table keeps its cells (0: no such column) and which texts name
// its faults.
struct TReceiveRules {
  int DP, PGN, SA, TP, FP, Start, NByte, OnRequest, Time;
  int32_t PGN_Max;
  int32_t SA_Max;
  int DP_Text, PGN_Text, SA_Text;
  int TP_Start_Text, TP_Sum_Text;  // transport protocol: start, start + count (to 1785)
  int FP_Start_Text, FP_Sum_Text;  // fast packet: start, start + count (to 223)
  int Both_Text, Start_Text, NByte_Text, Sum8_Text;  // single frame
  int Total_Text, Time_Text;
};

constexpr TReceiveRules kJ1939_Receive{1,    2,    3,    4,    0,    5,    6,    8,    9,    0xFFFF, 239,
                                       3536, 3537, 3538, 3539, 3540, 0,    0,    3541, 3542, 3543,   3544,
                                       3545, 3546};
constexpr TReceiveRules kNMEA_Receive{0,    1,    2,    3,    4,    5,    6,    0,    0,    0x1FFFF, 239,
                                      0,    3932, 3933, 3934, 3935, 3936, 3937, 3938, 3939, 3940,    3941,
                                      3942, 0};

// Start and count of a message part that may reach `limit` bytes; the count of
// bytes it captures.
std::optional<TRowCheckFailure> Check_Span(const QString& start, const QString& count, int32_t limit, int startText,
                                           int sumText, int64_t& bytes) {
  if (!In_Range(start, 0, limit)) return Row_Fault(startText);
  const int32_t n = Cell_Number(count);
  if (n < 0 || int64_t(Cell_Number(start)) + n > limit) return Row_Fault(sumText);
  bytes = n;
  return std::nullopt;
}

// A single frame of 8 data bytes: both start and count empty, or a part of it.
std::optional<TRowCheckFailure> Check_Single_Frame(const TReceiveRules& r, const QString& start, const QString& count,
                                                   int64_t& bytes) {
  const bool noStart = Trim(start).isEmpty();
  const bool noCount = Trim(count).isEmpty();
  if (noStart && noCount) {
    bytes = 8;
    return std::nullopt;
  }
  if (noStart || noCount) return Row_Fault(r.Both_Text);
  if (!In_Range(start, 1, 8)) return Row_Fault(r.Start_Text);
  if (!In_Range(count, 1, 8)) return Row_Fault(r.NByte_Text);
  if (Cell_Number(start) + Cell_Number(count) > 8) return Row_Fault(r.Sum8_Text);
  // The device keeps the whole frame and the part: 8 + count.
  bytes = 8 + Cell_Number(count);
  return std::nullopt;
}

// The running total of data bytes over the used rows; beyond the area it is a
// fault of the table, not of a row.
std::optional<TRowCheckFailure> Add_To_Total(int64_t bytes, int text, TRowCheckRun& run) {
  run.Total += bytes;
  if (run.Total <= run.Area) return std::nullopt;
  TRowCheckFailure failure = Row_Fault(text, IntToStr(run.Area));
  failure.RowPrefix = false;
  return failure;
}

std::optional<TRowCheckFailure> Check_Receive(const TReceiveRules& r, const TEditorTable& t, int row,
                                              TRowCheckRun& run) {
  if (r.DP && t.Cell(r.DP, row).isEmpty()) return Row_Fault(r.DP_Text);
  if (!In_Range(t.Cell(r.PGN, row), 0, r.PGN_Max)) return Row_Fault(r.PGN_Text);
  if (!In_Range(t.Cell(r.SA, row), 0, r.SA_Max)) return Row_Fault(r.SA_Text);
  const QString start = t.Cell(r.Start, row);
  const QString count = t.Cell(r.NByte, row);
  int64_t bytes = 0;
  std::optional<TRowCheckFailure> failure;
  if (t.Cell(r.TP, row) == u"Y")
    failure = Check_Span(start, count, 1785, r.TP_Start_Text, r.TP_Sum_Text, bytes);
  else if (r.FP && t.Cell(r.FP, row) == u"Y")
    failure = Check_Span(start, count, 223, r.FP_Start_Text, r.FP_Sum_Text, bytes);
  else
    failure = Check_Single_Frame(r, start, count, bytes);
  if (failure) return failure;
  if (auto total = Add_To_Total(bytes, r.Total_Text, run)) return total;
  if (r.OnRequest && t.Cell(r.OnRequest, row) == u"Y" && !In_Range(t.Cell(r.Time, row), 2, 10000000))
    return Row_Fault(r.Time_Text);
  return std::nullopt;
}

struct TTransmitRules {
  int DP, PGN, SA, NByte, OnTimer, SendTimer;
  int32_t SA_Max;
  int32_t NByte_Min;
  int Priority_Text, DP_Text, PGN_Text, SA_Text, NByte_Text, Total_Text, SendTimer_Text;
};

constexpr TTransmitRules kJ1939_Transmit{2, 3, 4, 5, 8, 9, 255, 1, 3636, 3637, 3638, 3639, 3640, 3641, 3642};
constexpr TTransmitRules kNMEA_Transmit{0, 2, 3, 5, 8, 9, 239, 0, 4036, 0, 4037, 4038, 4039, 4040, 4041};
constexpr int kPriority = 1;

std::optional<TRowCheckFailure> Check_Transmit(const TTransmitRules& r, const TEditorTable& t, int row,
                                               TRowCheckRun& run) {
  if (!In_Range(t.Cell(kPriority, row), 0, 7)) return Row_Fault(r.Priority_Text);
  if (r.DP && t.Cell(r.DP, row).isEmpty()) return Row_Fault(r.DP_Text);
  if (!In_Range(t.Cell(r.PGN, row), 0, 0x1FFFF)) return Row_Fault(r.PGN_Text);
  if (!In_Range(t.Cell(r.SA, row), 0, r.SA_Max)) return Row_Fault(r.SA_Text);
  const QString count = t.Cell(r.NByte, row);
  if (!In_Range(count, r.NByte_Min, run.Area)) return Row_Fault(r.NByte_Text, IntToStr(run.Area));
  if (auto total = Add_To_Total(Cell_Number(count), r.Total_Text, run)) return total;
  if (t.Cell(r.OnTimer, row) == u"Y" && !In_Range(t.Cell(r.SendTimer, row), 1, 65535))
    return Row_Fault(r.SendTimer_Text);
  return std::nullopt;
}

constexpr TRowCheck Check_J1939_Receive = Check_With<kJ1939_Receive, Check_Receive>;
constexpr TRowCheck Check_NMEA_Receive = Check_With<kNMEA_Receive, Check_Receive>;
constexpr TRowCheck Check_J1939_Transmit = Check_With<kJ1939_Transmit, Check_Transmit>;
constexpr TRowCheck Check_NMEA_Transmit = Check_With<kNMEA_Transmit, Check_Transmit>;

// --- Reading a J1939 sending row ----------------------------------------------

constexpr int kJT_NByte = 5;
constexpr int kJT_Request = 6;
constexpr int kJT_Data_Change = 7;
constexpr int kJT_On_Timer = 8;

// The byte count "8" when it is missing or empty; the three sending boxes from the
// older T_Type attribute when the row has one, else from their own attributes.
void Read_J1939_Transmit_Row(const TXMLNode& element, const TEditorTableLayout& layout, TEditorTable& cells, int row) {
  Read_Editor_Row(element, layout, cells, row, true);
  if (cells.Cell(kJT_NByte, row).isEmpty()) cells.SetCell(kJT_NByte, row, QStringLiteral("8"));
  const QString typeName = QStringLiteral("T_Type");
  if (!element.HasAttribute(typeName)) return;
  const QString type = UpperCase(element.Attribute(typeName));
  for (int col : {kJT_Request, kJT_Data_Change, kJT_On_Timer}) cells.SetCell(col, row, QStringLiteral("N"));
  if (type == u"ON DATA CHANGE") cells.SetCell(kJT_Data_Change, row, QStringLiteral("Y"));
  if (type == u"ON TIMER") cells.SetCell(kJT_On_Timer, row, QStringLiteral("Y"));
}

// --- Descriptions -----------------------------------------------------------

// One column after column 0: width, editor and attribute with its default (a
// guarded read; nullptr for an empty default).
struct TFrameColumn {
  int Width;
  TEditorType Editor;
  const char* Attribute;
  const char* Default;
};

constexpr TFrameColumn kJ1939_Receive_Columns[] = {
    {70, edComboList, "DP", ""},       {70, edNormal, "PGN", ""},         {100, edNormal, "SA", ""},
    {120, edDataCheckBox, "TP", "N"},  {70, edNormal, "TP_Start", ""},    {60, edNormal, "TP_NByte", ""},
    {90, edDataCheckBox, "Delete", "N"}, {85, edDataCheckBox, "OnRequest", "N"}, {70, edNormal, "OnReq_Time", "1000"},
    {100, edNormal, "Mnemonic", ""}};
constexpr TFrameColumn kJ1939_Transmit_Columns[] = {
    {60, edNormal, "Priority", ""},            {70, edComboList, "DP", ""},            {70, edNormal, "PGN", ""},
    {100, edNormal, "SA", ""},                 {60, edNormal, "TP_NByte", "8"},        {65, edDataCheckBox, "On_Request", "N"},
    {85, edDataCheckBox, "On_Data_Change", "N"}, {65, edDataCheckBox, "On_Timer", "N"}, {80, edNormal, "SendTimer", ""},
    {100, edNormal, "Mnemonic", ""}};
constexpr TFrameColumn kNMEA_Receive_Columns[] = {
    {70, edNormal, "PGN", ""},         {100, edNormal, "SA", ""},         {120, edDataCheckBox, "TP", "N"},
    {90, edDataCheckBox, "FP", "N"},   {70, edNormal, "TP_Start", ""},    {60, edNormal, "TP_NByte", ""},
    {90, edDataCheckBox, "Delete", "N"}, {160, edNormal, "Mnemonic", ""}};
constexpr TFrameColumn kNMEA_Transmit_Columns[] = {
    {60, edNormal, "Priority", ""},            {70, edNormal, "PGN", ""},               {100, edNormal, "SA", ""},
    {80, edDataCheckBox, "FP", "N"},           {65, edNormal, "TP_NByte", ""},          {65, edDataCheckBox, "On_Request", "N"},
    {85, edDataCheckBox, "On_Data_Change", "N"}, {65, edDataCheckBox, "On_Timer", "N"}, {80, edNormal, "SendTimer", ""},
    {90, edNormal, "Mnemonic", ""}};

// Texts of one editor: `first` caption, description and six button captions; the
// button hints, column titles and column hints follow from `firstHint`.
struct TFrameTexts {
  int First;
  int Button_Hints;
  int Titles;        // column 0 on
  int Column_Hints;  // column 1 on
  int Row_Prefix;
  int Delete_Question;
  int Messages;  // the own messages
};

template <size_t N>
TTableEditorSpec Frame_Editor(const char* name, int width, const TFrameTexts& texts, const char* root,
                              const char* version, QString* path, int rows, int keyColumn, int area,
                              const TFrameColumn (&columns)[N], TRowCheck check, TRowReader reader) {
  TTableEditorSpec s{.FormName = QString::fromLatin1(name), .ClientWidth = width};
  Set_Frame_Texts(s, texts.First, texts.Button_Hints);
  s.Root = QString::fromLatin1(root);
  s.Version = QString::fromLatin1(version);
  s.Path = path;
  s.RowPrefix = texts.Row_Prefix;
  Set_Message_Texts(s, texts.Messages);
  TEditorTableSpec t{.Grid = QStringLiteral("sga"), .Rows = rows};
  t.Columns.append({.Title = texts.Titles, .Width = 40});
  for (size_t i = 0; i < N; ++i) {
    const TFrameColumn& c = columns[i];
    TEditorColumnSpec column{.Title = texts.Titles + 1 + int(i),
                             .Hint = texts.Column_Hints + int(i),
                             .Width = c.Width,
                             .Editor = c.Editor,
                             .Attribute = {c.Attribute, c.Default}};
    if (c.Editor == edComboList) {
      column.Items = TColumnItems::Choices;
      column.Choices = {QStringLiteral("0"), QStringLiteral("1")};
    }
    t.Columns.append(column);
  }
  t.KeyColumn = keyColumn;
  t.KeyTrimmed = false;
  t.Area = area;
  t.DeleteQuestion = texts.Delete_Question;
  t.Check = check;
  t.Reader = reader;
  s.Tables = {t};
  return s;
}

}  // namespace

const TTableEditorSpec Receive_J1939_Spec =
    Frame_Editor("FReceiveJ1939", 876, {3500, 3508, 3514, 3525, 3535, 3547, 3548}, "Receive_J1939", "1.000",
                 &File_J1939_Rec_Frames, 512, 2, 1440, kJ1939_Receive_Columns, Check_J1939_Receive, nullptr);
const TTableEditorSpec Transmit_J1939_Spec =
    Frame_Editor("FTransmitJ1939", 800, {3600, 3608, 3614, 3625, 3635, 3643, 3644}, "Transmit_J1939", "1.000",
                 &File_J1939_Send_Frames, 512, kPriority, 512, kJ1939_Transmit_Columns, Check_J1939_Transmit,
                 Read_J1939_Transmit_Row);
const TTableEditorSpec Receive_NMEA_Spec =
    Frame_Editor("FReceiveNMEA", 810, {3900, 3908, 3914, 3923, 3931, 3943, 3944}, "Receive_NMEA_2000", "1.001",
                 &File_NMEA_Rec_Frames, 62, 1, 512, kNMEA_Receive_Columns, Check_NMEA_Receive, nullptr);
const TTableEditorSpec Transmit_NMEA_Spec =
    Frame_Editor("FTransmitNMEA", 810, {4000, 4008, 4014, 4025, 4035, 4042, 4043}, "Receive_NMEA_2000", "1.001",
                 &File_NMEA_Send_Frames, 62, kPriority, 512, kNMEA_Transmit_Columns, Check_NMEA_Transmit, nullptr);

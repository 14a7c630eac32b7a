#include "editors/can/canopen_tables.h"

#include "app/state/comon.h"
#include "platform/rtl/strings.h"

namespace {

// --- Checks -----------------------------------------------------------------

// The positions of the first `count` data bytes, from column `first`; each must lie
// in the area. The failure's text is `texts[k]` followed by the highest position.
std::optional<TRowCheckFailure> Check_Positions(const TEditorTable& t, int row, int first, int count,
                                                const int* texts, const TRowCheckRun& run) {
  for (int k = 0; k < count; ++k)
    if (!In_Range(t.Cell(first + k, row), 0, run.Area - 1)) return Row_Fault(texts[k], IntToStr(run.Area - 1));
  return std::nullopt;
}

// What the PDO tables' checks differ in.
struct TPDORules {
  int Time_Col;
  int32_t Time_Max;
  int COB_ID_Text;
  int Dimension_Text;
  int Address_Texts[8];
  int Time_Text;
};

constexpr TPDORules kReceive_PDO{11, 65535, 2669, 2670, {2671, 2672, 2673, 2674, 2675, 2676, 2677, 2678}, 2679};
constexpr TPDORules kTransmit_PDO{11, 100000000, 2680, 2681, {2682, 2683, 2684, 2685, 2686, 2687, 2688, 2689}, 2690};

std::optional<TRowCheckFailure> Check_PDO(const TPDORules& r, const TEditorTable& t, int row, const TRowCheckRun& run) {
  if (!In_Range(t.Cell(kPDO_COB_ID, row), 0, 0x7FF)) return Row_Fault(r.COB_ID_Text);
  if (!In_Range(t.Cell(kPDO_Dimension, row), 1, 8)) return Row_Fault(r.Dimension_Text);
  const int dim = Cell_Number(t.Cell(kPDO_Dimension, row));
  if (auto failure = Check_Positions(t, row, kPDO_Address_B1, dim, r.Address_Texts, run)) return failure;
  if (!In_Range(t.Cell(r.Time_Col, row), 0, r.Time_Max)) return Row_Fault(r.Time_Text);
  return std::nullopt;
}


// The number of address bytes an SDO entry of `nByte` bytes uses: 1, 2 or 4.
int SDO_Bytes(const QString& nByte) {
  const int32_t n = Cell_Number(nByte);
  return n == 2 || n == 4 ? n : 1;
}

// What the SDO tables' checks differ in. Columns of 0 are not in the table.
struct TSDORules {
  int Device_ID_Col;  // client only
  int Index_Col;
  int32_t Index_Low;
  int32_t Index_High;
  int Poll_Col;       // client only
  int32_t Poll_Low;
  int Address_Col;
  int TimeOut_Col;    // client read table only
  // Device ID, Index, SubIndex, N Byte, Poll Time, four addresses, TimeOut.
  int Texts[10];
};

constexpr TSDORules kClient_Read{1, 2, 0x1000, 0xFFFF, 5, 1, 6, 10,
                                 {2761, 2762, 2763, 2764, 2765, 2766, 2767, 2768, 2769, 2782}};
constexpr TSDORules kClient_Write{1, 2, 0x1000, 0xFFFF, 5, 0, 7, 0,
                                  {2770, 2771, 2772, 2773, 2774, 2775, 2776, 2777, 2778, 0}};
constexpr TSDORules kServer_Read{0, 1, 0x2000, 0x5FFF, 0, 0, 4, 0,
                                 {0, 2851, 2852, 2853, 0, 2854, 2855, 2856, 2857, 0}};
constexpr TSDORules kServer_Write{0, 1, 0x2000, 0x5FFF, 0, 0, 4, 0,
                                  {0, 2858, 2859, 2860, 0, 2861, 2862, 2863, 2864, 0}};

std::optional<TRowCheckFailure> Check_SDO(const TSDORules& r, const TEditorTable& t, int row, const TRowCheckRun& run) {
  if (r.Device_ID_Col && !In_Range(t.Cell(r.Device_ID_Col, row), 1, 127)) return Row_Fault(r.Texts[0]);
  if (!In_Range(t.Cell(r.Index_Col, row), r.Index_Low, r.Index_High)) return Row_Fault(r.Texts[1]);
  if (!In_Range(t.Cell(r.Index_Col + 1, row), 0, 255)) return Row_Fault(r.Texts[2]);
  const QString nByte = t.Cell(r.Index_Col + 2, row);
  const int32_t n = Cell_Number(nByte);
  if (n != 1 && n != 2 && n != 4) return Row_Fault(r.Texts[3]);
  if (r.Poll_Col && !In_Range(t.Cell(r.Poll_Col, row), r.Poll_Low, 100000000)) return Row_Fault(r.Texts[4]);
  if (auto failure = Check_Positions(t, row, r.Address_Col, SDO_Bytes(nByte), r.Texts + 5, run)) return failure;
  if (r.TimeOut_Col && !In_Range(t.Cell(r.TimeOut_Col, row), 0, 65535)) return Row_Fault(r.Texts[9]);
  return std::nullopt;
}

constexpr TRowCheck Check_Receive_PDO = Check_With<kReceive_PDO, Check_PDO>;
constexpr TRowCheck Check_Transmit_PDO = Check_With<kTransmit_PDO, Check_PDO>;
constexpr TRowCheck Check_Client_Read = Check_With<kClient_Read, Check_SDO>;
constexpr TRowCheck Check_Client_Write = Check_With<kClient_Write, Check_SDO>;
constexpr TRowCheck Check_Server_Read = Check_With<kServer_Read, Check_SDO>;
constexpr TRowCheck Check_Server_Write = Check_With<kServer_Write, Check_SDO>;

// --- Descriptions -----------------------------------------------------------

TEditorColumnSpec Plain(int title, int hint, int width, const char* attribute) {
  return {.Title = title, .Hint = hint, .Width = width, .Attribute = {attribute}};
}

TEditorColumnSpec Check_Box(int title, int hint, int width, const char* attribute) {
  return {.Title = title, .Hint = hint, .Width = width, .Editor = edDataCheckBox, .Attribute = {attribute}};
}

// `count` address columns "Add B1" .. or "Add Byte1" .., `width` wide, attributes
// Address_B1 ...
void Add_Addresses(QList<TEditorColumnSpec>& columns, int title, int hint, int count, int width) {
  for (int k = 0; k < count; ++k)
    columns.append({.Title = title + k,
                    .Hint = hint + k,
                    .Width = width,
                    .Attribute = {QStringLiteral("Address_B%1").arg(k + 1)}});
}

TEditorTableSpec Table(const char* group, const char* sheet, int caption, const char* grid, int rows, int deleteText,
                       TRowCheck check) {
  return {.Group = QString::fromLatin1(group),
          .Sheet = QString::fromLatin1(sheet),
          .SheetCaption = caption,
          .Grid = QString::fromLatin1(grid),
          .Rows = rows,
          .Area = kCANopen_Area,
          .DeleteQuestion = deleteText,
          .Check = check};
}

// The frame of the three editors: texts from `first` (caption, description, six
// button captions), the six button hints from `firstHint`, the own messages from
// `messages`.
TTableEditorSpec Editor(const char* name, int width, int first, int firstHint, const char* root, QString* path,
                        int rowPrefix, int messages) {
  TTableEditorSpec s{.FormName = QString::fromLatin1(name), .ClientWidth = width};
  Set_Frame_Texts(s, first, firstHint);
  s.Root = QString::fromLatin1(root);
  s.Version = QStringLiteral("1.003");
  s.Path = path;
  s.RowPrefix = rowPrefix;
  Set_Message_Texts(s, messages);
  return s;
}

TTableEditorSpec Make_PDO_Spec() {
  TTableEditorSpec s = Editor("FSet_PDO_Access", 798, 2600, 2608, "PDO_CANopen", &File_PDO_CANopen, 2668, 2692);
  TEditorTableSpec receive = Table("Receive_PDO", "TS_Receive_PDO", 2614, "sga", 30, 2691, Check_Receive_PDO);
  receive.Columns = {{.Title = 2616, .Width = 40}, Plain(2617, 2643, 60, "COB-ID"), Plain(2618, 2644, 70, "Dimension")};
  Add_Addresses(receive.Columns, 2619, 2645, 8, 60);
  receive.Columns.append({Plain(2627, 2653, 65, "TimeOut"), Plain(2628, 2654, 150, "Mnemonic")});
  TEditorTableSpec transmit = Table("Transmit_PDO", "TS_Transmit_PDO", 2615, "sgb", 30, 2691, Check_Transmit_PDO);
  transmit.Columns = {{.Title = 2629, .Width = 40}, Plain(2630, 2655, 60, "COB-ID"), Plain(2631, 2656, 70, "Dimension")};
  Add_Addresses(transmit.Columns, 2632, 2657, 8, 60);
  transmit.Columns.append({Plain(2640, 2665, 70, "Send_Time"), Check_Box(2641, 2666, 80, "On_Change"),
                           Plain(2642, 2667, 150, "Mnemonic")});
  s.Tables = {receive, transmit};
  return s;
}

TTableEditorSpec Make_SDO_Client_Spec() {
  TTableEditorSpec s = Editor("FSet_SDO_Client_Access", 863, 2700, 2708, "SDO_Client_CANopen", &File_SDO_Client_CANopen,
                              2760, 2783);
  TEditorTableSpec read = Table("SDO_Read", "TS_SDO_Read", 2714, "sga", 256, 2779, Check_Client_Read);
  read.Columns = {{.Title = 2716, .Width = 40},       Plain(2717, 2739, 70, "Device_ID"), Plain(2718, 2740, 60, "Index"),
                  Plain(2719, 2741, 65, "SubIndex"), Plain(2720, 2742, 55, "NByte"),     Plain(2721, 2743, 65, "Poll_Time")};
  Add_Addresses(read.Columns, 2722, 2744, 4, 70);
  read.Columns.append({Plain(2780, 2781, 65, "TimeOut"), Plain(2726, 2748, 135, "Mnemonic")});
  TEditorTableSpec write = Table("SDO_Write", "TS_SDO_Write", 2715, "sgb", 256, 2779, Check_Client_Write);
  write.Columns = {{.Title = 2727, .Width = 40},       Plain(2728, 2749, 70, "Device_ID"), Plain(2729, 2750, 60, "Index"),
                   Plain(2730, 2751, 65, "SubIndex"), Plain(2731, 2752, 55, "NByte"),     Plain(2732, 2753, 65, "Poll_Time"),
                   Check_Box(2733, 2754, 80, "On_Change")};
  Add_Addresses(write.Columns, 2734, 2755, 4, 70);
  write.Columns.append(Plain(2738, 2759, 125, "Mnemonic"));
  s.Tables = {read, write};
  return s;
}

TTableEditorSpec Make_SDO_Server_Spec() {
  TTableEditorSpec s = Editor("FSet_SDO_Server_Access", 749, 2800, 2808, "SDO_Server_CANopen", &File_SDO_Server_CANopen,
                              2850, 2866);
  const struct {
    const char* Group;
    const char* Sheet;
    int Caption;
    const char* Grid;
    int First_Title;
    int First_Hint;
    TRowCheck Check;
  } tables[] = {{"SDO_Read", "TS_SDO_Read", 2814, "sga", 2816, 2834, Check_Server_Read},
                {"SDO_Write", "TS_SDO_Write", 2815, "sgb", 2825, 2842, Check_Server_Write}};
  for (const auto& d : tables) {
    TEditorTableSpec t = Table(d.Group, d.Sheet, d.Caption, d.Grid, 500, 2865, d.Check);
    t.Columns = {{.Title = d.First_Title, .Width = 40}, Plain(d.First_Title + 1, d.First_Hint, 60, "Index"),
                 Plain(d.First_Title + 2, d.First_Hint + 1, 65, "SubIndex"),
                 Plain(d.First_Title + 3, d.First_Hint + 2, 55, "NByte")};
    Add_Addresses(t.Columns, d.First_Title + 4, d.First_Hint + 3, 4, 70);
    t.Columns.append(Plain(d.First_Title + 8, d.First_Hint + 7, 200, "Mnemonic"));
    s.Tables.append(t);
  }
  return s;
}

}  // namespace

const TTableEditorSpec PDO_Spec = Make_PDO_Spec();
const TTableEditorSpec SDO_Client_Spec = Make_SDO_Client_Spec();
const TTableEditorSpec SDO_Server_Spec = Make_SDO_Server_Spec();

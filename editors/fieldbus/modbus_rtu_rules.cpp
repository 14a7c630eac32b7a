#include "editors/fieldbus/modbus_rtu_rules.h"

#include "app/routines/modbus_requests.h"
#include "app/state/comon.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"
#include "platform/xml/xml_document.h"

namespace {

// Columns of the Read table.
constexpr int kMRR_Enable = 1;
constexpr int kMRR_Address = 4;
constexpr int kMRR_NPoint = 5;
constexpr int kMRR_PollTime = 6;
constexpr int kMRR_MaxError = 7;
// Columns of the Write table.
constexpr int kMRW_MaxError = 9;

// The Read and Write limits of a serial master: the protocol's per-request maxima
// (125 registers or 2000 bits read, 123 registers or 1968 coils written). The
// texts start at the Slave ID: the rules have no address or port.
const TModbusRuleLimits kRead_Limits{
    {u"COIL STATUS", u"INPUT STATUS"}, 2000, 125, 1, kMRR_MaxError, kMRR_Position, kMRR_Bit,
    {0, 0, 1769, 1770, 1771, 1772, 1773, 1774, 1775, 1776, 1777},
};
const TModbusRuleLimits kWrite_Limits{
    {u"COIL STATUS", nullptr}, 1968, 123, 0, kMRW_MaxError, kMRW_Position, kMRW_Bit,
    {0, 0, 1779, 1780, 1781, 1782, 1783, 1784, 1785, 1786, 1787},
};
constexpr int kText_Select_Topic = 1778;

std::optional<TRowCheckFailure> Check_Table(const TEditorTable& t, const TModbusRuleLimits& limits, bool topicShown) {
  for (int row = 1; row < t.RowCount(); ++row) {
    if (Trim(t.Cell(kMRR_Slave_ID, row)).isEmpty()) break;
    if (Trim(t.Cell(kMRR_Enable, row)) != u"Y") continue;
    const TModbusRuleCells cells{
        QString(),                    QString(),                    t.Cell(kMRR_Slave_ID, row),
        t.Cell(kMRR_Type, row),       t.Cell(kMRR_Address, row),    t.Cell(kMRR_NPoint, row),
        t.Cell(kMRR_PollTime, row),   t.Cell(limits.MaxErrorCol, row), t.Cell(limits.PositionCol, row),
        t.Cell(limits.BitCol, row),
    };
    std::optional<TRowCheckFailure> failure = Check_Modbus_Request(cells, limits, kModbus_RTU_Area);
    if (!failure && topicShown && Trim(t.Cell(kMRR_Topic, row)).isEmpty()) failure = Row_Fault(kText_Select_Topic);
    if (failure) {
      failure->Row = row;
      return failure;
    }
  }
  return std::nullopt;
}

// --- The description ----------------------------------------------------------

const QStringList kRead_Types = {"Coil Status", "Input Status", "Holding Register", "Input Register"};
const QStringList kWrite_Types = {"Coil Status", "Holding Register"};
const QStringList kBits = {"0", "1", "2", "3", "4", "5", "6", "7"};

TEditorColumnSpec Text(int title, int hint, int width, TEditorAttribute attribute) {
  return {.Title = title, .Hint = hint, .Width = width, .Attribute = attribute};
}
TEditorColumnSpec Check(int title, int hint, int width, TEditorAttribute attribute) {
  return {.Title = title, .Hint = hint, .Width = width, .Editor = edDataCheckBox, .Attribute = attribute};
}
TEditorColumnSpec List(int title, int hint, int width, TEditorAttribute attribute, TColumnItems items,
                       QStringList choices = {}) {
  return {.Title = title, .Hint = hint, .Width = width, .Editor = edComboList, .Attribute = attribute, .Items = items,
          .Choices = choices};
}

TEditorTableSpec Table(const char* group, const char* sheet, int caption, const char* grid) {
  TEditorTableSpec t{.Group = group, .Sheet = sheet, .SheetCaption = caption, .Grid = grid, .Rows = kModbus_RTU_Rules};
  t.KeyColumn = kMRR_Slave_ID;
  t.EnableColumn = kMRR_Enable;
  t.Area = kModbus_RTU_Area;
  t.DeleteQuestion = 1788;
  return t;
}

TTableEditorSpec Make_Spec() {
  TTableEditorSpec s{.FormName = QStringLiteral("FSetAccess"), .ClientWidth = 1040, .Caption = 1700,
                     .Description = 1701};
  for (int i = 0; i < 6; ++i) {
    s.ButtonCaptions[i] = 1702 + i;
    s.ButtonHints[i] = 1708 + i;
  }
  s.Root = QStringLiteral("EtherNetIP_to_Modbus");
  s.Version = QStringLiteral("1.000");
  s.Path = &File_ModbusM_SetAccess;
  s.RowPrefix = 1768;
  s.Hints = THintColumns::Real;
  s.KeepOtherHints = true;
  Set_Message_Texts(s, 1794);

  TEditorTableSpec read = Table("Modbus_Read", "TS_Modbus_Read", 1714, "ECG_Modbus_Read");
  read.Columns = {
      {.Title = 1716, .Width = 40},
      Check(1717, 1743, 50, {"Enable", "Y"}),
      Text(1718, 1744, 60, "Slave_ID"),
      List(1719, 1745, 110, "Type", TColumnItems::Choices, kRead_Types),
      Text(1720, 1746, 65, "Address"),
      Text(1721, 1747, 60, "NPoint"),
      Text(1722, 1748, 70, "PollTime"),
      Text(1723, 1749, 70, "MaxError"),
      List(1724, 1750, 60, "Position", TColumnItems::Positions),
      List(1725, 1751, 60, "Bit", TColumnItems::Choices, kBits),
      Check(1726, 1752, 45, {"Swap", "N"}),
      Check(1790, 1792, 70, {"SwapWord", "N"}),
      List(1742, 1753, 100, {"Index_Topic", ""}, TColumnItems::None),
      Text(1727, 1754, 140, "Mnemonic"),
  };
  TEditorTableSpec write = Table("Modbus_Write", "TS_Modbus_Write", 1715, "ECG_Modbus_Write");
  write.Columns = {
      {.Title = 1728, .Width = 40},
      Check(1729, 1755, 50, {"Enable", "Y"}),
      Text(1730, 1756, 60, "Slave_ID"),
      List(1731, 1757, 110, "Type", TColumnItems::Choices, kWrite_Types),
      Text(1732, 1758, 65, "Address"),
      Text(1733, 1759, 60, "NPoint"),
      Text(1734, 1760, 70, "PollTime"),
      Check(1735, 1761, 70, "OnChange"),
      Check(1736, 1762, 60, {"OnCMD", "N"}),
      Text(1737, 1763, 70, "MaxError"),
      List(1738, 1764, 60, "Position", TColumnItems::Positions),
      List(1739, 1765, 60, "Bit", TColumnItems::Choices, kBits),
      Check(1740, 1766, 45, {"Swap", "N"}),
      Check(1791, 1793, 70, {"SwapWord", "N"}),
      Text(1741, 1767, 140, "Mnemonic"),
  };
  s.Tables = {read, write};
  return s;
}

}  // namespace

const TTableEditorSpec Modbus_RTU_Spec = Make_Spec();

QString TModbusTopicLink::Get_Topic_From_Index(int i) const {
  return i >= 0 && i < List_Publish_Topic.size() ? List_Publish_Topic[i] : QString();
}

int TModbusTopicLink::Get_Index_From_Topic(const QString& topic, int remembered) const {
  if (remembered >= 0 && remembered < List_Publish_Topic.size() && List_Publish_Topic[remembered] == topic)
    return remembered;
  return int(List_Publish_Topic.indexOf(topic));
}

int TModbusTopicLink::Remembered(int row) const {
  return row >= 1 && size_t(row) <= ComboItem_Topic.size() ? ComboItem_Topic[size_t(row - 1)] : -1;
}

std::optional<TRowCheckFailure> Check_Modbus_RTU_Tables(const TEditorTable& read, const TEditorTable& write,
                                                        bool topicShown) {
  if (auto failure = Check_Table(read, kRead_Limits, topicShown)) return failure;
  return Check_Table(write, kWrite_Limits, false);
}

void Link_Loaded_Topics(TEditorTable& read, TModbusTopicLink& link) {
  const int rows = std::min(read.RowCount() - 1, int(link.ComboItem_Topic.size()));
  for (int row = 1; row <= rows; ++row) {
    const int index = StrToIntDef(read.Cell(kMRR_Topic, row), -1);
    link.ComboItem_Topic[size_t(row - 1)] = index;
    read.SetCell(kMRR_Topic, row, link.Get_Topic_From_Index(index));
  }
}

void Save_Modbus_RTU_File(const QString& path, const TEditorTable& read, const TEditorTable& write,
                          const TModbusTopicLink& link) {
  TTextTable stored(read.ColCount(), read.RowCount());
  for (int row = 1; row < read.RowCount(); ++row) {
    for (int c = 0; c < read.ColCount(); ++c) stored.SetCell(c, row, read.Cell(c, row));
    const QString index =
        link.Shown ? IntToStr(link.Get_Index_From_Topic(read.Cell(kMRR_Topic, row), link.Remembered(row))) : QString();
    stored.SetCell(kMRR_Topic, row, index);
  }
  TXMLDocument doc;
  Write_Editor_File(doc, path, Editor_File_Layout(Modbus_RTU_Spec), {&stored, &write});
}

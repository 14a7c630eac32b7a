#include "gateway/ethercat_slave_file.h"

#include "platform/rtl/exceptions.h"

TEtherCATVariableTable::TEtherCATVariableTable(bool slaveToMaster)
    : TTextTable(slaveToMaster ? kStM_ColCount : kMtS_ColCount, kEC_RowCount),
      slaveToMaster_(slaveToMaster),
      lengthReadOnly_(kEC_RowCount, false) {
  for (int row = 1; row < RowCount(); ++row) ResetRow(row);
}

void TEtherCATVariableTable::SetCell(int col, int row, const QString& text) {
  if (col == kEC_Enable) {
    TTextTable::SetCell(col, row, text == u"N" ? QStringLiteral("N") : QStringLiteral("Y"));
    return;
  }
  TTextTable::SetCell(col, row, text);
}

void TEtherCATVariableTable::ResetRow(int row) {
  TTextTable::ResetRow(row);
  Set_Length_Read_Only(row, false);
}

namespace {

TEditorTableLayout Table_Layout(const char* group, bool slaveToMaster) {
  TEditorTableLayout layout;
  layout.GroupPath = {QStringLiteral("EtherCAT_Slave_Variables"), QString::fromUtf8(group)};
  // Every attribute has a default: a missing one empties its cell, Enable reads "Y".
  layout.Attributes = {{"Enable", "Y"}, {"Type", ""}, {"Length", ""}, {"Name", ""}};
  if (slaveToMaster) layout.Attributes.append(TEditorAttribute("InitValue", ""));
  for (const char* name : {"Position", "BitStart", "Mnemonic"}) layout.Attributes.append(TEditorAttribute(name, ""));
  layout.KeyColumn = kEC_Type;
  return layout;
}

}  // namespace

const TEditorFileLayout EtherCAT_Slave_File_Layout{
    QStringLiteral("EtherCAT_Slave"),
    QStringLiteral("1.001"),
    {Table_Layout("EtherCAT_Slave_To_Master", true), Table_Layout("EtherCAT_Master_To_Slave", false)},
    true,
};

TEtherCATSlaveModel::TEtherCATSlaveModel() = default;

void TEtherCATSlaveModel::Reset() {
  Reset_Editor_Table(SlaveToMaster);
  Reset_Editor_Table(MasterToSlave);
}

QString TEtherCATSlaveModel::Load(const QString& path) {
  QString error;
  TXMLDocument doc;
  try {
    Read_Editor_File(doc, path, EtherCAT_Slave_File_Layout, {&SlaveToMaster, &MasterToSlave});
  } catch (const EFileError& e) {
    error = e.Message;
  }
  // The type rule gives each read row's Length cell its read-only state; the Length
  // text itself is the file's (a missing Length leaves the cell empty).
  for (TEtherCATVariableTable* table : {&SlaveToMaster, &MasterToSlave})
    for (int row = 1; row < table->RowCount(); ++row)
      if (const TVarTypeLength* t = Find_Var_Type(table->Cell(kEC_Type, row))) table->Set_Length_Read_Only(row, t->ReadOnly);
  Calc_Positions();
  return error;
}

void TEtherCATSlaveModel::Save(const QString& path) const {
  TXMLDocument doc;
  Write_Editor_File(doc, path, EtherCAT_Slave_File_Layout, {&SlaveToMaster, &MasterToSlave});
}

void TEtherCATSlaveModel::VarSetLength(TEtherCATVariableTable& table, const QString& type, int row) {
  if (const std::optional<bool> readOnly = ::VarSetLength(table, type, row)) table.Set_Length_Read_Only(row, *readOnly);
}

void TEtherCATSlaveModel::Choose_Type(TEtherCATVariableTable& table, int row, const QString& type) {
  VarSetLength(table, type, row);
  table.SetCell(kEC_Type, row, type);
  Calc_Position_Bit(table, table.Slave_To_Master());
}

void TEtherCATSlaveModel::Calc_Positions() {
  Calc_Position_Bit(SlaveToMaster, true);
  Calc_Position_Bit(MasterToSlave, false);
}

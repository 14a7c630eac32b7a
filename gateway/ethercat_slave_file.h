// The tables of the EtherCAT process-data editor and their file EtherCAT_Slave.xml.
// The root "EtherCAT_Slave" holds "EtherCAT_Slave_Variables" with the groups
// "EtherCAT_Slave_To_Master" and "EtherCAT_Master_To_Slave", one "row" per variable.
// The model holds both tables as cells (the form puts its grids in front of them);
// column 1 holds "Y" or "N" for the Enable check box.
#pragma once

#include "app/editor_file/editor_file.h"
#include "gateway/ethercat_slave_variables.h"

#include <vector>

// One direction's table: 257 rows of cells, and the read-only state of each row's
// Length cell as the type rule set it.
class TEtherCATVariableTable : public TTextTable {
public:
  explicit TEtherCATVariableTable(bool slaveToMaster);

  bool Slave_To_Master() const { return slaveToMaster_; }

  // Column 1 is a check box: any text but "N" stores "Y" (checked).
  void SetCell(int col, int row, const QString& text) override;
  // The empty row: its number, Enable checked, empty cells, an editable Length.
  void ResetRow(int row) override;

  bool Length_Read_Only(int row) const { return lengthReadOnly_.at(size_t(row)); }
  void Set_Length_Read_Only(int row, bool readOnly) { lengthReadOnly_.at(size_t(row)) = readOnly; }

private:
  bool slaveToMaster_;
  std::vector<bool> lengthReadOnly_;
};

// The file's layout: Enable reads as "Y" when missing, every other attribute as an
// empty cell; both groups must be there.
extern const TEditorFileLayout EtherCAT_Slave_File_Layout;

class TEtherCATSlaveModel {
public:
  TEtherCATSlaveModel();

  TEtherCATVariableTable SlaveToMaster{true};
  TEtherCATVariableTable MasterToSlave{false};

  // Both tables back to empty rows with Enable checked.
  void Reset();

  // The show step: resets both tables, fills them from the file (the Length cell's
  // read-only state follows each row's type) and computes the positions. A missing
  // file is no error. Answers the reason when the file cannot be read, is not
  // well-formed or lacks a group (the rows read before stay), else an empty text.
  QString Load(const QString& path);

  // Writes both tables from row 1 until the first row whose trimmed Type is empty.
  // Raises EFileError when the file cannot be written; the old file then stays.
  void Save(const QString& path) const;

  // The type rule on one row: Length and its read-only state; other texts change nothing.
  void VarSetLength(TEtherCATVariableTable& table, const QString& type, int row);
  // A type chosen in the Type column: the type rule, the Type cell, the positions.
  void Choose_Type(TEtherCATVariableTable& table, int row, const QString& type);
  // Positions and start bits of both tables.
  void Calc_Positions();
};

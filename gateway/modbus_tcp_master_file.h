// The rule tables of the Modbus TCP master editor and their file
// ModbusTCPM_SetAccess.xml: the root "PROFINET_Master_to_Modbus_TCP_Master" holds
// the groups "Modbus_Read" and "Modbus_Write", one "row" per rule. The model holds
// both tables as cells (the form puts its column grids in front of them); check-box
// columns hold "Y" or "N" (an empty cell counts as off).
#pragma once

#include "app/editor_file/editor_file.h"

#include <QStringList>

// Columns shared by both tables.
inline constexpr int kMB_Enable = 1;
inline constexpr int kMB_IP_Address = 2;
inline constexpr int kMB_Port = 3;
inline constexpr int kMB_Slave_ID = 4;
inline constexpr int kMB_Type = 5;
inline constexpr int kMB_Address = 6;
inline constexpr int kMB_NPoint = 7;
inline constexpr int kMB_PollTime = 8;
// Read table.
inline constexpr int kMBR_MaxError = 9;
inline constexpr int kMBR_Position = 10;
inline constexpr int kMBR_Bit = 11;
inline constexpr int kMBR_Swap = 12;
inline constexpr int kMBR_SwapWord = 13;
inline constexpr int kMBR_Topic = 14;
inline constexpr int kMBR_Mnemonic = 15;
inline constexpr int kMBR_ColCount = 16;
// Write table.
inline constexpr int kMBW_OnChange = 9;
inline constexpr int kMBW_OnCMD = 10;
inline constexpr int kMBW_MaxError = 11;
inline constexpr int kMBW_Position = 12;
inline constexpr int kMBW_Bit = 13;
inline constexpr int kMBW_Swap = 14;
inline constexpr int kMBW_SwapWord = 15;
inline constexpr int kMBW_Mnemonic = 16;
inline constexpr int kMBW_ColCount = 17;
inline constexpr int kMB_RowCount = 513;  // the title row and 512 rules
// The rules one table holds: readers of the file take no more.
inline constexpr int kMB_Max_Rules = kMB_RowCount - 1;

// Size of the converter's input and output data arrays.
inline constexpr int32_t kMB_Data_Bytes = 1500;

// The file's layout: Enable ("Y"), Swap, SwapWord, OnCMD ("N") and Index_Topic
// (no topic) have defaults; every other attribute and both groups are required.
// The Read table's Topic column is stored as the topic's index ("Index_Topic").
extern const TEditorFileLayout Modbus_TCP_Master_File_Layout;

class TModbusTCPMasterModel {
public:
  TModbusTCPMasterModel();

  TTextTable Read{kMBR_ColCount, kMB_RowCount};
  TTextTable Write{kMBW_ColCount, kMB_RowCount};
  // Topic names offered in the Read table's Topic column; none in this model.
  QStringList List_Publish_Topic;
  int32_t NByte_IN = kMB_Data_Bytes;
  int32_t NByte_OUT = kMB_Data_Bytes;

  // Both tables back to empty rows with Enable "Y".
  void Reset();

  // The show step: resets both tables and fills them from the file. A missing file
  // is no error. A file that cannot be read or is not well-formed, a missing group
  // or a row without a required attribute stops the loading: the rows and cells read
  // before stay, and the reason is answered. An empty text when all was read.
  QString Load(const QString& path);

  // Writes both tables from row 1 until the first row whose trimmed Slave IP Address
  // is empty; the Topic column as its index. Raises EFileError when the file cannot
  // be written; the old file then stays.
  void Save(const QString& path) const;

  // Index of the first topic equal to the text, -1 when none.
  int Get_Index_From_Topic(const QString& topic) const;
  // The topic at the index; empty outside the list.
  QString Get_Topic_From_Index(int index) const;
};

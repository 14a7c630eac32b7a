// The Modbus RTU master rules (ModbusM_SetAccess.xml, root "EtherNetIP_to_Modbus"):
// the requests the converter, master on the serial line, sends to its slaves. Two
// tables of 512 rules, "Modbus_Read" (data into the input area) and "Modbus_Write"
// (data from the output area), keyed on the trimmed Slave ID, with an Enable
// column. Enable, Swap, SwapWord, OnCMD and the Read table's Index_Topic are read
// with defaults, every other attribute bare.
//
// The Read table has a Topic column linked to a list of topic names by index: the
// file stores the index ("Index_Topic"), the grid the name. Nothing fills the list
// and each showing hides the column, so every saved Index_Topic is empty.
#pragma once

#include "app/table_editor/table_editor_spec.h"

#include <QStringList>
#include <vector>

// Columns of the Read table.
inline constexpr int kMRR_Slave_ID = 2;
inline constexpr int kMRR_Type = 3;
inline constexpr int kMRR_Position = 8;
inline constexpr int kMRR_Bit = 9;
inline constexpr int kMRR_Topic = 12;
// Columns of the Write table.
inline constexpr int kMRW_Position = 10;
inline constexpr int kMRW_Bit = 11;

// The size of the converter's input and output areas.
inline constexpr int kModbus_RTU_Area = 1500;
inline constexpr int kModbus_RTU_Rules = 512;

extern const TTableEditorSpec Modbus_RTU_Spec;

// The Read table's topic link: the names the Topic column offers, the item index
// last chosen in each row's combo (-1 for none) and whether the column is shown.
struct TModbusTopicLink {
  QStringList List_Publish_Topic;
  std::vector<int> ComboItem_Topic = std::vector<int>(kModbus_RTU_Rules, -1);
  bool Shown = false;

  // The name at index i, empty outside the list.
  QString Get_Topic_From_Index(int i) const;
  // The remembered index when it names an entry equal to the topic (exactly), else
  // the first entry equal to it, else -1.
  int Get_Index_From_Topic(const QString& topic, int remembered) const;
  // The remembered index of a row (1-based), -1 beyond the list of indexes.
  int Remembered(int row) const;
};

// The checks of both tables: the Read table first, each from row 1 to the first
// empty Slave ID, disabled rows skipped; the Topic is checked only while its column
// is shown. The first failure with its row.
std::optional<TRowCheckFailure> Check_Modbus_RTU_Tables(const TEditorTable& read, const TEditorTable& write,
                                                        bool topicShown);

// After a load: each Read row's Topic cell holds the stored index; it becomes the
// name of that index, and the index is remembered for the row.
void Link_Loaded_Topics(TEditorTable& read, TModbusTopicLink& link);
// Writes the file from both tables as OK does, the Topic column as its index
// (empty while the column is hidden). Raises EFileError when it cannot.
void Save_Modbus_RTU_File(const QString& path, const TEditorTable& read, const TEditorTable& write,
                          const TModbusTopicLink& link);

// The MQTT topic tables (MQTT_Set_Topic.xml, root "MQTT_Set_Topic"): the topics the
// converter publishes from its input area ("MQTT_Publish") and the topics whose
// values it writes into its output area ("MQTT_Subscribe"), 1024 rows each, keyed
// by the Topic (trimmed), without Enable column.
//
// The grids carry the columns of several layouts of the family (Ethernet message
// bridging, DALI channel, Modbus byte and word swap); this program always shows
// layout 1, in which those columns are hidden. Hidden columns with an attribute
// still travel through the file unchanged; OnCMD, Channel, Swap and Swap Word have
// none: they are never written, and a loaded row sets them to empty, empty, "N"
// and "N". The checks of a hidden column do not run.
#pragma once

#include "app/table_editor/table_editor_spec.h"

#include <QString>

// Columns of the publish grid.
inline constexpr int kPub_Topic = 1;
inline constexpr int kPub_DataType = 4;
inline constexpr int kPub_Dimension = 5;
inline constexpr int kPub_Position = 6;
inline constexpr int kPub_IPAddress = 7;
inline constexpr int kPub_InputTemplate = 8;
inline constexpr int kPub_Template = 9;
inline constexpr int kPub_OnTimer = 12;
inline constexpr int kPub_Time = 13;
// Columns of the subscribe grid.
inline constexpr int kSub_Topic = 1;
inline constexpr int kSub_DataType = 4;
inline constexpr int kSub_Dimension = 5;
inline constexpr int kSub_Position = 6;
inline constexpr int kSub_IPAddress = 7;
inline constexpr int kSub_Port = 8;
inline constexpr int kSub_InputTemplate = 10;
inline constexpr int kSub_Template = 11;

// The size of both areas (Byte_IN, Byte_OUT).
inline constexpr int kMQTT_Area = 1500;

// The columns hidden in layout 1, by real index.
inline constexpr int kMQTT_Pub_Hidden[] = {7, 8, 11, 14, 15, 16};
inline constexpr int kMQTT_Sub_Hidden[] = {2, 7, 8, 9, 10, 12, 13};
// Whether a column is shown in layout 1 (table 0 publish, 1 subscribe).
bool MQTT_Column_Shown(int table, int col);

// A template or topic whose "$" signs do not pair up (an odd count): keywords stand
// between two "$". True means an error.
bool Error_In_Topic_Template(const QString& Str);

extern const TTableEditorSpec MQTT_Set_Topic_Spec;

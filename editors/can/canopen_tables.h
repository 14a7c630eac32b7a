// The CANopen tables, each a two-table editor file with every attribute read bare
// (layout version 1.003):
//  - PDO_CANopen.xml (root "PDO_CANopen"): "Receive_PDO" and "Transmit_PDO", 30
//    rows each; per PDO its COB-ID (0 to 0x7FF), length (1 to 8), the area position
//    of each data byte (0 to 1499), and a time-out (receive) or send time and
//    on-change flag (transmit);
//  - SDO_Client_CANopen.xml (root "SDO_Client_CANopen"): "SDO_Read" and
//    "SDO_Write", 256 rows each; per request the device's node ID (1 to 127), the
//    entry's index (0x1000 to 0xFFFF), sub-index and size (1, 2 or 4 bytes), poll
//    time and the positions of its bytes;
//  - SDO_Server_CANopen.xml (root "SDO_Server_CANopen"): "SDO_Read" and
//    "SDO_Write", 500 rows each; per entry its index (0x2000 to 0x5FFF), sub-index,
//    size and the positions of its bytes.
// The key is column 1 (COB-ID, ID Device, Index), trimmed; no table has an Enable
// column. The EDS writer reads the PDO and the SDO server files.
#pragma once

#include "app/table_editor/table_editor_spec.h"

// PDO tables: COB-ID, Dimension, Add B1 .. Add B8 in columns 1 to 10.
inline constexpr int kPDO_COB_ID = 1;
inline constexpr int kPDO_Dimension = 2;
inline constexpr int kPDO_Address_B1 = 3;
// The size of the converter's data area that the position columns index.
inline constexpr int kCANopen_Area = 1500;

extern const TTableEditorSpec PDO_Spec;
extern const TTableEditorSpec SDO_Client_Spec;
extern const TTableEditorSpec SDO_Server_Spec;

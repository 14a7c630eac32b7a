// The raw CAN frame tables: the frames the converter receives (CAN_Rec_Frames.xml,
// root "Receive_Frames") and the frames it sends (CAN_Send_Frames.xml, root
// "Transmit_Frames"), one row per frame with its identifier (CobID, 11 or 29 bits
// by its Type), length, time-out or send timer, and the area position of each data
// byte ("None" drops the byte). Both files are read guarded; the transmit Time
// defaults to "0" only for a row whose OnTimer was just read as "Y".
#pragma once

#include "app/table_editor/table_editor_spec.h"

// Columns of the receive table.
inline constexpr int kCANR_Type = 3;
inline constexpr int kCANR_Dim = 4;
inline constexpr int kCANR_TimeOut = 5;
inline constexpr int kCANR_Byte1 = 6;
// Columns of the transmit table.
inline constexpr int kCANT_Type = 3;
inline constexpr int kCANT_Dim = 4;
inline constexpr int kCANT_OnTimer = 7;
inline constexpr int kCANT_Time = 8;
inline constexpr int kCANT_Byte1 = 9;

inline constexpr const char16_t* kCAN_Type_11 = u"2.0A (11 bits)";
inline constexpr const char16_t* kCAN_Type_29 = u"2.0B (29 bits)";

extern const TTableEditorSpec Receive_CAN_Spec;
extern const TTableEditorSpec Transmit_CAN_Spec;

// The J1939 and NMEA 2000 frame tables, one check module for both families: the
// messages the converter captures from the bus into its input area and the
// messages it sends from its output area. Every attribute is read guarded; keys
// are tested as they stand.
//  - J1939_Rec_Frames.xml (root "Receive_J1939", 512 rows, key PGN): data page,
//    PGN (to 0xFFFF), source address (to 239), transport protocol or single
//    frame with the bytes to capture, the time-out flag, and a periodic request
//    (2 to 10000000 ms); at most 1440 bytes in all.
//  - J1939_Send_Frames.xml (root "Transmit_J1939", 512 rows): priority, data page,
//    PGN (to 0x1FFFF), source address (to 255), byte count (1 to 512) and when the
//    frame is sent; at most 512 bytes in all. Older files name the sending rule in
//    one attribute T_Type; a missing or empty byte count reads "8".
//  - NMEA_Rec_Frames.xml and NMEA_Send_Frames.xml (both root "Receive_NMEA_2000",
//    62 rows, layout 1.001): as J1939 without data page and request time, PGN to
//    0x1FFFF and source address to 239 in both, a received message may travel in
//    fast packets (to 223 bytes), a sent one may have 0 bytes, 512 bytes in all.
// A sending table's used rows end at the first empty Priority, for the check as
// for the file, so no row is saved that was not checked (an empty PGN then fails
// its range). A total of bytes too large names no row.
#pragma once

#include "app/table_editor/table_editor_spec.h"

extern const TTableEditorSpec Receive_J1939_Spec;
extern const TTableEditorSpec Transmit_J1939_Spec;
extern const TTableEditorSpec Receive_NMEA_Spec;
extern const TTableEditorSpec Transmit_NMEA_Spec;

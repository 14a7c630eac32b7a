// The IEC 61850 server variables (IEC61850_Variables.xml, root "IEC61850_Variables",
// rows directly in the root): the variables the converter offers to IEC 61850
// clients, 50 rows keyed by the Name (trimmed), each with its type and length,
// read-only flag and place in the input area (NByte_IN = 1438 bytes), start bit,
// conversion, multiplication factor and swaps. A row is checked when its Enable,
// trimmed, is "Y". Every attribute is read guarded.
#pragma once

#include "app/table_editor/table_editor_spec.h"

inline constexpr int kIECV_Enable = 1;
inline constexpr int kIECV_Name = 2;
inline constexpr int kIECV_Type = 3;
inline constexpr int kIECV_Length = 4;
inline constexpr int kIECV_Position = 6;
inline constexpr int kIECV_StartBit = 7;
inline constexpr int kIECV_Conversion = 8;
inline constexpr int kIECV_MultFactor = 9;

inline constexpr int kIECV_NByte_IN = 1438;

extern const TTableEditorSpec IEC61850_Variables_Spec;

// What the gateway's own rule editors (the EtherCAT process data and the Modbus TCP
// master rules) share on the table-editor base, unlike the sibling models' editors:
// L_SW_Code in bold, no hints on the buttons and grids, and their own texts for the
// rows that OK would lose below an empty key, the rows beyond the grids and a file
// that could not be written.
#pragma once

#include "app/table_editor/table_editor_spec.h"

// The description's frame: form `name`, `width` wide; the frame texts from `first`
// and `firstHint` (Set_Frame_Texts); the file at `*path`; the "Error row " text
// `rowPrefix`; the three own messages from `messages` on (lost rows, surplus rows,
// not saved). The tables and the rest are the editor's.
TTableEditorSpec Gateway_Editor_Spec(const QString& name, int width, int first, int firstHint, QString* path,
                                     int rowPrefix, int messages);

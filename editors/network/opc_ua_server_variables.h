// The variables the converter's own OPC UA server offers (OPC_UA_Server.xml, root
// "OPC_UA_Server", table "OPC_UA_Server_Variables"): one row per variable with its
// Enable box, Type, byte Position and Length in the exchange area, Name, R/W and
// Mnemonic, every attribute read with a default. The Length follows the Type: fixed
// and locked for the fixed-size types, "10" and free for String and ByteString.
#pragma once

#include "app/table_editor/table_editor_spec.h"

#include <QStringList>
#include <optional>

inline constexpr int kOS_Enable = 1;
inline constexpr int kOS_Type = 2;
inline constexpr int kOS_Position = 3;
inline constexpr int kOS_Length = 4;
inline constexpr int kOS_Name = 5;
inline constexpr int kOS_ReadWrite = 6;
inline constexpr int kOS_Mnemonic = 7;
inline constexpr int kOS_Rows = 250;
// The exchange area the positions index.
inline constexpr int kOS_Area = 2000;

extern const TTableEditorSpec OPC_UA_Server_Spec;

// The Type column's items and the R/W column's items.
extern const QStringList kOS_Var_Types;
extern const QStringList kOS_RW_Types;

// What a type gives its row's Length: the text and whether the cell is locked.
struct TOS_Length {
  QString Length;
  bool ReadOnly = false;
};
// Compared exactly as written; nothing for a text that is no type.
std::optional<TOS_Length> OS_Type_Length(const QString& type);

// The type rule on one row: the Length cell by the type (unchanged for another
// text), then "Read/Write" into an empty R/W cell. Answers the Length cell's
// read-only state when the type sets it.
std::optional<bool> OS_VarSetLength(TEditorTable& table, const QString& type, int row);

// The check of OK over every data row (also those below an empty Type): a row
// whose Type, trimmed, is not empty and whose Enable is "Y" needs a Position from
// 0 to kOS_Area - 1. The first failing row's message; empty when all pass.
QString OS_Check(const TEditorTable& table);

// The SNMP MIB module of the SNMP agent models: an SMIv2 text that describes the
// agent's objects and notifications to SNMP managers, made from SNMP_Trap.xml. The
// enabled rows of "SNMP_Trap_Read", numbered from 1 in file order, become the
// read-only objects bufferinval.n and the notifications trapval n; the enabled rows
// of "SNMP_Trap_Write" the read-write objects bufferoutval.n. Each object is named
// by its description (bufferinval n / bufferoutval n without one) and is an
// INTEGER when its Type is "Int" (any case), an OCTET STRING otherwise. The head,
// the fixed objects and the tree are always the same; the maker's identifiers are
// in mib_identity.h. Written in Windows-1252, every line ended by CR LF; nothing in
// it depends on the date.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The most objects of each table the module numbers (the editor's grid size).
inline constexpr int kMIB_Max_Objects = 256;

// Entry n - 1: whether the n-th enabled row of the read or write table is an
// integer object. The description lists are SNMP_Read_Descriptions and
// SNMP_Write_Descriptions (app/state/comon.h).
extern std::array<bool, kMIB_Max_Objects> SNMP_Read_Int_Flags;
extern std::array<bool, kMIB_Max_Objects> SNMP_Write_Int_Flags;

// Reads the enabled rows of the file at `path` (File_SNMP_Trap) into the
// description lists and flags, which it clears first; no file leaves them empty.
// Returns what the user should know: enabled rows beyond the first 256 of a table,
// which the module leaves out. Raises an Exception for a file that cannot be read
// or lacks one of its two table elements.
QStringList Load_SNMP_Trap_Rows(const QString& path);
// The module's lines from the description lists and flags.
QStringList SNMP_MIB_Lines();
// Writes the module to `fileName`, replacing the file there. Raises EFileError
// when it cannot.
void Write_SNMP_MIB_File(const QString& fileName);

// Loading of the project files that the device images and the slave information file
// are built from, with the rules all their readers share.
#pragma once

#include "platform/xml/xml_document.h"

#include <QString>

// Loads `path` into `doc` and returns its root element, or a null node when the file
// does not exist (a missing project file is no error). Raises EFileError naming
// the file when it cannot be read, is not well-formed or holds no root element.
TXMLNode Load_Project_File(TXMLDocument& doc, const QString& path);

// The child `name` of `parent`; raises EFileError naming the file and the group
// when it is missing.
TXMLNode Required_Group(const TXMLNode& parent, const QString& name, const QString& path);

// The row elements of a table group. Raises EFileError naming the file and the
// group when it holds more than `maxRows`, the rows its editor shows: a file with
// more was not written by the editor, and the editor would drop the rest.
QList<TXMLNode> Table_Rows(const TXMLNode& group, int maxRows, const QString& path);

// Raises EFileError for row `row` (1-based, as the editor numbers it) of a table
// group: "The file "<path>": row <row> of "<group>" <what>."
[[noreturn]] void Refuse_Table_Row(const QString& path, const TXMLNode& group, int row, const QString& what);

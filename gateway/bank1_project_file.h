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

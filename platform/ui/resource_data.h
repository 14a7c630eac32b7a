// Data compiled into the program (stands for the module's RCDATA resources): a
// named block of bytes. The program's own come from the compiled resources
// (":/rcdata/<name>"); further folders can be added to the search prefix
// "rcdata" (QDir search paths), which tests use for their own resources.
#pragma once

#include <QByteArray>
#include <QString>

// False when there is no resource of that name (the name as written).
bool ReadResourceData(const QString& Name, QByteArray& Data);

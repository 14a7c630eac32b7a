// The class library's colour names: the identifiers of the plain colours, of
// clNone and clDefault and of the system colours ("clBlack", "clWindow" ...),
// and the colour text of settings files: a name, or "$" and eight hexadecimal
// digits for a colour without one.
#pragma once

#include <QString>

#include "platform/ui/graphics.h"

// The colour's identifier; false (Ident untouched) for a colour without one.
bool ColorToIdent(TColor Color, QString& Ident);
// The colour of an identifier, compared without regard to letter case.
bool IdentToColor(const QString& Ident, TColor& Color);
// The identifier, else "$" and eight upper-case hexadecimal digits.
QString ColorToString(TColor Color);
// An identifier or an integer in the runtime's syntax ("$1FFFFFFF", "255");
// false for anything else.
bool TryStringToColor(const QString& Text, TColor& Color);

// Checks of SNMP object identifiers, user names and pass phrases, and the code of
// a security level text. Each returns a code that the caller turns into its text.
#pragma once

#include <QString>

// 0 for a valid object identifier, else the first fault in this order:
// 1 longer than 61 characters, 2 a character other than a digit or "." (also the
// empty text, which names no object), 3 a "." first, 4 a "." last, 5 two "." in a
// row, 6 a component above 4294967295.
int Check_OID_Text(const QString& text);

// 1 longer than 15 characters; 2 shorter than 8 (shorter than 1 when `shortText`);
// 3 a character other than 0-9, A-Z, a-z; else 0.
int Check_SNMP_Password(const QString& text, bool shortText);

// Trimmed and upper-cased: "AUTH NOPRIV" 1, "AUTH PRIV" 3, empty -1, anything else 0.
int SNMP_Security_Level_Code(const QString& text);

// Texts for 8-bit files in the OEM (DOS) code page. StringToOem keeps the OEM
// bytes as characters of the ANSI code page, so that writing the text in the ANSI
// code page yields the OEM bytes; OemToString is the reverse.
#pragma once

#include <QString>

void StringToOem(QString& Text);
void OemToString(QString& Text);

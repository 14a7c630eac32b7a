#include "grid/base/oem_text.h"

#include "platform/rtl/codepage.h"

void StringToOem(QString& Text) { Text = DecodeWindows1252(EncodeOemCodePage(Text)); }

void OemToString(QString& Text) { Text = DecodeOemCodePage(EncodeWindows1252(Text)); }

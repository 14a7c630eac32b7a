#include "grid/base/locale_format.h"

#include "platform/rtl/date_format.h"
#include "platform/rtl/locale_settings.h"

QChar GetDecimalSeparator() { return FormatSettings().DecimalSeparator; }
QChar GetThousandSeparator() { return FormatSettings().ThousandSeparator; }
QChar GetDateSeparator() { return FormatSettings().DateSeparator; }
QChar GetTimeSeparator() { return FormatSettings().TimeSeparator; }
QString GetShortDateFormat() { return FormatSettings().ShortDateFormat; }
QString GetShortTimeFormat() { return QStringLiteral("hh:nn"); }
QString GetLongTimeFormat() { return LongTimeFormat(); }

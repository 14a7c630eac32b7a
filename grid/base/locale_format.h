// The grid suite's accessors of the process's locale format settings, read at
// each call so that the number and date routines follow the current settings.
#pragma once

#include <QChar>
#include <QString>

QChar GetDecimalSeparator();
QChar GetThousandSeparator();
QChar GetDateSeparator();
QChar GetTimeSeparator();
QString GetShortDateFormat();
// The runtime library's short and long time formats (h, n, s).
QString GetShortTimeFormat();
QString GetLongTimeFormat();

// The OPC UA editors' messages with numbers in them: a language text whose "%d"
// placeholders take the numbers in order.
#pragma once

#include "platform/rtl/strings.h"

#include <QString>
#include <cstdint>
#include <initializer_list>

inline QString Format_Numbers(QString text, std::initializer_list<int64_t> numbers) {
  qsizetype from = 0;
  for (const int64_t n : numbers) {
    const qsizetype at = text.indexOf(QStringLiteral("%d"), from);
    if (at < 0) break;
    const QString value = IntToStr(n);
    text.replace(at, 2, value);
    from = at + value.size();
  }
  return text;
}

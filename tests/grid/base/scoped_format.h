// Installs locale format settings for one test and restores the system's after it.
#pragma once

#include "platform/rtl/locale_settings.h"

struct ScopedFormat {
  explicit ScopedFormat(const TFormatSettings& s) { SetFormatSettings(s); }
  ~ScopedFormat() { SetFormatSettings(std::nullopt); }
  ScopedFormat(const ScopedFormat&) = delete;
  ScopedFormat& operator=(const ScopedFormat&) = delete;
};

inline TFormatSettings UsFormat() { return {u'.', u',', u'/', u':', QStringLiteral("M/d/yyyy"), false}; }
inline TFormatSettings UkFormat() { return {u'.', u',', u'/', u':', QStringLiteral("dd/MM/yyyy"), false}; }
inline TFormatSettings GermanFormat() { return {u',', u'.', u'.', u':', QStringLiteral("dd.MM.yyyy"), false}; }

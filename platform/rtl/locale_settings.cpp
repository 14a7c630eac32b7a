#include "platform/rtl/locale_settings.h"

#include <QLocale>

namespace {

std::optional<QString>& installedSetting() {
  static std::optional<QString> setting;
  return setting;
}

}  // namespace

QString UserDecimalSetting() {
  if (installedSetting()) return *installedSetting();
  return QLocale::system().decimalPoint();
}

void SetUserDecimalSetting(std::optional<QString> setting) { installedSetting() = std::move(setting); }

QChar DecimalSeparator() {
  const QString setting = UserDecimalSetting();
  return setting.startsWith(u'.') ? QChar(u'.') : QChar(u',');
}

namespace {

std::optional<TFormatSettings>& installedFormat() {
  static std::optional<TFormatSettings> settings;
  return settings;
}

// The first character of a format that is no letter and no blank: the separator
// the locale writes between its fields.
QChar firstSeparator(const QString& format, QChar fallback) {
  for (QChar c : format)
    if (!c.isLetter() && c != u' ' && c != u'\'') return c;
  return fallback;
}

TFormatSettings systemFormat() {
  const QLocale locale = QLocale::system();
  TFormatSettings s;
  const QString decimal = locale.decimalPoint();
  const QString group = locale.groupSeparator();
  if (!decimal.isEmpty()) s.DecimalSeparator = decimal[0];
  if (!group.isEmpty()) s.ThousandSeparator = group[0];
  s.ShortDateFormat = locale.dateFormat(QLocale::ShortFormat);
  s.DateSeparator = firstSeparator(s.ShortDateFormat, s.DateSeparator);
  s.TimeSeparator = firstSeparator(locale.timeFormat(QLocale::ShortFormat), s.TimeSeparator);
  s.MiddleEast = locale.textDirection() == Qt::RightToLeft;
  return s;
}

}  // namespace

TFormatSettings FormatSettings() {
  if (installedFormat()) return *installedFormat();
  static const TFormatSettings system = systemFormat();  // read once: number and date reading runs per cell
  return system;
}

void SetFormatSettings(std::optional<TFormatSettings> settings) { installedFormat() = std::move(settings); }

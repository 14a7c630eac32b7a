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

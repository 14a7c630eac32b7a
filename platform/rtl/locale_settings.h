// The user's regional settings as the program reads them: stands for the profile
// value "sDecimal" of section "Intl". Read from the system locale unless a test
// installs its own value.
#pragma once

#include <QChar>
#include <QString>
#include <optional>

// The user's decimal separator setting as text (empty when there is none).
QString UserDecimalSetting();
// Installs a setting for tests; std::nullopt goes back to the system locale.
void SetUserDecimalSetting(std::optional<QString> setting);

// The decimal separator the program uses: "." when the user's setting starts with
// ".", else "," (also when the setting is missing or anything else).
QChar DecimalSeparator();

// The runtime library's format settings of the process: the separators and the
// short date format that number and date texts are read with. Read from the system
// locale unless a test installs its own. Independent of the decimal setting above,
// which follows the program's own rule.
struct TFormatSettings {
  QChar DecimalSeparator = u'.';
  QChar ThousandSeparator = u',';
  QChar DateSeparator = u'/';
  QChar TimeSeparator = u':';
  QString ShortDateFormat = QStringLiteral("M/d/yyyy");  // the order of d, M and y counts
  bool MiddleEast = false;                                // a right-to-left system locale
};

TFormatSettings FormatSettings();
// Installs settings for tests; std::nullopt goes back to the system locale.
void SetFormatSettings(std::optional<TFormatSettings> settings);

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

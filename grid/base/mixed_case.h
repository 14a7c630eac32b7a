// Mixed-case entry of names: each word starts with a capital, the rest is lower
// case, with the rules for "Mc" (McDonald) and trailing Roman numerals (Henry III).
#pragma once

#include <QString>

QString ToMixedCase(const QString& Text);

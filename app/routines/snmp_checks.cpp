#include "app/routines/snmp_checks.h"

#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

#include <QStringList>

namespace {

constexpr int kMaxOIDLength = 61;
constexpr int64_t kMaxOIDComponent = 4294967295LL;
constexpr int kMaxPasswordLength = 15;
constexpr int kMinPasswordLength = 8;

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isLetterOrDigit(QChar c) { return isDigit(c) || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

bool componentTooLarge(const QString& component) {
  int64_t v = 0;
  return !TryStrToInt64(Trim(component), v) || v > kMaxOIDComponent;
}

}  // namespace

int Check_OID_Text(const QString& text) {
  if (text.size() > kMaxOIDLength) return 1;
  if (text.isEmpty()) return 2;
  for (QChar c : text)
    if (c != u'.' && !isDigit(c)) return 2;
  if (text.front() == u'.') return 3;
  if (text.back() == u'.') return 4;
  if (text.contains(QStringLiteral(".."))) return 5;
  for (const QString& component : text.split(u'.'))
    if (componentTooLarge(component)) return 6;
  return 0;
}

int Check_SNMP_Password(const QString& text, bool shortText) {
  if (text.size() > kMaxPasswordLength) return 1;
  if (text.size() < (shortText ? 1 : kMinPasswordLength)) return 2;
  for (QChar c : text)
    if (!isLetterOrDigit(c)) return 3;
  return 0;
}

int SNMP_Security_Level_Code(const QString& text) {
  const QString level = UpperCase(Trim(text));
  if (level == QLatin1String("AUTH NOPRIV")) return 1;
  if (level == QLatin1String("AUTH PRIV")) return 3;
  if (level.isEmpty()) return -1;
  return 0;
}

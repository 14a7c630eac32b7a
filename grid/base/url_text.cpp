// Web and mail addresses in cell texts.
#include "grid/base/url_text.h"

#include "platform/rtl/strings.h"

bool IsUrl(const QString& Text) {
  return Text.contains(QStringLiteral("://")) || Text.contains(QStringLiteral("mailto:"));
}

QString StripUrlScheme(const QString& Text) {
  for (const QString marker : {QStringLiteral("://"), QStringLiteral("mailto:")}) {
    const int at = Text.indexOf(marker);
    if (at >= 0) return Text.mid(at + marker.size());
  }
  return Text;
}

namespace {

// Characters that continue an address.
bool IsUrlChar(QChar c) {
  const char16_t u = c.unicode();
  if (u > 255) return false;
  if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9')) return true;
  return QStringLiteral("%()-./:@\\_{}").contains(c);
}

}  // namespace

bool AutoLinkUrl(const QString& Text, const QString& Prefix, QString& Result) {
  // 1.
  if (!UpperCase(Text).contains(Prefix)) return false;
  // 2.
  QString r = Text;
  r.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
  r.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
  // 3.
  // (ASCII upper case keeps every position where it was.)
  const qsizetype p = UpperCase(r).indexOf(Prefix);
  if (p < 0) return false;
  qsizetype end = p;
  while (end < r.size() && IsUrlChar(r[end])) ++end;
  const QString address = r.mid(p, end - p);
  // 4.
  r.insert(end, QStringLiteral("</a>"));
  r.insert(p, QStringLiteral("<a href=\"") + address + QStringLiteral("\">"));
  Result = r;
  return true;
}

// Web and mail addresses in cell texts.
#include "grid/base/url_text.h"

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

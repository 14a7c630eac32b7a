#include "app/shell/web_links.h"

#include "app/state/comon.h"

namespace {

QString& siteOverride() {
  static QString site;
  return site;
}

QString Q(const char16_t* s) { return QString::fromUtf16(s); }

}  // namespace

QString Maker_Site() {
  if (!siteOverride().isEmpty()) return siteOverride();
  return QStringLiteral("http://") + Q(kMaker_Domain);
}

void Set_Maker_Site(const QString& site) {
  siteOverride() = site;
  while (siteOverride().endsWith(u'/')) siteOverride().chop(1);
}

QString Home_Page_Link() { return Maker_Site() + QStringLiteral("/HOME/default.asp?frompg=") + Q(kSW_Code); }

QString Download_Page_Link() { return Maker_Site() + QStringLiteral("/Home/download/download.asp#") + Q(kHW_Code); }

QString Version_Query_Link() { return Maker_Site() + QStringLiteral("/home/download/GetversionSW.asp?nomesw=") + Q(kSW_Code); }

QString Download_Link_Caption(const QString& text) {
  return QStringLiteral("<a href=\"%1\">%2</a>").arg(Download_Page_Link(), text);
}

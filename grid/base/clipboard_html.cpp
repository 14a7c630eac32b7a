#include "grid/base/clipboard_html.h"

namespace {

QString NumberLine(const char* Label, qsizetype Value) {
  return QString::fromLatin1(Label) + QStringLiteral("%1").arg(Value, 8, 10, QChar(u'0')) + QStringLiteral("\r\n");
}

}  // namespace

void BuildClipboardHtml(QString& Fragment) {
  static const QString kDocType =
      QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">");
  static const QString kStart = QStringLiteral(
      "<html><head><META http-equiv=Content-Type content=\"text/html; charset=iso-8859-1\"></head><body>"
      "<!--StartFragment-->");
  static const QString kEnd = QStringLiteral("<!--EndFragment--></body></html>");
  const qsizetype n = Fragment.size();
  QString header = QStringLiteral("Version:1.0\r\n");
  header += NumberLine("StartHTML:", 97);
  header += NumberLine("EndHTML:", n + 306);
  header += NumberLine("StartFragment:", 274);
  header += NumberLine("EndFragment:", n + 274);
  Fragment = header + kDocType + kStart + Fragment + kEnd;
}

#include "grid/base/rtf_text.h"

#include "platform/ui/rich_text_rtf.h"

QString RtfToPlainText(const QString& Rtf) {
  QString out;
  for (const TRichRun& run : ReadRtf(Rtf)) out += run.Text;
  out.replace(u'\n', QStringLiteral("\r\n"));
  return out;
}

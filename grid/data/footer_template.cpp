#include "grid/data/footer_template.h"

#include "platform/rtl/numbers.h"

QString ExpandFooterTemplate(const QString& Template, int Columns, const std::function<QString(int)>& ColumnText) {
  QString out;
  qsizetype at = 0;
  for (;;) {
    const qsizetype tag = Template.indexOf(QLatin1String("<#"), at);
    const qsizetype close = tag < 0 ? -1 : Template.indexOf(u'>', tag + 2);
    if (close < 0) break;
    out += Template.mid(at, tag - at);
    int column = -1;
    if (TryStrToInt(Template.mid(tag + 2, close - tag - 2), column) && column >= 0 && column < Columns)
      out += ColumnText(column);
    at = close + 1;
  }
  return out + Template.mid(at);
}

#include "editors/fieldbus/ede_import.h"

#include "platform/rtl/codepage.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

#include <QStringList>

namespace {

constexpr int kHeader_Line = 6;
constexpr int kFields = 16;

QStringList Split_Lines(const QString& text) {
  QStringList lines;
  qsizetype start = 0;
  const qsizetype n = text.size();
  while (start < n) {
    qsizetype i = start;
    while (i < n && text[i] != u'\r' && text[i] != u'\n') ++i;
    lines.append(text.mid(start, i - start));
    if (i < n && text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  return lines;
}

// The first line of data, -1 when the file has no header line.
int First_Data_Line(const QStringList& lines) {
  if (lines.size() <= kHeader_Line) return -1;
  if (Is_EDE_Header_Line(lines[kHeader_Line])) return kHeader_Line + 2;
  int last = -1;
  for (int i = 0; i < int(lines.size()); ++i)
    if (Is_EDE_Header_Line(lines[i])) last = i;
  return last < 0 ? -1 : last + 2;
}

}  // namespace

bool Is_EDE_Header_Line(const QString& line) {
  const QString s = Trim(line);
  return s.startsWith(u'#') && Trim(s.mid(1)).startsWith(QStringLiteral("mandatory"));
}

TBACnet_Var Read_EDE_Line(const QString& line) {
  // The first 15 fields end at the next ";" (a field past the last ";" is empty);
  // the rest of the line, without one trailing ";", is the sixteenth.
  QString rest = Trim(line);
  QString f[kFields];
  for (int i = 0; i < kFields - 1; ++i) {
    const qsizetype semicolon = rest.indexOf(u';');
    if (semicolon < 0) continue;
    f[i] = Trim(rest.left(semicolon));
    rest = rest.mid(semicolon + 1);
  }
  rest = Trim(rest);
  if (rest.endsWith(u';')) rest.chop(1);
  f[kFields - 1] = Trim(rest);

  TBACnet_Var v;
  v.keyname = f[0];
  v.device_obj_instance = StrToIntDef(f[1], -1);
  v.object_name = f[2];
  v.object_type = StrToIntDef(f[3], -1);
  v.object_instance = StrToIntDef(f[4], -1);
  v.description = f[5];
  v.present_value_default = f[6];
  v.min_present_value = f[7];
  v.max_present_value = f[8];
  v.commandable = UpperCase(f[9]) == u"Y";
  v.support_COV = UpperCase(f[10]) == u"Y";
  v.hi_limit = f[11];
  v.low_limit = f[12];
  v.stete_text_reference = f[13];
  v.unit_code = f[14];
  v.vendor_specific_address = f[15];
  return v;
}

bool EDE_Type_Served(int32_t type) {
  for (int32_t served : {0, 1, 2, 3, 4, 5, 13, 14, 19, 21, 22, 23, 45, 46, 48})
    if (type == served) return true;
  return false;
}

QList<TBACnet_Var> Load_EDE_Text(const QString& text) {
  QList<TBACnet_Var> objects;
  const QStringList lines = Split_Lines(text);
  const int first = First_Data_Line(lines);
  if (first < 0) return objects;
  for (int i = first; i < int(lines.size()); ++i) {
    if (Trim(lines[i]).isEmpty()) continue;
    TBACnet_Var v = Read_EDE_Line(lines[i]);
    if (!EDE_Type_Served(v.object_type)) continue;
    v.import = true;
    v.read = true;
    v.write = v.commandable;
    objects.append(v);
  }
  return objects;
}

QList<TBACnet_Var> Load_EDE_Bytes(const QByteArray& bytes) { return Load_EDE_Text(DecodeTextFile(bytes)); }

// The readers of the grid's own files and streams: the binary cell stream, the
// text cell file and stream, CSV, XML, fixed-width text, the column states line,
// the visual properties file and settings sections. The input's first byte picks the
// reader (and its options in the higher bits); the rest is the file.
// Invariants: nothing a reader accepts breaks its limits; a cell stream written
// again from what was read reads the same; every CSV field read is written and
// read back unchanged in both dialects.
#include <algorithm>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "grid/data/cell_stream.h"
#include "grid/data/csv_format.h"
#include "grid/data/file_limits.h"
#include "grid/data/settings_text.h"
#include "grid/data/text_cells_format.h"
#include "grid/data/text_file.h"
#include "grid/data/xml_cells.h"
#include "platform/os/ini_file.h"
#include "platform/rtl/component_stream.h"
#include "platform/rtl/exceptions.h"

namespace {

bool SameCells(const TCellStreamContent& a, const TCellStreamContent& b) {
  if (a.Cells.size() != b.Cells.size() || a.Header.ColCount != b.Header.ColCount ||
      a.Header.RowCount != b.Header.RowCount || a.Header.FullGrid != b.Header.FullGrid)
    return false;
  for (size_t i = 0; i < a.Cells.size(); ++i) {
    const TStreamedCell &x = a.Cells[i], &y = b.Cells[i];
    if (x.Col != y.Col || x.Row != y.Row || x.Text != y.Text || x.HasProp != y.HasProp ||
        (x.HasProp && x.HasGraphic != y.HasGraphic) || x.Strings != y.Strings || x.Bitmap != y.Bitmap)
      return false;
  }
  return true;
}

void CellStream(const QByteArray& bytes) {
  TCellStreamContent content;
  try {
    content = ReadCellStream(bytes);
  } catch (const EReadError&) {
    return;
  }
  Fuzz_Require(content.Header.ColCount <= kMaxFileColumns && content.Header.RowCount <= kMaxFileRows,
               "a cell stream header beyond the limits was accepted");
  QByteArray again;
  TCellStreamWriter w(again);
  w.WriteHeader(content.Header);
  for (const TStreamedCell& c : content.Cells) w.WriteCell(c);
  Fuzz_Require(SameCells(ReadCellStream(again), content), "a cell stream written again reads differently");
}

void TextCells(const QByteArray& bytes, bool stream) {
  if (stream) {
    qsizetype used = 0;
    try {
      (void)ParseTextCellStream(bytes, used);
    } catch (const EConvertError&) {
      return;
    }
    Fuzz_Require(used >= 0 && used <= bytes.size(), "the text cell stream used bytes it does not have");
    return;
  }
  (void)ParseTextCellFile(SplitTextLines(DecodeTextFile(bytes)));
}

void Csv(const QByteArray& bytes, int options) {
  const QStringList lines = SplitTextLines(DecodeTextFile(bytes));
  if (lines.isEmpty()) return;
  const QChar d = DetectCsvDelimiter(lines[0], lines.value(1));
  TCsvDialect dialect;
  dialect.Delimiter = d.isNull() ? QChar(u',') : d;
  dialect.JavaCSV = options & 1;
  dialect.AlwaysQuotes = options & 2;
  for (const QString& line : lines.mid(0, 200)) {
    for (const QString& field : SplitCsvLine(line, d, dialect.JavaCSV)) {
      // Lone line feeds and carriage returns come back as CR LF: compare those forms.
      QString expected = field;
      expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
      if (dialect.JavaCSV) expected.remove(u'\n');
      const QStringList back = SplitCsvLine(CsvField(field, dialect), dialect.Delimiter, dialect.JavaCSV);
      QString got = back.value(0);
      got.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
      if (dialect.JavaCSV) got.remove(u'\n');
      if (dialect.JavaCSV && expected.contains(u'~')) continue;  // the dialect's own line-break mark
      Fuzz_Require(back.size() <= 1 && got == expected, "a CSV field does not read back as it was written");
    }
  }
}

void Xml(const QByteArray& bytes, int options) {
  TXmlReadOptions o;
  o.LevelToRow = options & 1;
  o.LoadFieldDescr = options & 2;
  o.HeaderNames = options & 4;
  o.FirstRow = (options >> 3) & 1;
  try {
    const TXmlCells cells = ReadXmlCells(bytes, o, [](int) { return QString(); });
    for (const TXmlCell& c : cells.Cells) Fuzz_Require(c.Col >= 0 && c.Row >= 0, "an XML cell outside the grid");
  } catch (const Exception&) {
  }
}

// Fixed-width lines cut at positions chosen by the option bits (sorted, as the
// grid sorts them; a repeated position gives an empty field).
void Fixed(const QByteArray& bytes, int options) {
  std::vector<int> positions = {1 + (options & 3), 4, 4 + (options >> 2), 12, 40};
  std::sort(positions.begin(), positions.end());
  const bool trim = options & 1;
  for (const QString& line : SplitTextLines(DecodeTextFile(bytes)).mid(0, 200)) {
    const QStringList fields = FixedWidthFields(line, positions, trim);
    Fuzz_Require(fields.size() == static_cast<qsizetype>(positions.size()) - 1, "a fixed-width line gave another number of fields");
    for (qsizetype k = 0; k < fields.size(); ++k) {
      Fuzz_Require(fields[k].size() <= positions[k + 1] - positions[k], "a fixed-width field is wider than its place");
      Fuzz_Require(line.contains(fields[k]), "a fixed-width field that is not part of its line");
      Fuzz_Require(!trim || fields[k].isEmpty() || (fields[k].front() > u' ' && fields[k].back() > u' '),
                   "a trimmed fixed-width field keeps a blank");
    }
  }
}

void Settings(const QByteArray& bytes) {
  const QString text = DecodeTextFile(bytes);
  TColumnStates states;
  try {
    if (ParseColumnStates(text.section(u'\n', 0, 0), states)) {
      Fuzz_Require(states.Count >= 1 && states.Count <= kMaxFileColumns, "column states beyond the limits");
      Fuzz_Require(states.Order.empty() || static_cast<int>(states.Order.size()) == states.Count,
                   "a column order that is no permutation");
      TColumnStates again;
      Fuzz_Require(ParseColumnStates(FormatColumnStates(states), again) && FormatColumnStates(again) == FormatColumnStates(states),
                   "column states do not read back");
    }
  } catch (const Exception&) {
  }
  const TVisualPropsText props(SplitTextLines(text));
  for (const char* key : {"Color", "Font.Size", "Font.Style", "URLShow", "Look"}) {
    try {
      (void)props.Color(QLatin1String(key));
    } catch (const Exception&) {
    }
    try {
      (void)props.Integer(QLatin1String(key));
    } catch (const Exception&) {
    }
    (void)props.FontStyle(QLatin1String(key));
    (void)props.Bool(QLatin1String(key));
  }
  TMemIniFile ini{QString()};
  ini.SetText(text);
  for (const QString& section : {QStringLiteral("Print"), QStringLiteral("Grid")})
    for (const QString& key : ini.ReadSection(section)) (void)ini.ReadInteger(section, key, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int kind = data[0] & 7, options = data[0] >> 3;
  const QByteArray bytes = Fuzz_Bytes(data + 1, size - 1);
  switch (kind) {
    case 0: CellStream(bytes); break;
    case 1: TextCells(bytes, false); break;
    case 2: TextCells(bytes, true); break;
    case 3: Csv(bytes, options); break;
    case 4: Xml(bytes, options); break;
    case 6: Fixed(bytes, options); break;
    default: Settings(bytes); break;
  }
  return 0;
}

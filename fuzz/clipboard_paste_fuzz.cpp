// Clipboard text pasted into the grid's in-place editor and into a drop-down edit:
// the paste rules of every plain editor kind and of every edit type. The first
// six bytes choose the settings: the in-place editor kind (byte 0, bit 7 the
// German number format), the edit type and its flags (byte 1), the selection
// (bytes 2 and 3), the length limit (byte 4) and the decimals and the edit's
// maximum length (byte 5); the rest is cut at each byte 0x01 into the editor's
// text, the pasted text, the valid characters, and the edit's prefix and suffix.
// Invariants: a paste that is taken leaves the caret and selection inside the
// new text; a text the kind refuses leaves the editor's text as it was; the
// in-place editor never ends with more than its limit.
// The same pasted text also goes through the grid's clipboard readers (lines and
// fields, quoted multi-line fields, the block's size, 8-bit rich text) and the
// smart fill's series of the first two fields: every line is found, a cell text
// copied and pasted comes back with its line breaks as CR LF, rich text is read
// within its bytes, and a series never runs past the calendar or raises.
#include "fuzz/fuzz_support.h"
#include "grid/data/clipboard_text.h"
#include "grid/data/series_fill.h"
#include "grid/dropdown/entry_rules.h"
#include "grid/input/inplace_char_rules.h"
#include "platform/rtl/locale_settings.h"

namespace {

TFormatSettings German_Format() {
  TFormatSettings f;
  f.DecimalSeparator = u',';
  f.ThousandSeparator = u'.';
  return f;
}

// The editor kinds with paste rules of their own, and the plain ones.
constexpr TEditorType kKinds[] = {edNormal,   edNumeric,   edPositiveNumeric, edFloat,       edPositiveFloat,
                                  edCapital,  edMixedCase, edPassword,        edLowerCase,   edUpperCase,
                                  edValidChars};

void Inplace_Paste(const uint8_t* settings, const QList<QByteArray>& parts) {
  TInplacePasteInput in;
  in.Kind = kKinds[(settings[0] & 0x7F) % std::size(kKinds)];
  in.Text = QString::fromUtf8(parts[0]);
  in.Pasted = QString::fromUtf8(parts[1]);
  in.ValidChars = QString::fromUtf8(parts[2]);
  in.SelStart = static_cast<int8_t>(settings[2]);
  in.SelLength = static_cast<int8_t>(settings[3]);
  in.LengthLimit = static_cast<int8_t>(settings[4]);
  const TInplacePasteResult r = InplacePasteRule(in);
  if (r.Ended || !r.Accepted) {
    Fuzz_Require(r.Text == in.Text, "a paste that is not taken changed the editor's text");
    return;
  }
  Fuzz_Require(r.SelStart >= 0 && r.SelLength >= 0 && r.SelStart + r.SelLength <= r.Text.size(),
               "the in-place editor's selection is outside its text after a paste");
  if (in.LengthLimit > 0)
    Fuzz_Require(r.Text.size() <= in.LengthLimit, "a paste made the in-place editor's text longer than its limit");
}

void Entry_Paste(const uint8_t* settings, const QList<QByteArray>& parts) {
  TEntrySettings s;
  s.EditType = static_cast<TDropDownEditType>((settings[1] & 0x0F) % (etValidChars + 1));
  s.Signed = (settings[1] & 0x10) != 0;
  s.AutoThousandSeparator = (settings[1] & 0x20) != 0;
  if (settings[1] & 0x40) {
    s.Prefix = QString::fromUtf8(parts[3]);
    s.Suffix = QString::fromUtf8(parts[4]);
  }
  s.LengthLimit = settings[4] & 0x1F;
  s.Precision = settings[5] & 0x07;
  s.MaxLength = settings[5] >> 3;
  s.ValidChars = QString::fromUtf8(parts[2]);
  const TEntryRules rules(s);

  TEntryEdit edit;
  edit.Text = rules.EditText(QString::fromUtf8(parts[0]));
  edit.SelStart = settings[2];
  edit.SelLength = settings[3];
  const QString before = edit.Text;
  const bool refuseSome = (settings[1] & 0x80) != 0;
  const TEntryOutcome out = rules.Paste(edit, QString::fromUtf8(parts[1]),
                                        [&](const QString& next) { return !refuseSome || next.size() % 2 == 0; });
  if (!out.Accepted) {
    Fuzz_Require(edit.Text == before, "a refused paste changed the drop-down edit's text");
    return;
  }
  Fuzz_Require(edit.SelStart >= 0 && edit.SelLength >= 0 && edit.SelStart + edit.SelLength <= edit.Text.size(),
               "the drop-down edit's selection is outside its text after a paste");
  (void)rules.FloatValue(rules.Value(edit.Text));
}

// The grid's readers of pasted text and rich text.
void Grid_Paste(const QList<QByteArray>& parts) {
  const QString pasted = QString::fromUtf8(parts[1]);
  const std::vector<TPasteLine> lines = SplitPasteText(pasted);
  const QString read = pasted.left(pasted.indexOf(QChar(0)) < 0 ? pasted.size() : pasted.indexOf(QChar(0)));
  Fuzz_Require(static_cast<qsizetype>(lines.size()) == read.count(u'\r') + 1, "a pasted line was lost or made up");
  int cols = 0, rowsMinusOne = 0;
  MeasureTextBlock(pasted, cols, rowsMinusOne);
  Fuzz_Require(cols >= 1 && rowsMinusOne >= 0 && rowsMinusOne < static_cast<int>(lines.size()),
               "a pasted block measures outside its lines");
  for (const TPasteLine& line : lines)
    for (const QString& field : line.Fields) {
      const QString ready = PreparePastedField(field);
      if (!field.contains(u'\n')) Fuzz_Require(ready == field, "a field without a line feed was changed");
    }

  // A cell text without TAB, quotes, U+000B, zero or packed marker goes to the
  // clipboard as one field and comes back with its line breaks as CR LF.
  const QString cell = QString::fromUtf8(parts[0]);
  if (!cell.contains(u'\t') && !cell.contains(u'"') && !cell.contains(QChar(0x0B)) && !cell.contains(QChar(0)) &&
      !cell.startsWith(QStringLiteral("|\\"))) {
    const QString field = ClipboardFieldText(cell, false, true);
    const std::vector<TPasteLine> back = SplitPasteText(field);
    Fuzz_Require(back.size() == 1 && back[0].Fields.size() == 1, "a copied cell did not stay one field");
    QString expected = cell;
    if (cell.contains(u'\r')) {
      expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
      expected.replace(u'\r', u'\n');
      expected.replace(u'\n', QStringLiteral("\r\n"));
    }
    Fuzz_Require(PreparePastedField(back[0].Fields[0]) == expected, "a copied cell did not paste back as it was");
  }

  const QString rtf = RichTextFromClipboard(parts[2]);
  Fuzz_Require(rtf.size() <= parts[2].size() && !rtf.contains(QChar(0)), "rich text was read beyond its bytes");
  const QString latin = QString::fromLatin1(parts[2].left(parts[2].indexOf('\0') < 0 ? parts[2].size() : parts[2].indexOf('\0')));
  Fuzz_Require(RichTextFromClipboard(RichTextToClipboard(latin)) == latin, "8-bit rich text does not read back");

  // The series of the first two fields of the first line.
  if (!lines.empty() && lines[0].Fields.size() >= 2) {
    TSeriesFill series(lines[0].Fields[0], lines[0].Fields[1], QStringLiteral("%.2f"));
    QString value;
    for (int i = 0; i < 40 && series.Next(value); ++i) {
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr size_t kSettings = 6;
  if (size < kSettings) return 0;
  static const TFormatSettings kUs;
  static const TFormatSettings kGerman = German_Format();
  SetFormatSettings(data[0] & 0x80 ? kGerman : kUs);
  const QList<QByteArray> parts = Fuzz_Split(Fuzz_Bytes(data + kSettings, size - kSettings), '\x01', 5);
  Inplace_Paste(data, parts);
  Entry_Paste(data, parts);
  Grid_Paste(parts);
  return 0;
}

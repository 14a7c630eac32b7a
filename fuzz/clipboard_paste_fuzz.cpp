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
#include "fuzz/fuzz_support.h"
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
  return 0;
}

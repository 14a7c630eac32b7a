#include "grid/input/inplace_char_rules.h"

#include <algorithm>

#include "grid/base/mixed_case.h"
#include "grid/base/number_text.h"

namespace {

using A = TInplaceCharAction;

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool IsEditKey(QChar c) { return c == QChar(8) || c == QChar(9) || c == QChar(13) || c == QChar(27); }

TInplaceCharResult Result(A action, QChar key, bool checkAdvance = true) { return {action, key, false, checkAdvance}; }

TInplaceCharResult NumericRule(const TInplaceCharInput& in, QChar key, bool signAllowed) {
  if (IsEditKey(key) || IsDigit(key)) return Result(A::HandOn, key);
  if (signAllowed && key == u'-' && !in.Text.contains(u'-') && in.SelStart == 0) return Result(A::HandOn, key);
  return Result(A::Beep, key);
}

TInplaceCharResult FloatRule(const TInplaceCharInput& in, QChar key, bool signAllowed) {
  const QString sel = in.Text.mid(in.SelStart, in.SelLength);
  const bool inSet = IsEditKey(key) || IsDigit(key) || key == u',' || key == u'.' || (signAllowed && key == u'-');
  if (!inSet) return Result(in.Ctrl ? A::HandOn : A::Drop, key);
  // The three refusals that end the handler.
  if (key == in.DecimalSeparator && in.Text.contains(key) && !sel.contains(key)) return Result(A::Drop, key, false);
  if (key == in.ThousandSeparator) return Result(A::Drop, key, false);
  if (key == u'-' && !((in.SelStart == 0 && !in.Text.contains(u'-')) || sel.contains(u'-')))
    return Result(A::Beep, key, false);
  return Result(A::HandOn, key);
}

TInplaceCharResult ValidCharsRule(const TInplaceCharInput& in, QChar key) {
  if (key == QChar(8) || key == QChar(13)) return Result(A::HandOn, key);
  const bool valid = in.ValidChars.isEmpty() ? key.unicode() <= 255 && in.ValidCharSet.contains(key)
                                             : in.ValidChars.contains(key);
  return Result(valid ? A::HandOn : A::Beep, key);
}

bool BreaksLines(TEditorType kind) {
  return kind == edNormal || kind == edCapital || kind == edMixedCase || kind == edLowerCase ||
         kind == edUpperCase || kind == edValidChars;
}

}  // namespace

TInplaceCharResult InplaceCharRule(const TInplaceCharInput& in) {
  QChar key = in.Key;
  // 1. The keypad's decimal key types the locale's decimal separator.
  if (key == u'.' && in.ExcelStyleDecimalSeparator && in.KeypadKey) key = in.DecimalSeparator;
  // 2. Ctrl+A.
  if (key == QChar(1) && in.Ctrl) return Result(A::Consume, QChar(), false);
  // 3. Ctrl+Enter (line feed).
  if (key == QChar(10) && in.Ctrl && !(in.AllowCtrlEnter && in.MultiLine)) return Result(A::Consume, QChar(), false);
  // 4. The length limit, unless part of the text is selected.
  if (in.LengthLimit > 0 && in.Text.size() == in.LengthLimit && in.SelLength == 0 && key != QChar(8) &&
      key != QChar(27) && key != QChar(13))
    return Result(A::Drop, key, false);
  // 5. Enter breaks the line.
  if (BreaksLines(in.Kind) && key == QChar(13) && in.LineFeedOnEnter) return Result(A::LineBreak, key, false);
  // 6. The kind's own rule.
  switch (in.Kind) {
    case edNormal:
    case edPassword: return Result(A::HandOn, key);
    case edNumeric: return NumericRule(in, key, true);
    case edPositiveNumeric: return NumericRule(in, key, false);
    case edFloat: return FloatRule(in, key, true);
    case edPositiveFloat: return FloatRule(in, key, false);
    case edCapital:
    case edUpperCase: return Result(A::HandOn, key.toUpper());
    case edLowerCase: return Result(A::HandOn, key.toLower());
    case edMixedCase: return {A::HandOn, key, true, true};
    case edValidChars: return ValidCharsRule(in, key);
    default: return Result(A::Drop, key);
  }
}

namespace {

bool KindTakes(TEditorType kind, const QString& n, const QString& validChars) {
  switch (kind) {
    case edNumeric:
    case edPositiveNumeric:
      return GetNumberKind(n) == nkInteger && (kind == edNumeric || !n.contains(u'-'));
    case edFloat:
    case edPositiveFloat: {
      const int k = GetNumberKind(n);
      return (k == nkInteger || k == nkDecimal) && (kind == edFloat || !n.contains(u'-'));
    }
    case edValidChars:
      for (QChar c : n)
        if (!validChars.contains(c)) return false;
      return true;
    default: return true;
  }
}

QString KindForm(TEditorType kind, const QString& n) {
  switch (kind) {
    case edMixedCase: return ToMixedCase(n);
    case edLowerCase: return n.toLower();
    case edUpperCase: return n.toUpper();
    default: return n;
  }
}

}  // namespace

TInplacePasteResult InplacePasteRule(const TInplacePasteInput& in) {
  TInplacePasteResult r;
  r.Text = in.Text;
  r.SelStart = in.SelStart;
  r.SelLength = in.SelLength;
  QString v = in.Pasted;
  // 4. Longer than the limit by itself.
  if (in.LengthLimit > 0 && v.size() > in.LengthLimit) {
    r.Ended = true;
    return r;
  }
  // 5. One line break copied from a spreadsheet cell is dropped.
  const qsizetype crlf = v.indexOf(QStringLiteral("\r\n"));
  if (crlf >= 0 && crlf == v.size() - 2) v.chop(2);
  // 6. The new text and where the caret goes.
  const int start = std::clamp(in.SelStart, 0, static_cast<int>(in.Text.size()));
  const int length = std::clamp(in.SelLength, 0, static_cast<int>(in.Text.size()) - start);
  const QString n = in.Text.left(start) + v + in.Text.mid(start + length);
  r.SelStart = length > 0 ? start : start + static_cast<int>(v.size());
  r.SelLength = length > 0 ? static_cast<int>(v.size()) : 0;
  // 7. Too long once pasted, as typed or in the kind's case (upper case can
  // lengthen a text: a sharp s becomes "SS").
  const QString formed = KindForm(in.Kind, n);
  if (in.LengthLimit > 0 && std::max(n.size(), formed.size()) > in.LengthLimit) {
    r.Ended = true;
    r.SelStart = in.SelStart;
    r.SelLength = in.SelLength;
    return r;
  }
  // 8. The kind's rule; a refused text leaves the editor's text as it was.
  r.Accepted = KindTakes(in.Kind, n, in.ValidChars);
  if (r.Accepted) r.Text = formed;
  return r;
}

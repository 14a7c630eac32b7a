// How two rows compare for sorting: per column a sort style (detected from the
// texts, or given by the format hook) decides how the two cell texts compare;
// ties go on to the columns to the right (plain sort) or to the next sort index
// (indexed sort). No conversion here ever raises: what does not read as a number,
// date or time counts as 0.
#include <charconv>
#include <cmath>
#include <string>

#include "grid/base/date_text.h"
#include "grid/base/locale_format.h"
#include "grid/base/number_text.h"
#include "grid/data/sort_keys.h"
#include "grid/view/cell_graphic.h"
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/strings.h"

namespace {

// Reads a number as the runtime's Val does: blanks before it, a sign, digits
// with at most one ".", an exponent. True when the whole text is such a number;
// otherwise Value is the magnitude of what was read before the reading stopped.
bool ReadNumber(const QString& Text, double& Value) {
  Value = 0;
  qsizetype i = 0;
  const qsizetype n = Text.size();
  while (i < n && Text[i] == u' ') ++i;
  std::string digits;
  bool negative = false;
  if (i < n && (Text[i] == u'+' || Text[i] == u'-')) negative = Text[i++] == u'-';
  bool any = false, dot = false;
  for (; i < n; ++i) {
    const char16_t c = Text[i].unicode();
    if (c >= u'0' && c <= u'9') {
      digits += static_cast<char>(c);
      any = true;
    } else if (c == u'.' && !dot) {
      digits += '.';
      dot = true;
    } else {
      break;
    }
  }
  // An exponent only counts when digits follow it.
  if (any && i < n && (Text[i] == u'e' || Text[i] == u'E')) {
    qsizetype j = i + 1;
    std::string exponent = "e";
    if (j < n && (Text[j] == u'+' || Text[j] == u'-')) exponent += static_cast<char>(Text[j++].unicode());
    const qsizetype start = j;
    while (j < n && Text[j] >= u'0' && Text[j] <= u'9') exponent += static_cast<char>(Text[j++].unicode());
    if (j > start) {
      digits += exponent;
      i = j;
    }
  }
  if (any) {
    double v = 0;
    const std::from_chars_result r = std::from_chars(digits.data(), digits.data() + digits.size(), v);
    if (r.ec == std::errc() && std::isfinite(v)) Value = v;
  }
  if (!any || i != n) return false;
  if (negative) Value = -Value;
  return true;
}

// Deletes the first occurrence of a non-empty part.
void DeleteFirst(QString& Text, const QString& Part) {
  if (Part.isEmpty()) return;
  const qsizetype at = Text.indexOf(Part);
  if (at >= 0) Text.remove(at, Part.size());
}

// The text ready for reading as a number: prefix and suffix deleted, thousand
// separators deleted for money, the locale's decimal separator made ".".
QString NumericText(QString Text, const QString& Prefix, const QString& Suffix, bool Financial) {
  DeleteFirst(Text, Prefix);
  DeleteFirst(Text, Suffix);
  if (Financial) Text.remove(GetThousandSeparator());
  const QChar decimal = GetDecimalSeparator();
  if (decimal != u'.') {
    const qsizetype at = Text.indexOf(decimal);
    if (at >= 0) Text[at] = u'.';
  }
  return Text;
}

// The separator stands at position 2 or 3 (1-based), not last, between number
// characters.
bool SeparatorLeads(const QString& Text, QChar Sep) {
  const qsizetype p = Text.indexOf(Sep) + 1;
  return p >= 2 && p <= 3 && p < Text.size() && IsNumberChar(Text[p - 2]) && IsNumberChar(Text[p]);
}

int Sign(double a, double b) { return a < b ? -1 : a > b ? 1 : 0; }
int Sign(int c) { return c < 0 ? -1 : c > 0 ? 1 : 0; }

bool IsCheckBoxKind(TCellType t) {
  return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox;
}

TDateTime DateValue(const QString& Text) {
  TDateTime v = 0;
  if (Text.isEmpty() || !ParseLocaleDateTime(Text, v)) return 0;
  return v;
}

TDateTime TimeValue(const QString& Text) {
  TDateTime v = 0;
  if (!ParseLocaleTime(Text, v)) return 0;
  return v;
}

}  // namespace

// What a comparison reads of one cell, from the running sort's kept keys or read
// now.
class TExStringGrid::TSortCell {
public:
  TSortCell(TExStringGrid& g, int Col, int Row) : g_(g), col_(Col), row_(Row) {
    TSortKeys* keys = g.FSortKeys.get();
    key_ = keys ? keys->At(Col, Row) : nullptr;
    if (!key_) key_ = &own_;
  }

  const QString& Text() {
    if (!(key_->Known & TSortKey::kText)) {
      key_->Text = g_.FSortSettings->SortOnVirtualCells ? g_.GetCellEx(col_, row_) : g_.GetGridCell(col_, row_);
      key_->Known |= TSortKey::kText;
    }
    return key_->Text;
  }
  bool IsNumber() {
    if (!(key_->Known & TSortKey::kNumberKind)) {
      const int kind = GetNumberKind(Text());
      key_->IsNumber = kind == nkInteger || kind == nkDecimal || kind == nkScientific;
      key_->Known |= TSortKey::kNumberKind;
    }
    return key_->IsNumber;
  }
  bool CheckBoxType() {
    if (!(key_->Known & TSortKey::kCheckType)) {
      key_->CheckBoxType = IsCheckBoxKind(g_.GetCellType(col_, row_));
      key_->Known |= TSortKey::kCheckType;
    }
    return key_->CheckBoxType;
  }
  const TSortKey& Separators() {
    if (!(key_->Known & TSortKey::kSeparators)) {
      const QString& t = Text();
      key_->DateSepLead = SeparatorLeads(t, GetDateSeparator());
      key_->TimeSepLead = SeparatorLeads(t, GetTimeSeparator());
      key_->HasDateSep = t.contains(GetDateSeparator());
      key_->HasTimeSep = t.contains(GetTimeSeparator());
      key_->Known |= TSortKey::kSeparators;
    }
    return *key_;
  }
  // The numeric reading of the text without prefix and suffix, not as money.
  bool PlainNumber(double& Value) {
    if (!(key_->Known & TSortKey::kPlainNumber)) {
      key_->PlainConverts = ReadNumber(NumericText(Text(), QString(), QString(), false), key_->PlainNumber);
      key_->Known |= TSortKey::kPlainNumber;
    }
    Value = key_->PlainNumber;
    return key_->PlainConverts;
  }
  int Col() const { return col_; }
  int Row() const { return row_; }

private:
  TExStringGrid& g_;
  int col_, row_;
  TSortKey* key_ = nullptr;
  TSortKey own_;
};

namespace {

// The numbers of both cells for ssNumeric and ssFinancial; t1 and t2 are left as
// the style reads them (for the blank rule).
int CompareNumbers(TExStringGrid& g, TExStringGrid::TSortCell& c1, TExStringGrid::TSortCell& c2, QString& t1,
                   QString& t2, const QString& Prefix, const QString& Suffix, bool Financial) {
  double v1 = 0, v2 = 0;
  bool ok1 = false, ok2 = false;
  if (Prefix.isEmpty() && Suffix.isEmpty() && !Financial) {
    ok1 = c1.PlainNumber(v1);
    ok2 = c2.PlainNumber(v2);
  } else {
    t1 = NumericText(t1, Prefix, Suffix, Financial);
    t2 = NumericText(t2, Prefix, Suffix, Financial);
    ok1 = ReadNumber(t1, v1);
    ok2 = ReadNumber(t2, v2);
  }
  // An empty cell counts as the number 0.
  if (!ok1 && g.GetCellEx(c1.Col(), c1.Row()).isEmpty()) {
    v1 = 0;
    ok1 = true;
  }
  if (!ok2 && g.GetCellEx(c2.Col(), c2.Row()).isEmpty()) {
    v2 = 0;
    ok2 = true;
  }
  if (!ok1 && !ok2) return 0;
  return Sign(v1, v2);
}

// The image key of a cell: the image index, the picture's identity, or -1.
intptr_t ImageKey(TExStringGrid& g, int Col, int Row) {
  TCellGraphic* graphic = g.GetCellGraphic(Col, Row);
  if (!graphic) return -1;
  switch (graphic->CellType) {
    case ctImageList: return graphic->CellIndex;
    case ctBitmap: return reinterpret_cast<intptr_t>(graphic->CellBitmap);
    case ctIcon: return reinterpret_cast<intptr_t>(graphic->CellIcon);
    default: return -1;
  }
}

}  // namespace

int TExStringGrid::CompareRows(int ACol, int ARow1, int ARow2, TSortDirection Direction) {
  // 1.
  ++Compares;
  TSortStyle style = FSortSettings->AutoFormat ? ssAutomatic : FSortSettings->IgnoreCase ? ssAlphaNoCase : ssAlphabetic;
  QString prefix, suffix;
  GetFormatHook(ACol, style, prefix, suffix);
  int result = 1;
  // 2.
  TSortCell c1(*this, ACol, ARow1), c2(*this, ACol, ARow2);
  QString t1 = c1.Text(), t2 = c2.Text();
  const TSortStyle textStyle = FSortSettings->IgnoreCase ? ssAlphaNoCase : ssAlphabetic;
  // 3. The style from the first row's cell (and the second's separators).
  if (style == ssAutomatic) {
    if (c1.CheckBoxType()) {
      style = ssCheckBox;
    } else if (c1.IsNumber()) {
      style = ssNumeric;
    } else {
      style = textStyle;
      const TSortKey& s1 = c1.Separators();
      if (s1.DateSepLead) {
        if (c2.Separators().HasDateSep) style = s1.HasTimeSep ? ssDateTime : ssDate;
      } else if (s1.TimeSepLead && c2.Separators().HasTimeSep) {
        style = ssTime;
      }
    }
  }
  // 4.
  if (style == ssAlphaNumeric || style == ssAlphaNumericNoCase) {
    if (c1.IsNumber() && c2.IsNumber()) style = ssNumeric;
    else style = style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase;
  }
  // 5.
  switch (style) {
    case ssAlphabetic:
    case ssAlphaCase: result = Sign(QString::compare(t1, t2, Qt::CaseSensitive)); break;
    case ssAlphaNoCase:
      t1 = UpperCase(t1);
      t2 = UpperCase(t2);
      result = Sign(QString::compare(t1, t2, Qt::CaseSensitive));
      break;
    case ssAnsiAlphaCase: result = Sign(QString::localeAwareCompare(t1, t2)); break;
    case ssAnsiAlphaNoCase: result = Sign(QString::localeAwareCompare(t1.toUpper(), t2.toUpper())); break;
    case ssHTML:
      t1 = StrippedCells(ACol, ARow1);
      t2 = StrippedCells(ACol, ARow2);
      result = Sign(QString::compare(t1, t2, Qt::CaseSensitive));
      break;
    case ssNumeric:
    case ssFinancial: result = CompareNumbers(*this, c1, c2, t1, t2, prefix, suffix, style == ssFinancial); break;
    case ssDate:
    case ssDateTime: result = Sign(DateValue(t1), DateValue(t2)); break;
    case ssTime: result = Sign(TimeValue(t1), TimeValue(t2)); break;
    case ssShortDateEU: result = Sign(ParseDateEU(t1), ParseDateEU(t2)); break;
    case ssShortDateUS: result = Sign(ParseDateUS(t1), ParseDateUS(t2)); break;
    case ssCustom:
      result = 0;
      if (OnCustomCompare) OnCustomCompare(this, t1, t2, result);
      break;
    case ssRaw:
      result = 0;
      if (OnRawCompare) OnRawCompare(this, ACol, ARow1, ARow2, result);
      break;
    case ssImages: {
      const intptr_t k1 = ImageKey(*this, ACol, ARow1), k2 = ImageKey(*this, ACol, ARow2);
      result = k2 < k1 ? 1 : k1 == k2 ? 0 : -1;
      break;
    }
    case ssCheckBox: {
      bool s1 = false, s2 = false;
      GetCheckBoxState(ACol, ARow1, s1);
      GetCheckBoxState(ACol, ARow2, s2);
      result = s1 && !s2 ? 1 : s1 == s2 ? 0 : -1;
      break;
    }
    default: break;  // ssAutomatic left over: the result stays 1
  }
  // 6. Blanks go where BlankPos says, in both directions.
  if (FSortSettings->IgnoreBlanks && t1.isEmpty() != t2.isEmpty()) {
    const bool last = FSortSettings->BlankPos == blLast;
    int blank = t1.isEmpty() ? (last ? 1 : -1) : (last ? -1 : 1);
    if (Direction == sdAscending) result = blank;
    else if (Direction == sdDescending) result = -blank;
  }
  return result;
}

int TExStringGrid::CompareLine(int ACol, int ARow1, int ARow2) {
  // Ties look at the columns to the right, up to the last (hidden ones counted
  // while a sort has raised the column count).
  for (int c = ACol;; ++c) {
    const int result = IsIgnoredColumn(c) ? 0 : CompareRows(c, ARow1, ARow2, FSortSettings->Direction);
    if (result != 0 || !FSortSettings->Full || c >= ColCount() - 1) return result;
  }
}

int TExStringGrid::CompareLineIndexed(int i, int ARow1, int ARow2) {
  for (; i < FSortIndexes->Count(); ++i) {
    const int col = FSortIndexes->SortColumns(i);
    const bool descending = !FSortIndexes->SortDirections(i);
    const int result = IsIgnoredColumn(col) ? 0 : CompareRows(col, ARow1, ARow2, descending ? sdDescending : sdAscending);
    if (result != 0 || !FSortSettings->Full) return descending ? -result : result;
  }
  return 0;
}

// Cells read and written as numbers, dates and times, ranges filled, search
// texts marked in cells with mini-HTML tags, cells checked with the attached
// checker, the header lists shown in the fixed row and column, the print layout
// widths and the version.
#include <QLocale>
#include <QRandomGenerator>

#include "grid/base/cell_checker.h"
#include "grid/base/date_text.h"
#include "grid/base/html_controls.h"
#include "grid/base/html_entities.h"
#include "grid/base/html_highlight.h"
#include "grid/base/line_breaks.h"
#include "grid/base/locale_format.h"
#include "grid/base/number_text.h"
#include "grid/view/checked_format.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_error.h"
#include "grid/view/grid_unit.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

namespace {

int ReadInt(const QString& raw) {
  const QString text = Trim(raw);
  if (text.isEmpty() || text == u"-") return 0;
  int32_t value = 0;
  if (!TryStrToInt(text, value)) throw EExGridError(QStringLiteral("Cell does not contain integer value"));
  return value;
}

double ReadFloat(const QString& raw) {
  const QString text = ExtractNumberText(raw);
  if (text.isEmpty() || text == u"-") return 0;
  bool ok = false;
  const double value = QLocale::c().toDouble(text, &ok);
  if (!ok) throw EExGridError(QStringLiteral("Cell does not contain a float value"));
  return value;
}

QString FormatFloat(const QString& format, double value) {
  QString text;
  if (!TryFormatValues(format, {value}, text))
    throw EConvertError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format));
  return text;
}

// The short date of the locale's settings: the order of d, M and y in the short
// date format, joined by the locale's date separator.
QString DateText(TDateTime value) {
  int y, m, d;
  DecodeDate(value, y, m, d);
  const QString format = GetShortDateFormat();
  QString out;
  for (int i = 0; i < format.size();) {
    const QChar c = format[i];
    int run = 1;
    while (i + run < format.size() && format[i + run] == c) ++run;
    i += run;
    switch (c.unicode()) {
      case u'd':
        out += run >= 2 ? QStringLiteral("%1").arg(d, 2, 10, QChar(u'0')) : QString::number(d);
        break;
      case u'M':
      case u'm':
        out += run >= 2 ? QStringLiteral("%1").arg(m, 2, 10, QChar(u'0')) : QString::number(m);
        break;
      case u'y':
        out += run <= 2 ? QStringLiteral("%1").arg(y % 100, 2, 10, QChar(u'0')) : QString::number(y);
        break;
      case u'/':
        out += QString(run, GetDateSeparator());
        break;
      default:
        out += QString(run, c);
    }
  }
  return out;
}

QString TimeText(TDateTime value) {
  int h, n, s, ms;
  DecodeTime(value, h, n, s, ms);
  const QChar sep = GetTimeSeparator();
  return QStringLiteral("%1%2%3%4%5").arg(h).arg(sep).arg(n, 2, 10, QChar(u'0')).arg(sep).arg(s, 2, 10, QChar(u'0'));
}

TDateTime ReadTime(const QString& raw) {
  const QStringList parts = Trim(raw).split(GetTimeSeparator());
  int values[3] = {0, 0, 0};
  bool ok = parts.size() >= 2 && parts.size() <= 3;
  for (int i = 0; ok && i < parts.size(); ++i) values[i] = parts[i].toInt(&ok);
  TDateTime time = 0;
  if (!ok || !TryEncodeTime(values[0], values[1], values[2], 0, time))
    throw EConvertError(QStringLiteral("'%1' is not a valid time").arg(raw));
  return time;
}

}  // namespace

// --- numbers ---

int TExStringGrid::Ints(int ACol, int ARow) { return ReadInt(StrippedCells(ACol, ARow)); }

int TExStringGrid::AllInts(int ACol, int ARow) { return ReadInt(GetCellsEx(ACol, ARow)); }

void TExStringGrid::SetInts(int ACol, int ARow, int Value) {
  SetCellEx(ACol, ARow, QString::number(Value));
  if (FNumHidden > 0) RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExStringGrid::SetAllInts(int ACol, int ARow, int Value) { SetCellsEx(ACol, ARow, QString::number(Value)); }

double TExStringGrid::Floats(int ACol, int ARow) { return ReadFloat(StrippedCells(ACol, ARow)); }

double TExStringGrid::AllFloats(int ACol, int ARow) { return ReadFloat(GetCellsEx(ACol, ARow)); }

void TExStringGrid::SetFloats(int ACol, int ARow, double Value) {
  QString format;
  GetFloatFormatHook(ACol, ARow, format);
  SetCellEx(ACol, ARow, FormatFloat(format, Value));
}

void TExStringGrid::SetAllFloats(int ACol, int ARow, double Value) {
  SetCellsEx(ACol, ARow, FormatFloat(FloatFormat, Value));
}

// --- dates and times ---

void TExStringGrid::SetDates(int ACol, int ARow, TDateTime Value) {
  SetCellEx(ACol, ARow, Value > 0 || ShowNullDates ? DateText(Value) : QString());
}

TDateTime TExStringGrid::Dates(int ACol, int ARow) {
  const QString text = GetCellEx(ACol, ARow);
  TDateTime value = 0;
  if (!ParseLocaleDateTime(Trim(text), value)) throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(text));
  return value;
}

void TExStringGrid::SetTimes(int ACol, int ARow, TDateTime Value) { SetCellEx(ACol, ARow, TimeText(Value)); }

TDateTime TExStringGrid::Times(int ACol, int ARow) { return ReadTime(GetCellEx(ACol, ARow)); }

// --- values of CONTROL tags ---

QString TExStringGrid::ControlValues(int ACol, int ARow, const QString& ID) {
  QString value;
  if (!GetHtmlControlValue(GetCellEx(ACol, ARow), ID, value)) return QString();
  return value;
}

void TExStringGrid::SetControlValues(int ACol, int ARow, const QString& ID, const QString& Value) {
  QString text = GetCellEx(ACol, ARow);
  if (SetHtmlControlValue(text, ID, Value)) SetCellEx(ACol, ARow, text);
}

// --- fills: rows outer, columns inner ---

namespace {

struct FillRange {
  int col1, col2, row1, row2;
};

FillRange RangeOf(const TExStringGrid& g, bool DoFixed) {
  if (DoFixed) return {0, g.ColCount() - 1, 0, g.RowCount() - 1};
  return {g.FixedCols(), g.ColCount() - g.FixedRightCols() - 1, g.FixedRows(), g.RowCount() - g.FixedFooters() - 1};
}

}  // namespace

void TExStringGrid::TextFill(bool DoFixed, const QString& Txt) {
  const FillRange f = RangeOf(*this, DoFixed);
  for (int r = f.row1; r <= f.row2; ++r)
    for (int c = f.col1; c <= f.col2; ++c) SetCellEx(c, r, Txt);
  RecalcAllFooters();
}

void TExStringGrid::FormatFill(bool DoFixed, const QString& Fmt) {
  QString probe;
  if (!TryFormatValues(Fmt, {int64_t{0}, int64_t{0}}, probe))
    throw EConvertError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(Fmt));
  const FillRange f = RangeOf(*this, DoFixed);
  for (int r = f.row1; r <= f.row2; ++r)
    for (int c = f.col1; c <= f.col2; ++c) {
      QString text;
      TryFormatValues(Fmt, {int64_t{c}, int64_t{r}}, text);
      SetCellEx(c, r, text);
    }
  RecalcAllFooters();
}

void TExStringGrid::RandomFill(bool DoFixed, int Rnd) {
  if (Rnd <= 0) return;  // no integer lies in 0 .. Rnd - 1
  const FillRange f = RangeOf(*this, DoFixed);
  for (int r = f.row1; r <= f.row2; ++r)
    for (int c = f.col1; c <= f.col2; ++c) SetInts(c, r, QRandomGenerator::global()->bounded(Rnd));
  RecalcAllFooters();
}

void TExStringGrid::LinearFill(bool DoFixed) {
  const FillRange f = RangeOf(*this, DoFixed);
  for (int r = f.row1; r <= f.row2; ++r)
    for (int c = f.col1; c <= f.col2; ++c) SetCellEx(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
  RecalcAllFooters();
}

// --- highlighting ("hi") and marking ("e") ---

QString TExStringGrid::HilightText(bool DoCase, const QString& S, const QString& Text) {
  return HighlightHtmlText(S, Text, QStringLiteral("hi"), DoCase);
}
QString TExStringGrid::UnHilightText(const QString& S) { return UnHighlightHtmlText(S, QStringLiteral("hi")); }
QString TExStringGrid::MarkText(bool DoCase, const QString& S, const QString& Text) {
  return HighlightHtmlText(S, Text, QStringLiteral("e"), DoCase);
}
QString TExStringGrid::UnMarkText(const QString& S) { return UnHighlightHtmlText(S, QStringLiteral("e")); }

namespace {

enum class TagOp { Add, Remove };

// Walks the base cells of the rectangle, rows outer, adding or removing the tag.
void TagCells(TExStringGrid& g, const QString& tag, TagOp op, bool DoCase, int c1, int r1, int c2, int r2,
              const QString& search) {
  const QString encodedSearch = HtmlEncodeEntities(search, false);
  for (int r = r1; r <= r2; ++r)
    for (int c = c1; c <= c2; ++c) {
      if (!g.IsBaseCell(c, r)) continue;
      const QString text = g.OnGetDisplText ? g.GetCellEx(c, r) : g.GetGridCell(c, r);
      if (op == TagOp::Add)
        g.SetCellEx(c, r, HighlightHtmlText(HtmlEncodeEntities(text, false), encodedSearch, tag, DoCase));
      else
        g.SetCellEx(c, r, UnHighlightHtmlText(HtmlDecodeEntities(text, false), tag));
    }
}

const QString kHi = QStringLiteral("hi");
const QString kMark = QStringLiteral("e");

}  // namespace

void TExStringGrid::HilightInCell(bool DoCase, int Col, int Row, const QString& HiText) {
  TagCells(*this, kHi, TagOp::Add, DoCase, Col, Row, Col, Row, HiText);
}
void TExStringGrid::HilightInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText) {
  const FillRange f = RangeOf(*this, DoFixed);
  TagCells(*this, kHi, TagOp::Add, DoCase, Col, f.row1, Col, f.row2, HiText);
}
void TExStringGrid::HilightInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText) {
  const FillRange f = RangeOf(*this, DoFixed);
  TagCells(*this, kHi, TagOp::Add, DoCase, f.col1, Row, f.col2, Row, HiText);
}
void TExStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const QString& HiText) {
  FillRange f = RangeOf(*this, DoFixed);
  if (!DoFixed) f.col2 += FNumHidden;
  TagCells(*this, kHi, TagOp::Add, DoCase, f.col1, f.row1, f.col2, f.row2, HiText);
}
void TExStringGrid::UnHilightInCell(int Col, int Row) {
  TagCells(*this, kHi, TagOp::Remove, false, Col, Row, Col, Row, QString());
}
void TExStringGrid::UnHilightInCol(bool DoFixed, int Col) {
  const FillRange f = RangeOf(*this, DoFixed);
  TagCells(*this, kHi, TagOp::Remove, false, Col, f.row1, Col, f.row2, QString());
}
void TExStringGrid::UnHilightInRow(bool DoFixed, int Row) {
  const FillRange f = RangeOf(*this, DoFixed);
  TagCells(*this, kHi, TagOp::Remove, false, f.col1, Row, f.col2 + FNumHidden, Row, QString());
}
void TExStringGrid::UnHilightInGrid(bool DoFixed) {
  const FillRange f = RangeOf(*this, DoFixed);
  TagCells(*this, kHi, TagOp::Remove, false, f.col1, f.row1, f.col2 + FNumHidden, f.row2, QString());
}
void TExStringGrid::MarkInCell(bool DoCase, int Col, int Row, const QString& HiText) {
  TagCells(*this, kMark, TagOp::Add, DoCase, Col, Row, Col, Row, HiText);
}
void TExStringGrid::MarkInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText) {
  const FillRange f = RangeOf(*this, DoFixed);
  TagCells(*this, kMark, TagOp::Add, DoCase, Col, f.row1, Col, f.row2, HiText);
}
void TExStringGrid::MarkInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText) {
  const FillRange f = RangeOf(*this, DoFixed);
  TagCells(*this, kMark, TagOp::Add, DoCase, f.col1, Row, f.col2, Row, HiText);
}
void TExStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const QString& HiText) {
  const FillRange f = RangeOf(*this, DoFixed);
  TagCells(*this, kMark, TagOp::Add, DoCase, f.col1, f.row1, f.col2, f.row2, HiText);
}
void TExStringGrid::UnMarkInCell(int Col, int Row) {
  TagCells(*this, kMark, TagOp::Remove, false, Col, Row, Col, Row, QString());
}
void TExStringGrid::UnMarkInCol(bool DoFixed, int Col) {
  const FillRange f = RangeOf(*this, DoFixed);
  TagCells(*this, kMark, TagOp::Remove, false, Col, f.row1, Col, f.row2, QString());
}
void TExStringGrid::UnMarkInRow(bool DoFixed, int Row) {
  const FillRange f = RangeOf(*this, DoFixed);
  TagCells(*this, kMark, TagOp::Remove, false, f.col1, Row, f.col2 + FNumHidden, Row, QString());
}
void TExStringGrid::UnMarkInGrid(bool DoFixed) {
  const FillRange f = RangeOf(*this, DoFixed);
  TagCells(*this, kMark, TagOp::Remove, false, f.col1, f.row1, f.col2 + FNumHidden, f.row2, QString());
}

// --- checks with the cell checker ---

bool TExStringGrid::CheckCell(int Col, int Row) {
  if (!FCellChecker) return true;
  const QString plain = UnMarkText(GetCellEx(Col, Row));
  if (FCellChecker->GotoCell) MoveColRow(RealToDisplCol(Col), Row, true, true);
  QString text = plain;
  if (FCellChecker->UseCorrect) text = FCellChecker->Correct(Col, Row, plain);
  if (FCellChecker->UseMarkError) text = FCellChecker->MarkError(Col, Row, plain);
  SetCellEx(Col, Row, text);
  return text == plain;
}

bool TExStringGrid::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow) {
  if (!FCellChecker) return true;
  FCellChecker->StartCheck();
  const int row = Row(), col = Col();
  bool all = true;
  for (int r = FromRow; r <= ToRow; ++r)
    for (int c = FromCol; c <= ToCol; ++c) all = CheckCell(c, r) && all;
  FCellChecker->StopCheck();
  if (FCellChecker->GotoCell) MoveColRow(col, row, true, true);
  return all;
}

bool TExStringGrid::CheckCol(bool DoFixed, int Col) {
  const FillRange f = RangeOf(*this, DoFixed);
  return CheckCells(Col, f.row1, Col, f.row2);
}

bool TExStringGrid::CheckRow(bool DoFixed, int Row) {
  const FillRange f = RangeOf(*this, DoFixed);
  return CheckCells(f.col1, Row, f.col2, Row);
}

bool TExStringGrid::CheckGrid(bool DoFixed) {
  const FillRange f = RangeOf(*this, DoFixed);
  return CheckCells(f.col1, f.row1, f.col2, f.row2);
}

// --- header lists ---

void TExStringGrid::SetColumnHeaders(const TStringList& Value) {
  FColumnHeaders->BeginUpdate();
  FColumnHeaders->Assign(Value);
  if (TStringGrid::FixedRows() > 0) ClearColumnHeaders();
  FColumnHeaders->EndUpdate();
}

void TExStringGrid::ShowColumnHeaders() {
  if (TStringGrid::FixedRows() == 0) return;
  for (int i = 0; i < FColumnHeaders->Count() && i < TotalColCount(); ++i)
    SetCellEx(i, 0, EscapeToLineBreaks(FColumnHeaders->Strings(i)));
}

void TExStringGrid::ClearColumnHeaders() {
  for (int c = 0; c < ColCount(); ++c) SetCellEx(c, 0, QString());
}

void TExStringGrid::SetRowHeaders(const TStringList& Value) {
  FRowHeaders->BeginUpdate();
  FRowHeaders->Assign(Value);
  if (Designing() && TStringGrid::FixedCols() > 0) ClearRowHeaders();
  FRowHeaders->EndUpdate();
}

void TExStringGrid::ShowRowHeaders() {
  if (TStringGrid::FixedCols() == 0) return;
  for (int i = 0; i < FRowHeaders->Count() && i < RowCount(); ++i)
    SetCellEx(0, i, EscapeToLineBreaks(FRowHeaders->Strings(i)));
}

void TExStringGrid::ClearRowHeaders() {
  for (int r = 0; r < RowCount(); ++r) SetCellEx(0, r, QString());
}

void TExStringGrid::SetLookupItems(const TStringList* Value) {
  if (Value) *FLookupItems = *Value;
}

// --- print layout ---

int TExStringGrid::PrintColWidth(int ACol) const {
  if (ACol < 0 || ACol >= std::max(AllColCount(), static_cast<int>(FPrintColWidths.size())))
    throw EExGridError(QStringLiteral("Columns is not in valid range"));
  return ACol < static_cast<int>(FPrintColWidths.size()) ? FPrintColWidths[ACol] : 0;
}

int TExStringGrid::PrintColOffset(int ACol) const {
  if (ACol < 0 || ACol >= std::max(AllColCount(), static_cast<int>(FPrintColOffsets.size())))
    throw EExGridError(QStringLiteral("Columns is not in valid range"));
  return ACol < static_cast<int>(FPrintColOffsets.size()) ? FPrintColOffsets[ACol] : 0;
}

void TExStringGrid::SetPrintColumn(int ACol, int Width, int Offset) {
  if (ACol < 0) return;
  if (ACol >= static_cast<int>(FPrintColWidths.size())) {
    FPrintColWidths.resize(ACol + 1, 0);
    FPrintColOffsets.resize(ACol + 1, 0);
  }
  FPrintColWidths[ACol] = Width;
  FPrintColOffsets[ACol] = Offset;
}

// The grid's text routines on cell texts: CSV helpers, entities and mini-HTML
// stripping, highlighting, CONTROL tags, filter expressions, number and date texts,
// line breaks, packed wide text and mixed case, the row test of grid filtering
// with the conditions a user types (filter lists, narrowing by typed text). The
// input's first byte picks the locale format (US or German), the case rule and
// the filter conditions' joins; the rest is cut at the first byte 0x01 into a
// pattern (search text or condition) and a cell text.
// Invariants: the encodings that promise a round trip keep it; marking search hits
// and removing the marks gives the text back; mixed case keeps the length; the
// row test follows its joins (a failing short-cut condition fails the row, an
// empty column condition passes, an empty whole-row condition fails).
#include "fuzz/fuzz_support.h"
#include "grid/base/csv_text.h"
#include "grid/base/date_text.h"
#include "grid/base/filter_expression.h"
#include "grid/base/filter_rows.h"
#include "grid/base/html_controls.h"
#include "grid/base/html_entities.h"
#include "grid/base/html_highlight.h"
#include "grid/base/line_breaks.h"
#include "grid/base/mixed_case.h"
#include "grid/base/number_text.h"
#include "grid/base/text_kinds.h"
#include "grid/base/text_positions.h"
#include "platform/rtl/locale_settings.h"

#include <algorithm>

namespace {

TFormatSettings German_Format() {
  TFormatSettings f;
  f.DecimalSeparator = u',';
  f.ThousandSeparator = u'.';
  f.DateSeparator = u'.';
  f.ShortDateFormat = QStringLiteral("dd.MM.yyyy");
  return f;
}

void Csv(const QString& cell) {
  Fuzz_Require(UndoubleChar(u'"', DoubleQuotes(cell)) == cell, "doubled quotes do not undouble");
  int pos = 0;
  (void)FindClosingQuote(u'"', cell, pos);
  (void)CountQuoteRuns(u'"', cell);
  (void)FindFirstOfOutsideQuotes(QStringLiteral(",;\t"), cell, pos);
  QString quoted = cell;
  QuoteMultiLineCsv(quoted);
  VtToLineBreaks(quoted);
  QString rest = cell;
  for (int field = 0; field < 64 && rest.contains(u','); ++field) (void)CutFirstField(rest, QStringLiteral(","));
}

void Line_Breaks(const QString& cell) {
  // The grid-file encoding keeps a text with both line ends and none of its codes.
  const bool encodable = cell.contains(u'\r') && cell.contains(u'\n') && !cell.contains(QChar(1)) &&
                         !cell.contains(QChar(8)) && !cell.contains(QChar(9));
  if (encodable)
    Fuzz_Require(DecodeCellLineBreaks(EncodeCellLineBreaks(cell), true) == cell, "cell line breaks do not round-trip");
  (void)DecodeCellLineBreaks(cell, false);
  QString text = cell;
  (void)CutFirstLine(text, true);
  (void)CountLines(cell, true);
  (void)EscapeToLineBreaks(LineBreaksToEscape(cell));
  (void)TildeToLineBreaks(LineBreaksToTilde(cell));
  QString lf = cell;
  CrLfToLf(lf);
  (void)RemoveCarriageReturns(cell);
  (void)CrToLf(cell);
  (void)LineBreaksToHtml(cell);
}

void Html(const QString& pattern, const QString& cell, bool caseSensitive) {
  (void)HtmlDecodeEntities(cell, true);
  (void)HtmlDecodeEntities(HtmlEncodeEntities(cell, true), true);
  (void)SpacesToNbsp(cell);
  (void)StripHtmlToText(cell);
  (void)StripHtmlTagsSimple(cell);
  (void)LineBreaksToBrTags(cell, true);
  (void)UnwrapHashMarkers(cell);
  (void)ClassifyCellText(cell, true);
  (void)PlainToHtmlPos(cell, static_cast<int>(pattern.size()));

  const QString marked = HighlightHtmlText(cell, pattern, QStringLiteral("HI"), caseSensitive);
  (void)UnHighlightHtmlText(marked, QStringLiteral("hi"));
  // A plain text (no tags, no entities) gets its marks and loses them again.
  if (!cell.contains(u'<') && !cell.contains(u'>') && !cell.contains(u'&'))
    Fuzz_Require(UnHighlightHtmlText(marked, QStringLiteral("HI")) == cell, "highlighting does not come off again");

  // CONTROL tags.
  (void)HasHtmlControls(cell);
  (void)ParseHtmlControlTag(cell);
  QString value;
  (void)GetHtmlControlValue(cell, pattern, value);
  (void)GetHtmlControlProp(cell, pattern);
  (void)GetHtmlControlMaxLen(cell, pattern);
  (void)NextHtmlControlId(cell, pattern);
  // A value set on a control with a plain ID reads back as it was set.
  QString rewritten = cell;
  const bool plainId = !pattern.isEmpty() && std::all_of(pattern.begin(), pattern.end(), [](QChar c) {
    return c.isLetterOrNumber() && c.unicode() < 128;
  });
  if (SetHtmlControlValue(rewritten, pattern, QStringLiteral("v\"<&>")) && plainId)
    Fuzz_Require(GetHtmlControlValue(rewritten, pattern, value) && value == QStringLiteral("v\"<&>"),
                 "a CONTROL value set is not read back");
  (void)ClearHtmlRadioControls(cell);
}

void Numbers_And_Dates(const QString& cell) {
  (void)GetNumberKind(cell);
  (void)ExtractNumberText(cell);
  (void)NumberTextToDot(cell);
  (void)ParseDateUS(cell);
  (void)ParseDateEU(cell);
  TDateTime when = 0;
  (void)ParseLocaleDateTime(cell, when);
  (void)IsDateText(cell);
  const int step = static_cast<int>(cell.size() % 5) - 2;
  (void)IncDateBy(step, 0, 0, 45000.5, 1);
  (void)IncDateBy(0, step * 7, 0, 45000.5, 1);
}

void Texts(const QString& pattern, const QString& cell, bool caseSensitive) {
  Fuzz_Require(DecodeWideCellText(EncodeWideCellText(cell)) == cell, "packed wide text does not round-trip");
  (void)DecodeWideCellText(cell);
  (void)WidePos(pattern, cell);
  Fuzz_Require(ToMixedCase(cell).size() == cell.size(), "mixed case changed the length");
  int pos = 0;
  (void)FindTextFrom(pattern, cell, static_cast<int>(pattern.size() % 7), caseSensitive, pos);
  (void)ValPartial(cell);
  (void)PosIgnoreCase(pattern, cell);
  (void)MatchFilterExpression(pattern, cell, caseSensitive);
}

// The filter row test with the pattern as a typed condition: as it stands, as
// narrowing makes it, on one column and on the whole row, joined as the mode says.
void Filter_Rows(const QString& pattern, const QString& cell, bool caseSensitive, uint8_t mode) {
  const TFilterOperation joins[] = {foSHORT, foNONE, foAND, foXOR, foOR};
  std::vector<TFilterTest> tests;
  tests.push_back({pattern, caseSensitive, {}, {}, joins[(mode >> 2) % 5], false, fmExpression});
  tests.push_back({NarrowCondition(pattern, false, (mode & 0x20) != 0), false, {}, {}, joins[(mode >> 5) % 5], false,
                   fmExpression});
  tests.push_back({pattern, caseSensitive, pattern.left(2), pattern.right(2), foOR, false, fmLiteral});
  tests.push_back({NarrowCondition(pattern, true, false), false, {}, {}, foAND, true, fmExpression});
  (void)FilterTestsPass(tests, [&](size_t) { return cell; });
  const TFilterTest shortCut{pattern, caseSensitive, {}, {}, foSHORT, false, fmExpression};
  if (!FilterTestOutcome(shortCut, cell))
    Fuzz_Require(!FilterTestsPass({shortCut, {QString(), true, {}, {}, foOR, false, fmExpression}},
                                  [&](size_t) { return cell; }),
                 "a failing short-cut condition let the row pass");
  Fuzz_Require(FilterTestOutcome({QString(), caseSensitive, pattern, {}, foNONE, false, fmExpression}, cell),
               "an empty column condition failed");
  Fuzz_Require(!FilterTestOutcome({QString(), caseSensitive, {}, {}, foNONE, true, fmExpression}, cell),
               "an empty whole-row condition passed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t mode = data[0];
  static const TFormatSettings kUs;
  static const TFormatSettings kGerman = German_Format();
  SetFormatSettings(mode & 1 ? kGerman : kUs);
  const bool caseSensitive = (mode & 2) != 0;

  const QList<QByteArray> parts = Fuzz_Split(Fuzz_Bytes(data + 1, size - 1), '\x01', 2);
  const QString pattern = QString::fromUtf8(parts[0]);
  const QString cell = QString::fromUtf8(parts[1]);

  Csv(cell);
  Line_Breaks(cell);
  Html(pattern, cell, caseSensitive);
  Numbers_And_Dates(cell);
  Texts(pattern, cell, caseSensitive);
  Texts(cell, pattern, caseSensitive);
  Filter_Rows(pattern, cell, caseSensitive, mode);
  return 0;
}

// How a cell looks before it is painted, printed or measured: its brush and
// gradient colours, font, alignment, word wrap and draw state (in a fixed order
// of priority), the text it shows, and the measured size of that text.
#include <QtMath>
#include <cmath>

#include "grid/base/draw_arithmetic.h"
#include "grid/base/html_entities.h"
#include "grid/base/line_breaks.h"
#include "grid/base/rtf_text.h"
#include "grid/base/number_text.h"
#include "grid/base/text_kinds.h"
#include "grid/base/url_text.h"
#include "grid/view/checked_format.h"
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/strings.h"
#include "platform/ui/canvas.h"

namespace {

bool IsNumberText(const QString& text) {
  const int kind = GetNumberKind(text);
  return kind == nkInteger || kind == nkDecimal || kind == nkScientific;
}

// "=" first, or a packed wide text whose first character (its fourth stored
// one) is "=".
bool IsFormulaText(const QString& text) {
  if (text.startsWith(u'=')) return true;
  return text.size() > 3 && text.startsWith(QStringLiteral("|\\")) && text[3] == u'=';
}

}  // namespace

// --- colour mixing ---

TColor TExStringGrid::MixColors(TColor A, TColor B, int Percent) {
  if (Percent >= 100) return A;
  if (Percent < 1 || A == clNone) return B;
  if (B == clNone) return A;
  const TColor a = ColorToRGB(A), b = ColorToRGB(B);
  const double p = Percent / 100.0;
  auto mix = [p](int x, int y) { return std::min(255, static_cast<int>(std::nearbyint(p * x + (1 - p) * y))); };
  return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

TColor TExStringGrid::MixSelectionColor(TColor A, TColor B, bool Mixer, int Percent) {
  return Mixer ? MixColors(A, B, Percent) : A;
}

// --- the cell's look ---

bool TExStringGrid::MouseButtonDown() const { return GridState() == gsSelecting; }

void TExStringGrid::ApplySelectionColors(TFont* AFont, TColor& AColorTo, TColor& AMirrorColor,
                                         TColor& AMirrorColorTo) const {
  AColorTo = FSelectionColorTo;
  AMirrorColor = FSelectionMirrorColor;
  AMirrorColorTo = FSelectionMirrorColorTo;
  if (FSelectionTextColor != clNone) AFont->SetColor(FSelectionTextColor);
}

void TExStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                        bool Remap, TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                        TColor& AMirrorColorTo, TFont* AFont, TAlignment& HA, TVAlignment& VA,
                                        bool& WW, TCellGradientDirection& GD) {
  const int fixedCols = FixedCols(), fixedRows = FixedRows();
  const bool useDisplayFont = FPrintSettings->UseDisplayFont;
  // 1. Font by normal or fixed cell.
  if (ACol >= fixedCols && ARow >= fixedRows)
    AFont->Assign(Print && !useDisplayFont ? *FPrintSettings->Font() : *Font());
  else
    AFont->Assign(Print && !useDisplayFont ? *FPrintSettings->FixedFont() : *FFixedFont);
  // 2. Real column and selection row.
  const int rc = Remap ? RealColIndex(ACol) : ACol;
  const bool persistent = FMouseActions->DisjunctRowSelect() && FMouseActions->RowSelectPersistent;
  const int selRow = persistent || FUseEnabledRows ? DisplToRealRow(ARow) : ARow;
  // 3. No colours yet.
  ABrush->SetColor(clNone);
  AColorTo = AMirrorColor = AMirrorColorTo = clNone;
  // 4. The cell's own colours by its kind.
  bool plainOwnColor = false;
  if (TCellProperties* p = ExistingCellProperties(rc, ARow)) {
    switch (GetCellType(rc, ARow)) {
      case ctNone:
      case ctRotated:
      case ctEmpty:
        if (p->BrushColor() != clNone) {
          ABrush->SetColor(p->BrushColor());
          plainOwnColor = true;
        }
        break;
      default:
        ABrush->SetColor(p->BrushColor());
        break;
    }
    if (p->FontColor != clNone) AFont->SetColor(p->FontColor);
    if (!p->FontStyle.Empty()) AFont->SetStyle(p->FontStyle);
    if (p->FontSize != 0) AFont->SetSize(p->FontSize);
    if (!p->FontName.isEmpty()) AFont->SetName(p->FontName);
    WW = p->WordWrap();
    AColorTo = p->BrushColorTo();
    GD = p->GradientDirection;
  }
  // 5. Selected cells take vertical gradients.
  if (AState.Contains(gdSelected)) GD = GradientVertical;
  // 6. The grid's colour, bands, and the fixed colour of the fixed areas.
  if (ABrush->Color() == clNone) {
    ABrush->SetColor(Color());
    const bool normalArea = ACol >= fixedCols && ACol < ColCount() + FNumHidden - FFixedRightCols &&
                            ARow >= fixedRows && ARow < RowCount() - FFixedFooters;
    if (FBands->Active() && (!Print || FBands->Print) && normalArea && FBands->TotalLength() > 0)
      ABrush->SetColor((ARow - fixedRows) % FBands->TotalLength() < FBands->PrimaryLength()
                           ? FBands->PrimaryColor()
                           : FBands->SecondaryColor());
    if (ACol < fixedCols || ARow < fixedRows || ACol >= ColCount() - FFixedRightCols ||
        ARow >= RowCount() - FFixedFooters)
      ABrush->SetColor(FixedColor());
  }
  // 7. Fixed cells: fixed colour and font, and the look's header gradient.
  const bool fixed = IsFixed(ACol, ARow) || ACol < fixedCols || ARow < fixedRows;
  if (fixed && !plainOwnColor) {
    if (!Print) {
      ABrush->SetColor(FixedColor());
      AFont->Assign(*FFixedFont);
      AState += gdFixed;
    }
    if (FLook > glClassic) {
      ABrush->SetColor(VODGradientFrom);
      AColorTo = VODGradientTo;
      AMirrorColor = VODGradientMirrorFrom;
      AMirrorColorTo = VODGradientMirrorTo;
    }
  }
  // 8. The colour hook and its event.
  if (Print)
    GetCellPrintColorHook(rc, ARow, AState, ABrush, AFont);
  else
    GetCellColorHook(rc, ARow, AState, ABrush, AFont);
  // 9. The gradient event.
  if (OnGetCellGradient) {
    TColor color = ABrush->Color();
    OnGetCellGradient(this, ARow, rc, color, AColorTo, AMirrorColor, AMirrorColorTo, GD);
    ABrush->SetColor(color);
  }
  // 10. The unselected colours.
  const TColor savedBrush = ABrush->Color(), savedFont = AFont->Color();
  const bool normal = !fixed;
  const bool selectable = Select && !Print && FShowSelection && normal;
  // 11. Disjunct rows.
  if (selectable && FMouseActions->DisjunctRowSelect()) {
    const bool rowSelected = RowSelect(selRow);
    const bool down = MouseButtonDown();
    if ((down && ARow == Row()) || !rowSelected) {
      if (!down || rowSelected || !AState.Contains(gdSelected)) AState -= gdSelected;
    } else {
      AState = {gdSelected};
      ApplySelectionColors(AFont, AColorTo, AMirrorColor, AMirrorColorTo);
    }
  }
  // 12. Disjunct columns.
  if (selectable && FMouseActions->DisjunctColSelect()) {
    const bool colSelected = ColSelect(ACol);  // the flags are kept by display column
    const bool down = MouseButtonDown();
    if ((colSelected && !down) || (down && !colSelected && AState.Contains(gdSelected))) {
      AState = {gdSelected};
      ApplySelectionColors(AFont, AColorTo, AMirrorColor, AMirrorColorTo);
    }
  }
  // 13. The range selection.
  const TGridRect sel = Selection();
  const bool inSelection = ACol >= sel.Left && ACol <= sel.Right && ARow >= sel.Top && ARow <= sel.Bottom;
  const bool rangeMode = !FMouseActions->DisjunctRowSelect() && !FMouseActions->DisjunctColSelect();
  if ((selectable && inSelection && rangeMode) ||
      (AState.Contains(gdSelected) && MouseButtonDown() && FShowSelection)) {
    if (ABrush->Color() == Color())
      ABrush->SetColor(FSelectionColor);
    else
      ABrush->SetColor(MixSelectionColor(FSelectionColor, ABrush->Color(), FSelectionColorMixer,
                                         FSelectionColorMixerFactor));
    ApplySelectionColors(AFont, AColorTo, AMirrorColor, AMirrorColorTo);
    AState += gdSelected;
  }
  // 14. Disjunct cells.
  if (FMouseActions->DisjunctCellSelect() && FShowSelection) {
    if (SelectedCells(ACol, ARow)) {  // the list holds display cells
      ABrush->SetColor(FSelectionColor);
      ApplySelectionColors(AFont, AColorTo, AMirrorColor, AMirrorColorTo);
      AState += gdSelected;
    } else if (ACol == Col() && ARow == Row()) {
      AState -= gdSelected;
      ABrush->SetColor(savedBrush);
      AFont->SetColor(savedFont);
    }
  }
  // 15. Disabled font.
  if (UseDisabledFont && ((FUseEnabledRows && !RowEnabled(selRow)) || !Enabled()))
    AFont->SetColor(DisabledFontColor);
  // 16. Disjunct selections outside the current row are a little lighter.
  if (AState.Contains(gdSelected) && ARow != Row() && FMouseActions->DisjunctRowSelect() &&
      FSelectionColorTo == clNone)
    ABrush->SetColor(ScaleColorPercent(ABrush->Color(), 7));
  // 17. Word wrap and alignment.
  GetWordWrapHook(rc, ARow, WW);
  GetCellAlignment(rc, ARow, HA, VA);
}

void TExStringGrid::GetCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA) {
  // 1. The grid's defaults.
  HA = FDefaultAlignment;
  VA = FVAlignment;
  // 2. Numbers to the right.
  QString text = GetCellEx(ACol, ARow);
  const bool formula = IsFormulaText(text);
  if (AutoNumAlign) {
    if (formula) GetRawCellText(ACol, ARow, text);
    if (IsNumberText(Trim(text))) HA = taRightJustify;
  }
  // 3. The cell's own alignment.
  if (!formula)
    if (const TCellProperties* p = ExistingCellProperties(ACol, ARow)) HA = p->Alignment();
  // 4. The hook has the last word.
  GetAlignmentHook(ACol, ARow, HA, VA);
}

QString TExStringGrid::GetFormattedCell(int ACol, int ARow) {
  const QString text = GetCellEx(ACol, ARow);
  if (!OnGetFloatFormat || !IsNumberText(text)) return text;
  bool isFloat = true;
  QString format = FloatFormat;
  OnGetFloatFormat(this, ACol, ARow, isFloat, format);
  if (!isFloat || format.isEmpty()) return text;
  // A failing conversion or a format that does not fit keeps the stored text.
  try {
    QString formatted;
    const bool ok = format.contains(u'd') ? TryFormatValues(format, {int64_t(Ints(ACol, ARow))}, formatted)
                                          : TryFormatValues(format, {Floats(ACol, ARow)}, formatted);
    return ok ? formatted : text;
  } catch (const Exception&) {
    return text;
  }
}

void TExStringGrid::GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, TFont* AFont,
                                      TBrush* ABrush, bool /*Remap*/) {
  const bool fixed = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
  AFont->Assign(fixed ? *FFixedFont : *Font());
  if (const TCellProperties* p = ExistingCellProperties(RCol, ARow)) {
    if (p->FontColor != clNone) AFont->SetColor(p->FontColor);
    if (!p->FontStyle.Empty()) AFont->SetStyle(p->FontStyle);
    if (p->FontSize != 0) AFont->SetSize(p->FontSize);
    if (!p->FontName.isEmpty()) AFont->SetName(p->FontName);
  }
  GetCellColorHook(RCol, ARow, AState, ABrush, AFont);
}

// --- measuring ---

TPoint TExStringGrid::MeasureCellText(int RCol, int DCol, int ARow, bool VS, bool SB) {
  // 1. The shown text and its kind.
  QString text = GetFormattedCell(RCol, ARow);
  int kind = ClassifyCellText(text, EnableHTML);
  // 2. The cell's font on the measuring canvas.
  TCanvas* canvas = MeasureCanvas();
  TGridDrawState state;
  TBrush brush;
  GetFontProperties(DCol, RCol, ARow, state, canvas->Font(), &brush, true);
  if ((ARow < FixedRows() || DCol < FixedCols()) && FActiveCellShow && FActiveCellFont->Style().Contains(fsBold))
    canvas->Font()->SetStyle(canvas->Font()->Style() + fsBold);
  if (ZoomFactor != 0) canvas->Font()->SetSize(canvas->Font()->Size() + ZoomFactor);
  // 3. A formula shows its raw text.
  if (kind == ctkFormula) {
    GetRawCellText(RCol, ARow, text);
    kind = ClassifyCellText(text, EnableHTML);
  }
  if (kind == ctkPackedWide) text = DecodeWideCellText(text);
  // 4. The rectangle inside the offsets.
  TRect r = CellRect(DCol, ARow);
  if (IsRectEmpty(r)) r = Bounds(0, 0, ColWidths(DCol), RowHeights(ARow));
  r.Left += FXYOffset.X;
  r.Top += FXYOffset.Y;
  if (!XYOffsetTopLeftOnly) {
    r.Right -= FXYOffset.X;
    r.Bottom -= FXYOffset.Y;
  }
  if (VS) r.Right -= 17;
  TPoint size;
  // 5. Mini-HTML text, measured by its layout.
  // 6. (Rich text is measured as its plain text.)
  if (kind == ctkRichText) text = RtfToPlainText(text);
  if (kind == ctkHtml) {
    size = MeasureHtmlCell(RCol, ARow, canvas, r, SB, text);
  } else if (SB) {
    // 7. Word-wrapped height at the cell's width.
    InflateRect(r, -2, -2);
    if (EditorMode() && RCol == RealCol() && ARow == Row() && text.endsWith(u'\n')) text += u'w';
    TRect calc = r;
    int angle = 0;
    const unsigned wrap = IsRotated(RCol, ARow, angle) ? DT_SINGLELINE : DT_WORDBREAK;
    canvas->DrawText(text, calc, DT_CALCRECT | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS | wrap);
    size = {r.Width(), calc.Height()};
  } else {
    // 8. Widest line by the line count.
    int widest = 0, lines = 0;
    QString rest = text;
    do {
      QString line = CutFirstLine(rest, Multilinecells);
      if (URLShow && !URLFull) line = StripUrlScheme(line);
      widest = std::max(widest, canvas->TextWidth(line));
      ++lines;
    } while (!rest.isEmpty());
    size = {widest, lines * canvas->TextHeight(QStringLiteral("gh"))};
  }
  // 9. Rotated text.
  int angle = 0;
  if (IsRotated(RCol, ARow, angle)) {
    const double a = angle * M_PI / 180.0;
    const int w = size.X, h = size.Y;
    auto r0 = [](double v) { return std::abs(static_cast<int>(std::nearbyint(v))); };
    size = {std::abs(r0(h * std::sin(a)) - r0(w * std::cos(a))) + 12,
            std::abs(r0(h * std::cos(a)) - r0(w * std::sin(a))) + 12};
  }
  return size;
}

TPoint TExStringGrid::GetCellTextSize(int ACol, int ARow, bool VS, bool SB) {
  return MeasureCellText(ACol, RealToDisplCol(ACol), ARow, VS, SB);
}

// The look kept in each cell's properties: font, colours, gradient, alignment,
// word wrap and the read-only flag, and the row-wide colour setters. Reading a
// cell without properties gives the default and creates nothing; writing
// creates them.
#include "grid/view/ex_string_grid.h"

namespace {

const TCellProperties* PropsOf(const TExStringGrid& g, int i, int j) {
  return g.ExistingCellProperties(i, j);
}

}  // namespace

void TExStringGrid::SetCellFont(int i, int j, const TFont* Value) {
  if (!Value || i < 0 || j < 0) return;
  TCellProperties* p = GetCellProperties(i, j);
  p->FontName = Value->Name();
  p->FontSize = Value->Size();
  p->FontStyle = Value->Style();
  p->FontColor = Value->Color();
  if (FUpdateCount == 0) RepaintCell(RealToDisplCol(i), j);
}

TColor TExStringGrid::Colors(int i, int j) const {
  const TCellProperties* p = PropsOf(*this, i, j);
  return p ? p->BrushColor() : clNone;
}

void TExStringGrid::SetColors(int i, int j, TColor Value) {
  if (i < 0 || j < 0) return;
  GetCellProperties(i, j)->SetBrushColor(Value);
  if (FUpdateCount == 0) RepaintCell(RealToDisplCol(i), j);
}

TColor TExStringGrid::ColorsTo(int i, int j) const {
  const TCellProperties* p = PropsOf(*this, i, j);
  return p ? p->BrushColorTo() : clNone;
}

void TExStringGrid::SetColorsTo(int i, int j, TColor Value) {
  if (i < 0 || j < 0) return;
  GetCellProperties(i, j)->SetBrushColorTo(Value);
  RepaintCell(RealToDisplCol(i), j);
}

TCellGradientDirection TExStringGrid::Gradients(int i, int j) const {
  const TCellProperties* p = PropsOf(*this, i, j);
  return p ? p->GradientDirection : GradientVertical;
}

void TExStringGrid::SetGradients(int i, int j, TCellGradientDirection Value) {
  if (i < 0 || j < 0) return;
  GetCellProperties(i, j)->GradientDirection = Value;
  RepaintCell(RealToDisplCol(i), j);
}

TColor TExStringGrid::FontColors(int i, int j) const {
  const TCellProperties* p = PropsOf(*this, i, j);
  return p ? p->FontColor : clNone;
}

void TExStringGrid::SetFontColors(int i, int j, TColor Value) {
  if (i < 0 || j < 0) return;
  GetCellProperties(i, j)->FontColor = Value;
  RepaintCell(RealToDisplCol(i), j);
}

TFontStyles TExStringGrid::FontStyles(int i, int j) const {
  const TCellProperties* p = PropsOf(*this, i, j);
  return p ? p->FontStyle : TFontStyles{};
}

void TExStringGrid::SetFontStyles(int i, int j, TFontStyles Value) {
  if (i < 0 || j < 0) return;
  GetCellProperties(i, j)->FontStyle = Value;
  RepaintCell(RealToDisplCol(i), j);
}

int TExStringGrid::FontSizes(int i, int j) const {
  const TCellProperties* p = PropsOf(*this, i, j);
  return p ? p->FontSize : 0;
}

void TExStringGrid::SetFontSizes(int i, int j, int Value) {
  if (i < 0 || j < 0) return;
  GetCellProperties(i, j)->FontSize = Value;
  RepaintCell(RealToDisplCol(i), j);
}

QString TExStringGrid::FontNames(int i, int j) const {
  const TCellProperties* p = PropsOf(*this, i, j);
  return p ? p->FontName : QString();
}

void TExStringGrid::SetFontNames(int i, int j, const QString& Value) {
  if (i < 0 || j < 0) return;
  GetCellProperties(i, j)->FontName = Value;
  RepaintCell(RealToDisplCol(i), j);
}

TAlignment TExStringGrid::Alignments(int i, int j) const {
  const TCellProperties* p = PropsOf(*this, i, j);
  return p ? p->Alignment() : taLeftJustify;
}

void TExStringGrid::SetAlignments(int i, int j, TAlignment Value) {
  if (i < 0 || j < 0) return;
  GetCellProperties(i, j)->SetAlignment(Value);
  RepaintCell(RealToDisplCol(i), j);
}

bool TExStringGrid::WordWraps(int i, int j) {
  if (i < 0 || j < 0) return FWordWrapEx;
  return GetCellProperties(i, j)->WordWrap();
}

void TExStringGrid::SetWordWraps(int i, int j, bool Value) {
  if (i < 0 || j < 0) return;
  GetCellProperties(i, j)->SetWordWrap(Value);
  RepaintCell(RealToDisplCol(i), j);
}

bool TExStringGrid::ReadOnly(int i, int j) const {
  const TCellProperties* p = PropsOf(*this, i, j);
  return p && p->ReadOnly;
}

void TExStringGrid::SetReadOnly(int i, int j, bool Value) {
  if (i < 0 || j < 0) return;
  GetCellProperties(i, j)->ReadOnly = Value;
  RepaintCell(RealToDisplCol(i), j);
}

// --- row-wide colours: columns FixedCols .. AllColCount - 1 ---
// Resetting to clNone clears only that colour of the cells that have
// properties; their fonts, alignment, read-only flags and graphics stay.

void TExStringGrid::SetRowColor(int i, TColor AColor) {
  if (i < 0) return;
  for (int c = TStringGrid::FixedCols(); c < AllColCount(); ++c) {
    if (AColor != clNone)
      GetCellProperties(c, i)->SetBrushColor(AColor);
    else if (CellHasProperties(c, i))
      GetCellProperties(c, i)->SetBrushColor(clNone);
  }
  RepaintRow(i);
}

void TExStringGrid::SetRowColorTo(int i, TColor AColor) {
  if (i < 0) return;
  for (int c = TStringGrid::FixedCols(); c < AllColCount(); ++c) {
    if (AColor != clNone)
      GetCellProperties(c, i)->SetBrushColorTo(AColor);
    else if (CellHasProperties(c, i))
      GetCellProperties(c, i)->SetBrushColorTo(clNone);
  }
  RepaintRow(i);
}

void TExStringGrid::SetRowFontColor(int i, TColor AColor) {
  if (i < 0) return;
  for (int c = TStringGrid::FixedCols(); c < AllColCount(); ++c) {
    if (AColor != clNone)
      GetCellProperties(c, i)->FontColor = AColor;
    else if (CellHasProperties(c, i))
      GetCellProperties(c, i)->FontColor = clNone;
  }
  RepaintRow(i);
}

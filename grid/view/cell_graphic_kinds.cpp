// The questions the grid asks about a cell's graphic (kind sets on the merge
// base, clickable and data-carrying cells, sizes, button and expand rectangles)
// and the public operations that give a cell a graphic of the other kinds -
// bitmaps, pictures, progress bars and pies, range indicators, comments, shapes,
// ratings, cell scroll bars, error markers, buttons and rotated text - and take
// it away again; and the controls placed over cells.
#include "grid/base/control_list.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/image_data.h"
#include "platform/ui/image_list.h"
#include "platform/ui/shapes.h"

namespace {

constexpr TCellTypes kCheckBoxKinds{ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox};

}  // namespace

// --- kind queries ---

bool TExStringGrid::CellTypeInSet(int ACol, int ARow, TCellTypes Types) {
  if (ACol < 0 || ARow < 0) return false;
  const TPoint b = BaseCell(ACol, ARow);
  TCellGraphic* g = GetCellGraphic(b.X, b.Y);
  return g && Types.Contains(g->CellType);
}

bool TExStringGrid::HasCheckBox(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, kCheckBoxKinds); }
bool TExStringGrid::HasDataCheckBox(int ACol, int ARow) {
  return CellTypeInSet(ACol, ARow, {ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox});
}
bool TExStringGrid::HasButton(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctButton, ctBitButton}); }
bool TExStringGrid::IsRadio(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctRadio}); }
bool TExStringGrid::HasRating(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctRating}); }
bool TExStringGrid::HasScrollBar(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctScrollbar}); }
bool TExStringGrid::HasBalloon(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctBalloon}); }
bool TExStringGrid::HasExpand(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctExpand}); }
bool TExStringGrid::HasProgress(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctProgress}); }

bool TExStringGrid::IsDataGraphicCell(int ACol, int ARow) {
  const TPoint b = BaseCell(ACol, ARow);
  constexpr TCellTypes data{ctDataCheckBox, ctDataImage, ctVirtCheckBox, ctRowCheckBox};
  return data.Contains(GetCellType(b.X, b.Y));
}

bool TExStringGrid::IsSortIndicatorCell(int ACol, int ARow) {
  int row = ARow;
  if (IsMergedCell(ACol, ARow)) {
    const TPoint b = BaseCell(ACol, ARow);
    row = b.Y + CellSpan(b.X, b.Y).Y;
  }
  return row == FSortSettings->Row() && FSortSettings->Show() && RowCount() > FixedRows() + 1;
}

// --- sizes and rectangles ---

TPoint TExStringGrid::GetCellGraphicSize(int ACol, int ARow) {
  TPoint size{0, 0};
  CalcCellGraphicSize(ACol, ARow, 0, size);
  return size;
}

void TExStringGrid::CalcCellGraphicSize(int ACol, int ARow, int Extra, TPoint& Size) {
  Size = {0, 0};
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return;
  const bool withText = !GetCellEx(ACol, ARow).isEmpty();
  const bool beside = g->CellHAlign == haBeforeText || g->CellHAlign == haAfterText;
  const bool over = g->CellVAlign == vaUnderText || g->CellVAlign == vaAboveText;
  const TRect cell = CellRect(RealToDisplCol(ACol), ARow);
  TCanvas* canvas = MeasureCanvas();
  canvas->Font()->Assign(*Font());
  bool widthFromCaption = false;
  switch (g->CellType) {
    case ctBitmap:
      if (auto* b = dynamic_cast<TBitmap*>(g->CellBitmap)) {
        Size.X = beside || !withText ? b->Width() : 0;
        Size.Y = over || !withText ? b->Height() : 0;
      }
      break;
    case ctIcon:
      if (auto* icon = dynamic_cast<TIcon*>(g->CellIcon)) {
        Size.X = beside || !withText ? icon->Width() : 0;
        Size.Y = icon->Height();
      }
      break;
    case ctImageList:
    case ctDataImage:
      if (TCustomImageList* images = GetGridImages()) {
        Size.X = beside || !withText ? images->Width() : 0;
        Size.Y = over || !withText ? images->Height() : 0;
      }
      break;
    case ctImages:
      if (auto* list = dynamic_cast<TIntList*>(g->CellBitmap); list && GetGridImages()) {
        const TCustomImageList* images = GetGridImages();
        Size.X = g->CellBoolean ? list->Count() * images->Width() : images->Width();
        Size.Y = g->CellBoolean ? images->Height() : list->Count() * images->Height();
      }
      break;
    case ctPicture:
    case ctFilePicture:
      Size = g->GetPictureSize(ColWidths(RealToDisplCol(ACol)) - 1 - TotalXOffset(),
                               RowHeights(ARow) - 1 - TotalYOffset() - Extra, withText);
      break;
    case ctButton:
    case ctBitButton: {
      const int bw = g->CellIndex & 0xFFFF, bh = (g->CellIndex >> 16) & 0xFFFF;
      const int captionWidth = canvas->TextWidth(g->CellText) + 4;
      widthFromCaption = !g->CellText.isEmpty();
      if (withText) {
        Size.X = g->CellHAlign == haCenter ? 0 : g->CellHAlign == haFull ? captionWidth : over ? 0 : bw;
        Size.Y = over ? bh : 0;
      } else {
        Size.X = g->CellHAlign == haFull ? captionWidth : bw;
        Size.Y = bh;
      }
      break;
    }
    case ctProgressPie: Size = {20, 20}; break;
    case ctRadioButton: Size = {FControlLook->RadioSize, FControlLook->RadioSize}; break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox: Size = {FControlLook->CheckSize, FControlLook->CheckSize}; break;
    case ctRadio:
      if (auto* items = g->Strings()) {
        const int lineHeight = canvas->TextHeight(QStringLiteral("gh"));
        if (g->CellBoolean) {
          for (int i = 0; i < items->Count(); ++i) Size.X += canvas->TextWidth(items->Strings(i)) + 12;
          Size.Y = lineHeight;
        } else {
          Size.X = 12;
          for (int i = 0; i < items->Count(); ++i)
            Size.X = std::max(Size.X, canvas->TextWidth(items->Strings(i)) + 12);
          Size.Y = std::max(16, lineHeight) * items->Count();
        }
      }
      break;
    case ctRating:
      Size = {g->CellAngle * 18, 16};
      widthFromCaption = true;
      break;
    default: break;
  }
  if (g->CellVAlign == vaFull) Size.Y = cell.Height();
  if (g->CellHAlign == haFull && !widthFromCaption) Size.X = cell.Width();
}

void TExStringGrid::CalcCellGraphicPrintSize(int ACol, int ARow, int X, int Y, double Scale, TPoint& Size) {
  Size = {0, 0};
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return;
  switch (g->CellType) {
    case ctBitmap:
      if (auto* b = dynamic_cast<TBitmap*>(g->CellBitmap)) Size = {b->Width(), b->Height()};
      break;
    case ctIcon:
      if (auto* icon = dynamic_cast<TIcon*>(g->CellIcon)) Size = {icon->Width(), icon->Height()};
      break;
    case ctImageList:
      if (TCustomImageList* images = GetGridImages()) {
        const bool beside = g->CellHAlign == haBeforeText || g->CellHAlign == haAfterText;
        Size = {beside || GetCellEx(ACol, ARow).isEmpty() ? images->Width() : 0, images->Height()};
      }
      break;
    case ctDataImage:
      if (TCustomImageList* images = GetGridImages()) Size = {images->Width(), images->Height()};
      break;
    case ctImages: {
      TPoint screen{0, 0};
      CalcCellGraphicSize(ACol, ARow, 0, screen);
      Size = screen;
      break;
    }
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox: Size = {FControlLook->CheckSize, FControlLook->CheckSize}; break;
    case ctRadioButton: Size = {FControlLook->RadioSize, FControlLook->RadioSize}; break;
    case ctNode:
    case ctProgressPie: Size = {20, 20}; break;
    case ctRadio: {
      TPoint screen{0, 0};
      CalcCellGraphicSize(ACol, ARow, 0, screen);
      Size = screen;
      break;
    }
    case ctPicture:
    case ctFilePicture: {
      const double scale = Scale == 0 ? 1 : Scale;
      Size = g->GetPictureSize(static_cast<int>(std::nearbyint(X / scale)), static_cast<int>(std::nearbyint(Y / scale)),
                               false);
      break;
    }
    case ctProgress:
    case ctXPProgress: Size = {ColWidths(RealToDisplCol(ACol)), RowHeights(ARow)}; break;
    case ctButton:
    case ctBitButton: Size = {g->CellIndex & 0xFFFF, (g->CellIndex >> 16) & 0xFFFF}; break;
    case ctShape: Size = {RowHeights(ARow) - 2 * FXYOffset.Y, RowHeights(ARow) - 2 * FXYOffset.Y}; break;
    default: break;
  }
}

TRect TExStringGrid::GetCellButtonRect(int ACol, int ARow) {
  TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
  if (!g) return {};
  const TRect cell = CellRect(ACol, ARow);
  const int value = static_cast<int>(std::nearbyint(g->CellValue));
  TRect r = Bounds(cell.Left + (value & 0xFFFF), cell.Top + ((value >> 16) & 0xFFFF), g->CellIndex & 0xFFFF,
                   (g->CellIndex >> 16) & 0xFFFF);
  if (g->CellVAlign == vaFull) {
    r.Top = cell.Top;
    r.Bottom = cell.Bottom;
  }
  if (g->CellHAlign == haFull) {
    r.Left = cell.Left;
    r.Right = cell.Right;
  }
  return r;
}

TRect TExStringGrid::GetExpandButtonRect(int ACol, int ARow) {
  if (GetCellType(ACol, ARow) != ctExpand) return {};
  const TRect r = CellRect(ACol, ARow);
  return Rect(r.Right - 13, r.Top + 2, r.Right - 2, r.Top + 13);
}

// --- the other kinds ---

TCellGraphic* TExStringGrid::NewGraphic(int ACol, int ARow, TCellType AType) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (g) g->CellType = AType;
  return g;
}

TCellGraphic* TExStringGrid::GraphicOfType(int ACol, int ARow, TCellType AType) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  return g && g->CellType == AType ? g : nullptr;
}

void TExStringGrid::AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val) {
  if (TCellGraphic* g = CreateCellGraphic(ACol, ARow)) g->SetBitmap(ABmp, Transparent, hal, val);
}

TBitmap* TExStringGrid::CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return nullptr;
  auto* b = new TBitmap();
  g->SetBitmap(b, Transparent, hal, val);
  g->CellCreated = true;
  return b;
}

TBitmap* TExStringGrid::GetBitmap(int ACol, int ARow) {
  TCellGraphic* g = GraphicOfType(ACol, ARow, ctBitmap);
  return g ? dynamic_cast<TBitmap*>(g->CellBitmap) : nullptr;
}
bool TExStringGrid::HasBitmap(int ACol, int ARow) { return GraphicOfType(ACol, ARow, ctBitmap) != nullptr; }
void TExStringGrid::RemoveBitmap(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitmap); }

void TExStringGrid::AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode,
                               int Padding, TCellHAlign hal, TCellVAlign val) {
  if (TCellGraphic* g = CreateCellGraphic(ACol, ARow)) g->SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TPicture* TExStringGrid::CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                       TCellHAlign hal, TCellVAlign val) {
  auto* p = new TPicture();
  AddPicture(ACol, ARow, p, Transparent, StretchMode, Padding, hal, val);
  TCellGraphic* g = GraphicOfType(ACol, ARow, ctPicture);
  if (!g || g->CellBitmap != p) {
    delete p;
    return nullptr;
  }
  g->CellCreated = true;
  return p;
}

TPicture* TExStringGrid::GetPicture(int ACol, int ARow) {
  TCellGraphic* g = GraphicOfType(ACol, ARow, ctPicture);
  return g ? dynamic_cast<TPicture*>(g->CellBitmap) : nullptr;
}
bool TExStringGrid::HasPicture(int ACol, int ARow) { return GraphicOfType(ACol, ARow, ctPicture) != nullptr; }
void TExStringGrid::RemovePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctPicture); }

void TExStringGrid::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                         TColor BKTextColor, const QString& Fmt, int Min, int Max) {
  TCellGraphic* g = NewGraphic(ACol, ARow, ctProgress);
  if (!g) return;
  g->CellBitmapColor = FGColor;
  g->CellIconColor = BKColor;
  g->CellIndex = FGTextColor;
  g->CellAngle = BKTextColor;
  g->CellErrFrom = Min;
  g->CellErrLen = Max;
  g->CellText = Fmt;
  g->CellBoolean = true;
}

void TExStringGrid::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor) {
  AddProgressFormatted(ACol, ARow, FGColor, clNone, BKColor, clNone, QString(), 0, 100);
  if (TCellGraphic* g = GraphicOfType(ACol, ARow, ctProgress)) g->CellBoolean = false;
}

void TExStringGrid::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                  TColor BKTextColor) {
  AddProgressFormatted(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor, QString(), 0, 100);
}

void TExStringGrid::RemoveProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgress); }

void TExStringGrid::AddExProgress(int ACol, int ARow, int Min, int Max) {
  if (TCellGraphic* g = NewGraphic(ACol, ARow, ctXPProgress)) {
    g->CellErrFrom = Min;
    g->CellErrLen = Max;
  }
}
void TExStringGrid::RemoveExProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctXPProgress); }

void TExStringGrid::AddProgressPie(int ACol, int ARow, TColor Color, int Value) {
  if (TCellGraphic* g = NewGraphic(ACol, ARow, ctProgressPie)) {
    g->CellBitmapColor = Color;
    g->CellAngle = Value;
    g->CellHAlign = haBeforeText;
    g->CellVAlign = vaTop;
  }
}

void TExStringGrid::SetProgressPie(int ACol, int ARow, int Value) {
  if (TCellGraphic* g = GraphicOfType(ACol, ARow, ctProgressPie)) {
    g->CellAngle = Value;
    RepaintCell(RealToDisplCol(ACol), ARow);
  }
}
void TExStringGrid::RemoveProgressPie(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgressPie); }

void TExStringGrid::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor,
                                      bool ShowValue) {
  if (TCellGraphic* g = NewGraphic(ACol, ARow, ctRangeIndicator)) {
    g->CellIndex = Range;
    g->CellBitmapColor = NegColor;
    g->CellIconColor = PosColor;
    g->CellBoolean = ShowValue;
  }
}
void TExStringGrid::RemoveRangeIndicator(int ACol, int ARow) {
  RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator);
}

void TExStringGrid::AddColorComment(int ACol, int ARow, const QString& Comment, TColor Color) {
  if (TCellGraphic* g = NewGraphic(ACol, ARow, ctComment)) {
    g->CellText = Comment;
    g->CellIndex = Color;
  }
}

void TExStringGrid::AddComment(int ACol, int ARow, const QString& Comment) {
  AddColorComment(ACol, ARow, Comment, FControlLook->CommentColor);
}

QString TExStringGrid::CellComment(int ACol, int ARow) {
  TCellGraphic* g = GraphicOfType(ACol, ARow, ctComment);
  return g ? g->CellText : QString();
}

void TExStringGrid::SetCellComment(int ACol, int ARow, const QString& Value) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g)
    AddComment(ACol, ARow, Value);
  else if (g->CellType == ctComment)
    g->CellText = Value;
}

bool TExStringGrid::IsComment(int ACol, int ARow, QString& Comment) {
  TCellGraphic* g = GraphicOfType(ACol, ARow, ctComment);
  if (!g) return false;
  Comment = g->CellText;
  return true;
}

void TExStringGrid::RemoveComment(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctComment); }

void TExStringGrid::RemoveAllComments() {
  for (int c = 0; c < ColCount(); ++c)
    for (int r = 0; r < RowCount(); ++r) RemoveComment(c, r);
}

void TExStringGrid::AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor,
                             TCellHAlign hal, TCellVAlign val) {
  if (TCellGraphic* g = NewGraphic(ACol, ARow, ctShape)) {
    g->CellAngle = Shape;
    g->CellIndex = FillColor;
    g->CellBitmapColor = LineColor;
    g->CellHAlign = hal;
    g->CellVAlign = val;
  }
}

void TExStringGrid::SetShapeColor(int ACol, int ARow, TColor FillColor) {
  if (TCellGraphic* g = GraphicOfType(ACol, ARow, ctShape)) g->CellIndex = FillColor;
}

TColor TExStringGrid::GetShapeColor(int ACol, int ARow) {
  TCellGraphic* g = GraphicOfType(ACol, ARow, ctShape);
  return g ? g->CellIndex : clNone;
}
void TExStringGrid::RemoveShape(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctShape); }

void TExStringGrid::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor) {
  if (TCellGraphic* g = NewGraphic(ACol, ARow, ctRating)) {
    g->CellAngle = Scale;
    g->CellIndex = FillColor;
    g->CellBitmapColor = EmptyColor;
    g->CellHAlign = haFull;
  }
}
void TExStringGrid::RemoveRating(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRating); }

void TExStringGrid::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) g = NewGraphic(ACol, ARow, ctEmpty);
  if (!g) return;
  g->CellErrFrom = ErrPos;
  g->CellErrLen = ErrLen;
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExStringGrid::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  ErrPos = g ? g->CellErrFrom : 0;
  ErrLen = g ? g->CellErrLen : 0;
}

void TExStringGrid::RemoveMarker(int ACol, int ARow) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return;
  if (g->CellType == ctEmpty) {
    RemoveCellGraphic(ACol, ARow);
    return;
  }
  g->CellErrFrom = g->CellErrLen = 0;
}

void TExStringGrid::RemoveAllMarkers() {
  for (int c = 0; c < ColCount(); ++c)
    for (int r = 0; r < RowCount(); ++r) RemoveMarker(c, r);
}

void TExStringGrid::AddButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                              TCellVAlign val) {
  if (TCellGraphic* g = CreateCellGraphic(ACol, ARow)) g->SetButton(bw, bh, Caption, hal, val);
}

void TExStringGrid::AddBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TBitmap* Glyph,
                                 TCellHAlign hal, TCellVAlign val) {
  if (TCellGraphic* g = CreateCellGraphic(ACol, ARow)) g->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

TBitmap* TExStringGrid::CreateBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                                        TCellVAlign val) {
  auto* glyph = new TBitmap();
  AddBitButton(ACol, ARow, bw, bh, Caption, glyph, hal, val);
  TCellGraphic* g = GraphicOfType(ACol, ARow, ctBitButton);
  if (!g) {
    delete glyph;
    return nullptr;
  }
  g->CellCreated = true;
  return glyph;
}

void TExStringGrid::SetButtonText(int ACol, int ARow, const QString& Caption) {
  if (TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow)) {
    g->CellText = Caption;
    RepaintCell(ACol, ARow);
  }
}

QString TExStringGrid::GetButtonText(int ACol, int ARow) {
  TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
  return g ? g->CellText : QString();
}

void TExStringGrid::PushButton(int ACol, int ARow, bool Push) {
  TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
  if (!g || g->CellType == ctNode) return;
  g->CellBoolean = Push;
  RepaintCell(ACol, ARow);
}

void TExStringGrid::RemoveButton(int ACol, int ARow) {
  if (!RemoveCellGraphicOfType(ACol, ARow, ctButton)) RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}
void TExStringGrid::RemoveBitButton(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitButton); }

void TExStringGrid::RemoveAllButtons() {
  for (int c = 0; c < ColCount(); ++c)
    for (int r = 0; r < RowCount(); ++r)
      if (HasButton(c, r)) RemoveButton(c, r);
}

void TExStringGrid::AddRotated(int ACol, int ARow, int16_t AAngle, const QString& s) {
  if (TCellGraphic* g = CreateCellGraphic(ACol, ARow)) g->SetAngle(AAngle);
  SetCellEx(ACol, ARow, s);
}

void TExStringGrid::SetRotated(int ACol, int ARow, int16_t AAngle) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) g = CreateCellGraphic(ACol, ARow);
  if (g) g->SetAngle(AAngle);
}

bool TExStringGrid::IsRotated(int ACol, int ARow, int& aAngle) {
  TCellGraphic* g = GraphicOfType(ACol, ARow, ctRotated);
  if (!g) return false;
  aAngle = g->CellAngle;
  return true;
}
void TExStringGrid::RemoveRotated(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRotated); }

void TExStringGrid::AddScrollBar(int ACol, int ARow, bool AutoRange) {
  TCellGraphic* g = NewGraphic(ACol, ARow, ctScrollbar);
  if (!g) return;
  g->CellAngle = 0;
  g->CellErrFrom = 100;
  g->CellBoolean = AutoRange;
  if (AutoRange) CellChanged(ACol, ARow);
}

bool TExStringGrid::HasAutoRangeScrollBar(int ACol, int ARow) {
  const TPoint b = BaseCell(ACol, ARow);
  TCellGraphic* g = GraphicOfType(b.X, b.Y, ctScrollbar);
  return g && g->CellBoolean;
}

void TExStringGrid::RemoveScrollBar(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctScrollbar); }

void TExStringGrid::SetScrollPosition(int ACol, int ARow, int Pos) {
  const TPoint b = BaseCell(ACol, ARow);
  if (TCellGraphic* g = GraphicOfType(b.X, b.Y, ctScrollbar)) {
    g->CellIndex = Pos;
    RepaintCell(RealToDisplCol(b.X), b.Y);
  }
}

int TExStringGrid::GetScrollPosition(int ACol, int ARow) {
  const TPoint b = BaseCell(ACol, ARow);
  TCellGraphic* g = GraphicOfType(b.X, b.Y, ctScrollbar);
  return g ? g->CellIndex : -1;
}

void TExStringGrid::CellChanged(int ACol, int ARow) {
  if (!HasAutoRangeScrollBar(ACol, ARow)) return;
  const TPoint b = BaseCell(ACol, ARow);
  TCellGraphic* g = GraphicOfType(b.X, b.Y, ctScrollbar);
  g->CellAngle = RowHeights(b.Y);
  g->CellErrFrom = GetCellTextSize(b.X, b.Y, true, true).Y;
}

void TExStringGrid::RemoveDataImage(int ACol, int ARow) {
  // The cell's text is the image index only while the cell holds a data image.
  if (RemoveCellGraphicOfType(ACol, ARow, ctDataImage)) SetCellEx(ACol, ARow, QString());
}

bool TExStringGrid::HasDataImage(int ACol, int ARow) {
  const TPoint b = BaseCell(ACol, ARow);
  return GetCellType(b.X, b.Y) == ctDataImage;
}

// --- controls placed over cells ---

TControl* TExStringGrid::CellControls(int i, int j) {
  return CellHasProperties(i, j) ? GetCellProperties(i, j)->Control : nullptr;
}

void TExStringGrid::SetCellControls(int i, int j, TControl* AControl) {
  const int realRow = RealRowIndex(j);
  auto dropEntry = [&] {
    const int at = FControlList->ControlIndex(i, realRow);
    if (at >= 0) FControlList->RemoveControl(at);
  };
  if (!AControl) {
    if (!CellHasProperties(i, j) || !GetCellProperties(i, j)->Control) return;
    dropEntry();
    FCellControlCount = std::max(0, FCellControlCount - 1);
    GetCellProperties(i, j)->Control = nullptr;
    return;
  }
  dropEntry();
  TCellProperties* p = GetCellProperties(i, j);
  if (!p->Control) ++FCellControlCount;
  FControlList->AddControl(i, realRow, AControl);
  p->Control = AControl;
  AControl->SetParent(this);
  const TRect r = CellRect(RealToDisplCol(i), j);
  AControl->SetBounds(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height() + 1);
}

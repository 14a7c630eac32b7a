// Cells that show pictures from the grid's image list (an image index, an index
// held as the cell's text, a row of indexes), icons and pictures named by file:
// making, reading and removing them, and drawing them in the graphic step.
#include "grid/base/file_picture.h"
#include "grid/view/cell_paint.h"
#include "platform/ui/canvas.h"
#include "platform/ui/image_data.h"
#include "platform/ui/image_list.h"

// --- image-list cells ---

void TExStringGrid::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
  if (!GridImages) return;
  if (TCellGraphic* g = CreateCellGraphic(ACol, ARow)) g->SetImageIdx(Aidx, hal, val);
}

bool TExStringGrid::GetImageIdx(int ACol, int ARow, int& idx) {
  if (!GridImages) return false;
  TCellGraphic* g = GraphicOfType(ACol, ARow, ctImageList);
  if (!g) return false;
  idx = g->CellIndex;
  return true;
}

void TExStringGrid::SetImageIdx(int ACol, int ARow, int Idx) {
  if (!GridImages) return;
  if (TCellGraphic* g = GraphicOfType(ACol, ARow, ctImageList)) g->CellIndex = Idx;
}

void TExStringGrid::RemoveImageIdx(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImageList); }

void TExStringGrid::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
  if (!GridImages) return;
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return;
  g->SetDataImage(Aidx, hal, val);
  if (GetCellEx(ACol, ARow).isEmpty()) SetInts(ACol, ARow, Aidx);
}

void TExStringGrid::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val) {
  if (!GridImages) return;
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return;
  g->SetMultiImage(ACol, ARow, Dir, hal, val, [this](TObject*, int c, int r) { MultiImageChanged(c, r); });
}

void TExStringGrid::MultiImageChanged(int ACol, int ARow) { RepaintCell(RealToDisplCol(ACol), ARow); }

void TExStringGrid::RemoveMultiImage(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImages); }

TIntList* TExStringGrid::GetCellImages(int ACol, int ARow) {
  TCellGraphic* g = GraphicOfType(ACol, ARow, ctImages);
  return g ? dynamic_cast<TIntList*>(g->CellBitmap) : nullptr;
}

intptr_t TExStringGrid::GetCellImageKey(int ACol, int ARow) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return -1;
  switch (g->CellType) {
    case ctBitmap: return reinterpret_cast<intptr_t>(g->CellBitmap);
    case ctIcon: return reinterpret_cast<intptr_t>(g->CellIcon);
    case ctImageList: return g->CellIndex;
    default: return -1;
  }
}

// --- icons and file pictures ---

void TExStringGrid::AddIcon(int ACol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val) {
  if (TCellGraphic* g = CreateCellGraphic(ACol, ARow)) g->SetIcon(AIcon, hal, val);
}

TIcon* TExStringGrid::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return nullptr;
  auto* icon = new TIcon();
  g->SetIcon(icon, hal, val);
  g->CellCreated = true;
  return icon;
}

void TExStringGrid::RemoveIcon(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctIcon); }

void TExStringGrid::AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent,
                                   TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val) {
  if (TCellGraphic* g = CreateCellGraphic(ACol, ARow))
    g->SetFilePicture(AFilePicture, Transparent, StretchMode, Padding, hal, val);
}

TFilePicture* TExStringGrid::CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                               int Padding, TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return nullptr;
  auto* picture = new TFilePicture();
  g->SetFilePicture(picture, Transparent, StretchMode, Padding, hal, val);
  g->CellCreated = true;
  return picture;
}

TFilePicture* TExStringGrid::GetFilePicture(int ACol, int ARow) {
  TCellGraphic* g = GraphicOfType(ACol, ARow, ctFilePicture);
  return g ? dynamic_cast<TFilePicture*>(g->CellBitmap) : nullptr;
}

void TExStringGrid::RemoveFilePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctFilePicture); }

// --- drawing ---

bool TExStringGrid::DrawImageGraphic(TCellPaint& P, const TRect& at) {
  TCellGraphic* g = P.Graphic;
  TCanvas* c = P.Canvas;
  TCustomImageList* images = GetGridImages();
  switch (g->CellType) {
    case ctIcon:
      if (auto* icon = dynamic_cast<TIcon*>(g->CellIcon)) icon->Data().Draw(c, at.Left, at.Top);
      return true;
    case ctImageList:
      if (images) images->Draw(c, at.Left, at.Top, g->CellIndex);
      return true;
    case ctDataImage: {
      if (!images) return true;
      bool ok = false;
      const int n = GetCellEx(P.RealCol, P.Row).trimmed().toInt(&ok);
      if (ok && n + g->CellIndex >= 0 && n + g->CellIndex < images->Count())
        images->Draw(c, at.Left, at.Top, n + g->CellIndex);
      return true;
    }
    case ctImages: {
      auto* list = dynamic_cast<TIntList*>(g->CellBitmap);
      if (!images || !list) return true;
      int x = at.Left, y = at.Top;
      for (int i = 0; i < list->Count(); ++i) {
        images->Draw(c, x, y, list->GetInteger(i));
        if (g->CellBoolean)
          x += images->Width();
        else
          y += images->Height();
      }
      return true;
    }
    case ctFilePicture:
      if (auto* picture = dynamic_cast<TFilePicture*>(g->CellBitmap)) picture->DrawPicture(c, at);
      return true;
    default: return false;
  }
}

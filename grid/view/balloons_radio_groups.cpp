// TExStringGrid: balloons (a title, a text and an icon shown over the cell, on
// their own or attached to a check box or radio button) and radio groups (a
// list of items drawn as radio buttons in one cell, one of them selected).
#include <memory>

#include "grid/view/ex_string_grid.h"
#include "platform/ui/canvas.h"

namespace {

constexpr TCellTypes kBalloonCarriers{ctCheckBox, ctDataCheckBox, ctRadioButton};

}  // namespace

// --- balloons ---

void TExStringGrid::AddBalloon(int ACol, int ARow, const QString& Title, const QString& Text, TBalloonIcon Icon) {
  // 1.
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) {
    // 2.
    g = CreateCellGraphic(ACol, ARow);
    if (!g) return;
    g->CellType = ctBalloon;
    g->CellAngle = 0;
  } else if (kBalloonCarriers.Contains(g->CellType)) {
    // 3. The check box stays; a list it carried goes.
    if (g->CellAngle == 1) delete g->CellBitmap;
    g->CellBitmap = nullptr;
    g->CellAngle = 1;
  } else {
    // 4. A balloon's texts change by removing and adding it again.
    return;
  }
  // 5.
  g->CellIndex = Icon;
  auto* texts = new TCellStrings();
  texts->Add(Title);
  texts->Add(Text);
  g->CellBitmap = texts;
}

void TExStringGrid::RemoveBalloon(int ACol, int ARow) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return;
  if (kBalloonCarriers.Contains(g->CellType) && g->CellAngle == 1) {
    g->CellAngle = 0;
    delete g->CellBitmap;
    g->CellBitmap = nullptr;
    return;
  }
  RemoveCellGraphicOfType(ACol, ARow, ctBalloon);
}

bool TExStringGrid::IsBalloon(int ACol, int ARow, QString& Title, QString& Text, TBalloonIcon& Icon) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return false;
  const bool balloon = g->CellType == ctBalloon || (kBalloonCarriers.Contains(g->CellType) && g->CellAngle == 1);
  TStringList* texts = g->Strings();
  if (!balloon || !texts || texts->Count() < 2) return false;
  Title = texts->Strings(0);
  Text = texts->Strings(1);
  Icon = static_cast<TBalloonIcon>(g->CellIndex);
  return true;
}

// --- radio groups ---

void TExStringGrid::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStringList* sl) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return;
  g->CellType = ctRadio;
  g->CellBoolean = DirRadio != 0;
  g->CellIndex = IdxRadio;
  g->CellStrings = sl;
  g->CellCreated = false;
  g->CellAngle = sl ? sl->Count() : 0;
}

TStringList* TExStringGrid::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return nullptr;
  auto* items = new TCellStrings();
  g->CellType = ctRadio;
  g->CellBoolean = DirRadio != 0;
  g->CellIndex = IdxRadio;
  g->CellBitmap = items;
  g->CellCreated = true;
  g->CellAngle = 0;
  return items;
}

bool TExStringGrid::GetRadioIdx(int ACol, int ARow, int& IdxRadio) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return false;
  IdxRadio = g->CellIndex;
  return g->CellType == ctRadio;
}

bool TExStringGrid::SetRadioIdx(int ACol, int ARow, int IdxRadio) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return false;
  g->CellIndex = IdxRadio;
  if (IdxRadio == -1) SetCellEx(ACol, ARow, QString());
  RepaintCell(RealToDisplCol(ACol), ARow);
  return g->CellType == ctRadio;
}

TStringList* TExStringGrid::GetRadioStrings(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return nullptr;
  const TPoint b = BaseCell(ACol, ARow);
  TCellGraphic* g = GetCellGraphic(b.X, b.Y);
  if (!g || g->CellType != ctRadio) return nullptr;
  return g->Strings();
}

void TExStringGrid::RemoveRadio(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRadio); }

void TExStringGrid::AdvanceRadioCell(int ACol, int ARow, bool ByKey) {
  // 1.
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g || g->CellType != ctRadio) return;
  // 2.
  if (ByKey && !FControlLook->RadioAlwaysActive) {
    bool canEdit = true;
    CanEditCell(ACol, ARow, canEdit);
    if (!canEdit) return;
  }
  TStringList* items = g->Strings();
  const int count = items ? items->Count() : 0;
  // 3. - 4.
  int next = g->CellIndex >= 0 ? g->CellIndex + 1 : (items ? items->IndexOf(GetCellEx(ACol, ARow)) : -1) + 1;
  if (next >= count) next = 0;
  // An empty list has no item to choose: the cell stays as it is.
  if (next >= count) return;
  // 5.
  if (g->CellIndex >= -1) g->CellIndex = next;
  g->CellVar = next;
  // 6.
  SetCellEx(ACol, ARow, items->Strings(next));
}

void TExStringGrid::ClickRadioGroup(int ACol, int ARow, int XOffset, int YOffset) {
  // 1. Items are measured in the cell's font.
  TFont font;
  font.Assign(*Font());
  TBrush brush;
  GetCellColorHook(ACol, ARow, TGridDrawState{}, &brush, &font);
  TCanvas* canvas = MeasureCanvas();
  canvas->Font()->Assign(font);
  // 2.
  const TPoint b = BaseCell(ACol, ARow);
  TCellGraphic* g = GetCellGraphic(b.X, b.Y);
  const int DC = RealToDisplCol(b.X);
  if (!IsFixed(DC, b.Y)) {
    SetCol(DC);
    SetRow(b.Y);
  }
  if (!g || g->CellType != ctRadio) return;
  TStringList* items = g->Strings();
  if (!items) return;
  // 3.
  const TGridControlStyle style = FControlLook->ControlStyle;
  const int step = style == csClassic || style == csFlat ? FControlLook->RadioSize : 16;
  // 4.
  int hit = -1;
  if (g->CellBoolean) {
    int left = 0;
    for (int i = 0; i < items->Count() && hit < 0; ++i) {
      const int right = left + canvas->TextWidth(items->Strings(i)) + step;
      if (XOffset > left && XOffset < right) hit = i;
      left = right;
    }
  } else {
    const int h = std::max(step, canvas->TextHeight(QStringLiteral("gh")));
    for (int i = 0; i < items->Count() && hit < 0; ++i)
      if (YOffset > i * h && YOffset < (i + 1) * h) hit = i;
  }
  if (hit < 0) return;
  // 5. The real column throughout, as every cell event of the grid.
  if (g->CellIndex == -1)
    SetCellEx(b.X, b.Y, items->Strings(hit));
  else
    g->CellIndex = hit;
  SetCellEx(b.X, b.Y, GetCellEx(b.X, b.Y));
  SetRadioIdx(b.X, b.Y, hit);
  if (OnRadioClick) OnRadioClick(this, b.X, b.Y, hit);
}

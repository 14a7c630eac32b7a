// Rich-text cells: the grid's two rich edits, a cell's RTF moved in and out of
// a rich edit (one character of the cell per byte of the RTF, Latin-1 both
// ways, so bytes 0x80 to 0x9F come back as they went), and placing and storing
// the in-place rich edit of edRichEdit cells, and a rich-text cell drawn.
#include "grid/input/ex_rich_edit.h"
#include "grid/view/ex_string_grid.h"

TExRichEdit* TExStringGrid::InplaceRichEdit() {
  if (FInplaceRichEdit) return FInplaceRichEdit;
  FInplaceRichEdit = new TExRichEdit(this);
  FInplaceRichEdit->SetVisible(false);
  FInplaceRichEdit->SetEnabled(false);
  FInplaceRichEdit->SetParent(this);
  FInplaceRichEdit->OnSelectionChange = [this](TObject*) {
    if (OnRichEditSelectionChange) OnRichEditSelectionChange(this);
  };
  return FInplaceRichEdit;
}

TExRichEdit* TExStringGrid::RichEdit() {
  if (FRichEdit) return FRichEdit;
  FRichEdit = new TExRichEdit(this);
  FRichEdit->SetBorderStyle(bsNone);
  FRichEdit->SetVisible(false);
  FRichEdit->SetParent(this);
  FRichEdit->SetBounds(0, 0, 0, 0);
  return FRichEdit;
}

void TExStringGrid::CellToRich(int ACol, int ARow, TExRichEdit* ARichEdit) {
  if (!ARichEdit) return;
  const QString text = GetGridCell(ACol, ARow);
  if (text.isEmpty()) {
    ARichEdit->Clear();
    return;
  }
  QByteArray bytes;
  bytes.reserve(text.size());
  for (QChar ch : text) bytes.append(static_cast<char>(ch.unicode() & 0xFF));
  ARichEdit->LoadFromBytes(bytes);
}

QString TExStringGrid::RichToString(TExRichEdit* ARichEdit) {
  if (Destroying() || !ARichEdit) return QString();
  return QString::fromLatin1(ARichEdit->SaveToBytes());
}

void TExStringGrid::DrawRichTextCell(int ACol, int ARow, TRect R, TCanvas* Canvas, bool Selected) {
  TExRichEdit* ed = RichEdit();
  CellToRich(ACol, ARow, ed);
  const TColor textColor = Selected && !SelectionRTFKeep ? FSelectionTextColor : clNone;
  InflateRect(R, -FXYOffset.X, -FXYOffset.Y);
  ed->DrawInto(Canvas, R, textColor);
}

void TExStringGrid::RichToCell(int ACol, int ARow, TExRichEdit* ARichEdit) {
  SetCells(ACol, ARow, RichToString(ARichEdit));
}

bool TExStringGrid::PlaceRichEditor(int ACol, int ARow, const TEditorPlace& P) {
  if (EditControl != edRichEdit) return false;
  TExRichEdit* ed = InplaceRichEdit();
  EditMode = true;
  ed->ReCreate();
  ed->SetBorderStyle(bsNone);
  ed->SetHideSelection(false);
  ed->SetBounds(P.R.Left, P.R.Top, P.W, P.H);
  GetEditorPropHook(P.RC, ARow, nullptr);
  ed->Lock();
  CellToRich(P.RC, ARow, ed);
  if (FNavigation->EditSelectAll) ed->SelectAll();
  ed->SetVisible(true);
  ed->SetEnabled(true);
  ed->SetFormatRect({2, 2, P.R.Right - P.R.Left - 2, P.R.Bottom - P.R.Top - 2});
  ed->SetColor(P.Colour);
  if (ed->CanFocus()) ed->SetFocus();
  if (!FStartEditChar.isNull()) PostMessage(ed, WM_CHAR, FStartEditChar.unicode(), 0);
  // The loaded content's size is taken while still locked: it grows no row.
  ed->RequestSize();
  ed->Unlock();
  EditCtrl = ed;
  return true;
}

bool TExStringGrid::StoreRichEditor(int ACol, int ARow) {
  if (EditControl != edRichEdit) return false;
  if (FInplaceRichEdit) {
    if (!FEditCancelled) EditorValueToCell(ACol, ARow, RichToString(FInplaceRichEdit));
    FInplaceRichEdit->SetEnabled(false);
    FInplaceRichEdit->SetVisible(false);
  }
  EditMode = false;
  return true;
}

// The grid's rich edit: sub- and superscript, the row growing while typing,
// and the keys and focus loss of the in-place rich edit.
#include "grid/input/ex_rich_edit.h"

#include "grid/view/ex_string_grid.h"
#include "platform/rtl/exceptions.h"

namespace {

TExStringGrid* OwnerGrid(TComponent* AOwner) {
  auto* grid = dynamic_cast<TExStringGrid*>(AOwner);
  if (!grid) throw EInvalidCast(QStringLiteral("Invalid class typecast"));
  return grid;
}

}  // namespace

TExRichEdit::TExRichEdit(TComponent* AOwner) : TRichEdit(AOwner), FGrid(OwnerGrid(AOwner)) {}

void TExRichEdit::ReCreate() {
  Clear();
  SelNormal();
}

void TExRichEdit::RequestResize(TRect Rect) {
  // 1. The measuring rich edit keeps what its content asks for.
  if (FGrid->FRichEdit == this) {
    FReqWidth = Rect.Right - Rect.Left;
    FReqHeight = Rect.Bottom - Rect.Top;
  }
  // 2.
  if (!FGrid->FInplaceRichEdit) return;
  // 3. The edited row grows to show the text, as far as the grid reaches.
  if (FGrid->SizeWhileTyping().Height && FGrid->FInplaceRichEdit == this && !FLocked) {
    const int h = Rect.Bottom - Rect.Top;
    const int row = FGrid->Row();
    if (FGrid->RowHeights(row) < h + 5 && FGrid->CellRect(FGrid->Col(), row).Top + h + 5 < FGrid->Height()) {
      SetHeight(h + 9);
      FGrid->SetRowHeights(row, h + 10);
      if (FGrid->OnEndRowSize) FGrid->OnEndRowSize(FGrid, row);
    }
  }
  // 4.
  TRichEdit::RequestResize(Rect);
}

void TExRichEdit::WMGetDlgCode(TMessage& Message) {
  TRichEdit::WMGetDlgCode(Message);
  Message.Result |= DLGC_WANTTAB;
}

void TExRichEdit::KeyDown(int& Key, TShiftState Shift) {
  TRichEdit::KeyDown(Key, Shift);
  if (FGrid->FInplaceRichEdit != this || !FGrid->EditMode) return;
  TExStringGrid* G = FGrid;
  if (Key == VK_TAB && G->Options().Contains(goTabs)) {
    G->SetFocus();
    G->GridKeyDown(Key, Shift);
    G->ShowInplaceEdit();
    Key = 0;
    return;
  }
  if ((Key == VK_UP || Key == VK_DOWN) && !G->WordWrap() && !G->Multilinecells) {
    G->SetFocus();
    G->GridKeyDown(Key, Shift);
    Key = 0;
    return;
  }
  // Escape ends the edit; the cell keeps exactly the text it had.
  if (Key == VK_ESCAPE) {
    G->FEditCancelled = true;
    G->HideInplaceEdit();
    G->SetFocus();
    Key = 0;
  }
}

void TExRichEdit::WMKillFocus(TMessage& Message) {
  if (FGrid->InvokedFocusChange) return;
  // The focus going to the grid ends the edit.
  if (FGrid->FInplaceRichEdit == this && FGrid->Focused()) FGrid->HideInplaceEdit();
  TRichEdit::WMKillFocus(Message);
}

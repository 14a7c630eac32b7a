// The life of one edit: opening and closing the editor, validating the edited
// cell (OnCellValidate) with its refusal, and the two end signals: OnEditingDone
// at once and OnEditCellDone through the posted "GridEditDone" message.
#include "grid/base/cell_checker.h"
#include "grid/base/html_entities.h"
#include "grid/base/text_kinds.h"
#include "grid/base/undo_redo.h"
#include "grid/input/ex_rich_edit.h"
#include "grid/input/grid_combo.h"
#include "grid/input/inplace_editor.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/popup_window.h"

namespace {

// wParam: the real column of the edited cell; lParam: its row.
const unsigned kGridEditDone = RegisterWindowMessage(QStringLiteral("GridEditDone"));

}  // namespace

// --- opening and closing ---

void TExStringGrid::ShowInplaceEdit() {
  if (IsClickableCell(RealCol(), Row())) return;
  if (Row() < TopRow()) SetTopRow(Row());
  if (Col() < LeftCol()) SetLeftCol(Col());
  FEditText = CurrentCell();
  ShowEditor();
}

void TExStringGrid::HideInplaceEdit() {
  if (!EditMode) return;
  HideEditor();
  StoreSpecialEditor(Col(), Row());
  EditMode = false;
  SelectCell(Col(), Row());
}

void TExStringGrid::DoneInplaceEdit(int Key, TShiftState Shift) {
  // 1.
  FBlockFocus = true;
  FEditing = false;
  HideInplaceEdit();
  // 3. Tab and the arrows move the cursor.
  if (Key == VK_TAB || Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN) {
    int k = Key;
    KeyDown(k, Shift);
  }
  // 4.
  const bool alwaysEdit = FNavigation->AlwaysEdit;
  FNavigation->AlwaysEdit = false;
  if (Widget() && CanFocus()) SetFocus();
  // 5. Enter moves on as it does in the grid (only with AdvanceOnEnter).
  if (Key == VK_RETURN) AdvanceCell(Col(), Row(), false, false, true, false, true);
  // 6.
  FNavigation->AlwaysEdit = alwaysEdit;
  FBlockFocus = false;
}

bool TExStringGrid::EditorHandlesTab() {
  return Options().Contains(goTabs) || static_cast<bool>(OnCellValidate) || static_cast<bool>(OnCellValidateWide);
}

// --- end signal ---

void TExStringGrid::PostEditDone(int ACol, int ARow) {
  if (OnEditingDone) OnEditingDone(this);
  EditMode = false;
  PostMessage(this, kGridEditDone, ACol, ARow);
}

void TExStringGrid::WndProc(TMessage& Message) {
  if (HandlePaintFaultMessage(Message)) return;
  if (Message.Msg == kGridEditDone && kGridEditDone != 0) {
    if (OnEditCellDone) OnEditCellDone(this, static_cast<int>(Message.WParam), static_cast<int>(Message.LParam));
    if (FMouseActions->EditOnDblClickOnly()) {
      HideEditor();
      EditMode = false;
      SetOptions(Options() - goEditing);
    }
    return;
  }
  TBaseGrid::WndProc(Message);
}

void TExStringGrid::ClickCell(int ACol, int ARow) {
  const TRect r = CellRect(ACol, ARow);
  FForceSel = true;
  TMouseEvent down = OnMouseDown, up = OnMouseUp;
  OnMouseDown = nullptr;
  OnMouseUp = nullptr;
  try {
    MouseDown(mbLeft, {}, r.Left + 2, r.Top + 2);
    MouseUp(mbLeft, {}, r.Left + 2, r.Top + 2);
  } catch (...) {
    OnMouseDown = down;
    OnMouseUp = up;
    FForceSel = false;
    throw;
  }
  OnMouseDown = down;
  OnMouseUp = up;
  FForceSel = false;
}

// --- bookkeeping ---

void TExStringGrid::RememberEditedCell(int ACol, int ARow) {
  FEditCol = ACol;
  FEditRow = ARow;
  OriginalCellValue = GetGridCell(ACol, ARow);
  FOriginalModified = RowModified(ARow);
  FOldCol = ACol;
  FOldRow = ARow;
  FOldCellText = GetGridCell(RealColIndex(ACol), ARow);
  FOldCellTextWide = GetWideCells(RealColIndex(ACol), ARow);
  FOldModifiedValue = FModified;
}

void TExStringGrid::RestoreCellFromCache() {
  SetCellEx(RealCol(), Row(), FCellCache);
  SetCells(Col(), Row(), Cells(Col(), Row()));
}

// --- validation ---

void TExStringGrid::ReopenRefusedEditor(int ARow) {
  FForceSel = true;
  MoveColRow(FOldCol, ARow, true, true);
  FForceSel = false;
  FValidating = false;
  FEditing = true;
  ShowInplaceEdit();
  FModified = FOldModifiedValue;
}

bool TExStringGrid::ValidateCell(const QString& EditorValue) {
  if (!FEditing || FValidating) return true;
  // A mini-HTML cell edited without its tags and left as it was keeps its tags.
  const bool untouched = !EditWithTags && ClassifyCellText(FOldCellText, EnableHTML) == ctkHtml &&
                         EditorValue == StripHtmlToText(FOldCellText);
  const QString NewValue = untouched ? FOldCellText : EditorValue;
  // 1.
  FEditing = false;
  FValidating = true;
  bool valid = true;
  const int ac = RealColIndex(FOldCol), ar = FOldRow;
  FNewCellText = NewValue;
  const bool advanceOnEnter = FNavigation->AdvanceOnEnter;
  try {
    // 2-3.
    if (NewValue != FOldCellText || AlwaysValidate) {
      const bool changed = NewValue != FOldCellText;
      // 4. (Put back also when a handler raises.)
      FNavigation->AdvanceOnEnter = false;
      // 5-7.
      QString value = NewValue;
      if (FCellChecker && FCellChecker->AutoCorrect) value = FCellChecker->Correct(ac, ar, value);
      if (OnCellValidate) OnCellValidate(this, ac, ar, value, valid);
      // 8-9. Modified marks.
      if (value != FOldCellText) {
        FGridModified = true;
        if (TStringGrid::FixedCols() > 0) {
          SetRowModified(RealRowIndex(Row()), true);  // the marks are kept by real row
          if (FShowModified->Enabled) RepaintCell(0, Row());
        }
      }
      // 10-13.
      if (valid) CalcFooterColumn(ac);
      if (FCellChecker && FCellChecker->AutoMarkError) value = FCellChecker->MarkError(ac, ar, value);
      // 12. The undo entry: real column, row, the text before and the text after.
      if (valid && UndoRedo()) UndoRedo()->RegisterChange(ac, ar, FOldCellText, value);
      if (valid && changed) CellsChangedHook(TRect{ac, ar, ac, ar});
      // 14.
      FNavigation->AdvanceOnEnter = advanceOnEnter;
      FNewCellText = value;
      if (valid) {
        // 15.
        SetCellEx(ac, ar, value);
        const TPoint base = BaseCell(ac, ar);
        if (base.X != ac || base.Y != ar) SetCells(base.X, base.Y, value);
      } else {
        // 16. The cell gets the handler's value or its old text back, and the
        // editor opens again on it.
        FLastValidation = false;
        FRefusing = true;
        if (EditMode) FValidating = false;
        HideEditor();
        SetCellEx(ac, ar, value != NewValue ? value : FOldCellText);
        ReopenRefusedEditor(ar);
        FRefusing = false;
        ShowInvalidEntryBalloon();
      }
      // 17.
      FOldCellText = GetGridCell(ac, ar);
    }
  } catch (...) {
    FNavigation->AdvanceOnEnter = advanceOnEnter;
    FRefusing = false;
    FForceSel = false;
    RememberEditedCell(Col(), Row());
    FValidating = false;
    throw;
  }
  // 18.
  RememberEditedCell(Col(), Row());
  FValidating = false;
  // 19.
  if (valid) HideFocusFrame();
  return valid;
}

// The balloon of a refused edit (InvalidEntryTitle, InvalidEntryText): on the
// text editor when it is the open editor, else on the special editor's control
// (a combo's balloon points at the combo, whose edit part fills it).
void TExStringGrid::ShowInvalidEntryBalloon() {
  if (InvalidEntryTitle.isEmpty() && InvalidEntryText.isEmpty()) return;
  TWinControl* target = !FSpecialEditor && EditMode ? static_cast<TWinControl*>(NormalEdit()) : EditCtrl;
  if (!target) return;
  ShowEditBalloonTip(target, {InvalidEntryTitle, InvalidEntryText, static_cast<int>(InvalidEntryIcon)});
}

// --- edit text ---

QString TExStringGrid::GetEditText(int ACol, int ARow) {
  FNoEditChange = true;
  const int rc = RealColIndex(ACol);
  const TPoint base = BaseCell(rc, ARow);
  const QString text = TBaseGrid::GetEditText(base.X, base.Y);
  if (EditWithTags || ClassifyCellText(text, EnableHTML) != ctkHtml) return text;
  return StripHtmlToText(text);
}

void TExStringGrid::SetEditText(int ACol, int ARow, const QString& Value) {
  const TPoint base = BaseCell(RealColIndex(ACol), ARow);
  TBaseGrid::SetEditText(base.X, base.Y, Value);
}

int TExStringGrid::GetEditLimit() { return FMaxEditLength; }

// --- focus ---

void TExStringGrid::WMSetFocus(TMessage& Message) {
  // The focus coming back after a pop-up editor link's form lost the
  // activation opens nothing; the mark is spent with it.
  if (InvokedFocusChange) {
    InvokedFocusChange = false;
    TBaseGrid::WMSetFocus(Message);
    return;
  }
  const bool fromEditor = FEditorLostFocus;
  FEditorLostFocus = false;
  TBaseGrid::WMSetFocus(Message);
  const int rc = RealCol();
  if (HasCheckBox(rc, Row())) return;
  // A rich edit still open over its cell ends when the grid has the focus again.
  if (FInplaceRichEdit && FInplaceRichEdit->Visible() && EditControl == edRichEdit) HideInplaceEdit();
  // With AlwaysEdit, a grid that gets the focus opens the editor of the current
  // cell when it is in view and may be edited.
  const bool inView = Col() >= LeftCol() && Col() < LeftCol() + VisibleColCount() && Row() >= TopRow() &&
                      Row() < TopRow() + VisibleRowCount();
  if (FNavigation->AlwaysEdit && inView) {
    bool canEdit = true;
    CanEditCell(rc, Row(), canEdit);
    if (NormalEdit()) {
      if (!fromEditor && GridState() == gsNormal && EditControl == edNormal && canEdit) {
        ShowInplaceEdit();
        Message.Result = 0;
      }
    } else if (canEdit && !FMouseActions->DirectEdit && !FControlLook->DropDownAlwaysVisible &&
               HasComboBox(rc, Row())) {
      ShowInplaceEdit();
    }
  }
  // The focus frame of a merged current cell goes round its whole block.
  if (IsMergedCell(RealCol(), Row())) RepaintCell(Col(), Row());
}

void TExStringGrid::WMKillFocus(TMessage& Message) {
  if (FBlockKill) {
    Message.Result = 1;
    return;
  }
  TBaseGrid::WMKillFocus(Message);
  if (IsMergedCell(RealCol(), Row())) RepaintCell(Col(), Row());
}

void TExStringGrid::DoEnter() {
  if (FBlockFocus) return;
  try {
    TBaseGrid::DoEnter();
    if (Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit) SelectCell(Col(), Row());
  } catch (...) {
    RememberEditedCell(Col(), Row());
    throw;
  }
  RememberEditedCell(Col(), Row());
}

void TExStringGrid::Click() {
  TBaseGrid::Click();
  FEntered = false;
  RememberEditedCell(Col(), Row());
}

void TExStringGrid::DoExit() {
  if (FBlockKill) return;
  if (FSelChange && FMouseActions->DisjunctRowSelect()) RowSelectFromSelection(false);
  FSelChange = false;
  TBaseGrid::DoExit();
}

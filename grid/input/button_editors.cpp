// Placing and storing the edit-button editor (edEditBtn, edNumericEditBtn,
// edFloatEditBtn, edMaskEditBtn) and the unit editor (edUnitEditBtn,
// edNumericUnitEditBtn, edFloatUnitEditBtn).
#include "grid/input/grid_edit_btn.h"
#include "grid/view/ex_string_grid.h"

namespace {

bool IsEditBtnKind(TEditorType k) {
  return k == edEditBtn || k == edNumericEditBtn || k == edFloatEditBtn || k == edMaskEditBtn;
}

bool IsUnitKind(TEditorType k) { return k == edUnitEditBtn || k == edNumericUnitEditBtn || k == edFloatUnitEditBtn; }

}  // namespace

TGridEditBtn* TExStringGrid::EditBtnEditor() {
  if (!EditBtn) EditBtn = new TGridEditBtn(this);
  return EditBtn;
}

TGridUnitEditBtn* TExStringGrid::UnitEditor() {
  if (UnitEditBtn) return UnitEditBtn;
  UnitEditBtn = new TGridUnitEditBtn(this);
  // The unit editor's unit change reaches the form as OnUnitChanged.
  UnitEditBtn->OnUnitChanged = [this](TObject*, const QString& NewUnit) {
    if (OnUnitChanged) OnUnitChanged(this, RealColIndex(Col()), Row(), NewUnit);
  };
  return UnitEditBtn;
}

bool TExStringGrid::PlaceButtonEditor(int ACol, int ARow, const TEditorPlace& P) {
  if (IsEditBtnKind(EditControl)) {
    TGridEditBtn* edit = EditBtnEditor();
    EditMode = true;
    edit->ReCreate();
    edit->SetBounds(P.R.Left, P.R.Top, P.W, edit->Height());
    edit->SetEditMask(QString());
    edit->SetText(GetEditText(ACol, ARow));
    edit->SetMaxLength(GetEditLimit());
    edit->SetVisible(true);
    edit->SetEnabled(true);
    edit->SetColor(P.Colour);
    if (edit->CanFocus()) edit->SetFocus();
    edit->SetBounds(P.R.Left, P.R.Top, P.W, P.H);
    edit->SetEditMask(EditControl == edMaskEditBtn ? GetEditMask(ACol, ARow) : QString());
    if (!FStartEditChar.isNull()) PostMessage(edit, WM_CHAR, FStartEditChar.unicode(), 0);
    EditCtrl = edit;
    return true;
  }
  if (IsUnitKind(EditControl)) {
    TGridUnitEditBtn* edit = UnitEditor();
    EditMode = true;
    edit->ReCreate();
    edit->SetBounds(P.R.Left, P.R.Top, P.W, edit->Height());
    edit->SetMaxLength(GetEditLimit());
    edit->LoadCellText(GetEditText(ACol, ARow));
    GetEditorPropHook(P.RC, ARow, nullptr);
    edit->SetVisible(true);
    edit->SetEnabled(true);
    edit->SetColor(P.Colour);
    if (edit->CanFocus()) edit->SetFocus();
    edit->SetBounds(P.R.Left, P.R.Top, P.W, P.H);
    if (!FStartEditChar.isNull()) PostMessage(edit, WM_CHAR, FStartEditChar.unicode(), 0);
    EditCtrl = edit;
    return true;
  }
  return false;
}

bool TExStringGrid::StoreButtonEditor(int ACol, int ARow) {
  if (IsEditBtnKind(EditControl) && EditBtn) {
    if (EditMode) {
      EditMode = false;
      if (!FEditCancelled) EditorValueToCell(ACol, ARow, EditBtn->Text());
    }
    EditBtn->SetEnabled(false);
    EditBtn->SetVisible(false);
    return true;
  }
  if (IsUnitKind(EditControl) && UnitEditBtn) {
    if (!FEditCancelled) EditorValueToCell(ACol, ARow, UnitEditBtn->TextAndUnit());
    UnitEditBtn->SetEnabled(false);
    UnitEditBtn->SetVisible(false);
    EditMode = false;
    return true;
  }
  return false;
}

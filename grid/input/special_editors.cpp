// Placing the grid's own editor controls over a cell for the special editor
// kinds, and storing their value when the edit ends. Built here: the combo
// kinds (edComboEdit, edComboList), the spin kinds (edSpinEdit,
// edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit) and edCheckBox. Kinds whose
// control the grid does not have open no editor: the cell stays as it is.
#include "grid/input/grid_combo.h"
#include "grid/view/ex_string_grid.h"

namespace {

bool IsComboKind(TEditorType k) { return k == edComboEdit || k == edComboList; }

bool HasControlFor(TEditorType k) { return IsComboKind(k); }

}  // namespace

TGridCombo* TExStringGrid::Combobox() {
  if (!EditCombo) EditCombo = new TGridCombo(this);
  return EditCombo;
}

void TExStringGrid::ClearComboString() { Combobox()->Items()->Clear(); }

void TExStringGrid::AddComboString(const QString& S) { Combobox()->Items()->Add(S); }

void TExStringGrid::AddComboStringObject(const QString& S, TObject* AObject) {
  Combobox()->Items()->AddObject(S, AObject);
}

void TExStringGrid::SetComboSelectionString(const QString& S) { FComboIdx = Combobox()->Items()->IndexOf(S); }

int TExStringGrid::ComboCount() const { return EditCombo ? EditCombo->Items()->Count() : 0; }

void TExStringGrid::LoadComboItems(const TStringList& Items) {
  TControlItems* items = Combobox()->Items();
  items->Clear();
  for (int i = 0; i < Items.Count(); ++i) items->Add(Items.Strings(i));
}

void TExStringGrid::PlaceSpecialEditor(int ACol, int ARow) {
  if (!HasControlFor(EditControl)) {
    // No control for this kind: nothing opens.
    EditMode = false;
    return;
  }
  // 1.
  FEditing = FSpecialEditor = FEditActive = true;
  // 2.
  const TRect r = CellRect(ACol, ARow);
  const int rc = RealColIndex(ACol);
  const int w = r.Right - r.Left - 1, h = r.Bottom - r.Top - 1;
  // 3. The cell's colour, as painted.
  TFont font;
  TBrush brush;
  TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = false;
  TCellGradientDirection gd = GradientVertical;
  GetCellColors(rc, Row(), &font, &brush, colorTo, mirror, mirrorTo, ha, va, ww, gd);
  const TColor colour = brush.Color() == clNone ? clWindow : brush.Color();
  // 4.
  EditCtrl = nullptr;
  if (EditControl != edCustom) FLastValidation = true;
  // 5.
  if (IsComboKind(EditControl)) {
    TGridCombo* combo = Combobox();
    EditMode = true;
    combo->SetDropDownCount(FControlLook->DropDownCount);
    GetEditorPropHook(rc, ARow, nullptr);
    combo->SetBounds(r.Left, r.Top, 0, 0);
    combo->SetEnabled(true);
    combo->SetDroppedDown(false);
    bool defaulted = false;
    if (EditControl == edComboEdit) {
      combo->SetStyle(csDropDown);
      combo->SetText(GetEditText(ACol, ARow));
      if (FComboIdx != -1 && combo->ItemIndex() == -1) combo->SetItemIndex(FComboIdx);
      combo->SetMaxLength(FMaxComboLength);
    } else {
      combo->SetStyle(csDropDownList);
      int idx = combo->Items()->IndexOf(GetGridCell(rc, ARow));
      combo->SetItemIndex(idx);
      if (FComboIdx == -1 && idx == -1) {
        idx = combo->Items()->IndexOf(GetEditText(ACol, ARow));
        combo->SetItemIndex(idx == -1 ? 0 : idx);
        defaulted = true;
      } else if (idx == -1) {
        combo->SetItemIndex(FComboIdx);
      }
    }
    combo->SetBounds(r.Left, r.Top, w, h);
    combo->SetColor(colour);
    combo->SetVisible(true);
    const bool flat = FLook == glSoft || FLook == glVOD || FLook == glXP || FLook == glListView ||
                      FLook == glVista || FLook == glWin7 || FLook == glOffice2007;
    combo->SetFlat(flat);
    combo->SetEtched(flat);
    if (FNavigation->AutoComboDropSize)
      combo->SizeDropDownWidth();
    else if (combo->DropWidth() > 0)
      combo->SetDroppedWidth(combo->DropWidth());
    if (combo->CanFocus()) combo->SetFocus();
    if (FMouseActions->DirectComboDrop || FControlLook->DropDownAlwaysVisible) combo->SetDroppedDown(true);
    // A list that had to default to an item tells the form which one it shows.
    if (defaulted && combo->Items()->Count() > 0) {
      const int idx = combo->ItemIndex();
      const QString text = combo->Items()->Strings(idx);
      if (OnComboChange) OnComboChange(this, rc, ARow, idx, text);
      if (OnComboObjectChange) OnComboObjectChange(this, rc, ARow, idx, text, combo->Items()->Objects(idx));
    }
    EditCtrl = combo;
    if (!FStartEditChar.isNull()) PostMessage(combo, WM_CHAR, FStartEditChar.unicode(), 0);
  }
  // 6.
  FStartEditChar = QChar();
}

void TExStringGrid::StoreSpecialEditor(int ACol, int ARow) {
  if (Destroying()) return;
  // 1.
  FSpecialEditor = false;
  FBlockKill = true;
  FStartEditChar = QChar();
  // 2.
  if (IsComboKind(EditControl) && EditCombo) {
    if (EditMode) {
      EditMode = false;
      EditorValueToCell(ACol, ARow, EditCombo->Text());
    }
    EditCombo->SetEnabled(false);
    EditCombo->SetVisible(false);
  }
  // 3.
  if (EditControl != edNormal && FEditActive) {
    FEditActive = false;
    PostEditDone(RealColIndex(ACol), ARow);
  }
  // 4.
  FBlockKill = false;
  FEditActive = false;
}

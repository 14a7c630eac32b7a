// Placing the grid's own editor controls over a cell for the special editor
// kinds, and storing their value when the edit ends. Built here: the combo
// kinds (edComboEdit, edComboList), the spin kinds (edSpinEdit,
// edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit), edCheckBox and edButton;
// the other families in their own files (date_editors.cpp, button_editors.cpp,
// dropdown_editors.cpp, edit_link.cpp, rich_edit_cells.cpp). Kinds whose
// control the grid does not have open no editor: the cell stays as it is.
#include "grid/base/number_text.h"
#include "grid/input/grid_button.h"
#include "grid/input/grid_check_box.h"
#include "grid/input/grid_combo.h"
#include "grid/input/grid_spin.h"
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/date_time.h"
#include "platform/rtl/strings.h"

namespace {

bool IsComboKind(TEditorType k) { return k == edComboEdit || k == edComboList; }

bool IsSpinKind(TEditorType k) {
  return k == edSpinEdit || k == edFloatSpinEdit || k == edTimeSpinEdit || k == edDateSpinEdit;
}

bool IsDateKind(TEditorType k) {
  return k == edDateEdit || k == edDateEditUpDown || k == edTimeEdit || k == edDateTimeEdit;
}

bool IsButtonKind(TEditorType k) {
  return k == edEditBtn || k == edNumericEditBtn || k == edFloatEditBtn || k == edMaskEditBtn ||
         k == edUnitEditBtn || k == edNumericUnitEditBtn || k == edFloatUnitEditBtn;
}

bool IsDropDownKind(TEditorType k) {
  return (k >= edTrackbarDropDown && k <= edImagePickerDropDown) || k == edExGridDropDown;
}

bool HasControlFor(TEditorType k) {
  return IsComboKind(k) || IsSpinKind(k) || k == edCheckBox || k == edButton || IsDateKind(k) || IsButtonKind(k) ||
         IsDropDownKind(k) || k == edCustom || k == edRichEdit;
}

// Integer text read as far as it goes (0 when no digit was read).
int LeadingInteger(const QString& text) {
  const QString t = text.trimmed();
  int i = 0;
  if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) ++i;
  while (i < t.size() && t[i].isDigit()) ++i;
  bool ok = false;
  const int v = t.left(i).toInt(&ok);
  return ok ? v : 0;
}

}  // namespace

TGridCombo* TExStringGrid::Combobox() {
  if (!EditCombo) EditCombo = new TGridCombo(this);
  return EditCombo;
}

TGridSpin* TExStringGrid::SpinEdit() {
  if (!FEditSpin) FEditSpin = new TGridSpin(this);
  return FEditSpin;
}

TGridCheckBox* TExStringGrid::CheckEditor() {
  if (!EditCheck) EditCheck = new TGridCheckBox(this);
  return EditCheck;
}

TGridButton* TExStringGrid::ButtonEditor() {
  if (!GridButton) GridButton = new TGridButton(this);
  return GridButton;
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
  FEditCancelled = false;
  // 5.
  TEditorPlace place;
  place.R = r;
  place.W = w;
  place.H = h;
  place.RC = rc;
  place.Colour = colour;
  PlaceDateEditor(ACol, ARow, place);
  PlaceButtonEditor(ACol, ARow, place);
  PlaceDropDownEditor(ACol, ARow, place);
  PlaceLinkEditor(ACol, ARow, place);
  PlaceRichEditor(ACol, ARow, place);
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
  if (IsSpinKind(EditControl)) {
    TGridSpin* spin = SpinEdit();
    EditMode = true;
    spin->SetCancelled(false);
    spin->SetBounds(r.Left, r.Top, w, h);
    spin->SetVisible(true);
    spin->SetEnabled(true);
    spin->SetColor(colour);
    spin->ExcelStyleDecimalSeparator = ExcelStyleDecimalSeparator;
    GetEditorPropHook(rc, ARow, nullptr);
    const QString text = GetEditText(ACol, ARow);
    switch (EditControl) {
      case edSpinEdit:
        spin->SetSpinType(sptNormal);
        spin->SetValue(LeadingInteger(text));
        break;
      case edFloatSpinEdit: {
        spin->SetSpinType(sptFloat);
        bool ok = false;
        const double v = ExtractNumberText(text).toDouble(&ok);
        spin->SetFloatValue(ok ? v : 0);
        break;
      }
      case edTimeSpinEdit:
        spin->SetSpinType(sptTime);
        spin->SetText(text);
        break;
      default:
        spin->SetSpinType(sptDate);
        spin->SetText(text);
        if (Trim(text).isEmpty()) spin->SetDateValue(Now());
        break;
    }
    if (spin->CanFocus()) spin->SetFocus();
    EditCtrl = spin;
    if (!FStartEditChar.isNull()) PostMessage(spin, WM_CHAR, FStartEditChar.unicode(), 0);
  }
  if (EditControl == edCheckBox) {
    TGridCheckBox* check = CheckEditor();
    EditMode = true;
    check->SetBounds(r.Left, r.Top, w, h);
    check->SetCaption(GetEditText(ACol, ARow));
    check->SetEnabled(true);
    check->SetState(cbUnchecked);
    check->SetVisible(true);
    if (check->CanFocus()) check->SetFocus();
  }
  if (EditControl == edButton) {
    TGridButton* button = ButtonEditor();
    EditMode = true;
    // The button covers the cell's grid lines.
    button->SetBounds(r.Left - 1, r.Top - 1, w + 2, h + 2);
    button->SetCaption(GetEditText(ACol, ARow));
    button->SetVisible(true);
    button->SetEnabled(true);
    if (button->CanFocus()) button->SetFocus();
    EditCtrl = button;
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
  // Escape: what the editor wrote into the cell while it was open (a paste, a
  // memo's lines) goes back too.
  if (FEditCancelled && EditMode && FOldCol == ACol && FOldRow == ARow) {
    const int rc = RealColIndex(ACol);
    if (GetGridCell(rc, ARow) != FOldCellText) SetCellEx(rc, ARow, FOldCellText);
  }
  // 2.
  if (IsComboKind(EditControl) && EditCombo) {
    if (EditMode) {
      EditMode = false;
      // Escape leaves the cell as it was (a list never writes its defaulted item).
      if (!FEditCancelled) EditorValueToCell(ACol, ARow, EditCombo->Text());
    }
    EditCombo->SetEnabled(false);
    EditCombo->SetVisible(false);
  }
  if (IsSpinKind(EditControl) && FEditSpin) {
    EditMode = false;
    const int rc = RealColIndex(ACol);
    // Escape (Cancelled) leaves the cell exactly as it was.
    if (!FEditSpin->Cancelled()) {
      if (FEditSpin->AllowEmptyValue && Trim(FEditSpin->Text()).isEmpty()) {
        SetCellEx(rc, ARow, QString());
      } else {
        switch (EditControl) {
          case edSpinEdit: SetInts(rc, ARow, FEditSpin->Value()); break;
          case edFloatSpinEdit: SetFloats(rc, ARow, FEditSpin->FloatValue()); break;
          case edTimeSpinEdit: EditorValueToCell(ACol, ARow, FEditSpin->Text()); break;
          default: SetDates(rc, ARow, FEditSpin->DateValue()); break;
        }
      }
    }
    FEditSpin->SetEnabled(false);
    FEditSpin->SetVisible(false);
  }
  if (EditControl == edCheckBox && EditCheck) {
    EditCheck->SetEnabled(false);
    EditCheck->SetVisible(false);
    EditMode = false;
  }
  if (EditControl == edButton && GridButton) {
    GridButton->SetEnabled(false);
    GridButton->SetVisible(false);
    EditMode = false;
  }
  StoreDateEditor(ACol, ARow);
  StoreButtonEditor(ACol, ARow);
  StoreDropDownEditor(ACol, ARow);
  StoreLinkEditor(ACol, ARow);
  StoreRichEditor(ACol, ARow);
  FEditCancelled = false;
  // 3.
  if (EditControl != edNormal && FEditActive) {
    FEditActive = false;
    PostEditDone(RealColIndex(ACol), ARow);
  }
  // 4.
  FBlockKill = false;
  FEditActive = false;
}

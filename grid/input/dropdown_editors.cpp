// Placing and storing the drop-down editors (edTrackbarDropDown to
// edExGridDropDown), each made on first use with the grid's style and
// colour tones and its events routed to the grid.
#include "grid/dropdown/calculator_drop_down.h"
#include "grid/dropdown/color_picker_drop_down.h"
#include "grid/dropdown/detail_drop_down.h"
#include "grid/dropdown/grid_drop_down.h"
#include "grid/dropdown/image_picker_drop_down.h"
#include "grid/dropdown/memo_drop_down.h"
#include "grid/dropdown/multi_column_drop_down.h"
#include "grid/dropdown/time_picker_drop_down.h"
#include "grid/dropdown/track_bar_drop_down.h"
#include "grid/input/grid_drop_down_editors.h"
#include "grid/view/cell_graphic.h"
#include "grid/view/control_look.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/color_names.h"
#include "platform/ui/image_list.h"

namespace {

bool IsDropDownKind(TEditorType k) {
  return (k >= edTrackbarDropDown && k <= edImagePickerDropDown) || k == edExGridDropDown;
}

// Integer text; false when the whole text is no integer.
bool ReadWholeInt(const QString& Text, int& Value) {
  bool ok = false;
  const int v = Text.trimmed().toInt(&ok);
  if (ok) Value = v;
  return ok;
}

int LeadingInt(const QString& Text) {
  const QString t = Text.trimmed();
  int i = 0;
  if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) ++i;
  while (i < t.size() && t[i].isDigit()) ++i;
  bool ok = false;
  const int v = t.left(i).toInt(&ok);
  return ok ? v : 0;
}

template <class T>
T* MakeDropDown(TExStringGrid* Grid, T*& Slot) {
  if (!Slot) {
    Slot = new T(Grid);
    Slot->SetComponentStyle(Grid->ComponentStyle);
  }
  return Slot;
}

}  // namespace

TGridDropDownEditor<TExTrackBarDropDown>* TExStringGrid::TrackbarDropDown() {
  if (!FEditTrackBar) MakeDropDown(this, FEditTrackBar)->SetEditorEnabled(true);
  return FEditTrackBar;
}

TGridDropDownEditor<TExMemoDropDown>* TExStringGrid::MemoDropDown() {
  if (FEditMemo) return FEditMemo;
  MakeDropDown(this, FEditMemo);
  // The memo's text reaches the cell while it is typed.
  FEditMemo->OnChange = [this](TObject*) {
    if (EditMode && EditControl == edMemoDropDown) SetEditText(Col(), Row(), FEditMemo->Text());
  };
  return FEditMemo;
}

TGridDropDownEditor<TExCalculatorDropdown>* TExStringGrid::CalculatorDropDown() {
  if (!FEditCalculator) MakeDropDown(this, FEditCalculator)->SetEditorEnabled(true);
  return FEditCalculator;
}

TGridDropDownEditor<TExTimePickerDropDown>* TExStringGrid::TimePickerDropDown() {
  return MakeDropDown(this, FEditTimePicker);
}

TGridDropDownEditor<TExDetailDropDown>* TExStringGrid::DetailPickerDropDown() {
  return MakeDropDown(this, FEditDetailPicker);
}

TGridDropDownEditor<TExMultiColumnDropDown>* TExStringGrid::GridDropDown() {
  return MakeDropDown(this, FEditGridPicker);
}

TGridDropDownEditor<TExColorPickerDropDown>* TExStringGrid::ColorPickerDropDown() {
  if (FEditColorPicker) return FEditColorPicker;
  MakeDropDown(this, FEditColorPicker)->AddDefaultColors();
  FEditColorPicker->OnSelect = [this](TObject*) {
    const TColor c = FEditColorPicker->SelectedColor();
    if (OnColorSelect) OnColorSelect(this, RealColIndex(Col()), Row(), c, ColorToString(c));
  };
  return FEditColorPicker;
}

TGridDropDownEditor<TExImagePickerDropDown>* TExStringGrid::ImagePickerDropDown() {
  if (FEditImagePicker) return FEditImagePicker;
  MakeDropDown(this, FEditImagePicker);
  FEditImagePicker->OnSelect = [this](TObject*) {
    if (!OnImageSelect) return;
    const int idx = FEditImagePicker->ItemIndex();
    TImageItems* items = FEditImagePicker->Items();
    OnImageSelect(this, RealColIndex(Col()), Row(), idx >= 0 && idx < items->Count() ? items->Items(idx)->ImageIndex() : -1);
  };
  return FEditImagePicker;
}

TGridDropDownEditor<grid_drop_down::TCustomExGridDropDown>* TExStringGrid::ExGridDropDown() {
  return MakeDropDown(this, FEditExGridPicker);
}

namespace {

// What every drop-down editor gets before its value.
template <class T>
void PrepareDropDown(TExStringGrid* Grid, T* D, TControlLook* Look) {
  D->SetDropDownFooter(Look->DropDownFooter.get());
  D->SetDropDownHeader(Look->DropDownHeader.get());
  D->SetComponentStyle(Grid->ComponentStyle);
}

}  // namespace

bool TExStringGrid::PlaceDropDownEditor(int ACol, int ARow, const TEditorPlace& P) {
  const TEditorType kind = EditControl;
  if (!IsDropDownKind(kind)) return false;
  TExCustomDropDown* d = nullptr;
  switch (kind) {
    case edTrackbarDropDown: d = TrackbarDropDown(); break;
    case edMemoDropDown: d = MemoDropDown(); break;
    case edCalculatorDropDown: d = CalculatorDropDown(); break;
    case edTimePickerDropDown: d = TimePickerDropDown(); break;
    case edDetailDropDown: d = DetailPickerDropDown(); break;
    case edGridDropDown: d = GridDropDown(); break;
    case edColorPickerDropDown: d = ColorPickerDropDown(); break;
    case edExGridDropDown: d = ExGridDropDown(); break;
    default: d = ImagePickerDropDown(); break;
  }
  EditMode = true;
  PrepareDropDown(this, d, FControlLook.get());
  d->OnDropDownHeaderButtonClick = [this](TObject*, int Button) {
    if (OnDropDownHeaderButtonClick) OnDropDownHeaderButtonClick(this, Col(), Row(), Button);
  };
  d->OnDropDownFooterButtonClick = [this](TObject*, int Button) {
    if (OnDropDownFooterButtonClick) OnDropDownFooterButtonClick(this, Col(), Row(), Button);
  };
  const QString text = GetEditText(ACol, ARow);
  if (kind == edGridDropDown || kind == edExGridDropDown) {
    d->SetColor(P.Colour);
    d->SetEditorEnabled(true);
  }
  // The grid drop-down's list keeps its header row.
  if (kind == edExGridDropDown && FEditExGridPicker->GetExColGrid())
    FEditExGridPicker->GetExColGrid()->FixedRowAlways = true;
  GetEditorPropHook(P.RC, ARow, nullptr);
  d->SetBounds(P.R.Left, P.R.Top, 0, 0);
  d->SetEnabled(true);
  d->SetBorderStyle(bsNone);
  d->SetBounds(P.R.Left, P.R.Top, P.W, P.H);
  // The value.
  switch (kind) {
    case edTrackbarDropDown: FEditTrackBar->SetPosition(LeadingInt(text)); break;
    case edMemoDropDown:
    case edCalculatorDropDown: d->SetText(text); break;
    case edTimePickerDropDown:
    case edDetailDropDown:
      d->SetText(text);
      d->SetEditorEnabled(true);
      break;
    case edGridDropDown: {
      const int idx = text.isEmpty() ? 0 : FEditGridPicker->GetItemIndex(text);
      FEditGridPicker->SetItemIndex(idx);
      d->SetText(text);
      break;
    }
    case edExGridDropDown: {
      grid_drop_down::TCustomExGridDropDown* g = FEditExGridPicker;
      g->BeginUpdate();
      g->EndUpdate();
      if (g->UseItems) {
        // The item whose lookup text matches, found as the control's lookup
        // finds it; none when nothing matches.
        QString found;
        int idx = -1;
        if (text.isEmpty())
          idx = 0;
        else if (!g->FindLookupMatch(text, found, idx))
          idx = -1;
        g->SetItemIndex(idx);
      }
      d->SetText(text);
      break;
    }
    case edColorPickerDropDown: {
      TCellGraphic* g = GetCellGraphic(P.RC, ARow);
      const TColor c = g && g->CellType == ctShape ? GetShapeColor(P.RC, ARow) : Colors(P.RC, ARow);
      FEditColorPicker->SetSelectedColor(c);
      break;
    }
    default: {
      int idx = -1;
      const TCellType type = GetCellType(P.RC, ARow);
      TCustomImageList* images = GetGridImages();
      TImageItems* items = FEditImagePicker->Items();
      if ((type == ctImageList || type == ctDataImage) && images) {
        if (items->Count() == 0)
          for (int i = 0; i < images->Count(); ++i) items->Add()->SetImageIndex(i);
        // A data-image cell whose text is no number opens with no image.
        if (type == ctImageList)
          GetImageIdx(P.RC, ARow, idx);
        else if (!ReadWholeInt(GetGridCell(P.RC, ARow), idx))
          idx = -1;
      }
      int item = -1;
      for (int i = 0; idx != -1 && i < items->Count(); ++i)
        if (items->Items(i)->ImageIndex() == idx) item = i;
      FEditImagePicker->SetItemIndex(item);
      d->SetText(item == -1 ? QString() : items->Items(item)->Caption());
      break;
    }
  }
  d->SetColor(P.Colour);
  d->SetVisible(true);
  if (d->CanFocus()) d->SetFocus();
  if (kind == edMemoDropDown) {
    d->SetSelStart(0);
    d->SetSelLength(0);
  }
  if (kind == edDetailDropDown) {
    TDetailItems* items = FEditDetailPicker->Items();
    for (int i = 0; i < items->Count(); ++i)
      if (items->Items(i)->Caption() == d->Text()) {
        FEditDetailPicker->SetItemIndex(i);
        break;
      }
  }
  // Escape puts back what the cell holds now.
  const QString original = GetGridCell(P.RC, ARow);
  switch (kind) {
    case edTrackbarDropDown: FEditTrackBar->SetOriginalText(original); break;
    case edMemoDropDown: FEditMemo->SetOriginalText(original); break;
    case edCalculatorDropDown: FEditCalculator->SetOriginalText(original); break;
    case edTimePickerDropDown: FEditTimePicker->SetOriginalText(original); break;
    case edDetailDropDown: FEditDetailPicker->SetOriginalText(original); break;
    case edGridDropDown: FEditGridPicker->SetOriginalText(original); break;
    case edColorPickerDropDown: FEditColorPicker->SetOriginalText(original); break;
    case edExGridDropDown: FEditExGridPicker->SetOriginalText(original); break;
    default: FEditImagePicker->SetOriginalText(original); break;
  }
  if (!FStartEditChar.isNull()) PostMessage(d, WM_CHAR, FStartEditChar.unicode(), 0);
  if (FMouseActions->DirectComboDrop) d->ShowDropDown();
  EditCtrl = d;
  return true;
}

bool TExStringGrid::StoreDropDownEditor(int ACol, int ARow) {
  const TEditorType kind = EditControl;
  if (!IsDropDownKind(kind)) return false;
  TExCustomDropDown* d = nullptr;
  switch (kind) {
    case edTrackbarDropDown: d = FEditTrackBar; break;
    case edMemoDropDown: d = FEditMemo; break;
    case edCalculatorDropDown: d = FEditCalculator; break;
    case edTimePickerDropDown: d = FEditTimePicker; break;
    case edDetailDropDown: d = FEditDetailPicker; break;
    case edGridDropDown: d = FEditGridPicker; break;
    case edColorPickerDropDown: d = FEditColorPicker; break;
    case edExGridDropDown: d = FEditExGridPicker; break;
    default: d = FEditImagePicker; break;
  }
  if (!d) return true;
  if (d->DroppedDown()) d->HideDropDown(FEditCancelled);
  if (EditMode) {
    EditMode = false;
    const int rc = RealColIndex(ACol);
    if (FEditCancelled) {
      // nothing is written
    } else if (kind == edMemoDropDown) {
      EditorValueToCell(ACol, ARow, FEditMemo->MemoLines());
    } else if (kind == edColorPickerDropDown) {
      TColor color = FEditColorPicker->SelectedColor();
      QString value = ColorToString(color);
      if (OnColorSelected) OnColorSelected(this, rc, ARow, color, value);
      EditorValueToCell(ACol, ARow, value);
      TCellGraphic* g = GetCellGraphic(rc, ARow);
      if (g && g->CellType == ctShape)
        SetShapeColor(rc, ARow, color);
      else
        SetColors(rc, ARow, color);
    } else if (kind == edImagePickerDropDown) {
      const int item = FEditImagePicker->ItemIndex();
      TImageItems* items = FEditImagePicker->Items();
      int index = item >= 0 && item < items->Count() ? items->Items(item)->ImageIndex() : -1;
      if (OnImageSelected) OnImageSelected(this, rc, ARow, index);
      const TCellType type = GetCellType(rc, ARow);
      if (type == ctImageList) SetImageIdx(rc, ARow, index);
      if (type == ctDataImage) EditorValueToCell(ACol, ARow, QString::number(index));
    } else {
      EditorValueToCell(ACol, ARow, d->Text());
    }
  }
  d->SetEnabled(false);
  d->SetVisible(false);
  return true;
}

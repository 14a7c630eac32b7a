// The custom editor link: placing its control in the cell or on its own pop-up
// form, the key protocol, exits, and storing its value.
#include "grid/input/edit_link.h"

#include "grid/view/ex_string_grid.h"
#include "platform/ui/popup_form.h"
#include "platform/ui/window_proc_hook.h"

// The pop-up form of one link: losing the activation ends the edit.
class TEditLinkForm : public TPopupForm {
public:
  explicit TEditLinkForm(TEditLink* ALink) : TPopupForm(nullptr), FLink(ALink) {}
  // The link is going: the form ends no edit any more.
  void Detach() { FLink = nullptr; }

protected:
  void WMActivate(bool active, bool toOwnWindow) override {
    if (FLink && !active && !toOwnWindow && Visible()) FLink->FormExit(this);
  }

private:
  TEditLink* FLink;
};

TEditLink::TEditLink(TComponent* AOwner) : TComponent(AOwner) {}

TEditLink::~TEditLink() {
  if (FRouted) SetWindowProcHook(FRouted, nullptr);
  if (FPopupForm) FPopupForm->Detach();
}

TWinControl* TEditLink::PopupForm() const { return FPopupForm.get(); }

QString TEditLink::GetCellValue() {
  return FOwner ? FOwner->GetGridCell(FOwner->RealColIndex(FOwner->Col()), FOwner->Row()) : QString();
}

void TEditLink::SetCellValue(const QString& S) {
  if (FOwner) FOwner->EditorValueToCell(FOwner->Col(), FOwner->Row(), S);
}

TWinControl* TEditLink::GetParent() {
  if (EditStyle == esPopup && FPopupForm) return FPopupForm.get();
  return FOwner;
}

void TEditLink::SetRect(TRect R) {
  TWinControl* c = GetEditControl();
  if (!c || !FOwner) return;
  const int line = FOwner->GridLineWidth();
  c->SetBounds(R.Left, R.Top, R.Right - R.Left - line, R.Bottom - R.Top - line);
}

void TEditLink::SetVisible(bool Value) {
  if (TWinControl* c = GetEditControl()) c->SetVisible(Value);
}

void TEditLink::SetFocus(bool Value) {
  TWinControl* c = GetEditControl();
  if (Value && c) {
    if (!c->Visible()) c->SetVisible(true);
    if (!c->Enabled()) c->SetEnabled(true);
  }
  // An in-place control's messages pass the grid while it edits: with goTabs
  // the control claims Tab, the arrows and characters, so that Tab and the
  // arrows reach its key-down (and EditKeyDown) instead of moving the focus.
  if (EditStyle == esInplace && c && !FSubClassed) {
    FRouted = c;
    SetWindowProcHook(c, [this](TControl* Control, TMessage& m) {
      CallOriginalWindowProc(Control, m);
      if (m.Msg == WM_GETDLGCODE && FOwner && FOwner->Options().Contains(goTabs))
        m.Result |= DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
    });
    FSubClassed = true;
  }
  if (Value && c) {
    if (c->CanFocus()) c->SetFocus();
  } else if (FOwner && FOwner->CanFocus()) {
    FOwner->SetFocus();
  }
}

void TEditLink::RestoreWinProc() {
  TWinControl* c = GetEditControl();
  if (FRouted) SetWindowProcHook(FRouted, nullptr);
  FRouted = nullptr;
  if (EditStyle != esInplace || !c) return;
  FSubClassed = false;
  c->SetVisible(false);
}

void TEditLink::HideEditor() {
  SetCellValue(GetEditorValue());
  if (FOwner) FOwner->HideInplaceEdit();
  RestoreWinProc();
}

void TEditLink::EditExit(TObject* Sender) {
  (void)Sender;
  HideEditor();
  if (EditStyle == esPopup && FPopupForm) {
    DestroyEditor();
    FPopupForm->SetVisible(false);
  }
}

void TEditLink::FormExit(TObject* Sender) {
  if (FForcedExit) {
    SetCellValue(GetEditorValue());
    return;
  }
  EditExit(Sender);
  if (FOwner) FOwner->InvokedFocusChange = true;
}

void TEditLink::EditKeyDown(TObject* Sender, int& Key, TShiftState Shift) {
  (void)Sender;
  TExStringGrid* G = FOwner;
  if (!G) return;
  // 1. The keys the grid takes, less the ones the link keeps.
  bool gridKey = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT ||
                 Key == VK_END || (Key >= VK_LEFT && Key <= VK_DOWN) || Shift.Contains(ssAlt);
  if ((WantKeyUpDown && (Key == VK_UP || Key == VK_DOWN)) || (WantKeyLeftRight && (Key == VK_LEFT || Key == VK_RIGHT)) ||
      (WantKeyHomeEnd && (Key == VK_HOME || Key == VK_END)) || (WantKeyPriorNext && (Key == VK_PRIOR || Key == VK_NEXT)) ||
      (WantKeyReturn && Key == VK_RETURN) || (WantKeyEscape && Key == VK_ESCAPE) || (WantTabs && Key == VK_TAB))
    gridKey = false;
  if (!gridKey) return;
  // 2. Tab.
  if (Key == VK_TAB) {
    if (G->Navigation()->TabToNextAtEnd) {
      FForcedExit = true;
      G->SetFocus();
      FForcedExit = false;
      G->StoreSpecialEditor(G->Col(), G->Row());
      if (G->AdvanceAfterEdit(Shift.Contains(ssShift)) && !G->IsClickableCell(G->RealCol(), G->Row()))
        PostMessage(G, WM_KEYDOWN, VK_F2, 0);
      Key = 0;
      return;
    }
    Key = 0;
  }
  // 3. Escape: the cell's text from before the edit goes back into the control.
  if (Key == VK_ESCAPE) SetEditorValue(G->FCellCache);
  // 4.
  FForcedExit = true;
  G->SetFocus();
  FForcedExit = false;
  G->StoreSpecialEditor(G->Col(), G->Row());
  // 5.
  if (EditStyle == esPopup) EditExit(this);
  // 6.
  G->EditMode = false;
  G->SelectCell(G->Col(), G->Row());
  // 7-8.
  if (Key == VK_RETURN && G->FLastValidation) {
    G->FLastValidation = true;
    if (G->Navigation()->AdvanceOnEnter)
      G->AdvanceCell(G->Col(), G->Row(), false, false, !Shift.Contains(ssShift), false, true);
    Key = 0;
    return;
  }
  if (!G->FLastValidation) {
    G->FLastValidation = true;
    G->PlaceSpecialEditor(G->Col(), G->Row());
    return;
  }
  // 9.
  G->FLastValidation = true;
  if (Key == VK_ESCAPE) {
    Key = 0;
    return;
  }
  if (Key >= VK_LEFT && Key <= VK_DOWN) G->GridKeyDown(Key, Shift);
  if (TWinControl* c = GetEditControl()) c->SetEnabled(false);
  FForcedExit = true;
  G->SetFocus();
  FForcedExit = false;
}

// --- the grid's side ---

bool TExStringGrid::PlaceLinkEditor(int ACol, int ARow, const TEditorPlace& P) {
  if (EditControl != edCustom) return false;
  TEditLink* link = EditLink;
  if (!link) {
    EditMode = false;
    return true;
  }
  // 1.
  EditMode = true;
  link->FOwner = this;
  link->FEditCell = {P.RC, ARow};
  // 2.
  if (link->EditStyle == esPopup) {
    if (link->AutoPopupWidth) link->PopupWidth = P.R.Right - P.R.Left;
    if (!link->FPopupForm) link->FPopupForm = std::make_unique<TEditLinkForm>(link);
    // Hiding the pop-up gives the activation back to the grid's form.
    link->FPopupForm->SetOwnerForm(ParentForm());
    const TPoint at = link->PopupLeft != -1 && link->PopupTop != -1 ? TPoint{link->PopupLeft, link->PopupTop}
                                                                      : ClientToScreen({P.R.Left, P.R.Top});
    link->FPopupForm->ShowTopMost(at.X, at.Y, link->PopupWidth, link->PopupHeight);
    link->CreateEditor(link->FPopupForm.get());
  } else {
    link->CreateEditor(this);
  }
  // 3.
  link->SetRect(link->EditStyle == esPopup ? TRect{0, 0, link->PopupWidth, link->PopupHeight} : P.R);
  // 4.
  link->SetVisible(true);
  TFont font;
  link->SetCellProps(P.Colour, &font);
  link->SetProperties();
  GetEditorPropHook(P.RC, ARow, link);
  link->SetEditorValue(GetEditText(ACol, ARow));
  // 5.
  const QChar start = FStartEditChar;
  link->SetFocus(true);
  FStartEditChar = start;
  FEditActive = true;
  // 6-7.
  TWinControl* c = link->GetEditControl();
  if (!FStartEditChar.isNull() && c) PostMessage(c, WM_CHAR, FStartEditChar.unicode(), 0);
  EditCtrl = c;
  return true;
}

bool TExStringGrid::StoreLinkEditor(int ACol, int ARow) {
  if (EditControl != edCustom) return false;
  if (FControlLook->DropDownAlwaysVisible) ReQueryEditorType(RealColIndex(ACol), ARow, EditControl);
  if (TEditLink* link = EditLink) {
    EditorValueToCell(ACol, ARow, link->GetEditorValue());
    if (link->EditStyle != esPopup) link->SetVisible(false);
    link->RestoreWinProc();
  }
  EditMode = false;
  return true;
}

// The grid's in-place text editor: character and paste rules by editor kind,
// the key steps that validate before a key leaves the cell, and the focus steps
// that end the edit.
#include "grid/input/inplace_editor.h"

#include <QApplication>
#include <QWidget>

#include "grid/base/mixed_case.h"
#include "grid/input/inplace_char_rules.h"
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/locale_settings.h"
#include "platform/ui/beep.h"
#include "platform/ui/clipboard.h"

namespace {

bool CtrlHeld() { return GetKeyState(VK_CONTROL) < 0; }
bool ShiftHeld() { return GetKeyState(VK_SHIFT) < 0; }

}  // namespace

TExInplaceEdit::TExInplaceEdit(TExStringGrid* AGrid) : TEdit(AGrid), TInplaceEdit(AGrid), FGrid(AGrid) {
  SetVisible(false);
  SetBorderStyle(bsNone);
  SetWantReturns(true);
  // The grid decides where the caret stands when an edit begins.
  SetAutoSelect(false);
  SetParent(AGrid);
}

void TExInplaceEdit::ShowAt(const TRect& r, bool focus) {
  const int w = r.Right - r.Left - 1, h = r.Bottom - r.Top - 1;
  SetBounds(r.Left, r.Top, w, h);
  SetEditRect(TRect{3, 3, w - 2, h});
  SetVisible(true);
  if (focus && CanFocus()) SetFocus();
}

void TExInplaceEdit::HideControl() {
  SetVisible(false);
  // The text editor closing ends a plain-kind edit.
  if (!FGrid->FSpecialEditor) FGrid->EditMode = false;
}

void TExInplaceEdit::SetMaxLength(int length) {
  FLengthLimit = length;
  TEdit::SetMaxLength(length > 0 ? length : 0);
}

void TExInplaceEdit::SetVAlign(bool value) {
  FValign = value;
  SetAlignment(value ? taRightJustify : taLeftJustify);
}

void TExInplaceEdit::UpdateContents() {
  // A multi-line edit (a password keeps one line) that breaks its lines as the
  // grid's cells do.
  SetMultiLine(true);
  SetWordWrap(FGrid->WordWrap());
  FGrid->FNoEditChange = true;
  TInplaceEdit::UpdateContents();
  FGrid->FNoEditChange = false;
  const int rc = FGrid->RealColIndex(FGrid->Col());
  TFont font;
  TBrush brush;
  TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = false;
  TCellGradientDirection gd = GradientVertical;
  FGrid->GetCellColors(rc, FGrid->Row(), &font, &brush, colorTo, mirror, mirrorTo, ha, va, ww, gd);
  SetColor(brush.Color() == clNone ? clWindow : brush.Color());
  SetFont(&font);
  // The cell's horizontal alignment (right-justified cells keep VAlign).
  FValign = ha == taRightJustify;
  SetAlignment(ha);
  const bool password = FGrid->EditControl == edPassword || FGrid->IsPasswordCell(rc, FGrid->Row());
  SetPasswordChar(password ? FGrid->PasswordChar : QChar());
  FColE = FGrid->Col();
  FRowE = FGrid->Row();
  FGrid->GetEditorPropHook(rc, FGrid->Row(), nullptr);
}

void TExInplaceEdit::ApplyStartSelection() {
  if (FGrid->Navigation()->EditSelectAll)
    SelectAll();
  else
    SetSelStart(Text().size());
}

void TExInplaceEdit::WndProc(TMessage& Message) {
  if (Message.Msg == WM_SYSKEYDOWN && Message.CharCode() == VK_BACK) FAltBack = true;
  if (Message.Msg == WM_SYSKEYUP && Message.CharCode() == VK_BACK) FAltBack = false;
  TEdit::WndProc(Message);
}

void TExInplaceEdit::CMWantSpecialKey(TMessage& Message) {
  // Enter and Escape end or cancel the edit; Tab stays when the grid validates
  // before leaving.
  switch (Message.CharCode()) {
    case VK_RETURN:
    case VK_ESCAPE: Message.Result = 1; break;
    case VK_TAB: Message.Result = FGrid->EditorHandlesTab() ? 1 : 0; break;
    default: break;
  }
}

void TExInplaceEdit::WMLButtonDblClk(TMessage& Message) {
  TEdit::WMLButtonDblClk(Message);
  if (FGrid->OnDblClickCell) FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}

void TExInplaceEdit::Change() {
  TEdit::Change();
  if (!FGrid->FNoEditChange && FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

// --- validation helpers ---

void TExInplaceEdit::ShowValidatedText(bool repaint) {
  SetText(FGrid->FNewCellText);
  if (FGrid->Navigation()->EditSelectAll)
    SelectAll();
  else
    SetSelStart(Text().size());
  if (repaint) Repaint();
}

bool TExInplaceEdit::ValidateOrRestore(const QString& T, const QString& S) {
  if (FGrid->ValidateCell(T)) return true;
  ShowValidatedText(false);
  FGrid->FOldCellText = S;
  return false;
}

bool TExInplaceEdit::CaretOnFirstLine() const { return !MultiLine() || LineFromChar(CaretPos()) == 0; }

bool TExInplaceEdit::CaretOnLastLine() const {
  return !MultiLine() || LineFromChar(CaretPos()) == LineFromChar(Text().size());
}

// --- keys ---

void TExInplaceEdit::WMKeyDown(TMessage& Message) {
  const int key = Message.CharCode();
  const bool ctrl = CtrlHeld(), shift = ShiftHeld();
  TNavigation* nav = FGrid->Navigation();
  // 1.
  FOldSelStart = CaretPos();
  // 2. Escape: back to the text from when editing began, and close.
  if (key == VK_ESCAPE) {
    SetText(FGrid->FCellCache);
    FGrid->HideInplaceEdit();
  }
  // 3. Ctrl+A selects everything.
  if (key == 'A' && ctrl && GetKeyState(VK_MENU) >= 0) {
    SelectAll();
    Message.SetCharCode(0);
    Message.Result = 1;
    return;
  }
  // 4. Ctrl+Enter only types a line break in multi-line cells.
  const bool multiLine = FGrid->WordWrap() || FGrid->Multilinecells;
  if (key == VK_RETURN && ctrl && !(nav->AllowCtrlEnter && multiLine)) {
    Message.SetCharCode(0);
    Message.Result = 1;
    return;
  }
  // 5.
  const QString T = Text();
  const QString S = FGrid->FOldCellText;
  bool moved = false;
  // 6. Tab validates before it leaves the cell.
  if (key == VK_TAB && FGrid->EditorHandlesTab()) {
    if (ValidateOrRestore(T, S)) {
      SetText(FGrid->FNewCellText);
      FGrid->HideInplaceEdit();
      if (FGrid->Options().Contains(goTabs)) {
        int k = VK_TAB;
        FGrid->GridKeyDown(k, shift ? TShiftState{ssShift} : TShiftState{});
      } else {
        PostMessage(FGrid, WM_KEYDOWN, VK_TAB, 0);
      }
    }
    Message.SetCharCode(0);
    Message.Result = 1;
    return;
  }
  // 7. Shift+Left at the start or Shift+Right at the end walks out of the cell.
  if (nav->CursorWalkEditor && shift &&
      ((key == VK_LEFT && CaretPos() == 0) || (key == VK_RIGHT && CaretPos() == T.size()))) {
    FGrid->FValidating = true;
    FGrid->SetCurrentCell(T);
    FGrid->FValidating = false;
    if (FGrid->ValidateCell(T)) {
      SetText(FGrid->FNewCellText);
      FGrid->HideInplaceEdit();
      FGrid->SetFocus();
    } else {
      ShowValidatedText(true);
      FGrid->FOldCellText = S;
    }
    Message.SetCharCode(0);
    return;
  }
  // 8. Up on the first line or Down on the last line leaves the cell.
  if ((key == VK_UP && CaretOnFirstLine()) || (key == VK_DOWN && CaretOnLastLine())) {
    FGrid->FValidating = true;
    FGrid->SetCurrentCell(T);
    FGrid->FValidating = false;
    if (!FGrid->ValidateCell(T)) {
      ShowValidatedText(true);
      FGrid->FOldCellText = S;
      Message.SetCharCode(0);
      return;
    }
    SetText(FGrid->FNewCellText);
    moved = true;
  }
  // 9. Enter validates.
  if (key == VK_RETURN && !ctrl && !nav->LineFeedOnEnter) {
    if (!ValidateOrRestore(T, S)) {
      FEnterRefused = true;
      Message.SetCharCode(0);
      Message.Result = 1;
      return;
    }
    SetText(FGrid->FNewCellText);
  }
  // 10. Home and End put the caret at the ends.
  if (!ctrl && !shift) {
    if (key == VK_HOME) SetSelStart(0);
    if (key == VK_END) SetSelStart(Text().size());
  }
  // 11-12.
  TEdit::WMKeyDown(Message);
  if (moved && FGrid->MouseActions()->DisjunctRowSelect()) {
    FGrid->ClearRowSelect();
    FGrid->SetRowSelect(FGrid->Row(), true);
  }
}

// The class library's in-place edit hands the keys that move in the grid to the
// grid's own key handling.
void TExInplaceEdit::KeyDown(int& Key, TShiftState Shift) {
  FSelKeyDown = CaretPos();
  if (Key == VK_BACK || Key == VK_DELETE) {
    FWorkmode = false;
  } else if ((Key == VK_UP && !CaretOnFirstLine()) || (Key == VK_DOWN && !CaretOnLastLine())) {
    return;  // the caret moves between lines
  } else {
    if (Key == VK_RETURN && !FGrid->Navigation()->AllowCtrlEnter && (FGrid->WordWrap() || FGrid->Multilinecells))
      FGrid->FEditing = false;
    FWorkmode = true;
  }
  // Left and Home at the start, Right and End at the end, leave the cell only
  // while the grid always shows its editor (otherwise they stay in the text).
  const bool forward = FGrid->Options().Contains(goAlwaysShowEditor) && !Shift.Contains(ssShift);
  const bool atStart = SelLength() == 0 && CaretPos() == 0;
  const bool atEnd = SelLength() == 0 && CaretPos() == Text().size();
  bool toGrid = false;
  switch (Key) {
    case VK_TAB: toGrid = !Shift.Contains(ssAlt); break;
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN: toGrid = true; break;
    case VK_INSERT: toGrid = !Shift.Contains(ssShift); break;
    case VK_DELETE: toGrid = Shift.Contains(ssCtrl); break;
    case VK_LEFT:
    case VK_HOME: toGrid = forward && (atStart || Shift.Contains(ssCtrl)); break;
    case VK_RIGHT:
    case VK_END: toGrid = forward && (atEnd || Shift.Contains(ssCtrl)); break;
    default: break;
  }
  // A key that takes the cursor to another cell validates first, as Up and
  // Down do; a refused text keeps the editor open.
  const bool leaves = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_LEFT || Key == VK_RIGHT || Key == VK_HOME ||
                      Key == VK_END;
  if (toGrid && leaves && FGrid->FEditing) {
    const QString T = Text(), S = FGrid->FOldCellText;
    FGrid->FValidating = true;
    FGrid->SetCurrentCell(T);
    FGrid->FValidating = false;
    if (!FGrid->ValidateCell(T)) {
      ShowValidatedText(true);
      FGrid->FOldCellText = S;
      Key = 0;
      return;
    }
    SetText(FGrid->FNewCellText);
  }
  if (toGrid) {
    FGrid->GridKeyDown(Key, Shift);
    Key = 0;
    return;
  }
  TEdit::KeyDown(Key, Shift);
}

void TExInplaceEdit::WMChar(TMessage& Message) {
  TInplaceCharInput in;
  in.Kind = FGrid->EditControl;
  in.Key = QChar(static_cast<char16_t>(Message.CharCode()));
  in.Ctrl = CtrlHeld();
  in.KeypadKey = (Message.KeyData() & KF_KEYPAD) != 0;
  in.Text = Text();
  in.SelStart = SelStart();
  in.SelLength = SelLength();
  in.LengthLimit = FLengthLimit;
  in.ExcelStyleDecimalSeparator = FGrid->ExcelStyleDecimalSeparator;
  in.AllowCtrlEnter = FGrid->Navigation()->AllowCtrlEnter;
  in.MultiLine = FGrid->WordWrap() || FGrid->Multilinecells;
  in.LineFeedOnEnter = FGrid->Navigation()->LineFeedOnEnter;
  in.ValidChars = FGrid->ValidChars;
  in.ValidCharSet = FGrid->ValidCharSet;
  in.DecimalSeparator = FormatSettings().DecimalSeparator;
  in.ThousandSeparator = FormatSettings().ThousandSeparator;
  const TInplaceCharResult r = InplaceCharRule(in);
  switch (r.Action) {
    case TInplaceCharAction::Consume:
      Message.SetCharCode(0);
      Message.Result = 1;
      return;
    case TInplaceCharAction::LineBreak: DefaultHandler(Message); return;
    case TInplaceCharAction::Drop: break;
    case TInplaceCharAction::Beep: MessageBeep(0); break;
    case TInplaceCharAction::HandOn: {
      const int caret = SelStart();
      Message.SetCharCode(r.Key.unicode());
      TEdit::WMChar(Message);
      if (r.MixedCase) {
        SetText(ToMixedCase(Text()));
        SetSelStart(caret + 1);
      }
      break;
    }
  }
  // Auto-advance: a full text moves on as Enter does.
  if (!r.CheckAdvance) return;
  TNavigation* nav = FGrid->Navigation();
  const int max = FGrid->MaxEditLength();
  if (nav->AdvanceAuto() && nav->AdvanceOnEnter && max > 0 && Text().size() == max && SelLength() == 0 &&
      CaretPos() == Text().size()) {
    QChar enter(13);
    FGrid->GridKeyPress(enter);
  }
}

void TExInplaceEdit::KeyPress(QChar& Key) {
  // The character of an Enter whose key-down was refused is not validated again.
  if (Key == QChar(13) && FEnterRefused) {
    FEnterRefused = false;
    Key = QChar();
    return;
  }
  // 1. Enter validates; a refused text goes back to the cell's.
  if (Key == QChar(13) && !FGrid->Navigation()->LineFeedOnEnter) {
    if (!FGrid->ValidateCell(Text())) {
      SetText(FGrid->CurrentCell());
      Key = QChar();
      return;
    }
  }
  // 2. The class library's in-place edit: the grid sees every character first;
  // Enter that the grid leaves alone closes the editor.
  FGrid->GridKeyPress(Key);
  if (Key == QChar(9)) Key = QChar();  // the edit never types a Tab
  if (Key == QChar(13)) {
    FGrid->HideInplaceEdit();
    Key = QChar();
    return;
  }
  if (Key.isNull()) return;
  TEdit::KeyPress(Key);
}

// Walks out of the cell to the left or right: into a clickable neighbour
// directly, otherwise by the grid's advance (editor opening forced).
void TExInplaceEdit::WalkOut(bool Forward) {
  TNavigation* nav = FGrid->Navigation();
  const int col = FGrid->Col(), row = FGrid->Row();
  const int span = Forward ? FGrid->CellSpan(FGrid->RealColIndex(col), row).X : 0;
  const int next = Forward ? col + span + 1 : col - 1;
  const bool inside = Forward ? col < FGrid->ColCount() - FGrid->FixedRightCols() - 1 : col > FGrid->FixedCols();
  if (inside && FGrid->IsClickableCell(FGrid->RealColIndex(next), row)) {
    if (FGrid->ValidateCell(Text())) {
      FGrid->HideInplaceEdit();
      FGrid->SetCol(next);
    }
    return;
  }
  // Both ways validate before the cursor moves.
  if (!FGrid->ValidateCell(Text())) return;
  FGrid->HideInplaceEdit();
  const TAdvanceDirection direction = nav->AdvanceDirection();
  nav->SetAdvanceDirection(adLeftRight);
  FGrid->AdvanceCell(col, row, true, true, Forward, false, true);
  nav->SetAdvanceDirection(direction);
  if (!nav->CursorWalkAlwaysEdit) FGrid->HideInplaceEdit();
}

void TExInplaceEdit::KeyUp(int& Key, TShiftState Shift) {
  const bool plain = !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt);
  const bool walk = FGrid->Navigation()->CursorWalkEditor && plain && SelLength() == 0;
  // 1. Left at the start (also before the key).
  if (Key == VK_LEFT && walk && FSelKeyDown == 0 && CaretPos() == 0) {
    Key = 0;
    WalkOut(false);
    return;
  }
  // 2. Right at the end (also before the key).
  if (Key == VK_RIGHT && walk && FOldSelStart == Text().size() && CaretPos() == Text().size()) {
    Key = 0;
    WalkOut(true);
    return;
  }
  // 3.
  if (Key == VK_LEFT || Key == VK_RIGHT) return;
  FGrid->GridKeyUp(Key, Shift);
  TEdit::KeyUp(Key, Shift);
  DoChange();
}

void TExInplaceEdit::DoChange() {
  if (!FWorkmode || SelLength() != 0 || !FGrid->Lookup) return;
  TStringList* items = FGrid->LookupItems();
  if (!items || items->Count() == 0) return;
  const QString typed = Text().left(CaretPos());
  if (typed.isEmpty()) return;
  const bool cs = FGrid->LookupCaseSensitive;
  const QString p = cs ? typed : typed.toUpper();
  for (int i = 0; i < items->Count(); ++i) {
    const QString item = items->Strings(i);
    if (!(cs ? item : item.toUpper()).startsWith(p)) continue;
    const QString completed = Text().left(p.size()) + item.mid(p.size(), 255);
    SetText(completed);
    SetSelStart(p.size());
    SetSelLength(completed.size() - p.size());
    return;
  }
}

// --- clipboard ---

void TExInplaceEdit::WMPaste(TMessage&) {
  // 1-3. The grid's events may veto or rewrite the pasted text.
  bool allow = !Clipboard()->AsText().isEmpty();
  QString v = Clipboard()->AsText();
  if (FGrid->OnClipboardPaste) FGrid->OnClipboardPaste(this, allow);
  if (!allow) return;
  const int rc = FGrid->RealColIndex(FGrid->Col());
  if (FGrid->OnClipboardBeforePasteCell) FGrid->OnClipboardBeforePasteCell(this, rc, FGrid->Row(), v, allow);
  if (!allow) return;
  // 4-8. Length and kind rules.
  TInplacePasteInput in;
  in.Kind = FGrid->EditControl;
  in.Text = Text();
  in.SelStart = SelStart();
  in.SelLength = SelLength();
  in.Pasted = v;
  in.LengthLimit = FLengthLimit;
  in.ValidChars = FGrid->ValidChars;
  const TInplacePasteResult r = InplacePasteRule(in);
  if (r.Ended) return;
  // 9. The text goes to the cell as edit text; caret and selection follow.
  if (r.Accepted) SetText(r.Text);
  FGrid->SetEditText(FGrid->Col(), FGrid->Row(), Text());
  if (r.Accepted) {
    SetSelStart(r.SelStart);
    SetSelLength(r.SelLength);
  }
  if (FGrid->OnClipboardAfterPasteCell) FGrid->OnClipboardAfterPasteCell(this, rc, FGrid->Row(), Text());
}

void TExInplaceEdit::WMCopy(TMessage& Message) {
  bool allow = true;
  if (FGrid->OnClipboardCopy) FGrid->OnClipboardCopy(this, allow);
  if (allow) TEdit::WMCopy(Message);
}

void TExInplaceEdit::WMCut(TMessage& Message) {
  bool allow = true;
  if (FGrid->OnClipboardCut) FGrid->OnClipboardCut(this, allow);
  if (allow) TEdit::WMCut(Message);
}

// --- focus ---

void TExInplaceEdit::WMSetFocus(TMessage& Message) {
  TEdit::WMSetFocus(Message);
  FGotFocus = true;
  FGrid->FNoEditChange = false;
  SetMaxLength(FGrid->GetEditLimit());
  if (!FGrid->Navigation()->EditSelectAll) SetSelStart(Text().size());
}

void TExInplaceEdit::WMKillFocus(TMessage& Message) {
  FGrid->FStartEditChar = QChar();
  if (FGrid->LookupHistory && FGrid->LookupItems()->IndexOf(Text()) < 0) FGrid->LookupItems()->Add(Text());
  FGrid->FEditorLostFocus = QApplication::focusWidget() == FGrid->Widget();
  TEdit::WMKillFocus(Message);
  // The grid hides and reopens the editor itself while it refuses a value.
  if (FAltBack || FGrid->FRefusing) return;
  QWidget* next = QApplication::focusWidget();
  if (next != FGrid->Widget()) {
    FGrid->ValidateCell(Text());
    SetText(FGrid->CurrentCell());
    FGrid->HideInplaceEdit();
    FGrid->FEditing = false;
    FGrid->EditMode = false;
    FGrid->SelectCell(FColE, FRowE);
  }
  FGrid->FNoEditChange = true;
  SetText(FGrid->CurrentCell());
  FGrid->FNoEditChange = false;
  if (FGotFocus) {
    FGotFocus = false;
    FGrid->PostEditDone(FGrid->RealColIndex(FColE), FRowE);
  }
}

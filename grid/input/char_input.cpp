// Typed characters on the grid: a character on an editable cell opens the
// editor with that character (or with the one an OnKeyPress handler put in its
// place), cells with mini-HTML form controls take no characters, the clipboard
// control characters are dropped when the grid does the clipboard itself, direct
// editing in range-select mode, and the keypad's decimal key as the user's
// decimal separator. Also the dialog-character notification.
#include "grid/base/text_kinds.h"
#include "grid/input/inplace_editor.h"
#include "grid/view/ex_string_grid.h"
#include "platform/grids/inplace_edit.h"
#include "platform/rtl/locale_settings.h"
#include "platform/ui/edit.h"
#include "platform/ui/messages.h"

namespace {

constexpr int kCtrlC = 3, kCtrlV = 22, kCtrlX = 24;

bool HoldsControlTag(const QString& text, bool enableHtml) {
  return ClassifyCellText(text, enableHtml) == 1 && text.toUpper().contains(QStringLiteral("<CONTROL"));
}

}  // namespace

void TExStringGrid::WMChar(TMessage& Message) {
  int C = Message.CharCode();
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  TMouseActions& ma = *FMouseActions;
  // 1.
  if (HoldsControlTag(CurrentCell(), EnableHTML)) {
    Message.Result = 1;
    return;
  }
  // 2.
  if (ma.EditOnDblClickOnly()) {
    bool can = true;
    CanEditCell(Col(), Row(), can);
    if (can) SetOptions(Options() + goEditing);
  }
  // 3.
  if (FNavigation->AllowClipboardShortCuts && ctrl && (C == kCtrlC || C == kCtrlV || C == kCtrlX)) {
    Message.SetCharCode(0);
    return;
  }
  const int RC = RealCol();
  // 4. Direct editing in range-select mode.
  if (ma.RangeSelectAndEdit && !IsClickableCell(RC, Row()) && IsEditable(Col(), Row()) && C != VK_TAB &&
      C != VK_ESCAPE && !ctrl) {
    QChar copy(static_cast<char16_t>(C));
    if (OnKeyPress) OnKeyPress(this, copy);
    FStartEditChar = QChar(static_cast<char16_t>(C));
    SetOptions(Options() + goEditing);
    if (Col() < LeftCol() || Col() > LeftCol() + VisibleColCount() || Row() < TopRow() ||
        Row() > TopRow() + VisibleRowCount())
      ClampInView({Col(), Row()});
    const TRect r = CellRect(Col(), Row());
    MouseDown(mbLeft, {}, r.Left + 2, r.Top + 2);
    TBaseGrid::WMChar(Message);
    return;
  }
  // 5. The keypad's decimal key types the user's decimal separator.
  if (ExcelStyleDecimalSeparator && C == '.' && (Message.KeyData() & KF_KEYPAD) != 0) {
    C = FormatSettings().DecimalSeparator.unicode();
    Message.SetCharCode(C);
  }
  // 6. Enter on a clickable cell moves on as Enter does.
  const int RC2 = RealCol();
  bool handled = false;
  if (IsClickableCell(RC2, Row()) && C == VK_RETURN && FNavigation->AdvanceOnEnter) {
    TBaseGrid::WMChar(Message);
    handled = true;
  }
  // 7. Typing opens the editor with the (possibly replaced) character.
  if (Options().Contains(goEditing) && C != VK_TAB && (C == VK_BACK || (C >= 32 && C <= 255))) {
    QChar key(static_cast<char16_t>(C));
    if (OnKeyPress) OnKeyPress(this, key);
    Message.SetCharCode(key.unicode());
    FStartEditChar = key;
    // A handler that cleared the key keeps the editor closed.
    if (!IsClickableCell(RC2, Row()) && !key.isNull()) ShowEditorChar(key);
    return;
  }
  // 8.
  if (!handled) TBaseGrid::WMChar(Message);
}

// The class library's step that opens the editor with a first character: the
// character reaches the plain text editor after this handler; a special editor
// control gets it from its placement (FStartEditChar).
void TExStringGrid::ShowEditorChar(QChar Ch) {
  ShowEditor();
  TInplaceEdit* editor = InplaceEditor();
  if (!EditorMode() || !editor || !editor->ControlVisible()) return;
  // The typed character replaces the cell's text, or with EditSelectAll off is
  // added after it.
  if (auto* edit = dynamic_cast<TExInplaceEdit*>(editor)) edit->ApplyStartSelection();
  if (auto* control = dynamic_cast<TWinControl*>(editor)) PostMessage(control, WM_CHAR, Ch.unicode(), 0);
}

// (The search footer's buttons take their accelerators in
// grid/data/search_footer_actions.cpp.)

// The refusals and the overwrite question shared by both paste routines.
#include "app/grid_rows/paste_checks.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/form.h"

namespace {
constexpr int kText_Overwrite_Row = 1100;
constexpr int kText_Copy_Width = 1101;
constexpr int kText_Copy_First = 1102;
}  // namespace

int Row_Column_End(TExStringGrid* Grid) { return Grid->ColCount() + Grid->NumHiddenColumns(); }

bool Row_Clipboard_Fits(TExStringGrid* Grid, bool CopiedHere) {
  // 1. Nothing was copied in this grid.
  if (!CopiedHere) {
    MessageDlg(Lang_Text(kText_Copy_First), mtError, {mbOK});
    return false;
  }
  // 2. The copied row has another width.
  if (Row_Column_End(Grid) != Row_Clipboard.size() + 1) {
    MessageDlg(Lang_Text(kText_Copy_Width), mtError, {mbOK});
    return false;
  }
  return true;
}

bool Confirm_Row_Overwrite() {
  return MessageDlg(Lang_Text(kText_Overwrite_Row), mtConfirmation, {mbYes, mbNo}) == mrYes;
}

bool Row_Clipboard_Is_Check(int i) {
  return i >= 0 && i < static_cast<int>(Row_Clipboard_Check.size()) && Row_Clipboard_Check[i];
}

#include "grid/base/focus_window.h"

TGridFocusWindow::TGridFocusWindow(TComponent* AOwner) : TPopupWindow(AOwner, pwLayeredTool) {
  SetBounds(0, 0, 0, 0);
  SetColor(clRed);
}

void TFocusHelper::Assign(const TPersistent* Source) {
  if (auto* s = dynamic_cast<const TFocusHelper*>(Source)) {
    Enabled = s->Enabled;
    return;
  }
  TPersistent::Assign(Source);
}

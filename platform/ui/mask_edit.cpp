#include "platform/ui/mask_edit.h"

void TCustomMaskEdit::SetEditMask(const QString& value) {
  if (value == edit_mask_) return;
  edit_mask_ = value;
  parts_ = TranslateEditMask(value);
  SetInputMask(parts_.QtMask);
}

QString TCustomMaskEdit::GetText() const {
  if (edit_mask_.isEmpty()) return TEdit::GetText();
  return TextOfMaskedDisplay(parts_, DisplayText());
}

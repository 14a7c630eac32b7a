// The class library's masked edit (stands for TCustomMaskEdit): an edit whose
// text follows an edit mask in the class library's syntax, "mask;save
// literals;blank": L l (letter, required / optional), A a (letter or digit), C c
// (any character), 0 9 (digit), # (digit or sign, optional), > < <> (upper,
// lower, no case change), \ (the next character as it stands), : / (the
// locale's time and date separators), _ (a blank), ! (kept, no effect here);
// anything else is a literal. With the save flag 0 the text leaves the literals
// out. Without a mask it is the plain edit.
#pragma once

#include "platform/ui/edit.h"
#include "platform/ui/edit_mask_text.h"


class TCustomMaskEdit : public TEdit {
public:
  using TEdit::TEdit;

  QString EditMask() const { return edit_mask_; }
  void SetEditMask(const QString& value);
  bool IsMasked() const { return !edit_mask_.isEmpty(); }
  // The text with the mask's blanks and literals as shown.
  QString EditText() const { return DisplayText(); }

protected:
  QString GetText() const override;

private:
  QString edit_mask_;
  TEditMaskParts parts_;
};

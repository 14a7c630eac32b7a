// The class library's masked edit (stands for TCustomMaskEdit): an edit whose
// text follows an edit mask in the class library's syntax, "mask;save
// literals;blank": L l (letter, required / optional), A a (letter or digit), C c
// (any character), 0 9 (digit), # (digit or sign, optional), > < <> (upper,
// lower, no case change), \ (the next character as it stands), : / (the
// locale's time and date separators), _ (a blank), ! (kept, no effect here);
// anything else is a literal. With the save flag 0 the text leaves the literals
// out. Without a mask it is the plain edit.
#pragma once

#include <vector>

#include "platform/ui/edit.h"

// An edit mask taken apart: the line edit's own mask syntax, whether the text
// keeps the literals, the blank character, and which shown positions are
// literals.
struct TEditMaskParts {
  QString QtMask;
  bool SaveLiterals = true;
  QChar Blank = u'_';
  std::vector<bool> LiteralAt;
};
TEditMaskParts TranslateEditMask(const QString& EditMask);

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

// The class library's masked edit (stands for TCustomMaskEdit). The drop-down
// edits derive from it but never set an edit mask, so it is the plain edit.
#pragma once

#include "platform/ui/edit.h"

class TCustomMaskEdit : public TEdit {
public:
  using TEdit::TEdit;
};

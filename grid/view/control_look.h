// The look of what the grid draws inside cells (TControlLook): the glyph family
// of check boxes and radio buttons, their sizes, the always-visible drop-down and
// spin buttons, the drop-down row count and the drop-down editors' header and
// footer appearance. This holds the values the cell model reads; the painting
// settings (glyphs, colours, fixed-cell gradients) join it with the painting.
#pragma once

#include <memory>

#include "grid/dropdown/header_footer_settings.h"
#include "platform/rtl/object.h"

// The glyph family (the class library's TControlStyle name is taken by the
// control-style flags).
enum TGridControlStyle { csClassic, csFlat, csWinXP, csKestrel, csVOD, csGlyph, csTheme };

class TControlLook : public TPersistent {
public:
  explicit TControlLook(TPersistent* AOwner)
      : DropDownHeader(std::make_unique<THeaderAppearance>(AOwner)),
        DropDownFooter(std::make_unique<TFooterAppearance>(AOwner)) {}

  // Copies the values held here (the header and footer appearances by theirs).
  void Assign(const TPersistent* Source) override {
    auto* s = dynamic_cast<const TControlLook*>(Source);
    if (!s || s == this) return;
    CheckSize = s->CheckSize;
    RadioSize = s->RadioSize;
    ControlStyle = s->ControlStyle;
    DropDownAlwaysVisible = s->DropDownAlwaysVisible;
    SpinButtonsAlwaysVisible = s->SpinButtonsAlwaysVisible;
    DropDownCount = s->DropDownCount;
    DropDownFooter->Assign(s->DropDownFooter.get());
    DropDownHeader->Assign(s->DropDownHeader.get());
  }

  int CheckSize = 15;
  int RadioSize = 10;
  TGridControlStyle ControlStyle = csTheme;
  bool DropDownAlwaysVisible = false;
  bool SpinButtonsAlwaysVisible = false;
  int DropDownCount = 8;
  std::unique_ptr<THeaderAppearance> DropDownHeader;
  std::unique_ptr<TFooterAppearance> DropDownFooter;
};

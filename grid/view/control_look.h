// The look of what the grid draws inside cells (TControlLook): the glyph family
// of check boxes and radio buttons with their sizes and own glyphs, the tick and
// comment colours, progress bars, flat and always-visible buttons, the drop-down
// row count and the drop-down editors' header and footer, the hint width, and
// the colours of fixed cells while they are hovered or pressed. The fixed-cell
// gradient setters copy their values into the grid's own set.
#pragma once

#include <memory>

#include "grid/dropdown/header_footer_settings.h"
#include "platform/rtl/object.h"
#include "platform/ui/bitmap.h"

class TExStringGrid;

// The glyph family (the class library's TControlStyle name is taken by the
// control-style flags).
enum TGridControlStyle { csClassic, csFlat, csWinXP, csKestrel, csVOD, csGlyph, csTheme };

class TControlLook : public TPersistent {
public:
  explicit TControlLook(TPersistent* AOwner);
  ~TControlLook() override;

  // From another look only: sizes, style, glyphs, margins, colours, the
  // always-active flags, every fixed-gradient colour, the always-visible buttons,
  // the drop-down count, header and footer, the hint width. Stores without
  // repainting and without touching the grid's colours.
  void Assign(const TPersistent* Source) override;
  // The colours back to their defaults (the style presets start with it).
  void Init();

  // Values the grid reads directly; the setters below store and repaint.
  int CheckSize = 15;
  int RadioSize = 10;
  TGridControlStyle ControlStyle = csTheme;
  std::unique_ptr<TBitmap> CheckedGlyph, UnCheckedGlyph, RadioOnGlyph, RadioOffGlyph;
  TColor Color = clBlack;
  TColor CommentColor = clRed;
  TColor ProgressBorderColor = clGray;
  int ProgressMarginX = 2, ProgressMarginY = 2;
  bool ProgressXP = false;
  bool FlatButton = false;
  bool NoDisabledCheckRadioLook = false, NoDisabledButtonLook = false;
  bool CheckAlwaysActive = false, RadioAlwaysActive = false;
  bool DropDownAlwaysVisible = false;
  bool SpinButtonsAlwaysVisible = false;
  int DropDownCount = 8;
  std::unique_ptr<THeaderAppearance> DropDownHeader;
  std::unique_ptr<TFooterAppearance> DropDownFooter;
  bool FixedDropDownButton = false;
  int HintMaxWidth = 0;
  TColor FixedGradientFrom = clNone, FixedGradientTo = clNone;
  TColor FixedGradientMirrorFrom = clNone, FixedGradientMirrorTo = clNone;
  TColor FixedGradientHoverFrom = clGray, FixedGradientHoverTo = clWhite;
  TColor FixedGradientHoverMirrorFrom = clNone, FixedGradientHoverMirrorTo = clNone;
  TColor FixedGradientHoverBorder = clSilver;
  TColor FixedGradientDownFrom = clGray, FixedGradientDownTo = clSilver;
  TColor FixedGradientDownMirrorFrom = clNone, FixedGradientDownMirrorTo = clNone;
  TColor FixedGradientDownBorder = clGray;

  void SetCheckSize(int Value);
  void SetRadioSize(int Value);
  void SetControlStyle(TGridControlStyle Value);
  void SetColor(TColor Value);
  void SetCommentColor(TColor Value);
  void SetFlatButton(bool Value);
  void SetCheckedGlyph(const TBitmap* Value);
  void SetUnCheckedGlyph(const TBitmap* Value);
  void SetRadioOnGlyph(const TBitmap* Value);
  void SetRadioOffGlyph(const TBitmap* Value);
  void SetDropDownAlwaysVisible(bool Value);
  void SetSpinButtonsAlwaysVisible(bool Value);

  // Plain pair: converted to RGB, copied only when set. Hover and pressed From,
  // To and Border: copied only when set. Mirrors: always copied (clNone removes
  // the mirror).
  void SetFixedGradientFrom(TColor Value);
  void SetFixedGradientTo(TColor Value);
  void SetFixedGradientMirrorFrom(TColor Value);
  void SetFixedGradientMirrorTo(TColor Value);
  void SetFixedGradientHoverFrom(TColor Value);
  void SetFixedGradientHoverTo(TColor Value);
  void SetFixedGradientHoverMirrorFrom(TColor Value);
  void SetFixedGradientHoverMirrorTo(TColor Value);
  void SetFixedGradientHoverBorder(TColor Value);
  void SetFixedGradientDownFrom(TColor Value);
  void SetFixedGradientDownTo(TColor Value);
  void SetFixedGradientDownMirrorFrom(TColor Value);
  void SetFixedGradientDownMirrorTo(TColor Value);
  void SetFixedGradientDownBorder(TColor Value);

private:
  void Repaint();
  TExStringGrid* Grid() const;

  TPersistent* owner_;
};

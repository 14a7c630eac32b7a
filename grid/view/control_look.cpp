// The control look's setters, Init and Assign.
#include "grid/view/control_look.h"

#include "grid/view/ex_string_grid.h"

namespace {

void CopyGlyph(std::unique_ptr<TBitmap>& to, const TBitmap* from) {
  if (!from) {
    to.reset();
    return;
  }
  if (!to) to = std::make_unique<TBitmap>();
  to->Assign(*from);
}

}  // namespace

TControlLook::TControlLook(TPersistent* AOwner)
    : DropDownHeader(std::make_unique<THeaderAppearance>(AOwner)),
      DropDownFooter(std::make_unique<TFooterAppearance>(AOwner)),
      owner_(AOwner) {}

TControlLook::~TControlLook() = default;

TExStringGrid* TControlLook::Grid() const { return dynamic_cast<TExStringGrid*>(owner_); }

void TControlLook::Repaint() {
  if (TExStringGrid* g = Grid()) g->Invalidate();
}

void TControlLook::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TControlLook*>(Source);
  if (!s || s == this) return;
  CheckSize = s->CheckSize;
  RadioSize = s->RadioSize;
  ControlStyle = s->ControlStyle;
  CopyGlyph(CheckedGlyph, s->CheckedGlyph.get());
  CopyGlyph(UnCheckedGlyph, s->UnCheckedGlyph.get());
  CopyGlyph(RadioOnGlyph, s->RadioOnGlyph.get());
  CopyGlyph(RadioOffGlyph, s->RadioOffGlyph.get());
  ProgressMarginX = s->ProgressMarginX;
  ProgressMarginY = s->ProgressMarginY;
  CommentColor = s->CommentColor;
  Color = s->Color;
  ProgressBorderColor = s->ProgressBorderColor;
  CheckAlwaysActive = s->CheckAlwaysActive;
  RadioAlwaysActive = s->RadioAlwaysActive;
  FixedGradientFrom = s->FixedGradientFrom;
  FixedGradientTo = s->FixedGradientTo;
  FixedGradientMirrorFrom = s->FixedGradientMirrorFrom;
  FixedGradientMirrorTo = s->FixedGradientMirrorTo;
  FixedGradientHoverFrom = s->FixedGradientHoverFrom;
  FixedGradientHoverTo = s->FixedGradientHoverTo;
  FixedGradientHoverMirrorFrom = s->FixedGradientHoverMirrorFrom;
  FixedGradientHoverMirrorTo = s->FixedGradientHoverMirrorTo;
  FixedGradientHoverBorder = s->FixedGradientHoverBorder;
  FixedGradientDownFrom = s->FixedGradientDownFrom;
  FixedGradientDownTo = s->FixedGradientDownTo;
  FixedGradientDownMirrorFrom = s->FixedGradientDownMirrorFrom;
  FixedGradientDownMirrorTo = s->FixedGradientDownMirrorTo;
  FixedGradientDownBorder = s->FixedGradientDownBorder;
  DropDownAlwaysVisible = s->DropDownAlwaysVisible;
  SpinButtonsAlwaysVisible = s->SpinButtonsAlwaysVisible;
  DropDownCount = s->DropDownCount;
  DropDownFooter->Assign(s->DropDownFooter.get());
  DropDownHeader->Assign(s->DropDownHeader.get());
  HintMaxWidth = s->HintMaxWidth;
}

void TControlLook::Init() {
  Color = clBlack;
  CommentColor = clRed;
  ProgressBorderColor = clGray;
  FixedGradientFrom = FixedGradientTo = clNone;
  FixedGradientMirrorFrom = FixedGradientMirrorTo = clNone;
  FixedGradientHoverFrom = clGray;
  FixedGradientHoverTo = clWhite;
  FixedGradientHoverBorder = clSilver;
  FixedGradientDownFrom = clGray;
  FixedGradientDownTo = clSilver;
  FixedGradientDownBorder = clGray;
  SetFixedGradientHoverMirrorFrom(clNone);
  SetFixedGradientHoverMirrorTo(clNone);
  SetFixedGradientDownMirrorFrom(clNone);
  SetFixedGradientDownMirrorTo(clNone);
}

#define LOOK_SETTER(Name, Type)             \
  void TControlLook::Set##Name(Type Value) { \
    Name = Value;                            \
    Repaint();                               \
  }
LOOK_SETTER(CheckSize, int)
LOOK_SETTER(RadioSize, int)
LOOK_SETTER(ControlStyle, TGridControlStyle)
LOOK_SETTER(Color, TColor)
LOOK_SETTER(CommentColor, TColor)
LOOK_SETTER(FlatButton, bool)
LOOK_SETTER(DropDownAlwaysVisible, bool)
LOOK_SETTER(SpinButtonsAlwaysVisible, bool)
#undef LOOK_SETTER

void TControlLook::SetCheckedGlyph(const TBitmap* Value) {
  CopyGlyph(CheckedGlyph, Value);
  Repaint();
}
void TControlLook::SetUnCheckedGlyph(const TBitmap* Value) {
  CopyGlyph(UnCheckedGlyph, Value);
  Repaint();
}
void TControlLook::SetRadioOnGlyph(const TBitmap* Value) {
  CopyGlyph(RadioOnGlyph, Value);
  Repaint();
}
void TControlLook::SetRadioOffGlyph(const TBitmap* Value) {
  CopyGlyph(RadioOffGlyph, Value);
  Repaint();
}

void TControlLook::SetFixedGradientFrom(TColor Value) {
  FixedGradientFrom = Value;
  TExStringGrid* g = Grid();
  if (!g || Value == clNone) return;
  g->VODGradientFrom = ColorToRGB(Value);
  g->Invalidate();
}

void TControlLook::SetFixedGradientTo(TColor Value) {
  FixedGradientTo = Value;
  TExStringGrid* g = Grid();
  if (!g || Value == clNone) return;
  g->VODGradientTo = ColorToRGB(Value);
  g->Invalidate();
}

void TControlLook::SetFixedGradientMirrorFrom(TColor Value) {
  FixedGradientMirrorFrom = Value;
  if (TExStringGrid* g = Grid()) {
    g->VODGradientMirrorFrom = ColorToRGB(Value);
    g->Invalidate();
  }
}

void TControlLook::SetFixedGradientMirrorTo(TColor Value) {
  FixedGradientMirrorTo = Value;
  if (TExStringGrid* g = Grid()) {
    g->VODGradientMirrorTo = ColorToRGB(Value);
    g->Invalidate();
  }
}

#define GRID_COPY_IF_SET(Name, GridField)              \
  void TControlLook::Set##Name(TColor Value) {         \
    Name = Value;                                      \
    if (TExStringGrid* g = Grid(); g && Value != clNone) \
      g->GridField = Value;                            \
  }
#define GRID_COPY_ALWAYS(Name, GridField)       \
  void TControlLook::Set##Name(TColor Value) {  \
    Name = Value;                               \
    if (TExStringGrid* g = Grid()) g->GridField = Value; \
  }
GRID_COPY_IF_SET(FixedGradientHoverFrom, GradientHoverFrom)
GRID_COPY_IF_SET(FixedGradientHoverTo, GradientHoverTo)
GRID_COPY_IF_SET(FixedGradientHoverBorder, GradientHoverBorder)
GRID_COPY_IF_SET(FixedGradientDownFrom, GradientDownFrom)
GRID_COPY_IF_SET(FixedGradientDownTo, GradientDownTo)
GRID_COPY_IF_SET(FixedGradientDownBorder, GradientDownBorder)
GRID_COPY_ALWAYS(FixedGradientHoverMirrorFrom, GradientHoverMirrorFrom)
GRID_COPY_ALWAYS(FixedGradientHoverMirrorTo, GradientHoverMirrorTo)
GRID_COPY_ALWAYS(FixedGradientDownMirrorFrom, GradientDownMirrorFrom)
GRID_COPY_ALWAYS(FixedGradientDownMirrorTo, GradientDownMirrorTo)
#undef GRID_COPY_IF_SET
#undef GRID_COPY_ALWAYS

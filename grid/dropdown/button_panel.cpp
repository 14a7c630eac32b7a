#include "grid/dropdown/button_panel.h"

#include <algorithm>

#include "grid/dropdown/dropdown_drawing.h"
#include "platform/theme/visual_styles.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/shapes.h"

namespace {

// The calculator keypad in collection order: the order is the index a click
// reports, the tag the key code the calculator interprets.
struct KeyDef {
  const char* caption;
  const char* name;
  int tag;
  bool special;
};
constexpr KeyDef kCalculatorKeys[] = {
    {"", "BTN_ON", 30, false},       {"Back", "BTN_BACK", 31, true}, {"CE", "BTN_CE", 32, true},
    {"C", "BTN_C", 16, true},        {"MC", "BTN_MC", 33, true},     {"MR", "BTN_MR", 34, true},
    {"MS", "BTN_MS", 35, true},      {"M+", "BTN_M+", 36, true},     {"0", "BTN_0", 0, false},
    {"1", "BTN_1", 1, false},        {"4", "BTN_4", 4, false},       {"7", "BTN_7", 7, false},
    {"8", "BTN_8", 8, false},        {"5", "BTN_5", 5, false},       {"2", "BTN_2", 2, false},
    {"+/-", "BTN_+/-", 14, false},   {".", "BTN_.", 15, false},      {"3", "BTN_3", 3, false},
    {"6", "BTN_6", 6, false},        {"9", "BTN_9", 9, false},       {"/", "BTN_/", 13, true},
    {"*", "BTN_*", 12, true},        {"-", "BTN_-", 11, true},       {"+", "BTN_+", 10, true},
    {"=", "BTN_=", 17, true},        {"1/x", "BTN_1/x", 38, false},  {"%", "BTN_%", 18, false},
    {"sqrt", "BTN_sqrt", 37, true},
};

// Where each key of the four lower rows stands: row 1..4, column 1..6.
struct KeyPlace {
  int tag;
  int row;
  int col;
};
constexpr KeyPlace kKeyPlaces[] = {
    {33, 1, 1}, {7, 1, 2}, {8, 1, 3}, {9, 1, 4},  {13, 1, 5}, {37, 1, 6},  //
    {34, 2, 1}, {4, 2, 2}, {5, 2, 3}, {6, 2, 4},  {12, 2, 5}, {18, 2, 6},  //
    {35, 3, 1}, {1, 3, 2}, {2, 3, 3}, {3, 3, 4},  {11, 3, 5}, {38, 3, 6},  //
    {36, 4, 1}, {0, 4, 2}, {14, 4, 3}, {15, 4, 4}, {10, 4, 5}, {17, 4, 6},
};

void PlaceKey(TButtonItem* b, int left, int top, int width, int height) {
  b->FLeft = left, b->FTop = top, b->FWidth = width, b->FHeight = height;
}

// The picture a key shows (its own; list images do not exist here), or nullptr.
TBitmap* KeyImage(TButtonItem* b) { return b->Image()->Width() > 0 ? b->Image()->Bitmap() : nullptr; }

}  // namespace

// --- key ---

TButtonItem::TButtonItem(TCollection* Collection)
    : TCollectionItem(Collection), FImage(std::make_unique<TPicture>()) {}

TButtonItem::~TButtonItem() = default;

void TButtonItem::SetCaption(const QString& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
}

void TButtonItem::SetCaptionColor(TColor Value) {
  if (FCaptionColor == Value) return;
  FCaptionColor = Value;
}

void TButtonItem::SetImage(const TPicture* Value) { FImage->Assign(Value); }

void TButtonItem::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TButtonItem*>(Source);
  if (!s) return TCollectionItem::Assign(Source);
  SetCaption(s->FCaption);
  SetCaptionColor(s->FCaptionColor);
  Tag = s->Tag;
  ImageIndex = s->ImageIndex;
  SetImage(s->FImage.get());
  FEnabled = s->FEnabled;
  FName = s->FName;
}

// --- key look ---

TButtonAppearance::TButtonAppearance()
    : FColorChecked(ScaleColor(0xF5F0E1, -10, -10, 0)),
      FColorCheckedTo(ScaleColor(0xF9D2B2, -10, -10, 0)),
      FColorDisabled(ScaleColor(0xFFFFFF, -5, -5, -5)),
      FColorDisabledTo(ScaleColor(0xFFFFFF, -5, -5, -5)),
      FFont(std::make_unique<TFont>()) {
  FFont->SetSize(10);
  FFont->SetStyle(TFontStyles{fsBold});
}

TButtonAppearance::~TButtonAppearance() = default;

void TButtonAppearance::Set(TColor& field, TColor v) {
  if (field == v) return;
  field = v;
  if (OnChange) OnChange(this);
}

void TButtonAppearance::SetFont(const TFont* Value) { FFont->Assign(*Value); }

void TButtonAppearance::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TButtonAppearance*>(Source);
  if (!s) return TPersistent::Assign(Source);
  FColor = s->FColor, FColorTo = s->FColorTo, FShineColor = s->FShineColor;
  FColorHot = s->FColorHot, FColorHotTo = s->FColorHotTo, GlowColorHot = s->GlowColorHot;
  FColorDown = s->FColorDown, FColorDownTo = s->FColorDownTo, GlowColorDown = s->GlowColorDown;
  FColorChecked = s->FColorChecked, FColorCheckedTo = s->FColorCheckedTo;
  FColorDisabled = s->FColorDisabled, FColorDisabledTo = s->FColorDisabledTo;
  FBorderColor = s->FBorderColor, FBorderColorHot = s->FBorderColorHot, FBorderColorDown = s->FBorderColorDown;
  FBorderColorChecked = s->FBorderColorChecked;
  FFont->Assign(*s->FFont);
  FTextColor = s->FTextColor, FSpecialTextColor = s->FSpecialTextColor;
  if (OnChange) OnChange(this);
}

// --- panel ---

TCustomButtonPanel::TCustomButtonPanel(TComponent* AOwner)
    : TCustomControl(AOwner),
      FButtons(std::make_unique<TButtonItems>(this)),
      FButtonAppearance(std::make_unique<TButtonAppearance>()) {
  FButtons->OnChange = [this](TObject*) { Changed(); };
  FButtonAppearance->OnChange = [this](TObject*) { Changed(); };
  FButtonAppearance->Font()->OnChange = [this](TObject*) { Changed(); };
}

TCustomButtonPanel::~TCustomButtonPanel() {
  FButtons->OnChange = nullptr;
  FButtonAppearance->OnChange = nullptr;
  FButtonAppearance->Font()->OnChange = nullptr;
}

void TCustomButtonPanel::Changed() {
  if (!FExDropDown) Invalidate();
}

void TCustomButtonPanel::Loaded() {
  if (!FExDropDown) CreateDefaultButtons();
}

void TCustomButtonPanel::SetButtonPanelType(TButtonPanelType Value) {
  if (FButtonPanelType == Value) return;
  FButtonPanelType = Value;
  ArrangeButtons();
}

void TCustomButtonPanel::SetEdit(TWinControl* Value) {
  if (FEdit) FEdit->RemoveFreeNotification(this);
  FEdit = Value;
  if (FEdit) FEdit->FreeNotification(this);
}

void TCustomButtonPanel::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FEdit && !ComponentState().Contains(csDestroying)) FEdit = nullptr;
}

void TCustomButtonPanel::GetButtonArea(TRect& R) const {
  R = ClientRect();
  R.Left += FOffSetX, R.Top += FOffSetY, R.Right -= FOffSetX, R.Bottom -= FOffSetY;
}

TRect TCustomButtonPanel::GetButtonRect(int Index) const {
  if (!ValidIndex(Index)) return Rect(-1, -1, -1, -1);
  const TButtonItem* b = FButtons->Items(Index);
  return Rect(b->FLeft, b->FTop, b->FLeft + b->FWidth, b->FTop + b->FHeight);
}

int TCustomButtonPanel::ButtonAtPos(int X, int Y) const {
  for (int i = 0; i < FButtons->Count(); ++i)
    if (PtInRect(GetButtonRect(i), Point(X, Y))) return i;
  return -1;
}

void TCustomButtonPanel::ClearButtons() { FButtons->Clear(); }

void TCustomButtonPanel::ResetButtons() {
  ClearButtons();
  CreateDefaultButtons();
}

void TCustomButtonPanel::CreateDefaultButtons() {
  if (FButtons->Count() == 0 && FButtonPanelType == plCalculator) {
    for (const KeyDef& k : kCalculatorKeys) {
      TButtonItem* b = FButtons->Add();
      b->SetCaption(QString::fromLatin1(k.caption));
      b->FName = QString::fromLatin1(k.name);
      b->Tag = k.tag;
      b->FSpecial = k.special;
      if (k.special) b->SetCaptionColor(0x000080);
    }
  }
  ArrangeButtons();
}

void TCustomButtonPanel::ArrangeButtons() {
  if (FButtonPanelType != plCalculator || FButtons->Count() == 0) return;
  TRect a;
  GetButtonArea(a);
  const int w = (a.Right - a.Left - 8) / 6, h = (a.Bottom - a.Top - 4) / 5;
  int c[7];
  c[1] = a.Left;
  c[2] = c[1] + w + 4;
  c[3] = c[2] + w - 1;
  c[4] = c[3] + w - 1;
  c[5] = c[4] + w + 4;
  c[6] = c[5] + w - 1;
  const int e = c[6] + w;
  int r[5];
  r[0] = a.Top;
  r[1] = a.Top + h + 4;
  r[2] = r[1] + h - 1;
  r[3] = r[2] + h - 1;
  r[4] = r[3] + h - 1;
  const int x = c[1] + w + 4, u = (e - x - 8) / 3;
  for (int i = 0; i < FButtons->Count(); ++i) {
    TButtonItem* b = FButtons->Items(i);
    switch (b->Tag) {
      case 30: PlaceKey(b, c[1], r[0], w, h); continue;
      case 31: PlaceKey(b, x, r[0], u, h); continue;
      case 32: PlaceKey(b, x + u + 4, r[0], u, h); continue;
      case 16: PlaceKey(b, x + 2 * u + 8, r[0], e - (x + 2 * u + 8), h); continue;
      default: break;
    }
    for (const KeyPlace& p : kKeyPlaces)
      if (p.tag == b->Tag) PlaceKey(b, c[p.col], r[p.row], w, h);
  }
}

void TCustomButtonPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const bool resized = AWidth != Width() || AHeight != Height();
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (resized && FButtons) ArrangeButtons();
}

void TCustomButtonPanel::InvalidateButton(int Index) {
  if (ValidIndex(Index)) Invalidate();
}

void TCustomButtonPanel::DoButtonClick(int Index) {
  if (OnButtonClick) OnButtonClick(this, Index);
}

void TCustomButtonPanel::SetButtonHot(int Value) {
  if (Value == FButtonHot || (ValidIndex(Value) && !FButtons->Items(Value)->FEnabled)) return;
  if (FButtonHot >= 0) {
    const int old = FButtonHot;
    FButtonHot = -1;
    InvalidateButton(old);
  }
  FButtonHot = Value;
  InvalidateButton(Value);
}

void TCustomButtonPanel::SetButtonDown(int Value) {
  if (Value == FButtonDown || (ValidIndex(Value) && !FButtons->Items(Value)->FEnabled)) return;
  if (FButtonDown >= 0) {
    const int old = FButtonDown;
    FButtonDown = -1;
    InvalidateButton(old);
  }
  FButtonDown = Value;
  InvalidateButton(Value);
}

void TCustomButtonPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  const int i = ButtonAtPos(X, Y);
  if (i >= 0 && FButtons->Items(i)->FEnabled) SetButtonDown(i);
}

void TCustomButtonPanel::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  const int i = ButtonAtPos(X, Y);
  if (i >= 0 && FButtons->Items(i)->FEnabled) SetButtonHot(i);
  else SetButtonHot(-1);
}

void TCustomButtonPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (FButtonDown < 0) return;
  const int down = FButtonDown;
  const bool counts = ButtonAtPos(X, Y) == down;
  SetButtonDown(-1);
  if (counts) DoButtonClick(down);
}

void TCustomButtonPanel::CMMouseLeave(TMessage& Message) {
  TCustomControl::CMMouseLeave(Message);
  SetButtonHot(-1);
}

void TCustomButtonPanel::Paint() {
  TCustomControl::Paint();
  TCanvas* c = Canvas();
  if (!FExDropDown) {
    c->Brush()->SetColor(clBlack);
    c->FrameRect(ClientRect());
  }
  for (int i = 0; i < FButtons->Count(); ++i)
    if (i != FButtonHot) DrawButton(i, c);
  if (FButtonHot >= 0) DrawButton(FButtonHot, c);
}

void TCustomButtonPanel::DrawButton(int Index, TCanvas* Canvas) {
  if (!ValidIndex(Index) || !Canvas) return;
  TButtonItem* b = FButtons->Items(Index);
  const TRect r = GetButtonRect(Index);
  if (r.Left < 0 && r.Right < 0) return;
  // 1.
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Brush()->SetColor(Color());
  Canvas->FillRect(r);
  const int state = !Enabled() ? PBS_DISABLED : Index == FButtonDown ? PBS_PRESSED
                                               : Index == FButtonHot ? PBS_HOT
                                                                     : PBS_NORMAL;
  HTHEME theme = OpenThemeData(this, QStringLiteral("button"));
  if (!DrawThemeBackground(theme, Canvas, BP_PUSHBUTTON, state, r))
    DrawFrameControl(Canvas, r, DFC_BUTTON, DFCS_BUTTONPUSH | (state == PBS_PRESSED ? DFCS_PUSHED : 0u));
  CloseThemeData(theme);
  // 2.
  TBitmap* image = KeyImage(b);
  const int iw = image ? image->Width() : 0, ih = image ? image->Height() : 0;
  // 3.
  Canvas->SetFont(FButtonAppearance->Font());
  Canvas->Font()->SetColor(b->FSpecial ? FButtonAppearance->SpecialTextColor() : FButtonAppearance->TextColor());
  Canvas->Brush()->SetStyle(bsClear);
  TRect content = r;
  content.Left += FButtonOffSetX, content.Right -= FButtonOffSetX;
  content.Top += FButtonOffSetY, content.Bottom -= FButtonOffSetY;
  // 4.
  const QString caption = b->Caption();
  const TSize ts = GetTextSize(Canvas, caption);
  auto drawCaption = [&](TRect t, bool centred) {
    Canvas->DrawText(caption, t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (centred ? DT_CENTER : DT_LEFT));
  };
  const int midY = content.Top + ((content.Bottom - content.Top) - ih) / 2;
  switch (ButtonLayout) {
    case ilCaptionRight: {
      if (image) Canvas->Draw(content.Left, midY, image);
      TRect t = content;
      if (image) t.Left += iw + FCaptionGap;
      drawCaption(t, !image);
      break;
    }
    case ilCaptionLeft: {
      TRect t = content;
      t.Right -= iw;
      drawCaption(t, !image);
      if (image) Canvas->Draw(t.Left + ts.cx + FCaptionGap, midY, image);
      break;
    }
    case ilCaptionTop: {
      TRect t = content;
      t.Bottom -= ih;
      drawCaption(t, true);
      if (image) Canvas->Draw(content.Left, caption.isEmpty() ? midY : content.Top + ts.cy + FCaptionGap, image);
      break;
    }
    case ilCaptionBottom: {
      int top = content.Top;
      if (caption.isEmpty()) top = midY;
      if (image) Canvas->Draw(content.Left, top, image);
      TRect t = content;
      t.Top = top + ih + FCaptionGap;
      drawCaption(t, true);
      break;
    }
  }
  Canvas->Brush()->SetStyle(bsSolid);
}

void TCustomButtonPanel::GetButtonSize(int& Width, int& Height) {
  TCanvas* c = MeasureCanvas();
  c->SetFont(Font());
  int iw = 0, ih = 0, cw = 0, ch = 0;
  for (int i = 0; i < FButtons->Count(); ++i) {
    TButtonItem* b = FButtons->Items(i);
    if (TBitmap* image = KeyImage(b)) iw = std::max(iw, image->Width()), ih = std::max(ih, image->Height());
    const TSize s = GetTextSize(c, b->Caption());
    cw = std::max(cw, s.cx), ch = std::max(ch, s.cy);
  }
  const int gap = iw > 0 && cw > 0 ? FCaptionGap : 0;
  if (ButtonLayout == ilCaptionLeft || ButtonLayout == ilCaptionRight) {
    Width = 2 * FButtonOffSetX + iw + gap + cw;
    Height = std::max(ih, ch) + 2 * FButtonOffSetY;
  } else {
    Width = std::max(iw, cw) + 2 * FButtonOffSetX;
    Height = 2 * FButtonOffSetY + ih + gap + ch;
  }
}

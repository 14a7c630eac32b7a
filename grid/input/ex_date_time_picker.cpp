#include "grid/input/ex_date_time_picker.h"

#include <cmath>

#include "platform/theme/visual_styles.h"
#include "platform/ui/labels.h"
#include "platform/ui/timer.h"

TRect EmbeddedTimePickerBounds(int Width, int Height, int TextWidth, const TTimePickerPlace& Place) {
  const int w = TextWidth + 31;
  const int b = Place.Bevel ? 4 : 0;
  if (!Place.VistaOrLater) return {Width - w - 21, -2, w, Height};
  if (!Place.ComCtl6) return {Width - w - 23 - b, -2, w, Height - b};
  if (!Place.ThemeActive) return {Width - w - 21 - b, 2, w, Height - 4 - b};
  if (Place.Metro) return {Width - w - 21 - b, 1, w, Height - 2 - b};
  return {Width - w - 34 - b, 1, w, Height - 2 - b};
}

namespace {

// Hour, minute and second of a value; the milliseconds are dropped.
TDateTime WholeSeconds(TDateTime value) {
  int h = 0, m = 0, s = 0, ms = 0;
  DecodeTime(value, h, m, s, ms);
  return EncodeTime(h, m, s, 0);
}

}  // namespace

TExDateTimePicker::TExDateTimePicker(TComponent* AOwner)
    : TCustomDateTimePicker(AOwner), FFocusTimer(std::make_unique<TTimer>(nullptr)),
      FLabelFont(std::make_unique<TFont>()) {
  FFocusTimer->SetInterval(20);
  FFocusTimer->SetEnabled(false);
  FFocusTimer->SetOnTimer([this](TObject*) { FFocusTimer->SetEnabled(false); });
  SetBorderStyle(bsSingle);
  SetCtl3D(true);
  // The window's creation applies the kind (dkDateTime at first).
  SetKind(dkDateTime);
}

TExDateTimePicker::~TExDateTimePicker() {
  if (FLabel) {
    FLabel->SetParent(nullptr);
    delete FLabel;
    FLabel = nullptr;
  }
}

// --- kind and value ---

void TExDateTimePicker::SetKind(TExDateTimeKind Value) {
  if (Value == FKind && (Value != dkDateTime || FTimePicker)) return;
  FKind = Value;
  TDateTimePicker::SetKind(Value == dkTime ? dtkTime : dtkDate);
  if (Value == dkDateTime) CreateTimePicker();
  UpdateTimePicker();
}

void TExDateTimePicker::CreateTimePicker() {
  if (FKind != dkDateTime || FTimePicker) return;
  FTimePicker = new TCustomDateTimePicker(this);
  FTimePicker->SetParent(this);
  FTimePicker->SetBounds(0, 0, 90, 17);
  FTimePicker->SetVisible(false);
  FTimePicker->SetEnabled(Enabled());
  FTimePicker->SetKind(dtkTime);
  FTimePicker->SetAutoTab(FAutoTab);
  FTimePicker->OnChange = [this](TObject*) {
    DoTimeChange();
    if (OnTimeChange) OnTimeChange(this);
  };
  FTimePicker->OnClick = [this](TObject*) { DoTimeClick(); };
  FTimePicker->OnKeyPress = [this](TObject* Sender, QChar& Key) { TimeKeyPress(Sender, Key); };
  FTimePicker->OnKeyDown = [this](TObject*, int& Key, TShiftState Shift) { KeyDown(Key, Shift); };
}

void TExDateTimePicker::UpdateTimePicker() {
  if (!FTimePicker) return;
  FTimePicker->SetParent(this);
  FTimePicker->SetColor(Color());
  FTimePicker->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
  FTimePicker->SetVisible(FKind == dkDateTime);
  FTimePicker->SetFormat(FTimeFormat);
  FTimePicker->SetDateTime(TDateTimePicker::DateTime());
  FTimePicker->SetFont(Font());
  if (FKind != dkDateTime) {
    // Another kind frees the embedded picker.
    TCustomDateTimePicker* picker = FTimePicker;
    FTimePicker = nullptr;
    picker->SetParent(nullptr);
    delete picker;
    return;
  }
  Canvas()->Font()->Assign(*Font());
  const int textWidth = Canvas()->TextWidth(FTimePicker->Text());
  TTimePickerPlace place;
  place.ThemeActive = IsThemeActive();
  place.Metro = IsMetro();
  const TRect r = EmbeddedTimePickerBounds(Width(), Height(), textWidth, place);
  FTimePicker->SetBounds(r.Left, r.Top, r.Right, r.Bottom);
}

TDateTime TExDateTimePicker::DateTime() {
  if (FTimePicker) TDateTimePicker::SetTime(FTimePicker->Time());
  return TDateTimePicker::DateTime();
}

void TExDateTimePicker::SetDateTime(TDateTime Value) {
  const TDateTime v = ComposeDateTime(std::trunc(Value), WholeSeconds(Value));
  TDateTimePicker::SetDateTime(v);
  CreateTimePicker();
  if (FTimePicker) FTimePicker->SetDateTime(v);
}

void TExDateTimePicker::SetDate(TDateTime Value) {
  SetDateTime(ComposeDateTime(std::trunc(Value), WholeSeconds(DateTime())));
}

TDateTime TExDateTimePicker::Time() const {
  if (FKind == dkDateTime && FTimePicker) return FTimePicker->Time();
  return TDateTimePicker::Time();
}

void TExDateTimePicker::SetTime(TDateTime Value) {
  TDateTimePicker::SetTime(Value);
  UpdateTimePicker();
}

void TExDateTimePicker::SetTimeFormat(const QString& Value) {
  if (FTimePicker) FTimePicker->SetFormat(Value);
  if (FKind == dkTime) SetFormat(Value);
  FTimeFormat = Value;
  UpdateTimePicker();
}

void TExDateTimePicker::SetAutoTab(bool Value) {
  FAutoTab = Value;
  if (FTimePicker) FTimePicker->SetAutoTab(Value);
}

void TExDateTimePicker::SetBorderStyle(TFormBorderStyle Value) {
  TCustomDateTimePicker::SetBorderStyle(Value);
  UpdateTimePicker();
}

void TExDateTimePicker::SetChecked(bool Value) {
  TDateTimePicker::SetChecked(Value);
  if (FTimePicker) FTimePicker->SetEnabled(Enabled() && Checked());
  FIgnoreTimePickerCheck = FTimePicker && FTimePicker->Enabled();
}

void TExDateTimePicker::DoTimeChange() {
  if (OnChange) OnChange(this);
}

void TExDateTimePicker::DoTimeClick() {
  if (OnClick) OnClick(this);
}

// The check box's change enables or disables the embedded picker.
void TExDateTimePicker::Change() {
  TCustomDateTimePicker::Change();
  if (!FIgnoreTimePickerCheck && FTimePicker) FTimePicker->SetEnabled(Enabled() && Checked());
  FIgnoreTimePickerCheck = false;
}

// --- automatic move across the date fields ---

void TExDateTimePicker::KeyPress(QChar& Key) {
  if (Key >= u'0' && Key <= u'9' && FAutoTab) DecodeDate(TDateTimePicker::DateTime(), Fy, Fm, Fd);
  TCustomDateTimePicker::KeyPress(Key);
}

void TExDateTimePicker::AutoTabCheck() {
  if (FKind == dkTime) {
    TCustomDateTimePicker::AutoTabCheck();
    return;
  }
  TPickerParts before = PickerParts(TDateTimePicker::DateTime());
  const TPickerParts after = before;
  before.Year = Fy;
  before.Month = Fm;
  before.Day = Fd;
  // Several digits typed before their notices arrived move on once.
  DecodeDate(TDateTimePicker::DateTime(), Fy, Fm, Fd);
  switch (DatePartStep(false, Format(), before, after)) {
    case TDatePartStep::LastField:
      if (FTimePicker && FTimePicker->CanFocus()) FTimePicker->SetFocus();
      break;
    case TDatePartStep::NextField: Perform(WM_KEYDOWN, VK_RIGHT, 0); break;
    case TDatePartStep::None: break;
  }
}

// --- painting, size, visibility and focus ---

void TExDateTimePicker::Paint() {
  TCustomDateTimePicker::Paint();
  if (FFirstRun) {
    FFirstRun = false;
    UpdateTimePicker();
  }
}

void TExDateTimePicker::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomDateTimePicker::SetBounds(ALeft, ATop, AWidth, AHeight);
  UpdateTimePicker();
  if (FLabel && FLabel->Parent()) UpdateLabel();
}

void TExDateTimePicker::SetParent(TWinControl* AParent) {
  TCustomDateTimePicker::SetParent(AParent);
  if (FLabel) {
    FLabel->SetParent(AParent);
    UpdateLabel();
  }
}

void TExDateTimePicker::SetEnabled(bool value) {
  TCustomDateTimePicker::SetEnabled(value);
  if (FTimePicker) FTimePicker->SetEnabled(value && (Checked() || !ShowCheckbox()));
  if (FLabel && !FLabelAlwaysEnabled) FLabel->SetEnabled(value);
}

void TExDateTimePicker::CMVisibleChanged(TMessage& m) {
  TCustomDateTimePicker::CMVisibleChanged(m);
  if (FLabel) FLabel->SetVisible(Visible());
}

void TExDateTimePicker::WMSetFocus(TMessage& m) {
  TCustomDateTimePicker::WMSetFocus(m);
  if (FocusLabel && FLabel) FLabel->Font()->SetStyle(FLabel->Font()->Style() + fsBold);
}

void TExDateTimePicker::WMKillFocus(TMessage& m) {
  TCustomDateTimePicker::WMKillFocus(m);
  if (FocusLabel && FLabel) FLabel->Font()->SetStyle(FLabel->Font()->Style() - fsBold);
}

// --- label ---

QString TExDateTimePicker::LabelCaption() const { return FLabel ? FLabel->Caption() : QString(); }

void TExDateTimePicker::SetLabelCaption(const QString& Value) {
  if (!FLabel) CreateLabel();
  FLabel->SetCaption(Value);
  UpdateLabel();
}

void TExDateTimePicker::SetLabelPosition(TLabelPosition Value) {
  FLabelPosition = Value;
  if (FLabel) UpdateLabel();
}

void TExDateTimePicker::SetLabelMargin(int Value) {
  FLabelMargin = Value;
  if (FLabel) UpdateLabel();
}

void TExDateTimePicker::SetLabelAlwaysEnabled(bool Value) {
  FLabelAlwaysEnabled = Value;
  if (FLabel && Value) FLabel->SetEnabled(true);
  Invalidate();
}

void TExDateTimePicker::CreateLabel() {
  FLabel = new TLabel(nullptr);
  FLabel->SetFocusControl(this);
  FLabel->SetFont(ParentFont() ? Font() : FLabelFont.get());
  FLabel->OnClick = [this](TObject*) {
    if (OnLabelClick) OnLabelClick(this);
  };
  FLabel->OnDblClick = [this](TObject*) {
    if (OnLabelDblClick) OnLabelDblClick(this);
  };
}

void TExDateTimePicker::UpdateLabel() {
  if (!FLabel) return;
  if (FLabel->Parent() != Parent()) FLabel->SetParent(Parent());
  FLabel->SetFont(ParentFont() ? Font() : FLabelFont.get());
  const int captionWidth = FLabel->Canvas()->TextWidth(FLabel->Caption());
  const TPoint at = LabelPlacement(FLabelPosition, BoundsRect(), captionWidth, FLabel->Width(), FLabel->Height(),
                                   FLabelMargin);
  FLabel->SetBounds(at.X, at.Y, FLabel->Width(), FLabel->Height());
  FLabel->SetVisible(Visible());
}

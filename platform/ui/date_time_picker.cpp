#include "platform/ui/date_time_picker.h"

#include <cmath>

#include "platform/rtl/date_format.h"
#include "platform/rtl/locale_settings.h"
#include "platform/theme/visual_styles.h"
#include "platform/ui/month_calendar.h"
#include "platform/ui/popup_form.h"
#include "platform/ui/system_metrics.h"

// The borderless window the month calendar drops down in; losing activation
// closes it without a choice.
class TCalendarPopup : public TPopupForm {
public:
  TCalendarPopup(TDateTimePicker* picker) : TPopupForm(picker), picker_(picker) {}

protected:
  void WMActivate(bool active, bool toOwnWindow) override {
    if (!active && !toOwnWindow && Visible()) picker_->CalendarClosed(true);
  }

private:
  TDateTimePicker* picker_;
};

namespace {

const int kCheckSize = 13;

}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TCustomControl(AOwner) {
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 186, 21);
  fields_.SetValue(Now());
  ApplyFormat();
}

TDateTimePicker::~TDateTimePicker() {
  // The pop-up is owned and freed as a component; forget it first.
  popup_ = nullptr;
  calendar_ = nullptr;
}

// --- value and format ---

void TDateTimePicker::ApplyFormat() {
  QString f = format_;
  if (f.isEmpty())
    f = kind_ == dtkDate ? DisplayFormatFromRuntime(FormatSettings().ShortDateFormat, true)
                         : DisplayFormatFromRuntime(LongTimeFormat(), false);
  const int current = fields_.Current();
  fields_.SetFormat(f);
  if (current >= 0) fields_.SetCurrent(current);
  Invalidate();
}

void TDateTimePicker::SetKind(TDateTimeKind value) {
  if (value == kind_) return;
  kind_ = value;
  ApplyFormat();
}

void TDateTimePicker::SetDateMode(TDTDateMode value) {
  date_mode_ = value;
  Invalidate();
}

void TDateTimePicker::SetFormat(const QString& value) {
  format_ = value;
  ApplyFormat();
}

void TDateTimePicker::SetDateTime(TDateTime value) {
  fields_.SetValue(value);
  Invalidate();
}

TDateTime TDateTimePicker::Date() const { return std::trunc(fields_.Value()); }

void TDateTimePicker::SetDate(TDateTime value) {
  SetDateTime(ComposeDateTime(std::trunc(value), std::fabs(fields_.Value() - std::trunc(fields_.Value()))));
}

TDateTime TDateTimePicker::Time() const { return std::fabs(fields_.Value() - std::trunc(fields_.Value())); }

void TDateTimePicker::SetTime(TDateTime value) {
  SetDateTime(ComposeDateTime(std::trunc(fields_.Value()), std::fabs(value - std::trunc(value))));
}

void TDateTimePicker::SetMinDate(TDateTime value) {
  min_date_ = value;
  fields_.SetRange(min_date_, max_date_);
  Invalidate();
}

void TDateTimePicker::SetMaxDate(TDateTime value) {
  max_date_ = value;
  fields_.SetRange(min_date_, max_date_);
  Invalidate();
}

void TDateTimePicker::SetShowCheckbox(bool value) {
  show_checkbox_ = value;
  Invalidate();
}

void TDateTimePicker::SetChecked(bool value) {
  checked_ = value;
  Invalidate();
}

void TDateTimePicker::SetCtl3D(bool value) {
  ctl3d_ = value;
  Invalidate();
}

QString TDateTimePicker::GetText() const { return fields_.FormatValue(fields_.Value()); }

// The control shows its value; a text set in code is not read.
void TDateTimePicker::StoreText(const QString&) {}

void TDateTimePicker::SelectField(int Part) {
  Edited(fields_.SetCurrent(Part));
}

void TDateTimePicker::Edited(bool changed) {
  Invalidate();
  if (changed) Change();
}

void TDateTimePicker::Change() {
  if (OnChange) OnChange(this);
}

void TDateTimePicker::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TDateTimePicker::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

// --- the calendar ---

bool TDateTimePicker::DroppedDown() const { return dropped_; }

TMonthCalendar* TDateTimePicker::MonthCalendar() const { return dropped_ ? calendar_ : nullptr; }

void TDateTimePicker::SetDroppedDown(bool value) {
  if (value == dropped_) return;
  if (!value) {
    CalendarClosed(true);
    return;
  }
  if (date_mode_ != dmComboBox || kind_ != dtkDate) return;
  Edited(fields_.CommitPending());
  if (!popup_) {
    popup_ = new TCalendarPopup(this);
    calendar_ = new TMonthCalendar(popup_);
    calendar_->SetParent(popup_);
    calendar_->OnSelect = [this](TObject*) { CalendarChosen(); };
    calendar_->OnCancel = [this](TObject*) { CalendarClosed(true); };
  }
  popup_->SetOwnerForm(ParentForm());
  calendar_->SetShowToday(true);
  calendar_->SetShowTodayCircle(true);
  calendar_->SetWeekNumbers(false);
  calendar_->SetRange(min_date_, max_date_);
  calendar_->SetDate(fields_.Value());
  const TPoint min = calendar_->MinimumSize();
  calendar_->SetBounds(0, 0, std::max(min.X, 200), std::max(min.Y, 150));
  dropped_ = true;
  DropDown();
  if (!dropped_) return;
  const TPoint at = ClientToScreen({0, Height()});
  popup_->ShowTopMost(at.X, at.Y, calendar_->Width(), calendar_->Height());
  if (calendar_->CanFocus()) calendar_->SetFocus();
  Invalidate();
}

void TDateTimePicker::CalendarChosen() {
  if (!dropped_ || !calendar_) return;
  const TDateTime before = fields_.Value();
  SetDate(calendar_->Date());
  const bool wasChecked = Checked();
  checked_ = true;
  if (fields_.Value() != before || !wasChecked) Change();
  CalendarClosed(false);
}

void TDateTimePicker::CalendarClosed(bool) {
  if (!dropped_) return;
  dropped_ = false;
  if (popup_) popup_->Hide();
  if (Showing() && CanFocus()) SetFocus();
  Invalidate();
  CloseUp();
}

// --- keys and mouse ---

void TDateTimePicker::WMGetDlgCode(TMessage& m) { m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

void TDateTimePicker::DefaultHandler(TMessage& m) {
  if (m.Msg == WM_KEYDOWN || m.Msg == WM_SYSKEYDOWN) {
    const int key = m.CharCode();
    const bool alt = m.Msg == WM_SYSKEYDOWN || (m.KeyData() & KF_ALTDOWN) != 0;
    if (key == VK_F4 || (alt && (key == VK_DOWN || key == VK_UP))) {
      if (date_mode_ == dmComboBox) SetDroppedDown(!dropped_);
      return;
    }
    if (dropped_) return;
    // A field changed while the box is unchecked checks it.
    auto checkFirst = [this] {
      if (show_checkbox_ && !checked_) {
        checked_ = true;
        return true;
      }
      return false;
    };
    switch (key) {
      case VK_LEFT: Edited(fields_.PrevField()); return;
      case VK_RIGHT: Edited(fields_.NextField()); return;
      case VK_UP: Edited(checkFirst() | fields_.Step(1)); return;
      case VK_DOWN: Edited(checkFirst() | fields_.Step(-1)); return;
      case VK_SPACE:
        if (show_checkbox_) {
          checked_ = !checked_;
          Edited(true);
        }
        return;
      default: break;
    }
  }
  if (m.Msg == WM_CHAR && !dropped_) {
    const QChar ch(static_cast<char16_t>(m.CharCode()));
    if (ch.isLetterOrNumber()) {
      const bool checkedNow = show_checkbox_ && !checked_;
      if (checkedNow) checked_ = true;
      Edited(fields_.TypeChar(ch) || checkedNow);
    }
    return;
  }
  TCustomControl::DefaultHandler(m);
}

void TDateTimePicker::WMSetFocus(TMessage& m) {
  TCustomControl::WMSetFocus(m);
  Invalidate();
}

void TDateTimePicker::WMKillFocus(TMessage& m) {
  TCustomControl::WMKillFocus(m);
  Edited(fields_.CommitPending());
}

void TDateTimePicker::CMEnabledChanged(TMessage& m) {
  TCustomControl::CMEnabledChanged(m);
  Invalidate();
}

int TDateTimePicker::CharAtX(int X) {
  const QString text = fields_.Text();
  const int left = TextRect().Left + 2;
  Canvas()->Font()->Assign(*Font());
  int best = 0;
  for (int i = 0; i <= text.size(); ++i) {
    if (left + Canvas()->TextWidth(text.left(i)) > X) break;
    best = i;
  }
  return best;
}

void TDateTimePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && Enabled()) {
    if (CanFocus() && !Focused()) SetFocus();
    const TRect b = ButtonRect();
    if (X >= b.Left && X < b.Right && Y >= b.Top && Y < b.Bottom) {
      if (date_mode_ == dmComboBox) {
        SetDroppedDown(!dropped_);
      } else {
        const bool up = Y < (b.Top + b.Bottom) / 2;
        const bool checkedNow = show_checkbox_ && !checked_;
        if (checkedNow) checked_ = true;
        Edited(fields_.Step(up ? 1 : -1) || checkedNow);
      }
    } else if (show_checkbox_ && X < CheckRect().Right + 2) {
      checked_ = !checked_;
      Edited(true);
    } else {
      SelectField(fields_.FieldAtChar(CharAtX(X)));
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

// --- painting ---

int TDateTimePicker::ButtonWidth() const { return VerticalScrollBarWidth(); }

TRect TDateTimePicker::ButtonRect() const {
  const int f = FrameWidth();
  return {Width() - f - ButtonWidth(), f, Width() - f, Height() - f};
}

TRect TDateTimePicker::CheckRect() const {
  const int f = FrameWidth();
  const int top = (Height() - kCheckSize) / 2;
  return {f + 2, top, f + 2 + kCheckSize, top + kCheckSize};
}

TRect TDateTimePicker::TextRect() const {
  const int f = FrameWidth();
  const int left = show_checkbox_ ? CheckRect().Right + 2 : f;
  return {left, f, ButtonRect().Left, Height() - f};
}

void TDateTimePicker::Paint() { PaintPicker(); }

void TDateTimePicker::PaintPicker() {
  TCanvas* c = Canvas();
  const TRect all = ClientRect();
  c->Brush()->SetColor(Enabled() ? Color() : clBtnFace);
  c->FillRect(all);
  // The check box.
  if (show_checkbox_) {
    unsigned state = DFCS_BUTTONCHECK | (checked_ ? DFCS_CHECKED : 0u) | (Enabled() ? 0u : DFCS_INACTIVE);
    DrawFrameControl(c, CheckRect(), DFC_BUTTON, state);
  }
  // The text, with the current field marked while the picker has the focus.
  const TRect tr = TextRect();
  c->Font()->Assign(*Font());
  const bool grey = !Enabled() || !Checked();
  const QString text = fields_.Text();
  const int y = tr.Top + (tr.Bottom - tr.Top - c->TextHeight(text)) / 2;
  int x = tr.Left + 2;
  c->Brush()->SetStyle(bsClear);
  c->IntersectClipRect(tr);
  for (int i = 0; i < static_cast<int>(fields_.Parts().size()); ++i) {
    int s = 0, e = 0;
    fields_.PartSpan(i, s, e);
    const QString piece = text.mid(s, e - s);
    const int w = c->TextWidth(piece);
    const bool marked = i == fields_.Current() && Focused() && !dropped_ && !grey;
    if (marked) {
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(clHighlight);
      c->FillRect({x, y, x + w, y + c->TextHeight(piece)});
      c->Brush()->SetStyle(bsClear);
    }
    c->Font()->SetColor(marked ? clHighlightText : grey ? clGrayText : Font()->Color());
    c->TextOut(x, y, piece);
    x += w;
  }
  c->RemoveClip();
  c->Brush()->SetStyle(bsSolid);
  // The drop-down button, or the up-down pair.
  const TRect b = ButtonRect();
  if (date_mode_ == dmComboBox) {
    const unsigned state = DFCS_SCROLLCOMBOBOX | (dropped_ ? DFCS_PUSHED : 0u) | (Enabled() ? 0u : DFCS_INACTIVE);
    DrawFrameControl(c, b, DFC_SCROLL, state);
  } else {
    const int mid = (b.Top + b.Bottom) / 2;
    DrawFrameControl(c, {b.Left, b.Top, b.Right, mid}, DFC_SCROLL, DFCS_SCROLLUP);
    DrawFrameControl(c, {b.Left, mid, b.Right, b.Bottom}, DFC_SCROLL, DFCS_SCROLLDOWN);
  }
  // The frame: sunken with Ctl3D, else one line.
  c->Brush()->SetStyle(bsClear);
  if (ctl3d_) {
    c->Pen()->SetColor(clBtnShadow);
    c->Polyline({{0, all.Bottom - 1}, {0, 0}, {all.Right - 1, 0}});
    c->Pen()->SetColor(clBtnHighlight);
    c->Polyline({{0, all.Bottom - 1}, {all.Right - 1, all.Bottom - 1}, {all.Right - 1, -1}});
    c->Pen()->SetColor(cl3DDkShadow);
    c->Polyline({{1, all.Bottom - 2}, {1, 1}, {all.Right - 2, 1}});
    c->Pen()->SetColor(clBtnFace);
    c->Polyline({{1, all.Bottom - 2}, {all.Right - 2, all.Bottom - 2}, {all.Right - 2, 0}});
  } else {
    c->Pen()->SetColor(clWindowFrame);
    c->Rectangle(all);
  }
  c->Brush()->SetStyle(bsSolid);
}

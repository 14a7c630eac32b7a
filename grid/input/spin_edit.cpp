#include "grid/input/spin_edit.h"

#include <climits>

#include "grid/base/date_text.h"
#include "platform/rtl/date_format.h"
#include "platform/rtl/float_text.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"
#include "platform/ui/beep.h"

TEsgSpinEdit::TEsgSpinEdit(TComponent* AOwner) : TEdit(AOwner) {
  SetControlStyle(ControlStyle() - csSetCaption);
  FButton = new TEsgSpinButton(this);
  FButton->SetParent(this);
  FButton->SetBounds(0, 0, 15, 17);
  FButton->SetVisible(true);
  FButton->SetFocusControl(this);
  FButton->OnUpClick = [this](TObject* s) { UpClick(s); };
  FButton->OnDownClick = [this](TObject* s) { DownClick(s); };
  SetText(QStringLiteral("0"));
  LayoutButtons();
}

// --- values ---

int TEsgSpinEdit::Value() {
  const QString text = Trim(Text());
  if (text.isEmpty()) return 0;
  int v = 0;
  return TryStrToInt(text, v) ? v : MinValue;
}

void TEsgSpinEdit::SetValue(int value) {
  SetText(IntToStr(CheckValue(value)));
  if (!FEditorEnabled) SelectAll();
}

double TEsgSpinEdit::FloatValue() {
  double v = 0;
  return TryTextToFloat(Text(), v) ? v : MinFloatValue;
}

void TEsgSpinEdit::SetFloatValue(double value) {
  const double v = CheckFloatValue(value);
  SetText(FPrecision == 0 ? FloatToStrGeneral(v, 15) : FloatToStrFixed(v, FPrecision));
}

TDateTime TEsgSpinEdit::DateValue() {
  const QString text = Text();
  if (text.isEmpty() || text == QLatin1String("0")) return Now();
  TDateTime d = 0;
  return ParseLocaleDateTime(text, d) ? d : MinDateValue;
}

void TEsgSpinEdit::SetDateValue(TDateTime value) {
  FDateValue = value;
  SetTextKeepingCaret(FormatDateTimeText(FormatSettings().ShortDateFormat, CheckDateValue(value)));
}

TDateTime TEsgSpinEdit::TimeValue() {
  TDateTime t = 0;
  return TryTextToTime(Text(), t) ? t : 0;
}

void TEsgSpinEdit::SetTimeValue(TDateTime value) {
  FTimeValue = value;
  const QString format = FShowSeconds ? LongTimeFormat() : QStringLiteral("h:nn");
  SetTextKeepingCaret(FormatDateTimeText(format, CheckDateValue(value)));
}

int TEsgSpinEdit::CheckValue(int v) const {
  if (MinValue == MaxValue) return v;
  return std::clamp(v, std::min(MinValue, MaxValue), std::max(MinValue, MaxValue));
}

double TEsgSpinEdit::CheckFloatValue(double v) const {
  if (MinFloatValue == MaxFloatValue) return v;
  if (v < MinFloatValue) return MinFloatValue;
  return v > MaxFloatValue ? MaxFloatValue : v;
}

TDateTime TEsgSpinEdit::CheckDateValue(TDateTime v) const {
  if (MinDateValue == MaxDateValue) return v;
  if (v < MinDateValue) return MinDateValue;
  return v > MaxDateValue ? MaxDateValue : v;
}

void TEsgSpinEdit::SetTextKeepingCaret(const QString& text) {
  const int caret = SelStart();
  SetText(text);
  SetSelStart(std::min(caret, static_cast<int>(text.size())));
}

void TEsgSpinEdit::SetSpinType(TEsgSpinType value) {
  FSpinType = value;
  switch (value) {
    case sptNormal: SetValue(Value()); break;
    case sptFloat: SetFloatValue(FloatValue()); break;
    case sptDate: SetDateValue(DateValue()); break;
    case sptTime: SetTimeValue(TimeValue()); break;
  }
}

void TEsgSpinEdit::SetPrecision(int value) {
  FPrecision = value;
  if (FSpinType == sptFloat) SetFloatValue(FloatValue());
}

void TEsgSpinEdit::SetEditAlign(TEditAlign value) {
  FEditAlign = value;
  SetAlignment(value == eaRight ? taRightJustify : value == eaCenter ? taCenter : taLeftJustify);
}

void TEsgSpinEdit::SetDirection(TSpinDirection value) {
  FButton->SetDirection(value);
  LayoutButtons();
}

void TEsgSpinEdit::SetSpinFlat(bool value) {
  FSpinFlat = value;
  FButton->UpButton()->SetFlat(value);
  FButton->DownButton()->SetFlat(value);
}

void TEsgSpinEdit::SetSpinTransparent(bool value) {
  FSpinTransparent = value;
  FButton->UpButton()->SetTransparent(value);
  FButton->DownButton()->SetTransparent(value);
  LayoutButtons();
}

// --- layout ---

void TEsgSpinEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
  LayoutButtons();
}

// The pair at the right edge (window coordinates of the edit, its frame
// included), and the text kept clear of it.
void TEsgSpinEdit::LayoutButtons() {
  if (!FButton) return;
  const int b = FButton->Width();
  const bool border = BorderStyle() != bsNone;
  if (border) FButton->SetBounds(Width() - b - 3, 2, b, Height() - 5);
  else FButton->SetBounds(Width() - b - 1, 0, b, Height() - 1);
  const int m = border ? 0 : 3;
  SetEditRect(Rect(m, m, ClientWidth() - b - 2 - m, ClientHeight() + 1));
}

// --- stepping ---

void TEsgSpinEdit::SpinUp(bool Page) { Step(true, Page); }

void TEsgSpinEdit::SpinDown(bool Page) { Step(false, Page); }

void TEsgSpinEdit::UpClick(TObject*) { SpinUp(false); }

void TEsgSpinEdit::DownClick(TObject*) { SpinDown(false); }

void TEsgSpinEdit::Step(bool Up, bool Page) {
  if (ReadOnly()) {
    MessageBeep(0);
    return;
  }
  switch (FSpinType) {
    case sptNormal: {
      const int64_t v = static_cast<int64_t>(Value()) + (Up ? Increment : -static_cast<int64_t>(Increment));
      SetValue(static_cast<int>(std::clamp<int64_t>(v, INT_MIN, INT_MAX)));
      break;
    }
    case sptFloat: {
      const double step = Page ? IncrementFloatPage : IncrementFloat;
      SetFloatValue(FloatValue() + (Up ? step : -step));
      break;
    }
    case sptDate: StepDate(Up); break;
    case sptTime: StepTime(Up); break;
  }
}

void TEsgSpinEdit::StepDate(bool Up) {
  const TFormatSettings fs = FormatSettings();
  FUsDates = MonthBeforeDay(fs.ShortDateFormat);
  const TDatePart part = SpinDatePart(Text(), SelStart(), fs.DateSeparator, FUsDates);
  TDateTime stepped = 0;
  if (SpinStepDate(DateValue(), part, Up ? 1 : -1, stepped)) SetDateValue(stepped);
}

void TEsgSpinEdit::StepTime(bool Up) {
  const TTimePart part = SpinTimePart(Text(), SelStart(), FormatSettings().TimeSeparator, FShowSeconds);
  const int amount = part == TTimePart::Hours ? IncrementHours
                     : part == TTimePart::Minutes ? IncrementMinutes
                                                  : IncrementSeconds;
  SetTimeValue(SpinStepTime(TimeValue(), part, amount, Up));
}

// --- keys ---

void TEsgSpinEdit::WMKeyDown(TMessage& m) {
  switch (m.CharCode()) {
    case VK_PRIOR: SpinUp(true); break;
    case VK_NEXT: SpinDown(true); break;
    case VK_UP: SpinUp(false); break;
    case VK_DOWN: SpinDown(false); break;
    default: return TEdit::WMKeyDown(m);
  }
  m.Result = 0;
}

void TEsgSpinEdit::KeyDown(int& Key, TShiftState Shift) {
  if (Key == VK_RETURN && ReturnIsTab) {
    // The dialog keys' route moves the focus on, as a Tab does.
    Key = VK_TAB;
    PostMessage(this, CN_KEYDOWN, VK_TAB, 0);
  }
  if (Key == VK_DELETE && !FEditorEnabled) Key = 0;
  TEdit::KeyDown(Key, Shift);
}

void TEsgSpinEdit::WMChar(TMessage& m) {
  if (m.CharCode() == u'.' && ExcelStyleDecimalSeparator && (m.KeyData() & KF_KEYPAD))
    m.SetCharCode(FormatSettings().DecimalSeparator.unicode());
  TEdit::WMChar(m);
}

void TEsgSpinEdit::KeyPress(QChar& Key) {
  if (!IsValidChar(Key)) {
    Key = QChar();
    MessageBeep(0);
    return;
  }
  TEdit::KeyPress(Key);
}

bool TEsgSpinEdit::IsValidChar(QChar& Key) {
  const TFormatSettings fs = FormatSettings();
  TSpinCharState s;
  s.SpinType = FSpinType;
  s.Text = Text();
  s.SelStart = SelStart();
  s.SelText = SelText();
  s.Precision = FPrecision;
  s.EditorEnabled = FEditorEnabled;
  s.DecimalSeparator = fs.DecimalSeparator;
  s.ThousandSeparator = fs.ThousandSeparator;
  s.DateSeparator = fs.DateSeparator;
  s.TimeSeparator = fs.TimeSeparator;
  return SpinIsValidChar(Key, s);
}

void TEsgSpinEdit::WMPaste(TMessage& m) {
  if (FEditorEnabled && !ReadOnly()) TEdit::WMPaste(m);
}

void TEsgSpinEdit::WMCut(TMessage& m) {
  if (FEditorEnabled && !ReadOnly()) TEdit::WMCut(m);
}

void TEsgSpinEdit::CMEnter(TMessage& m) {
  if (AutoSelect && !(GetKeyState(VK_LBUTTON) < 0 && FEditorEnabled)) SelectAll();
  TEdit::CMEnter(m);
}

// Leaving shows the value limited to its range.
void TEsgSpinEdit::CMExit(TMessage& m) {
  TEdit::CMExit(m);
  switch (FSpinType) {
    case sptNormal: {
      const int v = Value();
      if (CheckValue(v) != v) SetValue(v);
      break;
    }
    case sptFloat: {
      const double v = FloatValue();
      if (CheckFloatValue(v) != v) SetFloatValue(v);
      break;
    }
    case sptDate: {
      const TDateTime v = DateValue();
      if (CheckDateValue(v) != v) SetDateValue(v);
      break;
    }
    case sptTime: {
      const TDateTime v = TimeValue();
      if (CheckDateValue(v) != v) SetTimeValue(v);
      break;
    }
  }
}

#include "grid/dropdown/calculator_drop_down.h"

#include <cmath>

#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/ex_button.h"
#include "grid/dropdown/entry_rules.h"
#include "platform/rtl/float_text.h"
#include "platform/rtl/locale_settings.h"

namespace {

enum { kAdd = 0, kMultiply = 1, kSubtract = 2, kDivide = 3 };
const QString kError = QStringLiteral("Error");

// A display text read as a number: thousand separators removed, locale
// separators; 0 when it does not read.
long double DisplayNumber(const QString& text) { return EntryTextToFloat(text); }

QChar DecimalSep() { return FormatSettings().DecimalSeparator; }

}  // namespace

TExCalculatorDropdown::TExCalculatorDropdown(TComponent* AOwner)
    : TExCustomDropDown(AOwner), FCalcButtonAppearance(std::make_unique<TButtonAppearance>()) {
  SetComponentStyle(GetComponentStyle());
  DropDownColor = 0xFFFFFF;
  SetDropDownWidth(230);
  DropDownHeader()->SetVisible(false);
  DropDownFooter()->SetVisible(false);
  SetEditType(etFloat);
  FPrevop = -1;
  SetPrecision(2);
  FDecim = 0;
  FCalcClosed = true;
  FMVal = 0;
  CreateDropDownForm();
}

TExCalculatorDropdown::~TExCalculatorDropdown() = default;

void TExCalculatorDropdown::Notification(TComponent* AComponent, TOperation Operation) {
  TExCustomDropDown::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FExButtonPanel) FExButtonPanel = nullptr;
}

void TExCalculatorDropdown::CreateDropDownForm() {
  TExCustomDropDown::CreateDropDownForm();
  if (!FDropDownForm) return;
  if (!FExButtonPanel) {
    FExButtonPanel = new TCustomButtonPanel(this);
    FExButtonPanel->SetParent(FDropDownForm);
    FExButtonPanel->SetExDropDown(this);
    FExButtonPanel->SetHeight(150);
    FExButtonPanel->CreateDefaultButtons();
  }
  SetControl(FExButtonPanel);
  FExButtonPanel->OnButtonClick = [this](TObject* Sender, int Index) { ButtonClick(Sender, Index); };
}

void TExCalculatorDropdown::BeforeDropDown() {
  TExCustomDropDown::BeforeDropDown();
  FDropDownForm->CancelOnDeActivate = false;
  if (FExButtonPanel) {
    FExButtonPanel->SetButtonAppearance(FCalcButtonAppearance.get());
    FExButtonPanel->SetColor(DropDownColor);
    FExButtonPanel->ArrangeButtons();
  }
  FNewval = true;
  FDecim = 0;
  FCalcClosed = false;
}

bool TExCalculatorDropdown::PopupShowing() const {
  return !FCalcClosed && !(FDropDownForm && !FDropDownForm->Visible());
}

// --- value ---

double TExCalculatorDropdown::Value() {
  if (Text().isEmpty()) SetText(QStringLiteral("0"));
  return static_cast<double>(DisplayNumber(Text()));
}

void TExCalculatorDropdown::SetValue(double Value) { SetText(FloatToStrGeneral(Value)); }

void TExCalculatorDropdown::SetShowThousandSeparator(bool Value) {
  if (FShowThousandSeparator == Value) return;
  FShowThousandSeparator = Value;
  const double v = FloatValue();
  SetEditType(Value ? etMoney : etFloat);
  SetFloatValue(v);
}

void TExCalculatorDropdown::SetComponentStyle(TSuiteStyle AStyle) {
  TExCustomDropDown::SetComponentStyle(AStyle);
  if (!FCalcButtonAppearance) return;  // the base constructor's call
  const TExButtonAppearance* b = ButtonAppearance();
  TButtonAppearance* c = FCalcButtonAppearance.get();
  c->SetBorderColor(b->BorderColor());
  c->SetBorderColorHot(b->BorderColorHot());
  c->SetBorderColorDown(b->BorderColorDown());
  c->SetColor(b->Color());
  c->SetColorTo(b->ColorTo());
  c->SetColorDown(b->ColorDown());
  c->SetColorDownTo(b->ColorDownTo());
  c->SetColorHot(b->ColorHot());
  c->SetColorHotTo(b->ColorHotTo());
  if (AStyle == tsOffice2010Blue || AStyle == tsOffice2010Silver || AStyle == tsOffice2010Black) {
    c->GlowColorHot = c->GlowColorDown = b->ColorHot();
  } else {
    c->GlowColorDown = 0xD5C244;
    c->GlowColorHot = b->ColorDownTo();
  }
}

// --- the calculator steps ---

long double TExCalculatorDropdown::ReadDisplay() {
  if (Text().isEmpty() || Text() == kError) SetText(QStringLiteral("0"));
  return DisplayNumber(Text());
}

void TExCalculatorDropdown::PendingOperationStep() {
  // 1.
  const long double x = ReadDisplay();
  // 2.
  switch (FPrevop) {
    case kAdd: FPrevval += x; break;
    case kMultiply: FPrevval *= x; break;
    case kSubtract: FPrevval -= x; break;
    case kDivide:
      if (x == 0) {
        FPrevval = 0;
        SetText(kError);
        return;
      }
      FPrevval /= x;
      break;
    default: FPrevval = x; break;
  }
  // 3. An overflow counts as a failed step.
  if (!std::isfinite(static_cast<double>(FPrevval))) FPrevval = 0;
  // 4.
  SetFloatValue(static_cast<double>(FPrevval));
  FNewval = true;
}

void TExCalculatorDropdown::OperatorKey(int Op) {
  PendingOperationStep();
  FPrevop = Op;
}

void TExCalculatorDropdown::CalcResult() {
  PendingOperationStep();
  if (Text().isEmpty()) SetText(QStringLiteral("0"));
  FPrevop = -1;
  if (Text() != kError) FPrevval = DisplayNumber(Text());
}

void TExCalculatorDropdown::PercentStep() {
  const long double x = ReadDisplay();
  SetText(FloatToStrGeneral(static_cast<double>(FPrevval * x / 100)));
}

void TExCalculatorDropdown::Clear() {
  SetText(QStringLiteral("0"));
  FPrevval = 0;
  FPrevop = -1;
}

void TExCalculatorDropdown::ButtonClick(TObject*, int Index) {
  if (!FExButtonPanel || Index < 0 || Index >= FExButtonPanel->Buttons()->Count()) return;
  const int t = FExButtonPanel->Buttons()->Items(Index)->Tag;
  // 1.
  BeforeCalcAction();
  // 2.
  if ((t >= 10 && t <= 14) || (t >= 16 && t <= 18)) FDecim = 0;
  // 3.
  if ((t < 10 || t == 14 || t == 15) && MaxLength() > 0 && Text().size() == MaxLength()) return;
  // 4.
  if (t < 10) {
    double v = FloatValue();
    if ((v == 0 && FDecim == 0) || FNewval) {
      SetText(QString::number(t));
      FNewval = false;
    } else {
      if (FDecim > 0) {
        v = static_cast<double>(v + t / FDecim);
        FDecim *= 10;
      } else {
        v = v * 10 + t;
      }
      SetFloatValue(v);
    }
  }
  // 5.
  switch (t) {
    case 10: OperatorKey(kAdd); break;
    case 11: OperatorKey(kSubtract); break;
    case 12: OperatorKey(kMultiply); break;
    case 13: OperatorKey(kDivide); break;
    case 14: {
      const QString s = Text();
      SetText(s.contains(u'-') ? s.mid(1) : QStringLiteral("-") + s);
      break;
    }
    case 15:
      if (!Text().contains(DecimalSep())) SetText(Text() + DecimalSep());
      FDecim = 10;
      if (FNewval) SetText(QStringLiteral("0"));
      FNewval = false;
      break;
    case 16:
    case 30:
    case 32: Clear(); break;
    case 17: CalcResult(); break;
    case 18: PercentStep(); break;
    case 31:
      if (FPrevop < 0) {
        QString s = FloatToStrGeneral(FloatValue());
        s.chop(1);
        SetText(s);
      }
      break;
    case 33: FMVal = 0; break;
    case 34: SetFloatValue(static_cast<double>(FMVal)); break;
    case 35: FMVal = DisplayNumber(Text()); break;
    case 36: FMVal += DisplayNumber(Text()); break;
    case 37:
      if (FloatValue() >= 0) SetFloatValue(std::sqrt(FloatValue()));
      else SetText(kError);
      break;
    case 38:
      if (FloatValue() != 0) SetFloatValue(1 / FloatValue());
      else SetText(kError);
      break;
    default: break;
  }
  // 6.
  SetModified(true);
}

// --- keys ---

// Enter never reaches the edit's KeyPress: the closed calculator takes it here.
void TExCalculatorDropdown::WMChar(TMessage& Message) {
  if (Message.CharCode() == 13 && !PopupShowing()) CalcResult();
  TExCustomDropDown::WMChar(Message);
}

void TExCalculatorDropdown::KeyPress(QChar& Key) {
  const QChar ds = DecimalSep(), ts = FormatSettings().ThousandSeparator;
  // 1.
  if (!PopupShowing()) {
    if (Key == u'=') CalcResult();
    else if (Key == u'%') PercentStep();
    else if (Key == u'*') OperatorKey(kMultiply);
    else if (Key == u'+') OperatorKey(kAdd);
    else if (Key == u'-') OperatorKey(kSubtract);
    else if (Key == u'/') OperatorKey(kDivide);
    else if (Key == u'C' || Key == u'c') {
      SetText(QStringLiteral("0"));
      FNewval = true;
      FPrevop = -1;
    }
  }
  // 2.
  const bool digit = Key >= u'0' && Key <= u'9';
  if (!digit && Key != ds && Key != QChar(8) && Key != u'-') Key = QChar(0);
  if (Key == QChar(0)) return;
  // 3.
  if (digit && (Text() == QLatin1String("0") || FNewval)) {
    SetText(QString(Key));
    Key = QChar(0);
    TEdit::SetSelStart(Prefix().size() + 1);
    TEdit::SetSelLength(0);
    FNewval = false;
    return;
  }
  // 4.
  if (Key == QChar(8) && Text().size() == 1) {
    SetText(QStringLiteral("0"));
    Key = QChar(0);
    TEdit::SetSelStart(Prefix().size() + 1);
    TEdit::SetSelLength(0);
    return;
  }
  // 5.
  if (Key == ts || (Key == ds && Text().contains(ds))) {
    Key = QChar(0);
    return;
  }
  TExCustomDropDown::KeyPress(Key);
}

void TExCalculatorDropdown::DropDownKeyPress(QChar& Key) {
  TExCustomDropDown::DropDownKeyPress(Key);
  BeforeCalcAction();
  const QChar ds = DecimalSep();
  if (Key == ds && !Text().contains(ds)) SetText(Text() + ds);
  const bool digit = Key >= u'0' && Key <= u'9';
  if (digit && MaxLength() > 0 && Text().size() >= MaxLength()) return;
  if (Key == QChar(13)) {
    CalcResult();
    DoHideDropDown(false);
  } else if (Key == QChar(27)) {
    DoHideDropDown(true);
  } else if (Key == u'%') {
    PercentStep();
  } else if (Key == u'*') {
    OperatorKey(kMultiply);
  } else if (Key == u'+') {
    OperatorKey(kAdd);
  } else if (Key == u'-') {
    OperatorKey(kSubtract);
  } else if (Key == u'/') {
    OperatorKey(kDivide);
  } else if (digit) {
    if (Text() == QLatin1String("0") || FNewval) FNewval = false;
  } else if (Key == u'=') {
    CalcResult();
  } else if (Key == u'C' || Key == u'c') {
    SetText(QStringLiteral("0"));
    FPrevval = 0;
    FNewval = true;
    FPrevop = -1;
  }
}

// Enter and Escape close the pop-up through their characters (after the equals
// step for Enter), so their key-downs are not handed to the edit, whose own
// Enter and Escape would close the pop-up first.
void TExCalculatorDropdown::DropDownKeyDown(int& Key, TShiftState Shift) {
  if (Key == VK_RETURN || Key == VK_ESCAPE) return;
  TExCustomDropDown::DropDownKeyDown(Key, Shift);
  if (Key == VK_TAB || Key == VK_F4) {
    DoHideDropDown(false);
  } else if (Key == VK_BACK) {
    QString s = Text();
    s.chop(1);
    SetText(s.isEmpty() || s == kError ? QStringLiteral("0") : s);
  }
}

void TExCalculatorDropdown::WMKeyDown(TMessage& Message) {
  const int key = Message.CharCode();
  TExCustomDropDown::WMKeyDown(Message);
  if (key == VK_DELETE && (Text().isEmpty() || Text() == kError)) SetText(QStringLiteral("0"));
}

#include "grid/dropdown/time_picker_drop_down.h"

#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/ex_watch.h"
#include "platform/rtl/locale_settings.h"
#include "platform/ui/date_time_picker.h"
#include "platform/ui/shapes.h"

namespace {

QChar Sep() { return FormatSettings().TimeSeparator; }

QString Two(int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }

bool DigitsOk(const QString& part) {
  for (int i = 0; i < std::min<int>(2, part.size()); ++i)
    if (!part[i].isDigit() || part[i].unicode() > 127) return false;
  return true;
}

enum { kHour, kMinute, kSecond };

// The edit mask of the text: an optional first hour digit shown as a blank,
// two-digit minute and second, the separators kept in the text, a blank as the
// blank character.
QString TimeMask(bool Seconds) {
  const QString sep = Sep();
  return QStringLiteral("!90") + sep + QStringLiteral("00") + (Seconds ? sep + QStringLiteral("00") : QString()) +
         QStringLiteral(";1; ");
}

// The pop-up's content: a shown time picker along the bottom, the clock
// filling the rest.
class TWatchPanel : public TPanel {
public:
  using TPanel::TPanel;
  TExWatch* Watch = nullptr;
  TDateTimePicker* Picker = nullptr;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override {
    TPanel::SetBounds(ALeft, ATop, AWidth, AHeight);
    int clock = AHeight;
    if (Picker && Picker->Visible()) {
      clock = std::max(0, AHeight - Picker->Height());
      Picker->SetBounds(0, clock, AWidth, Picker->Height());
    }
    if (Watch) Watch->SetBounds(0, 0, AWidth, clock);
  }
};

}  // namespace

TExTimePickerDropDown::TExTimePickerDropDown(TComponent* AOwner)
    : TExCustomDropDown(AOwner),
      FWatchAppearance(std::make_unique<TWatchAppearance>()),
      FWatchSettings(std::make_unique<TWatchSettings>()) {
  SetComponentStyle(GetComponentStyle());
  SetEditorEnabled(false);
  DropDownEnabled = true;
  FShowSeconds = true;
  FInternalCall = true;
  SetEditMask(TimeMask(true));
  SetTextUnformatted(FormatTime(0));
  FOldText = Text();
  FInternalCall = false;
  DropDownHeader()->SetVisible(false);
  DropDownFooter()->SetVisible(false);
  // The pop-up is sized from its content, which the pop-up itself arranges
  // inside its border: the clock's 170 px plus the border.
  SetDropDownWidth(170 + 2 * DropDownBorderWidth);
  CreateDropDownForm();
}

TExTimePickerDropDown::~TExTimePickerDropDown() = default;

void TExTimePickerDropDown::Notification(TComponent* AComponent, TOperation Operation) {
  TExCustomDropDown::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FExWatch) {
    FExWatch = nullptr;
    if (FPanelCtrl) static_cast<TWatchPanel*>(FPanelCtrl)->Watch = nullptr;
  }
  if (AComponent == FDateTimePicker) {
    FDateTimePicker = nullptr;
    if (FPanelCtrl) static_cast<TWatchPanel*>(FPanelCtrl)->Picker = nullptr;
  }
  if (AComponent == FPanelCtrl) FPanelCtrl = nullptr;
}

QString TExTimePickerDropDown::FormatTime(TDateTime T) const {
  int h = 0, m = 0, s = 0, ms = 0;
  DecodeTime(T, h, m, s, ms);
  QString text = Two(h) + Sep() + Two(m);
  if (FShowSeconds) text += Sep() + Two(s);
  return text;
}

void TExTimePickerDropDown::SetTime(TDateTime Value) {
  if (Value == FTime) return;
  FTime = Value;
  const QString text = FormatTime(Value);
  SetTextUnformatted(text);
  FOldText = text;  // what a cancelled close shows again
  if (!DroppedDown()) return;
  if (FExWatch) {
    const TNotifyEvent hook = FExWatch->OnChange;
    FExWatch->OnChange = nullptr;
    FExWatch->SetTime(FTime);
    FExWatch->OnChange = hook;
  }
  if (ShowTimePicker && FDateTimePicker) {
    const TNotifyEvent hook = FDateTimePicker->OnChange;
    FDateTimePicker->OnChange = nullptr;
    FDateTimePicker->SetTime(FTime);
    FDateTimePicker->OnChange = hook;
  }
}

void TExTimePickerDropDown::SetShowSeconds(bool Value) {
  if (Value == FShowSeconds) return;
  FShowSeconds = Value;
  const TDateTime t = FTime;
  FInternalCall = true;
  SetEditMask(QString());
  SetTextUnformatted(QString());
  SetEditMask(TimeMask(Value));
  FInternalCall = false;
  SetTime(t + 1);
  SetTime(t);
}

void TExTimePickerDropDown::SetComponentStyle(TSuiteStyle AStyle) {
  TExCustomDropDown::SetComponentStyle(AStyle);
  if (FWatchAppearance) ApplyWatchColorStyle(*FWatchAppearance, AStyle);
}

// --- parts ---

void TExTimePickerDropDown::ChangePart(int Part, int Value) {
  int h = 0, m = 0, s = 0, ms = 0;
  DecodeTime(FTime, h, m, s, ms);
  int* part = Part == kHour ? &h : Part == kMinute ? &m : &s;
  const int limit = Part == kHour ? 23 : 59;
  if (Value == *part || Value < 0 || Value > limit) return;
  *part = Value;
  SetTime(std::floor(FTime) + EncodeTime(h, m, s, ms));
  if (OnTimeChange) OnTimeChange(this);
}

void TExTimePickerDropDown::ChangeHour(int Value) { ChangePart(kHour, Value); }
void TExTimePickerDropDown::ChangeMinute(int Value) { ChangePart(kMinute, Value); }
void TExTimePickerDropDown::ChangeSecond(int Value) { ChangePart(kSecond, Value); }

void TExTimePickerDropDown::KeyDown(int& Key, TShiftState Shift) {
  TExCustomDropDown::KeyDown(Key, Shift);
  if (GetKeyState(VK_MENU) < 0 || Shift.Contains(ssAlt) || Shift.Contains(ssCtrl)) return;
  if (Key != VK_UP && Key != VK_DOWN) return;
  const int caret = TEdit::SelStart();
  const QString text = EditText();
  const int p1 = text.indexOf(Sep()) + 1;  // 1-based, 0 when none
  int part = kHour;
  if (caret >= p1) {
    const QString rest = text.mid(p1);
    const int p2 = rest.indexOf(Sep()) + 1;
    part = FShowSeconds && p2 > 0 && caret - p1 >= p2 ? kSecond : kMinute;
  }
  int h = 0, m = 0, s = 0, ms = 0;
  DecodeTime(FTime, h, m, s, ms);
  const int value = part == kHour ? h : part == kMinute ? m : s;
  const int limit = part == kHour ? 23 : 59;
  int next = Key == VK_UP ? value - 1 : value + 1;
  if (next < 0) next = limit;
  if (next > limit) next = 0;
  ChangePart(part, next);
  TEdit::SetSelStart(caret);
  TEdit::SetSelLength(0);
  Key = 0;
}

// A typed time of full length sets Time (an impossible time leaves it).
void TExTimePickerDropDown::Change() {
  TExCustomDropDown::Change();
  if (FInternalCall) return;
  QString text = Text();
  if (text.trimmed().size() != (FShowSeconds ? 8 : 5)) return;
  // 1.
  const QChar sep = Sep();
  const int first = text.indexOf(sep);
  if (first < 0) return;
  const QString rest = text.mid(first + 1);
  const int second = rest.indexOf(sep);
  if ((second >= 0) != FShowSeconds) return;
  if (second >= 0 && rest.indexOf(sep, second + 1) >= 0) return;
  // 2.
  text.replace(u' ', u'0');
  // 3.
  const QString hs = text.left(first).trimmed();
  const QString after = text.mid(first + 1);
  const QString mins = (FShowSeconds ? after.left(second) : after).trimmed();
  const QString secs = FShowSeconds ? after.mid(second + 1).trimmed() : QString();
  if (!DigitsOk(hs) || !DigitsOk(mins) || !DigitsOk(secs)) return;
  const int h = hs.isEmpty() ? 0 : hs.toInt(), m = mins.isEmpty() ? 0 : mins.toInt(),
            s = secs.isEmpty() ? 0 : secs.toInt();
  // 4.
  TDateTime t = 0;
  if (!TryEncodeTime(h, m, s, 0, t)) return;
  FTime = t;
  // 5.
  const QString formatted = Two(h) + sep + Two(m) + (FShowSeconds ? sep + Two(s) : QString());
  if (formatted != Text() && m == 0 && s == 0) {
    FInternalCall = true;
    SetTextUnformatted(formatted);
    FInternalCall = false;
  }
}

// --- pop-up ---

void TExTimePickerDropDown::CreateDropDownForm() {
  TExCustomDropDown::CreateDropDownForm();
  if (!FDropDownForm) return;
  if (!FPanelCtrl) {
    FPanelCtrl = new TWatchPanel(this);
    FPanelCtrl->SetParent(FDropDownForm);
    FPanelCtrl->SetBevelOuter(bvNone);
    FPanelCtrl->SetBevelInner(bvNone);
    FPanelCtrl->SetBevelWidth(0);
    FPanelCtrl->SetBounds(0, 0, FPanelCtrl->Width(), 180);
  }
  if (!FExWatch) {
    FExWatch = new TExWatch(this);
    FExWatch->SetParent(FPanelCtrl);
    static_cast<TWatchPanel*>(FPanelCtrl)->Watch = FExWatch;
    FExWatch->SetBounds(0, 0, FPanelCtrl->Width(), FPanelCtrl->Height());
  }
  SetControl(FPanelCtrl);
}

void TExTimePickerDropDown::BeforeDropDown() {
  TExCustomDropDown::BeforeDropDown();
  // 1.
  if (FPanelCtrl) FPanelCtrl->SetBounds(FPanelCtrl->Left(), FPanelCtrl->Top(), 170, 170);
  // (No forced re-layout here: sizing the pop-up arranges its parts at once,
  // which would fit the panel into the pop-up's old size.)
  FDropDownForm->CancelOnDeActivate = false;
  if (FPanelCtrl) FPanelCtrl->SetColor(DropDownColor);
  // 2.
  if (!FExWatch) return;
  FExWatch->SetAppearance(FWatchAppearance.get());
  FExWatch->SetSettings(FWatchSettings.get());
  FExWatch->SetShowAMPM(ShowWatchAMPM);
  FExWatch->SetShowNumbers(ShowWatchNumbers);
  FExWatch->Animation = Animation;
  FExWatch->SetAnimationFactor(AnimationFactor);
  FExWatch->OnChange = nullptr;
  if (!FWatchSettings->Auto()) FExWatch->SetTime(FTime);
  FExWatch->OnChange = [this](TObject*) { WatchChange(); };
  // 3.
  if (!ShowTimePicker) {
    if (FDateTimePicker) FDateTimePicker->Hide();
    return;
  }
  ShowPicker();
}

void TExTimePickerDropDown::ShowPicker() {
  if (!FDateTimePicker) {
    FDateTimePicker = new TDateTimePicker(this);
    FDateTimePicker->SetParent(FPanelCtrl);
    FDateTimePicker->SetKind(dtkTime);
    static_cast<TWatchPanel*>(FPanelCtrl)->Picker = FDateTimePicker;
  }
  TDateTimePicker* P = FDateTimePicker;
  P->OnChange = nullptr;
  P->Show();
  P->SetTime(FTime);
  P->BringToFront();
  P->OnChange = [this](TObject*) { TimePickerChange(); };
  P->OnKeyDown = [this](TObject*, int& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
  P->OnKeyUp = [this](TObject*, int& Key, TShiftState Shift) { ControlKeyUp(Key, Shift); };
  P->OnKeyPress = [this](TObject*, QChar& Key) { ControlKeyPress(Key); };
  P->SetFormat(FShowSeconds ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
  FPanelCtrl->SetBounds(FPanelCtrl->Left(), FPanelCtrl->Top(), 170, P->Height() + 170);
}

void TExTimePickerDropDown::WatchChange() {
  if (!FExWatch) return;
  if (FDateTimePicker && ShowTimePicker && FDateTimePicker->Time() != FExWatch->Time()) {
    FDateTimePicker->OnChange = nullptr;
    FDateTimePicker->SetTime(FExWatch->Time());
    FDateTimePicker->OnChange = [this](TObject*) { TimePickerChange(); };
    if (OnTimeChange) OnTimeChange(this);
  }
  SetTime(FExWatch->Time());
}

// The picker sets the clock, which sets the time (a live clock keeps its own).
void TExTimePickerDropDown::TimePickerChange() {
  if (FDateTimePicker && FExWatch && !FExWatch->Settings()->Auto()) FExWatch->SetTime(FDateTimePicker->Time());
}

// A cancel puts the clock back first, so that the close takes the old time.
void TExTimePickerDropDown::DoHideDropDown(bool Cancelled) {
  if (Cancelled && FExWatch) {
    FExWatch->OnChange = nullptr;
    FExWatch->SetTime(FTime);
  }
  TExCustomDropDown::DoHideDropDown(Cancelled);
  if (!Cancelled && FExWatch) SetTime(FExWatch->Time());
}

void TExTimePickerDropDown::AfterDropUp() {
  TExCustomDropDown::AfterDropUp();
  if (FExWatch) SetTime(FExWatch->Time());
}

bool TExTimePickerDropDown::PassesFilter(int Key, TShiftState Shift) const {
  const bool clockKey = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
  return !clockKey || Shift.Contains(ssAlt);
}

void TExTimePickerDropDown::DropDownKeyDown(int& Key, TShiftState Shift) {
  const int key = Key;
  if (PassesFilter(Key, Shift)) TExCustomDropDown::DropDownKeyDown(Key, Shift);
  if (FExWatch && FDropDownForm && FDropDownForm->Visible()) FExWatch->ProcessKey(key);
}

void TExTimePickerDropDown::DropDownKeyUp(int& Key, TShiftState Shift) {
  if (PassesFilter(Key, Shift)) TExCustomDropDown::DropDownKeyUp(Key, Shift);
}

void TExTimePickerDropDown::ControlKeyDown(int& Key, TShiftState Shift) {
  const int key = Key;
  if (PassesFilter(Key, Shift)) TExCustomDropDown::ControlKeyDown(Key, Shift);
  if (FExWatch && FDropDownForm && FDropDownForm->Visible()) FExWatch->ProcessKey(key);
}

void TExTimePickerDropDown::ControlKeyUp(int& Key, TShiftState Shift) {
  if (PassesFilter(Key, Shift)) TExCustomDropDown::ControlKeyUp(Key, Shift);
}

// The characters with the codes of the page and arrow keys go on only with Alt.
void TExTimePickerDropDown::ControlKeyPress(QChar& Key) {
  const int code = Key.unicode();
  const bool stepKey = code == 33 || code == 34 || code == 38 || code == 40;
  if (!stepKey || GetKeyState(VK_MENU) < 0) TExCustomDropDown::ControlKeyPress(Key);
}

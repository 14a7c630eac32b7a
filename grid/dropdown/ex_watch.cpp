#include "grid/dropdown/ex_watch.h"

#include <cmath>

#include "grid/dropdown/watch_geometry.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/timer.h"

namespace {

struct TimeParts {
  int h = 0, m = 0, s = 0, ms = 0;
};

TimeParts Parts(TDateTime t) {
  TimeParts p;
  DecodeTime(t, p.h, p.m, p.s, p.ms);
  return p;
}

constexpr int kRollFrameMs = 10;

}  // namespace

TExWatch::TExWatch(TComponent* AOwner)
    : TCustomControl(AOwner),
      FAppearance(std::make_unique<TWatchAppearance>()),
      FSettings(std::make_unique<TWatchSettings>()),
      FBKGCache(std::make_unique<TBitmap>()) {
  FAppearance->OnChange = [this](TObject*) { FaceChanged(); };
  FAppearance->HourFont()->OnChange = [this](TObject*) { FaceChanged(); };
  FAppearance->AMPMFont()->OnChange = [this](TObject*) { FaceChanged(); };
  FSettings->OnChange = [this](TObject*) { SettingsChanged(); };
  FWatchTimer = new TTimer(this);
  FWatchTimer->SetInterval(100);
  FWatchTimer->SetEnabled(FSettings->Auto());
  FWatchTimer->SetOnTimer([this](TObject*) { UpdateHands(); });
  FAnimationTimer = new TTimer(this);
  FAnimationTimer->SetInterval(1);
  FAnimationTimer->SetEnabled(false);
  FAnimationTimer->SetOnTimer([this](TObject*) { AnimationStep(); });
  FRollTimer = new TTimer(this);
  FRollTimer->SetInterval(kRollFrameMs);
  FRollTimer->SetEnabled(false);
  FRollTimer->SetOnTimer([this](TObject*) { RollStep(); });
  SetBounds(Left(), Top(), 180, 180);
}

TExWatch::~TExWatch() {
  FAppearance->OnChange = nullptr;
  FAppearance->HourFont()->OnChange = nullptr;
  FAppearance->AMPMFont()->OnChange = nullptr;
  FSettings->OnChange = nullptr;
}

void TExWatch::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const bool resized = AWidth != Width() || AHeight != Height();
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (resized && FBKGCache) {
    FBKGCache->SetSize(std::max(0, AWidth), std::max(0, AHeight));
    FCacheValid = false;
  }
}

void TExWatch::FaceChanged() {
  FCacheValid = false;
  Invalidate();
}

// --- time ---

TDateTime TExWatch::GetDisplayTime() const {
  if (FSettings->Auto()) return Now() + FSettings->TimeOffset() / 1440.0;
  return FTime;
}

void TExWatch::SetTime(TDateTime Value) {
  if (Value == FTime) return;
  InternalSetTime(Value);
  UpdateHands();
}

void TExWatch::InternalSetTime(TDateTime T) {
  if (T == FTime) return;
  FTime = T;
  FInternalSet = true;
  SetAM(Parts(T).h < 12);
  FInternalSet = false;
}

void TExWatch::SetAM(bool Value) {
  if (Value == FAM) return;
  FAM = Value;
  FCacheValid = false;
  if (Animation && FShowAMPM && FAppearance->AMPMColor != clNone && !FInternalSet) {
    // The roll: one frame per pixel of the box height, on a timer.
    const TRect b = GetAMPMRect();
    FRollTotal = FRollFrames = std::max(1, b.Bottom - b.Top - 2);
    FRollToPM = !Value;
    FRollTimer->SetEnabled(true);
  }
  Invalidate();
}

void TExWatch::RollStep() {
  if (FRollFrames <= 0) return;
  if (--FRollFrames == 0) FRollTimer->SetEnabled(false);
  Invalidate();
}

void TExWatch::UpdateHands() { Invalidate(); }

void TExWatch::SettingsChanged() {
  FWatchTimer->SetEnabled(FSettings->Auto());
  if (FSettings->Auto()) {
    FTime = GetDisplayTime();
    FInternalSet = true;
    SetAM(Parts(FTime).h < 12);
    FInternalSet = false;
  }
  Invalidate();
}

void TExWatch::SetShowAMPM(bool Value) {
  if (Value == FShowAMPM) return;
  FShowAMPM = Value;
  FaceChanged();
}

void TExWatch::SetShowNumbers(bool Value) {
  if (Value == FShowNumbers) return;
  FShowNumbers = Value;
  FaceChanged();
}

void TExWatch::SetStyle(TWatchStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  const TWatchStyleFlags f = ApplyWatchStyle(*FAppearance, Value, ClientWidth(), ClientHeight());
  if (f.SetsAnimation) {
    Animation = true;
    SetAnimationFactor(10);
  }
  if (f.SetShowAMPM) SetShowAMPM(f.ShowAMPM);
  SetShowNumbers(f.ShowNumbers);
}

void TExWatch::SetComponentStyle(TSuiteStyle AStyle) { ApplyWatchColorStyle(*FAppearance, AStyle); }

bool TExWatch::Animating() const { return FAnimationTimer->Enabled(); }

void TExWatch::StartAnimation() { FAnimationTimer->SetEnabled(true); }

// A hand set without animation fires OnChange as an animated one does when it
// arrives: the set value is its own target.
void TExWatch::SetHour(int Value) {
  if (Value < 0 || Value > 23) return;
  const TimeParts p = Parts(GetDisplayTime());
  if (Value == p.h) return;
  const bool loading = ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning);
  if (!Animation || FInternalCall || loading) {
    if (!FInternalCall) FCurrentHourTo = Value;
    InternalSetTime(EncodeTime(Value, p.m, p.s, p.ms));
    UpdateHands();
    if (Value == FCurrentHourTo && OnChange) OnChange(this);
    return;
  }
  FCurrentHourTo = Value;
  FHourAnimating = true;
  StartAnimation();
}

void TExWatch::SetMinute(int Value) {
  if (Value >= 60 || Value < 0) throw Exception(QStringLiteral("Invalid time"));
  const TimeParts p = Parts(GetDisplayTime());
  if (Value == p.m) return;
  const bool loading = ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning);
  if (Animation && !FInternalCall && !loading) {
    FCurrentMinuteTo = Value;
    FHourAnimating = false;
    FMinuteFrom = p.m;
    StartAnimation();
    return;
  }
  if (!Animation) FMinuteFrom = p.m;
  if (!FInternalCall) FCurrentMinuteTo = Value;
  int h = p.h;
  if (Value == 0 && FMinuteFrom > 30) {
    h = h == 23 ? 0 : h + 1;
    FMinuteFrom = 0;
  }
  InternalSetTime(EncodeTime(h, Value, p.s, p.ms));
  UpdateHands();
  if (Value == FCurrentMinuteTo && OnChange) OnChange(this);
}

void TExWatch::AnimationStep() {
  if (!Animation || ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning)) return;
  const TimeParts p = Parts(GetDisplayTime());
  bool reached = false;
  if (FHourAnimating) {
    if (p.h == FCurrentHourTo) {
      reached = true;
    } else {
      FInternalCall = true;
      SetHour(NextHourStep(p.h, FCurrentHourTo, FAnimationFactor));
      FInternalCall = false;
      return;
    }
  } else {
    if (p.m == FCurrentMinuteTo) {
      reached = true;
    } else {
      FInternalCall = true;
      SetMinute(NextMinuteStep(p.m, FCurrentMinuteTo, FAnimationFactor));
      FInternalCall = false;
      return;
    }
  }
  if (reached) {
    FInternalCall = false;
    FAnimationTimer->SetEnabled(false);
  }
}

// --- positions ---

TRect TExWatch::GetFaceRect() const { return WatchFaceRect(ClientWidth(), ClientHeight(), FAppearance->Size()); }
TPoint TExWatch::GetCenter() const { return WatchCenter(GetFaceRect()); }
double TExWatch::GetRadius() const {
  const TRect f = GetFaceRect();
  return (f.Right - f.Left) / 2;
}
int TExWatch::MinuteAtPos(int X, int Y) const { return MinuteAtPoint(GetCenter(), X, Y); }
int TExWatch::HourAtPos(int X, int Y) const {
  bool am = FAM;
  return HourAtPoint(GetCenter(), X, Y, FAM, am);
}

// --- input ---

void TExWatch::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (FSettings->Auto()) return;
  const TRect f = GetFaceRect();
  const double rx = (f.Right - f.Left) / 2.0, ry = (f.Bottom - f.Top) / 2.0;
  const double ex = (X - (f.Left + rx)) / std::max(rx, 1.0), ey = (Y - (f.Top + ry)) / std::max(ry, 1.0);
  // 1.
  if (ex * ex + ey * ey > 1) {
    SetMinute(MinuteAtPos(X, Y));
    return;
  }
  // 2.
  if (PtInRect(GetAMPMRect(), Point(X, Y))) {
    const int h = Parts(GetDisplayTime()).h;
    if (Animation) SetAM(!FAM);
    FInternalCall = true;
    FCurrentHourTo = h < 12 ? h + 12 : h - 12;
    SetHour(FCurrentHourTo);
    FInternalCall = false;
    return;
  }
  // 3.
  SetHour(HourAtPos(X, Y));
}

void TExWatch::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  SetCursor(PtInRect(GetAMPMRect(), Point(X, Y)) ? crHandPoint : crDefault);
}

void TExWatch::WMGetDlgCode(TMessage& Message) { Message.Result = TabStop() ? 5 : 0; }

void TExWatch::ProcessKey(int Key) {
  if (FSettings->Auto()) return;
  const TimeParts p = Parts(GetDisplayTime());
  // Hours set directly (no animation), their own target.
  auto directHour = [this](int h) {
    FInternalCall = true;
    FCurrentHourTo = h;
    SetHour(h);
    FInternalCall = false;
  };
  if (Key == 'A' && p.h > 11) SetHour(p.h - 12);
  if (Key == 'P' && p.h < 12) SetHour(p.h + 12);
  switch (Key) {
    case VK_PRIOR:
      if (p.h == 23) directHour(0);
      else SetHour(p.h + 1);
      break;
    case VK_NEXT:
      if (p.h == 0) directHour(23);
      else SetHour(p.h - 1);
      break;
    case VK_HOME: directHour(12); break;
    case VK_LEFT:
      if (p.m > 0) {
        SetMinute(p.m - 1);
      } else {
        InternalSetTime(EncodeTime(p.h == 0 ? 23 : p.h - 1, 59, p.s, p.ms));
        UpdateHands();
      }
      break;
    case VK_RIGHT: SetMinute(p.m == 59 ? 0 : p.m + 1); break;
    case VK_END: SetMinute(0); break;
    default: break;
  }
}

// --- painting ---

void TExWatch::Paint() {
  TCustomControl::Paint();
  if (!FCacheValid) {
    FBKGCache->SetSize(ClientWidth(), ClientHeight());
    TCanvas* c = FBKGCache->Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(ClientRect());
    DrawBackground(c, ClientRect());
    DrawTickMarks(c);
    DrawNumbers(c);
    DrawAMPM(c);
    FBKGCache->Canvas()->ReleasePainter();
    FCacheValid = true;
    ++FFaceDraws;
  }
  Canvas()->Draw(0, 0, FBKGCache.get());
  if (FRollFrames > 0) DrawRoll(Canvas());
  DrawPointers(Canvas());
}

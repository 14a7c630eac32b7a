// An analogue clock face on which a time of day is shown and set with the
// mouse and the keys (TExWatch). In manual mode it shows its Time; in live
// mode (Settings.Auto) it shows the system time plus an offset and ignores
// input. A hand move can run as an animation that steps the hand to its new
// place on a timer and fires OnChange once, when the hand arrives. The static
// face is kept in a cached bitmap; a hand move repaints only the hands over it.
// The AM/PM box rolls its text over on a timer when the half of the day changes.
//
// Facets: ex_watch.cpp (time, mouse, keys, animation), watch_face.cpp
// (drawing), watch_presets.cpp (appearance, looks, colour styles),
// watch_geometry.cpp (the arithmetic).
#pragma once

#include <memory>

#include "grid/dropdown/watch_appearance.h"
#include "platform/rtl/date_time.h"
#include "platform/ui/control.h"

class TTimer;
class TBitmap;

class TExWatch : public TCustomControl {
public:
  explicit TExWatch(TComponent* AOwner);
  ~TExWatch() override;

  TWatchAppearance* Appearance() const { return FAppearance.get(); }
  void SetAppearance(const TWatchAppearance* Value) { FAppearance->Assign(Value); }
  TWatchSettings* Settings() const { return FSettings.get(); }
  void SetSettings(const TWatchSettings* Value) { FSettings->Assign(Value); }
  TDateTime Time() const { return FTime; }
  void SetTime(TDateTime Value);
  bool Animation = true;
  int AnimationFactor() const { return FAnimationFactor; }
  // Kept at 1 or more: the factor divides the animation step.
  void SetAnimationFactor(int Value) { FAnimationFactor = Value < 1 ? 1 : Value; }
  bool ShowAMPM() const { return FShowAMPM; }
  void SetShowAMPM(bool Value);
  bool ShowNumbers() const { return FShowNumbers; }
  void SetShowNumbers(bool Value);
  TWatchStyle Style() const { return FStyle; }
  void SetStyle(TWatchStyle Value);
  void SetComponentStyle(TSuiteStyle AStyle);
  TNotifyEvent OnChange;

  // Sets the hour (0..23; others are refused) or the minute (60 or more raises
  // "Invalid time"), animated when Animation is on.
  void SetHour(int Value);
  void SetMinute(int Value);
  // A key of the pop-up: A, P, Page Up/Down, Home, Left, Right, End.
  void ProcessKey(int Key);

  // The time shown: the system time plus the offset in live mode, else Time.
  TDateTime GetDisplayTime() const;
  TRect GetFaceRect() const;
  TPoint GetCenter() const;
  double GetRadius() const;
  TRect GetAMPMRect();
  int MinuteAtPos(int X, int Y) const;
  int HourAtPos(int X, int Y) const;
  bool AM() const { return FAM; }
  void SetAM(bool Value);
  // The hands' targets while an animation runs.
  bool Animating() const;
  bool Rolling() const { return FRollFrames > 0; }

  // --- platform ---
  // One tick of the animation timer and of the AM/PM roll timer (tests drive them).
  void AnimationStep();
  void RollStep();
  // How often the face was drawn into the cache.
  int FaceDraws() const { return FFaceDraws; }

  // Face drawing (watch_face.cpp), in the order a paint calls them.
  void DrawBackground(TCanvas* Canvas, const TRect& R);
  void DrawTickMarks(TCanvas* Canvas);
  void DrawNumbers(TCanvas* Canvas);
  void DrawAMPM(TCanvas* Canvas);
  void DrawPointers(TCanvas* Canvas);

protected:
  void Paint() override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WMGetDlgCode(TMessage& Message) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;

public:
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

private:
  void InternalSetTime(TDateTime T);
  void UpdateHands();
  void SettingsChanged();
  void FaceChanged();
  void StartAnimation();
  void DrawRoll(TCanvas* Canvas);
  void DrawAMPMFrame(TCanvas* Canvas, const TRect& B);

  std::unique_ptr<TWatchAppearance> FAppearance;
  std::unique_ptr<TWatchSettings> FSettings;
  TDateTime FTime = 0;
  std::unique_ptr<TBitmap> FBKGCache;
  bool FCacheValid = false;
  TTimer* FWatchTimer = nullptr;
  int FAnimationFactor = 10;
  TTimer* FAnimationTimer = nullptr;
  int FCurrentHourTo = 0;
  int FCurrentMinuteTo = 0;
  int FMinuteFrom = 0;
  bool FHourAnimating = false;
  bool FInternalCall = false;
  bool FAM = true;
  bool FShowAMPM = true;
  bool FShowNumbers = true;
  bool FInternalSet = false;
  TWatchStyle FStyle = wsClassic;
  // The AM/PM roll: frames left, frames in all, and the direction (to PM: down).
  TTimer* FRollTimer = nullptr;
  int FRollFrames = 0;
  int FRollTotal = 0;
  bool FRollToPM = false;
  int FFaceDraws = 0;
};

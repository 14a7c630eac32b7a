// The look and the mode of the analogue clock (TExWatch): TWatchAppearance
// holds the face, tick, number, AM/PM box and hand settings; TWatchSettings
// the live-clock mode. Both fire OnChange from a setter only on a real change.
// The named looks of the clock (TWatchStyle) and the suite's colour styles are
// applied to an appearance by the preset routines at the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "grid/base/color_tones.h"
#include "platform/rtl/object.h"
#include "platform/ui/graphics.h"

class TFont;
class TPicture;

enum TWatchGradient { wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward };
enum TAMPMFrame { apRect, apRoundRect };
enum TWatchShape { wsCircle, wsRect, wsRoundRect };
enum TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };
enum TWatchBorderStyle { wbLine, wbDoubleLine, wbNone };
enum TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };
enum THourMarkStyle { hmsLine, hmsQuartDblLine };
enum TWatchStyle {
  wsClassic, wsTower, wsFluorescent, wsEmerald, wsBlueStar, wsFuchsia, wsBlack, wsBlackWhite, wsGray, wsSuperNova
};

// A property with a getter and a setter that stores and notifies on change.
#define WATCH_PROPERTY(Type, Name, Default)         \
public:                                             \
  Type Name() const { return F##Name; }             \
  void Set##Name(Type v) { Set(F##Name, v); }       \
                                                    \
private:                                            \
  Type F##Name = Default;

class TWatchAppearance : public TPersistent {
public:
  TWatchAppearance();
  ~TWatchAppearance() override;

  TFont* HourFont() const { return FHourFont.get(); }
  void SetHourFont(const TFont* Value);
  TFont* AMPMFont() const { return FAMPMFont.get(); }
  void SetAMPMFont(const TFont* Value);
  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(const TPicture* Value);
  // No setters: a write changes the colour without a notice.
  TColor AMPMColor = 0xFFFFFF;
  TColor AMPMBorderColor = 0;
  // Kept and copied; no drawing reads them.
  TColor FSecondPointerShadow = clBtnShadow;
  TWatchBorderStyle FBorderStyle = wbLine;
  int FRounding = 5;

  // Every value back to its default (the named looks start from here).
  void SetDefaults();
  void Assign(const TPersistent* Source) override;
  TNotifyEvent OnChange;

  WATCH_PROPERTY(int, Size, 0)
  WATCH_PROPERTY(TColor, HourPointer, 0)
  WATCH_PROPERTY(TColor, MinutePointer, 0)
  WATCH_PROPERTY(TColor, SecondPointer, 0x0000FF)
  WATCH_PROPERTY(TColor, HourPointerShadow, clBtnShadow)
  WATCH_PROPERTY(TColor, MinutePointerShadow, clBtnShadow)
  WATCH_PROPERTY(TColor, BackgroundColor, 0xFFFFFF)
  WATCH_PROPERTY(TColor, BackgroundColorTo, clNone)
  WATCH_PROPERTY(TWatchGradient, BackgroundGradient, wgVertical)
  WATCH_PROPERTY(TColor, BorderColor, 0)
  WATCH_PROPERTY(int, BorderWidth, 4)
  WATCH_PROPERTY(TAMPMFrame, AMPMFrame, apRect)
  WATCH_PROPERTY(TWatchShape, Shape, wsCircle)
  WATCH_PROPERTY(TPointerStyle, PointerStyle, psLine)
  WATCH_PROPERTY(uint8_t, HourPointerSize, 4)
  WATCH_PROPERTY(uint8_t, SecondPointerSize, 1)
  WATCH_PROPERTY(uint8_t, MinutePointerSize, 3)
  WATCH_PROPERTY(TColor, HourColor, 0)
  WATCH_PROPERTY(TColor, MinuteColor, 0x808080)
  WATCH_PROPERTY(uint8_t, CenterPointSize, 4)
  WATCH_PROPERTY(TColor, CenterPointColor, 0)
  WATCH_PROPERTY(TColor, CenterPointBorderColor, clNone)
  WATCH_PROPERTY(TColor, CenterPointOuterBorderColor, clNone)
  WATCH_PROPERTY(uint8_t, HourMarkLength, 0)
  WATCH_PROPERTY(uint8_t, HourMarkWidth, 1)
  WATCH_PROPERTY(uint8_t, MinuteMarkLength, 0)
  WATCH_PROPERTY(uint8_t, MinuteMarkWidth, 1)
  WATCH_PROPERTY(TTickMarks, TickMarks, tmAll)
  WATCH_PROPERTY(THourMarkStyle, HourMarkStyle, hmsLine)

private:
  // An appearance with the default fonts (the source SetDefaults copies).
  explicit TWatchAppearance(std::nullptr_t);
  template <typename T>
  void Set(T& field, T v) {
    if (field == v) return;
    field = v;
    Changed();
  }
  void Changed() {
    if (OnChange) OnChange(this);
  }
  std::unique_ptr<TFont> FHourFont;
  std::unique_ptr<TFont> FAMPMFont;
  std::unique_ptr<TPicture> FPicture;
};

class TWatchSettings : public TPersistent {
public:
  bool Auto() const { return FAuto; }
  void SetAuto(bool v) { Set(FAuto, v); }
  bool Second() const { return FSecond; }
  void SetSecond(bool v) { Set(FSecond, v); }
  int TimeOffset() const { return FTimeOffset; }  // minutes added to the system time
  void SetTimeOffset(int v) { Set(FTimeOffset, v); }
  void Assign(const TPersistent* Source) override;
  TNotifyEvent OnChange;

private:
  template <typename T>
  void Set(T& field, T v) {
    if (field == v) return;
    field = v;
    if (OnChange) OnChange(this);
  }
  bool FAuto = false;
  bool FSecond = true;
  int FTimeOffset = 0;
};

#undef WATCH_PROPERTY

// What a named look sets besides the appearance.
struct TWatchStyleFlags {
  bool SetShowAMPM = true, ShowAMPM = true;
  bool ShowNumbers = true;
  bool SetsAnimation = false;  // wsClassic: Animation on, factor 10
};

// Resets the appearance and applies the look; `clientW`/`clientH` is the
// clock's size (some looks derive mark lengths from it).
TWatchStyleFlags ApplyWatchStyle(TWatchAppearance& A, TWatchStyle Style, int clientW, int clientH);
// Recolours the appearance to the suite style (tsCustom only blacks the fonts
// and the outer centre ring).
void ApplyWatchColorStyle(TWatchAppearance& A, TSuiteStyle Style);

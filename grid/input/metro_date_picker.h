// The date and time pickers with the suite's look over the class library's
// picker: a metro look (MetroStyle) that paints its own drop-down button and
// border, custom button and border colours, a flat one-pixel frame when Ctl3D is
// off, and hover and focus tracking. Two bases share the look and differ only in
// the points of TPickerVariant:
// - TEsgDateTimePicker, the base of the grid's in-place date picker;
// - TCustomDateTimePicker, which adds the automatic move to the next field after
//   a typed digit (AutoTab, through the posted "DTPShiftFocus" message) and is the
//   base of the combined date-and-time picker and its embedded time picker.
#pragma once

#include <QString>

#include "grid/view/grid_unit.h"  // DTPShiftFocusMessage, the message of the next-field check
#include "platform/ui/date_time_picker.h"
#include "platform/ui/form.h"

// What the two bases do differently.
struct TPickerVariant {
  bool Ctl3D;                  // initial Ctl3D
  TColor BorderColor;          // initial BorderColor
  int ButtonCover;             // the button-area cover offset S
  bool FrameInPaint;           // the Ctl3D-off frame drawn by the paint step
  bool FlatBorderNeedsColor;   // the flat frame only with BorderColor set
};

extern const TPickerVariant kEsgPickerVariant;
extern const TPickerVariant kCustomPickerVariant;

// Where the caret goes after a digit typed into a picker changed its value:
// nowhere, to the next field, or the part at the end of the display format was
// typed (its last field). Time pickers compare hour, minute and second; date
// pickers day, month and year (with an empty format: the day or the month moves
// on, the year counts as the last part).
enum class TDatePartStep { None, NextField, LastField };
struct TPickerParts {
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
  bool operator==(const TPickerParts&) const = default;
};
TPickerParts PickerParts(TDateTime Value);
TDatePartStep DatePartStep(bool TimeKind, const QString& Format, const TPickerParts& Before,
                           const TPickerParts& After);


class TMetroDateTimePicker : public TDateTimePicker {
public:
  TMetroDateTimePicker(TComponent* AOwner, const TPickerVariant& Variant);

  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  bool MetroStyle() const { return FMetroStyle; }
  void SetMetroStyle(bool Value);
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  virtual void SetBorderStyle(TFormBorderStyle Value);
  TColor FocusBorderColor = clNone;
  bool DisabledBorder = false;
  bool FocusBorder = false;
  // Custom colours of the button strip (clNone: themed or system button).
  TColor ButtonColor = clNone;
  TColor ButtonColorHot = clNone;
  TColor ButtonColorDown = clNone;
  TColor ButtonTextColor = clNone;
  TColor ButtonTextColorHot = clNone;  // kept, not read by the drawing
  TColor ButtonTextColorDown = clNone;
  TColor ButtonBorderColor = clNone;
  int MetroButtonWidth() const { return FButtonWidth; }

  bool HasFocus() const { return FHasFocus; }
  bool MouseInControl() const { return FMouseInControl; }
  bool ButtonHover() const { return FButtonHover; }
  // The metro look applies (MetroStyle, not designing, not an inner picker).
  bool IsMetro() const;
  // Whether DrawBorders draws anything now.
  bool DrawsBorders() const;

protected:
  virtual bool IsInnerPicker() const { return false; }
  void SetCtl3DFromVariant();

  void Paint() override;
  void CMEnter(TMessage& Message) override;
  void CMExit(TMessage& Message) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;

  // The look's drawing steps.
  void DrawButton(TCanvas* C);
  void DrawBorder(TCanvas* C);
  void DrawButtonBorder(TCanvas* C);
  void DrawBorders(TCanvas* C);
  void DrawFlatBorder(TCanvas* C);
  TColor FramePen() const;
  bool IsActive() const;
  bool NeedsFocusBorder() const;

  const TPickerVariant& FVariant;
  TFormBorderStyle FBorderStyle = bsNone;
  TColor FBorderColor;
  bool FIsThemed = true;
  int FButtonWidth;
  bool FButtonHover = false;
  bool FMouseInControl = false;
  bool FIsWinXP = true;
  bool FMetroStyle = false;
  bool FHasFocus = false;
};

class TEsgDateTimePicker : public TMetroDateTimePicker {
public:
  explicit TEsgDateTimePicker(TComponent* AOwner) : TMetroDateTimePicker(AOwner, kEsgPickerVariant) {}
  QString Version() const { return QStringLiteral("1.0.0.0"); }
};

class TCustomDateTimePicker : public TMetroDateTimePicker {
public:
  explicit TCustomDateTimePicker(TComponent* AOwner) : TMetroDateTimePicker(AOwner, kCustomPickerVariant) {}

  bool AutoTab() const { return FAutoTab; }
  virtual void SetAutoTab(bool Value) { FAutoTab = Value; }

protected:
  // The next-field check after a typed digit (time kind: hour, minute, second).
  virtual void AutoTabCheck();
  bool IsInnerPicker() const override { return true; }
  void KeyPress(QChar& Key) override;
  void WndProc(TMessage& Message) override;

  bool FAutoTab = false;
  int Fh = 0, Fm = 0, Fs = 0, Fms = 0;
};

// The combined date-and-time picker (TExDateTimePicker): a date picker with a
// second, time-only picker embedded at its right edge (kind dkDateTime), whose
// time is joined to the date when the value is read. Also: an attached caption
// label placed like the flat combo's, a time format, the automatic move across
// the date fields into the embedded time picker, label and time-change events,
// and the check box enabling and disabling the embedded picker. The grid's
// in-place date-and-time editor derives from it.
#pragma once

#include <memory>

#include "grid/base/label_position.h"
#include "grid/input/metro_date_picker.h"

class TLabel;
class TTimer;

enum TExDateTimeKind { dkDate, dkTime, dkDateTime };

// Where the embedded time picker stands in a picker of Width x Height, for a
// time text TextWidth pixels wide (left, top, width, height in a TRect's
// Left, Top, Right, Bottom).
struct TTimePickerPlace {
  bool VistaOrLater = true;
  bool ComCtl6 = true;
  bool ThemeActive = true;
  bool Metro = false;
  bool Bevel = false;
};
TRect EmbeddedTimePickerBounds(int Width, int Height, int TextWidth, const TTimePickerPlace& Place);

class TExDateTimePicker : public TCustomDateTimePicker {
public:
  explicit TExDateTimePicker(TComponent* AOwner);
  ~TExDateTimePicker() override;

  TExDateTimeKind Kind() const { return FKind; }
  void SetKind(TExDateTimeKind Value);
  // The date of the control with the embedded picker's time.
  TDateTime DateTime();
  virtual void SetDateTime(TDateTime Value);
  TDateTime Date() const { return TDateTimePicker::Date(); }
  void SetDate(TDateTime Value);
  TDateTime Time() const;
  void SetTime(TDateTime Value);
  QString TimeFormat() const { return FTimeFormat; }
  void SetTimeFormat(const QString& Value);
  void SetAutoTab(bool Value) override;
  void SetBorderStyle(TFormBorderStyle Value) override;
  void SetChecked(bool Value);
  QString Version() const { return QStringLiteral("1.2.0.0"); }
  // The embedded time picker (nullptr unless dkDateTime).
  TCustomDateTimePicker* TimePicker() const { return FTimePicker; }

  // The caption label.
  TLabel* PickerLabel() const { return FLabel; }
  QString LabelCaption() const;
  void SetLabelCaption(const QString& Value);
  TLabelPosition LabelPosition() const { return FLabelPosition; }
  void SetLabelPosition(TLabelPosition Value);
  int LabelMargin() const { return FLabelMargin; }
  void SetLabelMargin(int Value);
  bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
  void SetLabelAlwaysEnabled(bool Value);
  bool FocusLabel = false;
  TFont* LabelFont() const { return FLabelFont.get(); }

  TNotifyEvent OnTimeChange;
  TNotifyEvent OnLabelClick;
  TNotifyEvent OnLabelDblClick;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetParent(TWinControl* AParent) override;
  void SetEnabled(bool value) override;

  // Places and fills the embedded time picker (frees it for the other kinds).
  void UpdateTimePicker();

protected:
  bool IsInnerPicker() const override { return false; }
  void AutoTabCheck() override;
  void KeyPress(QChar& Key) override;
  void Change() override;
  void Paint() override;
  void CMVisibleChanged(TMessage& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;
  virtual void DoTimeChange();
  virtual void DoTimeClick();
  virtual void TimeKeyPress(TObject* Sender, QChar& Key) {}

private:
  void CreateTimePicker();
  void CreateLabel();
  void UpdateLabel();

  TExDateTimeKind FKind = dkDate;
  std::unique_ptr<TTimer> FFocusTimer;
  QString FTimeFormat;
  int Fy = 0, Fm = 0, Fd = 0;
  TLabel* FLabel = nullptr;
  std::unique_ptr<TFont> FLabelFont;
  TLabelPosition FLabelPosition = lpLeftTop;
  int FLabelMargin = 4;
  bool FLabelAlwaysEnabled = false;
  bool FIgnoreTimePickerCheck = false;
  bool FFirstRun = true;
  TCustomDateTimePicker* FTimePicker = nullptr;
};

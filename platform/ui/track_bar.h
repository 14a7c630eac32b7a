// The class library's track bar (stands for TTrackBar): a horizontal slider
// between Min and Max with tick marks every Frequency positions; Position is
// kept inside the range (setting a bound moves it in), PageSize is the step of
// Page Up/Down and of a click beside the thumb. OnChange follows every change of
// Position, by the user or in code.
#pragma once

#include "platform/ui/control.h"

class TTrackBar : public TWinControl {
public:
  explicit TTrackBar(TComponent* AOwner);

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const { return position_; }
  void SetPosition(int value);
  int Frequency() const { return frequency_; }
  void SetFrequency(int value);
  int PageSize() const { return page_size_; }
  void SetPageSize(int value);

  TNotifyEvent OnChange;

protected:
  virtual void Changed();
  // The arrow keys move the thumb (they are no dialog keys here).
  void WMGetDlgCode(TMessage& Message) override;
  // Up moves the thumb towards Min and Down towards Max, as Left and Right do.
  void DefaultHandler(TMessage& Message) override;

private:
  void Apply();
  void FromWidget(int value);

  int min_ = 0, max_ = 10, position_ = 0, frequency_ = 1, page_size_ = 2;
  bool applying_ = false;
};

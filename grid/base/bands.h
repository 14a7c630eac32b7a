// TBands: alternating row colours, PrimaryLength rows in PrimaryColor then
// SecondaryLength rows in SecondaryColor. Active notifies when it changes; the
// colours and lengths notify when they change and only while Active.
#pragma once

#include "platform/rtl/object.h"
#include "platform/ui/graphics.h"

class TBands : public TPersistent {
public:
  // Copies Active, the colours, the lengths and Print without notifying;
  // TotalLength follows the copied lengths.
  void Assign(const TPersistent* Source) override;

  bool Active() const { return active_; }
  void SetActive(bool v);
  int PrimaryLength() const { return primaryLength_; }
  void SetPrimaryLength(int v);
  int SecondaryLength() const { return secondaryLength_; }
  void SetSecondaryLength(int v);
  // PrimaryLength + SecondaryLength.
  int TotalLength() const { return totalLength_; }
  TColor PrimaryColor() const { return primaryColor_; }
  void SetPrimaryColor(TColor v);
  TColor SecondaryColor() const { return secondaryColor_; }
  void SetSecondaryColor(TColor v);

  bool Print = false;
  TNotifyEvent OnChange;

private:
  void ChangedWhileActive();

  bool active_ = false;
  int primaryLength_ = 1;
  int secondaryLength_ = 1;
  int totalLength_ = 2;
  TColor primaryColor_ = clInfoBk;
  TColor secondaryColor_ = clWindow;
};

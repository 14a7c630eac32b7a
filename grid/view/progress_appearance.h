// The look of progress-bar cells (TGridProgressAppearance): bar and text colours,
// the three level colours with their thresholds, border, gradient and steps.
// Every setter stores and raises OnChange only when the value differs; Assign
// copies everything and raises OnChange once.
#pragma once

#include "platform/rtl/object.h"
#include "platform/ui/graphics.h"

enum TProgressStyle { psXP, psClassic };

class TGridProgressAppearance : public TPersistent {
public:
  void Assign(const TPersistent* Source) override;

  TColor CompleteColor() const { return v_.CompleteColor; }
  void SetCompleteColor(TColor v) { Set(v_.CompleteColor, v); }
  TColor CompleteFontColor() const { return v_.CompleteFontColor; }
  void SetCompleteFontColor(TColor v) { Set(v_.CompleteFontColor, v); }
  TColor UnCompleteColor() const { return v_.UnCompleteColor; }
  void SetUnCompleteColor(TColor v) { Set(v_.UnCompleteColor, v); }
  TColor UnCompleteFontColor() const { return v_.UnCompleteFontColor; }
  void SetUnCompleteFontColor(TColor v) { Set(v_.UnCompleteFontColor, v); }
  TColor Level0Color() const { return v_.Level0Color; }
  void SetLevel0Color(TColor v) { Set(v_.Level0Color, v); }
  TColor Level0ColorTo() const { return v_.Level0ColorTo; }
  void SetLevel0ColorTo(TColor v) { Set(v_.Level0ColorTo, v); }
  TColor Level1Color() const { return v_.Level1Color; }
  void SetLevel1Color(TColor v) { Set(v_.Level1Color, v); }
  TColor Level1ColorTo() const { return v_.Level1ColorTo; }
  void SetLevel1ColorTo(TColor v) { Set(v_.Level1ColorTo, v); }
  TColor Level2Color() const { return v_.Level2Color; }
  void SetLevel2Color(TColor v) { Set(v_.Level2Color, v); }
  TColor Level2ColorTo() const { return v_.Level2ColorTo; }
  void SetLevel2ColorTo(TColor v) { Set(v_.Level2ColorTo, v); }
  TColor Level3Color() const { return v_.Level3Color; }
  void SetLevel3Color(TColor v) { Set(v_.Level3Color, v); }
  TColor Level3ColorTo() const { return v_.Level3ColorTo; }
  void SetLevel3ColorTo(TColor v) { Set(v_.Level3ColorTo, v); }
  int Level1Perc() const { return v_.Level1Perc; }
  void SetLevel1Perc(int v) { Set(v_.Level1Perc, v); }
  int Level2Perc() const { return v_.Level2Perc; }
  void SetLevel2Perc(int v) { Set(v_.Level2Perc, v); }
  TColor BorderColor() const { return v_.BorderColor; }
  void SetBorderColor(TColor v) { Set(v_.BorderColor, v); }
  bool ShowBorder() const { return v_.ShowBorder; }
  void SetShowBorder(bool v) { Set(v_.ShowBorder, v); }
  bool Stacked() const { return v_.Stacked; }
  void SetStacked(bool v) { Set(v_.Stacked, v); }
  bool ShowPercentage() const { return v_.ShowPercentage; }
  void SetShowPercentage(bool v) { Set(v_.ShowPercentage, v); }
  bool CompletionSmooth() const { return v_.CompletionSmooth; }
  void SetCompletionSmooth(bool v) { Set(v_.CompletionSmooth, v); }
  bool ShowGradient() const { return v_.ShowGradient; }
  void SetShowGradient(bool v) { Set(v_.ShowGradient, v); }
  int Steps() const { return v_.Steps; }
  void SetSteps(int v) { Set(v_.Steps, v); }
  TProgressStyle Style() const { return v_.Style; }
  void SetStyle(TProgressStyle v) { Set(v_.Style, v); }

  TNotifyEvent OnChange;

private:
  struct Values {
    TColor CompleteColor = clRed;
    TColor CompleteFontColor = clBlue;
    TColor UnCompleteColor = clNone;
    TColor UnCompleteFontColor = clWindowText;
    TColor Level0Color = clLime;
    TColor Level0ColorTo = 0xE1FFE1;
    TColor Level1Color = clYellow;
    TColor Level1ColorTo = 0xCAFFFF;
    TColor Level2Color = 0x53A9FF;
    TColor Level2ColorTo = 0xA8D3FF;
    TColor Level3Color = clRed;
    TColor Level3ColorTo = 0xCACAFF;
    int Level1Perc = 70;
    int Level2Perc = 90;
    TColor BorderColor = clBlack;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = true;
    bool CompletionSmooth = true;
    bool ShowGradient = true;
    int Steps = 11;
    TProgressStyle Style = psXP;
  };

  template <typename T>
  void Set(T& field, T value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  void Changed();

  Values v_;
};

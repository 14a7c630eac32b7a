// The frame the gateway forms share: a title panel with the model's code and
// description above, a panel of push buttons along the bottom.
#pragma once

#include "platform/ui/graphics.h"

#include <QString>

class TFadeButton;
class TForm;
class TLabel;
class TPanel;

struct TFormTitle {
  TPanel* Panel = nullptr;
  TLabel* Code = nullptr;  // L_SW_Code, 14 pt bold
  TLabel* Desc = nullptr;  // L_SW_Desc
};

// The title panel P_Title with L_SW_Code (`codeWidth` wide, grey when `greyCode`)
// and L_SW_Desc (`descWidth` wide).
TFormTitle Make_Form_Title(TForm* form, TColor color, int codeWidth, int descWidth, bool greyCode);
// The button panel P_Button.
TPanel* Make_Button_Panel(TForm* form, TColor color);
// A push button named `name` on the button panel, 28 pixels high at top 6.
TFadeButton* Make_Panel_Button(TForm* form, TPanel* panel, const QString& name, int left, int width);

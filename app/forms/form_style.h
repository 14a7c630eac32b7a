// The look every form of the program shares: the background colour and font, the
// push buttons' colours and style, and the title panel with the software code and
// the form's description.
#pragma once

#include "platform/ui/graphics.h"

class TForm;
class TFadeButton;
class TPanel;
class TLabel;
enum class TShellPicture;

inline constexpr TColor kForm_Color = 0xEDF7F8;
inline constexpr TColor kTitle_Color = clWhite;
inline constexpr int kTitle_Height = 48;

// A fixed-border form centred on the screen with the program's colour and font.
void Style_Form(TForm* form, int clientWidth, int clientHeight);

// A push button as the forms have them: face $EDF7F8, grey light edge, Encarta
// style, orange while pressed, yellow while hot, one glyph.
TFadeButton* Make_Button(TForm* form, int left, int top, int width, int height, int modalResult = 0);
// Gives the button one of the shell's pictures.
void Set_Button_Picture(TFadeButton* button, TShellPicture picture);

// The title panel across the top of a dialog, with L_SW_Code (set to SW_Code) and
// L_SW_Desc on it.
struct TTitlePanel {
  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
};
TTitlePanel Make_Title_Panel(TForm* form, int width);

// A transparent label placed at left, top on the form.
TLabel* Make_Label(TForm* owner, int left, int top);

// The main window's layout for this model and its texts, as data: where each
// control sits, which step buttons this model shows, and which language text
// every caption and hint takes.
#pragma once

#include "platform/ui/graphics.h"

inline constexpr int kMain_Client_Width = 694;
inline constexpr TColor kMain_Color = 0xEDF7F8;
inline constexpr const char16_t* kMain_Font_Name = u"Verdana";
inline constexpr int kMain_Font_Size = 8;

// A plainly placed control (labels, shapes, the three picture buttons).
struct TControlPlace {
  const char16_t* Name;
  int Top;
  int Left;
  int Width;   // 0: the control's own width (labels size themselves)
  int Height;  // 0: the control's own height
  bool Visible;
};
extern const TControlPlace Main_Controls[];
extern const int Main_Controls_Count;

// The step labels "Step 1" ... "Step 8": top 128 + 44 (n - 1), left 16; steps 1 to
// 6 are shown for this model.
inline constexpr int kStep_Label_Count = 8;
inline constexpr int kStep_Labels_Shown = 6;
constexpr int Step_Label_Top(int n) { return 128 + 44 * (n - 1); }
inline constexpr int kStep_Label_Left = 16;

// Step buttons: 170 x 36, picture and caption left-aligned.
inline constexpr int kStep_Button_Width = 170;
inline constexpr int kStep_Button_Height = 36;
// The three picture buttons (Information, Options, Close): 50 x 50.
inline constexpr int kPicture_Button_Size = 50;

struct TStepButtonPlace {
  const char16_t* Name;
  int Top;
  int Left;
  bool Visible;
  int CaptionText;            // language text of the caption; -1: FixedCaption
  int HintText;               // language text of the hint; -1: no hint
  const char16_t* FixedCaption;  // the caption when it takes no text
};
// The 30 step buttons; this model shows seven.
extern const TStepButtonPlace Step_Button_Places[30];

// Top of Btn_CreateBin, the last step of this model: the separator line lies 51
// below it and the client area ends 152 below it.
inline constexpr int kCreateBin_Top = 332;
inline constexpr int kShape1_Top = kCreateBin_Top + 51;
inline constexpr int kMain_Client_Height = kCreateBin_Top + 152;

// Fixed texts of the main window (language text indexes).
inline constexpr int kText_Begin = 0;
inline constexpr int kText_Step_First = 1;  // texts 1 .. 8: "Step 1" .. "Step 8"
inline constexpr int kText_No_Configuration = 9;
inline constexpr int kText_Use_Step1 = 10;
inline constexpr int kText_Opened_Configuration = 11;
inline constexpr int kText_Hint_Info = 12;
inline constexpr int kText_Hint_Options = 13;
inline constexpr int kText_Hint_Close = 14;
inline constexpr int kText_Project_Not_Valid = 18;
inline constexpr int kText_New_Version_Link = 19;
inline constexpr int kText_File_Exists = 1105;
// A file could not be written (the cause follows on the next line).
inline constexpr int kText_Settings_Not_Saved = 79;
inline constexpr int kText_File_Not_Written = 80;

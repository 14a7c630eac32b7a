// The shell's own pictures, drawn in code: the maker's logo, the pictures of the
// step buttons and of the three picture buttons. Each is drawn on a key-colour
// background (its bottom-left pixel), so buttons draw it transparently.
#pragma once

class TBitmap;

enum class TShellPicture {
  New_Project,
  Open_Project,
  Communication,
  EtherCAT_Table,
  Modbus_Table,
  ESI_File,
  Update_Device,
  Editor_Table,  // the steps of the other models
  Information,
  Options,
  Close,
  Logo,
  Ok_Mark,       // the dialogs' OK
  Cancel_Mark,   // the dialogs' Cancel
  Previous,      // page buttons
  Next,
  Web_Check,     // "Check Available Update"
};

// Step pictures are 28 x 28, picture-button pictures 40 x 40, the logo 72 x 72,
// the dialog buttons' pictures 18 x 18.
inline constexpr int kStep_Picture_Size = 28;
inline constexpr int kButton_Picture_Size = 40;
inline constexpr int kLogo_Size = 72;
inline constexpr int kDialog_Picture_Size = 18;

// Sizes `bitmap` for the picture and draws it; the bitmap is marked transparent.
void Draw_Shell_Picture(TShellPicture picture, TBitmap& bitmap);

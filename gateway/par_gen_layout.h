// The rows of the communication-parameter form's panels and where their controls
// stand. Every panel is a column of rows on one grid, 28 pixels apart: a label (or
// a check box) on the left, the input on the right. Widget-free: the form makes
// its controls from these rows and sizes each panel by the height rule.
#pragma once

#include "gateway/par_gen_file.h"
#include "gateway/par_gen_panels.h"

#include <QString>
#include <span>
#include <vector>

// The row grid, in client pixels of the panel.
inline constexpr int kRow_Pitch = 28;
inline constexpr int kRow_First_Top = 12;        // label top of row 0
inline constexpr int kLabel_Left = 14;
inline constexpr int kLabel_Width = 170;
inline constexpr int kLabel_Height = 13;
inline constexpr int kInput_Left = 191;
inline constexpr int kInput_Width = 238;
inline constexpr int kEdit_Height = 21;
inline constexpr int kCombo_Height = 22;
inline constexpr int kRichEdit_Height = 23;
inline constexpr int kAddress_Edit_Width = 55;
inline constexpr int kAddress_Edit_Lefts[4] = {191, 252, 313, 374};
inline constexpr int kAddress_Dot_Lefts[3] = {247, 308, 369};
inline constexpr int kAddress_Dot_Width = 4;
inline constexpr int kCheckBox_Height = 17;
inline constexpr int kCheckBox_Width = 415;      // a check box takes the whole row
inline constexpr int kGateway_CheckBox_Width = 175;
inline constexpr int kPanel_Bottom_Margin = 12;
inline constexpr int kPanel_Header_Height = 24;  // header of the panel group

// What a row holds.
enum class TRowKind {
  Edit,          // label + edit
  Combo,         // label + combo box
  RichEdit,      // label + rich edit
  Address,       // label + four address edits with "." labels between them
  Gateway,       // gateway check box + four address edits
  CheckBox,      // a check box across the row
  CheckBoxEdit,  // a check box and an edit on one row
  Caption,       // a caption label alone
  Versions,      // label + three check boxes captioned "1", "2", "3"
};

// One row. `First` is the label or check box, `Input` the input; for address rows
// `Input` is the common name of the four edits, which end in 1 to 4. Widths and
// lefts of 0 mean the grid's.
struct TParGenRow {
  TRowKind Kind;
  const char16_t* First;
  const char16_t* Input = nullptr;
  int FirstWidth = 0;
  int InputLeft = 0;
  int InputWidth = 0;
};

// The rows of `panel`, top to bottom as designed.
std::span<const TParGenRow> Panel_Rows(TParGenPanel panel);

// The kinds of controls the rows are made of.
enum class TControlKind { Label, DotLabel, Edit, Combo, RichEdit, CheckBox };

struct TControlPlacement {
  QString Name;  // empty for the "." labels
  TControlKind Kind;
  int Left, Top, Width, Height;
  QString Caption;  // fixed caption ("." labels, the "1"/"2"/"3" check boxes)
};

// Label top of row r.
constexpr int Row_Top(int r) { return kRow_First_Top + kRow_Pitch * r; }

// The controls of `row` with its label (or check box) at `top`, left to right:
// inputs 3 above the label top, gateway edits 2 above, "." labels on it.
std::vector<TControlPlacement> Row_Placements_At(const TParGenRow& row, int top);
// The controls of row `row` standing at row index `r` (from 0), left to right.
inline std::vector<TControlPlacement> Row_Placements(const TParGenRow& row, int r) {
  return Row_Placements_At(row, Row_Top(r));
}

// The height rule: a panel ends 12 pixels below its lowest visible control, plus
// the group's header.
constexpr int Panel_Height(int lowestBottom) { return lowestBottom + kPanel_Bottom_Margin + kPanel_Header_Height; }

// Names of the four address edits of an address or gateway row ("E_..._IP" + 1..4).
QString Address_Edit_Name(const TParGenRow& row, int part);

// The control that shows each field of ParGen.xml (an edit, or a check box for the
// check-box fields).
extern const std::array<const char16_t*, kParGenFieldCount> ParGen_Field_Controls;

// The designed items of the other models' combo boxes (fixed lists, no typing) and
// the item selected when the form is made. The three Wi-Fi lists that come from the
// language text list are not here.
struct TParGenComboList {
  std::vector<const char16_t*> Controls;
  std::vector<const char16_t*> Items;
  int Selected;
};
const std::vector<TParGenComboList>& ParGen_Combo_Lists();

// The update dialog without its windows: the two variants and their panels, the
// texts, the option tokens of the serial command and the device type of the
// project. The dialog (boot_form.h) lays itself out and labels itself from these.
#pragma once

#include <QString>
#include <array>
#include <span>

// Form_Type of the dialog.
enum TBoot_Form_Type : int { kBoot_Serial = 0, kBoot_Network = 1 };

// The dialog's panels, in the order they are made.
enum TBoot_Panel : int { P_Title, P_IP_Address, P_Serial, P_Eth_Search, P_Options, P_Button, kBoot_Panel_Count };

struct TBoot_Panel_Def {
  const char16_t* Name;
  int Height;
};
extern const std::array<TBoot_Panel_Def, kBoot_Panel_Count> Boot_Panels;

inline constexpr int kBoot_Client_Width = 449;

// A variant: the panels shown between the title and the buttons, top to bottom,
// and the tab order of all six panels.
struct TBoot_Variant {
  std::span<const TBoot_Panel> Stacked;
  std::array<TBoot_Panel, kBoot_Panel_Count> Tab_Order;
};
const TBoot_Variant& Boot_Variant(int formType);
// Client height of a variant: the title, the stacked panels and the buttons.
int Boot_Client_Height(int formType);

// What Set_Lang gives a control: its caption or its hint.
enum class TBoot_Text_Target { Caption, Hint };
struct TBoot_Text {
  const char16_t* Control;  // empty: the dialog itself
  TBoot_Text_Target Target;
  int Text;
};
// The texts that do not depend on the variant.
std::span<const TBoot_Text> Boot_Texts();
// The dialog's caption and subtitle for a variant.
int Boot_Caption_Text(int formType);
int Boot_Subtitle_Text(int formType);
// The three items of the option list: texts 1215 to 1217.
inline constexpr int kBoot_Option_Texts[3] = {1215, 1216, 1217};
// Messages of a failed check.
inline constexpr int kText_Device_Not_Found = 1236;
inline constexpr int kText_Check_Ip_Address = 1237;
// Messages of what the check or the update could not do, each followed by its cause.
inline constexpr int kText_Job_Not_Written = 1238;
inline constexpr int kText_Updater_Not_Started = 1239;
inline constexpr int kText_Echo_Not_Sent = 1240;
inline constexpr int kText_Echo_No_Permission = 1241;

// Appends the updater's option tokens to `prefix` (Read Back on: "FR "/"PR ", off:
// "NO "); an unknown option appends nothing.
QString Update_Options(const QString& prefix, int option, bool readBack);
// The serial variant's command text: "\\.\" + port + " " + the option tokens.
QString Serial_Update_Command(const QString& port, int option, bool readBack);

// BACnet_Type of the project's ParGen.xml as a whole number; 0 when the file or
// the element is missing, unreadable or not a number.
int Get_Type_Dev(const QString& parGenPath);

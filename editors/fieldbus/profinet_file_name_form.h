// The GSDML file name dialog (TFProfinetFileName) and the saving of the PROFINET
// description (gsdml_writer.h). The dialog shows the name's two fixed parts, the
// first "GSDML-V2.25-Zerfal-", the second a dash, the date of the program's start
// and ".xml", around the user's part, which the user types; OK composes the name
// (Name_File_XML), unless the user part holds "/", "\" or "..", which is refused
// and the dialog stays open.
#pragma once

#include "platform/ui/form.h"

class TEdit;
class TFadeButton;
class TLabel;
class TPanel;

class TFProfinetFileName : public TForm {
public:
  explicit TFProfinetFileName(TComponent* AOwner);

  static constexpr int kClient_Width = 540;
  static constexpr int kClient_Height = 205;

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TLabel* L_Select_Name = nullptr;
  TLabel* L_FixPart_1 = nullptr;
  TLabel* L_UsedPart = nullptr;
  TLabel* L_FixPart_2 = nullptr;
  TLabel* L_XML_Fix1 = nullptr;
  TEdit* E_XML_User = nullptr;
  TLabel* L_XML_Fix2 = nullptr;
  TPanel* P_Button = nullptr;
  TFadeButton* Btn_OK = nullptr;
  TFadeButton* Btn_Cancel = nullptr;

  // The name OK composed.
  QString Name_File_XML;

  void FormCreate(TObject* Sender);
  void Set_Lang();
  void Btn_OK_Click(TObject* Sender);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

private:
  void Place_Areas();
};

extern TFProfinetFileName* FProfinetFileName;

// The message when the user part holds a path character.
inline constexpr int kText_GSDML_Name_Refused = 4809;

// Asks where to save the description named `fileName` (a save dialog in the
// project folder; only the folder chosen counts), asks before replacing a file of
// that name there, and writes it. Raises EFileError when it cannot be written.
void Create_GSDML_File(const QString& fileName);

// The main window (TFFabricoreFirmWare): the title area with the software code
// and description, the three picture buttons (Information, Options, Close), the
// column of step buttons with their step labels, the two lines telling the active
// configuration, the maker's address and the "new version" link. Its creation runs
// the program's start-up; one click handler serves every button.
#pragma once

#include "platform/ui/form.h"
#include "platform/xml/xml_document.h"

#include <QString>
#include <vector>

class TFadeButton;
class TLabel;
class TLinkLabel;
class TShape;
class TSaveDialog;
class TTimer;

class TFFabricoreFirmWare : public TForm {
public:
  explicit TFFabricoreFirmWare(TComponent* AOwner);

  void Set_Lang();
  void Change_Language();
  // Starts a program and waits for it at most 150 s (see app/shell/start_program.h).
  void Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo);

  // The click handler of every button.
  void Btn_Click(TObject* Sender);
  void Create_New_Project();
  void Open_Project();
  void Update_Device();
  void Create_ESI_File();
  // The CANopen EDS step: the save dialog, then the sheet (no overwrite question).
  void Build_EDS_File();
  // The SNMP MIB step: the save dialog, the overwrite question, then the module
  // made of the project's SNMP_Trap.xml.
  void Create_MIB_File();
  // The BACnet EDE step: the save dialog (".csv" added unless the name ends so),
  // the overwrite question (Yes, No, Cancel), then the EDE file.
  void BACnet_EDE_File();
  // The PROFINET step: the GSDML file name dialog, then the GSDML file.
  void PROFINET_XML();
  // The BACnet type of the project's ParGen.xml (its element BACnet_Type as a
  // number); 0 when the file is missing, broken or holds no number.
  int Get_Type_BACnet();
  void Timer_UpdateTimer(TObject* Sender);
  void LL_UpdateLinkClick(TObject* Sender, const QString& Link);
  void L_ZerfalClick(TObject* Sender);

  // The step button of that name (nullptr for none).
  TFadeButton* Step_Button(const QString& name) const;
  const std::vector<TFadeButton*>& Step_Buttons() const { return step_buttons_; }

  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TLabel* L_Begin;
  TLabel* L_Step[8];  // L_Step_1 .. L_Step_8
  TLabel* L_Name_Conf;
  TLabel* L_Name_Conf_L2;
  TShape* Shape1;
  TShape* Shape2;
  TLabel* L_Zerfal;
  TLinkLabel* LL_Update;
  TFadeButton* Btn_Info;
  TFadeButton* Btn_Opz;
  TFadeButton* Btn_Close;
  TFadeButton* Btn_New;
  TFadeButton* Btn_Open;
  TFadeButton* Btn_Prm_Gen;
  TFadeButton* Btn_EtherCAT_Set_Access;
  TFadeButton* Btn_Modbus_Set_Access;
  TFadeButton* Btn_EtherCAT_ESI_File;
  TFadeButton* Btn_CreateBin;
  TTimer* Timer_Update;
  TXMLDocument XML1;  // the document object shared by the readers and writers
  TSaveDialog* SD1;
  TSaveDialog* SaveEDS;
  TSaveDialog* SaveMIB;
  TSaveDialog* SaveESI;

private:
  void Create_Controls();
  void Create_Dialogs();
  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void Lay_Out();
  void Make_Program_Folders();
  void Show_Configuration();
  void Show_Project_Step(const QString& formName);

  std::vector<TFadeButton*> step_buttons_;
};

extern TFFabricoreFirmWare* FFabricoreFirmWare;

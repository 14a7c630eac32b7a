// The DeviceNet byte offset editor (TFDefOffset): a master-detail form. Above, the
// read-only list of the slaves of DNETM_Net.xml; below, for the selected slave, its
// input and output bytes on two tab sheets, each byte's offset picked from "None"
// and the positions 0 to 1439 with a mnemonic. The bytes live in the slave objects
// (device_net_offsets.h); the grids show the selected slave's and hand their edits
// back when another slave is selected and on OK. OK checks that no output position
// is taken twice and rewrites DNETM_DefOff.xml; Cancel writes nothing.
//
// Like the table editors, a load that stops shows its error box, the form still
// opens on the slaves read, and OK asks before it overwrites the file (default No).
#pragma once

#include "app/table_editor/form_frame.h"
#include "editors/can/device_net_offsets.h"

class TExColumnGrid;
class TLabel;
class TPageControl;
class TPanel;
class TTabSheet;

class TFDefOffset : public TFramedForm {
public:
  explicit TFDefOffset(TComponent* AOwner);
  ~TFDefOffset() override;

  static constexpr int kClient_Width = 482;
  static constexpr int kClient_Height = 610;
  static constexpr int kSlaves_Height = 162;

  // P_Title with L_SW_Code and L_SW_Desc, P_Button with Btn_OK and Btn_Cancel: the frame's.
  TPanel* Panel1 = nullptr;
  TLabel* Label1 = nullptr;
  TExColumnGrid* ECG_DN_Slaves = nullptr;
  TPanel* Panel3 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TPageControl* PageControl1 = nullptr;
  TTabSheet* TabSheet1 = nullptr;
  TTabSheet* TabSheet2 = nullptr;
  TExColumnGrid* ECG_ByteIN = nullptr;
  TExColumnGrid* ECG_ByteOUT = nullptr;

  // The slaves and their bytes (List_Slaves_DN) with the slave grid's texts.
  TDNetOffsets Model;
  // The slave the byte grids show, -1 for none.
  int Slave_Before_Select = -1;
  int MAX_BYTE_IN = kDN_Offset_Area;
  int MAX_BYTE_OUT = kDN_Offset_Area;

  void FormCreate(TObject* Sender);
  void Set_Lang();
  void FormShow(TObject* Sender);

  void Load_Slave_DN();
  void Load_Offset_Slave_DN();
  void Select_First();
  // The click on the slave grid: the byte grids go back into the slave shown so far,
  // then show the slave of the current row.
  void ECG_DN_SlavesClick(TObject* Sender);
  void Update_Slave_DN();
  bool Save_Data_ByteIN_ByteOUT();
  bool Check_Data();
  void bitbtn1Click(TObject* Sender);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

private:
  void Make_Controls();
  TExColumnGrid* Make_Byte_Grid(TTabSheet* Page, const QString& Name);
  void Fill_Offsets(TExColumnGrid* Grid, int Count);
  void Place_Areas();
  bool Confirm_Failed_Load();
};

extern TFDefOffset* FDefOffset;

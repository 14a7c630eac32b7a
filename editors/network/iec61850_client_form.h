// The IEC 61850 client editor (TFIEC_61850_Access): which data attributes of which
// IEC 61850 servers the converter reads or writes, and which data sets it takes
// with their GOOSE names. The user adds the servers' SCL files (each copied into
// the project's catalog folder and decoded, scl_model.h), browses a device's tree
// and adds leaf attributes to the Variables table or whole data sets to the DataSet
// table, whose members are mapped in the grid below it. Everything is saved in
// IEC_61850_Client.xml (iec61850_client_model.h).
//
// The three grids start with one row and grow as entries are added; a row's Index
// is the position of its device in the device list. A catalog file that is missing
// or cannot be decoded stays in the list as a device marked missing (with a
// warning), so the devices after it keep their positions. A data set member whose
// bType or reference changed in the SCL is named in a warning when the file is
// loaded, and its mapping is left out of the next save. A device that a row still
// refers to cannot be removed; the user is told why.
#pragma once

#include "editors/network/iec61850_client_model.h"
#include "platform/rtl/string_list.h"
#include "platform/ui/form.h"
#include "platform/ui/tree_view.h"

#include <memory>
#include <vector>

class TExColumnGrid;
class TExStringGrid;
class TFadeButton;
class TLabel;
class TListBox;
class TOpenDialog;
class TPageControl;
class TPanel;
class TTabSheet;

class TFIEC_61850_Access : public TForm {
public:
  explicit TFIEC_61850_Access(TComponent* AOwner);
  ~TFIEC_61850_Access() override;

  static constexpr int kClient_Width = 1200;
  static constexpr int kClient_Height = 550;

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TFadeButton* Btn_Add_IEC_Device = nullptr;
  TListBox* LB_IEC_Devices = nullptr;
  TFadeButton* Btn_Remove_IEC_Device = nullptr;
  TTreeView* TV_IEC_Device = nullptr;
  TPageControl* PC_DA_DataSet = nullptr;
  TTabSheet* TS_DA = nullptr;
  TTabSheet* TS_DataSet = nullptr;
  TExColumnGrid* ECG_DA = nullptr;
  TExColumnGrid* ECG_DataSet = nullptr;
  TExColumnGrid* ECG_DS_Vars = nullptr;
  TOpenDialog* OD_IcdFile = nullptr;
  TPanel* P_Button = nullptr;
  TFadeButton* Btn_OK = nullptr;
  TFadeButton* Btn_Cancel = nullptr;
  TFadeButton* Btn_AddVar = nullptr;
  TFadeButton* Btn_RemoveVar = nullptr;
  TFadeButton* Btn_MoveUp = nullptr;  // invisible, no action
  TFadeButton* Btn_ModeDown = nullptr;

  // The listed devices: position k is line k of LB_IEC_Devices.
  std::vector<std::unique_ptr<TIEC_Device>> List_IEC_Dev;
  // Per device: why its catalog file could not be used (empty for a decoded one).
  std::vector<QString> Missing_Reason;
  // The chosen data sets: entry r - 1 belongs to row r of ECG_DataSet.
  std::vector<std::unique_ptr<TDataSet>> List_DataSet;
  TIEC_DA* Selected_IEC_DA = nullptr;
  TIEC_DataSet* Selected_IEC_DS = nullptr;
  TStringList Hint;
  // The ECG_DataSet row whose members ECG_DS_Vars shows and edits; 0: none.
  int DataSet_Row_Select = 0;
  TTreeNode* NODE_ORIG = nullptr;
  // Why the last load of the file stopped (empty when it was read whole).
  QString Load_Failure;

  void FormCreate(TObject* Sender);
  void Set_Lang();
  void FormShow(TObject* Sender);

  void LB_IEC_DevicesClick(TObject* Sender);
  void TV_IEC_DeviceClick(TObject* Sender);
  void TV_IEC_DeviceCustomDrawItem(TObject* Sender, TTreeNode* Node, TCustomDrawState State, bool& DefaultDraw);
  void Btn_Add_IEC_DeviceClick(TObject* Sender);
  void Btn_Remove_IEC_DeviceClick(TObject* Sender);
  void Btn_AddVarClick(TObject* Sender);
  void Btn_RemoveVarClick(TObject* Sender);
  void Btn_OKClick(TObject* Sender);

  void ClickCell(TObject* Sender, int ARow, int ACol);
  void ECG_DADblClickCell(TObject* Sender, int ARow, int ACol);
  void ECG_DAKeyPress(TObject* Sender, QChar& Key);
  void ECG_DAGridHint(TObject* Sender, int ARow, int ACol, QString& HintStr);
  void ECG_DS_VarsSelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
  void ECG_DS_VarsEditCellDone(TObject* Sender, int ACol, int ARow);

  void Show_DataSet_DAs();
  void Show_IEC_Devices();
  void Show_Tree_IEC_Device(TIEC_Device* device);
  TIEC_DataSet* Get_DataSet(int index, const QString& reference);
  TIEC_DA* Search_Node_Selected();
  TIEC_DataSet* Search_Node_Selected_DataSet();
  void Set_Start_Num_Byte();
  bool Controllo_dati();

  // The device of the selected line of LB_IEC_Devices, nullptr for none.
  TIEC_Device* Selected_Device() const;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

private:
  void Make_Controls();
  TExColumnGrid* Make_Grid(TWinControl* parent, const QString& name, int cols);
  void Place_Areas();
  void Clear_All();
  void Load_File();
  // A catalog file as a device; a placeholder marked missing (with the reason) when
  // the file is missing or cannot be decoded.
  void Add_Catalog_Device(const QString& fileName, QStringList& warnings);
  void Clear_Tree();
  void Show_Tree_IEC_LDevice(TTreeNode* parent, TIEC_LDevice* ld);
  void Show_Tree_IEC_LN(TTreeNode* parent, TIEC_LN* ln);
  void Show_Tree_IEC_DO(TTreeNode* parent, TIEC_DO* dobj);
  void Show_Tree_IEC_DA(TTreeNode* parent, TIEC_DA* da);
  void Show_Tree_IEC_DataSet(TTreeNode* parent, TIEC_DataSet* ds);
  // Row to fill in a growing grid: its only row while that row's Index is empty,
  // else a new last row.
  int Next_Row(TExColumnGrid* grid, int indexCol);
  // Removes row r of a growing grid (its only row is emptied instead).
  void Remove_Grid_Row(TExColumnGrid* grid, int row);
  TIEC_Client_File File_Of_Grids() const;
  bool Confirm_Failed_Load();
};

extern TFIEC_61850_Access* FIEC_61850_Access;

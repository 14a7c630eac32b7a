// The OPC UA client editor (TFOPC_UA_Client_Access): the servers the converter
// connects to and, per server, the variables it reads from it and writes to it.
// A master-detail form on the table-editor frame: the server grid above (one row
// per server, changed only through the server dialog), a splitter, and below it
// the read and write grids of the server shown, which are a view of that server's
// two variable lists (opc_ua_model.h) and are stored back into it whenever a grid
// loses the focus and after each row operation.
//
// The variable grids belong to the server they show: a grid is always stored into
// that server, whatever row of the server grid is current; when that server is
// deleted the grids are emptied and store nowhere. Showing reloads
// OPC_UA_Client.xml into new objects; OK checks the objects and rewrites the file
// whole (opc_ua_client_file.h).
#pragma once

#include "app/table_editor/table_editor.h"
#include "editors/network/opc_ua_model.h"
#include "platform/rtl/string_list.h"

class TExColumnGrid;
class TSplitter;

class TFOPC_UA_Client_Access : public TTableEditor {
public:
  explicit TFOPC_UA_Client_Access(TComponent* AOwner);
  ~TFOPC_UA_Client_Access() override;

  static constexpr int kClient_Width = 1150;
  static constexpr int kClient_Height = 660;

  TOPC_UA_Server_List OPC_UA_Server_List;  // server i is server-grid row i + 1
  // The server the variable grid that has the focus is stored into; -1 when none.
  int Ind_Server = -1;
  // The server whose variables the grids show; nullptr when they show none.
  TOPC_UA_Server* Shown_Server = nullptr;

  TStringList Hint_Server_List;
  TStringList& Hint_Var_R_List = Hint_Lists[0];
  TStringList& Hint_Var_W_List = Hint_Lists[1];
  bool& Do_Copy_Read = Do_Copy[0];
  bool& Do_Copy_Write = Do_Copy[1];

  TPanel* P_OPC_UA_Server_List = nullptr;
  TLabel* L_Server_List_Title = nullptr;
  TExColumnGrid* ECG_OPC_UA_Server = nullptr;
  TFadeButton* Btn_Add_Server = nullptr;
  TFadeButton* Btn_Modify_Server = nullptr;
  TFadeButton* Btn_Delete_Server = nullptr;
  TFadeButton* Btn_Scan_Server = nullptr;
  TSplitter* Splitter1 = nullptr;
  TPanel* P_OPC_UA_Var_List = nullptr;
  TLabel* L_Variables_List_Title = nullptr;
  TPageControl* PC_OPC_UA_Vars = nullptr;
  TTabSheet* TS_OPC_UA_Var_Read = nullptr;
  TTabSheet* TS_OPC_UA_Var_Write = nullptr;
  TExColumnGrid* ECG_OPC_UA_Var_R = nullptr;
  TExColumnGrid* ECG_OPC_UA_Var_W = nullptr;
  TFadeButton* Btn_AutoPosition = nullptr;

  void Set_Lang() override;
  bool Controllo_dati() override;

  void Show_OPC_UA_Server_List();
  void Show_OPC_UA_Var_List();
  void Add_Server();
  void Modify_Server();
  void Delete_Server();
  void Scan_Server();
  // The grid into the server Ind_Server (nothing when it is -1).
  void Save_Variable_in_Read();
  void Save_Variable_in_Write();

  void ECG_OPC_UA_ServerClickCell(TObject* Sender, int ARow, int ACol);
  void ECG_OPC_UA_ServerDblClickCell(TObject* Sender, int ARow, int ACol);
  void ECG_OPC_UA_Var_Enter(TObject* Sender);
  void ECG_OPC_UA_Var_Exit(TObject* Sender);
  void GridHint(TObject* Sender, int ARow, int ACol, QString& HintStr) override;

  void Btn_OKClick(TObject* Sender) override;
  void Btn_DelRowClick(TObject* Sender) override;
  void Btn_InsRowClick(TObject* Sender) override;
  void Btn_CopyRowClick(TObject* Sender) override;
  void Btn_PasteRowClick(TObject* Sender) override;
  void Btn_AutoPositionClick(TObject* Sender);

  // The index of a server in the list, -1 when it is not there.
  int Index_Of(const TOPC_UA_Server* server) const;
  // The server of the server grid's current row; nullptr when the row has none.
  TOPC_UA_Server* Current_Server() const;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
  void Prepare_Show() override {}
  void Load_File() override;
  void Finish_Show() override;
  void Save_File() override;

private:
  void Make_Server_Area();
  void Make_Variable_Area();
  void Place_Client_Areas();
  // A grid that has the focus goes into its server before a button acts (the
  // buttons take the focus when pressed, which stores it too; this keeps a
  // button's work right however it was pressed).
  void Store_Entered_Grid();
  // The active grid into the server it shows, after a row operation.
  void Store_Active_Grid();
  void Store_Grid(TExStringGrid* grid, TOPC_UA_Server* server);
  // Appends the scanned rows picked in one column of the scan dialog; answers how
  // many did not fit.
  int Add_Variables(TOPC_UA_Variable_List& list, int column);

  TExStringGrid* Entered_Grid = nullptr;  // the variable grid that has the focus
  int Splitter_Top = 0;  // where the user left the splitter (0: not moved)
};

extern TFOPC_UA_Client_Access* FOPC_UA_Client_Access;

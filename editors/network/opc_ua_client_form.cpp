#include "editors/network/opc_ua_client_form.h"

#include "app/grid_rows/grid_rows.h"
#include "app/language/language.h"
#include "app/routines/opc_ua_names.h"
#include "app/state/comon.h"
#include "app/table_editor/form_frame.h"
#include "app/table_editor/table_editor_grids.h"
#include "controls/button/fade_button.h"
#include "editors/network/opc_ua_add_server_form.h"
#include "editors/network/opc_ua_client_file.h"
#include "editors/network/opc_ua_format.h"
#include "editors/network/opc_ua_scan_form.h"
#include "grid/view/column_grid.h"
#include "platform/rtl/strings.h"
#include "platform/ui/check_box.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/edit.h"
#include "platform/ui/labels.h"
#include "platform/ui/list_controls.h"
#include "platform/ui/memo.h"
#include "platform/ui/page_control.h"
#include "platform/ui/shapes.h"
#include "platform/ui/splitter.h"

#include <algorithm>

TFOPC_UA_Client_Access* FOPC_UA_Client_Access = nullptr;

namespace {

constexpr int kServer_Columns = 11;
constexpr int kDelete_Server_Text = 4189;
constexpr int kScan_Without_Server_Text = 4190;
constexpr int kAppend_Read_Text = 4191;
constexpr int kAppend_Write_Text = 4192;
constexpr int kDelete_Row_Text = 4193;
constexpr int kAuto_Position_Text = 4194;
constexpr int kNot_Added_Text = 4221;

// The two areas between title and buttons: the server area on top keeps this
// height until the user moves the splitter.
constexpr int kServer_Area_Height = 230;
constexpr int kSplitter_Height = 4;
constexpr int kMin_Area_Height = 80;
constexpr int kArea_Title_Height = 26;  // the label above each area's grid or pages
constexpr int kServer_Button_Top = 2;

const QStringList kNode_Types = {"Numeric", "String", "Guid", "ByteString"};

QStringList Var_Type_Names() {
  QStringList names;
  for (const char16_t* name : kOPC_UA_Var_Types) names.append(QString::fromUtf16(name));
  return names;
}

// Columns 0 to 6 of both variable tables; then the read table's Var/Array, Start
// and Length, or the write table's three write flags; then Time, Position and
// Mnemonic.
TEditorTableSpec Variable_Table(bool read) {
  TEditorTableSpec t{.Sheet = read ? "TS_OPC_UA_Var_Read" : "TS_OPC_UA_Var_Write",
                     .Grid = read ? "ECG_OPC_UA_Var_R" : "ECG_OPC_UA_Var_W",
                     .Rows = kOV_Rows};
  const int title = read ? 4145 : 4164;
  const int hint = read ? 4155 : 4177;
  t.Columns = {
      {.Title = title, .Width = 40},
      {.Title = title + 1, .Hint = hint, .Width = 50, .Editor = edDataCheckBox, .Attribute = {"Enable"}},
      {.Title = title + 2, .Hint = hint + 1, .Width = 170, .Attribute = {"DisplayName"}},
      {.Title = title + 3, .Hint = hint + 2, .Width = 90, .Editor = edComboList, .Attribute = {"NodeType"},
       .Items = TColumnItems::Choices, .Choices = kNode_Types},
      {.Title = title + 4, .Hint = hint + 3, .Width = 260, .Attribute = {"NodeID"}},
      {.Title = title + 5, .Hint = hint + 4, .Width = 90, .Editor = edComboList, .Attribute = {"VarType"},
       .Items = TColumnItems::Choices, .Choices = Var_Type_Names()},
      {.Title = title + 6, .Hint = hint + 5, .Width = 110, .Attribute = {"NameSpaceIndex"}},
  };
  if (read) {
    t.Columns.append({.Title = 4205, .Hint = 4208, .Width = 80, .Editor = edComboList, .Attribute = {"VarArray"},
                      .Items = TColumnItems::Choices, .Choices = {"Variable", "Array"}});
    t.Columns.append({.Title = 4206, .Hint = 4209, .Width = 60, .Attribute = {"Start"}});
    t.Columns.append({.Title = 4207, .Hint = 4210, .Width = 60, .Attribute = {"Length"}});
    t.Columns.append({.Title = 4152, .Hint = 4161, .Width = 80, .Attribute = {"Time"}});
    t.Columns.append({.Title = 4153, .Hint = 4162, .Width = 70, .Attribute = {"Position"}});
    t.Columns.append({.Title = 4154, .Hint = 4163, .Width = 160, .Attribute = {"Mnemonic"}});
  } else {
    // The write table's hints of On Change and On CMD stand in the other order.
    t.Columns.append({.Title = 4171, .Hint = 4184, .Width = 75, .Editor = edDataCheckBox, .Attribute = {"OnChange"}});
    t.Columns.append({.Title = 4172, .Hint = 4183, .Width = 65, .Editor = edDataCheckBox, .Attribute = {"OnCMD"}});
    t.Columns.append({.Title = 4173, .Hint = 4185, .Width = 70, .Editor = edDataCheckBox, .Attribute = {"OnTimer"}});
    t.Columns.append({.Title = 4174, .Hint = 4186, .Width = 80, .Attribute = {"Time"}});
    t.Columns.append({.Title = 4175, .Hint = 4187, .Width = 70, .Attribute = {"Position"}});
    t.Columns.append({.Title = 4176, .Hint = 4188, .Width = 160, .Attribute = {"Mnemonic"}});
  }
  t.KeyColumn = kOV_DisplayName;
  t.KeyTrimmed = false;
  t.EnableColumn = kOV_Enable;
  t.DeleteQuestion = kDelete_Row_Text;
  return t;
}

TTableEditorSpec Make_Spec() {
  TTableEditorSpec s{.FormName = "FOPC_UA_Client_Access",
                     .ClientWidth = TFOPC_UA_Client_Access::kClient_Width,
                     .ClientHeight = TFOPC_UA_Client_Access::kClient_Height,
                     .Caption = 4100,
                     .Description = 4101,
                     .ButtonCaptions = {4133, 4134, 4135, 4136, 4137, 4138},
                     .ButtonHints = {4139, 4140, 4141, 4142, 4143, 4144}};
  s.Root = QStringLiteral("OPC_UA_Client");
  s.Path = &File_OPC_UA_Client;
  Set_Message_Texts(s, 4217);
  s.Tables = {Variable_Table(true), Variable_Table(false)};
  return s;
}

const TTableEditorSpec kClient_Spec = Make_Spec();

struct TServerColumn {
  int Title;
  int Hint;
  int Width;
};
constexpr TServerColumn kServer_Grid[kServer_Columns] = {
    {4111, 0, 40},     {4112, 4122, 50},  {4113, 4123, 200}, {4114, 4124, 150}, {4115, 4125, 90}, {4116, 4126, 90},
    {4117, 4127, 110}, {4118, 4128, 110}, {4119, 4129, 110}, {4120, 4130, 150}, {4121, 4131, 160},
};

QStringList Server_Row(const TOPC_UA_Server& s) {
  return {s.Enable ? QStringLiteral("Y") : QStringLiteral("N"),
          s.ServerAddress,
          s.Authorization,
          s.UserName,
          s.Password,
          s.Certificate,
          s.PrivateKey,
          s.SecurityType,
          s.SecurityPolicy,
          s.Mnemonic};
}

TFadeButton* Make_Area_Button(TForm* form, TPanel* panel, const QString& name, int left) {
  auto* button = new TFadeButton(form);
  button->SetName(name);
  button->SetParent(panel);
  button->SetBounds(left, kServer_Button_Top, 110, 22);
  button->SetShowHint(true);
  return button;
}

TLabel* Make_Area_Title(TForm* form, TPanel* panel, const QString& name) {
  auto* label = new TLabel(form);
  label->SetName(name);
  label->SetParent(panel);
  label->SetBounds(8, 5, 220, 16);
  label->Font()->SetStyle({fsBold});
  return label;
}

TPanel* Make_Area(TForm* form, const QString& name) {
  auto* panel = new TPanel(form);
  panel->SetName(name);
  panel->SetParent(form);
  panel->SetBevelOuter(bvNone);
  panel->SetColor(TTableEditor::kForm_Color);
  return panel;
}

}  // namespace

TFOPC_UA_Client_Access::TFOPC_UA_Client_Access(TComponent* AOwner) : TTableEditor(AOwner, kClient_Spec) {
  Make_Server_Area();
  Make_Variable_Area();
  Btn_AutoPosition = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_AutoPosition"), 724, 110);
  Btn_AutoPosition->SetCaption(QStringLiteral("Auto Pos"));
  Btn_AutoPosition->OnClick = [this](TObject* s) { Btn_AutoPositionClick(s); };
  Place_Client_Areas();
}

TFOPC_UA_Client_Access::~TFOPC_UA_Client_Access() = default;

void TFOPC_UA_Client_Access::Make_Server_Area() {
  P_OPC_UA_Server_List = Make_Area(this, QStringLiteral("P_OPC_UA_Server_List"));
  L_Server_List_Title = Make_Area_Title(this, P_OPC_UA_Server_List, QStringLiteral("L_Server_List_Title"));
  Btn_Add_Server = Make_Area_Button(this, P_OPC_UA_Server_List, QStringLiteral("Btn_Add_Server"), 240);
  Btn_Modify_Server = Make_Area_Button(this, P_OPC_UA_Server_List, QStringLiteral("Btn_Modify_Server"), 358);
  Btn_Delete_Server = Make_Area_Button(this, P_OPC_UA_Server_List, QStringLiteral("Btn_Delete_Server"), 476);
  Btn_Scan_Server = Make_Area_Button(this, P_OPC_UA_Server_List, QStringLiteral("Btn_Scan_Server"), 594);
  Btn_Add_Server->OnClick = [this](TObject*) { Add_Server(); };
  Btn_Modify_Server->OnClick = [this](TObject*) { Modify_Server(); };
  Btn_Delete_Server->OnClick = [this](TObject*) { Delete_Server(); };
  Btn_Scan_Server->OnClick = [this](TObject*) { Scan_Server(); };

  ECG_OPC_UA_Server = new TExColumnGrid(this);
  TExColumnGrid* g = ECG_OPC_UA_Server;
  g->SetName(QStringLiteral("ECG_OPC_UA_Server"));
  g->SetParent(P_OPC_UA_Server_List);
  g->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRowSelect, goColSizing});
  g->SetColCount(kServer_Columns);
  g->SetRowCount(2);
  g->SetFixedCols(1);
  g->SetFixedRows(1);
  g->FixedRowAlways = true;
  g->SetDefaultRowHeight(22);
  g->SetShowHint(true);
  for (int c = 0; c < kServer_Columns; ++c) {
    TGridColumnItem* item = g->Columns()->Items(c);
    item->SetWidth(kServer_Grid[c].Width);
    if (c == 1) item->SetAlignment(taCenter);
  }
  g->OnClickCell = [this](TObject* s, int r, int c) { ECG_OPC_UA_ServerClickCell(s, r, c); };
  g->OnDblClickCell = [this](TObject* s, int r, int c) { ECG_OPC_UA_ServerDblClickCell(s, r, c); };
  g->OnGridHint = [this](TObject* s, int r, int c, QString& h) { GridHint(s, r, c, h); };

  Splitter1 = new TSplitter(this);
  Splitter1->SetName(QStringLiteral("Splitter1"));
  Splitter1->SetParent(this);
  Splitter1->SetColor(kForm_Color);
  Splitter1->SetMinSize(kMin_Area_Height);
  Splitter1->OnMoved = [this](TObject*) {
    Splitter_Top = Splitter1->Top();
    Place_Client_Areas();
    Splitter_Top = Splitter1->Top();  // where the areas' limits left it
  };
}

// The base's page control and grids move into the lower area under its title.
void TFOPC_UA_Client_Access::Make_Variable_Area() {
  P_OPC_UA_Var_List = Make_Area(this, QStringLiteral("P_OPC_UA_Var_List"));
  L_Variables_List_Title = Make_Area_Title(this, P_OPC_UA_Var_List, QStringLiteral("L_Variables_List_Title"));
  PC_OPC_UA_Vars = PageControl1;
  PC_OPC_UA_Vars->SetName(QStringLiteral("PC_OPC_UA_Vars"));
  PC_OPC_UA_Vars->SetParent(P_OPC_UA_Var_List);
  TS_OPC_UA_Var_Read = Sheets[0];
  TS_OPC_UA_Var_Write = Sheets[1];
  ECG_OPC_UA_Var_R = Column_Grid(0);
  ECG_OPC_UA_Var_W = Column_Grid(1);
  for (TExColumnGrid* g : {ECG_OPC_UA_Var_R, ECG_OPC_UA_Var_W}) {
    g->OnEnter = [this](TObject* s) { ECG_OPC_UA_Var_Enter(s); };
    g->OnExit = [this](TObject* s) { ECG_OPC_UA_Var_Exit(s); };
  }
}

// ---------------------------------------------------------------------------
// Texts

void TFOPC_UA_Client_Access::Set_Lang() {
  TTableEditor::Set_Lang();
  if (!ECG_OPC_UA_Server) return;  // the base's first call, before the areas exist
  // The tabs and the automatic positions keep their own captions.
  TS_OPC_UA_Var_Read->SetCaption(QStringLiteral("Variables in Read"));
  TS_OPC_UA_Var_Write->SetCaption(QStringLiteral("Variables in Write"));
  L_Server_List_Title->SetCaption(Lang_Text(4102));
  L_Variables_List_Title->SetCaption(Lang_Text(4132));
  Hint_Server_List.Clear();
  for (int c = 0; c < kServer_Columns; ++c) {
    ECG_OPC_UA_Server->Columns()->Items(c)->SetHeader(Lang_Text(kServer_Grid[c].Title));
    if (c > 0) Hint_Server_List.Add(Lang_Text(kServer_Grid[c].Hint));
  }
  TFadeButton* const buttons[] = {Btn_Add_Server, Btn_Modify_Server, Btn_Delete_Server, Btn_Scan_Server};
  for (int i = 0; i < 4; ++i) {
    buttons[i]->SetCaption(Lang_Text(4103 + i));
    buttons[i]->SetHint(Lang_Text(4107 + i));
  }
}

// ---------------------------------------------------------------------------
// Showing

void TFOPC_UA_Client_Access::Load_File() {
  ECG_OPC_UA_Server->SetRowCount(2);
  for (int c = 0; c < ECG_OPC_UA_Server->AllColCount(); ++c) ECG_OPC_UA_Server->SetCellEx(c, 1, QString());
  Shown_Server = nullptr;
  Entered_Grid = nullptr;
  const TEditorLoad load = Load_OPC_UA_Client(File_OPC_UA_Client, OPC_UA_Server_List);
  Load_Failure = load.Failure;
  Load_Box = load.Box;
  Surplus_Rows = load.Surplus;
  Show_OPC_UA_Server_List();
  Show_OPC_UA_Var_List();
}

void TFOPC_UA_Client_Access::Finish_Show() { Ind_Server = -1; }

void TFOPC_UA_Client_Access::Show_OPC_UA_Server_List() {
  TExColumnGrid* g = ECG_OPC_UA_Server;
  const int count = int(OPC_UA_Server_List.size());
  g->SetRowCount(std::max(1, count) + 1);
  if (count == 0) {
    for (int c = 0; c < g->AllColCount(); ++c) g->SetCellEx(c, 1, QString());
    return;
  }
  for (int i = 0; i < count; ++i) {
    const QStringList cells = Server_Row(*OPC_UA_Server_List[size_t(i)]);
    g->SetCellEx(0, i + 1, IntToStr(i + 1));
    for (int c = 0; c < cells.size(); ++c) g->SetCellEx(c + 1, i + 1, cells[c]);
  }
}

void TFOPC_UA_Client_Access::Show_OPC_UA_Var_List() {
  TGridEditorTable read(ECG_OPC_UA_Var_R);
  TGridEditorTable write(ECG_OPC_UA_Var_W);
  Erase_Variables(read);
  Erase_Variables(write);
  Shown_Server = Current_Server();
  if (Shown_Server) {
    Show_Variables(Shown_Server->Var_List_R, true, read);
    Show_Variables(Shown_Server->Var_List_W, false, write);
  }
  // A grid that has the focus now belongs to the server it shows.
  if (Entered_Grid) Ind_Server = Index_Of(Shown_Server);
}

int TFOPC_UA_Client_Access::Index_Of(const TOPC_UA_Server* server) const {
  for (size_t i = 0; i < OPC_UA_Server_List.size(); ++i)
    if (server && OPC_UA_Server_List[i].get() == server) return int(i);
  return -1;
}

TOPC_UA_Server* TFOPC_UA_Client_Access::Current_Server() const {
  const int row = ECG_OPC_UA_Server->Row();
  if (row < 1 || row > int(OPC_UA_Server_List.size())) return nullptr;
  return OPC_UA_Server_List[size_t(row - 1)].get();
}

// ---------------------------------------------------------------------------
// Servers

void TFOPC_UA_Client_Access::ECG_OPC_UA_ServerClickCell(TObject*, int ARow, int) {
  if (ARow > 0) Show_OPC_UA_Var_List();
}

void TFOPC_UA_Client_Access::ECG_OPC_UA_ServerDblClickCell(TObject*, int ARow, int) {
  if (ARow == -1)
    Add_Server();
  else
    Modify_Server();
}

namespace {

void Server_From_Dialog(TOPC_UA_Server& s, TFOPC_UA_Add_Server& d) {
  s.Enable = d.CB_OPC_UA_Server_Enable->Checked();
  s.ServerAddress = d.E_Server_Add->Text();
  s.Authorization = OPC_UA_Auth_Name(d.CB_Auth->ItemIndex());
  s.UserName = d.E_User->Text();
  s.Password = d.E_Pass->Text();
  s.Certificate = d.RE_Certificate->LinesText();
  s.PrivateKey = d.RE_Priv_Key->LinesText();
  s.SecurityType = OPC_UA_Security_Mode_Name(d.CB_Sec_Type->ItemIndex());
  s.SecurityPolicy = OPC_UA_Security_Policy_Name(d.CB_Sec_Policy->ItemIndex());
  s.Mnemonic = d.E_Mnemonic->Text();
}

void Server_To_Dialog(const TOPC_UA_Server& s, TFOPC_UA_Add_Server& d) {
  d.CB_OPC_UA_Server_Enable->SetChecked(s.Enable);
  d.E_Server_Add->SetText(s.ServerAddress);
  d.CB_Auth->SetItemIndex(OPC_UA_Auth_Code(s.Authorization));
  d.E_User->SetText(s.UserName);
  d.E_Pass->SetText(s.Password);
  d.RE_Certificate->SetLinesText(s.Certificate);
  d.RE_Priv_Key->SetLinesText(s.PrivateKey);
  d.CB_Sec_Type->SetItemIndex(OPC_UA_Security_Mode_Code(s.SecurityType));
  d.CB_Sec_Policy->SetItemIndex(OPC_UA_Security_Policy_Code(s.SecurityPolicy));
  d.E_Mnemonic->SetText(s.Mnemonic);
}

}  // namespace

void TFOPC_UA_Client_Access::Add_Server() {
  Store_Entered_Grid();
  FOPC_UA_Add_Server->FormType = 1;
  if (FOPC_UA_Add_Server->ShowModal() == mrOk) {
    OPC_UA_Server_List.push_back(std::make_unique<TOPC_UA_Server>());
    Server_From_Dialog(*OPC_UA_Server_List.back(), *FOPC_UA_Add_Server);
  }
  Show_OPC_UA_Server_List();
}

void TFOPC_UA_Client_Access::Modify_Server() {
  Store_Entered_Grid();
  if (TOPC_UA_Server* server = Current_Server()) {
    FOPC_UA_Add_Server->FormType = 2;
    Server_To_Dialog(*server, *FOPC_UA_Add_Server);
    if (FOPC_UA_Add_Server->ShowModal() == mrOk) Server_From_Dialog(*server, *FOPC_UA_Add_Server);
  }
  Show_OPC_UA_Server_List();
}

void TFOPC_UA_Client_Access::Delete_Server() {
  Store_Entered_Grid();
  if (TOPC_UA_Server* server = Current_Server()) {
    if (MessageDlg(Lang_Text(kDelete_Server_Text), mtConfirmation, {mbYes, mbNo, mbCancel}) == mrYes) {
      // The grids showing the deleted server's variables belong to no server any
      // more: they are emptied and store nowhere.
      if (server == Shown_Server) {
        TGridEditorTable read(ECG_OPC_UA_Var_R);
        TGridEditorTable write(ECG_OPC_UA_Var_W);
        Erase_Variables(read);
        Erase_Variables(write);
        Shown_Server = nullptr;
      }
      OPC_UA_Server_List.erase(OPC_UA_Server_List.begin() + Index_Of(server));
      if (Entered_Grid) Ind_Server = Index_Of(Shown_Server);
    }
  }
  Show_OPC_UA_Server_List();
}

int TFOPC_UA_Client_Access::Add_Variables(TOPC_UA_Variable_List& list, int column) {
  TExColumnGrid* grid = FOPC_UA_Scan_Server->ECG_OPC_UA_Scan_Var;
  const std::vector<TOPC_UA_Scan_Result>& found = FOPC_UA_Scan_Server->List_Var;
  int dropped = 0;
  for (int row = 1; row < grid->RowCount() && row <= int(found.size()); ++row) {
    if (grid->GetCellEx(column, row) != u"Y") continue;
    if (int(list.size()) >= kOV_Rows) {
      ++dropped;
      continue;
    }
    const TOPC_UA_Scan_Result& result = found[size_t(row - 1)];
    const opcua_structure r = result.Record();
    auto v = std::make_unique<TOPC_UA_Variable>();
    v->Enable = true;
    v->nameSpaceIndex = r.nameSpaceIndex;
    v->identifierType = r.identifierType;
    v->numeric = r.numeric;
    v->guide1 = r.guide1;
    v->guide2 = r.guide2;
    v->guide3 = r.guide3;
    std::copy(std::begin(r.guide4), std::end(r.guide4), v->guide4.begin());
    v->dataType = r.dataType;
    v->DispalyName = result.Display_Name();
    v->stringname = result.String_Name();
    v->byteString = result.Byte_String();
    list.push_back(std::move(v));
  }
  return dropped;
}

void TFOPC_UA_Client_Access::Scan_Server() {
  Store_Entered_Grid();
  TOPC_UA_Server* server = Current_Server();
  if (!server) {
    MessageDlg(Lang_Text(kScan_Without_Server_Text), mtError, {mbOK});
    return;
  }
  TOPC_UA_Scan_Request& request = FOPC_UA_Scan_Server->Server;
  request.Server_Address = server->ServerAddress;
  request.User_Name = server->UserName;
  request.Password = server->Password;
  request.Certificate = server->Certificate;
  request.Private_Key = server->PrivateKey;
  request.Auth = OPC_UA_Auth_Code(server->Authorization);
  request.Security_Type = OPC_UA_Security_Mode_Code(server->SecurityType);
  request.Security_Policy = OPC_UA_Security_Policy_Code(server->SecurityPolicy);
  if (FOPC_UA_Scan_Server->ShowModal() != mrOk) return;
  if (!FOPC_UA_Scan_Server->List_Var.empty()) {
    int dropped = 0;
    for (const bool read : {true, false}) {
      TOPC_UA_Variable_List& list = read ? server->Var_List_R : server->Var_List_W;
      if (!list.empty()) {
        const int answer = MessageDlg(Lang_Text(read ? kAppend_Read_Text : kAppend_Write_Text), mtConfirmation,
                                      {mbYes, mbNo, mbCancel});
        if (answer == mrCancel) continue;
        if (answer == mrNo) Free_Variables(list);
      }
      dropped += Add_Variables(list, read ? kOS_Scan_Read : kOS_Scan_Write);
    }
    if (dropped > 0) MessageDlg(Format_Numbers(Lang_Text(kNot_Added_Text), {dropped, kOV_Rows}), mtWarning, {mbOK});
  }
  Show_OPC_UA_Var_List();
}

// ---------------------------------------------------------------------------
// Variable grids

void TFOPC_UA_Client_Access::ECG_OPC_UA_Var_Enter(TObject* Sender) {
  Entered_Grid = Grids[size_t(std::max(0, Table_Of(Sender)))];
  Ind_Server = Index_Of(Shown_Server);
}

void TFOPC_UA_Client_Access::ECG_OPC_UA_Var_Exit(TObject* Sender) {
  if (Ind_Server >= 0) {
    if (Sender == ECG_OPC_UA_Var_R) Save_Variable_in_Read();
    if (Sender == ECG_OPC_UA_Var_W) Save_Variable_in_Write();
  }
  Ind_Server = -1;
  Entered_Grid = nullptr;
}

void TFOPC_UA_Client_Access::Save_Variable_in_Read() {
  if (Ind_Server >= 0 && Ind_Server < int(OPC_UA_Server_List.size()))
    Store_Grid(ECG_OPC_UA_Var_R, OPC_UA_Server_List[size_t(Ind_Server)].get());
}

void TFOPC_UA_Client_Access::Save_Variable_in_Write() {
  if (Ind_Server >= 0 && Ind_Server < int(OPC_UA_Server_List.size()))
    Store_Grid(ECG_OPC_UA_Var_W, OPC_UA_Server_List[size_t(Ind_Server)].get());
}

void TFOPC_UA_Client_Access::Store_Grid(TExStringGrid* grid, TOPC_UA_Server* server) {
  if (!server || Index_Of(server) < 0) return;
  const bool read = grid == ECG_OPC_UA_Var_R;
  Store_Variables(TGridEditorTable(grid), read, read ? server->Var_List_R : server->Var_List_W);
}

void TFOPC_UA_Client_Access::Store_Entered_Grid() {
  if (Entered_Grid && Ind_Server >= 0) Store_Grid(Entered_Grid, OPC_UA_Server_List[size_t(Ind_Server)].get());
}

void TFOPC_UA_Client_Access::Store_Active_Grid() { Store_Grid(Active_Grid(), Shown_Server); }

void TFOPC_UA_Client_Access::GridHint(TObject* Sender, int ARow, int ACol, QString& HintStr) {
  if (Sender != ECG_OPC_UA_Server) {
    TTableEditor::GridHint(Sender, ARow, ACol, HintStr);
    return;
  }
  HintStr = ARow == 0 && ACol >= 1 && ACol - 1 < Hint_Server_List.Count() ? Hint_Server_List[ACol - 1] : QString();
}

// ---------------------------------------------------------------------------
// Buttons

void TFOPC_UA_Client_Access::Btn_DelRowClick(TObject*) {
  Store_Entered_Grid();
  TExStringGrid* grid = Active_Grid();
  const int row = grid->Row();
  if (row < 1 || row >= grid->RowCount()) return;
  if (MessageDlg(Delete_Question(Active_Table(), row), mtConfirmation, {mbYes, mbNo}) != mrYes) return;
  Delete_Column_Grid_Row(row, Column_Grid(Active_Table()));
  Store_Active_Grid();
}

void TFOPC_UA_Client_Access::Btn_InsRowClick(TObject* Sender) {
  Store_Entered_Grid();
  TTableEditor::Btn_InsRowClick(Sender);
  Store_Active_Grid();
}

void TFOPC_UA_Client_Access::Btn_CopyRowClick(TObject* Sender) {
  Store_Entered_Grid();
  TTableEditor::Btn_CopyRowClick(Sender);
}

void TFOPC_UA_Client_Access::Btn_PasteRowClick(TObject* Sender) {
  Store_Entered_Grid();
  TTableEditor::Btn_PasteRowClick(Sender);
  Store_Active_Grid();
}

void TFOPC_UA_Client_Access::Btn_AutoPositionClick(TObject*) {
  Store_Entered_Grid();
  TOPC_UA_Server* server = Current_Server();
  if (!server) return;
  if (MessageDlg(Lang_Text(kAuto_Position_Text), mtConfirmation, {mbYes, mbNo}) != mrYes) return;
  Auto_Position(OPC_UA_Server_List, Index_Of(server));
  Show_OPC_UA_Var_List();
}

void TFOPC_UA_Client_Access::Btn_OKClick(TObject* Sender) {
  Store_Entered_Grid();
  TTableEditor::Btn_OKClick(Sender);
}

bool TFOPC_UA_Client_Access::Controllo_dati() {
  const std::optional<TOPC_UA_Check_Failure> failure = Check_OPC_UA_Client(OPC_UA_Server_List);
  if (!failure) return true;
  MessageDlg(OPC_UA_Check_Message(*failure), mtError, {mbOK});
  return false;
}

void TFOPC_UA_Client_Access::Save_File() { Save_OPC_UA_Client(File_OPC_UA_Client, OPC_UA_Server_List); }

// ---------------------------------------------------------------------------
// Layout: title, the server area, the splitter, the variable area, the buttons.

void TFOPC_UA_Client_Access::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TTableEditor::SetBounds(ALeft, ATop, AWidth, AHeight);
  Place_Client_Areas();
}

void TFOPC_UA_Client_Access::Place_Client_Areas() {
  if (!P_OPC_UA_Server_List || !P_OPC_UA_Var_List || !Splitter1) return;
  const int w = ClientWidth();
  const int top = kTitle_Height;
  const int bottom = std::max(top, ClientHeight() - kButtons_Height);
  const int room = bottom - top;
  // Each area keeps at least kMin_Area_Height where the room allows.
  int server_height = Splitter_Top > 0 ? Splitter_Top - top : kServer_Area_Height;
  const int highest = std::max(0, room - kSplitter_Height - kMin_Area_Height);
  server_height = std::clamp(server_height, std::min(kMin_Area_Height, highest), highest);
  P_OPC_UA_Server_List->SetBounds(0, top, w, server_height);
  ECG_OPC_UA_Server->SetBounds(0, kArea_Title_Height, w, std::max(0, server_height - kArea_Title_Height));
  Splitter1->SetBounds(0, top + server_height, w, kSplitter_Height);
  const int var_top = top + server_height + kSplitter_Height;
  const int var_height = std::max(0, bottom - var_top);
  P_OPC_UA_Var_List->SetBounds(0, var_top, w, var_height);
  const int pages_height = std::max(0, var_height - kArea_Title_Height);
  PC_OPC_UA_Vars->SetBounds(0, kArea_Title_Height, w, pages_height);
  for (TExStringGrid* grid : Grids)
    grid->SetBounds(0, 0, std::max(0, w - kSheet_Frame), std::max(0, pages_height - kSheet_Top));
}

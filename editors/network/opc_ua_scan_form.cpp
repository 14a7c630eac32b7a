#include "editors/network/opc_ua_scan_form.h"

#include "app/language/language.h"
#include "app/routines/opc_ua_names.h"
#include "app/state/comon.h"
#include "app/table_editor/form_frame.h"
#include "app/table_editor/table_editor.h"
#include "controls/button/fade_button.h"
#include "editors/network/opc_ua_format.h"
#include "grid/view/column_grid.h"
#include "platform/rtl/strings.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/labels.h"
#include "platform/ui/shapes.h"
#include "platform/ui/timer.h"

#include <utility>

TFOPC_UA_Scan_Server* FOPC_UA_Scan_Server = nullptr;

namespace {

constexpr int kColumns = 9;
constexpr int kTime_Out_Text = 4432;
// How often the dialog looks whether the scan has answered.
constexpr int kWait_Interval_Ms = 50;

struct TScanColumn {
  int Title;  // 0: the title set in the form
  int Width;
  TEditorType Editor;
  bool ReadOnly;
};
constexpr TScanColumn kScan_Columns[kColumns] = {
    {4410, 40, edNormal, false},        {4411, 50, edDataCheckBox, false}, {4424, 50, edDataCheckBox, false},
    {4412, 220, edNormal, true},        {4413, 90, edNormal, true},        {4414, 280, edNormal, true},
    {4415, 90, edNormal, true},         {4416, 110, edNormal, true},       {0, 80, edNormal, false},
};

QString Access_Text(int level) {
  if (level == OPCUA_ACCESS_READ) return QStringLiteral("Read");
  if (level == OPCUA_ACCESS_WRITE) return QStringLiteral("Write");
  return QStringLiteral("Read/Write");
}

}  // namespace

TFOPC_UA_Scan_Server::TFOPC_UA_Scan_Server(TComponent* AOwner) : TForm(AOwner) {
  const TFormTitle title = Make_Dialog_Frame(this, QStringLiteral("FOPC_UA_Scan_Server"), 400);
  P_Title = title.Panel;
  L_SW_Code = title.Code;
  L_SW_Desc = title.Desc;
  LWaiting = new TLabel(this);
  LWaiting->SetName(QStringLiteral("LWaiting"));
  LWaiting->SetParent(P_Title);
  LWaiting->SetBounds(420, 16, 420, 36);
  LWaiting->SetAlignment(taCenter);
  LWaiting->Font()->SetHeight(-28);
  LWaiting->Font()->SetStyle({fsBold});
  LWaiting->Font()->SetColor(clRed);
  LWaiting->SetVisible(false);

  ECG_OPC_UA_Scan_Var = new TExColumnGrid(this);
  TExColumnGrid* g = ECG_OPC_UA_Scan_Var;
  g->SetName(QStringLiteral("ECG_OPC_UA_Scan_Var"));
  g->SetParent(this);
  g->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing});
  g->SetColCount(kColumns);
  g->SetRowCount(2);
  g->SetFixedCols(1);
  g->SetFixedRows(1);
  g->FixedRowAlways = true;
  g->SetDefaultRowHeight(22);
  for (int c = 0; c < kColumns; ++c) {
    TGridColumnItem* item = g->Columns()->Items(c);
    item->SetWidth(kScan_Columns[c].Width);
    if (c == 0) continue;
    item->SetEditor(kScan_Columns[c].Editor);
    item->ReadOnly = kScan_Columns[c].ReadOnly;
    if (kScan_Columns[c].Editor == edDataCheckBox) item->SetAlignment(taCenter);
  }
  g->Columns()->Items(8)->SetHeader(QStringLiteral("Read/Write"));

  Timer_Scan = new TTimer(this);
  Timer_Scan->SetName(QStringLiteral("Timer_Scan"));
  Timer_Scan->SetEnabled(false);
  Timer_Scan->SetInterval(100);
  Timer_Scan->SetOnTimer([this](TObject* s) { Timer_ScanTimer(s); });
  Timer_Wait = new TTimer(this);
  Timer_Wait->SetName(QStringLiteral("Timer_Wait"));
  Timer_Wait->SetEnabled(false);
  Timer_Wait->SetInterval(kWait_Interval_Ms);
  Timer_Wait->SetOnTimer([this](TObject* s) { Timer_WaitTimer(s); });

  P_Button = Make_Button_Panel(this, TTableEditor::kForm_Color);
  Btn_OK = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_OK"), 16, 110);
  Btn_Cancel = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_Cancel"), 134, 110);
  Btn_SelectAllRead = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_SelectAllRead"), 252, 110);
  Btn_ClearAllRead = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_ClearAllRead"), 370, 110);
  Btn_SelectAllWrite = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_SelectAllWrite"), 488, 110);
  Btn_ClearAllWrite = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_ClearAllWrite"), 606, 110);
  for (TFadeButton* b : {Btn_OK, Btn_Cancel, Btn_SelectAllRead, Btn_ClearAllRead, Btn_SelectAllWrite, Btn_ClearAllWrite})
    b->SetShowHint(true);
  Btn_OK->SetModalResult(mrOk);
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_SelectAllRead->OnClick = [this](TObject* s) { Btn_SelectAllReadClick(s); };
  Btn_SelectAllWrite->OnClick = [this](TObject* s) { Btn_SelectAllReadClick(s); };
  Btn_ClearAllRead->OnClick = [this](TObject* s) { Btn_ClearAllReadClick(s); };
  Btn_ClearAllWrite->OnClick = [this](TObject* s) { Btn_ClearAllReadClick(s); };

  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
  SetClientSize(kClient_Width, kClient_Height);
}

TFOPC_UA_Scan_Server::~TFOPC_UA_Scan_Server() { Stop_Scan(); }

void TFOPC_UA_Scan_Server::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SW_Code);
  SetClientSize(kClient_Width, kClient_Height);
  Set_Lang();
}

void TFOPC_UA_Scan_Server::Set_Lang() {
  SetCaption(Lang_Text(4400));
  L_SW_Desc->SetCaption(Lang_Text(4401));
  LWaiting->SetCaption(Lang_Text(4423));
  for (int c = 0; c < 8; ++c) ECG_OPC_UA_Scan_Var->Columns()->Items(c)->SetHeader(Lang_Text(kScan_Columns[c].Title));
  struct TButtonTexts {
    TFadeButton* Button;
    int Caption;
    int Hint;
  };
  const TButtonTexts buttons[] = {
      {Btn_OK, 4402, 4406},           {Btn_Cancel, 4403, 4407},        {Btn_SelectAllRead, 4404, 4408},
      {Btn_ClearAllRead, 4405, 4409}, {Btn_SelectAllWrite, 4426, 4428}, {Btn_ClearAllWrite, 4427, 4429},
  };
  for (const TButtonTexts& b : buttons) {
    b.Button->SetCaption(Lang_Text(b.Caption));
    b.Button->SetHint(Lang_Text(b.Hint));
  }
}

// ---------------------------------------------------------------------------
// Showing and scanning

void TFOPC_UA_Scan_Server::FormShow(TObject*) {
  Stop_Scan();
  Erase_Table();
  if (!Server.Server_Address.isEmpty()) {
    List_Var.clear();
    LWaiting->SetVisible(true);
    Timer_Scan->SetEnabled(true);
  } else {
    Show_Variables_List();
  }
}

void TFOPC_UA_Scan_Server::FormClose(TObject*, TCloseAction&) {
  // Whatever the scan still does, this showing no longer waits for it.
  Stop_Scan();
}

void TFOPC_UA_Scan_Server::Stop_Scan() {
  Timer_Scan->SetEnabled(false);
  Timer_Wait->SetEnabled(false);
  if (scan_) scan_->Abandon();
  scan_.reset();
}

void TFOPC_UA_Scan_Server::Timer_ScanTimer(TObject*) {
  Timer_Scan->SetEnabled(false);  // one scan per showing
  scan_ = TOPC_UA_Scan::Start(Server);
  started_ = std::chrono::steady_clock::now();
  Timer_Wait->SetEnabled(true);
}

void TFOPC_UA_Scan_Server::Timer_WaitTimer(TObject*) {
  if (!scan_) {
    Timer_Wait->SetEnabled(false);
    return;
  }
  if (!scan_->Finished()) {
    const auto waited = std::chrono::steady_clock::now() - started_;
    if (waited < std::chrono::milliseconds(Scan_Time_Out_Ms)) return;
    Stop_Scan();
    MessageDlg(Format_Numbers(Lang_Text(kTime_Out_Text), {(Scan_Time_Out_Ms + 999) / 1000}), mtError, {mbOK});
    return;
  }
  Timer_Wait->SetEnabled(false);
  const std::shared_ptr<TOPC_UA_Scan> scan = std::exchange(scan_, nullptr);
  switch (scan->State()) {
    case TOPC_UA_Scan_State::No_Library: MessageDlg(Lang_Text(4430), mtError, {mbOK}); break;
    case TOPC_UA_Scan_State::No_Functions: MessageDlg(Lang_Text(4431), mtError, {mbOK}); break;
    default:
      List_Var = scan->Results();
      LWaiting->SetVisible(false);
      Show_Variables_List();
      break;
  }
}

// ---------------------------------------------------------------------------
// The grid

void TFOPC_UA_Scan_Server::Erase_Table() {
  ECG_OPC_UA_Scan_Var->SetRowCount(2);
  for (int c = 0; c < kColumns; ++c) ECG_OPC_UA_Scan_Var->SetCellEx(c, 1, QString());
}

void TFOPC_UA_Scan_Server::Show_Variables_List() {
  if (List_Var.empty()) {
    Erase_Table();
    return;
  }
  TExColumnGrid* g = ECG_OPC_UA_Scan_Var;
  g->SetRowCount(int(List_Var.size()) + 1);
  for (int i = 0; i < int(List_Var.size()); ++i) {
    const TOPC_UA_Scan_Result& result = List_Var[size_t(i)];
    const opcua_structure record = result.Record();
    const int row = i + 1;
    const int level = result.Access_Level();
    const bool read = level == 0 || (level & OPCUA_ACCESS_READ);
    const bool write = level == 0 || (level & OPCUA_ACCESS_WRITE);
    g->SetCellEx(0, row, IntToStr(row));
    g->SetCellEx(kOS_Scan_Read, row, read ? QStringLiteral("Y") : QString());
    g->SetCellEx(kOS_Scan_Write, row, write ? QStringLiteral("Y") : QString());
    g->SetCellEx(3, row, result.Display_Name());
    g->SetCellEx(4, row, OPC_UA_Id_Type_Name(record.identifierType));
    g->SetCellEx(5, row, OPC_UA_Node_Id_Text(record));
    g->SetCellEx(6, row, OPC_UA_Data_Type_Name(record.dataType));
    g->SetCellEx(7, row, IntToStr(record.nameSpaceIndex));
    g->SetCellEx(8, row, Access_Text(level));
  }
}

void TFOPC_UA_Scan_Server::Set_Column(int column, const QString& text) {
  if (List_Var.empty()) return;
  for (int row = 1; row < ECG_OPC_UA_Scan_Var->RowCount(); ++row) ECG_OPC_UA_Scan_Var->SetCellEx(column, row, text);
}

void TFOPC_UA_Scan_Server::Btn_SelectAllReadClick(TObject* Sender) {
  Set_Column(Sender == Btn_SelectAllWrite ? kOS_Scan_Write : kOS_Scan_Read, QStringLiteral("Y"));
}

void TFOPC_UA_Scan_Server::Btn_ClearAllReadClick(TObject* Sender) {
  Set_Column(Sender == Btn_ClearAllWrite ? kOS_Scan_Write : kOS_Scan_Read, QStringLiteral("N"));
}

// ---------------------------------------------------------------------------

void TFOPC_UA_Scan_Server::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TForm::SetBounds(ALeft, ATop, AWidth, AHeight);
  Place_Areas();
}

void TFOPC_UA_Scan_Server::Place_Areas() {
  if (!P_Title || !P_Button || !ECG_OPC_UA_Scan_Var) return;
  const int w = ClientWidth();
  const int h = ClientHeight();
  const int top = TTableEditor::kTitle_Height;
  const int bottom = TTableEditor::kButtons_Height;
  P_Title->SetBounds(0, 0, w, top);
  P_Button->SetBounds(0, std::max(top, h - bottom), w, bottom);
  ECG_OPC_UA_Scan_Var->SetBounds(0, top, w, std::max(0, h - top - bottom));
}

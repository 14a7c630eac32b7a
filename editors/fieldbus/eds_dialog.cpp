#include "editors/fieldbus/eds_dialog.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "app/table_editor/form_frame.h"
#include "app/table_editor/table_editor.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/labels.h"
#include "platform/ui/shapes.h"
#include "platform/ui/timer.h"

#include <algorithm>

TFEtherNEtIP_EDS* FEtherNEtIP_EDS = nullptr;

namespace {

constexpr int kColumns = 9;
// Wide enough for every title on one line, and all together within the client width.
constexpr int kWidths[kColumns] = {95, 180, 220, 100, 110, 100, 110, 115, 115};

}  // namespace

TFEtherNEtIP_EDS::TFEtherNEtIP_EDS(TComponent* AOwner) : TForm(AOwner) {
  const TFormTitle title = Make_Dialog_Frame(this, QStringLiteral("FEtherNEtIP_EDS"), 900);
  P_Title = title.Panel;
  L_SW_Code = title.Code;
  L_SW_Desc = title.Desc;

  ECG = new TExColumnGrid(this);
  ECG->SetName(QStringLiteral("ECG"));
  ECG->SetParent(this);
  ECG->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goColSizing, goRowSelect});
  ECG->SetColCount(kColumns);
  ECG->SetRowCount(2);
  ECG->SetFixedCols(0);
  // Without fixed columns the view starts at column 0, the connection's number.
  ECG->SetLeftCol(0);
  ECG->SetFixedRows(1);
  ECG->FixedRowAlways = true;
  ECG->SetDefaultRowHeight(22);
  for (int c = 0; c < kColumns; ++c) {
    TGridColumnItem* item = ECG->Columns()->Items(c);
    item->SetWidth(kWidths[c]);
    item->ReadOnly = true;
  }

  P_Button = Make_Button_Panel(this, TTableEditor::kForm_Color);
  Btn_OK = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_OK"), 16, 110);
  Btn_Cancel = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_Cancel"), 134, 110);
  Btn_OK->SetModalResult(mrOk);
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_OK->SetShowHint(true);
  Btn_Cancel->SetShowHint(true);

  TClose = new TTimer(this);
  TClose->SetName(QStringLiteral("TClose"));
  TClose->SetEnabled(false);
  TClose->SetInterval(10);
  TClose->SetOnTimer([this](TObject* s) { TCloseTimer(s); });

  SetClientSize(kClient_Width, kClient_Height);
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  Place_Areas();
}

void TFEtherNEtIP_EDS::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SW_Code);
  SetClientSize(kClient_Width, kClient_Height);
  Set_Lang();
}

void TFEtherNEtIP_EDS::Set_Lang() {
  SetCaption(Lang_Text(5000));
  L_SW_Desc->SetCaption(Lang_Text(5001));
  Btn_OK->SetCaption(Lang_Text(5002));
  Btn_Cancel->SetCaption(Lang_Text(5003));
  Btn_OK->SetHint(Lang_Text(5004));
  Btn_Cancel->SetHint(Lang_Text(5005));
  for (int c = 0; c < kColumns; ++c) ECG->Columns()->Items(c)->SetHeader(Lang_Text(5006 + c));
}

void TFEtherNEtIP_EDS::FormShow(TObject*) {
  List_Conn.clear();
  // A file that cannot be read gives no connection, which the timer reports.
  if (FileExists(EDS_FileName)) {
    try {
      List_Conn = Read_EDS_Connections(ReadFileWhole(EDS_FileName, kMax_Input_File_Size));
    } catch (const Exception&) {
      List_Conn.clear();
    }
  }
  ShowDatainGrid();
}

void TFEtherNEtIP_EDS::ShowDatainGrid() {
  // 1.
  ECG->SetRowCount(2);
  for (int c = 0; c < kColumns; ++c) ECG->SetCellEx(c, 1, QString());
  // 2.
  if (List_Conn.isEmpty()) {
    TClose->SetEnabled(true);
    return;
  }
  // 3.
  ECG->SetRowCount(int(List_Conn.size()) + 1);
  for (int i = 0; i < int(List_Conn.size()); ++i) {
    const QStringList texts = EDS_Connection_Row(List_Conn[i]);
    for (int c = 0; c < kColumns; ++c) ECG->SetCellEx(c, i + 1, texts[c]);
  }
  ECG->SetRow(1);
}

void TFEtherNEtIP_EDS::TCloseTimer(TObject*) {
  TClose->SetEnabled(false);
  MessageDlg(Lang_Text(5015), mtError, {mbOK});
  SetModalResult(mrCancel);
}

void TFEtherNEtIP_EDS::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TForm::SetBounds(ALeft, ATop, AWidth, AHeight);
  Place_Areas();
}

void TFEtherNEtIP_EDS::Place_Areas() {
  if (!P_Title || !P_Button || !ECG) return;
  const int w = ClientWidth();
  const int h = ClientHeight();
  P_Title->SetBounds(0, 0, w, TTableEditor::kTitle_Height);
  P_Button->SetBounds(0, std::max(TTableEditor::kTitle_Height, h - TTableEditor::kButtons_Height), w,
                      TTableEditor::kButtons_Height);
  ECG->SetBounds(0, TTableEditor::kTitle_Height, w,
                 std::max(0, h - TTableEditor::kTitle_Height - TTableEditor::kButtons_Height));
}

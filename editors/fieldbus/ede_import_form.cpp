#include "editors/fieldbus/ede_import_form.h"

#include "app/language/language.h"
#include "app/routines/ip_address.h"
#include "app/state/comon.h"
#include "app/table_editor/form_frame.h"
#include "app/table_editor/table_editor.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/edit.h"
#include "platform/ui/labels.h"
#include "platform/ui/shapes.h"

#include <algorithm>

TFImportEDEFile* FImportEDEFile = nullptr;

namespace {

enum : int { kImport = 1, kRead, kWrite, kName, kType, kInstance, kDescription, kCommandable, kColumns };
constexpr int kWidths[kColumns] = {40, 55, 50, 50, 170, 85, 75, 220, 95};
constexpr int kAddress_Height = 34;

QString YN(bool on) { return on ? QStringLiteral("Y") : QStringLiteral("N"); }

}  // namespace

TFImportEDEFile::TFImportEDEFile(TComponent* AOwner) : TForm(AOwner) {
  const TFormTitle title = Make_Dialog_Frame(this, QStringLiteral("FImportEDEFile"), 600);
  P_Title = title.Panel;
  L_SW_Code = title.Code;
  L_SW_Desc = title.Desc;

  P_ID_IP = Make_Button_Panel(this, TTableEditor::kForm_Color);
  P_ID_IP->SetName(QStringLiteral("P_ID_IP"));
  LID_IP = new TLabel(this);
  LID_IP->SetName(QStringLiteral("LID_IP"));
  LID_IP->SetParent(P_ID_IP);
  LID_IP->SetBounds(16, 10, 260, 16);
  E_ID_IP = new TEdit(this);
  E_ID_IP->SetName(QStringLiteral("E_ID_IP"));
  E_ID_IP->SetParent(P_ID_IP);
  E_ID_IP->SetBounds(290, 6, 160, 21);

  ECG = new TExColumnGrid(this);
  ECG->SetName(QStringLiteral("ECG"));
  ECG->SetParent(this);
  ECG->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goColSizing, goEditing});
  ECG->SetColCount(kColumns);
  ECG->SetRowCount(kGrid_Rows + 1);
  ECG->SetFixedCols(1);
  ECG->SetFixedRows(1);
  ECG->FixedRowAlways = true;
  ECG->SetDefaultRowHeight(22);
  for (int c = 0; c < kColumns; ++c) {
    TGridColumnItem* item = ECG->Columns()->Items(c);
    item->SetWidth(kWidths[c]);
    if (c == 0) continue;
    if (c <= kWrite || c == kCommandable) {
      item->SetEditor(edDataCheckBox);
      item->SetAlignment(taCenter);
    }
    item->ReadOnly = c >= kName;
  }
  ECG->OnCheckBoxClick = [this](TObject* s, int c, int r, bool state) { ECGCheckBoxClick(s, c, r, state); };

  P_Button = Make_Button_Panel(this, TTableEditor::kForm_Color);
  Btn_OK = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_OK"), 16, 110);
  Btn_Cancel = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_Cancel"), 134, 110);
  Btn_Select_All = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_Select_All"), 252, 110);
  Btn_Unselect_All = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_Unselect_All"), 370, 110);
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
  Btn_Select_All->OnClick = [this](TObject* s) { Btn_Select_AllClick(s); };
  Btn_Unselect_All->OnClick = [this](TObject* s) { Btn_Unselect_AllClick(s); };

  SetClientSize(kClient_Width, kClient_Height);
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  Place_Areas();
}

void TFImportEDEFile::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SW_Code);
  SetClientSize(kClient_Width, kClient_Height);
  Set_Lang();
}

void TFImportEDEFile::Set_Lang() {
  SetCaption(Lang_Text(2100));
  L_SW_Desc->SetCaption(Lang_Text(2101));
  Btn_OK->SetCaption(Lang_Text(2102));
  Btn_Cancel->SetCaption(Lang_Text(2103));
  for (int c = 0; c < kColumns; ++c) ECG->Columns()->Items(c)->SetHeader(Lang_Text(2104 + c));
  LID_IP->SetCaption(Lang_Text(2115));
  Btn_Select_All->SetCaption(Lang_Text(2120));
  Btn_Unselect_All->SetCaption(Lang_Text(2121));
}

void TFImportEDEFile::FormShow(TObject*) {
  ECG->SetRowCount(kGrid_Rows + 1);
  for (int row = 1; row <= kGrid_Rows; ++row) {
    ECG->SetCellEx(0, row, IntToStr(row));
    for (int c = 1; c < kColumns; ++c) ECG->SetCellEx(c, row, QString());
  }
  if (E_ID_IP->CanFocus()) E_ID_IP->SetFocus();
  Cancel_EDE_List_Vars();
  Load_EDE_File();
  Show_Data_in_Grid();
}

void TFImportEDEFile::Cancel_EDE_List_Vars() { List_EDE_Var.clear(); }

void TFImportEDEFile::Load_EDE_File() {
  // A file that cannot be read lists nothing, as one without a header line.
  if (!FileExists(EDE_File)) return;
  try {
    List_EDE_Var = Load_EDE_Bytes(ReadFileWhole(EDE_File, kMax_Input_File_Size));
  } catch (const Exception&) {
    List_EDE_Var.clear();
  }
}

void TFImportEDEFile::Show_Data_in_Grid() {
  ECG->SetRowCount(std::max(1, int(List_EDE_Var.size())) + 1);
  for (int i = 0; i < int(List_EDE_Var.size()); ++i) {
    const TBACnet_Var& v = List_EDE_Var[i];
    const int row = i + 1;
    ECG->SetCellEx(kImport, row, YN(v.import));
    ECG->SetCellEx(kRead, row, YN(v.read));
    ECG->SetCellEx(kWrite, row, YN(v.write));
    ECG->SetCellEx(kName, row, v.object_name);
    ECG->SetCellEx(kType, row, IntToStr(v.object_type));
    ECG->SetCellEx(kInstance, row, IntToStr(v.object_instance));
    ECG->SetCellEx(kDescription, row, v.description);
    ECG->SetCellEx(kCommandable, row, YN(v.commandable));
  }
}

void TFImportEDEFile::ECGCheckBoxClick(TObject*, int ACol, int ARow, bool State) {
  if (ARow < 1 || ARow > int(List_EDE_Var.size())) return;
  TBACnet_Var& v = List_EDE_Var[ARow - 1];
  if (ACol == kWrite && !v.commandable) {
    MessageDlg(Lang_Text(2113) + IntToStr(ARow) + Lang_Text(2114), mtError, {mbOK});
    ECG->SetCellEx(kWrite, ARow, QStringLiteral("N"));
    return;
  }
  if (ACol == kImport) v.import = State;
  if (ACol == kRead) v.read = State;
  if (ACol == kWrite) v.write = State;
}

void TFImportEDEFile::Select_All(bool on) {
  for (int i = 0; i < int(List_EDE_Var.size()); ++i) {
    List_EDE_Var[i].import = on;
    ECG->SetCellEx(kImport, i + 1, YN(on));
  }
}

void TFImportEDEFile::Btn_Select_AllClick(TObject*) { Select_All(true); }

void TFImportEDEFile::Btn_Unselect_AllClick(TObject*) { Select_All(false); }

void TFImportEDEFile::Btn_OKClick(TObject*) {
  const QString text = E_ID_IP->Text();
  if (App_BACnet_Type == 0) {
    uint8_t b1 = 0, b2 = 0, b3 = 0, b4 = 0;
    if (IP_Text_To_Bytes(text, b1, b2, b3, b4)) {
      MessageDlg(Lang_Text(2116), mtError, {mbOK});
      return;
    }
  } else if (App_BACnet_Type == 1) {
    const int32_t id = StrToIntDef(text, -1);
    if (id < 0 || id > 254) {
      MessageDlg(Lang_Text(2117), mtError, {mbOK});
      return;
    }
  }
  SetModalResult(mrOk);
}

void TFImportEDEFile::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TForm::SetBounds(ALeft, ATop, AWidth, AHeight);
  Place_Areas();
}

void TFImportEDEFile::Place_Areas() {
  if (!P_Title || !P_Button || !ECG || !P_ID_IP) return;
  const int w = ClientWidth();
  const int h = ClientHeight();
  const int top = TTableEditor::kTitle_Height;
  P_Title->SetBounds(0, 0, w, top);
  P_ID_IP->SetBounds(0, top, w, kAddress_Height);
  P_Button->SetBounds(0, std::max(top, h - TTableEditor::kButtons_Height), w, TTableEditor::kButtons_Height);
  ECG->SetBounds(0, top + kAddress_Height, w,
                 std::max(0, h - top - kAddress_Height - TTableEditor::kButtons_Height));
}

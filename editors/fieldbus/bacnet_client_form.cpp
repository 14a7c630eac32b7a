#include "editors/fieldbus/bacnet_client_form.h"

#include "app/editor_file/editor_file.h"
#include "app/language/language.h"
#include "app/state/comon.h"
#include "app/table_editor/form_frame.h"
#include "app/table_editor/table_editor_grids.h"
#include "controls/button/fade_button.h"
#include "editors/fieldbus/bacnet_client_rules.h"
#include "editors/fieldbus/ede_import_form.h"
#include "grid/view/column_grid.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/numbers.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/edit.h"
#include "platform/ui/page_control.h"
#include "platform/ui/screen_metrics.h"

#include <QFileInfo>

TFBACnetAccess* FBACnetAccess = nullptr;

namespace {

constexpr int kText_Select_Type = 2057;
constexpr int kRead_Hidden[] = {kBCR_Swap, kBCR_Convertion};
constexpr int kWrite_Hidden[] = {kBCW_Swap, kBCW_Convertion};

}  // namespace

TFBACnetAccess::TFBACnetAccess(TComponent* AOwner) : TTableEditor(AOwner, BACnet_Client_Spec) {
  TS_BACnet_Read = Sheets[0];
  TS_BACnet_Write = Sheets[1];
  ECG1 = Column_Grid(0);
  ECG2 = Column_Grid(1);
  // No copy and paste in this editor; Import EDE takes the place after Insert Row.
  delete Btn_CopyRow;
  delete Btn_PasteRow;
  Btn_CopyRow = nullptr;
  Btn_PasteRow = nullptr;
  Btn_Import_CSV = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_Import_CSV"), 488, 110);
  Btn_Import_CSV->OnClick = [this](TObject* s) { Btn_Import_CSVClick(s); };
  OD_EDE_File = new TOpenDialog(this);
  OD_EDE_File->SetName(QStringLiteral("OD_EDE_File"));
  OD_EDE_File->Filter = QStringLiteral("BACnet EDE File (*.csv)|*.csv");
  OnCreate = [this](TObject* s) {
    FormCreate(s);
    SetClientSize(ScreenMetrics().PrimaryScreenWidth() > 1270 ? 1305 : 1000, ClientHeight());
    for (int c : kRead_Hidden) ECG1->HideColumn(c);
    for (int c : kWrite_Hidden) ECG2->HideColumn(c);
    OD_EDE_File->InitialDir = Last_EDE_Folder;
  };
}

void TFBACnetAccess::Set_Lang() {
  TTableEditor::Set_Lang();
  Btn_Import_CSV->SetCaption(Lang_Text(2059));
}

void TFBACnetAccess::Read_BACnet_Type() {
  QString text;
  bool found = false;
  try {
    TXMLDocument doc;
    const TXMLNode root = Load_Editor_Document(doc, File_ParGen);
    const TXMLNode element = root ? root.ChildByName(QStringLiteral("BACnet_Master_Type")) : TXMLNode();
    found = bool(element);
    if (found) text = element.Text();
  } catch (const Exception&) {
    found = false;
  }
  App_BACnet_Type = found ? StrToIntDef(text, 0) : 0;
  if (!found) MessageDlg(Lang_Text(kText_Select_Type), mtError, {mbOK});
}

void TFBACnetAccess::Prepare_Show() {
  // 2. to 5.; the page, the positions "0" .. "1439".
  TTableEditor::Prepare_Show();
  Read_BACnet_Type();
  const bool address = App_BACnet_Type == 0 || App_BACnet_Type == 1;
  for (int t = 0; t < 2; ++t) {
    TExColumnGrid* grid = Column_Grid(t);
    Table_Spec(t).KeyColumn = BACnet_Client_Key_Column(App_BACnet_Type);
    if (!address) {
      if (!grid->IsHiddenColumn(kBCR_Address)) grid->HideColumn(kBCR_Address);
      continue;
    }
    if (grid->IsHiddenColumn(kBCR_Address)) grid->UnHideColumn(kBCR_Address);
    const int title = t == 0 ? (App_BACnet_Type == 0 ? 2009 : 2010) : (App_BACnet_Type == 0 ? 2021 : 2022);
    grid->Columns()->Items(kBCR_Address)->SetHeader(Lang_Text(title));
  }
}

std::optional<TRowCheckFailure> TFBACnetAccess::Check_Tables() {
  return Check_BACnet_Client_Tables(TGridEditorTable(ECG1), TGridEditorTable(ECG2), App_BACnet_Type, failed_table_);
}

int TFBACnetAccess::Row_Prefix_Text() const { return BACnet_Client_Row_Prefix(failed_table_); }

void TFBACnetAccess::GridHint(TObject* Sender, int ARow, int ACol, QString& HintStr) {
  HintStr.clear();
  if (Sender != ECG1) return;
  HintStr = Str_Hint_Read(TGridEditorTable(ECG1), ARow, ECG1->RealColIndex(ACol));
}

void TFBACnetAccess::Btn_Import_CSVClick(TObject*) {
  // 1.
  TFImportEDEFile* dialog = FImportEDEFile;
  if (dialog) dialog->App_BACnet_Type = App_BACnet_Type;
  OD_EDE_File->InitialDir = Last_EDE_Folder;
  if (!OD_EDE_File->Execute()) return;
  const QString chosen = OD_EDE_File->FileName;
  // 2.
  if (dialog && FileExists(chosen)) {
    dialog->EDE_File = chosen;
    if (dialog->ShowModal() == mrOk) {
      TGridEditorTable read(ECG1);
      TGridEditorTable write(ECG2);
      const TEDE_Import_Count count = Import_EDE_Objects(read, write, BACnet_Client_Key_Column(App_BACnet_Type),
                                                         dialog->List_EDE_Var, dialog->E_ID_IP->Text());
      if (count.Read_Left_Out > 0 || count.Write_Left_Out > 0)
        MessageDlg(Lang_Text(kText_BC_Import_Left_Out).arg(count.Read_Left_Out).arg(count.Write_Left_Out), mtWarning,
                   {mbOK});
    }
  }
  // 3. The next import starts in the folder of this one.
  Last_EDE_Folder = QFileInfo(chosen).absolutePath();
  OD_EDE_File->InitialDir = Last_EDE_Folder;
}

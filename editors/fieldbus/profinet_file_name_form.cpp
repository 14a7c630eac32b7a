#include "editors/fieldbus/profinet_file_name_form.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "app/table_editor/form_frame.h"
#include "app/table_editor/table_editor.h"
#include "controls/button/fade_button.h"
#include "editors/fieldbus/gsdml_writer.h"
#include "platform/os/clock.h"
#include "platform/os/files.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/edit.h"
#include "platform/ui/labels.h"
#include "platform/ui/shapes.h"

#include <QFileInfo>
#include <algorithm>
#include <memory>

TFProfinetFileName* FProfinetFileName = nullptr;

TFProfinetFileName::TFProfinetFileName(TComponent* AOwner) : TForm(AOwner) {
  const TFormTitle title = Make_Dialog_Frame(this, QStringLiteral("FProfinetFileName"), 500);
  P_Title = title.Panel;
  L_SW_Code = title.Code;
  L_SW_Desc = title.Desc;

  L_Select_Name = Make_Named_Label(this, QStringLiteral("L_Select_Name"), 16, 80);
  L_Select_Name->Font()->SetStyle({fsBold});
  L_FixPart_1 = Make_Named_Label(this, QStringLiteral("L_FixPart_1"), 16, 104);
  L_UsedPart = Make_Named_Label(this, QStringLiteral("L_UsedPart"), 179, 104);
  L_FixPart_2 = Make_Named_Label(this, QStringLiteral("L_FixPart_2"), 447, 104);
  L_XML_Fix1 = Make_Named_Label(this, QStringLiteral("L_XML_Fix1"), 16, 128);
  L_XML_Fix1->SetCaption(QString::fromUtf16(kGSDML_First_Fixed_Part));
  E_XML_User = new TEdit(this);
  E_XML_User->SetName(QStringLiteral("E_XML_User"));
  E_XML_User->SetParent(this);
  E_XML_User->SetBounds(179, 124, 260, 21);
  L_XML_Fix2 = Make_Named_Label(this, QStringLiteral("L_XML_Fix2"), 447, 128);

  P_Button = Make_Button_Panel(this, TTableEditor::kForm_Color);
  Btn_OK = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_OK"), 16, 110);
  Btn_Cancel = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_Cancel"), 134, 110);
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_OK->OnClick = [this](TObject* s) { Btn_OK_Click(s); };

  SetClientSize(kClient_Width, kClient_Height);
  OnCreate = [this](TObject* s) { FormCreate(s); };
  Place_Areas();
}

void TFProfinetFileName::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SW_Code);
  SetClientSize(kClient_Width, kClient_Height);
  L_UsedPart->SetLeft(179);
  E_XML_User->SetLeft(179);
  L_FixPart_2->SetLeft(447);
  L_XML_Fix2->SetLeft(447);
  L_XML_Fix2->SetCaption(GSDML_Second_Fixed_Part(Clock().WallTime().date()));
  Set_Lang();
}

void TFProfinetFileName::Set_Lang() {
  SetCaption(Lang_Text(4800));
  L_SW_Desc->SetCaption(Lang_Text(4801));
  L_Select_Name->SetCaption(Lang_Text(4802));
  L_FixPart_1->SetCaption(Lang_Text(4803));
  L_UsedPart->SetCaption(Lang_Text(4804));
  L_FixPart_2->SetCaption(Lang_Text(4805));
  Btn_OK->SetCaption(Lang_Text(4806));
  Btn_Cancel->SetCaption(Lang_Text(4807));
}

void TFProfinetFileName::Btn_OK_Click(TObject*) {
  const QString user = E_XML_User->Text();
  if (!GSDML_User_Part_Allowed(user)) {
    MessageDlg(Lang_Text(kText_GSDML_Name_Refused), mtError, {mbOK});
    return;
  }
  Name_File_XML = Compose_GSDML_File_Name(user, L_XML_Fix2->Caption());
  SetModalResult(mrOk);
}

void TFProfinetFileName::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TForm::SetBounds(ALeft, ATop, AWidth, AHeight);
  Place_Areas();
}

void TFProfinetFileName::Place_Areas() {
  if (!P_Title || !P_Button) return;
  const int w = ClientWidth();
  const int h = ClientHeight();
  P_Title->SetBounds(0, 0, w, TTableEditor::kTitle_Height);
  P_Button->SetBounds(0, std::max(TTableEditor::kTitle_Height, h - TTableEditor::kButtons_Height), w,
                      TTableEditor::kButtons_Height);
}

void Create_GSDML_File(const QString& fileName) {
  // 1. The save dialog: the project folder, the name as its only pattern.
  auto dialog = std::make_unique<TSaveDialog>(nullptr);
  dialog->InitialDir = Project_Folder;
  dialog->Filter = QStringLiteral("PROFINET XML (*.xml)|") + fileName;
  dialog->FileName = fileName;
  // 2.
  if (!dialog->Execute()) return;
  // 3. Only the folder of the chosen path counts.
  const QString target = PathJoin(QFileInfo(dialog->FileName).absolutePath(), fileName);
  // 4.
  if (FileExists(target) && MessageDlg(Lang_Text(4808), mtConfirmation, {mbYes, mbNo}) != mrYes) return;
  // 5.
  Write_GSDML_File(target);
}

#include "app/forms/main_window.h"

#include "app/forms/form_registry.h"
#include "app/forms/form_style.h"
#include "app/forms/shell_artwork.h"
#include "app/language/language.h"
#include "app/settings/settings_file.h"
#include "app/shell/main_window_layout.h"
#include "app/shell/projects.h"
#include "app/shell/start_program.h"
#include "app/shell/version_check.h"
#include "app/shell/web_links.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "platform/os/data_root.h"
#include "platform/os/files.h"
#include "platform/os/process.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/labels.h"
#include "platform/ui/shapes.h"
#include "platform/ui/timer.h"

TFFabricoreFirmWare* FFabricoreFirmWare = nullptr;

namespace {

QString Q(const char16_t* s) { return QString::fromUtf16(s); }

struct TStepPicture {
  const char16_t* Button;
  TShellPicture Picture;
};

// The pictures of this model's steps; the other steps show the table picture.
const TStepPicture kStep_Pictures[] = {
    {u"Btn_New", TShellPicture::New_Project},
    {u"Btn_Open", TShellPicture::Open_Project},
    {u"Btn_Prm_Gen", TShellPicture::Communication},
    {u"Btn_EtherCAT_Set_Access", TShellPicture::EtherCAT_Table},
    {u"Btn_Modbus_Set_Access", TShellPicture::Modbus_Table},
    {u"Btn_EtherCAT_ESI_File", TShellPicture::ESI_File},
    {u"Btn_CreateBin", TShellPicture::Update_Device},
};

TShellPicture stepPicture(const QString& button) {
  for (const TStepPicture& p : kStep_Pictures)
    if (button == Q(p.Button)) return p.Picture;
  return TShellPicture::Editor_Table;
}

// The label's font in one step: each step on the label's own font would size the
// label again, in a font it does not keep.
void setLabelFont(TLabel* label, const TFont* base, int size, bool bold, TColor color) {
  TFont font;
  font.Assign(*base);
  font.SetSize(size);
  font.SetStyle(bold ? TFontStyles{fsBold} : TFontStyles{});
  font.SetColor(color);
  label->SetParentFont(false);
  label->Font()->Assign(font);
}

}  // namespace

TFFabricoreFirmWare::TFFabricoreFirmWare(TComponent* AOwner) : TForm(AOwner) {
  FFabricoreFirmWare = this;
  Style_Form(this, kMain_Client_Width, kMain_Client_Height);
  SetColor(kMain_Color);
  Create_Controls();
  Create_Dialogs();
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
}

void TFFabricoreFirmWare::Create_Controls() {
  Shape2 = new TShape(this);
  Shape2->SetName(QStringLiteral("Shape2"));
  Shape2->SetParent(this);
  Shape2->Pen()->SetColor(0xC8C0B8);
  Shape2->Brush()->SetColor(clWhite);

  L_SW_Code = Make_Label(this, 0, 0);
  L_SW_Code->SetName(QStringLiteral("L_SW_Code"));
  setLabelFont(L_SW_Code, Font(), 18, true, 0x8A4A1E);
  L_SW_Desc = Make_Label(this, 0, 0);
  L_SW_Desc->SetName(QStringLiteral("L_SW_Desc"));
  setLabelFont(L_SW_Desc, Font(), 10, true, 0x504840);
  L_Begin = Make_Label(this, 0, 0);
  L_Begin->SetName(QStringLiteral("L_Begin"));
  setLabelFont(L_Begin, Font(), 9, true, 0x8A4A1E);
  for (int n = 1; n <= kStep_Label_Count; ++n) {
    TLabel*& l = L_Step[n - 1];
    l = Make_Label(this, 0, 0);
    l->SetName(QStringLiteral("L_Step_%1").arg(n));
    setLabelFont(l, Font(), 9, true, 0x504840);
  }
  L_Name_Conf = Make_Label(this, 0, 0);
  L_Name_Conf->SetName(QStringLiteral("L_Name_Conf"));
  setLabelFont(L_Name_Conf, Font(), 8, true, 0x303030);
  L_Name_Conf_L2 = Make_Label(this, 0, 0);
  L_Name_Conf_L2->SetName(QStringLiteral("L_Name_Conf_L2"));
  setLabelFont(L_Name_Conf_L2, Font(), 8, false, 0x8A4A1E);

  Shape1 = new TShape(this);
  Shape1->SetName(QStringLiteral("Shape1"));
  Shape1->SetParent(this);
  Shape1->Pen()->SetColor(0xB0A8A0);

  L_Zerfal = Make_Label(this, 0, 0);
  L_Zerfal->SetName(QStringLiteral("L_Zerfal"));
  setLabelFont(L_Zerfal, Font(), 8, false, 0xB05000);
  L_Zerfal->Font()->SetStyle({fsUnderline});
  L_Zerfal->SetCursor(crHandPoint);
  L_Zerfal->SetCaption(Q(kMaker_Domain));
  L_Zerfal->OnClick = [this](TObject* s) { L_ZerfalClick(s); };

  LL_Update = new TLinkLabel(this);
  LL_Update->SetName(QStringLiteral("LL_Update"));
  LL_Update->SetParent(this);
  LL_Update->OnLinkClick = [this](TObject* s, const QString& link, TSysLinkType) { LL_UpdateLinkClick(s, link); };

  const auto click = [this](TObject* s) { Btn_Click(s); };
  Btn_Info = Make_Button(this, 0, 0, kPicture_Button_Size, kPicture_Button_Size);
  Btn_Opz = Make_Button(this, 0, 0, kPicture_Button_Size, kPicture_Button_Size);
  Btn_Close = Make_Button(this, 0, 0, kPicture_Button_Size, kPicture_Button_Size);
  const struct {
    TFadeButton* button;
    const char16_t* name;
    TShellPicture picture;
  } pictureButtons[] = {{Btn_Info, u"Btn_Info", TShellPicture::Information},
                        {Btn_Opz, u"Btn_Opz", TShellPicture::Options},
                        {Btn_Close, u"Btn_Close", TShellPicture::Close}};
  for (const auto& p : pictureButtons) {
    p.button->SetName(Q(p.name));
    p.button->SetCaption(QString());
    p.button->SetAlignment(taCenter);
    Set_Button_Picture(p.button, p.picture);
    p.button->OnClick = click;
  }

  for (const TStepButtonPlace& place : Step_Button_Places) {
    TFadeButton* b = Make_Button(this, 0, 0, kStep_Button_Width, kStep_Button_Height);
    b->SetName(Q(place.Name));
    b->SetAlignment(taLeftJustify);
    b->SetLayout(blGlyphLeft);
    Set_Button_Picture(b, stepPicture(b->Name()));
    b->OnClick = click;
    step_buttons_.push_back(b);
  }
  Btn_New = Step_Button(QStringLiteral("Btn_New"));
  Btn_Open = Step_Button(QStringLiteral("Btn_Open"));
  Btn_Prm_Gen = Step_Button(QStringLiteral("Btn_Prm_Gen"));
  Btn_EtherCAT_Set_Access = Step_Button(QStringLiteral("Btn_EtherCAT_Set_Access"));
  Btn_Modbus_Set_Access = Step_Button(QStringLiteral("Btn_Modbus_Set_Access"));
  Btn_EtherCAT_ESI_File = Step_Button(QStringLiteral("Btn_EtherCAT_ESI_File"));
  Btn_CreateBin = Step_Button(QStringLiteral("Btn_CreateBin"));

  Timer_Update = new TTimer(this);
  Timer_Update->SetEnabled(false);
  Timer_Update->SetInterval(kVersion_First_Interval_Ms);
  Timer_Update->SetOnTimer([this](TObject* s) { Timer_UpdateTimer(s); });
}

void TFFabricoreFirmWare::Create_Dialogs() {
  struct {
    TSaveDialog*& dialog;
    const char* filter;
    const char* defaultExt;
  } dialogs[] = {
      {SD1, "CSV (MS-DOS) (*.csv)|*.csv", ""},
      {SaveEDS, "Electronic Data Sheet (*.eds)|*.eds", "eds"},
      {SaveMIB, "Management Information Base (*.mib)|*.mib", "mib"},
      {SaveESI, "EtherCAT ESI File (*.xml)|*.xml", "xml"},
  };
  for (auto& d : dialogs) {
    d.dialog = new TSaveDialog(this);
    d.dialog->Filter = QString::fromLatin1(d.filter);
    d.dialog->DefaultExt = QString::fromLatin1(d.defaultExt);
  }
}

TFadeButton* TFFabricoreFirmWare::Step_Button(const QString& name) const {
  for (TFadeButton* b : step_buttons_)
    if (b->Name() == name) return b;
  return nullptr;
}

// The start-up sequence, in its order.
void TFFabricoreFirmWare::FormCreate(TObject*) {
  // 1. The language text list, empty.
  Create_Language_Texts();
  // 2. The layout of this model.
  Lay_Out();
  // 3. The program folders.
  Make_Program_Folders();
  // 4. No project yet.
  Project_Name.clear();
  Update_Read_Back = true;
  // 5. The settings file.
  Read_Settings();
  // 6. The version timer.
  Timer_Update->SetEnabled(Version_Timer_Wanted(Opt_Enable_Internet, Opt_Enable_Update));
  // 7. The model's identity.
  Window_Title = Q(kMaker_Domain) + QStringLiteral(" - Configurator KQ82K03 - EtherCAT Slave / Modbus TCP Master ");
  SW_Code = Q(kSW_Code);
  SW_Desc = Q(kSW_Desc);
  SetCaption(Window_Title);
  L_SW_Code->SetCaption(SW_Code);
  L_SW_Desc->SetCaption(SW_Desc);
  Application->SetTitle(QStringLiteral("Configurator ") + SW_Code);
  // 8. The language texts.
  Load_Language();
  // 9. The remembered project, when its folder still exists.
  Reactivate_Last_Project();
  Show_Configuration();
  // 10. Texts and editor file paths.
  Set_Lang();
  Set_Files();
  // 11. The row clipboard and the SNMP description lists, empty.
  Row_Clipboard.clear();
  Row_Clipboard_Check.clear();
  SNMP_Read_Descriptions.clear();
  SNMP_Write_Descriptions.clear();
}

void TFFabricoreFirmWare::Lay_Out() {
  for (int i = 0; i < Main_Controls_Count; ++i) {
    const TControlPlace& p = Main_Controls[i];
    auto* c = dynamic_cast<TControl*>(FindComponent(Q(p.Name)));
    if (!c) continue;
    c->SetBounds(p.Left, p.Top, p.Width ? p.Width : c->Width(), p.Height ? p.Height : c->Height());
    c->SetVisible(p.Visible);
  }
  for (int n = 1; n <= kStep_Label_Count; ++n) {
    TLabel* l = L_Step[n - 1];
    l->SetBounds(kStep_Label_Left, Step_Label_Top(n), l->Width(), l->Height());
    l->SetVisible(n <= kStep_Labels_Shown);
  }
  for (const TStepButtonPlace& place : Step_Button_Places) {
    TFadeButton* b = Step_Button(Q(place.Name));
    b->SetBounds(place.Left, place.Top, kStep_Button_Width, kStep_Button_Height);
    b->SetVisible(place.Visible);
  }
  SetClientSize(kMain_Client_Width, kMain_Client_Height);
}

void TFFabricoreFirmWare::Make_Program_Folders() {
  Set_Folders(DataRoot(), ProgramFolder());
  for (const QString* folder : {&Master_Folder, &Projects_Folder, &Language_Folder})
    if (!DirectoryExists(*folder)) CreateDir(*folder);  // a failure is not reported
}

// The two lines telling the active configuration.
void TFFabricoreFirmWare::Show_Configuration() {
  if (!Project_Folder.isEmpty()) {
    L_Name_Conf->SetCaption(Lang_Text(kText_Opened_Configuration));
    L_Name_Conf_L2->SetCaption(Project_Name);
    return;
  }
  L_Name_Conf->SetCaption(Lang_Text(kText_No_Configuration));
  L_Name_Conf_L2->SetCaption(Lang_Text(kText_Use_Step1));
}

void TFFabricoreFirmWare::Set_Lang() {
  L_Begin->SetCaption(Lang_Text(kText_Begin));
  for (int n = 1; n <= kStep_Label_Count; ++n) L_Step[n - 1]->SetCaption(Lang_Text(kText_Step_First + n - 1));
  Btn_Info->SetHint(Lang_Text(kText_Hint_Info));
  Btn_Opz->SetHint(Lang_Text(kText_Hint_Options));
  Btn_Close->SetHint(Lang_Text(kText_Hint_Close));
  for (const TStepButtonPlace& place : Step_Button_Places) {
    TFadeButton* b = Step_Button(Q(place.Name));
    b->SetCaption(place.CaptionText >= 0 ? Lang_Text(place.CaptionText) : Q(place.FixedCaption));
    if (place.HintText >= 0) b->SetHint(Lang_Text(place.HintText));
  }
  Show_Configuration();
}

void TFFabricoreFirmWare::Change_Language() { ::Change_Language(); }

void TFFabricoreFirmWare::Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo) {
  ::Start_Program(NomeSW, Parameter, tipo);
}

void TFFabricoreFirmWare::FormClose(TObject*, TCloseAction&) {
  // The settings are the only thing saved at exit; a failure is told once and the
  // program still closes.
  try {
    Save_Setting();
  } catch (const Exception& e) {
    MessageDlg(Lang_Text(kText_Settings_Not_Saved) + u'\n' + e.Message, mtError, {mbOK});
  }
}

// The periodic version check: first a minute after start, then every two hours.
void TFFabricoreFirmWare::Timer_UpdateTimer(TObject*) {
  // 1.
  Timer_Update->SetEnabled(false);
  // 2.
  if (Check_Version()) {
    LL_Update->SetCaption(Download_Link_Caption(Lang_Text(kText_New_Version_Link)));
    LL_Update->SetVisible(true);
  } else {
    LL_Update->SetVisible(false);
  }
  // 3.
  Timer_Update->SetInterval(kVersion_Repeat_Interval_Ms);
  Timer_Update->SetEnabled(true);
}

void TFFabricoreFirmWare::LL_UpdateLinkClick(TObject*, const QString& Link) { ShellOpenUrl(Link); }

void TFFabricoreFirmWare::L_ZerfalClick(TObject*) { ShellOpenUrl(Home_Page_Link()); }

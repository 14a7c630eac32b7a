#include "gateway/boot_form.h"

#include "app/language/language.h"
#include "app/routines/com_ports.h"
#include "app/routines/ip_address.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "gateway/dot_key_chains.h"
#include "gateway/icmp_prober.h"
#include "platform/os/clock.h"
#include "platform/ui/application.h"
#include "platform/ui/check_box.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/edit.h"
#include "platform/ui/labels.h"
#include "platform/ui/list_controls.h"
#include "platform/ui/shapes.h"

TFBoot* FBoot = nullptr;

namespace {

constexpr TColor kForm_Color = 0xEDF7F8;

// Lefts of the four address edits and of the dots between them.
constexpr int kIP_Lefts[4] = {16, 76, 136, 196};
constexpr int kIP_Width = 52;

// The busy pointer while the scope lasts (the dialog still answers Cancel).
class TBusyPointer {
public:
  TBusyPointer() : old_(Screen->Cursor()) { Screen->SetCursor(crAppStart); }
  ~TBusyPointer() { Screen->SetCursor(old_); }
  TBusyPointer(const TBusyPointer&) = delete;
  TBusyPointer& operator=(const TBusyPointer&) = delete;

private:
  TCursor old_;
};

// Enables the control again when the scope ends.
class TDisabledWhile {
public:
  explicit TDisabledWhile(TControl* c) : c_(c) { c_->SetEnabled(false); }
  ~TDisabledWhile() { c_->SetEnabled(true); }
  TDisabledWhile(const TDisabledWhile&) = delete;
  TDisabledWhile& operator=(const TDisabledWhile&) = delete;

private:
  TControl* c_;
};

}  // namespace

TFBoot::TFBoot(TComponent* AOwner) : TForm(AOwner) {
  SetName(QStringLiteral("FBoot"));
  SetColor(kForm_Color);
  SetPosition(poScreenCenter);
  SetShowHint(true);
  for (int p = 0; p < kBoot_Panel_Count; ++p) panels_[p] = Make_Panel(static_cast<TBoot_Panel>(p));
  P_Title = panels_[::P_Title];
  P_IP_Address = panels_[::P_IP_Address];
  P_Serial = panels_[::P_Serial];
  P_Eth_Search = panels_[::P_Eth_Search];
  P_Options = panels_[::P_Options];
  P_Button = panels_[::P_Button];

  L_SW_Code = Make_Label(P_Title, QStringLiteral("L_SW_Code"), 16, 8);
  L_SW_Code->Font()->SetSize(14);
  L_SW_Code->Font()->SetStyle({fsBold});
  L_SW_Desc = Make_Label(P_Title, QStringLiteral("L_SW_Desc"), 16, 42);

  L_IP_Address = Make_Label(P_IP_Address, QStringLiteral("L_IP_Address"), 16, 4);
  for (int i = 0; i < 4; ++i) {
    E_IP[i] = new TEdit(this);
    E_IP[i]->SetName(QStringLiteral("E_IP%1").arg(i + 1));
    E_IP[i]->SetParent(P_IP_Address);
    E_IP[i]->SetBounds(kIP_Lefts[i], 20, kIP_Width, 21);
    E_IP[i]->SetTabStop(true);
    E_IP[i]->OnKeyPress = [this](TObject* s, QChar& k) { KeyPress(s, k); };
    if (i == 3) break;
    TLabel* dot = Make_Label(P_IP_Address, QString(), kIP_Lefts[i] + kIP_Width + 2, 24);
    dot->SetCaption(QStringLiteral("."));
  }

  L_COM_Port = Make_Label(P_Serial, QStringLiteral("L_COM_Port"), 16, 4);
  CB_COM_Port = new TComboBox(this, csDropDownList);
  CB_COM_Port->SetName(QStringLiteral("CB_COM_Port"));
  CB_COM_Port->SetParent(P_Serial);
  CB_COM_Port->SetBounds(16, 20, 220, 22);
  CB_COM_Port->SetTabStop(true);
  Btn_COM_List = Make_Button(P_Serial, QStringLiteral("Btn_COM_List"), 244, 17, 120);
  Btn_COM_List->OnClick = [this](TObject* s) { Btn_COM_ListClick(s); };

  // The device search is never shown; its button has no action.
  L_List_Device = Make_Label(P_Eth_Search, QStringLiteral("L_List_Device"), 16, 4);
  Btn_Search = Make_Button(P_Eth_Search, QStringLiteral("Btn_Search"), 324, 2, 105);
  CB_Find_All_QVX = new TCheckBox(this);
  CB_Find_All_QVX->SetName(QStringLiteral("CB_Find_All_QVX"));
  CB_Find_All_QVX->SetParent(P_Eth_Search);
  CB_Find_All_QVX->SetBounds(16, 160, 415, 17);

  L_Update_Option = Make_Label(P_Options, QStringLiteral("L_Update_Option"), 16, 4);
  CB_Update_Options = new TComboBox(this, csDropDownList);
  CB_Update_Options->SetName(QStringLiteral("CB_Update_Options"));
  CB_Update_Options->SetParent(P_Options);
  CB_Update_Options->SetBounds(16, 20, 260, 22);
  CB_Update_Options->SetTabStop(true);
  CB_Update_Option_Read_Back = new TCheckBox(this);
  CB_Update_Option_Read_Back->SetName(QStringLiteral("CB_Update_Option_Read_Back"));
  CB_Update_Option_Read_Back->SetParent(P_Options);
  CB_Update_Option_Read_Back->SetBounds(16, 48, 260, 17);
  CB_Update_Option_Read_Back->SetTabStop(true);

  Btn_Cancel = Make_Button(P_Button, QStringLiteral("Btn_Cancel"), 98, 6, 105);
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_Update = Make_Button(P_Button, QStringLiteral("Btn_Update"), 209, 6, 224);
  Btn_Update->OnClick = [this](TObject* s) { Btn_UpdateClick(s); };

  SetBorderStyle(bsDialog);
  SetClientSize(kBoot_Client_Width, Boot_Client_Height(Form_Type));
  OnShow = [this](TObject* s) { FormShow(s); };
}

TFBoot::~TFBoot() = default;

TPanel* TFBoot::Make_Panel(TBoot_Panel panel) {
  auto* p = new TPanel(this);
  p->SetName(QString::fromUtf16(Boot_Panels[panel].Name));
  p->SetParent(this);
  p->SetBevelOuter(bvNone);
  p->SetColor(kForm_Color);
  p->SetBounds(0, 0, kBoot_Client_Width, Boot_Panels[panel].Height);
  return p;
}

TLabel* TFBoot::Make_Label(TPanel* parent, const QString& name, int left, int top) {
  auto* label = new TLabel(this);
  if (!name.isEmpty()) label->SetName(name);
  label->SetParent(parent);
  label->SetLeft(left);
  label->SetTop(top);
  return label;
}

TFadeButton* TFBoot::Make_Button(TPanel* parent, const QString& name, int left, int top, int width) {
  auto* button = new TFadeButton(this);
  button->SetName(name);
  button->SetParent(parent);
  button->SetBounds(left, top, width, 28);
  return button;
}

// ---------------------------------------------------------------------------
// Showing and texts

void TFBoot::FormShow(TObject*) {
  // 1.
  Set_Lang();
  L_SW_Code->SetCaption(SW_Code);
  // 2-4.
  Show_Variant();
  CB_Update_Options->SetItemIndex(Update_Option);
  CB_Update_Option_Read_Back->SetChecked(Update_Read_Back);
  if (Form_Type == kBoot_Serial) {
    update_ComPort();
    if (CB_COM_Port->CanFocus()) CB_COM_Port->SetFocus();
    return;
  }
  QString parts[4];
  if (!Last_IP_Address.isEmpty() && Split_IP_Address(Last_IP_Address, parts[0], parts[1], parts[2], parts[3]))
    for (int i = 0; i < 4; ++i) E_IP[i]->SetText(parts[i]);
  if (E_IP[0]->CanFocus()) E_IP[0]->SetFocus();
}

void TFBoot::Show_Variant() {
  for (TBoot_Panel p : {::P_IP_Address, ::P_Eth_Search, ::P_Options, ::P_Serial}) panels_[p]->SetVisible(false);
  const TBoot_Variant& variant = Boot_Variant(Form_Type);
  SetClientSize(kBoot_Client_Width, Boot_Client_Height(Form_Type));
  // The title on top, the variant's panels below it, the buttons at the bottom.
  int top = Boot_Panels[::P_Title].Height;
  for (TBoot_Panel p : variant.Stacked) {
    panels_[p]->SetBounds(0, top, kBoot_Client_Width, Boot_Panels[p].Height);
    panels_[p]->SetVisible(true);
    top += Boot_Panels[p].Height;
  }
  P_Title->SetBounds(0, 0, kBoot_Client_Width, Boot_Panels[::P_Title].Height);
  P_Button->SetBounds(0, top, kBoot_Client_Width, Boot_Panels[::P_Button].Height);
  for (size_t i = 0; i < variant.Tab_Order.size(); ++i) panels_[variant.Tab_Order[i]]->SetTabOrder(static_cast<int>(i));
}

void TFBoot::Set_Lang() {
  SetCaption(Lang_Text(Boot_Caption_Text(Form_Type)));
  L_SW_Desc->SetCaption(Lang_Text(Boot_Subtitle_Text(Form_Type)));
  for (const TBoot_Text& t : Boot_Texts()) {
    auto* c = dynamic_cast<TControl*>(FindComponent(QString::fromUtf16(t.Control)));
    if (!c) continue;  // the device list of the never-shown search panel is not built
    if (t.Target == TBoot_Text_Target::Caption) c->SetCaption(Lang_Text(t.Text));
    else c->SetHint(Lang_Text(t.Text));
  }
  CB_Update_Options->Items()->Clear();
  for (int text : kBoot_Option_Texts) CB_Update_Options->Items()->Add(Lang_Text(text));
  CB_Update_Options->SetItemIndex(0);
}

// ---------------------------------------------------------------------------
// Update

void TFBoot::Btn_UpdateClick(TObject*) {
  // A click while a check or an update runs (the check lets events through) is ignored.
  if (busy_) return;
  busy_ = true;
  {
    TDisabledWhile disabled(Btn_Update);
    if (Form_Type == kBoot_Serial) Update_Serial();
    else Update_Network();
  }
  busy_ = false;
}

void TFBoot::Update_Network() {
  TUpdate_Request request;
  for (int i = 0; i < 4; ++i) request.IP_Parts[i] = E_IP[i]->Text();
  request.Option = CB_Update_Options->ItemIndex();
  request.Read_Back = CB_Update_Option_Read_Back->Checked();
  if (!prober_ && !icmp_) icmp_ = std::make_unique<TIcmpEchoProber>();
  TEchoProber& prober = prober_ ? *prober_ : *icmp_;
  TClock& clock = clock_ ? *clock_ : Clock();
  {
    // The check lets events through: Cancel or the close box give the dialog its
    // cancel result, and the check then stops before anything is remembered,
    // written or started.
    TBusyPointer busy;
    last_update_ = Run_Network_Update(request, prober, clock, {}, [this] { return ModalResult() != mrNone; });
  }
  ping_res = last_update_.Echo.ping_res;
  Report(last_update_);
}

void TFBoot::Report(const TUpdate_Run_Result& result) {
  switch (result.Outcome) {
    case TUpdate_Outcome::Device_Not_Found:
      MessageDlg(Lang_Text(kText_Device_Not_Found), mtWarning, {mbOK});
      return;
    case TUpdate_Outcome::Address_Error:
      MessageDlg(Lang_Text(kText_Check_Ip_Address), mtError, {mbOK});
      return;
    case TUpdate_Outcome::Echo_Not_Sent: {
      // The address may be right: the cause is the system's, so say that one.
      QString text = Lang_Text(kText_Echo_Not_Sent) + u'\n' + qt_error_string(result.Echo.Send_Errno);
      if (result.Echo.No_Permission) text += u'\n' + Lang_Text(kText_Echo_No_Permission);
      MessageDlg(text, mtError, {mbOK});
      return;
    }
    case TUpdate_Outcome::Job_Not_Written:
      MessageDlg(Lang_Text(kText_Job_Not_Written) + u'\n' + result.Error, mtError, {mbOK});
      return;
    case TUpdate_Outcome::Cancelled:
      return;
    case TUpdate_Outcome::Updater_Run:
      // An updater that could not even be started would otherwise look like an
      // update that did nothing.
      if (result.Program.Outcome == TProgramOutcome::NotStarted)
        MessageDlg(QStringLiteral("%1\n%2\n%3")
                       .arg(Lang_Text(kText_Updater_Not_Started), Updater_Program_Path(),
                            qt_error_string(result.Program.Error)),
                   mtError, {mbOK});
      return;
  }
}

void TFBoot::Update_Serial() {
  Update_Option = CB_Update_Options->ItemIndex();
  Update_Read_Back = CB_Update_Option_Read_Back->Checked();
  serial_command_ = Serial_Update_Command(CB_COM_Port->Text(), Update_Option, Update_Read_Back);
}

QString TFBoot::Update_Options(const QString& prefix) const {
  return ::Update_Options(prefix, CB_Update_Options->ItemIndex(), CB_Update_Option_Read_Back->Checked());
}

int TFBoot::Get_Type_Dev() const { return ::Get_Type_Dev(File_ParGen); }

// ---------------------------------------------------------------------------
// Keys and the port list

void TFBoot::KeyPress(TObject* Sender, QChar& Key) {
  if (Key != u'.') return;
  Key = QChar();
  const auto* sender = dynamic_cast<TComponent*>(Sender);
  if (!sender) return;
  const std::span<const char16_t* const> chains[] = {Boot_Dot_Chain};
  const QString next = Dot_Key_Next(chains, sender->Name());
  if (next.isEmpty()) return;
  auto* edit = dynamic_cast<TEdit*>(FindComponent(next));
  if (edit && edit->CanFocus()) edit->SetFocus();
}

void TFBoot::update_ComPort() {
  const TStringList ports = List_COM_Ports();
  CB_COM_Port->Items()->Clear();
  for (int i = 0; i < ports.Count(); ++i) CB_COM_Port->Items()->Add(ports[i]);
  CB_COM_Port->SetItemIndex(0);
}

void TFBoot::Btn_COM_ListClick(TObject*) { update_ComPort(); }

#include "gateway/par_gen_form.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "app/table_editor/form_frame.h"
#include "gateway/category_panel_group.h"
#include "gateway/dot_key_chains.h"
#include "gateway/par_gen_checks.h"
#include "gateway/par_gen_layout.h"
#include "gateway/par_gen_panel_layout.h"
#include "gateway/par_gen_texts.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/check_box.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/edit.h"
#include "platform/ui/labels.h"
#include "platform/ui/list_controls.h"
#include "platform/ui/mouse_wheel.h"
#include "platform/ui/shapes.h"

TFParGen* FParGen = nullptr;

namespace {

// The choice control of the layouts named like `sender`, if any.
const TParGenChoiceControl* Choice_Control(TObject* sender) {
  const auto* c = dynamic_cast<TComponent*>(sender);
  if (!c) return nullptr;
  for (const TParGenChoiceControl& choice : ParGen_Choice_Controls())
    if (c->Name() == choice.Control) return &choice;
  return nullptr;
}

// Edits whose limits the form sets: the number of characters, or digits only.
constexpr struct {
  const char16_t* Control;
  int MaxLength;
  bool DigitsOnly;
} kEdit_Limits[] = {
    {u"E_EthConn_Device_Name", 31, false},
    {u"E_EtherCAT_Slave_Name", 15, false},
    {u"E_EtherCAT_Slave_Revision_Number", 0, true},
    {u"E_EtherCAT_Slave_Node_Address", 0, true},
};

}  // namespace

TFParGen::TFParGen(TComponent* AOwner, int model) : TFramedForm(AOwner), model_(model) {
  SetName(QStringLiteral("FParGen"));
  SetColor(kForm_Color);
  SetPosition(poScreenCenter);
  SetBorderStyle(bsSizeable);
  SetShowHint(true);
  Make_Title_And_Buttons();
  CPG = new TCategoryPanelGroup(this);
  CPG->SetName(QStringLiteral("CPG"));
  CPG->SetParent(this);
  CPG->SetTabOrder(1);  // after the title, before the buttons
  CPG->OnMouseWheel = [this](TShiftState s, int d, TPoint p) { return FormMouseWheel(s, d, p); };
  for (int p = 0; p < kParGenPanelCount; ++p) Make_Panel(static_cast<TParGenPanel>(p));
  Set_Edit_Limits();
  Fill_Combo_Lists();
  SetClientSize(kClient_Width, kClient_Height);
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
}

void TFParGen::Make_Title_And_Buttons() {
  Make_Title(200, 420, false, false);
  Make_OK_Cancel(236, 347, 105, [this](TObject* s) { Btn_OKClick(s); });
}

void TFParGen::Make_Panel(TParGenPanel panel) {
  auto* cp = new TCategoryPanel(this);
  cp->SetName(QString::fromUtf16(ParGen_Panels[panel].Name));
  cp->SetPanelGroup(CPG);
  panels_[panel] = cp;
  TPanel* surface = cp->Surface();
  const auto rows = Panel_Rows(panel);
  rows_[panel].resize(rows.size());
  int lowest = 0;
  for (size_t r = 0; r < rows.size(); ++r) {
    const bool address = rows[r].Kind == TRowKind::Address || rows[r].Kind == TRowKind::Gateway;
    for (const TControlPlacement& p : Row_Placements(rows[r], static_cast<int>(r))) {
      TControl* c = nullptr;
      switch (p.Kind) {
        case TControlKind::Label:
        case TControlKind::DotLabel: {
          auto* label = new TLabel(this);
          label->SetAutoSize(false);
          c = label;
          break;
        }
        case TControlKind::Edit:
        case TControlKind::RichEdit: {  // the certificate and password boxes are plain edits here
          auto* edit = new TEdit(this);
          edit->SetTabStop(true);
          edit->OnChange = [this](TObject* s) { On_Change(s); };
          if (address) edit->OnKeyPress = [this](TObject* s, QChar& k) { KeyPress(s, k); };
          c = edit;
          break;
        }
        case TControlKind::Combo: {
          auto* combo = new TComboBox(this, csDropDownList);
          combo->SetTabStop(true);
          combo->OnChange = [this](TObject* s) { On_Change(s); };
          c = combo;
          break;
        }
        case TControlKind::CheckBox: {
          auto* check = new TCheckBox(this);
          check->SetTabStop(true);
          check->OnClick = [this](TObject* s) { On_Click(s); };
          c = check;
          break;
        }
      }
      if (!p.Name.isEmpty()) c->SetName(p.Name);
      c->SetParent(surface);
      c->SetBounds(p.Left, p.Top, p.Width, p.Height);
      if (!p.Caption.isEmpty()) c->SetCaption(p.Caption);
      rows_[panel][r].push_back(c);
      lowest = std::max(lowest, p.Top + p.Height);
    }
  }
  // Designed height: the height rule on the designed rows (the layout refits it).
  cp->SetHeight(Panel_Height(lowest));
}

void TFParGen::Set_Edit_Limits() {
  for (const auto& limit : kEdit_Limits) {
    TEdit* edit = Edit(QString::fromUtf16(limit.Control));
    if (limit.MaxLength) edit->SetMaxLength(limit.MaxLength);
    if (limit.DigitsOnly) edit->OnKeyPress = [this](TObject* s, QChar& k) { Digits_Only(s, k); };
  }
}

void TFParGen::Fill_Combo_Lists() {
  for (const TParGenComboList& list : ParGen_Combo_Lists()) {
    for (const char16_t* name : list.Controls) {
      TComboBox* combo = Combo(QString::fromUtf16(name));
      if (!combo) continue;
      for (const char16_t* item : list.Items) combo->Items()->Add(QString::fromUtf16(item));
      combo->SetItemIndex(list.Selected);
    }
  }
}

TControl* TFParGen::Item(const QString& name) const { return dynamic_cast<TControl*>(FindComponent(name)); }
TEdit* TFParGen::Edit(const QString& name) const { return dynamic_cast<TEdit*>(FindComponent(name)); }
TCheckBox* TFParGen::Check(const QString& name) const { return dynamic_cast<TCheckBox*>(FindComponent(name)); }
TComboBox* TFParGen::Combo(const QString& name) const { return dynamic_cast<TComboBox*>(FindComponent(name)); }

// ---------------------------------------------------------------------------
// Creation, showing, size

void TFParGen::FormCreate(TObject*) {
  // 1. The software code is shown as it is, in every language.
  L_SW_Code->SetCaption(SW_Code);
  // 2. The designed client size.
  SetClientSize(kClient_Width, kClient_Height);
  // 3. Every panel hidden; the model's order shows its own.
  for (TCategoryPanel* p : panels_) p->SetVisible(false);
  // 4.
  Order_TAB_Panels();
  Move_GroupBoxs();
  Set_Lang();
}

void TFParGen::FormShow(TObject*) {
  TParGenModel model;
  const QString failure = model.Load(File_ParGen);
  Show_Fields(model);
  Move_GroupBoxs();
  // A file that cannot be read: the defaults are shown and the file stays as it
  // is until OK writes it.
  if (!failure.isEmpty()) MessageDlg(failure, mtError, {mbOK});
}

void TFParGen::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TForm::SetBounds(ALeft, ATop, AWidth, AHeight);
  FormResize(this);
}

void TFParGen::FormResize(TObject*) {
  if (placing_) return;
  placing_ = true;
  // Only the height follows the user.
  if (ClientWidth() != kClient_Width) SetClientSize(kClient_Width, ClientHeight());
  Place_Areas();
  placing_ = false;
}

void TFParGen::Place_Areas() {
  if (!P_Title || !CPG) return;
  const int middle = Place_Frame();
  CPG->SetBounds(0, kTitle_Height, ClientWidth(), middle);
}

bool TFParGen::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (FormMouseWheel(Shift, WheelDelta, MousePos)) return true;
  return TForm::DoMouseWheel(Shift, WheelDelta, MousePos);
}

bool TFParGen::FormMouseWheel(TShiftState, int WheelDelta, TPoint MousePos) {
  const TPoint p = CPG->ScreenToClient(MousePos);
  if (!PtInRect(CPG->ClientRect(), p)) return false;
  const int lines = WheelScrollLines();
  for (int i = 0; i < lines; ++i) {
    CPG->VScroll(WheelDelta > 0 ? TCategoryPanelGroup::SB_LINEUP : TCategoryPanelGroup::SB_LINEDOWN);
    CPG->VScroll(TCategoryPanelGroup::SB_ENDSCROLL);
  }
  return true;
}

// ---------------------------------------------------------------------------
// Panels: order and layout

void TFParGen::Order_TAB_Panels() { Order_TAB_Panels_Model(model_); }

void TFParGen::Order_TAB_Panels_Model(int model) {
  const auto order = Panel_Order(model);
  // 1. Visible in list order.
  for (TParGenPanel p : order) panels_[p]->SetVisible(true);
  // 2. Stacked from the top with the heights they have now.
  int top = 0;
  for (TParGenPanel p : order) {
    panels_[p]->SetTop(top);
    top += panels_[p]->Height();
  }
  // 3-4. Numbered captions and tab orders.
  for (size_t k = 0; k < order.size(); ++k) {
    panels_[order[k]]->SetCaption(Panel_Caption(static_cast<int>(k) + 1, order[k]));
    panels_[order[k]]->SetTabOrder(static_cast<int>(k));
  }
}

void TFParGen::Move_GroupBoxs() { RePosition_Objects_Model(model_); }

void TFParGen::RePosition_Objects_Model(int model) {
  for (TParGenPanel p : Panel_Order(model)) RePosition_Object(p);
  for (const TParGenPanelStep& step : Model_Panel_Steps(model, Choices())) {
    TCategoryPanel* cp = panels_[step.Panel];
    if (step.Visible) cp->SetVisible(*step.Visible);
    if (step.Enabled) cp->SetEnabled(*step.Enabled);
    if (step.Collapsed) cp->SetCollapsed(*step.Collapsed);
  }
}

void TFParGen::RePosition_Object(TParGenPanel panel) {
  Apply_Layout(panel, Panel_Layout(panel, Choices()));
  // DHCP on the cable greys the address rows of the Modbus TCP slave panel (never
  // shown with this one); this panel's own rows stay enabled, since their values
  // are checked at OK whatever DHCP says.
  if (panel == CP_Modbus_TCP_Master)
    Enable_Address_Rows(CP_Modbus_TCP_Slave, !Check(QStringLiteral("CB_EthConn_En_DHCP_Cable"))->Checked());
}

TParGenChoices TFParGen::Choices() const {
  TParGenChoices choices;
  for (const TParGenChoiceControl& choice : ParGen_Choice_Controls()) {
    const QString name = QString::fromUtf16(choice.Control);
    if (choice.Checked) choices.*choice.Checked = Check(name)->Checked();
    else choices.*choice.Index = Combo(name)->ItemIndex();
  }
  return choices;
}

void TFParGen::Apply_Layout(TParGenPanel panel, const TParGenPanelLayout& layout) {
  const auto rows = Panel_Rows(panel);
  for (size_t r = 0; r < rows.size(); ++r) {
    const TParGenRowLayout& row = layout.Rows[r];
    const std::vector<TControlPlacement> places = Row_Placements_At(rows[r], row.Top);
    const std::vector<TControl*>& controls = rows_[panel][r];
    for (size_t i = 0; i < controls.size(); ++i) {
      TControl* c = controls[i];
      c->SetTop(places[i].Top);
      c->SetVisible(row.Visible);
      if (i == 0 && row.FirstEnabled) c->SetEnabled(*row.FirstEnabled);
      if (i > 0 && row.InputsEnabled && places[i].Kind != TControlKind::DotLabel) c->SetEnabled(*row.InputsEnabled);
    }
  }
  panels_[panel]->SetHeight(layout.Height);
}

void TFParGen::Enable_Address_Rows(TParGenPanel panel, bool enabled) {
  for (const TParGenRow& row : Panel_Rows(panel)) {
    if (row.Kind != TRowKind::Address && row.Kind != TRowKind::Gateway) continue;
    if (row.Kind == TRowKind::Gateway) Check(QString::fromUtf16(row.First))->SetEnabled(enabled);
    for (int part = 1; part <= 4; ++part) Edit(Address_Edit_Name(row, part))->SetEnabled(enabled);
  }
}

// ---------------------------------------------------------------------------
// Texts

void TFParGen::Set_Lang() {
  for (const TTextAssignment& a : ParGen_Text_Assignments()) {
    TControl* c = a.Control.isEmpty() ? this : Item(a.Control);
    if (!c) continue;
    switch (a.Target) {
      case TTextTarget::Caption: c->SetCaption(Lang_Text(a.Text)); break;
      case TTextTarget::Hint: c->SetHint(Lang_Text(a.Text)); break;
      case TTextTarget::Items: {
        auto* combo = dynamic_cast<TComboBox*>(c);
        if (!combo) break;
        combo->Items()->Clear();
        for (int i = 0; i < a.Count; ++i) combo->Items()->Add(Lang_Text(a.Text + i));
        combo->SetItemIndex(0);
        break;
      }
    }
  }
}

// ---------------------------------------------------------------------------
// Fields, checks, saving

TParGenModel TFParGen::Fields() const {
  TParGenModel model;
  for (int f = 0; f < kParGenFieldCount; ++f) {
    const auto field = static_cast<TParGenField>(f);
    const QString name = QString::fromUtf16(ParGen_Field_Controls[f]);
    if (ParGen_Fields[f].CheckBox) model.SetChecked(field, Check(name)->Checked());
    else model.SetText(field, Edit(name)->Text());
  }
  return model;
}

void TFParGen::Show_Fields(const TParGenModel& model) {
  for (int f = 0; f < kParGenFieldCount; ++f) {
    const auto field = static_cast<TParGenField>(f);
    const QString name = QString::fromUtf16(ParGen_Field_Controls[f]);
    if (ParGen_Fields[f].CheckBox) Check(name)->SetChecked(model.Checked(field));
    else Edit(name)->SetText(model.Text(field));
  }
}

bool TFParGen::Controllo_Dati() {
  const std::optional<int> failure = ::Controllo_Dati(Fields());
  if (!failure) return true;
  MessageDlg(Lang_Text(*failure), mtError, {mbOK});
  return false;
}

void TFParGen::Btn_OKClick(TObject*) {
  // 1. Checks; a failure keeps the form open and the file untouched.
  if (!Controllo_Dati()) return;
  // 2-5. The whole file, replaced.
  try {
    Fields().Save(File_ParGen);
  } catch (const Exception& e) {
    // Not written: say so and stay open, so nothing typed is lost.
    MessageDlg(Lang_Text(kText_ParGen_Not_Saved) + u'\n' + e.Message, mtError, {mbOK});
    return;
  }
  // 6.
  SetModalResult(mrOk);
}

// ---------------------------------------------------------------------------
// Keys and layout triggers

void TFParGen::KeyPress(TObject* Sender, QChar& Key) {
  if (Key != u'.') return;
  Key = QChar();
  const auto* sender = dynamic_cast<TComponent*>(Sender);
  if (!sender) return;
  const QString next = Dot_Key_Next(ParGen_Dot_Chains, sender->Name());
  if (next.isEmpty()) return;
  TEdit* edit = Edit(next);
  if (edit && edit->CanFocus()) edit->SetFocus();
}

void TFParGen::Digits_Only(TObject*, QChar& Key) {
  if (Key >= u' ' && !Key.isDigit()) Key = QChar();
}

void TFParGen::On_Change(TObject* Sender) {
  const TParGenChoiceControl* choice = Choice_Control(Sender);
  if (choice && choice->Index) Move_GroupBoxs();
}

void TFParGen::On_Click(TObject* Sender) {
  const TParGenChoiceControl* choice = Choice_Control(Sender);
  if (choice && choice->Checked) Move_GroupBoxs();
}

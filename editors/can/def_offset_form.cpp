#include "editors/can/def_offset_form.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "app/table_editor/form_frame.h"
#include "controls/button/fade_button.h"
#include "grid/view/column_grid.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/strings.h"
#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/labels.h"
#include "platform/ui/page_control.h"
#include "platform/ui/shapes.h"

#include <algorithm>

TFDefOffset* FDefOffset = nullptr;

namespace {

constexpr int kRow_Height = 21;
constexpr int kSlave_Widths[] = {100, 100, 100, 160};
constexpr int kByte_Widths[] = {60, 90, 300};

TExColumnGrid* New_Grid(TComponent* owner, TWinControl* parent, const QString& name, int cols, int fixedCols) {
  auto* g = new TExColumnGrid(owner);
  g->SetName(name);
  g->SetParent(parent);
  g->SetColCount(cols);
  g->SetRowCount(1);
  g->FixedRowAlways = true;
  g->SetFixedCols(fixedCols);
  g->SetFixedRows(1);
  g->SetDefaultRowHeight(kRow_Height);
  return g;
}

TLabel* New_Label(TComponent* owner, TWinControl* parent, const QString& name) {
  auto* label = new TLabel(owner);
  label->SetName(name);
  label->SetParent(parent);
  return label;
}

}  // namespace

TFDefOffset::TFDefOffset(TComponent* AOwner) : TFramedForm(AOwner) {
  SetName(QStringLiteral("FDefOffset"));
  SetColor(kForm_Color);
  SetPosition(poScreenCenter);
  Font()->SetName(QStringLiteral("Verdana"));
  Font()->SetSize(8);
  Make_Controls();
  SetClientSize(kClient_Width, kClient_Height);
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  Place_Areas();
}

TFDefOffset::~TFDefOffset() = default;

void TFDefOffset::Make_Controls() {
  Make_Title(300, 440, true, true);

  Panel1 = Make_Button_Panel(this, kForm_Color);
  Panel1->SetName(QStringLiteral("Panel1"));
  Label1 = New_Label(this, Panel1, QStringLiteral("Label1"));
  ECG_DN_Slaves = New_Grid(this, Panel1, QStringLiteral("ECG_DN_Slaves"), 4, 0);
  ECG_DN_Slaves->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goColSizing});
  for (int c = 0; c < 4; ++c) {
    TGridColumnItem* item = ECG_DN_Slaves->Columns()->Items(c);
    item->SetWidth(kSlave_Widths[c]);
    item->ReadOnly = true;
  }
  ECG_DN_Slaves->OnClick = [this](TObject* s) { ECG_DN_SlavesClick(s); };

  Panel3 = Make_Button_Panel(this, kForm_Color);
  Panel3->SetName(QStringLiteral("Panel3"));
  Label2 = New_Label(this, Panel3, QStringLiteral("Label2"));
  Label3 = New_Label(this, Panel3, QStringLiteral("Label3"));
  PageControl1 = new TPageControl(this);
  PageControl1->SetName(QStringLiteral("PageControl1"));
  PageControl1->SetParent(Panel3);
  TabSheet1 = new TTabSheet(this);
  TabSheet1->SetName(QStringLiteral("TabSheet1"));
  TabSheet1->SetPageControl(PageControl1);
  TabSheet2 = new TTabSheet(this);
  TabSheet2->SetName(QStringLiteral("TabSheet2"));
  TabSheet2->SetPageControl(PageControl1);
  ECG_ByteIN = Make_Byte_Grid(TabSheet1, QStringLiteral("ECG_ByteIN"));
  ECG_ByteOUT = Make_Byte_Grid(TabSheet2, QStringLiteral("ECG_ByteOUT"));

  Make_OK_Cancel(16, 134, 110, [this](TObject* s) { bitbtn1Click(s); });
  Btn_OK->SetShowHint(true);
  Btn_Cancel->SetShowHint(true);
}

TExColumnGrid* TFDefOffset::Make_Byte_Grid(TTabSheet* Page, const QString& Name) {
  TExColumnGrid* g = New_Grid(this, Page, Name, 3, 1);
  g->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing});
  for (int c = 0; c < 3; ++c) g->Columns()->Items(c)->SetWidth(kByte_Widths[c]);
  g->Columns()->Items(1)->SetEditor(edComboList);
  return g;
}

// ---------------------------------------------------------------------------
// Creation and texts

void TFDefOffset::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SW_Code);
  SetClientSize(kClient_Width, kClient_Height);
  PageControl1->SetActivePage(TabSheet1);
  Set_Lang();
}

void TFDefOffset::Set_Lang() {
  SetCaption(Lang_Text(3000));
  L_SW_Desc->SetCaption(Lang_Text(3001));
  Btn_OK->SetCaption(Lang_Text(3002));
  Btn_Cancel->SetCaption(Lang_Text(3003));
  Btn_OK->SetHint(Lang_Text(3004));
  Btn_Cancel->SetHint(Lang_Text(3005));
  TabSheet1->SetCaption(Lang_Text(3006));
  TabSheet2->SetCaption(Lang_Text(3007));
  Label1->SetCaption(Lang_Text(3008));
  Label2->SetCaption(Lang_Text(3009));
  Label3->SetCaption(Lang_Text(3010));
  for (int c = 0; c < 4; ++c) ECG_DN_Slaves->SetCellEx(c, 0, Lang_Text(3011 + c));
  for (int c = 0; c < 3; ++c) {
    ECG_ByteIN->SetCellEx(c, 0, Lang_Text(3015 + c));
    ECG_ByteOUT->SetCellEx(c, 0, Lang_Text(3018 + c));
  }
}

// ---------------------------------------------------------------------------
// Showing

void TFDefOffset::FormShow(TObject*) {
  // 1.
  Model = TDNetOffsets();
  // 2.
  MAX_BYTE_IN = kDN_Offset_Area;
  MAX_BYTE_OUT = kDN_Offset_Area;
  Fill_Offsets(ECG_ByteIN, MAX_BYTE_IN);
  Fill_Offsets(ECG_ByteOUT, MAX_BYTE_OUT);
  // 3.
  Slave_Before_Select = -1;
  // 4. and 5.; a stop keeps what was read, and the selection below still runs.
  Load_Slave_DN();
  Load_Offset_Slave_DN();
  // 6.
  Select_First();
  if (!Model.Failure.isEmpty()) {
    Application->HandleException(Model.Box);
    return;
  }
  for (const QString& note : Model.Notes) MessageDlg(note, mtWarning, {mbOK});
}

void TFDefOffset::Fill_Offsets(TExColumnGrid* Grid, int Count) {
  TStringList items;
  items.Add(QStringLiteral("None"));
  for (int i = 0; i < Count; ++i) items.Add(IntToStr(i));
  Grid->Columns()->Items(1)->SetComboItems(&items);
}

void TFDefOffset::Load_Slave_DN() {
  ECG_DN_Slaves->SetRowCount(1);
  ::Load_Slave_DN(File_DNETM_Net, Model);
  ECG_DN_Slaves->SetRowCount(int(Model.Rows.size()) + 1);
  for (int i = 0; i < int(Model.Rows.size()); ++i)
    for (int c = 0; c < 4; ++c) ECG_DN_Slaves->SetCellEx(c, i + 1, Model.Rows[i][size_t(c)]);
}

void TFDefOffset::Load_Offset_Slave_DN() { ::Load_Offset_Slave_DN(File_DNETM_DefOff, Model); }

void TFDefOffset::Select_First() {
  if (ECG_DN_Slaves->RowCount() <= 1) {
    Update_Slave_DN();
    return;
  }
  ECG_DN_Slaves->SetRow(1);
  ECG_DN_SlavesClick(ECG_DN_Slaves);
}

void TFDefOffset::ECG_DN_SlavesClick(TObject*) {
  Save_Data_ByteIN_ByteOUT();
  const int row = ECG_DN_Slaves->Row();
  if (row < 1 || row >= ECG_DN_Slaves->RowCount()) return;
  ECG_DN_Slaves->SelectRows(row, 1);
  // A row whose slave was not read (the load stopped there) shows no bytes.
  Slave_Before_Select = row - 1 < int(Model.Slaves.size()) ? row - 1 : -1;
  Update_Slave_DN();
}

void TFDefOffset::Update_Slave_DN() {
  const int row = ECG_DN_Slaves->Row();
  const TSlave_DN* slave =
      ECG_DN_Slaves->RowCount() > 1 && row >= 1 && row - 1 < int(Model.Slaves.size()) ? &Model.Slaves[size_t(row - 1)]
                                                                                       : nullptr;
  const struct {
    TExColumnGrid* Grid;
    const QStringList* Offsets;
    const QStringList* Mnemonics;
  } grids[] = {{ECG_ByteIN, slave ? &slave->SL_ByteIN : nullptr, slave ? &slave->SL_ByteIN_M : nullptr},
               {ECG_ByteOUT, slave ? &slave->SL_ByteOUT : nullptr, slave ? &slave->SL_ByteOUT_M : nullptr}};
  for (const auto& g : grids) {
    const int count = g.Offsets ? int(g.Offsets->size()) : 0;
    g.Grid->SetRowCount(count + 1);
    for (int r = 1; r <= count; ++r) {
      g.Grid->SetCellEx(0, r, IntToStr(r - 1));
      g.Grid->SetCellEx(1, r, g.Offsets->at(r - 1));
      g.Grid->SetCellEx(2, r, g.Mnemonics->at(r - 1));
    }
  }
}

bool TFDefOffset::Save_Data_ByteIN_ByteOUT() {
  if (Slave_Before_Select < 0 || Slave_Before_Select >= int(Model.Slaves.size())) return true;
  TSlave_DN& slave = Model.Slaves[size_t(Slave_Before_Select)];
  const struct {
    TExColumnGrid* Grid;
    QStringList* Offsets;
    QStringList* Mnemonics;
  } grids[] = {{ECG_ByteIN, &slave.SL_ByteIN, &slave.SL_ByteIN_M}, {ECG_ByteOUT, &slave.SL_ByteOUT, &slave.SL_ByteOUT_M}};
  for (const auto& g : grids) {
    const int count = std::min(g.Grid->RowCount() - 1, int(g.Offsets->size()));
    for (int r = 1; r <= count; ++r) {
      (*g.Offsets)[r - 1] = g.Grid->GetCellEx(1, r);
      (*g.Mnemonics)[r - 1] = g.Grid->GetCellEx(2, r);
    }
  }
  return true;
}

// ---------------------------------------------------------------------------
// Checks and saving

bool TFDefOffset::Check_Data() {
  const std::optional<QString> failure = Check_Output_Offsets(Model.Slaves);
  if (!failure) return true;
  MessageDlg(*failure, mtError, {mbOK});
  return false;
}

bool TFDefOffset::Confirm_Failed_Load() {
  if (Model.Failure.isEmpty()) return true;
  const QString question = Lang_Text(kText_DN_Failed_Load).arg(Model.Failure, File_DNETM_DefOff);
  return MessageDlg(question, mtConfirmation, {mbYes, mbNo}, 0, mbNo) == mrYes;
}

void TFDefOffset::bitbtn1Click(TObject*) {
  Save_Data_ByteIN_ByteOUT();
  if (!Check_Data()) return;
  if (!Confirm_Failed_Load()) return;
  try {
    Save_Offset_Slave_DN(File_DNETM_DefOff, Model.Slaves);
  } catch (const Exception& e) {
    MessageDlg(Lang_Text(kText_DN_Not_Saved) + u'\n' + e.Message, mtError, {mbOK});
    return;
  }
  Model.Failure.clear();
  SetModalResult(mrOk);
}

// ---------------------------------------------------------------------------
// Layout: title, the slave list, the byte pages, the buttons.

void TFDefOffset::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TForm::SetBounds(ALeft, ATop, AWidth, AHeight);
  Place_Areas();
}

void TFDefOffset::Place_Areas() {
  if (!P_Title || !Panel1 || !Panel3 || !P_Button || !ECG_ByteOUT) return;
  const int w = ClientWidth();
  const int h = ClientHeight();
  Place_Frame();
  Panel1->SetBounds(0, kTitle_Height, w, kSlaves_Height);
  Label1->SetBounds(8, 4, w - 16, 16);
  ECG_DN_Slaves->SetBounds(8, 22, std::max(0, w - 16), kSlaves_Height - 26);
  const int lower = kTitle_Height + kSlaves_Height + 3;
  const int lowerHeight = std::max(0, h - kButtons_Height - lower);
  Panel3->SetBounds(0, lower, w, lowerHeight);
  Label2->SetBounds(8, 4, w - 16, 16);
  Label3->SetBounds(8, 22, w - 16, 16);
  PageControl1->SetBounds(8, 42, std::max(0, w - 16), std::max(0, lowerHeight - 46));
  for (TExColumnGrid* grid : {ECG_ByteIN, ECG_ByteOUT})
    grid->SetBounds(0, 0, std::max(0, PageControl1->Width() - 6), std::max(0, PageControl1->Height() - 28));
}

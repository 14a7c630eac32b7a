#include "gateway/modbus_tcp_master_form.h"

#include "app/editor_file/row_check_failure.h"
#include "app/grid_rows/grid_rows.h"
#include "app/language/language.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "app/table_editor/form_frame.h"
#include "gateway/modbus_tcp_master_checks.h"
#include "grid/view/column_grid.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/strings.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/labels.h"
#include "platform/ui/page_control.h"
#include "platform/ui/shapes.h"

#include <algorithm>

TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access = nullptr;

namespace {

constexpr TColor kForm_Color = 0xEDF7F8;
constexpr int kData_Rows = kMB_RowCount - 1;

// What a column's list holds.
enum class TItems { None, Read_Types, Write_Types, Positions, Bits, Topics };

// One column of a table as the form designs it.
struct TRuleColumn {
  int Width;
  TColor Color;
  TEditorType Editor;
  TItems Items;
};

constexpr TRuleColumn kRead_Columns[kMBR_ColCount] = {
    {40, clNone, edNormal, TItems::None},              // N
    {50, 0xB0D8FF, edDataCheckBox, TItems::None},      // Enable
    {101, 0xFEFAE0, edNormal, TItems::None},           // Slave IP Address
    {45, 0xFEFAE0, edNormal, TItems::None},            // Port
    {55, 0xFEFAE0, edNormal, TItems::None},            // Slave ID
    {100, 0xFEFAE0, edComboList, TItems::Read_Types},  // Type
    {55, 0xFEFAE0, edNormal, TItems::None},            // Address
    {45, 0xFEFAE0, edNormal, TItems::None},            // NPoint
    {60, 0xA8FFA8, edNormal, TItems::None},            // Poll Time
    {64, 0xA8FFA8, edNormal, TItems::None},            // Max Error
    {60, 0xF4D6FC, edComboList, TItems::Positions},    // Position
    {60, 0xF4D6FC, edComboList, TItems::Bits},         // Start Bit
    {40, 0xA8FFFF, edDataCheckBox, TItems::None},      // Swap
    {80, 0xA8FFFF, edDataCheckBox, TItems::None},      // Swap Word
    {120, 0xFFD5D5, edComboList, TItems::Topics},      // Topic (hidden when shown)
    {140, 0xFFFFFF, edNormal, TItems::None},           // Mnemonic
};

constexpr TRuleColumn kWrite_Columns[kMBW_ColCount] = {
    {40, clNone, edNormal, TItems::None},               // N
    {50, 0xB0D8FF, edDataCheckBox, TItems::None},       // Enable
    {101, 0xFEFAE0, edNormal, TItems::None},            // Slave IP Address
    {45, 0xFEFAE0, edNormal, TItems::None},             // Port
    {55, 0xFEFAE0, edNormal, TItems::None},             // Slave ID
    {100, 0xFEFAE0, edComboList, TItems::Write_Types},  // Type
    {55, 0xFEFAE0, edNormal, TItems::None},             // Address
    {45, 0xFEFAE0, edNormal, TItems::None},             // NPoint
    {60, 0xA8FFA8, edNormal, TItems::None},             // Poll Time
    {66, 0xA8FFA8, edDataCheckBox, TItems::None},       // On Change
    {56, 0xA8FFA8, edDataCheckBox, TItems::None},       // On CMD
    {62, 0xA8FFA8, edNormal, TItems::None},             // Max Error
    {55, 0xF4D6FC, edComboList, TItems::Positions},     // Position
    {55, 0xF4D6FC, edComboList, TItems::Bits},          // Start Bit
    {40, 0xA8FFFF, edDataCheckBox, TItems::None},       // Swap
    {80, 0xA8FFFF, edDataCheckBox, TItems::None},       // Swap Word
    {150, 0xFFFFFF, edNormal, TItems::None},            // Mnemonic
};

constexpr const char16_t* kRead_Types[] = {u"Coil Status", u"Input Status", u"Holding Register", u"Input Register"};
constexpr const char16_t* kWrite_Types[] = {u"Coil Status", u"Holding Register"};

// Language texts of the titles and hints.
constexpr int kRead_Titles[kMBR_ColCount] = {1808, 1809, 1810, 1811, 1812, 1813, 1814, 1815,
                                             1816, 1817, 1818, 1819, 1820, 1900, 1862, 1821};
constexpr int kWrite_Titles[kMBW_ColCount] = {1822, 1823, 1824, 1825, 1826, 1827, 1828, 1829, 1830,
                                              1831, 1832, 1833, 1834, 1835, 1836, 1901, 1837};
// One per real column 1 to 15.
constexpr int kRead_Hints[] = {1869, 1870, 1871, 1872, 1873, 1874, 1875, 1876,
                               1877, 1878, 1879, 1880, 1902, 1881, 1882};
// One per shown column 1 to 14 while the Topic column is hidden.
constexpr int kRead_Shown_Hints[] = {1869, 1870, 1871, 1872, 1873, 1874, 1875,
                                     1876, 1877, 1878, 1879, 1880, 1902, 1882};
constexpr int kWrite_Hints[] = {1883, 1884, 1885, 1886, 1887, 1888, 1889, 1890,
                                1891, 1892, 1893, 1894, 1895, 1896, 1903, 1897};
constexpr int kDelete_Question = 1861;

template <size_t N>
void Set_Hints(TStringList& list, const int (&texts)[N]) {
  list.Clear();
  for (int text : texts) list.Add(Lang_Text(text));
}

}  // namespace

TFModbus_TCP_Master_Set_Access::TFModbus_TCP_Master_Set_Access(TComponent* AOwner) : TForm(AOwner) {
  SetName(QStringLiteral("FModbus_TCP_Master_Set_Access"));
  SetColor(kForm_Color);
  SetPosition(poScreenCenter);
  Make_Title_And_Buttons();
  Make_Pages();
  SetClientSize(kClient_Width, kClient_Height);
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  Place_Areas();
}

TFModbus_TCP_Master_Set_Access::~TFModbus_TCP_Master_Set_Access() = default;

void TFModbus_TCP_Master_Set_Access::Make_Title_And_Buttons() {
  const TFormTitle title = Make_Form_Title(this, kForm_Color, 300, 900, true);
  P_Title = title.Panel;
  L_SW_Code = title.Code;
  L_SW_Desc = title.Desc;

  P_Button = Make_Button_Panel(this, kForm_Color);
  Make_Row_Buttons(this, P_Button);
  // These two captions are not in the language list.
  Btn_CopyRow->SetCaption(QStringLiteral("Copy Row"));
  Btn_PasteRow->SetCaption(QStringLiteral("Paste Row"));
}

void TFModbus_TCP_Master_Set_Access::Make_Pages() {
  const TTwoSheets sheets = Make_Two_Sheets(this, QStringLiteral("TS_Modbus_Read"), QStringLiteral("TS_Modbus_Write"));
  PageControl1 = sheets.Pages;
  TS_Modbus_Read = sheets.First;
  TS_Modbus_Write = sheets.Second;
  ECG_Modbus_Read = Make_Grid(TS_Modbus_Read, QStringLiteral("ECG_Modbus_Read"), true);
  ECG_Modbus_Write = Make_Grid(TS_Modbus_Write, QStringLiteral("ECG_Modbus_Write"), false);
}

TExColumnGrid* TFModbus_TCP_Master_Set_Access::Make_Grid(TTabSheet* Page, const QString& Name, bool Read) {
  auto* g = new TExColumnGrid(this);
  g->SetName(Name);
  g->SetParent(Page);
  // No editing option: the grid switches it on when the cursor first stands on an
  // editable check-box cell.
  g->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing});
  const int cols = Read ? kMBR_ColCount : kMBW_ColCount;
  const TRuleColumn* design = Read ? kRead_Columns : kWrite_Columns;
  g->SetColCount(cols);
  g->SetRowCount(kMB_RowCount);
  g->SetFixedCols(1);
  g->SetFixedRows(1);
  g->SetDefaultRowHeight(22);
  for (int c = 0; c < cols; ++c) {
    TGridColumnItem* item = g->Columns()->Items(c);
    item->SetWidth(design[c].Width);
    if (c == 0) continue;
    item->SetColor(design[c].Color);
    item->SetEditor(design[c].Editor);
    if (design[c].Editor == edDataCheckBox) item->SetAlignment(taCenter);
    TStringList* items = item->ComboItems();
    switch (design[c].Items) {
      case TItems::Read_Types:
        for (const char16_t* t : kRead_Types) items->Add(QString::fromUtf16(t));
        break;
      case TItems::Write_Types:
        for (const char16_t* t : kWrite_Types) items->Add(QString::fromUtf16(t));
        break;
      case TItems::Bits:
        for (int bit = 0; bit < 8; ++bit) items->Add(IntToStr(bit));
        break;
      case TItems::Topics:  // the topic list is empty in this model
      case TItems::Positions:  // filled when shown
      case TItems::None:
        break;
    }
  }
  g->OnClickCell = [this](TObject* s, int r, int c) { ClickCell(s, r, c); };
  g->OnDblClickCell = [this](TObject* s, int r, int c) { ECG_Modbus_ReadDblClickCell(s, r, c); };
  // Enter and the header hints serve the Read table as they serve the Write table.
  g->OnKeyPress = [this](TObject* s, QChar& k) { ECG_Modbus_WriteKeyPress(s, k); };
  g->OnGridHint = [this](TObject* s, int r, int c, QString& h) { ECG_Modbus_WriteGridHint(s, r, c, h); };
  return g;
}

// ---------------------------------------------------------------------------
// Creation, texts, showing

void TFModbus_TCP_Master_Set_Access::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SW_Code);
  SetClientSize(kClient_Width, ClientHeight());
  Hint_Modbus_Set_Access_Read.Clear();
  Hint_Modbus_Set_Access_Write.Clear();
  Model.List_Publish_Topic.clear();
  Set_Lang();
}

void TFModbus_TCP_Master_Set_Access::Set_Lang() {
  SetCaption(Lang_Text(1800));
  L_SW_Desc->SetCaption(Lang_Text(1801));
  Btn_OK->SetCaption(Lang_Text(1802));
  Btn_Cancel->SetCaption(Lang_Text(1803));
  Btn_DelRow->SetCaption(Lang_Text(1804));
  Btn_InsRow->SetCaption(Lang_Text(1805));
  const auto buttons = Row_Buttons(this);
  for (int i = 0; i < 6; ++i) buttons[size_t(i)]->SetHint(Lang_Text(1863 + i));
  TS_Modbus_Read->SetCaption(Lang_Text(1806));
  TS_Modbus_Write->SetCaption(Lang_Text(1807));
  for (int c = 0; c < kMBR_ColCount; ++c) ECG_Modbus_Read->Columns()->Items(c)->SetHeader(Lang_Text(kRead_Titles[c]));
  for (int c = 0; c < kMBW_ColCount; ++c) ECG_Modbus_Write->Columns()->Items(c)->SetHeader(Lang_Text(kWrite_Titles[c]));
  Set_Hints(Hint_Modbus_Set_Access_Read, kRead_Hints);
  Set_Hints(Hint_Modbus_Set_Access_Write, kWrite_Hints);
}

void TFModbus_TCP_Master_Set_Access::FormShow(TObject*) {
  // 1. Hints for the shown Read columns (the Topic column is hidden).
  Set_Hints(Hint_Modbus_Set_Access_Read, kRead_Shown_Hints);
  // 2.
  TS_Modbus_Write->SetTabVisible(true);
  if (!ECG_Modbus_Read->IsHiddenColumn(kMBR_Topic)) ECG_Modbus_Read->HideColumn(kMBR_Topic);
  for (int c : {kMBR_Position, kMBR_Bit})
    if (ECG_Modbus_Read->IsHiddenColumn(c)) ECG_Modbus_Read->UnHideColumn(c);
  // 3. Every row numbered, enabled, otherwise empty (hidden cells too).
  TGridEditorTable read(ECG_Modbus_Read);
  TGridEditorTable write(ECG_Modbus_Write);
  Reset_Editor_Table(read);
  Reset_Editor_Table(write);
  // 4.
  PageControl1->SetActivePage(TS_Modbus_Read);
  NByte_IN = kMB_Data_Bytes;
  NByte_OUT = kMB_Data_Bytes;
  Fill_Positions(ECG_Modbus_Read, kMBR_Position, NByte_IN);
  Fill_Positions(ECG_Modbus_Write, kMBW_Position, NByte_OUT);
  // 5. The file: the rows and cells read before a fault stay.
  const QString failure = Model.Load(File_ModbusTCPM_SetAccess);
  Copy_Editor_Table(Model.Read, read);
  Copy_Editor_Table(Model.Write, write);
  // 6.
  Do_Copy_In_Read = false;
  Do_Copy_In_Write = false;
  if (!failure.isEmpty()) {
    MessageDlg(failure, mtError, {mbOK});
    return;
  }
  // Rules beyond the 512 of a table are not loaded (and OK would not write them).
  if (const int surplus = Surplus_Editor_Rows(File_ModbusTCPM_SetAccess, Modbus_TCP_Master_File_Layout, kData_Rows))
    MessageDlg(Lang_Text(kText_MB_Surplus_Rows).arg(File_ModbusTCPM_SetAccess).arg(surplus), mtWarning, {mbOK});
}

void TFModbus_TCP_Master_Set_Access::Fill_Positions(TExColumnGrid* Grid, int Col, int Count) {
  TStringList items;
  for (int i = 0; i < Count; ++i) items.Add(IntToStr(i));
  Grid->Columns()->Items(Col)->SetComboItems(&items);
}

// ---------------------------------------------------------------------------
// Checks and saving

bool TFModbus_TCP_Master_Set_Access::Controllo_dati() {
  const TGridEditorTable read(ECG_Modbus_Read);
  const TGridEditorTable write(ECG_Modbus_Write);
  const std::optional<TRowCheckFailure> failure = ::Controllo_dati(read, write, NByte_IN, NByte_OUT);
  if (!failure) return true;
  MessageDlg(Row_Check_Message(*failure, kMB_Error_Row_Text), mtError, {mbOK});
  return false;
}

bool TFModbus_TCP_Master_Set_Access::Confirm_Lost_Rows() {
  const struct {
    TExColumnGrid* Grid;
    TTabSheet* Page;
    int Layout;
  } tables[] = {{ECG_Modbus_Read, TS_Modbus_Read, 0}, {ECG_Modbus_Write, TS_Modbus_Write, 1}};
  for (const auto& t : tables) {
    const TGridEditorTable table(t.Grid);
    const int gap = First_Lost_Row(Modbus_TCP_Master_File_Layout.Tables[t.Layout], table);
    if (gap == 0) continue;
    const QString question = Lang_Text(kText_MB_Lost_Rows).arg(t.Page->Caption()).arg(gap);
    if (MessageDlg(question, mtConfirmation, {mbYes, mbNo}) != mrYes) return false;
  }
  return true;
}

void TFModbus_TCP_Master_Set_Access::Btn_OKClick(TObject*) {
  if (!Controllo_dati()) return;
  if (!Confirm_Lost_Rows()) return;
  Copy_Editor_Table(TGridEditorTable(ECG_Modbus_Read), Model.Read);
  Copy_Editor_Table(TGridEditorTable(ECG_Modbus_Write), Model.Write);
  try {
    Model.Save(File_ModbusTCPM_SetAccess);
  } catch (const Exception& e) {
    // Not written: say so and stay open, so nothing typed is lost.
    MessageDlg(Lang_Text(kText_MB_Not_Saved) + u'\n' + e.Message, mtError, {mbOK});
    return;
  }
  SetModalResult(mrOk);
}

// ---------------------------------------------------------------------------
// Grid events

TExColumnGrid* TFModbus_TCP_Master_Set_Access::Active_Grid() const {
  return PageControl1->ActivePage() == TS_Modbus_Write ? ECG_Modbus_Write : ECG_Modbus_Read;
}

TExColumnGrid* TFModbus_TCP_Master_Set_Access::Grid_Of(TObject* Sender) const {
  if (Sender == ECG_Modbus_Read) return ECG_Modbus_Read;
  if (Sender == ECG_Modbus_Write) return ECG_Modbus_Write;
  return Active_Grid();
}

void TFModbus_TCP_Master_Set_Access::ClickCell(TObject* Sender, int ARow, int ACol) {
  if (ACol == 0) Grid_Of(Sender)->SelectRows(ARow, 1);
}

void TFModbus_TCP_Master_Set_Access::ECG_Modbus_ReadDblClickCell(TObject* Sender, int ARow, int ACol) {
  Grid_Auto_Size_Col(Grid_Of(Sender), ARow, ACol);
}

void TFModbus_TCP_Master_Set_Access::ECG_Modbus_WriteKeyPress(TObject* Sender, QChar& Key) {
  Grid_Enter_Next_Cell(Grid_Of(Sender), Key);
}

void TFModbus_TCP_Master_Set_Access::ECG_Modbus_WriteGridHint(TObject* Sender, int ARow, int ACol, QString& HintStr) {
  if (ARow != 0 || ACol <= 0) return;
  const TStringList& hints =
      Grid_Of(Sender) == ECG_Modbus_Write ? Hint_Modbus_Set_Access_Write : Hint_Modbus_Set_Access_Read;
  if (ACol - 1 < hints.Count()) HintStr = hints[ACol - 1];
}

// ---------------------------------------------------------------------------
// Row buttons

void TFModbus_TCP_Master_Set_Access::Btn_DelRowClick(TObject*) {
  TExColumnGrid* grid = Active_Grid();
  const int row = grid->Row();
  if (MessageDlg(Lang_Text(kDelete_Question) + IntToStr(row), mtConfirmation, {mbYes, mbNo}) == mrYes)
    Delete_Column_Grid_Row(row, grid);
}

void TFModbus_TCP_Master_Set_Access::Btn_InsRowClick(TObject*) {
  TExColumnGrid* grid = Active_Grid();
  Insert_Column_Grid_Row(grid->Row(), grid, true);
}

void TFModbus_TCP_Master_Set_Access::Btn_CopyRowClick(TObject*) {
  TExColumnGrid* grid = Active_Grid();
  Copy_Column_Grid_Row(grid, grid->Row());
  Do_Copy_In_Read = grid == ECG_Modbus_Read;
  Do_Copy_In_Write = grid == ECG_Modbus_Write;
}

void TFModbus_TCP_Master_Set_Access::Btn_PasteRowClick(TObject*) {
  TExColumnGrid* grid = Active_Grid();
  Paste_Column_Grid_Row(grid, grid->Row(), grid == ECG_Modbus_Read ? Do_Copy_In_Read : Do_Copy_In_Write);
}

// ---------------------------------------------------------------------------
// Layout: the title on top, the buttons at the bottom, the pages in between with
// each grid filling its page.

void TFModbus_TCP_Master_Set_Access::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TForm::SetBounds(ALeft, ATop, AWidth, AHeight);
  Place_Areas();
}

void TFModbus_TCP_Master_Set_Access::Place_Areas() {
  if (!P_Title || !P_Button || !PageControl1) return;
  const int w = ClientWidth();
  const int h = ClientHeight();
  P_Title->SetBounds(0, 0, w, kTitle_Height);
  P_Button->SetBounds(0, std::max(kTitle_Height, h - kButtons_Height), w, kButtons_Height);
  PageControl1->SetBounds(0, kTitle_Height, w, std::max(0, h - kTitle_Height - kButtons_Height));
  for (TTabSheet* page : {TS_Modbus_Read, TS_Modbus_Write}) {
    TControl* grid = page == TS_Modbus_Read ? static_cast<TControl*>(ECG_Modbus_Read) : static_cast<TControl*>(ECG_Modbus_Write);
    if (!grid) continue;
    // The sheet's client area: the control less its tab row and frame.
    grid->SetBounds(0, 0, std::max(0, PageControl1->Width() - kSheet_Frame), std::max(0, PageControl1->Height() - kSheet_Top));
  }
}

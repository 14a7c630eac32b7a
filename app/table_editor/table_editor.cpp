#include "app/table_editor/table_editor.h"

#include "app/grid_rows/grid_rows.h"
#include "app/language/language.h"
#include "app/state/comon.h"
#include "app/table_editor/form_frame.h"
#include "app/table_editor/table_editor_grids.h"
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

TTableEditor::TTableEditor(TComponent* AOwner, const TTableEditorSpec& spec) : TFramedForm(AOwner), spec_(spec) {
  SetName(spec_.FormName);
  SetColor(kForm_Color);
  SetPosition(poScreenCenter);
  if (!spec_.FontName.isEmpty()) {
    Font()->SetName(spec_.FontName);
    Font()->SetSize(8);
  }
  Make_Title_And_Buttons();
  Make_Tables();
  SetClientSize(spec_.ClientWidth, spec_.ClientHeight);
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  Place_Areas();
}

TTableEditor::~TTableEditor() = default;

// ---------------------------------------------------------------------------
// Building

void TTableEditor::Make_Title_And_Buttons() {
  Make_Title(300, 900, true, !spec_.BoldCode);
  if (spec_.RowButtons) {
    P_Button = Make_Button_Panel(this, kForm_Color);
    Make_Row_Buttons(this, P_Button);
  } else {
    Make_OK_Cancel(16, 134, 110, [this](TObject* s) { Btn_OKClick(s); });
  }
  for (TFadeButton* button : Row_Buttons(this))
    if (button) button->SetShowHint(spec_.ShowHints);
}

void TTableEditor::Make_Tables() {
  const int tables = int(spec_.Tables.size());
  Hint_Lists.resize(size_t(tables));
  Do_Copy.assign(size_t(tables), false);
  if (tables > 1) {
    PageControl1 = new TPageControl(this);
    PageControl1->SetName(QStringLiteral("PageControl1"));
    PageControl1->SetParent(this);
  }
  for (int t = 0; t < tables; ++t) {
    TWinControl* parent = this;
    if (PageControl1) {
      auto* sheet = new TTabSheet(this);
      sheet->SetName(spec_.Tables[t].Sheet);
      sheet->SetPageControl(PageControl1);
      Sheets.push_back(sheet);
      parent = sheet;
    }
    Grids.push_back(Make_Grid(t, parent));
  }
}

TExStringGrid* TTableEditor::Make_Grid(int table, TWinControl* parent) {
  const TEditorTableSpec& t = spec_.Tables[table];
  TExStringGrid* g = spec_.StringGrid ? new TExStringGrid(this) : new TExColumnGrid(this);
  g->SetName(t.Grid);
  g->SetParent(parent);
  TGridOptions options{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing};
  if (spec_.Editing) options += goEditing;
  g->SetOptions(options);
  g->SetColCount(int(t.Columns.size()));
  g->SetRowCount(t.Rows + 1);
  g->SetFixedCols(1);
  g->SetFixedRows(1);
  g->FixedRowAlways = true;
  g->SetShowHint(spec_.ShowHints);
  if (auto* columns = dynamic_cast<TExColumnGrid*>(g))
    Design_Column_Grid(table, columns);
  else
    Design_Plain_Grid(table, g);
  g->OnClickCell = [this](TObject* s, int r, int c) { ClickCell(s, r, c); };
  g->OnDblClickCell = [this](TObject* s, int r, int c) { DblClickCell(s, r, c); };
  g->OnKeyPress = [this](TObject* s, QChar& k) { KeyPress(s, k); };
  g->OnGridHint = [this](TObject* s, int r, int c, QString& h) { GridHint(s, r, c, h); };
  return g;
}

// Each column item carries its width, tint, editor kind and pick list.
void TTableEditor::Design_Column_Grid(int table, TExColumnGrid* g) {
  const TEditorTableSpec& t = spec_.Tables[table];
  g->SetDefaultRowHeight(spec_.RowHeight);
  // Every tint set below reports to the grid, which rebuilds its header row each
  // time; nothing here touches the headers, so the reports are gathered into one
  // at the end (a single column sets no tint and reports nothing).
  const bool gather = t.Columns.size() > 1;
  if (gather) g->Columns()->BeginUpdate();
  for (int c = 0; c < int(t.Columns.size()); ++c) {
    const TEditorColumnSpec& column = t.Columns[c];
    TGridColumnItem* item = g->Columns()->Items(c);
    item->SetWidth(column.Width);
    if (c == 0) continue;
    item->SetColor(column.Color);
    item->SetEditor(column.Editor);
    item->ReadOnly = column.ReadOnly;
    if (column.Editor == edDataCheckBox) item->SetAlignment(taCenter);
    if (column.Items == TColumnItems::Choices) {
      TStringList items;
      for (const QString& choice : column.Choices) items.Add(choice);
      item->SetComboItems(&items);
    }
  }
  if (gather) g->Columns()->EndUpdate();
}

// A plain grid: widths by column, the title row's height, tints and the centred
// check boxes of the Enable column cell by cell.
void TTableEditor::Design_Plain_Grid(int table, TExStringGrid* g) {
  const TEditorTableSpec& t = spec_.Tables[table];
  g->SetRowHeights(0, spec_.RowHeight);
  if (t.EnableColumn > 0) g->AddCheckBoxColumn(t.EnableColumn, true, false);
  for (int c = 0; c < int(t.Columns.size()); ++c) {
    g->SetColWidths(c, t.Columns[c].Width);
    if (c == 0) continue;
    for (int row = 1; row < g->RowCount(); ++row) {
      g->SetColors(c, row, t.Columns[c].Color);
      if (c == t.EnableColumn) g->SetAlignments(c, row, taCenter);
    }
  }
}

TExColumnGrid* TTableEditor::Column_Grid(int table) const {
  return dynamic_cast<TExColumnGrid*>(Grids.at(size_t(table)));
}

std::unique_ptr<TEditorTable> TTableEditor::Cells(int table) const {
  const int checkBoxes = spec_.StringGrid ? spec_.Tables[table].EnableColumn : -1;
  return std::make_unique<TGridEditorTable>(Grids.at(size_t(table)), checkBoxes > 0 ? checkBoxes : -1);
}

// ---------------------------------------------------------------------------
// Creation and texts

void TTableEditor::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SW_Code);
  SetClientSize(spec_.ClientWidth, spec_.ClientHeight);
  if (PageControl1) PageControl1->SetActivePage(Sheets.front());
  Set_Lang();
}

void TTableEditor::Set_Lang() {
  SetCaption(Lang_Text(spec_.Caption));
  L_SW_Desc->SetCaption(Lang_Text(spec_.Description));
  const auto buttons = Row_Buttons(this);
  for (size_t i = 0; i < buttons.size(); ++i) {
    if (!buttons[i]) continue;
    if (spec_.ButtonCaptions[i]) buttons[i]->SetCaption(Lang_Text(spec_.ButtonCaptions[i]));
    if (spec_.ButtonHints[i]) buttons[i]->SetHint(Lang_Text(spec_.ButtonHints[i]));
  }
  for (int t = 0; t < Table_Count(); ++t) {
    const TEditorTableSpec& table = spec_.Tables[t];
    if (!Sheets.empty()) Sheets[size_t(t)]->SetCaption(Lang_Text(table.SheetCaption));
    TExColumnGrid* columns = Column_Grid(t);
    TStringList& hints = Hint_Lists[size_t(t)];
    hints.Clear();
    for (int c = 0; c < int(table.Columns.size()); ++c) {
      const TEditorColumnSpec& column = table.Columns[c];
      if (column.Title && columns)
        columns->Columns()->Items(c)->SetHeader(Lang_Text(column.Title));
      else if (column.Title)
        Grids[size_t(t)]->SetCellEx(c, 0, Lang_Text(column.Title));
      if (c > 0) hints.Add(column.Hint ? Lang_Text(column.Hint) : QString());
    }
  }
}

// ---------------------------------------------------------------------------
// Showing

void TTableEditor::FormShow(TObject*) {
  // 1.
  Before_Reset();
  // 2.
  Reset_Tables();
  // 3.
  Prepare_Show();
  // 4. A load that stops keeps what it read; the steps below run all the same.
  Load_Failure.clear();
  Load_Box.clear();
  Surplus_Rows = 0;
  Load_File();
  // 5.
  std::fill(Do_Copy.begin(), Do_Copy.end(), false);
  // 6.
  Finish_Show();
  // 7.
  Report_Load();
}

void TTableEditor::Reset_Tables() {
  for (int t = 0; t < Table_Count(); ++t) {
    const TEditorTableSpec& table = spec_.Tables[t];
    const std::unique_ptr<TEditorTable> cells = Cells(t);
    for (int row = 1; row < cells->RowCount(); ++row) Reset_Editor_Row(table, *cells, row);
    if (!spec_.StringGrid) continue;
    // A plain grid's read-only cells are its own: every showing starts from the design.
    TExStringGrid* grid = Grids[size_t(t)];
    for (int row = 1; row < grid->RowCount(); ++row)
      for (int c = 1; c < int(table.Columns.size()); ++c) grid->SetReadOnly(c, row, table.Columns[c].ReadOnly);
  }
}

void TTableEditor::Prepare_Show() {
  if (PageControl1) PageControl1->SetActivePage(Sheets.front());
  for (int t = 0; t < Table_Count(); ++t) {
    const TEditorTableSpec& table = spec_.Tables[t];
    for (int c = 1; c < int(table.Columns.size()); ++c) {
      const TColumnItems items = table.Columns[c].Items;
      if (items == TColumnItems::Positions || items == TColumnItems::None_And_Positions)
        Fill_Positions(t, c, table.Area, items == TColumnItems::None_And_Positions);
    }
  }
}

void TTableEditor::Fill_Positions(int table, int col, int count, bool none) {
  TExColumnGrid* grid = Column_Grid(table);
  if (!grid) return;
  TStringList items;
  if (none) items.Add(QStringLiteral("None"));
  for (int i = 0; i < count; ++i) items.Add(IntToStr(i));
  grid->Columns()->Items(col)->SetComboItems(&items);
}

void TTableEditor::Load_File() {
  std::vector<std::unique_ptr<TEditorTable>> owned;
  std::vector<TEditorTable*> tables;
  for (int t = 0; t < Table_Count(); ++t) {
    owned.push_back(Cells(t));
    tables.push_back(owned.back().get());
  }
  const TEditorLoad load = Load_Editor_Tables(spec_, spec_.Path ? *spec_.Path : QString(), tables);
  Load_Failure = load.Failure;
  Load_Box = load.Box;
  Surplus_Rows = load.Surplus;
}

void TTableEditor::Report_Load() {
  if (!Load_Failure.isEmpty()) {
    Application->HandleException(Load_Box.isEmpty() ? Load_Failure : Load_Box);
    return;
  }
  if (Surplus_Rows == 0) return;
  MessageDlg(Lang_Text(spec_.SurplusText).arg(spec_.Path ? *spec_.Path : QString()).arg(Surplus_Rows), mtWarning,
             {mbOK});
}

// ---------------------------------------------------------------------------
// Checks and saving

std::optional<TRowCheckFailure> TTableEditor::Check_Tables() {
  std::vector<std::unique_ptr<TEditorTable>> owned;
  std::vector<const TEditorTable*> tables;
  for (int t = 0; t < Table_Count(); ++t) {
    owned.push_back(Cells(t));
    tables.push_back(owned.back().get());
  }
  return Check_Editor_Tables(spec_, tables);
}

bool TTableEditor::Controllo_dati() {
  const std::optional<TRowCheckFailure> failure = Check_Tables();
  if (!failure) return true;
  // A failure without a reason text fails without a box.
  if (failure->TextIndex != 0) MessageDlg(Row_Check_Message(*failure, Row_Prefix_Text()), mtError, {mbOK});
  return false;
}

bool TTableEditor::Confirm_Failed_Load() {
  if (Load_Failure.isEmpty()) return true;
  const QString question = Lang_Text(spec_.FailedLoadText).arg(spec_.Path ? *spec_.Path : QString(), Load_Failure);
  return MessageDlg(question, mtConfirmation, {mbYes, mbNo}, 0, mbNo) == mrYes;
}

bool TTableEditor::Confirm_Lost_Rows() {
  for (int t = 0; t < Table_Count(); ++t) {
    if (spec_.Tables[t].KeyColumn <= 0) continue;
    const std::unique_ptr<TEditorTable> cells = Cells(t);
    const int gap = First_Lost_Row(Editor_Table_Layout(spec_, t), *cells);
    if (gap == 0) continue;
    const QString where = Sheets.empty() ? Caption() : Sheets[size_t(t)]->Caption();
    const QString question = Lang_Text(spec_.LostRowsText).arg(where).arg(gap);
    if (MessageDlg(question, mtConfirmation, {mbYes, mbNo}) != mrYes) return false;
  }
  return true;
}

void TTableEditor::Save_File() {
  std::vector<std::unique_ptr<TEditorTable>> owned;
  std::vector<const TEditorTable*> tables;
  for (int t = 0; t < Table_Count(); ++t) {
    owned.push_back(Cells(t));
    tables.push_back(owned.back().get());
  }
  TXMLDocument doc;
  Write_Editor_File(doc, spec_.Path ? *spec_.Path : QString(), Editor_File_Layout(spec_), tables);
}

void TTableEditor::Btn_OKClick(TObject*) {
  if (!Controllo_dati()) return;
  if (!Confirm_Failed_Load()) return;
  if (!Confirm_Lost_Rows()) return;
  try {
    Save_File();
  } catch (const Exception& e) {
    // Not written: say so and stay open, so nothing typed is lost.
    MessageDlg(Lang_Text(spec_.NotSavedText) + u'\n' + e.Message, mtError, {mbOK});
    return;
  }
  Load_Failure.clear();
  SetModalResult(mrOk);
}

// ---------------------------------------------------------------------------
// Grid events

int TTableEditor::Active_Table() const {
  if (!PageControl1) return 0;
  const auto it = std::find(Sheets.begin(), Sheets.end(), PageControl1->ActivePage());
  return it == Sheets.end() ? 0 : int(it - Sheets.begin());
}

TExStringGrid* TTableEditor::Active_Grid() const { return Grids.at(size_t(Active_Table())); }

int TTableEditor::Table_Of(TObject* Sender) const {
  const auto it = std::find(Grids.begin(), Grids.end(), Sender);
  return it == Grids.end() ? -1 : int(it - Grids.begin());
}

void TTableEditor::ClickCell(TObject* Sender, int ARow, int ACol) {
  const int t = Table_Of(Sender);
  if (spec_.RowSelect && t >= 0 && ACol == 0 && ARow > 0) Grids[size_t(t)]->SelectRows(ARow, 1);
}

void TTableEditor::DblClickCell(TObject* Sender, int ARow, int ACol) {
  const int t = Table_Of(Sender);
  if (t >= 0) Grid_Auto_Size_Col(Grids[size_t(t)], ARow, ACol);
}

void TTableEditor::KeyPress(TObject* Sender, QChar& Key) {
  const int t = Table_Of(Sender);
  if (t >= 0) Grid_Enter_Next_Cell(Grids[size_t(t)], Key);
}

void TTableEditor::GridHint(TObject* Sender, int ARow, int ACol, QString& HintStr) {
  const int t = Table_Of(Sender);
  if (t < 0 || spec_.Hints == THintColumns::None) return;
  const int c = spec_.Hints == THintColumns::Real ? Grids[size_t(t)]->RealColIndex(ACol) : ACol;
  const TStringList& hints = Hint_Lists[size_t(t)];
  if (ARow == 0 && c > 0) {
    if (c - 1 < hints.Count()) HintStr = hints[c - 1];
    return;
  }
  if (!spec_.KeepOtherHints) HintStr.clear();
}

// ---------------------------------------------------------------------------
// Row buttons

QString TTableEditor::Delete_Question(int table, int row) const {
  return Lang_Text(spec_.Tables[table].DeleteQuestion) + IntToStr(row);
}

void TTableEditor::Btn_DelRowClick(TObject*) {
  const int t = Active_Table();
  TExStringGrid* grid = Grids[size_t(t)];
  const int row = grid->Row();
  if (row < 1 || row >= grid->RowCount()) return;
  if (MessageDlg(Delete_Question(t, row), mtConfirmation, {mbYes, mbNo}) != mrYes) return;
  if (spec_.StringGrid)
    Delete_Grid_Row(row, grid, spec_.Tables[t].EnableColumn != 0);
  else
    Delete_Column_Grid_Row(row, Column_Grid(t));
}

void TTableEditor::Btn_InsRowClick(TObject*) {
  const int t = Active_Table();
  TExStringGrid* grid = Grids[size_t(t)];
  const int row = grid->Row();
  if (row < 1 || row >= grid->RowCount()) return;
  if (spec_.StringGrid)
    Insert_Grid_Row(row, grid, spec_.Tables[t].EnableColumn != 0);
  else
    Insert_Column_Grid_Row(row, Column_Grid(t), spec_.Tables[t].EnableColumn != 0);
}

void TTableEditor::Btn_CopyRowClick(TObject*) {
  const int t = Active_Table();
  TExStringGrid* grid = Grids[size_t(t)];
  if (grid->Row() < 1 || grid->Row() >= grid->RowCount()) return;
  if (spec_.StringGrid)
    Copy_Grid_Row(grid, grid->Row());
  else
    Copy_Column_Grid_Row(Column_Grid(t), grid->Row());
  for (size_t i = 0; i < Do_Copy.size(); ++i) Do_Copy[i] = int(i) == t;
}

void TTableEditor::Btn_PasteRowClick(TObject*) {
  const int t = Active_Table();
  TExStringGrid* grid = Grids[size_t(t)];
  if (grid->Row() < 1 || grid->Row() >= grid->RowCount()) return;
  if (spec_.StringGrid)
    Paste_Grid_Row(grid, grid->Row(), Do_Copy[size_t(t)]);
  else
    Paste_Column_Grid_Row(Column_Grid(t), grid->Row(), Do_Copy[size_t(t)]);
}

// ---------------------------------------------------------------------------
// Layout: the title on top, the buttons at the bottom, the table area in between.

void TTableEditor::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TForm::SetBounds(ALeft, ATop, AWidth, AHeight);
  Place_Areas();
}

void TTableEditor::Place_Areas() {
  if (!P_Title || !P_Button || Grids.size() != size_t(spec_.Tables.size())) return;
  const int w = ClientWidth();
  const int middle = Place_Frame();
  if (!PageControl1) {
    Grids.front()->SetBounds(0, kTitle_Height, w, middle);
    return;
  }
  PageControl1->SetBounds(0, kTitle_Height, w, middle);
  // Each grid fills its sheet: the control less its tab row and frame.
  for (TExStringGrid* grid : Grids)
    grid->SetBounds(0, 0, std::max(0, w - kSheet_Frame), std::max(0, middle - kSheet_Top));
}

// The table editor form: the one form every table editor of the program is, built
// from its description (table_editor_spec.h). A member editor derives from it for
// its class name and overrides the hooks where its behaviour differs.
//
// Frame: P_Title (69 high) with L_SW_Code and L_SW_Desc on top; P_Button (40 high)
// with OK, Cancel and, unless the description says otherwise, Delete, Insert, Copy
// and Paste Row at the bottom; in between the one grid, or PageControl1 with one
// tab sheet and grid per table.
//
// Life: FormCreate (once, at start-up) sizes the form and ends with Set_Lang, which
// runs again on every language change and touches no data. FormShow:
//   1. Before_Reset() - a member whose row count or columns change per showing;
//   2. every data row reset (row number, Enable "Y", the columns' Reset texts);
//   3. Prepare_Show() - the first tab active, the position lists refilled;
//   4. Load_File() - when the file exists (rows beyond a grid are counted, not read);
//   5. the copied-here flags cleared;
//   6. Finish_Show();
//   7. when the load stopped, its error box; when the file held rows that the grids
//      cannot hold, a warning naming how many were dropped.
// A load that stops leaves the rows and cells read before it; the steps after it
// still run, and OK then asks before it overwrites the file (default No), so rows
// that were never loaded are not dropped unawares.
//
// OK: Controllo_dati (the first fault in an error box; the form stays open), the
// question after a stopped load, the question when rows are typed below the first
// row without key (the writer stops there), Save_File (a failure is shown and the
// form stays open), modal result OK. Cancel closes without saving.
//
// Row buttons act on the grid of the active tab at its current row, through the
// shared row operations; Copy sets this table's copied-here flag and clears the
// others', Paste passes this table's flag. Grid events: a click on column 0
// selects the row (RowSelect), a double click on a title sizes the column (option),
// Enter moves to the next cell (option), header hints by display or real column.
#pragma once

#include "app/table_editor/form_frame.h"
#include "app/table_editor/table_editor_spec.h"
#include "platform/rtl/string_list.h"

#include <QString>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

class TExColumnGrid;
class TExStringGrid;
class TFadeButton;
class TLabel;
class TPageControl;
class TPanel;
class TTabSheet;

class TTableEditor : public TFramedForm {
public:
  TTableEditor(TComponent* AOwner, const TTableEditorSpec& spec);
  ~TTableEditor() override;

  // What a page takes of the page control: the tab row above, a frame around.
  static constexpr int kSheet_Top = 28;
  static constexpr int kSheet_Frame = 6;

  const TTableEditorSpec& Spec() const { return spec_; }
  int Table_Count() const { return int(Grids.size()); }

  // P_Title, L_SW_Code, L_SW_Desc, P_Button, Btn_OK and Btn_Cancel: the frame's.
  TFadeButton* Btn_DelRow = nullptr;  // the row buttons: nullptr without them
  TFadeButton* Btn_InsRow = nullptr;
  TFadeButton* Btn_CopyRow = nullptr;
  TFadeButton* Btn_PasteRow = nullptr;
  TPageControl* PageControl1 = nullptr;  // two-table forms only
  std::vector<TTabSheet*> Sheets;        // one per table of a two-table form
  std::vector<TExStringGrid*> Grids;     // one per table
  std::vector<TStringList> Hint_Lists;   // per table: entry k is the hint of column k + 1
  std::deque<bool> Do_Copy;              // per table: a row of it was copied in this showing
  // Why the last load stopped (empty when the file was read whole or is missing).
  QString Load_Failure;

  // The table's grid as a column grid (nullptr in a form of plain grids).
  TExColumnGrid* Column_Grid(int table) const;
  // The table of the active tab (the only one in a one-table form).
  int Active_Table() const;
  TExStringGrid* Active_Grid() const;
  // The grid's table, -1 for another object.
  int Table_Of(TObject* Sender) const;
  // A table's grid seen as an editor table (check-box states as "Y"/"N" in a plain grid).
  std::unique_ptr<TEditorTable> Cells(int table) const;

  void FormCreate(TObject* Sender);
  virtual void Set_Lang();
  void FormShow(TObject* Sender);
  // The checks of OK; the first failure is shown in an error box (a failure with
  // reason text 0 is shown by none). A member whose messages are not
  // "Error row " + number + reason shows its own.
  virtual bool Controllo_dati();

  virtual void Btn_OKClick(TObject* Sender);
  virtual void Btn_DelRowClick(TObject* Sender);
  virtual void Btn_InsRowClick(TObject* Sender);
  virtual void Btn_CopyRowClick(TObject* Sender);
  virtual void Btn_PasteRowClick(TObject* Sender);

  virtual void ClickCell(TObject* Sender, int ARow, int ACol);
  virtual void DblClickCell(TObject* Sender, int ARow, int ACol);
  virtual void KeyPress(TObject* Sender, QChar& Key);
  virtual void GridHint(TObject* Sender, int ARow, int ACol, QString& HintStr);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
  // --- Hooks of the showing (defaults as the class comment says) ---
  virtual void Before_Reset() {}
  virtual void Prepare_Show();
  // Loads the file into the grids (Load_Editor_Tables); a stop is remembered in
  // Load_Failure and shown in the error box of step 7.
  virtual void Load_File();
  virtual void Finish_Show() {}
  // The checks; the default runs every table's row check.
  virtual std::optional<TRowCheckFailure> Check_Tables();
  // Writes the file; raises EFileError when it cannot.
  virtual void Save_File();

  // The "Error row " text of the check messages.
  virtual int Row_Prefix_Text() const { return spec_.RowPrefix; }
  // The delete question for a row of a table.
  virtual QString Delete_Question(int table, int row) const;

  // Step 2 of a showing: every row to its new-row state (and a plain grid's cells
  // to their designed read-only flags).
  void Reset_Tables();
  // The texts "0" .. count - 1 (after "None" when asked) as a column's items.
  void Fill_Positions(int table, int col, int count, bool none);
  // The number of file rows the last load found beyond the grids.
  int Surplus_Rows = 0;
  // The error box of a load that stopped.
  QString Load_Box;
  void Place_Areas();
  // The form's own copy of one table's description: a member whose key column
  // follows a project setting read at each showing sets it here (before the reset).
  TEditorTableSpec& Table_Spec(int table) { return spec_.Tables[table]; }

private:
  void Make_Title_And_Buttons();
  void Make_Tables();
  TExStringGrid* Make_Grid(int table, TWinControl* parent);
  void Design_Column_Grid(int table, TExColumnGrid* grid);
  void Design_Plain_Grid(int table, TExStringGrid* grid);
  void Report_Load();
  bool Confirm_Failed_Load();
  bool Confirm_Lost_Rows();

  TTableEditorSpec spec_;  // a copy: Table_Spec may change it per showing
};

// The description of a table editor form: what one editor of the program's table
// editors is made of, as data. A table editor is a modal form over one grid, or a
// page control with one grid per table, whose rows are the editor's rules; each
// showing resets the tables and loads the editor's XML file from the project, OK
// checks the used rows (the first fault is shown) and rewrites the whole file, and
// Cancel keeps the file. TTableEditor (table_editor.h) is the form; a member editor
// is a TTableEditorSpec plus, where it differs, a few overridden hooks.
//
// Describing an editor:
//  - the form: component name, client size, the language texts of its caption,
//    description, buttons and row prefix, which hint and click rules it follows;
//  - the file: root name, layout version, row element name, the path global;
//  - per table (in table order): the table element under the root (none for a
//    one-table file), the tab sheet, the grid, the number of data rows, the key
//    and Enable columns, the size of the area its position lists index, its delete
//    question and its row check;
//  - per column (column 0, the row number, first): title and header hint texts,
//    width, editor kind, pick list, the file attribute (bare or guarded with its
//    default) and the text a new row gets.
// The functions below are the widget-free half: the file layout the description
// gives, the rows a check visits and the check itself, so that they run on plain
// tables in tests.
#pragma once

#include "app/editor_file/editor_file.h"
#include "app/editor_file/row_check_failure.h"
#include "grid/base/editor_type.h"
#include "platform/ui/graphics.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

// What fills a pick-list column's items.
enum class TColumnItems {
  None,              // nothing, or code fills them
  Choices,           // the column's Choices, at creation
  Positions,         // "0" .. Area - 1, refilled at every show
  None_And_Positions // "None", then "0" .. Area - 1, refilled at every show
};

struct TEditorColumnSpec {
  int Title = 0;  // language text of the title in row 0
  int Hint = 0;   // language text of the header hint (0: no hint; column 0 has none)
  int Width = 50;
  TEditorType Editor = edNormal;  // edNormal, edComboList, edComboEdit or edDataCheckBox
  TEditorAttribute Attribute{""};  // the row element's attribute (column 0 has none)
  TColumnItems Items = TColumnItems::None;
  QStringList Choices;
  QString Reset;  // the cell of a reset or inserted row (the Enable column gets "Y")
  TColor Color = clWindow;
  bool ReadOnly = false;  // a plain grid puts it back at every showing
};

// A check-box column ("Y" ticked, "N" not) of the file's `attribute`.
TEditorColumnSpec Check_Box_Column(int title, int hint, int width, TEditorAttribute attribute);
// A pick-list column offering `choices` (edComboList), or an editable list of them
// (edComboEdit).
TEditorColumnSpec Choice_Column(int title, int hint, int width, TEditorAttribute attribute, const QStringList& choices,
                                TEditorType editor = edComboList);

// The state a row check carries from one row of a table to the next.
struct TRowCheckRun {
  int32_t Area = 0;   // the table's area size
  int64_t Total = 0;  // a running total the check keeps (data bytes, for example)
};

// The checks of one used, enabled row; the failure without its row number (the
// caller sets it), nothing when the row passes.
using TRowCheck = std::optional<TRowCheckFailure> (*)(const TEditorTable& table, int row, TRowCheckRun& run);

// Reads one row element into a table row in place of the plain reading of the
// description's attributes (Read_Editor_Row), for a table with rules of its own.
using TRowReader = void (*)(const TXMLNode& element, const TEditorTableLayout& layout, TEditorTable& cells, int row);

struct TEditorTableSpec {
  QString Group;         // the table's element under the root; empty: the rows stand in the root
  QString Sheet;         // tab sheet component (two-table forms)
  int SheetCaption = 0;  // language text of the tab caption
  QString Grid;          // grid component
  int Rows = 0;          // data rows after creation
  QList<TEditorColumnSpec> Columns;  // column 0 first
  int KeyColumn = 1;     // the used rows end before the first empty key; 0: every row is used
  bool KeyTrimmed = true;  // the key is tested trimmed, or as it stands
  int EnableColumn = 0;    // the Enable check-box column; 0: none, every used row is checked
  bool EnableUpperCase = false;  // the Enable text is upper-cased before it is compared with "Y"
  bool EnableTrimmed = true;     // the Enable text is trimmed before it is compared
  int Area = 0;            // size of the area the position lists index, set at every show
  int DeleteQuestion = 0;  // language text before the row number in the delete question
  TRowCheck Check = nullptr;
  TRowReader Reader = nullptr;
  // A file without the table's element loads the table empty instead of stopping.
  bool GroupOptional = false;
};

// The checks that look at the rows of all tables together (duplicates over rows),
// run after every table's rows passed; the first failure, nothing when all pass.
using TTablesCheck = std::optional<TRowCheckFailure> (*)(const std::vector<const TEditorTable*>& tables);

// Which column index a header hint is taken by: the display column, the real
// column (hidden columns counted), or no header hints at all.
enum class THintColumns { Display, Real, None };

struct TTableEditorSpec {
  QString FormName;
  int ClientWidth = 0;
  int ClientHeight = 337;
  int Caption = 0;      // language texts of the form caption and L_SW_Desc
  int Description = 0;
  // Language texts of the captions and hints of OK, Cancel, Delete, Insert, Copy
  // and Paste Row; 0 leaves one unset. Without row buttons only OK and Cancel exist.
  int ButtonCaptions[6] = {};
  int ButtonHints[6] = {};
  bool RowButtons = true;
  QString Root;     // the root element written
  QString Version;  // "1.000", "1.001" or "1.003"; empty: no version comment
  QString RowName = QStringLiteral("row");
  QString* Path = nullptr;  // the editor file's path global
  int RowPrefix = 0;        // language text of "Error row "
  THintColumns Hints = THintColumns::Display;
  bool KeepOtherHints = false;  // cells other than header cells keep the grid's hint
  bool RowSelect = true;        // a click on the row-number cell selects the row
  bool Editing = true;          // the grids' editing option
  bool BoldCode = false;        // L_SW_Code in bold 14 pt instead of plain 32 pixels
  bool ShowHints = true;        // the buttons and grids show their hints
  QString FontName = QStringLiteral("Verdana");  // the form's font (8 pt); empty: the default
  // Plain grids built in code (TExStringGrid): the Enable column holds real check
  // boxes, cells are tinted one by one and the row buttons carry check states and
  // read-only flags; else column grids whose columns carry editor, items and tint.
  bool StringGrid = false;
  int RowHeight = 22;
  // Language texts of the form's own messages (0: the form never shows it):
  int LostRowsText = 0;    // OK's question when rows lie below an empty key: %1 page (or form), %2 row
  int SurplusText = 0;     // the file holds more rows than the grids: %1 file, %2 rows
  int NotSavedText = 0;    // the file could not be written; the system's reason follows
  int FailedLoadText = 0;  // OK's question after a load that stopped: %1 file, %2 reason
  QList<TEditorTableSpec> Tables;
  TTablesCheck AfterRows = nullptr;
};

// The frame texts in an editor's usual block: the form caption `first`, L_SW_Desc
// `first + 1`, the captions of OK, Cancel, Delete, Insert, Copy and Paste Row from
// `first + 2`, and their hints from `firstHint`.
void Set_Frame_Texts(TTableEditorSpec& spec, int first, int firstHint);

// The four message texts from `first` on, in the order of the fields: lost rows,
// surplus rows, not saved, failed load (the layout of an editor's own block).
void Set_Message_Texts(TTableEditorSpec& spec, int first);

// The file layout the description gives: root, version, and per table its element,
// the attributes of columns 1.. in column order, the key and the row element name.
// Every attribute that is not guarded is read bare (a strict layout).
TEditorFileLayout Editor_File_Layout(const TTableEditorSpec& spec);
TEditorTableLayout Editor_Table_Layout(const TTableEditorSpec& spec, int table);

// What loading an editor file found.
struct TEditorLoad {
  bool Found = false;  // the file exists
  // Why the load stopped: empty when the file was read whole. The rows and cells read
  // before the stop stay in the tables.
  QString Failure;
  // The text of the error box the stop shows: the parser's or file's message, or the
  // conversion error of a missing bare attribute.
  QString Box;
  // Row elements beyond the tables' data rows, not read.
  int Surplus = 0;
};
// Fills the tables (one per table of the description, already reset) from the file
// at `path`: the root is the first element whatever its name; a table's rows are
// the child elements of its element (of the root for a one-table file), child i
// filling row i + 1, each through the table's Reader or the plain attribute
// reading. A missing file is no failure.
TEditorLoad Load_Editor_Tables(const TTableEditorSpec& spec, const QString& path,
                               const std::vector<TEditorTable*>& tables);

// Puts one data row back to its new-row state: column 0 the row number, the
// Enable column "Y", every other column its Reset text.
void Reset_Editor_Row(const TEditorTableSpec& table, TEditorTable& cells, int row);

// The key test of the table's rows (trimmed or as it stands; every row without key).
bool Editor_Row_Used(const TEditorTableSpec& table, const TEditorTable& cells, int row);
// Whether a used row is checked: without Enable column always; else when its
// Enable text, trimmed and upper-cased where the table says so, is "Y".
bool Editor_Row_Enabled(const TEditorTableSpec& table, const TEditorTable& cells, int row);

// A row check bound to one set of rules: Check(Rules, table, row, run) as a
// TRowCheck, so that tables which differ only in their rules (columns, limits,
// texts) share one check routine.
template <const auto& Rules, auto Check>
std::optional<TRowCheckFailure> Check_With(const TEditorTable& table, int row, TRowCheckRun& run) {
  return Check(Rules, table, row, run);
}

// The checks of one table: its Check on every used, enabled row from row 1, in
// order; the first failure with its row.
std::optional<TRowCheckFailure> Check_Editor_Table(const TEditorTableSpec& table, const TEditorTable& cells);
// Every table in table order, then the description's AfterRows; the first failure.
std::optional<TRowCheckFailure> Check_Editor_Tables(const TTableEditorSpec& spec,
                                                    const std::vector<const TEditorTable*>& tables);

// The number reading of every check: the text read as a signed 32-bit integer
// (decimal, or hexadecimal after "$", "x", "X", "0x", "0X"), -1 for a text that is
// no integer.
int32_t Cell_Number(const QString& text);
// Whether the text reads as a number from `low` to `high`, both included.
bool In_Range(const QString& text, int32_t low, int32_t high);
// A row failure with its reason text and the value that follows it.
TRowCheckFailure Row_Fault(int text, const QString& appended = QString());

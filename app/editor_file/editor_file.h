// The file of a table editor: one XML document per editor, the root element first,
// then at document level the comment "SW_VERSION = " + the file's layout version,
// below the root one group element per table (a group may sit in a group of
// groups), and in each group one row element per used table row with the cells of
// columns 1.. as attributes in column order. Each editor describes its file once as
// a `TEditorFileLayout`; reading and writing are the same for all editors.
#pragma once

#include "app/editor_file/editor_table.h"
#include "platform/rtl/exceptions.h"
#include "platform/xml/xml_document.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

// One attribute of a row element, the cell of one column. A guarded attribute was
// added to its editor after the first layout: files written before lack it, so a
// missing one reads as `Default`. A bare attribute is always written by the editor.
// A column without a name is not in the file: it is never written, and reading a
// row sets its cell to `Default`.
struct TEditorAttribute {
  TEditorAttribute(const char* name) : Name(QString::fromUtf8(name)) {}
  TEditorAttribute(const QString& name) : Name(name) {}
  TEditorAttribute(const QString& name, const QString& def) : Name(name), Guarded(true), Default(def) {}
  TEditorAttribute(const char* name, const char* def)
      : Name(QString::fromUtf8(name)), Guarded(true), Default(QString::fromUtf8(def)) {}

  QString Name;
  bool Guarded = false;
  QString Default;
};

struct TEditorTableLayout {
  // Element names from below the root down to the table's own group element,
  // e.g. {"Modbus_Read"} or {"Variables", "Inputs"}.
  QStringList GroupPath;
  // The attributes of columns 1, 2, ... in column order.
  QList<TEditorAttribute> Attributes;
  // The column whose text decides whether a row is used (trimmed, or as it stands
  // when KeyTrimmed is off); writing stops at the first unused row. 0: no key,
  // every row is used.
  int KeyColumn = 1;
  bool KeyTrimmed = true;
  QString RowName = QStringLiteral("row");
};

struct TEditorFileLayout {
  QString RootName;
  QString Version;  // empty: the editor writes no version comment
  QList<TEditorTableLayout> Tables;
  // Off: a missing group leaves its table empty and a missing bare attribute reads
  // as an empty cell. On: either stops the reading with EFileError naming it; the
  // rows read before stay.
  bool StrictRead = false;
};

// A row element without a bare attribute, met by a strict reading. The message
// names the row, the group and the attribute.
class EMissingAttribute : public EFileError {
public:
  using EFileError::EFileError;
};
// What the user sees of a missing bare attribute: the conversion error of the
// platform's XML document, which a table editor shows when its load stops there.
inline constexpr const char16_t* kConversion_Error_Text =
    u"Could not convert variant of type (Null) into type (OleStr)";

// Whether the table's row is used: its key cell is not empty (tested as the layout
// says), or the layout has no key.
bool Editor_Row_Used(const TEditorTableLayout& layout, const TEditorTable& table, int row);

// --- Writing (the editor checks its tables first; these only write) ---

// Empties the document and adds the root and, when the layout has a version, the
// version comment after the root. Returns the root.
TXMLNode Begin_Editor_Document(TXMLDocument& doc, const TEditorFileLayout& layout);
// Adds the table's group under the root (its parent groups are reused or added)
// and one row element for each row 1, 2, ... up to the first unused row.
void Write_Editor_Table(TXMLNode root, const TEditorTableLayout& layout, const TEditorTable& table);
// The whole write: the document, every table in the layout's order, then the file
// replaced whole. `tables` match `layout.Tables` one for one. Raises EFileError
// when the file cannot be written (the old file then stays as it was).
void Write_Editor_File(TXMLDocument& doc, const QString& path, const TEditorFileLayout& layout,
                       const std::vector<const TEditorTable*>& tables);

// --- Reading ---

// Resets every data row of the table (TEditorTable::ResetRow).
void Reset_Editor_Table(TEditorTable& table);
// Loads the file into the document and answers its root (the first element, whatever
// its name); a null handle when the file does not exist. Raises EFileError when the
// file cannot be read or is not well-formed XML.
TXMLNode Load_Editor_Document(TXMLDocument& doc, const QString& path);
// The table's group below the root (the root itself for an empty path); a null
// handle when it is missing.
TXMLNode Find_Editor_Group(TXMLNode root, const TEditorTableLayout& layout);
// Fills one table row from one row element: each attribute into its column; a
// missing guarded attribute gives its default. A missing bare attribute raises
// EMissingAttribute when `strict` (the cells before it are filled), else reads
// as the empty text.
void Read_Editor_Row(TXMLNode element, const TEditorTableLayout& layout, TEditorTable& table, int row, bool strict);
// Fills rows 1, 2, ... from the child elements of the table's group, by position;
// elements beyond the table's last row are ignored.
void Read_Editor_Table(TXMLNode root, const TEditorTableLayout& layout, TEditorTable& table, bool strict);
// The whole read: resets every table, then fills them from the file. Answers false
// when there is no file (the tables stay empty, which is no error). Raises
// EFileError for a file that cannot be read or parsed (the tables are left empty)
// and, with `StrictRead`, for a missing group or bare attribute.
bool Read_Editor_File(TXMLDocument& doc, const QString& path, const TEditorFileLayout& layout,
                      const std::vector<TEditorTable*>& tables);

// --- The rows the writer would drop ---

// The first row whose key cell is empty while a later row's key cell is not: the
// writer stops at it, so the rows below would be lost. 0 when there is none.
int First_Lost_Row(const TEditorTableLayout& layout, const TEditorTable& table);

// --- Field files (one element per field, the value as the element's text) ---

struct TFieldText {
  QString Name;
  QString Text;
};

// Writes a field file whole: the root, the version comment after it (none when the
// version is empty), one element per field in the given order.
void Write_Field_File(TXMLDocument& doc, const QString& path, const QString& rootName, const QString& version,
                      const QList<TFieldText>& fields);
// The text of the child element `name` of `parent`; `def` when there is no such
// element (an element with no text reads as the empty text, not the default).
QString Field_Text(TXMLNode parent, const QString& name, const QString& def);
// The text of field `name` of the field file at `path`; `def` when the file, its
// root or the field is missing. Raises EFileError for a file that cannot be read or
// is not well-formed.
QString Read_Field_Text(const QString& path, const QString& name, const QString& def);
// A check-box field: on exactly when its text is "1"; a missing element is off.
bool Field_Flag(TXMLNode parent, const QString& name);
// The text a check-box field is written as: "1" or "0".
QString Flag_Text(bool on);

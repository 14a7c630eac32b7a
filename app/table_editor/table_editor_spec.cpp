#include "app/table_editor/table_editor_spec.h"

#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

void Set_Frame_Texts(TTableEditorSpec& spec, int first, int firstHint) {
  spec.Caption = first;
  spec.Description = first + 1;
  for (int i = 0; i < 6; ++i) {
    spec.ButtonCaptions[i] = first + 2 + i;
    spec.ButtonHints[i] = firstHint + i;
  }
}

void Set_Message_Texts(TTableEditorSpec& spec, int first) {
  spec.LostRowsText = first;
  spec.SurplusText = first + 1;
  spec.NotSavedText = first + 2;
  spec.FailedLoadText = first + 3;
}

TEditorColumnSpec Check_Box_Column(int title, int hint, int width, TEditorAttribute attribute) {
  return {.Title = title, .Hint = hint, .Width = width, .Editor = edDataCheckBox, .Attribute = std::move(attribute)};
}

TEditorColumnSpec Choice_Column(int title, int hint, int width, TEditorAttribute attribute, const QStringList& choices,
                                TEditorType editor) {
  return {.Title = title, .Hint = hint, .Width = width, .Editor = editor, .Attribute = std::move(attribute),
          .Items = TColumnItems::Choices, .Choices = choices};
}

TEditorTableLayout Editor_Table_Layout(const TTableEditorSpec& spec, int table) {
  const TEditorTableSpec& t = spec.Tables[table];
  TEditorTableLayout layout;
  if (!t.Group.isEmpty()) layout.GroupPath = {t.Group};
  for (qsizetype c = 1; c < t.Columns.size(); ++c) layout.Attributes.append(t.Columns[c].Attribute);
  layout.KeyColumn = t.KeyColumn;
  layout.KeyTrimmed = t.KeyTrimmed;
  layout.RowName = spec.RowName;
  return layout;
}

TEditorFileLayout Editor_File_Layout(const TTableEditorSpec& spec) {
  TEditorFileLayout layout{spec.Root, spec.Version, {}, true};
  for (int t = 0; t < int(spec.Tables.size()); ++t) layout.Tables.append(Editor_Table_Layout(spec, t));
  return layout;
}

TEditorLoad Load_Editor_Tables(const TTableEditorSpec& spec, const QString& path,
                               const std::vector<TEditorTable*>& tables) {
  TEditorLoad load;
  if (path.isEmpty() || !FileExists(path)) return load;
  load.Found = true;
  TXMLDocument doc;
  try {
    const TXMLNode root = Load_Editor_Document(doc, path);
    if (!root) throw EFileError(QStringLiteral("%1 holds no element.").arg(path));
    const size_t count = std::min(size_t(spec.Tables.size()), tables.size());
    for (size_t t = 0; t < count; ++t) {
      const TEditorTableSpec& table = spec.Tables[qsizetype(t)];
      const TEditorTableLayout layout = Editor_Table_Layout(spec, int(t));
      const TXMLNode group = Find_Editor_Group(root, layout);
      if (!group && table.GroupOptional) continue;
      if (!group) throw EFileError(QStringLiteral("The element \"%1\" is missing.").arg(table.Group));
      const QList<TXMLNode> rows = group.ChildElements();
      TEditorTable& cells = *tables[t];
      const int dataRows = std::max(0, cells.RowCount() - 1);
      load.Surplus += std::max(0, int(rows.size()) - dataRows);
      for (int i = 0; i < int(rows.size()) && i < dataRows; ++i) {
        if (table.Reader)
          table.Reader(rows[i], layout, cells, i + 1);
        else
          Read_Editor_Row(rows[i], layout, cells, i + 1, true);
      }
    }
  } catch (const EMissingAttribute& e) {
    load.Failure = e.Message;
    load.Box = QString::fromUtf16(kConversion_Error_Text);
  } catch (const EFileError& e) {
    load.Failure = e.Message;
    load.Box = e.Message;
  }
  return load;
}

void Reset_Editor_Row(const TEditorTableSpec& table, TEditorTable& cells, int row) {
  cells.SetCell(0, row, IntToStr(row));
  const int cols = std::min(int(table.Columns.size()), cells.ColCount());
  for (int c = 1; c < cols; ++c)
    cells.SetCell(c, row, c == table.EnableColumn ? QStringLiteral("Y") : table.Columns[c].Reset);
}

bool Editor_Row_Used(const TEditorTableSpec& table, const TEditorTable& cells, int row) {
  if (table.KeyColumn <= 0) return true;
  const QString key = cells.Cell(table.KeyColumn, row);
  return !(table.KeyTrimmed ? Trim(key) : key).isEmpty();
}

bool Editor_Row_Enabled(const TEditorTableSpec& table, const TEditorTable& cells, int row) {
  if (table.EnableColumn <= 0) return true;
  QString enable = cells.Cell(table.EnableColumn, row);
  if (table.EnableTrimmed) enable = Trim(enable);
  if (table.EnableUpperCase) enable = UpperCase(enable);
  return enable == u"Y";
}

std::optional<TRowCheckFailure> Check_Editor_Table(const TEditorTableSpec& table, const TEditorTable& cells) {
  if (!table.Check) return std::nullopt;
  TRowCheckRun run{table.Area, 0};
  for (int row = 1; row < cells.RowCount() && Editor_Row_Used(table, cells, row); ++row) {
    if (!Editor_Row_Enabled(table, cells, row)) continue;
    if (std::optional<TRowCheckFailure> failure = table.Check(cells, row, run)) {
      failure->Row = row;
      return failure;
    }
  }
  return std::nullopt;
}

std::optional<TRowCheckFailure> Check_Editor_Tables(const TTableEditorSpec& spec,
                                                    const std::vector<const TEditorTable*>& tables) {
  const size_t count = std::min(size_t(spec.Tables.size()), tables.size());
  for (size_t t = 0; t < count; ++t)
    if (std::optional<TRowCheckFailure> failure = Check_Editor_Table(spec.Tables[qsizetype(t)], *tables[t]))
      return failure;
  if (spec.AfterRows && count == size_t(spec.Tables.size())) return spec.AfterRows(tables);
  return std::nullopt;
}

int32_t Cell_Number(const QString& text) { return StrToIntDef(text, -1); }

bool In_Range(const QString& text, int32_t low, int32_t high) {
  const int32_t value = Cell_Number(text);
  return value >= low && value <= high;
}

TRowCheckFailure Row_Fault(int text, const QString& appended) { return TRowCheckFailure{0, text, appended, true}; }

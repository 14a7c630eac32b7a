#include "tests/editors/editor_tables.h"

#include "platform/xml/xml_document.h"

EditorTables::EditorTables(const TTableEditorSpec& spec) : spec_(spec) {
  for (const TEditorTableSpec& t : spec.Tables)
    tables_.push_back(std::make_unique<TTextTable>(int(t.Columns.size()), t.Rows + 1));
  Reset();
}

void EditorTables::Reset() {
  for (size_t t = 0; t < tables_.size(); ++t)
    for (int row = 1; row < tables_[t]->RowCount(); ++row)
      Reset_Editor_Row(spec_.Tables[qsizetype(t)], *tables_[t], row);
}

void EditorTables::SetRow(int table, int row, const QStringList& cells) {
  for (int i = 0; i < cells.size(); ++i) Table(table).SetCell(i + 1, row, cells[i]);
}

QStringList EditorTables::Row(int table, int row) const {
  QStringList texts;
  for (int c = 0; c < tables_[size_t(table)]->ColCount(); ++c) texts << tables_[size_t(table)]->Cell(c, row);
  return texts;
}

QString EditorTables::Check() const {
  std::vector<const TEditorTable*> tables;
  for (const auto& t : tables_) tables.push_back(t.get());
  const std::optional<TRowCheckFailure> failure = Check_Editor_Tables(spec_, tables);
  return failure ? Row_Check_Message(*failure, spec_.RowPrefix) : QString();
}

TEditorLoad EditorTables::Load(const QString& path) {
  Reset();
  std::vector<TEditorTable*> tables;
  for (const auto& t : tables_) tables.push_back(t.get());
  return Load_Editor_Tables(spec_, path, tables);
}

void EditorTables::Save(const QString& path) const {
  std::vector<const TEditorTable*> tables;
  for (const auto& t : tables_) tables.push_back(t.get());
  TXMLDocument doc;
  Write_Editor_File(doc, path, Editor_File_Layout(spec_), tables);
}

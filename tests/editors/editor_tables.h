// The tables of a table editor's description in memory, for tests without a form:
// rows typed as texts, the editor's check as the message the user would see, and
// the file read and written as the form does.
#pragma once

#include "app/table_editor/table_editor_spec.h"

#include <QList>
#include <QStringList>
#include <memory>
#include <vector>

// The row's cells (columns 1, 2, ...) with the cell of column `col` replaced.
inline QStringList With_Cell(QStringList row, int col, const QString& text) {
  row[col - 1] = text;
  return row;
}

class EditorTables {
public:
  explicit EditorTables(const TTableEditorSpec& spec);

  // Every row back to its new-row state.
  void Reset();
  // Columns 1, 2, ... of one row.
  void SetRow(int table, int row, const QStringList& cells);
  // Columns 0, 1, ... of one row.
  QStringList Row(int table, int row) const;
  TTextTable& Table(int table) { return *tables_[size_t(table)]; }

  // The check's first fault as the error box shows it; empty when every row passes.
  QString Check() const;
  // Resets, then reads the file as showing the form does.
  TEditorLoad Load(const QString& path);
  // Writes the file as OK does.
  void Save(const QString& path) const;

private:
  const TTableEditorSpec& spec_;
  std::vector<std::unique_ptr<TTextTable>> tables_;
};
